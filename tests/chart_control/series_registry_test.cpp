// The series-type, tool and animation registries: records kept once per
// class unless a sub-index asks for a variant, look-ups, the gallery name
// of a series, the standard series' registration and the smoothing
// function's registration at start.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/AreaSeries.h"
#include "chart/BarSeries.h"
#include "chart/ChartTools.h"
#include "chart/FastLineSeries.h"
#include "chart/LineSeries.h"
#include "chart/PieSeries.h"
#include "chart/PlotConst.h"
#include "chart/SeriesRegistry.h"
#include "chart/SmoothingFunction.h"
#include "chart/StandardSeries.h"
#include "platform/rtl/Rtti.h"

namespace {

std::vector<const TPlotSeriesType*> RecordsOf(const TClassInfo* SeriesClass) {
  std::vector<const TPlotSeriesType*> out;
  TPlotSeriesTypes* list = PlotSeriesTypesList();
  for (int i = 0; i < list->Count(); ++i)
    if (list->Get(i)->SeriesClass == SeriesClass) out.push_back(list->Get(i));
  return out;
}

}  // namespace

TEST(SeriesRegistry, OneRecordPerClassUnlessASubIndexAsksForAVariant) {
  const TClassInfo* area = THorizAreaSeries::Class();
  static const std::string description = "Test area", page = "Test page";
  UnRegisterClass(area);
  RegisterPlotSeries(area, &description, &page, 3);
  RegisterPlotSeries(area, &description, &page, 3);
  ASSERT_EQ(RecordsOf(area).size(), 1u);
  EXPECT_EQ(GetClass("THorizAreaSeries"), area);
  const TPlotSeriesType* plain = RecordsOf(area)[0];
  EXPECT_EQ(plain->NumGallerySeries, 3);
  EXPECT_EQ(plain->GalleryPage, &page);
  EXPECT_EQ(plain->FunctionClass, nullptr);

  RegisterPlotSeriesFunction(area, nullptr, &description, &page, 1, 1);
  RegisterPlotSeriesFunction(area, nullptr, &description, &page, 1, 2);
  ASSERT_EQ(RecordsOf(area).size(), 3u);
  TPlotSeriesTypes* list = PlotSeriesTypesList();
  EXPECT_EQ(list->Find(area, 0), plain);
  EXPECT_EQ(list->Find(area, 2)->SubIndex, 2);
  EXPECT_EQ(list->Find(area, 7), nullptr);
  EXPECT_EQ(list->Find("THorizAreaSeries"), area);
  // Exact comparison of the class name.
  EXPECT_EQ(list->Find("thorizareaseries"), nullptr);

  // A series-and-function record is not what Find by class looks for.
  UnRegisterPlotSeries({area});
  RegisterPlotSeriesFunction(area, TSmoothingFunction::Class(), &description, &page, 2, 0);
  EXPECT_EQ(list->Find(area, 0), nullptr);
  EXPECT_EQ(list->Find("THorizAreaSeries"), nullptr);

  UnRegisterPlotSeries({area});
  EXPECT_TRUE(RecordsOf(area).empty());
}

TEST(SeriesRegistry, GalleryNameIsTheDescriptionElseTheClassName) {
  TPointSeries point;
  UnRegisterPlotSeries({TPointSeries::Class()});
  EXPECT_EQ(GetGallerySeriesName(&point), "TPointSeries");

  std::string description = "Dots";
  RegisterPlotSeries(TPointSeries::Class(), &description);
  EXPECT_EQ(GetGallerySeriesName(&point), "Dots");
  // The record points at the text, so a translation shows at once.
  description = "点";
  EXPECT_EQ(GetGallerySeriesName(&point), "点");
  const TPlotSeriesType* record = PlotSeriesTypesList()->Find(TPointSeries::Class(), 0);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(*record->GalleryPage, "Standard");
  EXPECT_EQ(record->NumGallerySeries, 2);
  UnRegisterPlotSeries({TPointSeries::Class()});
  EXPECT_EQ(GetGallerySeriesName(&point), "TPointSeries");
}

TEST(SeriesRegistry, StandardSeriesRegisterNineClassesInOrder) {
  struct Expected {
    const TClassInfo* Class;
    std::string Description;
    int NumGallerySeries;
  };
  const std::vector<Expected> expected = {{TLineSeries::Class(), "Line", 2},
                                          {TBarSeries::Class(), "Bar", 2},
                                          {THorizBarSeries::Class(), "Horizontal\rBar", 2},
                                          {TAreaSeries::Class(), "Area", 2},
                                          {TPointSeries::Class(), "Point", 2},
                                          {TPieSeries::Class(), "Pie", 1},
                                          {TFastLineSeries::Class(), "Fast Line", 2},
                                          {THorizLineSeries::Class(), "Horizontal\rLine", 1},
                                          {THorizAreaSeries::Class(), "Horizontal\rArea", 1}};
  std::vector<const TClassInfo*> classes;
  for (const Expected& e : expected) classes.push_back(e.Class);
  UnRegisterPlotSeries(classes);
  TPlotSeriesTypes* list = PlotSeriesTypesList();
  const int before = list->Count();

  RegisterPlotStandardSeries();
  ASSERT_EQ(list->Count(), before + 9);
  for (size_t i = 0; i < expected.size(); ++i) {
    const TPlotSeriesType* t = list->Get(before + int(i));
    const std::string name = expected[i].Class->Name();
    EXPECT_EQ(t->SeriesClass, expected[i].Class) << i;
    EXPECT_EQ(t->FunctionClass, nullptr) << name;
    EXPECT_EQ(*t->Description, expected[i].Description) << name;
    EXPECT_EQ(*t->GalleryPage, "Standard") << name;
    EXPECT_EQ(t->NumGallerySeries, expected[i].NumGallerySeries) << name;
    EXPECT_EQ(t->SubIndex, 0) << name;
    EXPECT_EQ(GetClass(name), expected[i].Class) << name;
  }
  // A second run adds nothing.
  RegisterPlotStandardSeries();
  EXPECT_EQ(list->Count(), before + 9);
  UnRegisterPlotSeries(classes);
  EXPECT_EQ(list->Count(), before);
}

TEST(SeriesRegistry, SmoothingIsRegisteredWhenTheChartLibraryStarts) {
  TPlotSeriesTypes* list = PlotSeriesTypesList();
  const TPlotSeriesType* smoothing = nullptr;
  for (int i = 0; i < list->Count(); ++i)
    if (list->Get(i)->FunctionClass == TSmoothingFunction::Class()) smoothing = list->Get(i);
  ASSERT_NE(smoothing, nullptr);
  EXPECT_EQ(smoothing->SeriesClass, nullptr);
  EXPECT_EQ(*smoothing->Description, "Smoothing");
  EXPECT_EQ(*smoothing->GalleryPage, "Extended");
  EXPECT_EQ(GetClass("TSmoothingFunction"), TSmoothingFunction::Class());
  // The standard series are not registered at start.
  EXPECT_EQ(list->Find(TFastLineSeries::Class(), 0), nullptr);
}

TEST(SeriesRegistry, ToolAndAnimationClassesAreListedOnce) {
  const TClassInfo* seriesTool = TPlotCustomToolSeries::Class();
  const TClassInfo* axisTool = TPlotCustomToolAxis::Class();
  const TClassInfo* animation = TPlotCustomAnimation::Class();
  TPlotToolTypes* tools = PlotToolTypesList();
  const int before = tools->Count();
  RegisterPlotTools({seriesTool, axisTool, seriesTool});
  ASSERT_EQ(tools->Count(), before + 2);
  EXPECT_EQ(tools->Get(before), seriesTool);
  EXPECT_EQ(tools->Get(before + 1), axisTool);
  EXPECT_EQ(GetClass("TPlotCustomToolAxis"), axisTool);
  RegisterPlotAnimations({animation});
  EXPECT_EQ(PlotAnimationTypesList()->IndexOf(animation), 0);
  EXPECT_EQ(tools->IndexOf(animation), -1);

  UnRegisterPlotTools({seriesTool, axisTool});
  UnRegisterPlotAnimations({animation});
  EXPECT_EQ(tools->Count(), before);
  EXPECT_EQ(PlotAnimationTypesList()->Count(), 0);
  EXPECT_EQ(GetClass("TPlotCustomToolAxis"), nullptr);
  EXPECT_EQ(GetClass("TPlotCustomAnimation"), nullptr);
}

TEST(SeriesRegistry, NestedStartsKeepTheListsUntilTheOutermostEnd) {
  TPlotSeriesTypes* list = PlotSeriesTypesList();
  SeriesRegistryUnitStart();
  SeriesRegistryUnitEnd();
  // The chart library's own start still holds the lists.
  EXPECT_EQ(PlotSeriesTypesList(), list);
  EXPECT_GT(list->Count(), 0);
}
