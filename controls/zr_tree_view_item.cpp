// TzrTreeViewItem: child items, expand and collapse, selection and check
// state, the style's expander button and check box.

#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_objects.h"
#include "controls/zr_tree_view.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_font.h"

const TClassInfo* TzrTreeViewItem::Class() {
  using T = TzrTreeViewItem;
  static const TClassInfo* info =
      TClassDecl<T>("TzrTreeViewItem", TzrTextControl::Class())
          .Prop("IsChecked", &T::GetIsChecked, &T::SetIsChecked)
          .Default(false)
          .Prop("IsExpanded", &T::GetIsExpanded, &T::SetIsExpanded)
          .Default(false)
          .Prop("IsSelected", &T::GetIsSelected, &T::SetIsSelected)
          .Default(false)
          .Prop("AutoTranslate", &T::GetAutoTranslate, &T::SetAutoTranslate)
          .Default(true)
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Prop("Text", &T::GetText, &T::SetText)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignNear);
  return info;
}

TzrTreeViewItem::TzrTreeViewItem(TComponent* AOwner) : TzrTextControl(AOwner) {
  GetPosition()->SetPoint({5000, 5000});
  SetAutoTranslate(true);
  SetTextAlign(zrTextAlignNear);
  SetHeight(19);
  FHitTest = false;
  FCanFocused = false;
}

TzrTreeViewItem::~TzrTreeViewItem() {
  Destroying();
  // Leaves the tree while still an item, so that the tree drops its
  // references to it and to its children and renumbers without it.
  if (TzrTreeView* tree = TreeView()) tree->ForgetItem(this);
  if (FParent) {
    if (FScene) FScene->Notification(this, opRemove);
    FParent->RemoveObject(this);
  }
}

// ---------------------------------------------------------------- the tree

TzrTreeView* TzrTreeViewItem::TreeView() const {
  for (TzrObject* p = FParent; p; p = p->GetParent())
    if (auto* tree = dynamic_cast<TzrTreeView*>(p)) return tree;
  return nullptr;
}

int TzrTreeViewItem::Level() const {
  int level = 0;
  for (TzrObject* p = FParent; p; p = p->GetParent()) {
    if (dynamic_cast<TzrTreeView*>(p) || dynamic_cast<TzrContent*>(p)) break;
    ++level;
  }
  return level;
}

int TzrTreeViewItem::GetCount() const {
  int n = 0;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (dynamic_cast<TzrTreeViewItem*>(GetChild(i))) ++n;
  return n;
}

TzrTreeViewItem* TzrTreeViewItem::ItemByIndex(int Idx) const {
  if (Idx < 0) return nullptr;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (auto* item = dynamic_cast<TzrTreeViewItem*>(GetChild(i)))
      if (Idx-- == 0) return item;
  return nullptr;
}

TzrTreeViewItem* TzrTreeViewItem::ItemByPoint(float X, float Y) {
  for (int i = 0; i < GetCount(); ++i) {
    TzrTreeViewItem* item = ItemByIndex(i);
    if (!item->GetVisible()) continue;
    if (item->PointInObject(X, Y)) return item;
    if (item->GetIsExpanded() && item->GetCount() > 0)
      if (TzrTreeViewItem* hit = item->ItemByPoint(X, Y)) return hit;
  }
  return nullptr;
}

bool TzrTreeViewItem::IsAncestorOf(const TzrTreeViewItem* AItem) const {
  if (!AItem) return false;
  for (TzrObject* p = AItem->GetParent(); p; p = p->GetParent())
    if (p == this) return true;
  return false;
}

void TzrTreeViewItem::AddObject(TzrObject* AObject) {
  TzrTextControl::AddObject(AObject);
  if (!dynamic_cast<TzrTreeViewItem*>(AObject)) return;
  UpdateButton();
  TzrTreeView* tree = TreeView();
  if (tree && tree->GetUpdating() == 0) tree->ItemsChanged();
}

void TzrTreeViewItem::RemoveObject(TzrObject* AObject) {
  auto* item = dynamic_cast<TzrTreeViewItem*>(AObject);
  TzrTreeView* tree = item && AObject->GetParent() == this ? TreeView() : nullptr;
  if (tree) {
    item->SetIsSelected(false);
    tree->ForgetItem(item);
  }
  TzrTextControl::RemoveObject(AObject);
  if (!item || IsDestroying()) return;
  UpdateButton();
  if (tree && tree->GetUpdating() == 0 && !tree->IsDestroying()) tree->ItemsChanged();
}

void TzrTreeViewItem::Realign() {
  if (TzrTreeView* tree = TreeView(); tree && tree->GetUpdating() > 0) return;
  TzrTextControl::Realign();
}

// ---------------------------------------------------------------- state

void TzrTreeViewItem::UpdateButton() {
  if (!FButton || IsLoading()) return;
  const bool shown = GetCount() > 0;
  FButton->SetVisible(shown);
  if (shown) FButton->StartTriggerAnimation(this, "IsExpanded");
}

void TzrTreeViewItem::SetIsExpanded(bool Value) {
  if (FIsExpanded == Value) return;
  FIsExpanded = Value;
  UpdateButton();
  if (TzrTreeView* tree = TreeView()) tree->Realign();
}

void TzrTreeViewItem::SetIsChecked(bool Value) {
  FIsChecked = Value;
  if (FCheck) FCheck->SetIsChecked(Value);
}

void TzrTreeViewItem::SetIsSelected(bool Value) {
  if (FIsSelected == Value) return;
  FIsSelected = Value;
  StartTriggerAnimation(this, "IsSelected");
  if (TzrTreeView* tree = TreeView()) tree->UpdateSelection();
}

void TzrTreeViewItem::UpdateCheckVisible() {
  if (FCheck) {
    TzrTreeView* tree = TreeView();
    FCheck->SetVisible(tree && tree->GetShowCheckboxes());
  }
  for (int i = 0; i < GetCount(); ++i) ItemByIndex(i)->UpdateCheckVisible();
}

void TzrTreeViewItem::ButtonClick(TObject*) { SetIsExpanded(!FIsExpanded); }

void TzrTreeViewItem::CheckChange(TObject*) {
  // A change pushed by SetIsChecked is no click.
  if (!FCheck || FCheck->GetIsChecked() == FIsChecked) return;
  FIsChecked = FCheck->GetIsChecked();
  TzrTreeView* tree = TreeView();
  if (!tree) return;
  TzrFreeWatch watch(tree);  // the tree's handlers may free it
  tree->SetFocus();
  if (!watch.Freed()) tree->SetSelected(this);
  if (!watch.Freed() && tree->OnChangeCheck) tree->OnChangeCheck(this);
}

// ---------------------------------------------------------------- style

void TzrTreeViewItem::ApplyStyle() {
  TzrTextControl::ApplyStyle();
  FCheck = dynamic_cast<TzrCheckBox*>(FindResource("check"));
  if (FCheck) {
    FCheck->SetIsChecked(FIsChecked);
    FCheck->OnChange = [this](TObject* Sender) { CheckChange(Sender); };
    TzrTreeView* tree = TreeView();
    FCheck->SetVisible(tree && tree->GetShowCheckboxes());
  }
  FButton = dynamic_cast<TzrCustomButton*>(FindResource("button"));
  if (FButton) {
    FButton->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
    FButton->ApplyResource();
    UpdateButton();
  }
  StartTriggerAnimation(this, "IsSelected");
}

void TzrTreeViewItem::FreeStyle() {
  TzrTextControl::FreeStyle();
  FCheck = nullptr;
  FButton = nullptr;
}

void TzrTreeViewItem::Paint() { zrDrawDesignOutline(this); }

bool TzrTreeViewItem::EnterFocusChildren(TzrVisualObject* AObject) {
  const bool stop = TzrTextControl::EnterFocusChildren(AObject);
  if (AObject == this) return stop;
  if (TzrTreeView* tree = TreeView()) tree->SetSelected(this);
  return stop;
}

TzrVisualObject* TzrTreeViewItem::DesignClick() {
  TzrVisualObject* result = TzrTextControl::DesignClick();
  SetIsExpanded(!FIsExpanded);
  return result;
}

void TzrTreeViewItem::DragEnd() {
  TzrTextControl::DragEnd();
  DragLeave();
  if (TzrTreeView* tree = TreeView()) tree->ClearDragItem();
}
