// time-page-server: serves the time page on 127.0.0.1, so that Veltrane can be
// tried without the internet (veltrane --time-url http://127.0.0.1:PORT/stime.asp).
// It prints the port it listens on and runs until interrupted.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/TimePageServer.h"

namespace {

void Usage() {
  std::puts(
      "usage: time-page-server [options]\n"
      "  --port N              listen on 127.0.0.1:N (default: any free port)\n"
      "  --fixed 'Y-M-D h:m:s' serve this local time instead of the clock's\n"
      "  --offset SECONDS      add this to the served time\n"
      "  --delay MS            wait this long before answering\n"
      "  --status N            answer with this HTTP status\n"
      "  --body TEXT           serve TEXT instead of the time page\n"
      "  --no-content-length   send no Content-Length header\n"
      "  --content-length V    send V as the Content-Length value\n"
      "  --break-after N       close the connection after N body bytes\n"
      "  --pad N               pad the body with blanks to N bytes\n"
      "  --trickle MS          send the body one byte every MS milliseconds\n"
      "  --never-answer        read the request and never answer\n"
      "  --random-bytes N      answer with N random bytes\n"
      "  --alternate           answer with the page and garbage in turn");
}

}  // namespace

int main(int argc, char** argv) {
  veltrane::ServerBehaviour behaviour;
  long port = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> const char* {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "%s needs a value\n", arg.c_str());
        std::exit(2);
      }
      return argv[++i];
    };
    if (arg == "--port") port = std::strtol(value(), nullptr, 10);
    else if (arg == "--fixed") {
      const auto time = veltrane::ReadDateTime(value());
      if (!time) {
        std::fprintf(stderr, "--fixed: cannot read the time\n");
        return 2;
      }
      behaviour.fixed_time = *time;
    } else if (arg == "--offset") behaviour.offset_seconds = std::strtoll(value(), nullptr, 10);
    else if (arg == "--delay") behaviour.delay_ms = std::atoi(value());
    else if (arg == "--status") behaviour.status = std::atoi(value());
    else if (arg == "--body") behaviour.body = value();
    else if (arg == "--no-content-length") behaviour.send_content_length = false;
    else if (arg == "--content-length") behaviour.content_length = value();
    else if (arg == "--break-after") behaviour.break_after = std::strtoull(value(), nullptr, 10);
    else if (arg == "--pad") behaviour.body_size = std::strtoull(value(), nullptr, 10);
    else if (arg == "--trickle") behaviour.byte_interval_ms = std::atoi(value());
    else if (arg == "--never-answer") behaviour.answer = veltrane::ServerBehaviour::Answer::kNeverAnswer;
    else if (arg == "--random-bytes") {
      behaviour.answer = veltrane::ServerBehaviour::Answer::kRandomBytes;
      behaviour.body_size = std::strtoull(value(), nullptr, 10);
    } else if (arg == "--alternate") behaviour.answer = veltrane::ServerBehaviour::Answer::kAlternate;
    else if (arg == "--help" || arg == "-h") {
      Usage();
      return 0;
    } else {
      std::fprintf(stderr, "unknown option %s\n", arg.c_str());
      Usage();
      return 2;
    }
  }
  if (port < 0 || port > 65535) {
    std::fprintf(stderr, "--port: 0 to 65535\n");
    return 2;
  }

  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);  // the server's threads inherit the mask

  veltrane::TimePageServer server;
  server.SetBehaviour(behaviour);
  const auto bound = server.Start(static_cast<std::uint16_t>(port));
  if (!bound) {
    std::fprintf(stderr, "cannot listen on 127.0.0.1:%ld\n", port);
    return 1;
  }
  std::printf("listening on 127.0.0.1:%u\n%s\n", static_cast<unsigned>(*bound), server.Url().c_str());
  std::fflush(stdout);
  int received = 0;
  sigwait(&signals, &received);
  server.Stop();
  return 0;
}
