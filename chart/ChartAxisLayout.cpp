// The room an axis takes out of the chart rectangle: the size of its
// labels, ticks and title, and the lines where it draws them.

#include <algorithm>
#include <cmath>

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/ChartAxisTitle.h"
#include "chart/ChartLists.h"
#include "chart/ChartPointLists.h"
#include "chart/PlotGeometry.h"
#include "chart/PlotPicture.h"

void TChartAxis::MeasureLabelRows() {
  FLabels->IHeightFactor = 1;
  FLabels->IMaxImageHeight = 0;
  if (!FHorizontal || FLabels->GetAngle() != 0 || !FAxisItems->GetAuto()) return;
  const TAxisLabelStyle style = CalcLabelStyle();
  if (style == talValue) {
    int width = 0, lines = 1;
    MaxLabelsValue(width, lines);
    FLabels->IHeightFactor = std::max(1, lines);
    return;
  }
  CalcAllSeries();
  for (TChartSeries* s : ISeriesList->Items()) {
    s->CalcFirstLastVisibleIndex();
    if (s->FirstDisplayedIndex() == -1) continue;
    for (int i = s->FFirstVisibleIndex; i <= s->FLastVisibleIndex; ++i) {
      double value = 0;
      std::string text;
      TPlotPicture* picture = nullptr;
      if (!GetAxisSeriesLabel(style, s, i, value, text, picture)) continue;
      if (value < IMinimum || value > IMaximum) continue;
      FLabels->IHeightFactor =
          std::max(FLabels->IHeightFactor, TCustomPlotPanel::LinesOfText(text));
      if (picture && picture->GetGraphic())
        FLabels->IMaxImageHeight =
            std::max(FLabels->IMaxImageHeight, picture->GetGraphic()->GetHeight());
    }
  }
  ISeriesList->Clear();
}

int TChartAxis::SizeLabels() {
  if (FLabels->IHeightFactor == 0) MeasureLabelRows();
  const int s = InternalCalcSize(FLabels->GetFormat(), FLabels->GetAngle(), FLabels->GetSize(), {});
  const int result = s * FLabels->IHeightFactor;
  return FLabels->GetAlternate() ? result * 2 : result;
}

int TChartAxis::InternalCalcSize(TCustomTextShape* Shape, int Angle, int FixedSize,
                                 const std::string& Text) {
  if (FixedSize != 0) return FixedSize;
  if (!FParentChart || !FParentChart->GetCanvas()) return 0;
  FParentChart->PrepareFont3D(Shape->GetFont());
  const int height = FParentChart->GetCanvas()->TextHeight(std::string("W"));
  int size;
  if ((FHorizontal && Angle % 180 == 0) || (!FHorizontal && (Angle == 90 || Angle == 270))) {
    size = height;
  } else {
    int lines = 1;
    int w = Text.empty() ? MaxLabelsWidth()
                         : FParentChart->MultiLineTextWidth(Text, lines, Shape->GetTextFormat());
    FParentChart->PrepareFont3D(Shape->GetFont());
    const double a = Angle * M_PI / 180.0;
    size = FHorizontal ? height + PlotRound(std::fabs(std::sin(a)) * w)
                       : PlotRound(std::fabs(std::cos(a)) * w);
  }
  if (!Shape->GetTransparent()) {
    if (Shape->GetFrame()->GetVisible()) size += 2 * Shape->GetFrame()->GetWidth();
    if (Shape->GetShadow()->ShouldDraw()) size += Shape->GetShadow()->GetSize();
  }
  return size;
}

// The widest point label of every series, as OnGetAxisLabel gives it.
int TChartAxis::SeriesTextWidth() {
  int result = 0;
  for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
    TChartSeries* s = FParentChart->GetSeries(i);
    for (int j = 0; j < s->Count(); ++j) {
      std::string text = s->GetXLabel(j);
      FParentChart->OnGetAxisLabel(this, s, j, text);
      if (text.empty()) continue;
      int lines = 1;
      result = std::max(result, FParentChart->MultiLineTextWidth(text, lines));
    }
  }
  return result;
}

int TChartAxis::MaxLabelsWidth() {
  if (!FParentChart || !FParentChart->GetCanvas()) return 0;
  if (!FAxisItems->GetAuto()) {
    int result = 0;
    for (int i = 0; i < FAxisItems->Count(); ++i) {
      TAxisItem* item = FAxisItems->Get(i);
      FParentChart->PrepareFont3D(item->ActiveFormat()->GetFont());
      int lines = 1;
      result = std::max(result, FParentChart->MultiLineTextWidth(item->GetText(), lines));
    }
    return result;
  }
  int width = 0, lines = 1;
  switch (CalcLabelStyle()) {
    case talValue:
    case talPointValue:
      MaxLabelsValue(width, lines);
      return width;
    case talMark:
      return FParentChart->MaxMarkWidth();
    case talText:
      return FParentChart->OnGetAxisLabel ? SeriesTextWidth() : FParentChart->MaxTextWidth();
    default:
      return 0;
  }
}

void TChartAxis::MaxLabelsValue(int& Width, int& NumLines) {
  Width = 0;
  NumLines = 0;
  if (!FParentChart || !FParentChart->GetCanvas()) return;
  const double inc = CalcIncrement();
  double lo = IMinimum, hi = IMaximum;
  if (((IAxisDateTime && FExactDateTime) || FLabels->GetRoundFirst()) && inc != 0) {
    lo = std::trunc(IMinimum / inc) * inc;
    hi = std::trunc(IMaximum / inc) * inc;
  }
  auto measure = [&](double v) {
    int lines = 1;
    Width = std::max(Width, FParentChart->MultiLineTextWidth(LabelValue(v), lines));
    NumLines = std::max(NumLines, lines);
  };
  if (inc != 0) {
    int count = 0;
    for (double v = hi; v >= lo && count < 5000; v -= inc, ++count) measure(v);
  } else {
    measure(lo);
    measure(hi);
  }
  Width += FParentChart->GetCanvas()->TextWidth(std::string(" "));
}

int TChartAxis::MaxImageWidth() {
  int result = 0;
  if (!FParentChart) return 0;
  for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
    TChartSeries* s = FParentChart->GetSeries(i);
    if (!s->GetActive() || !s->HasPictures() || !s->AssociatedToAxis(this)) continue;
    if (s->YMandatory != FHorizontal) continue;
    for (int j = 0; j < s->Pictures()->Count(); ++j) {
      TPlotPicture* p = s->Pictures()->Get(j);
      if (p && p->GetGraphic()) result = std::max(result, p->GetGraphic()->GetWidth());
    }
  }
  return result;
}

int TChartAxis::SizeTickAxis(bool IncludeTicks) {
  int result = FAxis->GetVisible() ? FAxis->GetWidth() + 1 : 0;
  if (IncludeTicks && FTicks->GetVisible()) result += FTickLength;
  if (FMinorTicks->GetVisible()) result = std::max(result, FMinorTickLength);
  return result;
}

// ---------------- edges ----------------

int TChartAxis::GetRectangleEdge(const TRect& R) const {
  if (FHorizontal) return FOtherSide ? R.Top : R.Bottom;
  return FOtherSide ? R.Right : R.Left;
}

int TChartAxis::InflateAxisPos(int Pos, int Size) const {
  const bool outwardIsNegative = FHorizontal ? FOtherSide : !FOtherSide;
  return outwardIsNegative ? Pos - Size : Pos + Size;
}

void TChartAxis::InflateAxisRect(TRect& R, int Size) const {
  if (FHorizontal) {
    if (FOtherSide)
      R.Top = std::min(R.Bottom - 1, R.Top + Size);
    else
      R.Bottom = std::max(R.Top + 1, R.Bottom - Size);
  } else if (FOtherSide) {
    R.Right = std::max(R.Left + 1, R.Right - Size);
  } else {
    R.Left = std::min(R.Right - 1, R.Left + Size);
  }
}

int TChartAxis::ApplyPosition(int Pos, const TRect& R) const {
  if (FPositionPercent == 0) return Pos;
  double d = FPositionPercent;
  if (FPosUnits == muPercent)
    d = FPositionPercent * 0.01 * (FHorizontal ? R.Bottom - R.Top : R.Right - R.Left);
  int delta = PlotRound(d);
  if (FOtherSide) delta = -delta;
  return FHorizontal ? Pos - delta : Pos + delta;
}

// ---------------- layout ----------------

void TChartAxis::CalcRect(TRect& R, bool InflateChartRectangle) {
  if (HasSubAxes()) {
    for (int i = 0; i < GetSubAxes()->Count(); ++i) {
      TChartAxis* sub = GetSubAxes()->Get(i);
      if (!sub->GetVisible()) continue;
      AssignToSub(sub);
      sub->SetCalcPosValue();
      sub->CalcRect(R, true);
      sub->FPosAxis = ApplyPosition(GetRectangleEdge(R), R);
    }
  }
  IAxisDateTime = IsDateTime();
  if (!InflateChartRectangle) {
    FPosAxis = ApplyPosition(GetRectangleEdge(R), R);
    FPosLabels = InflateAxisPos(FPosAxis, SizeTickAxis(true));
    FPosTitle = InflateAxisPos(FPosLabels, SizeLabels());
    return;
  }
  if (IExtraSpace > 0) InflateAxisRect(R, IExtraSpace);
  if (IDepthAxis) {
    FPosTitle = FOtherSide ? R.Right : R.Left;
  } else if (FAxisTitle && FAxisTitle->GetVisible() && !FAxisTitle->GetCaption().empty()) {
    InflateAxisRect(R, InternalCalcSize(FAxisTitle.get(), FAxisTitle->GetAngle(), FTitleSize,
                                        FAxisTitle->GetCaption()));
    FPosTitle = GetRectangleEdge(R);
  }
  if (FLabels->GetVisible()) {
    FLabels->IHeightFactor = 0;
    int s = SizeLabels();
    if (FLabels->GetUseImages()) s += FHorizontal ? FLabels->IMaxImageHeight : MaxImageWidth();
    if (FParentChart && FParentChart->GetAxes()->CalcPosLabels)
      s = FParentChart->GetAxes()->CalcPosLabels(this, s);
    InflateAxisRect(R, s);
    int height = 0;
    if (FParentChart && FParentChart->GetCanvas()) {
      FParentChart->PrepareFont3D(FLabels->GetFont());
      height = FParentChart->GetCanvas()->TextHeight(std::string("W"));
    }
    FPosLabels =
        InflateAxisPos(GetRectangleEdge(R), PlotRound(height * FLabels->GetMarginToAxis() * 0.01));
  }
  const int wall = (FParentChart ? FParentChart->CalcWallSize(this) : 0) +
                   SizeTickAxis(FLabels->GetPosition() == lpAtTick);
  if (wall > 0) InflateAxisRect(R, wall);
  FPosTitle = ApplyPosition(FPosTitle, R);
  FPosLabels = ApplyPosition(FPosLabels, R);
}
