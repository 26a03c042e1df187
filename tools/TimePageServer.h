// TimePageServer.h: a small HTTP server on 127.0.0.1 that serves the time
// page at any path, for tests and for trying Veltrane without the internet.
// It can be told to misbehave in the ways a real server or network does.
// Each connection is served on a thread of its own; the behaviour can be
// changed while it runs and applies to the connections accepted afterwards.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "convert/DateTime.h"

namespace veltrane {

struct ServerBehaviour {
  enum class Answer {
    kPage,         // the time page (or `body` when set)
    kNeverAnswer,  // accept, read the request, never answer
    kRandomBytes,  // a body of random bytes of `body_size`
    kAlternate,    // the time page and garbage, turn about
  };
  Answer answer = Answer::kPage;
  int status = 200;
  std::optional<std::string> body;        // served instead of the time page
  std::optional<DateTime> fixed_time;     // the page's time; else the local time now
  std::int64_t offset_seconds = 0;        // added to the page's time
  bool send_content_length = true;
  std::optional<std::string> content_length;  // the header's value instead of the true length
  std::optional<std::size_t> break_after;     // close after this many body bytes
  std::size_t body_size = 0;              // pad the body with blanks to at least this size
  int delay_ms = 0;                       // wait before answering
  int byte_interval_ms = 0;               // send the body one byte at a time, this far apart
};

class TimePageServer {
 public:
  TimePageServer();
  ~TimePageServer();  // stops the server
  TimePageServer(const TimePageServer&) = delete;
  TimePageServer& operator=(const TimePageServer&) = delete;

  // Listens on 127.0.0.1:port (0 for any free port). Returns the port, or
  // nothing when it cannot listen.
  std::optional<std::uint16_t> Start(std::uint16_t port = 0);

  // Closes the listening socket and every open connection, then waits for
  // the connection threads.
  void Stop();

  void SetBehaviour(const ServerBehaviour& behaviour);

  // The requests received so far (the last 1000), byte for byte, head only.
  std::vector<std::string> Requests() const;
  // The number of connections accepted so far.
  std::size_t Connections() const;

  // The port it listens on, and the URL of the time page on this server.
  std::uint16_t Port() const { return port_; }
  std::string Url() const;

  // The body the server would send now for the page (no misbehaviour).
  static std::string PageBody(const ServerBehaviour& behaviour);

 private:
  void AcceptLoop();
  void Serve(int fd, ServerBehaviour behaviour, std::uint64_t serial);
  bool Sleep(int ms);  // false when stopping
  void SendAll(int fd, const char* data, std::size_t size);

  int listen_fd_ = -1;
  std::uint16_t port_ = 0;
  std::atomic<bool> stopping_{false};
  std::thread accept_thread_;
  mutable std::mutex mutex_;
  std::condition_variable stop_signal_;
  ServerBehaviour behaviour_;
  std::vector<std::string> requests_;
  std::vector<int> open_fds_;
  // Connection threads by serial; a thread that has served puts its serial
  // in finished_, and the accept loop joins it.
  std::map<std::uint64_t, std::thread> threads_;
  std::vector<std::uint64_t> finished_;
  std::size_t connections_ = 0;
};

}  // namespace veltrane
