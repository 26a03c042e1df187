// ProcessUntil.h: for Qt tests, handles the UI thread's events until a
// condition holds or the time runs out.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

namespace veltrane::testing {

// Handles events until done() or ms milliseconds have passed; returns done().
inline bool ProcessUntil(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

}  // namespace veltrane::testing
