#pragma once
// The 3D view of a chart panel: rotation, elevation, tilt, perspective,
// zoom and scroll offsets. Changes repaint the panel through its repaint
// callback; offsets and zoom tell their own callbacks too.

#include <functional>

#include "chart/PlotPen.h"

class TView3DOptions : public TPersistent {
 public:
  // ARepaint stands for the panel: it is called whenever the view changes.
  explicit TView3DOptions(std::function<void()> ARepaint = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Copies the eleven published values of another view as fields, without
  // repainting; the depth offset and the callbacks stay. Other sources are ignored.
  void Assign(TPersistent* Source) override;

  void Repaint();
  // A rotated view looking at the back: rounded rotation in (90, 270).
  bool BackFaced() const;
  // Oblique depth slope: tan of the ortho angle (folded above 90); 1 when rotated.
  double CalcOrthoRatio() const;

  int GetElevation() const { return Rounded(FElevation); }
  double GetElevationFloat() const { return FElevation; }
  double GetRotationFloat() const { return FRotation; }
  void SetElevationInteger(int Value) { SetElevation(Value); }
  void SetElevation(double Value);
  int GetFontZoom() const { return FFontZoom; }
  void SetFontZoom(int Value) { SetIntegerProperty(FFontZoom, Value); }
  int GetHorizOffset() const { return Rounded(FHorizOffset); }
  void SetHorizInteger(int Value) { SetHorizOffset(Value); }
  void SetHorizOffset(double Value);
  int GetOrthoAngle() const { return FOrthoAngle; }
  void SetOrthoAngle(int Value) { SetIntegerProperty(FOrthoAngle, Value); }
  bool GetOrthogonal() const { return FOrthogonal; }
  void SetOrthogonal(bool Value) { SetBooleanProperty(FOrthogonal, Value); }
  int GetPerspective() const { return FPerspective; }
  // Values above 100 are cut to 100; there is no lower bound.
  void SetPerspective(int Value);
  int GetRotation() const { return Rounded(FRotation); }
  void SetRotationInteger(int Value) { SetRotation(Value); }
  void SetRotation(double Value);
  int GetTilt() const { return Rounded(FTilt); }
  void SetTiltInteger(int Value) { SetTilt(Value); }
  void SetTilt(double Value);
  int GetVertOffset() const { return Rounded(FVertOffset); }
  void SetVertInteger(int Value) { SetVertOffset(Value); }
  void SetVertOffset(double Value);
  double GetZOffset() const { return FZOffset; }
  void SetZOffset(double Value);
  int GetZoom() const { return Rounded(FZoom); }
  double GetZoomFloat() const { return FZoom; }
  void SetZoomInteger(int Value) { SetZoom(Value); }
  // Tells OnChangedZoom first, while the old zoom still holds.
  void SetZoom(double Value);
  TCanvasZoomText GetZoomText() const { return FZoomText; }
  // 255 is ignored.
  void SetZoomText(TCanvasZoomText Value);

  std::function<void(bool IsHoriz)> OnScrolled;
  std::function<void(int NewZoom)> OnChangedZoom;

 private:
  static int Rounded(double Value);
  void SetIntegerProperty(int& Field, int Value);
  void SetBooleanProperty(bool& Field, bool Value);
  void SetDouble(double& Field, double Value);

  double FElevation = 345;
  int FFontZoom = 100;
  double FHorizOffset = 0;
  bool FOrthogonal = true;
  int FOrthoAngle = 45;
  int FPerspective = 15;
  double FRotation = 345;
  double FTilt = 0;
  double FVertOffset = 0;
  double FZOffset = 0;
  double FZoom = 100;
  TCanvasZoomText FZoomText = ztManual;
  std::function<void()> FRepaint;
};
