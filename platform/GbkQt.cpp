#include "platform/GbkQt.h"

#include <iconv.h>

#include <QStringDecoder>
#include <QStringEncoder>

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

QString FromGbk(std::string_view text) {
  QStringDecoder decoder("GBK");
  if (decoder.isValid()) return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  const std::string utf8 = Iconv(text, "UTF-8", "GBK");
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToGbk(const QString& text) {
  QStringEncoder encoder("GBK");
  if (encoder.isValid()) {
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  const QByteArray utf8 = text.toUtf8();
  return Iconv(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), "GBK", "UTF-8");
}

}  // namespace veltrane
