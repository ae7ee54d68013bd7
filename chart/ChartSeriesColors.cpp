// Point colours and nulls, sorting by values and labels, and random sample
// values of a series.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

#include "chart/ChartSeries.h"
#include "chart/PlotPalette.h"
#include "chart/PlotSort.h"
#include "platform/rtl/SysUtils.h"

namespace {

std::mt19937& SampleRandom() {
  static std::mt19937 generator(std::random_device{}());
  return generator;
}

int RandomBelow(int Limit) {
  return std::uniform_int_distribution<int>(0, Limit - 1)(SampleRandom());
}

// Today as a date-time value (days since 30 December 1899).
double Today() {
  using namespace std::chrono;
  const auto days = floor<std::chrono::days>(system_clock::now()).time_since_epoch().count();
  return static_cast<double>(days) + 25569.0;
}

// Series add random points at run time only when asked to; nothing asks.
constexpr bool PlotRandomAtRunTime = false;

}  // namespace

// ---------------- colours and nulls ----------------

TColor TChartSeries::InternalColor(int ValueIndex) const {
  if (!FColors || ValueIndex < 0 || ValueIndex >= static_cast<int>(FColors->size()))
    return clDefault;
  return (*FColors)[ValueIndex];
}

TColor TChartSeries::GetValueColor(int ValueIndex) const {
  const TColor color = InternalColor(ValueIndex);
  if (color != clDefault) return color;
  if (!FColorEachPoint) return GetSeriesColor();
  return FParent ? FParent->GetDefaultColor(ValueIndex) : ::GetDefaultColor(ValueIndex);
}

void TChartSeries::SetSeriesColor(TColor Color) {
  if (FColor == clDefault && Color == ISeriesColor) return;
  SetColorProperty(FColor, Color);
  ISeriesColor = Color;
  NotifyColorChanged();
}

void TChartSeries::ChangeInternalColor(TColor Color) {
  ISeriesColor = Color;
  SetSeriesColor(Color);
}

void TChartSeries::NotifyColorChanged() {
  if (FParent) FParent->BroadcastSeriesEvent(this, seChangeColor);
}

void TChartSeries::SetDefaultColor() {
  if (FColor == clDefault) return;
  FColor = clDefault;
  ISeriesColor = clDefault;
  if (FParent) FParent->ColorPaletteChanged();
  Repaint();
}

void TChartSeries::SetValueColor(int ValueIndex, TColor Color) {
  if (!FColors && Color == clDefault) return;
  while (Count() <= ValueIndex) AddNull(std::string());
  if (!FColors) GrowColors();
  (*FColors)[ValueIndex] = Color;
  NotifyColorChange(ValueIndex);
}

void TChartSeries::NotifyColorChange(int ValueIndex) {
  (void)ValueIndex;
  Repaint();
}

void TChartSeries::SetColorEachPoint(bool Value) {
  FColorEachPoint = Value;
  NotifyColorChange(-1);
}

void TChartSeries::SetNull(int ValueIndex, bool Null) {
  SetValueColor(ValueIndex, Null ? clNone : clDefault);
}

bool TChartSeries::IsPainted(int ValueIndex) const {
  return FTreatNulls == tnIgnore || !IsNull(ValueIndex);
}

void TChartSeries::ColorRange(TChartValueList* ValueList, double FromValue, double ToValue,
                              TColor Color) {
  for (int i = 0; i < ValueList->Count(); ++i) {
    const double v = ValueList->GetValue(i);
    if (v >= FromValue && v <= ToValue && !IsNull(i)) SetValueColor(i, Color);
  }
  Repaint();
}

// ---------------- sorting ----------------

void TChartSeries::SwapValueIndex(int A, int B) {
  for (int i = 0; i < FValuesList.Count(); ++i) {
    TChartValueList* list = FValuesList.Get(i);
    std::swap(list->Value[A], list->Value[B]);
    list->SetModified(true);
  }
  if (FColors) std::swap((*FColors)[A], (*FColors)[B]);
  if (FLabels->Count() > 0) FLabels->Exchange(A, B);
  if (FVisuals && FVisuals->Count() > 0) {
    // An entry past the end counts as empty.
    const int needed = std::max(A, B) + 1;
    while (FVisuals->Count() < needed) FVisuals->InsertVisual(FVisuals->Count(), nullptr);
    FVisuals->Exchange(A, B);
  }
}

void TChartSeries::CheckOrder() {
  bool sorted = false;
  if (MandatoryValueList->GetOrder() != loNone) {
    MandatoryValueList->Sort();
    if (NotMandatoryValueList->GetValueSource().empty()) NotMandatoryValueList->FillSequence();
    sorted = true;
  }
  if (NotMandatoryValueList->GetOrder() != loNone) {
    NotMandatoryValueList->Sort();
    sorted = true;
  }
  if (sorted) Repaint();
}

void TChartSeries::SortByLabels(TChartListOrder Order) {
  if (Order == loNone) return;
  ILabelOrder = Order;
  PlotSort(
      0, Count() - 1, [this](int a, int b) { return CompareLabelIndex(a, b); },
      [this](int a, int b) { SwapValueIndex(a, b); });
  ILabelOrder = loNone;
  NotMandatoryValueList->FillSequence();
  Repaint();
}

int TChartSeries::CompareLabelIndex(int A, int B) const {
  std::string a = FLabels->GetLabel(A);
  std::string b = FLabels->GetLabel(B);
  if (FLabels->GetCaseSensitive() && LowerCase(a) != LowerCase(b)) {
    a = LowerCase(a);
    b = LowerCase(b);
  }
  const int result = a < b ? -1 : (a > b ? 1 : 0);
  return ILabelOrder == loDescending ? -result : result;
}

// ---------------- sample values ----------------

void TChartSeries::FillSampleValues(int NumValues) {
  if (NumValues == 0) NumValues = INumSampleValues;
  if (NumValues <= 0) NumValues = NumSampleValues();
  Clear();
  SampleRandom().seed(static_cast<unsigned>(RandomBelow(7774444)));
  BeginUpdate();
  AddSampleValues(NumValues, false);
  CheckOrder();
  EndUpdate();
  ManualData = false;
}

TSeriesRandomBounds TChartSeries::RandomBounds(int NumValues) {
  double minY = 0, maxY = 1000, minX = 0, maxX = NumValues - 1;
  if (FParent && FParent->GetMaxValuesCount() > 0) {
    TChartAxis* vert = YMandatory ? FGetVertAxis : FGetHorizAxis;
    TChartAxis* horiz = YMandatory ? FGetHorizAxis : FGetVertAxis;
    minY = FParent->MinYValue(vert);
    maxY = FParent->MaxYValue(vert);
    if (minY == maxY) maxY = minY != 0 ? 2 * minY : 1000;
    minX = FParent->MinXValue(horiz);
    maxX = FParent->MaxXValue(horiz);
    if (minX == maxX) maxX = minX != 0 ? 2 * minX : NumValues - 1;
  } else if (FX->GetDateTime()) {
    minX = Today();
    maxX = minX + NumValues - 1;
  }
  TSeriesRandomBounds result;
  result.StepX = maxX - minX;
  if (NumValues > 1) result.StepX /= NumValues - 1;
  result.DifY = std::clamp(maxY - minY, -2147483647.0, 2147483647.0);
  result.MinY = minY;
  result.tmpY = RandomBelow(100) * result.DifY * 0.01 + minY;
  result.tmpX = minX;
  return result;
}

void TChartSeries::AddSampleValues(int NumValues, bool OnlyMandatory) {
  TSeriesRandomBounds bounds = RandomBounds(NumValues);
  const double d = bounds.DifY * 0.25;
  for (int i = 0; i < NumValues; ++i) {
    bounds.tmpY = std::fabs(RandomBelow(100) * d * 0.01 + bounds.tmpY - d * 0.5);
    if (OnlyMandatory) {
      Add(bounds.tmpY);
      continue;
    }
    if (YMandatory)
      AddXY(bounds.tmpX, bounds.tmpY);
    else
      AddXY(bounds.tmpY, bounds.tmpX);
    bounds.tmpX += bounds.StepX;
  }
}

bool TChartSeries::CanAddRandomPoints() const { return PlotRandomAtRunTime || IsDesigning(); }
