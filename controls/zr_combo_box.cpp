// TzrComboListBox and TzrComboBox: the drop-down list and the combo box
// that paints its current entry and opens the list in a popup.

#include "controls/zr_combo_box.h"

#include <algorithm>

#include "controls/zr_combo_text_box.h"
#include "controls/zr_panels.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_strings_compare.h"

namespace {

constexpr uint16_t VkReturn = 13;
constexpr uint16_t VkEnd = 35;
constexpr uint16_t VkHome = 36;
constexpr uint16_t VkLeft = 37;
constexpr uint16_t VkUp = 38;
constexpr uint16_t VkRight = 39;
constexpr uint16_t VkDown = 40;

bool IsListEntry(TzrObject* AObject) {
  return dynamic_cast<TzrListBoxItem*>(AObject) || zrClassIs(AObject, "TzrSelectionItem");
}

}  // namespace

// ---------------------------------------------------------------- drop-down list

const TClassInfo* TzrComboListBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrComboListBox>("TzrComboListBox", TzrListBox::Class());
  return info;
}

TzrComboListBox::TzrComboListBox(TComponent* AOwner) : TzrListBox(AOwner) {
  FHideSelectionUnfocused = false;
}

float TzrComboListBox::DropDownHeight(int Rows) {
  // The list style's background sits 2 pixels inside the list on each side.
  constexpr float Frame = 4;
  float height = Frame;
  for (int i = 0; i < std::min(Rows, GetCount()); ++i) {
    TzrListBoxItem* entry = ItemByIndex(i);
    if (!entry) continue;
    const TzrRect pad = entry->GetPadding()->GetRect();
    height += (FItemHeight > 0 ? FItemHeight : entry->GetHeight()) + pad.Top + pad.Bottom;
  }
  return height;
}

TzrPopup* TzrComboListBox::OpenPopup() const {
  auto* popup = dynamic_cast<TzrPopup*>(FParent);
  return popup && popup->GetIsOpen() ? popup : nullptr;
}

void TzrComboListBox::Commit(int Index) {
  if (auto* combo = dynamic_cast<TzrComboBox*>(FComboBox))
    combo->SetItemIndex(Index);
  else if (auto* box = dynamic_cast<TzrComboTextBox*>(FComboBox))
    box->SetItemIndex(Index);
}

void TzrComboListBox::CloseOpenPopup() {
  if (TzrPopup* popup = OpenPopup()) popup->ClosePopup();
}

void TzrComboListBox::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrFreeWatch watch(this);  // a commit's OnChange may free the owner and the list
  const int before = FItemIndex;
  const bool enter = Key == VkReturn;
  TzrListBox::KeyDown(Key, KeyChar, Shift);
  if (watch.Freed() || !FComboBox) return;
  if (enter && OpenPopup()) {
    Commit(FItemIndex);
    if (!watch.Freed()) CloseOpenPopup();
    return;
  }
  // The list moved its own index: the owner hears of it as of any change of
  // its value, and the list stays open.
  if (FItemIndex != before) Commit(FItemIndex);
}

void TzrComboListBox::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrListBox::MouseUp(Button, Shift, X, Y);
  if (watch.Freed() || !OpenPopup()) return;
  TzrListBoxItem* item = zrPtInRect({X, Y}, GetLocalRect()) ? ItemByPoint(X, Y) : nullptr;
  if (item && FComboBox) Commit(item->GetIndex());
  if (!watch.Freed()) CloseOpenPopup();
}

void TzrComboListBox::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TComponent::GetChildren(Proc, Root);
  for (int i = 0; i < GetChildrenCount(); ++i) {
    TzrObject* child = GetChild(i);
    if (child != FContent && child->GetStored()) Proc(child);
  }
}

// ---------------------------------------------------------------- combo box

const TClassInfo* TzrComboBox::Class() {
  using T = TzrComboBox;
  static const TClassInfo* info =
      TClassDecl<T>("TzrComboBox", TzrControl::Class())
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Default(false)
          .Prop("ItemIndex", &T::GetItemIndex, &T::SetItemIndex)
          .Prop("ItemHeight", &T::GetItemHeight, &T::SetItemHeight)
          .Prop("DropDownCount", &T::GetDropDownCount, &T::SetDropDownCount)
          .Default(8)
          .Enum("Placement", &T::GetPlacement, &T::SetPlacement, zrPlacementInfo())
          .Default(zrPlacementBottom)
          .Prop("BindingSource", &T::GetBindingSource, &T::SetBindingSource)
          .Prop("ListBoxResource", &T::GetListBoxResource, &T::SetListBoxResource)
          .Event("OnChange", &T::OnChange);
  return info;
}

TzrComboBox::TzrComboBox(TComponent* AOwner) : TzrControl(AOwner) {
  FCanFocused = true;
  FPopup = new TzrPopup(this);
  FPopup->SetPlacementTarget(this);
  FPopup->SetStaysOpen(false);
  FPopup->SetStored(false);
  FPopup->SetParent(this);
  FPopup->SetLocked(true);
  FListBox = new TzrComboListBox(this);
  FListBox->SetParent(FPopup);
  FListBox->SetComboBox(this);
  FListBox->SetStored(false);
  FListBox->SetAlign(vaClient);
  FListBox->SetShowCheckboxes(false);
  SetWidth(100);
  SetHeight(22);
}

TzrComboBox::~TzrComboBox() {
  Destroying();
  // The popup closes (and gives the list back) before the parts go.
  if (FPopup) FPopup->SetIsOpen(false);
}

void TzrComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  TzrControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopup) FPopup = nullptr;
  if (AComponent == FListBox) FListBox = nullptr;
}

void TzrComboBox::SetItemIndex(int Value) {
  if (!FListBox) return;
  TzrFreeWatch watch(this);
  FListBox->SetItemIndex(Value);
  if (watch.Freed()) return;
  if (!GetBindingObjects().empty()) ToBindingObjects();
  // A copy: the handler may free the box, and its own event with it.
  if (const TNotifyEvent handler = OnChange) handler(this);
  if (watch.Freed()) return;
  UpdateEffects();
  Repaint();
}

void TzrComboBox::Clear() {
  if (FListBox) FListBox->Clear();
}

void TzrComboBox::SetItemHeight(float Value) {
  if (FListBox) FListBox->SetItemHeight(Value);
}

std::string TzrComboBox::GetListBoxResource() const {
  return FListBox ? FListBox->GetResource() : std::string();
}

void TzrComboBox::SetListBoxResource(const std::string& Value) {
  if (FListBox) FListBox->SetResource(Value);
}

void TzrComboBox::DropDown() {
  if (!FPopup || !FListBox) return;
  if (FPopup->GetIsOpen()) {
    FPopup->ClosePopup();
    return;
  }
  FPopup->SetPlacement(FPlacement);
  FPopup->SetWidth(GetWidth());
  FPopup->SetHeight(FListBox->DropDownHeight(FDropDownCount));
  TzrFreeWatch watch(FListBox);
  FPopup->Popup();
  if (!watch.Freed() && FPopup && FPopup->GetIsOpen()) FListBox->SetFocus();
}

// ---------------------------------------------------------------- children

void TzrComboBox::AddObject(TzrObject* AObject) {
  if (FListBox && AObject != FListBox && IsListEntry(AObject)) {
    FListBox->AddObject(AObject);
    return;
  }
  TzrControl::AddObject(AObject);
}

void TzrComboBox::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TzrControl::GetChildren(Proc, Root);
  TzrObject* content = FListBox ? FListBox->GetContent() : nullptr;
  if (!content) return;
  for (int i = 0; i < content->GetChildrenCount(); ++i)
    if (content->GetChild(i)->GetStored()) Proc(content->GetChild(i));
}

// ---------------------------------------------------------------- style and painting

void TzrComboBox::ApplyStyle() {
  TzrControl::ApplyStyle();
  FContentPart = dynamic_cast<TzrContent*>(FindResource("Content"));
  if (!FContentPart) return;
  FContentPart->OnPaint = [this](TObject* Sender, TzrCanvas* Canvas, const TzrRect& R) {
    DoContentPaint(Sender, Canvas, R);
  };
  if (TzrListBoxItem* entry = GetSelected()) entry->SetWidth(FContentPart->GetWidth());
}

void TzrComboBox::FreeStyle() {
  if (FContentPart) FContentPart->OnPaint = nullptr;
  FContentPart = nullptr;
  TzrControl::FreeStyle();
}

// The entry is painted as it looks in the list (its style, images and
// text), in this box's scene and at the size of the painted rectangle; its
// own size and scene are put back.
void TzrComboBox::DoContentPaint(TObject* Sender, TzrCanvas* Canvas, const TzrRect& ARect) {
  TzrListBoxItem* entry = GetSelected();
  auto* part = dynamic_cast<TzrVisualObject*>(Sender);
  if (!entry || !part || !Canvas) return;
  if (entry->GetNeedResource()) entry->ApplyResource();
  const float width = entry->GetWidth(), height = entry->GetHeight();
  IzoRurev* ownScene = entry->GetScene();
  entry->SetNewScene(GetScene());
  // The entry's own parts are laid out for the rectangle while it paints
  // there (an entry not yet laid out by the list is still at its first
  // size), and for its place in the list again afterwards.
  entry->SetSizeWithoutChange(zrRectWidth(ARect), zrRectHeight(ARect));
  entry->Realign();
  entry->PaintTo(Canvas, ARect, part);
  entry->SetSizeWithoutChange(width, height);
  entry->Realign();
  entry->SetNewScene(ownScene);
}

void TzrComboBox::Realign() {
  TzrControl::Realign();
  if (FRealigning || !FPopup) return;
  FRealigning = true;
  FPopup->SetWidth(GetWidth());
  FRealigning = false;
}

// ---------------------------------------------------------------- mouse and keys

void TzrComboBox::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrControl::MouseDown(Button, Shift, X, Y);
  if (!watch.Freed() && Button == mbLeft) DropDown();
}

void TzrComboBox::MouseWheel(TShiftState Shift, int WheelDelta, bool& Handled) {
  TzrFreeWatch watch(this);
  TzrControl::MouseWheel(Shift, WheelDelta, Handled);
  if (watch.Freed()) return;
  const int index = GetItemIndex();
  if (WheelDelta < 0 && index < GetCount() - 1)
    SetItemIndex(index + 1);
  else if (WheelDelta > 0 && index > 0)
    SetItemIndex(index - 1);
  Handled = true;
}

bool TzrComboBox::NavigationKey(uint16_t Key, TShiftState Shift) {
  const int count = GetCount();
  const int index = GetItemIndex();
  switch (Key) {
    case VkHome:
      SetItemIndex(0);
      return true;
    case VkEnd:
      SetItemIndex(count - 1);
      return true;
    case VkLeft:
      if (index > 0) SetItemIndex(index - 1);
      return true;
    case VkUp:
      if (index > 0) SetItemIndex(index - 1);
      if (GetItemIndex() < 0) SetItemIndex(0);
      return true;
    case VkRight:
      if (index < count - 1) SetItemIndex(index + 1);
      return true;
    case VkDown:
      if (Shift & ssAlt) {
        DropDown();
        return true;
      }
      if (index < count - 1) SetItemIndex(index + 1);
      if (GetItemIndex() > count - 1) SetItemIndex(count - 1);
      return true;
    default:
      return false;
  }
}

void TzrComboBox::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrFreeWatch watch(this);
  TzrControl::KeyDown(Key, KeyChar, Shift);
  if (watch.Freed() || GetCount() == 0) return;
  if (KeyChar != 0) {
    const char16_t wanted = zrFoldCase(KeyChar);
    KeyChar = 0;
    for (int i = 0; i < GetCount(); ++i) {
      TzrListBoxItem* entry = FListBox->ItemByIndex(i);
      if (entry && !entry->GetText().empty() && zrFoldCase(entry->GetText()[0]) == wanted) {
        SetItemIndex(i);
        return;
      }
    }
    return;
  }
  const uint16_t key = Key;
  Key = 0;
  if (!NavigationKey(key, Shift)) Key = key;
}

// ---------------------------------------------------------------- HUD combo box

const TClassInfo* TzrHudComboBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudComboBox>("TzrHudComboBox", TzrComboBox::Class());
  return info;
}

TzrHudComboBox::TzrHudComboBox(TComponent* AOwner) : TzrComboBox(AOwner) {
  FListBox->SetResource("hudcombolistboxstyle");
}

// ---------------------------------------------------------------- helpers

TzrListBoxItem* zrComboAddText(TzrComboBox* Combo, const std::u16string& Text) {
  if (!Combo) return nullptr;
  auto* entry = new TzrListBoxItem(Combo);
  entry->SetText(Text);
  entry->SetHeight(19);
  entry->SetParent(Combo);
  return entry;
}

std::u16string zrComboText(const TzrComboBox* Combo) {
  TzrListBoxItem* entry = Combo ? Combo->GetSelected() : nullptr;
  return entry ? entry->GetText() : std::u16string();
}
