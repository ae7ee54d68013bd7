#pragma once
// Combo boxes: a control showing its current entry that opens a drop-down
// list in a popup.
//
// TzrComboListBox is the drop-down list: a list box inside a popup that
// commits the user's choice to the control owning it (a TzrComboBox or a
// TzrComboTextBox) through that control's SetItemIndex, so that its OnChange
// fires: Enter and a release over an entry commit and close the popup; the
// navigation keys and letters commit each change and leave it open. A commit's
// OnChange may run a modal window or free the owner: the list looks at
// itself and its popup again before it closes anything.
//
// TzrComboBox owns the popup and the list; its entries are ordinary
// TzrListBoxItem objects living in the list, and it paints the current one
// through its style's "Content" part with the entry's own style. ItemIndex
// is the list's: SetItemIndex fires OnChange on every call, also when the
// index did not change.
//
// TzrStringListBox and TzrStringComboBox generate their entries from a
// string list (Items); a rebuild keeps the current index (the combo clamps
// it to the new count) and fires no OnChange.

#include <memory>
#include <string>

#include "controls/zr_listbox.h"
#include "scene/zr_popup.h"

class TzrComboBox;
class TzrContent;
class TzrFont;
class TzrWideStrings;
class TzrWideStringList;

class TzrComboListBox : public TzrListBox {
 public:
  explicit TzrComboListBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The combo box or combo text box the list serves (not owned).
  TzrControl* GetComboBox() const { return FComboBox; }
  void SetComboBox(TzrControl* Value) { FComboBox = Value; }
  // Stores the current index without selecting, scrolling or notifying
  // (the string combo box's rebuild).
  void SetItemIndexField(int Value) { FItemIndex = Value; }
  // The popup holding the list when it is open, else nil.
  TzrPopup* OpenPopup() const;
  // The height of a drop-down that shows its first Rows entries whole:
  // each row as high as the list lays it out (ItemHeight when set, else the
  // entry's own height) with the entry's padding, plus the list's frame.
  float DropDownHeight(int Rows);

  void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  // Only the list's own children stream, not its entries: the owner
  // streams those as its own.
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

 private:
  // The owner's SetItemIndex with Index (OnChange fires).
  void Commit(int Index);
  // Closes the popup when it is still open (a commit may have closed it).
  void CloseOpenPopup();

  TzrControl* FComboBox = nullptr;
};

class TzrComboBox : public TzrControl {
 public:
  explicit TzrComboBox(TComponent* AOwner);
  ~TzrComboBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // ---- entries
  int GetItemIndex() const { return FListBox ? FListBox->GetItemIndex() : -1; }
  // Sets the list's index, pushes the value to bound objects and fires
  // OnChange, whether or not the index changed.
  void SetItemIndex(int Value);
  int GetCount() const { return FListBox ? FListBox->GetCount() : 0; }
  int Count() const { return GetCount(); }
  // The current entry, nil when none.
  TzrListBoxItem* GetSelected() const { return FListBox ? FListBox->GetSelected() : nullptr; }
  virtual void Clear();
  // Opens the popup sized to at most DropDownCount rows; closes an open one.
  virtual void DropDown();
  std::string ItemClass() override { return "TzrListBoxItem"; }

  // ---- parts
  TzrComboListBox* GetListBox() const { return FListBox; }
  TzrPopup* GetPopup() const { return FPopup; }

  // ---- published
  int GetDropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  TzrPlacement GetPlacement() const { return FPlacement; }
  void SetPlacement(TzrPlacement Value) { FPlacement = Value; }
  float GetItemHeight() const { return FListBox ? FListBox->GetItemHeight() : 0; }
  void SetItemHeight(float Value);
  std::string GetListBoxResource() const;
  void SetListBoxResource(const std::string& Value);

  // ---- overrides
  // List entries go into the list, anything else into the combo box.
  void AddObject(TzrObject* AObject) override;
  // The combo's own children, then the stored entries of the list.
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void Realign() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseWheel(TShiftState Shift, int WheelDelta, bool& Handled) override;
  void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TNotifyEvent OnChange;

 protected:
  // Paints the current entry into the "Content" part.
  virtual void DoContentPaint(TObject* Sender, TzrCanvas* Canvas, const TzrRect& ARect);
  // The closed box's navigation keys; false for any other key.
  bool NavigationKey(uint16_t Key, TShiftState Shift);

  int FDropDownCount = 8;
  TzrPopup* FPopup = nullptr;
  TzrComboListBox* FListBox = nullptr;
  TzrPlacement FPlacement = zrPlacementBottom;

 private:
  TzrContent* FContentPart = nullptr;
  bool FRealigning = false;
};

class TzrHudComboBox : public TzrComboBox {
 public:
  explicit TzrHudComboBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrStringListBox : public TzrListBox {
 public:
  explicit TzrStringListBox(TComponent* AOwner);
  ~TzrStringListBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrWideStrings* GetItems() const;
  // Copies the strings into Items, which rebuilds the entries.
  void SetItems(TzrWideStrings* Value);
  TzrTextAlign GetTextAlign() const { return FTextAlign; }
  void SetTextAlign(TzrTextAlign Value);
  TzrFont* GetFont() const { return FFont.get(); }
  // Copies the font; every entry follows.
  void SetFont(TzrFont* Value);
  const std::string& GetItemStyle() const { return FItemStyle; }
  void SetItemStyle(const std::string& Value) { FItemStyle = Value; }

  // Generates one entry per string; keeps ItemIndex as it was.
  void RebuildList();
  // With Sorted: sorts the strings (not the entries) when they are out of
  // order, which rebuilds the entries in string order.
  void SortItems() override;
  void EndUpdate() override;
  // The string at ItemIndex, empty when there is none.
  Variant GetData() override;
  // Replaces the string at ItemIndex (which rebuilds).
  void SetData(const Variant& Value) override;

 private:
  void FontChanged();

  std::unique_ptr<TzrWideStringList> FItems;
  TzrTextAlign FTextAlign = zrTextAlignCenter;
  std::string FItemStyle = "listboxitemstyle";
  std::unique_ptr<TzrFont> FFont;
  bool FRebuilding = false;
};

class TzrHudStringListBox : public TzrStringListBox {
 public:
  explicit TzrHudStringListBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrStringComboBox : public TzrComboBox {
 public:
  explicit TzrStringComboBox(TComponent* AOwner);
  ~TzrStringComboBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrWideStrings* GetItems() const;
  // Copies the strings into Items, which rebuilds the entries.
  void SetItems(TzrWideStrings* Value);
  TzrTextAlign GetTextAlign() const { return FTextAlign; }
  void SetTextAlign(TzrTextAlign Value);
  // The height of every generated entry; it hides the combo box's
  // ItemHeight, so the list's own stays 0 and the drop-down rows follow the
  // box's height.
  float GetItemHeight() const { return FItemHeight; }
  void SetItemHeight(float Value);
  const std::string& GetItemStyle() const { return FItemStyle; }
  void SetItemStyle(const std::string& Value) { FItemStyle = Value; }

  // Generates one entry per string; keeps ItemIndex, or clamps it to the
  // last entry; fires no OnChange.
  void RebuildList();
  Variant GetData() override;
  void SetData(const Variant& Value) override;

 private:
  std::unique_ptr<TzrWideStringList> FItems;
  float FItemHeight = 19;
  TzrTextAlign FTextAlign = zrTextAlignCenter;
  std::string FItemStyle = "listboxitemstyle";
};

class TzrHudStringComboBox : public TzrStringComboBox {
 public:
  explicit TzrHudStringComboBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// A plain entry with Text appended to the combo box's list.
TzrListBoxItem* zrComboAddText(TzrComboBox* Combo, const std::u16string& Text);
// The text of the current entry, empty when there is none.
std::u16string zrComboText(const TzrComboBox* Combo);
