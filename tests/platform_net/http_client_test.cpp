// The HTTP client against a server on 127.0.0.1.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/net/IdHTTP.h"
#include "platform/rtl/Clock.h"
#include "tests/support/HttpServer.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class HttpClientTest : public ::testing::Test {
 protected:
  HttpClientTest()
      : File(fs::temp_directory_path() / ("http_" + std::to_string(getpid()) + ".bin")) {}
  ~HttpClientTest() override { fs::remove(File); }
  TTestHttpServer Server;
  TIdHTTP Http;
  fs::path File;
};

TEST_F(HttpClientTest, GetTextFileAndHead) {
  Server.Set("/a.txt", "版本 V1.3.0\n");
  Http.SetAccept("text/html, */*");
  EXPECT_EQ(Http.Get(Server.BaseUrl() + "/a.txt"), "版本 V1.3.0\n");
  EXPECT_EQ(Http.Response().ResponseCode, 200);
  EXPECT_EQ(Server.Requests().back().Accept, "text/html, */*");

  const std::string body(200000, 'x');
  Server.Set("/big.bin", body);
  std::vector<int64_t> counts;
  Http.OnWork = [&](TObject* sender, TWorkMode mode, int64_t count) {
    EXPECT_EQ(sender, &Http);
    EXPECT_EQ(mode, wmRead);
    counts.push_back(count);
  };
  Http.Get(Server.BaseUrl() + "/big.bin", File.string());
  EXPECT_EQ(ReadFile(File), body);
  ASSERT_FALSE(counts.empty());
  EXPECT_EQ(counts.back(), 200000);
  EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end()));

  Http.Head(Server.BaseUrl() + "/big.bin");
  EXPECT_EQ(Http.Response().ContentLength, 200000);
  EXPECT_EQ(Server.Requests().back().Method, "HEAD");
}

TEST_F(HttpClientTest, HeadWithoutNumericLength) {
  Server.Set("/odd", TTestHttpServer::TRoute{200, "", "12x", -1});
  Http.Head(Server.BaseUrl() + "/odd");
  EXPECT_EQ(Http.Response().ResponseCode, 200);
  EXPECT_EQ(Http.Response().ContentLength, -1);
}

TEST_F(HttpClientTest, ErrorsRaiseAndLeaveNoFile) {
  const std::string base = Server.BaseUrl();
  try {
    Http.Get(base + "/missing", File.string());
    FAIL() << "no error for 404";
  } catch (const EIdHTTPProtocolException& e) {
    EXPECT_EQ(e.ErrorCode(), 404);
  }
  EXPECT_FALSE(fs::exists(File));
  EXPECT_THROW(Http.Head(base + "/missing"), EIdHTTPProtocolException);
  EXPECT_THROW(Http.Get("file:///etc/hostname"), EIdException);
  Server.Stop();
  EXPECT_THROW(Http.Get(base + "/a.txt"), EIdException);
}

TEST_F(HttpClientTest, ReadTimeoutEndsStalledTransferAndPumps) {
  TScopedVirtualClock clock;
  const uint32_t start = GetTickCount();
  Server.Set("/stall", TTestHttpServer::TRoute{200, std::string(5000, 'y'), "", 100});
  Http.SetReadTimeout(300);
  const auto begin = std::chrono::steady_clock::now();
  EXPECT_THROW(Http.Get(Server.BaseUrl() + "/stall", File.string()), EIdException);
  const auto waited = std::chrono::steady_clock::now() - begin;
  EXPECT_GE(waited, std::chrono::milliseconds(300));
  EXPECT_LT(waited, std::chrono::seconds(3));
  EXPECT_FALSE(fs::exists(File));
  // The wait pumped the messages (each pump moves the virtual clock on).
  EXPECT_GT(GetTickCount(), start + 10);
}

}  // namespace
