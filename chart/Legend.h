#pragma once
// The chart legend: a box listing either the chart's series or the values
// of one series, each item with a coloured symbol and up to three columns
// of text. It works out which items it shows and in how many rows and
// columns, takes its room from the chart rectangle, draws itself and turns
// a mouse position into the index of the item under it, optionally
// switching series on and off with check boxes or radio buttons.
//
// The legend reaches its chart only through the axis panel; the chart's
// own legend events come through the panel's DoGetLegend* hooks.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/ChartException.h"
#include "chart/ChartSeries.h"
#include "chart/LegendSymbol.h"
#include "chart/PlotHover.h"
#include "chart/TextShape.h"

class TCustomAxisPanel;
class TEnumInfo;

enum TLegendStyle : int { lsAuto, lsSeries, lsValues, lsLastValues, lsSeriesGroups };
enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum TLegendJustify { ljAutomatic, ljYes, ljNo };
enum TCheckBoxesStyle { cbsCheck, cbsRadio };

class LegendException : public ChartException {
 public:
  using ChartException::ChartException;
};

// Told to the chart's listeners when the legend's check boxes change.
class TChartLegendEvent : public TPlotEvent {};

using TLegendCalcSize = std::function<void(TObject* Sender, int& ASize)>;

class TCustomChartLegend : public TPlotCustomShapePosition {
 public:
  explicit TCustomChartLegend(TCustomPlotPanel* AOwner = nullptr);
  ~TCustomChartLegend() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  // The symbol and the title follow the legend to its new chart.
  void SetParent(TCustomPlotPanel* Value) override;

  // ---- layout and drawing
  // Lays the legend out on the chart rectangle and, unless placed by hand
  // or told not to, takes its room from it.
  void CalcRect();
  // Draws the legend as the last CalcRect laid it out.
  void DrawLegend();
  bool ShouldDraw() const;
  // Index of the item at the point, -1 for none.
  int Clicked(int X, int Y);
  int Clicked(TPoint P) { return Clicked(P.X, P.Y); }
  // Selects item Index; with check boxes switches its series or group.
  // True when a check box was used.
  bool DoMouseDown(int Index);
  int CalcCursor() const;
  bool HasCheckBoxes() const;

  TLegendStyle CalcLegendStyle() const;
  int CalcItemHeight();
  int FirstItemTop();
  int ColumnWidth(int Column) const;
  int CalcItemWidthColor(int W) const;
  int DividingWidth() const;
  int TitleWidth();
  bool CalcInverted() const;
  TChartSeries* GetLegendSeries() const;
  // The text of item Index for the style in effect (with the chart's say).
  std::string FormattedLegend(int Index);
  // Series' legend text of value Index, line breaks as spaces.
  std::string FormattedValue(TChartSeries* ASeries, int Index) const;
  void PrepareSymbolPen();
  // Moves the bounds by the chart bounds' top-left (Sign 1) or back (-1).
  void OffsetParent(int Sign);
  // The panel as an axis panel, nil without one.
  TCustomAxisPanel* Chart() const;

  // ---- properties
  TLegendAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TLegendAlignment Value) { Store(FAlignment, Value); }
  bool GetCheckBoxes() const { return FCheckBoxes; }
  void SetCheckBoxes(bool Value);
  TCheckBoxesStyle GetCheckBoxesStyle() const { return FCheckBoxesStyle; }
  void SetCheckBoxesStyle(TCheckBoxesStyle Value);
  int GetColorWidth() const { return FSymbol->GetWidth(); }
  void SetColorWidth(int Value) { FSymbol->SetWidth(Value); }
  bool GetCurrentPage() const { return FCurrentPage; }
  void SetCurrentPage(bool Value) { ChartStore(FCurrentPage, Value); }
  TPlotHiddenPen* GetDividingLines() const { return FDividingLines.get(); }
  void SetDividingLines(TPlotHiddenPen* Value) { FDividingLines->Assign(Value); }
  bool GetDrawBehind() const { return FDrawBehind; }
  void SetDrawBehind(bool Value) { ChartStore(FDrawBehind, Value); }
  int GetFirstValue() const { return FFirstValue; }
  // Raises LegendException for a negative value.
  void SetFirstValue(int Value);
  bool GetFontSeriesColor() const { return FFontSeriesColor; }
  void SetFontSeriesColor(bool Value) { ChartStore(FFontSeriesColor, Value); }
  int GetGlobalTransparency() const { return FGlobalTransp; }
  void SetGlobalTransparency(int Value) { Store(FGlobalTransp, TPlotTransparency(Value)); }
  TLegendJustify GetHorizJustify() const { return FHorizJustify; }
  void SetHorizJustify(TLegendJustify Value) { Store(FHorizJustify, Value); }
  int GetHorizMargin() const { return FHorizMargin; }
  void SetHorizMargin(int Value) { ChartStore(FHorizMargin, Value); }
  bool GetInverted() const { return FInverted; }
  void SetInverted(bool Value) { ChartStore(FInverted, Value); }
  TLegendItems* GetItems() const { return FItems.get(); }
  TLegendItem* GetItem(int Index) { return FItems->GetItem(Index); }
  int GetLeftPercent() const { return FLeftPercent; }
  void SetLeftPercent(int Value) { ChartStore(FLeftPercent, Value); }
  TLegendStyle GetLegendStyle() const { return FLegendStyle; }
  void SetLegendStyle(TLegendStyle Value);
  int GetMaxNumRows() const { return FMaxNumRows; }
  void SetMaxNumRows(int Value) { ChartStore(FMaxNumRows, Value); }
  TPlotUnits GetPositionUnits() const { return FPosUnits; }
  void SetPositionUnits(TPlotUnits Value) { Store(FPosUnits, Value); }
  bool GetResizeChart() const { return FResizeChart; }
  void SetResizeChart(bool Value) { ChartStore(FResizeChart, Value); }
  // Made on first read.
  TPlotSelected* GetSelected();
  // Nil frees the selection; anything else is copied in.
  void SetSelected(TPlotSelected* Value);
  bool HasSelected() const { return FSelected != nullptr; }
  TChartSeries* GetSeries() const { return FSeries; }
  void SetSeries(TChartSeries* Value);
  TLegendSymbol* GetSymbol() const { return FSymbol.get(); }
  void SetSymbol(TLegendSymbol* Value) { FSymbol->Assign(Value); }
  TLegendTextStyle GetTextStyle() const { return FTextStyle; }
  void SetTextStyle(TLegendTextStyle Value) { Store(FTextStyle, Value); }
  int GetTextSymbolGap() const { return FTextSymbolGap; }
  void SetTextSymbolGap(int Value) { ChartStore(FTextSymbolGap, Value); }
  // Made on first read, with the legend's chart as parent.
  TLegendTitle* GetTitle();
  // Nil frees the title; anything else is copied in.
  void SetTitle(TLegendTitle* Value);
  bool HasTitle() const { return FTitle != nullptr; }
  int GetTopPercent() const { return FTopPercent; }
  void SetTopPercent(int Value) { ChartStore(FTopPercent, Value); }
  int GetTopPos() const { return FTopLeftPos; }
  void SetTopPos(int Value) { ChartStore(FTopLeftPos, Value); }
  int GetVertMargin() const { return FVertMargin; }
  void SetVertMargin(int Value) { ChartStore(FVertMargin, Value); }
  int GetVertSpacing() const { return FVertSpacing; }
  void SetVertSpacing(int Value) { ChartStore(FVertSpacing, Value); }
  bool Vertical() const { return FAlignment == laLeft || FAlignment == laRight; }
  TRect RectLegend() const { return ShapeBounds; }

  TLegendCalcSize OnCalcSize;

  // ---- layout state of the last CalcRect
  int IColorWidth = 0;
  bool ICustomFont = false;
  int ILastValue = -1;
  int ITotalItems = 0;
  bool IDrawTitle = false;
  std::vector<std::array<std::string, 3>> IItems;
  std::vector<std::array<int, 3>> IItemsWidth;
  std::vector<int> IColorWidths;
  bool IJustify = false;
  int IMaxWidth = 0;
  int ISpaceWidth = 0;
  int ItemsTopMargin = 0;
  int ItemHeight = 0;
  int XLegendBox = 0;
  int XLegendText = 0;
  int XLegendColor = 0;
  TLegendStyle InternalLegendStyle = lsAuto;
  int NumCols = 0;
  int NumRows = 0;
  bool ColumnWidthAuto = true;
  std::vector<int> ColumnWidths = std::vector<int>(3);

 protected:
  // Stores a changed value and invalidates the chart.
  template <class T>
  void ChartStore(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Repaint();
  }
  // Repaints and tells the chart's listeners that the legend changed.
  void LegendChanged();

  TLegendAlignment FAlignment = laRight;
  bool FCheckBoxes = false;
  TCheckBoxesStyle FCheckBoxesStyle = cbsCheck;
  bool FCurrentPage = true;
  std::unique_ptr<TPlotHiddenPen> FDividingLines;
  bool FDrawBehind = false;
  int FFirstValue = 0;
  bool FFontSeriesColor = false;
  TPlotTransparency FGlobalTransp = 0;
  TLegendJustify FHorizJustify = ljAutomatic;
  int FHorizMargin = 0;
  bool FInverted = false;
  std::unique_ptr<TLegendItems> FItems;
  int FLeftPercent = 0;
  TLegendStyle FLegendStyle = lsAuto;
  int FMaxNumRows = 0;
  TPlotUnits FPosUnits = muPixels;
  bool FResizeChart = true;
  std::unique_ptr<TPlotSelected> FSelected;
  TChartSeries* FSeries = nullptr;
  std::unique_ptr<TLegendSymbol> FSymbol;
  TLegendTextStyle FTextStyle = ltsLeftValue;
  int FTextSymbolGap = 2;
  std::unique_ptr<TLegendTitle> FTitle;
  int FTopLeftPos = 10;
  int FTopPercent = 0;
  int FVertMargin = 0;
  int FVertSpacing = 0;

 private:
  int FrameWidth() const;
  // The series listed as items: shown in the legend, active unless check
  // boxes are in use.
  std::vector<TChartSeries*> LegendSeriesList() const;
  // The series of item Index for lsSeries and lsLastValues, nil for none.
  TChartSeries* ItemSeries(int Index, bool OnlyActive) const;
  void CalcTotalItems(TChartSeries* Series, bool& Inverted);
  void CalcItemTexts(bool Inverted);
  void CalcSideWidth();
  void CalcHorizontal();
  void CalcHorizWidth();
  void CalcTextStart();
  void ShrinkChartRect();
  int CalcJustifiedGrid(int Available, int Count);
  void CalcColumnWidths();
  int HorizAvailable() const;
  void DrawItems();
  void DrawItem(int Value, int Slot, TChartSeries* LegendSeries);
  int ClickedRow(int Y);
  bool IOffset = false;
};

// The legend the chart control makes: the published properties.
class TChartLegend : public TCustomChartLegend {
 public:
  using TCustomChartLegend::TCustomChartLegend;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// The enumerations of the legend, for the type information.
const TEnumInfo& LegendAlignmentInfo();
const TEnumInfo& LegendStyleInfo();
const TEnumInfo& LegendTextStyleInfo();
const TEnumInfo& CheckBoxesStyleInfo();
