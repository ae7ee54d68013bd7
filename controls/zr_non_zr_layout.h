#pragma once
// TzrNonZRLayout: keeps an ordinary framework control (outside the scene)
// glued to the layout's place in the scene. The control follows every
// layout and move of the layout; a timer checks every 100 ms whether the
// layout or an ancestor was hidden and hides the control with it. The
// control is not owned: its own owner frees it and the layout forgets it.

#include <memory>

#include "controls/zr_layouts.h"
#include "scene/zr_timer.h"

class TControl;

class TzrNonZRLayout : public TzrLayout {
 public:
  explicit TzrNonZRLayout(TComponent* AOwner);
  ~TzrNonZRLayout() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TControl* GetControl() const { return FControl; }
  // Refuses the scene's own host window: it cannot sit over itself.
  void SetControl(TControl* Value);
  TzrTimer* GetVisibleTimer() const { return FVisibleTimer; }

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MatrixChanged(TObject* Sender) override;
  bool CheckParentVisible() override;
  void Realign() override;
  // A size change re-lays out only a layout with children: these place
  // the control also when the layout holds none.
  void SetWidth(float Value) override;
  void SetHeight(float Value) override;
  void SetBounds(float X, float Y, float AWidth, float AHeight) override;

 private:
  void PlaceControl();
  void DoVisibleTimer(TObject* Sender);

  TControl* FControl = nullptr;
  TzrTimer* FVisibleTimer = nullptr;
};
