// Gbk.h: test helpers that turn readable UTF-8 into the GBK bytes the program
// works in, and back, through the C library's iconv (an independent reference
// for the byte constants in the code).
#pragma once

#include <string>
#include <string_view>

namespace veltrane::testing {

// The GBK bytes of a UTF-8 text; aborts on a text GBK cannot hold.
std::string Gbk(std::string_view utf8);

// The UTF-8 of a GBK text; aborts on bytes that are not GBK.
std::string Utf8(std::string_view gbk);

// Bytes written as hex pairs, "B0 A1 41".
std::string Bytes(std::string_view hex);

}  // namespace veltrane::testing
