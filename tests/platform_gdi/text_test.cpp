// Text: alignment against the measured extent, rotation, character extra.

#include <gtest/gtest.h>

#include "tests/platform_gdi/dc_fixture.h"

namespace gdi_test {
namespace {

HFONT MakeFont(int height, int escapement = 0, int orientation = 0) {
  LOGFONTW lf;
  lf.lfHeight = height;
  lf.lfEscapement = escapement;
  lf.lfOrientation = orientation;
  const char16_t face[] = u"Arial";
  std::copy(std::begin(face), std::end(face), lf.lfFaceName);
  return CreateFontIndirectW(&lf);
}

TEST(GdiText, AlignmentPlacesTheInkInsideTheExtent) {
  struct Case {
    UINT Align;
    int Dx, Dy;  // extent box's left and top relative to the reference, in extents
  };
  const Case cases[] = {
      {TA_LEFT | TA_TOP, 0, 0},
      {TA_RIGHT | TA_TOP, -2, 0},
      {TA_CENTER | TA_BOTTOM, -1, -2},
  };
  for (const Case& k : cases) {
    Canvas c(200, 100);
    c.Select(MakeFont(-20));
    SetBkMode(c.Dc, TRANSPARENT);
    SetTextAlign(c.Dc, k.Align);
    SIZE ext;
    ASSERT_TRUE(GetTextExtentPoint32W(c.Dc, u"Hello", 5, &ext));
    EXPECT_GT(ext.cx, 30);
    EXPECT_GE(ext.cy, 20);
    TextOutW(c.Dc, 100, 50, u"Hello", 5);
    Ink ink = c.InkBox();
    ASSERT_FALSE(ink.Empty());
    int left = 100 + k.Dx * ext.cx / 2, top = 50 + k.Dy * ext.cy / 2;
    SCOPED_TRACE(k.Align);
    EXPECT_GE(ink.Left, left - 1);
    EXPECT_LE(ink.Right, left + ext.cx);
    EXPECT_GE(ink.Top, top);
    EXPECT_LE(ink.Bottom, top + ext.cy);
    EXPECT_GT(ink.Right - ink.Left, ext.cx * 3 / 4);  // the ink fills most of the width
  }
}

TEST(GdiText, BaselineAlignmentPutsTheAscentAbove) {
  Canvas c(200, 100);
  c.Select(MakeFont(-20));
  SetBkMode(c.Dc, TRANSPARENT);
  SetTextAlign(c.Dc, TA_LEFT | TA_BASELINE);
  TextOutW(c.Dc, 10, 60, u"HH", 2);  // no descender
  Ink ink = c.InkBox();
  EXPECT_LE(ink.Bottom, 60);
  EXPECT_GE(ink.Bottom, 57);
  EXPECT_LT(ink.Top, 50);
}

TEST(GdiText, Escapement900RunsUpwards) {
  Canvas c(100, 200);
  c.Select(MakeFont(-20, 900, 900));
  SetBkMode(c.Dc, TRANSPARENT);
  SIZE ext;
  GetTextExtentPoint32W(c.Dc, u"Hello", 5, &ext);
  TextOutW(c.Dc, 30, 150, u"Hello", 5);
  Ink ink = c.InkBox();
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.Left, 30);
  EXPECT_LE(ink.Right, 30 + ext.cy);
  EXPECT_LE(ink.Bottom, 150);
  EXPECT_GE(ink.Top, 150 - ext.cx - 1);
  EXPECT_GT(ink.Bottom - ink.Top, ext.cx * 3 / 4);
}

TEST(GdiText, CharacterExtraWidensTheExtentByItsCount) {
  Canvas c(10, 10);
  c.Select(MakeFont(-16));
  SIZE plain, wide;
  GetTextExtentPoint32W(c.Dc, u"abcd", 4, &plain);
  SetTextCharacterExtra(c.Dc, 3);
  GetTextExtentPoint32W(c.Dc, u"abcd", 4, &wide);
  EXPECT_NEAR(wide.cx - plain.cx, 12, 1);
  EXPECT_EQ(wide.cy, plain.cy);
}

TEST(GdiText, OpaqueBackgroundFillsTheExtent) {
  Canvas c(100, 40);
  c.Select(MakeFont(-16));
  SetBkMode(c.Dc, OPAQUE);
  SetBkColor(c.Dc, kBlue);
  SIZE ext;
  GetTextExtentPoint32W(c.Dc, u"ab", 2, &ext);
  TextOutW(c.Dc, 5, 5, u"ab", 2);
  EXPECT_EQ(c.At(5, 5), kBlue);
  EXPECT_EQ(c.At(5 + ext.cx - 1, 5 + ext.cy - 1), kBlue);
  EXPECT_EQ(c.At(5 + ext.cx + 1, 5), kWhite);
}

TEST(GdiText, MappingScalesTheFont) {
  Canvas c(10, 10);
  c.Select(MakeFont(-10));
  SIZE one, two;
  GetTextExtentPoint32W(c.Dc, u"Chart", 5, &one);
  SetMapMode(c.Dc, MM_ANISOTROPIC);
  SetWindowExtEx(c.Dc, 1, 1, nullptr);
  SetViewportExtEx(c.Dc, 2, 2, nullptr);
  GetTextExtentPoint32W(c.Dc, u"Chart", 5, &two);  // logical units again
  EXPECT_NEAR(two.cx, one.cx, 2);
}

// Measuring keeps each font's layout; selecting another font must measure
// in that font, and going back must give the first extent again.
TEST(GdiText, ExtentFollowsTheSelectedFont) {
  Canvas c(10, 10);
  c.Select(MakeFont(-10));
  SIZE small, big, bold, again;
  GetTextExtentPoint32W(c.Dc, u"Chart", 5, &small);
  c.Select(MakeFont(-20));
  GetTextExtentPoint32W(c.Dc, u"Chart", 5, &big);
  EXPECT_NEAR(big.cx, 2 * small.cx, 2);
  EXPECT_GT(big.cy, small.cy * 3 / 2);
  LOGFONTW lf;
  lf.lfHeight = -20;
  lf.lfWeight = FW_BOLD;
  const char16_t face[] = u"Arial";
  std::copy(std::begin(face), std::end(face), lf.lfFaceName);
  c.Select(CreateFontIndirectW(&lf));
  GetTextExtentPoint32W(c.Dc, u"Chart", 5, &bold);
  EXPECT_GT(bold.cx, big.cx);
  c.Select(MakeFont(-10));
  GetTextExtentPoint32W(c.Dc, u"Chart", 5, &again);
  EXPECT_EQ(again.cx, small.cx);
  EXPECT_EQ(again.cy, small.cy);
  GetTextExtentPoint32W(c.Dc, u"", 0, &again);
  EXPECT_EQ(again.cx, 0);
  EXPECT_EQ(again.cy, small.cy);
}

}  // namespace
}  // namespace gdi_test
