#pragma once
// The base of series drawn inside a circle or ellipse instead of against
// axes (the pie): the circle rectangle computed from the chart rectangle
// with room for marks, the correction for non-square screen pixels, custom
// radii shared by the circled series of a chart, the centre and rotation,
// conversions between angles and screen positions, the circle's back
// colour, shadow and emboss, an optional decorative frame, and the chart's
// 3D view saved while such a series is active and given back afterwards.

#include <memory>

#include "chart/ChartSeries.h"

class TCanvas3D;
class TFramedBorder;
class TPlotEmboss;
class TPlotGradient;
class TPlotShadow;
class TView3DOptions;

class TCircledSeries : public TChartSeries {
 public:
  explicit TCircledSeries(TComponent* AOwner = nullptr);
  ~TCircledSeries() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void SetActive(bool Value) override;
  void SetParentChart(TChartSeriesPanel* Value) override;
  // Gives the chart back its 3D view before leaving it.
  void Removed() override;
  virtual void AssignFormatting(TChartSeries* Source);
  void DoBeforeDrawValues() override;
  bool IsPointInChartRect(int ValueIndex) const override {
    (void)ValueIndex;
    return true;
  }
  void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;
  bool AssociatedToAxis(TChartAxis* Axis) const override {
    (void)Axis;
    return true;
  }
  bool UseAxis() const override { return false; }

  // ---- geometry
  virtual void CalcRadius();
  void SetCircleRect(const TRect& R);
  // Odd sizes lose a pixel, sizes below 4 become 4; size and centre follow.
  void AdjustCircleRect();
  // Narrows R (or lowers it) so that the circle is round on a screen whose
  // pixels are not square; printing never corrects.
  static void AdjustScreenRatio(TCanvas3D* ACanvas, int AXRadius, int AYRadius, TRect& R,
                                bool IsPrint);
  // The same with the screen's size in pixels and the device's ratio of
  // millimetres (horizontal / vertical) given.
  static void AdjustScreenRatio(int ScreenWidth, int ScreenHeight, double DeviceRatio, int AXRadius,
                                int AYRadius, TRect& R, bool IsPrint);

  // ---- angles (radians, counter-clockwise from three o'clock)
  void AngleToPos(double Angle, double AXRadius, double AYRadius, int& X, int& Y) const;
  void AngleToPos(double Angle, double AXRadius, double AYRadius, float& X, float& Y) const;
  double PointToAngle(int X, int Y) const;
  double PointToRadius(int X, int Y) const;
  void Rotate(int Angle);

  // ---- drawing helpers
  TColor CalcCircleBackColor() const;
  void DrawCircleShadow();
  // Draws the frame (2D only) and shrinks the circle inside it.
  void DrawFrame();
  bool HasFrame() const { return FFrame != nullptr; }

  // ---- properties
  bool GetCircled() const { return FCircled; }
  void SetCircled(bool Value);
  int GetCustomXRadius() const { return FCustomXRadius; }
  void SetCustomXRadius(int Value);
  int GetCustomYRadius() const { return FCustomYRadius; }
  void SetCustomYRadius(int Value);
  // Made on first read.
  TFramedBorder* GetFrame();
  // Nil frees the frame; anything else is copied in.
  void SetFrame(TFramedBorder* Value);
  bool IsFrameStored() const { return FFrame != nullptr; }
  bool GetUniqueCustomRadius() const { return FUniqueCustomRadius; }
  void SetUniqueCustomRadius(bool Value);
  TPlotEmboss* GetEmboss() const { return FEmboss.get(); }
  void SetEmboss(TPlotEmboss* Value);
  TPlotShadow* GetShadow() const { return FShadow.get(); }
  void SetShadow(TPlotShadow* Value);
  int GetRotationAngle() const { return FRotationAngle; }
  void SetRotationAngle(int Value);
  TColor GetCircleBackColor() const;
  void SetCircleBackColor(TColor Value);
  TPlotBrush* GetCircleBrush() const { return FCircleBrush.get(); }
  void SetCircleBrush(TPlotBrush* Value);
  TPlotGradient* GetCircleGradient() const;
  void SetCircleGradient(TPlotGradient* Value);

  int GetXRadius() const { return FXRadius; }
  int GetYRadius() const { return FYRadius; }
  int GetCircleWidth() const { return FCircleWidth; }
  int GetCircleHeight() const { return FCircleHeight; }
  int GetCircleXCenter() const { return FCircleXCenter; }
  int GetCircleYCenter() const { return FCircleYCenter; }
  const TRect& GetCircleRect() const { return FCircleRect; }
  double GetRotationRadians() const { return IRotDegree; }
  // A copy of the chart's 3D options is held while the series is active.
  bool HasBackup3D() const { return IBack3D != nullptr; }

  // Keep room for marks around the circle.
  bool IAdjustCircleForMarks = true;

 protected:
  // The first active series of the same class with visible marks lends its
  // circle rectangle.
  virtual void CheckOtherSeriesMarks();
  // The series' own 3D view, set when it becomes active on a chart.
  virtual void InitCustom3DOptions() {}
  // Saves the chart's 3D options (Restore false, or active) or gives the
  // saved copy back.
  virtual void SetParentProperties(bool Restore);
  void SetBackupProperties();
  // Writes the radius into the other circled series of the chart.
  void SetOtherCustomRadius(bool IsXRadius, int Value);
  // The series of the chart whose class this series is an instance of.
  template <class Fn>
  void ForOtherCircled(Fn F);

  std::unique_ptr<TPlotBrush> FCircleBrush;
  bool FCircled = true;
  int FCustomXRadius = 0;
  int FCustomYRadius = 0;
  std::unique_ptr<TPlotEmboss> FEmboss;
  std::unique_ptr<TFramedBorder> FFrame;
  int FRotationAngle = 0;
  std::unique_ptr<TPlotShadow> FShadow;
  bool FUniqueCustomRadius = true;
  int FXRadius = 0;
  int FYRadius = 0;
  std::unique_ptr<TView3DOptions> IBack3D;
  int FCircleWidth = 0;
  int FCircleHeight = 0;
  int FCircleXCenter = 0;
  int FCircleYCenter = 0;
  TRect FCircleRect{};
  double IRotDegree = 0;
  bool IDestroying = false;
};
