#pragma once
// The process-wide registries of the chart library: the series types a
// series gallery offers (series classes and calculated-series function
// classes with a description and a gallery page), the tool classes and the
// animation classes. Classes registered here are also registered with the
// class registry, so streams can create them by name.

#include <memory>
#include <string>
#include <vector>

#include "chart/ChartSeriesTypes.h"

// The series-type records, in registration order; owns them.
class TPlotSeriesTypes {
 public:
  int Count() const { return int(FItems.size()); }
  TPlotSeriesType* Get(int Index) const { return FItems.at(size_t(Index)).get(); }
  // Takes ownership.
  void Add(TPlotSeriesType* AType) { FItems.emplace_back(AType); }
  // Removes and frees every record whose series class (or function class)
  // is AClass.
  void RemoveSeriesClass(const TClassInfo* AClass);
  void RemoveFunctionClass(const TClassInfo* AClass);
  void Clear() { FItems.clear(); }
  // The series class of the first record without a function class whose
  // series class is named exactly ClassName; nil when none.
  const TClassInfo* Find(const std::string& ClassName) const;
  // The first record of SeriesClass without a function class and, when
  // SubIndex is not 0, with that sub-index; nil when none.
  TPlotSeriesType* Find(const TClassInfo* SeriesClass, int SubIndex) const;

 private:
  std::vector<std::unique_ptr<TPlotSeriesType>> FItems;
};

// A plain list of classes (tools or animations), in registration order.
class TPlotToolTypes {
 public:
  int Count() const { return int(FItems.size()); }
  const TClassInfo* Get(int Index) const { return FItems.at(size_t(Index)); }
  int IndexOf(const TClassInfo* AClass) const;
  void Add(const TClassInfo* AClass) { FItems.push_back(AClass); }
  void Remove(const TClassInfo* AClass);

 private:
  std::vector<const TClassInfo*> FItems;
};

// The global lists, made on first use.
TPlotSeriesTypes* PlotSeriesTypesList();
TPlotToolTypes* PlotToolTypesList();
TPlotToolTypes* PlotAnimationTypesList();

// Registers each class that is not nil with the class registry and, unless
// SubIndex is 0 and a record of the same two classes exists, appends a
// record. Description and GalleryPage point at strings that live as long
// as the program (the message texts), so a translation shows at once.
void RegisterPlotSeriesFunction(const TClassInfo* SeriesClass, const TClassInfo* FunctionClass,
                                const std::string* Description, const std::string* GalleryPage,
                                int NumGallerySeries, int SubIndex);
void RegisterPlotSeries(const TClassInfo* SeriesClass, const std::string* Description,
                        const std::string* GalleryPage, int NumGallerySeries);
// On the gallery page "Standard" with 2 gallery series.
void RegisterPlotSeries(const TClassInfo* SeriesClass, const std::string* Description);
void RegisterPlotFunction(const TClassInfo* FunctionClass, const std::string* Description,
                          const std::string* GalleryPage, int NumGallerySeries);
// On the gallery page "Standard" with 2 gallery series.
void RegisterPlotBasicFunction(const TClassInfo* FunctionClass, const std::string* Description);
void UnRegisterPlotSeries(const std::vector<const TClassInfo*>& SeriesClasses);
void UnRegisterPlotFunctions(const std::vector<const TClassInfo*>& FunctionClasses);

// Each class not yet listed is registered with the class registry and
// appended; the unregister forms take listed classes out of both.
void RegisterPlotTools(const std::vector<const TClassInfo*>& ToolClasses);
void UnRegisterPlotTools(const std::vector<const TClassInfo*>& ToolClasses);
void RegisterPlotAnimations(const std::vector<const TClassInfo*>& AnimationClasses);
void UnRegisterPlotAnimations(const std::vector<const TClassInfo*>& AnimationClasses);

class TChartSeries;
// The description of the series' class as registered (sub-index 0), or the
// class name when the class is not registered.
std::string GetGallerySeriesName(const TChartSeries* ASeries);

// Start and end of the registries, run by the chart library's start-up:
// the start makes the three lists, the end frees them and the colour
// palette registry. Nested calls count; only the outermost acts.
void SeriesRegistryUnitStart();
void SeriesRegistryUnitEnd();
