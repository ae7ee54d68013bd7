#include "controls/zr_checks.h"

#include <vector>

#include "controls/zr_objects_path.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_classes.h"
#include "scene/zr_intf.h"
#include "scene/zr_path.h"

namespace {

constexpr uint16_t KeyEnter = 13;
constexpr uint16_t KeySpace = 32;

// The check mark a path check box starts with.
constexpr const char* CheckMark =
    "M 341.236,311.738 L 309.372,342.676 L 291.667,325.488 L 291.667,304.863 "
    "L 309.372,321.997 L 341.236,291.113 Z";

}  // namespace

// ---------------------------------------------------------------- shared base

const TClassInfo* TzrCheckControl::Class() {
  using T = TzrCheckControl;
  static const TClassInfo* info =
      TClassDecl<T>("TzrCheckControl", TzrTextControl::Class())
          .Prop("IsPressed", &T::GetIsPressed, nullptr)
          .Prop("IsChecked", &T::GetIsChecked, &T::SetIsChecked)
          .Prop("AutoTranslate", &T::GetAutoTranslate, &T::SetAutoTranslate)
          .Default(true)
          .Prop("BindingSource", &T::GetBindingSource, &T::SetBindingSource)
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Default(false)
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignNear)
          .Prop("Text", &T::GetText, &T::SetText)
          .Prop("WordWrap", &T::GetWordWrap, &T::SetWordWrap)
          .Default(false);
  return info;
}

TzrCheckControl::TzrCheckControl(TComponent* AOwner) : TzrTextControl(AOwner) {
  SetBounds(0, 0, 120, 19);
  SetAutoTranslate(true);
  FAutoCapture = true;
  FCanFocused = true;
  FWordWrap = false;
  SetTextAlign(zrTextAlignNear);
}

void TzrCheckControl::ChangeChecked(bool Value) {
  FIsChecked = Value;
  StartTriggerAnimation(this, "IsChecked");
  if (OnChange) OnChange(this);
}

void TzrCheckControl::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // OnMouseDown may free the control
  TzrTextControl::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft) return;
  FPressing = true;
  FIsPressed = true;
  StartTriggerAnimation(this, "IsPressed");
}

void TzrCheckControl::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrFreeWatch watch(this);
  TzrTextControl::MouseMove(Shift, X, Y, Dx, Dy);
  if (watch.Freed() || !(Shift & ssLeft) || !FPressing) return;
  const bool inside = X >= 0 && Y >= 0 && X <= GetWidth() && Y <= GetHeight();
  if (inside == FIsPressed) return;
  FIsPressed = inside;
  StartTriggerAnimation(this, "IsPressed");
}

void TzrCheckControl::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // OnMouseUp and OnClick may free the control
  TzrTextControl::MouseUp(Button, Shift, X, Y);
  if (watch.Freed() || !FPressing) return;
  FPressing = false;
  FIsPressed = false;
  const bool inside = X >= 0 && Y >= 0 && X <= GetWidth() && Y <= GetHeight();
  if (inside) SetIsChecked(!FIsChecked);
}

void TzrCheckControl::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrFreeWatch watch(this);  // OnKeyDown may free the control
  TzrTextControl::KeyDown(Key, KeyChar, Shift);
  if (!watch.Freed() && (Key == KeyEnter || Key == KeySpace)) SetIsChecked(!FIsChecked);
}

Variant TzrCheckControl::GetData() { return FIsChecked; }

void TzrCheckControl::SetData(const Variant& Value) {
  if (VarIsEvent(Value)) {
    OnChange = VariantToEvent(Value);
    return;
  }
  SetIsChecked(Value.VarType() == varBoolean && Value.ToBool());
}

void TzrCheckControl::ApplyStyle() {
  TzrTextControl::ApplyStyle();
  StartTriggerAnimation(this, "IsChecked");
}

// ---------------------------------------------------------------- check box

const TClassInfo* TzrCheckBox::Class() {
  using T = TzrCheckBox;
  static const TClassInfo* info =
      TClassDecl<T>("TzrCheckBox", TzrCheckControl::Class()).Event("OnChange", &T::OnChange);
  return info;
}

void TzrCheckBox::SetIsChecked(bool Value) {
  if (FIsChecked == Value) return;
  ChangeChecked(Value);
}

// ---------------------------------------------------------------- radio button

const TClassInfo* TzrRadioButton::Class() {
  using T = TzrRadioButton;
  static const TClassInfo* info = TClassDecl<T>("TzrRadioButton", TzrCheckControl::Class())
                                      .Prop("GroupName", &T::GetGroupName, &T::SetGroupName)
                                      .Event("OnChange", &T::OnChange);
  return info;
}

void TzrRadioButton::SetIsChecked(bool Value) {
  if (FIsChecked == Value) return;
  // Checked before the group is visited, so that the members being
  // unchecked count this one as the checked member they give way to.
  if (Value) FIsChecked = true;
  int members = 0, checkedMembers = 0;
  IzoRurev* scene = GetScene();
  if (TzrObject* root = scene ? scene->GetRoot() : nullptr) {
    std::vector<TzrObject*> controls;
    root->AddControlsToList(controls);
    for (TzrObject* control : controls) {
      auto* other = dynamic_cast<TzrRadioButton*>(control);
      if (!other || other == this || other->FGroupName != FGroupName) continue;
      ++members;
      if (other->FIsChecked) ++checkedMembers;
      if (Value) other->SetIsChecked(false);
    }
  }
  if (!Value && (members == 0 || checkedMembers == 0)) return;
  ChangeChecked(Value);
}

void TzrRadioButton::Uncheck() {
  if (FIsChecked) ChangeChecked(false);
}

// ---------------------------------------------------------------- path check box

const TClassInfo* TzrPathCheckBox::Class() {
  using T = TzrPathCheckBox;
  static const TClassInfo* info =
      TClassDecl<T>("TzrPathCheckBox", TzrCheckBox::Class()).Prop("Path", &T::GetPath, &T::SetPath);
  return info;
}

TzrPathCheckBox::TzrPathCheckBox(TComponent* AOwner)
    : TzrCheckBox(AOwner), FPath(std::make_unique<TzrPathData>()) {
  FPath->SetPathString(CheckMark);
  FPath->OnChanged = [this](TObject*) {
    if (GetResourceLink()) ApplyStyle();
  };
}

TzrPathCheckBox::~TzrPathCheckBox() { FPath->OnChanged = nullptr; }

void TzrPathCheckBox::SetPath(TzrPathData* Value) { FPath->Assign(Value); }

void TzrPathCheckBox::ApplyStyle() {
  TzrCheckBox::ApplyStyle();
  if (auto* mark = dynamic_cast<TzrCustomPath*>(FindResource("checkmark")))
    mark->SetPathData(FPath.get());
}

// ---------------------------------------------------------------- group box

const TClassInfo* TzrGroupBox::Class() {
  using T = TzrGroupBox;
  static const TClassInfo* info =
      TClassDecl<T>("TzrGroupBox", TzrTextControl::Class())
          .Prop("AutoTranslate", &T::GetAutoTranslate, &T::SetAutoTranslate)
          .Default(true)
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignCenter)
          .Prop("Text", &T::GetText, &T::SetText);
  return info;
}

TzrGroupBox::TzrGroupBox(TComponent* AOwner) : TzrTextControl(AOwner) {
  SetBounds(0, 0, 120, 100);
  SetAutoTranslate(true);
  FCanFocused = false;
}

// ---------------------------------------------------------------- HUD

const TClassInfo* TzrHudCheckBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudCheckBox>("TzrHudCheckBox", TzrCheckBox::Class());
  return info;
}

const TClassInfo* TzrHudRadioButton::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudRadioButton>("TzrHudRadioButton", TzrRadioButton::Class());
  return info;
}

const TClassInfo* TzrHudGroupBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudGroupBox>("TzrHudGroupBox", TzrGroupBox::Class());
  return info;
}
