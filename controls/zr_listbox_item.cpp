// TzrListBoxItem: selection and check state, the style's check box, focus
// inside an item and the end of a drag.

#include "controls/zr_checks.h"
#include "controls/zr_listbox.h"
#include "controls/zr_objects.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_font.h"

const TClassInfo* TzrListBoxItem::Class() {
  using T = TzrListBoxItem;
  static const TClassInfo* info =
      TClassDecl<T>("TzrListBoxItem", TzrTextControl::Class())
          .Prop("IsChecked", &T::GetIsChecked, &T::SetIsChecked)
          .Default(false)
          .Prop("IsSelected", &T::GetIsSelected, &T::SetIsSelected)
          .Default(false)
          .Prop("AutoTranslate", &T::GetAutoTranslate, &T::SetAutoTranslate)
          .Default(true)
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Prop("Text", &T::GetText, &T::SetText)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignNear)
          .Prop("WordWrap", &T::GetWordWrap, &T::SetWordWrap)
          .Default(false);
  return info;
}

TzrListBoxItem::TzrListBoxItem(TComponent* AOwner) : TzrTextControl(AOwner) {
  GetPosition()->SetPoint({5000, 5000});
  SetTextAlign(zrTextAlignNear);
  SetAutoTranslate(true);
  SetWidth(19);
  SetHeight(19);
  FHitTest = false;
}

TzrListBoxItem::~TzrListBoxItem() {
  Destroying();
  // Leaves the list while still an item, so that the list's removal rules
  // (index shift, deselection) see what is going.
  if (FParent) {
    if (FScene) FScene->Notification(this, opRemove);
    FParent->RemoveObject(this);
  }
}

TzrListBox* TzrListBoxItem::ListBox() const {
  for (TzrObject* p = FParent; p; p = p->GetParent())
    if (auto* list = dynamic_cast<TzrListBox*>(p)) return list;
  return nullptr;
}

void TzrListBoxItem::SetIsSelected(bool Value) {
  if (FIsSelected == Value) return;
  FIsSelected = Value;
  if (FParent)
    if (auto* owner = dynamic_cast<TzrListBox*>(FParent->GetParent()); owner && owner->IsItem(this))
      owner->SelectedChanged(this);
  StartTriggerAnimation(this, "IsSelected");
  TzrListBox* list = ListBox();
  if (!list) return;
  if (!list->GetMultiSelect()) {
    const int index = GetIndex();
    if (Value) {
      list->SetItemIndex(index);
      return;
    }
    if (index == list->GetItemIndex()) {
      list->SetItemIndex(-1);
      return;
    }
  }
  list->UpdateSelection();
}

void TzrListBoxItem::SetIsChecked(bool Value) {
  FIsChecked = Value;
  if (FCheck) FCheck->SetIsChecked(Value);
}

void TzrListBoxItem::UpdateCheckVisible() {
  if (!FCheck) return;
  TzrListBox* list = ListBox();
  FCheck->SetVisible(list && list->GetShowCheckboxes());
}

void TzrListBoxItem::CheckChange(TObject*) {
  // A change pushed by SetIsChecked is no click: nothing more to do.
  if (!FCheck || FCheck->GetIsChecked() == FIsChecked) return;
  FIsChecked = FCheck->GetIsChecked();
  TzrListBox* list = ListBox();
  if (!list) return;
  TzrFreeWatch watch(list);  // the list's handlers may free it
  list->SetFocus();
  if (watch.Freed()) return;
  list->SetItemIndex(GetIndex());
  if (!watch.Freed() && list->OnChangeCheck) list->OnChangeCheck(this);
}

void TzrListBoxItem::ApplyStyle() {
  TzrTextControl::ApplyStyle();
  FCheck = dynamic_cast<TzrCheckBox*>(FindResource("check"));
  if (FCheck) {
    FCheck->SetIsChecked(FIsChecked);
    FCheck->OnChange = [this](TObject* Sender) { CheckChange(Sender); };
    UpdateCheckVisible();
  }
  StartTriggerAnimation(this, "IsSelected");
}

void TzrListBoxItem::FreeStyle() {
  TzrTextControl::FreeStyle();
  FCheck = nullptr;
}

void TzrListBoxItem::Paint() { zrDrawDesignOutline(this); }

bool TzrListBoxItem::EnterFocusChildren(TzrVisualObject* AObject) {
  const bool stop = TzrTextControl::EnterFocusChildren(AObject);
  TzrListBox* list = ListBox();
  if (!list || AObject == this) return stop;
  if (list->GetMultiSelect()) list->ClearSelection();
  SetIsSelected(true);
  list->SetItemIndex(GetIndex());
  return stop;
}

void TzrListBoxItem::DragEnd() {
  TzrTextControl::DragEnd();
  DragLeave();
  if (TzrListBox* list = ListBox()) list->ClearDragItem();
}
