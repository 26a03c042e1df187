// The fetch against a real HTTP server on 127.0.0.1, through the real curl
// client; a recording client beneath the fetch logic shows what it asked for.
#include "calibration/PageFetcher.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

#include "platform/CurlHttpClient.h"
#include "tests/support/RecordingHttpClient.h"
#include "tools/TimePageServer.h"

namespace veltrane {
namespace {

using testing::RecordingHttpClient;

std::string AsString(const ByteSet& bytes) { return std::string(bytes.begin(), bytes.end()); }

class PageFetcherTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server_.Start()); }

  ByteSet Fetch(const std::string& url) { return fetcher_.FetchPage(url); }

  void Serve(const std::string& body) {
    ServerBehaviour b;
    b.body = body;
    server_.SetBehaviour(b);
  }

  TimePageServer server_;
  CurlHttpClient curl_{HttpTimeouts{1000, 2000}};
  RecordingHttpClient client_{curl_};
  PageFetcher fetcher_{client_};
};

TEST_F(PageFetcherTest, FetchesTheTimePage) {
  ServerBehaviour b;
  b.fixed_time = *FieldsToDateTime(2013, 6, 19, 14, 5, 7);
  server_.SetBehaviour(b);
  EXPECT_EQ(AsString(Fetch(server_.Url())), TimePageServer::PageBody(b));
}

TEST_F(PageFetcherTest, SendsExactlyTheRequestOfTheDesign) {
  Serve("x");
  Fetch(server_.Url());
  const auto requests = server_.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0],
            "GET /stime.asp HTTP/1.0\r\n"
            "Host: 127.0.0.1:" + std::to_string(server_.Port()) +
                "\r\n"
                "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"
                "Accept: */*\r\n"
                "\r\n");
}

TEST_F(PageFetcherTest, SendsNoFragmentAndResolvesDotSegments) {
  Serve("x");
  const std::string base = server_.Url().substr(0, server_.Url().rfind('/'));
  Fetch(base + "/dir/../stime.asp#top");
  const auto requests = server_.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].substr(0, requests[0].find("\r\n")), "GET /stime.asp HTTP/1.0");
}

TEST_F(PageFetcherTest, GivesNothingWithoutNetworkForUnusableUrls) {
  struct Row {
    const char* sentence;
    std::string url;
  };
  const std::string port = std::to_string(server_.Port());
  const Row rows[] = {
      {"the empty URL", ""},
      {"a URL without a scheme", "127.0.0.1:" + port + "/stime.asp"},
      {"a malformed URL", "http://"},
      {"a bad port", "http://127.0.0.1:99999/stime.asp"},
      {"a host longer than its buffer", "http://" + std::string(300, 'a') + "/stime.asp"},
      {"a path longer than its buffer", "http://127.0.0.1:" + port + "/" + std::string(3000, 'p')},
      {"a user name longer than its buffer", "http://" + std::string(200, 'u') + "@127.0.0.1:" + port + "/"},
      {"a password longer than its buffer", "http://u:" + std::string(200, 'p') + "@127.0.0.1:" + port + "/"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_TRUE(Fetch(r.url).empty());
  }
  EXPECT_EQ(client_.sessions_opened, 0) << "no session is opened before a URL gets past the split";
  EXPECT_EQ(server_.Connections(), 0u);
}

TEST_F(PageFetcherTest, GivesNothingForOtherSchemes) {
  const std::string rest = "://127.0.0.1:" + std::to_string(server_.Port()) + "/stime.asp";
  for (const char* scheme : {"ftp", "file", "gopher", "ws"}) {
    SCOPED_TRACE(scheme);
    EXPECT_TRUE(Fetch(scheme + rest).empty());
  }
  EXPECT_EQ(client_.requests, 0);
  EXPECT_EQ(server_.Connections(), 0u);
}

TEST_F(PageFetcherTest, GivesNothingWhenTheConnectionIsRefused) {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  ASSERT_EQ(getsockname(s, reinterpret_cast<sockaddr*>(&a), &len), 0);
  close(s);  // bound once, now nobody listens there
  EXPECT_TRUE(Fetch("http://127.0.0.1:" + std::to_string(ntohs(a.sin_port)) + "/stime.asp").empty());
}

TEST_F(PageFetcherTest, ReadsBodiesAsTheServerSendsThem) {
  struct Row {
    const char* sentence;
    ServerBehaviour behaviour;
    std::string expected;
    std::size_t expected_read_size;
  };
  const std::string k3000(3000, 'b');
  const std::string k30720(30720, 'c');
  const std::string k500000(500000, 'd');
  auto behaviour = [](std::string body, int status = 200) {
    ServerBehaviour b;
    b.body = std::move(body);
    b.status = status;
    return b;
  };
  ServerBehaviour broken = behaviour(k3000);
  broken.break_after = 1000;
  ServerBehaviour no_length = behaviour(k30720);
  no_length.send_content_length = false;
  ServerBehaviour zero_length = behaviour("");
  zero_length.content_length = "0";
  ServerBehaviour long_value = behaviour("abc");
  long_value.content_length = "00000000000000000000000000000003";  // 32 characters
  const Row rows[] = {
      {"a 404 answer gives its body", behaviour("<html>Not Found</html>", 404), "<html>Not Found</html>", 23},
      {"a 500 answer gives its body", behaviour("oops", 500), "oops", 5},
      {"no body gives nothing", behaviour(""), "", 10240},
      {"300 bytes are read 301 at a time", behaviour(std::string(300, 'a')), std::string(300, 'a'), 301},
      {"a body broken off after 1000 of 3000 bytes gives the 1000", broken, k3000.substr(0, 1000), 3001},
      {"without a Content-Length, three times 10240 arrive whole", no_length, k30720, 10240},
      {"a Content-Length of 0 reads 10240 at a time", zero_length, "", 10240},
      {"half a million bytes are read 102400 at a time", behaviour(k500000), k500000, 102400},
      {"a length value longer than 31 characters counts as none", long_value, "abc", 10240},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    server_.SetBehaviour(r.behaviour);
    RecordingHttpClient recording(curl_);
    PageFetcher fetcher(recording);
    EXPECT_EQ(AsString(fetcher.FetchPage(server_.Url())), r.expected);
    const auto sizes = recording.ReadSizes();
    ASSERT_FALSE(sizes.empty());
    for (std::size_t size : sizes) EXPECT_EQ(size, r.expected_read_size);
  }
}

TEST_F(PageFetcherTest, EndsAWholeBodyWithAReadOfNothing) {
  Serve(std::string(300, 'a'));
  RecordingHttpClient recording(curl_);
  PageFetcher fetcher(recording);
  EXPECT_EQ(fetcher.FetchPage(server_.Url()).size(), 300u);
  EXPECT_EQ(recording.ReadSizes().size(), 2u) << "one read for the body, one that sees its end";
}

TEST_F(PageFetcherTest, GivesUpOnAServerThatNeverAnswers) {
  ServerBehaviour b;
  b.answer = ServerBehaviour::Answer::kNeverAnswer;
  server_.SetBehaviour(b);
  EXPECT_TRUE(Fetch(server_.Url()).empty());
}

TEST_F(PageFetcherTest, KeepsWhatATimedOutBodyDelivered) {
  ServerBehaviour b;
  b.body = std::string(100, 'x');
  b.byte_interval_ms = 50;  // 5 s for the body, the fetch may take 2 s
  server_.SetBehaviour(b);
  const ByteSet got = Fetch(server_.Url());
  EXPECT_GT(got.size(), 0u);
  EXPECT_LT(got.size(), 100u);
  EXPECT_EQ(AsString(got), std::string(got.size(), 'x'));
}

TEST_F(PageFetcherTest, RefusesBodiesOverEightMebibytes) {
  struct Row {
    const char* sentence;
    std::size_t size;
    bool with_length;
    bool whole;
  };
  const Row rows[] = {
      {"exactly 8 MiB with a length arrives", kMaxBodySize, true, true},
      {"exactly 8 MiB without a length arrives", kMaxBodySize, false, true},
      {"one byte more with a length gives nothing", kMaxBodySize + 1, true, false},
      {"one byte more without a length gives nothing", kMaxBodySize + 1, false, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    ServerBehaviour b;
    b.body = std::string(r.size, 'z');
    b.send_content_length = r.with_length;
    server_.SetBehaviour(b);
    EXPECT_EQ(Fetch(server_.Url()).size(), r.whole ? r.size : 0u);
  }
}

TEST_F(PageFetcherTest, SharesOneSessionBetweenManyThreads) {
  Serve("<page>");
  std::vector<std::thread> threads;
  std::atomic<int> good{0};
  for (int t = 0; t < 16; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 10; ++i) good += AsString(Fetch(server_.Url())) == "<page>";
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_EQ(good, 160);
  EXPECT_EQ(client_.sessions_opened, 1);
}

TEST(ChunkSize, FollowsTheContentLength) {
  struct Row {
    const char* sentence;
    std::optional<std::string> value;
    std::size_t expected;
  };
  const Row rows[] = {
      {"no header", std::nullopt, 10240},
      {"300", "300", 301},
      {"0", "0", 10240},
      {"a negative length", "-5", 10240},
      {"leading blanks and a plus", "  +300", 301},
      {"digits then text", "12abc", 13},
      {"no digits", "abc", 10240},
      {"102399", "102399", 102400},
      {"half a million", "500000", 102400},
      {"an enormous length", "99999999999999999999999999", 102400},
      {"31 characters fit", std::string(28, ' ') + "300", 301},
      {"32 characters do not", std::string(29, ' ') + "300", 10240},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_EQ(ChunkSize(r.value), r.expected);
  }
}

}  // namespace
}  // namespace veltrane
