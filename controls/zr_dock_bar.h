#pragma once
// TzrDockBar: a row of children along the bottom edge, MinSize each, centred.
// While the pointer is over the bar the child under it grows to MaxSize and
// its neighbours within 1.5 MaxSize grow by a cosine of their distance, as
// long as some child is under the pointer.

#include "scene/zr_control.h"

class TzrDockBar : public TzrControl {
 public:
  explicit TzrDockBar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetMinSize() const { return FMinSize; }
  void SetMinSize(float Value) { FMinSize = Value; }
  float GetMaxSize() const { return FMaxSize; }
  void SetMaxSize(float Value) { FMaxSize = Value; }

  void MouseLeave() override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void Realign() override;

 private:
  std::vector<TzrVisualObject*> DockedChildren();
  // Sizes the children for a pointer at X and returns the row's width.
  float Magnify(const std::vector<TzrVisualObject*>& Items, float X);

  TzrPoint FMousePos{0, 0};
  float FMaxSize = 64;
  float FMinSize = 32;
  bool FAligning = false;
};
