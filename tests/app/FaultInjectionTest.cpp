// The real program under faults, end to end: offscreen, --dry-run, the lock
// box checked, for a minute against each misbehaviour of the time page
// server, all at once (each program with a server of its own). Then --once
// against the same misbehaviours. The programs run without the right to set
// the clock.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include "tests/support/ChildProcess.h"
#include "tests/support/VeltraneProgram.h"
#include "tools/TimePage.h"
#include "tools/TimePageServer.h"

namespace veltrane {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;

constexpr int kSeconds = 60;
constexpr int kWindowSeconds = 10;  // the memory windows at the start and the end

// AddressSanitizer holds freed memory back in quarantine: resident memory
// says nothing about the program's own there.
#ifdef __SANITIZE_ADDRESS__
constexpr bool kMemoryTells = false;
#else
constexpr bool kMemoryTells = true;
#endif

using testing::Veltrane;
const std::vector<std::string>& kEnvironment = testing::kProgramEnvironment;

ServerBehaviour GoodPage() {
  ServerBehaviour behaviour;
  behaviour.body = MakeTimePage(DateTimeFields{2026, 12, 11, 8, 30, 5, 0});
  return behaviour;
}

struct Scenario {
  const char* name;
  std::function<ServerBehaviour()> behaviour;
  bool good_pages;         // some pages are good: settings may come, and only from them
  const char* once_error;  // what --once says (empty: --once is not checked)
  // Called once a second with the second; may stop and start the server.
  std::function<void(TimePageServer&, int)> during = [](TimePageServer&, int) {};
};

const Scenario kScenarios[] = {
    {"a server that never answers",
     [] {
       ServerBehaviour b;
       b.answer = ServerBehaviour::Answer::kNeverAnswer;
       return b;
     },
     false, "无法连接授时服务器"},
    {"a page sent one byte a second",
     [] {
       ServerBehaviour b = GoodPage();
       b.byte_interval_ms = 1000;
       return b;
     },
     false, "无法识别授时页面"},
    {"a 100 MiB body with its length",
     [] {
       ServerBehaviour b = GoodPage();
       b.body_size = 100u << 20;
       return b;
     },
     false, "无法连接授时服务器"},
    {"a 100 MiB body without a length",
     [] {
       ServerBehaviour b = GoodPage();
       b.body_size = 100u << 20;
       b.send_content_length = false;
       return b;
     },
     false, "无法连接授时服务器"},
    {"random bytes",
     [] {
       ServerBehaviour b;
       b.answer = ServerBehaviour::Answer::kRandomBytes;
       return b;
     },
     false, "无法识别授时页面"},
    {"good pages and garbage in turn",
     [] {
       ServerBehaviour b = GoodPage();
       b.answer = ServerBehaviour::Answer::kAlternate;
       return b;
     },
     true, ""},
    {"a time out of range",
     [] {
       ServerBehaviour b;
       b.body = MakeTimePage(DateTimeFields{2026, 13, 1, 8, 30, 5, 0});
       return b;
     },
     false, "授时页面给出的时间无效"},
    {"a server stopped and started again", GoodPage, true, "",
     [](TimePageServer& server, int second) {
       if (second == 20) server.Stop();
       if (second == 30) server.Start(server.Port());
     }},
};

// Runs in flight: the threads named for them.
int RunsInFlight(int pid) {
  int runs = 0;
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
    std::ifstream comm(task.path() / "comm");
    std::string name;
    if (std::getline(comm, name) && name == "veltrane-run") ++runs;
  }
  return runs;
}

long RssKib(int pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

// "would set: 2026-12-11 08:30:SS" with SS from 06 to 19: the good page's
// time moved on by the whole seconds of a background run.
bool IsGoodSetting(const std::string& line) {
  const std::string head = "would set: 2026-12-11 08:30:";
  if (line.size() != head.size() + 2 || line.compare(0, head.size(), head) != 0) return false;
  const int second = std::atoi(line.c_str() + head.size());
  return second >= 6 && second <= 19;
}

// "calibrated: " and a time text: digits before each of 年月日时分秒, in order.
bool IsWellFormedTimeText(const std::string& line) {
  const std::string head = "calibrated: ";
  if (line.compare(0, head.size(), head) != 0) return false;
  std::size_t at = head.size();
  for (const char* marker : {"年", "月", "日", "时", "分", "秒"}) {
    const std::size_t digits = at;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9') ++at;
    const std::string_view m(marker);
    if (at == digits || line.compare(at, m.size(), m) != 0) return false;
    at += m.size();
  }
  return at == line.size();
}

struct Observed {
  std::unique_ptr<TimePageServer> server;
  std::unique_ptr<ChildProcess> program;
  std::vector<std::string> lines;
  int most_runs = 0;
  // Resident memory, KiB. A run may hold a body of up to 8 MiB for a moment,
  // so one reading says little; a leak raises the lowest reading instead.
  long rss_floor_first = 0;  // lowest in the first window
  long rss_floor_last = 0;   // lowest in the last window
  long rss_most = 0;
  std::size_t connections_at_55 = 0;
};

TEST(FaultInjection, TheProgramKeepsWorkingAndSetsNothingFromABadPage) {
  std::vector<Observed> observed(std::size(kScenarios));
  for (std::size_t i = 0; i < std::size(kScenarios); ++i) {
    Observed& o = observed[i];
    o.server = std::make_unique<TimePageServer>();
    ASSERT_TRUE(o.server->Start());
    o.server->SetBehaviour(kScenarios[i].behaviour());
    o.program = std::make_unique<ChildProcess>(Veltrane({"--locked", "--time-url", o.server->Url()}), kEnvironment);
    ASSERT_TRUE(o.program->Started());
  }
  const auto start = std::chrono::steady_clock::now();
  int second = 0;
  while (second < kSeconds) {
    std::this_thread::sleep_for(200ms);
    const int now = static_cast<int>(
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count());
    for (std::size_t i = 0; i < observed.size(); ++i) {
      Observed& o = observed[i];
      while (auto line = o.program->ReadLine(0ms)) o.lines.push_back(*line);
      const int pid = o.program->Pid();
      o.most_runs = std::max(o.most_runs, RunsInFlight(pid));
      const long rss = RssKib(pid);
      const auto lower = [rss](long& floor) { floor = floor == 0 ? rss : std::min(floor, rss); };
      if (now >= 1 && now < 1 + kWindowSeconds) lower(o.rss_floor_first);
      if (now >= kSeconds - kWindowSeconds) lower(o.rss_floor_last);
      o.rss_most = std::max(o.rss_most, rss);
      for (int s = second + 1; s <= now; ++s) {
        kScenarios[i].during(*o.server, s);
        if (s == 55) o.connections_at_55 = o.server->Connections();
      }
    }
    second = now;
  }

  for (std::size_t i = 0; i < observed.size(); ++i) {
    const Scenario& s = kScenarios[i];
    Observed& o = observed[i];
    SCOPED_TRACE(s.name);
    EXPECT_FALSE(o.program->Wait(0ms)) << "alive after a minute: " << o.program->Errors();
    EXPECT_GT(o.server->Connections(), o.connections_at_55) << "still ticking: runs still start";
    EXPECT_LE(o.most_runs, 15);
    if (kMemoryTells) {
      constexpr long kGrowthKib = 4 * 1024;  // what the minute may add for good
      EXPECT_LE(o.rss_floor_last - o.rss_floor_first, kGrowthKib)
          << "lowest resident memory in the last seconds against the first, KiB, from " << o.rss_floor_first;
      // While a fetch is under way it may hold a body of up to 8 MiB, the
      // buffer it grows out of and what the client has not handed over yet:
      // 16 MiB at most for each run in flight, above the floor of the moment.
      EXPECT_LE(o.rss_most - o.rss_floor_first, kGrowthKib + std::max(1, o.most_runs) * 16 * 1024)
          << "resident memory at most, KiB, from " << o.rss_floor_first;
    }
    int settings = 0;
    for (const std::string& line : o.lines) {
      if (line.rfind("would set: ", 0) == 0) {
        ++settings;
        EXPECT_TRUE(IsGoodSetting(line)) << line;
      } else {
        EXPECT_TRUE(IsWellFormedTimeText(line)) << line;
      }
    }
    if (s.good_pages) {
      EXPECT_GT(settings, 10);
    } else {
      EXPECT_EQ(settings, 0);
    }
    const auto closing = std::chrono::steady_clock::now();
    o.program->Signal(SIGTERM);
    EXPECT_EQ(o.program->Wait(1s), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - closing, 1s);
    std::printf("%-34s runs in flight at most %2d; lowest RSS %5.1f MiB in the first %d s, %5.1f MiB in the last; "
                "at most %5.1f MiB; %3d settings\n",
                s.name, o.most_runs, static_cast<double>(o.rss_floor_first) / 1024, kWindowSeconds,
                static_cast<double>(o.rss_floor_last) / 1024, static_cast<double>(o.rss_most) / 1024, settings);
  }
}

TEST(FaultInjection, OnceFailsWithTheRightReason) {
  struct Running {
    const Scenario* scenario;
    std::unique_ptr<TimePageServer> server;
    std::unique_ptr<ChildProcess> program;
  };
  std::vector<Running> running;
  for (const Scenario& s : kScenarios) {
    if (*s.once_error == '\0') continue;
    Running r{&s, std::make_unique<TimePageServer>(), nullptr};
    ASSERT_TRUE(r.server->Start());
    r.server->SetBehaviour(s.behaviour());
    r.program = std::make_unique<ChildProcess>(Veltrane({"--once", "--time-url", r.server->Url()}), kEnvironment);
    running.push_back(std::move(r));
  }
  for (Running& r : running) {
    SCOPED_TRACE(r.scenario->name);
    EXPECT_EQ(r.program->Wait(40s), 1);
    EXPECT_EQ(r.program->Errors(), std::string(r.scenario->once_error) + "\n");
  }
}

}  // namespace
}  // namespace veltrane
