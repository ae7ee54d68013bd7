#pragma once
// The bar series: each point is a bar from an origin to its value. The bars
// of the bar series of one chart share each category side by side, stacked,
// stacked to 100 %, self-stacked or all side by side. Settings, copying and
// the gallery are in BarSeries.cpp; the sharing of a category, thickness,
// positions, rectangles, value ranges, margins, visible range, depth, draw
// order and marks in BarSeriesLayout.cpp; painting the fifteen shapes and
// hit testing in BarShapes.cpp. TBarSeries draws vertical bars,
// THorizBarSeries horizontal ones.

#include <functional>
#include <memory>
#include <vector>

#include "chart/ChartSeries.h"

class TCustomAxisPanel;
class TPlotBlend;
class TPlotEmboss;
class TPlotGradient;
class TPlotHiddenPen;
class TPlotShadow;
class TSelfStack;

enum TBarStyle {
  bsRectangle,
  bsPyramid,
  bsInvPyramid,
  bsCilinder,
  bsEllipse,
  bsArrow,
  bsRectGradient,
  bsCone,
  bsBevel,
  bsSlantCube,
  bsDiamond,
  bsInvArrow,
  bsInvCone,
  bsCustom,
  bsRoundRectangle
};
enum TMultiBar { mbNone, mbSide, mbStacked, mbStacked100, mbSideAll, mbSelfStack };
enum TBarRound { brNone, brAtValue, brBothEnds };
enum TMarksLocation { mlStart, mlCenter, mlEnd };

class TCustomBarSeries;
using TGetBarStyleEvent =
    std::function<void(TCustomBarSeries* Sender, int ValueIndex, TBarStyle& TheBarStyle)>;
using TGetBarBoundsEvent =
    std::function<void(TCustomBarSeries* Sender, int ValueIndex, TRect& Rect)>;

class TCustomBarSeries : public TChartSeries {
 public:
  explicit TCustomBarSeries(TComponent* AOwner = nullptr);
  ~TCustomBarSeries() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // ---- copying
  // BarStyle, MultiBar, YOrigin, the self-stack, StackGroup and UseYOrigin.
  void Assign(TPersistent* Source) override;
  // The look of another bar series.
  virtual void AssignFormatting(TChartSeries* Source);
  std::string GetEditorClass() const override { return "TBarSeriesEditor"; }
  // A bar series joining a chart adopts the mode of the bars already there.
  void SetParentChart(TChartSeriesPanel* Value) override;
  // With Propagate every bar series of the chart gets this one's MultiBar
  // and SideMargins; without, this one takes them from the first.
  void SetOtherBars(bool Propagate);

  // ---- sharing a category, thickness and positions (BarSeriesLayout.cpp)
  void DoBeforeDrawChart() override;
  void DoBeforeDrawValues() override;
  void CalcBarWidth();
  int ApplyBarOffset(int Position) const;
  int BarMargin() const;
  void InternalApplyBarMargin(int& MarginA, int& MarginB);
  virtual double PointOrigin(int ValueIndex, bool SumAll) const;
  TChartAxis* NotMandatoryAxis() const { return YMandatory ? FGetHorizAxis : FGetVertAxis; }
  TBarStyle GetBarStyle(int ValueIndex);
  double MaxMandatoryValue(double Value);
  double MinMandatoryValue(double Value);
  virtual TRect CalcBarBounds(int ValueIndex) = 0;
  virtual int GetOriginPos(int ValueIndex) const = 0;
  int InternalGetOriginPos(int ValueIndex, int DefaultPos) const;
  int CalcMarkLength(int ValueIndex);
  virtual int InternalCalcMarkLength(int ValueIndex) {
    (void)ValueIndex;
    return 0;
  }
  virtual bool SubGalleryStack() const { return true; }
  // The category value of a self-stacked series.
  double SelfStackPosition() const;

  // ---- visible range, depth and draw order
  void CalcFirstLastVisibleIndex() override;
  bool IsPointInChartRect(int ValueIndex) const override;
  void CalcZOrder() override;
  void CalcDepthPositions() override;
  bool MoreSameZOrder() const override;
  std::vector<int> SortDrawSeries(int A, int B, int C) override;
  std::vector<int> SortDrawPoints(int First, int Last, bool Ascending) override;
  bool DrawSeriesAscending() const override;
  bool DrawValuesForward() const override;

  // ---- marks and legend
  void DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) override;
  void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;
  void DrawLegendShape(int ValueIndex, const TRect& Rect) override;

  // ---- painting and hit testing (BarShapes.cpp)
  void DrawValue(int ValueIndex) override;
  virtual void DrawBar(int BarIndex, int StartPos, int EndPos) = 0;
  void SetPenBrushBar(TColor BarColor, int ValueIndex);
  void PrepareBarPen(int ValueIndex);
  void BarRectangle(TColor BarColor, int ALeft, int ATop, int ARight, int ABottom, bool Rounded);
  void BarRectangle(TColor BarColor, const TRect& R, bool Rounded) {
    BarRectangle(BarColor, R.Left, R.Top, R.Right, R.Bottom, Rounded);
  }
  bool CalcBarGradient(int ValueIndex);
  void SwapGradientColors();
  TPlotBlend* CreateBlend(int Transparency);
  void DrawBevel();
  void DrawTickLines(int StartPos, int EndPos, TBarStyle Style);
  virtual void DrawTickLine(int Pos, TBarStyle Style) {
    (void)Pos;
    (void)Style;
  }
  void DrawCylinderTicks(int Pos);
  int Clicked(int X, int Y) override;
  using TChartSeries::Clicked;
  virtual bool InternalClicked(int ValueIndex, TPoint P) {
    (void)ValueIndex;
    (void)P;
    return false;
  }
  bool PointInCube(TPoint P, const TRect& R, int MinZ, int MaxZ) const;
  bool PointInDiamond(TPoint P, int X0, int Y0, int X1, int Y1) const;

  // ---- gallery and sample values
  void PrepareForGallery();
  void CreateSubGallery(const std::function<void(const std::string& Name)>& AddSubChart) override;
  void SetSubGallery(TChartSeries* Series, int Index) override;
  int NumSampleValues() const override;
  void AddSampleValues(int NumValues, bool OnlyMandatory = false) override;
  int AddBar(double AValue, const std::string& ALabel, TColor AColor);

  // ---- properties
  bool GetAutoBarSize() const { return FAutoBarSize; }
  void SetAutoBarSize(bool Value) { SetBooleanProperty(FAutoBarSize, Value); }
  bool GetAutoMarkPosition() const;
  void SetAutoMarkPosition(bool Value);
  TPlotBrush* GetBarBrush() const { return GetBrush(); }
  void SetBarBrush(TPlotBrush* Value) { SetBrush(Value); }
  TPlotPen* GetBarPen() const { return GetPen(); }
  void SetBarPen(TPlotPen* Value) { SetPen(Value); }
  TBarRound GetBarRound() const { return FBarRound; }
  void SetBarRound(TBarRound Value);
  TBarStyle GetBarStyleProp() const { return FBarStyle; }
  void SetBarStyle(TBarStyle Value);
  int GetBarWidthPercent() const { return FBarWidthPercent; }
  void SetBarWidthPercent(int Value) { SetIntegerProperty(FBarWidthPercent, Value); }
  int GetBevelSize() const { return FBevelSize; }
  void SetBevelSize(int Value) { SetIntegerProperty(FBevelSize, Value); }
  int GetConePercent() const { return FConePercent; }
  void SetConePercent(int Value) { SetIntegerProperty(FConePercent, Value); }
  int GetCustomBarSize() const { return FCustomBarSize; }
  void SetCustomBarSize(int Value) { SetIntegerProperty(FCustomBarSize, Value); }
  bool GetDark3D() const { return FDark3D; }
  void SetDark3D(bool Value) { SetBooleanProperty(FDark3D, Value); }
  int GetDarkPen() const { return FDarkPen; }
  void SetDarkPen(int Value) { SetIntegerProperty(FDarkPen, Value); }
  int GetDepthPercent() const { return FDepthPercent; }
  void SetDepthPercent(int Value) { SetIntegerProperty(FDepthPercent, Value); }
  TPlotEmboss* GetEmboss() const { return FEmboss.get(); }
  void SetEmboss(TPlotEmboss* Value);
  TPlotGradient* GetGradient() const;
  void SetGradient(TPlotGradient* Value);
  bool GetGradientRelative() const { return FGradientRelative; }
  void SetGradientRelative(bool Value) { SetBooleanProperty(FGradientRelative, Value); }
  TMarksLocation GetMarksLocation() const { return FMarksLocation; }
  void SetMarksLocation(TMarksLocation Value);
  bool GetMarksOnBar() const { return FMarksOnBar; }
  void SetMarksOnBar(bool Value) { SetBooleanProperty(FMarksOnBar, Value); }
  TMultiBar GetMultiBar() const { return FMultiBar; }
  void SetMultiBar(TMultiBar Value);
  int GetOffsetPercent() const { return FOffsetPercent; }
  void SetOffsetPercent(int Value) { SetIntegerProperty(FOffsetPercent, Value); }
  int GetRoundSize() const { return FRoundSize; }
  void SetRoundSize(int Value) { SetIntegerProperty(FRoundSize, Value); }
  TSelfStack* GetSelfStack() const { return FSelfStack.get(); }
  void SetSelfStack(TSelfStack* Value);
  TPlotShadow* GetShadow() const { return FShadow.get(); }
  void SetShadow(TPlotShadow* Value);
  bool GetSideMargins() const { return FSideMargins; }
  void SetSideMargins(bool Value);
  int GetSides() const { return FSides; }
  void SetSides(int Value) { SetIntegerProperty(FSides, Value); }
  int GetStackGroup() const { return FStackGroup; }
  void SetStackGroup(int Value) { SetIntegerProperty(FStackGroup, Value); }
  // Made on first read; nil frees it, anything else is copied in.
  TPlotHiddenPen* GetTickLines() const;
  void SetTickLines(TPlotHiddenPen* Value);
  bool HasTickLines() const { return FTickLines != nullptr; }
  bool GetUseYOrigin() const { return FUseOrigin; }
  void SetUseYOrigin(bool Value) { SetBooleanProperty(FUseOrigin, Value); }
  double GetYOrigin() const { return FOrigin; }
  void SetYOrigin(double Value) { SetDoubleProperty(FOrigin, Value); }

  TGetBarStyleEvent OnGetBarStyle;
  TGetBarBoundsEvent OnCalcBounds;

  // ---- state of one chart paint
  TRect FBarBounds;
  int INumBars = 0;
  int IMaxBarPoints = 0;
  int IOrderPos = 0;
  int IPreviousCount = 0;
  int IBarSize = 0;
  TColor NormalBarColor = 0;

 protected:
  TCustomAxisPanel* Chart() const;
  // The bar's side along the category axis and its value end.
  int CategoryPos(int ValueIndex) const;
  int ValueEndPos(int ValueIndex) const;
  // The first pixel of point ValueIndex on the category axis before the bar
  // offset and the sharing of the category.
  int BaseCategoryPos(int ValueIndex) const;
  bool SameValueAxis(const TChartSeries* Other) const;
  // The value margin (TBarSeries' top and bottom, THorizBarSeries' left
  // and right), MarkIndex chooses the mark whose length counts.
  void ApplyValueMargins(int& LowMargin, int& HighMargin, int MarkIndex, double MinValue,
                         double MaxValue, bool Inverted);
  void DrawEffect(TPlotShadow* Effect, int ValueIndex);
  void DrawBarBlended(int ValueIndex, int Transparency);
  // The common steps of DrawBar for both orientations.
  void PaintBar(int BarIndex, int StartPos, int EndPos);
  void DrawShape3D(TBarStyle Style, int StartPos, int EndPos, int Mid);
  void DrawShape2D(TBarStyle Style, int StartPos, int EndPos, int Mid);
  // The depth line of a tick across a face of a 3D bar.
  void DrawTickDepthLine(int Pos);
  bool ClickedShape(int ValueIndex, TPoint P, int Pos, int Low, int High);

  bool FAutoBarSize = false;
  TBarRound FBarRound = brAtValue;
  TBarStyle FBarStyle = bsRectangle;
  int FBarWidthPercent = 70;
  int FBevelSize = 1;
  int FConePercent = 0;
  bool FDark3D = true;
  int FDarkPen = 0;
  int FDepthPercent = 100;
  std::unique_ptr<TPlotEmboss> FEmboss;
  bool FGradientRelative = false;
  TMarksLocation FMarksLocation = mlEnd;
  bool FMarksOnBar = false;
  TMultiBar FMultiBar = mbSide;
  int FOffsetPercent = 0;
  double FOrigin = 0;
  int FRoundSize = 16;
  std::unique_ptr<TSelfStack> FSelfStack;
  std::unique_ptr<TPlotShadow> FShadow;
  bool FSideMargins = true;
  int FSides = 32;
  int FStackGroup = 0;
  mutable std::unique_ptr<TPlotHiddenPen> FTickLines;
  bool FUseOrigin = true;
  int FCustomBarSize = 0;
};

class TBarSeries : public TCustomBarSeries {
 public:
  explicit TBarSeries(TComponent* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void CalcHorizMargins(int& LeftMargin, int& RightMargin) override;
  void CalcVerticalMargins(int& TopMargin, int& BottomMargin) override;
  void CalcSelectionPos(int ValueIndex, int& X, int& Y) const override;
  void DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) override;
  double MaxXValue() override;
  double MaxYValue() override;
  double MinXValue() override;
  double MinYValue() override;
  int CalcXPos(int ValueIndex) const override { return CategoryPos(ValueIndex); }
  int CalcYPos(int ValueIndex) const override { return ValueEndPos(ValueIndex); }
  bool DrawSeriesForward(int ValueIndex) const override;
  int InternalCalcMarkLength(int ValueIndex) override;
  bool InternalClicked(int ValueIndex, TPoint P) override;
  TRect CalcBarBounds(int ValueIndex) override;
  void DrawBar(int BarIndex, int StartPos, int EndPos) override;
  void DrawTickLine(int Pos, TBarStyle Style) override;
  int GetOriginPos(int ValueIndex) const override;

  int GetCustomBarWidth() const { return FCustomBarSize; }
  void SetCustomBarWidth(int Value) { SetCustomBarSize(Value); }
};

class THorizBarSeries : public TCustomBarSeries {
 public:
  explicit THorizBarSeries(TComponent* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void CalcHorizMargins(int& LeftMargin, int& RightMargin) override;
  void CalcVerticalMargins(int& TopMargin, int& BottomMargin) override;
  void CalcSelectionPos(int ValueIndex, int& X, int& Y) const override;
  void DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) override;
  double MaxXValue() override;
  double MaxYValue() override;
  double MinXValue() override;
  double MinYValue() override;
  int CalcXPos(int ValueIndex) const override { return ValueEndPos(ValueIndex); }
  int CalcYPos(int ValueIndex) const override { return CategoryPos(ValueIndex); }
  bool DrawSeriesForward(int ValueIndex) const override;
  bool DrawSeriesAscending() const override;
  bool DrawValuesForward() const override;
  bool InvertedLegend() const override;
  int InternalCalcMarkLength(int ValueIndex) override;
  bool InternalClicked(int ValueIndex, TPoint P) override;
  TRect CalcBarBounds(int ValueIndex) override;
  void DrawBar(int BarIndex, int StartPos, int EndPos) override;
  void DrawTickLine(int Pos, TBarStyle Style) override;
  int GetOriginPos(int ValueIndex) const override;

  int GetCustomBarHeight() const { return FCustomBarSize; }
  void SetCustomBarHeight(int Value) { SetCustomBarSize(Value); }
};
