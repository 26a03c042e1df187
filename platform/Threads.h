// Threads.h: starting detached threads, behind an interface so that tests can
// see (or run at once) what a tick starts.
#pragma once

#include <functional>
#include <string>

namespace veltrane {

class ThreadStarter {
 public:
  virtual ~ThreadStarter() = default;

  // Starts a new thread that runs entry and ends when it returns. Nobody
  // waits for it. Returns at once: false when no thread could be started.
  virtual bool StartThread(std::function<void()> entry) = 0;
};

// Starts real detached threads with the platform's default stack size. Each
// thread carries the name given (at most 15 bytes), so that the runs in
// flight can be counted from outside (/proc/PID/task/*/comm).
class DetachedThreadStarter : public ThreadStarter {
 public:
  explicit DetachedThreadStarter(std::string name = "veltrane-run");
  bool StartThread(std::function<void()> entry) override;

 private:
  std::string name_;
};

}  // namespace veltrane
