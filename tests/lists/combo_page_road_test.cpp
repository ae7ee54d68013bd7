// A parameter page's value combo in a window on the display, driven as the
// page drives it: filled in one call, its list built by two DropDowns, its
// value set from the device before the handlers are bound; then a press
// opens the list in a popup window under the box, a release over an entry
// or Enter commits once and closes, keys in the open list report every
// change, and a change handler that shows a modal window leaves the popup
// closed and nothing behind. Both firmware lists opened empty at start are
// harmless too.

#include <gtk/gtk.h>

#include "controls/zr_combo_box.h"
#include "scene/zr_popup.h"
#include "scene/zr_scene.h"
#include "scene/zr_strings.h"
#include "tests/controls/controls_fixture.h"
#include "tests/scene_popup/popup_fixture.h"
#include "tests/support/MainLoop.h"

namespace {

constexpr uint16_t VkReturn = 13, VkDown = 40;

class ComboPageRoadTest : public ControlsTest {
 public:
  static void SetUpTestSuite() {
    ControlsTest::SetUpTestSuite();
    Application->Initialize();
  }

 protected:
  void SetUp() override {
    Page.Show();
    Combo = new TzrStringComboBox(Page.Form);
    Combo->SetName("cbItem3");
    Combo->SetParent(Page.Root);
    Combo->GetPosition()->SetPoint({40, 30});
    Combo->SetWidth(120);
    TzrWideStringList values;
    for (const char16_t* s : {u"Off", u"Low(*)", u"High"}) values.Add(s);
    Combo->GetItems()->AddStrings(values);
    Combo->DropDown();
    Combo->DropDown();
    Combo->SetItemIndex(2);
    Combo->OnChange = [this](TObject* Sender) {
      Changes.push_back(Combo->GetItemIndex());
      if (OnChangeExtra) OnChangeExtra(Sender);
    };
    Combo->OnEnterFocus = [this](TObject*) { ++Entered; };
    Settle(30, 1000);
  }
  void TearDown() override {
    Combo->OnChange = nullptr;
    Settle(30, 1000);
    EXPECT_TRUE(!OpenPopups || OpenPopups->empty());
  }
  TzrPopup* Popup() { return Combo->GetPopup(); }
  // Presses and releases the box as the scene hands it a click.
  void ClickBox() {
    Combo->MouseDown(mbLeft, ssLeft, 60, 11);
    Combo->MouseUp(mbLeft, 0, 60, 11);
  }
  TzrPoint EntryCentre(int I) {
    TzrComboListBox* list = Combo->GetListBox();
    TzrListBoxItem* entry = list->ItemByIndex(I);
    return list->AbsoluteToLocal(
        entry->LocalToAbsolute({entry->GetWidth() / 2, entry->GetHeight() / 2}));
  }
  void KeyOn(TzrVisualObject* Target, uint16_t K) {
    char16_t ch = 0;
    Target->KeyDown(K, ch, 0);
  }

  TSceneForm Page{100, 100, 320, 240};
  TzrStringComboBox* Combo = nullptr;
  std::vector<int> Changes;
  int Entered = 0;
  TNotifyEvent OnChangeExtra;
};

TEST_F(ComboPageRoadTest, TheBuildLeavesTheListClosedWithTheDevicesValue) {
  EXPECT_FALSE(Popup()->GetIsOpen());
  EXPECT_EQ(Combo->GetCount(), 3);
  EXPECT_EQ(Combo->GetItemIndex(), 2);
  EXPECT_TRUE(Changes.empty()) << "the value was set before the handler was bound";
  EXPECT_EQ(Popup()->GetParent(), Combo);
}

TEST_F(ComboPageRoadTest, AClickOpensAWindowUnderTheBoxAndAReleaseCommitsOnce) {
  ClickBox();
  ASSERT_TRUE(Popup()->GetIsOpen());
  TzrPopupForm* window = Popup()->GetPopupForm();
  ASSERT_NE(window, nullptr);
  int x = 0, y = 0;
  WindowPosition(Page.Form, x, y);
  EXPECT_EQ(window->GetLeft(), x + 40);
  EXPECT_EQ(window->GetTop(), y + 30 + 22);
  EXPECT_EQ(window->GetClientWidth(), 120);
  EXPECT_EQ(window->GetClientHeight(), 3 * 19 + 4);
  EXPECT_EQ(Popup()->GetPopupScene()->GetFocused(), Combo->GetListBox());
  Settle(30, 1000);

  const TzrPoint centre = EntryCentre(0);
  Combo->GetListBox()->MouseDown(mbLeft, ssLeft, centre.X, centre.Y);
  Combo->GetListBox()->MouseUp(mbLeft, 0, centre.X, centre.Y);
  EXPECT_EQ(Changes, std::vector<int>{0});
  EXPECT_FALSE(Popup()->GetIsOpen());
  EXPECT_EQ(Popup()->GetPopupForm(), nullptr);
  EXPECT_EQ(Popup()->GetParent(), Combo);
}

TEST_F(ComboPageRoadTest, KeysInTheOpenListReportEachChangeAndEnterCommits) {
  Combo->SetItemIndex(0);
  Changes.clear();
  ClickBox();
  ASSERT_TRUE(Popup()->GetIsOpen());
  TzrVisualObject* focused = Popup()->GetPopupScene()->GetFocused();
  ASSERT_EQ(focused, Combo->GetListBox());
  KeyOn(focused, VkDown);
  KeyOn(focused, VkDown);
  EXPECT_EQ(Changes, (std::vector<int>{1, 2}));
  EXPECT_TRUE(Popup()->GetIsOpen());
  KeyOn(focused, VkReturn);
  EXPECT_EQ(Changes, (std::vector<int>{1, 2, 2}));
  EXPECT_FALSE(Popup()->GetIsOpen());
}

TEST_F(ComboPageRoadTest, AModalWindowShownByTheChangeHandlerLeavesNothingBehind) {
  int modalResult = 0;
  OnChangeExtra = [&](TObject*) {
    auto* dialog = new TForm(nullptr);
    dialog->SetBounds(150, 150, 200, 120);
    Later(50, [dialog] {
      dialog->SetModalResult(1);
      return true;
    });
    modalResult = dialog->ShowModal();
    delete dialog;
  };
  ClickBox();
  ASSERT_TRUE(Popup()->GetIsOpen());
  const TzrPoint centre = EntryCentre(1);
  Combo->GetListBox()->MouseDown(mbLeft, ssLeft, centre.X, centre.Y);
  Combo->GetListBox()->MouseUp(mbLeft, 0, centre.X, centre.Y);
  EXPECT_EQ(modalResult, 1);
  EXPECT_EQ(Changes, std::vector<int>{1});
  EXPECT_FALSE(Popup()->GetIsOpen());
  EXPECT_EQ(Popup()->GetPopupForm(), nullptr);
  EXPECT_EQ(Popup()->GetParent(), Combo);
  // The box opens again as before.
  ClickBox();
  EXPECT_TRUE(Popup()->GetIsOpen());
  ClickBox();
  EXPECT_FALSE(Popup()->GetIsOpen());
}

TEST_F(ComboPageRoadTest, OpeningTwoEmptyListsAtStartIsHarmless) {
  TzrComboBox* lists[2];
  for (auto*& list : lists) {
    list = new TzrComboBox(Page.Form);
    list->SetResource("comboboxstyle");
    list->SetItemHeight(19);
    list->SetParent(Page.Root);
  }
  lists[0]->DropDown();
  lists[1]->DropDown();
  EXPECT_FLOAT_EQ(lists[1]->GetPopup()->GetHeight(), 4);
  Settle(30, 1000);
  CloseOpenPopups();
  for (TzrComboBox* list : lists) {
    EXPECT_FALSE(list->GetPopup()->GetIsOpen());
    EXPECT_EQ(list->GetItemIndex(), -1);
  }
  EXPECT_TRUE(Changes.empty());
}

}  // namespace
