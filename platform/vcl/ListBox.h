#pragma once
// TListBox: the framework's list box as the program uses it, a hidden list
// of text lines with a selected index (-1 when nothing is selected). It
// shows nothing: the adapter list keeps one line per usable adapter and the
// adapter picker reads its lines.

#include <string>
#include <vector>

#include "platform/rtl/Classes.h"

class TListBox : public TComponent {
 public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TListBox"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  int Count() const { return static_cast<int>(FItems.size()); }
  // The line at Index; an index outside the lines raises EListError.
  const std::u16string& Item(int Index) const;
  void AddItem(const std::u16string& Text) { FItems.push_back(Text); }
  // Removes every line and the selection.
  void Clear();
  int GetItemIndex() const { return FItemIndex; }
  // Out-of-range values select nothing; a change fires OnChange.
  void SetItemIndex(int Value);
  TNotifyEvent OnChange;

 private:
  std::vector<std::u16string> FItems;
  int FItemIndex = -1;
};
