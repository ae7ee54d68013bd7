// Draws a sheet of pens, hatches, raster operations, arcs and rotated text
// into build/gallery/gdi_layer.png to be looked at.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/platform_gdi/dc_fixture.h"

namespace gdi_test {
namespace {

void Label(HDC dc, int x, int y, const char16_t* text) {
  TextOutW(dc, x, y, text, int(std::char_traits<char16_t>::length(text)));
}

TEST(GdiGallery, WritesTheSheet) {
  Canvas c(480, 360);
  SetBkMode(c.Dc, TRANSPARENT);
  LOGFONTW lf;
  lf.lfHeight = -12;
  const char16_t face[] = u"Tahoma";
  std::copy(std::begin(face), std::end(face), lf.lfFaceName);
  HFONT small = CreateFontIndirectW(&lf);
  SelectObject(c.Dc, small);

  // Pens: styles, widths, caps, user style.
  const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
  for (int i = 0; i < 5; ++i) {
    HPEN p = CreatePen(styles[i], 1, RGB(0, 0, 160));
    HGDIOBJ old = SelectObject(c.Dc, p);
    MoveToEx(c.Dc, 10, 20 + i * 8, nullptr);
    LineTo(c.Dc, 150, 20 + i * 8);
    SelectObject(c.Dc, old);
    DeleteObject(p);
  }
  const DWORD caps[] = {PS_ENDCAP_FLAT, PS_ENDCAP_ROUND, PS_ENDCAP_SQUARE};
  for (int i = 0; i < 3; ++i) {
    LOGBRUSH lb{BS_SOLID, RGB(0, 120, 0), 0};
    HPEN p = ExtCreatePen(PS_GEOMETRIC | PS_DASH | caps[i], 5, &lb, 0, nullptr);
    HGDIOBJ old = SelectObject(c.Dc, p);
    MoveToEx(c.Dc, 15, 70 + i * 10, nullptr);
    LineTo(c.Dc, 150, 70 + i * 10);
    SelectObject(c.Dc, old);
    DeleteObject(p);
  }
  {
    LOGBRUSH lb{BS_SOLID, RGB(160, 0, 0), 0};
    const DWORD dots[] = {0, 3};
    HPEN p = ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, &lb, 2, dots);
    HGDIOBJ old = SelectObject(c.Dc, p);
    MoveToEx(c.Dc, 10, 105, nullptr);
    LineTo(c.Dc, 150, 105);
    SelectObject(c.Dc, old);
    DeleteObject(p);
  }
  Label(c.Dc, 10, 2, u"Pens");

  // Hatches, opaque and transparent.
  for (int h = 0; h <= HS_DIAGCROSS; ++h) {
    HBRUSH b = CreateHatchBrush(h, RGB(200, 0, 0));
    HGDIOBJ old = SelectObject(c.Dc, b);
    SetBkMode(c.Dc, h % 2 ? TRANSPARENT : OPAQUE);
    SetBkColor(c.Dc, RGB(255, 255, 160));
    Rectangle(c.Dc, 170 + h * 48, 20, 210 + h * 48, 60);
    SelectObject(c.Dc, old);
    DeleteObject(b);
  }
  SetBkMode(c.Dc, TRANSPARENT);
  Label(c.Dc, 170, 2, u"Hatches");

  // Raster operations: a blue bar crossed by red bars under each operation.
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  RECT bar{170, 80, 470, 92};
  FillRect(c.Dc, &bar, blue);
  DeleteObject(blue);
  HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HGDIOBJ oldPen = SelectObject(c.Dc, red);
  for (int rop = R2_BLACK; rop <= R2_WHITE; ++rop) {
    SetROP2(c.Dc, rop);
    for (int k = 0; k < 14; ++k) {
      MoveToEx(c.Dc, 172 + (rop - 1) * 18 + k, 72, nullptr);
      LineTo(c.Dc, 172 + (rop - 1) * 18 + k, 100);
    }
  }
  SetROP2(c.Dc, R2_COPYPEN);
  SelectObject(c.Dc, oldPen);
  DeleteObject(red);
  Label(c.Dc, 170, 104, u"SetROP2 1..16");

  // Arcs, pies, round rectangles, ellipses.
  SelectObject(c.Dc, GetStockObject(DC_BRUSH));
  SetDCBrushColor(c.Dc, RGB(120, 200, 255));
  Ellipse(c.Dc, 10, 140, 80, 190);
  RoundRect(c.Dc, 90, 140, 160, 190, 20, 20);
  SetDCBrushColor(c.Dc, RGB(255, 200, 120));
  Pie(c.Dc, 170, 130, 240, 200, 240, 165, 205, 130);
  SetArcDirection(c.Dc, AD_CLOCKWISE);
  Pie(c.Dc, 250, 130, 320, 200, 320, 165, 285, 130);
  SetArcDirection(c.Dc, AD_COUNTERCLOCKWISE);
  MoveToEx(c.Dc, 330, 130, nullptr);
  ArcTo(c.Dc, 340, 130, 410, 200, 410, 165, 375, 200);
  LineTo(c.Dc, 470, 200);
  Label(c.Dc, 10, 120, u"Shapes and arcs");

  // Rotated text.
  for (int a = 0; a < 360; a += 45) {
    lf.lfHeight = -14;
    lf.lfEscapement = lf.lfOrientation = a * 10;
    HFONT f = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(c.Dc, f);
    Label(c.Dc, 100, 290, u"  Chart 图表");
    SelectObject(c.Dc, old);
    DeleteObject(f);
  }
  lf.lfEscapement = 900;
  lf.lfOrientation = 0;
  SetGraphicsMode(c.Dc, GM_ADVANCED);
  HFONT up = CreateFontIndirectW(&lf);
  HGDIOBJ old = SelectObject(c.Dc, up);
  Label(c.Dc, 300, 340, u"Upright letters");
  SelectObject(c.Dc, old);
  DeleteObject(up);
  SelectObject(c.Dc, small);
  Label(c.Dc, 330, 220, u"Escapement 900,");
  Label(c.Dc, 330, 234, u"orientation 0");
  DeleteObject(small);

  c.SavePng("gdi_layer");
  EXPECT_GT(c.Count(), 5000);
}

}  // namespace
}  // namespace gdi_test
