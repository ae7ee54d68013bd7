#include "controls/zr_scroll_bar.h"

#include "controls/zr_buttons.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_classes.h"

const TClassInfo* TzrScrollBar::Class() {
  using T = TzrScrollBar;
  static const TClassInfo* info =
      TClassDecl<T>("TzrScrollBar", TzrControl::Class())
          .Prop("BindingSource", &T::GetBindingSource, &T::SetBindingSource)
          .Prop("Min", &T::GetMin, &T::SetMin)
          .Prop("Max", &T::GetMax, &T::SetMax)
          .Enum("Orientation", &T::GetOrientation, &T::SetOrientation, zrOrientationInfo())
          .Prop("Value", &T::GetValue, &T::SetValue)
          .Prop("ViewportSize", &T::GetViewportSize, &T::SetViewportSize)
          .Prop("SmallChange", &T::GetSmallChange, &T::SetSmallChange)
          .Event("OnChange", &T::OnChange);
  return info;
}

TzrScrollBar::TzrScrollBar(TComponent* AOwner) : TzrControl(AOwner) { SetBounds(0, 0, 150, 18); }

void TzrScrollBar::SetValue(float Value) {
  if (FValue == Value) return;
  FValue = Value;
  if (FValue > FMax - FViewportSize) FValue = FMax - FViewportSize;
  if (FValue < FMin) FValue = FMin;
  TzrFreeWatch watch(this);  // OnChange may free the bar
  if (!GetBindingObjects().empty()) ToBindingObjects();
  if (OnChange) OnChange(this);
  if (!watch.Freed()) Realign();
}

void TzrScrollBar::SetMin(float Value) {
  if (FMin == Value) return;
  FMin = Value;
  if (FMin > FValue) SetValue(FMin);
  Realign();
}

void TzrScrollBar::SetMax(float Value) {
  if (FMax == Value) return;
  FMax = Value < FMin ? FMin + 0.001f : Value;
  if (FMax - FViewportSize < FValue) SetValue(FMax - FViewportSize);
  if (FMax - FMin < FViewportSize) FViewportSize = FMax - FMin;
  Realign();
}

void TzrScrollBar::SetViewportSize(float Value) {
  if (FViewportSize == Value) return;
  FViewportSize = Value;
  if (FViewportSize > FMax - FMin) FViewportSize = FMax - FMin;
  if (FMax - FViewportSize < FValue) SetValue(FMax - FViewportSize);
  Realign();
}

void TzrScrollBar::SetOrientation(TzrOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  if (Designing() && !IsLoading())
    SetBounds(GetPosition()->GetX(), GetPosition()->GetY(), FHeight, FWidth);
  Realign();
}

void TzrScrollBar::Realign() {
  if (FDisableAlign) return;
  FDisableAlign = true;
  DriveTrack("htrack", zrHorizontal);
  DriveTrack("vtrack", zrVertical);
  DriveButton("leftbutton", zrHorizontal, false);
  DriveButton("rightbutton", zrHorizontal, true);
  DriveButton("topbutton", zrVertical, false);
  DriveButton("bottombutton", zrVertical, true);
  FDisableAlign = false;
  TzrControl::Realign();
}

void TzrScrollBar::DriveTrack(const char* Name, TzrOrientation Orientation) {
  auto* track = dynamic_cast<TzrCustomTrack*>(FindResource(Name));
  if (!track) return;
  // The bar's model goes in as it is: the track's setters would fire its
  // events back at the bar.
  track->FOrientation = Orientation;
  track->FMax = FMax;
  track->FMin = FMin;
  track->FValue = FValue;
  track->SetViewportSize(FViewportSize);
  const bool shown = FOrientation == Orientation;
  track->SetVisible(shown);
  track->OnChange = [this](TObject* Sender) { DoTrackChanged(Sender); };
  track->SetCanFocused(false);
  if (shown) track->Realign();
}

void TzrScrollBar::DriveButton(const char* Name, TzrOrientation Orientation, bool MaxSide) {
  auto* button = dynamic_cast<TzrCustomButton*>(FindResource(Name));
  if (!button) return;
  button->SetVisible(FOrientation == Orientation);
  if (MaxSide)
    button->OnClick = [this](TObject* Sender) { DoMaxButtonClick(Sender); };
  else
    button->OnClick = [this](TObject* Sender) { DoMinButtonClick(Sender); };
  button->SetCanFocused(false);
}

void TzrScrollBar::DoTrackChanged(TObject* Sender) {
  if (auto* track = dynamic_cast<TzrCustomTrack*>(Sender)) SetValue(track->GetValue());
}

void TzrScrollBar::DoMinButtonClick(TObject*) { SetValue(FValue - FSmallChange); }

void TzrScrollBar::DoMaxButtonClick(TObject*) { SetValue(FValue + FSmallChange); }

Variant TzrScrollBar::GetData() { return double(FValue); }

void TzrScrollBar::SetData(const Variant& Value) {
  if (VarIsEvent(Value)) {
    OnChange = VariantToEvent(Value);
    return;
  }
  SetValue(zrVarIsNumber(Value) ? float(Value.ToDouble()) : FMin);
}

// ---------------------------------------------------------------- small, HUD

const TClassInfo* TzrSmallScrollBar::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrSmallScrollBar>("TzrSmallScrollBar", TzrScrollBar::Class());
  return info;
}

TzrSmallScrollBar::TzrSmallScrollBar(TComponent* AOwner) : TzrScrollBar(AOwner) { SetHeight(8); }

const TClassInfo* TzrHudScrollBar::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudScrollBar>("TzrHudScrollBar", TzrScrollBar::Class());
  return info;
}
