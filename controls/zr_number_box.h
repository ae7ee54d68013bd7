#pragma once
// Numeric editors on the text box. TzrNumberBox holds a single-precision
// value clamped to Min .. Max (Min wins when they cross): typed digits are
// committed at Enter, focus loss and mouse-up, Up and Down step by
// HorzIncrement, and dragging steps once per mouse move (VertIncrement for
// moves more vertical than horizontal, HorzIncrement otherwise) while a bar
// along the box's edge shows the drag. Setting the value rewrites the text
// without events; a commit of text that does not parse restores the old
// value's text.
//
// The spin box (zr_spin_box.h) shares TzrValueType and the number text.

#include <string>

#include "controls/zr_text_box.h"

class TEnumInfo;

enum TzrValueType { zrValueInteger, zrValueFloat };
const TEnumInfo& zrValueTypeInfo();

// The number text of the numeric boxes, with the user's decimal separator:
// a float with a fraction in fixed form (Digits decimals, at most
// Significant digits), anything else the integer truncated toward zero.
std::u16string zrFixedValueText(float Value, TzrValueType Type, int Digits, int Significant);
// As above, but a fraction in general form with up to 15 significant digits.
std::u16string zrGeneralValueText(float Value, TzrValueType Type);
// Parses Text with the user's decimal separator; false when it is no number.
bool zrParseValueText(const std::u16string& Text, float& Value);

class TzrNumberBox : public TzrCustomTextBox {
 public:
  explicit TzrNumberBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetValue() const { return FValue; }
  // Clamps, rewrites the text (no OnChangeTracking, no change mark),
  // collapses the selection.
  void SetValue(float Value);
  // Min, Max and DecimalDigits are only stored: the value and text keep
  // their form until the value next changes.
  float GetMin() const { return FMin; }
  void SetMin(float Value) { FMin = Value; }
  float GetMax() const { return FMax; }
  void SetMax(float Value) { FMax = Value; }
  int GetDecimalDigits() const { return FDecimalDigits; }
  void SetDecimalDigits(int Value) { FDecimalDigits = Value; }
  TzrValueType GetValueType() const { return FValueType; }
  // Shows the value in the new form: a stream gives Value before ValueType,
  // and a fractional value must not show (and commit) as its integer.
  void SetValueType(TzrValueType Value);
  float GetHorzIncrement() const { return FHorzIncrement; }
  void SetHorzIncrement(float Value) { FHorzIncrement = Value; }
  float GetVertIncrement() const { return FVertIncrement; }
  void SetVertIncrement(float Value) { FVertIncrement = Value; }
  bool GetPressed() const { return FPressed; }
  bool GetPressedVert() const { return FPressedVert; }

  // The value as a float; SetData: an event handle becomes OnChange, any
  // other value is set as a number.
  Variant GetData() override;
  void SetData(const Variant& Value) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override;
  // Draws the drag bar over the children while the button is held.
  void PaintChildren() override;
  // Commits the text: parse (only a text the user changed), clamp, rewrite;
  // then the text box's Change.
  void Change() override;

 private:
  float Clamped(float Value) const;
  void ShowValue(const std::u16string& Text);

  float FValue = 0;
  // The text the box last wrote for its value.
  std::u16string FShownText = u"0";
  float FMin = 0;
  float FMax = 10;
  bool FPressed = false;
  TzrPoint FPressedPos{};
  bool FPressedVert = false;
  float FPressedInc = 0;
  TzrValueType FValueType = zrValueInteger;
  float FHorzIncrement = 1;
  float FVertIncrement = 5;
  int FDecimalDigits = 2;
};

class TzrHudNumberBox : public TzrNumberBox {
 public:
  using TzrNumberBox::TzrNumberBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
