// The placement rules as numbers: every side placement against the target's
// rectangle and against a placement rectangle, the screen placements
// without a target, and the monitor rule.

#include <gtest/gtest.h>

#include "platform/rtl/Rtti.h"
#include "scene/zr_popup.h"

namespace {

// Popup 30 x 20, offsets 3 and 5, target 100 x 40; the placement rectangle
// (10, 12)-(60, 52) is 50 x 40, so no centre coincides with a corner.
TzrPlacementInput Input(bool WithRect) {
  TzrPlacementInput in;
  in.W = 30;
  in.H = 20;
  in.HO = 3;
  in.VO = 5;
  in.TW = 100;
  in.TH = 40;
  if (WithRect) in.PR = {10, 12, 60, 52};
  return in;
}

struct TCase {
  TzrPlacement Placement;
  TzrPoint AtTarget;  // PR empty
  TzrPoint AtRect;    // PR given
};

const TCase kTargetCases[] = {
    {zrPlacementBottom, {3, 45}, {13, 57}},
    {zrPlacementTop, {3, -25}, {13, -13}},
    {zrPlacementLeft, {-33, 5}, {-23, 17}},
    {zrPlacementRight, {103, 5}, {63, 17}},
    {zrPlacementCenter, {38, 15}, {23, 27}},
    {zrPlacementBottomCenter, {38, 45}, {23, 57}},
    {zrPlacementTopCenter, {38, -25}, {23, -13}},
    // Centred vertically on the target, but aligned with the rectangle's top.
    {zrPlacementLeftCenter, {-33, 15}, {-23, 17}},
    {zrPlacementRightCenter, {103, 15}, {63, 17}},
};

TEST(PopupPlacement, SidePlacementsAgainstTargetAndRectangle) {
  for (const TCase& c : kTargetCases) {
    SCOPED_TRACE(zrPlacementInfo().NameOf(c.Placement));
    const TzrPoint t = zrPlaceAtTarget(c.Placement, Input(false));
    EXPECT_FLOAT_EQ(t.X, c.AtTarget.X);
    EXPECT_FLOAT_EQ(t.Y, c.AtTarget.Y);
    const TzrPoint r = zrPlaceAtTarget(c.Placement, Input(true));
    EXPECT_FLOAT_EQ(r.X, c.AtRect.X);
    EXPECT_FLOAT_EQ(r.Y, c.AtRect.Y);
  }
}

TEST(PopupPlacement, RectangleWithoutAreaCountsAsEmpty) {
  TzrPlacementInput in = Input(false);
  in.PR = {10, 12, 60, 12};  // no height
  const TzrPoint p = zrPlaceAtTarget(zrPlacementBottom, in);
  EXPECT_FLOAT_EQ(p.X, 3);
  EXPECT_FLOAT_EQ(p.Y, 45);
}

TEST(PopupPlacement, ScreenPlacementsWithoutTarget) {
  // The centred sides fall back to their side; the rectangle's height may
  // be zero (a line on the screen).
  const struct {
    TzrPlacement Placement;
    TzrPoint Expected;
  } cases[] = {
      {zrPlacementBottom, {13, 57}}, {zrPlacementBottomCenter, {13, 57}},
      {zrPlacementTop, {13, -13}},   {zrPlacementTopCenter, {13, -13}},
      {zrPlacementLeft, {-23, 17}},  {zrPlacementLeftCenter, {-23, 17}},
      {zrPlacementRight, {63, 17}},  {zrPlacementRightCenter, {63, 17}},
      {zrPlacementCenter, {23, 27}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(zrPlacementInfo().NameOf(c.Placement));
    const TzrPoint p = zrPlaceOnScreen(c.Placement, Input(true));
    EXPECT_FLOAT_EQ(p.X, c.Expected.X);
    EXPECT_FLOAT_EQ(p.Y, c.Expected.Y);
  }
}

TEST(PopupPlacement, MonitorRuleMovesOnlyLeftAndUp) {
  const TzrRect monitor{0, 0, 1280, 1024};
  const struct {
    int X, Y, W, H;
    int ExpectX, ExpectY;
  } cases[] = {
      {100, 100, 200, 150, 100, 100},    // inside: stays
      {1200, 100, 200, 150, 1080, 100},  // past the right edge
      {100, 950, 200, 150, 100, 874},    // past the bottom edge
      {1279, 1023, 2, 2, 1278, 1022},    // one pixel past both
      {-50, -40, 200, 150, -50, -40},    // left and top are not corrected
      {1080, 874, 200, 150, 1080, 874},  // ending exactly at the edges
  };
  for (const auto& c : cases) {
    int x = c.X, y = c.Y;
    zrKeepOnMonitor(x, y, c.W, c.H, monitor);
    EXPECT_EQ(x, c.ExpectX) << c.X << "," << c.Y;
    EXPECT_EQ(y, c.ExpectY) << c.X << "," << c.Y;
  }
}

}  // namespace
