#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "pages/ModelDatabase.h"
#include "platform/rtl/SysUtils.h"
#include "tests/pages/PageFixtures.h"

namespace {

using pagetest::DatabaseFolder;
using pagetest::SoftwareRows;

TEST_F(DatabaseFolder, SelectionTakesTheFirstDatabaseThatKnowsTheModel) {
  MakeDatabase("a_settings.db3", "insert into splash values (1, 'OTHER');");
  WriteFile("b_settings.db3", "this is not a database, just text long enough to be read");
  MakeDatabase("c_settings.db3",
               "insert into splash values (1, 'ESC_A'); insert into dbversion values ('V-3');");
  MakeDatabase("d_settings.db3",
               "insert into splash values (1, 'ESC_A'); insert into dbversion values ('V4');");
  MakeDatabase("e_settings.db3.bak", "insert into splash values (1, 'ESC_B');");
  MakeDatabase("f_settings.db3", "insert into splash values (1, 'ESC_NOVERSION');");

  const auto paths = ListModelDatabases(FDir);
  ASSERT_EQ(paths.size(), 5u);
  EXPECT_EQ(paths[0], FDir + "a_settings.db3");

  // The damaged file is skipped and the search goes on.
  const auto match = FindModelDatabase(paths, "ESC_A");
  ASSERT_TRUE(match);
  EXPECT_EQ(match->Path, FDir + "c_settings.db3");
  EXPECT_TRUE(match->HasVersion);
  EXPECT_EQ(match->Version, "V-3");

  EXPECT_FALSE(FindModelDatabase(paths, "ESC_B"));  // only in a file of another ending
  EXPECT_FALSE(FindModelDatabase(paths, "esc_a"));  // model keys are exact
  EXPECT_FALSE(FindModelDatabase({}, "ESC_A"));

  const auto noVersion = FindModelDatabase(paths, "ESC_NOVERSION");
  ASSERT_TRUE(noVersion);
  EXPECT_FALSE(noVersion->HasVersion);
}

TEST(VersionLabel, ByVersionFormAndLanguage) {
  EXPECT_EQ(VersionLabelText("Database Version", "2026.1", false, "2026-05-01"),
            "Database Version 2026.1");
  EXPECT_EQ(VersionLabelText("数据库版本", "a-b", true, "2026-05-01"), "数据库版本 2026-05-01");
  EXPECT_EQ(VersionLabelText("V", "a-b", false, "2026-05-01"), "V 05-01-2026");
  EXPECT_EQ(VersionLabelText("V", "a-b", false, "20260501"), "V 20260-2026");
  EXPECT_EQ(VersionLabelText("V", "a-b", false, "26-1"), "V 1-26-1");
  EXPECT_EQ(VersionLabelText("", "x", false, ""), " x");
}

TEST_F(DatabaseFolder, FirmwareListFollowsRowsBatchesAndDisplayNames) {
  const std::string db = MakeDatabase(
      "m_settings.db3",
      SoftwareRows({{1, "X"}, {2, "z"}, {3, "W"}, {4, "Y@"}, {5, "Y$"}, {6, ""}, {7, "Q"}}));
  WriteFile("m_version_control.ini",
            "[ESC_A HW1]\nbatch=3\nversionnum1=3\nversion1_1=fw1\nversion1_2=x\n"
            "version1_3=Y@\nversionnum2=1\nversion2_1=Z\nversionnum3=2\nversion3_1=FW1\n"
            "version3_2=Q\n");
  WriteFile("parallel_table.ini", "[Q]\nname=Quick\n[X]\nnoname=1\n");
  EXPECT_EQ(VersionControlPath(db), FDir + "m_version_control.ini");

  const TSoftwareRows rows = ReadSoftwareVersions(db, "HW1", "ESC_A");
  ASSERT_TRUE(rows.Prepared);
  EXPECT_EQ(rows.Versions, (std::vector<std::string>{"Q", "", "Y$", "Y@", "W", "z", "X"}));

  // The device runs "FW1": batches 1 and 3 name it (case does not matter).
  const auto marked = ReadMarkedBatches(VersionControlPath(db), "ESC_A", "HW1", "FW1");
  ASSERT_EQ(marked.size(), 2u);
  int rowsSeen = 0;
  const auto list = BuildFirmwareList(
      rows.Versions, marked,
      [&](const std::string& name) { return MapFirmwareNameIn(FDir + "parallel_table.ini", name); },
      [&] { ++rowsSeen; });
  EXPECT_TRUE(list.Found);
  EXPECT_EQ(list.Names, (std::vector<std::string>{"Quick", "X"}));  // "z" is in batch 2 only
  EXPECT_EQ(rowsSeen, 7);

  // A device in batch 2 gets "z"; one in no batch gets nothing but is still found.
  const auto z = BuildFirmwareList(rows.Versions,
                                   ReadMarkedBatches(VersionControlPath(db), "ESC_A", "HW1", "z"),
                                   [](const std::string& n) { return n; });
  EXPECT_EQ(z.Names, std::vector<std::string>{"z"});
  const auto none = BuildFirmwareList(
      rows.Versions, ReadMarkedBatches(VersionControlPath(db), "ESC_A", "HW1", "NEW"),
      [](const std::string& n) { return n; });
  EXPECT_TRUE(none.Found);
  EXPECT_TRUE(none.Names.empty());
  EXPECT_TRUE(ReadMarkedBatches(FDir + "missing.ini", "ESC_A", "HW1", "FW1").empty());
}

TEST(FirmwareList, VersionNamedInTwoMarkedBatchesIsListedTwice) {
  const auto list = BuildFirmwareList({"A", "B@", ""}, {{"cur", "a"}, {"CUR", "A", "B@"}},
                                      [](const std::string& n) { return "<" + n + ">"; });
  EXPECT_EQ(list.Names, (std::vector<std::string>{"<A>", "<A>"}));
  const auto unusable =
      BuildFirmwareList({"B@", "C$", ""}, {{"B@", "C$"}}, [](const std::string& n) { return n; });
  EXPECT_FALSE(unusable.Found);
  EXPECT_TRUE(unusable.Names.empty());
}

TEST_F(DatabaseFolder, DisplayNamesFromTheParallelTable) {
  WriteFile("parallel_table.ini", "\xEF\xBB\xBF[V1.2]\nname=Race 1.2\n[v2]\nname=\n[V3]\nx=1\n");
  const std::string table = FDir + "parallel_table.ini";
  EXPECT_EQ(MapFirmwareNameIn(table, "V1.2"), "Race 1.2");
  EXPECT_EQ(MapFirmwareNameIn(table, "v1.2"), "Race 1.2");
  EXPECT_EQ(MapFirmwareNameIn(table, "V2"), "");  // present but empty
  EXPECT_EQ(MapFirmwareNameIn(table, "V3"), "V3");
  EXPECT_EQ(MapFirmwareNameIn(table, "V4"), "V4");
  EXPECT_EQ(MapFirmwareNameIn(FDir + "none.ini", "V1.2"), "V1.2");
}

TEST(IdentityText, DisplayRules) {
  EXPECT_EQ(ModelDisplayText("VL_DATALINK"), "QB_DATALINK");
  EXPECT_EQ(ModelDisplayText("ESC_A"), "ESC_A");
  EXPECT_EQ(HardwareDisplayText("VL316_V2"), "QB316_V2");
  EXPECT_EQ(HardwareDisplayText("VL310"), "VL310");
  EXPECT_EQ(LcdHardwareDisplayText("PROGRAMECARD", "MYXHarLINKV1.0"), "VL310 V1.0");
  EXPECT_EQ(LcdHardwareDisplayText("PROGRAMECARD", "OTHER"), "OTHER");
}

}  // namespace
