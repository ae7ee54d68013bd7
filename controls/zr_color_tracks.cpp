#include "controls/zr_color_tracks.h"

#include <cmath>

#include "controls/zr_objects.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_colors.h"
#include "scene/zr_gradient.h"

// ---------------------------------------------------------------- bitmap track bar

const TClassInfo* TzrBitmapTrackBar::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrBitmapTrackBar>("TzrBitmapTrackBar", TzrTrackBar::Class());
  return info;
}

TzrBitmapTrackBar::TzrBitmapTrackBar(TComponent* AOwner) : TzrTrackBar(AOwner) {}

TzrBitmapTrackBar::~TzrBitmapTrackBar() = default;

void TzrBitmapTrackBar::Realign() {
  TzrTrackBar::Realign();
  UpdateBitmap();
}

void TzrBitmapTrackBar::ApplyStyle() {
  TzrTrackBar::ApplyStyle();
  FBackground = dynamic_cast<TzrShape*>(FindResource("background"));
  if (FBackground) UpdateBitmap();
}

void TzrBitmapTrackBar::FreeStyle() {
  TzrTrackBar::FreeStyle();
  FBackground = nullptr;
}

float TzrBitmapTrackBar::RampPosition(int X, int Y) const {
  if (GetOrientation() == zrVertical) return float(Y) / float(FBitmap->GetHeight());
  return float(X) / float(FBitmap->GetWidth());
}

void TzrBitmapTrackBar::UpdateBitmap() {
  if (!FBackground) return;
  const int w = int(std::trunc(FBackground->GetWidth()));
  const int h = int(std::trunc(FBackground->GetHeight()));
  if (FBitmap && (FBitmap->GetWidth() != w || FBitmap->GetHeight() != h)) FBitmap.reset();
  if (!FBitmap) {
    FBitmap = std::make_unique<TzrBitmap>(w, h);
    if (w > 0 && h > 0) FillBitmap();
  }
  TzrBrush* fill = FBackground->GetFill();
  fill->SetStyle(zrBrushBitmap);
  fill->GetBitmap()->GetBitmap()->Assign(FBitmap.get());
  Repaint();
}

// ---------------------------------------------------------------- ramps

const TClassInfo* TzrHueTrackBar::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHueTrackBar>("TzrHueTrackBar", TzrBitmapTrackBar::Class());
  return info;
}

TzrHueTrackBar::TzrHueTrackBar(TComponent* AOwner) : TzrBitmapTrackBar(AOwner) {
  SetMax(1);
  SetValue(0.5f);
}

void TzrHueTrackBar::FillBitmap() {
  TzrBitmap* b = GetBitmap();
  for (int y = 0; y < b->GetHeight(); ++y) {
    TzrColor* row = b->GetScanline(y);
    for (int x = 0; x < b->GetWidth(); ++x) row[x] = zrHSLtoRGB(RampPosition(x, y), 0.9f, 0.5f);
  }
  b->BitmapChanged();
}

const TClassInfo* TzrAlphaTrackBar::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrAlphaTrackBar>("TzrAlphaTrackBar", TzrBitmapTrackBar::Class());
  return info;
}

TzrAlphaTrackBar::TzrAlphaTrackBar(TComponent* AOwner) : TzrBitmapTrackBar(AOwner) {
  SetMax(1);
  SetValue(1);
}

// A checkerboard of 3 x 3 cells under white that runs from transparent on
// the left to opaque on the right, whatever the orientation.
void TzrAlphaTrackBar::FillBitmap() {
  TzrBitmap* b = GetBitmap();
  for (int y = 0; y < b->GetHeight(); ++y) {
    TzrColor* row = b->GetScanline(y);
    for (int x = 0; x < b->GetWidth(); ++x)
      row[x] = ((x / 3) % 2 != (y / 3) % 2) ? 0xFFA0A0A0 : 0xFFFFFFFF;
  }
  b->BitmapChanged();
  TzrCanvas* canvas = b->GetCanvas();
  if (!canvas || !canvas->BeginScene()) return;
  TzrBrush* fill = canvas->GetFill();
  fill->SetStyle(zrBrushGradient);
  TzrGradient* gradient = fill->GetGradient();
  gradient->GetPoints()->Clear();
  gradient->GetPoints()->AddPoint(0x00FFFFFF, 0);
  gradient->GetPoints()->AddPoint(0xFFFFFFFF, 1);
  gradient->GetStartPosition()->SetPoint({0, 0});
  gradient->GetStopPosition()->SetPoint({1, 0});
  canvas->FillRect(zrRect(0, 0, float(b->GetWidth()), float(b->GetHeight())), 0, 0, AllCorners, 1);
  canvas->EndScene();
}

const TClassInfo* TzrBWTrackBar::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrBWTrackBar>("TzrBWTrackBar", TzrBitmapTrackBar::Class());
  return info;
}

TzrBWTrackBar::TzrBWTrackBar(TComponent* AOwner) : TzrBitmapTrackBar(AOwner) {
  SetMax(1);
  SetValue(0.5f);
}

void TzrBWTrackBar::FillBitmap() {
  TzrBitmap* b = GetBitmap();
  for (int y = 0; y < b->GetHeight(); ++y) {
    TzrColor* row = b->GetScanline(y);
    for (int x = 0; x < b->GetWidth(); ++x) {
      const TzrColor g = TzrColor(std::nearbyint(RampPosition(x, y) * 255));
      row[x] = 0xFF000000u | g << 16 | g << 8 | g;
    }
  }
  b->BitmapChanged();
}

// ---------------------------------------------------------------- HUD variants

const TClassInfo* TzrHudHueTrackBar::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudHueTrackBar>("TzrHudHueTrackBar", TzrHueTrackBar::Class());
  return info;
}

const TClassInfo* TzrHudAlphaTrackBar::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudAlphaTrackBar>("TzrHudAlphaTrackBar", TzrAlphaTrackBar::Class());
  return info;
}

const TClassInfo* TzrHudBWTrackBar::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudBWTrackBar>("TzrHudBWTrackBar", TzrBitmapTrackBar::Class());
  return info;
}
