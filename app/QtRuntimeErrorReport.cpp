#include "app/QtRuntimeErrorReport.h"

#include <cstdlib>

#include "app/RuntimeErrorText.h"
#include "convert/GbkTexts.h"

namespace veltrane {

QtRuntimeErrorReport::QtRuntimeErrorReport(QtWindowSystem& ui, std::function<void(int)> end_program)
    : ui_(ui), end_program_(std::move(end_program)) {}

void QtRuntimeErrorReport::ReportRuntimeError(std::int32_t code, std::string_view message) {
  const std::string_view shown = message.empty() ? RuntimeErrorMessageOf(code) : message;
  ui_.ShowModelessMessage(RuntimeErrorBoxText(code, shown), kMessageOk | kMessageIconError, gbk::kErrorTitle);
  if (!ui_.RunOnUiThread([this] { end_program_(-1); })) end_program_(-1);
  std::abort();  // end_program_ does not return
}

}  // namespace veltrane
