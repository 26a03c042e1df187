// CurlHttpClient.h: the HTTP client on libcurl. A fetch drives a libcurl multi
// handle of its own, so that the body can be read in pieces of the caller's
// size; the session is a share object (DNS cache) with the agent text.
//
// Every request has a connect time-out of 5 s and a whole-request time-out of
// 10 s, so a server that never answers cannot hold a thread forever. Proxies
// come from the usual environment variables (http_proxy, https_proxy,
// no_proxy); without them the connection is direct. https checks
// certificates. Redirects are not followed.
#pragma once

#include <curl/curl.h>

#include <array>
#include <mutex>
#include <string>

#include "platform/HttpClient.h"

namespace veltrane {

struct HttpTimeouts {
  long connect_ms = 5000;
  long total_ms = 10000;
};

class CurlHttpClient : public HttpClient {
 public:
  // Initialises libcurl: construct it before any other thread starts. The
  // client must outlive every response it hands out.
  explicit CurlHttpClient(HttpTimeouts timeouts = {});
  ~CurlHttpClient() override;
  CurlHttpClient(const CurlHttpClient&) = delete;
  CurlHttpClient& operator=(const CurlHttpClient&) = delete;

  bool OpenSession(std::string_view agent) override;
  std::unique_ptr<HttpResponse> Get(const HttpTarget& target, std::span<const std::string> header_lines) override;

 private:
  static void Lock(CURL*, curl_lock_data data, curl_lock_access, void* self);
  static void Unlock(CURL*, curl_lock_data data, void* self);

  HttpTimeouts timeouts_;
  std::string agent_;  // written once by OpenSession, before any Get
  CURLSH* share_ = nullptr;
  std::array<std::mutex, CURL_LOCK_DATA_LAST> locks_;
};

}  // namespace veltrane
