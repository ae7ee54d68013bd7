// The entry of every test program. Each test process gets a temporary folder
// of its own (TMPDIR and TEST_TMPDIR point at it, so ::testing::TempDir(),
// std::filesystem::temp_directory_path() and GLib all use it), removed when
// the process ends, and its per-user settings folder (XDG_CONFIG_HOME) inside
// it: tests running side by side never meet each other's files.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace {

std::string MakePrivateTempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/esctool_test_XXXXXX";
  if (!mkdtemp(pattern.data())) return {};
  setenv("TMPDIR", pattern.c_str(), 1);
  setenv("TEST_TMPDIR", pattern.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (pattern + "/config").c_str(), 1);
  return pattern;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = MakePrivateTempDir();
  ::testing::InitGoogleMock(&argc, argv);
  const int result = RUN_ALL_TESTS();
  std::error_code ignored;
  if (!dir.empty()) std::filesystem::remove_all(dir, ignored);
  return result;
}
