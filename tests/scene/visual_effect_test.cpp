// Effects: bookkeeping on the node, triggers, and drawing before, after or
// in place of the node.
#include <gtest/gtest.h>

#include "scene/zr_bitmap.h"
#include "tests/platform_gdiplus/color_near.h"
#include "visual_scene.h"

namespace {

using color_test::Near;

constexpr TzrColor White = 0xFFFFFFFF, Red = 0xFFFF0000, Green = 0xFF00C000;

class VisualEffect : public VisualTest {
 protected:
  TTestGlow* Glow(TzrVisualObject* Node) {
    auto* glow = new TTestGlow(&Owner);
    glow->SetParent(Node);
    return glow;
  }
};

TEST_F(VisualEffect, GlowIsDrawnBeforeAfterOrInPlaceOfTheNode) {
  struct Case {
    const char* Name;
    bool After, Replace;
    TzrColor Centre, Child;
    bool OwnPaint;
  };
  const Case cases[] = {
      {"before", false, false, Red, 0xFF0000FF, true},
      {"after", true, false, Green, Green, true},
      {"replacing", false, true, Green, Green, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestShape* node = Shape("node", Red, 50, 50, 40, 40);
    Shape("child", 0xFF0000FF, 25, 25, 10, 10, node);
    int onPaint = 0;
    node->OnPaint = [&](TObject*, TzrCanvas*, const TzrRect&) { ++onPaint; };
    TTestGlow* glow = Glow(node);
    glow->SetAfterPaint(c.After);
    glow->SetDisablePaint(c.Replace);
    Scene.DrawAll();
    EXPECT_TRUE(Near(Scene.Pixel(70, 70), c.Centre));
    EXPECT_TRUE(Near(Scene.Pixel(80, 80), c.Child));
    EXPECT_TRUE(Near(Scene.Pixel(47, 70), Green)) << "the glow margin";
    EXPECT_TRUE(Near(Scene.Pixel(42, 70), White));
    EXPECT_EQ(onPaint > 0, c.OwnPaint);
    EXPECT_EQ(glow->Processed, 1);
    delete node;
  }
}

TEST_F(VisualEffect, CachedEffectImageIsRenderedAgainOnlyWhenStale) {
  TTestShape* node = Shape("node", Red, 50, 50, 40, 40);
  TTestGlow* glow = Glow(node);
  Scene.DrawAll();
  Scene.DrawAll();
  EXPECT_EQ(glow->Processed, 1);
  EXPECT_TRUE(Near(Scene.Pixel(47, 70), Green));
  node->GetPosition()->SetPoint({60, 50});
  Scene.Draw();
  EXPECT_EQ(glow->Processed, 2);
  EXPECT_TRUE(Near(Scene.Pixel(47, 70), White));
  EXPECT_TRUE(Near(Scene.Pixel(57, 70), Green));
  // A child's change makes the ancestor's image stale (it shows the subtree).
  TTestShape* child = Shape("child", Red, 5, 5, 5, 5, node);
  Scene.Draw();
  const int before = glow->Processed;
  child->GetPosition()->SetX(6);
  EXPECT_TRUE(node->GetEffectsStale());
  Scene.Draw();
  EXPECT_EQ(glow->Processed, before + 1);
}

TEST_F(VisualEffect, AfterPaintEffectIsDrawnThoughItsNodeIsNot) {
  TTestShape* node = Shape("node", Red, 100, 100, 40, 40);
  Glow(node)->SetAfterPaint(true);
  Scene.DrawAll();
  node->Paints = 0;
  Scene.Rects = {zrRect(0, 0, 50, 50)};
  Scene.DrawUnclipped();
  EXPECT_EQ(node->Paints, 0);
  EXPECT_TRUE(Near(Scene.Pixel(120, 120), Green));
  EXPECT_TRUE(Near(Scene.Pixel(97, 120), Green));
}

TEST_F(VisualEffect, BookkeepingFollowsTheEnabledEffectChildren) {
  TTestShape* node = Shape("node", Red, 50, 50, 40, 40);
  EXPECT_FALSE(node->GetHasEffect());
  TTestGlow* glow = Glow(node);
  EXPECT_TRUE(node->GetHasEffect());
  EXPECT_EQ(node->GetEffectsRect(), zrRect(-5, -5, 45, 45));
  EXPECT_EQ(node->GetUpdateRect(), zrRect(45, 45, 95, 95));
  glow->SetEnabled(false);
  EXPECT_EQ(node->GetEffectsRect(), zrRect(0, 0, 40, 40)) << "a disabled effect adds nothing";
  EXPECT_EQ(node->GetUpdateRect(), zrRect(50, 50, 90, 90));
  glow->SetEnabled(true);
  glow->SetAfterPaint(true);
  glow->SetDisablePaint(true);
  EXPECT_TRUE(node->HasAfterPaintEffect());
  EXPECT_TRUE(node->HasDisablePaintEffect());
  node->SetDisableEffect(true);
  node->RecalcHasEffect();
  EXPECT_FALSE(node->GetHasEffect());
  EXPECT_FALSE(node->HasAfterPaintEffect());
  EXPECT_FALSE(node->HasDisablePaintEffect());
  node->SetDisableEffect(false);
  glow->SetAfterPaint(false);
  glow->SetDisablePaint(false);
  node->RecalcHasEffect();
  Scene.Rects.clear();
  delete glow;
  EXPECT_FALSE(node->GetHasEffect()) << "the last effect left";
  EXPECT_TRUE(Scene.Covered(zrRect(45, 45, 95, 95))) << "its margins are repainted";
  EXPECT_EQ(node->GetUpdateRect(), zrRect(50, 50, 90, 90));
}

TEST_F(VisualEffect, FocusTriggerSwitchesTheEffectAndRepaintsItsMargin) {
  TTestShape* node = Shape("node", Red, 50, 50, 40, 40);
  node->SetCanFocused(true);
  TTestGlow* glow = Glow(node);
  glow->SetTrigger("IsFocused=true");
  glow->SetEnabled(false);
  Scene.SetFocused(node);
  EXPECT_TRUE(glow->GetEnabled());
  Scene.Rects.clear();
  Scene.SetFocused(nullptr);
  EXPECT_FALSE(glow->GetEnabled());
  EXPECT_TRUE(Scene.Covered(zrRect(45, 45, 95, 95))) << "the glow's area is repainted";
  Scene.Draw();
  EXPECT_TRUE(Near(Scene.Pixel(47, 70), White));
}

TEST_F(VisualEffect, TheLastEvaluatedConditionDecides) {
  TTestShape* node = Shape("node", Red, 50, 50, 40, 40);
  TTestGlow* glow = Glow(node);
  struct Case {
    const char* Trigger;
    const char* Called;
    bool Before, After;
  };
  const Case cases[] = {
      {"IsFocused=true;IsVisible=true", "IsVisible", false, true},
      {"IsVisible=true;IsFocused=true", "IsVisible", true, false},
      {"IsVisible = TRUE", "isvisible", false, true},
      {"Caption=abc;Width=40", "Width", true, false},  // no enumeration: off
      {"IsVisible=true", "IsFocused", true, true},     // another trigger: untouched
      {"", "IsVisible", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Trigger);
    glow->SetEnabled(c.Before);
    glow->SetTrigger(c.Trigger);
    node->ApplyTriggerEffect(node, c.Called);
    EXPECT_EQ(glow->GetEnabled(), c.After);
  }
}

}  // namespace
