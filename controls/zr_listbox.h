#pragma once
// List and combo boxes as the program drives them: items, the selected index
// (-1 when nothing is selected) and the change event.

#include <string>
#include <vector>

#include "controls/zr_controls.h"

class TzrListBox : public TzrControl {
public:
  using TzrControl::TzrControl;
  std::string ClassName() const override { return "TzrListBox"; }
  int GetItemIndex() const { return FItemIndex; }
  // Selects the item; out-of-range values select nothing. Fires OnChange on a change.
  void SetItemIndex(int value);
  int Count() const { return static_cast<int>(FItems.size()); }
  const std::u16string& Item(int index) const { return FItems.at(index); }
  void AddItem(const std::u16string& text) { FItems.push_back(text); }
  void Clear();
  TNotifyEvent OnChange;

protected:
  std::vector<std::u16string> FItems;
  int FItemIndex = -1;
};

// One item of a list box: its caption and its position in the list.
class TzrListBoxItem : public TzrTextControl {
public:
  using TzrTextControl::TzrTextControl;
  std::string ClassName() const override { return "TzrListBoxItem"; }
  int GetIndex() const { return FIndex; }
  void SetIndex(int value) { FIndex = value; }

private:
  int FIndex = 0;
};

class TzrComboBox : public TzrListBox {
public:
  using TzrListBox::TzrListBox;
  std::string ClassName() const override { return "TzrComboBox"; }
  // The text of the selected item, empty when nothing is selected.
  std::u16string GetText() const;
  void DropDown() { FDroppedDown = true; }
  bool GetDroppedDown() const { return FDroppedDown; }

private:
  bool FDroppedDown = false;
};
