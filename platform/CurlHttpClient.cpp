#include "platform/CurlHttpClient.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace veltrane {
namespace {

class CurlResponse : public HttpResponse {
 public:
  CurlResponse() = default;
  CurlResponse(const CurlResponse&) = delete;
  CurlResponse& operator=(const CurlResponse&) = delete;

  ~CurlResponse() override {
    if (multi_ && easy_) curl_multi_remove_handle(multi_, easy_);
    if (easy_) curl_easy_cleanup(easy_);
    if (multi_) curl_multi_cleanup(multi_);
    if (headers_) curl_slist_free_all(headers_);
  }

  // Sets up the transfer and drives it until the response head has arrived.
  // False when the server could not be reached or the request not sent.
  bool Start(const HttpTarget& target, std::span<const std::string> header_lines, const std::string& agent,
             CURLSH* share, const HttpTimeouts& timeouts) {
    multi_ = curl_multi_init();
    easy_ = curl_easy_init();
    if (!multi_ || !easy_) return false;
    for (const std::string& line : header_lines) {
      curl_slist* grown = curl_slist_append(headers_, line.c_str());
      if (!grown) return false;
      headers_ = grown;
    }
    const bool ipv6 = target.host.find(':') != std::string::npos;
    url_ = std::string(target.secure ? "https://" : "http://") + (ipv6 ? "[" : "") + target.host + (ipv6 ? "]" : "") +
           ":" + std::to_string(target.port) + target.path;
    curl_easy_setopt(easy_, CURLOPT_URL, url_.c_str());
    curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy_, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(easy_, CURLOPT_USERAGENT, agent.c_str());
    curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers_);
    curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy_, CURLOPT_FOLLOWLOCATION, 0L);
    long total_ms = timeouts.total_ms;
    if (target.time_limit_ms > 0 && target.time_limit_ms < total_ms) total_ms = static_cast<long>(target.time_limit_ms);
    curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT_MS, std::min(timeouts.connect_ms, total_ms));
    curl_easy_setopt(easy_, CURLOPT_TIMEOUT_MS, total_ms);
    if (target.max_body_size > 0) {  // a larger Content-Length ends the transfer at once
      curl_easy_setopt(easy_, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(target.max_body_size));
    }
    if (share) curl_easy_setopt(easy_, CURLOPT_SHARE, share);
    if (!target.user.empty()) curl_easy_setopt(easy_, CURLOPT_USERNAME, target.user.c_str());
    if (!target.password.empty()) curl_easy_setopt(easy_, CURLOPT_PASSWORD, target.password.c_str());
    curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &CurlResponse::OnHeader);
    curl_easy_setopt(easy_, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &CurlResponse::OnBody);
    curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
    if (curl_multi_add_handle(multi_, easy_) != CURLM_OK) return false;
    while (!head_done_ && !finished_) Drive();
    return head_done_;
  }

  std::optional<std::string> ContentLength() override { return content_length_; }

  std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
    while (offset_ == pending_.size() && !finished_) {
      pending_.clear();
      offset_ = 0;
      Drive();
    }
    if (offset_ < pending_.size()) {
      const std::size_t count = std::min(size, pending_.size() - offset_);
      std::memcpy(buffer, pending_.data() + offset_, count);
      offset_ += count;
      return count;
    }
    if (result_ != CURLE_OK) return std::nullopt;
    return 0;
  }

 private:
  // One step of the transfer: wait for the socket (at most a second, less
  // when libcurl has a time-out due), then let libcurl work.
  void Drive() {
    int running = 0;
    if (curl_multi_perform(multi_, &running) != CURLM_OK) {
      Finish(CURLE_FAILED_INIT);
      return;
    }
    int left = 0;
    while (CURLMsg* msg = curl_multi_info_read(multi_, &left)) {
      if (msg->msg == CURLMSG_DONE) Finish(msg->data.result);
    }
    if (!finished_ && running == 0) Finish(CURLE_OK);
    if (!finished_) curl_multi_poll(multi_, nullptr, 0, 1000, nullptr);
  }

  void Finish(CURLcode result) {
    finished_ = true;
    result_ = result;
  }

  static std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* self_ptr) {
    auto* self = static_cast<CurlResponse*>(self_ptr);
    const std::string_view line(data, size * count);
    if (line.rfind("HTTP/", 0) == 0) {  // a status line starts a new head
      self->content_length_.reset();
      self->informational_ = line.size() > 9 && line[9] == '1';
    } else if (line == "\r\n" || line == "\n") {
      if (!self->informational_) self->head_done_ = true;
    } else if (line.size() > 15 && strncasecmp(line.data(), "Content-Length:", 15) == 0 && !self->content_length_) {
      std::string_view value = line.substr(15);
      while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
      while (!value.empty() && (value.back() == '\r' || value.back() == '\n' || value.back() == ' ')) {
        value.remove_suffix(1);
      }
      self->content_length_ = std::string(value);
    }
    return size * count;
  }

  static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* self_ptr) {
    auto* self = static_cast<CurlResponse*>(self_ptr);
    self->head_done_ = true;
    self->pending_.append(data, size * count);
    return size * count;
  }

  CURLM* multi_ = nullptr;
  CURL* easy_ = nullptr;
  curl_slist* headers_ = nullptr;
  std::string url_;
  bool head_done_ = false;
  bool informational_ = false;
  bool finished_ = false;
  CURLcode result_ = CURLE_OK;
  std::optional<std::string> content_length_;
  std::string pending_;  // body bytes that arrived and were not read yet
  std::size_t offset_ = 0;
};

}  // namespace

CurlHttpClient::CurlHttpClient(HttpTimeouts timeouts) : timeouts_(timeouts) { curl_global_init(CURL_GLOBAL_DEFAULT); }

CurlHttpClient::~CurlHttpClient() {
  if (share_) curl_share_cleanup(share_);
  curl_global_cleanup();
}

void CurlHttpClient::Lock(CURL*, curl_lock_data data, curl_lock_access, void* self) {
  static_cast<CurlHttpClient*>(self)->locks_[static_cast<std::size_t>(data)].lock();
}

void CurlHttpClient::Unlock(CURL*, curl_lock_data data, void* self) {
  static_cast<CurlHttpClient*>(self)->locks_[static_cast<std::size_t>(data)].unlock();
}

bool CurlHttpClient::OpenSession(std::string_view agent) {
  if (share_) return true;  // one session per client, whoever asks again
  CURLSH* share = curl_share_init();
  if (!share) return false;
  curl_share_setopt(share, CURLSHOPT_LOCKFUNC, &CurlHttpClient::Lock);
  curl_share_setopt(share, CURLSHOPT_UNLOCKFUNC, &CurlHttpClient::Unlock);
  curl_share_setopt(share, CURLSHOPT_USERDATA, this);
  curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
  agent_ = std::string(agent);
  share_ = share;
  return true;
}

std::unique_ptr<HttpResponse> CurlHttpClient::Get(const HttpTarget& target, std::span<const std::string> header_lines) {
  auto response = std::make_unique<CurlResponse>();
  if (!response->Start(target, header_lines, agent_, share_, timeouts_)) return nullptr;
  return response;
}

}  // namespace veltrane
