#pragma once
// Where a series takes its points from: the list of its data sources, the
// base of components that load points into a series, and the detail series
// whose values a series aggregates into its points.

#include <string>
#include <vector>

#include "chart/ChartLists.h"
#include "platform/rtl/Classes.h"

class TChartSeries;
class TChartValueList;
class TCustomAxisPanel;

// The data sources of a series, in order; the first is its DataSource.
class TDataSourcesList {
 public:
  explicit TDataSourcesList(TChartSeries* ASeries) : Series(ASeries) {}

  TComponent* Get(int Index) const { return List.at(static_cast<size_t>(Index)); }
  int Count() const { return static_cast<int>(List.size()); }
  int IndexOf(const TComponent* Component) const;
  // Adds through the series, keeping the other sources.
  int Add(TComponent* Component);
  void Remove(TComponent* Component);
  int InheritedAdd(TComponent* Component);
  void InheritedClear() { List.clear(); }
  // Unlinks the series from its source series, empties the list and clears
  // the series unless it holds manual data.
  void Clear();

  std::vector<TComponent*> List;
  TChartSeries* Series = nullptr;
};

enum TSourceLoadMode { lmClear, lmAppend };

// A component that loads points into a series (its DataSource) in Load.
class TPlotSeriesSource : public TComponent {
 public:
  explicit TPlotSeriesSource(TComponent* AOwner = nullptr);
  ~TPlotSeriesSource() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetActive() const { return FActive; }
  virtual void SetActive(bool Value);
  TSourceLoadMode GetLoadMode() const { return FLoadMode; }
  void SetLoadMode(TSourceLoadMode Value) { FLoadMode = Value; }
  TChartSeries* GetSeries() const { return FSeries; }
  virtual void SetSeries(TChartSeries* Value);
  // The field only: the series that adopts the source sets it.
  void InitSeries(TChartSeries* Value) { FSeries = Value; }

  static bool Available(TCustomAxisPanel* Chart) {
    (void)Chart;
    return true;
  }
  static std::string Description() { return {}; }
  static bool HasNew() { return false; }
  // Series' data source is a source of this component's class.
  virtual bool HasSeries(TChartSeries* Series) const;
  virtual void Close();
  // A concrete source loads points into its series here.
  virtual void Load() {}
  virtual void Open() { SetActive(true); }
  void Refresh();

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  bool KeepDataOnClose = false;

 protected:
  bool FActive = false;
  TSourceLoadMode FLoadMode = lmClear;
  TChartSeries* FSeries = nullptr;
};

enum TDetailAggregate { daSum, daCount, daAverage, daMin, daMax };

// One detail series per point of its parent; the parent's point holds the
// aggregate of the detail's values.
class TSeriesDetail : public TCustomSeriesList {
 public:
  explicit TSeriesDetail(TChartSeries* Parent) : IParent(Parent) {}
  ~TSeriesDetail() override;

  TDetailAggregate GetAggregate() const { return FAggregate; }
  void SetAggregate(TDetailAggregate Value);
  // A new empty detail series of the parent's class, appended.
  TChartSeries* CreateNew();
  // The aggregate of List's values; 0 for an empty list.
  double Calculate(const TChartValueList* List) const;
  // Sets every parent point to the aggregate of its detail.
  void ReCalculate();

  TChartSeries* IParent = nullptr;

 private:
  TDetailAggregate FAggregate = daSum;
};

// The series-source classes offered to editors; nothing adds to it here.
std::vector<const TClassInfo*>& PlotSources();
