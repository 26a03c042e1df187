#include "platform/GbkIconv.h"

#include <iconv.h>

#include <cerrno>

namespace veltrane {
namespace {

// iconv from one encoding to another; undecodable bytes are skipped.
std::string Iconv(std::string_view in, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string();
  std::string out(in.size() * 4 + 4, '\0');
  char* src = const_cast<char*>(in.data());
  std::size_t src_left = in.size();
  char* dst = out.data();
  std::size_t dst_left = out.size();
  while (src_left > 0) {
    if (iconv(cd, &src, &src_left, &dst, &dst_left) != static_cast<std::size_t>(-1)) break;
    if (errno != EILSEQ && errno != EINVAL) break;
    ++src;  // skip a byte that does not decode
    --src_left;
  }
  iconv_close(cd);
  out.resize(out.size() - dst_left);
  return out;
}

}  // namespace

std::string GbkToUtf8(std::string_view text) { return Iconv(text, "UTF-8", "GBK"); }

std::string Utf8ToGbk(std::string_view text) { return Iconv(text, "GBK", "UTF-8"); }

}  // namespace veltrane
