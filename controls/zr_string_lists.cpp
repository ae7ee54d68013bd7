// TzrStringListBox and TzrStringComboBox: entries generated from a string
// list, and their HUD variants.

#include <cmath>

#include "controls/zr_combo_box.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_font.h"
#include "scene/zr_strings.h"

namespace {

// A generated entry: owned by AOwner, not stored, locked.
TzrListBoxItem* NewEntry(TzrControl* AOwner, const std::u16string& Text, float Height,
                         const std::string& Style, TzrTextAlign Align) {
  auto* entry = new TzrListBoxItem(AOwner);
  entry->SetAutoTranslate(AOwner->GetAutoTranslate());
  entry->SetHeight(Height);
  entry->SetStored(false);
  entry->SetLocked(true);
  entry->SetResource(Style);
  entry->SetText(Text);
  entry->SetTextAlign(Align);
  return entry;
}

}  // namespace

// ---------------------------------------------------------------- string list box

const TClassInfo* TzrStringListBox::Class() {
  using T = TzrStringListBox;
  static const TClassInfo* info =
      TClassDecl<T>("TzrStringListBox", TzrListBox::Class())
          .Prop("AutoTranslate", &T::GetAutoTranslate, &T::SetAutoTranslate)
          .Default(true)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignCenter)
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Prop("Items", &T::GetItems, &T::SetItems);
  return info;
}

TzrStringListBox::TzrStringListBox(TComponent* AOwner)
    : TzrListBox(AOwner),
      FItems(std::make_unique<TzrWideStringList>()),
      FFont(std::make_unique<TzrFont>()) {
  FFont->OnChanged = [this](TObject*) { FontChanged(); };
  SetAutoTranslate(true);
  FItems->OnChange = [this](TObject*) { RebuildList(); };
  FItemHeight = 19;
  SetResourceLater("listboxstyle");
}

TzrStringListBox::~TzrStringListBox() {
  Destroying();
  FItems->OnChange = nullptr;
  FFont->OnChanged = nullptr;
}

TzrWideStrings* TzrStringListBox::GetItems() const { return FItems.get(); }

void TzrStringListBox::SetItems(TzrWideStrings* Value) { FItems->Assign(Value); }

void TzrStringListBox::SetTextAlign(TzrTextAlign Value) {
  FTextAlign = Value;
  if (!IsLoading()) RebuildList();
}

void TzrStringListBox::SetFont(TzrFont* Value) { FFont->Assign(Value); }

void TzrStringListBox::FontChanged() {
  for (int i = 0; i < GetCount(); ++i)
    if (TzrListBoxItem* entry = ItemByIndex(i)) entry->SetFont(FFont.get());
}

void TzrStringListBox::RebuildList() {
  if (IsDestroying() || FRebuilding || GetUpdating() > 0) return;
  FRebuilding = true;
  BeginUpdate();
  const int index = FItemIndex;
  const TzrPoint scroll = FScrollDesign;
  FItemIndex = -1;
  Clear();
  FScrollDesign = scroll;
  for (int i = 0; i < FItems->GetCount(); ++i) {
    TzrListBoxItem* entry = NewEntry(this, FItems->Get(i), FItemHeight, FItemStyle, FTextAlign);
    entry->SetFont(FFont.get());
    entry->SetParent(this);
    // The entry took its style before it had a list to ask.
    entry->UpdateCheckVisible();
  }
  TzrListBox::EndUpdate();
  FItemIndex = index;
  FRebuilding = false;
  Realign();
}

void TzrStringListBox::EndUpdate() {
  TzrListBox::EndUpdate();
  if (GetUpdating() == 0) RebuildList();
}

// The strings are sorted only when they are out of order: the sort rebuilds
// the entries, whose layout sorts again, and finds them in order.
void TzrStringListBox::SortItems() {
  if (!FSorted) return;
  for (int i = 1; i < FItems->GetCount(); ++i)
    if (FItems->CompareStrings(FItems->Get(i - 1), FItems->Get(i)) > 0) {
      FItems->Sort();
      return;
    }
}

Variant TzrStringListBox::GetData() {
  if (FItemIndex < 0 || FItemIndex >= FItems->GetCount()) return Variant(std::u16string());
  return Variant(FItems->Get(FItemIndex));
}

void TzrStringListBox::SetData(const Variant& Value) {
  if (FItemIndex < 0 || FItemIndex >= FItems->GetCount()) return;
  FItems->Put(FItemIndex, Value.ToWideString());
}

const TClassInfo* TzrHudStringListBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudStringListBox>("TzrHudStringListBox", TzrStringListBox::Class());
  return info;
}

TzrHudStringListBox::TzrHudStringListBox(TComponent* AOwner) : TzrStringListBox(AOwner) {
  SetResourceLater("hudlistboxstyle");
  SetItemStyle("hudlistboxitemstyle");
}

// ---------------------------------------------------------------- string combo box

const TClassInfo* TzrStringComboBox::Class() {
  using T = TzrStringComboBox;
  static const TClassInfo* info =
      TClassDecl<T>("TzrStringComboBox", TzrComboBox::Class())
          .Prop("AutoTranslate", &T::GetAutoTranslate, &T::SetAutoTranslate)
          .Default(true)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignCenter)
          .Prop("ItemHeight", &T::GetItemHeight, &T::SetItemHeight)
          .Prop("Items", &T::GetItems, &T::SetItems);
  return info;
}

TzrStringComboBox::TzrStringComboBox(TComponent* AOwner)
    : TzrComboBox(AOwner), FItems(std::make_unique<TzrWideStringList>()) {
  SetAutoTranslate(true);
  FItems->OnChange = [this](TObject*) { RebuildList(); };
  SetResource("comboboxstyle");
}

TzrStringComboBox::~TzrStringComboBox() {
  Destroying();
  FItems->OnChange = nullptr;
}

TzrWideStrings* TzrStringComboBox::GetItems() const { return FItems.get(); }

void TzrStringComboBox::SetItems(TzrWideStrings* Value) { FItems->Assign(Value); }

void TzrStringComboBox::SetTextAlign(TzrTextAlign Value) {
  FTextAlign = Value;
  if (!IsLoading()) RebuildList();
}

void TzrStringComboBox::SetItemHeight(float Value) {
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  RebuildList();
}

void TzrStringComboBox::RebuildList() {
  if (IsDestroying() || !FListBox) return;
  FListBox->BeginUpdate();
  const int index = FListBox->GetItemIndex();
  FListBox->SetItemIndexField(-1);
  FListBox->Clear();
  for (int i = 0; i < FItems->GetCount(); ++i)
    NewEntry(this, FItems->Get(i), FItemHeight, FItemStyle, FTextAlign)->SetParent(this);
  FListBox->EndUpdate();
  const int count = FListBox->GetCount();
  FListBox->SetItemIndexField(index < count ? index : count - 1);
  FListBox->Realign();
  Repaint();
}

Variant TzrStringComboBox::GetData() {
  const int index = GetItemIndex();
  if (index < 0 || index >= FItems->GetCount()) return Variant(std::u16string());
  return Variant(FItems->Get(index));
}

void TzrStringComboBox::SetData(const Variant& Value) {
  const int index = GetItemIndex();
  if (index < 0 || index >= FItems->GetCount()) return;
  FItems->Put(index, Value.ToWideString());
}

const TClassInfo* TzrHudStringComboBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudStringComboBox>("TzrHudStringComboBox", TzrStringComboBox::Class());
  return info;
}

TzrHudStringComboBox::TzrHudStringComboBox(TComponent* AOwner) : TzrStringComboBox(AOwner) {
  SetResource("hudcomboboxstyle");
  SetListBoxResource("hudcombolistboxstyle");
  SetItemStyle("hudlistboxitemstyle");
}
