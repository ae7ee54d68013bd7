// Legend symbol sizes and painting, the item records that users may make
// their own, and the legend title's look.

#include <gtest/gtest.h>

#include "legend_fixture.h"

namespace {

TEST(LegendSymbol, SizesFollowTheItemHeightOrPixels) {
  TLegendChart f;
  f.Area("A", {1});
  f.Area("B", {1});
  TLegendSymbol* s = f.Legend.GetSymbol();
  f.Layout();
  const int ih = f.Legend.ItemHeight;
  // Squared: as wide as the item height less 4.
  EXPECT_EQ(s->CalcHeight(), ih - 4);
  EXPECT_EQ(s->CalcWidth(500), ih - 4);
  EXPECT_EQ(f.Legend.IColorWidth, ih - 4);
  // The spacing is not part of a squared symbol's width.
  f.Legend.SetVertSpacing(6);
  f.Layout();
  EXPECT_EQ(s->CalcWidth(500), f.Legend.ItemHeight - 4 - 6);
  f.Legend.SetVertSpacing(0);
  struct TCase {
    bool Squared;
    TLegendSymbolSize Units;
    int Width, TextWidth, Expected;
  };
  const TCase widths[] = {{false, lcsPercent, 20, 100, 20},
                          {false, lcsPercent, 50, 31, 16},
                          {false, lcsPixels, 12, 100, 12}};
  for (const TCase& c : widths) {
    s->SetSquared(c.Squared);
    s->SetWidthUnits(c.Units);
    s->SetWidth(c.Width);
    EXPECT_EQ(s->CalcWidth(c.TextWidth), c.Expected);
  }
  s->SetHeightUnits(lcsPixels);
  s->SetHeight(8);
  EXPECT_EQ(s->CalcHeight(), 8);
  s->SetHeightUnits(lcsPercent);
  s->SetHeight(50);
  EXPECT_EQ(s->CalcHeight(), int(std::lround((ih - 4) * 0.5)));
  s->SetVisible(false);
  EXPECT_EQ(s->CalcWidth(100), 0);
}

TEST(LegendSymbol, PixelHeightGivesEightPixelSymbols) {
  TLegendChart f;
  f.Area("A", {1});
  f.Area("B", {1});
  f.Legend.GetSymbol()->SetHeightUnits(lcsPixels);
  f.Legend.GetSymbol()->SetHeight(8);
  f.Draw();
  for (int i = 0; i < 2; ++i) {
    const TRect r = f.Legend.GetItems()->GetItem(i)->FSymbol;
    EXPECT_EQ(r.Height(), 8) << i;
  }
}

// Draw on a black legend: a black symbol gets a white outline, others keep
// the canvas pen; a clear pen fills the rectangle one pixel larger.
TEST(LegendSymbol, BlackOnBlackGetsAWhiteOutline) {
  struct TCase {
    TColor Legend, Symbol, Outline;
  };
  const TCase cases[] = {
      {clBlack, clBlack, clWhite}, {clWhite, clBlack, clBlack}, {clBlack, clRed, clBlack}};
  for (const TCase& c : cases) {
    TLegendChart f;
    TLegendSymbol* s = f.Legend.GetSymbol();
    s->GetShadow()->SetVisible(false);
    f.Panel.LegendColor = c.Legend;
    TCanvas3D* cv = f.Panel.GetCanvas();
    cv->GetBrush()->SetStyle(bsSolid);
    cv->AssignVisiblePenColor(f.Legend.GetFrame(), clBlack);
    s->Draw(c.Symbol, TRect{10, 10, 30, 30});
    EXPECT_EQ(f.Canvas->Pixel(11, 20), c.Outline);
    EXPECT_EQ(f.Canvas->Pixel(20, 20), c.Symbol);
  }
  TLegendChart f;
  TCanvas3D* cv = f.Panel.GetCanvas();
  cv->GetBrush()->SetStyle(bsSolid);
  cv->GetPen()->SetStyle(psClear);
  f.Legend.GetSymbol()->GetShadow()->SetVisible(false);
  f.Legend.GetSymbol()->Draw(clBlue, TRect{10, 10, 20, 20});
  EXPECT_EQ(f.Canvas->Calls("FillRect").back(), "FillRect(10,10,21,21)");
}

TEST(LegendSymbol, OwnPenAndShadowAndAssign) {
  TLegendChart f;
  TLegendSymbol* s = f.Legend.GetSymbol();
  EXPECT_EQ(s->GetShadow()->GetSize(), 1);
  s->SetDefaultPen(false);
  s->GetPen()->SetColor(clLime);
  s->GetPen()->SetWidth(1);
  f.Panel.GetCanvas()->GetBrush()->SetStyle(bsSolid);
  s->Draw(clBlue, TRect{10, 10, 30, 30});
  EXPECT_EQ(f.Canvas->Pixel(11, 20), clLime);
  // The shadow lies one pixel right and below the symbol.
  EXPECT_NE(f.Canvas->Pixel(30, 30), clWhite);

  TLegendSymbol copy;
  s->SetContinuous(true);
  s->SetPosition(spRight);
  s->SetWidth(40);
  copy.Assign(s);
  EXPECT_TRUE(copy.GetContinuous());
  EXPECT_EQ(copy.GetPosition(), spRight);
  EXPECT_EQ(copy.GetWidth(), 40);
  EXPECT_EQ(copy.GetPen()->GetColor(), clLime);
  EXPECT_TRUE(copy.GetDefaultPen());  // not copied
}

TEST(LegendItems, TextsAlignAndPlacesMakeTheItemsCustom) {
  TChartLegend l;
  TLegendItems* items = l.GetItems();
  EXPECT_EQ(items->GetItem(3)->ILegend, &l);
  EXPECT_EQ(items->Count(), 4);
  EXPECT_EQ(items->Peek(1), nullptr);  // grown with empty entries
  items->GetItem(0)->SetText2("x");
  EXPECT_TRUE(items->GetCustom());
  EXPECT_FALSE(items->GetCustomPosition());
  items->GetItem(1)->SetTop(12);
  EXPECT_TRUE(items->GetCustomPosition());
  items->Clear();
  EXPECT_EQ(items->Count(), 0);
  // Without a legend nothing is marked.
  TLegendItem lone;
  lone.SetText("y");
  EXPECT_EQ(lone.GetText(), "y");
}

TEST(LegendItems, OwnFontStartsAsTheLegendFont) {
  TChartLegend l;
  l.GetFont()->SetSize(17);
  TLegendItem* item = l.GetItem(0);
  EXPECT_FALSE(item->HasFont());
  EXPECT_EQ(item->GetFont()->GetSize(), 17);
  EXPECT_TRUE(item->HasFont());
  TPlotFont other;
  other.SetSize(9);
  item->SetFont(&other);
  EXPECT_EQ(item->GetFont()->GetSize(), 9);
  item->SetFont(nullptr);
  EXPECT_FALSE(item->HasFont());
}

TEST(LegendTitle, FlatTransparentBoldWithGrayEffects) {
  TChartLegend l;
  TLegendTitle* t = l.GetTitle();
  EXPECT_TRUE(t->IDraw2D);
  EXPECT_TRUE(t->GetTransparent());
  EXPECT_TRUE(t->GetFont()->GetStyle() & FontStyleBit(fsBold));
  EXPECT_EQ(t->GetShadow()->GetColor(), TColor(0xC0C0C0));
  EXPECT_EQ(t->GetShadow()->GetSize(), 2);
  EXPECT_EQ(t->GetEmboss()->GetSize(), 2);
  TLegendTitle copy;
  t->SetCaption("Line 1\r\nLine 2");
  copy.Assign(t);
  EXPECT_EQ(copy.GetTextLines()->Count(), 2);
  l.SetTitle(nullptr);
  EXPECT_FALSE(l.HasTitle());
}

}  // namespace
