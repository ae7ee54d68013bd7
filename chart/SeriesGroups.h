#pragma once
// Named groups of a chart's series, shown or hidden at once. The series
// list owns the groups; a group owns none of its series. A group streams
// its members as their indexes in the chart's series list, resolved when
// the chart has finished loading.

#include <memory>
#include <string>
#include <vector>

#include "chart/ChartLists.h"
#include "platform/rtl/Collection.h"

class TFiler;
class TReader;
class TWriter;

enum TSeriesGroupActive { gaYes, gaNo, gaSome };

class TSeriesGroups;

class TSeriesGroup : public TCollectionItem {
 public:
  explicit TSeriesGroup(TCollection* Collection);
  ~TSeriesGroup() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void DefineProperties(TFiler* Filer) override;
  // Name and members (the same series) of another group.
  void Assign(TPersistent* Source) override;

  void Add(TChartSeries* Series) { FSeries->Add(Series); }
  void Hide() { SetActive(gaNo); }
  void Show() { SetActive(gaYes); }
  TSeriesGroupActive GetActive() const;
  void SetActive(TSeriesGroupActive Value);
  const std::string& GetName() const { return FName; }
  void SetName(const std::string& Value) { FName = Value; }
  TCustomSeriesList* Series() const { return FSeries.get(); }
  // Indexes read from a stream, waiting for the chart to resolve them.
  bool HasPendingSeries() const { return !FTempSeries.empty(); }
  // Replaces the members by the chart's series at the pending indexes;
  // raises for an index that is no number or lies outside the list.
  void ResolveSeries(TCustomSeriesList* ChartSeries);

 private:
  bool HasSeries() const { return FSeries->Count() > 0; }
  void ReadSeries(TReader* Reader);
  void WriteSeries(TWriter* Writer);

  std::string FName;
  std::unique_ptr<TCustomSeriesList> FSeries;
  std::vector<std::string> FTempSeries;
};

class TSeriesGroups : public TCollection {
 public:
  explicit TSeriesGroups(TChartSeriesList* Owner);
  TSeriesGroup* Get(int Index) const { return static_cast<TSeriesGroup*>(GetItem(Index)); }
  void Put(int Index, TSeriesGroup* Value) { Get(Index)->Assign(Value); }
  // The index of the first group holding Series, -1 for none.
  int Contains(TChartSeries* Series) const;
  TSeriesGroup* FindByName(const std::string& Name, bool CaseSensitive) const;
  TChartSeriesList* Owner() const { return FOwner; }

 private:
  TChartSeriesList* FOwner;
};

// The two rectangles overlap (Dest gets the overlap).
bool PlotRectIntersects(const TRect& R1, const TRect& R2);
bool PlotRectIntersects(TRect& Dest, const TRect& R1, const TRect& R2);
class TCanvas;
class TCustomChartElement;
// Draws the element's editor picture on Canvas at (Left, Top).
void PlotDrawBitmapEditor(TCanvas* Canvas, TCustomChartElement* Element, int Left, int Top);
