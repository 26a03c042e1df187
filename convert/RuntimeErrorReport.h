// RuntimeErrorReport.h: the interface through which a fault that the program
// cannot go on from is reported. The window's implementation shows the error
// box and ends the process; tests pass a fake.
#pragma once

#include <cstdint>
#include <string_view>

namespace veltrane {

class RuntimeErrorReport {
 public:
  virtual ~RuntimeErrorReport() = default;

  // Reports the fault and ends the program. `code` is 0 when the report has no
  // code; `message` (GBK) is empty when it has none. Must not return: callers
  // abort if it does.
  virtual void ReportRuntimeError(std::int32_t code, std::string_view message) = 0;
};

}  // namespace veltrane
