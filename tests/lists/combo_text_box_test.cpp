// Combo text boxes, combo track bars and the clear-button box: choosing an
// item, keys, the first letter of a read-only box, rebuilds, the drop-down
// sizes, the track bar's text and commits, and the clear button.

#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_combo_text_box.h"
#include "controls/zr_tracks.h"
#include "scene/zr_strings.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr uint16_t VkReturn = 13, VkUp = 38, VkDown = 40;

class ComboTextBoxTest : public ControlsTest {
 protected:
  ~ComboTextBoxTest() override {
    if (Box) Box->OnChange = nullptr;
  }
  TzrComboTextBox* MakeBox(std::initializer_list<const char16_t*> Items) {
    Box = Make<TzrComboTextBox>(10, 10);
    Box->SetWidth(120);
    Box->GetPopup()->SetPlacementScene(zrPlacementSceneTarget);
    for (const char16_t* s : Items) Box->GetItems()->Add(s);
    Box->OnChange = [this](TObject*) { Changes.push_back(Box->GetText()); };
    return Box;
  }
  void KeyOn(TzrVisualObject* Target, uint16_t K) {
    char16_t ch = 0;
    Target->KeyDown(K, ch, 0);
  }
  void Type(TzrVisualObject* Target, char16_t C) {
    uint16_t key = 0;
    Target->KeyDown(key, C, 0);
  }

  TzrComboTextBox* Box = nullptr;
  std::vector<std::u16string> Changes;
};

TEST_F(ComboTextBoxTest, ChoosingAnItemSetsAndSelectsItsTextAndFiresEveryTime) {
  MakeBox({u"one", u"two", u"three"});
  Box->SetItemIndex(2);
  EXPECT_EQ(Box->GetText(), u"three");
  EXPECT_EQ(Box->GetSelText(), u"three");
  EXPECT_FALSE(Box->GetNeedChange());
  Box->SetItemIndex(2);
  EXPECT_EQ(Changes, (std::vector<std::u16string>{u"three", u"three"}));
  Box->SetItemIndex(5);
  EXPECT_EQ(Box->GetText(), u"three");
  EXPECT_EQ(Changes.size(), 2u) << "an index outside the items fires nothing";
}

TEST_F(ComboTextBoxTest, UpAndDownStepThroughTheItemsAndStopAtTheEnds) {
  MakeBox({u"one", u"two", u"three"});
  Box->SetItemIndex(0);
  Changes.clear();
  KeyOn(Box, VkUp);
  EXPECT_TRUE(Changes.empty()) << "Up on the first item";
  KeyOn(Box, VkDown);
  KeyOn(Box, VkDown);
  KeyOn(Box, VkDown);
  EXPECT_EQ(Box->GetItemIndex(), 2);
  EXPECT_EQ(Changes, (std::vector<std::u16string>{u"two", u"three"})) << "Down on the last item";
  KeyOn(Box, VkUp);
  EXPECT_EQ(Box->GetText(), u"two");
}

TEST_F(ComboTextBoxTest, AReadOnlyBoxChoosesByTheFirstLetterIgnoringCase) {
  MakeBox({u"Apple", u"Banana", u"apricot"});
  Box->SetReadOnly(true);
  Type(Box, u'b');
  EXPECT_EQ(Box->GetItemIndex(), 1);
  Type(Box, u'a');
  EXPECT_EQ(Box->GetItemIndex(), 0);
  EXPECT_EQ(Box->GetText(), u"Apple");
  Type(Box, u'q');
  EXPECT_EQ(Box->GetText(), u"Apple") << "no match changes nothing and inserts nothing";
  EXPECT_EQ(Changes, (std::vector<std::u16string>{u"Banana", u"Apple"}));
}

TEST_F(ComboTextBoxTest, TypingInAnEditableBoxEditsTheTextOnly) {
  MakeBox({u"Apple", u"Banana"});
  Type(Box, u'B');
  EXPECT_EQ(Box->GetText(), u"B");
  EXPECT_EQ(Box->GetItemIndex(), -1);
}

TEST_F(ComboTextBoxTest, ARebuildWithFewerItemsClampsTheIndexAndLeavesTheText) {
  MakeBox({u"a", u"b", u"c", u"d", u"e"});
  Box->SetItemIndex(4);
  TzrWideStringList three;
  for (const char16_t* s : {u"x", u"y", u"z"}) three.Add(s);
  Box->SetItems(&three);
  EXPECT_EQ(Box->GetItemIndex(), 2);
  EXPECT_EQ(Box->GetText(), u"e");
  EXPECT_EQ(Changes.size(), 1u);
}

TEST_F(ComboTextBoxTest, DropDownHeightFollowsTheItems) {
  struct {
    int Items;
    float Height;
  } cases[] = {{3, 61}, {20, 156}};
  for (auto c : cases) {
    MakeBox({});
    for (int i = 0; i < c.Items; ++i) Box->GetItems()->Add(u"item");
    Show();
    Box->DropDown();
    EXPECT_TRUE(Box->GetPopup()->GetIsOpen());
    EXPECT_FLOAT_EQ(Box->GetPopup()->GetHeight(), c.Height) << c.Items;
    EXPECT_FLOAT_EQ(Box->GetPopup()->GetWidth(), 120);
    Box->DropDown();
    EXPECT_FALSE(Box->GetPopup()->GetIsOpen());
    delete Box;
    Box = nullptr;
  }
}

TEST_F(ComboTextBoxTest, APressOnTheArrowOpensTheListWhoseKeysAndEnterCommit) {
  MakeBox({u"one", u"two", u"three"});
  Show();
  Press(Box, 40, 11);
  EXPECT_FALSE(Box->GetPopup()->GetIsOpen()) << "a press in the text places the caret";
  Press(Box, Box->GetWidth() - 6, 11);
  ASSERT_TRUE(Box->GetPopup()->GetIsOpen());
  TzrComboListBox* list = Box->GetListBox();
  KeyOn(list, VkDown);
  KeyOn(list, VkDown);
  EXPECT_EQ(Changes, (std::vector<std::u16string>{u"one", u"two"}));
  EXPECT_TRUE(Box->GetPopup()->GetIsOpen());
  KeyOn(list, VkReturn);
  EXPECT_EQ(Changes.size(), 3u);
  EXPECT_EQ(Box->GetText(), u"two");
  EXPECT_FALSE(Box->GetPopup()->GetIsOpen());
}

class ComboTrackBarTest : public ControlsTest {
 protected:
  TzrComboTrackBar* MakeBar(float W) {
    auto* bar = Make<TzrComboTrackBar>(10, 10);
    bar->SetWidth(W);
    bar->GetPopup()->SetPlacementScene(zrPlacementSceneTarget);
    bar->OnChange = [this, bar](TObject*) { Changes.push_back(bar->GetText()); };
    return bar;
  }
  std::vector<std::u16string> Changes;
};

TEST_F(ComboTrackBarTest, ThePopupIsAtLeast100Wide) {
  for (float w : {60.0f, 150.0f}) {
    TzrComboTrackBar* bar = MakeBar(w);
    Show();
    bar->DropDown();
    EXPECT_TRUE(bar->GetPopup()->GetIsOpen());
    EXPECT_FLOAT_EQ(bar->GetPopup()->GetWidth(), std::max(w, 100.0f));
    EXPECT_FLOAT_EQ(bar->GetPopup()->GetHeight(), 30);
    bar->DropDown();
    EXPECT_FALSE(bar->GetPopup()->GetIsOpen());
    bar->OnChange = nullptr;
  }
}

TEST_F(ComboTrackBarTest, TheBarsValueBecomesTheTextWithAPoint) {
  TzrComboTrackBar* bar = MakeBar(100);
  bar->SetMin(-10);
  struct {
    float Value;
    const char16_t* Text;
  } cases[] = {{2.5f, u"2.500"}, {40, u"40"}, {-3.25f, u"-3.250"}};
  for (auto c : cases) {
    bar->GetTrackBar()->SetValue(c.Value);
    EXPECT_EQ(bar->GetText(), c.Text);
    EXPECT_EQ(bar->GetSelText(), c.Text);
  }
  EXPECT_EQ(Changes.size(), 3u);
}

TEST_F(ComboTrackBarTest, ACommitParsesTheTextOrPutsTheValueBack) {
  TzrComboTrackBar* bar = MakeBar(100);
  bar->SetValue(30);
  bar->SetText(u"12");
  bar->Change();
  EXPECT_FLOAT_EQ(bar->GetValue(), 12);
  bar->SetText(u"abc");
  bar->Change();
  EXPECT_FLOAT_EQ(bar->GetValue(), 12);
  EXPECT_EQ(bar->GetText(), u"12");
}

TEST_F(ComboTrackBarTest, ABarFreedWhileOpenClosesItsPopupFirst) {
  TzrComboTrackBar* bar = MakeBar(100);
  Show();
  bar->DropDown();
  ASSERT_TRUE(bar->GetPopup()->GetIsOpen());
  delete bar;
  EXPECT_TRUE(!OpenPopups || OpenPopups->empty());
  EXPECT_EQ(Root->GetChildrenCount(), 0) << "the popup left the scene with the bar";
}

TEST_F(ControlsTest, TheClearButtonEmptiesTheBoxAndCommits) {
  auto* box = Make<TzrTextBoxClearBtn>(10, 10);
  box->SetWidth(150);
  int changes = 0;
  box->OnChange = [&](TObject*) { ++changes; };
  Show();
  ASSERT_NE(box->GetClearBtn(), nullptr) << "the style's clear button";
  box->SetText(u"to be cleared");
  box->GetClearBtn()->OnClick(box->GetClearBtn());
  EXPECT_EQ(box->GetText(), u"");
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(box->GetIsFocused());
  box->OnChange = nullptr;
}

}  // namespace
