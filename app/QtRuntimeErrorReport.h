// QtRuntimeErrorReport.h: the fatal runtime error report on the window
// system. It shows the error box (title "错误", the error icon, not modal: the
// main window stays usable), waits until it is closed on the reporting
// thread, then ends the program with exit code -1 (status 255). From a worker
// the end is handed to the UI thread; when the UI thread can no longer take
// it, the worker ends the process itself.
#pragma once

#include <functional>

#include "convert/RuntimeErrorReport.h"
#include "platform/QtWindowSystem.h"

namespace veltrane {

class QtRuntimeErrorReport : public RuntimeErrorReport {
 public:
  // end_program(code) runs the orderly shutdown and ends the process; it does
  // not return.
  QtRuntimeErrorReport(QtWindowSystem& ui, std::function<void(int)> end_program);

  void ReportRuntimeError(std::int32_t code, std::string_view message) override;

 private:
  QtWindowSystem& ui_;
  std::function<void(int)> end_program_;
};

}  // namespace veltrane
