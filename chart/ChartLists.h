#pragma once
// The containers through which the axis panel holds its series and axes:
// the series list in drawing order with its groups, the list of every axis
// in creation order, and the collection of custom axes (which is also the
// sub-axes collection of an axis).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/ChartSeries.h"
#include "platform/rtl/Collection.h"

class TCustomAxisPanel;
class TChartAxis;
class TSeriesGroup;
class TSeriesGroups;

class TCustomSeriesList {
 public:
  explicit TCustomSeriesList(TCustomAxisPanel* Owner = nullptr) : FOwner(Owner) {}
  virtual ~TCustomSeriesList() = default;

  int Count() const { return int(FItems.size()); }
  TChartSeries* Get(int Index) const { return FItems.at(size_t(Index)); }
  void Add(TChartSeries* Series) { FItems.push_back(Series); }
  void Insert(int Index, TChartSeries* Series) { FItems.insert(FItems.begin() + Index, Series); }
  void Delete(int Index) { FItems.erase(FItems.begin() + Index); }
  void Remove(TChartSeries* Series);
  int IndexOf(const TCustomChartSeries* Series) const;
  void Exchange(int A, int B) { std::swap(FItems.at(size_t(A)), FItems.at(size_t(B))); }
  void Clear() { FItems.clear(); }
  // Raise EListError on an empty list.
  TChartSeries* First() const;
  TChartSeries* Last() const;
  void ClearValues();
  void FillSampleValues(int Num);
  TCustomAxisPanel* Owner() const { return FOwner; }
  const std::vector<TChartSeries*>& Items() const { return FItems; }

 protected:
  TCustomAxisPanel* FOwner = nullptr;
  std::vector<TChartSeries*> FItems;
};

class TChartSeriesList : public TCustomSeriesList {
 public:
  explicit TChartSeriesList(TCustomAxisPanel* Owner);
  ~TChartSeriesList() override;

  TSeriesGroup* AddGroup(const std::string& Name);
  // The series drawn last that has a point at (X, Y).
  TChartSeries* Clicked(int X, int Y, int& ValueIndex) const;
  TChartSeries* Find(const std::string& AName) const;
  bool GetAllActive() const;
  void SetAllActive(bool Value);
  TSeriesGroups* GetGroups() const { return FGroups.get(); }
  void SetGroups(TSeriesGroups* Value);
  // The groups of Source (not its series).
  void Assign(TChartSeriesList* Source) { SetGroups(Source->GetGroups()); }

 private:
  std::unique_ptr<TSeriesGroups> FGroups;
};

using TAxisCalcPosLabels = std::function<int(TChartAxis* Axis, int Value)>;

// Every axis of a panel in creation order; does not own its axes.
class TChartAxes {
 public:
  explicit TChartAxes(TCustomAxisPanel* Chart) : FChart(Chart) {}

  int Count() const { return int(FItems.size()); }
  TChartAxis* Get(int Index) const { return FItems.at(size_t(Index)); }
  void Add(TChartAxis* Axis) { FItems.push_back(Axis); }
  void Remove(TChartAxis* Axis);
  int IndexOf(const TChartAxis* Axis) const;
  // Frees the axes one after the other.
  void Clear();
  void Reset() { SetAuto(true); }
  void Hide() { SetVisible(false); }
  bool GetAuto() const;
  void SetAuto(bool Value);
  bool GetVisible() const;
  void SetVisible(bool Value);
  bool GetBehind() const;
  void SetBehind(bool Value);
  bool GetFastCalc() const { return IFastCalc; }
  void SetFastCalc(bool Value);
  TChartAxis* GetLeftAxis() const;
  TChartAxis* GetTopAxis() const;
  TChartAxis* GetRightAxis() const;
  TChartAxis* GetBottomAxis() const;
  TChartAxis* GetDepthAxis() const;
  TChartAxis* GetDepthTopAxis() const;
  const std::vector<TChartAxis*>& Items() const { return FItems; }

  TAxisCalcPosLabels CalcPosLabels;

 private:
  TCustomAxisPanel* FChart;
  bool IFastCalc = false;
  std::vector<TChartAxis*> FItems;
};

// A collection of custom axes; its owner is the panel (the chart's custom
// axes) or an axis (that axis' sub-axes).
class TChartCustomAxes : public TCollection {
 public:
  TChartCustomAxes(TCustomAxisPanel* Panel, TChartAxis* OwnerAxis = nullptr);
  TChartAxis* Get(int Index) const;
  void Put(int Index, TChartAxis* Value);
  TChartAxis* Add();
  // Every item whose master is Axis takes Axis' current minimum and maximum.
  void ResetScales(TChartAxis* Axis);
  TCustomAxisPanel* Panel() const { return FPanel; }
  TChartAxis* OwnerAxis() const { return FOwnerAxis; }

 private:
  TCustomAxisPanel* FPanel;
  TChartAxis* FOwnerAxis;
};
