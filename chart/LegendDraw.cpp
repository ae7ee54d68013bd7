// The legend's drawing: the box, the title, and per shown item its texts,
// symbol, check box and dividing line, as the last CalcRect laid them out.

#include <algorithm>
#include <cmath>

#include "chart/AxisPanel.h"
#include "chart/Legend.h"
#include "chart/PlotBlend.h"
#include "platform/gdi/Gdi.h"

namespace {

// Whether text column Column of a value item is right-aligned.
bool RightAligned(TLegendStyle Style, TLegendTextStyle Text, int Column) {
  if (Style == lsSeries) return false;
  switch (Text) {
    case ltsLeftValue:
    case ltsLeftPercent:
    case ltsXValue:
    case ltsValue:
    case ltsPercent:
      return Column == 0;
    case ltsRightValue:
    case ltsRightPercent:
      return Column >= 1;
    case ltsXAndValue:
    case ltsXAndPercent:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TCustomChartLegend::PrepareSymbolPen() {
  if (TCustomAxisPanel* chart = Chart())
    chart->LegendPen = FSymbol->GetDefaultPen() ? nullptr : FSymbol->GetPen();
}

void TCustomChartLegend::DrawLegend() {
  TCustomAxisPanel* chart = Chart();
  if (chart == nullptr || chart->GetCanvas() == nullptr) return;
  TCanvas3D* c = chart->GetCanvas();
  c->BeginEntity("Legend", nullptr, nullptr);
  if (ILastValue >= FFirstValue) {
    TPlotBlend* blend = FGlobalTransp != 0 ? c->BeginBlending(ShapeBounds, FGlobalTransp) : nullptr;
    if (c->GetSupportsFullRotation())
      Draw(ShapeBounds, 0, 0);
    else
      Draw();
    if (IDrawTitle) {
      TLegendTitle* title = FTitle.get();
      const int w = title->GetWidth();
      int x = ShapeBounds.Left + 2;
      if (title->GetAlignment() == taCenter)
        x = (ShapeBounds.Left + ShapeBounds.Right - w - ISpaceWidth) / 2;
      else if (title->GetAlignment() == taRightJustify)
        x = ShapeBounds.Right - w - 2;
      title->MoveTo(x, ShapeBounds.Top + 2);
      title->Draw();
    }
    c->AssignFont(GetFont());
    c->BeginEntity("Items", nullptr, nullptr);
    DrawItems();
    c->EndEntity();
    if (blend) c->EndBlending(blend);
  }
  if (IOffset) OffsetParent(-1);
  c->EndEntity();
}

void TCustomChartLegend::DrawItems() {
  TChartSeries* legendSeries = GetLegendSeries();
  if (!FItems->GetCustom()) FItems->ClearItems();
  ICustomFont = false;
  const bool inverted = CalcInverted();
  int slot = 0;
  if (inverted) {
    for (int v = ILastValue; v >= FFirstValue; --v) DrawItem(v, slot++, legendSeries);
  } else {
    for (int v = FFirstValue; v <= ILastValue; ++v) DrawItem(v, slot++, legendSeries);
  }
}

void TCustomChartLegend::DrawItem(int Value, int Slot, TChartSeries* LegendSeries) {
  if (Slot >= ITotalItems || Slot >= int(IItems.size())) return;
  TCustomAxisPanel* chart = Chart();
  TCanvas3D* c = chart->GetCanvas();
  const bool named = c->SupportsID;
  if (named) c->BeginEntity(std::to_string(Value), nullptr, nullptr);
  const TLegendStyle style = InternalLegendStyle;
  const int f = FrameWidth();
  c->GetBrush()->SetColor(GetColor());
  c->GetBrush()->SetStyle(bsClear);
  c->SetBackMode(cbmTransparent);
  PrepareSymbolPen();

  // Places: the row, and the column's offset in a top or bottom legend.
  int row = Slot, col = 0, colOffset = 0;
  if (!Vertical() && NumCols > 0) {
    row = Slot / NumCols;
    col = Slot % NumCols;
    for (int j = 0; j < col; ++j) colOffset += ColumnWidth(j);
  }
  int x = XLegendText + colOffset;
  int y = FirstItemTop() + 1 + ItemsTopMargin + ItemHeight * row + FVertSpacing / 2;
  int symX = ShapeBounds.Left + f / 2 + 6 + (FCheckBoxes ? FTextSymbolGap + 11 : 0) + colOffset;
  const size_t base = Vertical() ? 0 : size_t(col) * 3;
  if (FSymbol->GetPosition() == spRight && base + 2 < ColumnWidths.size())
    symX +=
        ColumnWidths[base] + ColumnWidths[base + 1] + ColumnWidths[base + 2] + FTextSymbolGap + 2;
  chart->DoGetLegendPos(this, Value, x, y, symX);
  x -= 2;

  // The item's colour and series.
  TChartSeries* itemSeries = nullptr;
  TColor itemColor = clBlack;
  if (style == lsSeries || style == lsLastValues) {
    itemSeries = ItemSeries(Value, !FCheckBoxes);
    if (itemSeries) itemColor = itemSeries->GetSeriesColor();
  } else if (style == lsValues && LegendSeries) {
    itemColor = LegendSeries->LegendItemColor(Value);
  }
  if (FFontSeriesColor) c->GetFont()->SetColor(itemColor);

  const bool custom = FItems->GetCustom();
  TLegendItem* customItem = custom ? FItems->Peek(Value) : nullptr;
  const bool fittedRow = !Vertical() && !IJustify;
  for (int k = 0; k < 3; ++k) {
    std::string text = IItems[size_t(Slot)][size_t(k)];
    if (customItem)
      text = k == 0 ? customItem->FText : k == 1 ? customItem->FText2 : customItem->FText3;
    const int colWidth =
        base + size_t(k) < ColumnWidths.size() ? ColumnWidths[base + size_t(k)] : 0;
    const bool right = RightAligned(style, FTextStyle, k);
    if (right) x += fittedRow ? IItemsWidth[size_t(Slot)][size_t(k)] : colWidth - 4;
    if (!text.empty()) {
      const int yText = y + (FCheckBoxes ? 1 : 0);
      int tx = x, ty = yText;
      unsigned align = right ? gdi::TA_RIGHT : gdi::TA_LEFT;
      if (k == 0) {
        if (custom) {
          TLegendItem* item = FItems->GetItem(Value);
          if (FItems->GetCustomPosition()) {
            tx = item->FLeft;
            ty = item->FTop;
            align = unsigned(item->FAlign);
          } else {
            item->FLeft = tx;
            item->FTop = ty;
            item->FAlign = int(align);
          }
          if (item->HasFont()) {
            c->AssignFont(item->GetFont());
            ICustomFont = true;
          } else if (ICustomFont) {
            c->AssignFont(GetFont());
            if (FFontSeriesColor) c->GetFont()->SetColor(itemColor);
            ICustomFont = false;
          }
        } else {
          TLegendItem* item = FItems->GetItem(Value);
          item->FLeft = tx;
          item->FTop = ty;
          item->FAlign = int(align);
          item->FText = IItems[size_t(Slot)][0];
          item->FText2 = IItems[size_t(Slot)][1];
          item->FText3 = IItems[size_t(Slot)][2];
        }
      }
      if (!FFontSeriesColor && !ICustomFont) c->AssignFont(GetFont());
      if (chart->HoverVisible() && FSelected && FSelected->GetHover()->GetVisible() &&
          FSelected->GetHoverIndex() == Value)
        c->GetFont()->SetColor(FSelected->GetHover()->GetFont()->GetColor());
      c->SetTextAlign(align);
      c->TextOut(tx, ty, text, GetTextFormat() == ttfHtml);
    }
    if (!right) x += colWidth;
    x += ISpaceWidth;
  }
  c->SetTextAlign(gdi::TA_LEFT);

  // Symbol rectangle.
  TRect r;
  TLegendItem* symbolItem = FItems->GetItem(Value);
  if (custom && FItems->GetCustomPosition()) {
    r = symbolItem->FSymbol;
  } else {
    r.Left = symX;
    r.Right = r.Left + IColorWidths[size_t(Slot)];
    r.Top = y;
    if (FSymbol->GetHeightUnits() == lcsPixels) {
      r.Bottom = y + FSymbol->GetHeight();
    } else {
      r.Bottom = y + ItemHeight + 1;
      const bool continuous = FSymbol->GetContinuous();
      const bool last = Slot == ILastValue - FFirstValue;
      if (!continuous || Slot == 0) r.Top = y + 2;
      if (!continuous || last) r.Bottom -= FVertSpacing + 3;
      if (FSymbol->GetHeight() <= 100)
        r.Bottom = r.Top + int(std::lround(FSymbol->GetHeight() * (r.Bottom - r.Top) / 100.0));
    }
    symbolItem->FSymbol = r;
  }

  // Symbol and check box.
  bool box = false, checked = false;
  TChartSeries* symbolSeries = nullptr;
  int symbolIndex = -1;
  if (style == lsSeriesGroups) {
    box = FCheckBoxes;
    TSeriesGroups* groups = chart->GetSeriesGroups();
    checked = Value < groups->Count() && groups->Get(Value)->GetActive() == gaYes;
  } else if (style == lsSeries || style == lsLastValues) {
    box = FCheckBoxes;
    symbolSeries = itemSeries;
    checked = itemSeries && itemSeries->GetActive();
  } else {
    symbolSeries = LegendSeries;
    symbolIndex = Value;
  }
  if (style != lsSeriesGroups) {
    if (FSymbol->OnDraw) {
      FSymbol->OnDraw(FSymbol.get(), symbolSeries, symbolIndex, r);
    } else if (IColorWidth > 0) {
      if (symbolSeries)
        symbolSeries->DrawLegend(symbolIndex, r);
      else
        FSymbol->Draw(clWhite, r);
    }
    if (FSelected && FSelected->GetVisible() && FSelected->GetItemIndex() == Value) {
      c->AssignVisiblePen(FSelected->GetPen());
      c->GetBrush()->SetStyle(bsClear);
      c->Rectangle(r);
    }
  }
  if (box) {
    const int bx = XLegendBox + colOffset;
    const int by = y + (ItemHeight - FVertSpacing - 11) / 2 - 1;
    c->DrawCheckBox(bx, by, checked, GetColor(), FCheckBoxesStyle == cbsCheck);
  }

  // Dividing line above every item but the first.
  if (Slot > 0 && FDividingLines->GetVisible()) {
    c->AssignVisiblePen(FDividingLines.get());
    c->SetBackMode(cbmTransparent);
    const int e = GetFrame()->GetVisible() ? (GetFrame()->GetWidth() + 1) / 2 : 0;
    if (Vertical()) {
      const int ly = y - FVertSpacing / 2;
      c->DoHorizLine(ShapeBounds.Left + e, ShapeBounds.Right - e, ly);
    } else if (Slot < NumCols) {
      const int lx = ShapeBounds.Left + 1 + colOffset;
      c->DoVertLine(lx, ShapeBounds.Top + e, ShapeBounds.Bottom - e);
    }
  }
  if (named) c->EndEntity();
}
