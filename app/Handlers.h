// Handlers.h: the handlers of the main window's events that do the program's
// work: the clock tick. They touch the window only through WindowSystem.
#pragma once

#include "platform/Clock.h"
#include "platform/Threads.h"
#include "platform/WindowSystem.h"

namespace veltrane {

class Handlers {
 public:
  // Every argument must outlive the handlers.
  Handlers(WindowSystem& ui, Clock& clock, ThreadStarter& threads);

  // 时钟1's tick, on the UI thread: shows the current local time in
  // 系统时间标签.
  void OnClockTick();

 private:
  WindowSystem& ui_;
  Clock& clock_;
  ThreadStarter& threads_;
};

}  // namespace veltrane
