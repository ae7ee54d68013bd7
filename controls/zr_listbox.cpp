#include "controls/zr_listbox.h"

void TzrListBox::SetItemIndex(int value) {
  if (value < -1 || value >= Count()) value = -1;
  if (FItemIndex == value) return;
  FItemIndex = value;
  if (OnChange) OnChange(this);
}

void TzrListBox::Clear() {
  FItems.clear();
  FItemIndex = -1;
}

std::u16string TzrComboBox::GetText() const {
  return FItemIndex >= 0 ? FItems[FItemIndex] : std::u16string();
}
