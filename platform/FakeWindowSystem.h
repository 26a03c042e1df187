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
  // Runs the wait hook when a test set one (a fake clock moves on there),
  // otherwise sleeps ms for real.
  void WaitForEvents(std::int32_t ms) override;
  int ShowMessage(std::string_view text, std::int32_t button_code, std::string_view title) override;

  void SetChecked(bool checked);
  // Runs on every ProcessEvents and ShowMessage call: a test's stand-in for
  // the events a real window would handle there.
  void SetOnEvents(std::function<void()> on_events);
  // Runs in place of WaitForEvents' sleep, with its ms.
  void SetOnWait(std::function<void(std::int32_t)> on_wait);

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
  std::function<void(std::int32_t)> on_wait_;
  bool checked_ = false;
  int process_events_calls_ = 0;
  int is_checked_calls_ = 0;
};

}  // namespace veltrane
