#include "platform/vcl/ListBox.h"

#include "platform/rtl/SysUtils.h"

const std::u16string& TListBox::Item(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return FItems[size_t(Index)];
}

void TListBox::Clear() {
  FItems.clear();
  FItemIndex = -1;
}

void TListBox::SetItemIndex(int Value) {
  if (Value < -1 || Value >= Count()) Value = -1;
  if (FItemIndex == Value) return;
  FItemIndex = Value;
  if (OnChange) OnChange(this);
}
