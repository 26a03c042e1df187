// Handlers.h: the handlers of the main window's events that do the program's
// work: the clock tick and the manual calibration command. They touch the
// window only through WindowSystem.
#pragma once

#include <string>

#include "calibration/Calibrator.h"
#include "calibration/PageFetcher.h"
#include "calibration/RunResult.h"
#include "platform/Clock.h"
#include "platform/Threads.h"
#include "platform/WindowSystem.h"

namespace veltrane {

class Handlers {
 public:
  // Every reference must outlive the handlers and every run they start.
  Handlers(WindowSystem& ui, Clock& clock, ThreadStarter& threads, PageFetcher& fetcher, std::string time_url);

  // 时钟1's tick, on the UI thread: shows the current local time in
  // 系统时间标签 and starts one detached background run. A tick whose thread
  // cannot be started has no run.
  void OnClockTick();

  // 按钮自动更新's click, and the long-delay command of any run, on the
  // caller's thread: disables the button, performs three manual runs one
  // after the other, shows "校对成功！" when at least one of them set the
  // clock and otherwise "校对失败！", a line break and the reason of the last
  // run, and enables the button once the box is closed.
  void OnAutoUpdateClicked();

  Calibrator& calibrator() { return calibrator_; }

 private:
  WindowSystem& ui_;
  Clock& clock_;
  ThreadStarter& threads_;
  Calibrator calibrator_;
};

}  // namespace veltrane
