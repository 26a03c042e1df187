// ConsoleWindowSystem.h: the window operations for a program without a window
// (--once). Labels are kept, the check box reads unchecked, the button has no
// state, and a message box is a UTF-8 line on a stream (standard error) that
// nobody needs to close.
#pragma once

#include <cstdio>
#include <map>
#include <mutex>
#include <string>

#include "platform/WindowSystem.h"

namespace veltrane {

class ConsoleWindowSystem : public WindowSystem {
 public:
  // messages must stay open while the object is used.
  explicit ConsoleWindowSystem(std::FILE* messages);

  void SetLabelText(Control label, std::string_view text) override;
  bool IsChecked(Control check_box) override;
  void SetDisabled(Control control, bool disabled) override;
  void ProcessEvents() override;
  void WaitForEvents(std::int32_t ms) override;
  // Writes the text as UTF-8, its line breaks as they are, and a line end.
  // Returns kOk.
  int ShowMessage(std::string_view text, std::int32_t button_code, std::string_view title) override;

  // The last text given to the label (GBK), empty when none was.
  std::string LabelText(Control label) const;

 private:
  std::FILE* messages_;
  mutable std::mutex mutex_;
  std::map<Control, std::string> labels_;  // guarded by mutex_
};

}  // namespace veltrane
