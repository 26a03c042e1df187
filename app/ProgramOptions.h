// ProgramOptions.h: the command line. Without options the program is the
// plain window program; the options serve people who need them and tests.
//
//   --time-url URL  another time page (a mirror, https, a local server)
//   --dry-run       never set the local clock; a run that would have set it
//                   counts as having set it
//   --once          no window: one calibration, then exit
//   --locked        start with 选择框1 (持续校对锁定时间) checked
//   --help, --version
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace veltrane {

// The national time service's time page.
inline constexpr const char* kDefaultTimeUrl = "http://www.ntsc.ac.cn/stime.asp";

struct ProgramOptions {
  std::string time_url = kDefaultTimeUrl;
  bool dry_run = false;
  bool once = false;
  bool locked = false;
  bool help = false;
  bool version = false;
};

// The options, or nothing with error set to what is wrong.
std::optional<ProgramOptions> ParseProgramOptions(const std::vector<std::string>& args, std::string& error);

// The text of --help.
const char* UsageText();

}  // namespace veltrane
