#include "app/RuntimeErrorText.h"

#include <string>

#include "convert/GbkTexts.h"
#include "convert/TextOperations.h"

namespace veltrane {

Text RuntimeErrorBoxText(std::int32_t code, std::string_view message) {
  Text text = ConcatText({gbk::kRuntimeErrorHead, "\r\n\r\n"});
  if (code != 0) text += ConcatText({gbk::kErrorCodeLabel, std::to_string(code), "\r\n\r\n"});
  if (!message.empty()) text += ConcatText({gbk::kErrorMessageLabel, message, "\r\n"});
  return text;
}

std::string_view RuntimeErrorMessageOf(std::int32_t code) {
  return code == 1 ? gbk::kMemberOutOfRange : std::string_view();
}

}  // namespace veltrane
