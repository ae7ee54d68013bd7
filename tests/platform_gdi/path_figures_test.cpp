// Paths made of text and of arcs that go on from one another.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/platform_gdi/dc_fixture.h"

namespace gdi_test {
namespace {

TEST(GdiPathFigures, TextInsideAPathBecomesItsOutlines) {
  Canvas c(120, 60);
  LOGFONTW lf;
  lf.lfHeight = -40;
  const char16_t face[] = u"Arial";
  std::copy(std::begin(face), std::end(face), lf.lfFaceName);
  c.Select(CreateFontIndirectW(&lf));
  c.Select(CreateSolidBrush(kRed));
  SetBkMode(c.Dc, TRANSPARENT);
  ASSERT_TRUE(BeginPath(c.Dc));
  const char16_t text[] = u"HH";
  TextOutW(c.Dc, 10, 5, reinterpret_cast<const WCHAR*>(text), 2);
  EndPath(c.Dc);
  EXPECT_EQ(c.Count(), 0);  // recorded, not painted
  FillPath(c.Dc);
  Ink ink = c.InkBox();
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.Left, 10);
  EXPECT_GT(ink.Right - ink.Left, 30);
  int red = 0;
  for (int y = 0; y < 60; y++)
    for (int x = 0; x < 120; x++) red += c.At(x, y) == kRed;
  EXPECT_GT(red, 100);
}

TEST(GdiPathFigures, ArcGoingOnFromAnArcStaysInTheFigure) {
  // A ring sector: the outer arc, a line to the hole and the inner arc back.
  Canvas c(100, 100);
  c.Select(CreateSolidBrush(kRed));
  c.Select(CreatePen(PS_NULL, 0, 0));
  auto rim = [](double deg, double r) {
    double a = deg * M_PI / 180;
    return POINT{LONG(std::lround(50 + r * std::cos(a))), LONG(std::lround(50 - r * std::sin(a)))};
  };
  POINT s = rim(45, 40), e = rim(200, 40);
  BeginPath(c.Dc);
  MoveToEx(c.Dc, s.x, s.y, nullptr);
  ArcTo(c.Dc, 10, 10, 90, 90, s.x, s.y, e.x, e.y);
  SetArcDirection(c.Dc, AD_CLOCKWISE);
  ArcTo(c.Dc, 34, 34, 66, 66, e.x, e.y, s.x, s.y);
  SetArcDirection(c.Dc, AD_COUNTERCLOCKWISE);
  CloseFigure(c.Dc);
  EndPath(c.Dc);
  FillPath(c.Dc);
  POINT inRing = rim(120, 30), inHole = rim(120, 8);
  EXPECT_EQ(c.At(inRing.x, inRing.y), kRed);
  EXPECT_EQ(c.At(inHole.x, inHole.y), kWhite);
}

}  // namespace
}  // namespace gdi_test
