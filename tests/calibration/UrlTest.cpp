#include "calibration/Url.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

TEST(CanonicalizeUrl, ResolvesDotSegmentsAndEscapesNothing) {
  struct Row {
    const char* sentence;
    const char* url;
    std::optional<std::string> expected;
  };
  const Row rows[] = {
      {"a plain URL stays", "http://host/stime.asp", "http://host/stime.asp"},
      {"a .. segment climbs", "http://host/dir/../stime.asp", "http://host/stime.asp"},
      {"a . segment goes", "http://host/./a/./stime.asp", "http://host/a/stime.asp"},
      {".. above the root stays at the root", "http://host/../../stime.asp", "http://host/stime.asp"},
      {"a trailing .. leaves a directory", "http://host/a/b/..", "http://host/a/"},
      {"query and fragment are not touched", "http://host/a/../s?x=/../y#/../z", "http://host/s?x=/../y#/../z"},
      {"blanks are not escaped", "http://host/a b", "http://host/a b"},
      {"no path stays without one", "http://host", "http://host"},
      {"no scheme is refused", "stime.asp", std::nullopt},
      {"a scheme without // is refused", "mailto:someone", std::nullopt},
      {"the empty URL is refused", "", std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_EQ(CanonicalizeUrl(r.url), r.expected);
  }
}

TEST(CrackUrl, SplitsTheParts) {
  struct Row {
    const char* sentence;
    std::string url;
    std::optional<UrlParts> expected;
  };
  const std::string long_host(257, 'h');
  const Row rows[] = {
      {"http without a port is port 80", "http://time.example/stime.asp",
       UrlParts{UrlScheme::kHttp, "time.example", 80, "", "", "/stime.asp"}},
      {"https without a port is port 443", "HTTPS://time.example/stime.asp",
       UrlParts{UrlScheme::kHttps, "time.example", 443, "", "", "/stime.asp"}},
      {"a port, credentials, a query and a fragment", "http://u:p@127.0.0.1:8080/s?q=1#f",
       UrlParts{UrlScheme::kHttp, "127.0.0.1", 8080, "u", "p", "/s?q=1#f"}},
      {"an IPv6 literal", "http://[::1]:81/", UrlParts{UrlScheme::kHttp, "::1", 81, "", "", "/"}},
      {"no path is /", "http://host", UrlParts{UrlScheme::kHttp, "host", 80, "", "", "/"}},
      {"another scheme splits but is other", "ftp://host/file", UrlParts{UrlScheme::kOther, "host", 0, "", "", "/file"}},
      {"a host of 256 bytes fits", "http://" + std::string(256, 'h') + "/",
       UrlParts{UrlScheme::kHttp, std::string(256, 'h'), 80, "", "", "/"}},
      {"a host of 257 bytes does not", "http://" + long_host + "/", std::nullopt},
      {"a path of 2049 bytes does not fit", "http://h/" + std::string(2048, 'p'), std::nullopt},
      {"a user name of 129 bytes does not fit", "http://" + std::string(129, 'u') + "@h/", std::nullopt},
      {"a password of 129 bytes does not fit", "http://u:" + std::string(129, 'p') + "@h/", std::nullopt},
      {"an empty host is refused", "http:///stime.asp", std::nullopt},
      {"a port of letters is refused", "http://h:ab/", std::nullopt},
      {"a port above 65535 is refused", "http://h:65536/", std::nullopt},
      {"port 0 is refused", "http://h:0/", std::nullopt},
      {"an unclosed IPv6 literal is refused", "http://[::1/", std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_EQ(CrackUrl(r.url), r.expected);
  }
}

TEST(WithoutFragment, CutsAtTheFirstHash) {
  EXPECT_EQ(WithoutFragment("/stime.asp#top"), "/stime.asp");
  EXPECT_EQ(WithoutFragment("/s?a=1#b#c"), "/s?a=1");
  EXPECT_EQ(WithoutFragment("/stime.asp"), "/stime.asp");
}

}  // namespace
}  // namespace veltrane
