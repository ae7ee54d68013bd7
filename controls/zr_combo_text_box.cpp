// TzrComboTextBox, TzrComboTrackBar, TzrTextBoxClearBtn and their HUD
// variants.

#include "controls/zr_combo_text_box.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_number_box.h"
#include "controls/zr_tracks.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_position.h"
#include "scene/zr_stream.h"
#include "scene/zr_strings.h"
#include "scene/zr_strings_compare.h"

namespace {

constexpr uint16_t VkUp = 38;
constexpr uint16_t VkDown = 40;

// A popup of a text box: placed at the box, closing on outside clicks, not
// streamed, a locked child of the box.
TzrPopup* NewPopup(TzrVisualObject* Box) {
  auto* popup = new TzrPopup(Box);
  popup->SetPlacementTarget(Box);
  popup->SetStaysOpen(false);
  popup->SetStored(false);
  popup->SetParent(Box);
  popup->SetLocked(true);
  return popup;
}

bool OutsideContent(TzrCustomTextBox* Box, float X, float Y) {
  return !zrPtInRect({X, Y}, Box->ContentRect());
}

}  // namespace

// ---------------------------------------------------------------- combo text box

const TClassInfo* TzrComboTextBox::Class() {
  using T = TzrComboTextBox;
  static const TClassInfo* info =
      TClassDecl<T>("TzrComboTextBox", TzrCustomTextBox::Class())
          .Prop("Cursor", &T::GetCursor, &T::SetCursor)
          .Default(0)
          .Idents(CursorIdents())
          .Prop("DropDownCount", &T::GetDropDownCount, &T::SetDropDownCount)
          .Default(8)
          .Prop("ItemHeight", &T::GetItemHeight, &T::SetItemHeight)
          .Prop("ItemIndex", &T::GetItemIndex, &T::SetItemIndex)
          .Prop("Items", &T::GetItems, &T::SetItems)
          .Prop("ListBoxResource", &T::GetListBoxResource, &T::SetListBoxResource)
          .Prop("Text", &T::GetText, &T::SetText);
  return info;
}

TzrComboTextBox::TzrComboTextBox(TComponent* AOwner)
    : TzrCustomTextBox(AOwner), FItems(std::make_unique<TzrWideStringList>()) {
  SetCursor(0);
  FItems->OnChange = [this](TObject*) { RebuildList(); };
  FPopup = NewPopup(this);
  FPopup->OnClosePopup = [this](TObject*) { PopupClosed(); };
  FListBox = new TzrComboListBox(this);
  FListBox->SetParent(FPopup);
  FListBox->SetComboBox(this);
  FListBox->SetItemHeight(FItemHeight);
  FListBox->SetStored(false);
  FListBox->SetAlign(vaClient);
  FListBox->SetShowCheckboxes(false);
}

TzrComboTextBox::~TzrComboTextBox() {
  Destroying();
  FItems->OnChange = nullptr;
  if (FPopup) {
    FPopup->OnClosePopup = nullptr;
    FPopup->SetIsOpen(false);
  }
}

void TzrComboTextBox::Notification(TComponent* AComponent, TOperation Operation) {
  TzrCustomTextBox::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopup) FPopup = nullptr;
  if (AComponent == FListBox) FListBox = nullptr;
}

int TzrComboTextBox::GetItemIndex() const { return FListBox ? FListBox->GetItemIndex() : -1; }

int TzrComboTextBox::GetCount() const { return FListBox ? FListBox->GetCount() : 0; }

TzrWideStrings* TzrComboTextBox::GetItems() const { return FItems.get(); }

void TzrComboTextBox::SetItems(TzrWideStrings* Value) { FItems->Assign(Value); }

void TzrComboTextBox::SetItemHeight(float Value) {
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  if (FListBox) FListBox->SetItemHeight(Value);
}

std::string TzrComboTextBox::GetListBoxResource() const {
  return FListBox ? FListBox->GetResource() : std::string();
}

void TzrComboTextBox::SetListBoxResource(const std::string& Value) {
  if (FListBox) FListBox->SetResource(Value);
}

void TzrComboTextBox::RebuildList() {
  if (IsDestroying() || !FListBox) return;
  BeginUpdate();
  const int index = FListBox->GetItemIndex();
  FListBox->SetItemIndexField(-1);
  FListBox->Clear();
  for (int i = 0; i < FItems->GetCount(); ++i) {
    auto* entry = new TzrListBoxItem(this);
    entry->SetAutoTranslate(GetAutoTranslate());
    entry->SetParent(FListBox);
    entry->SetHeight(FItemHeight);
    entry->SetStored(false);
    entry->SetLocked(true);
    entry->SetText(FItems->Get(i));
  }
  EndUpdate();
  const int count = FListBox->GetCount();
  FListBox->SetItemIndexField(index < count ? index : count - 1);
  FListBox->Realign();
}

void TzrComboTextBox::SetItemIndex(int Index) {
  if (!FListBox) return;
  TzrFreeWatch watch(this);
  FListBox->SetItemIndex(Index);
  if (watch.Freed()) return;
  const int chosen = FListBox->GetItemIndex();
  if (chosen < 0 || chosen >= FItems->GetCount()) return;
  SetText(FItems->Get(chosen));
  if (watch.Freed()) return;
  FNeedChange = false;
  SelectAll();
  if (!GetBindingObjects().empty()) ToBindingObjects();
  // A copy: the handler may free the box, and its own event with it.
  if (const TNotifyEvent handler = OnChange) handler(this);
  if (watch.Freed()) return;
  UpdateEffects();
  Repaint();
}

void TzrComboTextBox::DropDown() {
  if (!FPopup || !FListBox) return;
  if (FPopup->GetIsOpen()) {
    FPopup->ClosePopup();
    return;
  }
  if (GetShowCaret()) HideCaret();
  FPopup->SetPlacement(FPlacement);
  FPopup->SetWidth(GetWidth());
  FPopup->SetHeight(FListBox->DropDownHeight(FDropDownCount));
  FListBox->NeedResource();
  FListBox->ApplyResource();
  TzrFreeWatch watch(FListBox);
  FPopup->Popup();
  if (watch.Freed() || !FPopup || !FPopup->GetIsOpen()) return;
  FListBox->SetFocus();
  FListBox->UpdateSelection();
}

void TzrComboTextBox::PopupClosed() {
  if (GetShowCaret() && GetIsFocused()) ShowCaretProc();
}

void TzrComboTextBox::Realign() {
  TzrCustomTextBox::Realign();
  if (FRealigning || !FPopup || !FListBox) return;
  FRealigning = true;
  FPopup->SetWidth(GetWidth());
  FListBox->SetWidth(GetWidth());
  FRealigning = false;
}

void TzrComboTextBox::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrCustomTextBox::MouseDown(Button, Shift, X, Y);
  if (!watch.Freed() && Button == mbLeft && OutsideContent(this, X, Y)) DropDown();
}

void TzrComboTextBox::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  const uint16_t key = Key;
  const char16_t typed = KeyChar;
  TzrFreeWatch watch(this);
  TzrCustomTextBox::KeyDown(Key, KeyChar, Shift);
  if (watch.Freed() || GetCount() == 0) return;
  if (GetReadOnly() && typed != 0) {
    KeyChar = 0;
    const char16_t wanted = zrFoldCase(typed);
    for (int i = 0; i < FItems->GetCount(); ++i) {
      const std::u16string text = FItems->Get(i);
      if (!text.empty() && zrFoldCase(text[0]) == wanted) {
        SetItemIndex(i);
        return;
      }
    }
    return;
  }
  const int index = GetItemIndex();
  if (key == VkUp) {
    Key = 0;
    if (index > 0) SetItemIndex(index - 1);
  } else if (key == VkDown) {
    Key = 0;
    if (index < GetCount() - 1) SetItemIndex(index + 1);
  }
}

const TClassInfo* TzrHudComboTextBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudComboTextBox>("TzrHudComboTextBox", TzrComboTextBox::Class());
  return info;
}

TzrHudComboTextBox::TzrHudComboTextBox(TComponent* AOwner) : TzrComboTextBox(AOwner) {
  SetResource("hudcombotextboxstyle");
  SetListBoxResource("hudcombolistboxstyle");
}

// ---------------------------------------------------------------- combo track bar

const TClassInfo* TzrComboTrackBar::Class() {
  using T = TzrComboTrackBar;
  static const TClassInfo* info = TClassDecl<T>("TzrComboTrackBar", TzrCustomTextBox::Class())
                                      .Prop("Min", &T::GetMin, &T::SetMin)
                                      .Prop("Max", &T::GetMax, &T::SetMax)
                                      .Prop("Value", &T::GetValue, &T::SetValue)
                                      .Prop("Frequency", &T::GetFrequency, &T::SetFrequency)
                                      .Prop("Text", &T::GetText, &T::SetText)
                                      .Stored(false);
  return info;
}

TzrComboTrackBar::TzrComboTrackBar(TComponent* AOwner) : TzrCustomTextBox(AOwner) {
  FFilterChar = u"0123456789.,-+";
  SetText(u"0");
  SetWidth(100);
  SetHeight(22);
  SetResource("combotextboxstyle");
  FPopup = NewPopup(this);
  FPopup->SetResource("combopopupstyle");
  FPopup->GetMargins()->SetRect({5, 2, 5, 2});
  FPopup->OnClosePopup = [this](TObject*) { PopupClosed(); };
  FTrackBar = new TzrTrackBar(this);
  FTrackBar->SetParent(FPopup);
  FTrackBar->SetStored(false);
  FTrackBar->SetDisableFocusEffect(true);
  FTrackBar->SetAlign(vaVertCenter);
  FTrackBar->OnChange = [this](TObject*) { DoTrackChange(); };
}

// An open popup closes while the box is whole, without calling back.
TzrComboTrackBar::~TzrComboTrackBar() {
  Destroying();
  if (!FPopup) return;
  FPopup->OnClosePopup = nullptr;
  FPopup->SetIsOpen(false);
}

void TzrComboTrackBar::Notification(TComponent* AComponent, TOperation Operation) {
  TzrCustomTextBox::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopup) FPopup = nullptr;
  if (AComponent == FTrackBar) FTrackBar = nullptr;
}

float TzrComboTrackBar::GetMin() const { return FTrackBar ? FTrackBar->GetMin() : 0; }
void TzrComboTrackBar::SetMin(float Value) {
  if (FTrackBar) FTrackBar->SetMin(Value);
}
float TzrComboTrackBar::GetMax() const { return FTrackBar ? FTrackBar->GetMax() : 0; }
void TzrComboTrackBar::SetMax(float Value) {
  if (FTrackBar) FTrackBar->SetMax(Value);
}
float TzrComboTrackBar::GetValue() const { return FTrackBar ? FTrackBar->GetValue() : 0; }
void TzrComboTrackBar::SetValue(float Value) {
  if (FTrackBar) FTrackBar->SetValue(Value);
}
float TzrComboTrackBar::GetFrequency() const { return FTrackBar ? FTrackBar->GetFrequency() : 0; }
void TzrComboTrackBar::SetFrequency(float Value) {
  if (FTrackBar) FTrackBar->SetFrequency(Value);
}

void TzrComboTrackBar::DropDown() {
  if (!FPopup || !FTrackBar) return;
  if (FPopup->GetIsOpen()) {
    FPopup->ClosePopup();
    return;
  }
  if (GetShowCaret()) HideCaret();
  FPopup->SetPlacement(FPlacement);
  FPopup->SetWidth(std::max(GetWidth(), 100.0f));
  FPopup->SetHeight(30);
  FTrackBar->NeedResource();
  FTrackBar->ApplyResource();
  FPopup->Popup();
}

void TzrComboTrackBar::PopupClosed() {
  if (GetShowCaret() && GetIsFocused()) ShowCaretProc();
}

// The value's text is the same in every locale: three decimals after a
// point, or the whole number.
void TzrComboTrackBar::DoTrackChange() {
  if (!FTrackBar) return;
  const float value = FTrackBar->GetValue();
  std::string text;
  if (value != std::trunc(value)) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", double(value));
    text = buffer;
    std::replace(text.begin(), text.end(), ',', '.');
  } else {
    text = std::to_string(static_cast<long long>(std::trunc(value)));
  }
  TzrFreeWatch watch(this);
  SetText(UTF8ToUTF16(text));
  if (watch.Freed()) return;
  SelectAll();
  // A copy: the handler may free the box, and its own event with it.
  if (const TNotifyEvent handler = OnChange) handler(this);
}

void TzrComboTrackBar::Change() {
  TzrFreeWatch watch(this);
  float value = 0;
  if (FTrackBar) {
    if (zrParseValueText(FText, value))
      FTrackBar->SetValue(value);
    else
      SetText(zrGeneralValueText(FTrackBar->GetValue(), zrValueFloat));
  }
  if (watch.Freed()) return;
  Repaint();
  TzrCustomTextBox::Change();
}

void TzrComboTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrCustomTextBox::MouseDown(Button, Shift, X, Y);
  if (!watch.Freed() && Button == mbLeft && OutsideContent(this, X, Y)) DropDown();
}

const TClassInfo* TzrHudComboTrackBar::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudComboTrackBar>("TzrHudComboTrackBar", TzrComboTrackBar::Class());
  return info;
}

TzrHudComboTrackBar::TzrHudComboTrackBar(TComponent* AOwner) : TzrComboTrackBar(AOwner) {
  SetResource("hudcombotextboxstyle");
  if (TzrPopup* popup = GetPopup()) popup->SetResource("hudcombopopupstyle");
  if (TzrTrackBar* bar = GetTrackBar()) bar->SetResource("hudtrackbarstyle");
}

// ---------------------------------------------------------------- clear button

const TClassInfo* TzrTextBoxClearBtn::Class() {
  using T = TzrTextBoxClearBtn;
  static const TClassInfo* info = TClassDecl<T>("TzrTextBoxClearBtn", TzrCustomTextBox::Class())
                                      .Prop("Password", &T::GetPassword, &T::SetPassword)
                                      .Default(false)
                                      .Prop("Text", &T::GetText, &T::SetText);
  return info;
}

void TzrTextBoxClearBtn::ApplyStyle() {
  TzrCustomTextBox::ApplyStyle();
  FClearBtn = dynamic_cast<TzrCustomButton*>(FindResource("clearbutton"));
  if (FClearBtn) FClearBtn->OnClick = [this](TObject*) { DoClearBtnClick(); };
}

void TzrTextBoxClearBtn::FreeStyle() {
  FClearBtn = nullptr;
  TzrCustomTextBox::FreeStyle();
}

void TzrTextBoxClearBtn::DoClearBtnClick() {
  TzrFreeWatch watch(this);
  SetFocus();
  if (watch.Freed()) return;
  SetText(u"");
  if (!watch.Freed()) Change();
}
