#include "controls/zr_buttons.h"

#include "controls/zr_host_form.h"
#include "controls/zr_objects.h"
#include "controls/zr_objects_decl.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_classes.h"
#include "scene/zr_timer.h"

namespace {

constexpr uint16_t KeyEnter = 13;
constexpr uint16_t KeyEscape = 27;
constexpr uint16_t KeySpace = 32;
constexpr uint32_t RepeatDelay = 500;
constexpr uint32_t RepeatInterval = 100;

}  // namespace

// ---------------------------------------------------------------- custom button

const TClassInfo* TzrCustomButton::Class() {
  using T = TzrCustomButton;
  static const TClassInfo* info =
      TClassDecl<T>("TzrCustomButton", TzrTextControl::Class())
          .Prop("AutoTranslate", &T::GetAutoTranslate, &T::SetAutoTranslate)
          .Default(true)
          .Prop("StaysPressed", &T::GetStaysPressed, &T::SetStaysPressed)
          .Default(false)
          .Prop("IsPressed", &T::GetIsPressed, &T::SetIsPressed)
          .Default(false)
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Default(false)
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Prop("ModalResult", &T::GetModalResult, &T::SetModalResult)
          .Default(0)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignCenter)
          .Prop("Text", &T::GetText, &T::SetText)
          .Prop("RepeatClick", &T::GetRepeatClick, &T::SetRepeatClick)
          .Default(false)
          .Prop("WordWrap", &T::GetWordWrap, &T::SetWordWrap)
          .Default(false);
  return info;
}

TzrCustomButton::TzrCustomButton(TComponent* AOwner) : TzrTextControl(AOwner) {
  SetAutoTranslate(true);
  FWordWrap = false;
  SetBounds(0, 0, 80, 22);
  FAutoCapture = true;
  FCanFocused = true;
}

void TzrCustomButton::ShowPressed() {
  StartTriggerAnimation(this, "IsPressed");
  ApplyTriggerEffect(this, "IsPressed");
}

void TzrCustomButton::SetIsPressed(bool Value) {
  if (!FStaysPressed || FIsPressed == Value) return;
  FIsPressed = Value;
  ShowPressed();
}

void TzrCustomButton::Click() {
  if (FModalResult != 0 && GetScene())
    if (TForm* form = zrHostForm(this)) form->SetModalResult(FModalResult);
  TzrTextControl::Click();
}

void TzrCustomButton::DblClick() {
  TzrFreeWatch watch(this);  // OnDblClick may free the button
  TzrTextControl::DblClick();
  if (!watch.Freed()) Click();
}

void TzrCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // OnMouseDown or a double click's handlers may free it
  TzrTextControl::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft) return;
  FPressing = true;
  if (FStaysPressed) {
    FIsPressed = !FIsPressed;
  } else {
    FIsPressed = true;
    if (FRepeat) StartRepeat();
  }
  ShowPressed();
}

void TzrCustomButton::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrFreeWatch watch(this);  // OnMouseMove may free the button
  TzrTextControl::MouseMove(Shift, X, Y, Dx, Dy);
  if (watch.Freed() || !(Shift & ssLeft) || !FPressing || FStaysPressed) return;
  const bool inside = X >= 0 && Y >= 0 && X <= GetWidth() && Y <= GetHeight();
  if (inside == FIsPressed) return;
  FIsPressed = inside;
  ShowPressed();
}

void TzrCustomButton::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  if (FPressing) {
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
    FPressing = false;
    if (!FStaysPressed) {
      FIsPressed = false;
      ShowPressed();
    }
  }
  TzrTextControl::MouseUp(Button, Shift, X, Y);
}

void TzrCustomButton::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrFreeWatch watch(this);  // OnKeyDown may free the button
  TzrTextControl::KeyDown(Key, KeyChar, Shift);
  if (!watch.Freed() && (Key == KeyEnter || Key == KeySpace)) Click();
}

void TzrCustomButton::SetData(const Variant& Value) {
  if (VarIsEvent(Value)) OnClick = VariantToEvent(Value);
}

void TzrCustomButton::ApplyStyle() {
  TzrTextControl::ApplyStyle();
  ShowPressed();
}

void TzrCustomButton::StartRepeat() {
  if (!FRepeatTimer) FRepeatTimer = new TzrTimer(this);
  FRepeatTimer->SetEnabled(false);
  FRepeatTimer->SetInterval(RepeatDelay);
  FRepeatTimer->SetOnTimer([this](TObject* Sender) { DoRepeatDelayTimer(Sender); });
  FRepeatTimer->SetEnabled(true);
}

void TzrCustomButton::DoRepeatDelayTimer(TObject*) {
  FRepeatTimer->SetOnTimer([this](TObject* Sender) { DoRepeatTimer(Sender); });
  FRepeatTimer->SetInterval(RepeatInterval);
}

void TzrCustomButton::DoRepeatTimer(TObject*) { Click(); }

// ---------------------------------------------------------------- button

const TClassInfo* TzrButton::Class() {
  using T = TzrButton;
  static const TClassInfo* info = TClassDecl<T>("TzrButton", TzrCustomButton::Class())
                                      .Prop("Default", &T::GetDefault, &T::SetDefault)
                                      .Default(false)
                                      .Prop("Cancel", &T::GetCancel, &T::SetCancel)
                                      .Default(false);
  return info;
}

void TzrButton::DialogKey(uint16_t& Key, TShiftState Shift) {
  TzrCustomButton::DialogKey(Key, Shift);
  if (FDefault && Key == KeyEnter) {
    Key = 0;
    Click();
    return;
  }
  if (FCancel && Key == KeyEscape) {
    Key = 0;
    Click();
  }
}

const TClassInfo* TzrRoundButton::Class() {
  static const TClassInfo* info = TClassDecl<TzrRoundButton>("TzrRoundButton", TzrButton::Class());
  return info;
}

const TClassInfo* TzrCircleButton::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrCircleButton>("TzrCircleButton", TzrButton::Class());
  return info;
}

TzrCircleButton::TzrCircleButton(TComponent* AOwner) : TzrButton(AOwner) {
  SetBounds(0, 0, 21, 21);
}

const TClassInfo* TzrSpeedButton::Class() {
  using T = TzrSpeedButton;
  static const TClassInfo* info = TClassDecl<T>("TzrSpeedButton", TzrCustomButton::Class())
                                      .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
                                      .Default(false)
                                      .Prop("RepeatClick", &T::GetRepeatClick, &T::SetRepeatClick)
                                      .Default(true);
  return info;
}

TzrSpeedButton::TzrSpeedButton(TComponent* AOwner) : TzrCustomButton(AOwner) {
  FCanFocused = false;
  SetRepeatClick(true);
  SetBounds(0, 0, 23, 23);
  SetText(u"");
}

const TClassInfo* TzrExpanderButton::Class() {
  using T = TzrExpanderButton;
  static const TClassInfo* info = TClassDecl<T>("TzrExpanderButton", TzrCustomButton::Class())
                                      .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
                                      .Default(false);
  return info;
}

TzrExpanderButton::TzrExpanderButton(TComponent* AOwner) : TzrCustomButton(AOwner) {
  FCanFocused = false;
}

// ---------------------------------------------------------------- corner button

const TClassInfo* TzrCornerButton::Class() {
  using T = TzrCornerButton;
  static const TClassInfo* info =
      TClassDecl<T>("TzrCornerButton", TzrCustomButton::Class())
          .Prop("xRadius", &T::GetxRadius, &T::SetxRadius)
          .Prop("yRadius", &T::GetyRadius, &T::SetyRadius)
          .Set("Corners", &T::GetCorners, &T::SetCorners, zrCornerInfo())
          .Default(AllCorners)
          .Enum("CornerType", &T::GetCornerType, &T::SetCornerType, zrCornerTypeInfo())
          .Default(zrCornerRound)
          .Set("Sides", &T::GetSides, &T::SetSides, zrSideInfo())
          .Default(AllSides);
  return info;
}

void TzrCornerButton::SetxRadius(float Value) {
  if (FxRadius == Value) return;
  FxRadius = Value;
  ApplyStyle();
}

void TzrCornerButton::SetyRadius(float Value) {
  if (FyRadius == Value) return;
  FyRadius = Value;
  ApplyStyle();
}

void TzrCornerButton::SetCorners(TzrCorners Value) {
  if (FCorners == Value) return;
  FCorners = Value;
  ApplyStyle();
}

void TzrCornerButton::SetCornerType(TzrCornerType Value) {
  if (FCornerType == Value) return;
  FCornerType = Value;
  ApplyStyle();
}

void TzrCornerButton::SetSides(TzrSides Value) {
  if (FSides == Value) return;
  FSides = Value;
  ApplyStyle();
}

void TzrCornerButton::ApplyStyle() {
  TzrCustomButton::ApplyStyle();
  auto* background = dynamic_cast<TzrRectangle*>(FindResource("Background"));
  if (!background) return;
  background->SetCornerType(FCornerType);
  background->SetCorners(FCorners);
  background->SetxRadius(FxRadius);
  background->SetyRadius(FyRadius);
  background->SetSides(FSides);
}

// ---------------------------------------------------------------- HUD buttons

const TClassInfo* TzrHudButton::Class() {
  static const TClassInfo* info = TClassDecl<TzrHudButton>("TzrHudButton", TzrButton::Class());
  return info;
}

const TClassInfo* TzrHudRoundButton::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudRoundButton>("TzrHudRoundButton", TzrButton::Class());
  return info;
}

const TClassInfo* TzrHudCircleButton::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudCircleButton>("TzrHudCircleButton", TzrCircleButton::Class());
  return info;
}

const TClassInfo* TzrHudCornerButton::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudCornerButton>("TzrHudCornerButton", TzrCornerButton::Class());
  return info;
}

const TClassInfo* TzrHudSpeedButton::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudSpeedButton>("TzrHudSpeedButton", TzrSpeedButton::Class());
  return info;
}
