#include "tools/TimePageServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <random>

#include "tools/TimePage.h"

namespace veltrane {
namespace {

// The local time now, as the system's time-zone rules give it.
DateTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return *FieldsToDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                           local.tm_sec);
}

const char* Reason(int status) {
  switch (status) {
    case 200: return "OK";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
  }
}

}  // namespace

TimePageServer::TimePageServer() = default;

TimePageServer::~TimePageServer() { Stop(); }

std::string TimePageServer::PageBody(const ServerBehaviour& behaviour) {
  if (behaviour.body) return *behaviour.body;
  const DateTime time = behaviour.fixed_time.value_or(LocalNow()) + static_cast<double>(behaviour.offset_seconds) / 86400.0;
  const auto fields = DateTimeToFields(ClampDateTime(time));
  return MakeTimePage(*fields);
}

std::optional<std::uint16_t> TimePageServer::Start(std::uint16_t port) {
  listen_fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listen_fd_ < 0) return std::nullopt;
  const int yes = 1;
  setsockopt(listen_fd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  socklen_t length = sizeof address;
  if (bind(listen_fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listen_fd_, 128) != 0 ||
      getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(listen_fd_);
    listen_fd_ = -1;
    return std::nullopt;
  }
  port_ = ntohs(address.sin_port);
  stopping_ = false;
  accept_thread_ = std::thread([this] { AcceptLoop(); });
  return port_;
}

void TimePageServer::Stop() {
  if (listen_fd_ < 0) return;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    for (int fd : open_fds_) shutdown(fd, SHUT_RDWR);
  }
  stop_signal_.notify_all();
  shutdown(listen_fd_, SHUT_RDWR);
  accept_thread_.join();
  close(listen_fd_);
  listen_fd_ = -1;
  std::map<std::uint64_t, std::thread> threads;
  {
    std::lock_guard lock(mutex_);
    threads.swap(threads_);
    finished_.clear();
  }
  for (auto& [serial, thread] : threads) thread.join();
}

void TimePageServer::SetBehaviour(const ServerBehaviour& behaviour) {
  std::lock_guard lock(mutex_);
  behaviour_ = behaviour;
}

std::vector<std::string> TimePageServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::size_t TimePageServer::Connections() const {
  std::lock_guard lock(mutex_);
  return connections_;
}

std::string TimePageServer::Url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/stime.asp"; }

void TimePageServer::AcceptLoop() {
  for (;;) {
    const int fd = accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
      if (stopping_) return;
      if (errno == EINTR || errno == ECONNABORTED) continue;
      return;
    }
    std::vector<std::thread> done;  // joined outside the lock: they have ended or are about to
    {
      std::lock_guard lock(mutex_);
      if (stopping_) {
        close(fd);
        return;
      }
      for (const std::uint64_t serial : finished_) {
        const auto it = threads_.find(serial);
        if (it == threads_.end()) continue;
        done.push_back(std::move(it->second));
        threads_.erase(it);
      }
      finished_.clear();
      open_fds_.push_back(fd);
      const std::uint64_t serial = connections_++;
      threads_.emplace(serial, std::thread([this, fd, behaviour = behaviour_, serial] {
                         Serve(fd, behaviour, serial);
                         std::lock_guard finished_lock(mutex_);
                         finished_.push_back(serial);
                       }));
    }
    for (std::thread& thread : done) thread.join();
  }
}

bool TimePageServer::Sleep(int ms) {
  std::unique_lock lock(mutex_);
  return !stop_signal_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stopping_.load(); });
}

void TimePageServer::SendAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t sent = send(fd, data, size, MSG_NOSIGNAL);
    if (sent <= 0) return;
    data += sent;
    size -= static_cast<std::size_t>(sent);
  }
}

void TimePageServer::Serve(int fd, ServerBehaviour behaviour, std::uint64_t serial) {
  // Read the request head, up to its blank line (at most 64 KiB, 10 s).
  std::string request;
  char buffer[4096];
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536 && !stopping_ &&
         std::chrono::steady_clock::now() < deadline) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 200) <= 0) continue;
    const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    request.append(buffer, static_cast<std::size_t>(got));
  }
  {
    std::lock_guard lock(mutex_);
    if (requests_.size() == 1000) requests_.erase(requests_.begin());
    requests_.push_back(request);
  }

  bool answer = !stopping_ && (behaviour.delay_ms == 0 || Sleep(behaviour.delay_ms));
  if (behaviour.answer == ServerBehaviour::Answer::kNeverAnswer) {
    while (Sleep(1000)) {
    }
    answer = false;
  }
  if (answer) {
    std::string body;
    const bool garbage = behaviour.answer == ServerBehaviour::Answer::kRandomBytes ||
                         (behaviour.answer == ServerBehaviour::Answer::kAlternate && serial % 2 == 1);
    if (garbage) {
      std::mt19937_64 random(serial);
      body.resize(behaviour.body_size > 0 ? behaviour.body_size : 4096);
      for (char& c : body) c = static_cast<char>(random());
    } else {
      body = PageBody(behaviour);
      if (body.size() < behaviour.body_size) body.resize(behaviour.body_size, ' ');
    }
    std::string head = "HTTP/1.0 " + std::to_string(behaviour.status) + " " + Reason(behaviour.status) +
                       "\r\nContent-Type: text/html; charset=gb2312\r\n";
    if (behaviour.send_content_length) {
      head += "Content-Length: " + behaviour.content_length.value_or(std::to_string(body.size())) + "\r\n";
    }
    head += "Connection: close\r\n\r\n";
    SendAll(fd, head.data(), head.size());
    const std::size_t to_send = std::min(body.size(), behaviour.break_after.value_or(body.size()));
    if (behaviour.byte_interval_ms > 0) {
      for (std::size_t i = 0; i < to_send && Sleep(behaviour.byte_interval_ms); ++i) SendAll(fd, &body[i], 1);
    } else {
      SendAll(fd, body.data(), to_send);
    }
  }
  {
    std::lock_guard lock(mutex_);
    std::erase(open_fds_, fd);
  }
  shutdown(fd, SHUT_WR);
  close(fd);
}

}  // namespace veltrane
