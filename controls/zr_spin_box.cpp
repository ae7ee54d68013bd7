// The spin box, its HUD variant and its repeat thread.

#include "controls/zr_spin_box.h"

#include <algorithm>
#include <cmath>

#include "controls/zr_buttons.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_classes.h"

namespace {

constexpr uint16_t VkUp = 38;
constexpr uint16_t VkDown = 40;
constexpr uint32_t RepeatInterval = 100;
constexpr uint32_t RepeatDelay = 500;
constexpr int MinusTag = 1;
constexpr int PlusTag = 2;
// The fixed form of a float value keeps at most this many significant digits.
constexpr int SpinSignificantDigits = 12;
// Decimals beyond these lie below a single-precision value's resolution.
constexpr int MaxCompareDigits = 9;

}  // namespace

// ---------------------------------------------------------------- repeat thread

TzrSpinBoxTimeThread::~TzrSpinBoxTimeThread() { StopAndWait(); }

void TzrSpinBoxTimeThread::Execute() {
  NameThreadForDebugging("spin box repeat");
  while (!Terminated()) {
    CheckSuspended();
    if (Terminated()) break;
    // The stop request is looked at again on the GUI thread: a box that is
    // being freed has asked for it before it waits for this thread.
    Synchronize([this] {
      if (!Terminated() && OnExecute) OnExecute(this);
    });
    Sleep(RepeatInterval);
  }
}

// ---------------------------------------------------------------- spin box

const TClassInfo* TzrSpinBox::Class() {
  using T = TzrSpinBox;
  static const TClassInfo* info =
      TClassDecl<T>("TzrSpinBox", TzrCustomTextBox::Class())
          .Prop("DecimalDigits", &T::GetDecimalDigits, &T::SetDecimalDigits)
          .Default(2)
          .Prop("Min", &T::GetMin, &T::SetMin)
          .Prop("Max", &T::GetMax, &T::SetMax)
          .Prop("Increment", &T::GetIncrement, &T::SetIncrement)
          .Prop("ShowCaret", &T::GetShowCaret, &T::SetShowCaret)
          .Default(true)
          .Prop("Value", &T::GetValue, &T::SetValue)
          .Enum("ValueType", &T::GetValueType, &T::SetValueType, zrValueTypeInfo())
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignCenter)
          .Prop("Postfix", &T::GetPostfix, &T::SetPostfix);
  return info;
}

const TClassInfo* TzrHudSpinBox::Class() {
  static const TClassInfo* info = TClassDecl<TzrHudSpinBox>("TzrHudSpinBox", TzrSpinBox::Class());
  return info;
}

TzrSpinBox::TzrSpinBox(TComponent* AOwner)
    : TzrCustomTextBox(AOwner), FTimeThread(std::make_unique<TzrSpinBoxTimeThread>()) {
  FFilterChar = u"0123456789.,-+";
  SetTextAlign(zrTextAlignCenter);
  FText = u"0";
  FTimeThread->OnExecute = [this](TObject* Sender) { LongClick(Sender); };
}

TzrSpinBox::~TzrSpinBox() {
  // Stop and join the repeat thread before anything of the box goes.
  FTimeThread->StopAndWait();
  FTimeThread.reset();
}

std::u16string TzrSpinBox::ValueText() const {
  return zrFixedValueText(FValue, FValueType, FDecimalDigits, SpinSignificantDigits) + FPostfix;
}

double TzrSpinBox::AtDecimals(float Value) const {
  if (FValueType != zrValueFloat) return Value;
  const double scale = std::pow(10.0, std::clamp(FDecimalDigits, 0, MaxCompareDigits));
  return std::nearbyint(double(Value) * scale) / scale;
}

float TzrSpinBox::Wrapped(float Value) const {
  if (AtDecimals(Value) > AtDecimals(FMax)) Value = FMin;
  if (AtDecimals(Value) < AtDecimals(FMin)) Value = FMax;
  return Value;
}

void TzrSpinBox::SetValue(float Value) {
  if (Value == FValue) return;
  FValue = Wrapped(Value);
  FText = ValueText();
  if (GetCaretPosition() > int(FText.size())) SetCaretPosition(int(FText.size()));
  SetSelLength(0);
  Repaint();
}

void TzrSpinBox::SetValueType(TzrValueType Value) {
  if (Value == FValueType) return;
  FValueType = Value;
  if (Value == zrValueInteger && FIncrement != std::trunc(FIncrement)) FIncrement = 1;
}

void TzrSpinBox::SetPostfix(const std::u16string& Value) {
  FPostfix = Value;
  Repaint();
}

void TzrSpinBox::Change() {
  FValue = Wrapped(FValue);
  FText = ValueText();
  if (GetCaretPosition() > int(FText.size())) SetCaretPosition(int(FText.size()));
  Repaint();
  TzrCustomTextBox::Change();
}

void TzrSpinBox::Step(float Delta) {
  TzrFreeWatch watch(this);
  SetFocus();
  if (watch.Freed()) return;
  FValue += Delta;
  FNeedChange = true;
  Change();
}

void TzrSpinBox::MinusClick(TObject*) { Step(-FIncrement); }

void TzrSpinBox::PlusClick(TObject*) { Step(FIncrement); }

void TzrSpinBox::LongClick(TObject*) {
  if (GetTickCount() - FMouseTime <= RepeatDelay) return;
  if (FMouseButton == MinusTag)
    MinusClick(this);
  else
    PlusClick(this);
}

void TzrSpinBox::ButtonDown(TObject* Sender, TMouseButton, TShiftState, float, float) {
  auto* button = dynamic_cast<TComponent*>(Sender);
  FMouseButton = button ? button->GetTag() : 0;
  FMouseTime = GetTickCount();
  FTimeThread->Start();
}

void TzrSpinBox::StopRepeat(TObject*) {
  if (!FTimeThread->GetSuspended()) FTimeThread->Suspend();
}

Variant TzrSpinBox::GetData() { return Variant(double(FValue)); }

void TzrSpinBox::SetData(const Variant& Value) {
  if (VarIsEvent(Value))
    OnChange = VariantToEvent(Value);
  else
    SetValue(float(Value.ToDouble()));
}

void TzrSpinBox::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState) {
  // Every key ends here: the text is never edited from the keyboard.
  if (Key == VkUp) SetValue(FValue + FIncrement);
  if (Key == VkDown) SetValue(FValue - FIncrement);
  Key = 0;
  KeyChar = 0;
}

void TzrSpinBox::BindButton(TzrCustomButton* Button, int Tag, void (TzrSpinBox::*Click)(TObject*)) {
  Button->SetTag(Tag);
  Button->OnClick = [this, Click](TObject* Sender) { (this->*Click)(Sender); };
  Button->OnMouseDown = [this](TObject* Sender, TMouseButton B, TShiftState S, float X, float Y) {
    ButtonDown(Sender, B, S, X, Y);
  };
  Button->OnMouseUp = [this](TObject* Sender, TMouseButton, TShiftState, float, float) {
    StopRepeat(Sender);
  };
  Button->OnMouseLeave = [this](TObject* Sender) { StopRepeat(Sender); };
}

void TzrSpinBox::ApplyStyle() {
  TzrCustomTextBox::ApplyStyle();
  FMinus = dynamic_cast<TzrCustomButton*>(FindResource("minusbutton"));
  FPlus = dynamic_cast<TzrCustomButton*>(FindResource("plusbutton"));
  if (FMinus) BindButton(FMinus, MinusTag, &TzrSpinBox::MinusClick);
  if (FPlus) BindButton(FPlus, PlusTag, &TzrSpinBox::PlusClick);
}

void TzrSpinBox::FreeStyle() {
  StopRepeat(this);
  FMinus = nullptr;
  FPlus = nullptr;
  TzrCustomTextBox::FreeStyle();
}
