// QtWindowSystem.h: the window operations on Qt Widgets. Controls are found
// in the main window by their object names ("系统时间标签", "选择框1", ...).
//
// Called on the UI thread, an operation acts directly. Called from a worker,
// it is carried out on the UI thread (a blocking queued call) while the worker
// waits. Once the main window is gone, operations do nothing and return at
// once (IsChecked reads unchecked); a worker that is still waiting then is
// never woken, and ends with the process.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>

#include "platform/WindowSystem.h"

class QStyle;

namespace veltrane {

// The object name of a control.
QString ControlName(Control control);

class QtWindowSystem : public QObject, public WindowSystem {
 public:
  // Construct on the UI thread, with the main window.
  explicit QtWindowSystem(QWidget* main_window);
  ~QtWindowSystem() override;

  void SetLabelText(Control label, std::string_view text) override;
  bool IsChecked(Control check_box) override;
  void SetDisabled(Control control, bool disabled) override;
  void ProcessEvents() override;
  void WaitForEvents(std::int32_t ms) override;
  int ShowMessage(std::string_view text, std::int32_t button_code, std::string_view title) override;

  // Runs fn on the UI thread and returns when it has run: directly on the UI
  // thread, as a blocking queued call from a worker. False, without running
  // fn, once the main window is gone.
  bool RunOnUiThread(const std::function<void()>& fn);

  bool IsUiThread() const;
  bool WindowGone() const { return gone_; }

  // Shows a box that leaves the main window usable (no modality, the
  // platform's look) and waits until it is closed; returns its result. Used
  // for boxes of workers and for the fatal error report.
  int ShowModelessMessage(std::string_view text, std::int32_t button_code, std::string_view title);

 private:
  QWidget* Find(Control control) const;

  QPointer<QWidget> window_;  // UI thread only
  std::atomic<bool> gone_{false};
  std::unique_ptr<QStyle> platform_style_;
};

}  // namespace veltrane
