// TzrTreeView: published properties, items, global indices and the
// selection model.

#include "controls/zr_tree_view.h"

#include <algorithm>

#include "controls/zr_scroll_bar.h"
#include "platform/rtl/RttiDecl.h"

using T = TzrTreeView;

const TClassInfo* TzrTreeView::Class() {
  static const TClassInfo* info =
      TClassDecl<T>("TzrTreeView", TzrScrollBox::Class())
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Default(false)
          .Prop("AllowDrag", &T::GetAllowDrag, &T::SetAllowDrag)
          .Default(false)
          .Prop("ItemHeight", &T::GetItemHeight, &T::SetItemHeight)
          .Prop("HideSelectionUnfocused", &T::GetHideSelectionUnfocused,
                &T::SetHideSelectionUnfocused)
          .Default(true)
          .Prop("MultiSelect", &T::GetMultiSelect, &T::SetMultiSelect)
          .Default(false)
          .Prop("ShowCheckboxes", &T::GetShowCheckboxes, &T::SetShowCheckboxes)
          .Default(false)
          .Prop("Sorted", &T::GetSorted, &T::SetSorted)
          .Default(false)
          .Event("OnChange", &T::OnChange)
          .Event("OnChangeCheck", &T::OnChangeCheck)
          .Event("OnCompare", &T::OnCompare)
          .Event("OnDragChange", &T::OnDragChange);
  return info;
}

TzrTreeView::TzrTreeView(TComponent* AOwner) : TzrScrollBox(AOwner) {
  FGlobalList.reserve(100);
  // The tree places its items itself.
  if (FContent) FContent->SetDisableDefaultAlign(true);
  FCanFocused = true;
  FAutoCapture = true;
  SetWidth(100);
  SetHeight(100);
}

TzrTreeView::~TzrTreeView() {
  Destroying();
  FSelections.clear();
  FGlobalList.clear();
  FGlobalCount = 0;
  FSelected = FFirstSelect = FDragItem = nullptr;
}

// ---------------------------------------------------------------- items

int TzrTreeView::GetCount() const { return FContent ? FContent->GetChildrenCount() : 0; }

TzrTreeViewItem* TzrTreeView::ItemByIndex(int Idx) const {
  if (Idx < 0 || Idx >= GetCount()) return nullptr;
  return dynamic_cast<TzrTreeViewItem*>(FContent->GetChild(Idx));
}

TzrTreeViewItem* TzrTreeView::ItemByGlobalIndex(int Idx) const {
  if (Idx < 0 || Idx >= int(FGlobalList.size())) return nullptr;
  return FGlobalList[size_t(Idx)];
}

TzrRect TzrTreeView::GetItemRect(TzrTreeViewItem* Item) {
  if (!Item || !FContent) return zrRect(0, 0, 0, 0);
  const TzrPoint p = FContent->AbsoluteToLocal(Item->LocalToAbsolute({0, 0}));
  return zrRect(p.X, p.Y, p.X + Item->GetWidth(), p.Y + Item->GetHeight());
}

void TzrTreeView::NumberItem(TzrTreeViewItem* AItem) {
  AItem->SetGlobalIndex(int(FGlobalList.size()));
  FGlobalList.push_back(AItem);
  if (!AItem->GetIsExpanded()) return;
  for (int i = 0; i < AItem->GetCount(); ++i) NumberItem(AItem->ItemByIndex(i));
}

void TzrTreeView::UpdateGlobalIndexes() {
  FGlobalList.clear();
  for (int i = 0; i < GetCount(); ++i)
    if (TzrTreeViewItem* item = ItemByIndex(i)) NumberItem(item);
  FGlobalCount = int(FGlobalList.size());
}

void TzrTreeView::ItemsChanged() {
  if (FUpdating > 0 || IsDestroying()) return;
  UpdateGlobalIndexes();
  Realign();
}

void TzrTreeView::ForgetItem(TzrTreeViewItem* AItem) {
  auto gone = [AItem](const TzrTreeViewItem* p) {
    return p && (p == AItem || AItem->IsAncestorOf(p));
  };
  if (gone(FSelected)) FSelected = nullptr;
  if (gone(FFirstSelect)) FFirstSelect = nullptr;
  if (gone(FDragItem)) FDragItem = nullptr;
  std::erase_if(FGlobalList, gone);
  FGlobalCount = int(FGlobalList.size());
}

void TzrTreeView::ExpandAll() {
  BeginUpdate();
  for (int i = 0; i < GetCount(); ++i)
    if (TzrTreeViewItem* item = ItemByIndex(i)) item->SetIsExpanded(true);
  EndUpdate();
}

void TzrTreeView::CollapseAll() {
  BeginUpdate();
  for (int i = 0; i < GetCount(); ++i)
    if (TzrTreeViewItem* item = ItemByIndex(i)) item->SetIsExpanded(false);
  EndUpdate();
}

void TzrTreeView::Clear() {
  BeginUpdate();
  for (int i = GetCount() - 1; i >= 0; --i) delete ItemByIndex(i);
  FScrollDesign = {0, 0};
  FSelected = nullptr;
  EndUpdate();
  UpdateGlobalIndexes();
  UpdateSelection();
}

void TzrTreeView::AddObject(TzrObject* AObject) {
  if (FContent &&
      (dynamic_cast<TzrTreeViewItem*>(AObject) || zrClassIs(AObject, "TzrSelectionItem"))) {
    FContent->AddObject(AObject);
    return;
  }
  TzrScrollBox::AddObject(AObject);
}

void TzrTreeView::ContentAddObject(TzrObject* AObject) {
  if (dynamic_cast<TzrTreeViewItem*>(AObject)) ItemsChanged();
}

void TzrTreeView::ContentBeforeRemoveObject(TzrObject* AObject) {
  auto* item = dynamic_cast<TzrTreeViewItem*>(AObject);
  if (!item) return;
  item->SetIsSelected(false);
  ForgetItem(item);
}

void TzrTreeView::ContentRemoveObject(TzrObject* AObject) {
  if (dynamic_cast<TzrTreeViewItem*>(AObject)) ItemsChanged();
}

// ---------------------------------------------------------------- selection

void TzrTreeView::SetSelected(TzrTreeViewItem* Item) {
  if (Item == FSelected) return;
  if (!FMultiSelect && FSelected) FSelected->SetIsSelected(false);
  FSelected = Item;
  if (Item) {
    for (TzrObject* p = Item->GetParent(); p; p = p->GetParent())
      if (auto* parent = dynamic_cast<TzrTreeViewItem*>(p)) parent->SetIsExpanded(true);
    ScrollIntoView(Item);
    Item->SetIsSelected(true);
  }
  if (OnChange) OnChange(this);
}

void TzrTreeView::ScrollIntoView(TzrTreeViewItem* AItem) {
  if (!FContent || !FContentLayout || !FVScrollBar) return;
  const TzrPoint p = FContentLayout->AbsoluteToLocal(AItem->LocalToAbsolute({0, 0}));
  const TzrRect pad = AItem->GetPadding()->GetRect();
  if (p.Y < 0) {
    FVScrollBar->SetValue(FVScrollBar->GetValue() + p.Y);
    return;
  }
  const float excess =
      p.Y + pad.Top + pad.Bottom + AItem->GetHeight() - FContentLayout->GetHeight();
  if (excess > 0) FVScrollBar->SetValue(FVScrollBar->GetValue() + excess);
}

void TzrTreeView::SelectRange(TzrTreeViewItem* Item1, TzrTreeViewItem* Item2) {
  if (!Item1 || !Item2) return;
  const int a = std::min(Item1->GetGlobalIndex(), Item2->GetGlobalIndex());
  const int b = std::max(Item1->GetGlobalIndex(), Item2->GetGlobalIndex());
  for (int i = 0; i < FGlobalCount; ++i) FGlobalList[size_t(i)]->SetIsSelected(i >= a && i <= b);
}

void TzrTreeView::SelectEvery(bool Value) {
  for (int i = 0; i < FGlobalCount; ++i) FGlobalList[size_t(i)]->SetIsSelected(Value);
}

void TzrTreeView::ClearSelection() { SelectEvery(false); }

void TzrTreeView::SelectAll() { SelectEvery(true); }

// ---------------------------------------------------------------- properties

void TzrTreeView::SetAllowDrag(bool Value) {
  FAllowDrag = Value;
  if (Value) SetDragDisableHighlight(true);
}

void TzrTreeView::SetItemHeight(float Value) {
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  Realign();
}

void TzrTreeView::SetShowCheckboxes(bool Value) {
  FShowCheckboxes = Value;
  for (int i = 0; i < GetCount(); ++i)
    if (TzrTreeViewItem* item = ItemByIndex(i)) item->UpdateCheckVisible();
}

void TzrTreeView::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  Realign();
}

// ---------------------------------------------------------------- focus

void TzrTreeView::EnterFocus() {
  TzrScrollBox::EnterFocus();
  if (FSelected) UpdateSelection();
}

void TzrTreeView::KillFocus() {
  TzrScrollBox::KillFocus();
  if (FSelected) UpdateSelection();
}
