#pragma once
// The base of every data series: its value lists (X, Y and further ones),
// per-point colours, labels and pictures, the axes it is bound to, adding,
// deleting and clearing points, and telling dependent series, the series it
// is a detail of and the chart about every change.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/ChartElement.h"
#include "chart/ChartPointLists.h"
#include "chart/ChartValueList.h"
#include "chart/ChartVisualsList.h"
#include "platform/vcl/Types.h"

class TChartSeries;
class TDataSourcesList;
class TPlotFunction;
class TPlotSelected;
class TSeriesDetail;
class TSeriesMarks;
class TSeriesMarkPosition;
class TCustomTextShape;
class TStrings;

enum TChartToolEvent : int;
enum TValueEvent { veClear, veAdd, veDelete, veRefresh, veModify };
enum TTreatNullsStyle { tnDontPaint, tnSkip, tnIgnore };
enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };
enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText, talPointValue };
using TSeriesClick = std::function<void(TChartSeries* Sender, int ValueIndex, TMouseButton Button,
                                        TShiftState Shift, int X, int Y)>;

enum TSeriesClickedPartStyle { scpNone, scpSegment, scpPointer, scpMark };
// What a point's mark says.
enum TSeriesMarksStyle {
  smsValue,
  smsPercent,
  smsLabel,
  smsLabelPercent,
  smsLabelValue,
  smsLegend,
  smsPercentTotal,
  smsLabelPercentTotal,
  smsXValue,
  smsXY,
  smsSeriesTitle,
  smsPointIndex,
  smsPercentRelative,
  smsLabelPercentValue,
  smsLabelOrValue
};
// What a point's legend row says.
enum TLegendTextStyle {
  ltsPlain,
  ltsLeftValue,
  ltsRightValue,
  ltsLeftPercent,
  ltsRightPercent,
  ltsXValue,
  ltsValue,
  ltsPercent,
  ltsXAndValue,
  ltsXAndPercent,
  ltsXAndText,
  ltsXAndValueAndText
};
// Separates the columns of one legend text.
inline constexpr char PlotColumnSeparator = 6;
// Parts highlighted while the mouse hovers a series (bits of THoverElements).
enum THoverElement { hePrevious, heCurrent, heNext, heJoin };
using THoverElements = uint32_t;

// Which changes of a source series its dependent series follow (bits).
enum TSeriesRecalcOption { rOnDelete, rOnModify, rOnInsert, rOnClear };
using TSeriesRecalcOptions = uint32_t;
inline constexpr TSeriesRecalcOptions AllRecalcOptions = 0xF;
inline constexpr bool HasRecalcOption(TSeriesRecalcOptions Options, TSeriesRecalcOption O) {
  return (Options & (1u << O)) != 0;
}

using TSeriesOnAfterAdd = std::function<void(TChartSeries* Sender, int ValueIndex)>;
using TSeriesOnBeforeAdd = std::function<bool(TChartSeries* Sender)>;
using TSeriesOnClear = std::function<void(TChartSeries* Sender)>;
using TSeriesOnGetMarkText =
    std::function<void(TChartSeries* Sender, int ValueIndex, std::string& MarkText)>;

// The shape of random sample data (RandomBounds).
struct TSeriesRandomBounds {
  double MinY = 0;
  double DifY = 0;
  double StepX = 0;
  double tmpX = 0;
  double tmpY = 0;
};

class TChartSeries : public TCustomChartSeries {
 public:
  explicit TChartSeries(TComponent* AOwner = nullptr);
  ~TChartSeries() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // ---- chart membership
  void SetActive(bool Value) override;
  void SetParentChart(TChartSeriesPanel* Value) override;
  void Added() override;
  void Removed() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // A stream reader gives a series the chart it is read into.
  void SetParentComponent(TComponent* Value) override;
  TComponent* GetParentComponent() const override;
  bool HasParent() const override { return true; }

  // ---- adding points (every form ends in AddXY)
  virtual int AddXY(double X, double Y, const std::string& Label = {}, TColor Color = clDefault);
  virtual int Add(double Value, const std::string& Label = {}, TColor Color = clDefault);
  int AddX(double X, const std::string& Label = {}, TColor Color = clDefault);
  int AddY(double Y, const std::string& Label = {}, TColor Color = clDefault);
  virtual int AddNull(const std::string& Label = {});
  int AddNull(double Value);
  virtual int AddNullXY(double X, double Y, const std::string& Label = {});
  int AddArray(const std::vector<double>& Values);
  int AddArray(const std::vector<int>& Values);
  int AddArray(const std::vector<double>& XValues, const std::vector<double>& YValues);

  // ---- copying points of a source series
  virtual int AddChartValue(TChartSeries* Source, int ValueIndex);
  virtual void AddedValue(TChartSeries* Source, int ValueIndex);
  virtual void DeletedValue(TChartSeries* Source, int ValueIndex);
  // Refills the series from Source.
  virtual void AddValues(TChartSeries* Source);
  virtual bool IsValidSourceOf(TChartSeries* Source) const { return Source != this; }

  // ---- removing points
  virtual void Clear();
  virtual void ClearLists();
  // Raises ChartException for an index outside the points.
  virtual void Delete(int ValueIndex);
  void Delete(int Start, int Quantity, bool RemoveGap = false);

  // ---- notifications
  virtual void NotifyNewValue(TChartSeries* Sender, int ValueIndex);
  virtual void NotifyValue(TValueEvent Event, int ValueIndex);
  virtual void NotifyColorChange(int ValueIndex);
  void BeginUpdate() { ++IUpdating; }
  void EndUpdate();
  bool IsUpdating() const { return IUpdating != 0; }
  void RefreshSeries();
  // The chart checks the series' sources (nothing while updating or alone).
  void CheckDataSource();

  // ---- series fed by this one
  const std::vector<TChartSeries*>& LinkedSeries() const { return FLinkedSeries; }
  void AddLinkedSeries(TChartSeries* Series);
  void RemoveLinkedSeries(TChartSeries* Series);
  // Unlinks the series from every series that feeds it.
  void RemoveAllLinkedSeries();

  // ---- data sources, the function and the detail series
  // The first data source, or nil.
  TComponent* GetDataSource() const;
  // Replaces every source by Value; nil removes the first source.
  void SetDataSource(TComponent* Value);
  // Made on first use.
  TDataSourcesList* DataSources();
  bool HasDataSources() const { return FDataSources != nullptr; }
  // Raises ChartException for an invalid or circular source, leaving the
  // list unchanged; -1 when Component is listed already.
  int InternalSetDataSource(TComponent* Component, bool ClearOthers);
  int InternalAddDataSource(TComponent* Component);
  void InternalRemoveDataSource(TComponent* Component);
  // Takes Component out of the list only.
  void RemoveDataSource(TComponent* Component);
  bool IsValidDataSource(TComponent* Component) const;
  virtual bool IsValidSeriesSource(TChartSeries* Source) const;
  // Raises ChartException when Series depends on this one.
  void CheckOtherSeries(TChartSeries* Series);
  TPlotFunction* GetFunction() const { return FFunction; }
  // The series owns its function; the former one is freed.
  virtual void SetFunction(TPlotFunction* Value);
  // The function's field only (the function detaches itself).
  void ForgetFunction(TPlotFunction* Value);
  // The third or later value list named Name (any case), else the mandatory one.
  virtual TChartValueList* GetYValueList(const std::string& Name) const;
  // Adds a point holding the aggregate of DetailValues, kept as its detail.
  int Add(const std::vector<double>& DetailValues, const std::string& Label, TColor Color);
  // Made on first use.
  TSeriesDetail* Detail();
  bool HasDetail() const { return FDetail != nullptr; }

  // ---- values
  int Count() const { return FX->Count(); }
  virtual double GetxValue(int ValueIndex) const { return FX->GetValue(ValueIndex); }
  virtual double GetyValue(int ValueIndex) const { return FY->GetValue(ValueIndex); }
  void SetXValue(int ValueIndex, double Value);
  void SetYValue(int ValueIndex, double Value);
  virtual double MaxXValue() { return FX->MaxValue(); }
  virtual double MinXValue() { return FX->MinValue(); }
  virtual double MaxYValue() { return FY->MaxValue(); }
  virtual double MinYValue() { return FY->MinValue(); }
  virtual double MaxZValue() { return IZOrder; }
  virtual double MinZValue() { return IZOrder; }
  TChartValueList* XValues() const { return FX; }
  TChartValueList* YValues() const { return FY; }
  void SetXValues(TChartValueList* Value);
  void SetYValues(TChartValueList* Value);
  TChartValueLists& ValuesList() { return FValuesList; }
  // Old's place, name and role go to New; Old is freed.
  void ReplaceList(TChartValueList* Old, TChartValueList* New);
  // Makes X the mandatory list (horizontal series).
  void SetHorizontal();

  // ---- colours and nulls
  virtual TColor GetValueColor(int ValueIndex) const;
  virtual void SetSeriesColor(TColor Color);
  TColor GetSeriesColor() const { return FColor == clDefault ? ISeriesColor : FColor; }
  bool IsColorStored() const { return FColor != clDefault; }
  TColor InternalColor(int ValueIndex) const;
  void ChangeInternalColor(TColor Color);
  void SetDefaultColor();
  void SetValueColor(int ValueIndex, TColor Color);
  bool HasColors() const { return FColors != nullptr; }
  void ColorRange(TChartValueList* ValueList, double FromValue, double ToValue, TColor Color);
  void SetNull(int ValueIndex, bool Null = true);
  bool IsNull(int ValueIndex) const { return GetValueColor(ValueIndex) == clNone; }
  bool IsPainted(int ValueIndex) const;
  bool GetColorEachPoint() const { return FColorEachPoint; }
  virtual void SetColorEachPoint(bool Value);

  // ---- labels and pictures
  TLabelsList* Labels() const { return FLabels.get(); }
  std::string GetXLabel(int ValueIndex) const { return FLabels->GetLabel(ValueIndex); }
  void SetXLabel(int ValueIndex, const std::string& Text) { FLabels->SetLabel(ValueIndex, Text); }
  void SetMarkText(int ValueIndex, const std::string& Text) { SetXLabel(ValueIndex, Text); }
  virtual std::string GetMarkLabel(int ValueIndex) const { return GetXLabel(ValueIndex); }
  bool HasLabels() const;
  virtual bool HasPointLabels() const { return false; }
  // Made on first use.
  TPlotPictureList* Pictures();
  bool HasPictures() const { return FPictures != nullptr; }
  // Made on first use.
  TVisualsList* Visuals();
  bool HasVisuals() const { return FVisuals != nullptr; }

  // ---- selection and hover
  // Made on first use; nil frees it, anything else is copied in.
  TPlotSelected* GetSelected();
  void SetSelected(TPlotSelected* Value);
  bool HasSelected() const { return FSelected != nullptr; }
  // The chart shows hover (or there is no chart) and the series' hover
  // settings exist and are visible.
  virtual bool HoverEnabled() const;
  // The hovered point when the last hit part was a mark (a segment), else -1.
  int HoverOverMark() const;
  int HoverOverSegment() const;
  // Gives the chart's canvas the hover pen when point ValueIndex is hovered.
  virtual bool PrepareHoverPen(int ValueIndex);
  // The mark of point ValueIndex is drawn hovered.
  virtual bool ShouldHoverMark(int ValueIndex) const;

  // ---- axes
  THorizAxis GetHorizAxis() const { return FHorizAxis; }
  void SetHorizAxis(THorizAxis Value);
  TVertAxis GetVertAxis() const { return FVertAxis; }
  void SetVertAxis(TVertAxis Value);
  TChartAxis* GetCustomHorizAxis() const { return FCustomHorizAxis; }
  void SetCustomHorizAxis(TChartAxis* Axis);
  TChartAxis* GetCustomVertAxis() const { return FCustomVertAxis; }
  void SetCustomVertAxis(TChartAxis* Axis);
  // The axes in use, resolved from the choices (nil without a chart).
  TChartAxis* GetHorizAxisInUse() const { return FGetHorizAxis; }
  TChartAxis* GetVertAxisInUse() const { return FGetVertAxis; }
  void RecalcGetAxis();
  TChartAxis* MandatoryAxis() const { return YMandatory ? FGetVertAxis : FGetHorizAxis; }
  virtual bool UseAxis() const { return true; }
  virtual bool AssociatedToAxis(TChartAxis* Axis) const;
  virtual TChartValueList* ValueListOfAxis(TChartAxis* Axis) const;
  virtual TAxisLabelStyle AxisLabelStyle(TChartAxis* Axis) const;

  // ---- drawing, legend and hit-test slots: what the base does; the
  // series kinds override them
  virtual void BeforeCalcAxis() {}
  virtual void ChangedAxisScale(TChartAxis* Axis) { (void)Axis; }
  virtual bool CanBeforeParallel() const { return false; }
  virtual void DoBeforeParallel() {}
  virtual void DrawValue(int ValueIndex) { (void)ValueIndex; }
  virtual bool ClickedPointer(int ValueIndex, int tmpX, int tmpY, int X, int Y);
  // The point at (X, Y), -1 for none.
  virtual int Clicked(int X, int Y);
  virtual bool InvertedLegend() const { return false; }
  virtual int CalcLegendIndex(int Index) const { return Index; }
  virtual int ValueIndexToLegend(int ValueIndex) const { return ValueIndex; }
  virtual int LegendToValueIndex(int LegendIndex) const { return LegendIndex; }
  virtual int CountLegendItems() const { return Count(); }
  virtual TColor LegendItemColor(int LegendIndex) const { return GetValueColor(LegendIndex); }
  virtual void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle);
  // The value a mark shows: the mandatory one.
  virtual double GetMarkValue(int ValueIndex) const {
    return MandatoryValueList->GetValue(ValueIndex);
  }
  virtual double GetOriginValue(int ValueIndex) const { return GetMarkValue(ValueIndex); }
  // Draw order of the points First..Last; empty means index order.
  virtual std::vector<int> SortDrawPoints(int First, int Last, bool Ascending);
  virtual std::vector<int> SortDrawSeries(int A, int B, int C);
  virtual bool CanZoomScroll() const { return UseAxis(); }
  // Offers the sub-gallery charts of the series kind by name.
  virtual void CreateSubGallery(const std::function<void(const std::string& Name)>& AddSubChart);
  virtual void SetSubGallery(TChartSeries* Series, int Index) {
    (void)Series;
    (void)Index;
  }

  // ---- positions on the series' axes (no index checks)
  virtual int CalcXPos(int ValueIndex) const;
  virtual int CalcYPos(int ValueIndex) const;
  int CalcXPosValue(double Value) const;
  int CalcYPosValue(double Value) const;
  int CalcPosValue(double Value) const;
  int CalcXSizeValue(double Value) const;
  int CalcYSizeValue(double Value) const;
  double XScreenToValue(int Pixel) const;
  double YScreenToValue(int Pixel) const;
  std::string XValueToText(double Value) const;
  std::string YValueToText(double Value) const;
  virtual void CalcSelectionPos(int ValueIndex, int& X, int& Y) const;
  virtual bool IsPointInChartRect(int ValueIndex) const;
  // The mouse position on the chart as values of the series' axes; 0 and 0
  // without a chart.
  void GetCursorValues(double& X, double& Y) const;
  // The point under the mouse; -1 without a chart.
  int GetCursorValueIndex();

  // ---- visible points, paging and drawing order
  virtual void CalcFirstLastVisibleIndex();
  int VisibleCount() const;
  int FirstDisplayedIndex() const;
  int LastDisplayedIndex() const;
  void CalcFirstLastPage(int& First, int& Last) const;
  virtual void DrawAllValues();
  virtual void DrawHiddenValue() {}
  virtual bool DrawValuesForward() const;
  virtual bool DrawSeriesForward(int ValueIndex) const;
  virtual bool DrawSeriesAscending() const;
  // The chart's active tools hear the start (end) of the series' drawing,
  // then the BeforeDrawValues (AfterDrawValues) hook runs.
  virtual void DoBeforeDrawValues();
  virtual void DoAfterDrawValues();
  // Tells the chart's active tools about Event for this series.
  void BroadcastEvent(TChartToolEvent Event);
  // The point marks, as the chart's drawing pass asks for them: whether
  // there are visible marks on at least one point, whether they draw after
  // every series, whether they clip to the chart, and drawing them. A series
  // without marks answers no.
  virtual bool HasMarksToDraw() const;
  virtual bool MarksOnTop() const;
  virtual bool MarksClip() const;
  virtual void DrawMarks();

  // ---- marks and legend texts (ChartSeriesMarks.cpp)
  // The marks, made (hidden) on first use on the series' chart.
  TSeriesMarks* GetMarks();
  TSeriesMarks* MarksIfAny() const { return FMarks.get(); }
  bool HasMarks() const { return FMarks != nullptr; }
  void SetMarks(TSeriesMarks* Value);
  std::string MarkPercent(int ValueIndex, bool AddTotal) const;
  std::string GetMarkTextStyle(bool MultiLine, int ValueIndex, TSeriesMarksStyle Style) const;
  std::string GetMarkText(int ValueIndex);
  virtual bool CanDrawMark(int ValueIndex) const;
  virtual void DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position);
  void CalculateMarkPosition(TCustomTextShape* Shape, const std::string& Text, int X, int Y,
                             TSeriesMarkPosition& Position);
  // The offset that moves R clear of Other along the value direction.
  virtual TPoint MarkOverlap(int ValueIndex, const TRect& R, const TRect& Other) const;
  int MaxMarkWidth();
  virtual std::string LegendString(int LegendIndex, TLegendTextStyle Style) const;
  // The legend symbol of point ValueIndex, or of the series for -1.
  virtual void DrawLegend(int ValueIndex, const TRect& Rect);
  virtual void DrawLegendShape(int ValueIndex, const TRect& Rect);

  // ---- depth
  virtual void CalcZOrder();
  virtual void CalcDepthPositions();
  virtual bool MoreSameZOrder() const;
  bool FirstInZOrder() const;

  // ---- mouse
  virtual bool CheckMouse(int X, int Y);
  int Clicked(TPoint P);
  int Clicked(float X, float Y);
  bool ClickedPointer(int ValueIndex, int tmpX, int tmpY, TPoint P);
  bool IsPainted() const { return GetActive(); }
  virtual void MouseDown(int ValueIndex, bool OnPointer, TMouseButton Button, TShiftState Shift,
                         int X, int Y);
  virtual bool RaiseClicked() const { return OnClick != nullptr || OnDblClick != nullptr; }

  // ---- sorting
  virtual void SwapValueIndex(int A, int B);
  virtual void CheckOrder();
  void SortByLabels(TChartListOrder Order = loAscending);
  int CompareLabelIndex(int A, int B) const;

  // ---- sample values
  virtual void FillSampleValues(int NumValues = 0);
  virtual void AddSampleValues(int NumValues, bool OnlyMandatory = false);
  TSeriesRandomBounds RandomBounds(int NumValues);
  virtual int NumSampleValues() const { return 25; }
  bool CanAddRandomPoints() const;

  // ---- streaming and assignment (SeriesStream.cpp, SeriesAssign.cpp)
  // The stream items published properties cannot hold: data sources,
  // custom axes, the points ("Data") and the detail series ("Detail").
  void DefineProperties(TFiler* Filer) override;
  // Resolves the data source names read from a stream.
  void Loaded() override;
  // The inherited children, then the function.
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  // The point stream: flags, count, one record per point. Reading raises
  // EReadError for counts and lengths beyond the data.
  virtual void WriteData(TStream* Stream);
  void ReadData(TStream* Stream);
  void WriteDetail(TStream* Stream);
  void ReadDetail(TStream* Stream);
  bool IsDataStored() const { return ForceSaveData || (ManualData && !DontSaveData); }
  bool IsDataSourceStored() const;
  bool IsValueFormatStored() const;
  bool IsPercentFormatStored() const;
  // Format, marks visibility, function, points or data sources of Source.
  void Assign(TPersistent* Source) override;
  void AssignFormat(TChartSeries* Source);
  virtual void AssignFormatting(TChartSeries* Source);
  void AssignValues(TChartSeries* Source) { AddValues(Source); }
  // Sample points and a quiet look for a thumbnail.
  virtual void PrepareForGallery();
  // Either series is of the other's class.
  bool SameClass(const TChartSeries* Series) const;

  // ---- other properties
  int GetDepth() const { return FDepth; }
  void SetDepth(int Value) { SetIntegerProperty(FDepth, Value); }
  int GetZOrder() const { return FZOrder == -1 ? IZOrder : FZOrder; }
  void SetZOrder(int Value);
  TTreatNullsStyle GetTreatNulls() const { return FTreatNulls; }
  void SetTreatNulls(TTreatNullsStyle Value);
  int GetTransparency() const { return FTransparency; }
  virtual void SetTransparency(int Value) { SetIntegerProperty(FTransparency, Value); }
  const std::string& GetValueFormat() const { return FValueFormat; }
  virtual void SetValueFormat(const std::string& Value) { SetStringProperty(FValueFormat, Value); }
  const std::string& GetPercentFormat() const { return FPercentFormat; }
  void SetPercentFormat(const std::string& Value) { SetStringProperty(FPercentFormat, Value); }
  const std::string& GetColorSource() const { return FColorSource; }
  void SetColorSource(const std::string& Value);
  const std::string& GetLabelsSource() const { return FLabelsSource; }
  void SetLabelsSource(const std::string& Value);
  TSeriesRecalcOptions GetRecalcOptions() const { return FRecalcOptions; }
  void SetRecalcOptions(TSeriesRecalcOptions Value) { FRecalcOptions = Value; }
  double GetDefaultNullValue() const { return FDefaultNull; }
  void SetDefaultNullValue(double Value) { FDefaultNull = Value; }
  THoverElements GetHoverElement() const { return FHoverElement; }
  void SetHoverElement(THoverElements Value) { FHoverElement = Value; }
  int GetCursor() const { return FCursor; }
  void SetCursor(int Value) { FCursor = Value; }

  // ---- events
  TNotifyEvent AfterDrawValues;
  TNotifyEvent BeforeDrawValues;
  TSeriesOnAfterAdd OnAfterAdd;
  TSeriesOnBeforeAdd OnBeforeAdd;
  TSeriesOnClear OnClearValues;
  TSeriesOnGetMarkText OnGetMarkText;
  TSeriesClick OnClick;
  TSeriesClick OnDblClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // ---- state read by the chart and the other parts of the engine
  bool DontSaveData = false;
  bool ForceSaveData = false;
  int FFirstVisibleIndex = -1;
  int FLastVisibleIndex = -1;
  bool IHideWhenVisible = false;
  int INumSampleValues = 0;
  bool IUseSeriesColor = true;
  bool IUseNotMandatory = true;
  int IZOrder = 0;
  int IFirstDrawIndex = 0;
  bool IMandatoryPen = false;
  bool IMandatoryPen2D = false;
  bool FZoomSeries = false;
  bool INoAxisMinMax = false;
  TSeriesClickedPartStyle IClickedPart = scpNone;
  TChartSeries* ParentSeries = nullptr;
  bool CalcVisiblePoints = true;
  bool DrawBetweenPoints = false;
  bool AllowSinglePoint = true;
  bool HasZValues = false;
  int StartZ = 0;
  int MiddleZ = 0;
  int EndZ = 0;
  TChartValueList* MandatoryValueList = nullptr;
  bool ManualData = false;
  TChartValueList* NotMandatoryValueList = nullptr;
  bool YMandatory = true;
  bool IsMouseInside = false;
  TChartListOrder ILabelOrder = loNone;
  TColor ISeriesColor = clDefault;

 protected:
  void NotifyColorChanged();
  void NotifyParentDetail();
  void GrowColors();
  void DropLinkedSeries(TChartSeries* Series);
  void DropSeriesSource(TChartSeries* Series);

  TColor FColor = clDefault;
  bool FColorEachPoint = false;
  std::string FColorSource;
  int FCursor = 0;
  int FDepth = -1;
  TChartAxis* FGetHorizAxis = nullptr;
  TChartAxis* FGetVertAxis = nullptr;
  THoverElements FHoverElement = 0;
  std::unique_ptr<TLabelsList> FLabels;
  std::string FLabelsSource;
  std::vector<TChartSeries*> FLinkedSeries;
  // The series that list this one among their linked series.
  std::vector<TChartSeries*> FSeriesSources;
  std::string FPercentFormat;
  std::unique_ptr<TPlotPictureList> FPictures;
  std::unique_ptr<TVisualsList> FVisuals;
  std::unique_ptr<TPlotSelected> FSelected;
  int FTransparency = 0;
  TTreatNullsStyle FTreatNulls = tnDontPaint;
  std::string FValueFormat;
  TChartValueLists FValuesList;
  TChartValueList* FX = nullptr;
  TChartValueList* FY = nullptr;
  double FDefaultNull = 0;
  THorizAxis FHorizAxis = aBottomAxis;
  TChartAxis* FCustomHorizAxis = nullptr;
  TChartAxis* FCustomVertAxis = nullptr;
  int FZOrder = -1;
  TVertAxis FVertAxis = aLeftAxis;
  TSeriesRecalcOptions FRecalcOptions = AllRecalcOptions;
  std::unique_ptr<TDataSourcesList> FDataSources;
  TPlotFunction* FFunction = nullptr;
  std::unique_ptr<TSeriesDetail> FDetail;
  // Per-point colours; made only when a point gets a colour of its own.
  std::unique_ptr<std::vector<TColor>> FColors;
  std::unique_ptr<TSeriesMarks> FMarks;
  int IUpdating = 0;
  // Data source names read from a stream, resolved in Loaded.
  std::unique_ptr<std::vector<std::string>> FTempDataSources;
};

// The series' component name, or "Series" and its place in its chart from 1.
std::string SeriesNameOrIndex(const TCustomChartSeries* Series);
// The title when not blank, else SeriesNameOrIndex; RemoveLineBreaks
// flattens the title to one line.
std::string SeriesTitleOrName(const TCustomChartSeries* Series, bool RemoveLineBreaks);
// Adds the series of List that editors show to Strings, by flattened title
// or by name, each with the series as its object.
void FillSeriesItems(TStrings* Strings, const std::vector<TCustomChartSeries*>& List,
                     bool UseTitles);
