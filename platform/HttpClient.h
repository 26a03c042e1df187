// HttpClient.h: the HTTP client the page fetch runs on, as small as the fetch
// needs: open a shared session once, send a GET with given header lines, tell
// the Content-Length, read the body in pieces of a given size, close.
// CurlHttpClient is the real one. Implementations are safe to use from any
// number of threads at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace veltrane {

struct HttpTarget {
  bool secure = false;  // https: TLS with certificate checks
  std::string host;     // an IPv6 literal without brackets
  std::uint16_t port = 80;
  std::string user;     // credentials for the server; empty for none
  std::string password;
  std::string path;     // the object path with its query, no fragment
  // The whole request's time limit in ms when it is shorter than the
  // client's own; 0 for the client's own alone.
  std::int64_t time_limit_ms = 0;
  // The largest body the caller takes, in bytes; a client may refuse a body
  // announced as larger before it arrives. 0 for no bound.
  std::size_t max_body_size = 0;
};

// One response, open until destroyed (which closes request and connection).
class HttpResponse {
 public:
  virtual ~HttpResponse() = default;

  // The Content-Length header's value as the server wrote it, or nothing when
  // the header is absent.
  virtual std::optional<std::string> ContentLength() = 0;

  // Reads up to `size` bytes of the body into buffer: the count, 0 at the end
  // of the body, or nothing when the read failed (a broken connection, a
  // time-out).
  virtual std::optional<std::size_t> Read(char* buffer, std::size_t size) = 0;
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;

  // Opens the session that every request shares, with the agent text. False
  // when it cannot be opened. Called once, before the first Get.
  virtual bool OpenSession(std::string_view agent) = 0;

  // Connects to the target and sends "GET path HTTP/1.0" with the header
  // lines (each without its line end) and no body. Returns the response once
  // its head has arrived, or nullptr when the server could not be reached or
  // the request not sent (name resolution, refusal, TLS, time-out).
  virtual std::unique_ptr<HttpResponse> Get(const HttpTarget& target, std::span<const std::string> header_lines) = 0;
};

}  // namespace veltrane
