#pragma once
// A number field with step buttons at its side. The value is kept as the
// edit's text, parsed and formatted by ValueType, held inside optional
// limits, and stepped by Increment from the buttons, the up and down arrow
// keys and the mouse wheel; OnChange fires only when the value changed.

#include <cmath>
#include <memory>

#include "controls/XwExMask.h"
#include "controls/XwSpinButton.h"
#include "platform/rtl/StringList.h"

// The unit's name qualifies the value type, since the object streams have a
// TValueType of their own.
namespace XwSpin {
enum TValueType { vtInteger, vtFloat, vtHex, vtString };
}
using XwSpin::vtFloat;
using XwSpin::vtHex;
using XwSpin::vtInteger;
using XwSpin::vtString;
enum TXwCheckOption { coCheckOnChange, coCheckOnExit, coCropBeyondLimit };
using TXwCheckOptions = uint8_t;
constexpr TXwCheckOptions CheckOptionBit(TXwCheckOption o) { return TXwCheckOptions(1u << o); }
constexpr TXwCheckOptions AllCheckOptions = 0x7;
enum TSpinButtonKind { bkStandard, bkDiagonal, bkClassic };

// The private message an up-down button posts to its edit; WParam 1 for the
// next (up) button, 0 for the previous.
constexpr unsigned CM_XW_UPDOWNCLICK = 0x8486;
// The width of the up-down button: the vertical scroll bar's, at most 15.
int UpDownWidth();

// The plain up-down button of bkStandard: a vertical pair of arrows whose
// clicks go to the edit.
class TXwUpDown : public TXwSpinButton {
 public:
  explicit TXwUpDown(TComponent* AOwner);
  std::string ClassName() const override { return "TXwUpDown"; }
};

class TXwCustomSpinEdit : public TXwExCustomMaskEdit {
 public:
  explicit TXwCustomSpinEdit(TComponent* AOwner);
  ~TXwCustomSpinEdit() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TXwCustomSpinEdit"; }

  virtual long double GetValue() = 0;
  virtual void SetValue(long double value) = 0;
  int64_t GetAsInteger() { return int64_t(std::trunc(GetValue())); }
  void SetAsInteger(int64_t value) { SetValue(static_cast<long double>(value)); }

  XwSpin::TValueType GetValueType() const { return FValueType; }
  virtual void SetValueType(XwSpin::TValueType value);
  long double GetMinValue() const { return FMinValue; }
  void SetMinValue(long double value);
  long double GetMaxValue() const { return FMaxValue; }
  void SetMaxValue(long double value);
  bool GetCheckMinValue() const { return FCheckMinValue; }
  void SetCheckMinValue(bool value);
  bool GetCheckMaxValue() const { return FCheckMaxValue; }
  void SetCheckMaxValue(bool value);
  TXwCheckOptions GetCheckOptions() const { return FCheckOptions; }
  void SetCheckOptions(TXwCheckOptions value) { FCheckOptions = value; }
  long double GetIncrement() const { return FIncrement; }
  void SetIncrement(long double value) { FIncrement = value; }
  int GetDecimal() const { return FDecimal; }
  void SetDecimal(int value);
  const std::string& GetDisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(const std::string& value);
  bool GetThousands() const { return FThousands; }
  void SetThousands(bool value);
  bool GetArrowKeys() const { return FArrowKeys; }
  void SetArrowKeys(bool value);
  bool GetEditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool value) { FEditorEnabled = value; }
  bool GetShowButton() const { return FShowButton; }
  void SetShowButton(bool value);
  TSpinButtonKind GetButtonKind() const { return FButtonKind; }
  void SetButtonKind(TSpinButtonKind value);
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TStrings* GetItems() { return FItems.get(); }
  void SetItems(TStrings* value);

  // The value inside the limits that are checked.
  long double ClampValue(long double x) const;
  // ClampValue of x; with raise set, a value outside a checked limit raises
  // ERangeError "Value must be between <min> and <max>".
  long double CheckRange(long double x, bool raise) const;

  // The step button, the window that holds it, or the up-down, whichever
  // the button kind made (nullptr otherwise).
  TXwSpinButton* Button() const { return FButton; }
  TWinControl* ButtonWindow() const { return FBtnWindow; }
  TXwUpDown* UpDown() const { return FUpDown; }
  // The edit's text area: its right (or left) margin leaves room for the button.
  TRect EditRect() const { return FEditRect; }

  virtual void UpClick(TObject* Sender);
  virtual void DownClick(TObject* Sender);

  TNotifyEvent OnTopClick;
  TNotifyEvent OnBottomClick;

  void Loaded() override;
  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;

 protected:
  virtual void ReformatText();
  virtual std::string DefaultDisplayFormat() const { return ",0.##"; }
  virtual bool IsValidChar(char16_t c);
  void Change() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(char16_t& key) override;
  bool DoMouseWheel(TShiftState shift, int delta) override;
  void FocusSet(intptr_t previous) override;
  void FocusKilled(intptr_t next) override;
  void EnabledChanged() override;
  void FontChanged() override;
  void BoundsChanged() override;
  GtkWidget* CreateWidget() override;

  void RecreateButton();
  void ResizeButton();
  void SetEditRect();
  void ApplyEditRect(GtkWidget* entry);
  int MinHeight();
  // Whether the text holds the decimal separator, and where (-1: not).
  int SeparatorPos() const;
  std::string RemoveThousandSeparators(const std::string& text) const;
  bool IsCheckMinValueStored() const;
  bool IsCheckMaxValueStored() const;
  bool IsIncrementStored() const { return FIncrement != 1; }
  bool IsDisplayFormatStored() const { return FDisplayFormat != DefaultDisplayFormat(); }

  XwSpin::TValueType FValueType = vtInteger;
  long double FMinValue = 0, FMaxValue = 0;
  bool FCheckMinValue = false, FCheckMaxValue = false;
  TXwCheckOptions FCheckOptions = AllCheckOptions;
  long double FIncrement = 1;
  int FDecimal = 2;
  std::string FDisplayFormat;
  bool FThousands = false;
  bool FArrowKeys = true;
  bool FEditorEnabled = true;
  bool FShowButton = true;
  TSpinButtonKind FButtonKind = bkDiagonal;
  TAlignment FAlignment = taLeftJustify;
  std::unique_ptr<TStrings> FItems;

  long double FOldValue = 0;
  bool FChanging = false;
  bool FIsNegative = false;
  bool FFocused = false;
  bool FLCheckMinValue = true, FLCheckMaxValue = true;
  TXwSpinButton* FButton = nullptr;
  TWinControl* FBtnWindow = nullptr;
  TXwUpDown* FUpDown = nullptr;
  TRect FEditRect{};
  bool FDestroying = false;
};

class TXwSpinEdit : public TXwCustomSpinEdit {
 public:
  explicit TXwSpinEdit(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TXwSpinEdit"; }

  long double GetValue() override;
  void SetValue(long double value) override;
};

// Registers the spin edit and spin button for form streams.
void RegisterXwSpinClasses();
