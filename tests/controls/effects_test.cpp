// Bitmap effects on nodes of a small scene: their areas, their parameters
// as streams set them, and what they draw.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "controls/zr_effects.h"
#include "platform/rtl/Rtti.h"
#include "scene/zr_bitmap.h"
#include "tests/controls/effects_fixture.h"
#include "tests/platform_gdiplus/color_near.h"

namespace {

using color_test::Near;

constexpr TzrColor White = 0xFFFFFFFF, Red = 0xFFFF0000;

using Effects = EffectsTest;

uint32_t Channel(TzrColor C, int Shift) { return (C >> Shift) & 0xFF; }

TEST_F(Effects, AreasOffsetsAndPaintOrderOfEveryEffect) {
  struct Case {
    const char* Class;
    TzrRect Rect;  // GetRect of a 40 x 40 node
    float Offset;
    bool After, Replace;
  };
  const float d = 3 * std::cos(float(M_PI) / 4);  // the default shadow's shift
  const Case cases[] = {
      {"TzrShadowEffect", {-6 + d, -6 + d, 46 + d, 46 + d}, 6, false, false},
      {"TzrGlowEffect", {-13, -13, 53, 53}, 13, false, false},
      {"TzrInnerGlowEffect", {-8, -8, 48, 48}, 8, true, false},
      {"TzrBlurEffect", {-6, -6, 46, 46}, 6, false, true},
      {"TzrBevelEffect", {-5, -5, 45, 45}, 5, false, true},
      {"TzrReflectionEffect", {-2, 38, 42, 82}, 2, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Class);
    TTestShape* node = Shape("node", Red, 50, 50, 40, 40);
    const TClassInfo* info = GetClass(c.Class);
    ASSERT_NE(info, nullptr) << "registered for streams";
    auto* effect = dynamic_cast<TzrEffect*>(info->Create(&Owner));
    ASSERT_NE(effect, nullptr);
    effect->SetParent(node);
    const TzrRect r = effect->GetRect(node->GetLocalRect());
    EXPECT_NEAR(r.Left, c.Rect.Left, 1e-4);
    EXPECT_NEAR(r.Top, c.Rect.Top, 1e-4);
    EXPECT_NEAR(r.Right, c.Rect.Right, 1e-4);
    EXPECT_NEAR(r.Bottom, c.Rect.Bottom, 1e-4);
    EXPECT_EQ(effect->GetOffset().X, c.Offset);
    EXPECT_EQ(effect->GetOffset().Y, c.Offset);
    EXPECT_EQ(effect->GetAfterPaint(), c.After);
    EXPECT_EQ(effect->GetDisablePaint(), c.Replace);
    delete node;
  }
}

TEST_F(Effects, DefaultShadowGrowsTheRepaintAreaTowardsItsDirection) {
  TTestShape* node = Shape("node", Red, 50, 50, 40, 40);
  Add<TzrShadowEffect>(node);
  const TzrRect r = node->GetEffectsRect();
  EXPECT_NEAR(r.Left, -3.8787f, 1e-3);
  EXPECT_NEAR(r.Top, -3.8787f, 1e-3);
  EXPECT_NEAR(r.Right, 48.1213f, 1e-3);
  EXPECT_NEAR(r.Bottom, 48.1213f, 1e-3);
}

TEST_F(Effects, PublishedParametersAreClampedWhereTheyHaveARange) {
  struct Case {
    const char* Class;
    const char* Prop;
    float Value, Stored;
  };
  const Case cases[] = {
      {"TzrShadowEffect", "Softness", 5, 3},          {"TzrShadowEffect", "Softness", -1, 0},
      {"TzrShadowEffect", "Opacity", 1.5f, 1},        {"TzrShadowEffect", "Opacity", -1, 0},
      {"TzrShadowEffect", "Distance", -7, -7},        {"TzrShadowEffect", "Direction", 400, 400},
      {"TzrGlowEffect", "Softness", 12, 9},           {"TzrGlowEffect", "Opacity", 2, 1},
      {"TzrInnerGlowEffect", "Softness", 12, 9},      {"TzrBlurEffect", "Softness", 12, 9},
      {"TzrReflectionEffect", "Length", 0.05f, 0.1f}, {"TzrReflectionEffect", "Length", 2, 1},
      {"TzrReflectionEffect", "Opacity", 3, 3},       {"TzrBevelEffect", "Direction", -30, -30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Class) + "." + c.Prop);
    std::unique_ptr<TObject> effect(GetClass(c.Class)->Create(nullptr));
    const TPropInfo* prop = GetPropInfo(effect.get(), c.Prop);
    ASSERT_NE(prop, nullptr);
    prop->SetFloat(effect.get(), c.Value);
    EXPECT_FLOAT_EQ(float(prop->GetFloat(effect.get())), c.Stored);
  }
}

TEST_F(Effects, ColoursReadAndWriteAsColourText) {
  TzrShadowEffect shadow(nullptr);
  TzrGlowEffect glow(nullptr);
  EXPECT_EQ(shadow.GetShadowColor(), "#FF000000");
  EXPECT_EQ(glow.GetGlowColor(), "#FFFFD700");
  shadow.SetShadowColor("Red");
  glow.SetGlowColor("#80123456");
  EXPECT_EQ(shadow.GetShadowColor(), "#FFFF0000");
  EXPECT_EQ(glow.GetGlowColor(), "#80123456");
}

TEST_F(Effects, ChangingAParameterRebuildsTheEffectImageOnlyOnAChange) {
  TTestShape* node = Shape("node", Red, 50, 50, 40, 40);
  auto* glow = Add<TzrGlowEffect>(node);
  Scene.DrawAll();
  EXPECT_FALSE(node->GetEffectsStale());
  glow->SetOpacity(0.9f);
  EXPECT_FALSE(node->GetEffectsStale()) << "the same value";
  EXPECT_TRUE(Scene.Rects.empty());
  glow->SetOpacity(0.5f);
  EXPECT_TRUE(node->GetEffectsStale());
  EXPECT_TRUE(Scene.Covered(zrRect(50 - 13, 50 - 13, 90 + 13, 90 + 13)));
}

TEST_F(Effects, ShadowFallsBesideTheNodeAndNeverShowsThroughIt) {
  // An opaque node and a half-transparent one (its own opacity, then its
  // fill's alpha): inside, each looks exactly as it does without a shadow.
  struct Case {
    const char* Name;
    float Opacity;
    TzrColor Fill;
  };
  const Case cases[] = {
      {"opaque", 1, Red}, {"half opacity", 0.5f, Red}, {"half alpha", 1, 0x80FF0000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestShape* node = Shape("node", c.Fill, 50, 50, 40, 40);
    node->SetOpacity(c.Opacity);
    Scene.DrawAll();
    const TzrColor plain = Scene.Pixel(70, 70), plainEdge = Scene.Pixel(88, 88);
    Add<TzrShadowEffect>(node);
    Scene.DrawAll();
    EXPECT_TRUE(Near(Scene.Pixel(70, 70), plain, 1));
    EXPECT_TRUE(Near(Scene.Pixel(88, 88), plainEdge, 1));
    // Below and right of the node: grey, darkest next to it.
    const TzrColor beside = Scene.Pixel(92, 70);
    EXPECT_EQ(Channel(beside, 16), Channel(beside, 0)) << "grey";
    EXPECT_LT(Channel(beside, 16), 245u);
    EXPECT_LT(Channel(Scene.Pixel(70, 92), 8), Channel(Scene.Pixel(70, 96), 8));
    EXPECT_EQ(Scene.Pixel(70, 99), White) << "beyond the blur";
    EXPECT_EQ(Scene.Pixel(70, 44), White) << "the shadow is cast down and right";
    delete node;
  }
}

TEST_F(Effects, GlowShowsOnlyOutsideAndInnerGlowOnlyInside) {
  TTestShape* outer = Shape("outer", Red, 20, 60, 40, 40);
  Add<TzrGlowEffect>(outer);
  TTestShape* inner = Shape("inner", Red, 120, 60, 40, 40);
  Add<TzrInnerGlowEffect>(inner);
  Scene.DrawAll();
  // Glow: gold just outside, none inside, white beyond its margin.
  const TzrColor halo = Scene.Pixel(18, 80);
  EXPECT_GT(Channel(halo, 8), Channel(halo, 0) + 40) << "a gold tint on white";
  EXPECT_EQ(Scene.Pixel(21, 80), Red);
  EXPECT_EQ(Scene.Pixel(40, 80), Red);
  EXPECT_EQ(Scene.Pixel(6, 80), White);
  // Inner glow: gold just inside, the centre untouched, nothing outside.
  EXPECT_GT(Channel(Scene.Pixel(121, 80), 8), 60u);
  EXPECT_EQ(Scene.Pixel(140, 80), Red);
  EXPECT_EQ(Scene.Pixel(118, 80), White);
  EXPECT_EQ(Scene.Pixel(140, 58), White);
}

TEST_F(Effects, BlurReplacesTheNodeWithASoftenedPicture) {
  struct Case {
    float Softness;
    bool Sharp;
  };
  for (const Case c : {Case{0, true}, Case{0.3f, false}}) {
    SCOPED_TRACE(c.Softness);
    TTestShape* node = Shape("node", Red, 50, 50, 40, 40);
    Add<TzrBlurEffect>(node)->SetSoftness(c.Softness);
    Scene.DrawAll();
    EXPECT_EQ(node->GetEffectBitmap() != nullptr, true) << "drawn through the effect";
    EXPECT_EQ(Scene.Pixel(70, 70), Red);
    EXPECT_EQ(Scene.Pixel(50, 70) == Red, c.Sharp);
    EXPECT_EQ(Scene.Pixel(48, 70) == White, c.Sharp);
    delete node;
  }
}

TEST_F(Effects, BevelLightsTheEdgesFacingItsDirection) {
  TTestShape* node = Shape("node", Red, 50, 50, 40, 40);
  Scene.DrawAll();
  const TzrColor corners[] = {Scene.Pixel(50, 50), Scene.Pixel(89, 89), Scene.Pixel(49, 49)};
  auto* bevel = Add<TzrBevelEffect>(node);
  bevel->SetSize(0);
  Scene.DrawAll();
  EXPECT_EQ(Scene.Pixel(50, 50), corners[0]) << "size 0 leaves the picture";
  EXPECT_EQ(Scene.Pixel(89, 89), corners[1]);
  EXPECT_EQ(Scene.Pixel(49, 49), corners[2]);
  EXPECT_EQ(Scene.Pixel(70, 70), Red);

  bevel->SetSize(10);
  Scene.Draw();
  const TzrColor lit = Scene.Pixel(52, 52), shaded = Scene.Pixel(87, 87);
  EXPECT_GT(Channel(lit, 8), 30u) << "lighter: the red takes some white";
  EXPECT_EQ(Channel(lit, 16), 255u);
  EXPECT_LT(Channel(shaded, 16), 225u) << "darker";
  EXPECT_EQ(Channel(shaded, 8), 0u);
  EXPECT_EQ(Scene.Pixel(70, 70), Red) << "the flat middle keeps its colour";
}

TEST_F(Effects, ReflectionMirrorsFiftyTwoRowsFadingToNothing) {
  TTestShape* node = Shape("node", Red, 50, 0, 40, 100);
  Add<TzrReflectionEffect>(node);
  Scene.DrawAll();
  const TzrBitmap* b = node->GetEffectBitmap();
  ASSERT_NE(b, nullptr);
  ASSERT_EQ(b->GetHeight(), 104);
  // Rows 0 and 1 are the mirrored margin; a = round(103 x 0.5) = 52.
  auto alpha = [&](int Y) { return b->GetPixels(20, Y) >> 24; };
  EXPECT_EQ(alpha(1), 0u);
  EXPECT_EQ(alpha(2), 122u);  // trunc(0.5 x 50 / 52 x 255)
  EXPECT_EQ(alpha(51), 2u);   // trunc(0.5 x 1 / 52 x 255)
  EXPECT_EQ(alpha(52), 0u);
  EXPECT_EQ(alpha(80), 0u);
  // On screen from 98 down: red at first, white from row 98 + 52.
  EXPECT_GT(Channel(Scene.Pixel(70, 101), 0), 0u);
  EXPECT_LT(Channel(Scene.Pixel(70, 101), 8), 160u);
  EXPECT_EQ(Scene.Pixel(70, 151), White);
}

TEST_F(Effects, ReflectionOpacityAboveOneHoldsAlphaAtFull) {
  TTestShape* node = Shape("node", Red, 50, 0, 40, 100);
  Add<TzrReflectionEffect>(node)->SetOpacity(3);
  Scene.DrawAll();
  const TzrBitmap* b = node->GetEffectBitmap();
  ASSERT_NE(b, nullptr);
  // 3 x 50 / 52 x 255 = 735 would wrap into the red byte; it is held at 255.
  EXPECT_EQ(b->GetPixels(20, 2), 0xFFFF0000u);
  EXPECT_EQ(b->GetPixels(20, 45) >> 24, 102u);  // trunc(3 x 7 / 52 x 255)
  for (int y = 0; y < b->GetHeight(); ++y) {
    const TzrColor p = b->GetPixels(20, y);
    ASSERT_LE(Channel(p, 16), p >> 24) << "premultiplied, row " << y;
  }
}

TEST_F(Effects, DisabledGlowFollowsItsTrigger) {
  TTestShape* node = Shape("node", Red, 50, 50, 40, 40);
  node->SetCanFocused(true);
  auto* glow = Add<TzrGlowEffect>(node);
  glow->SetEnabled(false);
  glow->SetTrigger("IsFocused=true");
  Scene.DrawAll();
  EXPECT_EQ(Scene.Pixel(48, 70), White);
  Scene.SetFocused(node);
  EXPECT_TRUE(glow->GetEnabled());
  Scene.Draw();
  EXPECT_NE(Scene.Pixel(48, 70), White);
  Scene.SetFocused(nullptr);
  EXPECT_FALSE(glow->GetEnabled());
  Scene.Draw();
  EXPECT_EQ(Scene.Pixel(48, 70), White) << "the area with the margin was repainted";
}

}  // namespace
