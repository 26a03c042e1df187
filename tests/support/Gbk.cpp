#include "tests/support/Gbk.h"

#include <iconv.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace veltrane::testing {
namespace {

std::string Convert(std::string_view in, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) std::abort();
  std::string out(in.size() * 4 + 4, '\0');
  char* src = const_cast<char*>(in.data());
  std::size_t src_left = in.size();
  char* dst = out.data();
  std::size_t dst_left = out.size();
  if (iconv(cd, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1)) {
    std::fprintf(stderr, "iconv %s -> %s failed\n", from, to);
    std::abort();
  }
  iconv_close(cd);
  out.resize(out.size() - dst_left);
  return out;
}

}  // namespace

std::string Gbk(std::string_view utf8) { return Convert(utf8, "GBK", "UTF-8"); }
std::string Utf8(std::string_view gbk) { return Convert(gbk, "UTF-8", "GBK"); }

std::string Bytes(std::string_view hex) {
  std::string out;
  std::istringstream in{std::string(hex)};
  std::string pair;
  while (in >> pair) out.push_back(static_cast<char>(std::stoi(pair, nullptr, 16)));
  return out;
}

}  // namespace veltrane::testing
