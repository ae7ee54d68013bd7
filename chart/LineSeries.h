#pragma once
// The line series (values running up, or across with THorizLineSeries) and
// the point series, which draws its pointers only.

#include "chart/CustomSeries.h"

class TLineSeries : public TCustomSeries {
 public:
  explicit TLineSeries(TComponent* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // The custom copy; the pointer is hidden unless Source is a line series.
  void Assign(TPersistent* Source) override;
  void CreateSubGallery(const std::function<void(const std::string& Name)>& AddSubChart) override;
  void SetSubGallery(TChartSeries* Series, int Index) override;
  void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;
};

class THorizLineSeries : public TLineSeries {
 public:
  explicit THorizLineSeries(TComponent* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // The widest mark.
  int CalcMarkLength(int ValueIndex) override;
  // The box beside its point, away from the origin.
  void DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) override;
};

class TPointSeries : public TCustomSeries {
 public:
  explicit TPointSeries(TComponent* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // The custom copy, then pointer shown, no line, no area, lines not clickable.
  void Assign(TPersistent* Source) override;
  std::string GetEditorClass() const override { return "TSeriesPointerEditor"; }
  void CreateSubGallery(const std::function<void(const std::string& Name)>& AddSubChart) override;
  void SetSubGallery(TChartSeries* Series, int Index) override;
  // Switching on also gives the pointer the automatic colour.
  void SetColorEachPoint(bool Value) override;
  // The pointer takes the transparency too.
  void SetTransparency(int Value) override;
  virtual bool CanDoExtra() const { return true; }

 private:
  void FixedSettings();
};
