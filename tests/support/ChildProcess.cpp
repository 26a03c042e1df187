#include "tests/support/ChildProcess.h"

#include <algorithm>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <map>

extern char** environ;

namespace veltrane::testing {

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
  std::map<std::string, std::string> merged;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    merged[entry.substr(0, entry.find('='))] = entry;
  }
  for (const std::string& entry : env) merged[entry.substr(0, entry.find('='))] = entry;
  std::vector<std::string> env_strings;
  for (auto& [name, entry] : merged) env_strings.push_back(entry);
  std::vector<char*> envp;
  for (auto& s : env_strings) envp.push_back(s.data());
  envp.push_back(nullptr);
  std::vector<std::string> args = argv;
  std::vector<char*> argp;
  for (auto& s : args) argp.push_back(s.data());
  argp.push_back(nullptr);

  int out[2], err[2];
  if (pipe2(out, O_CLOEXEC) != 0) return;
  if (pipe2(err, O_CLOEXEC) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);  // the child starts with no signal blocked
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
  if (posix_spawn(&pid_, argp[0], &actions, &attributes, argp.data(), envp.data()) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(out[1]);
  close(err[1]);
  out_ = out[0];
  err_ = err[0];
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0 && !status_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (out_ >= 0) close(out_);
  if (err_ >= 0) close(err_);
}

void ChildProcess::Drain(int timeout_ms) {
  pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
  if (poll(fds, 2, timeout_ms) <= 0) return;
  char buffer[65536];
  for (int i = 0; i < 2; ++i) {
    if (!(fds[i].revents & (POLLIN | POLLHUP))) continue;
    const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
    if (got > 0) (i == 0 ? out_buffer_ : err_buffer_).append(buffer, static_cast<std::size_t>(got));
  }
}

std::optional<std::string> ChildProcess::ReadLine(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (bool last_look = false;;) {
    const std::size_t end = out_buffer_.find('\n', out_read_);
    if (end != std::string::npos) {
      std::string line = out_buffer_.substr(out_read_, end - out_read_);
      out_read_ = end + 1;
      return line;
    }
    if (last_look) return std::nullopt;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    last_look = left.count() <= 0;  // what has already arrived is still read
    Drain(static_cast<int>(std::clamp<long>(left.count(), 0, 100)));
  }
}

std::string ChildProcess::Output() {
  Drain(0);
  return out_buffer_;
}

std::string ChildProcess::Errors() {
  Drain(0);
  return err_buffer_;
}

void ChildProcess::Signal(int signal) {
  if (pid_ > 0 && !status_) kill(pid_, signal);
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds limit) {
  if (status_) return status_;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    int raw = 0;
    if (waitpid(pid_, &raw, WNOHANG) == pid_) {
      for (int i = 0; i < 20; ++i) Drain(10);
      status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
      return status_;
    }
    Drain(20);
  }
  return std::nullopt;
}

}  // namespace veltrane::testing
