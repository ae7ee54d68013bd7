#pragma once
// TzrPopupItem: a menu entry with a cascading popup of its own. The entry's
// sub-items live in that popup (objects added to the item go there) and are
// streamed as the item's children. Hovering the entry opens the popup;
// leaving it closes the popup unless the pointer went into it; a closing
// popup lets the open sub-menus below it check the pointer too.

#include "scene/zr_popup.h"

class TzrPopupItem : public TzrControl {
 public:
  explicit TzrPopupItem(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void DefineProperties(TFiler* Filer) override;
  void AddObject(TzrObject* AObject) override;
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  void Realign() override;
  TzrVisualObject* DesignClick() override;
  void MouseEnter() override;
  void MouseLeave() override;

  // Copies the placement and offsets into the popup.
  virtual void ApplyPlacement();
  TzrPopup* GetPopup() const { return FPopup; }
  TzrPlacement GetPlacement() const { return FPlacement; }
  void SetPlacement(TzrPlacement Value);
  float GetHorizontalOffset() const { return FHorizontalOffset; }
  void SetHorizontalOffset(float Value);
  float GetVerticalOffset() const { return FVerticalOffset; }
  void SetVerticalOffset(float Value);
  // When the popup closes: every popup item below this one hears
  // MouseLeave, so open sub-menus the pointer has left close too.
  void DoClosePopup(TObject* Sender);

 private:
  // Whether the pointer (screen pixels) lies in Node, mapped through the
  // scene window of Scene.
  static bool PointerIn(IzoRurev* Scene, TzrVisualObject* Node, int X, int Y);

  TzrPopup* FPopup = nullptr;
  TzrPlacement FPlacement = zrPlacementBottom;
  float FHorizontalOffset = 0;
  float FVerticalOffset = 0;
};
