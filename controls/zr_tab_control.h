#pragma once
// A row of tab headers along the top edge and, below them, the page of the
// selected tab. Each TzrTabItem child names a page (its Layout, usually a
// layout child of the tab control) that is shown only while that tab is
// selected. ItemIndex counts the visible tabs only, which every realign
// renumbers; the selected header is painted over everything else in the
// control, so that it can overlap the frame below it.
// TzrHudTabControl and TzrHudTabItem differ only by their style names.

#include "controls/zr_text_control.h"

class TzrTabControl;

class TzrTabItem : public TzrTextControl {
 public:
  explicit TzrTabItem(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The item's position among the visible tabs (assigned by the tab
  // control's realign). Hides the child position of TzrObject on purpose:
  // the published Index of a tab is this number.
  int GetIndex() const { return FIndex; }
  // Moves the item to position Value of its parent's children; the tab
  // control's next realign renumbers.
  void SetIndex(int Value);
  void SetIndexField(int Value) { FIndex = Value; }
  TzrVisualObject* GetLayout() const { return FLayout; }
  void SetLayout(TzrVisualObject* Value);
  bool GetIsSelected() const { return FIsSelected; }
  // Stores the state and lets the style's "IsSelected" triggers show it.
  void Select(bool ASelected);
  TzrTabControl* TabControl() const;

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void SetVisible(bool Value) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void Realign() override;
  void ApplyStyle() override;
  void DesignSelect() override;
  void DesignInsert() override;

 private:
  void PlaceLayout();

  int FIndex = 0;
  TzrVisualObject* FLayout = nullptr;
  bool FIsSelected = false;
};

class TzrTabControl : public TzrControl {
 public:
  explicit TzrTabControl(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  int GetItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  // Writes the index alone (a hidden tab's re-selection starts from -1).
  void SetItemIndexField(int Value) { FItemIndex = Value; }
  void SetItem(TzrTabItem* AItem);
  float GetItemHeight() const { return FItemHeight; }
  void SetItemHeight(float Value);
  bool GetFullSize() const { return FFullSize; }
  void SetFullSize(bool Value);
  // The number of visible tabs.
  int TabCount() const;
  // The first visible tab whose Index is AIndex, or nil.
  TzrTabItem* TabItem(int AIndex) const;

  std::string ItemClass() override { return "TzrTabItem"; }
  void AddObject(TzrObject* AObject) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void PaintChildren() override;
  void Realign() override;
  void ApplyStyle() override;
  void FreeStyle() override;

  TNotifyEvent OnChange;

 private:
  void MoveTabsFirst();
  // Numbers the visible tabs and answers the header height.
  float NumberTabs();
  void PlaceStyleRoot(float AHeaderHeight);
  void PlaceTabs(float AHeaderHeight);

  int FItemIndex = -1;
  float FItemHeight = 0;
  bool FFullSize = false;
  TzrVisualObject* FBackground = nullptr;
};

class TzrHudTabControl : public TzrTabControl {
 public:
  using TzrTabControl::TzrTabControl;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ItemClass() override { return "TzrHudTabItem"; }
};

class TzrHudTabItem : public TzrTabItem {
 public:
  using TzrTabItem::TzrTabItem;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// Registers the tab control's classes (idempotent); runs after the
// standard controls' registration.
void RegisterTabControls();
