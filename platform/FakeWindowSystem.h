// FakeWindowSystem.h: a window system without a window, for tests. It keeps
// the labels' texts and every text ever written to them, the check box (which
// a test sets), the disabled states, and the messages shown. Safe on any
// thread.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"

namespace veltrane {

class FakeWindowSystem : public WindowSystem {
 public:
  struct Message {
    std::string text;
    std::int32_t button_code;
    std::string title;
  };

  void SetLabelText(Control label, std::string_view text) override;
  bool IsChecked(Control check_box) override;
  void SetDisabled(Control control, bool disabled) override;
  void ProcessEvents() override;
  int ShowMessage(std::string_view text, std::int32_t button_code, std::string_view title) override;

  void SetChecked(bool checked);
  // Runs on every ProcessEvents and ShowMessage call: a test's stand-in for
  // the events a real window would handle there.
  void SetOnEvents(std::function<void()> on_events);

  std::string LabelText(Control label) const;
  std::vector<std::string> LabelHistory(Control label) const;
  bool IsDisabled(Control control) const;
  std::vector<bool> DisabledHistory(Control control) const;
  std::vector<Message> Messages() const;
  int ProcessEventsCalls() const;
  int IsCheckedCalls() const;

 private:
  mutable std::mutex mutex_;
  std::map<Control, std::vector<std::string>> labels_;
  std::map<Control, std::vector<bool>> disabled_;
  std::vector<Message> messages_;
  std::function<void()> on_events_;
  bool checked_ = false;
  int process_events_calls_ = 0;
  int is_checked_calls_ = 0;
};

}  // namespace veltrane
