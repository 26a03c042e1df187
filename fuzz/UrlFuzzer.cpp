// The fetch's URL handling on any input: CanonicalizeUrl, CrackUrl and
// FetchPage never read past a buffer (the sanitizers watch), a URL that
// splits has parts within their limits, and a fetch asks the client only
// for http or https with a host, never for a part longer than its limit.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calibration/PageFetcher.h"
#include "calibration/Url.h"

namespace {

using namespace veltrane;

// Checks every request and answers none, as a server that cannot be reached.
class CheckingClient : public HttpClient {
 public:
  bool OpenSession(std::string_view) override { return true; }
  std::unique_ptr<HttpResponse> Get(const HttpTarget& target, std::span<const std::string>) override {
    if (target.host.empty() || target.host.size() > kMaxHostLength || target.path.size() > kMaxPathLength ||
        target.user.size() > kMaxUserLength || target.password.size() > kMaxPasswordLength ||
        target.path.find('#') != std::string::npos || target.port == 0) {
      std::abort();
    }
    return nullptr;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view url(reinterpret_cast<const char*>(data), size);
  if (const auto canonical = CanonicalizeUrl(url)) {
    if (const auto parts = CrackUrl(*canonical)) {
      if (parts->host.size() > kMaxHostLength || parts->path.size() > kMaxPathLength ||
          parts->user.size() > kMaxUserLength || parts->password.size() > kMaxPasswordLength) {
        std::abort();
      }
    }
  }
  static CheckingClient client;
  static PageFetcher fetcher(client);
  if (!fetcher.FetchPage(url).empty()) std::abort();
  return 0;
}
