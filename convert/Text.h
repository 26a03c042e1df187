// Text.h: the value types that every part of Veltrane passes around.
//
//   Text       a byte string in GBK, holding no NUL byte. Lengths and positions
//              count bytes. The empty text also stands for an absent text.
//   TextArray  the members of a split, in order. The design numbers members
//              from 1; here member n is element n - 1. Before member n is read,
//              MemberCount(array) >= n is checked.
//   ByteSet    raw bytes as received, NUL bytes allowed (a fetched page body).
#pragma once

#include <string>
#include <vector>

namespace veltrane {

using Text = std::string;
using TextArray = std::vector<Text>;
using ByteSet = std::vector<char>;

}  // namespace veltrane
