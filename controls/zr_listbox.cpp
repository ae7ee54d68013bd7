// TzrListBox: published properties, items, the current item and the
// selection model; TzrHorzListBox; the program's combo box.

#include "controls/zr_listbox.h"

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_strings_compare.h"

const TEnumInfo& zrListStyleInfo() {
  static const TEnumInfo info("TzrListStyle", {"zrListVertical", "zrListHorizontal"});
  return info;
}

using T = TzrListBox;

const TClassInfo* TzrListBox::Class() {
  static const TClassInfo* info =
      TClassDecl<T>("TzrListBox", TzrScrollBox::Class())
          .Prop("AllowDrag", &T::GetAllowDrag, &T::SetAllowDrag)
          .Default(false)
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Default(false)
          .Prop("Background", &T::GetBackground, &T::SetBackground)
          .Default(false)
          .Prop("AlternatingRowBackground", &T::GetAlternatingRowBackground,
                &T::SetAlternatingRowBackground)
          .Default(false)
          .Prop("Columns", &T::GetColumns, &T::SetColumns)
          .Default(1)
          .Prop("HideSelectionUnfocused", &T::GetHideSelectionUnfocused,
                &T::SetHideSelectionUnfocused)
          .Default(true)
          .Prop("ItemIndex", &T::GetItemIndex, &T::SetItemIndex)
          .Default(-1)
          .Prop("ItemWidth", &T::GetItemWidth, &T::SetItemWidth)
          .Prop("ItemHeight", &T::GetItemHeight, &T::SetItemHeight)
          .Enum("ListStyle", &T::GetListStyle, &T::SetListStyle, zrListStyleInfo())
          .Default(zrListVertical)
          .Prop("MultiSelect", &T::GetMultiSelect, &T::SetMultiSelect)
          .Default(false)
          .Prop("Sorted", &T::GetSorted, &T::SetSorted)
          .Default(false)
          .Prop("ShowCheckboxes", &T::GetShowCheckboxes, &T::SetShowCheckboxes)
          .Default(false)
          .Prop("BindingSource", &T::GetBindingSource, &T::SetBindingSource)
          .Event("OnChange", &T::OnChange)
          .Event("OnChangeCheck", &T::OnChangeCheck)
          .Event("OnCompare", &T::OnCompare)
          .Event("OnDragChange", &T::OnDragChange);
  return info;
}

TzrListBox::TzrListBox(TComponent* AOwner)
    : TzrScrollBox(AOwner), FOddFill(std::make_unique<TzrBrush>(zrBrushSolid, 0x20000000)) {
  FOddFill->SetSolidColor(0x20000000);
  // The list places its items itself.
  if (FContent) FContent->SetDisableDefaultAlign(true);
  FCanFocused = true;
  FAutoCapture = true;
  SetWidth(100);
  SetHeight(100);
}

TzrListBox::~TzrListBox() {
  Destroying();
  FSelections.clear();
  FFirstSelect = FDragItem = nullptr;
}

// ---------------------------------------------------------------- items

bool TzrListBox::IsItem(TzrObject* AObject) const {
  return AObject && FContent && AObject->GetParent() == FContent &&
         dynamic_cast<TzrListBoxItem*>(AObject);
}

int TzrListBox::GetCount() const { return FContent ? FContent->GetChildrenCount() : 0; }

TzrListBoxItem* TzrListBox::ItemByIndex(int Idx) const {
  if (Idx < 0 || Idx >= GetCount()) return nullptr;
  return dynamic_cast<TzrListBoxItem*>(FContent->GetChild(Idx));
}

TzrListBoxItem* TzrListBox::ItemByPoint(float X, float Y) {
  const TzrPoint p = LocalToAbsolute({X, Y});
  for (int i = 0; i < GetCount(); ++i) {
    TzrListBoxItem* item = ItemByIndex(i);
    if (item && item->PointInObject(p.X, p.Y)) return item;
  }
  return nullptr;
}

void TzrListBox::Clear() {
  BeginUpdate();
  for (int i = GetCount() - 1; i >= 0; --i) delete ItemByIndex(i);
  FScrollDesign = {0, 0};
  EndUpdate();
}

void TzrListBox::Exchange(TzrListBoxItem* Item1, TzrListBoxItem* Item2) {
  if (!IsItem(Item1) || !IsItem(Item2)) return;
  const int i1 = Item1->GetIndex(), i2 = Item2->GetIndex();
  if (i1 == FItemIndex)
    FItemIndex = i2;
  else if (i2 == FItemIndex)
    FItemIndex = i1;
  FRowsInOrder = false;
  FContent->Exchange(Item1, Item2);
}

void TzrListBox::SortItems() {
  if (!FSorted || !FContent) return;
  FRowsInOrder = false;
  FContent->Sort([](TzrObject* A, TzrObject* B) {
    auto* a = dynamic_cast<TzrListBoxItem*>(A);
    auto* b = dynamic_cast<TzrListBoxItem*>(B);
    if (!a || !b) return 0;
    TzrListBox* list = a->ListBox();
    if (list && list->OnCompare) return list->OnCompare(a, b);
    return zrCompareText(a->GetText(), b->GetText(), false);
  });
}

void TzrListBox::AddBackgroundBitmap(const std::string& AFileName) {
  FBackgroundBitmap = std::make_unique<TzrBitmap>();
  FBackgroundBitmap->LoadFromFile(AFileName);
}

void TzrListBox::AddObject(TzrObject* AObject) {
  if (FContent &&
      (dynamic_cast<TzrListBoxItem*>(AObject) || zrClassIs(AObject, "TzrSelectionItem"))) {
    FContent->AddObject(AObject);
    return;
  }
  TzrScrollBox::AddObject(AObject);
}

void TzrListBox::ContentAddObject(TzrObject* AObject) {
  FRowsInOrder = false;
  auto* item = dynamic_cast<TzrListBoxItem*>(AObject);
  if (!item && AObject->GetIsVisual()) ++FOtherContentChildren;
  if (item && item->GetIsSelected()) FSelectedItems.insert(item);
  if (item && FUpdating == 0) Realign();
}

void TzrListBox::ContentBeforeRemoveObject(TzrObject* AObject) {
  auto* item = dynamic_cast<TzrListBoxItem*>(AObject);
  if (!item) return;
  if (item->GetIndex() < FItemIndex) {
    --FItemIndex;
    UpdateSelection();
  }
  item->SetIsSelected(false);
}

void TzrListBox::ContentRemoveObject(TzrObject* AObject) {
  FRowsInOrder = false;
  auto* item = dynamic_cast<TzrListBoxItem*>(AObject);
  if (!item && AObject->GetIsVisual()) --FOtherContentChildren;
  if (item) FSelectedItems.erase(item);
  if (AObject == FFirstSelect) FFirstSelect = nullptr;
  if (AObject == FDragItem) FDragItem = nullptr;
  if (dynamic_cast<TzrListBoxItem*>(AObject) && FUpdating == 0) Realign();
}

// ---------------------------------------------------------------- selection

void TzrListBox::SelectedChanged(TzrListBoxItem* AItem) {
  if (AItem->GetIsSelected())
    FSelectedItems.insert(AItem);
  else
    FSelectedItems.erase(AItem);
}

void TzrListBox::SetItemIndex(int Idx) {
  if (Idx == FItemIndex) return;
  const int old = FItemIndex;
  // The index moves first: the old item, no longer current, only drops its
  // highlight.
  FItemIndex = Idx;
  if (!FMultiSelect)
    if (TzrListBoxItem* item = ItemByIndex(old)) item->SetIsSelected(false);
  TzrListBoxItem* item = ItemByIndex(Idx);
  if (item) {
    ScrollIntoView(item);
    item->SetIsSelected(true);
  }
  if (FUpdating == 0) {
    TzrFreeWatch watch(this);  // OnChange may free the list
    ToBindingObjects();
    if (OnChange && !watch.Freed()) OnChange(item);
    if (watch.Freed()) return;
  }
  UpdateSelection();
}

void TzrListBox::SelectRange(TzrListBoxItem* Item1, TzrListBoxItem* Item2) {
  if (!Item1 || !Item2) return;
  const int a = std::min(Item1->GetIndex(), Item2->GetIndex());
  const int b = std::max(Item1->GetIndex(), Item2->GetIndex());
  for (int i = 0; i < GetCount(); ++i)
    if (TzrListBoxItem* item = ItemByIndex(i)) item->SetIsSelected(i >= a && i <= b);
}

void TzrListBox::SelectEvery(bool Value) {
  for (int i = 0; i < GetCount(); ++i)
    if (TzrListBoxItem* item = ItemByIndex(i)) item->SetIsSelected(Value);
}

void TzrListBox::ClearSelection() { SelectEvery(false); }

void TzrListBox::SelectAll() { SelectEvery(true); }

// ---------------------------------------------------------------- data

Variant TzrListBox::GetData() {
  TzrListBoxItem* item = GetSelected();
  return item ? Variant(item->GetText()) : Variant(std::u16string());
}

void TzrListBox::SetData(const Variant& Value) {
  if (TzrListBoxItem* item = GetSelected()) item->SetText(Value.ToWideString());
}

// ---------------------------------------------------------------- properties

void TzrListBox::SetAllowDrag(bool Value) {
  FAllowDrag = Value;
  if (Value) SetDragDisableHighlight(true);
}

void TzrListBox::SetBackground(bool Value) {
  FBackground = Value;
  Repaint();
}

void TzrListBox::SetAlternatingRowBackground(bool Value) {
  FAlternatingRowBackground = Value;
  Repaint();
}

void TzrListBox::SetColumns(int Value) {
  FColumns = std::max(1, Value);
  Realign();
}

void TzrListBox::SetItemWidth(float Value) {
  if (FItemWidth == Value) return;
  FItemWidth = Value;
  Realign();
}

void TzrListBox::SetItemHeight(float Value) {
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  Realign();
}

void TzrListBox::SetListStyle(TzrListStyle Value) {
  if (FListStyle == Value) return;
  FListStyle = Value;
  Realign();
}

void TzrListBox::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  SortItems();
  Realign();
}

void TzrListBox::SetMultiSelect(bool Value) {
  if (FMultiSelect == Value) return;
  FMultiSelect = Value;
  if (!Value) ClearSelection();
}

void TzrListBox::SetShowCheckboxes(bool Value) {
  FShowCheckboxes = Value;
  if (!FContent) return;
  std::vector<TzrObject*> all;
  FContent->AddObjectsToList(all);
  for (TzrObject* object : all)
    if (auto* item = dynamic_cast<TzrListBoxItem*>(object)) item->UpdateCheckVisible();
}

// ---------------------------------------------------------------- focus

void TzrListBox::EnterFocus() {
  TzrScrollBox::EnterFocus();
  if (FHideSelectionUnfocused && GetSelected()) UpdateSelection();
}

void TzrListBox::KillFocus() {
  TzrScrollBox::KillFocus();
  if (FHideSelectionUnfocused && GetSelected()) UpdateSelection();
}

// ---------------------------------------------------------------- horizontal list

const TClassInfo* TzrHorzListBox::Class() {
  using H = TzrHorzListBox;
  static const TClassInfo* info =
      TClassDecl<H>("TzrHorzListBox", TzrListBox::Class())
          .Enum("ListStyle", &H::GetListStyle, &H::SetListStyle, zrListStyleInfo())
          .Default(zrListHorizontal);
  return info;
}

TzrHorzListBox::TzrHorzListBox(TComponent* AOwner) : TzrListBox(AOwner) {
  SetResourceLater("listboxstyle");
  FListStyle = zrListHorizontal;
}
