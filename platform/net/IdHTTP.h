#pragma once
// HTTP client over libcurl. Every call blocks until the transfer has ended,
// but drives libcurl's multi interface in small steps and pumps the window
// messages between them (ProcessMessages of the clock seam), so the windows
// keep repainting and answering input while a request waits.
//
// Only http and https addresses are followed (redirects included). A status of
// 400 or more raises EIdHTTPProtocolException; a failed connection, a
// time-out or a failed file raises EIdException.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"

class EIdException : public Exception {
 public:
  using Exception::Exception;
};

class EIdHTTPProtocolException : public EIdException {
 public:
  EIdHTTPProtocolException(int code, const std::string& message)
      : EIdException(message), FErrorCode(code) {}
  int ErrorCode() const { return FErrorCode; }

 private:
  int FErrorCode;
};

enum TWorkMode { wmRead, wmWrite };
// Sender, mode, bytes of the body received so far in this request.
using TWorkEvent = std::function<void(TObject* Sender, TWorkMode mode, int64_t count)>;

// What the last request answered.
struct TIdHTTPResponse {
  int ResponseCode = 0;
  // The "Content-Length" header as a number; -1 when absent or not a number.
  int64_t ContentLength = -1;
};

class TIdHTTP : public TComponent {
 public:
  explicit TIdHTTP(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  std::string ClassName() const override { return "TIdHTTP"; }

  // Milliseconds; 0 waits without limit. The read time-out ends a transfer
  // that receives nothing for that long; the connect time-out one whose
  // connection is not made in time.
  int GetReadTimeout() const { return FReadTimeout; }
  void SetReadTimeout(int ms) { FReadTimeout = ms; }
  int GetConnectTimeout() const { return FConnectTimeout; }
  void SetConnectTimeout(int ms) { FConnectTimeout = ms; }
  // The request header "Accept"; empty sends libcurl's own.
  const std::string& GetAccept() const { return FAccept; }
  void SetAccept(const std::string& value) { FAccept = value; }

  // The body of the address as bytes (UTF-8 text as sent).
  std::string Get(const std::string& url);
  // Writes the body of the address into the file (created anew).
  void Get(const std::string& url, const std::string& fileName);
  // Asks for the headers only; the answer is in Response().
  void Head(const std::string& url);
  // Nothing stays open between requests, so there is nothing to disconnect.
  const TIdHTTPResponse& Response() const { return FResponse; }

  // Runs between transfer steps whenever more of the body has arrived.
  TWorkEvent OnWork;

 private:
  struct TTransfer;
  void Perform(const std::string& url, bool head, TTransfer& transfer);
  int FReadTimeout = 0;
  int FConnectTimeout = 0;
  std::string FAccept;
  TIdHTTPResponse FResponse;
};
