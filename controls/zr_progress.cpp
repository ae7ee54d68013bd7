#include "controls/zr_progress.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_ani.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_classes.h"

namespace {

constexpr TzrColor RingColor = 0xFFBABABA;
constexpr TzrColor LitColor = 0xFF000000;

TzrVisualObject* Visual(TzrObject* O) { return O && O->GetIsVisual() ? O->GetVisual() : nullptr; }

}  // namespace

// ---------------------------------------------------------------- progress bar

const TClassInfo* TzrProgressBar::Class() {
  using T = TzrProgressBar;
  static const TClassInfo* info =
      TClassDecl<T>("TzrProgressBar", TzrControl::Class())
          .Prop("BindingSource", &T::GetBindingSource, &T::SetBindingSource)
          .Prop("Min", &T::GetMin, &T::SetMin)
          .Prop("Max", &T::GetMax, &T::SetMax)
          .Enum("Orientation", &T::GetOrientation, &T::SetOrientation, zrOrientationInfo())
          .Prop("Value", &T::GetValue, &T::SetValue);
  return info;
}

TzrProgressBar::TzrProgressBar(TComponent* AOwner) : TzrControl(AOwner) {
  FCanFocused = false;
  SetBounds(0, 0, 100, 20);
}

void TzrProgressBar::SetValue(float Value) {
  if (FValue == Value) return;
  FValue = Value;
  Realign();
}

void TzrProgressBar::SetOrientation(TzrOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  if (Designing() && !IsLoading())
    SetBounds(GetPosition()->GetX(), GetPosition()->GetY(), FHeight, FWidth);
  Realign();
}

void TzrProgressBar::Realign() {
  if (FDisableAlign) return;
  // Laid out first, so that the indicator is measured against the track's
  // present size, not the one before a resize.
  TzrControl::Realign();
  FDisableAlign = true;
  if (TzrVisualObject* track = ShowTrack(); track && FMax > FMin) SizeIndicator(track);
  FDisableAlign = false;
}

TzrVisualObject* TzrProgressBar::ShowTrack() {
  const bool vertical = FOrientation == zrVertical;
  TzrVisualObject* own = Visual(FindResource(vertical ? "vtrack" : "htrack"));
  TzrVisualObject* other = Visual(FindResource(vertical ? "htrack" : "vtrack"));
  if (other) other->SetVisible(false);
  if (own) own->SetVisible(true);
  return own ? own : Visual(FindResource("track"));
}

void TzrProgressBar::SizeIndicator(TzrVisualObject* Track) {
  const bool vertical = FOrientation == zrVertical;
  const float share = (FValue - FMin) / (FMax - FMin);
  const TzrRect m = Track->GetMargins()->GetRect();
  TzrVisualObject* shown = Visual(FindResource(vertical ? "vindicator" : "hindicator"));
  TzrVisualObject* hidden = Visual(FindResource(vertical ? "hindicator" : "vindicator"));
  if (hidden) hidden->SetVisible(false);
  if (!shown) return;
  const TzrRect q = shown->GetPadding()->GetRect();
  if (vertical) {
    const float length = share * (Track->GetHeight() - m.Top - m.Bottom - q.Top - q.Bottom);
    shown->SetHeight(length);
    shown->SetVisible(length > 2);
  } else {
    const float length = share * (Track->GetWidth() - m.Left - m.Right - q.Left - q.Right);
    shown->SetWidth(length);
    shown->SetVisible(length > 2);
  }
}

void TzrProgressBar::ApplyStyle() {
  TzrControl::ApplyStyle();
  const char* name = FOrientation == zrVertical ? "vindicator" : "hindicator";
  if (TzrObject* indicator = FindResource(name))
    indicator->StartTriggerAnimation(this, "IsVisible");
  Realign();
}

Variant TzrProgressBar::GetData() { return double(FValue); }

void TzrProgressBar::SetData(const Variant& Value) {
  SetValue(zrVarIsNumber(Value) ? float(Value.ToDouble()) : FMin);
}

// ---------------------------------------------------------------- activity indicator

const TEnumInfo& zrAniIndicatorStyleInfo() {
  static const TEnumInfo info("TzrAniIndicatorStyle",
                              {"zrAniIndicatorLine", "zrAniIndicatorCircle"});
  return info;
}

const TClassInfo* TzrAniIndicator::Class() {
  using T = TzrAniIndicator;
  static const TClassInfo* info =
      TClassDecl<T>("TzrAniIndicator", TzrControl::Class())
          .Prop("Enabled", &T::GetEnabled, &T::SetEnabled)
          .Default(false)
          .Enum("Style", &T::GetStyle, &T::SetStyle, zrAniIndicatorStyleInfo())
          .Default(zrAniIndicatorLine);
  return info;
}

TzrAniIndicator::TzrAniIndicator(TComponent* AOwner) : TzrControl(AOwner) {
  FLayout = new TzrVisualObject(this);
  FLayout->SetParent(this);
  FLayout->SetAlign(vaContents);
  FLayout->SetHitTest(false);
  FLayout->SetLocked(true);
  FLayout->SetStored(false);
  FAni = new TzrFloatAnimation(this);
  FAni->SetParent(FLayout);
  FAni->SetLoop(true);
  FAni->SetStartValue(0);
  FAni->SetStopValue(360);
  FAni->SetDuration(10);
  FAni->SetPropertyName("RotateAngle");
}

void TzrAniIndicator::SetEnabled(bool Value) {
  if (FIndicatorEnabled == Value) return;
  FIndicatorEnabled = Value;
  if (Value)
    FAni->Start();
  else
    FAni->Stop();
  Repaint();
}

void TzrAniIndicator::SetStyle(TzrAniIndicatorStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Repaint();
}

float TzrAniIndicator::Fade(int Offset) const {
  const int k = int(std::trunc(FLayout->GetRotateAngle()));
  return float(((k - Offset + 30) % 30 + 30) % 30) / 30.0f;
}

void TzrAniIndicator::Paint() {
  if (FStyle == zrAniIndicatorLine)
    PaintLines();
  else
    PaintCircles();
}

void TzrAniIndicator::PaintLines() {
  TzrCanvas* canvas = GetCanvas();
  const float w = GetWidth(), h = GetHeight();
  float r = std::min(w, h) / 2;
  const float d = r / 3.7f;
  r -= d;
  const TzrPoint m{w / 2, h / 2};
  canvas->GetStroke()->SetStyle(zrBrushSolid);
  canvas->SetStrokeThickness(d / 2);
  for (int i = 0; i < 12; ++i) {
    const float a = float(30 * i) * std::numbers::pi_v<float> / 180;
    const TzrPoint p1{m.X + r / 2 * std::cos(a), m.Y + r / 2 * std::sin(a)};
    const TzrPoint p2{m.X + r * std::cos(a), m.Y + r * std::sin(a)};
    canvas->GetStroke()->SetSolidColor(RingColor);
    canvas->DrawLine(p1, p2, GetOpacity());
    if (!FIndicatorEnabled) continue;
    canvas->GetStroke()->SetSolidColor(LitColor);
    canvas->DrawLine(p1, p2, (1 - Fade(30 * i / 12)) * GetOpacity());
  }
}

void TzrAniIndicator::PaintCircles() {
  TzrCanvas* canvas = GetCanvas();
  const float w = GetWidth(), h = GetHeight();
  float r = std::min(w, h) / 2;
  const float d = r / 3.7f;
  r -= d;
  const TzrPoint m{w / 2, h / 2};
  canvas->GetStroke()->SetStyle(zrBrushNone);
  canvas->GetFill()->SetStyle(zrBrushSolid);
  for (int i = 0; i < 8; ++i) {
    const float a = float(45 * i) * std::numbers::pi_v<float> / 180;
    const TzrPoint c{m.X + r * std::cos(a), m.Y + r * std::sin(a)};
    const TzrRect dot = zrRect(c.X - d, c.Y - d, c.X + d, c.Y + d);
    canvas->GetFill()->SetSolidColor(RingColor);
    canvas->FillEllipse(dot, GetOpacity());
    if (!FIndicatorEnabled) continue;
    canvas->GetFill()->SetSolidColor(LitColor);
    canvas->FillEllipse(dot, (1 - Fade(30 * i / 7)) * GetOpacity());
  }
}
