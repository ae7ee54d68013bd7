// Exchange between the scene's bitmap and the framework's raster pictures.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/vcl/Graphics.h"
#include "scene/zr_bitmap.h"

namespace {

constexpr uint32_t kMagenta = 0x00FF00FF;  // as 0x00RRGGBB

uint32_t RGBOf(uint32_t pixel) { return pixel & 0x00FFFFFF; }

// The framework's colour value (red in the low byte) as 0x00RRGGBB.
uint32_t RGBOfColor(TColor Color) {
  gdi::COLORREF c = ColorToRGB(Color);
  return (uint32_t(gdi::GetRValue(c)) << 16) | (uint32_t(gdi::GetGValue(c)) << 8) |
         uint32_t(gdi::GetBValue(c));
}

}  // namespace

// Takes the size without an OnChange of its own; the pixels are cleared.
void TzrBitmap::Resize(int AWidth, int AHeight) {
  FWidth = std::max(0, AWidth);
  FHeight = std::max(0, AHeight);
  Recreate();
}

bool TzrBitmap::AssignFromFramework(TPersistent* Source) {
  TGraphic* graphic = dynamic_cast<TGraphic*>(Source);
  if (auto* picture = dynamic_cast<TPicture*>(Source))
    graphic = picture->GetGraphic();
  else if (!graphic)
    return false;
  UnlinkResource();
  FResourceName.clear();
  auto* bitmap = dynamic_cast<TBitmap*>(graphic);
  if (bitmap) {
    Resize(bitmap->GetWidth(), bitmap->GetHeight());
    // The transparent colour is compared with each pixel's colour channels.
    bool keyed = bitmap->GetTransparent() && !bitmap->GetEmpty();
    uint32_t key = keyed ? RGBOfColor(bitmap->GetTransparentColor()) : 0;
    bool wide = bitmap->BitsPerPixel() == 32;
    for (int y = 0; y < FHeight; ++y) {
      const uint8_t* row = bitmap->GetScanLine(y);
      TzrColor* out = GetScanline(y);
      for (int x = 0; x < FWidth; ++x) {
        const uint8_t* p = row + x * (wide ? 4 : 3);
        uint32_t v = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) |
                     (uint32_t(wide ? p[3] : 255) << 24);
        out[x] = keyed && RGBOf(v) == key ? 0 : v;
      }
    }
  } else {
    Resize(graphic ? graphic->GetWidth() : 0, graphic ? graphic->GetHeight() : 0);
    if (!IsEmpty()) {
      DrawGraphic(graphic, TzrRect{0, 0, float(FWidth), float(FHeight)});
      for (TzrColor& c : FBits) c |= 0xFF000000u;
    }
  }
  SetNeedUpdate(true);
  BitmapChanged();
  return true;
}

void TzrBitmap::DrawGraphic(TGraphic* Graphic, const TzrRect& DstRect) {
  if (!Graphic || IsEmpty()) return;
  TBitmap work;
  work.SetPixelFormat(pf32bit);
  work.SetSize(FWidth, FHeight);
  TCanvas* canvas = work.GetCanvas();
  canvas->GetBrush()->SetColor(clFuchsia);
  canvas->FillRect(TRect{0, 0, FWidth, FHeight});
  TRect r{int(std::nearbyint(DstRect.Left)), int(std::nearbyint(DstRect.Top)),
          int(std::nearbyint(DstRect.Right)), int(std::nearbyint(DstRect.Bottom))};
  canvas->StretchDraw(r, Graphic);
  for (int y = 0; y < FHeight; ++y) {
    const uint8_t* row = work.GetScanLine(y);
    TzrColor* out = GetScanline(y);
    for (int x = 0; x < FWidth; ++x) {
      uint32_t v;
      std::memcpy(&v, row + x * 4, 4);
      if (RGBOf(v) != kMagenta) out[x] = v;
    }
  }
  SetNeedUpdate(true);
}

void TzrBitmap::AssignTo(TPersistent* Dest) {
  TzrBitmap* shown = GetBitmap() ? GetBitmap() : this;
  if (auto* bitmap = dynamic_cast<TBitmap*>(Dest)) {
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(shown->FWidth, shown->FHeight);
    for (int y = 0; y < shown->FHeight; ++y)
      std::memcpy(bitmap->GetScanLine(y), shown->GetScanline(y), size_t(shown->FWidth) * 4);
    return;
  }
  if (auto* picture = dynamic_cast<TPicture*>(Dest)) {
    TBitmap temp;
    AssignTo(&temp);
    picture->Assign(&temp);
    return;
  }
  TPersistent::AssignTo(Dest);
}
