// Pixel rules of lines, shapes, pens, brushes and raster operations.

#include <gtest/gtest.h>

#include <vector>

#include "tests/platform_gdi/dc_fixture.h"

namespace gdi_test {
namespace {

struct Probe {
  int X, Y;
  bool Painted;
};

void ExpectProbes(const Canvas& c, std::initializer_list<Probe> probes, const char* what) {
  for (const Probe& p : probes)
    EXPECT_EQ(c.Painted(p.X, p.Y), p.Painted) << what << " at (" << p.X << ", " << p.Y << ")";
}

TEST(GdiLines, LineToLeavesOutItsEndPixelAndMovesThePosition) {
  Canvas c(32, 32);
  MoveToEx(c.Dc, 2, 5, nullptr);
  EXPECT_TRUE(LineTo(c.Dc, 10, 5));
  ExpectProbes(c, {{2, 5, true}, {9, 5, true}, {10, 5, false}, {1, 5, false}}, "horizontal");
  MoveToEx(c.Dc, 20, 20, nullptr);
  LineTo(c.Dc, 20, 12);  // upwards
  ExpectProbes(c, {{20, 20, true}, {20, 13, true}, {20, 12, false}}, "vertical");
  POINT p;
  GetCurrentPositionEx(c.Dc, &p);
  EXPECT_EQ(p.x, 20);
  EXPECT_EQ(p.y, 12);
}

// A polyline draws its own points only, whatever polylines came before it,
// inside a path bracket too.
TEST(GdiLines, APolylineDrawsOnlyItsOwnPoints) {
  std::vector<POINT> zigzag;
  for (int i = 0; i < 200; ++i) zigzag.push_back({i % 30, (i * 7) % 30});
  Canvas wide(32, 32);
  Polyline(wide.Dc, zigzag.data(), int(zigzag.size()));
  EXPECT_GT(wide.Count(), 100);
  const POINT step[] = {{2, 5}, {10, 5}, {10, 9}};
  Canvas c(32, 32);
  EXPECT_TRUE(Polyline(c.Dc, step, 3));
  EXPECT_EQ(c.Count(), 12);  // 8 across and 4 down, the last point left out
  Canvas to(32, 32);
  Polyline(wide.Dc, zigzag.data(), int(zigzag.size()));
  MoveToEx(to.Dc, 2, 20, nullptr);
  EXPECT_TRUE(PolylineTo(to.Dc, step, 1));
  EXPECT_EQ(to.Count(), 15);  // from (2, 20) up to (2, 5), left out
  Canvas path(32, 32);
  BeginPath(path.Dc);
  Polyline(path.Dc, step, 2);
  Polyline(wide.Dc, zigzag.data(), int(zigzag.size()));
  const POINT low[] = {{2, 25}, {10, 25}};
  Polyline(path.Dc, low, 2);
  EndPath(path.Dc);
  StrokePath(path.Dc);
  EXPECT_TRUE(path.Painted(5, 5));
  EXPECT_TRUE(path.Painted(5, 25));
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (y != 5 && y != 25) ASSERT_FALSE(path.Painted(x, y)) << x << ", " << y;
}

TEST(GdiShapes, RectanglesAndEllipsesLeaveOutTheirRightAndBottomEdge) {
  Canvas c(40, 40);
  c.Select(CreateSolidBrush(kRed));
  Rectangle(c.Dc, 2, 2, 10, 8);
  EXPECT_EQ(c.At(2, 2), kBlack);
  EXPECT_EQ(c.At(9, 7), kBlack);
  EXPECT_EQ(c.At(5, 5), kRed);
  EXPECT_EQ(c.At(10, 5), kWhite);
  EXPECT_EQ(c.At(5, 8), kWhite);

  Ellipse(c.Dc, 20, 20, 31, 31);
  EXPECT_EQ(c.At(20, 25), kBlack);
  EXPECT_EQ(c.At(30, 25), kBlack);
  EXPECT_EQ(c.At(25, 30), kBlack);
  EXPECT_EQ(c.At(31, 25), kWhite);
  EXPECT_EQ(c.At(25, 31), kWhite);
  EXPECT_EQ(c.At(25, 25), kRed);
  EXPECT_EQ(c.At(20, 20), kWhite);  // outside the curve in the corner

  // Without a pen the filled box is one pixel smaller.
  c.Clear();
  SelectObject(c.Dc, GetStockObject(NULL_PEN));
  Rectangle(c.Dc, 2, 2, 10, 8);
  EXPECT_EQ(c.At(8, 6), kRed);
  EXPECT_EQ(c.At(9, 6), kWhite);
  EXPECT_EQ(c.At(8, 7), kWhite);
}

// The fill of an ellipse stays inside its outline at every size: no filled
// pixel touches the background, and each lies between outline pixels in its
// row and its column.
TEST(GdiShapes, AnEllipsesFillNeverLeavesItsOutline) {
  Canvas c(40, 40);
  c.Select(CreateSolidBrush(kRed));
  int leaks = 0;
  for (int w = 4; w <= 30; ++w)
    for (int h : {4, 5, 9, 16, 23, 30, w}) {
      c.Clear();
      Ellipse(c.Dc, 3, 4, 3 + w, 4 + h);
      for (int y = 0; y < c.H; ++y)
        for (int x = 0; x < c.W; ++x) {
          if (c.At(x, y) != kRed) continue;
          const bool touches = c.At(x - 1, y) == kWhite || c.At(x + 1, y) == kWhite ||
                               c.At(x, y - 1) == kWhite || c.At(x, y + 1) == kWhite;
          bool left = false, right = false, up = false, down = false;
          for (int i = 0; i < c.W; ++i) {
            left |= i < x && c.At(i, y) == kBlack;
            right |= i > x && c.At(i, y) == kBlack;
          }
          for (int j = 0; j < c.H; ++j) {
            up |= j < y && c.At(x, j) == kBlack;
            down |= j > y && c.At(x, j) == kBlack;
          }
          if (touches || !(left && right && up && down)) {
            ++leaks;
            ADD_FAILURE() << w << " x " << h << ": fill at (" << x << ", " << y << ")";
          }
        }
      if (leaks > 20) return;
    }
}

TEST(GdiPens, FivePixelDashesAndCaps) {
  struct Case {
    DWORD Cap;
    bool BeforeStart;  // pixel 2 left of the start
  };
  const Case cases[] = {{PS_ENDCAP_FLAT, false}, {PS_ENDCAP_ROUND, true}, {PS_ENDCAP_SQUARE, true}};
  for (const Case& k : cases) {
    Canvas c(90, 40);
    LOGBRUSH lb{BS_SOLID, kBlack, 0};
    c.Select(ExtCreatePen(PS_GEOMETRIC | PS_DASH | k.Cap, 5, &lb, 0, nullptr));
    MoveToEx(c.Dc, 10, 20, nullptr);
    LineTo(c.Dc, 80, 20);
    SCOPED_TRACE(k.Cap);
    EXPECT_EQ(c.Painted(8, 20), k.BeforeStart);
    EXPECT_TRUE(c.Painted(12, 20));  // first dash: 15 pixels
    EXPECT_TRUE(c.Painted(12, 18));  // five pixels across, centred on the line
    EXPECT_TRUE(c.Painted(12, 22));
    EXPECT_FALSE(c.Painted(12, 23));
    EXPECT_FALSE(c.Painted(12, 17));
    if (k.Cap == PS_ENDCAP_FLAT) {
      EXPECT_FALSE(c.Painted(27, 20));  // the gap of 5 after 15
      EXPECT_TRUE(c.Painted(32, 20));   // the second dash
    }
  }
}

TEST(GdiPens, UserStyleOfZeroAndThreeDrawsDotsThreeApart) {
  Canvas c(40, 10);
  LOGBRUSH lb{BS_SOLID, kBlack, 0};
  const DWORD style[] = {0, 3};
  c.Select(ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, &lb, 2, style));
  MoveToEx(c.Dc, 5, 4, nullptr);
  LineTo(c.Dc, 30, 4);
  for (int x = 5; x < 29; ++x) EXPECT_EQ(c.Painted(x, 4), (x - 5) % 3 == 0) << x;
  EXPECT_FALSE(c.Painted(5, 3));
  EXPECT_FALSE(c.Painted(5, 5));
}

TEST(GdiPens, CosmeticStylesSetTheirCells) {
  struct Case {
    int Style;
    std::vector<bool> Start;  // the first pixels of the line
  };
  const Case cases[] = {
      {PS_DOT, {1, 1, 1, 0, 0, 0, 1}},
      {PS_ALTERNATE, {1, 0, 1, 0, 1, 0}},
      {PS_SOLID, {1, 1, 1, 1, 1, 1}},
  };
  for (const Case& k : cases) {
    Canvas c(40, 4);
    LOGBRUSH lb{BS_SOLID, kBlack, 0};
    HPEN pen = k.Style == PS_ALTERNATE
                   ? ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &lb, 0, nullptr)
                   : CreatePen(k.Style, 1, kBlack);
    c.Select(pen);
    MoveToEx(c.Dc, 0, 1, nullptr);
    LineTo(c.Dc, 39, 1);
    for (size_t i = 0; i < k.Start.size(); ++i)
      EXPECT_EQ(c.Painted(int(i), 1), k.Start[i]) << "style " << k.Style << " pixel " << i;
  }
}

TEST(GdiBrushes, HatchesOnOpaqueAndTransparentBackground) {
  for (int mode : {OPAQUE, TRANSPARENT}) {
    Canvas c(16, 16);
    c.Select(CreateHatchBrush(HS_CROSS, kRed));
    SelectObject(c.Dc, GetStockObject(NULL_PEN));
    SetBkColor(c.Dc, kBlue);
    SetBkMode(c.Dc, mode);
    Rectangle(c.Dc, 0, 0, 17, 17);
    EXPECT_EQ(c.At(7, 3), kRed);
    EXPECT_EQ(c.At(3, 7), kRed);
    EXPECT_EQ(c.At(3, 3), mode == OPAQUE ? kBlue : kWhite);
  }
}

TEST(GdiBrushes, DcBrushAndPenFollowTheirColours) {
  Canvas c(20, 20);
  SelectObject(c.Dc, GetStockObject(DC_BRUSH));
  SelectObject(c.Dc, GetStockObject(DC_PEN));
  EXPECT_EQ(SetDCBrushColor(c.Dc, kRed), kWhite);
  SetDCPenColor(c.Dc, kBlue);
  Rectangle(c.Dc, 0, 0, 10, 10);
  EXPECT_EQ(c.At(0, 0), kBlue);
  EXPECT_EQ(c.At(5, 5), kRed);
  SetDCBrushColor(c.Dc, kBlack);
  Rectangle(c.Dc, 10, 10, 20, 20);
  EXPECT_EQ(c.At(15, 15), kBlack);
}

TEST(GdiRop2, EveryOperationMixesPenAndTarget) {
  const COLORREF pen = RGB(0xF0, 0xCC, 0x0F), dst = RGB(0xAA, 0x55, 0x3C);
  const uint32_t P = 0xF0CC0F, D = 0xAA553C;  // as bytes R, G, B
  struct Case {
    int Rop;
    uint32_t Result;
  };
  const Case cases[] = {
      {R2_BLACK, 0},
      {R2_NOTMERGEPEN, ~(P | D)},
      {R2_MASKNOTPEN, ~P & D},
      {R2_NOTCOPYPEN, ~P},
      {R2_MASKPENNOT, P & ~D},
      {R2_NOT, ~D},
      {R2_XORPEN, P ^ D},
      {R2_NOTMASKPEN, ~(P & D)},
      {R2_MASKPEN, P & D},
      {R2_NOTXORPEN, ~(P ^ D)},
      {R2_NOP, D},
      {R2_MERGENOTPEN, ~P | D},
      {R2_COPYPEN, P},
      {R2_MERGEPENNOT, P | ~D},
      {R2_MERGEPEN, P | D},
      {R2_WHITE, 0xFFFFFF},
  };
  for (const Case& k : cases) {
    Canvas c(4, 4);
    c.Select(CreatePen(PS_SOLID, 1, pen));
    SetPixel(c.Dc, 1, 1, dst);
    SetROP2(c.Dc, k.Rop);
    MoveToEx(c.Dc, 1, 1, nullptr);
    LineTo(c.Dc, 2, 1);
    uint32_t r = k.Result & 0xFFFFFF;
    EXPECT_EQ(c.At(1, 1), RGB(r >> 16, r >> 8, r)) << "rop " << k.Rop;
  }
}

TEST(GdiRop2, AnXorFigureDrawnTwiceLeavesNoTrace) {
  Canvas c(40, 40);
  c.Clear(RGB(10, 200, 30));
  SetROP2(c.Dc, R2_XORPEN);
  LOGBRUSH lb{BS_SOLID, kRed, 0};
  c.Select(ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 3, &lb, 0, nullptr));
  const POINT zigzag[] = {{2, 2}, {30, 30}, {30, 2}, {2, 30}};  // crosses itself
  for (int i = 0; i < 2; ++i) {
    Polyline(c.Dc, zigzag, 4);
    MoveToEx(c.Dc, 0, 35, nullptr);
    LineTo(c.Dc, 39, 35);
  }
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(c.At(x, y), RGB(10, 200, 30)) << x << ", " << y;
}

TEST(GdiArcs, ArcToFollowsTheDirectionAndEndsAtTheArcEnd) {
  for (int dir : {AD_COUNTERCLOCKWISE, AD_CLOCKWISE}) {
    Canvas c(64, 64);
    SetArcDirection(c.Dc, dir);
    MoveToEx(c.Dc, 0, 0, nullptr);
    // From three o'clock to twelve o'clock of the circle in (10, 10, 50, 50).
    EXPECT_TRUE(ArcTo(c.Dc, 10, 10, 50, 50, 60, 30, 30, 0));
    POINT p;
    GetCurrentPositionEx(c.Dc, &p);
    EXPECT_NEAR(p.x, 30, 1);
    EXPECT_NEAR(p.y, 10, 1);
    // Counter-clockwise runs through the upper right quarter, clockwise the
    // long way round through the lower left.
    EXPECT_EQ(c.Near(43, 16), dir == AD_COUNTERCLOCKWISE) << dir;
    EXPECT_EQ(c.Near(16, 43), dir == AD_CLOCKWISE) << dir;
    EXPECT_TRUE(c.Near(25, 15));  // the line from the old position to the arc's start
  }
}

TEST(GdiArcs, PieIsFilledWithTheBrush) {
  Canvas c(64, 64);
  c.Select(CreateSolidBrush(kRed));
  Pie(c.Dc, 10, 10, 50, 50, 60, 30, 30, 0);  // the upper right quarter
  EXPECT_EQ(c.At(38, 22), kRed);
  EXPECT_EQ(c.At(22, 38), kWhite);
}

TEST(GdiMapping, AnisotropicTwoToOne) {
  Canvas c(64, 64);
  SetMapMode(c.Dc, MM_ANISOTROPIC);
  SetWindowExtEx(c.Dc, 1, 1, nullptr);
  SetViewportExtEx(c.Dc, 2, 1, nullptr);
  POINT p{10, 5};
  LPtoDP(c.Dc, &p, 1);
  EXPECT_EQ(p.x, 20);
  EXPECT_EQ(p.y, 5);
  c.Select(CreateSolidBrush(kRed));
  SelectObject(c.Dc, GetStockObject(NULL_PEN));
  Rectangle(c.Dc, 2, 2, 12, 12);          // device (4, 2) to (24, 12), one smaller without pen
  EXPECT_EQ(GetPixel(c.Dc, 2, 2), kRed);  // logical probes go through the mapping too
  SetMapMode(c.Dc, MM_TEXT);
  EXPECT_EQ(c.At(4, 2), kRed);
  EXPECT_EQ(c.At(22, 10), kRed);
  EXPECT_EQ(c.At(23, 10), kWhite);
  EXPECT_EQ(c.At(3, 2), kWhite);
}

TEST(GdiBlocks, StretchBltReadsNothingOutsideTheSource) {
  Canvas src(2, 2), dst(300, 300);
  SetPixel(src.Dc, 0, 0, kRed);
  SetPixel(src.Dc, 1, 1, kBlue);
  EXPECT_TRUE(StretchBlt(dst.Dc, 0, 0, 300, 300, src.Dc, 0, 0, 2, 2, SRCCOPY));
  EXPECT_EQ(dst.At(10, 10), kRed);
  EXPECT_EQ(dst.At(290, 290), kBlue);
  EXPECT_EQ(dst.At(290, 10), kWhite);
  dst.Clear(kBlack);
  // A source rectangle reaching past the bitmap: only the inside is copied.
  StretchBlt(dst.Dc, 0, 0, 40, 40, src.Dc, 0, 0, 4, 4, SRCCOPY);
  EXPECT_EQ(dst.At(5, 5), kRed);
  EXPECT_EQ(dst.At(30, 30), kBlack);
}

TEST(GdiBlocks, BitBltAlphaBlendAndPatBlt) {
  Canvas src(4, 4), dst(8, 8);
  src.Clear(kRed);
  dst.Clear(kBlue);
  EXPECT_TRUE(BitBlt(dst.Dc, 1, 1, 2, 2, src.Dc, 0, 0, SRCCOPY));
  EXPECT_EQ(dst.At(1, 1), kRed);
  EXPECT_EQ(dst.At(3, 3), kBlue);
  BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
  EXPECT_TRUE(AlphaBlend(dst.Dc, 4, 4, 2, 2, src.Dc, 0, 0, 2, 2, half));
  EXPECT_EQ(dst.At(4, 4), RGB(128, 0, 127));
  EXPECT_FALSE(AlphaBlend(dst.Dc, 0, 0, 2, 2, src.Dc, 3, 3, 2, 2, half));  // source outside
  EXPECT_TRUE(PatBlt(dst.Dc, 0, 0, 1, 8, DSTINVERT));
  EXPECT_EQ(dst.At(0, 5), RGB(255, 255, 0));
  EXPECT_FALSE(PatBlt(dst.Dc, 0, 0, 1, 8, SRCCOPY));  // needs a source
}

TEST(GdiHandles, ABadHandleDoesNothingAndFails) {
  HDC bad = reinterpret_cast<HDC>(uintptr_t(0x7777));
  EXPECT_FALSE(LineTo(bad, 1, 1));
  EXPECT_FALSE(Rectangle(bad, 0, 0, 2, 2));
  EXPECT_EQ(SelectObject(bad, GetStockObject(BLACK_PEN)), nullptr);
  EXPECT_EQ(GetPixel(bad, 0, 0), CLR_INVALID);
  EXPECT_EQ(SetROP2(bad, R2_XORPEN), 0);
  EXPECT_FALSE(DeleteObject(bad));
  EXPECT_FALSE(TextOutW(bad, 0, 0, u"x", 1));
  Canvas c(4, 4);
  HBRUSH brush = CreateSolidBrush(kRed);
  EXPECT_EQ(SelectObject(c.Dc, bad), nullptr);
  EXPECT_EQ(CombineRgn(brush, brush, brush, RGN_OR), RGN_ERROR);  // a brush is no region
  EXPECT_EQ(FillRect(c.Dc, nullptr, brush), 0);
  DeleteObject(brush);
  RECT r{0, 0, 4, 4};
  EXPECT_EQ(FillRect(c.Dc, &r, brush), 0);  // deleted
  EXPECT_EQ(c.At(1, 1), kWhite);
}

TEST(GdiHandles, SelectObjectGivesBackThePreviousObject) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bmp = CreateCompatibleBitmap(dc, 4, 4);
  HGDIOBJ first = SelectObject(dc, bmp);
  EXPECT_EQ(GetObjectType(first), DWORD(OBJ_BITMAP));  // the context's own 1 x 1 bitmap
  EXPECT_EQ(SelectObject(dc, first), bmp);
  HPEN pen = CreatePen(PS_DASH, 1, kRed);
  EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
  DeleteDC(dc);
  EXPECT_EQ(GetObjectType(first), 0u);  // went with the context
  EXPECT_EQ(GetObjectType(pen), DWORD(OBJ_PEN));
  DeleteObject(pen);
  DeleteObject(bmp);
}

TEST(GdiHandles, ADeletedSelectedObjectKeepsDrawingUntilReplaced) {
  Canvas c(8, 8);
  HBRUSH brush = CreateSolidBrush(kRed);
  SelectObject(c.Dc, brush);
  EXPECT_TRUE(DeleteObject(brush));
  Rectangle(c.Dc, 0, 0, 8, 8);
  EXPECT_EQ(c.At(3, 3), kRed);
  EXPECT_EQ(GetObjectType(brush), 0u);
}

TEST(GdiDevice, CapsFollowTheSelectedBitmap) {
  Canvas c(30, 20);
  EXPECT_EQ(GetDeviceCaps(c.Dc, HORZRES), 30);
  EXPECT_EQ(GetDeviceCaps(c.Dc, VERTRES), 20);
  EXPECT_EQ(GetDeviceCaps(c.Dc, BITSPIXEL) * GetDeviceCaps(c.Dc, PLANES), 32);
  EXPECT_EQ(GetDeviceCaps(c.Dc, LOGPIXELSY), 96);
}

}  // namespace
}  // namespace gdi_test
