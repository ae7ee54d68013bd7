#pragma once
// TzrAngleButton: a dial. Dragging around its centre sets an angle in
// degrees (optionally snapped to Frequency), shown by the style's rotating
// "tick" part and, with ShowValue, as a number in its "text" part.
// TzrHudAngleButton is the same dial in the dark style.

#include "scene/zr_control.h"

class TzrAngleButton : public TzrControl {
 public:
  explicit TzrAngleButton(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetValue() const { return FValue; }
  // Snaps to n x Frequency (n rounded, halves to even); a changed value
  // turns the tick, refreshes the texts and fires OnChange unless a drag
  // runs with Tracking off.
  void SetValue(float Value);
  float GetFrequency() const { return FFrequency; }
  void SetFrequency(float Value) { FFrequency = Value; }
  bool GetTracking() const { return FTracking; }
  void SetTracking(bool Value) { FTracking = Value; }
  bool GetShowValue() const { return FShowValue; }
  void SetShowValue(bool Value);
  bool GetPressing() const { return FPressing; }

  // Turns the "tick" part to the value; answers it (nil when missing).
  TzrVisualObject* Tick();
  // Refreshes the "text" and "tracktext" parts.
  void Text();

  Variant GetData() override { return Variant(double(FValue)); }
  void SetData(const Variant& Value) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void ApplyStyle() override;

  TNotifyEvent OnChange;

 private:
  bool FPressing = false;
  TzrPoint FOldPos{0, 0};
  float FSaveValue = 0;
  float FValue = 0;
  float FFrequency = 0;
  bool FTracking = true;
  bool FShowValue = false;
};

class TzrHudAngleButton : public TzrAngleButton {
 public:
  using TzrAngleButton::TzrAngleButton;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
