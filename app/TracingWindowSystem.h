// TracingWindowSystem.h: a window system that passes every operation on to
// another and writes each time text given to 校准时间标签 to a stream, as
// "calibrated: " and the text in UTF-8 on a line of its own. The window
// program does this with --dry-run, so that what it shows can be followed
// from outside.
#pragma once

#include <cstdio>
#include <mutex>

#include "platform/WindowSystem.h"

namespace veltrane {

class TracingWindowSystem : public WindowSystem {
 public:
  // inner and trace must outlive the object.
  TracingWindowSystem(WindowSystem& inner, std::FILE* trace);

  void SetLabelText(Control label, std::string_view text) override;
  bool IsChecked(Control check_box) override;
  void SetDisabled(Control control, bool disabled) override;
  void ProcessEvents() override;
  void WaitForEvents(std::int32_t ms) override;
  int ShowMessage(std::string_view text, std::int32_t button_code, std::string_view title) override;

 private:
  WindowSystem& inner_;
  std::FILE* trace_;
  std::mutex trace_mutex_;
};

}  // namespace veltrane
