// ChildProcess.h: runs a program for a test, reads its output line by line
// with a time limit, signals it and collects its exit status. A child still
// running when the object goes is killed.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace veltrane::testing {

class ChildProcess {
 public:
  // Starts argv[0] with the arguments; env entries "NAME=value" are added to
  // (or replace in) the test's environment. Standard output and standard
  // error are read through pipes.
  ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }

  // The next line of standard output, without its line end, or nothing when
  // none came within the time or the output ended.
  std::optional<std::string> ReadLine(std::chrono::milliseconds limit);

  // Everything on standard output / standard error up to now (after Wait:
  // everything the child wrote).
  std::string Output();
  std::string Errors();

  void Signal(int signal);

  // The exit status (0..255; 128 + n when killed by signal n), or nothing
  // when the child did not end within the time.
  std::optional<int> Wait(std::chrono::milliseconds limit);

 private:
  void Drain(int timeout_ms);

  pid_t pid_ = -1;
  int out_ = -1;
  int err_ = -1;
  std::string out_buffer_;
  std::string err_buffer_;
  std::size_t out_read_ = 0;  // how much of out_buffer_ ReadLine has handed out
  std::optional<int> status_;
};

}  // namespace veltrane::testing
