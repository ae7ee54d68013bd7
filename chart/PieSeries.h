#pragma once
// The pie series: each point's absolute value gets its share of the total
// angle as a slice of the circle (or half circle, ring or ellipse). On the
// circle geometry of TCircledSeries it adds the slice angles, exploded
// slices, slice heights in 3D, the grouping of small values into one other
// slice, several pies in one chart (side by side or concentric), the
// painting of slices in 2D and 3D (gradients, patterns, donut holes, a bevel
// ring), the depth order of 3D slices, hit testing, legend entries and the
// placement of its marks around the circle.
//
// Data preparation and properties: PieSeries.cpp; layout, drawing and hit
// testing: PieSeriesDraw.cpp; marks: PieMarks.cpp.

#include <memory>
#include <string>
#include <vector>

#include "chart/Canvas3D.h"
#include "chart/CircledSeries.h"
#include "chart/PieMarks.h"

class TChartLegend;
class TPieSeries;

enum TMultiPie { mpAutomatic, mpDisabled, mpConcentric };
enum TPieOtherStyle { poNone, poBelowPercent, poBelowValue };

// The X value of the point that carries the other slice.
inline constexpr double PieOtherSliceX = 2147483647.0;

// Per-slice integers (explode percentages, heights) that read 0 past the end.
class TSliceValueList {
 public:
  explicit TSliceValueList(TChartSeries* AOwner = nullptr) : OwnerSeries(AOwner) {}
  int Count() const { return int(FItems.size()); }
  int Get(int Index) const { return Index >= 0 && Index < Count() ? FItems[Index] : 0; }
  // Grows the list with zeros up to Index; a different value repaints.
  void Put(int Index, int Value);
  void Assign(const TSliceValueList& Source) { FItems = Source.FItems; }
  void Clear() { FItems.clear(); }
  void Delete(int Index);
  void Exchange(int A, int B);
  void GrowTo(int Size);

  TChartSeries* OwnerSeries;

 private:
  std::vector<int> FItems;
};

// Small values grouped into one slice.
class TPieOtherSlice : public TPersistent {
 public:
  explicit TPieOtherSlice(TPieSeries* AOwner = nullptr);
  ~TPieOtherSlice() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;

  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  // The other slice's own legend, listing the grouped points: made on first
  // read, invisible, on the pie's chart. Nil frees it; anything else is
  // copied in.
  TChartLegend* GetLegend();
  void SetLegend(TChartLegend* Value);
  bool HasLegend() const { return FLegend != nullptr; }
  // Moves the legend to the pie's chart.
  void ChartChanged();
  TPieOtherStyle GetStyle() const { return FStyle; }
  void SetStyle(TPieOtherStyle Value);
  // The text, or "Other" when empty.
  std::string GetText() const;
  void SetText(const std::string& Value);
  bool IsTextStored() const { return !FText.empty(); }
  double GetValue() const { return FValue; }
  void SetValue(double Value);

  // Set while the other slice's own legend is laid out and drawn: the pie
  // then lists the grouped points instead of the others.
  bool LegendDrawing = false;

 private:
  void Repaint();

  TColor FColor = clDefault;
  std::unique_ptr<TChartLegend> FLegend;
  TPieOtherStyle FStyle = poNone;
  std::string FText;
  double FValue = 0;
  TPieSeries* FOwner;
};

// A bright ring at the outer edge of the slices.
class TPieBevel : public TPersistent {
 public:
  explicit TPieBevel(TPieSeries* ASeries = nullptr) : ISeries(ASeries) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;

  int GetBright() const { return FBright; }
  void SetBright(int Value);
  int GetPercent() const { return FPercent; }
  void SetPercent(int Value);
  bool GetUseBorder() const { return FUseBorder; }
  void SetUseBorder(bool Value);

 private:
  void Repaint();

  int FBright = 32;
  int FPercent = 0;
  bool FUseBorder = true;
  TPieSeries* ISeries;
};

// Angles in radians, counter-clockwise from three o'clock, before the
// series rotation.
struct TPieAngle {
  double StartAngle = 0;
  double MidAngle = 0;
  double EndAngle = 0;
};

class TPieSeries : public TCircledSeries {
 public:
  explicit TPieSeries(TComponent* AOwner = nullptr);
  ~TPieSeries() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string GetEditorClass() const override { return "TPieSeriesEditor"; }

  using TChartSeries::Clicked;
  using TChartSeries::Delete;

  // ---- overrides of the series
  void DoBeforeDrawChart() override;
  void AssignFormatting(TChartSeries* Source) override;
  void CalcZOrder() override;
  int CalcLegendIndex(int Index) const override { return LegendToValueIndex(Index); }
  void CalcSelectionPos(int ValueIndex, int& X, int& Y) const override;
  void ClearLists() override;
  void CreateSubGallery(const std::function<void(const std::string& Name)>& AddSubChart) override;
  void DoAfterDrawValues() override;
  void DoBeforeDrawValues() override;
  void DrawAllValues() override;
  void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
  void DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) override;
  void DrawMarks() override;
  void DrawValue(int ValueIndex) override;
  bool MoreSameZOrder() const override { return false; }
  void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;
  void SetSubGallery(TChartSeries* Series, int Index) override;
  void Clear() override;
  int CountLegendItems() const override;
  void Delete(int ValueIndex) override;
  int LegendToValueIndex(int LegendIndex) const override;
  double MaxXValue() override;
  double MaxYValue() override;
  double MinXValue() override;
  double MinYValue() override;
  int CalcXPos(int ValueIndex) const override;
  void CalcFirstLastVisibleIndex() override;
  int Clicked(int X, int Y) override;
  void AddSampleValues(int NumValues, bool OnlyMandatory = false) override;
  int NumSampleValues() const override { return 8; }
  void SwapValueIndex(int A, int B) override;
  void CheckOrder() override;
  void GalleryChanged3D(bool Is3D) override;
  void PrepareForGallery();

  // ---- the slices
  virtual void DrawPie(int ValueIndex);
  int AddPie(double AValue, const std::string& ALabel = {}, TColor AColor = clDefault);
  bool BelongsToOtherSlice(int ValueIndex) const { return GetxValue(ValueIndex) == -1; }
  void CalcAngles();
  void CheckAngles();
  const std::vector<TPieAngle>& Angles() const { return FAngles; }
  void CalcExplodedRadius(int ValueIndex, int& AXRadius, int& AYRadius) const;
  void CalcExplodedOffset(int ValueIndex, int& OffsetX, int& OffsetY) const;
  void CalcExplodeBiggest();
  int SliceEndZ(int ValueIndex) const;
  // The slice under (X, Y), -1 for none; Exploded moves each slice by its
  // explode offset first.
  int CalcClickedPie(int X, int Y, bool Exploded) const;
  TColor ChangeColor(TColor AColor, int Amount) const;
  void SetGradientColor(TPlotGradient* AGradient, TColor AColor) const;
  TBrushStyle SliceBrushStyle(int ValueIndex) const;
  void PreparePiePen(int ValueIndex);
  // The number of active pie series of the chart.
  int PieCount() const;
  void RemoveOtherSlice();
  // The points without the other slice, which the next drawing adds again.
  void WriteData(TStream* Stream) override;
  void DisableRotation();
  // The depth key of a slice for the 3D drawing order (backmost first).
  double SliceDepthKey(int ValueIndex) const;
  const std::vector<int>& SortedSlices() const { return ISortedSlice; }

  // ---- properties
  int GetAngleSize() const { return FAngleSize; }
  void SetAngleSize(int Value) { SetIntegerProperty(FAngleSize, Value); }
  bool GetAutoMarkPosition();
  void SetAutoMarkPosition(bool Value);
  TPieBevel* GetBevel() const { return FBevel.get(); }
  void SetBevel(TPieBevel* Value) { FBevel->Assign(Value); }
  int GetBevelPercent() const { return FBevel->GetPercent(); }
  void SetBevelPercent(int Value) { FBevel->SetPercent(Value); }
  bool GetDark3D() const { return FDark3D; }
  void SetDark3D(bool Value) { SetBooleanProperty(FDark3D, Value); }
  int GetDarkPen() const { return FDarkPen; }
  void SetDarkPen(int Value) { SetIntegerProperty(FDarkPen, Value); }
  int GetDonutPercent() const { return FDonutPercent; }
  void SetDonutPercent(int Value) { SetIntegerProperty(FDonutPercent, Value); }
  TEdgeStyle GetEdgeStyle() const { return FEdgeStyle; }
  void SetEdgeStyle(TEdgeStyle Value);
  TSliceValueList& ExplodedSlice() { return FExplodedSlice; }
  const TSliceValueList& ExplodedSlice() const { return FExplodedSlice; }
  int GetExplodeBiggest() const { return FExplodeBiggest; }
  void SetExplodeBiggest(int Value);
  int GetGradientBright() const { return FGradientBright; }
  void SetGradientBright(int Value);
  TMultiPie GetMultiPie() const { return FMultiPie; }
  void SetMultiPie(TMultiPie Value);
  TPieOtherSlice* GetOtherSlice() const { return FOtherSlice.get(); }
  void SetOtherSlice(TPieOtherSlice* Value) { FOtherSlice->Assign(Value); }
  TPieMarks* GetPieMarks() const { return FPieMarks.get(); }
  void SetPieMarks(TPieMarks* Value) { FPieMarks->Assign(Value); }
  TPlotPen* GetPiePen() const { return GetPen(); }
  void SetPiePen(TPlotPen* Value) { SetPen(Value); }
  TChartValueList* GetPieValues() const { return YValues(); }
  void SetPieValues(TChartValueList* Value) { SetYValues(Value); }
  void SetParentChart(TChartSeriesPanel* Value) override;
  TSliceValueList& SliceHeights() { return FSliceHeights; }
  bool GetUsePatterns() const { return FUsePatterns; }
  void SetUsePatterns(bool Value) { SetBooleanProperty(FUsePatterns, Value); }
  bool GetIsExploded() const { return IsExploded; }

  // Set while marks are drawn with an automatic tail alignment.
  bool FAutoMarkPointer = false;

 protected:
  void InitCustom3DOptions() override;
  void CheckOtherSeriesMarks() override {}

 private:
  // Mark placement helpers (PieMarks.cpp).
  TTailEdge GetMarkQuadrant(TTailAlign& Align, double Angle) const;
  TPoint GetTailEnd(int X, int Y, int Margin, int Z, TTailAlign Align) const;
  void NudgeOverlap(int ValueIndex, TSeriesMarkPosition& Position);
  // Layout of several pies (PieSeriesDraw.cpp).
  void LayoutConcentric();
  void LayoutAutomatic();
  void DrawPieShadows();
  void DrawSortedSlices();
  void DrawOtherLegend();
  std::vector<TPoint> SlicePolygon(int ValueIndex, bool Exploded) const;

  int FAngleSize = 360;
  std::unique_ptr<TPieBevel> FBevel;
  bool FDark3D = true;
  int FDarkPen = 0;
  int FDonutPercent = 0;
  TEdgeStyle FEdgeStyle = edNone;
  TSliceValueList FExplodedSlice;
  int FExplodeBiggest = 0;
  int FGradientBright = 0;
  TMultiPie FMultiPie = mpAutomatic;
  std::unique_ptr<TPieOtherSlice> FOtherSlice;
  std::unique_ptr<TPieMarks> FPieMarks;
  TSliceValueList FSliceHeights;
  bool FUsePatterns = false;
  std::vector<int> ISortedSlice;
  TRect IOldChartRect{};
  int IOldDonut = 0;
  bool IHideSides = false;
  std::vector<TPieAngle> FAngles;
  bool IsExploded = false;
  std::unique_ptr<TSeriesMarkPosition> IOtherMarkPosition;
};
