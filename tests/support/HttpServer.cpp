#include "tests/support/HttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <sstream>
#include <stdexcept>

TTestHttpServer::TTestHttpServer() {
  FListen = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof(address);
  if (FListen < 0 || bind(FListen, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(FListen, 16) != 0 ||
      getsockname(FListen, reinterpret_cast<sockaddr*>(&address), &length) != 0 || pipe(FWake) != 0)
    throw std::runtime_error("the test HTTP server cannot listen");
  FPort = ntohs(address.sin_port);
  FThread = std::thread([this] { Serve(); });
}

TTestHttpServer::~TTestHttpServer() {
  Stop();
  close(FWake[0]);
  close(FWake[1]);
}

std::string TTestHttpServer::BaseUrl() const { return "http://127.0.0.1:" + std::to_string(FPort); }

void TTestHttpServer::Set(const std::string& path, const TRoute& route) {
  std::lock_guard<std::mutex> lock(FMutex);
  FRoutes[path] = route;
}

std::vector<TTestHttpServer::TRequest> TTestHttpServer::Requests() {
  std::lock_guard<std::mutex> lock(FMutex);
  return FRequests;
}

void TTestHttpServer::Stop() {
  if (!FThread.joinable()) return;
  FStopping = true;
  const char byte = 1;
  (void)!write(FWake[1], &byte, 1);
  FThread.join();
  close(FListen);
}

void TTestHttpServer::Serve() {
  while (!FStopping) {
    pollfd fds[2] = {{FListen, POLLIN, 0}, {FWake[0], POLLIN, 0}};
    if (poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN)) break;
    const int client = accept(FListen, nullptr, nullptr);
    if (client < 0) continue;
    Answer(client);
    close(client);
  }
}

namespace {

// Reads up to the blank line that ends the request head.
std::string ReadHead(int client) {
  std::string head;
  char buffer[1024];
  while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
    const ssize_t n = recv(client, buffer, sizeof(buffer), 0);
    if (n <= 0) break;
    head.append(buffer, static_cast<size_t>(n));
  }
  return head;
}

void SendAll(int client, const std::string& data) {
  size_t sent = 0;
  while (sent < data.size()) {
    const ssize_t n = send(client, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

}  // namespace

void TTestHttpServer::Answer(int client) {
  std::istringstream head(ReadHead(client));
  TRequest request;
  head >> request.Method >> request.Path;
  std::string line;
  while (std::getline(head, line))
    if (strncasecmp(line.c_str(), "Accept:", 7) == 0) {
      request.Accept = line.substr(7);
      request.Accept.erase(0, request.Accept.find_first_not_of(' '));
      if (!request.Accept.empty() && request.Accept.back() == '\r') request.Accept.pop_back();
    }
  TRoute route{404, "not found", "", -1};
  {
    std::lock_guard<std::mutex> lock(FMutex);
    FRequests.push_back(request);
    const auto found = FRoutes.find(request.Path);
    if (found != FRoutes.end()) route = found->second;
  }
  if (route.DelayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(route.DelayMs));
  const std::string length =
      route.ContentLength.empty() ? std::to_string(route.Body.size()) : route.ContentLength;
  SendAll(client, "HTTP/1.1 " + std::to_string(route.Status) + " X\r\nContent-Length: " + length +
                      "\r\nConnection: close\r\n\r\n");
  if (request.Method == "HEAD") return;
  if (route.StallAfter < 0) {
    SendAll(client, route.Body);
    return;
  }
  SendAll(client, route.Body.substr(0, static_cast<size_t>(route.StallAfter)));
  // Holds the connection until the client closes it or the server stops.
  pollfd fds[2] = {{client, POLLIN, 0}, {FWake[0], POLLIN, 0}};
  char buffer[256];
  while (poll(fds, 2, -1) > 0 && !(fds[1].revents & POLLIN))
    if (recv(client, buffer, sizeof(buffer), 0) <= 0) break;
}
