#include <gtest/gtest.h>
#include <pango/pango.h>

#include <string>

#include "platform/gdiplus/GdiPlusCairo.h"
#include "platform/gdiplus/GdiPlusTextLayout.h"
#include "tests/platform_gdiplus/pixels.h"

using namespace Gdiplus;
using gdiplus_test::Near;
using gdiplus_test::Surface;

namespace {

RectF Measure(Graphics& g, const char16_t* text, const Font& font, const RectF& rect,
              INT flags = StringFormatFlagsNoWrap, StringAlignment align = StringAlignmentNear,
              INT* lines = nullptr) {
  StringFormat format(flags);
  format.SetAlignment(align);
  RectF box;
  g.MeasureString(text, -1, &font, rect, &format, &box, nullptr, lines);
  return box;
}

// Inked pixels (alpha above half) inside the rectangle.
int Ink(Surface& s, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if ((s.At(x, y) >> 24) > 128) ++n;
  return n;
}

}  // namespace

TEST(GdiPlusFont, FamiliesResolveToInstalledStandIns) {
  struct Case {
    const char* name;
    const char* installed;  // empty: not available
  } cases[] = {{"Tahoma", "DejaVu Sans"},
               {"tahoma", "DejaVu Sans"},
               {"DejaVu Serif", "DejaVu Serif"},
               {"Microsoft YaHei", "Noto Sans CJK SC"},
               {"Noto Sans CJK SC", "Noto Sans CJK SC"},
               {"No Such Family", ""}};
  for (const Case& c : cases) {
    FontFamily f{std::string(c.name)};
    EXPECT_EQ(f.InstalledName(), c.installed) << c.name;
    EXPECT_EQ(f.IsAvailable(), *c.installed != 0) << c.name;
    if (!f.IsAvailable()) {
      EXPECT_EQ(f.GetLastStatus(), FontFamilyNotFound);
    }
  }
  EXPECT_TRUE(FontFamily::GenericSansSerif()->IsAvailable());
  PrivateFontCollection empty;
  EXPECT_FALSE(FontFamily(std::string("DejaVu Sans"), &empty).IsAvailable());
}

TEST(GdiPlusFont, StylesThatTheFamilyHas) {
  FontFamily sans{std::string("DejaVu Sans")};
  FontFamily cjk{std::string("Noto Sans CJK SC")};
  EXPECT_TRUE(sans.IsStyleAvailable(FontStyleRegular));
  EXPECT_TRUE(sans.IsStyleAvailable(FontStyleBoldItalic));
  EXPECT_TRUE(sans.IsStyleAvailable(FontStyleUnderline));
  EXPECT_TRUE(cjk.IsStyleAvailable(FontStyleBold));
  EXPECT_FALSE(cjk.IsStyleAvailable(FontStyleItalic));
}

TEST(GdiPlusText, PointsAtNinetySixDpiEqualPixelsTimesThreeQuarters) {
  Surface s(10, 10);
  Font px(std::string("DejaVu Sans"), 20, FontStyleRegular, UnitPixel);
  Font pt(std::string("DejaVu Sans"), 15, FontStyleRegular, UnitPoint);
  RectF a = Measure(s.G, u"Hello", px, RectF(0, 0, 0, 0));
  RectF b = Measure(s.G, u"Hello", pt, RectF(0, 0, 0, 0));
  EXPECT_NEAR(a.Width, b.Width, 0.01);
  EXPECT_NEAR(a.Height, b.Height, 0.01);
  EXPECT_GT(a.Height, 18);
  EXPECT_LT(a.Height, 30);
}

TEST(GdiPlusText, MeasureAlignsOnAnUnboundedLayout) {
  Surface s(10, 10);
  Font font(std::string("DejaVu Sans"), 16, FontStyleRegular, UnitPixel);
  RectF near = Measure(s.G, u"Width", font, RectF(50, 0, 0, 20));
  RectF centre = Measure(s.G, u"Width", font, RectF(50, 0, 0, 20), StringFormatFlagsNoWrap,
                         StringAlignmentCenter);
  RectF far = Measure(s.G, u"Width", font, RectF(50, 0, 0, 20), StringFormatFlagsNoWrap,
                      StringAlignmentFar);
  EXPECT_NEAR(near.X, 50, 0.01);
  EXPECT_NEAR(centre.X + centre.Width / 2, 50, 0.01);
  EXPECT_NEAR(far.X + far.Width, 50, 0.01);
  EXPECT_LT(Measure(s.G, u"iii", font, RectF()).Width, Measure(s.G, u"WWW", font, RectF()).Width);
  // trailing blanks count only when asked for
  RectF without = Measure(s.G, u"ab   ", font, RectF());
  RectF with = Measure(s.G, u"ab   ", font, RectF(),
                       StringFormatFlagsNoWrap | StringFormatFlagsMeasureTrailingSpaces);
  EXPECT_NEAR(without.Width, Measure(s.G, u"ab", font, RectF()).Width, 0.01);
  EXPECT_GT(with.Width, without.Width + 10);
}

TEST(GdiPlusText, WrappingAtTheRectangleWidth) {
  Surface s(10, 10);
  Font font(std::string("DejaVu Sans"), 16, FontStyleRegular, UnitPixel);
  const char16_t* text = u"several words that do not fit on one short line";
  INT wrapped = 0, single = 0;
  RectF a = Measure(s.G, text, font, RectF(0, 0, 100, 1000), 0, StringAlignmentNear, &wrapped);
  RectF b = Measure(s.G, text, font, RectF(0, 0, 100, 1000), StringFormatFlagsNoWrap,
                    StringAlignmentNear, &single);
  EXPECT_GT(wrapped, 3);
  EXPECT_EQ(single, 1);
  EXPECT_LE(a.Width, 100);
  EXPECT_GT(a.Height, 3 * b.Height);
}

TEST(GdiPlusText, CharacterRangesMatchTheMeasuredBounds) {
  Surface s(10, 10);
  Font font(std::string("DejaVu Sans"), 16, FontStyleRegular, UnitPixel);
  StringFormat format(StringFormatFlagsNoWrap | StringFormatFlagsMeasureTrailingSpaces);
  format.SetAlignment(StringAlignmentCenter);
  format.SetLineAlignment(StringAlignmentCenter);
  const char16_t* text = u"Range test";
  CharacterRange ranges[] = {{0, 10}, {6, 4}};
  format.SetMeasurableCharacterRanges(2, ranges);
  Region regions[2];
  RectF layout(0, 0, 200, 40);
  ASSERT_EQ(s.G.MeasureCharacterRanges(text, -1, &font, layout, &format, 2, regions), Ok);
  RectF whole, tail, box;
  regions[0].GetBounds(&whole);
  regions[1].GetBounds(&tail);
  s.G.MeasureString(text, -1, &font, layout, &format, &box);
  EXPECT_NEAR(whole.X, box.X, 0.01);
  EXPECT_NEAR(whole.Width, box.Width, 0.01);
  EXPECT_NEAR(whole.Y + whole.Height / 2, 20, 0.5);
  EXPECT_NEAR(tail.GetRight(), whole.GetRight(), 0.01);
  EXPECT_GT(tail.X, whole.X + whole.Width / 3);
}

TEST(GdiPlusText, DrawnLatinTextStaysInItsBoxInTheBrushColour) {
  Surface s(200, 40);
  Font font(std::string("Tahoma"), 20, FontStyleRegular, UnitPixel);
  SolidBrush blue(Color(0xFF0000FF));
  RectF rect(10, 5, 180, 30);
  StringFormat format(StringFormatFlagsNoWrap);
  ASSERT_EQ(s.G.DrawString(u"Hello, World", -1, &font, rect, &format, &blue), Ok);
  RectF box;
  s.G.MeasureString(u"Hello, World", -1, &font, rect, &format, &box);
  int inside = Ink(s, int(box.X), int(box.Y), int(box.GetRight()) + 1, int(box.GetBottom()) + 1);
  EXPECT_GT(inside, 150);
  EXPECT_EQ(Ink(s, 0, 0, 200, 40), inside);
  EXPECT_TRUE(Near(s.At(12, 14) | 0xFF000000, 0xFF0000FF));  // the H's left stem
  // the box clips unless asked not to
  Surface c(200, 40);
  c.G.DrawString(u"Hello, World", -1, &font, RectF(10, 5, 30, 30), &format, &blue);
  EXPECT_EQ(Ink(c, 41, 0, 200, 40), 0);
}

TEST(GdiPlusText, ChineseGlyphsComeFromTheCjkFamilyAndRender) {
  Surface s(120, 60);
  Font font(std::string("Tahoma"), 40, FontStyleRegular, UnitPixel);
  FontFamily family;
  font.GetFamily(&family);
  {
    TextLayout layout(s.G.Context(), u"\u4E2D\u6587", -1, family, FontStyleRegular, 40,
                      RectF(0, 0, 0, 0), nullptr);
    EXPECT_EQ(pango_layout_get_unknown_glyphs_count(layout.Layout()), 0);
    PangoLayoutIter* it = pango_layout_get_iter(layout.Layout());
    PangoLayoutRun* run = pango_layout_iter_get_run_readonly(it);
    ASSERT_NE(run, nullptr);
    PangoFontDescription* used = pango_font_describe(run->item->analysis.font);
    EXPECT_EQ(std::string(pango_font_description_get_family(used)), kCjkFamilyName);
    pango_font_description_free(used);
    pango_layout_iter_free(it);
  }
  RectF box = Measure(s.G, u"\u4E2D\u6587", font, RectF());
  EXPECT_NEAR(box.Width, 80, 2);  // two full-width glyphs of one em each
  SolidBrush black(Color(0xFF000000));
  StringFormat format(StringFormatFlagsNoWrap);
  s.G.DrawString(u"\u4E2D", -1, &font, RectF(0, 0, 40, 60), &format, &black);
  // the middle stroke of the character runs down its centre column
  int column = 0;
  for (int y = 0; y < 60; ++y)
    if ((s.At(20, y) >> 24) > 128) ++column;
  EXPECT_GT(column, 25);
  // and it is not a box: the corners of its cell stay empty
  EXPECT_EQ(Ink(s, 0, 0, 4, 4), 0);
  EXPECT_EQ(Ink(s, 36, 52, 40, 60), 0);
}

TEST(GdiPlusText, StylesChangeTheInk) {
  Font regular(std::string("DejaVu Sans"), 20, FontStyleRegular, UnitPixel);
  Font bold(std::string("DejaVu Sans"), 20, FontStyleBold, UnitPixel);
  Font underline(std::string("DejaVu Sans"), 20, FontStyleUnderline, UnitPixel);
  SolidBrush black(Color(0xFF000000));
  StringFormat format(StringFormatFlagsNoWrap);
  auto inkOf = [&](const Font& f, int y0, int y1) {
    Surface s(100, 40);
    s.G.DrawString(u"ace", -1, &f, RectF(0, 0, 100, 40), &format, &black);
    return Ink(s, 0, y0, 100, y1);
  };
  EXPECT_GT(inkOf(bold, 0, 40), inkOf(regular, 0, 40) * 5 / 4);
  EXPECT_GT(inkOf(underline, 18, 24), inkOf(regular, 18, 24) + 20);  // the line below the baseline
}

TEST(GdiPlusText, AddStringGivesClosedOutlines) {
  GraphicsPath path;
  FontFamily family{std::string("DejaVu Sans")};
  ASSERT_EQ(path.AddString(u"O", -1, &family, FontStyleRegular, 100, RectF(0, 0, 0, 0), nullptr),
            Ok);
  int closes = 0, curves = 0;
  for (uint8_t t : path.Types()) {
    if (t & PathPointTypeCloseSubpath) ++closes;
    if ((t & PathPointTypePathTypeMask) == PathPointTypeBezier) ++curves;
  }
  EXPECT_EQ(closes, 2);  // outer and inner contour
  EXPECT_EQ(curves % 3, 0);
  EXPECT_GT(curves, 0);
  RectF b;
  path.GetBounds(&b);
  // the ring is filled, its hole is not
  EXPECT_TRUE(path.IsVisible(b.X + 3, b.Y + b.Height / 2));
  EXPECT_FALSE(path.IsVisible(b.X + b.Width / 2, b.Y + b.Height / 2));
  EXPECT_GT(b.Height, 60);
  EXPECT_LT(b.Height, 100);
}

TEST(GdiPlusText, EllipsisTrimmingShortensALineToTheWidth) {
  Surface s(10, 10);
  Font font(std::string("DejaVu Sans"), 16, FontStyleRegular, UnitPixel);
  StringFormat format(StringFormatFlagsNoWrap);
  const char16_t* text = u"a line far too long for its little box";
  RectF full;
  s.G.MeasureString(text, -1, &font, RectF(0, 0, 80, 20), &format, &full);
  format.SetTrimming(StringTrimmingEllipsisCharacter);
  RectF trimmed;
  INT lines = 0;
  s.G.MeasureString(text, -1, &font, RectF(0, 0, 80, 20), &format, &trimmed, nullptr, &lines);
  EXPECT_GT(full.Width, 200);
  EXPECT_LE(trimmed.Width, 80.5);
  EXPECT_GT(trimmed.Width, 40);
  EXPECT_EQ(lines, 1);
}
