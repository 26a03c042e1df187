#include "platform/Threads.h"

#include <pthread.h>

#include <system_error>
#include <thread>

namespace veltrane {

DetachedThreadStarter::DetachedThreadStarter(std::string name) : name_(std::move(name)) {
  if (name_.size() > 15) name_.resize(15);
}

bool DetachedThreadStarter::StartThread(std::function<void()> entry) {
  try {
    std::thread([name = name_, entry = std::move(entry)] {
      pthread_setname_np(pthread_self(), name.c_str());
      entry();
    }).detach();
    return true;
  } catch (const std::system_error&) {  // no thread could be made: this tick has no run
    return false;
  }
}

}  // namespace veltrane
