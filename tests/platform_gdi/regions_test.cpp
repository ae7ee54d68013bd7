// Regions, clipping and paths.

#include <gtest/gtest.h>

#include "tests/platform_gdi/dc_fixture.h"

namespace gdi_test {
namespace {

TEST(GdiRegions, CombineGivesTheKindAndBox) {
  struct Case {
    int Mode;
    int Kind;
    RECT Box;
  };
  const Case cases[] = {
      {RGN_AND, SIMPLEREGION, {5, 5, 10, 10}},  {RGN_OR, COMPLEXREGION, {0, 0, 15, 15}},
      {RGN_XOR, COMPLEXREGION, {0, 0, 15, 15}}, {RGN_DIFF, COMPLEXREGION, {0, 0, 10, 10}},
      {RGN_COPY, SIMPLEREGION, {0, 0, 10, 10}},
  };
  for (const Case& k : cases) {
    HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(5, 5, 15, 15),
         d = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(d, a, b, k.Mode), k.Kind) << k.Mode;
    RECT box;
    GetRgnBox(d, &box);
    EXPECT_EQ(box.left, k.Box.left) << k.Mode;
    EXPECT_EQ(box.right, k.Box.right) << k.Mode;
    EXPECT_EQ(box.bottom, k.Box.bottom) << k.Mode;
    EXPECT_EQ(PtInRegion(d, 7, 7), k.Mode != RGN_XOR && k.Mode != RGN_DIFF) << k.Mode;
    for (HRGN h : {a, b, d}) DeleteObject(h);
  }
  HRGN a = CreateRectRgn(0, 0, 4, 4), b = CreateRectRgn(8, 8, 9, 9), d = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(d, a, b, RGN_AND), NULLREGION);
  for (HRGN h : {a, b, d}) DeleteObject(h);
}

TEST(GdiRegions, ShapedRegionsHoldTheirInsides) {
  HRGN e = CreateEllipticRgn(0, 0, 20, 20);
  EXPECT_TRUE(PtInRegion(e, 10, 10));
  EXPECT_FALSE(PtInRegion(e, 1, 1));
  EXPECT_FALSE(PtInRegion(e, 20, 10));
  HRGN r = CreateRoundRectRgn(0, 0, 20, 20, 10, 10);
  EXPECT_TRUE(PtInRegion(r, 10, 0));
  EXPECT_FALSE(PtInRegion(r, 0, 0));
  const POINT star[] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
  HRGN alt = CreatePolygonRgn(star, 5, ALTERNATE), wind = CreatePolygonRgn(star, 5, WINDING);
  EXPECT_FALSE(PtInRegion(alt, 10, 11));  // the pentagon in the middle is outside
  EXPECT_TRUE(PtInRegion(wind, 10, 11));
  for (HRGN h : {e, r, alt, wind}) DeleteObject(h);
}

TEST(GdiClip, TwoClipLevelsPushedAndPopped) {
  Canvas c(40, 40);
  HBRUSH red = CreateSolidBrush(kRed), blue = CreateSolidBrush(kBlue);
  RECT all{0, 0, 40, 40};
  SaveDC(c.Dc);
  IntersectClipRect(c.Dc, 0, 0, 20, 20);
  SaveDC(c.Dc);
  HRGN second = CreateRectRgn(10, 10, 30, 30);
  ExtSelectClipRgn(c.Dc, second, RGN_AND);
  FillRect(c.Dc, &all, red);
  EXPECT_EQ(c.At(15, 15), kRed);
  EXPECT_EQ(c.At(5, 5), kWhite);
  EXPECT_EQ(c.At(25, 25), kWhite);
  RestoreDC(c.Dc, -1);
  FillRect(c.Dc, &all, blue);
  EXPECT_EQ(c.At(5, 5), kBlue);
  EXPECT_EQ(c.At(25, 25), kWhite);
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(c.Dc, probe), 1);
  RECT box;
  GetRgnBox(probe, &box);
  EXPECT_EQ(box.right, 20);
  RestoreDC(c.Dc, -1);
  EXPECT_EQ(GetClipRgn(c.Dc, probe), 0);
  FillRect(c.Dc, &all, red);
  EXPECT_EQ(c.At(25, 25), kRed);
  EXPECT_FALSE(RestoreDC(c.Dc, -1));  // nothing left to pop
  for (HGDIOBJ h : {HGDIOBJ(red), HGDIOBJ(blue), HGDIOBJ(second), HGDIOBJ(probe)}) DeleteObject(h);
}

TEST(GdiClip, XorAndDiffModes) {
  Canvas c(20, 20);
  HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(5, 5, 15, 15);
  HBRUSH red = CreateSolidBrush(kRed);
  RECT all{0, 0, 20, 20};
  SelectClipRgn(c.Dc, a);
  ExtSelectClipRgn(c.Dc, b, RGN_XOR);
  FillRect(c.Dc, &all, red);
  SelectClipRgn(c.Dc, nullptr);  // the probes read outside the clip too
  EXPECT_EQ(c.At(2, 2), kRed);
  EXPECT_EQ(c.At(7, 7), kWhite);
  EXPECT_EQ(c.At(12, 12), kRed);
  c.Clear();
  SelectClipRgn(c.Dc, a);
  ExtSelectClipRgn(c.Dc, b, RGN_DIFF);
  FillRect(c.Dc, &all, red);
  EXPECT_EQ(GetPixel(c.Dc, 7, 7), CLR_INVALID);  // outside the clip region
  SelectClipRgn(c.Dc, nullptr);
  EXPECT_EQ(c.At(2, 2), kRed);
  EXPECT_EQ(c.At(7, 7), kWhite);
  EXPECT_EQ(c.At(12, 12), kWhite);
  for (HGDIOBJ h : {HGDIOBJ(a), HGDIOBJ(b), HGDIOBJ(red)}) DeleteObject(h);
}

TEST(GdiPaths, FillStrokeWidenAndClip) {
  Canvas c(40, 40);
  c.Select(CreateSolidBrush(kRed));
  BeginPath(c.Dc);
  MoveToEx(c.Dc, 5, 5, nullptr);
  LineTo(c.Dc, 30, 5);
  LineTo(c.Dc, 30, 30);
  EndPath(c.Dc);
  EXPECT_EQ(c.Count(), 0);  // recorded, not drawn
  EXPECT_TRUE(FillPath(c.Dc));
  EXPECT_EQ(c.At(25, 10), kRed);  // inside the closed triangle
  EXPECT_EQ(c.At(10, 25), kWhite);
  EXPECT_FALSE(FillPath(c.Dc));  // the path is used up

  c.Clear();
  LOGBRUSH lb{BS_SOLID, kBlack, 0};
  c.Select(ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT, 6, &lb, 0, nullptr));
  BeginPath(c.Dc);
  MoveToEx(c.Dc, 5, 20, nullptr);
  LineTo(c.Dc, 35, 20);
  EndPath(c.Dc);
  EXPECT_TRUE(WidenPath(c.Dc));
  EXPECT_TRUE(SelectClipPath(c.Dc, RGN_COPY));
  RECT all{0, 0, 40, 40};
  HBRUSH blue = CreateSolidBrush(kBlue);
  FillRect(c.Dc, &all, blue);
  SelectClipRgn(c.Dc, nullptr);
  EXPECT_EQ(c.At(20, 18), kBlue);
  EXPECT_EQ(c.At(20, 22), kBlue);
  EXPECT_EQ(c.At(20, 24), kWhite);
  EXPECT_EQ(c.At(2, 20), kWhite);
  DeleteObject(blue);
}

}  // namespace
}  // namespace gdi_test
