// RecordingHttpClient.h: an HttpClient that passes everything to a real one
// and records what the fetch logic asked of it: session openings, requests,
// and the size of every read.
#pragma once

#include <atomic>
#include <mutex>
#include <vector>

#include "platform/HttpClient.h"

namespace veltrane::testing {

class RecordingHttpClient : public HttpClient {
 public:
  explicit RecordingHttpClient(HttpClient& inner) : inner_(inner) {}

  bool OpenSession(std::string_view agent) override {
    ++sessions_opened;
    return inner_.OpenSession(agent);
  }

  std::unique_ptr<HttpResponse> Get(const HttpTarget& target, std::span<const std::string> header_lines) override {
    ++requests;
    auto response = inner_.Get(target, header_lines);
    if (!response) return nullptr;
    return std::make_unique<Response>(std::move(response), *this);
  }

  std::vector<std::size_t> ReadSizes() const {
    std::lock_guard lock(mutex_);
    return read_sizes_;
  }

  std::atomic<int> sessions_opened{0};
  std::atomic<int> requests{0};

 private:
  class Response : public HttpResponse {
   public:
    Response(std::unique_ptr<HttpResponse> inner, RecordingHttpClient& owner)
        : inner_(std::move(inner)), owner_(owner) {}
    std::optional<std::string> ContentLength() override { return inner_->ContentLength(); }
    std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
      {
        std::lock_guard lock(owner_.mutex_);
        owner_.read_sizes_.push_back(size);
      }
      return inner_->Read(buffer, size);
    }

   private:
    std::unique_ptr<HttpResponse> inner_;
    RecordingHttpClient& owner_;
  };

  HttpClient& inner_;
  mutable std::mutex mutex_;
  std::vector<std::size_t> read_sizes_;
};

}  // namespace veltrane::testing
