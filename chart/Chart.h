#pragma once
// The chart control: the axis panel completed with four titles, the legend,
// the walls, the chart's palette index, mouse and keyboard handling (which
// part of the chart a point hits, the click events, the start of zoom and
// panning, hover) and the broadcasts to tools and animations. TChart
// publishes it for forms.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/AxisPanel.h"
#include "chart/ChartTitle.h"
#include "chart/ChartTools.h"
#include "chart/ChartWalls.h"
#include "chart/ColorPalettes.h"
#include "chart/Legend.h"

class TCustomChart;

struct TAxisSavedScales {
  bool Auto = false, AutoMin = false, AutoMax = false;
  double Min = 0, Max = 0;
};
// One entry per axis of the axes list; depth axes leave theirs empty.
using TAllAxisSavedScales = std::vector<TAxisSavedScales>;

enum TChartClickedPartStyle : uint8_t {
  cpNone,
  cpLegend,
  cpAxis,
  cpSeries,
  cpTitle,
  cpFoot,
  cpChartRect,
  cpSeriesMarks,
  cpSeriesPointer,
  cpSubTitle,
  cpSubFoot,
  cpAxisTitle
};

struct TChartClickedPart {
  TChartClickedPartStyle Part = cpNone;
  int PointIndex = -1;
  TCustomChartSeries* ASeries = nullptr;
  TChartAxis* AAxis = nullptr;
};

using TChartClick =
    std::function<void(TCustomChart* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TChartClickSeries =
    std::function<void(TCustomChart* Sender, TChartSeries* Series, int ValueIndex,
                       TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TChartClickAxis = std::function<void(TCustomChart* Sender, TChartAxis* Axis,
                                           TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TChartClickTitle = std::function<void(TCustomChart* Sender, TChartTitle* ATitle,
                                            TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TChartAllowScrollEvent =
    std::function<void(TChartAxis* Sender, double& AMin, double& AMax, bool& AllowScroll)>;
using TOnGetLegendText = std::function<void(TCustomAxisPanel* Sender, TLegendStyle LegendStyle,
                                            int Index, std::string& LegendText)>;
using TOnGetLegendPos =
    std::function<void(TCustomChart* Sender, int Index, int& X, int& Y, int& XColor)>;
using TOnGetLegendRect = std::function<void(TCustomChart* Sender, TRect& Rect)>;

// Installed, it is called with every new chart in place of reading the
// default palette option; none by default.
extern std::function<void(TCustomChart* Chart)> PlotNewChartHook;
// Keys that must be held for a panning drag; empty by default.
extern TShiftState PlotScrollKeyShift;
// An animated zoom moves each limit this part (1 / factor) of the way per
// step.
extern double AnimatedZoomFactor;

class TCustomChart : public TCustomAxisPanel {
 public:
  explicit TCustomChart(TComponent* AOwner = nullptr);
  ~TCustomChart() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TCustomChart"; }
  // Palette index, titles, legend and walls, then the axis panel.
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;
  // The series, then the tools, then the animations.
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

  // ---- the axis panel's slots
  void CalcWallsRect() override;
  int CalcWallSize(TChartAxis* Axis) override;
  void DrawTitlesAndLegend(bool BeforeSeries) override;
  void DrawLegendShape(const TRect& Rect, TGraphic* Graphic) override;
  void DrawWalls() override;
  bool IsFreeSeriesColor(TColor AColor, bool CheckBackground, TChartSeries* ASeries) override;
  std::string FormattedValueLegend(TChartSeries* ASeries, int ValueIndex) override;
  TColor GetBackColor() override;
  void BroadcastToolEvent(TChartToolEvent Event) override;
  void BroadcastAnimationEvent(TChartToolEvent Event) override;
  void BroadcastSeriesToolEvent(TChartToolEvent Event, TChartSeries* Series) override;
  // The legend's questions, answered through the legend events.
  void DoGetLegendText(TCustomChartLegend* ALegend, TLegendStyle Style, int Index,
                       std::string& Text) override;
  void DoGetLegendPos(TCustomChartLegend* ALegend, int Index, int& X, int& Y, int& XColor) override;
  void DoGetLegendRect(TCustomChartLegend* ALegend, TRect& Rect) override;

  // ---- titles (made on first read)
  TChartTitle* GetTitle();
  TChartTitle* GetSubTitle();
  TChartTitle* GetFoot();
  TChartTitle* GetSubFoot();
  // Nil frees the title; anything else is copied into it.
  void SetTitle(TChartTitle* Value) { SetTitleObject(FTitle, Value, false); }
  void SetSubTitle(TChartTitle* Value) { SetTitleObject(FSubTitle, Value, false); }
  void SetFoot(TChartTitle* Value) { SetTitleObject(FFoot, Value, true); }
  void SetSubFoot(TChartTitle* Value) { SetTitleObject(FSubFoot, Value, true); }
  bool HasTitle() const { return FTitle != nullptr; }

  // ---- legend and walls
  TChartLegend* GetLegend() const { return FLegend.get(); }
  void SetLegend(TChartLegend* Value);
  TChartWalls* GetWalls() const { return FWalls.get(); }
  TChartBackWall* GetBackWall() const { return FWalls->GetBack(); }
  void SetBackWall(TChartBackWall* Value) { FWalls->GetBack()->Assign(Value); }
  TChartLeftWall* GetLeftWall() const { return FWalls->GetLeft(); }
  void SetLeftWall(TChartLeftWall* Value) { FWalls->GetLeft()->Assign(Value); }
  TChartBottomWall* GetBottomWall() const { return FWalls->GetBottom(); }
  void SetBottomWall(TChartBottomWall* Value) { FWalls->GetBottom()->Assign(Value); }
  TChartRightWall* GetRightWall() const { return FWalls->GetRight(); }
  void SetRightWall(TChartRightWall* Value) { FWalls->GetRight()->Assign(Value); }
  TPlotPen* GetFrame() const;
  void SetFrame(TPlotPen* Value);

  // ---- walls (drawing)
  bool DrawWallFirst(int X);
  bool DrawRightWallAfter() { return !DrawWallFirst(ChartRect.Right); }
  bool DrawLeftWallFirst() { return DrawWallFirst(ChartRect.Left); }
  void PrepareWallCanvas(TCustomChartWall* Wall);
  void DrawBackWall();
  void DrawLeftWall();
  void DrawRightWall();
  void DrawFloor();

  // ---- clicks and the mouse
  TChartClickedPart CalcNeedClickedPart(TPoint Pos, bool OnlyNeeded);
  void CalcClickedPart(TPoint Pos, TChartClickedPart& Part) {
    Part = CalcNeedClickedPart(Pos, false);
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char16_t& Key) override;
  // Drag and drop over the chart: the handler (when set), then the tools.
  void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  void DragDrop(TObject* Source, int X, int Y);
  void DoStartDrag(TDragObject*& DragObject);
  void DoEndDrag(TObject* Target, int X, int Y);

  // ---- tools and animations
  TChartTools* GetTools() { return &FTools; }
  TChartAnimations* GetAnimations() { return &FAnimations; }
  // A tool joining the chart copies the first tool of the theme chart of
  // the same class family; nothing without a theme.
  void ApplyThemeTools(TPlotCustomTool* Tool);
  using TCustomPlotPanel::BroadcastMouseEvent;
  void BroadcastMouseEvent(TChartMouseEvent Event, TMouseButton Button, TShiftState Shift, int X,
                           int Y);
  void BroadcastKeyEvent(TChartKeyEvent Event, uint16_t& Key, char16_t& KeyChar, TShiftState Shift);
  void BroadcastDragDropEvent(TChartDragDropEvent Event, TObject* Source, int X, int Y,
                              TDragState State, bool& Accept, TDragObject*& DragObject);
  void BroadcastWheelEvent(TWheelMouseEvent Event, int Delta, int X, int Y);

  // ---- legend texts
  std::string FormattedLegend(int SeriesOrValueIndex);
  std::string InternalFormattedLegend(TCustomChartLegend* ALegend, int Index);

  // ---- series and axes
  TChartSeries* GetASeries() const;
  bool ActiveSeriesUseAxis() const;
  bool ActiveSeriesCanZoomScroll() const;
  void SeriesUp(TChartSeries* ASeries);
  void SeriesDown(TChartSeries* ASeries);
  // Takes every series off the chart without freeing it.
  void RemoveAllSeries();
  // Frees series, tools and animations, resets the axes and gives every
  // property its default again; the chart keeps its parent.
  void ClearChart();
  void NextPage() { GetPages()->NextPage(); }
  void PreviousPage() { GetPages()->PreviousPage(); }
  std::string AxisTitleOrName(TChartAxis* Axis);
  TAllAxisSavedScales SaveScales();
  // Gives back the scales of the axes that have a saved entry, then empties
  // Saved.
  void RestoreScales(TAllAxisSavedScales& Saved);
  using TGetValueListProc = std::function<void(const std::string& Name)>;
  void FillValueSourceItems(TChartValueList* ValueList, const TGetValueListProc& Proc);
  void FillSeriesSourceItems(TChartSeries*, const TGetValueListProc&) {}

  // ---- zoom, panning and the wheel (ChartZoom.cpp, ChartPanning.cpp,
  // ChartWheel.cpp)
  // Sets the side axes to the ranges (vertical ones unless the zoom is
  // horizontal-only, horizontal ones unless it is vertical-only), marks the
  // chart zoomed and fires OnZoom; animated in steps when the zoom says so.
  void DoZoom(double TopMin, double TopMax, double BottomMin, double BottomMax, double LeftMin,
              double LeftMax, double RightMin, double RightMax);
  void ZoomRect(const TRect& Rect);
  // Narrows (above 100) or widens (below 100) every zoomed side axis by
  // (P - 100) % of its range at both ends.
  void ZoomPercent(double PercentZoom);
  // Zooms to the values of the zoom's corners (through the last active
  // series that zooms by its own conversion, else through the axes).
  virtual void CalcZoomPoints();
  // A step back through the zoom history, else back to the saved scales.
  void UndoZoom() override;
  void AddZoomSnapshot();
  void RemoveZoomSnapshot();
  void ZoomBackOne();
  // Every vertical axis by 3 % of its range, up or down.
  void ScrollVerticalAxes(bool Up);
  bool CanWheelScroll() const;
  // One wheel step: scroll, zoom or 3D zoom, then the tools hear it.
  void InternalWheel(int Delta);
  bool DoMouseWheel(TShiftState Shift, int WheelDelta) override;
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  // The rubber band and panning follow the mouse; a zoom drag ends.
  virtual void DragZoom(int X, int Y);
  virtual void DragPanning(int X, int Y);
  virtual void EndZoomDrag(int X, int Y);
  virtual const TClassInfo* Form3DClass() { return nullptr; }

  // ---- palette
  int GetColorPaletteIndex() const { return FColorPaletteIndex; }
  void SetColorPaletteIndex(int Value);

  TAllAxisSavedScales FSavedScales;
  bool RestoredAxisScales = true;
  // An editor attached to the chart; freed with it.
  std::unique_ptr<TPlotCustomDesigner> Designer;

  TChartAllowScrollEvent OnAllowScroll;
  TChartClickAxis OnClickAxis;
  TChartClick OnClickBackGround;
  TChartClick OnClickLegend;
  TChartClickSeries OnClickSeries;
  TChartClickTitle OnClickTitle;
  TOnGetLegendPos OnGetLegendPos;
  TOnGetLegendRect OnGetLegendRect;
  TOnGetLegendText OnGetLegendText;
  // Drag and drop handlers of the control.
  std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State,
                     bool& Accept)>
      OnDragOver;
  std::function<void(TObject* Sender, TObject* Source, int X, int Y)> OnDragDrop;
  std::function<void(TObject* Sender, TDragObject*& DragObject)> OnStartDrag;
  std::function<void(TObject* Sender, TObject* Target, int X, int Y)> OnEndDrag;

 private:
  friend class TColorPalettes;
  TChartTitle* MakeTitle(std::unique_ptr<TChartTitle>& Title, bool IsFoot);
  void SetTitleObject(std::unique_ptr<TChartTitle>& Title, TChartTitle* Value, bool IsFoot);
  void DrawTitles(bool CustomPosition);
  void DrawWallsAfterSeries();
  void DrawAxisHidingGrid(TChartAxis* Axis, bool BackGrid);
  bool ClickedSeries(TChartSeries* S, TPoint P, TChartClickedPart& Part);
  bool ClickedAxes(TPoint P, TChartClickedPart& Part);
  bool ClickedTitles(TPoint P, TChartClickedPart& Part);
  bool HandleClickedPart(const TChartClickedPart& Part, TMouseButton Button, TShiftState Shift,
                         int X, int Y);
  bool StartZoomOrPanning(TMouseButton Button, TShiftState Shift, int X, int Y);
  bool BackgroundClick(TMouseButton Button, TShiftState Shift, int X, int Y);
  void HoverAndCursor(int X, int Y);
  int LegendHoverItem(int Clicked);
  // The legend item at P when the legend is visible and placed by hand
  // (CustomPosition) or not; -1 otherwise.
  int LegendItemAt(TPoint P, bool CustomPosition);
  bool LegendMouseDown(int Item);
  void CreateLegend();
  void DestroyLegend();
  void AssignLegend(TCustomChart* Source);
  void ReadBackColor(TReader* Reader);
  void ReadColorPalette(TReader* Reader);
  void WriteColorPalette(TWriter* Writer);
  bool ColorPaletteIndexStored(TFiler* Filer) const;
  void ApplyDefaultPalette();
  // The first zoom or scroll after the scales were restored saves them.
  void SaveScalesOnce();
  void EraseZoomBand();
  // Moves an axis' range by what the pixels from Old to New span.
  void ShiftAxis(TChartAxis* Axis, int Old, int New);
  // Paints the chart onto its window at once (between animation steps).
  void RefreshNow();

  int FColorPaletteIndex = -1;
  std::unique_ptr<TChartTitle> FFoot;
  std::unique_ptr<TChartLegend> FLegend;
  std::unique_ptr<TChartTitle> FSubFoot;
  std::unique_ptr<TChartTitle> FSubTitle;
  std::unique_ptr<TChartTitle> FTitle;
  std::unique_ptr<TChartWalls> FWalls;
  TChartTools FTools{this};
  TChartAnimations FAnimations{this};
};

class TChart : public TCustomChart {
 public:
  explicit TChart(TComponent* AOwner = nullptr) : TCustomChart(AOwner) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TChart"; }
  bool GetPrintProportional() const { return PrintProportional; }
  void SetPrintProportional(bool Value) { PrintProportional = Value; }
};
