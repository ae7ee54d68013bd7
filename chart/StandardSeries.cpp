#include "chart/StandardSeries.h"

#include "chart/AreaSeries.h"
#include "chart/BarSeries.h"
#include "chart/FastLineSeries.h"
#include "chart/LineSeries.h"
#include "chart/PieSeries.h"
#include "chart/PlotConst.h"
#include "chart/SeriesRegistry.h"

void RegisterPlotStandardSeries() {
  RegisterPlotSeries(TLineSeries::Class(), &PlotMsg_GalleryLine);
  RegisterPlotSeries(TBarSeries::Class(), &PlotMsg_GalleryBar);
  RegisterPlotSeries(THorizBarSeries::Class(), &PlotMsg_GalleryHorizBar);
  RegisterPlotSeries(TAreaSeries::Class(), &PlotMsg_GalleryArea);
  RegisterPlotSeries(TPointSeries::Class(), &PlotMsg_GalleryPoint);
  RegisterPlotSeries(TPieSeries::Class(), &PlotMsg_GalleryPie, &PlotMsg_GalleryStandard, 1);
  RegisterPlotSeries(TFastLineSeries::Class(), &PlotMsg_GalleryFastLine);
  RegisterPlotSeries(THorizLineSeries::Class(), &PlotMsg_GalleryHorizLine, &PlotMsg_GalleryStandard,
                     1);
  RegisterPlotSeries(THorizAreaSeries::Class(), &PlotMsg_GalleryHorizArea, &PlotMsg_GalleryStandard,
                     1);
}
