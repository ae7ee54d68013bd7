// Modal popups, overlay popups and the list of open popups: the modal
// result of the window, result 2 when the application ends or the popup is
// freed meanwhile, closing every open popup while handlers open, close and
// free popups, and a popup shown as an overlay in its target's scene.

#include <gtk/gtk.h>

#include <functional>

#include "scene/zr_popup.h"
#include "scene/zr_position.h"
#include "tests/scene_popup/popup_fixture.h"
#include "tests/support/GdkInput.h"
#include "tests/support/MainLoop.h"

namespace {

TzrPopup* MakePopup(TSceneForm& F, TzrVisualObject* Target, TzrColor Color) {
  auto* popup = new TzrPopup(F.Form);
  popup->SetBounds(0, 0, 100, 60);
  popup->SetParent(F.Root);
  popup->SetPlacementTarget(Target);
  F.Box(0, 0, 100, 60, Color, popup)->SetAlign(vaClient);
  return popup;
}

class PopupModalTest : public PopupTest {
 protected:
  void SetUp() override { Main.Show(); }
  TSceneForm Main{120, 120, 320, 240};
  TBox* Target = Main.Box(20, 20, 100, 24, 0xFFE0E0E0);
};

TEST_F(PopupModalTest, ModalLoopAnswersTheWindowsModalResult) {
  TzrPopup* popup = MakePopup(Main, Target, 0xFF20A060);
  Later(20, [&] {
    EXPECT_NE(popup->GetPopupForm(), nullptr);
    if (popup->GetPopupForm()) popup->GetPopupForm()->SetModalResult(6);
    return true;
  });
  EXPECT_EQ(popup->PopupModal(), 6);
  EXPECT_FALSE(popup->GetIsOpen());
  EXPECT_EQ(popup->GetPopupForm(), nullptr);
  EXPECT_FALSE(popup->GetModal());
}

TEST_F(PopupModalTest, ContextPopupOfANodeRunsModally) {
  TzrPopup* popup = MakePopup(Main, Target, 0xFF20A060);
  popup->SetPlacement(zrPlacementAbsolute);
  popup->GetPlacementRectangle()->SetRect({400, 300, 401, 301});
  Target->SetPopup(popup);
  int placedX = 0, placedY = 0;
  Later(20, [&] {
    if (TzrPopupForm* window = popup->GetPopupForm()) {
      placedX = window->GetLeft();
      placedY = window->GetTop();
    }
    popup->SetModalResult(3);
    return true;
  });
  TGdkInput(Main.Scene->Handle()).Click(30, 30, 3);  // the right button on the target
  EXPECT_EQ(placedX, 400);
  EXPECT_EQ(placedY, 300);
  EXPECT_FALSE(popup->GetIsOpen());
  EXPECT_EQ(popup->GetModalResult(), 3);
}

TEST_F(PopupModalTest, ClosingDuringTheModalLoopCancels) {
  TzrPopup* popup = MakePopup(Main, Target, 0xFF20A060);
  Later(20, [&] {
    popup->SetIsOpen(false);
    return true;
  });
  EXPECT_EQ(popup->PopupModal(), 2);
  EXPECT_EQ(popup->GetPopupForm(), nullptr);
}

TEST_F(PopupModalTest, ModalLoopEndsWithCancelWhenTheApplicationEnds) {
  TApplication app;  // this test's own application, so that it may end
  TzrPopup* popup = MakePopup(Main, Target, 0xFF20A060);
  Later(20, [&] {
    app.Terminate();
    return true;
  });
  EXPECT_EQ(popup->PopupModal(), 2);
  EXPECT_EQ(popup->GetPopupForm(), nullptr);
}

// A handler frees the form owning the popup while its modal loop runs: the
// loop ends with 2 without reading the freed popup (the sanitizer build
// watches for that).
TEST_F(PopupModalTest, PopupFreedDuringItsModalLoopEndsItWithCancel) {
  auto* other = new TSceneForm(480, 120, 200, 150);
  other->Show();
  TzrPopup* popup = MakePopup(*other, other->Root, 0xFF20A060);
  Later(20, [&] {
    delete other;
    other = nullptr;
    return true;
  });
  EXPECT_EQ(popup->PopupModal(), 2);
  EXPECT_EQ(other, nullptr);
  EXPECT_EQ(TzrPopupForm::Active(), nullptr) << "the window was given up with the popup";
}

// CloseOpenPopups: closing the newest popup frees an older one and opens a
// new one from its handler. The walk goes over the popups open when it
// started, skips the freed one and leaves the new one open.
TEST_F(PopupModalTest, ClosingAllOpenPopupsSurvivesHandlersThatOpenCloseAndFree) {
  TzrPopup* a = MakePopup(Main, Target, 0xFF2060C0);
  TzrPopup* b = MakePopup(Main, Main.Box(150, 20, 60, 24, 0xFFE0E0E0), 0xFF20A060);
  TzrPopup* c = MakePopup(Main, Main.Box(20, 120, 60, 24, 0xFFE0E0E0), 0xFFC04020);
  TzrPopup* d = MakePopup(Main, Main.Box(150, 120, 60, 24, 0xFFE0E0E0), 0xFFC0C020);
  int aCloses = 0;
  a->OnClosePopup = [&](TObject*) { ++aCloses; };
  c->OnClosePopup = [&](TObject*) {
    delete b;
    b = nullptr;
    d->SetIsOpen(true);
  };
  for (TzrPopup* p : {a, b, c}) p->SetIsOpen(true);
  ASSERT_EQ(OpenPopups->size(), 3u);

  CloseOpenPopups();
  EXPECT_FALSE(a->GetIsOpen());
  EXPECT_FALSE(c->GetIsOpen());
  EXPECT_EQ(aCloses, 1);
  EXPECT_TRUE(d->GetIsOpen());
  ASSERT_EQ(OpenPopups->size(), 1u);
  EXPECT_EQ(OpenPopups->front(), d);
  d->SetIsOpen(false);
}

TEST_F(PopupModalTest, ParentMenuActivationClosesOnlyItsChild) {
  TzrPopup* parent = MakePopup(Main, Target, 0xFF2060C0);
  parent->SetIsOpen(true);
  TzrPopup* child = MakePopup(Main, Main.Box(150, 20, 60, 24, 0xFFE0E0E0), 0xFF20A060);
  child->SetIsOpen(true);
  // Activating the child (the newest) closes nothing.
  TzrPopupForm::WindowActivated(child->GetPopupForm());
  EXPECT_TRUE(parent->GetIsOpen());
  EXPECT_TRUE(child->GetIsOpen());
  // A press on the parent's window deactivates the child in its favour.
  TGdkInput(parent->GetPopupScene()->Handle()).Click(5, 5);
  EXPECT_FALSE(child->GetIsOpen());
  EXPECT_TRUE(parent->GetIsOpen());
  EXPECT_EQ(TzrPopupForm::Active(), parent->GetPopupForm()) << "the grab went back to the parent";
  parent->SetIsOpen(false);
}

TEST_F(PopupModalTest, OverlayPopupOpensInItsTargetsSceneAndClosesOnAClickBeside) {
  TBox* focusable = Main.Box(200, 150, 40, 40, 0xFF808080);
  focusable->SetCanFocused(true);
  focusable->SetFocus();
  TzrPopup* popup = MakePopup(Main, Target, 0xFF2060C0);
  popup->SetPlacementScene(zrPlacementSceneTarget);
  popup->SetHorizontalOffset(7);
  popup->SetIsOpen(true);
  TzrVisualObject* overlay = popup->GetPopupLayout();
  ASSERT_NE(overlay, nullptr);
  EXPECT_EQ(overlay->GetParent(), Main.Root);
  EXPECT_FLOAT_EQ(overlay->GetWidth(), 320);
  EXPECT_EQ(popup->GetParent(), overlay);
  EXPECT_EQ(popup->GetPopupForm(), nullptr);
  const TzrRect r = popup->GetAbsoluteRect();
  EXPECT_FLOAT_EQ(r.Left, 20 + 7);
  EXPECT_FLOAT_EQ(r.Top, 20 + 24);
  EXPECT_EQ(Main.Scene->GetFocused(), popup);

  Main.Scene->UpdateBuffer();
  EXPECT_EQ(BufferPixel(Main.Scene, 30, 50), 0xFF2060C0u) << "drawn over the scene";
  SaveGallery("popup_overlay", 320, 240, {{Main.Scene, 0, 0}});

  TGdkInput(Main.Scene->Handle()).Click(250, 30);  // beside the popup: on the overlay
  EXPECT_FALSE(popup->GetIsOpen());
  EXPECT_EQ(popup->GetPopupLayout(), nullptr);
  EXPECT_EQ(popup->GetParent(), Main.Root);
  EXPECT_EQ(Main.Scene->GetFocused(), focusable) << "focus went back";
}

}  // namespace

namespace {

// An overlay popup runs modally like a windowed one: a click beside it
// cancels the loop; asked again while open, it closes at once and answers 0
// instead of waiting for a result.
TEST_F(PopupModalTest, OverlayPopupRunsModallyAndASecondRequestCloses) {
  TzrPopup* popup = MakePopup(Main, Target, 0xFF2060C0);
  popup->SetPlacementScene(zrPlacementSceneTarget);
  bool wasOpen = false;
  Later(20, [&] {
    wasOpen = popup->GetPopupLayout() != nullptr && popup->GetModal();
    TGdkInput(Main.Scene->Handle()).Click(250, 30);  // beside the popup
    return true;
  });
  EXPECT_EQ(popup->PopupModal(), 2);
  EXPECT_TRUE(wasOpen);
  EXPECT_EQ(popup->GetPopupLayout(), nullptr);

  popup->SetIsOpen(true);
  ASSERT_NE(popup->GetPopupLayout(), nullptr);
  EXPECT_EQ(popup->PopupModal(), 0);
  EXPECT_FALSE(popup->GetIsOpen());
  EXPECT_EQ(popup->GetPopupLayout(), nullptr);
  EXPECT_EQ(popup->GetParent(), Main.Root);
}

}  // namespace
