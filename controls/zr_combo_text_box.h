#pragma once
// Text boxes with a companion.
//
// TzrComboTextBox: a text box with a drop-down list of strings (Items);
// choosing an item (SetItemIndex, the list's Enter or release, Up and Down,
// or the first letter in a read-only box) puts its text into the box,
// selects it and fires OnChange, also when the text did not change. Typed
// text is not matched against the items. A press on the arrow area (outside
// the style's "content") opens or closes the list.
//
// TzrComboTrackBar: a numeric text box with a drop-down track bar; moving
// the bar writes its value ("%.3f" with a point, or a whole number) and
// fires OnChange; a commit (Enter, focus loss) parses the text into the bar,
// or puts the bar's value back when the text is no number.
//
// TzrTextBoxClearBtn: a text box whose style carries a "clearbutton" that
// empties it.

#include <memory>
#include <string>

#include "controls/zr_text_box.h"
#include "scene/zr_popup.h"

class TzrComboListBox;
class TzrCustomButton;
class TzrTrackBar;
class TzrWideStrings;
class TzrWideStringList;

class TzrComboTextBox : public TzrCustomTextBox {
 public:
  explicit TzrComboTextBox(TComponent* AOwner);
  ~TzrComboTextBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Opens the list under the box, at most DropDownCount rows; closes an
  // open one.
  void DropDown();
  int GetItemIndex() const;
  // Chooses item Index: its text, selected, and OnChange; an index outside
  // the items leaves the text and fires nothing.
  void SetItemIndex(int Index);
  int GetCount() const;
  int Count() const { return GetCount(); }
  TzrWideStrings* GetItems() const;
  // Copies the strings into Items, which rebuilds the list.
  void SetItems(TzrWideStrings* Value);
  float GetItemHeight() const { return FItemHeight; }
  void SetItemHeight(float Value);
  int GetDropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  std::string GetListBoxResource() const;
  void SetListBoxResource(const std::string& Value);
  // Generates one list entry per item; the list keeps its index, lowered to
  // the last entry when it no longer exists; the text stays.
  void RebuildList();

  TzrComboListBox* GetListBox() const { return FListBox; }
  TzrPopup* GetPopup() const { return FPopup; }

  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override;
  void Realign() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void PopupClosed();

  int FDropDownCount = 8;
  TzrPopup* FPopup = nullptr;
  TzrComboListBox* FListBox = nullptr;
  TzrPlacement FPlacement = zrPlacementBottom;
  std::unique_ptr<TzrWideStringList> FItems;
  float FItemHeight = 19;
  bool FRealigning = false;
};

class TzrHudComboTextBox : public TzrComboTextBox {
 public:
  explicit TzrHudComboTextBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrComboTrackBar : public TzrCustomTextBox {
 public:
  explicit TzrComboTrackBar(TComponent* AOwner);
  ~TzrComboTrackBar() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Opens the track bar under the box (at least 100 x 30); closes it when open.
  void DropDown();
  // The track bar moved: its value as the text, selected, and OnChange.
  virtual void DoTrackChange();
  // Commits the text into the track bar (a text that is no number gets the
  // bar's value back), then the text box's change.
  void Change() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  float GetMin() const;
  void SetMin(float Value);
  float GetMax() const;
  void SetMax(float Value);
  float GetValue() const;
  void SetValue(float Value);
  float GetFrequency() const;
  void SetFrequency(float Value);

  TzrTrackBar* GetTrackBar() const { return FTrackBar; }
  TzrPopup* GetPopup() const { return FPopup; }

 private:
  void PopupClosed();

  TzrPopup* FPopup = nullptr;
  TzrTrackBar* FTrackBar = nullptr;
  TzrPlacement FPlacement = zrPlacementBottom;
};

class TzrHudComboTrackBar : public TzrComboTrackBar {
 public:
  explicit TzrHudComboTrackBar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrTextBoxClearBtn : public TzrCustomTextBox {
 public:
  using TzrCustomTextBox::TzrCustomTextBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Focuses the box, empties it and commits the change.
  void DoClearBtnClick();
  TzrCustomButton* GetClearBtn() const { return FClearBtn; }

  void ApplyStyle() override;
  void FreeStyle() override;

 private:
  TzrCustomButton* FClearBtn = nullptr;
};
