#include <gtest/gtest.h>
#include <sqlite3.h>

#include <iterator>
#include <regex>

#include "app/Utils.h"
#include "link/DemoFirmware.h"
#include "pages/ModelDatabase.h"
#include "pages/PageDefinition.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/SysUtils.h"

namespace {

const std::string kBuild = std::string(ESCTOOL_BINARY_DIR) + "/";

// One demo model of each model family, and the airplane ESC, as the shipped
// files describe them.
const struct {
  const char* section;
  const char* model;
  const char* hardware;
  const char* firmware;
  std::vector<std::string> firmwareList;
} kDemoModels[] = {
    {"AIRPLANE DEMO-AP40_V1",
     "AIRPLANE",
     "DEMO-AP40_V1",
     "AP_1.1.0",
     {"AP 2.0 Sport", "AP_1.1.0", "AP_1.1.0", "AP_1.0.0"}},
    {"CAR_ESC DEMO-VL450SD",
     "CAR_ESC",
     "DEMO-VL450SD",
     "CAR_3.0",
     {"CAR_3.2", "CAR_3.1", "CAR_3.0"}},
    {"Ardent_V4 DEMO-ARD80_V2", "Ardent_V4", "DEMO-ARD80_V2", "ARD_4.0", {"Ardent 4.1", "ARD_4.0"}},
    {"ESC_G60 DEMO-G60_HW1", "ESC_G60", "DEMO-G60_HW1", "G60_1.0", {"G60_1.1", "G60_1.0"}},
    {"AIRPLANE_ESC DEMO-AP60_V1",
     "AIRPLANE_ESC",
     "DEMO-AP60_V1",
     "APE_1.0",
     {"APE_1.1", "APE_1.0"}},
};

TEST(ShippedLanguageFile, DemoModelsAreCompleteAndTheirValueListsExpand) {
  const TMemIniFile lang(kBuild + "lang.ini");
  ASSERT_TRUE(lang.SectionExists("common"));
  for (const auto& demo : kDemoModels) {
    SCOPED_TRACE(demo.section);
    ASSERT_TRUE(lang.SectionExists(demo.section));
    EXPECT_TRUE(lang.ReadBool(demo.section, "demo", false));
    VERSION def;
    TPageIcons icons;
    ReadPageDefinition(&lang, {demo.section, "", "", ""}, def, icons);
    EXPECT_GE(def.tab, 1);
    EXPECT_GE(def.item, 1);
    for (int i = 0; i < def.item; ++i) {
      EXPECT_TRUE(lang.ValueExists(demo.section, "item" + std::to_string(i + 1) + "_mode"))
          << "item " << i + 1 << " has no mode";
      EXPECT_NO_THROW(ExpandValueList(UTF8ToUTF16(def.items[i].cvalue))) << i + 1;
      EXPECT_NO_THROW(ExpandValueList(UTF8ToUTF16(def.items[i].evalue))) << i + 1;
      EXPECT_EQ(ExpandValueList(UTF8ToUTF16(def.items[i].cvalue)).size(),
                ExpandValueList(UTF8ToUTF16(def.items[i].evalue)).size())
          << i + 1;
    }
    for (int t = 0; t < def.tab; ++t)
      for (const auto& entry : SplitString(u",", UTF8ToUTF16(def.tabs[t].group), 0))
        if (entry != u"-") {
          EXPECT_LT(std::stoi(UTF16ToUTF8(entry)), def.item);
        }
  }
}

TEST(ShippedLanguageFile, EveryValueRangeEndsAtItsStatedEnd) {
  // Every "start-end/step" of the shipped file is written so that its steps
  // meet the end; the last entry shown must be that end.
  const TMemIniFile lang(kBuild + "lang.ini");
  const std::regex range(R"(^\s*([0-9.]+)\s*-\s*([0-9.]+)\s*/\s*([0-9.]+)\s*$)");
  int ranges = 0;
  for (const std::string& section : lang.ReadSections())
    for (const std::string& key : lang.ReadSection(section))
      for (const std::u16string& part :
           SplitString(u"|", UTF8ToUTF16(lang.ReadString(section, key, "")), 0)) {
        const std::string text = UTF16ToUTF8(part);
        std::smatch m;
        if (!std::regex_match(text, m, range)) continue;
        ++ranges;
        const auto entries = ExpandValueList(part);
        ASSERT_FALSE(entries.empty()) << section << "/" << key;
        EXPECT_DOUBLE_EQ(std::stod(UTF16ToUTF8(entries.back())), std::stod(m[2].str()))
            << section << "/" << key << ": " << text;
      }
  EXPECT_GE(ranges, 6);
}

TEST(ShippedLanguageFile, EveryChineseTextHasItsEnglishPartner) {
  const TMemIniFile lang(kBuild + "lang.ini");
  for (const std::string& key : lang.ReadSection("common")) {
    const std::string prefix = key.substr(0, 3);
    if (prefix != "chs" && prefix != "eng") continue;
    const std::string partner = (prefix == "chs" ? "eng" : "chs") + key.substr(3);
    EXPECT_TRUE(lang.ValueExists("common", partner)) << key;
  }
}

TEST(ShippedDatabases, EveryDemoModelHasItsDatabaseAndFirmwareList) {
  const auto databases = ListModelDatabases(kBuild);
  ASSERT_GE(databases.size(), 2u);
  for (const auto& demo : kDemoModels) {
    SCOPED_TRACE(demo.model);
    const auto match = FindModelDatabase(databases, demo.model);
    ASSERT_TRUE(match);
    EXPECT_TRUE(match->HasVersion);
    const TSoftwareRows rows = ReadSoftwareVersions(match->Path, demo.hardware, demo.model);
    ASSERT_TRUE(rows.Prepared);
    const auto batches = ReadMarkedBatches(VersionControlPath(match->Path), demo.model,
                                           demo.hardware, demo.firmware);
    const auto list = BuildFirmwareList(rows.Versions, batches, [](const std::string& name) {
      return MapFirmwareNameIn(kBuild + "parallel_table.ini", name);
    });
    EXPECT_TRUE(list.Found);
    EXPECT_EQ(list.Names, demo.firmwareList);
  }
}

// The demo models are invented: every identity they ship under carries the
// demo prefix, and a real controller reporting the hardware the demo names
// finds neither its page nor its firmware.
TEST(ShippedDemoModels, EveryIdentityCarriesTheDemoPrefix) {
  const TMemIniFile lang(kBuild + "lang.ini");
  const std::vector<std::string> sections = lang.ReadSections();
  int demos = 0;
  for (const std::string& section : sections) {
    if (!lang.ReadBool(section, "demo", false)) continue;
    ++demos;
    const size_t blank = section.find(' ');
    ASSERT_NE(blank, std::string::npos) << section;
    EXPECT_TRUE(IsDemoHardware(section.substr(blank + 1))) << section;
  }
  EXPECT_EQ(demos, static_cast<int>(std::size(kDemoModels)));

  for (const std::string& path : ListModelDatabases(kBuild)) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* query = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "select name from controller", -1, &query, nullptr),
              SQLITE_OK);
    while (sqlite3_step(query) == SQLITE_ROW)
      EXPECT_TRUE(IsDemoHardware(reinterpret_cast<const char*>(sqlite3_column_text(query, 0))))
          << path;
    sqlite3_finalize(query);
    sqlite3_close(db);
    const TMemIniFile filter(VersionControlPath(path));
    for (const std::string& section : filter.ReadSections())
      EXPECT_TRUE(IsDemoHardware(section.substr(section.find(' ') + 1))) << section;
  }

  const auto databases = ListModelDatabases(kBuild);
  for (const auto& demo : kDemoModels) {
    SCOPED_TRACE(demo.model);
    const std::string real = FamilyHardware(demo.hardware);
    ASSERT_NE(real, demo.hardware);
    const TModelSections chosen =
        ChooseModelSections(sections, "", demo.model, real, demo.firmware);
    for (const std::string& candidate : chosen) EXPECT_EQ(candidate, "");
    const auto match = FindModelDatabase(databases, demo.model);
    ASSERT_TRUE(match);
    EXPECT_TRUE(ReadSoftwareVersions(match->Path, real, demo.model).Versions.empty());
  }
}

}  // namespace
