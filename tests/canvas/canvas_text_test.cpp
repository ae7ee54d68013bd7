// Text: families and their fall-backs, measuring, drawing Latin and Chinese
// text, outlines.
#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "platform/rtl/Streams.h"

namespace {

using namespace canvas_test;

int PaintedIn(const TzrCanvas& C, const TzrRect& R) {
  int n = 0;
  for (int y = int(R.Top); y < int(R.Bottom); ++y)
    for (int x = int(R.Left); x < int(R.Right); ++x) n += Alpha(Pixel(C, x, y)) > 64;
  return n;
}

TEST(CanvasText, FamilyFallsBackToTheSansFamily) {
  auto c = NewCanvas(4, 4);
  c->GetFont()->SetFamily("No Such Family Anywhere");
  EXPECT_EQ(c->GetGPFamily()->InstalledName(),
            Gdiplus::FontFamily::GenericSansSerif()->InstalledName());
  c->GetFont()->SetFamily("Courier New");
  EXPECT_NE(c->GetGPFamily()->InstalledName(),
            Gdiplus::FontFamily::GenericSansSerif()->InstalledName());
}

TEST(CanvasText, MeasureWithoutWrapStartsAtTheLeftAndCountsTrailingBlanks) {
  auto c = NewCanvas(4, 4);
  TzrRect r = zrRect(0, 0, 10000, 20);
  c->MeasureText(r, r, u"Hello", false, zrTextAlignNear, zrTextAlignCenter);
  EXPECT_NEAR(r.Left, 0, 0.5);
  EXPECT_GT(zrRectWidth(r), 20);
  EXPECT_NEAR((r.Top + r.Bottom) / 2, 10, 1.5);  // centred on the line
  EXPECT_GT(c->TextWidth(u"Hello   "), c->TextWidth(u"Hello") + 5);
  c->GetFont()->SetSize(22);
  EXPECT_GT(c->TextWidth(u"Hello"), 2 * zrRectWidth(r) - 4);
}

TEST(CanvasText, MeasureOfEmptyText) {
  auto c = NewCanvas(4, 4);
  TzrRect r = zrRect(5, 5, 100, 30);
  c->MeasureText(r, r, u"", false, zrTextAlignNear, zrTextAlignNear);
  EXPECT_EQ(r, zrRect(5, 5, 5, 30));
  r = zrRect(5, 5, 100, 30);
  c->MeasureText(r, r, u"", true, zrTextAlignNear, zrTextAlignNear);
  EXPECT_EQ(r, zrRect(5, 5, 100, 30));
}

TEST(CanvasText, WrappedTextGrowsDownwards) {
  auto c = NewCanvas(4, 4);
  TzrRect one = zrRect(0, 0, 60, 1000);
  c->MeasureText(one, one, u"word", true, zrTextAlignNear, zrTextAlignNear);
  TzrRect many = zrRect(0, 0, 60, 1000);
  c->MeasureText(many, many, u"word word word word word", true, zrTextAlignNear, zrTextAlignNear);
  EXPECT_GT(zrRectHeight(many), 2.5f * zrRectHeight(one));
  EXPECT_LE(many.Right, 61);
}

TEST(CanvasText, FillTextDrawsLatinAndChineseInsideTheRectangle) {
  for (const std::u16string& text : {std::u16string(u"Hello"), std::u16string(u"\u4E2D\u6587")}) {
    auto c = NewCanvas(120, 40);
    c->GetFill()->SetSolidColor(0xFF000000);
    c->GetFont()->SetSize(20);
    c->FillText(zrRect(10, 5, 110, 35), zrRect(10, 5, 110, 35), text, false, 1, zrTextAlignCenter,
                zrTextAlignCenter);
    EXPECT_GT(PaintedIn(*c, zrRect(10, 5, 110, 35)), 40);
    EXPECT_EQ(PaintedIn(*c, zrRect(0, 0, 120, 4)), 0);
    EXPECT_EQ(PaintedIn(*c, zrRect(0, 0, 9, 40)), 0);
  }
}

TEST(CanvasText, FillTextOpacityOneIsSlightlyFaded) {
  auto c = NewCanvas(60, 40);
  c->GetFill()->SetSolidColor(0xFF000000);
  c->GetFont()->SetSize(36);
  c->GetFont()->SetStyle(zrFontBold);
  c->FillText(zrRect(0, 0, 60, 40), zrRect(0, 0, 60, 40), u"\u25A0", false, 1, zrTextAlignCenter,
              zrTextAlignCenter);  // a solid square glyph
  uint8_t most = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) most = std::max(most, Alpha(Pixel(*c, x, y)));
  EXPECT_NEAR(most, 252, 2);  // 0.99 of full
}

TEST(CanvasText, NothingIsDrawnForEmptyTextOrNoFill) {
  auto c = NewCanvas(60, 30);
  c->FillText(zrRect(0, 0, 60, 30), zrRect(0, 0, 60, 30), u"", false, 1, zrTextAlignNear,
              zrTextAlignNear);
  c->GetFill()->SetStyle(zrBrushNone);
  c->FillText(zrRect(0, 0, 60, 30), zrRect(0, 0, 60, 30), u"Hello", false, 1, zrTextAlignNear,
              zrTextAlignNear);
  EXPECT_EQ(PaintedIn(*c, zrRect(0, 0, 60, 30)), 0);
}

TEST(CanvasText, TextToPathGivesClosedOutlines) {
  auto c = NewCanvas(4, 4);
  c->GetFont()->SetSize(30);
  TzrPathData path;
  path.MoveTo({1, 1});
  ASSERT_TRUE(
      c->TextToPath(path, zrRect(0, 0, 200, 50), u"Og", false, zrTextAlignNear, zrTextAlignNear));
  int curves = 0, closes = 0;
  for (size_t i = 0; i < path.PathData.size(); ++i) {
    const TzrPathPoint& e = path.PathData[i];
    if (e.Kind == zrPathPointClose) ++closes;
    if (e.Kind != zrPathPointCurveTo) continue;
    ++curves;
    ASSERT_LT(i + 2, path.PathData.size());
    EXPECT_EQ(path.PathData[i + 1].Kind, zrPathPointCurveTo);
    EXPECT_EQ(path.PathData[i + 2].Kind, zrPathPointCurveTo);
    i += 2;
  }
  EXPECT_GE(closes, 3);  // O has two contours, g at least one
  EXPECT_GT(curves, 4);
  EXPECT_EQ(path.PathData.back().Kind, zrPathPointClose);
  const TzrRect b = path.GetBounds();
  EXPECT_GT(zrRectWidth(b), 20);
  EXPECT_LT(b.Right, 200);
  TzrPathData untouched;
  untouched.MoveTo({1, 1});
  EXPECT_FALSE(c->TextToPath(untouched, zrRect(0, 0, 200, 50), u"", false, zrTextAlignNear,
                             zrTextAlignNear));
  EXPECT_EQ(untouched.PathData.size(), 1u);
}

TEST(CanvasText, FontFromAStreamIsFoundByTheNextFontChange) {
  auto c = NewCanvas(4, 4);
  TFileStream file("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf", fmOpenRead);
  TMemoryStream s;
  s.CopyFrom(file, 0);
  s.SetPosition(0);
  EXPECT_TRUE(c->LoadFontFromStream(&s));
  c->GetFont()->SetFamily("DejaVu Sans Mono");
  EXPECT_EQ(c->GetGPFamily()->InstalledName(), "DejaVu Sans Mono");
  // a stream with fewer bytes after its position than its size raises
  s.SetPosition(10);
  EXPECT_THROW(c->LoadFontFromStream(&s), EReadError);
}

}  // namespace
