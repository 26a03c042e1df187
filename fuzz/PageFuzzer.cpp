// Feeds arbitrary bytes to the parse and the time text assembly, as a page
// from the network. Nothing may crash or trip a sanitizer, and every page
// that parses gives a time text that ends with "秒".
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "calibration/DelayCompensation.h"
#include "calibration/TimePageParser.h"
#include "convert/DateTime.h"
#include "convert/GbkTexts.h"
#include "convert/TextOperations.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veltrane;
  // The last four bytes, when there are any, choose an elapsed; the page is the rest.
  std::int32_t elapsed = 1;
  if (size >= 4) {
    std::memcpy(&elapsed, data + size - 4, 4);
    if (elapsed < 0) elapsed = 0;
  }
  const ByteSet bytes(reinterpret_cast<const char*>(data), reinterpret_cast<const char*>(data) + size);
  const Text page = BytesToText(bytes);
  const PageParse parse = ParsePage(page);
  if (const auto* time = std::get_if<PageTime>(&parse)) {
    for (const std::int32_t e : {0, 1, 59, 300, elapsed}) {
      const Text text = AssembleTimeText(*time, e);
      if (text.size() < 2 || text.compare(text.size() - 2, 2, gbk::kSecond) != 0) std::abort();
      (void)TextToDateTime(text);
    }
  }
  return 0;
}
