// The main window's caption bindings: each reaches its component, takes the
// key of its language, and falls back on the catalogue's default of that
// language.

#include "app/Captions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/LangCommon.h"
#include "tests/app/language_window.h"

namespace {

using CaptionTest = LanguageWindow;

// The built-in default a binding shows in that language when its key is missing.
std::string DefaultOf(const TCaptionBinding& b, bool chinese) {
  if (b.Group == TCaptionGroup::LanguagePairs) {
    const TLangPair* pair = FindLangPair(b.Base);
    return pair ? (chinese ? pair->Chinese : pair->English) : "?";
  }
  const TLangText* text = FindLangKeyText(b.Base);
  return text ? text->Default : "?";
}

// Every binding names a key of the catalogue, and every caption pair of the
// catalogue but the title (composed apart) is bound.
TEST(CaptionBindings, MatchTheKeyCatalogue) {
  for (const TCaptionBinding& b : CaptionBindings()) {
    SCOPED_TRACE(b.Component);
    if (b.Group == TCaptionGroup::LanguagePairs)
      EXPECT_NE(FindLangPair(b.Base), nullptr);
    else
      EXPECT_NE(FindLangKeyText(b.Base), nullptr);
  }
  for (const TLangPair& pair : LangCaptionPairs()) {
    bool bound = std::string(pair.Base) == "Title";
    for (const TCaptionBinding& b : CaptionBindings())
      bound =
          bound || (b.Group == TCaptionGroup::LanguagePairs && pair.Base == std::string(b.Base));
    EXPECT_TRUE(bound) << pair.Base;
  }
}

// Without any key each caption shows the default of the language in force:
// the pairs their own language's column, the LangKey texts their one default,
// so that the governor labels and the channel buttons stay Chinese in English.
TEST_F(CaptionTest, EmptyCommonGivesTheDefaultsOfTheLanguage) {
  for (const bool chinese : {true, false}) {
    SCOPED_TRACE(chinese ? "Chinese" : "English");
    Open(std::string("[common]\r\nlang=") + (chinese ? "1" : "0") + "\r\n");
    Form->ApplyLanguage();
    // The label beside the lamp ends naming the product mode in force.
    for (const TCaptionBinding& b : CaptionBindings())
      if (std::string(b.Component) != "Label1")
        EXPECT_EQ(Shown(b), DefaultOf(b, chinese)) << b.Component;
    EXPECT_EQ(Text("Label1"), chinese ? "电调" : "ESC Speed Controller");
    EXPECT_EQ(Text("lblTH"), "油门值");
    EXPECT_EQ(Text("btnRead"), "读取通道");
    EXPECT_EQ(Text("cbChannel3"), "Channel 3");
    EXPECT_EQ(Text("tabLabel11"), "Basic");
    EXPECT_EQ(Text("calcLabel1"), chinese ? "期望大桨转速" : "Desired Head Speed");
    // The language items and the misspelt version menu keep their captions.
    EXPECT_EQ(Caption("English1"), "&English");
    EXPECT_EQ(Caption("Chinese1"), "Simplified Chinese(&C)");
    EXPECT_EQ(Caption("Version1"), chinese ? "支持版本" : "Suppor Version");
  }
}

// A base name bound to two controls sets both from one key; the key of the
// other language is not read; a key present with an empty value empties the
// caption.
TEST_F(CaptionTest, OneKeySetsEveryControlBoundToIt) {
  const struct {
    const char* Base;
    std::vector<const char*> Controls;
  } cases[] = {
      {"Upgrade", {"btnUpgrade", "btnUpgrade2"}}, {"Info", {"Label3", "lbLabel3"}},
      {"Controller", {"Label4", "lbLabel4"}},     {"Hardware", {"Label5", "lbLabel5"}},
      {"Firmware", {"Label6", "lbLabel6"}},       {"UpgradeFirmware", {"Label7", "lbLabel7"}},
      {"Version", {"lVersion", "lbVersion"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Base);
    Open(std::string("[common]\r\nchs") + c.Base + "=中文" + c.Base + "\r\neng" + c.Base +
         "=English " + c.Base + "\r\n");
    Form->ApplyLanguage();  // Chinese: "lang" is missing
    for (const char* control : c.Controls) EXPECT_EQ(Text(control), std::string("中文") + c.Base);
  }
  Open(
      "[common]\r\nlang=0\r\nengStateGroup=\r\nengDATALINK5=Channels\r\nengConnect=Go\r\n"
      "engShould_set_governor_area=Range\r\nengFile_menu_exit=Quit\r\n");
  Form->FConnectSwitch = false;
  Form->ApplyLanguage();
  EXPECT_EQ(Text("GroupBox1"), "");
  EXPECT_EQ(Caption("DATALINK5"), "Channels");
  EXPECT_EQ(Text("btnConnect"), "Go");
  EXPECT_EQ(UTF16ToUTF8(Form->calcTextBox16->GetTextLabel()->GetText()), "Range");
  EXPECT_EQ(Caption("Exit1"), "Quit");
}

// The title: program and database versions, the English date turned to
// month, day and year.
TEST(WindowTitle, ComposesVersionsAndTheEnglishDate) {
  const std::string head = "T V1.0.0      Database: ";
  const struct {
    const char* Database;
    bool Chinese;
    std::string Title;
  } cases[] = {
      {"2019-05-21", false, head + "05-21-2019(MM-DD-YY)"},
      {"", false, head + "-(MM-DD-YY)"},
      {"20190521", false, head + "20190-2019(MM-DD-YY)"},
      {"2019-5-1", false, head + "5-1-2019(MM-DD-YY)"},
      {"ABCDEFGH", false, head + "ABCDE-ABCD(MM-DD-YY)"},
      {"ABC", false, head + "ABC-ABC(MM-DD-YY)"},
      {"2019-05-21", true, head + "2019-05-21"},
      {"", true, head},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Database);
    EXPECT_EQ(ComposeWindowTitle("T", "V1.0.0", c.Database, c.Chinese), c.Title);
  }
}

}  // namespace
