// Gradients and brushes: colour stops and interpolation, change events that
// reach the owner, Assign, and what a brush writes to a stream for each style.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "checks.h"
#include "scene/zr_brush.h"
#include "scene/zr_gradient.h"
#include "value_holder.h"

namespace {

void SetStops(TzrGradient& Gradient, std::initializer_list<std::pair<TzrColor, float>> Stops) {
  Gradient.GetPoints()->Clear();
  for (const auto& [color, offset] : Stops) Gradient.GetPoints()->AddPoint(color, offset);
}

// ---------------------------------------------------------------- gradient

TEST(ZrGradient, NewGradientRunsFromBlackToWhite) {
  TzrGradient gradient;
  ASSERT_EQ(gradient.GetPoints()->Count(), 2);
  EXPECT_EQ(gradient.GetPoints()->GetPoint(0)->GetIntColor(), 0xFF000000u);
  EXPECT_EQ(gradient.GetPoints()->GetPoint(1)->GetOffset(), 1);
  EXPECT_EQ(gradient.GetStopPosition()->GetPoint(), (TzrPoint{0, 1}));
  struct Case {
    float offset;
    TzrColor expected;
  };
  for (const Case& c : {Case{0.5f, 0xFF7F7F7F}, Case{-1, 0xFF000000}, Case{2, 0xFFFFFFFF},
                        Case{0, 0xFF000000}, Case{1, 0xFFFFFFFF}, Case{NAN, 0xFF000000}})
    EXPECT_EQ(gradient.InterpolateColor(c.offset), c.expected) << "offset " << c.offset;
}

TEST(ZrGradient, InterpolationEdgeCases) {
  TzrGradient gradient;
  // Two stops at the same offset: at exactly that offset the later pair decides.
  SetStops(gradient, {{0xFF000000, 0}, {0xFFFF0000, 0.5f}, {0xFF00FF00, 0.5f}, {0xFF0000FF, 1}});
  EXPECT_EQ(gradient.InterpolateColor(0.5f), 0xFF00FF00u);
  // Before the first stop and after the last, their colours.
  SetStops(gradient, {{0xFFFF0000, 0.25f}, {0xFF0000FF, 0.75f}});
  EXPECT_EQ(gradient.InterpolateColor(0.1f), 0xFFFF0000u);
  EXPECT_EQ(gradient.InterpolateColor(0.9f), 0xFF0000FFu);
  // Fewer than two stops: transparent black.
  SetStops(gradient, {{0xFFFF0000, 0.5f}});
  EXPECT_EQ(gradient.InterpolateColor(0.5f), 0u);
  SetStops(gradient, {});
  EXPECT_EQ(gradient.InterpolateColor(0.5f), 0u);
}

TEST(ZrGradient, StopTableGrows) {
  TzrGradient gradient;
  SetStops(gradient, {});
  for (int i = 0; i <= 40; ++i)
    gradient.GetPoints()->AddPoint(0xFF000000u | TzrColor(i), i / 40.0f);
  ASSERT_EQ(gradient.GetPoints()->Count(), 41);
  EXPECT_EQ(gradient.GetPoints()->GetPoint(40)->GetIntColor(), 0xFF000028u);
  EXPECT_EQ(gradient.InterpolateColor(1), 0xFF000028u);
}

TEST(ZrGradient, PositionsAndTransformReachTheOwner) {
  TzrGradient gradient;
  TEventCount events;
  gradient.OnChanged = events.Handler();
  gradient.SetStyle(zrLinearGradient);
  gradient.SetColor("#FFFF0000");
  gradient.SetColor1("#FF00FF00");
  EXPECT_EQ(events.Count, 0) << "same style and stop colours fire nothing";
  EXPECT_EQ(gradient.GetPoints()->GetPoint(1)->GetIntColor(), 0xFF00FF00u);
  gradient.GetStartPosition()->SetX(0.5f);
  gradient.GetStopPosition()->SetY(0.5f);
  gradient.GetRadialTransform()->SetRotateAngle(45);
  gradient.SetStyle(zrRadialGradient);
  EXPECT_EQ(events.Count, 4);
}

TEST(ZrGradient, AssignCopiesStopsAndTheStylesPartOnce) {
  TzrGradient source;
  SetStops(source, {{0xFF112233, 0}, {0xFF445566, 0.3f}, {0xFF778899, 1}});
  source.GetStartPosition()->SetPoint({0.2f, 0.3f});
  source.GetRadialTransform()->SetRotateAngle(10);

  TzrGradient linear;
  TEventCount events;
  linear.OnChanged = events.Handler();
  linear.Assign(&source);
  EXPECT_EQ(events.Count, 1);
  ASSERT_EQ(linear.GetPoints()->Count(), 3);
  EXPECT_EQ(linear.GetPoints()->GetPoint(1)->GetIntColor(), 0xFF445566u);
  EXPECT_EQ(linear.GetPoints()->GetPoint(1)->GetOffset(), 0.3f);
  EXPECT_EQ(linear.GetStartPosition()->GetPoint(), (TzrPoint{0.2f, 0.3f}));
  EXPECT_EQ(linear.GetRadialTransform()->GetRotateAngle(), 0) << "linear copies no transform";

  source.SetStyle(zrRadialGradient);
  TzrGradient radial;
  radial.Assign(&source);
  EXPECT_EQ(radial.GetRadialTransform()->GetRotateAngle(), 10);
  EXPECT_EQ(radial.GetStartPosition()->GetPoint(), (TzrPoint{0, 0})) << "radial copies no axis";
}

// ---------------------------------------------------------------- brush

TEST(ZrBrush, SettersAndPartsFireTheBrushEvent) {
  TzrBrush brush(zrBrushSolid, 0xFF000000);
  TEventCount events;
  brush.OnChanged = events.Handler();
  brush.SetSolidColor(0xFF000000);
  brush.SetStyle(zrBrushSolid);
  brush.GetBitmap()->SetWrapMode(zrWrapTile);
  EXPECT_EQ(events.Count, 0);
  brush.SetColor("#FFFF0000");
  EXPECT_EQ(events.Count, 1);
  brush.GetGradient()->GetStopPosition()->SetX(1);
  brush.GetBitmap()->SetWrapMode(zrWrapTileStretch);
  EXPECT_EQ(events.Count, 3);
  brush.GetBitmap()->GetBitmap()->SetSize(2, 2);
  EXPECT_EQ(events.Count, 3) << "changes inside the bitmap stay there";
}

TEST(ZrBrush, SetColorOnAGradientBrushAlsoSetsTheFirstStop) {
  TzrBrush brush(zrBrushGradient, 0xFF000000);
  brush.SetColor("#FF00FF00");
  EXPECT_EQ(brush.GetSolidColor(), 0xFF00FF00u);
  EXPECT_EQ(brush.GetGradient()->GetPoints()->GetPoint(0)->GetIntColor(), 0xFF00FF00u);
  TzrBrush solid(zrBrushSolid, 0xFF000000);
  solid.SetColor("#FF00FF00");
  EXPECT_EQ(solid.GetGradient()->GetPoints()->GetPoint(0)->GetIntColor(), 0xFF000000u);
  solid.SetColor("no colour");
  EXPECT_EQ(solid.GetSolidColor(), 0u);
}

TEST(ZrBrush, AssignCopiesOnlyThePartTheStyleUses) {
  TzrBrush source(zrBrushNone, 0xFF0000FF);
  source.SetStyle(zrBrushGradient);
  source.SetSolidColor(0xFF123456);
  SetStops(*source.GetGradient(), {{0xFFAA0000, 0}, {0xFF00AA00, 1}});
  source.GetBitmap()->SetWrapMode(zrWrapTileOriginal);

  TzrBrush copy;
  TEventCount events;
  copy.OnChanged = events.Handler();
  copy.Assign(&source);
  EXPECT_EQ(events.Count, 1);
  EXPECT_EQ(copy.GetStyle(), zrBrushGradient);
  EXPECT_EQ(copy.GetDefaultStyle(), zrBrushNone);
  EXPECT_EQ(copy.GetDefaultColor(), 0xFF0000FFu);
  EXPECT_EQ(copy.GetSolidColor(), 0xFF123456u);
  EXPECT_EQ(copy.GetGradient()->GetPoints()->GetPoint(0)->GetIntColor(), 0xFFAA0000u);
  EXPECT_EQ(copy.GetBitmap()->GetWrapMode(), zrWrapTile) << "the bitmap part is not used";

  source.SetStyle(zrBrushBitmap);
  TzrBrush bitmapCopy;
  bitmapCopy.Assign(&source);
  EXPECT_EQ(bitmapCopy.GetBitmap()->GetWrapMode(), zrWrapTileOriginal);
  EXPECT_EQ(bitmapCopy.GetGradient()->GetPoints()->GetPoint(0)->GetIntColor(), 0xFF000000u);
}

TEST(ZrBrushStream, SolidColourIsWrittenOnlyWhenNotTheDefault) {
  TTestValueHolder holder;  // Fill: solid, default colour black
  holder.Fill->SetSolidColor(0xFF000000);
  EXPECT_FALSE(Contains(HolderText(holder), "Fill.")) << HolderText(holder);
  holder.Fill->SetColor("#FFFF0000");
  std::string text = HolderText(holder);
  EXPECT_TRUE(Contains(text, "Fill.Color = '#FFFF0000'")) << text;
  holder.Fill->SetStyle(zrBrushGradient);
  text = HolderText(holder);
  EXPECT_FALSE(Contains(text, "Fill.Color")) << text;
  EXPECT_TRUE(Contains(text, "Fill.Style = zrBrushGradient")) << text;
  EXPECT_TRUE(Contains(text, "Fill.Gradient.Points = <")) << text;
  EXPECT_FALSE(Contains(text, "Fill.Bitmap")) << text;
}

TEST(ZrBrushStream, GradientBrushRoundTrips) {
  TTestValueHolder holder;
  holder.Fill->SetStyle(zrBrushGradient);
  TzrGradient& gradient = *holder.Fill->GetGradient();
  SetStops(gradient, {{0xFF102030, 0}, {0x80405060, 0.25f}, {0xFFFFFFFF, 1}});
  gradient.GetStartPosition()->SetPoint({0.5f, 0});
  gradient.GetStopPosition()->SetPoint({0.5f, 1});
  const std::string text = HolderText(holder);
  EXPECT_TRUE(Contains(text, "Fill.Gradient.StartPosition.Point = '(0.500,0)'")) << text;
  EXPECT_FALSE(Contains(text, "RadialTransform")) << text;

  TTestValueHolder copy;
  LoadHolderText(copy, text);
  EXPECT_EQ(copy.Fill->GetStyle(), zrBrushGradient);
  const TzrGradient& loaded = *copy.Fill->GetGradient();
  ASSERT_EQ(loaded.GetPoints()->Count(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(loaded.GetPoints()->GetPoint(i)->GetIntColor(),
              gradient.GetPoints()->GetPoint(i)->GetIntColor());
    EXPECT_EQ(loaded.GetPoints()->GetPoint(i)->GetOffset(),
              gradient.GetPoints()->GetPoint(i)->GetOffset());
  }
  EXPECT_EQ(loaded.GetStartPosition()->GetPoint(), (TzrPoint{0.5f, 0}));
  EXPECT_EQ(loaded.GetStopPosition()->GetPoint(), (TzrPoint{0.5f, 1}));
}

TEST(ZrBrushStream, RadialGradientKeepsItsTransform) {
  TTestValueHolder holder;
  holder.Fill->SetStyle(zrBrushGradient);
  TzrGradient& gradient = *holder.Fill->GetGradient();
  gradient.SetStyle(zrRadialGradient);
  gradient.GetRadialTransform()->SetRotateAngle(30);
  gradient.GetRadialTransform()->GetScale()->SetPoint({2, 0.5f});
  gradient.GetStartPosition()->SetPoint({0.3f, 0.3f});
  const std::string text = HolderText(holder);
  EXPECT_FALSE(Contains(text, "StartPosition")) << text;

  TTestValueHolder copy;
  LoadHolderText(copy, text);
  const TzrGradient& loaded = *copy.Fill->GetGradient();
  EXPECT_EQ(loaded.GetStyle(), zrRadialGradient);
  EXPECT_EQ(loaded.GetRadialTransform()->GetMatrix(), gradient.GetRadialTransform()->GetMatrix());
}

TEST(ZrBrushStream, ResourceBrushWritesItsNameOnly) {
  TTestValueHolder holder;
  holder.Fill->SetStyle(zrBrushResource);
  holder.Fill->GetResource()->SetResourceName("foreground");
  const std::string text = HolderText(holder);
  EXPECT_TRUE(Contains(text, "Fill.Resource.ResourceName = 'foreground'")) << text;
  TTestValueHolder copy;
  LoadHolderText(copy, text);
  EXPECT_EQ(copy.Fill->GetStyle(), zrBrushResource);
  EXPECT_EQ(copy.Fill->GetResource()->GetResourceName(), "foreground");
}

}  // namespace
