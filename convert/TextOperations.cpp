#include "convert/TextOperations.h"

#include <algorithm>
#include <cstring>

namespace veltrane {
namespace {

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// The number of bytes to step over at pos when nothing matched there: 1 for a
// one-byte character, 2 for a two-byte one, 0 for a lone first byte at the
// end (the walk ends there).
std::size_t CharacterStep(std::string_view text, std::size_t pos) {
  if (!IsLeadByte(text[pos])) return 1;
  return pos + 1 < text.size() ? 2 : 0;
}

}  // namespace

int CompareText(std::string_view a, std::string_view b) {
  const int c = a.compare(b);  // char_traits<char> compares as unsigned char
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::int64_t TextLength(std::string_view t) { return static_cast<std::int64_t>(t.size()); }

Text ConcatText(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (std::string_view p : pieces) size += p.size();
  Text result;
  result.reserve(size);
  for (std::string_view p : pieces) result.append(p);
  return result;
}

TextArray SplitText(std::string_view text, std::string_view delimiter,
                    std::optional<std::int64_t> maximum) {
  TextArray members;
  if (maximum && *maximum < 0) maximum = 0;
  if (text.empty() || (maximum && *maximum == 0)) return members;
  if (delimiter.empty()) {
    members.emplace_back(text);
    return members;
  }
  std::size_t piece = 0;
  std::size_t pos = 0;
  while (text.size() - pos >= delimiter.size()) {
    if (text.compare(pos, delimiter.size(), delimiter) == 0) {
      members.emplace_back(text.substr(piece, pos - piece));
      pos += delimiter.size();
      piece = pos;
      if (maximum && --*maximum == 0) return members;
      continue;
    }
    const std::size_t step = CharacterStep(text, pos);
    if (step == 0) break;
    pos += step;
  }
  if (piece < text.size()) members.emplace_back(text.substr(piece));
  return members;
}

std::int64_t MemberCount(const TextArray& array) { return static_cast<std::int64_t>(array.size()); }

std::int64_t FindText(std::string_view text, std::string_view sought, std::int64_t start) {
  const std::size_t offset = start > 1 ? static_cast<std::size_t>(start - 1) : 0;
  if (offset > 0 && offset >= text.size()) return -1;
  if (sought.empty()) return text.empty() ? -1 : 1;
  std::size_t pos = offset;
  while (text.size() - pos >= sought.size()) {
    if (text.compare(pos, sought.size(), sought) == 0) return static_cast<std::int64_t>(pos) + 1;
    const std::size_t step = CharacterStep(text, pos);
    if (step == 0) return -1;
    pos += step;
  }
  return -1;
}

Text RightOfText(std::string_view text, std::int64_t n) {
  if (n <= 0) return Text();
  if (static_cast<std::uint64_t>(n) >= text.size()) return Text(text);
  return Text(text.substr(text.size() - static_cast<std::size_t>(n)));
}

Text RemoveAllSpaces(std::string_view text) {
  Text kept(text.size(), '\0');
  char* out = kept.data();
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char c = text[pos];
    if (!IsLeadByte(c)) {
      if (c != ' ') *out++ = c;
      ++pos;
      continue;
    }
    if (pos + 1 == text.size()) break;  // a lone first byte at the end is dropped
    const char next = text[pos + 1];
    if (!(c == '\xA1' && next == '\xA1')) {
      *out++ = c;
      *out++ = next;
    }
    pos += 2;
  }
  kept.resize(static_cast<std::size_t>(out - kept.data()));
  return kept;
}

Text BytesToText(const ByteSet& bytes) {
  const auto end = std::find(bytes.begin(), bytes.end(), '\0');
  return Text(bytes.begin(), end);
}

}  // namespace veltrane
