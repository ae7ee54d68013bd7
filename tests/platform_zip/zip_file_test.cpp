// Reading and extracting ZIP archives, and refusing unsafe ones.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
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

// The files below a folder with their sizes and a hash of their bytes (short
// enough to print), to compare before and after.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  if (!fs::exists(folder)) return files;
  for (const auto& e : fs::recursive_directory_iterator(folder)) {
    const std::string bytes = e.is_directory() ? "" : ReadFile(e);
    files[fs::relative(e.path(), folder).string()] =
        e.is_directory()
            ? "<folder>"
            : std::to_string(bytes.size()) + "/" + std::to_string(std::hash<std::string>()(bytes));
  }
  return files;
}

TEST_F(ZipFileTest, DamagedArchivesChangeNoFile) {
  const std::string live = TextBytes(300000, 1), next = TextBytes(300000, 2);
  const std::string one = ZipBytes({{"car_settings.db3", next}});
  const std::string two = ZipBytes({{"car_settings.db3", next}, {"sub/boat_settings.db3", next}});
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"bad checksum", WithBadCrc(one, 0)},
      {"broken deflate data", WithBrokenDeflate(one, 0)},
      {"second of two entries damaged", WithBadCrc(two, 1)},
      {"second of two entries broken", WithBrokenDeflate(two, 1)},
      {"stored size too small", WithStoredSize(one, 0, 1000)},
      {"stored size too large", WithStoredSize(one, 0, 400000)},
      {"a name both file and folder",
       ZipBytes({{"car_settings.db3", next}, {"x", "file"}, {"x/y", "deep"}})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(Out);
    fs::create_directories(Out / "sub");
    std::ofstream(Out / "car_settings.db3", std::ios::binary) << live;
    std::ofstream(Out / "sub/boat_settings.db3", std::ios::binary) << "BOAT";
    const auto before = Snapshot(Out);
    const std::string archive = (Dir / "a.zip").string();
    std::ofstream(archive, std::ios::binary | std::ios::trunc) << c.bytes;
    TZipFile zip;
    try {
      zip.Open(archive);
      zip.ExtractAll(Out.string());
      ADD_FAILURE() << "the archive was taken";
    } catch (const EZipError& e) {
      EXPECT_NE(std::string(e.what()).find(Dir.string()), std::string::npos) << e.what();
    }
    EXPECT_EQ(Snapshot(Out), before);
  }
}

TEST_F(ZipFileTest, SizeLimitsRefuseBeforeWriting) {
  // The stored sizes are checked before anything is written, and inflated
  // bytes are counted too, so an entry whose stored size lies stops at it.
  const std::string archive = (Dir / "a.zip").string();
  struct Case {
    const char* what;
    std::string bytes;
    uint64_t maxEntry, maxTotal;
    bool taken;
  };
  const std::string two = ZipBytes({{"a", std::string(1000, 'a')}, {"b", std::string(1000, 'b')}});
  const Case cases[] = {
      {"entries at the limits", two, 1000, 2000, true},
      {"an entry over its limit", two, 999, 2000, false},
      {"all entries over the total", two, 1000, 1999, false},
      {"stored size within, inflated past", WithStoredSize(two, 1, 10), 1000, 2000, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(Out);
    std::ofstream(archive, std::ios::binary | std::ios::trunc) << c.bytes;
    TZipFile zip;
    zip.MaxEntrySize = c.maxEntry;
    zip.MaxTotalSize = c.maxTotal;
    zip.Open(archive);
    if (c.taken) {
      zip.ExtractAll(Out.string());
      EXPECT_EQ(ReadFile(Out / "b"), std::string(1000, 'b'));
    } else {
      EXPECT_THROW(zip.ExtractAll(Out.string()), EZipError);
      EXPECT_FALSE(fs::exists(Out));  // nor the folder it would have made
    }
  }
}

TEST_F(ZipFileTest, ArchivesStagedTogetherArePutInPlaceTogether) {
  const std::string good = (Dir / "good.zip").string(), bad = (Dir / "bad.zip").string();
  WriteZip(good, {{"car_settings.db3", "NEW"}, {"help/new.txt", "N"}});
  std::ofstream(bad, std::ios::binary)
      << WithBadCrc(ZipBytes({{"esc_settings.db3", TextBytes(5000, 3)}}), 0);
  fs::create_directories(Out);
  std::ofstream(Out / "car_settings.db3") << "OLD";
  {
    TZipStaging staging;
    TZipFile first, second;
    first.Open(good);
    first.Stage(Out.string(), staging);
    second.Open(bad);
    EXPECT_THROW(second.Stage(Out.string(), staging), EZipError);
    EXPECT_EQ(ReadFile(Out / "car_settings.db3"), "OLD");
  }  // the staging is dropped without Commit
  EXPECT_EQ(Snapshot(Out),
            (std::map<std::string, std::string>{
                {"car_settings.db3", "3/" + std::to_string(std::hash<std::string>()("OLD"))}}));

  // Both good: nothing moves until Commit; a later entry of the same name wins.
  WriteZip(bad, {{"car_settings.db3", "NEWER"}});
  TZipStaging staging;
  TZipFile first, second;
  first.Open(good);
  first.Stage(Out.string(), staging);
  second.Open(bad);
  second.Stage(Out.string(), staging);
  EXPECT_EQ(ReadFile(Out / "car_settings.db3"), "OLD");
  staging.Commit();
  EXPECT_EQ(ReadFile(Out / "car_settings.db3"), "NEWER");
  EXPECT_EQ(ReadFile(Out / "help/new.txt"), "N");
  EXPECT_EQ(Snapshot(Out).size(), 3u);
}

TEST_F(ZipFileTest, ReplacedFilesKeepTheirModeAndNewOnesFollowTheUmask) {
  const std::string archive = (Dir / "a.zip").string();
  WriteZip(archive, {{"old.db3", "NEW"}, {"new.db3", "NEW"}});
  fs::create_directories(Out);
  std::ofstream(Out / "old.db3") << "OLD";
  fs::permissions(Out / "old.db3", fs::perms(0604));
  const mode_t saved = umask(027);
  TZipFile zip;
  zip.Open(archive);
  zip.ExtractAll(Out.string());
  umask(saved);
  EXPECT_EQ(fs::status(Out / "old.db3").permissions(), fs::perms(0604));
  EXPECT_EQ(fs::status(Out / "new.db3").permissions(), fs::perms(0640));
  EXPECT_EQ(ReadFile(Out / "old.db3"), "NEW");
}

TEST_F(ZipFileTest, NotAnArchive) {
  std::ofstream(Dir / "text.zip") << "this is no archive";
  TZipFile zip;
  EXPECT_THROW(zip.Open((Dir / "text.zip").string()), EZipError);
  EXPECT_THROW(zip.Open((Dir / "missing.zip").string()), EZipError);
  EXPECT_THROW(zip.ExtractAll(Out.string()), EZipError);
}

}  // namespace
