#pragma once
// TzrGradientEdit: edits the stops of a gradient. The ramp is drawn over a
// checkerboard with the stops as handles in a 10-unit band below it. A
// click in the ramp inserts a stop that keeps the look, a handle drags the
// stop along the ramp, and a handle released below the editor deletes its
// stop; the current stop's colour goes to a linked hue strip.

#include <memory>

#include "scene/zr_control.h"

class TzrBitmap;
class TzrColorPicker;
class TzrGradient;

class TzrGradientEdit : public TzrControl {
 public:
  explicit TzrGradientEdit(TComponent* AOwner);
  ~TzrGradientEdit() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrGradient* GetGradient() const { return FGradient.get(); }
  // Copies the given gradient.
  void SetGradient(TzrGradient* Value);
  int GetCurrentPoint() const { return FCurrentPoint; }
  void SetCurrentPoint(int Value);
  bool GetCurrentPointInvisible() const { return FCurrentPointInvisible; }
  TzrColorPicker* GetColorPicker() const { return FColorPicker; }
  void SetColorPicker(TzrColorPicker* Value);

  // The handle of stop Index under the ramp; empty for an index outside
  // the stops.
  TzrRect GetPointRect(int Index);
  // Hands the current stop's colour to the linked picker (nothing when the
  // current index lies outside the stops).
  void UpdateGradient();

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void Paint() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelectPoint;

 private:
  void DoChanged();
  // The offset along the ramp under local X, 0..1.
  float OffsetAt(float X) const;
  // Whether Index names a stop.
  bool HasPoint(int Index) const;
  void PassColor();
  void InsertPoint(float X);

  std::unique_ptr<TzrBitmap> FBitmap;
  std::unique_ptr<TzrGradient> FGradient;
  int FCurrentPoint = 0;
  bool FCurrentPointInvisible = false;
  bool FMoving = false;
  TzrColorPicker* FColorPicker = nullptr;
};
