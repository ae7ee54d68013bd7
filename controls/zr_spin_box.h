#pragma once
// TzrSpinBox: a number shown with an optional unit (Postfix), changed only
// by the style's minus and plus buttons and by Up and Down; every key is
// consumed, so its text is never typed, and its context menu offers no
// edits. The value wraps round its range: above Max it becomes Min, below
// Min it becomes Max. A float box compares at its decimals, as it shows the
// value: steps of 0.1 from 0.9 reach a Max of 1.0 even where the sum of the
// single-precision steps lies a little above it.
//
// A held button repeats: TzrSpinBoxTimeThread, resumed at the button's
// press and paused at its release or when the pointer leaves it, asks the
// GUI thread every 100 ms to run the box's long-click handler, which steps
// once the press is older than 500 ms. Time is read through the clock seam.
// The box's destructor stops and joins the thread; the hand-over checks the
// stop request on the GUI thread, so no handler runs once the box is going.

#include <cstdint>
#include <memory>
#include <string>

#include "controls/zr_number_box.h"
#include "platform/rtl/Thread.h"

class TzrCustomButton;

class TzrSpinBoxTimeThread : public TThread {
 public:
  TzrSpinBoxTimeThread() : TThread(true) {}
  ~TzrSpinBoxTimeThread() override;
  std::string ClassName() const override { return "TzrSpinBoxTimeThread"; }
  // Runs on the GUI thread while the thread is resumed; set before Start.
  TNotifyEvent OnExecute;

 protected:
  void Execute() override;
};

class TzrSpinBox : public TzrCustomTextBox {
 public:
  explicit TzrSpinBox(TComponent* AOwner);
  ~TzrSpinBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetValue() const { return FValue; }
  // Wraps round the range, rewrites the text with Postfix (no events).
  void SetValue(float Value);
  // Min, Max and DecimalDigits are only stored.
  float GetMin() const { return FMin; }
  void SetMin(float Value) { FMin = Value; }
  float GetMax() const { return FMax; }
  void SetMax(float Value) { FMax = Value; }
  int GetDecimalDigits() const { return FDecimalDigits; }
  void SetDecimalDigits(int Value) { FDecimalDigits = Value; }
  float GetIncrement() const { return FIncrement; }
  void SetIncrement(float Value) { FIncrement = Value; }
  TzrValueType GetValueType() const { return FValueType; }
  // Switching to integers turns a fractional Increment into 1.
  void SetValueType(TzrValueType Value);
  const std::u16string& GetPostfix() const { return FPostfix; }
  // Shown from the next value change on.
  void SetPostfix(const std::u16string& Value);
  TzrCustomButton* GetMinusButton() const { return FMinus; }
  TzrCustomButton* GetPlusButton() const { return FPlus; }
  TzrSpinBoxTimeThread* GetTimeThread() const { return FTimeThread.get(); }

  // One step down or up with OnChange, as a button click gives.
  void MinusClick(TObject* Sender);
  void PlusClick(TObject* Sender);
  // The repeat thread's hand-over: steps once the press is over 500 ms old.
  void LongClick(TObject* Sender);

  Variant GetData() override;
  void SetData(const Variant& Value) override;
  void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override;
  void ApplyStyle() override;
  void FreeStyle() override;
  // Wraps the value, rewrites the text, then the text box's Change.
  void Change() override;
  // The text shows the value: no cut, paste or delete changes it.
  bool AcceptsEdits() const override { return false; }

 private:
  // Value wrapped round Min .. Max, compared at the box's decimals.
  float Wrapped(float Value) const;
  // Value at the decimals the box shows (a whole number for an integer box).
  double AtDecimals(float Value) const;
  std::u16string ValueText() const;
  void ButtonDown(TObject* Sender, TMouseButton Button, TShiftState Shift, float X, float Y);
  void StopRepeat(TObject* Sender);
  void Step(float Delta);
  void BindButton(TzrCustomButton* Button, int Tag, void (TzrSpinBox::*Click)(TObject*));

  float FValue = 0;
  float FMin = 0;
  float FMax = 10;
  TzrValueType FValueType = zrValueInteger;
  TzrCustomButton* FMinus = nullptr;
  TzrCustomButton* FPlus = nullptr;
  float FIncrement = 1;
  int FDecimalDigits = 2;
  std::u16string FPostfix;
  int FMouseButton = 0;
  uint32_t FMouseTime = 0;
  std::unique_ptr<TzrSpinBoxTimeThread> FTimeThread;
};

class TzrHudSpinBox : public TzrSpinBox {
 public:
  using TzrSpinBox::TzrSpinBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
