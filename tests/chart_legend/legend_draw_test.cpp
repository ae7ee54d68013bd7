// Legend drawing: texts and their alignment, inverted legends that show
// fewer items than they have, symbol colours, check boxes and dividing
// lines checked at their pixels, and custom item texts.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include "legend_fixture.h"

namespace {

// Values right-aligned in the first column, labels left-aligned after them.
TEST(LegendDraw, LeftValueRightAlignsTheValues) {
  TLegendChart f;
  f.Area("S", {5, 12345, 678}, clRed, {"one", "two", "three"});
  f.Draw();
  EXPECT_EQ(f.Texts(), (std::vector<std::string>{"5", "one", "12,345", "two", "678", "three"}));
  const int right = f.TextX("5");
  EXPECT_EQ(f.TextX("12,345"), right);
  EXPECT_EQ(f.TextX("678"), right);
  EXPECT_EQ(f.TextX("one"), f.TextX("two"));
  EXPECT_GT(f.TextX("one"), right);
  // The records of the drawn items.
  TLegendItem* item = f.Legend.GetItems()->GetItem(1);
  EXPECT_EQ(item->FText, "12,345");
  EXPECT_EQ(item->FText2, "two");
  EXPECT_EQ(item->FLeft, right);
  EXPECT_FALSE(f.Legend.GetItems()->GetCustom());
}

TEST(LegendDraw, RightValueLeftAlignsTheLabels) {
  TLegendChart f;
  f.Area("S", {5, 12345}, clRed, {"one", "three"});
  f.Legend.SetTextStyle(ltsRightValue);
  f.Draw();
  EXPECT_EQ(f.TextX("one"), f.TextX("three"));
  EXPECT_EQ(f.TextX("5"), f.TextX("12,345"));
  EXPECT_GT(f.TextX("5"), f.TextX("one"));
}

// Inverted legends showing fewer items than they have draw each shown
// value's own texts, from the last shown value down.
TEST(LegendDraw, InvertedLegendShowingFewerItemsDrawsTheRightTexts) {
  struct TCase {
    const char* Name;
    TLegendAlignment Align;
    int MaxRows, FirstValue;
    std::vector<std::string> Expected;
  };
  const TCase cases[] = {
      {"side, two rows", laRight, 2, 0, {"v1", "v0"}},
      {"side, from value 3", laRight, 0, 3, {"v5", "v4", "v3"}},
      {"side, from value 2, two rows", laRight, 2, 2, {"v3", "v2"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TLegendChart f;
    f.Area("S", {0, 1, 2, 3, 4, 5}, clRed, {"v0", "v1", "v2", "v3", "v4", "v5"});
    f.Legend.SetTextStyle(ltsPlain);
    f.Legend.SetInverted(true);
    f.Legend.SetAlignment(c.Align);
    f.Legend.SetMaxNumRows(c.MaxRows);
    f.Legend.SetFirstValue(c.FirstValue);
    f.Draw();
    EXPECT_EQ(f.Texts(), c.Expected);
  }
}

TEST(LegendDraw, InvertedBottomGridWithARowLimitDrawsTheRightTexts) {
  TLegendChart f(220, 200);
  std::vector<double> y;
  std::vector<std::string> labels;
  for (int i = 0; i < 40; ++i) {
    y.push_back(i);
    labels.push_back("Item " + std::to_string(i));
  }
  f.Area("S", y, clRed, labels);
  f.Legend.SetTextStyle(ltsPlain);
  f.Legend.SetAlignment(laBottom);
  f.Legend.SetMaxNumRows(2);
  f.Legend.SetInverted(true);
  f.Draw();
  TCustomChartLegend& l = f.Legend;
  ASSERT_TRUE(l.IJustify);
  const int shown = l.ILastValue + 1;
  ASSERT_LT(shown, 40);
  std::vector<std::string> expected;
  for (int v = l.ILastValue; v >= 0; --v) expected.push_back("Item " + std::to_string(v));
  EXPECT_EQ(f.Texts(), expected);
}

// Two series' symbols in their colours, with a check box each (one ticked)
// and a dividing line between the rows.
TEST(LegendDraw, SymbolsCheckBoxesAndDividingLinesAtTheirPixels) {
  ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "check boxes need a display";
  TLegendChart f;
  f.Area("On", {1}, clRed);
  auto& off = f.Area("Off", {1}, clBlue);
  off.SetActive(false);
  f.Legend.SetCheckBoxes(true);
  f.Legend.GetSymbol()->GetShadow()->SetVisible(false);
  f.Legend.GetDividingLines()->SetVisible(true);
  f.Legend.GetDividingLines()->SetColor(clLime);
  f.Draw();
  TCustomChartLegend& l = f.Legend;
  for (int i = 0; i < 2; ++i) {
    const TRect r = l.GetItems()->GetItem(i)->FSymbol;
    const TPoint c{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    EXPECT_EQ(f.Canvas->Pixel(c.X, c.Y), i == 0 ? clRed : clBlue) << i;
  }
  // Check boxes: the ticked one is filled, the other only outlined.
  auto inked = [&](int Row) {
    const int y =
        l.FirstItemTop() + 1 + l.ItemsTopMargin + Row * l.ItemHeight + (l.ItemHeight - 11) / 2 - 1;
    int n = 0;
    for (int dy = 0; dy < 13; ++dy)
      for (int dx = 0; dx < 13; ++dx)
        if (f.Canvas->Pixel(l.XLegendBox + dx, y + dy) != clWhite) ++n;
    return n;
  };
  EXPECT_GT(inked(0), inked(1) + 40);
  EXPECT_GT(inked(1), 0);
  // The dividing line above the second row, inside the frame.
  const int lineY = l.FirstItemTop() + 1 + l.ItemsTopMargin + l.ItemHeight;
  const TRect r = l.RectLegend();
  EXPECT_EQ(f.Canvas->Pixel((r.Left + r.Right) / 2, lineY), clLime);
}

TEST(LegendDraw, FontSeriesColorAndCustomTexts) {
  TLegendChart f;
  f.Area("Red", {1}, clRed);
  f.Area("Blue", {1}, clBlue);
  f.Legend.SetFontSeriesColor(true);
  f.Draw();
  EXPECT_EQ(f.Texts(), (std::vector<std::string>{"Red", "Blue"}));
  // A text the user gave replaces the computed one; the others keep what
  // was drawn last.
  f.Legend.GetItem(1)->SetText("Custom");
  f.Draw();
  EXPECT_EQ(f.Texts(), (std::vector<std::string>{"Red", "Custom"}));
}

TEST(LegendDraw, NothingShownOpensAndClosesTheEntityOnly) {
  TLegendChart f;
  f.Area("Empty", {});
  f.Legend.SetCheckBoxes(false);
  f.Layout();
  f.Canvas->ClearLog();
  f.Legend.DrawLegend();
  EXPECT_TRUE(f.Texts().empty());
  EXPECT_EQ(f.Canvas->Count("Rectangle"), 0u);
}

}  // namespace

namespace {

// Drawing reads the layout only: a second drawing of a fitted bottom row
// writes every text where the first did.
TEST(LegendDraw, DrawingTwiceDrawsTheSame) {
  TLegendChart f;
  f.Area("A", {1});
  f.Area("B", {1});
  f.Area("C", {1});
  f.Legend.SetAlignment(laBottom);
  f.Layout();
  ASSERT_FALSE(f.Legend.IJustify);
  f.Canvas->ClearLog();
  f.Legend.DrawLegend();
  const auto first = f.Canvas->Calls("TextOut(");
  f.Canvas->ClearLog();
  f.Legend.DrawLegend();
  EXPECT_EQ(f.Canvas->Calls("TextOut("), first);
  ASSERT_EQ(first.size(), 3u);
  EXPECT_LT(f.TextX("A"), f.TextX("B"));
  EXPECT_LT(f.TextX("B"), f.TextX("C"));
}

}  // namespace
