// GbkIconv.h: GBK to UTF-8 and back through the C library's iconv, for the
// places without a window (standard output and error, the console).
#pragma once

#include <string>
#include <string_view>

namespace veltrane {

// text (GBK) as UTF-8; bytes that do not decode are skipped.
std::string GbkToUtf8(std::string_view text);

// text (UTF-8) as GBK; characters GBK lacks are skipped.
std::string Utf8ToGbk(std::string_view text);

}  // namespace veltrane
