// The scale of an axis: its setters and their checks, the range of a
// drawing pass, label increments, positions and the value-to-pixel mappings.

#include <cmath>
#include <limits>

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/ChartException.h"
#include "chart/PlotConst.h"
#include "chart/PlotGeometry.h"

namespace {

constexpr double MaxDouble = 1.7976931348623157e308;

}  // namespace

double NextValueStep(double x) {
  if (std::isinf(x)) return 1;
  // Zero, negative numbers and NaN have no next step in the series.
  if (!(x > 0)) return 1;
  if (x >= 10) return 10 * NextValueStep(x * 0.1);
  if (x < 1) return 0.1 * NextValueStep(x * 10);
  if (x < 2) return 2;
  if (x < 5) return 5;
  return 10;
}

// ---------------- setters ----------------

void TChartAxis::ChangedScale() {
  if (FParentChart) FParentChart->ChangedAxisScale(this);
}

void TChartAxis::SetMinimum(double Value) {
  if (!PanelReading() && Value > FMaximumValue) throw AxisException(PlotMsg_AxisMinMax);
  if (Value == FMinimumValue) return;
  FMinimumValue = Value;
  ChangedScale();
}

void TChartAxis::SetMaximum(double Value) {
  if (!PanelReading() && Value < FMinimumValue) throw AxisException(PlotMsg_AxisMaxMin);
  if (Value == FMaximumValue) return;
  FMaximumValue = Value;
  ChangedScale();
}

void TChartAxis::InternalSetMinimum(double Value) {
  if (Value == FMinimumValue) return;
  FMinimumValue = Value;
  ChangedScale();
}

void TChartAxis::InternalSetMaximum(double Value) {
  if (Value == FMaximumValue) return;
  FMaximumValue = Value;
  ChangedScale();
}

void TChartAxis::SetMinMax(double AMin, double AMax) {
  FAutomatic = FAutomaticMinimum = FAutomaticMaximum = false;
  if (AMin > AMax) std::swap(AMin, AMax);
  if (AMin != FMinimumValue) {
    FMinimumValue = AMin;
    ChangedScale();
  }
  if (AMax != FMaximumValue) {
    FMaximumValue = AMax;
    ChangedScale();
  }
  if (FParentChart) FParentChart->GetCustomAxes()->ResetScales(this);
}

void TChartAxis::SetDesiredIncrement(double Value) {
  if (Value < 0) throw AxisException(PlotMsg_AxisIncrementNeg);
  RepaintDouble(FDesiredIncrement, Value);
}

void TChartAxis::SetLogarithmicBase(double Value) {
  if (Value == 1 || !(Value > 0)) throw AxisException(PlotMsg_AxisLogBase);
  RepaintDouble(FLogarithmicBase, Value);
}

void TChartAxis::SetLogarithmic(bool Value) {
  if (Value) {
    AdjustMaxMin();
    if (FMinimumValue < 0 || FMaximumValue < 0) throw AxisException(PlotMsg_AxisLogNotPositive);
  }
  RepaintBool(FLogarithmic, Value);
  if (FMaster) FMaster->SetLogarithmic(Value);
  SetCalcPosValue();
}

// ---------------- the scale of a pass ----------------

void TChartAxis::CalcMinMax(double& AMin, double& AMax) {
  if (!FParentChart) return;
  if (FAutomatic || FAutomaticMaximum)
    AMax = FParentChart->InternalMinMax(this, false, FHorizontal);
  if (FAutomatic || FAutomaticMinimum) AMin = FParentChart->InternalMinMax(this, true, FHorizontal);
}

void TChartAxis::AdjustMaxMin() {
  CalcMinMax(FMinimumValue, FMaximumValue);
  IMaximum = FMaximumValue;
  IMinimum = FMinimumValue;
  if (OnCalcMaxLabel) {
    double value = IMaximum;
    bool stop = false;
    OnCalcMaxLabel(this, -1, value, stop);
    IMaximum -= value;
  }
  InternalCalcRange();
  CalcRoundScales();
}

void TChartAxis::InternalCalcRange() {
  IRange = static_cast<long double>(IMaximum) - IMinimum;
  IRangeZero = std::fabs(IRange) <= 1e-16L;
  IAxisSizeRange = IRangeZero ? 0 : double(IAxisSize / IRange);
  if (FLogarithmic) {
    ILogMin = IMinimum <= 0 ? 0 : std::log(IMinimum);
    ILogMax = IMaximum <= 0 ? 0 : std::log(IMaximum);
    IRangeLog = static_cast<long double>(ILogMax) - ILogMin;
    IAxisLogSizeRange = std::fabs(IRangeLog) <= 1e-16L ? 0 : double(IAxisSize / IRangeLog);
  }
  IZPos = CalcZPos();
}

void TChartAxis::CalcRoundScales() {
  if (IAxisSize == 0 || IRangeZero) return;
  double inc = 0;
  bool considered = false;
  if (FMaximumRound && (FAutomatic || FAutomaticMaximum)) {
    considered = true;
    inc = CalcIncrement();
    if (inc != 0) IMaximum = inc * std::ceil(IMaximum / inc);
  }
  if (FMinimumRound && (FAutomatic || FAutomaticMinimum)) {
    considered = true;
    if (inc == 0) inc = CalcIncrement();
    if (inc != 0) IMinimum = inc * std::floor(IMinimum / inc);
  }
  if (considered) InternalCalcRange();
}

void TChartAxis::AdjustMaxMinRect(const TRect& Rect) {
  const int oldStart = IStartPos;
  const int oldEnd = IEndPos;
  if (FHorizontal) {
    IStartPos += Rect.Left;
    IEndPos -= Rect.Right;
  } else {
    IStartPos += Rect.Top;
    IEndPos -= Rect.Bottom;
  }
  IAxisSize = IEndPos - IStartPos;
  InternalCalcRange();
  const double atStart = InternalCalcPosPoint(oldStart);
  const double atEnd = InternalCalcPosPoint(oldEnd);
  InternalCalcPositions();
  IMaximum = atEnd;
  IMinimum = atStart;
  if (IMinimum > IMaximum) std::swap(IMinimum, IMaximum);
  InternalCalcRange();
  if (!FSubAxes) return;
  for (int i = 0; i < FSubAxes->Count(); ++i) {
    TChartAxis* sub = FSubAxes->Get(i);
    sub->IMaximum = IMaximum;
    sub->IMinimum = IMinimum;
    sub->InternalCalcRange();
    sub->InternalCalcPositions();
  }
}

void TChartAxis::Scroll(double Offset, bool CheckLimits) {
  if (CheckLimits && FParentChart) {
    const bool up = Offset > 0 &&
                    FParentChart->InternalMinMax(this, false, FHorizontal) - Offset > FMaximumValue;
    const bool down = Offset < 0 && FParentChart->InternalMinMax(this, true, FHorizontal) - Offset <
                                        FMinimumValue;
    if (!up && !down) return;
  }
  FAutomatic = FAutomaticMinimum = FAutomaticMaximum = false;
  FMaximumValue += Offset;
  FMinimumValue += Offset;
  if (!FParentChart) return;
  FParentChart->Invalidate();
  FParentChart->ChangedAxisScale(this);
}

bool TChartAxis::IsDateTime() {
  TChartAxis* top = this;
  while (top->FMaster) top = top->FMaster;
  if (!FParentChart) return false;
  for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
    TChartSeries* s = FParentChart->GetSeries(i);
    if (!s->GetActive()) continue;
    if (TChartValueList* list = s->ValueListOfAxis(top)) return list->GetDateTime();
  }
  return false;
}

bool TChartAxis::CalcIsDateTime(TDateTimeStep Step) const {
  return FExactDateTime && IAxisDateTime && Step >= dtHalfMonth && Step != dtNone;
}

bool TChartAxis::IncDec(bool Increment, double& Value, double AnIncrement) const {
  const long double next = Increment ? static_cast<long double>(Value) + AnIncrement
                                     : static_cast<long double>(Value) - AnIncrement;
  if (std::fabs(next) > MaxDouble) return false;
  Value = double(next);
  return true;
}

bool TChartAxis::IncDec(bool Increment, double& Value, double AnIncrement,
                        TDateTimeStep Step) const {
  const double old = Value;
  TDateTime v = Value;
  PlotDateTimeIncrement(Increment, v, AnIncrement, Step);
  Value = v;
  const double tolerance = std::max(1e-12, 1e-12 * std::min(std::fabs(old), std::fabs(Value)));
  return std::fabs(Value - old) > tolerance;
}

// ---------------- increments ----------------

// Some active series on this axis with its X values along it has at most
// MaxNumLabels points.
bool TChartAxis::AnySeriesFitsLabels(int MaxNumLabels) const {
  if (!FParentChart) return false;
  for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
    TChartSeries* s = FParentChart->GetSeries(i);
    if (!s->GetActive() || !s->AssociatedToAxis(const_cast<TChartAxis*>(this))) continue;
    if (s->YMandatory != FHorizontal) continue;
    if (s->Count() <= MaxNumLabels) return true;
  }
  return false;
}

double TChartAxis::GrowIncrement(double Value, bool UseNextStep) const {
  if (FLogarithmic) return Value * FLogarithmicBase;
  if (UseNextStep) return NextValueStep(Value);
  return Value * 2;
}

double TChartAxis::CalcLabelsIncrement(int MaxNumLabels) {
  if (MaxNumLabels < 1) return IAxisDateTime ? DateTimeStep[dtOneMicroSecond] : MinAxisIncrement;
  if (IAxisDateTime) return CalcDateTimeIncrement(MaxNumLabels);
  double result;
  if (FDesiredIncrement > 0) {
    result = FDesiredIncrement;
  } else if (IRangeZero) {
    result = 1;
  } else {
    result = double(std::fabs(IRange) / (MaxNumLabels + 1));
    if (FLogarithmic) result = RoundLogPower(result);
    if (IRange >= 1.1 && AnySeriesFitsLabels(MaxNumLabels)) result = std::max(1.0, result);
  }
  if (FLabels->GetSeparation() != 0 && IRange != 0 && result != 0) {
    int n = MaxNumLabels + 1;
    do {
      const long double d = IRange / result;
      if (std::fabs(d) < 2147483647.0L) {
        n = PlotRound(d);
        if (n > MaxNumLabels) result = GrowIncrement(result, FDesiredIncrement <= 0);
      } else {
        result = GrowIncrement(result, true);
      }
    } while (n > MaxNumLabels && result <= IRange && !std::isinf(result));
  }
  if (std::isinf(result)) return double(IRange);
  return std::max(result, MinAxisIncrement);
}

double TChartAxis::CalcDateTimeIncrement(int MaxNumLabels) {
  const double micro = DateTimeStep[dtOneMicroSecond];
  double inc = std::max(micro, FDesiredIncrement);
  if (inc > 0 && MaxNumLabels > 0) {
    if (IRange / inc > 1000000) inc = double(IRange / 1000000);
    int n;
    do {
      n = PlotRound(IRange / inc);
      if (MaxNumLabels < n) {
        if (inc >= DateTimeStep[dtOneYear])
          inc *= 2;
        else if (inc >= DateTimeStep[dtOneSecond])
          inc = NextDateTimeStep(inc);
        else
          inc = NextValueStep(inc);
      }
    } while (MaxNumLabels < n);
  }
  return std::max(micro, inc);
}

double TChartAxis::RoundLogPower(long double Value) const {
  const long double power = std::log(Value) / std::log(static_cast<long double>(FLogarithmicBase));
  return double(std::pow(static_cast<long double>(FLogarithmicBase), std::nearbyintl(power)));
}

double TChartAxis::CalcXYIncrement(int MaxLabelSize) {
  int n = 1;
  if (MaxLabelSize > 0 && IAxisSize > 0) {
    const int separation = FLabels->GetSeparation();
    if (separation > 0) MaxLabelSize += PlotRound(separation * 0.01L * MaxLabelSize);
    n = PlotRound(static_cast<long double>(IAxisSize) / MaxLabelSize);
  }
  return CalcLabelsIncrement(n);
}

double TChartAxis::CalcIncrement() {
  double low = IMinimum;
  double high = IMaximum;
  if (FLabels->GetRoundFirst() && FDesiredIncrement != 0) {
    low = std::fabs(IMinimum) > 9.223372036854776e18 ? IMinimum * FDesiredIncrement
                                                     : std::nearbyint(IMinimum) * FDesiredIncrement;
    high = std::trunc(IMaximum) * FDesiredIncrement;
  }
  int size;
  if (FDesiredIncrement != 0) {
    size = std::max({InternalLabelSize(high, FHorizontal), InternalLabelSize(low, FHorizontal),
                     InternalLabelSize(high - FDesiredIncrement, FHorizontal),
                     InternalLabelSize(low + FDesiredIncrement, FHorizontal)});
  } else {
    double mid = low + (high - low) * 0.5;
    if (std::isinf(mid)) mid = 0;
    while (mid != 0 && !std::isnan(mid) && mid == std::trunc(mid)) mid *= 0.5;
    size = std::max({InternalLabelSize(low, FHorizontal), InternalLabelSize(mid, FHorizontal),
                     InternalLabelSize(high, FHorizontal)});
  }
  double result = CalcXYIncrement(size);
  if (FLabels->GetAlternate()) result = FLogarithmic ? result / FLogarithmicBase : result * 0.5;
  return result;
}

int TChartAxis::InternalLabelSize(double Value, bool IsWidth) {
  if (FLabels->GetGridIgnoresLabelSize()) return 1;
  if (!FParentChart || !FParentChart->GetCanvas()) return 0;
  int lines = 1;
  int size = FParentChart->MultiLineTextWidth(LabelValue(Value), lines);
  const int angle = FLabels->GetAngle();
  const bool across = IsWidth ? (angle == 90 || angle == 270) : (angle == 0 || angle == 180);
  if (across) size = FParentChart->GetCanvas()->TextHeight(std::string("W")) * lines;
  return size;
}

// ---------------- positions ----------------

void TChartAxis::InternalCalcPositions() {
  int origin = 0;
  int length = 0;
  if (FParentChart) {
    if (IDepthAxis) {
      length = FParentChart->Width3D;
    } else if (FHorizontal) {
      origin = FParentChart->ChartRect.Left;
      length = FParentChart->ChartWidth;
    } else {
      origin = FParentChart->ChartRect.Top;
      length = FParentChart->ChartHeight;
    }
  }
  IStartPos = origin + PlotRound(length * 0.01L * FStartPosition);
  IEndPos = origin + PlotRound(length * 0.01L * FEndPosition);
  RecalcSizeCenter();
}

void TChartAxis::RecalcSizeCenter() {
  IAxisSize = IEndPos - IStartPos;
  ICenterPos = (IStartPos + IEndPos) / 2;
  InternalCalcRange();
}

void TChartAxis::SetCalcPosValue() {
  if (IDepthAxis) {
    FCalcX = FCalcY = &TChartAxis::CalcDepth;
  } else if (FLogarithmic) {
    FCalcX = &TChartAxis::CalcLogX;
    FCalcY = &TChartAxis::CalcLogY;
  } else {
    FCalcX = &TChartAxis::CalcLinearX;
    FCalcY = &TChartAxis::CalcLinearY;
  }
}

int TChartAxis::CalcLinearX(double Value) const {
  if (IRangeZero) return ICenterPos;
  const int d = PlotRound((static_cast<long double>(Value) - IMinimum) * IAxisSizeRange);
  return FInverted ? IEndPos - d : IStartPos + d;
}

int TChartAxis::CalcLinearY(double Value) const {
  if (IRangeZero) return ICenterPos;
  const int d = PlotRound((static_cast<long double>(Value) - IMinimum) * IAxisSizeRange);
  return FInverted ? IStartPos + d : IEndPos - d;
}

int TChartAxis::CalcLogX(double Value) const {
  if (IRangeLog == 0) return ICenterPos;
  if (Value <= 0) return FInverted ? IEndPos : IStartPos;
  const long double d = FInverted ? ILogMax - std::log(Value) : std::log(Value) - ILogMin;
  return IStartPos + PlotRound(IAxisLogSizeRange * d);
}

int TChartAxis::CalcLogY(double Value) const {
  if (IRangeLog == 0) return ICenterPos;
  if (Value <= 0) return FInverted ? IStartPos : IEndPos;
  const long double d = FInverted ? ILogMax - std::log(Value) : std::log(Value) - ILogMin;
  return IEndPos - PlotRound(IAxisLogSizeRange * d);
}

int TChartAxis::CalcDepth(double Value) const {
  if (IRangeZero) return ICenterPos;
  return FInverted ? PlotRound(IAxisSizeRange * (static_cast<long double>(IMaximum) - Value))
                   : PlotRound(IAxisSizeRange * (static_cast<long double>(Value) - IMinimum));
}

double TChartAxis::InternalCalcPosPoint(int Value) const {
  if (!FLogarithmic) {
    if (IAxisSize < 1) return 0;
    const long double t = (FInverted ? IEndPos - Value : Value - IStartPos) * IRange / IAxisSize;
    return double(FHorizontal ? IMinimum + t : IMaximum - t);
  }
  const double atStart =
      FHorizontal ? (FInverted ? IMaximum : IMinimum) : (FInverted ? IMinimum : IMaximum);
  const double atEnd =
      FHorizontal ? (FInverted ? IMinimum : IMaximum) : (FInverted ? IMaximum : IMinimum);
  if (Value == IStartPos) return atStart;
  if (Value == IEndPos) return atEnd;
  if (IRangeLog == 0 || IAxisSize == 0) return IMinimum;
  const long double t = (FInverted ? IEndPos - Value : Value - IStartPos) * IRangeLog / IAxisSize;
  return double(FHorizontal ? std::exp(ILogMin + t) : std::exp(ILogMax - t));
}

int TChartAxis::CalcSizeValue(double Finish, double Start) const {
  const double d = std::fabs(Finish - Start);
  if (d <= 0) return 0;
  if (FLogarithmic) return CalcPosValue(Finish) - CalcPosValue(Start);
  if (IRange == 0) return 0;
  return PlotRound(static_cast<long double>(d) * IAxisSizeRange);
}

int TChartAxis::CalcZPos() const {
  if (!FParentChart) return 0;
  const int length = IDepthAxis ? FParentChart->ChartHeight : FParentChart->Width3D;
  return PlotRound(FZPosition * length * 0.01L);
}
