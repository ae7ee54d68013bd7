#include "platform/vcl/Menus.h"

#include <algorithm>

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
  if (FParent) FParent->Remove(this);
  for (TMenuItem* item : FItems) item->FParent = nullptr;
  DetachWidget();
}

void TMenuItem::SetCaption(const std::string& value) {
  if (FCaption == value) return;
  FCaption = value;
  SyncWidget();
}

void TMenuItem::SetChecked(bool value) {
  if (FChecked == value) return;
  FChecked = value;
  if (value && FRadioItem && FParent) {
    for (TMenuItem* sibling : FParent->FItems)
      if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
        sibling->SetChecked(false);
  }
  SyncWidget();
}

void TMenuItem::SetRadioItem(bool value) {
  if (FRadioItem == value) return;
  FRadioItem = value;
  SyncWidget();
}

void TMenuItem::SetAutoCheck(bool value) {
  if (FAutoCheck == value) return;
  FAutoCheck = value;
  SyncWidget();
}

void TMenuItem::SetEnabled(bool value) {
  if (FEnabled == value) return;
  FEnabled = value;
  SyncWidget();
}

void TMenuItem::SetVisible(bool value) {
  if (FVisible == value) return;
  FVisible = value;
  SyncWidget();
}

void TMenuItem::SetShortCut(int value) {
  if (FShortCut == value) return;
  FShortCut = value;
  SyncWidget();
}

TMenuItem* TMenuItem::FindShortCut(int shortCut) {
  if (shortCut == 0 || !FEnabled) return nullptr;
  if (FShortCut == shortCut) return this;
  for (TMenuItem* item : FItems)
    if (TMenuItem* found = item->FindShortCut(shortCut)) return found;
  return nullptr;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->FParent) item->FParent->Remove(item);
  index = std::clamp(index, 0, Count());
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  if (!item->GetOwner()) InsertComponent(item);
  if (FSubMenu)
    ShowInsertedMenuItem(item);
  else
    SyncWidget();  // a shown leaf that gains its first sub-item becomes a sub-menu
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  item->FParent = nullptr;
  item->DetachWidget();
  SyncWidget();
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (FAutoCheck) SetChecked(FRadioItem ? true : !FChecked);
  if (OnClick) OnClick(this);
}

void TMenuItem::AttachWidget(GtkWidget* widget, GtkWidget* subMenu) {
  FWidget = widget;
  FSubMenu = subMenu;
}

// MenuBar.cpp: destroys a widget that no item refers to any more.
void DestroyMenuItemWidget(GtkWidget* widget);

void TMenuItem::DetachWidget() {
  GtkWidget* widget = FWidget;
  FWidget = nullptr;
  FSubMenu = nullptr;
  if (widget) DestroyMenuItemWidget(widget);
}

void TMenuItem::SyncWidget() {
  if (FWidget) SyncMenuItemWidget(this);
}

TMainMenu::TMainMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this)) {}
