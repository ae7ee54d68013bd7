#include "chart/SeriesRegistry.h"

#include <algorithm>

#include "chart/ChartSeries.h"
#include "chart/ColorPalettes.h"
#include "chart/PlotConst.h"
#include "chart/PlotWidgets.h"
#include "platform/rtl/Rtti.h"

namespace {

int StartCount = 0;

std::unique_ptr<TPlotSeriesTypes>& SeriesTypes() {
  static std::unique_ptr<TPlotSeriesTypes> list;
  return list;
}

std::unique_ptr<TPlotToolTypes>& ToolTypes() {
  static std::unique_ptr<TPlotToolTypes> list;
  return list;
}

std::unique_ptr<TPlotToolTypes>& AnimationTypes() {
  static std::unique_ptr<TPlotToolTypes> list;
  return list;
}

template <class T>
T* MadeOnFirstUse(std::unique_ptr<T>& List) {
  if (!List) List = std::make_unique<T>();
  return List.get();
}

void RegisterClasses(TPlotToolTypes* List, const std::vector<const TClassInfo*>& Classes) {
  PlotActivateGroup();
  for (const TClassInfo* c : Classes) {
    if (List->IndexOf(c) != -1) continue;
    RegisterClass(c);
    List->Add(c);
  }
}

void UnRegisterClasses(TPlotToolTypes* List, const std::vector<const TClassInfo*>& Classes) {
  for (const TClassInfo* c : Classes) {
    if (List->IndexOf(c) == -1) continue;
    List->Remove(c);
    UnRegisterClass(c);
  }
}

}  // namespace

void TPlotSeriesTypes::RemoveSeriesClass(const TClassInfo* AClass) {
  std::erase_if(FItems, [&](const auto& t) { return t->SeriesClass == AClass; });
}

void TPlotSeriesTypes::RemoveFunctionClass(const TClassInfo* AClass) {
  std::erase_if(FItems, [&](const auto& t) { return t->FunctionClass == AClass; });
}

const TClassInfo* TPlotSeriesTypes::Find(const std::string& ClassName) const {
  for (const auto& t : FItems)
    if (!t->FunctionClass && t->SeriesClass && t->SeriesClass->Name() == ClassName)
      return t->SeriesClass;
  return nullptr;
}

TPlotSeriesType* TPlotSeriesTypes::Find(const TClassInfo* SeriesClass, int SubIndex) const {
  for (const auto& t : FItems) {
    if (t->SeriesClass != SeriesClass || t->FunctionClass) continue;
    if (SubIndex == 0 || t->SubIndex == SubIndex) return t.get();
  }
  return nullptr;
}

int TPlotToolTypes::IndexOf(const TClassInfo* AClass) const {
  auto it = std::find(FItems.begin(), FItems.end(), AClass);
  return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TPlotToolTypes::Remove(const TClassInfo* AClass) { std::erase(FItems, AClass); }

TPlotSeriesTypes* PlotSeriesTypesList() { return MadeOnFirstUse(SeriesTypes()); }
TPlotToolTypes* PlotToolTypesList() { return MadeOnFirstUse(ToolTypes()); }
TPlotToolTypes* PlotAnimationTypesList() { return MadeOnFirstUse(AnimationTypes()); }

void RegisterPlotSeriesFunction(const TClassInfo* SeriesClass, const TClassInfo* FunctionClass,
                                const std::string* Description, const std::string* GalleryPage,
                                int NumGallerySeries, int SubIndex) {
  PlotActivateGroup();
  if (SeriesClass) RegisterClass(SeriesClass);
  if (FunctionClass) RegisterClass(FunctionClass);
  TPlotSeriesTypes* list = PlotSeriesTypesList();
  if (SubIndex == 0) {
    for (int i = 0; i < list->Count(); ++i) {
      const TPlotSeriesType* t = list->Get(i);
      if (t->SeriesClass == SeriesClass && t->FunctionClass == FunctionClass) return;
    }
  }
  auto* record = new TPlotSeriesType;
  record->SeriesClass = SeriesClass;
  record->FunctionClass = FunctionClass;
  record->Description = Description;
  record->GalleryPage = GalleryPage;
  record->NumGallerySeries = NumGallerySeries;
  record->SubIndex = SubIndex;
  list->Add(record);
}

void RegisterPlotSeries(const TClassInfo* SeriesClass, const std::string* Description,
                        const std::string* GalleryPage, int NumGallerySeries) {
  RegisterPlotSeriesFunction(SeriesClass, nullptr, Description, GalleryPage, NumGallerySeries, 0);
}

void RegisterPlotSeries(const TClassInfo* SeriesClass, const std::string* Description) {
  RegisterPlotSeries(SeriesClass, Description, &PlotMsg_GalleryStandard, 2);
}

void RegisterPlotFunction(const TClassInfo* FunctionClass, const std::string* Description,
                          const std::string* GalleryPage, int NumGallerySeries) {
  RegisterPlotSeriesFunction(nullptr, FunctionClass, Description, GalleryPage, NumGallerySeries, 0);
}

void RegisterPlotBasicFunction(const TClassInfo* FunctionClass, const std::string* Description) {
  RegisterPlotFunction(FunctionClass, Description, &PlotMsg_GalleryStandard, 2);
}

void UnRegisterPlotSeries(const std::vector<const TClassInfo*>& SeriesClasses) {
  for (const TClassInfo* c : SeriesClasses) PlotSeriesTypesList()->RemoveSeriesClass(c);
}

void UnRegisterPlotFunctions(const std::vector<const TClassInfo*>& FunctionClasses) {
  for (const TClassInfo* c : FunctionClasses) PlotSeriesTypesList()->RemoveFunctionClass(c);
}

void RegisterPlotTools(const std::vector<const TClassInfo*>& ToolClasses) {
  RegisterClasses(PlotToolTypesList(), ToolClasses);
}

void UnRegisterPlotTools(const std::vector<const TClassInfo*>& ToolClasses) {
  UnRegisterClasses(PlotToolTypesList(), ToolClasses);
}

void RegisterPlotAnimations(const std::vector<const TClassInfo*>& AnimationClasses) {
  RegisterClasses(PlotAnimationTypesList(), AnimationClasses);
}

void UnRegisterPlotAnimations(const std::vector<const TClassInfo*>& AnimationClasses) {
  UnRegisterClasses(PlotAnimationTypesList(), AnimationClasses);
}

std::string GetGallerySeriesName(const TChartSeries* ASeries) {
  const TClassInfo* c = ASeries->ClassType();
  const TPlotSeriesType* t = PlotSeriesTypesList()->Find(c, 0);
  if (t && t->Description) return *t->Description;
  return c->Name();
}

void SeriesRegistryUnitStart() {
  if (StartCount++ > 0) return;
  PlotSeriesTypesList();
  PlotToolTypesList();
  PlotAnimationTypesList();
}

void SeriesRegistryUnitEnd() {
  if (StartCount == 0 || --StartCount > 0) return;
  FreeColorPalettes();
  SeriesTypes().reset();
  ToolTypes().reset();
  AnimationTypes().reset();
}
