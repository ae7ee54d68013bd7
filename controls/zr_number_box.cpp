// The number box, its HUD variant and the numeric boxes' number text.

#include "controls/zr_number_box.h"

#include <cmath>
#include <cstdlib>

#include "platform/rtl/DateUtils.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_brush.h"
#include "scene/zr_classes.h"

namespace {

constexpr uint16_t VkUp = 38;
constexpr uint16_t VkDown = 40;
constexpr TzrColor DragBarColor = 0xAA505050;
constexpr float DragBarSize = 5;

bool HasFraction(float Value) { return Value != std::trunc(Value); }

// Number text from the run-time layer ("." inside) with the user's separator.
std::u16string WithUserSeparator(std::string Text) {
  const char separator = LocaleDecimalSeparator();
  for (char& c : Text)
    if (c == '.') c = separator;
  return UTF8ToUTF16(Text);
}

std::u16string IntegerText(float Value) {
  return UTF8ToUTF16(IntToStr(int64_t(std::trunc(double(Value)))));
}

}  // namespace

const TEnumInfo& zrValueTypeInfo() {
  static const TEnumInfo info("TzrValueType", {"zrValueInteger", "zrValueFloat"});
  return info;
}

std::u16string zrFixedValueText(float Value, TzrValueType Type, int Digits, int Significant) {
  if (Type != zrValueFloat || !HasFraction(Value)) return IntegerText(Value);
  return WithUserSeparator(FloatToStrF(Value, TFloatFormat::ffFixed, Significant, Digits));
}

std::u16string zrGeneralValueText(float Value, TzrValueType Type) {
  if (Type != zrValueFloat || !HasFraction(Value)) return IntegerText(Value);
  return WithUserSeparator(FloatToStrF(Value, TFloatFormat::ffGeneral, 15, 0));
}

bool zrParseValueText(const std::u16string& Text, float& Value) {
  double parsed = 0;
  if (!TryStrToFloat(UTF16ToUTF8(Text), parsed, LocaleDecimalSeparator())) return false;
  Value = float(parsed);
  return true;
}

// ---------------------------------------------------------------- number box

const TClassInfo* TzrNumberBox::Class() {
  using T = TzrNumberBox;
  static const TClassInfo* info =
      TClassDecl<T>("TzrNumberBox", TzrCustomTextBox::Class())
          .Prop("DecimalDigits", &T::GetDecimalDigits, &T::SetDecimalDigits)
          .Default(2)
          .Prop("Min", &T::GetMin, &T::SetMin)
          .Prop("Max", &T::GetMax, &T::SetMax)
          .Prop("ShowCaret", &T::GetShowCaret, &T::SetShowCaret)
          .Default(true)
          .Prop("Value", &T::GetValue, &T::SetValue)
          .Enum("ValueType", &T::GetValueType, &T::SetValueType, zrValueTypeInfo())
          .Prop("HorzIncrement", &T::GetHorzIncrement, &T::SetHorzIncrement)
          .Prop("VertIncrement", &T::GetVertIncrement, &T::SetVertIncrement);
  return info;
}

const TClassInfo* TzrHudNumberBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudNumberBox>("TzrHudNumberBox", TzrNumberBox::Class());
  return info;
}

TzrNumberBox::TzrNumberBox(TComponent* AOwner) : TzrCustomTextBox(AOwner) {
  FFilterChar = u"0123456789.,-+";
  FText = u"0";
  FAutoCapture = true;
}

float TzrNumberBox::Clamped(float Value) const {
  if (Value > FMax) Value = FMax;
  if (Value < FMin) Value = FMin;  // Min wins when the bounds cross
  return Value;
}

void TzrNumberBox::ShowValue(const std::u16string& Text) {
  // Written past SetText: a value shown is no edit of the user's.
  FText = Text;
  FShownText = Text;
  if (GetCaretPosition() > int(FText.size())) SetCaretPosition(int(FText.size()));
  SetSelLength(0);
  Repaint();
}

void TzrNumberBox::SetValue(float Value) {
  if (Value == FValue) return;
  FValue = Clamped(Value);
  ShowValue(zrFixedValueText(FValue, FValueType, FDecimalDigits, 18));
}

void TzrNumberBox::SetValueType(TzrValueType Value) {
  if (Value == FValueType) return;
  FValueType = Value;
  if (FText == FShownText) ShowValue(zrFixedValueText(FValue, FValueType, FDecimalDigits, 18));
}

void TzrNumberBox::Change() {
  // The shown text may round the value: only a text the user changed is
  // read back, so focusing and leaving the box keeps the value.
  float parsed = 0;
  if (FText != FShownText && zrParseValueText(FText, parsed)) FValue = Clamped(parsed);
  ShowValue(zrGeneralValueText(FValue, FValueType));
  TzrCustomTextBox::Change();
}

Variant TzrNumberBox::GetData() { return Variant(double(FValue)); }

void TzrNumberBox::SetData(const Variant& Value) {
  if (VarIsEvent(Value))
    OnChange = VariantToEvent(Value);
  else
    SetValue(float(Value.ToDouble()));
}

void TzrNumberBox::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  // Up and Down step by the horizontal increment and are no edit.
  if (Key == VkUp || Key == VkDown) {
    SetValue(FValue + (Key == VkUp ? FHorzIncrement : -FHorzIncrement));
    Key = 0;
    return;
  }
  TzrCustomTextBox::KeyDown(Key, KeyChar, Shift);
}

void TzrNumberBox::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrCustomTextBox::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft) return;
  FPressed = true;
  FPressedPos = {X, Y};
  FPressedVert = false;
  FPressedInc = 0;
}

void TzrNumberBox::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrFreeWatch watch(this);
  TzrCustomTextBox::MouseMove(Shift, X, Y, Dx, Dy);
  if (watch.Freed() || !FPressed) return;
  // One step per move event, however far the pointer went.
  const float dx = X - FPressedPos.X;
  const float dy = Y - FPressedPos.Y;
  const bool vertical = std::fabs(dy) > std::fabs(dx);
  if (vertical)
    SetValue(FValue + (Y >= FPressedPos.Y ? -FVertIncrement : FVertIncrement));
  else
    SetValue(FValue + (X > FPressedPos.X ? FHorzIncrement : -FHorzIncrement));
  FPressedInc = dx;
  FPressedVert = vertical;
  FNeedChange = true;
  FPressedPos = {X, Y};
}

void TzrNumberBox::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrCustomTextBox::MouseUp(Button, Shift, X, Y);
  if (watch.Freed() || !FPressed) return;
  FPressed = false;
  Change();
  if (!watch.Freed()) Repaint();
}

void TzrNumberBox::PaintChildren() {
  TzrCustomTextBox::PaintChildren();
  TzrCanvas* canvas = GetCanvas();
  if (!FPressed || !canvas) return;
  canvas->SetMatrix(GetAbsoluteMatrix());
  TzrRect bar = GetLocalRect();
  bar.Left += 1;
  bar.Top += 1;
  bar.Right -= 1;
  bar.Bottom -= 1;
  if (FPressedVert)
    bar.Left = bar.Right - DragBarSize;
  else
    bar.Top = bar.Bottom - DragBarSize;
  canvas->GetFill()->SetStyle(zrBrushSolid);
  canvas->GetFill()->SetSolidColor(DragBarColor);
  canvas->FillRect(bar, 1, 1, AllCorners, GetAbsoluteOpacity());
}
