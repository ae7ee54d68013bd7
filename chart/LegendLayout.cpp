// The legend's layout: which items it shows, in how many rows and columns,
// how wide each column is, where the box sits and how much of the chart
// rectangle it takes.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/AxisPanel.h"
#include "chart/Legend.h"
#include "chart/PlotConst.h"

namespace {

int RoundPercent(int Value, int Percent) { return int(std::lround(Value * Percent / 100.0)); }

// The visible effect's size along one axis, 0 when hidden.
int EffectSize(const TPlotShadow* Effect, bool Horizontal) {
  if (Effect == nullptr || !Effect->GetVisible()) return 0;
  return Horizontal ? Effect->GetHorizSize() : Effect->GetVertSize();
}

}  // namespace

int TCustomChartLegend::FrameWidth() const {
  int f = GetFrame()->GetVisible() ? GetFrame()->GetWidth() : 0;
  if (GetBevel() != bvNone) f += GetBevelWidth();
  return f;
}

int TCustomChartLegend::CalcItemHeight() {
  TCustomAxisPanel* chart = Chart();
  if (chart == nullptr || chart->GetCanvas() == nullptr) return 0;
  int h = chart->GetCanvas()->TextHeight("W");
  if (FSymbol->GetVisible()) {
    if (FSymbol->GetHeightUnits() == lcsPixels)
      h = std::max(h, FSymbol->GetHeight());
    else if (FSymbol->GetHeight() > 100)
      h = int(std::lround(h * FSymbol->GetHeight() / 100.0));
  }
  if (HasCheckBoxes()) h = std::max(h, 17);
  h += FVertSpacing;
  if (Vertical() && FDividingLines->GetVisible()) h += FDividingLines->GetWidth();
  return h;
}

int TCustomChartLegend::FirstItemTop() {
  int top = ShapeBounds.Top;
  if (IDrawTitle) top += GetTitle()->GetHeight() + 4;
  return top;
}

int TCustomChartLegend::DividingWidth() const {
  return FDividingLines->GetVisible() ? FDividingLines->GetWidth() + 2 : 0;
}

int TCustomChartLegend::CalcItemWidthColor(int W) const {
  W += IColorWidth + FTextSymbolGap + 8;
  if (FCheckBoxes) W += 15;
  return W;
}

int TCustomChartLegend::TitleWidth() {
  if (!FTitle) return 0;
  return FTitle->GetWidth() + ISpaceWidth;
}

int TCustomChartLegend::ColumnWidth(int Column) const {
  const size_t base = size_t(Column) * 3;
  if (Column < 0 || base + 2 >= ColumnWidths.size()) return 0;
  int w = ColumnWidths[base] + ColumnWidths[base + 1] + ColumnWidths[base + 2];
  w = CalcItemWidthColor(w);
  if (Column < NumCols - 1) w += DividingWidth() + 2;
  return w;
}

// Per column of items, the widest text of each text column among the
// slots that column holds.
void TCustomChartLegend::CalcColumnWidths() {
  if (!ColumnWidthAuto) return;
  const int cols = std::max(NumCols, 1);
  ColumnWidths.assign(size_t(cols) * 3, 0);
  for (size_t slot = 0; slot < IItemsWidth.size(); ++slot) {
    const size_t col = slot % size_t(cols);
    for (size_t k = 0; k < 3; ++k)
      ColumnWidths[col * 3 + k] = std::max(ColumnWidths[col * 3 + k], IItemsWidth[slot][k]);
  }
}

void TCustomChartLegend::CalcTotalItems(TChartSeries* Series, bool& Inverted) {
  TCustomAxisPanel* chart = Chart();
  const int perPage = chart ? chart->GetMaxPointsPerPage() : 0;
  if (FItems->GetCustom()) {
    ITotalItems = FItems->Count();
  } else if (InternalLegendStyle == lsSeriesGroups) {
    ITotalItems = chart ? chart->GetSeriesGroups()->Count() : 0;
  } else if (InternalLegendStyle == lsValues) {
    ITotalItems = 0;
    if (Series && Series->GetShowInLegend()) {
      ITotalItems = Series->CountLegendItems() - FFirstValue;
      if (Series->InvertedLegend()) Inverted = !Inverted;
    }
  } else {
    ITotalItems = int(LegendSeriesList().size()) - FFirstValue;
  }
  ITotalItems = std::max(ITotalItems, 0);
  if (perPage > 0) ITotalItems = std::min(ITotalItems, perPage);
}

// Texts and widths of the shown values, each stored at its slot.
void TCustomChartLegend::CalcItemTexts(bool Inverted) {
  const int shown = std::max(ILastValue - FFirstValue + 1, 0);
  IItems.assign(size_t(shown), {});
  IItemsWidth.assign(size_t(shown), {0, 0, 0});
  IColorWidths.assign(size_t(shown), 0);
  IColorWidth = 0;
  TCustomAxisPanel* chart = Chart();
  for (int v = FFirstValue; v <= ILastValue; ++v) {
    const size_t slot = size_t(Inverted ? ILastValue - v : v - FFirstValue);
    std::array<std::string, 3>& texts = IItems[slot];
    if (FItems->GetCustom()) {
      if (TLegendItem* item = FItems->Peek(v)) texts = {item->FText, item->FText2, item->FText3};
    } else {
      const std::string text = FormattedLegend(v);
      const size_t a = text.find(PlotColumnSeparator);
      texts[0] = text.substr(0, a);
      if (a != std::string::npos) {
        const std::string rest = text.substr(a + 1);
        const size_t b = rest.find(PlotColumnSeparator);
        texts[1] = rest.substr(0, b);
        if (b != std::string::npos) texts[2] = rest.substr(b + 1);
      }
    }
    int sum = 0;
    for (size_t k = 0; k < 3; ++k) {
      if (texts[k].empty()) continue;
      int lines = 0;
      IItemsWidth[slot][k] = chart->MultiLineTextWidth(texts[k], lines) + FTextSymbolGap;
      sum += IItemsWidth[slot][k];
    }
    IColorWidths[slot] = FSymbol->CalcWidth(sum + ISpaceWidth - 1);
    IColorWidth = std::max(IColorWidth, IColorWidths[slot]);
  }
}

int TCustomChartLegend::HorizAvailable() const {
  TCustomAxisPanel* chart = Chart();
  const int width = chart->ChartBounds.Width();
  int a = width - 2 * FrameWidth() - (chart->BorderSize() + width * FHorizMargin / 100);
  if (!FCustomPosition) a -= RoundPercent(width, FTopLeftPos);
  return a;
}

// The widest grid of columns, from Count down, whose total width fits into
// Available; its columns.
int TCustomChartLegend::CalcJustifiedGrid(int Available, int Count) {
  IJustify = true;
  while (true) {
    NumCols = std::max(Count, 1);
    NumRows = (ITotalItems + NumCols - 1) / NumCols;
    CalcColumnWidths();
    int total = 2;
    for (int j = 0; j < NumCols; ++j) total += ColumnWidth(j);
    if (total <= Available || Count <= 0) return NumCols;
    --Count;
  }
}

void TCustomChartLegend::CalcHorizontal() {
  const int available = HorizAvailable();
  IJustify = false;
  int count = 0;
  bool justify = FHorizJustify == ljYes;
  if (!justify) {
    NumRows = 1;
    NumCols = ITotalItems;
    CalcColumnWidths();
    int left = available;
    while (count < ITotalItems && ColumnWidth(count) <= left) left -= ColumnWidth(count++);
    NumCols = count;
    justify = count == 0 && FHorizJustify == ljAutomatic;
  }
  if (justify) count = CalcJustifiedGrid(available, count);
  const int maxRows = FMaxNumRows == 0 ? 10 : FMaxNumRows;
  auto rowsFor = [&](int cols) {
    return cols <= 0 ? 0 : std::min((ITotalItems + cols - 1) / cols, maxRows);
  };
  NumCols = count;
  NumRows = rowsFor(NumCols);
  if (NumRows > 1) {
    NumCols = CalcJustifiedGrid(available, NumCols);
    NumRows = rowsFor(NumCols);
  }
  if (IJustify) ILastValue = FFirstValue + std::min(ITotalItems, NumCols * NumRows) - 1;
}

void TCustomChartLegend::CalcSideWidth() {
  CalcColumnWidths();
  int t = 0;
  for (size_t k = 0; k < 3; ++k)
    if (ColumnWidths[k] > 0) t += ColumnWidths[k] + ISpaceWidth - 1;
  int width = t + FTextSymbolGap + 2;
  IMaxWidth = t;
  if (InternalLegendStyle == lsSeriesGroups) {
    IColorWidth = 0;
  } else {
    IColorWidth = FSymbol->CalcWidth(width);
    if (FSymbol->GetVisible())
      width += IColorWidth + 4 + std::abs(EffectSize(FSymbol->GetShadow(), true)) +
               std::abs(EffectSize(FSymbol->GetEmboss(), true));
  }
  width += FrameWidth();
  if (OnCalcSize) OnCalcSize(this, width);
  if (IDrawTitle) width = std::max(width, TitleWidth());
  TCustomAxisPanel* chart = Chart();
  const int f = FrameWidth();
  int left = ShapeBounds.Left;
  const int box = FCheckBoxes ? 15 : 0;
  if (!FCustomPosition) {
    if (FAlignment == laLeft) {
      left = chart->ChartRect.Left + f + 1;
    } else {
      const int shadow = std::max(EffectSize(GetShadow(), true), 0);
      left = chart->ChartRect.Right - shadow - (f / 2 + 1) - width - box;
    }
  }
  ShapeBounds.Left = left;
  XLegendBox = left + 4;
  ShapeBounds.Right = left + box + width;
}

void TCustomChartLegend::CalcHorizWidth() {
  TCustomAxisPanel* chart = Chart();
  int total = 0;
  if (IJustify) {
    total = 2;
    for (int j = 0; j < NumCols; ++j) total += ColumnWidth(j);
    total += 2 * NumCols;
  } else {
    for (int j = 0; j < NumCols; ++j) total += ColumnWidth(j);
    total += 4;
  }
  if (IDrawTitle) total = std::max(total, TitleWidth());
  const int width = chart->ChartBounds.Width();
  const int offset = FCustomPosition ? 0 : RoundPercent(width, FTopLeftPos);
  const int half = std::min(width - offset, total) / 2;
  if (!FCustomPosition) ShapeBounds.Left = chart->ChartXCenter - half;
  ShapeBounds.Right = ShapeBounds.Left + 2 * half;
  XLegendBox = ShapeBounds.Left + 4;
}

void TCustomChartLegend::CalcTextStart() {
  const int itemsStart = ShapeBounds.Left + (FCheckBoxes ? 15 : 0);
  const int start = itemsStart + FrameWidth() / 2 + 6;
  XLegendColor = start;
  const bool symbol = FSymbol->GetVisible();
  if (!symbol || FSymbol->GetPosition() == spRight || InternalLegendStyle == lsSeriesGroups) {
    XLegendText = start + (symbol ? 0 : 2);
    return;
  }
  XLegendText = start + IColorWidth + FTextSymbolGap + 4;
  TPlotShadow* shadow = FSymbol->GetShadow();
  if (shadow->GetVisible() && shadow->GetSize() != 0)
    XLegendText += std::abs(shadow->GetHorizSize());
}

void TCustomChartLegend::ShrinkChartRect() {
  TCustomAxisPanel* chart = Chart();
  TRect& r = chart->ChartRect;
  if (Vertical()) {
    const int m = FHorizMargin != 0 ? FHorizMargin : chart->ChartWidth * 3 / 100;
    if (FAlignment == laLeft)
      r.Left = ShapeBounds.Right + m;
    else
      r.Right = ShapeBounds.Left - m;
  } else {
    const int m = FVertMargin != 0 ? FVertMargin : chart->ChartHeight * 4 / 100;
    if (FAlignment == laTop)
      r.Top = ShapeBounds.Bottom + EffectSize(chart->GetShadow(), false) +
              EffectSize(chart->GetEmboss(), false) + m;
    else
      r.Bottom = ShapeBounds.Top - m;
  }
  chart->ReCalcWidthHeight();
}

void TCustomChartLegend::OffsetParent(int Sign) {
  TCustomAxisPanel* chart = Chart();
  if (chart == nullptr) return;
  const int dx = Sign * chart->ChartBounds.Left;
  const int dy = Sign * chart->ChartBounds.Top;
  ShapeBounds = TRect{ShapeBounds.Left + dx, ShapeBounds.Top + dy, ShapeBounds.Right + dx,
                      ShapeBounds.Bottom + dy};
  IOffset = Sign > 0;
}

void TCustomChartLegend::CalcRect() {
  TCustomAxisPanel* chart = Chart();
  if (chart == nullptr || chart->GetCanvas() == nullptr) return;
  if (IOffset) OffsetParent(-1);
  bool inverted = FInverted;
  InternalLegendStyle = CalcLegendStyle();
  const int f = FrameWidth();

  if (FCustomPosition) {
    if (FPosUnits == muPercent) {
      const int w = ShapeBounds.Width(), h = ShapeBounds.Height();
      ShapeBounds.Left = RoundPercent(chart->GetWidth(), FLeftPercent);
      ShapeBounds.Top = RoundPercent(chart->GetHeight(), FTopPercent);
      ShapeBounds.Right = ShapeBounds.Left + w;
      ShapeBounds.Bottom = ShapeBounds.Top + h;
    }
    OffsetParent(1);
  }

  const int perPage = chart->GetMaxPointsPerPage();
  if (perPage > 0) {
    if (InternalLegendStyle == lsValues && FCurrentPage)
      FFirstValue = chart->GetPages()->FirstValueIndex();
    else if (InternalLegendStyle != lsValues)
      FFirstValue = 0;
  }
  CalcTotalItems(GetLegendSeries(), inverted);

  chart->LegendColor = GetColor();
  TCanvas3D* c = chart->GetCanvas();
  c->AssignFont(GetFont());
  ISpaceWidth = c->TextWidth(" ");
  ItemHeight = CalcItemHeight();
  IDrawTitle = FTitle && FTitle->GetVisible() && !FTitle->GetText().empty();
  if (IDrawTitle) {
    FTitle->SetAutoSize(true);
    FTitle->CalcBounds(chart);
    c->AssignFont(GetFont());
  }

  if (Vertical()) {
    if (!FCustomPosition) {
      const int top = chart->ChartRect.Top +
                      int(std::lround(FTopLeftPos * chart->ChartRect.Height() / 100.0)) + f / 2;
      ShapeBounds.Top = top;
    }
    NumCols = 1;
    const int first = FirstItemTop();
    NumRows = 0;
    if (first < chart->ChartRect.Bottom && ItemHeight > 0)
      NumRows = std::min((chart->ChartRect.Bottom - f - first) / ItemHeight, ITotalItems);
    if (FMaxNumRows != 0) NumRows = std::min(NumRows, FMaxNumRows);
    NumRows = std::max(NumRows, 0);
    ILastValue = FFirstValue + std::min(ITotalItems, NumRows) - 1;
    IJustify = false;
    CalcItemTexts(inverted);
  } else {
    ILastValue = FFirstValue + ITotalItems - 1;
    CalcItemTexts(inverted);
    if (!FCustomPosition && FAlignment != laBottom)
      ShapeBounds.Top = chart->ChartRect.Top + f / 2 + 1;
    const int last = ILastValue;
    CalcHorizontal();
    // A row limit shows fewer items: their slots count from the new last.
    if (ILastValue != last) CalcItemTexts(inverted);
    CalcColumnWidths();
  }

  // Height, and the bottom legend's place.
  ItemsTopMargin = int(std::lround(ItemHeight / 10.0));
  int height = ItemHeight * NumRows + 2 * ItemsTopMargin + f + 2;
  if (IDrawTitle) height += FTitle->GetHeight() + 4;
  if (FSymbol->GetVisible()) {
    const int limit = ItemHeight / 6;
    for (TPlotShadow* e : {static_cast<TPlotShadow*>(FSymbol->GetShadow()),
                           static_cast<TPlotShadow*>(FSymbol->GetEmboss())}) {
      if (e->GetVisible() && e->GetVertSize() > limit) {
        height += e->GetVertSize() - limit;
        break;
      }
    }
  }
  if (FAlignment == laBottom && !FCustomPosition) {
    int below = f / 2 + 1 + EffectSize(GetShadow(), false) +
                (HasEmboss() ? EffectSize(GetEmboss(), false) : 0);
    if (OnCalcSize) OnCalcSize(this, below);
    ShapeBounds.Bottom = chart->ChartRect.Bottom - below;
    ShapeBounds.Top = ShapeBounds.Bottom - height;
  } else {
    ShapeBounds.Bottom = ShapeBounds.Top + height;
  }

  if (Vertical())
    CalcSideWidth();
  else
    CalcHorizWidth();
  CalcTextStart();

  TRect r = ShapeBounds;
  chart->DoGetLegendRect(this, r);
  ShapeBounds = r;

  if (FResizeChart && !FCustomPosition && ILastValue >= FFirstValue) ShrinkChartRect();
}
