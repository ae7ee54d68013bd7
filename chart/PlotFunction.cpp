#include "chart/PlotFunction.h"

#include <cmath>

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/ChartException.h"
#include "chart/ChartSeries.h"
#include "chart/PlotConst.h"
#include "chart/PlotRoutines.h"
#include "chart/SeriesSources.h"
#include "platform/rtl/RttiDecl.h"

namespace {
const TEnumInfo& PeriodAlignInfo() {
  static const TEnumInfo info("TFunctionPeriodAlign", {"paFirst", "paCenter", "paLast"});
  return info;
}
const TEnumInfo& PeriodStyleInfo() {
  static const TEnumInfo info("TFunctionPeriodStyle", {"psNumPoints", "psRange"});
  return info;
}

TChartSeries* AsSeries(TComponent* C) { return dynamic_cast<TChartSeries*>(C); }
}  // namespace

int FunctionPeriodPoints(double Period) {
  const double rounded = std::nearbyint(Period);
  return rounded < 1 ? 1 : static_cast<int>(rounded);
}

const TClassInfo* TPlotFunction::Class() {
  using F = TPlotFunction;
  static const TClassInfo* info =
      TClassDecl<F>("TPlotFunction", TComponent::Class())
          .Prop("CalcByValue", &F::GetCalcByValue, &F::SetCalcByValue)
          .Default(0)
          .Prop("IncludeNulls", &F::GetIncludeNulls, &F::SetIncludeNulls)
          .Default(1)
          .Prop("Period", &F::GetPeriod, &F::SetPeriod)
          .Enum("PeriodAlign", &F::GetPeriodAlign, &F::SetPeriodAlign, PeriodAlignInfo())
          .Default(paCenter)
          .Enum("PeriodStyle", &F::GetPeriodStyle, &F::SetPeriodStyle, PeriodStyleInfo())
          .Default(psNumPoints);
  return info;
}

TPlotFunction::TPlotFunction(TComponent* AOwner) : TComponent(AOwner) {}

TPlotFunction::~TPlotFunction() { Destroying(); }

void TPlotFunction::Assign(TPersistent* Source) {
  auto* f = dynamic_cast<TPlotFunction*>(Source);
  if (!f) {
    TComponent::Assign(Source);
    return;
  }
  FCalcByValue = f->FCalcByValue;
  FIncludeNulls = f->FIncludeNulls;
  FPeriod = f->FPeriod;
  FPeriodAlign = f->FPeriodAlign;
  FPeriodStyle = f->FPeriodStyle;
}

void TPlotFunction::SetCalcByValue(bool Value) {
  if (FCalcByValue == Value) return;
  FCalcByValue = Value;
  ReCalculate();
}

void TPlotFunction::SetIncludeNulls(bool Value) {
  if (FIncludeNulls == Value) return;
  FIncludeNulls = Value;
  ReCalculate();
}

void TPlotFunction::SetPeriod(double Value) {
  if (Value < 0) throw ChartException(PlotMsg_FunctionPeriod);
  if (FPeriod == Value) return;
  FPeriod = Value;
  ReCalculate();
}

void TPlotFunction::SetPeriodAlign(TFunctionPeriodAlign Value) {
  if (FPeriodAlign == Value) return;
  FPeriodAlign = Value;
  ReCalculate();
}

void TPlotFunction::SetPeriodStyle(TFunctionPeriodStyle Value) {
  if (FPeriodStyle == Value) return;
  FPeriodStyle = Value;
  ReCalculate();
}

void TPlotFunction::SetParentSeries(TChartSeries* Value) {
  if (FParent == Value) return;
  if (FParent) FParent->ForgetFunction(this);
  FParent = nullptr;
  if (Value) Value->SetFunction(this);
}

TComponent* TPlotFunction::GetParentComponent() const { return FParent; }

void TPlotFunction::SetParentComponent(TComponent* Value) {
  if (auto* series = AsSeries(Value)) SetParentSeries(series);
}

void TPlotFunction::EndUpdate() {
  if (!IUpdating) return;
  IUpdating = false;
  ReCalculate();
}

void TPlotFunction::ReCalculate() {
  if (!IUpdating && FParent) FParent->CheckDataSource();
}

TChartValueList* TPlotFunction::ValueList(TChartSeries* Source) const {
  const std::string& name = FParent ? FParent->MandatoryValueList->GetValueSource() : std::string();
  if (!name.empty()) return Source->GetYValueList(name);
  return Source->MandatoryValueList;
}

void TPlotFunction::SplitAxes() {
  if (!FParent) return;
  FParent->SetVertAxis(aRightAxis);
  auto* chart = dynamic_cast<TCustomAxisPanel*>(FParent->GetParentChart());
  if (!chart) return;
  chart->GetLeftAxis()->SetEndPosition(70);
  chart->GetRightAxis()->SetStartPosition(70);
}

void TPlotFunction::AddFunctionXY(bool SourceIsYMandatory, double A, double B) {
  if (SourceIsYMandatory)
    FParent->AddXY(A, B);
  else
    FParent->AddXY(B, A);
}

void TPlotFunction::PrepareForGallery(TCustomAxisPanel* Chart) {
  const int count = Chart->SeriesCount();
  if (count == 0) return;
  TChartSeries* last = Chart->GetSeries(count - 1);
  last->SetFunction(this);
  if (count >= 2) last->SetDataSource(Chart->GetSeries(count - 2));
}

// ---------------- the calculation ----------------

void TPlotFunction::AddValue(std::vector<double>& Values, int Index, double Value) {
  if (Index >= static_cast<int>(Values.size())) Values.resize(static_cast<size_t>(Index) + 1);
  Values[static_cast<size_t>(Index)] = Value;
}

double TPlotFunction::CalculateValue(const std::vector<double>& Values) {
  (void)Values;
  return 0;
}

double TPlotFunction::Calculate(TChartSeries* Source, int First, int Last) {
  if (First == -1) {
    First = 0;
    Last = Source->Count() - 1;
  }
  TChartValueList* list = ValueList(Source);
  std::vector<double> values;
  if (FIncludeNulls && Last >= First) values.resize(static_cast<size_t>(Last - First + 1));
  int kept = 0;
  for (int i = First; i <= Last; ++i) {
    if (FIncludeNulls) {
      AddValue(values, i - First, list->GetValue(i));
    } else if (!Source->IsNull(i)) {
      AddValue(values, kept++, list->GetValue(i));
    }
  }
  return CalculateValue(values);
}

void TPlotFunction::CalculateAllPoints(TChartSeries* Source, TChartValueList* NotMandatory) {
  const double v = Calculate(Source, -1, -1);
  if (FParent->AllowSinglePoint) {
    const double middle = NotMandatory->MinValue() + NotMandatory->Range() * 0.5;
    AddFunctionXY(FParent->YMandatory, middle, v);
    return;
  }
  AddFunctionXY(Source->YMandatory, NotMandatory->MinValue(), v);
  AddFunctionXY(Source->YMandatory, NotMandatory->MaxValue(), v);
}

void TPlotFunction::CalculatePeriod(TChartSeries* Source, double Position, int First, int Last) {
  AddFunctionXY(Source->YMandatory, Position, Calculate(Source, First, Last));
}

namespace {
double AlignedPosition(TFunctionPeriodAlign Align, double First, double Last) {
  if (Align == paFirst) return First;
  if (Align == paLast) return Last;
  return (First + Last) * 0.5;
}
}  // namespace

void TPlotFunction::CalculateByPeriod(TChartSeries* Source, TChartValueList* NotMandatory) {
  const int n = Source->Count();
  if (n == 0) return;
  const TDateTimeStep step = FindDateTimeStep(FPeriod);
  TChartAxis* axis = FParent->GetHorizAxisInUse();
  const bool dateTime = axis && axis->CalcIsDateTime(step);
  double x = NotMandatory->GetValue(0);
  int t = 0;
  while (t <= n - 1) {
    int i = t;
    double first = 0;
    double last = 0;
    if (FPeriodStyle == psNumPoints) {
      i = t + FunctionPeriodPoints(FPeriod) - 1;
      first = NotMandatory->GetValue(t);
      last = i < n ? NotMandatory->GetValue(i) : 0;
    } else {
      first = x;
      const double before = x;
      if (axis && dateTime)
        axis->IncDec(true, x, FPeriod, step);
      else
        x += FPeriod;
      if (x == before) return;
      last = x - 0.001 * FPeriod;
      while (i < n - 1 && NotMandatory->GetValue(i + 1) < x) ++i;
    }
    if (i < n) {
      const double position = AlignedPosition(FPeriodAlign, first, last);
      if (FPeriodStyle == psNumPoints || NotMandatory->GetValue(t) < x) {
        CalculatePeriod(Source, position, t, i);
        t = i + 1;
      } else {
        AddFunctionXY(Source->YMandatory, position, 0);
      }
    } else if (FPeriodStyle == psNumPoints) {
      t = i + 1;
    }
  }
}

void TPlotFunction::DoCalculation(TChartSeries* Source, TChartValueList* NotMandatory) {
  if (FPeriod != 0)
    CalculateByPeriod(Source, NotMandatory);
  else
    CalculateAllPoints(Source, NotMandatory);
}

double TPlotFunction::CalculateMany(const std::vector<TComponent*>& Sources, int ValueIndex) {
  std::vector<double> values;
  if (FIncludeNulls) values.resize(Sources.size());
  int kept = 0;
  for (size_t s = 0; s < Sources.size(); ++s) {
    TChartSeries* source = AsSeries(Sources[s]);
    if (!source) continue;
    TChartValueList* list = ValueList(source);
    if (ValueIndex >= list->Count()) continue;
    if (FIncludeNulls)
      AddValue(values, static_cast<int>(s), list->GetValue(ValueIndex));
    else if (!source->IsNull(ValueIndex))
      AddValue(values, kept++, list->GetValue(ValueIndex));
  }
  return CalculateValue(values);
}

double TPlotFunction::CalculateManyByValue(const std::vector<TComponent*>& Sources, double Value) {
  std::vector<double> values;
  int kept = 0;
  for (TComponent* c : Sources) {
    TChartSeries* source = AsSeries(c);
    if (!source) continue;
    const int index = source->NotMandatoryValueList->Locate(Value);
    if (index < 0) continue;
    if (!FIncludeNulls && source->IsNull(index)) continue;
    AddValue(values, kept++, ValueList(source)->GetValue(index));
  }
  return CalculateValue(values);
}

void TPlotFunction::CalculateManyByIndex(const std::vector<TComponent*>& Sources,
                                         TChartSeries* Source) {
  TChartSeries* reference = Source;
  for (TComponent* c : Sources) {
    TChartSeries* s = AsSeries(c);
    if (s && s->Count() > reference->Count()) reference = s;
  }
  for (int i = 0; i < reference->Count(); ++i) {
    const double v = CalculateMany(Sources, i);
    const double x = reference->NotMandatoryValueList->GetValue(i);
    const std::string label = reference->GetXLabel(i);
    if (reference->YMandatory)
      FParent->AddXY(x, v, label);
    else
      FParent->AddXY(v, x, label);
  }
}

void TPlotFunction::CalculateManyByValues(const std::vector<TComponent*>& Sources) {
  int most = 0;
  for (TComponent* c : Sources)
    if (TChartSeries* s = AsSeries(c)) most = std::max(most, s->Count());
  for (int i = 0; i < most; ++i) {
    std::vector<double> collected;
    TChartSeries* lender = nullptr;
    for (TComponent* c : Sources) {
      TChartSeries* s = AsSeries(c);
      if (!s || i >= s->Count()) continue;
      collected.push_back(s->NotMandatoryValueList->GetValue(i));
      // The first source with a label at this index lends its labels.
      if (!lender && !s->GetXLabel(i).empty()) lender = s;
    }
    for (double v : collected) {
      if (FParent->NotMandatoryValueList->Locate(v) >= 0) continue;
      const double value = CalculateManyByValue(Sources, v);
      const std::string label = lender ? lender->GetXLabel(i) : std::string();
      bool everywhere = true;
      for (TComponent* c : Sources)
        if (TChartSeries* s = AsSeries(c); s && s->NotMandatoryValueList->Locate(v) < 0)
          everywhere = false;
      if (everywhere)
        FParent->AddXY(v, value, label);
      else if (FIncludeNulls)
        FParent->AddNullXY(v, value, label);
    }
  }
}

void TPlotFunction::AddPoints(TChartSeries* Source) {
  if (IUpdating || !Source || !FParent) return;
  if (FParent->HasDataSources() && FParent->DataSources()->Count() > 1) {
    const std::vector<TComponent*>& sources = FParent->DataSources()->List;
    if (FCalcByValue)
      CalculateManyByValues(sources);
    else
      CalculateManyByIndex(sources, Source);
    return;
  }
  if (Source->Count() > 0) DoCalculation(Source, Source->NotMandatoryValueList);
}

// ---------------- moving function ----------------

const TClassInfo* TPlotMovingFunction::Class() {
  using F = TPlotMovingFunction;
  static const TClassInfo* info =
      TClassDecl<F>("TPlotMovingFunction", TPlotFunction::Class())
          .Enum("PeriodAlign", &F::GetPeriodAlign, &F::SetPeriodAlign, PeriodAlignInfo())
          .Default(paLast);
  return info;
}

TPlotMovingFunction::TPlotMovingFunction(TComponent* AOwner) : TPlotFunction(AOwner) {
  FPeriod = 1;
  SingleSource = true;
  FPeriodAlign = paLast;
}

void TPlotMovingFunction::DoCalculation(TChartSeries* Source, TChartValueList* NotMandatory) {
  const int p = FunctionPeriodPoints(FPeriod);
  for (int i = p - 1; i < Source->Count(); ++i) {
    const int first = i - p + 1;
    double position = NotMandatory->GetValue(i);
    if (FPeriodAlign == paFirst)
      position = NotMandatory->GetValue(first);
    else if (FPeriodAlign == paCenter)
      position = (NotMandatory->GetValue(first) + NotMandatory->GetValue(i)) * 0.5;
    AddFunctionXY(Source->YMandatory, position, Calculate(Source, first, i));
  }
}
