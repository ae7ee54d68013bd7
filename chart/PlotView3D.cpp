#include "chart/PlotView3D.h"

#include <cmath>
#include <numbers>

#include "platform/rtl/RttiDecl.h"

namespace {
const TEnumInfo& ZoomTextInfo() {
  static const TEnumInfo info("TCanvasZoomText", {"ztManual", "ztNo", "ztAuto"});
  return info;
}
}  // namespace

const TClassInfo* TView3DOptions::Class() {
  using V = TView3DOptions;
  static const TClassInfo* info =
      TClassDecl<V>("TView3DOptions", TPersistent::Class())
          .Prop("Elevation", &V::GetElevation, &V::SetElevationInteger)
          .Default(345)
          .Prop("FontZoom", &V::GetFontZoom, &V::SetFontZoom)
          .Default(100)
          .Prop("HorizOffset", &V::GetHorizOffset, &V::SetHorizInteger)
          .Default(0)
          .Prop("OrthoAngle", &V::GetOrthoAngle, &V::SetOrthoAngle)
          .Default(45)
          .Prop("Orthogonal", &V::GetOrthogonal, &V::SetOrthogonal)
          .Default(1)
          .Prop("Perspective", &V::GetPerspective, &V::SetPerspective)
          .Default(15)
          .Prop("Rotation", &V::GetRotation, &V::SetRotationInteger)
          .Default(345)
          .Prop("Tilt", &V::GetTilt, &V::SetTiltInteger)
          .Default(0)
          .Prop("VertOffset", &V::GetVertOffset, &V::SetVertInteger)
          .Default(0)
          .Prop("Zoom", &V::GetZoom, &V::SetZoomInteger)
          .Default(100)
          .Enum("ZoomText", &V::GetZoomText, &V::SetZoomText, ZoomTextInfo())
          .Default(ztManual);
  return info;
}

TView3DOptions::TView3DOptions(std::function<void()> ARepaint) : FRepaint(std::move(ARepaint)) {}

int TView3DOptions::Rounded(double Value) { return int(std::lround(Value)); }

void TView3DOptions::Repaint() {
  if (FRepaint) FRepaint();
}

void TView3DOptions::SetIntegerProperty(int& Field, int Value) {
  if (Field == Value) return;
  Field = Value;
  Repaint();
}

void TView3DOptions::SetBooleanProperty(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  Repaint();
}

void TView3DOptions::SetDouble(double& Field, double Value) {
  if (Field == Value) return;
  Field = Value;
  Repaint();
}

void TView3DOptions::SetElevation(double Value) { SetDouble(FElevation, Value); }
void TView3DOptions::SetRotation(double Value) { SetDouble(FRotation, Value); }
void TView3DOptions::SetTilt(double Value) { SetDouble(FTilt, Value); }

void TView3DOptions::SetHorizOffset(double Value) {
  if (FHorizOffset == Value) return;
  SetDouble(FHorizOffset, Value);
  if (OnScrolled) OnScrolled(true);
}

void TView3DOptions::SetVertOffset(double Value) {
  if (FVertOffset == Value) return;
  SetDouble(FVertOffset, Value);
  if (OnScrolled) OnScrolled(false);
}

void TView3DOptions::SetZOffset(double Value) {
  if (FZOffset == Value) return;
  SetDouble(FZOffset, Value);
  if (OnScrolled) OnScrolled(false);
}

void TView3DOptions::SetZoom(double Value) {
  if (FZoom == Value) return;
  if (OnChangedZoom) OnChangedZoom(Rounded(Value));
  SetDouble(FZoom, Value);
}

void TView3DOptions::SetPerspective(int Value) { SetIntegerProperty(FPerspective, std::min(Value, 100)); }

void TView3DOptions::SetZoomText(TCanvasZoomText Value) {
  if (int(Value) == 255 || Value == FZoomText) return;
  FZoomText = Value;
  Repaint();
}

bool TView3DOptions::BackFaced() const {
  if (FOrthogonal) return false;
  int r = Rounded(FRotation);
  return r > 90 && r < 270;
}

double TView3DOptions::CalcOrthoRatio() const {
  if (!FOrthogonal) return 1;
  int a = FOrthoAngle;
  if (a > 90) a = 180 - a;
  const double step = std::numbers::pi / 180;
  return std::sin(a * step) / std::cos(a * step);
}

void TView3DOptions::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TView3DOptions*>(Source);
  if (!s) return;
  FElevation = s->FElevation;
  FFontZoom = s->FFontZoom;
  FHorizOffset = s->FHorizOffset;
  FOrthoAngle = s->FOrthoAngle;
  FOrthogonal = s->FOrthogonal;
  FPerspective = s->FPerspective;
  FRotation = s->FRotation;
  FTilt = s->FTilt;
  FVertOffset = s->FVertOffset;
  FZoom = s->FZoom;
  FZoomText = s->FZoomText;
}
