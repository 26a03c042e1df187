// Fetches through FetchPage (the read loop over the client interface) against
// the same downloads made with plain libcurl into a buffer, from the local
// time page server. Prints fetches per second and MiB/s for both; compare
// the pairs' times for the overhead of the fetch logic.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <cstdlib>
#include <string>

#include "calibration/PageFetcher.h"
#include "platform/CurlHttpClient.h"
#include "tools/TimePageServer.h"

namespace {

struct Fixture {
  Fixture() {
    setenv("no_proxy", "*", 1);
    veltrane::ServerBehaviour b;
    b.body = std::string(64 * 1024, 'p');
    small.SetBehaviour(b);
    b.body = std::string(4 * 1024 * 1024, 'q');
    large.SetBehaviour(b);
    small.Start();
    large.Start();
  }
  veltrane::TimePageServer small;
  veltrane::TimePageServer large;
  veltrane::CurlHttpClient client;
  veltrane::PageFetcher fetcher{client};
};

Fixture& Servers() {
  static Fixture fixture;
  return fixture;
}

std::size_t Append(char* data, std::size_t size, std::size_t count, void* out) {
  static_cast<std::string*>(out)->append(data, size * count);
  return size * count;
}

void FetchPage(benchmark::State& state, veltrane::TimePageServer& server) {
  std::size_t bytes = 0;
  for (auto _ : state) bytes += Servers().fetcher.FetchPage(server.Url()).size();
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.counters["fetches/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void PlainCurl(benchmark::State& state, veltrane::TimePageServer& server) {
  std::size_t bytes = 0;
  const std::string url = server.Url();
  for (auto _ : state) {
    std::string body;
    CURL* easy = curl_easy_init();
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Append);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body);
    curl_easy_perform(easy);
    curl_easy_cleanup(easy);
    bytes += body.size();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.counters["fetches/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_FetchPage_64KiB(benchmark::State& s) { FetchPage(s, Servers().small); }
void BM_PlainCurl_64KiB(benchmark::State& s) { PlainCurl(s, Servers().small); }
void BM_FetchPage_4MiB(benchmark::State& s) { FetchPage(s, Servers().large); }
void BM_PlainCurl_4MiB(benchmark::State& s) { PlainCurl(s, Servers().large); }

BENCHMARK(BM_FetchPage_64KiB)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_PlainCurl_64KiB)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_FetchPage_4MiB)->UseRealTime()->MinTime(2.0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCurl_4MiB)->UseRealTime()->MinTime(2.0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
