#pragma once
// The chart panel that owns the data side of a chart: its series in drawing
// order, the six standard axes and the custom axes, the paging state and
// the palette. It answers the axes' questions about their limits, adds,
// removes and exchanges series and tells its listeners about it. Walls,
// titles and the legend are the chart control's.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/ChartAxis.h"
#include "chart/ChartLists.h"
#include "chart/ChartSeriesPanel.h"
#include "chart/PlotPanelExtended.h"
#include "chart/SeriesGroups.h"

class TCustomAxisPanel;
class TCustomChartLegend;
enum TLegendStyle : int;

using TSeriesNotifyEvent = std::function<void(TCustomChartSeries* Sender)>;
using TAxisOnGetLabel = std::function<void(TChartAxis* Sender, TChartSeries* Series, int ValueIndex,
                                           std::string& LabelText)>;
using TSeriesDrawValue = std::function<void(TChartSeries* Series, int Index)>;

// Told to the panel's listeners when a series joins, leaves or moves.
class TPlotSeriesEvent : public TPlotEvent {
 public:
  TChartSeriesEvent Event = seAdd;
  TCustomChartSeries* Series = nullptr;
};

// Told to the panel's listeners when the page or the page size changes.
class TChartChangePage : public TPlotEvent {};

enum TChartToolEvent : int {
  cteAfterDraw,
  cteBeforeDrawSeries,
  cteBeforeDraw,
  cteBeforeDrawAxes,
  cteAfterDrawSeries,
  cteMouseLeave
};

// The paging state: points per page and the current page.
class TChartPage : public TPersistent {
 public:
  explicit TChartPage(TCustomAxisPanel* Parent) : IParent(Parent) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // The four fields, without repainting.
  void Assign(TPersistent* Source) override;

  bool GetAutoScale() const { return FAutoScale; }
  void SetAutoScale(bool Value);
  int GetCurrent() const { return FCurrent; }
  void SetCurrent(int Value);
  int GetMaxPointsPerPage() const { return FPointsPerPage; }
  // Raises ChartException for a negative count.
  void SetMaxPointsPerPage(int Value);
  bool GetScaleLastPage() const { return FScaleLastPage; }
  void SetScaleLastPage(bool Value);
  int Count() const;
  int FirstValueIndex() const { return (FCurrent - 1) * FPointsPerPage; }
  void NextPage();
  void PreviousPage();

 private:
  int AxisPages(TChartAxis* Axis) const;

  bool FAutoScale = false;
  int FCurrent = 1;
  int FPointsPerPage = 0;
  bool FScaleLastPage = true;
  TCustomAxisPanel* IParent;
};

class TCustomAxisPanel : public TCustomPlotPanelExtended, public TChartSeriesPanel {
 public:
  explicit TCustomAxisPanel(TComponent* AOwner);
  ~TCustomAxisPanel() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TCustomAxisPanel"; }
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

  // ---- filled by the chart control
  virtual void CalcWallsRect() = 0;
  virtual int CalcWallSize(TChartAxis* Axis) = 0;
  virtual void DrawTitlesAndLegend(bool BeforeSeries) = 0;
  virtual void DrawLegendShape(const TRect& Rect, TGraphic* Graphic) = 0;
  virtual void DrawWalls() = 0;
  virtual bool IsFreeSeriesColor(TColor AColor, bool CheckBackground, TChartSeries* ASeries) = 0;
  virtual std::string FormattedValueLegend(TChartSeries* ASeries, int ValueIndex) {
    (void)ASeries;
    (void)ValueIndex;
    return {};
  }
  virtual TComponent* GetDesignOwner() const { return GetOwner(); }
  // What a legend asks of its chart while it lays out and draws; the chart
  // control answers through its legend events, the panel leaves all as is.
  virtual void DoGetLegendText(TCustomChartLegend* Legend, TLegendStyle Style, int Index,
                               std::string& Text) {
    (void)Legend, (void)Style, (void)Index, (void)Text;
  }
  virtual void DoGetLegendPos(TCustomChartLegend* Legend, int Index, int& X, int& Y, int& XColor) {
    (void)Legend, (void)Index, (void)X, (void)Y, (void)XColor;
  }
  virtual void DoGetLegendRect(TCustomChartLegend* Legend, TRect& Rect) {
    (void)Legend, (void)Rect;
  }

  // ---- the drawing pass
  void InternalDraw(const TRect& UserRectangle) override;
  virtual void DoOnAfterDraw();
  virtual void DoOnBeforeDrawAxes();
  virtual void DoOnBeforeDrawChart();
  virtual void DoOnBeforeDrawSeries();
  // Whether the plane at depth Z is seen from behind, so the walls draw
  // the bottom axis after the series; never in 2D.
  virtual bool DrawBackWallAfter(int Z);
  // Tells the chart's tools and animations about a point of the pass; the
  // chart keeps neither list yet, so nothing is told here.
  virtual void BroadcastToolEvent(TChartToolEvent Event);
  virtual void BroadcastAnimationEvent(TChartToolEvent Event);
  // Tells the chart's active tools about a point of Series' drawing.
  virtual void BroadcastSeriesToolEvent(TChartToolEvent Event, TChartSeries* Series);
  void DrawAxesSeries();
  void CalcSize3DWalls();
  void CalcInvertedRotation();
  std::string SeriesNameOrIndex(TChartSeries* S) const;
  bool IsValidDataSource(TChartSeries* ASeries, TComponent* AComponent) override;
  // A series source that was ASeries' data source loses its series.
  void RemovedDataSource(TChartSeries* ASeries, TComponent* AComponent) override;
  virtual int NumPages() const { return FPage->Count(); }
  // One print job with pages FromPage to ToPage (0: first, respectively
  // last), each on its own printed page in ChartPrintRect. The current
  // page comes back; a failure aborts the job and propagates.
  void PrintPages(int FromPage = 0, int ToPage = 0);

  // ---- what series ask of their chart
  void Invalidate() override;
  bool IsPanelDestroying() const override { return IsDestroying(); }
  bool IsPanelLoading() const override { return IsLoading(); }
  void InternalAddSeries(TChartSeries* Series) override;
  void RemoveSeries(TChartSeries* Series) override;
  int SeriesIndexOf(const TCustomChartSeries* Series) const override;
  void BroadcastSeriesEvent(TCustomChartSeries* Series, TChartSeriesEvent Event) override;
  void CheckDatasource(TChartSeries* Series) override;
  TColor GetFreeSeriesColor(bool CheckBackground, TChartSeries* Series) override;
  TColor GetDefaultColor(int Index) const override;
  void ColorPaletteChanged() override;
  bool HoverVisible() const override { return FHoverVisible; }
  int GetCursor() const override { return TCustomPlotPanelExtended::GetCursor(); }
  void SetCursor(int Value) override { TCustomPlotPanelExtended::SetCursor(TCursor(Value)); }
  int GetOriginalCursor() const override { return OriginalCursor; }
  TChartAxis* GetTopAxis() const override { return FTopAxis; }
  TChartAxis* GetBottomAxis() const override { return FBottomAxis; }
  TChartAxis* GetLeftAxis() const override { return FLeftAxis; }
  TChartAxis* GetRightAxis() const override { return FRightAxis; }
  bool IsHorizontalAxis(const TChartAxis* Axis) const override { return Axis->GetHorizontal(); }
  bool IsDepthAxis(const TChartAxis* Axis) const override { return Axis->IsDepthAxis(); }
  int GetMaxValuesCount() const override;
  double MinXValue(TChartAxis* Axis) const override { return InternalMinMax(Axis, true, true); }
  double MaxXValue(TChartAxis* Axis) const override { return InternalMinMax(Axis, false, true); }
  double MinYValue(TChartAxis* Axis) const override { return InternalMinMax(Axis, true, false); }
  double MaxYValue(TChartAxis* Axis) const override { return InternalMinMax(Axis, false, false); }

  // ---- series
  TChartSeries* AddSeries(TChartSeries* ASeries);
  TChartSeries* AddSeries(const TClassInfo* ASeriesClass);
  void AddSeries(const std::vector<TChartSeries*>& Series);
  void RemoveSeries(int Index);
  void FreeAllSeries(const TClassInfo* SeriesClass = nullptr);
  void ExchangeSeries(int A, int B);
  void ExchangeSeries(TChartSeries* A, TChartSeries* B);
  int SeriesCount() const { return FSeriesList->Count(); }
  TChartSeries* GetSeries(int Index) const { return FSeriesList->Get(Index); }
  int CountActiveSeries() const;
  TChartSeriesList* GetSeriesList() const { return FSeriesList.get(); }
  TSeriesGroups* GetSeriesGroups() const { return FSeriesList->GetGroups(); }
  void SetSeriesGroups(TSeriesGroups* Value) { FSeriesList->SetGroups(Value); }
  TChartSeries* GetAxisSeries(TChartAxis* Axis) const;
  TChartSeries* GetAxisSeriesMaxPoints(TChartAxis* Axis) const;
  bool HasActiveSeries(TChartAxis* Axis, bool Default) const;
  bool NoActiveSeries(TChartAxis* Axis) const;
  bool CalcIsAxisVisible(TChartAxis* Axis) const;
  bool IsAxisVisible(TChartAxis* Axis) const { return Axis->IsVisible; }
  // CheckMouse of every active series, last to first; whether any answered.
  bool CheckMouseSeries(int X, int Y);
  // The label under (X, Y) of every shown axis and sub-axis whose labels
  // hover becomes its hover index (-1 elsewhere); whether any label is hit.
  // Nothing while the panel's hover is off.
  bool CheckMouseAxes(int X, int Y);
  // The mouse left the panel: no label or point is hovered any more, and
  // the tools and animations hear cteMouseLeave.
  void InternalDoMouseLeave();
  void WndProc(TMessage& Message) override;

  // The ItemIndex-th series (from 0) shown in the legend, counting only
  // active ones when OnlyActive; none past the end.
  TChartSeries* SeriesLegend(int ItemIndex, bool OnlyActive) const;
  TChartSeries* ActiveSeriesLegend(int ItemIndex) const { return SeriesLegend(ItemIndex, true); }
  // That series' legend title made one line, else its title or name;
  // empty without such a series.
  std::string SeriesTitleLegend(int ItemIndex, bool OnlyActive) const;
  // The widest point label of all series, active or not.
  int MaxTextWidth();
  // The widest mark of the active series.
  int MaxMarkWidth() const;

  // ---- the theme: new series and axes copy the look of the theme panel's
  // first element of their kind
  void ApplyThemeSeries(TChartSeries* Series);
  void ApplyThemeAxes(TChartAxis* Axis);
  TChartSeries* FindSameSeriesClass(const TChartSeries* Series) const;
  TChartSeries* FindThemedSeries() const;
  TChartAxis* FindSameAxisClass(const TChartAxis* Axis) const;

  // ---- axes
  double InternalMinMax(TChartAxis* Axis, bool IsMin, bool IsX) const;
  void ChangedAxisScale(TChartAxis* Axis);
  TChartAxes* GetAxes() const { return FAxes.get(); }
  TChartCustomAxes* GetCustomAxes() const { return FCustomAxes.get(); }
  void SetCustomAxes(TChartCustomAxes* Value) { FCustomAxes->Assign(Value); }
  TChartDepthAxis* GetDepthAxis() const { return FDepthAxis; }
  TChartDepthAxis* GetDepthTopAxis() const { return FDepthTopAxis; }
  void SetBottomAxis(TChartAxis* Value) { FBottomAxis->Assign(Value); }
  void SetTopAxis(TChartAxis* Value) { FTopAxis->Assign(Value); }
  void SetLeftAxis(TChartAxis* Value) { FLeftAxis->Assign(Value); }
  void SetRightAxis(TChartAxis* Value) { FRightAxis->Assign(Value); }
  void SetDepthAxis(TChartDepthAxis* Value) { FDepthAxis->Assign(Value); }
  void SetDepthTopAxis(TChartDepthAxis* Value) { FDepthTopAxis->Assign(Value); }

  // ---- paging
  TChartPage* GetPages() const { return FPage.get(); }
  void SetPages(TChartPage* Value) { FPage->Assign(Value); }
  int GetPage() const { return FPage->GetCurrent(); }
  void SetPage(int Value) { FPage->SetCurrent(Value); }
  int GetMaxPointsPerPage() const { return FPage->GetMaxPointsPerPage(); }
  void SetMaxPointsPerPage(int Value) { FPage->SetMaxPointsPerPage(Value); }
  bool GetScaleLastPage() const { return FPage->GetScaleLastPage(); }
  void SetScaleLastPage(bool Value) { FPage->SetScaleLastPage(Value); }

  // ---- plain settings
  int GetChart3DPercent() const { return F3DPercent; }
  void SetChart3DPercent(int Value);
  bool GetAxisBehind() const { return FAxisBehind; }
  void SetAxisBehind(bool Value) { SetBooleanProperty(FAxisBehind, Value); }
  bool GetAxisVisible() const { return FAxisVisible; }
  void SetAxisVisible(bool Value) { SetBooleanProperty(FAxisVisible, Value); }
  bool GetClipPoints() const { return FClipPoints; }
  void SetClipPoints(bool Value) { SetBooleanProperty(FClipPoints, Value); }
  bool GetView3DWalls() const { return FView3DWalls; }
  void SetView3DWalls(bool Value) { SetBooleanProperty(FView3DWalls, Value); }
  void SetHoverVisible(bool Value) { SetBooleanProperty(FHoverVisible, Value); }
  int GetMaxZOrder() const { return FMaxZOrder; }
  void SetMaxZOrder(int Value) { FMaxZOrder = Value; }

  TSeriesNotifyEvent OnAddSeries, OnRemoveSeries;
  TNotifyEvent OnBeforeDrawChart, OnBeforeDrawAxes, OnBeforeDrawSeries, OnPageChange;
  TAxisOnGetLabel OnGetAxisLabel;
  TAxisOnGetNextLabel OnGetNextAxisLabel;
  TSeriesDrawValue OnDrawValue;
  std::function<void(TCustomAxisPanel* Sender, TChartSeries* ASeries, TComponent* AComponent,
                     bool& Valid)>
      OnValidDataSource;

  bool InvertedRotation = false;
  bool DoNotBroadcast = false;
  TColor LegendColor = 0;
  TPlotPen* LegendPen = nullptr;
  int ParallelThreads = 0;
  // The chart's own palette; empty means the global default palette.
  std::vector<TColor> ColorPalette;
  int FSeriesWidth3D = 0;
  int FSeriesHeight3D = 0;

 private:
  void ToolsAndAnimations(TChartToolEvent Event);
  bool CheckMouseAxis(TChartAxis* Axis, int X, int Y);
  void ClearAxisHover(TChartAxis* Axis);
  std::vector<TChartSeries*> ActiveSeries() const;
  void CalcDepthOrders();
  void LayAxesOut();
  TRect SeriesMargins(TChartAxis* Axis);
  void CalcAxesMargins();
  void DrawAxes();
  bool ParallelPrecompute(TChartSeries* S) const;
  void PrecomputeInParallel();
  void DrawAllSeries();
  void ClipSeries();
  void UnclipSeries();
  void DrawSeriesMarks(TChartSeries* S);
  void DrawSeries(TChartSeries* S);
  void DrawSeriesNormal(TChartSeries* S);
  void DrawSeriesInterleaved(TChartSeries* S);
  void DrawPointAcrossSeries(TChartSeries* S, int Own, int V);
  bool FSeriesClipped = false;

  TChartAxis* MakeAxis(const char* ID, bool Depth);
  bool HasCustomAxes() const;
  bool HasSeriesGroups() const;
  double PageMinMax(TChartAxis* Axis, bool IsMin, bool IsX) const;
  bool SeriesOnAxis(TChartSeries* S, TChartAxis* Axis, bool IsX) const;

  int F3DPercent = 15;
  std::unique_ptr<TChartAxes> FAxes;
  bool FAxisBehind = true;
  bool FAxisVisible = true;
  bool FClipPoints = true;
  std::unique_ptr<TChartCustomAxes> FCustomAxes;
  bool FHoverVisible = false;
  std::unique_ptr<TChartSeriesList> FSeriesList;
  TChartDepthAxis* FDepthAxis = nullptr;
  TChartDepthAxis* FDepthTopAxis = nullptr;
  TChartAxis* FTopAxis = nullptr;
  TChartAxis* FBottomAxis = nullptr;
  TChartAxis* FLeftAxis = nullptr;
  TChartAxis* FRightAxis = nullptr;
  bool FView3DWalls = true;
  std::unique_ptr<TChartPage> FPage;
  int FMaxZOrder = 0;
};
