#include "platform/net/IdHTTP.h"

#include <curl/curl.h>
#include <strings.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "platform/rtl/Clock.h"

namespace {

// libcurl's global state, set up once before the first request.
void EnsureCurl() {
  static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  if (!ready) throw EIdException("The HTTP library could not start");
}

struct TEasyDeleter {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct TMultiDeleter {
  void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};

// "Content-Length" as a number when it is one (digits only, blanks around).
int64_t ParseContentLength(const std::string& value) {
  size_t i = value.find_first_not_of(" \t");
  const size_t end = value.find_last_not_of(" \t\r\n");
  if (i == std::string::npos || end == std::string::npos) return -1;
  int64_t n = 0;
  for (; i <= end; ++i) {
    const char c = value[i];
    if (c < '0' || c > '9' || n > (INT64_MAX - 9) / 10) return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

struct TIdHTTP::TTransfer {
  std::string* Text = nullptr;  // body into text, or
  FILE* File = nullptr;         // body into a file
  bool WriteFailed = false;
  int64_t Received = 0;
  int64_t ContentLength = -1;

  static size_t OnBody(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<TTransfer*>(self);
    const size_t n = size * count;
    if (t->Text) t->Text->append(data, n);
    if (t->File && std::fwrite(data, 1, n, t->File) != n) {
      t->WriteFailed = true;
      return 0;
    }
    t->Received += static_cast<int64_t>(n);
    return n;
  }

  // Each header line; a status line starts the headers of a new answer
  // (after a redirect), which forget the length of the one before.
  static size_t OnHeader(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<TTransfer*>(self);
    const std::string line(data, size * count);
    if (line.rfind("HTTP/", 0) == 0) t->ContentLength = -1;
    static const char kName[] = "content-length:";
    if (line.size() >= sizeof(kName) - 1 &&
        strncasecmp(line.c_str(), kName, sizeof(kName) - 1) == 0)
      t->ContentLength = ParseContentLength(line.substr(sizeof(kName) - 1));
    return size * count;
  }
};

std::string TIdHTTP::Get(const std::string& url) {
  std::string text;
  TTransfer transfer;
  transfer.Text = &text;
  Perform(url, false, transfer);
  return text;
}

void TIdHTTP::Get(const std::string& url, const std::string& fileName) {
  FILE* file = std::fopen(fileName.c_str(), "wb");
  if (!file) throw EIdException("Cannot create the file " + fileName);
  TTransfer transfer;
  transfer.File = file;
  try {
    Perform(url, false, transfer);
  } catch (...) {
    std::fclose(file);
    std::remove(fileName.c_str());
    throw;
  }
  if (std::fclose(file) != 0) {
    std::remove(fileName.c_str());
    throw EIdException("Cannot write the file " + fileName);
  }
}

void TIdHTTP::Head(const std::string& url) {
  TTransfer transfer;
  Perform(url, true, transfer);
}

void TIdHTTP::Perform(const std::string& url, bool head, TTransfer& transfer) {
  EnsureCurl();
  FResponse = TIdHTTPResponse();
  std::unique_ptr<CURL, TEasyDeleter> easy(curl_easy_init());
  std::unique_ptr<CURLM, TMultiDeleter> multi(curl_multi_init());
  if (!easy || !multi) throw EIdException("The HTTP library could not start a request");
  CURL* e = easy.get();
  char error[CURL_ERROR_SIZE] = {};
  curl_easy_setopt(e, CURLOPT_URL, url.c_str());
  curl_easy_setopt(e, CURLOPT_ERRORBUFFER, error);
  curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(e, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(e, CURLOPT_NOBODY, head ? 1L : 0L);
  curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &TTransfer::OnBody);
  curl_easy_setopt(e, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &TTransfer::OnHeader);
  curl_easy_setopt(e, CURLOPT_HEADERDATA, &transfer);
  if (FConnectTimeout > 0) curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, long(FConnectTimeout));
  curl_slist* headers = nullptr;
  if (!FAccept.empty()) headers = curl_slist_append(headers, ("Accept: " + FAccept).c_str());
  std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headerList(headers,
                                                                         &curl_slist_free_all);
  if (headers) curl_easy_setopt(e, CURLOPT_HTTPHEADER, headers);
  curl_multi_add_handle(multi.get(), e);
  // Detaches the request from the multi handle however this call ends.
  struct TDetach {
    CURLM* Multi;
    CURL* Easy;
    ~TDetach() { curl_multi_remove_handle(Multi, Easy); }
  } detach{multi.get(), e};

  // The multi handle runs in small steps; between them the window messages
  // are pumped and the read time-out is watched (measured from the start and
  // from the last bytes received, so a server that never answers ends too).
  using clock = std::chrono::steady_clock;
  auto lastData = clock::now();
  int64_t reported = 0;
  bool timedOut = false;
  for (;;) {
    int running = 0;
    curl_multi_perform(multi.get(), &running);
    if (transfer.Received != reported) {
      reported = transfer.Received;
      lastData = clock::now();
      if (OnWork) OnWork(this, wmRead, reported);
    }
    if (!running) break;
    const auto idle =
        std::chrono::duration_cast<std::chrono::milliseconds>(clock::now() - lastData);
    if (FReadTimeout > 0 && idle.count() >= FReadTimeout) {
      timedOut = true;
      break;
    }
    curl_multi_poll(multi.get(), nullptr, 0, 10, nullptr);
    ProcessMessages();
  }
  CURLcode result = CURLE_OK;
  int pending = 0;
  while (CURLMsg* msg = curl_multi_info_read(multi.get(), &pending))
    if (msg->msg == CURLMSG_DONE) result = msg->data.result;
  long code = 0;
  curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &code);

  if (timedOut) throw EIdException("Read timed out: " + url);
  if (transfer.WriteFailed) throw EIdException("Cannot write the download of " + url);
  if (result != CURLE_OK)
    throw EIdException(std::string(error[0] ? error : curl_easy_strerror(result)) + ": " + url);
  FResponse.ResponseCode = static_cast<int>(code);
  FResponse.ContentLength = transfer.ContentLength;
  if (code >= 400)
    throw EIdHTTPProtocolException(static_cast<int>(code),
                                   "HTTP error " + std::to_string(code) + ": " + url);
}
