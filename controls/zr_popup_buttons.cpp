#include "controls/zr_popup_buttons.h"

#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_classes.h"
#include "scene/zr_intf.h"
#include "scene/zr_strings.h"

namespace {

// Shows AMenu at the node's local point P, converted to scene and then to
// screen coordinates, each taken to the nearest integer.
void PopupAt(TPopupMenu* AMenu, TzrVisualObject* ANode, const TzrPoint& P) {
  IzoRurev* scene = ANode->GetScene();
  if (!scene) return;
  const TzrPoint screen = scene->LocalToScreen(ANode->LocalToAbsolute(P));
  AMenu->Popup(int(std::nearbyint(screen.X)), int(std::nearbyint(screen.Y)));
}

// A menu caption showing the text as it stands ("&" is no mnemonic here).
std::string PlainCaption(const std::u16string& AText) {
  std::string caption;
  for (char c : UTF16ToUTF8(AText)) {
    caption += c;
    if (c == '&') caption += '&';
  }
  return caption;
}

}  // namespace

// ---------------------------------------------------------------- popup button

const TClassInfo* TzrPopupButton::Class() {
  using T = TzrPopupButton;
  static const TClassInfo* info = TClassDecl<T>("TzrPopupButton", TzrButton::Class())
                                      .Prop("PopupMenu", &T::GetPopupMenu, &T::SetPopupMenu);
  return info;
}

void TzrPopupButton::SetPopupMenu(TPopupMenu* Value) {
  if (FPopupMenu == Value) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (FPopupMenu) FPopupMenu->FreeNotification(this);
}

void TzrPopupButton::Click() {
  TzrFreeWatch watch(this);
  TzrButton::Click();
  if (watch.Freed() || !FPopupMenu) return;
  PopupAt(FPopupMenu, this, {0, GetHeight()});
}

void TzrPopupButton::Notification(TComponent* AComponent, TOperation Operation) {
  TzrButton::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

// ---------------------------------------------------------------- popup box

const TClassInfo* TzrPopupBox::Class() {
  using T = TzrPopupBox;
  static const TClassInfo* info =
      TClassDecl<T>("TzrPopupBox", TzrCustomButton::Class())
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Default(false)
          .Prop("Text", &T::GetText, &T::SetText)
          .Stored(false)
          .Prop("BindingSource", &T::GetBindingSource, &T::SetBindingSource)
          .Prop("Items", &T::GetItems, &T::SetItems)
          .Prop("ItemIndex", &T::GetItemIndex, &T::SetItemIndex)
          .Event("OnChange", &T::OnChange);
  return info;
}

TzrPopupBox::TzrPopupBox(TComponent* AOwner)
    : TzrCustomButton(AOwner),
      FItems(std::make_unique<TzrWideStringList>()),
      FPopup(std::make_unique<TPopupMenu>(nullptr)) {
  FCanFocused = true;
  SetHeight(21);
  FItems->OnChange = [this](TObject* Sender) { DoItemsChanged(Sender); };
  FItemIndex = -1;
  TzrCustomButton::SetText(u"");
}

TzrPopupBox::~TzrPopupBox() {
  Destroying();
  FItems->OnChange = nullptr;
}

TzrWideStrings* TzrPopupBox::GetItems() const { return FItems.get(); }

void TzrPopupBox::SetItems(TzrWideStrings* Value) { FItems->Assign(Value); }

void TzrPopupBox::DoItemsChanged(TObject*) { Repaint(); }

void TzrPopupBox::SetItemIndex(int Value) {
  if (Value == FItemIndex) return;
  const int count = FItems->GetCount();
  if (Value >= 0 && count > 0) {
    // An index past the items is refused before anything changes.
    if (Value >= count) throw EListError("List index error (" + std::to_string(Value) + ")");
    FItemIndex = Value;
    SetText(FItems->Get(Value));
  } else {
    FItemIndex = -1;
    TzrCustomButton::SetText(u"");
  }
  if (OnChange) OnChange(this);
}

void TzrPopupBox::SetText(const std::u16string& Value) {
  std::u16string caption;
  if (FItems->GetCount() == 0) {
    FItemIndex = -1;
  } else {
    FItemIndex = FItems->IndexOf(Value);
    if (FItemIndex >= 0) caption = Value;
  }
  TzrCustomButton::SetText(caption);
}

void TzrPopupBox::Click() {
  TzrFreeWatch watch(this);
  TzrCustomButton::Click();
  if (!watch.Freed()) DoPopup();
}

void TzrPopupBox::DoPopup() {
  TMenuItem* root = FPopup->Items();
  while (root->Count() > 0) delete root->Items(root->Count() - 1);
  for (int i = 0; i < FItems->GetCount(); ++i) {
    auto* item = new TMenuItem(FPopup.get());
    item->SetCaption(PlainCaption(FItems->Get(i)));
    item->SetChecked(i == FItemIndex);
    item->OnClick = [this](TObject* Sender) { DoItemClick(Sender); };
    root->Add(item);
  }
  const float top = std::trunc(GetHeight() / 2 - 10.0f * float(FItems->GetCount()));
  PopupAt(FPopup.get(), this, {0, top});
}

void TzrPopupBox::DoItemClick(TObject* Sender) {
  auto* item = dynamic_cast<TMenuItem*>(Sender);
  if (!item || !item->Parent()) return;
  SetItemIndex(item->Parent()->IndexOf(item));
}

Variant TzrPopupBox::GetData() { return Variant(GetText()); }

void TzrPopupBox::SetData(const Variant& Value) {
  if (Value.IsNull()) {
    SetItemIndex(-1);
  } else if (VarIsEvent(Value)) {
    OnChange = VariantToEvent(Value);
  } else if (Value.IsText()) {
    const std::u16string text = Value.ToWideString();
    const int index = FItems->IndexOf(text);
    if (index >= 0)
      SetItemIndex(index);
    else
      SetText(text);
  } else {
    SetItemIndex(int(Value.ToInt64()));
  }
}

const TClassInfo* TzrHudPopupBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudPopupBox>("TzrHudPopupBox", TzrPopupBox::Class());
  return info;
}
