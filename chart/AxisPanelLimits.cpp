// The limits of an axis from the series on it, and the paging state.

#include <algorithm>

#include "chart/AxisPanel.h"
#include "chart/ChartException.h"
#include "chart/PlotConst.h"
#include "platform/rtl/RttiDecl.h"

namespace {

// Keeps the smaller (IsMin) or larger value, the first one taken as it is.
struct TCombined {
  bool IsMin;
  bool Empty = true;
  double Value = 0;
  void Take(double V) {
    if (Empty || (IsMin && V < Value) || (!IsMin && V > Value)) {
      Value = V;
      Empty = false;
    }
  }
};

}  // namespace

// S is on Axis in the asked direction.
bool TCustomAxisPanel::SeriesOnAxis(TChartSeries* S, TChartAxis* Axis, bool IsX) const {
  if (IsX) return S->GetHorizAxis() == aBothHorizAxis || S->GetHorizAxisInUse() == Axis;
  return S->GetVertAxis() == aBothVertAxis || S->GetVertAxisInUse() == Axis;
}

double TCustomAxisPanel::InternalMinMax(TChartAxis* Axis, bool IsMin, bool IsX) const {
  TCombined result{IsMin};
  if (Axis->IsDepthAxis()) {
    auto* depth = dynamic_cast<TChartDepthAxis*>(Axis);
    if (depth && depth->GetLabelsAsSeriesTitles() && Axis->CalcLabelStyle() != talValue)
      return IsMin ? -0.5 : FMaxZOrder + 0.5;
    for (TChartSeries* s : FSeriesList->Items())
      if (s->GetActive()) result.Take(IsMin ? s->MinZValue() : s->MaxZValue());
    return result.Value;
  }
  TChartSeries* axisSeries = GetAxisSeries(Axis);
  const bool paged = !axisSeries || (axisSeries->YMandatory ? IsX : !IsX);
  const int perPage = FPage->GetMaxPointsPerPage();
  if (perPage > 0 && paged) return PageMinMax(Axis, IsMin, IsX);

  const bool pageScale = perPage > 0 && FPage->GetAutoScale();
  const bool noActive = NoActiveSeries(Axis);
  for (TChartSeries* s : FSeriesList->Items()) {
    if (!(s->GetActive() || noActive) || s->Count() == 0 || s->INoAxisMinMax) continue;
    if (!SeriesOnAxis(s, Axis, IsX)) continue;
    TChartValueList* list = IsX ? s->XValues() : s->YValues();
    if (!pageScale) {
      result.Take(IsMin ? (IsX ? s->MinXValue() : s->MinYValue())
                        : (IsX ? s->MaxXValue() : s->MaxYValue()));
      continue;
    }
    const int first = FPage->FirstValueIndex();
    if (first >= s->Count()) continue;
    const int last = std::min(first + perPage, s->Count());
    for (int i = first; i < last; ++i) result.Take(list->GetValue(i));
  }
  return result.Value;
}

// The values of the current page of the axis' series with the most points.
double TCustomAxisPanel::PageMinMax(TChartAxis* Axis, bool IsMin, bool IsX) const {
  TChartSeries* s = GetAxisSeriesMaxPoints(Axis);
  if (!s || s->Count() == 0) return 0;
  const int perPage = FPage->GetMaxPointsPerPage();
  const int first = std::min(FPage->FirstValueIndex(), s->Count() - 1);
  const int last = std::min(first + perPage, s->Count()) - 1;
  TChartValueList* list = IsX ? s->XValues() : s->YValues();
  const double a = list->GetValue(first);
  if (IsMin) return a;
  const double b = list->GetValue(last);
  const int n = last - first + 1;
  if (FPage->GetScaleLastPage() || n >= perPage) return b;
  if (b == a) return a + double(perPage) / n;
  return a + perPage * (b - a) / n;
}

// ---------------- paging ----------------

const TClassInfo* TChartPage::Class() {
  static const TClassInfo* info =
      TClassDecl<TChartPage>("TChartPage", TPersistent::Class())
          .Prop("AutoScale", &TChartPage::GetAutoScale, &TChartPage::SetAutoScale)
          .Default(0)
          .Prop("Current", &TChartPage::GetCurrent, &TChartPage::SetCurrent)
          .Default(1)
          .Prop("MaxPointsPerPage", &TChartPage::GetMaxPointsPerPage,
                &TChartPage::SetMaxPointsPerPage)
          .Default(0)
          .Prop("ScaleLastPage", &TChartPage::GetScaleLastPage, &TChartPage::SetScaleLastPage)
          .Default(1);
  return info;
}

void TChartPage::Assign(TPersistent* Source) {
  auto* p = dynamic_cast<TChartPage*>(Source);
  if (!p) return TPersistent::Assign(Source);
  FAutoScale = p->FAutoScale;
  FCurrent = p->FCurrent;
  FPointsPerPage = p->FPointsPerPage;
  FScaleLastPage = p->FScaleLastPage;
}

void TChartPage::SetAutoScale(bool Value) { IParent->SetBooleanProperty(FAutoScale, Value); }

void TChartPage::SetScaleLastPage(bool Value) {
  IParent->SetBooleanProperty(FScaleLastPage, Value);
}

int TChartPage::AxisPages(TChartAxis* Axis) const {
  int n = 0;
  for (TChartSeries* s : IParent->GetSeriesList()->Items())
    if (s->GetActive() && s->AssociatedToAxis(Axis)) n = std::max(n, s->Count());
  if (n <= 0) return 1;
  return n / FPointsPerPage + (n % FPointsPerPage != 0 ? 1 : 0);
}

int TChartPage::Count() const {
  if (FPointsPerPage <= 0 || IParent->SeriesCount() == 0) return 1;
  const bool yMandatory = IParent->GetSeries(0)->YMandatory;
  TChartAxis* a = yMandatory ? IParent->GetBottomAxis() : IParent->GetRightAxis();
  TChartAxis* b = yMandatory ? IParent->GetTopAxis() : IParent->GetLeftAxis();
  return std::max(AxisPages(a), AxisPages(b));
}

void TChartPage::SetCurrent(int Value) {
  const int count = Count();
  if (Value > count) Value = count;
  if (Value <= 0) Value = 1;
  if (Value == FCurrent) return;
  IParent->SetIntegerProperty(FCurrent, Value);
  IParent->BroadcastPlotEventClass(PlotEventOf<TChartChangePage>);
  if (IParent->OnPageChange) IParent->OnPageChange(this);
}

void TChartPage::SetMaxPointsPerPage(int Value) {
  if (Value < 0) throw ChartException(PlotMsg_MaxPointsPerPage);
  IParent->SetIntegerProperty(FPointsPerPage, Value);
  const int count = Count();
  if (FCurrent > count) FCurrent = count;
  IParent->BroadcastPlotEventClass(PlotEventOf<TChartChangePage>);
}

void TChartPage::NextPage() {
  if (FPointsPerPage > 0 && FCurrent < Count()) SetCurrent(FCurrent + 1);
}

void TChartPage::PreviousPage() {
  if (FPointsPerPage > 0 && FCurrent > 1) SetCurrent(FCurrent - 1);
}
