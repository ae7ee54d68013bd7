#include <glib.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_memo.h"
#include "controls/zr_panels.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "pages/frmGraph.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "tests/pages/PageFixtures.h"

// The shared handlers of the page's rows: name length, help on focus, link
// rules, the value box's last-entry rule and the track bars' value labels.

namespace {

class ItemEvents : public ::testing::Test {
 public:
  // Items 0 to 8; item 3 carries the given link text, items 5 and 7 are
  // combos with a spin box, item 8 a percent curve, item 6 a track bar.
  void Build(const std::string& Link, const std::string& Link4 = "") {
    Form = std::make_unique<TfrmInterface>(nullptr);
    Form->FLangIni = std::move(Lang.Ini);
    Form->English1->SetChecked(true);
    VERSION& def = Form->FPageDef;
    def.tab = 1;
    def.item = def.max = 9;
    def.tabs[0].group = "0,1,2,3,4,5,6,7,8";
    def.site.enabled = true;
    def.site.evalue = "Mode 1|Mode 2";
    def.site.ehelp = "site help";
    for (int n = 0; n < 9; ++n) def.items[n].evalue = "A|B|C|D";
    def.items[3].link = Link;
    def.items[4].link = Link4;
    def.items[5].mode = def.items[7].mode = imComboSpin;
    def.items[5].mincustom = def.items[7].mincustom = "0";
    def.items[5].maxcustom = def.items[7].maxcustom = "100";
    def.items[6].mode = imTrackBar;
    def.items[6].min = "0";
    def.items[6].max = "100";
    def.items[8].mode = imCurve256;
    def.items[8].ehelp = "curve help";
    Form->BuildParameterPages();
  }
  TzrStringComboBox* Combo(int n) const {
    return dynamic_cast<TzrStringComboBox*>(Form->FindComponent("cbItem" + std::to_string(n)));
  }
  TzrControl* Value(int n) const {
    return dynamic_cast<TzrControl*>(Form->FindComponent("eItem" + std::to_string(n)));
  }
  // The text of the help callout's label, empty when it shows none.
  std::string HelpShown() const {
    auto* layout = Form->FindComponent("helpLayout");
    for (int i = 0; i < Form->ComponentCount(); ++i)
      if (auto* label = dynamic_cast<TzrLabel*>(Form->Component(i)))
        if (label->GetParent() == layout) return UTF16ToUTF8(label->GetText());
    return {};
  }

  pagetest::LangFixture Lang{"[common]\nengcalc_help=calculator help\n"};
  std::unique_ptr<TfrmInterface> Form;
};

TEST_F(ItemEvents, NameIsCutBackTo14Characters) {
  Build("");
  auto* name = dynamic_cast<TzrTextBox*>(Form->FindComponent("eName"));
  ASSERT_NE(name, nullptr);
  uint16_t key = 65;
  char16_t ch = u'A';
  name->SetText(u"12345678901234");
  Form->itemKeyDown(name, key, ch, 0);
  EXPECT_EQ(key, 65);
  EXPECT_EQ(name->GetText(), u"12345678901234");
  name->SetText(u"一二三四五六七八九十一二三四五");
  Form->itemKeyDown(name, key, ch, 0);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(ch, u'A');
  EXPECT_EQ(name->GetText(), u"一二三四五六七八九十一二三四");
}

TEST_F(ItemEvents, FocusMovesTheCalloutAndShowsTheControlsHelp) {
  Build("");
  auto* mode = dynamic_cast<TzrStringComboBox*>(Form->FindComponent("cbMode"));
  ASSERT_NE(mode, nullptr);
  Form->itemEnterFocus(mode);
  EXPECT_EQ(HelpShown(), "site help");
  auto* parent = dynamic_cast<TzrControl*>(mode->GetParent());
  const float y = (parent ? parent->GetPosition()->GetY() : 0) + mode->GetPosition()->GetY();
  EXPECT_GT(y, 5);
  EXPECT_EQ(Form->Panel2->GetCalloutOffset(), static_cast<int>(y - 5));
  EXPECT_EQ(Form->Panel2->GetCalloutLength(), 11);
  EXPECT_EQ(Form->Panel2->GetWidth(), 226);
  EXPECT_EQ(Form->Panel2->GetPosition()->GetX(), -7);
  Form->itemEnterFocus(Value(8));
  EXPECT_EQ(HelpShown(), "curve help");
  ASSERT_NE(Form->calcTextBox[0], nullptr);
  Form->calcTextBox[0]->OnEnterFocus(Form->calcTextBox[0]);
  EXPECT_EQ(HelpShown(), "calculator help");
}

TEST_F(ItemEvents, LockRuleDisablesTheTargetAndItsValueBox) {
  Build("2,1,5,0");
  Combo(5)->SetItemIndex(3);  // last entry: the spin box is enabled
  EXPECT_TRUE(Value(5)->GetEnabled());
  Combo(3)->SetItemIndex(2);
  EXPECT_FALSE(Combo(5)->GetEnabled());
  EXPECT_FALSE(Value(5)->GetEnabled());
  Combo(3)->SetItemIndex(1);
  EXPECT_TRUE(Combo(5)->GetEnabled());
  EXPECT_TRUE(Value(5)->GetEnabled());
  Combo(5)->SetItemIndex(0);
  Combo(3)->SetItemIndex(0);
  EXPECT_TRUE(Combo(5)->GetEnabled());
  EXPECT_FALSE(Value(5)->GetEnabled());
}

TEST_F(ItemEvents, VisibilityRuleHidesTheTargetAndItsValueBox) {
  Build("1,0,7,0");
  Combo(3)->SetItemIndex(1);
  EXPECT_FALSE(Combo(7)->GetVisible());
  EXPECT_FALSE(Value(7)->GetVisible());
  Combo(3)->SetItemIndex(2);
  EXPECT_TRUE(Combo(7)->GetVisible());
  EXPECT_TRUE(Value(7)->GetVisible());
}

TEST_F(ItemEvents, ForceRuleSetsTheTargetAndRunsItsRules) {
  Build("0,2,4,3", "3,1,5,0");
  Combo(3)->SetItemIndex(1);
  Combo(3)->SetItemIndex(0);
  EXPECT_EQ(Combo(4)->GetItemIndex(), 3);
  EXPECT_FALSE(Combo(5)->GetEnabled());  // item 4's own rule
}

TEST_F(ItemEvents, ShortRuleLineAppliesNothing) {
  Build("1,1,5|2,1,7,0", "");
  Form->FPageDef.items[3].mode = imComboSpin;  // item 3 has no spin box: nothing to update
  Form->FPageDef.items[5].link = "1,1,5";
  Combo(5)->SetItemIndex(3);  // its own value box stays as the short line left it
  EXPECT_FALSE(Value(5)->GetEnabled());
  Combo(3)->SetItemIndex(1);
  EXPECT_TRUE(Combo(5)->GetEnabled());
  Combo(3)->SetItemIndex(2);
  EXPECT_TRUE(Combo(7)->GetEnabled());  // the later line is not applied
}

TEST_F(ItemEvents, UnreadableRuleLineIsSkippedAndNamedOnce) {
  Build("2,1,5,0|0,1,x,0|1,0,7,0");
  std::string messages;
  const TzrMemoLines* lines = Form->MessageArea()->Lines();
  for (int i = 0; i < lines->GetCount(); ++i) messages += UTF16ToUTF8(lines->Get(i)) + "\n";
  const size_t first = messages.find("\"0,1,x,0\"");
  ASSERT_NE(first, std::string::npos) << messages;
  EXPECT_NE(messages.find("item 4"), std::string::npos) << messages;
  EXPECT_EQ(messages.find("\"0,1,x,0\"", first + 1), std::string::npos) << messages;
  // The lines before and after the bad one still apply.
  Combo(3)->SetItemIndex(2);
  EXPECT_FALSE(Combo(5)->GetEnabled());
  Combo(3)->SetItemIndex(1);
  EXPECT_TRUE(Combo(5)->GetEnabled());
  EXPECT_FALSE(Combo(7)->GetVisible());
}

TEST_F(ItemEvents, LinkCycleEnds) {
  Build("0,1,4,0", "0,1,3,0");
  Combo(3)->SetItemIndex(2);
  Combo(4)->SetItemIndex(1);
  Form->itemChange(Combo(3));
  EXPECT_TRUE(Combo(3)->GetEnabled());
  EXPECT_TRUE(Combo(4)->GetEnabled());
}

// Runs Act; answers whether a curve editor was open while it ran (and
// cancels it).
bool EditorOpenedBy(TfrmInterface& Form, const std::function<void()>& Act) {
  struct TWatch {
    TfrmInterface* Form;
    bool Opened = false, Fired = false;
  } watch{&Form};
  g_timeout_add(
      30,
      [](gpointer p) -> gboolean {
        auto* w = static_cast<TWatch*>(p);
        w->Fired = true;
        w->Opened = w->Form->FGraphForm != nullptr;
        if (w->Opened) w->Form->FGraphForm->btnCancel->Click();
        return G_SOURCE_REMOVE;
      },
      &watch);
  Act();
  while (!watch.Fired) g_main_context_iteration(nullptr, TRUE);
  return watch.Opened;
}

TEST_F(ItemEvents, LastEntryOfACurveItemOpensItsEditorUnlessSwitching) {
  Build("");
  Form->FVersionSwitching = true;
  EXPECT_FALSE(EditorOpenedBy(*Form, [&] { Combo(8)->SetItemIndex(3); }));
  EXPECT_TRUE(Value(8)->GetEnabled());
  Form->FVersionSwitching = false;
  Combo(8)->SetItemIndex(0);
  EXPECT_FALSE(Value(8)->GetEnabled());
  EXPECT_TRUE(EditorOpenedBy(*Form, [&] { Combo(8)->SetItemIndex(3); }));
  EXPECT_EQ(Form->FGraphForm, nullptr);
}

TEST_F(ItemEvents, TrackBarShowsItsValueRounded) {
  Build("");
  auto* track = dynamic_cast<TzrTrackBar*>(Value(6));
  auto* label = dynamic_cast<TzrLabel*>(Form->FindComponent("leItem6"));
  ASSERT_NE(track, nullptr);
  ASSERT_NE(label, nullptr);
  track->SetFrequency(0.1f);
  for (const auto& [value, text] : {std::pair{37.6f, u"38"}, std::pair{12.f, u"12"}}) {
    track->SetValue(value);
    Form->itemChange(track);
    EXPECT_EQ(label->GetText(), text);
  }
}

}  // namespace
