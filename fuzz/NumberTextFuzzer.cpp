// The number's text form reads back as itself: for any finite double x (the
// first eight bytes), NumberToText(TextToNumber(NumberToText(x))) is
// NumberToText(x). (Infinities and NaNs have no number text to read back.)
// The whole input is also read as a number text, which must not crash, and
// a finite result must itself round-trip once written.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "convert/Number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veltrane;
  const auto round_trips = [](double x) {
    if (!std::isfinite(x)) return;
    const Text once = NumberToText(x);
    if (NumberToText(TextToNumber(once)) != once) std::abort();
  };
  if (size >= 8) {
    double x;
    std::memcpy(&x, data, 8);
    round_trips(x);
  }
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  round_trips(TextToNumber(text.substr(0, text.find('\0'))));
  return 0;
}
