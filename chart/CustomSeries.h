#pragma once
// The series that join their points by lines, fill the area under them or
// mark each point with a pointer: settings, per-point pointers, stacking
// and origins, value ranges, margins, the visible range and smoothing
// (CustomSeries.cpp), the drawing of lines, areas, stairs and pointers in
// 2D and 3D (CustomSeriesDraw.cpp), and hit testing, hover pens and the
// legend symbol (CustomSeriesClick.cpp). The concrete kinds are in
// LineSeries.h and AreaSeries.h.

#include <functional>
#include <memory>
#include <vector>

#include "chart/ChartSeries.h"
#include "chart/SeriesPointer.h"

class TCanvas3D;
class TCustomSeries;
class TSmoothingFunction;
class TVisualBlock;

enum TCustomSeriesDrawStyle { dsSegments, dsAll, dsCurve };
enum TCustomSeriesStack { cssNone, cssOverlap, cssStack, cssStack100 };
enum TMultiArea { maNone, maStacked, maStacked100 };

using TSeriesClickPointerEvent =
    std::function<void(TCustomSeries* Sender, int ValueIndex, int X, int Y)>;
using TOnGetPointerStyle = std::function<TSeriesPointerStyle(TChartSeries* Sender, int ValueIndex)>;

// The hatch of pattern number n (patterned pie slices): six styles in turn.
TBrushStyle SeriesHatchStyle(int Pattern);

// The series-wide pointer with the per-point pointers (none until first
// needed; entries may be empty).
class TSeriesPointerItems : public TSeriesPointer {
 public:
  explicit TSeriesPointerItems(TChartSeries* AOwner = nullptr) : TSeriesPointer(AOwner) {}
  ~TSeriesPointerItems() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  int Count() const { return IList ? int(IList->size()) : 0; }
  // The pointer of point Index, made from the series pointer when empty.
  TSeriesPointer* Get(int Index);
  // Value replaces (and frees) the entry; nil empties an existing entry.
  void Put(int Index, TSeriesPointer* Value);
  void Delete(int Index);
  void Clear();
  // The entry of Index when set, else the series-wide pointer.
  TSeriesPointer* InternalGet(int Index);
  void Swap(int A, int B);

 private:
  std::unique_ptr<std::vector<std::unique_ptr<TSeriesPointer>>> IList;
};

// A series' own stacking position (the bar series use it).
class TSelfStack : public TPersistent {
 public:
  explicit TSelfStack(TChartSeries* AParent = nullptr) : IParent(AParent) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  double GetPosition() const { return FPosition; }
  void SetPosition(double Value);
  bool GetUsePosition() const { return FUsePosition; }
  void SetUsePosition(bool Value);

 private:
  bool FUsePosition = false;
  double FPosition = 0;
  TChartSeries* IParent;
};

// Every line-like series: LinePen is the series pen.
class TCustomLineSeries : public TChartSeries {
 public:
  using TChartSeries::TChartSeries;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TPlotPen* GetLinePen() const { return GetPen(); }
  void SetLinePen(TPlotPen* Value) { SetPen(Value); }
};

class TCustomSeries : public TCustomLineSeries {
 public:
  explicit TCustomSeries(TComponent* AOwner = nullptr);
  ~TCustomSeries() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // ClickableLine, ClickTolerance, DrawStyle and Stacked, then the base.
  void Assign(TPersistent* Source) override;
  // The look of another line-like series.
  virtual void AssignFormatting(TChartSeries* Source);
  std::string GetEditorClass() const override { return "TCustomSeriesEditor"; }
  void SetParentChart(TChartSeriesPanel* Value) override;

  // ---- stacking, origins, ranges, margins, visible range
  double PointOrigin(int ValueIndex, bool SumAll) const;
  int CalcStackedPos(int ValueIndex, double Value) const;
  virtual int GetOriginPos(int ValueIndex) const;
  virtual bool SameClassOrigin(const TChartSeries* Series) const;
  int CalcXPos(int ValueIndex) const override;
  int CalcYPos(int ValueIndex) const override;
  void CalcZOrder() override;
  virtual double CalcMinMaxValue(bool IsMin) const;
  // Room a mark needs beyond its point: the marks callout's length and gap.
  virtual int CalcMarkLength(int ValueIndex);
  // Marks stand at the series' front depth, a vertical series' lifted by
  // the callout's length.
  void DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) override;
  double MaxXValue() override;
  double MinXValue() override;
  double MaxYValue() override;
  double MinYValue() override;
  void CalcHorizMargins(int& LeftMargin, int& RightMargin) override;
  void CalcVerticalMargins(int& TopMargin, int& BottomMargin) override;
  void CalcFirstLastVisibleIndex() override;
  bool IsPointInChartRect(int ValueIndex) const override;

  // ---- points
  void Clear() override;
  void Delete(int ValueIndex) override;
  using TChartSeries::Delete;
  void SwapValueIndex(int A, int B) override;

  // ---- smoothing (before each drawing)
  void DoBeforeDrawChart() override;
  virtual void SetSmoothed(bool Value) { SetBooleanProperty(FSmoothed, Value); }
  bool GetSmoothed() const { return FSmoothed; }
  TCustomSeries* SmoothSeries() const { return FSmoothSeries; }

  // ---- drawing
  void DrawAllValues() override;
  bool DoDrawAll(TPlotPen* APen, TColor AColor, bool DrawPointers);
  void DrawValue(int ValueIndex) override;
  virtual void DrawPointer(int AX, int AY, TColor AColor, int ValueIndex);
  void DrawVisual(const TRect& Rect, TSeriesPointer* APointer, TColor AColor, TVisualBlock* Block);
  void InitDrawValue(int ValueIndex);
  using TChartSeries::DrawHiddenValue;
  virtual void DrawHiddenValue(int ValueIndex, double A, double B, int Size, TChartAxis* Axis);
  int CalcPosLeftRight(double XValue, int AIndex, int BIndex) const;
  virtual void PreparePointer(int ValueIndex) { (void)ValueIndex; }
  TSeriesPointerStyle DoGetPointerStyle(int ValueIndex);
  TColor GetAreaBrushColor(TColor AColor) const;
  virtual TCustomPlotGradient* GetGradient() const;

  // ---- mouse, hover, legend
  int Clicked(int X, int Y) override;
  using TChartSeries::Clicked;
  bool ClickedPointer(int ValueIndex, int tmpX, int tmpY, int X, int Y) override;
  using TChartSeries::ClickedPointer;
  void MouseDown(int ValueIndex, bool OnPointer, TMouseButton Button, TShiftState Shift, int X,
                 int Y) override;
  bool RaiseClicked() const override;
  bool HoverEnabled() const override;
  bool HoverPointerEnabled() const;
  int HoverOverPointer() const;
  bool PreparePointerHoverPen(int ValueIndex);
  bool PrepareHoverPen(int ValueIndex) override;
  bool ShouldHoverMark(int ValueIndex) const override;
  void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
  void LinePrepareCanvas(TCanvas3D* ACanvas, TColor AColor);
  virtual void ResetBrush();

  // ---- properties
  TPlotBrush* GetAreaChartBrush() const { return FAreaBrush.get(); }
  void SetAreaChartBrush(TPlotBrush* Value) { FAreaBrush->Assign(Value); }
  TBrushStyle GetAreaBrush() const { return FAreaBrush->GetStyle(); }
  void SetAreaBrush(TBrushStyle Value) { FAreaBrush->SetStyle(Value); }
  TColor GetAreaColor() const { return FAreaColor; }
  void SetAreaColor(TColor Value) { SetColorProperty(FAreaColor, Value); }
  TPlotPen* GetAreaLinesPen() const { return FAreaLinesPen.get(); }
  void SetAreaLinesPen(TPlotPen* Value) { FAreaLinesPen->Assign(Value); }
  bool GetClickableLine() const { return FClickableLine; }
  void SetClickableLine(bool Value) { FClickableLine = Value; }
  int GetClickTolerance() const { return FClickTolerance; }
  void SetClickTolerance(int Value) { FClickTolerance = Value; }
  bool GetColorEachLine() const { return FColorEachLine; }
  void SetColorEachLine(bool Value) { SetBooleanProperty(FColorEachLine, Value); }
  bool GetDark3D() const { return FDark3D; }
  void SetDark3D(bool Value) { SetBooleanProperty(FDark3D, Value); }
  bool GetDrawArea() const { return FDrawArea; }
  void SetDrawArea(bool Value) { SetBooleanProperty(FDrawArea, Value); }
  bool GetDrawLine() const { return FDrawLine; }
  TCustomSeriesDrawStyle GetDrawStyle() const { return FDrawStyle; }
  void SetDrawStyle(TCustomSeriesDrawStyle Value);
  TPlotEmboss* GetEmboss() const { return FEmboss.get(); }
  void SetEmboss(TPlotEmboss* Value) { FEmboss->Assign(Value); }
  TPlotShadow* GetShadow() const { return FShadow.get(); }
  void SetShadow(TPlotShadow* Value) { FShadow->Assign(Value); }
  TPlotGradient* GetGradientProp() const;
  void SetGradientProp(TPlotGradient* Value);
  bool GetInflateMargins() const { return FInflateMargins; }
  void SetInflateMargins(bool Value) { SetBooleanProperty(FInflateMargins, Value); }
  bool GetInvertedStairs() const { return FInvertedStairs; }
  void SetInvertedStairs(bool Value) { SetBooleanProperty(FInvertedStairs, Value); }
  TBrushStyle GetLineBrush() const { return FBrush->GetStyle(); }
  void SetLineBrush(TBrushStyle Value) { FBrush->SetStyle(Value); }
  int GetLineHeight() const { return FLineHeight; }
  void SetLineHeight(int Value) { SetIntegerProperty(FLineHeight, Value); }
  // Made on first read; nil frees it, anything else is copied in.
  TPlotHiddenPen* GetOutLine() const;
  void SetOutLine(TPlotHiddenPen* Value);
  bool HasOutLine() const { return FOutLine != nullptr; }
  TSeriesPointerItems* GetPointer() const { return FPointer.get(); }
  void SetPointer(TSeriesPointerItems* Value) { FPointer->Assign(Value); }
  bool GetPointerBehind() const { return FPointerBehind; }
  void SetPointerBehind(bool Value) { SetBooleanProperty(FPointerBehind, Value); }
  TCustomSeriesStack GetStacked() const { return FStacked; }
  void SetStacked(TCustomSeriesStack Value);
  bool GetStairs() const { return FStairs; }
  void SetStairs(bool Value) { SetBooleanProperty(FStairs, Value); }

  // For the type information: the outline made on reading; always stored.
  TPlotHiddenPen* OutLineProp() { return GetOutLine(); }
  bool AlwaysStored() const { return true; }

  TSeriesClickPointerEvent OnClickPointer;
  TOnGetPointerStyle OnGetPointerStyle;

  // ---- drawing state, alive within one drawing pass
  int BottomPos = 0;
  int OldBottomPos = 0;
  int OldX = 0;
  int OldY = 0;
  TColor OldColor = 0;
  double tmpDark3DRatio = 0;
  bool HasTemplate = false;
  TRect IClientRect;
  float DisplayLast = 1.0f;

 protected:
  void ChangedBrush(TObject* Sender);
  // The pen's colour set without notification.
  void QuietPenColor(TColor Color);
  // The drawing steps of DrawValue and DoDrawAll.
  void DrawSegment(int ValueIndex, int X, int Y, TColor Color, bool IsLast, bool DrawOldPointer);
  void DrawSegment3D(int ValueIndex, int X, int Y, TColor Color, bool IsLast);
  void DrawAreaSegment(int ValueIndex, int X, int Y, TColor Color, bool IsLast);
  void DrawLine2D(int ValueIndex, int X, int Y, TColor Color);
  void DrawEnteringSegment(int ValueIndex, int X, int Y, TColor Color);
  void AddTemplatePoint(int ValueIndex, int X, int Y);
  void DrawPointersOf(int First, int Last, int Partial, double Fraction);
  void DrawEffectPass(TPlotShadow* Effect, int Sign);
  void DrawOutlinePass();
  // Brings (X0, Y0) and (X1, Y1) inside the canvas' coordinate range.
  void LimitSegment(int& X0, int& Y0, int& X1, int& Y1, int IndexA, int IndexB) const;
  void LimitPoint(int& X, int& Y, int AX, int AY, int BX, int BY) const;
  bool DrawsBackwards() const;
  bool ClickedSegment(int Index, TPoint Previous, TPoint P, int X, int Y);
  bool ClickedArea(int Index, TPoint Previous, TPoint P, int X, int Y) const;
  void SmoothOn();
  void SmoothOff();

  std::unique_ptr<TPlotBrush> FAreaBrush;
  TColor FAreaColor = clDefault;
  std::unique_ptr<TPlotPen> FAreaLinesPen;
  bool FClickableLine = true;
  int FClickTolerance = 0;
  bool FColorEachLine = true;
  bool FDark3D = true;
  bool FDrawArea = false;
  bool FDrawLine = false;
  TCustomSeriesDrawStyle FDrawStyle = dsSegments;
  std::unique_ptr<TPlotEmboss> FEmboss;
  bool FInflateMargins = true;
  bool FInvertedStairs = false;
  int FLineHeight = 0;
  mutable std::unique_ptr<TPlotHiddenPen> FOutLine;
  std::unique_ptr<TSeriesPointerItems> FPointer;
  bool FPointerBehind = false;
  std::unique_ptr<TPlotShadow> FShadow;
  bool FSmoothed = false;
  TSmoothingFunction* FSmoothFunction = nullptr;
  TCustomSeries* FSmoothSeries = nullptr;
  TCustomSeriesStack FStacked = cssNone;
  bool FStairs = false;
  bool FDirty = false;
  TComponent* OldDataSource = nullptr;
  bool IDestroying = false;
  // The point drawn just before (its pointer follows the next segment).
  int IPreviousIndex = -1;
};
