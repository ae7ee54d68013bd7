#include "controls/zr_color_quad.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_colors.h"

namespace {

float Clamp01(float Value) { return std::clamp(Value, 0.0f, 1.0f); }

// The colour with its alpha byte replaced by Alpha x 255, rounded.
TzrColor WithAlpha(TzrColor Color, float Alpha) {
  const TzrColor a = TzrColor(std::nearbyint(Alpha * 255));
  return (Color & 0x00FFFFFF) | a << 24;
}

void SolidFill(TzrCanvas* Canvas, TzrColor Color) {
  Canvas->GetFill()->SetStyle(zrBrushSolid);
  Canvas->GetFill()->SetSolidColor(Color);
}

void SolidStroke(TzrCanvas* Canvas, TzrColor Color) {
  Canvas->GetStroke()->SetStyle(zrBrushSolid);
  Canvas->GetStroke()->SetSolidColor(Color);
  Canvas->SetStrokeThickness(1);
}

}  // namespace

void zrPaintColorMarker(TzrCanvas* Canvas, float X, float Y, TzrColor Inner, float Opacity) {
  TzrRect r = zrRect(X - 5, Y - 5, X + 5, Y + 5);
  SolidStroke(Canvas, 0xFF000000);
  Canvas->DrawEllipse(r, Opacity);
  zrInflateRect(r, -1, -1);
  SolidStroke(Canvas, 0xFFFFFFFF);
  Canvas->DrawEllipse(r, Opacity);
  zrInflateRect(r, -1, -1);
  SolidFill(Canvas, Inner);
  Canvas->FillEllipse(r, Opacity);
}

void zrPaintCheckerboard(TzrCanvas* Canvas, const TzrRect& R, float Cell, float Opacity) {
  SolidFill(Canvas, 0xFFFFFFFF);
  Canvas->FillRect(R, 0, 0, AllCorners, Opacity);
  SolidFill(Canvas, 0xFFD3D3D3);
  const int columns = int(std::trunc(zrRectWidth(R) / Cell)) + 1;
  const int rows = int(std::trunc(zrRectHeight(R) / Cell)) + 1;
  for (int i = 0; i <= columns; ++i)
    for (int j = 0; j <= rows; ++j)
      if ((i + j) % 2 == 1)
        Canvas->FillRect(zrRect(i * Cell, j * Cell, i * Cell + Cell, j * Cell + Cell), 0, 0,
                         AllCorners, Opacity);
}

// ---------------------------------------------------------------- colour box

const TClassInfo* TzrColorBox::Class() {
  static const TClassInfo* info = TClassDecl<TzrColorBox>("TzrColorBox", TzrControl::Class());
  return info;
}

TzrColorBox::TzrColorBox(TComponent* AOwner) : TzrControl(AOwner) {}

void TzrColorBox::SetColor(TzrColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Repaint();
}

void TzrColorBox::Paint() {
  TzrCanvas* canvas = GetCanvas();
  const TzrRect r = GetLocalRect();
  const float opacity = GetAbsoluteOpacity();
  const uint32_t state = canvas->SaveCanvas();
  canvas->IntersectClipRect(r);
  canvas->GetStroke()->SetStyle(zrBrushNone);
  zrPaintCheckerboard(canvas, r, 5, opacity);
  canvas->RestoreCanvas(state);
  SolidFill(canvas, FColor);
  canvas->FillRect(r, 0, 0, AllCorners, opacity);
}

// ---------------------------------------------------------------- colour quad

const TClassInfo* TzrColorQuad::Class() {
  using T = TzrColorQuad;
  static const TClassInfo* info = TClassDecl<T>("TzrColorQuad", TzrControl::Class())
                                      .Prop("Hue", &T::GetHue, &T::SetHue)
                                      .Prop("Lum", &T::GetLum, &T::SetLum)
                                      .Prop("Sat", &T::GetSat, &T::SetSat)
                                      .Prop("Alpha", &T::GetAlpha, &T::SetAlpha)
                                      .Prop("ColorBox", &T::GetColorBox, &T::SetColorBox)
                                      .Event("OnChange", &T::OnChange);
  return info;
}

TzrColorQuad::TzrColorQuad(TComponent* AOwner) : TzrControl(AOwner) { SetAutoCapture(true); }

TzrColorQuad::~TzrColorQuad() = default;

void TzrColorQuad::Changed() {
  if (FColorBox) FColorBox->SetColor(WithAlpha(zrHSLtoRGB(FHue, FSat, FLum), FAlpha));
  if (OnChange) OnChange(this);
}

void TzrColorQuad::SetHue(float Value) {
  if (Value == FHue) return;
  FHue = Clamp01(Value);
  FColorBitmap.reset();
  Changed();
  Repaint();
}

void TzrColorQuad::SetSat(float Value) {
  if (Value == FSat) return;
  FSat = Clamp01(Value);
  Changed();
  Repaint();
}

void TzrColorQuad::SetLum(float Value) {
  if (Value == FLum) return;
  FLum = Clamp01(Value);
  Changed();
  Repaint();
}

void TzrColorQuad::SetAlpha(float Value) {
  if (Value == FAlpha) return;
  FAlpha = Clamp01(Value);
  Changed();
}

void TzrColorQuad::SetColorBox(TzrColorBox* Value) {
  if (Value == FColorBox) return;
  if (FColorBox) FColorBox->RemoveFreeNotification(this);
  FColorBox = Value;
  if (!FColorBox) return;
  FColorBox->FreeNotification(this);
  FColorBox->SetColor(WithAlpha(zrHSLtoRGB(FHue, FSat, FLum), FAlpha));
}

void TzrColorQuad::Notification(TComponent* AComponent, TOperation Operation) {
  TzrControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FColorBox) FColorBox = nullptr;
}

TzrRect TzrColorQuad::GetAbsoluteRect() {
  TzrRect r = TzrControl::GetAbsoluteRect();
  zrInflateRect(r, 11, 11);
  return r;
}

bool TzrColorQuad::PointInObject(float X, float Y) {
  const TzrPoint p = AbsoluteToLocal({X, Y});
  return p.X > -5 && p.X < GetWidth() + 5 && p.Y > -5 && p.Y < GetHeight() + 5;
}

void TzrColorQuad::PointTo(float X, float Y) {
  if (GetHeight() != 0) SetLum(1 - Y / GetHeight());
  if (GetWidth() != 0) SetSat(X / GetWidth());
}

void TzrColorQuad::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrControl::MouseMove(Shift, X, Y, Dx, Dy);
  if (GetPressed()) PointTo(X, Y);
}

void TzrColorQuad::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  if (GetPressed()) PointTo(X, Y);
  TzrControl::MouseUp(Button, Shift, X, Y);
}

void TzrColorQuad::Paint() {
  TzrCanvas* canvas = GetCanvas();
  const float opacity = GetAbsoluteOpacity();
  if (!FColorBitmap) {
    const int w = int(std::trunc(GetWidth())), h = int(std::trunc(GetHeight()));
    FColorBitmap = std::make_unique<TzrBitmap>(w, h);
    for (int y = 0; y < h; ++y) {
      TzrColor* row = FColorBitmap->GetScanline(y);
      for (int x = 0; x < w; ++x) row[x] = zrHSLtoRGB(FHue, float(x) / w, 1 - float(y) / h);
    }
    FColorBitmap->BitmapChanged();
  }
  if (!FColorBitmap->IsEmpty()) {
    const TzrRect src =
        zrRect(0, 0, float(FColorBitmap->GetWidth()), float(FColorBitmap->GetHeight()));
    canvas->DrawBitmap(*FColorBitmap, src, GetLocalRect(), opacity);
  }
  zrPaintColorMarker(canvas, FSat * GetWidth(), (1 - FLum) * GetHeight(),
                     zrHSLtoRGB(FHue, FSat, FLum), opacity);
}

// ---------------------------------------------------------------- hue strip

const TClassInfo* TzrColorPicker::Class() {
  using T = TzrColorPicker;
  static const TClassInfo* info = TClassDecl<T>("TzrColorPicker", TzrControl::Class())
                                      .Prop("Hue", &T::GetHue, &T::SetHue)
                                      .Prop("ColorQuad", &T::GetColorQuad, &T::SetColorQuad);
  return info;
}

TzrColorPicker::TzrColorPicker(TComponent* AOwner) : TzrControl(AOwner) { SetAutoCapture(true); }

TzrColorPicker::~TzrColorPicker() = default;

void TzrColorPicker::SetHue(float Value) {
  if (Value == FHue) return;
  FHue = Clamp01(Value);
  if (FColorQuad) FColorQuad->SetHue(FHue);
  Repaint();
}

void TzrColorPicker::SetColorQuad(TzrColorQuad* Value) {
  if (Value == FColorQuad) return;
  if (FColorQuad) FColorQuad->RemoveFreeNotification(this);
  FColorQuad = Value;
  if (FColorQuad) FColorQuad->FreeNotification(this);
}

TzrColor TzrColorPicker::GetColor() const { return zrHSLtoRGB(FHue, 1.0f, 0.5f); }

void TzrColorPicker::SetColor(TzrColor Value) {
  float h = 0, s = 0, l = 0;
  zrRGBtoHSL(Value, h, s, l);
  SetHue(h);
  if (!FColorQuad) return;
  FColorQuad->SetAlpha(float(Value >> 24) / 255);
  FColorQuad->SetHue(h);
  FColorQuad->SetSat(s);
  FColorQuad->SetLum(l);
}

void TzrColorPicker::Notification(TComponent* AComponent, TOperation Operation) {
  TzrControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FColorQuad) FColorQuad = nullptr;
}

TzrRect TzrColorPicker::GetAbsoluteRect() {
  TzrRect r = TzrControl::GetAbsoluteRect();
  zrInflateRect(r, 5, 0);
  return r;
}

bool TzrColorPicker::PointInObject(float X, float Y) {
  const TzrPoint p = AbsoluteToLocal({X, Y});
  return p.X > 0 && p.X < GetWidth() && p.Y > -5 && p.Y < GetHeight() + 5;
}

void TzrColorPicker::PointTo(float Y) {
  if (GetHeight() != 0) SetHue(Y / GetHeight());
}

void TzrColorPicker::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrControl::MouseMove(Shift, X, Y, Dx, Dy);
  if (GetPressed()) PointTo(Y);
}

void TzrColorPicker::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  if (GetPressed()) PointTo(Y);
  TzrControl::MouseUp(Button, Shift, X, Y);
}

void TzrColorPicker::Paint() {
  TzrCanvas* canvas = GetCanvas();
  const float opacity = GetAbsoluteOpacity();
  if (!FHueBitmap) {
    const int w = int(std::trunc(GetWidth())), h = int(std::trunc(GetHeight()));
    FHueBitmap = std::make_unique<TzrBitmap>(w, h);
    for (int y = 0; y < h; ++y) {
      const TzrColor c = zrHSLtoRGB(float(y) / h, 0.9f, 0.5f);
      std::fill_n(FHueBitmap->GetScanline(y), w, c);
    }
    FHueBitmap->BitmapChanged();
  }
  if (!FHueBitmap->IsEmpty()) {
    const TzrRect src = zrRect(0, 0, float(FHueBitmap->GetWidth()), float(FHueBitmap->GetHeight()));
    canvas->DrawBitmap(*FHueBitmap, src, GetLocalRect(), opacity);
  }
  zrPaintColorMarker(canvas, GetWidth() / 2, FHue * GetHeight(), zrHSLtoRGB(FHue, 0.9f, 0.5f),
                     opacity);
}
