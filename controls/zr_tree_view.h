#pragma once
// The toolkit's tree: TzrTreeView and its TzrTreeViewItem.
//
// Top-level items are children of the tree's scroll content and every item
// holds its own child items directly, so the scene's object tree is the data
// tree. An item shows the expander button of its style ("button"), an
// optional check box ("check") and its text; an expanded item shows its
// children below it, indented by 19 per level, and a collapsed one hides
// every descendant (invisible, opacity 0).
//
// The visible items are numbered in display order (depth first, parent
// before children; collapsed subtrees get no numbers). Keyboard navigation,
// range selection and the highlight work on these global indices, which
// every layout and every addition or removal of an item renews. The current
// item (Selected) is a reference the tree drops when the item goes; making
// an item current expands its ancestors and scrolls it into view.
//
// Dragging an item onto another re-parents it under that item (which
// expands); a drop on empty space makes it a top-level item. A drop onto the
// dragged item itself or onto one of its descendants is refused.

#include <functional>
#include <vector>

#include "controls/zr_scroll_box.h"
#include "controls/zr_text_control.h"

class TzrCheckBox;
class TzrCustomButton;
class TzrTreeView;

class TzrTreeViewItem : public TzrTextControl {
 public:
  explicit TzrTreeViewItem(TComponent* AOwner);
  ~TzrTreeViewItem() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // ---- the tree
  // The nearest tree view above the item, nil when none.
  TzrTreeView* TreeView() const;
  // Ancestors passed before reaching the tree view or a content (0 for
  // top-level items).
  int Level() const;
  // Number of child tree items; the Idx-th of them, nil outside the range.
  int GetCount() const;
  int Count() const { return GetCount(); }
  TzrTreeViewItem* ItemByIndex(int Idx) const;
  TzrTreeViewItem* GetItem(int Idx) const { return ItemByIndex(Idx); }
  // The visible child item (or deeper, through expanded children) whose
  // shape holds the absolute point, nil when none.
  TzrTreeViewItem* ItemByPoint(float X, float Y);
  int GetGlobalIndex() const { return FGlobalIndex; }
  void SetGlobalIndex(int Value) { FGlobalIndex = Value; }
  // Whether AItem lies below this item.
  bool IsAncestorOf(const TzrTreeViewItem* AItem) const;

  // ---- state
  bool GetIsExpanded() const { return FIsExpanded; }
  void SetIsExpanded(bool Value);
  bool GetIsChecked() const { return FIsChecked; }
  void SetIsChecked(bool Value);
  bool GetIsSelected() const { return FIsSelected; }
  void SetIsSelected(bool Value);
  TzrCustomButton* GetButton() const { return FButton; }
  TzrCheckBox* GetCheck() const { return FCheck; }
  // Shows the style's check box exactly when the tree shows check boxes,
  // on this item and its descendants.
  void UpdateCheckVisible();

  std::string ItemClass() override { return "TzrTreeViewItem"; }

  // ---- overrides
  void AddObject(TzrObject* AObject) override;
  void RemoveObject(TzrObject* AObject) override;
  void Realign() override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void Paint() override;
  bool EnterFocusChildren(TzrVisualObject* AObject) override;
  TzrVisualObject* DesignClick() override;
  void DragEnd() override;

 private:
  void ButtonClick(TObject* Sender);
  void CheckChange(TObject* Sender);
  // The expander shows exactly when there are children.
  void UpdateButton();

  bool FIsExpanded = false;
  TzrCustomButton* FButton = nullptr;
  TzrCheckBox* FCheck = nullptr;
  int FGlobalIndex = -1;
  bool FIsChecked = false;
  bool FIsSelected = false;
};

using TOnCompareTreeViewItemEvent =
    std::function<int(TzrTreeViewItem* Item1, TzrTreeViewItem* Item2)>;
using TOnTreeViewDragChange =
    std::function<void(TzrTreeViewItem* SourceItem, TzrTreeViewItem* DestItem, bool Allow)>;

class TzrTreeView : public TzrScrollBox {
 public:
  explicit TzrTreeView(TComponent* AOwner);
  ~TzrTreeView() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // ---- items
  // Number of the scroll content's children; the child at Idx, nil outside.
  int GetCount() const;
  int Count() const { return GetCount(); }
  TzrTreeViewItem* ItemByIndex(int Idx) const;
  TzrTreeViewItem* GetItem(int Idx) const { return ItemByIndex(Idx); }
  int GetGlobalCount() const { return FGlobalCount; }
  // The visible item numbered Idx, nil outside 0 .. GlobalCount - 1.
  TzrTreeViewItem* ItemByGlobalIndex(int Idx) const;
  // The visible item under (X, Y) in the tree's coordinates, nil when none.
  TzrTreeViewItem* ItemByPoint(float X, float Y);
  // The item's rectangle in scroll-content coordinates; empty for nil.
  TzrRect GetItemRect(TzrTreeViewItem* Item);
  // Renumbers the visible items (depth first, collapsed subtrees left out).
  void UpdateGlobalIndexes();
  void ExpandAll();
  void CollapseAll();
  // Frees every top-level item, last first.
  void Clear();

  // ---- selection
  TzrTreeViewItem* GetSelected() const { return FSelected; }
  virtual void SetSelected(TzrTreeViewItem* Item);
  void SelectRange(TzrTreeViewItem* Item1, TzrTreeViewItem* Item2);
  void ClearSelection();
  void SelectAll();
  // Re-places the highlight copies over the runs of selected visible items.
  void UpdateSelection();
  const std::vector<TzrVisualObject*>& GetSelections() const { return FSelections; }
  // The style's "selection" part when it is a selection item, else nil.
  TzrVisualObject* GetSelection() const;
  TzrTreeViewItem* GetDragItem() const { return FDragItem; }
  void ClearDragItem() { FDragItem = nullptr; }
  // Called by an item leaving its place: drops every reference to it or to
  // one of its descendants.
  void ForgetItem(TzrTreeViewItem* AItem);
  // Renumbers and realigns after an item came or went (not during updates).
  void ItemsChanged();

  // ---- overrides
  void AddObject(TzrObject* AObject) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override;
  void DragOver(const TzrDragObject& Data, const TzrPoint& Point, bool& Accept) override;
  void DragDrop(const TzrDragObject& Data, const TzrPoint& Point) override;
  void EnterFocus() override;
  void KillFocus() override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void ContentAddObject(TzrObject* AObject) override;
  void ContentBeforeRemoveObject(TzrObject* AObject) override;
  void ContentRemoveObject(TzrObject* AObject) override;
  void HScrollChange(TObject* Sender) override;
  void VScrollChange(TObject* Sender) override;
  // Renumbers, sorts and lays the visible items out; answers the rectangle
  // they cover (at least 1 high).
  TzrRect GetContentBounds() override;
  std::string ItemClass() override { return "TzrTreeViewItem"; }

  // ---- published
  bool GetAllowDrag() const { return FAllowDrag; }
  void SetAllowDrag(bool Value);
  float GetItemHeight() const { return FItemHeight; }
  void SetItemHeight(float Value);
  bool GetHideSelectionUnfocused() const { return FHideSelectionUnfocused; }
  void SetHideSelectionUnfocused(bool Value) { FHideSelectionUnfocused = Value; }
  bool GetMultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value) { FMultiSelect = Value; }
  bool GetShowCheckboxes() const { return FShowCheckboxes; }
  void SetShowCheckboxes(bool Value);
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool Value);

  TNotifyEvent OnChange;
  TNotifyEvent OnChangeCheck;
  TOnCompareTreeViewItemEvent OnCompare;
  TOnTreeViewDragChange OnDragChange;

 private:
  void NumberItem(TzrTreeViewItem* AItem);
  // Lays AItem out at (X, Y) of the scroll content and, when expanded, its
  // children below it; Y grows by what they take.
  void LayoutItem(TzrTreeViewItem* AItem, float X, float& Y, float Width);
  // Hides every descendant of AItem (invisible, opacity 0).
  void HideChildren(TzrTreeViewItem* AItem);
  void SortTopLevel();
  void ScrollIntoView(TzrTreeViewItem* AItem);
  void SelectEvery(bool Value);
  // Keys: true when Key was one of the tree's navigation keys.
  bool NavigationKey(uint16_t Key);
  void SelectGlobal(int Idx);
  // The item under the absolute point, nil when none.
  TzrTreeViewItem* ItemAtAbsolute(const TzrPoint& P);

  bool FMouseSelecting = false;
  TzrTreeViewItem* FSelected = nullptr;
  float FItemHeight = 0;
  bool FHideSelectionUnfocused = true;
  int FGlobalCount = 0;
  bool FShowCheckboxes = false;
  bool FSorted = false;
  bool FMultiSelect = false;
  TzrTreeViewItem* FFirstSelect = nullptr;
  TzrVisualObject* FSelection = nullptr;
  std::vector<TzrVisualObject*> FSelections;
  bool FAllowDrag = false;
  TzrTreeViewItem* FDragItem = nullptr;
  std::vector<TzrTreeViewItem*> FGlobalList;
};
