// The date-time's text form reads back as the same second: for any value v
// (the first eight bytes) inside DateTimeMin..DateTimeMax, TextToDateTime of
// DateTimeToText(v) has the fields of v to the nearest second. The whole
// input is also read as a date-time text, which must not crash, and a text
// that reads gives a value from DateTimeMin to the end of 9999-12-31 (a time
// on that last day lies above DateTimeMax, its first moment).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "convert/DateTime.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veltrane;
  if (size >= 8) {
    double v;
    std::memcpy(&v, data, 8);
    if (v >= DateTimeMin && v <= DateTimeMax) {
      const auto expected = DateTimeToFields(v);
      const auto read = ReadDateTime(DateTimeToText(v));
      if (!expected || !read) std::abort();
      const auto got = DateTimeToFields(*read);
      if (!got || got->year != expected->year || got->month != expected->month || got->day != expected->day ||
          got->hour != expected->hour || got->minute != expected->minute || got->second != expected->second) {
        std::abort();
      }
    }
  }
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto value = ReadDateTime(text.substr(0, text.find('\0')))) {
    if (!(*value >= DateTimeMin && *value < DateTimeMax + 1)) std::abort();
  }
  return 0;
}
