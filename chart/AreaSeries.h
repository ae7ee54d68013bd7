#pragma once
// The area series: the region between the line through the points and the
// origin (the axis, the stacked series below, or YOrigin) is filled; with
// THorizAreaSeries the values run across.

#include "chart/CustomSeries.h"

class TAreaSeries : public TCustomSeries {
 public:
  explicit TAreaSeries(TComponent* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Raises the framework's invalid type cast when Source is not a series.
  void Assign(TPersistent* Source) override;
  std::string GetEditorClass() const override { return "TAreaSeriesEditor"; }
  void CalcZOrder() override;
  void CreateSubGallery(const std::function<void(const std::string& Name)>& AddSubChart) override;
  void SetSubGallery(TChartSeries* Series, int Index) override;
  void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
  void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;
  double MaxXValue() override;
  double MinXValue() override;
  double MaxYValue() override;
  double MinYValue() override;
  bool DrawSeriesForward(int ValueIndex) const override;
  bool SameClassOrigin(const TChartSeries* Series) const override;
  int GetOriginPos(int ValueIndex) const override;
  void ResetBrush() override;

  TMultiArea GetMultiArea() const;
  void SetMultiArea(TMultiArea Value);
  int GetStackGroup() const { return FStackGroup; }
  void SetStackGroup(int Value) { SetIntegerProperty(FStackGroup, Value); }
  bool GetUseYOrigin() const { return FUseOrigin; }
  void SetUseYOrigin(bool Value) { SetBooleanProperty(FUseOrigin, Value); }
  double GetYOrigin() const { return FOrigin; }
  void SetYOrigin(double Value) { SetDoubleProperty(FOrigin, Value); }

 private:
  // The value-direction extreme widened to YOrigin when it is used.
  double WithOrigin(double Value, bool IsMin) const;

  double FOrigin = 0;
  int FStackGroup = 0;
  bool FUseOrigin = false;
};

class THorizAreaSeries : public TAreaSeries {
 public:
  explicit THorizAreaSeries(TComponent* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  int NumSampleValues() const override { return 10; }
  // The box right of its point, centred on the connector's end.
  void DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) override;
};
