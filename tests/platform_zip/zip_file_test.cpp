// Reading and extracting ZIP archives, and refusing unsafe ones.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/zip/ZipFile.h"
#include "tests/support/ZipFixture.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class ZipFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "zip_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    Dir = pattern;
    Out = Dir / "out";
  }
  void TearDown() override { fs::remove_all(Dir); }
  fs::path Dir, Out;
};

TEST_F(ZipFileTest, ListsAndExtractsWithFolders) {
  const std::string archive = (Dir / "a.zip").string();
  WriteZip(archive, {{"car_settings.db3", "DB"}, {"sub/", ""}, {"sub/deep/x.txt", "数据"}});
  TZipFile zip;
  zip.Open(archive);
  EXPECT_EQ(zip.Entries(),
            (std::vector<std::string>{"car_settings.db3", "sub/", "sub/deep/x.txt"}));
  zip.ExtractAll(Out.string());
  EXPECT_EQ(ReadFile(Out / "car_settings.db3"), "DB");
  EXPECT_EQ(ReadFile(Out / "sub/deep/x.txt"), "数据");
}

TEST_F(ZipFileTest, UnsafeNamesRefuseTheWholeArchive) {
  for (const std::string bad : {"../x", "/x", "a/../../x", "..\\x", "C:/x", "a/.."}) {
    SCOPED_TRACE(bad);
    const std::string archive = (Dir / "bad.zip").string();
    WriteZip(archive, {{"first.db3", "1"}, {bad, "escaped"}});
    TZipFile zip;
    zip.Open(archive);
    EXPECT_THROW(zip.ExtractAll(Out.string()), EZipError);
    EXPECT_FALSE(fs::exists(Out));
    EXPECT_FALSE(fs::exists(Dir / "x"));
  }
  for (const std::string good : {"a..b", "..a", "x/.../y", "a/./b"})
    EXPECT_TRUE(TZipFile::IsSafeEntryName(good)) << good;
}

TEST_F(ZipFileTest, NotAnArchive) {
  std::ofstream(Dir / "text.zip") << "this is no archive";
  TZipFile zip;
  EXPECT_THROW(zip.Open((Dir / "text.zip").string()), EZipError);
  EXPECT_THROW(zip.Open((Dir / "missing.zip").string()), EZipError);
  EXPECT_THROW(zip.ExtractAll(Out.string()), EZipError);
}

}  // namespace
