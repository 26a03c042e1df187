#include "platform/Threads.h"

#include <system_error>
#include <thread>

namespace veltrane {

bool DetachedThreadStarter::StartThread(std::function<void()> entry) {
  try {
    std::thread(std::move(entry)).detach();
    return true;
  } catch (const std::system_error&) {  // no thread could be made: this tick has no run
    return false;
  }
}

}  // namespace veltrane
