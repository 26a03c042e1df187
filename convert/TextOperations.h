// TextOperations.h: the operations on Text, TextArray and ByteSet that a
// calibration run relies on to cut the time page into pieces.
//
// All texts are GBK byte strings. SplitText, FindText and RemoveAllSpaces walk
// by characters: a byte of 0x80 or more begins a two-byte character together
// with the byte after it, so a match or a removal never starts on a second
// byte. A byte of 0x80 or more that is a text's last byte is a lone first byte.
// Every operation is pure, never fails, and may run on any thread.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "convert/Text.h"

namespace veltrane {

// Byte-wise comparison of unsigned bytes; a proper beginning sorts first.
// Returns -1, 0 or +1.
int CompareText(std::string_view a, std::string_view b);

// The number of bytes in t.
std::int64_t TextLength(std::string_view t);

// The pieces joined in order.
Text ConcatText(std::initializer_list<std::string_view> pieces);

// Splits text at every delimiter, walking by characters. Adjacent delimiters
// give an empty member, a leading one an empty first member, a trailing one no
// member. The empty text gives no members; an empty delimiter gives the whole
// text as one member. With a maximum, the split ends once that many members
// were added and the rest is dropped; a maximum of 0 or less gives no members.
TextArray SplitText(std::string_view text, std::string_view delimiter = ",",
                    std::optional<std::int64_t> maximum = std::nullopt);

// The number of members of array.
std::int64_t MemberCount(const TextArray& array);

// The 1-based byte position of the first match of sought in text, or -1. The
// search begins at byte `start` (1-based; 0 or less means the beginning) but
// positions count from the text's first byte. An empty sought text is found
// at 1 when the searched part is not empty.
std::int64_t FindText(std::string_view text, std::string_view sought, std::int64_t start = 1);

// The last n bytes of text: empty for n <= 0, the whole text when n is at least
// its length. The cut ignores characters.
Text RightOfText(std::string_view text, std::int64_t n);

// text without its blanks 0x20 and its full-width spaces A1 A1. Every other
// character stays; a lone first byte at the end is dropped.
Text RemoveAllSpaces(std::string_view text);

// The bytes before the first NUL byte, taken as GBK as they are.
Text BytesToText(const ByteSet& bytes);

}  // namespace veltrane
