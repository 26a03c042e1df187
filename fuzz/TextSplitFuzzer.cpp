// Splitting gives the text back: the members of SplitText(text, delimiter)
// joined with the delimiter are the text, or the text without a trailing
// delimiter. RemoveAllSpaces is idempotent and leaves no blank. The first
// byte chooses the delimiter's length (0..3), the delimiter follows, the
// text is the rest; NUL bytes end the text, as they end a Text.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "convert/TextOperations.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veltrane;
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t delimiter_length = std::min<std::size_t>(data[0] % 4, input.size());
  std::string_view delimiter = input.substr(0, delimiter_length);
  std::string_view text = input.substr(delimiter_length);
  delimiter = delimiter.substr(0, delimiter.find('\0'));
  text = text.substr(0, text.find('\0'));

  const TextArray members = SplitText(text, delimiter);
  Text joined;
  for (std::size_t i = 0; i < members.size(); ++i) {
    if (i > 0) joined += delimiter;
    joined += members[i];
  }
  const bool whole = joined == text;
  const bool without_trailing = !delimiter.empty() && text.size() >= delimiter.size() &&
                                text.substr(text.size() - delimiter.size()) == delimiter &&
                                joined == text.substr(0, text.size() - delimiter.size());
  if (!whole && !without_trailing) std::abort();

  const Text once = RemoveAllSpaces(text);
  if (RemoveAllSpaces(once) != once) std::abort();
  // A blank may survive only as the second byte of a two-byte character.
  for (std::size_t i = 0; i < once.size(); ++i) {
    const auto byte = static_cast<unsigned char>(once[i]);
    if (byte >= 0x80) {
      ++i;
    } else if (byte == ' ') {
      std::abort();
    }
  }
  return 0;
}
