#pragma once
// One axis of a chart: its scale (automatic or fixed ends, logarithmic,
// inverted), the step between labels, the mapping of values to pixels and
// back, and the pens, label settings and label items it owns. The axis
// panel owns the six standard axes; custom axes live in the panel's
// custom-axes collection and sub-axes in an axis' own collection.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/ChartAxisParts.h"
#include "chart/ChartSeries.h"
#include "chart/PlotPanel.h"
#include "chart/PlotRoutines.h"
#include "platform/rtl/Collection.h"

class TCustomAxisPanel;
class TChartAxis;
class TChartCustomAxes;
class TCustomSeriesList;
class TChartAxisTitle;
class TAxisBackShape;
class TCanvas3D;
class TCustomTextShape;

// Pixels beyond the axis line that still count as a click on the axis.
extern int PlotAxisClickGap;

// The smallest step an axis ever uses, and the replacement minimum of a
// logarithmic axis whose minimum is negative.
inline constexpr double MinAxisIncrement = 4.9406564584124654e-324;
inline constexpr double MinAxisRange = 1e-10;

// The step after x in the series 1, 2, 5, 10, 20, 50 ...; 1 for an infinite
// x and for 0, a negative x or NaN (which have no step).
double NextValueStep(double x);

using TAxisOnGetNextLabel =
    std::function<void(TChartAxis* Sender, int LabelIndex, double& LabelValue, bool& Stop)>;
using TChartAxisLabelValue = std::function<void(TChartAxis* Sender, double& tmpValue)>;
using TAxisDrawGrids = std::function<void(TChartAxis* Sender)>;
using TAxisDrawLabelEvent = std::function<void(TChartAxis* Sender, int& X, int& Y, int& Z,
                                               std::string& Text, bool& DrawLabel)>;

class TChartAxis : public TCollectionItem {
 public:
  // A standard axis of Chart (or, once it has six, a custom one).
  explicit TChartAxis(TCustomAxisPanel* Chart);
  // An item of a custom-axes collection (the panel's or an axis' sub-axes).
  explicit TChartAxis(TCollection* Collection);
  ~TChartAxis() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;

  // ---- introduced virtual operations
  virtual TAxisLabelStyle InternalCalcLabelStyle();
  virtual void SetInverted(bool Value);
  virtual std::string LabelValue(double Value);

  TCustomAxisPanel* GetParentChart() const { return FParentChart; }
  TChartAxis* GetMaster() const { return FMaster; }
  TChartAxis* GetParentAxis() const;
  bool IsCustom() const;
  bool IsDepthAxis() const { return IDepthAxis; }
  void SetDepthAxis(bool Value);
  void Hide() { SetVisible(false); }
  void AssignToSub(TChartAxis* Axis);
  void InternalSetInverted(bool Value) { FInverted = Value; }

  // ---- scale
  double GetMinimum() const { return FMinimumValue; }
  void SetMinimum(double Value);
  double GetMaximum() const { return FMaximumValue; }
  void SetMaximum(double Value);
  void SetMinMax(double AMin, double AMax);
  // The limit without the range check against the other limit.
  void InternalSetMinimum(double Value);
  void InternalSetMaximum(double Value);
  double GetIncrement() const { return FDesiredIncrement; }
  void SetDesiredIncrement(double Value);
  bool GetAutomatic() const { return FAutomatic; }
  void SetAutomatic(bool Value);
  bool GetAutomaticMinimum() const { return FAutomaticMinimum; }
  void SetAutomaticMinimum(bool Value);
  bool GetAutomaticMaximum() const { return FAutomaticMaximum; }
  void SetAutomaticMaximum(bool Value);
  bool GetLogarithmic() const { return FLogarithmic; }
  void SetLogarithmic(bool Value);
  double GetLogarithmicBase() const { return FLogarithmicBase; }
  void SetLogarithmicBase(double Value);
  bool GetInverted() const { return FInverted; }

  void AdjustMaxMin();
  void CalcMinMax(double& AMin, double& AMax);
  void AdjustMaxMinRect(const TRect& Rect);
  void CalcRoundScales();
  void InternalCalcRange();
  void Scroll(double Offset, bool CheckLimits);
  bool IsDateTime();
  bool CalcIsDateTime(TDateTimeStep Step) const;
  bool IncDec(bool Increment, double& Value, double AnIncrement) const;
  bool IncDec(bool Increment, double& Value, double AnIncrement, TDateTimeStep Step) const;

  // ---- increments
  double CalcIncrement();
  double CalcXYIncrement(int MaxLabelSize);
  double CalcLabelsIncrement(int MaxNumLabels);
  double CalcDateTimeIncrement(int MaxNumLabels);
  double RoundLogPower(long double Value) const;
  int LabelWidth(double Value) { return InternalLabelSize(Value, true); }
  int LabelHeight(double Value) { return InternalLabelSize(Value, false); }
  TAxisLabelStyle CalcLabelStyle();

  // ---- positions
  void InternalCalcPositions();
  void RecalcSizeCenter();
  void SetCalcPosValue();
  int CalcXPosValue(double Value) const { return (this->*FCalcX)(Value); }
  int CalcYPosValue(double Value) const { return (this->*FCalcY)(Value); }
  int CalcPosValue(double Value) const {
    return FHorizontal ? CalcXPosValue(Value) : CalcYPosValue(Value);
  }
  double CalcPosPoint(int Value) const { return InternalCalcPosPoint(Value); }
  double InternalCalcPosPoint(int Value) const;
  int CalcSizeValue(double Value) const { return CalcSizeValue(Value, 0); }
  int CalcSizeValue(double Finish, double Start) const;
  int CalcZPos() const;

  // ---- sub-objects
  TChartAxisPen* GetAxis() const { return FAxis.get(); }
  void SetAxis(TChartAxisPen* Value) { FAxis->Assign(Value); }
  TAxisGridPen* GetGrid() const { return FGrid.get(); }
  void SetGrid(TAxisGridPen* Value) { FGrid->Assign(Value); }
  bool GetGridCentered() const { return FGrid->GetCentered(); }
  void SetGridCentered(bool Value) { FGrid->SetCentered(Value); }
  TPlotHiddenPen* GetMinorGrid() const { return FMinorGrid.get(); }
  void SetMinorGrid(TPlotHiddenPen* Value) { FMinorGrid->Assign(Value); }
  TTicks* GetTicks() const { return FTicks.get(); }
  void SetTicks(TTicks* Value) { FTicks->Assign(Value); }
  TTicks* GetTicksInner() const { return FTicksInner.get(); }
  void SetTicksInner(TTicks* Value) { FTicksInner->Assign(Value); }
  TTicks* GetMinorTicks() const { return FMinorTicks.get(); }
  void SetMinorTicks(TTicks* Value) { FMinorTicks->Assign(Value); }
  TAxisLabels* GetLabels() const { return FLabels.get(); }
  TAxisItems* GetItems() const { return FAxisItems.get(); }
  void SetItems(TAxisItems* Value) { FAxisItems->CopyFrom(Value); }
  // Made on first use; nil frees, otherwise copies into it.
  TChartAxisTitle* GetAxisTitle();
  void SetAxisTitle(TChartAxisTitle* Value);
  bool HasTitle() const { return FAxisTitle != nullptr; }
  TAxisBackShape* GetShape();
  void SetShape(TAxisBackShape* Value);
  bool HasShape() const { return FShape != nullptr; }
  TChartCustomAxes* GetSubAxes();
  void SetSubAxes(TChartCustomAxes* Value);
  bool HasSubAxes() const;

  // ---- label settings forwarded to the labels
  TAxisLabelsFormat* GetLabelsFormat() const { return FLabels->GetFormat(); }
  void SetLabelsFormat(TAxisLabelsFormat* Value) { FLabels->SetFormat(Value); }
  TPlotFont* GetLabelsFont() const { return FLabels->GetFont(); }
  void SetLabelsFont(TPlotFont* Value) { FLabels->GetFont()->Assign(Value); }
  bool GetLabelsVisible() const { return FLabels->GetVisible(); }
  void SetLabelsVisible(bool Value) { FLabels->SetVisible(Value); }
  int GetLabelsAngle() const { return FLabels->GetAngle(); }
  void SetLabelsAngle(int Value) { FLabels->SetAngle(Value); }
  int GetLabelsSeparation() const { return FLabels->GetSeparation(); }
  void SetLabelsSeparation(int Value) { FLabels->SetSeparation(Value); }
  bool GetLabelsAlternate() const { return FLabels->GetAlternate(); }
  void SetLabelsAlternate(bool Value) { FLabels->SetAlternate(Value); }
  bool GetLabelsMultiLine() const { return FLabels->GetMultiLine(); }
  void SetLabelsMultiLine(bool Value) { FLabels->SetMultiLine(Value); }
  TAxisLabelStyle GetLabelStyle() const { return FLabels->GetStyle(); }
  void SetLabelStyle(TAxisLabelStyle Value) { FLabels->SetStyle(Value); }
  bool GetRoundFirstLabel() const { return FLabels->GetRoundFirst(); }
  TAxisLabelAlign GetLabelsAlign() const { return FLabels->GetAlign(); }
  void SetLabelsAlign(TAxisLabelAlign Value) { FLabels->SetAlign(Value); }
  bool GetLabelsBehind() const { return FLabels->GetBehind(); }
  void SetLabelsBehind(bool Value) { FLabels->SetBehind(Value); }
  bool GetLabelsExponent() const { return FLabels->GetExponent(); }
  void SetLabelsExponent(bool Value) { FLabels->SetExponent(Value); }
  bool GetLabelsOnAxis() const { return FLabels->GetOnAxis(); }
  void SetLabelsOnAxis(bool Value) { FLabels->SetOnAxis(Value); }
  int GetLabelsSize() const { return FLabels->GetSize(); }
  void SetLabelsSize(int Value) { FLabels->SetSize(Value); }
  bool GetLabelsGridIgnoresLabelSize() const { return FLabels->GetGridIgnoresLabelSize(); }
  void SetLabelsGridIgnoresLabelSize(bool Value) { FLabels->SetGridIgnoresLabelSize(Value); }
  void SetRoundFirstLabel(bool Value) { FLabels->SetRoundFirst(Value); }

  // ---- plain settings
  const std::string& GetAxisValuesFormat() const { return FAxisValuesFormat; }
  void SetAxisValuesFormat(const std::string& Value);
  const std::string& GetDateTimeFormat() const { return FDateTimeFormat; }
  void SetDateTimeFormat(const std::string& Value);
  bool GetExactDateTime() const { return FExactDateTime; }
  void SetExactDateTime(bool Value);
  bool GetHorizontal() const { return FHorizontal; }
  void SetHorizontal(bool Value);
  bool GetOtherSide() const { return FOtherSide; }
  void SetOtherSide(bool Value);
  int GetMaximumOffset() const { return FMaximumOffset; }
  void SetMaximumOffset(int Value);
  int GetMinimumOffset() const { return FMinimumOffset; }
  void SetMinimumOffset(int Value);
  bool GetMaximumRound() const { return FMaximumRound; }
  void SetMaximumRound(bool Value);
  bool GetMinimumRound() const { return FMinimumRound; }
  void SetMinimumRound(bool Value);
  int GetMinorTickCount() const { return FMinorTickCount; }
  void SetMinorTickCount(int Value);
  int GetMinorTickLength() const { return FMinorTickLength; }
  void SetMinorTickLength(int Value);
  int GetTickInnerLength() const { return FTickInnerLength; }
  void SetTickInnerLength(int Value);
  int GetTickLength() const { return FTickLength; }
  void SetTickLength(int Value);
  bool GetTickOnLabelsOnly() const { return FTickOnLabelsOnly; }
  void SetTickOnLabelsOnly(bool Value);
  int GetTitleSize() const { return FTitleSize; }
  void SetTitleSize(int Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  double GetStartPosition() const { return FStartPosition; }
  void SetStartPosition(double Value);
  double GetEndPosition() const { return FEndPosition; }
  void SetEndPosition(double Value);
  double GetPositionPercent() const { return FPositionPercent; }
  void SetPositionPercent(double Value);
  TPlotUnits GetPositionUnits() const { return FPosUnits; }
  void SetPositionUnits(TPlotUnits Value);
  double GetZPosition() const { return FZPosition; }
  void SetZPosition(double Value);
  TChartAxis* GetPartnerAxis() const { return FPartnerAxis; }
  void SetPartnerAxis(TChartAxis* Value) { FPartnerAxis = Value; }
  bool GetUsePartnerAxis() const { return FUsePartnerAxis; }
  void SetUsePartnerAxis(bool Value) { FUsePartnerAxis = Value; }
  bool GetResizeChart() const { return FResizeChart; }
  TCustomSeriesList* SeriesList() const { return ISeriesList.get(); }

  // ---- labels and layout
  static std::string ToDegree(float Value);
  static std::string ToDegree(float Value, bool IsLat);
  // The label of one point; False when it has none or lies outside the
  // series' visible range.
  bool GetAxisSeriesLabel(TAxisLabelStyle Style, TChartSeries* Series, int ValueIndex,
                          double& Value, std::string& Text, TPlotPicture*& Picture);
  void CalcAllSeries();
  // The labels and ticks of a drawing pass: fills Tick and the automatic
  // items (or places the custom ones). Keeps the pass' style, increment and
  // date-time step for the drawing.
  void CalcLabels();
  int SizeLabels();
  int InternalCalcSize(TCustomTextShape* Shape, int Angle, int FixedSize, const std::string& Text);
  int MaxLabelsWidth();
  void MaxLabelsValue(int& Width, int& NumLines);
  int MaxImageWidth();
  int SizeTickAxis(bool IncludeTicks);
  void CalcRect(TRect& R, bool InflateChartRectangle);
  void InflateAxisRect(TRect& R, int Size) const;
  int InflateAxisPos(int Pos, int Size) const;
  int GetRectangleEdge(const TRect& R) const;
  int ApplyPosition(int Pos, const TRect& R) const;

  // ---- drawing
  // Draws the axis (with CalcPosAxis its line is placed on the chart
  // rectangle first), then its visible sub-axes.
  void Draw(bool CalcPosAxis);
  void DrawTitle(int X, int Y);
  // One label text at X, Y; no Format means the items' common format.
  void DrawAxisLabel(int X, int Y, int ItemIndex, const std::string& St,
                     TCustomTextShape* Format = nullptr, int Z = 0, TPlotPicture* Picture = nullptr,
                     int Angle = 0);
  void DrawGrids(int NumTicks);
  void DrawGridLine(int Pos);
  void DrawLineSegment(int StartPos, int EndPos);
  int DepthAxisAlign() const;
  int DepthAxisPos() const;
  // Drawing outside a pass at given lines; the scale and positions changed
  // for it come back, also when drawing fails.
  void CustomDraw(int PosLabels, int PosTitle, int PosAxis, bool GridVisible);
  void CustomDrawStartEnd(int PosLabels, int PosTitle, int PosAxis, bool GridVisible, int StartPos,
                          int EndPos);
  void CustomDrawMinMax(int PosLabels, int PosTitle, int PosAxis, bool GridVisible, double Minimum,
                        double Maximum, double Increment);
  void CustomDrawMinMaxStartEnd(int PosLabels, int PosTitle, int PosAxis, bool GridVisible,
                                double Minimum, double Maximum, double Increment, int StartPos,
                                int EndPos);
  // The rectangle the line and labels cover; edges count as inside.
  TRect AxisRect() const;
  bool Clicked(int X, int Y);
  bool Clicked(TPoint P) { return Clicked(P.X, P.Y); }

  // ---- hooks
  TAxisDrawLabelEvent OnDrawLabel;
  TAxisOnGetNextLabel OnCalcMaxLabel;
  TNotifyEvent OnDrawAxis;
  TChartAxisLabelValue OnNextLabelValue;
  TAxisDrawGrids OnDrawGrids;
  std::unique_ptr<TPlotTransform> Transform;

  // ---- state of the last pass (read by layout, drawing and the series)
  bool IAxisDateTime = false;
  std::string IAxisID;
  double IAxisLogSizeRange = 0;
  int ICenterPos = 0;
  double ILogMax = 0, ILogMin = 0;
  long double IRange = 0, IRangeLog = 0;
  bool IRangeZero = false;
  bool IsVisible = false;
  int IWallSize = 0;
  int IZPos = 0;
  bool IAxisGeo = false;
  double IAxisSizeRange = 0;
  int IExtraSpace = 0, IGapSize = 0;
  bool IHideBackGrid = false, IHideSideGrid = false;
  double IMaximum = 0, IMinimum = 0;
  int IStartPos = 0, IEndPos = 0, IAxisSize = 0;
  int FPosLabels = 0, FPosAxis = 0, FPosTitle = 0;
  std::vector<int> Tick;
  TAxisLabelStyle ILabelStyle = talNone;
  double ILabelIncrement = 0;
  TDateTimeStep ILabelStep = dtNone;

 protected:
  bool IDepthAxis = false;

 private:
  void Init(TCustomAxisPanel* Chart);
  void CreateParts();
  void ChangedScale();
  bool PanelReading() const;
  void RepaintBool(bool& Field, bool Value);
  void RepaintInt(int& Field, int Value);
  void RepaintDouble(double& Field, double Value);
  void RepaintString(std::string& Field, const std::string& Value);
  int InternalLabelSize(double Value, bool IsWidth);
  bool AnySeriesFitsLabels(int MaxNumLabels) const;
  double GrowIncrement(double Value, bool UseNextStep) const;
  void DetachSeries();
  bool IsMinimumStored() const { return !FAutomatic && !FAutomaticMinimum; }
  bool IsMaximumStored() const { return !FAutomatic && !FAutomaticMaximum; }
  bool IsZPositionStored() const;
  bool IsCustomStored() const { return IsCustom(); }
  bool IsFormatStored() const { return FAxisValuesFormat != "#,##0.###"; }
  bool IsLogBaseStored() const { return FLogarithmicBase != 10; }
  bool IsStartStored() const { return FStartPosition != 0; }
  bool IsEndStored() const { return FEndPosition != 100; }
  bool IsPercentStored() const { return FPositionPercent != 0; }
  bool IsIncrementStored() const { return FDesiredIncrement != 0; }

  TCanvas3D* Canvas() const;
  bool Is3D() const;
  void DrawSubAxes();
  void DrawBackShape();
  void DrawAxisTitle();
  void DrawLineTicksGrid();
  void DrawLine(int X0, int Y0, int X1, int Y1);
  void DrawTick(int T, int Offset, int Length);
  void DrawTicks(TPlotPen* Pen, const char* Entity, int Offset, int Length);
  void DrawMinorMark(int P, bool AsGrid);
  void DrawMinorMarks(TPlotPen* Pen, bool AsGrid);
  void DrawLogMinorMarks(bool AsGrid);
  void DrawLabels();
  TCustomTextShape* LabelFormat(int Index, TAxisLabelsFormat* Format);
  void DrawOneLabel(int Index, int Pos, const std::string& Text, TCustomTextShape* Format,
                    TPlotPicture* Picture);
  void AdjustRotatedBox(TRect& Box, int X, int Y, int W, int H, int Lines, int Angle);
  void StoreRotatedBounds(TCustomTextShape* Format, const TRect& Box, int Angle);
  void DrawExponent(TCustomTextShape* Format, const TRect& Box, const std::string& Text, int Z,
                    int HW);
  void DrawLabelPicture(const TRect& Box, TPlotPicture* Picture);
  bool IAlternateFlag = false;

  void AddTick(int P) { Tick.push_back(P); }
  void AddLabel(int P, const std::string& Text, TPlotPicture* Picture, double Value,
                TAxisLabelsFormat* Format);
  bool AddValueLabel(double& Value, bool Step);
  void StepLabelDown(double& Value, double Increment) const;
  TDateTimeStep ExactDateTimeStep(double Increment) const;
  void CalcValueLabels();
  void CalcLogLabels();
  void CalcUserLabels();
  void CalcPointLabels();
  void CalcTitleLabels();
  void CalcItemLabels();
  void MeasureLabelRows();
  int TextSize(const std::string& Text, bool Widths, int LineHeight);
  int SeriesTextWidth();

  int CalcLinearX(double Value) const;
  int CalcLinearY(double Value) const;
  int CalcLogX(double Value) const;
  int CalcLogY(double Value) const;
  int CalcDepth(double Value) const;
  using TCalc = int (TChartAxis::*)(double) const;
  TCalc FCalcX = &TChartAxis::CalcLinearX;
  TCalc FCalcY = &TChartAxis::CalcLinearY;

  bool FAutomatic = true;
  bool FAutomaticMaximum = true;
  bool FAutomaticMinimum = true;
  double FDesiredIncrement = 0;
  double FMaximumValue = 0;
  double FMinimumValue = 0;
  bool FLogarithmic = false;
  double FLogarithmicBase = 10;
  int FMaximumOffset = 0, FMinimumOffset = 0;
  bool FMaximumRound = false, FMinimumRound = false;
  bool FResizeChart = false;
  std::unique_ptr<TAxisItems> FAxisItems;
  std::unique_ptr<TAxisLabels> FLabels;
  std::string FAxisValuesFormat = "#,##0.###";
  std::string FDateTimeFormat;
  bool FExactDateTime = true;
  std::unique_ptr<TChartAxisPen> FAxis;
  double FZPosition = 0;
  int FTitleSize = 0;
  std::unique_ptr<TAxisGridPen> FGrid;
  std::unique_ptr<TPlotHiddenPen> FMinorGrid;
  int FMinorTickCount = 3;
  int FMinorTickLength = 2;
  std::unique_ptr<TTicks> FMinorTicks, FTicks, FTicksInner;
  int FTickInnerLength = 0;
  int FTickLength = 4;
  bool FTickOnLabelsOnly = true;
  bool FUsePartnerAxis = false;
  TChartAxis* FPartnerAxis = nullptr;
  std::unique_ptr<TChartCustomAxes> FSubAxes;
  std::unique_ptr<TChartAxisTitle> FAxisTitle;
  std::unique_ptr<TAxisBackShape> FShape;
  bool FInverted = false;
  bool FHorizontal = false;
  bool FOtherSide = false;
  TCustomAxisPanel* FParentChart = nullptr;
  bool FVisible = true;
  double FStartPosition = 0;
  double FEndPosition = 100;
  double FPositionPercent = 0;
  TPlotUnits FPosUnits = muPercent;
  TChartAxis* FMaster = nullptr;
  std::unique_ptr<TCustomSeriesList> ISeriesList;
};

// The axis that runs front to back in a 3D chart; it can label itself with
// the series titles. The panel's two depth axes keep their inverted flags in
// step.
class TChartDepthAxis : public TChartAxis {
 public:
  explicit TChartDepthAxis(TCustomAxisPanel* Chart);
  explicit TChartDepthAxis(TCollection* Collection);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TAxisLabelStyle InternalCalcLabelStyle() override;
  void SetInverted(bool Value) override;
  bool GetLabelsAsSeriesTitles() const { return FLabelsAsTitles; }
  void SetLabelsAsSeriesTitles(bool Value);

 private:
  bool FLabelsAsTitles = true;
};
