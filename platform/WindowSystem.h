// WindowSystem.h: the few window operations through which the logic touches
// the main window, its controls addressed by name. QtWindowSystem is the real
// one, FakeWindowSystem the one tests drive.
//
// SetLabelText, IsChecked and SetDisabled may be called from any thread: from
// a worker they are carried out on the UI thread while the worker waits. Once
// the main window is gone they do nothing (IsChecked reads unchecked) and
// return at once.
#pragma once

#include <cstdint>
#include <string_view>

#include "convert/GbkTexts.h"

namespace veltrane {

// The controls of the main window, by the names of the window description.
enum class Control { 标签1, 系统时间标签, 标签2, 校准时间标签, 按钮自动更新, 选择框1 };

// Message box button codes (the low bits choose the buttons, 0x10..0x40 the icon).
inline constexpr std::int32_t kMessageOk = 0x0;
inline constexpr std::int32_t kMessageIconError = 0x10;

// Which button closed a message box.
enum MessageResult : int { kOk = 0, kCancel = 1, kAbort = 2, kRetry = 3, kIgnore = 4, kYes = 5, kNo = 6 };

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Gives the label a copy of text (GBK); when this returns the label holds it.
  virtual void SetLabelText(Control label, std::string_view text) = 0;

  // Whether the check box is checked, as the UI thread reads it now.
  virtual bool IsChecked(Control check_box) = 0;

  // Disables (true) or enables (false) the control.
  virtual void SetDisabled(Control control, bool disabled) = 0;

  // Handles the events already waiting for the UI thread, then returns; never
  // waits for one. On a worker thread it returns at once.
  virtual void ProcessEvents() = 0;

  // Waits ms milliseconds (none when ms <= 0) without keeping a core busy: on
  // the UI thread it handles events as they come meanwhile, on a worker it
  // sleeps.
  virtual void WaitForEvents(std::int32_t ms) = 0;

  // Shows a message box and waits until it is closed; returns the button that
  // closed it. On the UI thread the box is task-modal: the main window takes no
  // input, but its timers and label updates go on. For a worker it is a window
  // of its own that leaves the main window usable.
  virtual int ShowMessage(std::string_view text, std::int32_t button_code = kMessageOk,
                          std::string_view title = gbk::kMessageTitle) = 0;
};

}  // namespace veltrane
