#include "platform/ConsoleWindowSystem.h"

#include <chrono>
#include <thread>

#include "platform/GbkIconv.h"

namespace veltrane {

ConsoleWindowSystem::ConsoleWindowSystem(std::FILE* messages) : messages_(messages) {}

void ConsoleWindowSystem::SetLabelText(Control label, std::string_view text) {
  std::lock_guard lock(mutex_);
  labels_[label] = std::string(text);
}

bool ConsoleWindowSystem::IsChecked(Control) { return false; }

void ConsoleWindowSystem::SetDisabled(Control, bool) {}

void ConsoleWindowSystem::ProcessEvents() {}

void ConsoleWindowSystem::WaitForEvents(std::int32_t ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int ConsoleWindowSystem::ShowMessage(std::string_view text, std::int32_t, std::string_view) {
  const std::string line = GbkToUtf8(text) + "\n";
  std::lock_guard lock(mutex_);
  std::fwrite(line.data(), 1, line.size(), messages_);
  std::fflush(messages_);
  return kOk;
}

std::string ConsoleWindowSystem::LabelText(Control label) const {
  std::lock_guard lock(mutex_);
  const auto it = labels_.find(label);
  return it == labels_.end() ? std::string() : it->second;
}

}  // namespace veltrane
