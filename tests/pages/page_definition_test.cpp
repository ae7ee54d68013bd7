#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "pages/PageDefinition.h"
#include "platform/rtl/IniFiles.h"
#include "tests/pages/PageFixtures.h"

namespace {

using pagetest::LangFixture;

TEST(ChooseModelSections, MostSpecificExistingSectionsByIdentity) {
  const std::vector<std::string> sections = {"M H F1",  "M H FW12", "m h fw1", "M HW2",
                                             "M HW234", "M",        "OTHER"};
  const struct {
    const char* name;
    std::string key, model, hardware, firmware;
    TModelSections expected;
  } cases[] = {
      {"explicit key, even when no section", "NOPE", "M", "H", "F1", {"NOPE", "", "", ""}},
      {"no identity", "", "", "H", "F", {"", "", "", ""}},
      {"full identity exists", "", "M", "H", "F1", {"M H F1", "M H F1", "", "M"}},
      {"longest firmware prefix", "", "M", "H", "FW1234", {"", "M H FW12", "", "M"}},
      {"prefix found whatever its case", "", "M", "H", "FW1X", {"", "M H FW1", "", "M"}},
      {"prefixes stop at 2 characters", "", "M", "H", "F", {"", "", "", "M"}},
      {"longest hardware prefix", "", "M", "HW2345", "X", {"", "", "M HW234", "M"}},
      {"model alone", "", "M", "Z", "Z", {"", "", "", "M"}},
      {"nothing known", "", "Q", "H", "F1", {"", "", "", ""}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChooseModelSections(sections, c.key, c.model, c.hardware, c.firmware), c.expected)
        << c.name;
}

TEST(ModelReaders, FirstNonEmptyCandidateAndDefaults) {
  LangFixture lang(
      "[a]\ntext=A\nnum=0x10\nbad=12abc\nempty=\non=-1\noff=0\nword=yes\n"
      "[b]\ntext=B\nonly_b=1\n");
  const TMemIniFile* ini = lang.Ini.get();
  const TModelSections ab = {"", "a", "b", ""};
  EXPECT_EQ(ReadModelString(ini, ab, "text", "d"), "A");
  EXPECT_EQ(ReadModelString(ini, ab, "only_b", "d"), "d");  // no fallback to a later section
  EXPECT_EQ(ReadModelString(ini, ab, "empty", "d"), "");
  EXPECT_EQ(ReadModelString(ini, {"", "", "", ""}, "text", "d"), "d");
  EXPECT_EQ(ReadModelInteger(ini, ab, "num", 7), 16);
  EXPECT_EQ(ReadModelInteger(ini, ab, "bad", 7), 7);
  EXPECT_EQ(ReadModelInteger(ini, ab, "empty", 7), 7);
  EXPECT_EQ(ReadModelInteger(ini, ab, "missing", 7), 7);
  EXPECT_TRUE(ReadModelBool(ini, ab, "on", false));
  EXPECT_FALSE(ReadModelBool(ini, ab, "off", true));
  EXPECT_TRUE(ReadModelBool(ini, ab, "word", true));
  EXPECT_FALSE(ReadModelBool(ini, ab, "word", false));
  EXPECT_FALSE(ReadModelBool(nullptr, ab, "on", false));
}

TEST(ReadPageDefinition, KeysAndTheirDefaults) {
  LangFixture lang(
      "[M]\n"
      "abouticon=a.png\nbsicon=bs.png\ntab=2\nitem=5\naddon=1\nsite_enabled=1\n"
      "site_evalue=Normal|Sport\ntab1_ename=Basic\ntab1_group=0,1,-,2\n"
      "item1_ename=Timing\nitem1_evalue=0-30/7.5\nitem1_mode=0\n"
      "item2_mode=9\nitem3_mode=8\nitem4_mode=11\nitem4_maxnode=5\nitem5_mode=4\n");
  VERSION def;
  TPageIcons icons;
  ReadPageDefinition(lang.Ini.get(), {"", "", "", "M"}, def, icons);
  EXPECT_EQ(icons.about, "a.png");
  EXPECT_EQ(icons.bs, "");  // only from the most specific candidate
  EXPECT_EQ(def.tab, 2);
  EXPECT_EQ(def.item, 5);
  EXPECT_EQ(def.max, 5);  // defaults to the item count
  EXPECT_EQ(def.addon, 1);
  EXPECT_TRUE(def.site.enabled);
  EXPECT_EQ(def.site.evalue, "Normal|Sport");
  EXPECT_EQ(def.tabs[0].ename, "Basic");
  EXPECT_EQ(def.tabs[0].group, "0,1,-,2");
  EXPECT_EQ(def.tabs[1].ename, "Tab 2");
  EXPECT_EQ(def.tabs[1].cname, "标签 2");
  EXPECT_EQ(def.tabs[1].edetail, "Detail 2");
  EXPECT_EQ(def.items[0].ename, "Timing");
  EXPECT_EQ(def.items[0].mode, 0);
  EXPECT_EQ(def.items[1].ename, "Item 2");
  EXPECT_EQ(def.items[1].chelp, "帮助 2");
  EXPECT_EQ(def.items[1].min, "0");
  EXPECT_EQ(def.items[1].maxcustom, "0");
  // Node counts follow the mode unless given.
  EXPECT_EQ(def.items[1].maxnode, 64);
  EXPECT_EQ(def.items[2].maxnode, 16);
  EXPECT_EQ(def.items[3].maxnode, 5);
  EXPECT_EQ(def.items[4].maxnode, 0);
}

TEST(ReadPageDefinition, MissingModeHidesTheItemAndGroupsDefaultToAllItems) {
  LangFixture lang("[M]\ntab=2\nitem=3\nmax=9\nitem1_mode=1\n");
  VERSION def;
  TPageIcons icons;
  ReadPageDefinition(lang.Ini.get(), {"M", "", "", ""}, def, icons);
  EXPECT_EQ(def.items[1].mode, imHidden);
  EXPECT_EQ(def.max, 9);
  EXPECT_EQ(def.tabs[0].group, "0,1,2");
  EXPECT_EQ(def.tabs[1].group, "");
}

TEST(ReadPageDefinition, CountsAboveTheRecordsRoomAreClamped) {
  std::string text = "[M]\ntab=9\nitem=300\nmax=500\n";
  for (int k = 1; k <= 60; ++k)
    text += "item" + std::to_string(k) + "_ename=N" + std::to_string(k) + "\n";
  LangFixture lang(text);
  VERSION def;
  TPageIcons icons;
  ReadPageDefinition(lang.Ini.get(), {"M", "", "", ""}, def, icons);
  EXPECT_EQ(def.tab, VERSION::MaxTabs);
  EXPECT_EQ(def.item, VERSION::MaxItems);
  EXPECT_EQ(def.max, VERSION::MaxItems);
  EXPECT_EQ(def.items[39].ename, "N40");

  LangFixture negative("[M]\ntab=-3\nitem=-1\n");
  ReadPageDefinition(negative.Ini.get(), {"M", "", "", ""}, def, icons);
  EXPECT_EQ(def.tab, 0);
  EXPECT_EQ(def.item, 0);
}

TEST(ReadPageDefinition, NoSectionGivesTheEmptyDefinitionAndKeepsLaterEntries) {
  LangFixture lang("[M]\ntab=1\nitem=2\naddon=1\nsite_enabled=1\nitem2_ename=Kept\n");
  VERSION def;
  TPageIcons icons;
  ReadPageDefinition(lang.Ini.get(), {"M", "", "", ""}, def, icons);
  ReadPageDefinition(lang.Ini.get(), {"", "", "", ""}, def, icons);
  EXPECT_EQ(def.tab, 0);
  EXPECT_EQ(def.item, 0);
  EXPECT_EQ(def.max, 0);
  EXPECT_EQ(def.addon, 0);
  EXPECT_FALSE(def.site.enabled);
  EXPECT_EQ(def.items[1].ename, "Kept");  // beyond the count: left as it was
}

}  // namespace
