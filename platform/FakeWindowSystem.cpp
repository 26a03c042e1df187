#include "platform/FakeWindowSystem.h"

#include <chrono>
#include <thread>

namespace veltrane {

void FakeWindowSystem::SetLabelText(Control label, std::string_view text) {
  std::lock_guard lock(mutex_);
  labels_[label].emplace_back(text);
}

bool FakeWindowSystem::IsChecked(Control) {
  std::lock_guard lock(mutex_);
  ++is_checked_calls_;
  return checked_;
}

void FakeWindowSystem::SetDisabled(Control control, bool disabled) {
  std::lock_guard lock(mutex_);
  disabled_[control].push_back(disabled);
}

void FakeWindowSystem::ProcessEvents() {
  std::function<void()> on_events;
  {
    std::lock_guard lock(mutex_);
    ++process_events_calls_;
    on_events = on_events_;
  }
  if (on_events) on_events();
}

void FakeWindowSystem::WaitForEvents(std::int32_t ms) {
  std::function<void(std::int32_t)> on_wait;
  {
    std::lock_guard lock(mutex_);
    on_wait = on_wait_;
  }
  if (on_wait) {
    on_wait(ms);
  } else if (ms > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
}

int FakeWindowSystem::ShowMessage(std::string_view text, std::int32_t button_code, std::string_view title) {
  std::function<void()> on_events;
  {
    std::lock_guard lock(mutex_);
    messages_.push_back(Message{std::string(text), button_code, std::string(title)});
    on_events = on_events_;
  }
  if (on_events) on_events();
  return kOk;
}

void FakeWindowSystem::SetChecked(bool checked) {
  std::lock_guard lock(mutex_);
  checked_ = checked;
}

void FakeWindowSystem::SetOnWait(std::function<void(std::int32_t)> on_wait) {
  std::lock_guard lock(mutex_);
  on_wait_ = std::move(on_wait);
}

void FakeWindowSystem::SetOnEvents(std::function<void()> on_events) {
  std::lock_guard lock(mutex_);
  on_events_ = std::move(on_events);
}

std::string FakeWindowSystem::LabelText(Control label) const {
  std::lock_guard lock(mutex_);
  const auto it = labels_.find(label);
  return it == labels_.end() || it->second.empty() ? std::string() : it->second.back();
}

std::vector<std::string> FakeWindowSystem::LabelHistory(Control label) const {
  std::lock_guard lock(mutex_);
  const auto it = labels_.find(label);
  return it == labels_.end() ? std::vector<std::string>() : it->second;
}

bool FakeWindowSystem::IsDisabled(Control control) const {
  std::lock_guard lock(mutex_);
  const auto it = disabled_.find(control);
  return it != disabled_.end() && !it->second.empty() && it->second.back();
}

std::vector<bool> FakeWindowSystem::DisabledHistory(Control control) const {
  std::lock_guard lock(mutex_);
  const auto it = disabled_.find(control);
  return it == disabled_.end() ? std::vector<bool>() : it->second;
}

std::vector<FakeWindowSystem::Message> FakeWindowSystem::Messages() const {
  std::lock_guard lock(mutex_);
  return messages_;
}

int FakeWindowSystem::ProcessEventsCalls() const {
  std::lock_guard lock(mutex_);
  return process_events_calls_;
}

int FakeWindowSystem::IsCheckedCalls() const {
  std::lock_guard lock(mutex_);
  return is_checked_calls_;
}

}  // namespace veltrane
