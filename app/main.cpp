// Veltrane's start-up: the window program, or with --once a single calibration
// without a window.
#include <malloc.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/Handlers.h"
#include "app/MainWindow.h"
#include "app/OnceRun.h"
#include "app/ProgramOptions.h"
#include "app/QtRuntimeErrorReport.h"
#include "app/TracingWindowSystem.h"
#include "calibration/PageFetcher.h"
#include "platform/ConsoleWindowSystem.h"
#include "platform/CurlHttpClient.h"
#include "platform/DryRunClock.h"
#include "platform/QtWindowSystem.h"
#include "platform/SystemClock.h"
#include "platform/Threads.h"
#include "platform/TimedatedClockSetter.h"

namespace {

// The orderly end: flush what was written and end the process with the code,
// cutting off worker threads wherever they are (a worker blocked in a fetch
// or waiting on the UI thread cannot hold the end up).
[[noreturn]] void EndProgram(int code) {
  std::fflush(nullptr);
  _exit(code);
}

// Sets the working directory to the folder that holds the program file.
void EnterProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) std::filesystem::current_path(program.parent_path(), error);
}

// SIGINT and SIGTERM arrive through a descriptor that the UI thread reads, so
// they close the window as its close box does. Blocked here, before any other
// thread starts, so that every thread inherits the mask.
int BlockQuitSignals() {
  sigset_t quit_set;
  sigemptyset(&quit_set);
  sigaddset(&quit_set, SIGINT);
  sigaddset(&quit_set, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &quit_set, nullptr);
  return signalfd(-1, &quit_set, SFD_CLOEXEC | SFD_NONBLOCK);
}

// The clock the program sets: the system's, or with --dry-run one that never
// sets it and hands each setting it would make to on_setting.
class ProgramClock {
 public:
  ProgramClock(bool dry_run, std::function<void(veltrane::DateTime)> on_setting)
      : dry_run_(dry_run), dry_run_clock_(system_clock_, std::move(on_setting)) {}

  veltrane::Clock& clock() { return dry_run_ ? static_cast<veltrane::Clock&>(dry_run_clock_) : system_clock_; }

 private:
  const bool dry_run_;
  veltrane::TimedatedClockSetter timedated_;
  veltrane::SystemClock system_clock_{&timedated_};
  veltrane::DryRunClock dry_run_clock_;
};

// --once: one manual run without a window or display, then the end.
[[noreturn]] void CalibrateOnce(const veltrane::ProgramOptions& options, int argc, char** argv,
                                veltrane::PageFetcher& fetcher) {
  using namespace veltrane;
  QCoreApplication application(argc, argv);  // for the D-Bus clock setter; no display
  ProgramClock clock(options.dry_run, {});  // the run's report names the setting
  ConsoleWindowSystem ui(stderr);  // a message a window would show goes to standard error
  DetachedThreadStarter threads;
  Handlers handlers(ui, clock.clock(), threads, fetcher, options.time_url);
  EndProgram(ReportOnceRun(handlers.calibrator().ManualCalibration(), stdout, stderr));
}

}  // namespace

int main(int argc, char** argv) {
  using namespace veltrane;
  std::string error;
  const auto options = ParseProgramOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::fprintf(stderr, "veltrane: %s\n%s", error.c_str(), UsageText());
    return 2;
  }
  if (options->help) {
    std::fputs(UsageText(), stdout);
    return 0;
  }
  if (options->version) {
    std::puts("veltrane " VELTRANE_VERSION);
    return 0;
  }

  // A page buffer of up to 8 MiB is made by every run; with a fixed mmap
  // threshold glibc hands such buffers back when they go, instead of keeping
  // them in each thread's arena.
  mallopt(M_MMAP_THRESHOLD, 1024 * 1024);

  CurlHttpClient http;  // libcurl's global set-up comes before any other thread
  PageFetcher fetcher(http);
  if (options->once) CalibrateOnce(*options, argc, argv, fetcher);

  const int quit_signals = BlockQuitSignals();
  EnterProgramFolder();

  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);  // the window's end ends the program
  // With --dry-run every setting that would have been made, and every time
  // text shown, is written to standard output.
  ProgramClock clock(options->dry_run, [](DateTime value) {
    std::printf("would set: %s\n", SettingText(value).c_str());
    std::fflush(stdout);
  });
  DetachedThreadStarter threads;

  std::unique_ptr<QtWindowSystem> ui;
  std::unique_ptr<TracingWindowSystem> traced_ui;
  std::unique_ptr<Handlers> handlers;
  MainWindow* window = LoadMainWindow([&](MainWindow& created) {
    ui = std::make_unique<QtWindowSystem>(&created);
    WindowSystem* logic_ui = ui.get();
    if (options->dry_run) {
      traced_ui = std::make_unique<TracingWindowSystem>(*ui, stdout);
      logic_ui = traced_ui.get();
    }
    handlers = std::make_unique<Handlers>(*logic_ui, clock.clock(), threads, fetcher, options->time_url);
    created.时钟1->SetOnTick([&] { handlers->OnClockTick(); });
    created.SetOnAutoUpdateClicked([&] { handlers->OnAutoUpdateClicked(); });
    if (options->locked) created.选择框1->setChecked(true);
    QObject::connect(&created, &QObject::destroyed, [] { EndProgram(0); });
    OnMainWindowCreated(created);
  });
  QtRuntimeErrorReport runtime_errors(*ui, [](int code) { EndProgram(code); });

  QSocketNotifier quit_notifier(quit_signals, QSocketNotifier::Read);
  QObject::connect(&quit_notifier, &QSocketNotifier::activated, [&] {
    signalfd_siginfo info;
    while (read(quit_signals, &info, sizeof info) > 0) {
    }
    if (!ui->WindowGone()) window->close();
  });

  RunEventLoop(window);
  EndProgram(0);
}
