// Url.h: putting a URL into canonical form and splitting it into the parts a
// fetch needs, with the length limits of the buffers the parts are held in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

enum class UrlScheme { kHttp, kHttps, kOther };

// Longest parts a URL may have; a longer one makes the URL unusable.
inline constexpr std::size_t kMaxHostLength = 256;
inline constexpr std::size_t kMaxPathLength = 2048;
inline constexpr std::size_t kMaxUserLength = 128;
inline constexpr std::size_t kMaxPasswordLength = 128;

struct UrlParts {
  UrlScheme scheme = UrlScheme::kOther;
  std::string host;      // as written; an IPv6 literal without its brackets
  std::uint16_t port = 0;  // the URL's port, else 80 for http and 443 for https (0 for others)
  std::string user;
  std::string password;
  std::string path;      // path with query and fragment, "/" when the URL has none

  bool operator==(const UrlParts&) const = default;
};

// The URL with "." and ".." path segments resolved; nothing is escaped or
// unescaped. Nothing when the URL has no "scheme://" at its start.
std::optional<std::string> CanonicalizeUrl(std::string_view url);

// The parts of a canonical URL, or nothing when it is malformed (no scheme,
// an empty host for http or https, a bad port) or a part is longer than its
// limit.
std::optional<UrlParts> CrackUrl(std::string_view url);

// The path cut before its first "#": a fragment is never sent.
std::string_view WithoutFragment(std::string_view path);

}  // namespace veltrane
