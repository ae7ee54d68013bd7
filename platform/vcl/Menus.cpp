#include "platform/vcl/Menus.h"

#include <algorithm>

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
  if (FParent) FParent->Remove(this);
  for (TMenuItem* item : FItems) item->FParent = nullptr;
}

void TMenuItem::SetCaption(const std::string& value) {
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

void TMenuItem::SetEnabled(bool value) {
  FEnabled = value;
  SyncWidget();
}

void TMenuItem::SetVisible(bool value) {
  FVisible = value;
  SyncWidget();
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->FParent) item->FParent->Remove(item);
  index = std::clamp(index, 0, Count());
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  if (!item->GetOwner()) InsertComponent(item);
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  item->FParent = nullptr;
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (FAutoCheck) SetChecked(FRadioItem ? true : !FChecked);
  if (OnClick) OnClick(this);
}

void TMenuItem::AttachWidget(GtkWidget* widget) {
  FWidget = widget;
  SyncWidget();
}

// The GTK side is brought up to date by the menu bar code (MenuBar.cpp).
void SyncMenuItemWidget(TMenuItem* item);

void TMenuItem::SyncWidget() {
  if (!FWidget || FSyncing) return;
  FSyncing = true;
  SyncMenuItemWidget(this);
  FSyncing = false;
}

TMainMenu::TMainMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this)) {}
