#include "calibration/PageFetcher.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <memory>
#include <new>

#include "calibration/Url.h"

namespace veltrane {
namespace {

constexpr std::size_t kDefaultChunk = 10240;
constexpr std::size_t kLargestChunk = 102400;
constexpr std::size_t kContentLengthBuffer = 32;  // the value and its NUL

}  // namespace

std::size_t ChunkSize(const std::optional<std::string>& content_length) {
  if (!content_length || content_length->size() > kContentLengthBuffer - 1) return kDefaultChunk;
  const std::string& text = *content_length;
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t n = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (n < static_cast<std::int64_t>(kLargestChunk)) n = n * 10 + (text[i] - '0');
  }
  if (negative) n = -n;
  if (n <= 0) return kDefaultChunk;
  if (n + 1 > static_cast<std::int64_t>(kLargestChunk)) return kLargestChunk;
  return static_cast<std::size_t>(n) + 1;
}

PageFetcher::PageFetcher(HttpClient& client) : client_(client) {}

bool PageFetcher::EnsureSession() {
  std::lock_guard lock(session_mutex_);
  if (!session_open_) session_open_ = client_.OpenSession(kAgentText);
  return session_open_;
}

ByteSet PageFetcher::FetchPage(std::string_view url, std::chrono::milliseconds time_limit) {
  ByteSet result;
  if (url.empty()) return result;
  const auto canonical = CanonicalizeUrl(url);
  if (!canonical) return result;
  const auto parts = CrackUrl(*canonical);
  if (!parts) return result;
  if (parts->scheme == UrlScheme::kOther) return result;
  if (!EnsureSession()) return result;

  HttpTarget target;
  target.secure = parts->scheme == UrlScheme::kHttps;
  target.host = parts->host;
  target.port = parts->port;
  target.user = parts->user;
  target.password = parts->password;
  target.path = std::string(WithoutFragment(parts->path));
  target.time_limit_ms = std::max<std::int64_t>(time_limit.count(), 0);
  target.max_body_size = kMaxBodySize;
  static const std::string kHeaderLines[] = {"Accept: */*"};
  const std::unique_ptr<HttpResponse> response = client_.Get(target, kHeaderLines);
  if (!response) return result;

  const std::size_t chunk = ChunkSize(response->ContentLength());
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[chunk]);
  if (!buffer) return result;
  for (;;) {
    const auto count = response->Read(buffer.get(), chunk);
    if (!count || *count == 0) break;  // a failed read keeps what has arrived
    if (result.size() + *count > kMaxBodySize) return ByteSet();
    result.insert(result.end(), buffer.get(), buffer.get() + *count);
  }
  return result;
}

}  // namespace veltrane
