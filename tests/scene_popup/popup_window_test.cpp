// Popups in windows of their own on the display: where the window goes, how
// opening toggles, and what closes an open drop-down (Escape, a press in
// the main window, the main window's activation, a press outside).

#include <gtk/gtk.h>

#include "scene/zr_popup.h"
#include "tests/scene_popup/popup_fixture.h"
#include "tests/support/GdkInput.h"
#include "tests/support/MainLoop.h"

namespace {

class PopupWindowTest : public PopupTest {
 protected:
  // A drop-down of 120 x 80 for a box at (40, 30) of 120 x 24 in a form at
  // (100, 100).
  void SetUp() override {
    Main.Show();
    Drop = new TzrPopup(Main.Form);
    Drop->SetBounds(0, 0, 120, 80);
    Drop->SetParent(Main.Root);
    Drop->SetPlacementTarget(Target);
    Main.Box(0, 0, 120, 80, 0xFF2060C0, Drop)->SetAlign(vaClient);
  }
  void TearDown() override {
    if (Drop) Drop->SetIsOpen(false);
    PopupTest::TearDown();
  }
  int MainX() {
    int x, y;
    WindowPosition(Main.Form, x, y);
    return x;
  }
  int MainY() {
    int x, y;
    WindowPosition(Main.Form, x, y);
    return y;
  }

  TSceneForm Main{100, 100, 320, 240};
  TBox* Target = Main.Box(40, 30, 120, 24, 0xFFE0E0E0);
  TzrPopup* Drop = nullptr;
};

TEST_F(PopupWindowTest, DropDownOpensUnderItsTargetInItsOwnWindow) {
  Drop->SetIsOpen(true);
  ASSERT_TRUE(Drop->GetIsOpen());
  TzrPopupForm* window = Drop->GetPopupForm();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->GetLeft(), MainX() + 40);
  EXPECT_EQ(window->GetTop(), MainY() + 30 + 24);
  EXPECT_EQ(window->GetClientWidth(), 120);
  EXPECT_EQ(window->GetClientHeight(), 80);
  EXPECT_EQ(Drop->GetScene(), static_cast<IzoRurev*>(Drop->GetPopupScene()));
  EXPECT_TRUE(Drop->GetPopupScene()->GetTransparencyValue());
  ASSERT_NE(OpenPopups, nullptr);
  EXPECT_EQ(OpenPopups->back(), Drop);
  EXPECT_EQ(TzrPopupForm::Active(), window);

  Drop->SetIsOpen(false);
  EXPECT_EQ(Drop->GetPopupForm(), nullptr);
  EXPECT_EQ(Drop->GetParent(), Main.Root);
  EXPECT_FALSE(Drop->GetVisible());
  EXPECT_EQ(Drop->GetScene(), static_cast<IzoRurev*>(Main.Scene));
  EXPECT_TRUE(OpenPopups->empty());
}

TEST_F(PopupWindowTest, SecondOpenRequestClosesAnOpenPopup) {
  int closes = 0;
  Drop->OnClosePopup = [&](TObject*) { ++closes; };
  Drop->Popup();
  ASSERT_NE(Drop->GetPopupForm(), nullptr);
  Drop->Popup();
  EXPECT_EQ(Drop->GetPopupForm(), nullptr);
  EXPECT_FALSE(Drop->GetIsOpen());
  EXPECT_EQ(closes, 1);
}

TEST_F(PopupWindowTest, PressInTheMainWindowClosesTheDropDown) {
  Drop->SetIsOpen(true);
  ASSERT_TRUE(Drop->GetIsOpen());
  TGdkInput(Drop->GetPopupScene()->Handle()).Click(10, 10);
  EXPECT_TRUE(Drop->GetIsOpen()) << "a press inside the popup keeps it open";
  TGdkInput(Main.Scene->Handle()).Click(300, 200);
  EXPECT_FALSE(Drop->GetIsOpen());
}

}  // namespace
