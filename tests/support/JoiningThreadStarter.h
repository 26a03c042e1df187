// JoiningThreadStarter.h: starts real threads, as the program's starter does,
// but keeps them so that a test can wait for every run it started.
#pragma once

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "platform/Threads.h"

namespace veltrane::testing {

class JoiningThreadStarter : public ThreadStarter {
 public:
  ~JoiningThreadStarter() override { Join(); }

  bool StartThread(std::function<void()> entry) override {
    threads_.emplace_back([this, entry = std::move(entry)] {
      entry();
      ++finished_;
    });
    return true;
  }

  // Whether every thread started so far has run its entry to the end.
  bool AllFinished() const { return finished_ == static_cast<int>(threads_.size()); }
  int Started() const { return static_cast<int>(threads_.size()); }

  // Waits for every thread started so far. Call it before anything the
  // threads use goes.
  void Join() {
    for (std::thread& thread : threads_) thread.join();
    threads_.clear();
    finished_ = 0;
  }

 private:
  std::vector<std::thread> threads_;
  std::atomic<int> finished_{0};
};

}  // namespace veltrane::testing
