#include "app/TracingWindowSystem.h"

#include <string>

#include "platform/GbkIconv.h"

namespace veltrane {

TracingWindowSystem::TracingWindowSystem(WindowSystem& inner, std::FILE* trace) : inner_(inner), trace_(trace) {}

void TracingWindowSystem::SetLabelText(Control label, std::string_view text) {
  inner_.SetLabelText(label, text);
  if (label != Control::校准时间标签) return;
  const std::string line = "calibrated: " + GbkToUtf8(text) + "\n";
  std::lock_guard lock(trace_mutex_);
  std::fwrite(line.data(), 1, line.size(), trace_);
  std::fflush(trace_);
}

bool TracingWindowSystem::IsChecked(Control check_box) { return inner_.IsChecked(check_box); }

void TracingWindowSystem::SetDisabled(Control control, bool disabled) { inner_.SetDisabled(control, disabled); }

void TracingWindowSystem::ProcessEvents() { inner_.ProcessEvents(); }

void TracingWindowSystem::WaitForEvents(std::int32_t ms) { inner_.WaitForEvents(ms); }

int TracingWindowSystem::ShowMessage(std::string_view text, std::int32_t button_code, std::string_view title) {
  return inner_.ShowMessage(text, button_code, title);
}

}  // namespace veltrane
