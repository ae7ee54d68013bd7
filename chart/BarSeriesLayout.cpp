// How the bars of several bar series share the category space: slots and
// stack groups at the start of every paint, the bar thickness, where a bar
// sits along the category axis and where it starts and ends along the value
// axis, its rectangle, the value ranges and margins the axes need, the
// visible points, depth rows, draw order and the placing of marks.

#include <algorithm>
#include <cmath>

#include "chart/AxisPanel.h"
#include "chart/BarSeries.h"
#include "chart/Callout.h"
#include "chart/ChartAxis.h"
#include "chart/ChartSeriesTypes.h"
#include "chart/CustomSeries.h"
#include "chart/PlotView3D.h"
#include "chart/SeriesMarks.h"

namespace {

bool IsStacked(TMultiBar M) { return M == mbStacked || M == mbStacked100; }

// The rotation is strictly between Low and High degrees.
bool RotationWithin(TCustomAxisPanel* Chart, int Low, int High) {
  const int r = Chart->GetView3DOptions()->GetRotation();
  return r > Low && r < High;
}

}  // namespace

// ---------------- sharing a category ----------------

bool TCustomBarSeries::SameValueAxis(const TChartSeries* Other) const {
  if (YMandatory) {
    if (GetVertAxis() != aCustomVertAxis && Other->GetVertAxis() != aCustomVertAxis) return true;
    return GetVertAxisInUse() == Other->GetVertAxisInUse();
  }
  if (GetHorizAxis() != aCustomHorizAxis && Other->GetHorizAxis() != aCustomHorizAxis) return true;
  return GetHorizAxisInUse() == Other->GetHorizAxisInUse();
}

void TCustomBarSeries::DoBeforeDrawChart() {
  TChartSeries::DoBeforeDrawChart();
  IBarSize = 0;
  IOrderPos = 1;
  IPreviousCount = 0;
  INumBars = 0;
  IMaxBarPoints = -1;
  std::vector<int> groups;
  bool visited = false;
  TCustomAxisPanel* chart = Chart();
  if (!chart) {
    INumBars = 1;
    return;
  }
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    TChartSeries* s = chart->GetSeries(i);
    if (!s->GetActive() || s->ClassType() != ClassType() || !SameValueAxis(s)) continue;
    if (s == this) visited = true;
    const int n = s->Count();
    if (IMaxBarPoints == -1 || IMaxBarPoints < n) {
      IMaxBarPoints = n;
      if (FSideMargins && n > 0) ++IMaxBarPoints;
    }
    switch (FMultiBar) {
      case mbNone:
        INumBars = 1;
        break;
      case mbSide:
      case mbSideAll:
      case mbSelfStack:
        ++INumBars;
        if (!visited) ++IOrderPos;
        break;
      case mbStacked:
      case mbStacked100: {
        const int group = static_cast<TCustomBarSeries*>(s)->FStackGroup;
        if (std::find(groups.begin(), groups.end(), group) == groups.end()) {
          groups.push_back(group);
          ++INumBars;
          if (!visited) ++IOrderPos;
        }
        break;
      }
    }
    if (!visited) IPreviousCount += n;
  }
  const auto own = std::find(groups.begin(), groups.end(), FStackGroup);
  if (own != groups.end()) IOrderPos = int(own - groups.begin()) + 1;
  if (INumBars == 0) INumBars = 1;
  const int perPage = chart->GetMaxPointsPerPage();
  if (FMultiBar == mbSelfStack)
    IMaxBarPoints = perPage != 0 ? perPage : INumBars;
  else if (perPage > 0)
    IMaxBarPoints = perPage;
  if (perPage > 0 && FSideMargins && IMaxBarPoints > 0) ++IMaxBarPoints;
}

void TCustomBarSeries::DoBeforeDrawValues() {
  TChartSeries::DoBeforeDrawValues();
  if (IBarSize == 0) CalcBarWidth();
}

void TCustomBarSeries::CalcBarWidth() {
  if (FCustomBarSize != 0) {
    IBarSize = FCustomBarSize;
    return;
  }
  TChartAxis* a = NotMandatoryAxis();
  if (IMaxBarPoints < 1 || !a) {
    IBarSize = 0;
    return;
  }
  double length = a->IAxisSize;
  if (FAutoBarSize) length = IMaxBarPoints * a->IAxisSize / (a->GetMaximum() + 2 - a->GetMinimum());
  const double w = FBarWidthPercent * 0.01 * length / IMaxBarPoints;
  IBarSize = int(std::nearbyint(FMultiBar == mbSelfStack ? w * 0.8 : w / INumBars));
  if (IBarSize > 0 && IBarSize % 2 == 1) ++IBarSize;
}

int TCustomBarSeries::ApplyBarOffset(int Position) const {
  if (FOffsetPercent == 0) return Position;
  return Position + int(std::nearbyint(FOffsetPercent * IBarSize * 0.01));
}

int TCustomBarSeries::BarMargin() const {
  int result = IBarSize;
  if (FMultiBar != mbSideAll && FMultiBar != mbSelfStack) result *= INumBars;
  if (!FSideMargins) result /= 2;
  return result;
}

void TCustomBarSeries::InternalApplyBarMargin(int& MarginA, int& MarginB) {
  CalcBarWidth();
  const int m = BarMargin();
  MarginA += m;
  MarginB += m;
}

double TCustomBarSeries::SelfStackPosition() const {
  if (FSelfStack->GetUsePosition()) return FSelfStack->GetPosition();
  return GetParentChart() ? SeriesIndex() : 0;
}

// ---------------- positions ----------------

int TCustomBarSeries::BaseCategoryPos(int ValueIndex) const {
  return YMandatory ? TChartSeries::CalcXPos(ValueIndex) : TChartSeries::CalcYPos(ValueIndex);
}

int TCustomBarSeries::CategoryPos(int ValueIndex) const {
  TChartAxis* axis = NotMandatoryAxis();
  int result;
  if (FMultiBar == mbSideAll) {
    result = axis->CalcPosValue(ValueIndex + IPreviousCount) - IBarSize / 2;
  } else if (FMultiBar == mbSelfStack) {
    result = axis->CalcPosValue(SelfStackPosition()) - IBarSize / 2;
  } else {
    result = BaseCategoryPos(ValueIndex);
    if (FMultiBar == mbNone)
      result -= IBarSize / 2;
    else
      result += int(std::nearbyint((IOrderPos - INumBars * 0.5 - 1) * IBarSize));
  }
  return ApplyBarOffset(result);
}

double TCustomBarSeries::PointOrigin(int ValueIndex, bool SumAll) const {
  if (FMultiBar == mbSelfStack) {
    const double v = MandatoryValueList->GetValue(ValueIndex);
    const bool above = v >= FOrigin;
    double result = 0;
    for (int i = 0; i < ValueIndex; ++i) {
      const double o = MandatoryValueList->GetValue(i);
      if ((o >= FOrigin) == above) result += o;
    }
    return result;
  }
  if (!IsStacked(FMultiBar)) return FOrigin;
  TCustomAxisPanel* chart = Chart();
  if (!chart) return 0;
  const bool negative = ValueIndex < Count() && GetOriginValue(ValueIndex) < 0;
  double result = 0;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    TChartSeries* s = chart->GetSeries(i);
    if (!SumAll && s == this) break;
    if (!s->GetActive() || s->ClassType() != ClassType() || s->Count() <= ValueIndex) continue;
    if (static_cast<TCustomBarSeries*>(s)->FStackGroup != FStackGroup) continue;
    const double v = s->GetOriginValue(ValueIndex);
    if (SumAll)
      result += std::abs(v);
    else if (negative ? v < 0 : v > 0)
      result += v;
  }
  return result;
}

int TCustomBarSeries::ValueEndPos(int ValueIndex) const {
  switch (FMultiBar) {
    case mbStacked:
    case mbSelfStack:
      return CalcPosValue(PointOrigin(ValueIndex, false) +
                          MandatoryValueList->GetValue(ValueIndex));
    case mbStacked100: {
      const double total = PointOrigin(ValueIndex, true);
      if (total == 0) return 0;
      return CalcPosValue(
          (PointOrigin(ValueIndex, false) + MandatoryValueList->GetValue(ValueIndex)) * 100 /
          total);
    }
    default:
      return YMandatory ? TChartSeries::CalcYPos(ValueIndex) : TChartSeries::CalcXPos(ValueIndex);
  }
}

int TCustomBarSeries::InternalGetOriginPos(int ValueIndex, int DefaultPos) const {
  switch (FMultiBar) {
    case mbStacked100: {
      const double total = PointOrigin(ValueIndex, true);
      return total == 0 ? 0 : CalcPosValue(PointOrigin(ValueIndex, false) * 100 / total);
    }
    case mbStacked:
    case mbSelfStack:
      return CalcPosValue(PointOrigin(ValueIndex, false));
    default:
      return FUseOrigin ? CalcPosValue(FOrigin) : DefaultPos;
  }
}

int TBarSeries::GetOriginPos(int ValueIndex) const {
  return InternalGetOriginPos(ValueIndex, FGetVertAxis->IEndPos);
}

int THorizBarSeries::GetOriginPos(int ValueIndex) const {
  return InternalGetOriginPos(ValueIndex, FGetHorizAxis->IStartPos);
}

TBarStyle TCustomBarSeries::GetBarStyle(int ValueIndex) {
  TBarStyle result = FBarStyle;
  if (OnGetBarStyle) OnGetBarStyle(this, ValueIndex, result);
  return result;
}

// ---------------- bar rectangles ----------------

namespace {

// Bars fill their whole slot and touch their neighbours.
bool Touching(int WidthPercent, int CustomSize, TMultiBar Mode) {
  return WidthPercent == 100 && CustomSize == 0 && Mode != mbSelfStack && Mode != mbSide;
}

}  // namespace

TRect TBarSeries::CalcBarBounds(int ValueIndex) {
  TRect r;
  if (OnCalcBounds) {
    OnCalcBounds(this, ValueIndex, r);
    return r;
  }
  const bool pen = FPen->GetVisible();
  const int w = pen ? std::max(1, FPen->GetWidth()) : 0;
  r.Left = CalcXPos(ValueIndex);
  r.Right = r.Left + IBarSize + 1;
  if (Touching(FBarWidthPercent, FCustomBarSize, FMultiBar)) {
    const int last = Count() - 1;
    if (FGetHorizAxis->GetInverted())
      r.Right = ValueIndex > 0 ? CalcXPos(ValueIndex - 1) : r.Left + IBarSize + w;
    else
      r.Right =
          ValueIndex < last ? CalcXPos(ValueIndex + 1) + 1 - w / 2 : r.Left + IBarSize + 1 - w / 2;
  }
  r.Top = CalcYPos(ValueIndex);
  r.Bottom = GetOriginPos(ValueIndex);
  if (!pen) {
    if (r.Bottom > r.Top)
      ++r.Bottom;
    else
      ++r.Top;
    ++r.Right;
  }
  return r;
}

TRect THorizBarSeries::CalcBarBounds(int ValueIndex) {
  TRect r;
  if (OnCalcBounds) {
    OnCalcBounds(this, ValueIndex, r);
    return r;
  }
  const bool pen = FPen->GetVisible();
  const int w = pen ? FPen->GetWidth() : 0;
  r.Top = CalcYPos(ValueIndex);
  r.Bottom = r.Top + IBarSize - 1;
  if (Touching(FBarWidthPercent, FCustomBarSize, FMultiBar)) {
    const int last = Count() - 1;
    if (FGetVertAxis->GetInverted())
      r.Bottom = ValueIndex < last ? CalcYPos(ValueIndex + 1) : r.Top + IBarSize - w;
    else
      r.Bottom = ValueIndex > 0 ? CalcYPos(ValueIndex - 1) : r.Top + IBarSize - w;
  }
  r.Right = CalcXPos(ValueIndex);
  r.Left = GetOriginPos(ValueIndex);
  if (!pen) {
    if (r.Right > r.Left) {
      ++r.Right;
    } else {
      ++r.Left;
      --r.Right;
    }
    ++r.Bottom;
  }
  return r;
}

// ---------------- value ranges ----------------

double TCustomBarSeries::MaxMandatoryValue(double Value) {
  if (FMultiBar == mbStacked100) return MandatoryValueList->Total() < 0 ? 0 : 100;
  double result = Value;
  if (FMultiBar == mbStacked || FMultiBar == mbSelfStack)
    for (int i = 0; i < Count(); ++i)
      result = std::max(result, PointOrigin(i, false) + MandatoryValueList->GetValue(i));
  if (FUseOrigin && result < FOrigin) result = FOrigin;
  return result;
}

double TCustomBarSeries::MinMandatoryValue(double Value) {
  double result = Value;
  if (FMultiBar == mbStacked100) {
    result = 0;
    for (int i = 0; i < Count(); ++i) {
      const double total = PointOrigin(i, true);
      if (total != 0)
        result = std::min(result,
                          (PointOrigin(i, false) + MandatoryValueList->GetValue(i)) * 100 / total);
    }
  } else if (FMultiBar == mbStacked || FMultiBar == mbSelfStack) {
    for (int i = 0; i < Count(); ++i)
      result = std::min(result, PointOrigin(i, false) + MandatoryValueList->GetValue(i));
  }
  if (FUseOrigin && result > FOrigin) result = FOrigin;
  return result;
}

double TBarSeries::MaxYValue() { return MaxMandatoryValue(TChartSeries::MaxYValue()); }
double TBarSeries::MinYValue() { return MinMandatoryValue(TChartSeries::MinYValue()); }

double TBarSeries::MaxXValue() {
  if (FMultiBar == mbSideAll) return IPreviousCount + Count() - 1;
  if (FMultiBar == mbSelfStack) return SelfStackPosition();
  return TChartSeries::MaxXValue();
}

double TBarSeries::MinXValue() {
  return FMultiBar == mbSelfStack ? SelfStackPosition() : TChartSeries::MinXValue();
}

double THorizBarSeries::MaxXValue() { return MaxMandatoryValue(TChartSeries::MaxXValue()); }
double THorizBarSeries::MinXValue() { return MinMandatoryValue(TChartSeries::MinXValue()); }

double THorizBarSeries::MaxYValue() {
  if (FMultiBar == mbSideAll) return IPreviousCount + Count() - 1;
  if (FMultiBar == mbSelfStack) return SelfStackPosition();
  return TChartSeries::MaxYValue();
}

double THorizBarSeries::MinYValue() {
  return FMultiBar == mbSelfStack ? SelfStackPosition() : TChartSeries::MinYValue();
}

// ---------------- margins ----------------

void TCustomBarSeries::ApplyValueMargins(int& LowMargin, int& HighMargin, int MarkIndex,
                                         double MinValue, double MaxValue, bool Inverted) {
  int m = FMarksOnBar ? 0 : CalcMarkLength(MarkIndex);
  if (FPen->GetVisible()) m = std::max(m, int(std::nearbyint(FPen->GetWidth() * 0.5)) + 2);
  if (m <= 0) return;
  ++m;
  if (FUseOrigin && MinValue < FOrigin) (Inverted ? HighMargin : LowMargin) += m;
  if (!FUseOrigin || MaxValue > FOrigin) (Inverted ? LowMargin : HighMargin) += m;
}

void TBarSeries::CalcHorizMargins(int& LeftMargin, int& RightMargin) {
  TChartSeries::CalcHorizMargins(LeftMargin, RightMargin);
  InternalApplyBarMargin(LeftMargin, RightMargin);
}

void TBarSeries::CalcVerticalMargins(int& TopMargin, int& BottomMargin) {
  TChartSeries::CalcVerticalMargins(TopMargin, BottomMargin);
  if (Count() == 0) return;
  ApplyValueMargins(BottomMargin, TopMargin, 0, YValues()->MinValue(), YValues()->MaxValue(),
                    FGetVertAxis->GetInverted());
}

void THorizBarSeries::CalcVerticalMargins(int& TopMargin, int& BottomMargin) {
  TChartSeries::CalcVerticalMargins(TopMargin, BottomMargin);
  InternalApplyBarMargin(TopMargin, BottomMargin);
}

void THorizBarSeries::CalcHorizMargins(int& LeftMargin, int& RightMargin) {
  TChartSeries::CalcHorizMargins(LeftMargin, RightMargin);
  if (Count() == 0) return;
  ApplyValueMargins(LeftMargin, RightMargin, -1, XValues()->MinValue(), XValues()->MaxValue(),
                    FGetHorizAxis->GetInverted());
}

// ---------------- visible range ----------------

bool TCustomBarSeries::IsPointInChartRect(int ValueIndex) const {
  TCustomAxisPanel* chart = Chart();
  if (!chart) return false;
  const TRect r = OrientRectangle(const_cast<TCustomBarSeries*>(this)->CalcBarBounds(ValueIndex));
  const TRect& c = chart->ChartRect;
  return std::max(r.Left, c.Left) < std::min(r.Right, c.Right) &&
         std::max(r.Top, c.Top) < std::min(r.Bottom, c.Bottom);
}

void TCustomBarSeries::CalcFirstLastVisibleIndex() {
  if (FMultiBar == mbSelfStack) {
    FFirstVisibleIndex = Count() > 0 ? 0 : -1;
    FLastVisibleIndex = Count() - 1;
    return;
  }
  TCustomAxisPanel* chart = Chart();
  if (chart && chart->GetMaxPointsPerPage() == 1) {
    const int index = chart->GetPage() - 1;
    FFirstVisibleIndex = FLastVisibleIndex = index < Count() ? index : -1;
    return;
  }
  TChartSeries::CalcFirstLastVisibleIndex();
  if (!chart || FFirstVisibleIndex == -1 || chart->GetMaxPointsPerPage() != 0) return;
  TChartValueList* list = NotMandatoryValueList;
  int& last = FLastVisibleIndex;
  while (last + 1 < Count() && IsPointInChartRect(last + 1)) ++last;
  while (last + 1 < Count() && list->GetValue(last + 1) == list->GetValue(last)) ++last;
  int& first = FFirstVisibleIndex;
  while (first > 0 && IsPointInChartRect(first - 1)) --first;
  while (first > 0 && list->GetValue(first - 1) == list->GetValue(first)) --first;
}

// ---------------- depth ----------------

void TCustomBarSeries::CalcZOrder() {
  TCustomAxisPanel* chart = Chart();
  if (chart && FMultiBar != mbNone)
    for (int i = 0; i < chart->SeriesCount(); ++i) {
      TChartSeries* s = chart->GetSeries(i);
      if (s == this) break;
      if (s->GetActive() && s->ClassType() == ClassType()) {
        IZOrder = s->GetZOrder();
        return;
      }
    }
  TChartSeries::CalcZOrder();
}

void TCustomBarSeries::CalcDepthPositions() {
  TChartSeries::CalcDepthPositions();
  if (FDepthPercent == 0) return;
  const int d = int(std::nearbyint((100 - FDepthPercent) * (EndZ - StartZ) * 0.005));
  StartZ += d;
  EndZ -= d;
}

bool TCustomBarSeries::MoreSameZOrder() const {
  if (FMultiBar == mbSideAll || FMultiBar == mbSelfStack) return false;
  return TChartSeries::MoreSameZOrder();
}

// ---------------- draw order ----------------

std::vector<int> TCustomBarSeries::SortDrawSeries(int A, int B, int C) {
  if (!IsStacked(FMultiBar)) return TChartSeries::SortDrawSeries(A, B, C);
  TCustomAxisPanel* chart = Chart();
  std::vector<int> result;
  if (!chart) return result;
  auto groupOf = [&](int Index) {
    auto* s = dynamic_cast<TCustomBarSeries*>(chart->GetSeries(Index));
    return s ? s->FStackGroup : -1;
  };
  for (int t = A; t < B; ++t) {
    TChartSeries* s = chart->GetSeries(t);
    if (!s->GetActive() || s->Count() <= C) continue;
    auto* bar = dynamic_cast<TCustomBarSeries*>(s);
    if (!bar) {
      result.push_back(t);
      continue;
    }
    const int group = bar->FStackGroup;
    auto sameGroup = [&](int Index) { return groupOf(Index) == group; };
    if (bar->MandatoryValueList->GetValue(C) >= FOrigin) {
      auto it = std::find_if(result.rbegin(), result.rend(), sameGroup);
      result.insert(it == result.rend() ? result.end() : it.base(), t);
    } else {
      auto it = std::find_if(result.begin(), result.end(), sameGroup);
      result.insert(it, t);
    }
  }
  return result;
}

std::vector<int> TCustomBarSeries::SortDrawPoints(int First, int Last, bool Ascending) {
  if (FMultiBar != mbSelfStack) return {};
  std::vector<int> positive, negative;
  auto put = [&](double Value, int Index) {
    auto& list = Value >= FOrigin ? positive : negative;
    if (std::find(list.begin(), list.end(), Index) == list.end()) list.push_back(Index);
  };
  TCustomAxisPanel* chart = Chart();
  for (int i = First; i <= Last; ++i) {
    if (Ascending || !chart) {
      if (i < Count()) put(MandatoryValueList->GetValue(i), i);
      continue;
    }
    for (int k = 0; k < chart->SeriesCount(); ++k) {
      TChartSeries* s = chart->GetSeries(k);
      if (s->GetActive() && s->GetZOrder() == GetZOrder() && s->Count() > i)
        put(s->MandatoryValueList->GetValue(i), i);
    }
  }
  std::vector<int> result;
  const bool inverted = NotMandatoryAxis() && NotMandatoryAxis()->GetInverted();
  const auto& backwards = inverted ? positive : negative;
  const auto& forwards = inverted ? negative : positive;
  result.assign(backwards.rbegin(), backwards.rend());
  result.insert(result.end(), forwards.begin(), forwards.end());
  return result;
}

bool TCustomBarSeries::DrawSeriesAscending() const {
  bool result = TChartSeries::DrawSeriesAscending();
  TCustomAxisPanel* chart = Chart();
  if (!chart || (FMultiBar != mbSideAll && FMultiBar != mbSelfStack)) return result;
  if (NotMandatoryAxis()->GetInverted()) result = !result;
  if (chart->GetDepthAxis() && chart->GetDepthAxis()->GetInverted()) result = !result;
  if (RotationWithin(chart, 0, 90) || RotationWithin(chart, 180, 270)) result = !result;
  return result;
}

bool THorizBarSeries::DrawSeriesAscending() const {
  const bool result = TCustomBarSeries::DrawSeriesAscending();
  TCustomAxisPanel* chart = Chart();
  if (!chart || (FMultiBar != mbSideAll && FMultiBar != mbSelfStack)) return result;
  return RotationWithin(chart, 0, 180) ? !result : result;
}

bool TCustomBarSeries::DrawValuesForward() const {
  if (FMultiBar == mbSelfStack) return !MandatoryAxis()->GetInverted();
  return TChartSeries::DrawValuesForward();
}

bool THorizBarSeries::DrawValuesForward() const {
  const bool result = TCustomBarSeries::DrawValuesForward();
  if (FMultiBar == mbSelfStack && Chart() && RotationWithin(Chart(), 0, 180)) return !result;
  return result;
}

bool TBarSeries::DrawSeriesForward(int ValueIndex) const {
  switch (FMultiBar) {
    case mbSelfStack: {
      const bool above = MandatoryValueList->GetValue(ValueIndex) >= FOrigin;
      return FGetVertAxis->GetInverted() ? !above : above;
    }
    case mbStacked:
    case mbStacked100:
      return !MandatoryAxis()->GetInverted();
    default:
      return TChartSeries::DrawSeriesForward(ValueIndex);
  }
}

bool THorizBarSeries::DrawSeriesForward(int ValueIndex) const {
  const bool inherited = TChartSeries::DrawSeriesForward(ValueIndex);
  bool result;
  switch (FMultiBar) {
    case mbNone:
      return inherited;
    case mbSide:
    case mbSideAll:
      return false;
    case mbSelfStack:
      result = MandatoryValueList->GetValue(ValueIndex) >= 0;
      if (FGetHorizAxis->GetInverted()) result = !result;
      break;
    default:
      result = !FGetHorizAxis->GetInverted();
      break;
  }
  return inherited ? result : !result;
}

bool THorizBarSeries::InvertedLegend() const {
  return !(FGetVertAxis && FGetVertAxis->GetInverted());
}

// ---------------- marks ----------------

int TCustomBarSeries::CalcMarkLength(int ValueIndex) {
  if (Count() == 0 || !HasMarks() || !GetMarks()->GetVisible()) return 0;
  TSeriesMarks* marks = GetMarks();
  if (TCustomAxisPanel* chart = Chart()) chart->GetCanvas()->AssignFont(marks->GetFont());
  int result = InternalCalcMarkLength(ValueIndex) + marks->GetCallout()->GetLength();
  if (marks->GetPen()->GetVisible()) result += 2 * marks->GetPen()->GetWidth();
  return result;
}

int TBarSeries::InternalCalcMarkLength(int ValueIndex) {
  (void)ValueIndex;
  TCustomAxisPanel* chart = Chart();
  return chart ? chart->GetCanvas()->TextHeight("W") : 0;
}

int THorizBarSeries::InternalCalcMarkLength(int ValueIndex) {
  if (ValueIndex == -1) return MaxMarkWidth();
  TCustomAxisPanel* chart = Chart();
  return chart ? chart->GetCanvas()->TextWidth(GetMarkText(ValueIndex)) : 0;
}

void TCustomBarSeries::DrawMark(int ValueIndex, const std::string& Text,
                                TSeriesMarkPosition& Position) {
  TSeriesMarks* marks = GetMarks();
  if (!FMarksOnBar) {
    TChartSeries::DrawMark(ValueIndex, Text, Position);
    return;
  }
  // Switched off and back without telling the chart, which would paint
  // again for every mark.
  TAutomaticText* automatic = marks->GetAutomatic();
  TAutomaticText saved;
  saved.Assign(automatic);
  TAutomaticText fixed;
  fixed.Assign(automatic);
  fixed.SetMove(false);
  automatic->Assign(&fixed);
  TChartSeries::DrawMark(ValueIndex, Text, Position);
  automatic->Assign(&saved);
}

namespace {

// The room kept between a mark and the bar's end when the marks sit on
// the bar: their margins at the given angle, or half the box height.
int MarkInset(TSeriesMarks* Marks, TSeriesMarkPosition& P, int LeftAngle, int RightAngle,
              bool Vertical) {
  if (Marks->GetTransparent())
    Marks->GetMargins()->Calculate(P.Width, P.Height, 4 * Marks->GetFont()->GetSize());
  const int angle = Marks->GetAngle();
  int e = 0;
  if (angle == LeftAngle) e = Marks->GetMargins()->Last().Left;
  if (angle == RightAngle) e = Marks->GetMargins()->Last().Right;
  if (!Vertical) return e;
  if (angle == 0 || angle == 360) return P.Height / 2;
  return e + (P.Width - P.Height) / 2;
}

}  // namespace

void TBarSeries::DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) {
  TSeriesMarks* marks = GetMarks();
  TMarksCallout* callout = marks->GetCallout();
  const int h = IBarSize / 2;
  int d = callout->GetLength() + callout->GetDistance();
  if (FMarksOnBar) {
    marks->GetArrow()->SetVisible(false);
    Position.LeftTop.X += h;
    const TRect r = CalcBarBounds(ValueIndex);
    const bool inverted = FGetVertAxis->GetInverted();
    if (FMarksLocation == mlCenter) {
      const int angle = marks->GetAngle();
      const int extent = angle == 90 || angle == 270 ? Position.Width : Position.Height;
      Position.LeftTop.Y = r.Top + (r.Bottom - r.Top) / 2 - extent / 2;
    } else {
      const int e = MarkInset(marks, Position, 90, 270, true);
      if (FMarksLocation == mlEnd)
        Position.LeftTop.Y = inverted ? r.Top - e - Position.Height : r.Top + e;
      else
        Position.LeftTop.Y = inverted ? r.Bottom + e : r.Bottom - e - Position.Height;
    }
  } else {
    if (GetOriginPos(ValueIndex) < Position.ArrowFrom.Y) {
      d = -d - Position.Height;
      Position.ArrowFrom.Y += callout->GetDistance();
    } else {
      Position.ArrowFrom.Y -= callout->GetDistance();
    }
    Position.LeftTop.X += h;
    Position.ArrowTo.X += h;
    Position.ArrowFrom.X += h;
    Position.LeftTop.Y -= d;
    Position.ArrowTo.Y -= d;
  }
  TCustomBarSeries::DrawMark(ValueIndex, Text, Position);
}

void THorizBarSeries::DrawMark(int ValueIndex, const std::string& Text,
                               TSeriesMarkPosition& Position) {
  TSeriesMarks* marks = GetMarks();
  TMarksCallout* callout = marks->GetCallout();
  const int h = IBarSize / 2;
  int d = callout->GetLength() + callout->GetDistance();
  if (FMarksOnBar) {
    marks->GetArrow()->SetVisible(false);
    Position.LeftTop.Y += h + Position.Height / 2;
    const TRect r = CalcBarBounds(ValueIndex);
    const bool inverted = FGetHorizAxis->GetInverted();
    if (FMarksLocation == mlCenter) {
      Position.LeftTop.X = (r.Left + r.Right) / 2 - Position.Width / 2;
    } else {
      int e = MarkInset(marks, Position, 0, 180, false);
      if (marks->GetAngle() == 360) e = marks->GetMargins()->Last().Left;
      if (FMarksLocation == mlEnd)
        Position.LeftTop.X = inverted ? r.Right + e : r.Right - e - Position.Width;
      else
        Position.LeftTop.X = inverted ? r.Left - e - Position.Width : r.Left + e;
    }
  } else {
    const bool leftwards = Position.ArrowFrom.X < GetOriginPos(ValueIndex);
    if (leftwards) d = -d - Position.Width;
    Position.LeftTop.X += d + Position.Width / 2;
    Position.LeftTop.Y += h + Position.Height / 2;
    Position.ArrowTo.X += d;
    Position.ArrowTo.Y += h;
    Position.ArrowFrom.Y += h;
    Position.ArrowFrom.X += leftwards ? -callout->GetDistance() : callout->GetDistance();
  }
  TCustomBarSeries::DrawMark(ValueIndex, Text, Position);
}

void TBarSeries::CalcSelectionPos(int ValueIndex, int& X, int& Y) const {
  TChartSeries::CalcSelectionPos(ValueIndex, X, Y);
  X += IBarSize / 2;
}

void THorizBarSeries::CalcSelectionPos(int ValueIndex, int& X, int& Y) const {
  TChartSeries::CalcSelectionPos(ValueIndex, X, Y);
  Y += IBarSize / 2;
}
