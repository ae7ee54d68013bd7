// Version comparison, address lists, the kind test and download names.

#include <gtest/gtest.h>

#include "files/UpdateRules.h"
#include "platform/rtl/SysUtils.h"

namespace {

TEST(UpdateRulesTest, VersionsCompareDigitRunsAsNumbers) {
  const struct {
    const char *a, *b;
    int order;
  } cases[] = {
      {"V1.2.0", "V1.2.0", 0},
      {"V1.2.0", "V1.3.0", -1},
      {"V1.2.0", "V1.10.0", -1},
      {"V1.9.0", "V1.10.0", -1},
      {"V1.0.10", "V1.0.9", 1},
      {"V1.02", "V1.2", 0},
      {"V1.2", "V1.2.0", -1},
      {"", "V1.0.0", -1},
      {"", "", 0},
      {"V2.0", "W1.0", -1},
      {"V1.2a", "V1.2b", -1},
      {"2026-12-01", "2027-01-01", -1},
      {"V1.0.0", "v1.0.0", -1},
      {"V99999999999999999999", "V100000000000000000000", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CompareVersions(c.a, c.b), c.order) << c.a << " vs " << c.b;
    EXPECT_EQ(CompareVersions(c.b, c.a), -c.order) << c.b << " vs " << c.a;
  }
}

TEST(UpdateRulesTest, KindTestAndNames) {
  const struct {
    const char* url;
    const char* ext;
    bool kind;
  } kinds[] = {
      {"http://h/setup.exe", ".exe", true},
      {"http://h/setup.EXE", ".exe", false},
      {"http://h/db.zip", ".zip", true},
      {"http://h/db.zip", ".exe", false},
      {"http://h/a.exe?x=1", ".exe", true},
      {"http://h/setup", ".exe", false},
      {".exe", ".exe", true},
      {"http://h.exe/x.bin", ".exe", false},
  };
  for (const auto& k : kinds) EXPECT_EQ(HasUpdateKind(k.url, k.ext), k.kind) << k.url;

  EXPECT_EQ(DownloadFileName("http://h/dir/car_settings.db3"), "car_settings.db3");
  EXPECT_EQ(DownloadFileName("update.db3"), "update.db3");
  for (const char* bad : {"http://h/dir/", "http://h/.", "http://h/..", ""})
    EXPECT_THROW(DownloadFileName(bad), Exception) << bad;

  EXPECT_EQ(SplitUrlList("a|b||c|"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(SplitUrlList("").empty());
}

}  // namespace
