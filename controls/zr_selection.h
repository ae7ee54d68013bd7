#pragma once
// Objects that let a user move and resize things inside a scene:
// TzrSelection is a dashed frame with four round corner grips that moves
// with a body drag and resizes with a grip drag; TzrSelectionPoint is one
// draggable round handle centred on its position; TzrDesignFrame is an inert
// placeholder with the same events. The bitmap editor's crop frame is a
// TzrSelection.

#include "scene/zr_visual.h"

class TzrSelection : public TzrVisualObject {
 public:
  explicit TzrSelection(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetParentBounds() const { return FParentBounds; }
  void SetParentBounds(bool Value) { FParentBounds = Value; }
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  int GetMinSize() const { return FMinSize; }
  // 0 or less is stored as 1.
  void SetMinSize(int Value);
  bool GetProportional() const { return FProportional; }
  void SetProportional(bool Value) { FProportional = Value; }
  float GetGripSize() const { return FGripSize; }
  // Clamped to 1 ... 20.
  void SetGripSize(float Value);

  // The grip square (side 2 x GripSize) around the corner Index: 0
  // left-top, 1 right-top, 2 right-bottom, 3 left-bottom; local coordinates.
  TzrRect GripRect(int Index) const;
  bool GetMoving() const { return FMove; }
  bool GetLeftTopHot() const { return FLeftTopHot; }
  bool GetRightTopHot() const { return FRightTopHot; }
  bool GetRightBottomHot() const { return FRightBottomHot; }
  bool GetLeftBottomHot() const { return FLeftBottomHot; }

  TzrRect GetAbsoluteRect() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseLeave() override;
  void Paint() override;
  bool PointInObject(float X, float Y) override;

  TNotifyEvent OnChange;  // after a move or resize ends
  TNotifyEvent OnTrack;   // at every step of a drag

 private:
  bool Dragging() const { return FMove || FLeftTop || FLeftBottom || FRightTop || FRightBottom; }
  // The pointer (local point) in the parent's coordinates, clamped to the
  // parent when ParentBounds.
  TzrPoint ParentPoint(float X, float Y);
  TzrPoint ParentSize() const;
  void MoveBody(float X, float Y);
  void Resize(const TzrPoint& M);
  void UpdateHot(float X, float Y);

  bool FParentBounds = true;
  bool FHideSelection = false;
  int FMinSize = 15;
  bool FProportional = false;
  float FGripSize = 3;
  float FRatio = 1;
  bool FMove = false, FLeftTop = false, FLeftBottom = false, FRightTop = false,
       FRightBottom = false;
  bool FLeftTopHot = false, FLeftBottomHot = false, FRightTopHot = false, FRightBottomHot = false;
  TzrPoint FDownPos{};
  TzrPoint FMovePos{};
  // The frame (in the parent's coordinates) and the pointer at the press: a
  // grip drag keeps the grabbed corner's offset to the pointer.
  TzrRect FDownRect{};
  TzrPoint FDownParent{};
};

class TzrSelectionPoint : public TzrVisualObject {
 public:
  explicit TzrSelectionPoint(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetParentBounds() const { return FParentBounds; }
  void SetParentBounds(bool Value) { FParentBounds = Value; }
  float GetGripSize() const { return FGripSize; }
  // Clamped to 1 ... 20; the size follows.
  void SetGripSize(float Value);
  bool GetPressed() const { return FPressed; }

  // Both ignore their argument: the size is always 2 x GripSize.
  void SetWidth(float Value) override;
  void SetHeight(float Value) override;
  // Takes the position only, for the same reason.
  void SetBounds(float X, float Y, float AWidth, float AHeight) override;
  TzrRect GetUpdateRect() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Paint() override;
  bool PointInObject(float X, float Y) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnTrack;

 private:
  bool FParentBounds = true;
  float FGripSize = 3;
  bool FPressed = false;
};

// Takes the mouse like any node and draws nothing; it fires neither event
// itself.
class TzrDesignFrame : public TzrVisualObject {
 public:
  explicit TzrDesignFrame(TComponent* AOwner) : TzrVisualObject(AOwner) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Paint() override {}

  TNotifyEvent OnChange;
  TNotifyEvent OnTrack;
};

// Registers the three classes under "Design".
void RegisterSelectionObjects();
