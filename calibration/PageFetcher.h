// PageFetcher.h: downloads one web page and hands back its body, whatever the
// status. It never reports a failure: every failure gives the bytes received
// up to that point, and a failure before the body gives nothing.
#pragma once

#include <chrono>
#include <cstddef>
#include <mutex>
#include <string_view>

#include "convert/Text.h"
#include "platform/HttpClient.h"

namespace veltrane {

inline constexpr std::string_view kAgentText = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// A body larger than this is not a time page: the fetch gives nothing.
inline constexpr std::size_t kMaxBodySize = 8 * 1024 * 1024;

// The size of each read: Content-Length + 1 when the server gives a length
// from 1 to 102399, 102400 above that, 10240 when it gives none, a length of
// 0 or less, or a value of more than 31 characters. The value is read as a
// decimal integer after leading white space, with an optional sign.
std::size_t ChunkSize(const std::optional<std::string>& content_length);

class PageFetcher {
 public:
  // client must outlive the fetcher.
  explicit PageFetcher(HttpClient& client);

  // The body of the page at url, byte for byte: empty for an empty or unusable
  // URL, a scheme other than http and https, a server that cannot be reached,
  // a body over kMaxBodySize; the part received when the body breaks off.
  // Opens the shared session on the first call that gets past the URL; a
  // failed opening is tried again by the next call. Safe on any thread.
  // A time_limit above zero shortens the client's own whole-fetch limit
  // (what has arrived when it runs out is kept, as for a broken body).
  ByteSet FetchPage(std::string_view url, std::chrono::milliseconds time_limit = std::chrono::milliseconds::zero());

 private:
  bool EnsureSession();

  HttpClient& client_;
  std::mutex session_mutex_;
  bool session_open_ = false;  // guarded by session_mutex_
};

}  // namespace veltrane
