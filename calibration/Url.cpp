#include "calibration/Url.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace veltrane {
namespace {

// The length of "scheme://" at the start of url, or 0 when there is none.
std::size_t SchemePrefixLength(std::string_view url) {
  if (url.empty() || !std::isalpha(static_cast<unsigned char>(url[0]))) return 0;
  std::size_t i = 1;
  while (i < url.size() &&
         (std::isalnum(static_cast<unsigned char>(url[i])) || url[i] == '+' || url[i] == '-' || url[i] == '.')) {
    ++i;
  }
  return url.substr(i, 3) == "://" ? i + 3 : 0;
}

// Removes "." and ".." segments from an absolute path (RFC 3986, 5.2.4).
std::string RemoveDotSegments(std::string_view path) {
  std::vector<std::string_view> kept;
  std::size_t start = 1;  // past the leading "/"
  bool trailing_slash = false;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view segment = path.substr(start, end - start);
    const bool last = end == path.size();
    if (segment == ".") {
      trailing_slash = last;
    } else if (segment == "..") {
      if (!kept.empty()) kept.pop_back();
      trailing_slash = last;
    } else {
      kept.push_back(segment);
      trailing_slash = false;
    }
    start = end + 1;
  }
  std::string out;
  for (std::string_view s : kept) {
    out += '/';
    out += s;
  }
  if (out.empty() || trailing_slash) out += '/';
  return out;
}

}  // namespace

std::string_view WithoutFragment(std::string_view path) { return path.substr(0, path.find('#')); }

std::optional<std::string> CanonicalizeUrl(std::string_view url) {
  const std::size_t prefix = SchemePrefixLength(url);
  if (prefix == 0) return std::nullopt;
  const std::size_t path_start = url.find_first_of("/?#", prefix);
  if (path_start == std::string_view::npos || url[path_start] != '/') return std::string(url);
  const std::size_t path_end = url.find_first_of("?#", path_start);
  const std::string_view path = url.substr(path_start, path_end == std::string_view::npos ? url.npos : path_end - path_start);
  std::string canonical(url.substr(0, path_start));
  canonical += RemoveDotSegments(path);
  if (path_end != std::string_view::npos) canonical += url.substr(path_end);
  return canonical;
}

std::optional<UrlParts> CrackUrl(std::string_view url) {
  const std::size_t prefix = SchemePrefixLength(url);
  if (prefix == 0) return std::nullopt;
  UrlParts parts;
  std::string scheme(url.substr(0, prefix - 3));
  for (char& c : scheme) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (scheme == "http") {
    parts.scheme = UrlScheme::kHttp;
    parts.port = 80;
  } else if (scheme == "https") {
    parts.scheme = UrlScheme::kHttps;
    parts.port = 443;
  }

  const std::size_t authority_end = std::min(url.find_first_of("/?#", prefix), url.size());
  std::string_view authority = url.substr(prefix, authority_end - prefix);
  const std::string_view path = url.substr(authority_end);
  parts.path = path.empty() ? "/" : std::string(path);

  if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
    const std::string_view credentials = authority.substr(0, at);
    const std::size_t colon = credentials.find(':');
    parts.user = std::string(credentials.substr(0, colon));
    if (colon != std::string_view::npos) parts.password = std::string(credentials.substr(colon + 1));
    authority = authority.substr(at + 1);
  }

  std::string_view host = authority;
  std::string_view port;
  if (!host.empty() && host[0] == '[') {
    const std::size_t close = host.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    const std::string_view rest = host.substr(close + 1);
    if (!rest.empty() && rest[0] != ':') return std::nullopt;
    if (!rest.empty()) port = rest.substr(1);
    host = host.substr(1, close - 1);
  } else if (const std::size_t colon = host.rfind(':'); colon != std::string_view::npos) {
    port = host.substr(colon + 1);
    host = host.substr(0, colon);
  }
  if (!port.empty()) {
    if (port.size() > 5) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : port) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (value == 0 || value > 65535) return std::nullopt;
    parts.port = static_cast<std::uint16_t>(value);
  }
  parts.host = std::string(host);

  if (parts.scheme != UrlScheme::kOther && parts.host.empty()) return std::nullopt;
  if (parts.host.size() > kMaxHostLength || parts.path.size() > kMaxPathLength ||
      parts.user.size() > kMaxUserLength || parts.password.size() > kMaxPasswordLength) {
    return std::nullopt;
  }
  return parts;
}

}  // namespace veltrane
