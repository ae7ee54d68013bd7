#include "controls/zr_tracks.h"

#include <cmath>
#include <limits>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_classes.h"

namespace {

constexpr uint16_t VkEnd = 35;
constexpr uint16_t VkHome = 36;
constexpr uint16_t VkLeft = 37;
constexpr uint16_t VkUp = 38;
constexpr uint16_t VkRight = 39;
constexpr uint16_t VkDown = 40;

// Round halves to the even neighbour, as the value model asks.
float RoundToStep(float Value, float Step) { return std::nearbyint(Value / Step) * Step; }

}  // namespace

bool zrVarIsNumber(const Variant& V) {
  const TVarType t = V.VarType();
  return t == varInt64 || t == varDouble || t == varBoolean;
}

const TEnumInfo& zrOrientationInfo() {
  static const TEnumInfo info("TzrOrientation", {"zrHorizontal", "zrVertical"});
  return info;
}

// ---------------------------------------------------------------- thumb

const TClassInfo* TzrThumb::Class() {
  static const TClassInfo* info = TClassDecl<TzrThumb>("TzrThumb", TzrControl::Class());
  return info;
}

TzrThumb::TzrThumb(TComponent* AOwner) : TzrControl(AOwner) {
  FCanFocused = false;
  FAutoCapture = true;
}

void TzrThumb::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // OnMouseDown may free the thumb
  TzrControl::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft || !GetEnabled()) return;
  FPressed = true;
  FDownOffset = {X, Y};
  if (FTrack) FTrack->SetFocus();
}

void TzrThumb::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrFreeWatch watch(this);
  TzrControl::MouseMove(Shift, X, Y, Dx, Dy);
  if (watch.Freed() || !FPressed || !FTrack || !GetEnabled() || !VisualParent()) return;
  TzrCustomTrack* track = FTrack;
  const bool vertical = track->FOrientation == zrVertical;
  const TzrPoint at =
      track->AbsoluteToLocal(LocalToAbsolute(vertical ? TzrPoint{0, Y} : TzrPoint{X, 0}));
  const bool proportional = track->FViewportSize != 0;
  const float grip = proportional ? (vertical ? FDownOffset.Y : FDownOffset.X) : 0;
  track->SetValue(vertical ? track->ValueAt(0, at.Y - grip) : track->ValueAt(at.X - grip, 0));
}

void TzrThumb::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrControl::MouseUp(Button, Shift, X, Y);
  if (watch.Freed()) return;
  TzrCustomTrack* track = FTrack;
  if (FPressed && track && !track->FTracking && track->OnChange) {
    // The drag fired only OnTracking: one change with the final value now.
    // The stored value is made to differ from any request so that SetValue
    // runs its events whatever the final value is.
    track->FTracking = true;
    const float final = track->FValue;
    track->FValue = std::numeric_limits<float>::quiet_NaN();
    track->SetValue(final);
    track->FTracking = false;
  }
  FPressed = false;
}

// ---------------------------------------------------------------- custom track

const TClassInfo* TzrCustomTrack::Class() {
  static const TClassInfo* info = TClassDecl<TzrCustomTrack>("TzrCustomTrack", TzrControl::Class());
  return info;
}

TzrCustomTrack::TzrCustomTrack(TComponent* AOwner) : TzrControl(AOwner) {
  SetBounds(0, 0, 100, 15);
}

void TzrCustomTrack::SetValue(float Value) {
  if (FFrequency != 0) Value = RoundToStep(Value, FFrequency);
  if (Value == FValue) return;
  FValue = Value;
  if (FValue > FMax - FViewportSize) FValue = FMax - FViewportSize;
  if (FValue < FMin) FValue = FMin;
  const bool dragging = GetIsTracking();
  TzrFreeWatch watch(this);  // handlers may free the track
  if (dragging && OnTracking) OnTracking(this);
  if (watch.Freed()) return;
  if (FTracking && !GetBindingObjects().empty()) ToBindingObjects();
  if ((!dragging || FTracking) && OnChange) OnChange(this);
  if (watch.Freed()) return;
  Realign();
}

void TzrCustomTrack::SetMin(float Value) {
  if (FMin == Value) return;
  FMin = Value;
  Realign();
}

void TzrCustomTrack::SetMax(float Value) {
  if (FMax == Value) return;
  FMax = Value;
  if (FMax < FMin) FMax = FMin + 0.001f;
  if (FMax - FMin < FViewportSize) FViewportSize = FMax - FMin;
  if (FMax - FViewportSize < FValue) FValue = FMax - FViewportSize;
  Realign();
}

void TzrCustomTrack::SetViewportSize(float Value) {
  if (FViewportSize == Value) return;
  FViewportSize = Value;
  if (FViewportSize > FMax - FMin) FViewportSize = FMax - FMin;
  if (FMax - FViewportSize < FValue) SetValue(FMax - FViewportSize);
  Realign();
}

void TzrCustomTrack::SetFrequency(float Value) {
  if (FFrequency == Value) return;
  FFrequency = Value;
  if (FFrequency != 0) SetValue(RoundToStep(FValue, FFrequency));
}

void TzrCustomTrack::SetOrientation(TzrOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  if (Designing() && !IsLoading())
    SetBounds(GetPosition()->GetX(), GetPosition()->GetY(), FHeight, FWidth);
  Realign();
}

bool TzrCustomTrack::GetIsTracking() {
  TzrThumb* thumb = GetThumb();
  return thumb && thumb->FPressed;
}

TzrThumb* TzrCustomTrack::GetThumb() {
  auto* thumb = dynamic_cast<TzrThumb*>(FindResource("thumb"));
  if (thumb) thumb->FTrack = this;
  return thumb;
}

TzrRect TzrCustomTrack::GetThumbRect() {
  const float w = FWidth, h = FHeight, range = FMax - FMin;
  TzrRect r = zrRect(0, 0, w, h);
  if (range <= 0) return r;
  const bool vertical = FOrientation == zrVertical;
  const float extent = vertical ? h : w, across = vertical ? w : h;
  const float length = FViewportSize / range * extent;
  const float at = std::nearbyint((FValue - FMin) / range * extent);
  float start = at, stop = at + length;
  if (stop - start < across) {
    const float half = std::trunc(across / 2);
    start = at - half;
    stop = at + half;
  }
  if (stop > extent) {
    start -= stop - extent;
    stop = extent;
  }
  if (start < 0) {
    stop -= start;
    start = 0;
  }
  r = vertical ? zrRect(0, start, w, stop) : zrRect(start, 0, stop, h);
  TzrThumb* thumb = GetThumb();
  TzrVisualObject* parent = thumb ? thumb->VisualParent() : nullptr;
  if (!parent) return r;
  const TzrRect m = parent->GetMargins()->GetRect(), q = thumb->GetPadding()->GetRect();
  r.Top += m.Top + q.Top;
  r.Bottom -= m.Bottom + q.Bottom;
  if (r.Right - r.Left > m.Left + q.Left + m.Right + q.Right) {
    r.Left += m.Left + q.Left;
    r.Right -= m.Right + q.Right;
  }
  return r;
}

void TzrCustomTrack::Realign() {
  TzrControl::Realign();
  TzrThumb* thumb = GetThumb();
  if (!thumb) return;
  const TzrRect r = GetThumbRect();
  thumb->GetPosition()->SetPoint({r.Left, r.Top});
  const float w = std::nearbyint(r.Right - r.Left), h = std::nearbyint(r.Bottom - r.Top);
  if (w > 0) thumb->SetWidth(w);
  if (h > 0) thumb->SetHeight(h);
}

float TzrCustomTrack::ValueAt(float X, float Y) const {
  const bool vertical = FOrientation == zrVertical;
  const float extent = vertical ? FHeight : FWidth;
  if (extent <= 0) return FValue;
  return FMin + (vertical ? Y : X) / extent * (FMax - FMin);
}

void TzrCustomTrack::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrControl::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft) return;
  const float v = ValueAt(X, Y);
  if (FViewportSize == 0)
    SetValue(v);
  else
    SetValue(v > FValue ? FValue + FViewportSize : FValue - FViewportSize);
}

void TzrCustomTrack::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrFreeWatch watch(this);  // OnKeyDown may free the track
  TzrControl::KeyDown(Key, KeyChar, Shift);
  if (watch.Freed()) return;
  const float step = FFrequency != 0 ? FFrequency : 1;
  switch (Key) {
    case VkEnd:
      SetValue(FMax);
      break;
    case VkHome:
      SetValue(FMin);
      break;
    case VkLeft:
    case VkUp:
      SetValue(FValue - step);
      break;
    case VkRight:
    case VkDown:
      SetValue(FValue + step);
      break;
    default:
      return;
  }
  if (watch.Freed()) return;
  if (!FTracking && OnChange) OnChange(this);
  Key = 0;
}

Variant TzrCustomTrack::GetData() { return double(FValue); }

void TzrCustomTrack::SetData(const Variant& Value) {
  if (VarIsEvent(Value)) {
    OnChange = VariantToEvent(Value);
    return;
  }
  SetValue(zrVarIsNumber(Value) ? float(Value.ToDouble()) : FMin);
}

// ---------------------------------------------------------------- track, track bar

const TClassInfo* TzrTrack::Class() {
  using T = TzrTrack;
  static const TClassInfo* info =
      TClassDecl<T>("TzrTrack", TzrCustomTrack::Class())
          .Prop("BindingSource", &T::GetBindingSource, &T::SetBindingSource)
          .Prop("Min", &T::GetMin, &T::SetMin)
          .Prop("Max", &T::GetMax, &T::SetMax)
          .Prop("Frequency", &T::GetFrequency, &T::SetFrequency)
          .Enum("Orientation", &T::GetOrientation, &T::SetOrientation, zrOrientationInfo())
          .Prop("Value", &T::GetValue, &T::SetValue)
          .Prop("ViewportSize", &T::GetViewportSize, &T::SetViewportSize)
          .Prop("Tracking", &T::GetTracking, &T::SetTracking)
          .Event("OnChange", &T::OnChange);
  return info;
}

const TClassInfo* TzrTrackBar::Class() {
  using T = TzrTrackBar;
  static const TClassInfo* info =
      TClassDecl<T>("TzrTrackBar", TzrCustomTrack::Class())
          .Prop("BindingSource", &T::GetBindingSource, &T::SetBindingSource)
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Default(false)
          .Prop("Min", &T::GetMin, &T::SetMin)
          .Prop("Max", &T::GetMax, &T::SetMax)
          .Prop("Frequency", &T::GetFrequency, &T::SetFrequency)
          .Enum("Orientation", &T::GetOrientation, &T::SetOrientation, zrOrientationInfo())
          .Prop("Value", &T::GetValue, &T::SetValue)
          .Prop("Tracking", &T::GetTracking, &T::SetTracking)
          .Event("OnChange", &T::OnChange);
  return info;
}

TzrTrackBar::TzrTrackBar(TComponent* AOwner) : TzrCustomTrack(AOwner) {
  SetViewportSize(0);
  FCanFocused = true;
}

const TClassInfo* TzrHudTrack::Class() {
  static const TClassInfo* info = TClassDecl<TzrHudTrack>("TzrHudTrack", TzrTrack::Class());
  return info;
}

const TClassInfo* TzrHudTrackBar::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudTrackBar>("TzrHudTrackBar", TzrTrackBar::Class());
  return info;
}
