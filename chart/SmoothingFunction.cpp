#include "chart/SmoothingFunction.h"

#include <algorithm>

#include "chart/AxisPanel.h"
#include "chart/BSpline.h"
#include "chart/ChartSeries.h"
#include "chart/PlotConst.h"
#include "chart/SeriesRegistry.h"
#include "platform/rtl/RttiDecl.h"

const TClassInfo* TSmoothingFunction::Class() {
  using F = TSmoothingFunction;
  static const TClassInfo* info = TClassDecl<F>("TSmoothingFunction", TPlotFunction::Class())
                                      .Prop("Interpolate", &F::GetInterpolate, &F::SetInterpolate)
                                      .Default(1)
                                      .Prop("Factor", &F::GetFactor, &F::SetFactor)
                                      .Default(4);
  return info;
}

TSmoothingFunction::TSmoothingFunction(TComponent* AOwner) : TPlotFunction(AOwner) {
  CanUsePeriod = false;
  SingleSource = true;
  FPeriod = 1;
}

void TSmoothingFunction::SetInterpolate(bool Value) {
  if (FInterpolate == Value) return;
  FInterpolate = Value;
  ReCalculate();
}

void TSmoothingFunction::SetFactor(int Value) {
  Value = std::max(Value, 1);
  if (FFactor == Value) return;
  FFactor = Value;
  ReCalculate();
}

// The curve is drawn in the order of its own parameter: the list along the
// curve's first coordinate is ordered only when parent and source agree on
// which of their lists is mandatory.
void TSmoothingFunction::PrepareParent(TChartSeries* Source) {
  TChartSeries* parent = GetParentSeries();
  parent->Clear();
  if (parent->HasZValues) return;
  const bool same = parent->YMandatory == Source->YMandatory;
  parent->NotMandatoryValueList->SetOrder(same ? loAscending : loNone);
  parent->MandatoryValueList->SetOrder(same ? loNone : loAscending);
  parent->CalcVisiblePoints = same;
}

void TSmoothingFunction::AddPoints(TChartSeries* Source) {
  TChartSeries* parent = GetParentSeries();
  if (IsUpdating() || !Source || !parent) return;
  PrepareParent(Source);
  const int n = Source->Count();
  if (n == 0) return;
  TChartValueList* chosen = ValueList(Source);
  TBSpline spline;
  for (int i = 0; i < n; ++i) {
    const double x =
        parent->YMandatory ? Source->XValues()->GetValue(i) : Source->YValues()->GetValue(i);
    spline.AddPoint(x, chosen->GetValue(i));
  }
  spline.SetInterpolated(FInterpolate);
  spline.SetFragments(std::min(n * FFactor, TBSpline::MaxFragments));
  const int fragments = spline.GetFragments();
  for (int k = 0; k <= fragments; ++k) {
    const TVertex v = spline.Value(static_cast<double>(k) / fragments);
    if (parent->YMandatory)
      parent->AddXY(v.X, v.Y);
    else
      parent->AddXY(v.Y, v.X);
  }
}

void TSmoothingFunction::PrepareForGallery(TCustomAxisPanel* Chart) {
  TPlotFunction::PrepareForGallery(Chart);
  if (Chart->SeriesCount() > 0) Chart->GetSeries(0)->FillSampleValues(10);
  if (TChartSeries* parent = GetParentSeries()) {
    parent->SetTransparency(70);
    parent->GetPen()->SetWidth(10);
  }
  SetFactor(8);
}

void SmoothingFunctionUnitStart() {
  RegisterPlotFunction(TSmoothingFunction::Class(), &PlotMsg_FunctionSmooth,
                       &PlotMsg_GalleryExtended, 2);
}

void SmoothingFunctionUnitEnd() { UnRegisterPlotFunctions({TSmoothingFunction::Class()}); }
