#include "controls/zr_angle_button.h"

#include <cmath>

#include "controls/zr_objects_text.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_classes.h"

const TClassInfo* TzrAngleButton::Class() {
  using T = TzrAngleButton;
  static const TClassInfo* info = TClassDecl<T>("TzrAngleButton", TzrControl::Class())
                                      .Prop("Resource", &T::GetResource, &T::SetResource)
                                      .Prop("Frequency", &T::GetFrequency, &T::SetFrequency)
                                      .Prop("Tracking", &T::GetTracking, &T::SetTracking)
                                      .Default(true)
                                      .Prop("ShowValue", &T::GetShowValue, &T::SetShowValue)
                                      .Default(false)
                                      .Prop("Value", &T::GetValue, &T::SetValue)
                                      .Event("OnChange", &T::OnChange);
  return info;
}

const TClassInfo* TzrHudAngleButton::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudAngleButton>("TzrHudAngleButton", TzrAngleButton::Class());
  return info;
}

TzrAngleButton::TzrAngleButton(TComponent* AOwner) : TzrControl(AOwner) {
  SetWidth(30);
  SetHeight(30);
  SetAutoCapture(true);
}

void TzrAngleButton::SetValue(float Value) {
  if (FFrequency != 0) Value = float(std::nearbyint(Value / FFrequency) * FFrequency);
  if (Value == FValue) return;
  FValue = Value;
  if (!Tick()) Repaint();
  Text();
  if (FPressing && !FTracking) return;
  if (OnChange) OnChange(this);
}

void TzrAngleButton::SetShowValue(bool Value) {
  if (FShowValue == Value) return;
  FShowValue = Value;
  Text();
  Repaint();
}

TzrVisualObject* TzrAngleButton::Tick() {
  auto* tick = dynamic_cast<TzrVisualObject*>(FindResource("tick"));
  if (tick) tick->SetRotateAngle(-FValue);
  return tick;
}

void TzrAngleButton::Text() {
  const std::u16string text = UTF8ToUTF16(std::to_string(int(std::nearbyint(FValue)))) + u"°";
  if (auto* track = dynamic_cast<TzrText*>(FindResource("tracktext"))) {
    track->SetVisible(false);
    track->SetText(text);
    track->SetOpacity(FPressing && !FTracking ? 1 : 0);
  }
  if (auto* shown = dynamic_cast<TzrText*>(FindResource("text"))) {
    shown->SetVisible(FShowValue);
    shown->SetText(text);
    shown->SetOpacity(FShowValue ? 1 : 0);
  }
}

void TzrAngleButton::SetData(const Variant& Value) {
  if (VarIsEvent(Value)) {
    OnChange = VariantToEvent(Value);
    return;
  }
  TVarType type = Value.VarType();
  bool numeric = type == varBoolean || type == varInt64 || type == varDouble || type == varDate;
  SetValue(numeric ? float(Value.ToDouble()) : 0);
}

void TzrAngleButton::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FPressing = true;
  FOldPos = {X, Y};
  FSaveValue = FValue;
  Text();
}

void TzrAngleButton::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrControl::MouseMove(Shift, X, Y, Dx, Dy);
  if (!(Shift & ssLeft) || !FPressing) return;
  TzrVector v = zrVector(X - GetWidth() / 2, Y - GetHeight() / 2);
  SetValue(zrVectorAngle(zrVector(1, 0), v));
  FOldPos = {X, Y};
  Text();
}

void TzrAngleButton::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrControl::MouseUp(Button, Shift, X, Y);
  if (!FPressing) return;
  FPressing = false;
  Text();
  if (FValue != FSaveValue && OnChange) OnChange(this);
}

void TzrAngleButton::ApplyStyle() {
  TzrControl::ApplyStyle();
  Tick();
  Text();
}
