#pragma once
// Small records of the series engine: where one point's mark was drawn or
// placed by the user, and the description of a series type in the gallery.

#include <string>

#include "chart/ChartSeries.h"
#include "chart/PlotShape.h"
#include "platform/vcl/Graphics.h"

class TSeriesMarkPosition : public TObject {
 public:
  void Assign(const TSeriesMarkPosition* Source) { *this = *Source; }
  TRect Bounds() const { return TRect{LeftTop.X, LeftTop.Y, LeftTop.X + Width, LeftTop.Y + Height}; }
  // Moves the box and the line's end (and bend); the start stays at the point.
  void Offset(const TPoint& P);

  TPoint ArrowFrom{0, 0};
  bool ArrowFix = false;
  TPoint ArrowTo{0, 0};
  bool Custom = false;
  int Height = 0;
  TPoint LeftTop{0, 0};
  int Width = 0;
  TPoint MidPoint{0, 0};
  bool HasMid = false;
};

class TPlotSeriesType : public TObject {
 public:
  // The description on one line.
  std::string Caption() const;

  const TClassInfo* SeriesClass = nullptr;
  const TClassInfo* FunctionClass = nullptr;
  // Pointers, so that a translated text stays current.
  const std::string* Description = nullptr;
  const std::string* GalleryPage = nullptr;
  int NumGallerySeries = 1;
  int SubIndex = 0;
};

// The symbol box drawn inside a mark; invisible until asked for. Making one
// does not repaint the chart.
class TSeriesMarksSymbol : public TPlotCustomShape {
 public:
  explicit TSeriesMarksSymbol(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Visible and not transparent.
  bool ShouldDraw() const { return GetVisible() && !GetTransparent(); }
};

// A plain series that a theme chart holds to lend its formatting to series
// of classes it has no series of.
class TThemedSeries : public TChartSeries {
 public:
  using TChartSeries::TChartSeries;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
