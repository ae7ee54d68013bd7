#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests of the network code. It runs
// on a thread of its own, answers GET and HEAD from a table of paths, closes
// every connection after one answer and records the requests it saw.

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TTestHttpServer {
 public:
  struct TRoute {
    int Status = 200;
    std::string Body;
    // Sent as "Content-Length" when not empty; otherwise the body's size.
    std::string ContentLength;
    // Sends this many bytes of the body and then nothing more until the client
    // gives up (-1: the whole body).
    long StallAfter = -1;
    // Milliseconds the server waits before it answers.
    int DelayMs = 0;
  };
  struct TRequest {
    std::string Method;
    std::string Path;
    std::string Accept;
  };

  TTestHttpServer();
  ~TTestHttpServer();
  TTestHttpServer(const TTestHttpServer&) = delete;
  TTestHttpServer& operator=(const TTestHttpServer&) = delete;

  // "http://127.0.0.1:<port>"
  std::string BaseUrl() const;
  void Set(const std::string& path, const TRoute& route);
  void Set(const std::string& path, const std::string& body) {
    Set(path, TRoute{200, body, "", -1});
  }
  std::vector<TRequest> Requests();
  // Stops answering and closes the port (addresses then refuse connections).
  void Stop();

 private:
  void Serve();
  void Answer(int client);
  int FListen = -1;
  int FWake[2] = {-1, -1};
  int FPort = 0;
  std::atomic<bool> FStopping{false};
  std::mutex FMutex;
  std::map<std::string, TRoute> FRoutes;
  std::vector<TRequest> FRequests;
  std::thread FThread;
};
