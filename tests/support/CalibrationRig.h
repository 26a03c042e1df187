// CalibrationRig.h: what a calibration run needs, for tests: a time page
// server on 127.0.0.1, the real curl client under a hook that sees every
// request (and can drop one, as an unreachable server would), the fetch, a
// fake clock and a fake window system whose waits move the fake clock on.
#pragma once

#include <functional>
#include <mutex>
#include <vector>

#include "calibration/PageFetcher.h"
#include "platform/CurlHttpClient.h"
#include "platform/FakeClock.h"
#include "platform/FakeWindowSystem.h"
#include "tools/TimePage.h"
#include "tools/TimePageServer.h"

namespace veltrane::testing {

// Passes requests to the real client. Before each one the hook runs with the
// request's number (from 0); when it returns false the request is dropped
// and Get gives nullptr.
class HookedHttpClient : public HttpClient {
 public:
  using Hook = std::function<bool(int request)>;

  explicit HookedHttpClient(HttpClient& inner) : inner_(inner) {}

  void SetHook(Hook hook) {
    std::lock_guard lock(mutex_);
    hook_ = std::move(hook);
  }

  bool OpenSession(std::string_view agent) override { return inner_.OpenSession(agent); }

  std::unique_ptr<HttpResponse> Get(const HttpTarget& target, std::span<const std::string> header_lines) override {
    Hook hook;
    int request = 0;
    {
      std::lock_guard lock(mutex_);
      hook = hook_;
      request = static_cast<int>(time_limits_.size());
      time_limits_.push_back(target.time_limit_ms);
    }
    if (hook && !hook(request)) return nullptr;
    return inner_.Get(target, header_lines);
  }

  // The time limit of every request so far, in ms.
  std::vector<std::int64_t> TimeLimits() const {
    std::lock_guard lock(mutex_);
    return time_limits_;
  }
  int Requests() const { return static_cast<int>(TimeLimits().size()); }

 private:
  HttpClient& inner_;
  mutable std::mutex mutex_;
  Hook hook_;
  std::vector<std::int64_t> time_limits_;
};

struct CalibrationRig {
  CalibrationRig() {
    server.Start();
    ServePage(2026, 12, 11, 8, 30, 5);
    ui.SetOnWait([this](std::int32_t ms) { clock.Advance(static_cast<std::uint32_t>(ms)); });
  }

  // The server's page shows this local time.
  void ServePage(int year, int month, int day, int hour, int minute, int second) {
    ServerBehaviour behaviour;
    behaviour.body = MakeTimePage(DateTimeFields{year, month, day, hour, minute, second, 0});
    server.SetBehaviour(behaviour);
  }

  void ServeBody(const std::string& body) {
    ServerBehaviour behaviour;
    behaviour.body = body;
    server.SetBehaviour(behaviour);
  }

  TimePageServer server;
  CurlHttpClient curl{HttpTimeouts{2000, 4000}};
  HookedHttpClient http{curl};
  PageFetcher fetcher{http};
  FakeClock clock;
  FakeWindowSystem ui;
};

}  // namespace veltrane::testing
