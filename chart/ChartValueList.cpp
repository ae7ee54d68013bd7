#include "chart/ChartValueList.h"

#include <algorithm>
#include <cmath>

#include "chart/ChartSeries.h"
#include "chart/PlotSort.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Dialogs.h"
#include "scene/zr_stream.h"

namespace {

const TEnumInfo& ListOrderInfo() {
  static const TEnumInfo info("TChartListOrder", {"loNone", "loAscending", "loDescending"});
  return info;
}

const char* const kMultiplierMessage =
    "Error: Multiplier property is obsolete.\r"
    "Modify PlotDefs (enable Multiplier) and recompile.";

}  // namespace

const TClassInfo* TChartValueList::Class() {
  using L = TChartValueList;
  static const TClassInfo* info = TClassDecl<L>("TChartValueList", TPersistent::Class())
                                      .Prop("DateTime", &L::GetDateTime, &L::SetDateTime)
                                      .Stored(&L::IsDateStored)
                                      .Prop("Name", &L::GetName, &L::SetName)
                                      .Stored(&L::IsNameStored)
                                      .Enum("Order", &L::GetOrder, &L::SetOrder, ListOrderInfo())
                                      .Prop("ValueSource", &L::GetValueSource, &L::SetValueSource)
                                      .Stored(&L::IsValueSourceStored);
  return info;
}

TChartValueList::TChartValueList(TChartSeries* AOwner, const std::string& AName)
    : FName(AName), FOwner(AOwner) {
  if (FOwner) FOwner->ValuesList().Add(this);
  ClearValues();
}

TChartValueList::~TChartValueList() { ClearValues(); }

void TChartValueList::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TChartValueList*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  FOrder = source->FOrder;
  FDateTime = source->FDateTime;
  FValueSource = source->FValueSource;
}

void TChartValueList::DefineProperties(TFiler* Filer) {
  TPersistent::DefineProperties(Filer);
  Filer->DefineProperty(
      "Multiplier", [this](TReader* r) { ReadMultiplier(r); }, nullptr, false);
}

// The obsolete scale factor: 1 is what every list had; anything else is
// reported, and the value is not kept.
void TChartValueList::ReadMultiplier(TReader* Reader) {
  if (Reader->ReadFloat() == 1) return;
  MessageBox(kMultiplierMessage, "", MB_OK | MB_ICONERROR);
}

void TChartValueList::Grow() { Value.resize(Value.size() + PlotDefaultCapacity, 0.0); }

int TChartValueList::AddChartValue(double AValue) {
  FTempValue = AValue;
  return AddChartValue();
}

int TChartValueList::AddChartValue() {
  const double v = FTempValue;
  const bool append = FOrder == loNone || FCount == 0 || (FOrder == loAscending && v >= Last()) ||
                      (FOrder == loDescending && v <= Last());
  int index = FCount;
  if (!append) {
    int i = FCount - 1;
    if (FOrder == loAscending)
      while (i >= 0 && Value[i] > v) --i;
    else
      while (i >= 0 && Value[i] < v) --i;
    index = i + 1;
  }
  if (FCount >= Capacity()) Grow();
  std::copy_backward(Value.begin() + index, Value.begin() + FCount, Value.begin() + FCount + 1);
  Value[index] = v;
  ++FCount;
  SetModified(true);
  return index;
}

void TChartValueList::InsertChartValue(int Index, double AValue) {
  if (FCount >= Capacity()) Grow();
  std::copy_backward(Value.begin() + Index, Value.begin() + FCount, Value.begin() + FCount + 1);
  Value[Index] = AValue;
  ++FCount;
  SetModified(true);
}

void TChartValueList::Delete(int Start, int Quantity) {
  Quantity = std::min(Quantity, FCount - Start);
  if (Quantity <= 0) return;
  std::copy(Value.begin() + Start + Quantity, Value.begin() + FCount, Value.begin() + Start);
  FCount -= Quantity;
  SetModified(true);
}

void TChartValueList::ClearValues() {
  FCount = 0;
  TChartValues().swap(Value);
  FModified = true;
}

void TChartValueList::Scroll() {
  if (FCount < 2) return;
  std::rotate(Value.begin(), Value.begin() + 1, Value.begin() + FCount);
}

void TChartValueList::SetValue(int Index, double AValue) {
  Value[Index] = AValue;
  FModified = true;
  if (FOwner) FOwner->NotifyValue(veModify, Index);
}

int TChartValueList::Locate(double AValue, int FirstIndex, int LastIndex) const {
  for (int i = FirstIndex; i <= LastIndex; ++i)
    if (Value[i] == AValue) return i;
  return -1;
}

void TChartValueList::Exchange(int Index1, int Index2) {
  std::swap(Value[Index1], Value[Index2]);
  FModified = true;
  if (FOwner) FOwner->NotifyValue(veModify, Index1);
}

void TChartValueList::FillSequence() {
  for (int i = 0; i < FCount; ++i) Value[i] = i;
  FModified = true;
  if (FOwner) FOwner->NotifyValue(veModify, 0);
}

int TChartValueList::CompareValueIndex(int Index1, int Index2) const {
  const double a = Value[Index1];
  const double b = Value[Index2];
  int result = 0;
  if (a < b)
    result = -1;
  else if (a > b)
    result = 1;
  else
    return Index1 < Index2 ? -1 : 0;
  return FOrder == loDescending ? -result : result;
}

void TChartValueList::Sort() {
  if (FOrder == loNone) return;
  TChartSeries* owner = FOwner;
  PlotSort(
      0, FCount - 1, [this](int a, int b) { return CompareValueIndex(a, b); },
      [this, owner](int a, int b) {
        if (owner)
          owner->SwapValueIndex(a, b);
        else
          std::swap(Value[a], Value[b]);
      });
}

std::string TChartValueList::ValueToString(int Index) const { return FloatToStr(Value[Index]); }

void TChartValueList::CutCountToCapacity() { FCount = std::min(FCount, Capacity()); }

void TChartValueList::RecalcStats(int StartIndex) {
  CutCountToCapacity();
  if (FCount <= 0) {
    FMinValue = FMaxValue = FTotal = FTotalABS = 0;
    FModified = false;
    return;
  }
  if (StartIndex == 0) {
    FMinValue = FMaxValue = FTotal = Value[0];
    FTotalABS = std::fabs(Value[0]);
    StartIndex = 1;
  }
  for (int i = StartIndex; i < FCount; ++i) {
    const double v = Value[i];
    if (v < FMinValue)
      FMinValue = v;
    else if (v > FMaxValue)
      FMaxValue = v;
    FTotal += v;
    FTotalABS += std::fabs(v);
  }
  FModified = false;
}

void TChartValueList::RecalcStats(double AMin, double AMax, double ATotal, double ATotalABS) {
  CutCountToCapacity();
  FMinValue = AMin;
  FMaxValue = AMax;
  FTotal = ATotal;
  FTotalABS = ATotalABS;
  FModified = false;
}

double TChartValueList::MaxValue() {
  if (FModified) RecalcStats(0);
  return FMaxValue;
}

double TChartValueList::MinValue() {
  if (FModified) RecalcStats(0);
  return FMinValue;
}

double TChartValueList::Total() {
  if (FModified) RecalcStats(0);
  return FTotal;
}

double TChartValueList::TotalABS() {
  if (FModified) RecalcStats(0);
  return FTotalABS;
}

void TChartValueList::SetModified(bool AValue) {
  if (AValue == FModified) return;
  FModified = AValue;
  if (FModified && FOwner) FOwner->NotifyValue(veModify, -1);
}

void TChartValueList::SetDateTime(bool AValue) {
  if (FOwner)
    FOwner->SetBooleanProperty(FDateTime, AValue);
  else
    FDateTime = AValue;
}

void TChartValueList::SetValueSource(const std::string& AValue) {
  if (AValue == FValueSource) return;
  FValueSource = AValue;
  if (FOwner) FOwner->CheckDataSource();
}

// ---------------- TChartValueLists ----------------

int TChartValueLists::IndexOf(const TChartValueList* List) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[i].get() == List) return i;
  return -1;
}

void TChartValueLists::Replace(int Index, TChartValueList* List) { FItems[Index].reset(List); }

void TChartValueLists::Extract(TChartValueList* List) {
  const int i = IndexOf(List);
  if (i < 0) return;
  FItems[i].release();
  FItems.erase(FItems.begin() + i);
}
