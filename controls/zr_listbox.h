#pragma once
// The toolkit's scrolling list and its item.
//
// TzrListBox is a scroll box whose scroll content holds TzrListBoxItem
// children, laid out in rows (Columns items per row) or, with ListStyle
// zrListHorizontal, in columns running left to right. The current item is a
// number (ItemIndex, -1 for none), not a reference: it follows removals
// before it but not insertions or sorting. Changing it scrolls the item into
// view and fires OnChange at once, outside BeginUpdate/EndUpdate only.
// MultiSelect lets several items be selected (Ctrl toggles, Shift selects a
// range). The highlight is made of copies of the style's "selection" part,
// one per run of adjacent selected items, made on demand and hidden when
// not needed. The list can stripe every other row, paint a bitmap behind
// the items, show the items' check boxes, keep the items sorted (case
// ignored) and let the user reorder items by dragging one onto another.
// An item's OnClick fires through the list's own mouse handling, whatever
// the item's HitTest.
//
// TzrHorzListBox is the list preset to the horizontal layout.
//
// The combo boxes (zr_combo_box.h) use the list as their drop-down.

#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "controls/zr_scroll_box.h"
#include "controls/zr_text_control.h"

class TzrBitmap;
class TzrBrush;
class TzrCheckBox;
class TzrListBox;

enum TzrListStyle { zrListVertical, zrListHorizontal };
const TEnumInfo& zrListStyleInfo();

class TzrListBoxItem : public TzrTextControl {
 public:
  explicit TzrListBoxItem(TComponent* AOwner);
  ~TzrListBoxItem() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The nearest list box above the item, nil when none.
  TzrListBox* ListBox() const;

  bool GetIsSelected() const { return FIsSelected; }
  void SetIsSelected(bool Value);
  bool GetIsChecked() const { return FIsChecked; }
  void SetIsChecked(bool Value);
  TzrCheckBox* GetCheck() const { return FCheck; }
  // Shows the style's check box exactly when the list shows check boxes.
  void UpdateCheckVisible();

  void ApplyStyle() override;
  void FreeStyle() override;
  void Paint() override;
  bool EnterFocusChildren(TzrVisualObject* AObject) override;
  void DragEnd() override;

 private:
  void CheckChange(TObject* Sender);

  bool FIsChecked = false;
  TzrCheckBox* FCheck = nullptr;
  bool FIsSelected = false;
};

using TOnCompareListBoxItemEvent = std::function<int(TzrListBoxItem* Item1, TzrListBoxItem* Item2)>;
using TOnListBoxDragChange =
    std::function<void(TzrListBoxItem* SourceItem, TzrListBoxItem* DestItem, bool Allow)>;

class TzrListBox : public TzrScrollBox {
 public:
  explicit TzrListBox(TComponent* AOwner);
  ~TzrListBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // ---- items
  int GetCount() const;
  int Count() const { return GetCount(); }
  // The item at Idx, nil outside 0 .. Count - 1.
  TzrListBoxItem* ItemByIndex(int Idx) const;
  TzrListBoxItem* GetItem(int Idx) const { return ItemByIndex(Idx); }
  // The first item whose shape holds (X, Y), in the list box's coordinates.
  TzrListBoxItem* ItemByPoint(float X, float Y);
  TzrListBoxItem* GetSelected() const { return ItemByIndex(FItemIndex); }
  // Frees every item, last first.
  virtual void Clear();
  using TzrScrollBox::Exchange;
  // Swaps two items of this list; ItemIndex stays on the item that was current.
  void Exchange(TzrListBoxItem* Item1, TzrListBoxItem* Item2);
  virtual void SortItems();
  // Makes a new bitmap from the file the background bitmap (Background and
  // repainting are left to the caller).
  void AddBackgroundBitmap(const std::string& AFileName);
  TzrBitmap* GetBackgroundBitmap() const { return FBackgroundBitmap.get(); }

  // ---- selection
  int GetItemIndex() const { return FItemIndex; }
  virtual void SetItemIndex(int Idx);
  void SelectRange(TzrListBoxItem* Item1, TzrListBoxItem* Item2);
  void ClearSelection();
  void SelectAll();
  // Re-places the highlight copies over the runs of selected items.
  void UpdateSelection();
  // The highlight copies made so far (shown or hidden).
  const std::vector<TzrVisualObject*>& GetSelections() const { return FSelections; }
  TzrListBoxItem* GetDragItem() const { return FDragItem; }
  void ClearDragItem() { FDragItem = nullptr; }

  // ---- data
  Variant GetData() override;
  void SetData(const Variant& Value) override;
  std::string ItemClass() override { return "TzrListBoxItem"; }

  // ---- overrides
  void AddObject(TzrObject* AObject) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
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
  // Lays the items out and answers the rectangle they cover.
  TzrRect GetContentBounds() override;
  bool ContentPaintRange(int& First, int& Last) override;

  // ---- published
  bool GetAllowDrag() const { return FAllowDrag; }
  void SetAllowDrag(bool Value);
  bool GetBackground() const { return FBackground; }
  void SetBackground(bool Value);
  bool GetAlternatingRowBackground() const { return FAlternatingRowBackground; }
  void SetAlternatingRowBackground(bool Value);
  int GetColumns() const { return FColumns; }
  void SetColumns(int Value);
  bool GetHideSelectionUnfocused() const { return FHideSelectionUnfocused; }
  void SetHideSelectionUnfocused(bool Value) { FHideSelectionUnfocused = Value; }
  float GetItemWidth() const { return FItemWidth; }
  void SetItemWidth(float Value);
  float GetItemHeight() const { return FItemHeight; }
  void SetItemHeight(float Value);
  TzrListStyle GetListStyle() const { return FListStyle; }
  void SetListStyle(TzrListStyle Value);
  bool GetMultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool Value);
  bool GetShowCheckboxes() const { return FShowCheckboxes; }
  void SetShowCheckboxes(bool Value);
  bool GetCanFocusedValue() const { return FCanFocused; }
  TzrBrush* GetOddFill() const { return FOddFill.get(); }

  TNotifyEvent OnChange;
  TNotifyEvent OnChangeCheck;
  TOnCompareListBoxItemEvent OnCompare;
  TOnListBoxDragChange OnDragChange;

 protected:
  // Layout passes of GetContentBounds, on the content layout's rectangle.
  void LayoutVertical(TzrRect& R);
  void LayoutHorizontal(TzrRect& R);
  // Scrolls the item into view (vertically and horizontally).
  void ScrollIntoView(TzrListBoxItem* AItem);
  // The before-paint hook of the "content" part: background and stripes.
  void PaintBehindItems(TzrCanvas* Canvas, const TzrRect& ADirty, TzrVisualObject* APainted);
  // Ctrl toggles, Shift selects the range from the current item, otherwise
  // only AItem is selected; AItem becomes current and the range anchor.
  void MultiSelectPress(TzrListBoxItem* AItem, TShiftState Shift);
  bool IsItem(TzrObject* AObject) const;
  // Sets IsSelected on every item.
  void SelectEvery(bool Value);
  // The item at the index that a typed character chooses, -1 for none.
  int IndexByCharacter(char16_t KeyChar) const;
  // Handles the navigation keys; false for any other key.
  bool NavigationKey(uint16_t Key);
  // The items of the rows of a vertical list that reach from ALow to AHigh
  // (content coordinates, with room for what an item paints beyond its
  // bounds); false when the items are not known to lie in rows in order.
  bool ItemsBetween(float ALow, float AHigh, int& First, int& Last);
  // Computes the matrices of the rows near the view after a scroll.
  void PlaceRowsInView();
  // Keeps the selected items of the content in FSelectedItems.
  void SelectedChanged(TzrListBoxItem* AItem);
  friend class TzrListBoxItem;

  bool FMouseSelecting = false;
  bool FHideSelectionUnfocused = true;
  bool FShowCheckboxes = false;
  bool FSorted = false;
  bool FMultiSelect = false;
  bool FBackground = false;
  bool FAlternatingRowBackground = false;
  bool FAllowDrag = false;
  TzrListBoxItem* FDragItem = nullptr;
  int FColumns = 1;
  float FItemWidth = 0;
  float FItemHeight = 0;
  TzrListStyle FListStyle = zrListVertical;
  TzrListBoxItem* FFirstSelect = nullptr;
  TzrVisualObject* FSelection = nullptr;
  std::vector<TzrVisualObject*> FSelections;
  std::unique_ptr<TzrBrush> FOddFill;
  int FItemIndex = -1;
  std::unique_ptr<TzrBitmap> FBackgroundBitmap;
  // The selected items among the content's children (in no order), so that
  // re-placing the highlight looks at those only.
  std::unordered_set<TzrListBoxItem*> FSelectedItems;
  // The last layout placed every child of the content, in index order, in
  // rows from the top; children other than items, added or removed since,
  // end that.
  bool FRowsInOrder = false;
  int FOtherContentChildren = 0;
};

class TzrHorzListBox : public TzrListBox {
 public:
  explicit TzrHorzListBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
