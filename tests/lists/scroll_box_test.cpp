// Scroll boxes on the virtual clock: the bars follow the content's extent,
// the wheel eases through the bars' animations, tracking drags and flings,
// transparent bars stay functional, and scrolled-out children are neither
// painted nor hit.

#include "controls/zr_effects.h"
#include "controls/zr_layouts.h"
#include "controls/zr_scroll_bar.h"
#include "controls/zr_scroll_box.h"
#include "controls/zr_windows.h"
#include "scene/zr_ani.h"
#include "tests/controls/controls_fixture.h"

namespace {

class ScrollBoxTest : public ControlsTest {
 protected:
  // A 120 x 200 box whose style has been applied; Content is its one child.
  TzrScrollBox* MakeBox(float ContentW, float ContentH) {
    Box = Make<TzrScrollBox>(0, 0);
    Box->SetBounds(0, 0, 120, 200);
    Child = Shape("child", 0xFF3060C0, 0, 0, ContentW, ContentH, Box);
    Show();
    return Box;
  }
  bool Wheel(int Delta) {
    bool handled = false;
    Box->MouseWheel(0, Delta, handled);
    return handled;
  }
  TzrScrollBar* V() { return Box->GetVScrollBar(); }
  TzrScrollBar* H() { return Box->GetHScrollBar(); }
  float ContentY() { return Box->GetContent()->GetPosition()->GetY(); }

  TzrScrollBox* Box = nullptr;
  TTestShape* Child = nullptr;
};

TEST_F(ScrollBoxTest, ContentWithinTheViewportHidesBothBars) {
  MakeBox(50, 50);
  ASSERT_TRUE(V() && H());
  for (TzrScrollBar* bar : {V(), H()}) {
    EXPECT_FALSE(bar->GetEnabled());
    EXPECT_FALSE(bar->GetVisible());
    EXPECT_EQ(bar->GetValue(), 0);
  }
  EXPECT_EQ(Box->ClientHeight(), 200);
  EXPECT_EQ(Box->GetContent()->GetPosition()->GetPoint(),
            Box->GetContentLayout()->GetPosition()->GetPoint());
  EXPECT_EQ(Child->GetParent(), Box->GetContent()) << "children land in the scroll content";
}

TEST_F(ScrollBoxTest, TallContentGivesTheVerticalBarItsRange) {
  MakeBox(50, 1000);
  ASSERT_TRUE(V()->GetVisible());
  EXPECT_FALSE(H()->GetVisible());
  EXPECT_EQ(V()->GetMax(), 1000);
  EXPECT_EQ(V()->GetViewportSize(), 200);
  EXPECT_EQ(V()->GetSmallChange(), 40);
  EXPECT_EQ(Box->ClientWidth(), 120 - V()->GetWidth()) << "the viewport gives way to the bar";
  V()->SetValue(300);
  EXPECT_EQ(ContentY(), -300) << "the content sits at the viewport's origin minus the offset";
}

TEST_F(ScrollBoxTest, OneNotchEasesOutToThreeSmallChangesInSevenTenths) {
  MakeBox(50, 1000);
  V()->SetValue(500);
  EXPECT_TRUE(Wheel(120));
  Wait(350);
  // Quadratic ease-out: three quarters of the way at half time (one tick of slack).
  EXPECT_NEAR(V()->GetValue(), 500 - 120 * 0.75f, 6);
  Wait(400);
  EXPECT_EQ(V()->GetValue(), 380);
  EXPECT_FALSE(Box->GetVScrollAni()->GetRunning());
  Wheel(-240);
  Wait(750);
  EXPECT_EQ(V()->GetValue(), 620);
  EXPECT_EQ(ContentY(), -620);
}

TEST_F(ScrollBoxTest, WheelWithoutAnimationOrDisabled) {
  MakeBox(50, 1000);
  Box->SetAnimated(false);
  V()->SetValue(500);
  EXPECT_TRUE(Wheel(120));
  EXPECT_EQ(V()->GetValue(), 380) << "set at once";
  Box->SetDisableMouseWheel(true);
  EXPECT_FALSE(Wheel(120)) << "left to the parent";
  EXPECT_EQ(V()->GetValue(), 380);
}

TEST_F(ScrollBoxTest, HorizontalBarTakesTheWheelOnlyWithoutAVerticalOne) {
  MakeBox(1000, 50);
  Box->SetAnimated(false);
  ASSERT_TRUE(H()->GetVisible());
  ASSERT_FALSE(V()->GetVisible());
  H()->SetValue(500);
  EXPECT_TRUE(Wheel(120));
  EXPECT_EQ(H()->GetValue(), 500 - 3 * H()->GetSmallChange());
  Child->SetHeight(1000);
  ASSERT_TRUE(V()->GetVisible());
  const float h = H()->GetValue();
  Wheel(120);
  EXPECT_EQ(H()->GetValue(), h) << "the vertical bar takes it";
}

TEST_F(ScrollBoxTest, CornerPaddingFollowsTheVerticalBar) {
  MakeBox(1000, 1000);
  ASSERT_TRUE(V()->GetEnabled() && H()->GetEnabled());
  EXPECT_EQ(H()->GetPadding()->GetRight(), V()->GetWidth());
  Child->SetHeight(50);
  EXPECT_FALSE(V()->GetEnabled());
  EXPECT_EQ(H()->GetPadding()->GetRight(), 0);
}

TEST_F(ScrollBoxTest, TransparentBarsStillScrollAndCoverNothing) {
  MakeBox(50, 1000);
  Box->SetAnimated(false);
  Box->SetShowScrollBars(false);
  EXPECT_EQ(V()->GetOpacity(), 0);
  EXPECT_EQ(V()->GetAlign(), vaNone);
  EXPECT_EQ(V()->GetMax(), 1000) << "the range is kept";
  EXPECT_EQ(Box->ClientWidth(), 120) << "the viewport takes the bar's band";
  V()->SetValue(500);
  Wheel(120);
  EXPECT_EQ(V()->GetValue(), 380);
  EXPECT_EQ(ContentY(), -380);
  // The parked bar lies outside the box and no hit reaches it.
  const TzrRect bar = V()->GetAbsoluteRect();
  EXPECT_GE(bar.Left, 120);
  for (float x : {5.f, 60.f, 115.f}) {
    TzrVisualObject* hit = Root->ObjectByPoint(x, 100);
    for (TzrObject* p = hit; p; p = p->GetParent()) EXPECT_NE(p, V());
  }
  Box->SetShowScrollBars(true);
  EXPECT_EQ(V()->GetOpacity(), 1);
  EXPECT_EQ(V()->GetAlign(), vaRight) << "the style's alignment comes back";
}

TEST_F(ScrollBoxTest, TrackingDragMovesTheContentAndFlingsOn) {
  MakeBox(50, 1000);
  Box->SetMouseTracking(true);
  V()->SetValue(500);
  Press(Box, 50, 100);
  Move(Box, 50, 90);
  Move(Box, 50, 80);
  EXPECT_EQ(V()->GetValue(), 520) << "the content follows the pointer";
  Release(Box, 50, 80);
  Wait(750);
  EXPECT_EQ(V()->GetValue(), 520 + 7 * 10) << "seven times the last step";

  Press(Box, 50, 100);
  Move(Box, 50, 90);
  Move(Box, 50, 90);
  Release(Box, 50, 90);
  EXPECT_EQ(Box->GetLastDelta().Y, 0);
  Wait(750);
  EXPECT_EQ(V()->GetValue(), 600) << "a still last step starts no fling";
}

TEST_F(ScrollBoxTest, SelfTaggedChildrenEffectsAndAnimationsStayOnTheBox) {
  MakeBox(50, 50);
  auto* self = new TzrLayout(&Owner);
  self->SetTagString("self");
  self->SetParent(Box);
  auto* glow = new TzrGlowEffect(&Owner);
  glow->SetParent(Box);
  auto* ani = new TzrFloatAnimation(&Owner);
  ani->SetParent(Box);
  EXPECT_EQ(self->GetParent(), Box);
  EXPECT_EQ(glow->GetParent(), Box);
  EXPECT_EQ(ani->GetParent(), Box);
  EXPECT_EQ(Box->GetContent()->GetChildrenCount(), 1);
}

TEST_F(ScrollBoxTest, ScrolledOutChildrenAreNeitherPaintedNorHit) {
  MakeBox(50, 1000);
  TTestShape* low = Shape("low", 0xFFC03030, 0, 900, 50, 50, Box);
  Box->SetAnimated(false);
  Scene.Rects.clear();
  Child->Paints = low->Paints = 0;
  Show();
  EXPECT_EQ(low->Paints, 0);
  EXPECT_GT(Child->Paints, 0);
  EXPECT_EQ(Root->ObjectByPoint(25, 25), Child);
  V()->SetValue(800);
  EXPECT_EQ(Root->ObjectByPoint(25, 125), low);
  // The first child now lies above the viewport, where the content still
  // reaches: the point is outside the visible window.
  const TzrPoint above = Child->LocalToAbsolute({25, 25});
  EXPECT_LT(above.Y, 0);
  EXPECT_EQ(Box->GetContent()->ObjectByPoint(above.X, above.Y), nullptr);
}

TEST_F(ScrollBoxTest, SmallBarsAndTheOffsetSurviveAStyleChange) {
  MakeBox(50, 1000);
  Box->SetAnimated(false);
  V()->SetValue(300);
  Box->SetUseSmallScrollBars(true);
  ASSERT_TRUE(V());
  EXPECT_EQ(V()->GetResourceName(), "vsmallscrollbar");
  EXPECT_TRUE(V()->GetVisible());
  EXPECT_EQ(V()->GetValue(), 300);
  Box->SetResource("framedscrollboxstyle");
  Show();
  ASSERT_TRUE(V());
  EXPECT_EQ(V()->GetValue(), 300) << "kept across styles";
  EXPECT_EQ(ContentY(), Box->GetContentLayout()->GetPosition()->GetY() - 300);
}

TEST_F(ScrollBoxTest, PresetsTheirStylesAndTheSizeGrip) {
  struct Case {
    const char* Name;
    TzrScrollBox* (*New)(TComponent*);
    bool Framed;
  } cases[] = {
      {"scroll box", [](TComponent* O) -> TzrScrollBox* { return new TzrScrollBox(O); }, false},
      {"vertical", [](TComponent* O) -> TzrScrollBox* { return new TzrVertScrollBox(O); }, false},
      {"framed", [](TComponent* O) -> TzrScrollBox* { return new TzrFramedScrollBox(O); }, true},
      {"framed vertical",
       [](TComponent* O) -> TzrScrollBox* { return new TzrFramedVertScrollBox(O); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Box = c.New(&Owner);
    Box->SetBounds(0, 0, 120, 200);
    Box->SetParent(Root);
    // Rows aligned to the top of the content take its width, the viewport's.
    for (int i = 0; i < 10; ++i) {
      TTestShape* row = Shape("row", 0xFF3060C0, 0, 0, 300, 50, Box);
      row->SetAlign(vaTop);
    }
    Show();
    ASSERT_TRUE(V() && H());
    // The framed style's background is a rectangle, the plain one's a layout.
    EXPECT_EQ(zrClassIs(Box->FindResource("background"), "TzrRectangle"), c.Framed);
    EXPECT_TRUE(V()->GetVisible());
    EXPECT_EQ(V()->GetMax(), 500);
    EXPECT_FALSE(H()->GetEnabled());
    EXPECT_EQ(Box->GetContent()->GetWidth(), Box->ClientWidth());
    auto* grip = dynamic_cast<TzrSizeGrip*>(Box->FindResource("sizegrip"));
    ASSERT_NE(grip, nullptr);
    EXPECT_FALSE(grip->GetVisible());
    Box->SetShowSizeGrip(true);
    grip = dynamic_cast<TzrSizeGrip*>(Box->FindResource("sizegrip"));
    ASSERT_NE(grip, nullptr);
    EXPECT_TRUE(grip->GetVisible());
    delete Box;
  }
}

TEST_F(ScrollBoxTest, AStyleChangeDuringAScrollTakesNewBarsAndAnimations) {
  MakeBox(50, 1000);
  V()->SetValue(500);
  Wheel(120);
  Wait(200);
  // The running animation goes with the old style's bar.
  Box->SetResource("framedscrollboxstyle");
  Show();
  Wait(750);
  const float kept = V()->GetValue();
  EXPECT_GT(kept, 380) << "the new bar did not take the old animation's run";
  EXPECT_LT(kept, 500);
  Wheel(120);
  Wait(750);
  EXPECT_FLOAT_EQ(V()->GetValue(), kept - 3 * V()->GetSmallChange())
      << "a new animation on the new bar";
  EXPECT_EQ(V()->GetChildrenCount() > 0 ? V()->GetChild(V()->GetChildrenCount() - 1) : nullptr,
            Box->GetVScrollAni());
}

}  // namespace
