#include "chart/ChartLists.h"

#include <algorithm>

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/SeriesGroups.h"
#include "platform/rtl/SysUtils.h"

// ---------------- series lists ----------------

void TCustomSeriesList::Remove(TChartSeries* Series) { std::erase(FItems, Series); }

int TCustomSeriesList::IndexOf(const TCustomChartSeries* Series) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i] == Series) return int(i);
  return -1;
}

TChartSeries* TCustomSeriesList::First() const {
  if (FItems.empty()) throw EListError("List index out of bounds (0)");
  return FItems.front();
}

TChartSeries* TCustomSeriesList::Last() const {
  if (FItems.empty()) throw EListError("List index out of bounds (-1)");
  return FItems.back();
}

void TCustomSeriesList::ClearValues() {
  for (TChartSeries* s : FItems) s->Clear();
}

void TCustomSeriesList::FillSampleValues(int Num) {
  for (TChartSeries* s : FItems) s->FillSampleValues(Num);
}

TChartSeriesList::TChartSeriesList(TCustomAxisPanel* Owner)
    : TCustomSeriesList(Owner), FGroups(std::make_unique<TSeriesGroups>(this)) {}

TChartSeriesList::~TChartSeriesList() = default;

TSeriesGroup* TChartSeriesList::AddGroup(const std::string& Name) {
  auto* group = static_cast<TSeriesGroup*>(FGroups->Add());
  group->SetName(Name);
  return group;
}

TChartSeries* TChartSeriesList::Clicked(int X, int Y, int& ValueIndex) const {
  for (auto it = FItems.rbegin(); it != FItems.rend(); ++it) {
    if (!(*it)->GetActive()) continue;
    ValueIndex = (*it)->Clicked(X, Y);
    if (ValueIndex != -1) return *it;
  }
  ValueIndex = -1;
  return nullptr;
}

TChartSeries* TChartSeriesList::Find(const std::string& AName) const {
  for (TChartSeries* s : FItems)
    if (s->GetName() == AName) return s;
  return nullptr;
}

bool TChartSeriesList::GetAllActive() const {
  return std::all_of(FItems.begin(), FItems.end(), [](TChartSeries* s) { return s->GetActive(); });
}

void TChartSeriesList::SetAllActive(bool Value) {
  for (TChartSeries* s : FItems) s->SetActive(Value);
}

void TChartSeriesList::SetGroups(TSeriesGroups* Value) {
  if (Value && Value != FGroups.get()) FGroups->Assign(Value);
}

// ---------------- axes list ----------------

void TChartAxes::Remove(TChartAxis* Axis) { std::erase(FItems, Axis); }

int TChartAxes::IndexOf(const TChartAxis* Axis) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i] == Axis) return int(i);
  return -1;
}

void TChartAxes::Clear() {
  while (!FItems.empty()) {
    TChartAxis* axis = FItems.front();
    delete axis;  // removes itself from the list
    if (!FItems.empty() && FItems.front() == axis) FItems.erase(FItems.begin());
  }
}

bool TChartAxes::GetAuto() const {
  return std::all_of(FItems.begin(), FItems.end(),
                     [](TChartAxis* a) { return a->GetAutomatic(); });
}

void TChartAxes::SetAuto(bool Value) {
  for (TChartAxis* a : FItems) a->SetAutomatic(Value);
}

bool TChartAxes::GetVisible() const { return FChart->GetAxisVisible(); }
void TChartAxes::SetVisible(bool Value) { FChart->SetAxisVisible(Value); }
bool TChartAxes::GetBehind() const { return FChart->GetAxisBehind(); }
void TChartAxes::SetBehind(bool Value) { FChart->SetAxisBehind(Value); }

void TChartAxes::SetFastCalc(bool Value) {
  IFastCalc = Value;
  for (TChartAxis* a : FItems) a->SetCalcPosValue();
}

TChartAxis* TChartAxes::GetLeftAxis() const { return FChart->GetLeftAxis(); }
TChartAxis* TChartAxes::GetTopAxis() const { return FChart->GetTopAxis(); }
TChartAxis* TChartAxes::GetRightAxis() const { return FChart->GetRightAxis(); }
TChartAxis* TChartAxes::GetBottomAxis() const { return FChart->GetBottomAxis(); }
TChartAxis* TChartAxes::GetDepthAxis() const { return FChart->GetDepthAxis(); }
TChartAxis* TChartAxes::GetDepthTopAxis() const { return FChart->GetDepthTopAxis(); }

// ---------------- custom axes ----------------

TChartCustomAxes::TChartCustomAxes(TCustomAxisPanel* Panel, TChartAxis* OwnerAxis)
    : TCollection(TChartAxis::Class()), FPanel(Panel), FOwnerAxis(OwnerAxis) {}

TChartAxis* TChartCustomAxes::Get(int Index) const {
  return static_cast<TChartAxis*>(GetItem(Index));
}

void TChartCustomAxes::Put(int Index, TChartAxis* Value) { Get(Index)->Assign(Value); }

TChartAxis* TChartCustomAxes::Add() { return static_cast<TChartAxis*>(TCollection::Add()); }

void TChartCustomAxes::ResetScales(TChartAxis* Axis) {
  for (int i = 0; i < Count(); ++i) {
    TChartAxis* item = Get(i);
    if (item->GetMaster() == Axis) item->SetMinMax(Axis->GetMinimum(), Axis->GetMaximum());
  }
}
