#pragma once
// TzrSplitter: a thin bar aligned to a side of its parent that resizes the
// aligned neighbour on that side while dragged with the left button. The
// neighbour is the first visible, unlocked sibling on the same axis whose
// rectangle holds the point just outside the bar; its size is kept between
// MinSize and what the parent's other aligned children leave. The style's
// "grip" shows while ShowGrip is on; at design time the bar is outlined.

#include "scene/zr_control.h"

// The split cursors the bar shows across and along its axis.
constexpr int crHSplit = -14;
constexpr int crVSplit = -15;

class TzrSplitter : public TzrControl {
 public:
  explicit TzrSplitter(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetMinSize() const { return FMinSize; }
  void SetMinSize(float Value) { FMinSize = Value; }
  bool GetShowGrip() const { return FShowGrip; }
  void SetShowGrip(bool Value);
  // The object being resized during a drag, nil otherwise.
  TzrVisualObject* GetResized() const { return FControl; }

  // Takes the cursor of its axis: vertical split for top and bottom.
  void SetAlign(TzrAlign Value) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void Paint() override;
  void ApplyStyle() override;
  // A neighbour freed during a drag is forgotten.
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  bool Horizontal() const;
  TzrVisualObject* FindNeighbour();
  float LargestSize();
  // The neighbour's size for the pointer at (X, Y), clamped; Split gets the
  // travel along the axis, corrected by the clamping.
  float NewSize(float X, float Y, float& Split);
  void ApplySize(float Size);
  void Forget();

  bool FPressed = false;
  TzrVisualObject* FControl = nullptr;
  TzrPoint FDownPos{};
  float FMinSize = 20;
  float FMaxSize = 0;
  float FNewSize = 0;
  float FOldSize = 0;
  float FSplit = 0;
  bool FShowGrip = true;
};
