#include "platform/GbkQt.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include "platform/GbkIconv.h"

namespace veltrane {

QString FromGbk(std::string_view text) {
  QStringDecoder decoder("GBK");
  if (decoder.isValid()) return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  const std::string utf8 = GbkToUtf8(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToGbk(const QString& text) {
  QStringEncoder encoder("GBK");
  if (encoder.isValid()) {
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  const QByteArray utf8 = text.toUtf8();
  return Utf8ToGbk(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace veltrane
