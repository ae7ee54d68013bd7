// The popup box's caption and selection, its menu, and the popup button's
// menu reference.

#include "controls_fixture.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_strings.h"

namespace {

class PopupBoxTest : public ControlsTest {
 protected:
  PopupBoxTest() {
    Box = Make<TzrPopupBox>(20, 30);
    Box->OnChange = [this](TObject*) { ++Changes; };
  }
  ~PopupBoxTest() override { PopupMenuHook = nullptr; }
  void Fill() {
    TzrWideStringList items;
    for (const char16_t* s : {u"Soft", u"Medium", u"硬"}) items.Add(s);
    Box->SetItems(&items);
  }
  TzrPopupBox* Box = nullptr;
  int Changes = 0;
};

TEST_F(PopupBoxTest, WithoutItemsTheCaptionStaysEmpty) {
  EXPECT_EQ(Box->GetHeight(), 21);
  Box->SetText(u"Soft");
  EXPECT_EQ(Box->GetText(), u"");
  EXPECT_EQ(Box->GetItemIndex(), -1);
  Box->SetItemIndex(2);
  EXPECT_EQ(Box->GetItemIndex(), -1);
  EXPECT_EQ(Changes, 1);
}

TEST_F(PopupBoxTest, CaptionAndIndexMoveTogether) {
  Fill();
  EXPECT_EQ(Box->GetItemIndex(), -1) << "new items select nothing";
  Box->SetItemIndex(2);
  EXPECT_EQ(Box->GetText(), u"硬");
  EXPECT_EQ(Changes, 1);
  Box->SetItemIndex(2);
  EXPECT_EQ(Changes, 1) << "an equal index does nothing";
  Box->SetText(u"medium");
  EXPECT_EQ(Box->GetItemIndex(), 1) << "the list's comparison ignores case";
  EXPECT_EQ(Changes, 1) << "SetText never fires OnChange";
  Box->SetText(u"Hard");
  EXPECT_EQ(Box->GetText(), u"");
  EXPECT_EQ(Box->GetItemIndex(), -1);
  EXPECT_EQ(Changes, 1);
  Box->SetItemIndex(0);
  Box->SetItemIndex(-5);
  EXPECT_EQ(Box->GetText(), u"");
  EXPECT_EQ(Box->GetItemIndex(), -1);
  EXPECT_EQ(Changes, 3);
}

TEST_F(PopupBoxTest, AnIndexPastTheItemsRaisesAndChangesNothing) {
  Fill();
  Box->SetItemIndex(1);
  EXPECT_THROW(Box->SetItemIndex(3), EListError);
  EXPECT_EQ(Box->GetItemIndex(), 1);
  EXPECT_EQ(Box->GetText(), u"Medium");
  EXPECT_EQ(Changes, 1);
}

TEST_F(PopupBoxTest, SetDataSelectsByNullNumberAndText) {
  Fill();
  Box->SetData(Variant(2));
  EXPECT_EQ(Box->GetText(), u"硬");
  Box->SetData(Variant(u"soft"));
  EXPECT_EQ(Box->GetItemIndex(), 0);
  EXPECT_EQ(Changes, 2);
  Box->SetData(Variant(u"Hard"));
  EXPECT_EQ(Box->GetItemIndex(), -1);
  EXPECT_EQ(Changes, 2);
  Box->SetData(Variant(1));
  Box->SetData(Variant::Null());
  EXPECT_EQ(Box->GetItemIndex(), -1);
  EXPECT_EQ(Box->GetData().ToWideString(), u"");
}

TEST_F(PopupBoxTest, MenuMarksTheSelectionAndAChoiceSelects) {
  Fill();
  Box->SetItemIndex(1);
  std::vector<std::string> captions;
  std::vector<bool> checks;
  TPopupMenuRequest seen;
  PopupMenuHook = [&](const TPopupMenuRequest& r) {
    seen = r;
    TMenuItem* root = r.Menu->Items();
    for (int i = 0; i < root->Count(); ++i) {
      captions.push_back(root->Items(i)->GetCaption());
      checks.push_back(root->Items(i)->GetChecked());
    }
    root->Items(2)->Click();
  };
  ClickOn(Box);
  EXPECT_EQ(captions, (std::vector<std::string>{"Soft", "Medium", "硬"}));
  EXPECT_EQ(checks, (std::vector<bool>{false, true, false}));
  EXPECT_EQ(Box->GetItemIndex(), 2);
  EXPECT_EQ(Changes, 2);
  // Vertically centred for 20-pixel items: trunc(21 / 2 - 30) = -19.
  EXPECT_EQ(seen.X, 20);
  EXPECT_EQ(seen.Y, 30 - 19);
  ClickOn(Box);
  EXPECT_EQ(captions.size(), 6u) << "the menu is rebuilt, not appended to";
}

TEST_F(ControlsTest, PopupButtonForgetsAFreedMenu) {
  auto* button = Make<TzrPopupButton>(10, 40);
  auto* menu = new TPopupMenu(nullptr);
  button->SetPopupMenu(menu);
  int popups = 0;
  TPopupMenuRequest seen;
  PopupMenuHook = [&](const TPopupMenuRequest& r) {
    ++popups;
    seen = r;
  };
  ClickOn(button);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(seen.X, 10);
  EXPECT_EQ(seen.Y, 40 + 22) << "below the button";
  delete menu;
  EXPECT_EQ(button->GetPopupMenu(), nullptr);
  ClickOn(button);
  EXPECT_EQ(popups, 1);
  PopupMenuHook = nullptr;
}

}  // namespace
