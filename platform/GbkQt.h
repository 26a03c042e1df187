// GbkQt.h: the window's edge, where GBK Text becomes a QString and back.
// Qt decodes GBK through ICU where its build has it; iconv is the fallback.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace veltrane {

QString FromGbk(std::string_view text);
std::string ToGbk(const QString& text);

}  // namespace veltrane
