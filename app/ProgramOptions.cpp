#include "app/ProgramOptions.h"

namespace veltrane {

std::optional<ProgramOptions> ParseProgramOptions(const std::vector<std::string>& args, std::string& error) {
  ProgramOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--time-url" || arg.rfind("--time-url=", 0) == 0) {
      if (arg == "--time-url") {
        if (i + 1 >= args.size()) {
          error = "--time-url needs a URL";
          return std::nullopt;
        }
        options.time_url = args[++i];
      } else {
        options.time_url = arg.substr(11);
      }
      if (options.time_url.empty()) {
        error = "--time-url needs a URL";
        return std::nullopt;
      }
    } else if (arg == "--dry-run") {
      options.dry_run = true;
    } else if (arg == "--once") {
      options.once = true;
    } else if (arg == "--locked") {
      options.locked = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else {
      error = "unknown option: " + arg;
      return std::nullopt;
    }
  }
  return options;
}

const char* UsageText() {
  return "usage: veltrane [--time-url URL] [--dry-run] [--once | --locked]\n"
         "Sets the local clock from the national time service's time page.\n"
         "\n"
         "  --time-url URL  read the time from URL instead of the time service\n"
         "  --dry-run       never set the local clock; the window program writes each time\n"
         "                  text it shows and each setting it would make to standard output\n"
         "  --once          no window: calibrate once, print the time text and exit\n"
         "                  (0 when the clock was set, 1 when not, 2 for a usage error)\n"
         "  --locked        start with the lock box (持续校对锁定时间) checked\n"
         "  --help          show this text\n"
         "  --version       show the version\n";
}

}  // namespace veltrane
