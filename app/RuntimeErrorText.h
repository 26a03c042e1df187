// RuntimeErrorText.h: the text of the fatal runtime error box.
#pragma once

#include <cstdint>
#include <string_view>

#include "convert/Text.h"

namespace veltrane {

// "运行时出错!\r\n\r\n"; then, for a code other than 0, "错误代码：", the code
// in decimal and "\r\n\r\n"; then, for a message that is not empty,
// "错误信息：", the message and "\r\n". GBK.
Text RuntimeErrorBoxText(std::int32_t code, std::string_view message);

// The message that belongs to a report by code: for 1 the member range
// message, none for others.
std::string_view RuntimeErrorMessageOf(std::int32_t code);

}  // namespace veltrane
