#pragma once
// A series drawn as one thin line through its points with as little work per
// point as possible: positions straight from the axes, one pen preparation
// per pass, points on the previous pixel skipped, optionally one vertical
// stroke per pixel column, and the whole line as one polyline computed before
// drawing.

#include <vector>

#include "chart/CustomSeries.h"

class TCanvas3D;

enum TDrawAllPointsStyle { daFirst, daMinMax };
enum TFastLineDrawStyle { flSegments, flAll };

class TFastLineSeries : public TCustomLineSeries {
 public:
  explicit TFastLineSeries(TComponent* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  std::string GetEditorClass() const override { return "TFastLineSeriesEditor"; }

  void CalcHorizMargins(int& LeftMargin, int& RightMargin) override;
  void CalcVerticalMargins(int& TopMargin, int& BottomMargin) override;
  bool CanBeforeParallel() const override { return ShouldDrawAsPolyline(); }
  void CreateSubGallery(const std::function<void(const std::string& Name)>& AddSubChart) override;
  void SetSubGallery(TChartSeries* Series, int Index) override;
  void DoBeforeParallel() override;
  void DrawAllValues() override;
  void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
  void DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) override;
  void DrawValue(int ValueIndex) override;
  void NotifyNewValue(TChartSeries* Sender, int ValueIndex) override;
  void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;
  void SetSeriesColor(TColor Color) override;
  void CalcFirstLastVisibleIndex() override;
  int Clicked(int X, int Y) override;

  // Every point, flAll, nulls ignored, no stairs, on a 2D chart.
  bool ShouldDrawAsPolyline() const;
  bool UseFastLine() const;
  // The point's pixel position from the axes' position functions.
  void CalcPosition(int ValueIndex, int& X, int& Y) const;

  bool GetAutoRepaint() const { return FAutoRepaint; }
  void SetAutoRepaint(bool Value) { FAutoRepaint = Value; }
  int GetClickTolerance() const { return FClickTolerance; }
  void SetClickTolerance(int Value) { FClickTolerance = Value; }
  bool GetDrawAllPoints() const { return FDrawAll; }
  void SetDrawAllPoints(bool Value) { SetBooleanProperty(FDrawAll, Value); }
  TDrawAllPointsStyle GetDrawAllPointsStyle() const { return FDAPStyle; }
  void SetDrawAllPointsStyle(TDrawAllPointsStyle Value);
  TFastLineDrawStyle GetDrawStyle() const { return FDrawStyle; }
  void SetDrawStyle(TFastLineDrawStyle Value);
  bool GetFastPen() const { return FFastPen; }
  void SetFastPen(bool Value) { SetBooleanProperty(FFastPen, Value); }
  bool GetIgnoreNulls() const { return FIgnoreNulls; }
  void SetIgnoreNulls(bool Value) { SetBooleanProperty(FIgnoreNulls, Value); }
  bool GetInvertedStairs() const { return FInvertedStairs; }
  void SetInvertedStairs(bool Value) { SetBooleanProperty(FInvertedStairs, Value); }
  // The line series' pen; setting it also sets the series colour.
  void SetLinePen(TPlotPen* Value);
  bool GetStairs() const { return FStairs; }
  void SetStairs(bool Value) { SetBooleanProperty(FStairs, Value); }

  // Keep the X (Y) pixels of the precomputed polyline from the last pass
  // while its length stays.
  bool ReuseXValues = false;
  bool ReuseYValues = false;
  // The precomputed polyline.
  const std::vector<TPoint>& Points() const { return IPoints; }

 private:
  TCanvas3D* Canvas() const;
  void PrepareCanvas();
  void DoMove(int X, int Y);
  void LineToPoint(int X, int Y);
  void Line(int X, int Y);
  void ColumnStroke(bool Last);

  bool FAutoRepaint = true;
  int FClickTolerance = 0;
  TDrawAllPointsStyle FDAPStyle = daFirst;
  bool FDrawAll = true;
  TFastLineDrawStyle FDrawStyle = flSegments;
  bool FFastPen = false;
  bool FIgnoreNulls = true;
  bool FInvertedStairs = false;
  bool FStairs = false;
  int OldX = 0, OldY = 0;
  int IMin = 0, IMax = 0;
  bool ISameX = false;
  std::vector<TPoint> IPoints;
  bool IDrawingAllValues = false;
};
