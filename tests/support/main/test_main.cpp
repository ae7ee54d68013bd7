// The entry of every test program. Each test process gets a temporary folder
// of its own, removed when the process ends, and each test a folder of its
// own inside it, removed when the test ends: TMPDIR and TEST_TMPDIR point at
// the test's folder (so ::testing::TempDir(), std::filesystem's and GLib's
// temporary folders use it) and the per-user settings folder
// (XDG_CONFIG_HOME) lies inside it. Tests running side by side, or one after
// another in one process, never meet each other's files.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace {

// Points the temporary and settings folders at Folder.
void UseFolder(const std::string& Folder) {
  setenv("TMPDIR", Folder.c_str(), 1);
  setenv("TEST_TMPDIR", Folder.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (Folder + "/config").c_str(), 1);
}

// Makes a fresh folder under Base and uses it; answers its path, empty when
// it could not be made.
std::string UsePrivateFolder(const std::string& Base) {
  std::string pattern = Base + "/esctool_test_XXXXXX";
  if (!mkdtemp(pattern.data())) return {};
  UseFolder(pattern);
  return pattern;
}

void Remove(const std::string& Folder) {
  std::error_code ignored;
  if (!Folder.empty()) std::filesystem::remove_all(Folder, ignored);
}

// Gives each test its own folder inside the process's, and the process's
// back between tests (suite set-ups keep what they make there).
class TPrivateFolders : public ::testing::EmptyTestEventListener {
 public:
  explicit TPrivateFolders(std::string ProcessFolder) : FProcess(std::move(ProcessFolder)) {}
  void OnTestStart(const ::testing::TestInfo&) override { FTest = UsePrivateFolder(FProcess); }
  void OnTestEnd(const ::testing::TestInfo&) override {
    Remove(FTest);
    FTest.clear();
    UseFolder(FProcess);
  }

 private:
  std::string FProcess, FTest;
};

}  // namespace

int main(int argc, char** argv) {
  const char* base = std::getenv("TMPDIR");
  const std::string dir = UsePrivateFolder(base && *base ? base : "/tmp");
  ::testing::InitGoogleMock(&argc, argv);
  if (!dir.empty())
    ::testing::UnitTest::GetInstance()->listeners().Append(new TPrivateFolders(dir));
  const int result = RUN_ALL_TESTS();
  Remove(dir);
  return result;
}
