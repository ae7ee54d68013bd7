// Pixel operations of TzrBitmap: flips, alpha, colour fills, masks, rotation
// and thumbnails. Every loop runs over the one contiguous pixel block.
// Rotation and thumbnails draw through the bitmap canvas when a canvas class
// is selected; the resampling loops here stand in for it when none is.

#include <algorithm>
#include <cmath>
#include <memory>

#include "scene/zr_bitmap.h"
#include "scene/zr_canvas.h"
#include "scene/zr_colors.h"

namespace {

// Bilinear sample of a premultiplied image at (X, Y) in pixel units, where
// pixel centres lie at whole numbers; taps beyond an edge repeat the edge.
TzrColor Sample(const TzrBitmap& Src, double X, double Y) {
  // Snap positions that miss a pixel centre only by float noise.
  const double snap = 1e-4;
  double x0 = std::floor(X), y0 = std::floor(Y);
  double fx = X - x0, fy = Y - y0;
  if (fx < snap) fx = 0;
  if (fx > 1 - snap) fx = 0, x0 += 1;
  if (fy < snap) fy = 0;
  if (fy > 1 - snap) fy = 0, y0 += 1;
  const int maxX = Src.GetWidth() - 1, maxY = Src.GetHeight() - 1;
  const int ix0 = std::clamp(int(x0), 0, maxX), ix1 = std::clamp(int(x0) + 1, 0, maxX);
  const int iy0 = std::clamp(int(y0), 0, maxY), iy1 = std::clamp(int(y0) + 1, 0, maxY);
  const double w[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
  const TzrColor taps[4] = {Src.GetPixels(ix0, iy0), Src.GetPixels(ix1, iy0),
                            Src.GetPixels(ix0, iy1), Src.GetPixels(ix1, iy1)};
  TzrColor result = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    double sum = 0;
    for (int i = 0; i < 4; ++i) sum += w[i] * double((taps[i] >> shift) & 0xFF);
    result |= TzrColor(std::min(255.0, std::floor(sum + 0.5))) << shift;
  }
  return result;
}

// Draws Src into Dst through M (row vectors: source to destination): each
// destination pixel whose centre maps back into the source takes the source
// sampled there. Dst is expected cleared; covered pixels are replaced.
void DrawTransformed(const TzrBitmap& Src, TzrBitmap& Dst, TzrMatrix M) {
  zrInvertMatrix(M);
  for (int y = 0; y < Dst.GetHeight(); ++y) {
    TzrColor* row = Dst.GetScanline(y);
    for (int x = 0; x < Dst.GetWidth(); ++x) {
      const double dx = x + 0.5, dy = y + 0.5;
      const double sx = dx * M.m11 + dy * M.m21 + M.m31;
      const double sy = dx * M.m12 + dy * M.m22 + M.m32;
      const double edge = 1e-4;  // float noise on the source's border
      if (sx < -edge || sy < -edge || sx > Src.GetWidth() + edge || sy > Src.GetHeight() + edge)
        continue;
      row[x] = Sample(Src, sx - 0.5, sy - 0.5);
    }
  }
  Dst.SetNeedUpdate(true);
}

// The length of [A0, A1) that falls into the pixel [I, I + 1).
double Overlap(double A0, double A1, int I) {
  return std::max(0.0, std::min(A1, I + 1.0) - std::max(A0, double(I)));
}

// Draws Src reduced by Scale (below 1) into Dst from its top left corner:
// each destination pixel is the area-weighted mean of the source pixels its
// footprint covers, so no source pixel is skipped. Footprints reaching past
// the source count the missing part as transparent.
void DrawReduced(const TzrBitmap& Src, TzrBitmap& Dst, double Scale) {
  const double step = 1 / Scale, area = step * step;
  const TzrColor* bits = Src.GetStartLine();
  for (int y = 0; y < Dst.GetHeight(); ++y) {
    const double y0 = y * step, y1 = y0 + step;
    const int top = int(y0), bottom = std::min(Src.GetHeight(), int(std::ceil(y1)));
    TzrColor* row = Dst.GetScanline(y);
    for (int x = 0; x < Dst.GetWidth(); ++x) {
      const double x0 = x * step, x1 = x0 + step;
      const int left = int(x0), right = std::min(Src.GetWidth(), int(std::ceil(x1)));
      double sum[4] = {};
      for (int sy = top; sy < bottom; ++sy) {
        const double wy = Overlap(y0, y1, sy);
        const TzrColor* src = bits + size_t(sy) * size_t(Src.GetWidth());
        for (int sx = left; sx < right; ++sx) {
          const double w = wy * Overlap(x0, x1, sx);
          for (int c = 0; c < 4; ++c) sum[c] += w * double((src[sx] >> (8 * c)) & 0xFF);
        }
      }
      TzrColor pixel = 0;
      for (int c = 0; c < 4; ++c)
        pixel |= TzrColor(std::min(255.0, std::floor(sum[c] / area + 0.5))) << (8 * c);
      row[x] = pixel;
    }
  }
  Dst.SetNeedUpdate(true);
}

TzrMatrix Translation(float Dx, float Dy) {
  TzrMatrix m = IdentityMatrix;
  m.m31 = Dx;
  m.m32 = Dy;
  return m;
}

}  // namespace

void TzrBitmap::FlipHorizontal() {
  if (FBits.empty()) return;
  for (int top = 0, bottom = FHeight - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(GetScanline(top), GetScanline(top) + FWidth, GetScanline(bottom));
  FNeedUpdate = true;
  BitmapChanged();
}

void TzrBitmap::FlipVertical() {
  if (FBits.empty()) return;
  for (int y = 0; y < FHeight; ++y) std::reverse(GetScanline(y), GetScanline(y) + FWidth);
  FNeedUpdate = true;
  BitmapChanged();
}

void TzrBitmap::InvertAlpha() {
  if (FBits.empty()) return;
  for (TzrColor& pixel : FBits) {
    const TzrColor plain = zrUnpremultyAlpha(pixel);
    const TzrColor alpha = 255 - (pixel >> 24);
    pixel = zrPremultyAlpha((plain & 0x00FFFFFFu) | (alpha << 24));
  }
  FNeedUpdate = true;
  BitmapChanged();
}

void TzrBitmap::FillColor(TzrColor Color) {
  if (FBits.empty()) return;
  for (TzrColor& pixel : FBits) {
    const TzrColor alpha = pixel >> 24;
    if (alpha != 0) pixel = zrPremultyAlpha(zrOpacity(Color, float(alpha) / 255));
  }
  FNeedUpdate = true;
  BitmapChanged();
}

std::vector<uint8_t> TzrBitmap::CreateMask() const {
  std::vector<uint8_t> mask(FBits.size());
  for (size_t i = 0; i < FBits.size(); ++i) mask[i] = uint8_t(FBits[i] >> 24);
  return mask;
}

void TzrBitmap::ApplyMask(const std::vector<uint8_t>& Mask, int DstX, int DstY) {
  if (FBits.empty() || Mask.size() < FBits.size()) return;
  for (int y = 0; y < FHeight; ++y) {
    const int my = y - DstY;
    if (my < 0 || my >= FHeight) continue;
    TzrColor* row = GetScanline(y);
    for (int x = 0; x < FWidth; ++x) {
      const int mx = x - DstX;
      if (mx < 0 || mx >= FWidth) continue;
      const uint8_t m = Mask[size_t(mx) + size_t(my) * size_t(FWidth)];
      if (m == 0) continue;
      row[x] = zrPremultyAlpha(zrOpacity(zrUnpremultyAlpha(row[x]), float(255 - m) / 255));
    }
  }
  FNeedUpdate = true;
  BitmapChanged();
}

void TzrBitmap::Rotate(float Angle) {
  if (Angle == 0 || !std::isfinite(Angle) || FBits.empty()) return;
  const float w = float(FWidth), h = float(FHeight);
  TzrMatrix m =
      zrMatrixMultiply(Translation(-w / 2, -h / 2), zrCreateRotationMatrix(zrDegToRad(Angle)));
  TzrPoint corners[4] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
  for (TzrPoint& p : corners) p = zrPointFromVector(zrVectorTransform(zrVector(p), m));
  const TzrRect bounds = zrNormalizeRect(std::span<const TzrPoint>(corners));
  const float bw = zrRectWidth(bounds), bh = zrRectHeight(bounds);
  m = zrMatrixMultiply(m, Translation(bw / 2, bh / 2));
  TzrBitmap work(int(std::trunc(bw)), int(std::trunc(bh)));
  work.Clear(0);
  if (TzrCanvas* canvas = work.GetCanvas()) {
    const TzrRect all = zrRect(0, 0, w, h);
    canvas->SetMatrix(m);
    canvas->DrawBitmap(*this, all, all, 1);
  } else {
    DrawTransformed(*this, work, m);
  }
  Assign(&work);
}

std::unique_ptr<TzrBitmap> TzrBitmap::CreateThumbnail(int AWidth, int AHeight) {
  auto thumbnail = std::make_unique<TzrBitmap>(AWidth, AHeight);
  if (FBits.empty() || thumbnail->IsEmpty()) return thumbnail;
  if (TzrCanvas* canvas = thumbnail->GetCanvas()) {
    if (!canvas->BeginScene()) return thumbnail;
    // the thumbnail's scale stays off the canvas the new bitmap keeps
    const uint32_t state = canvas->SaveCanvas();
    canvas->DrawThumbnail(*this, float(thumbnail->GetWidth()), float(thumbnail->GetHeight()));
    canvas->RestoreCanvas(state);
    canvas->EndScene();
    return thumbnail;
  }
  const double scale = double(thumbnail->GetWidth()) / double(FWidth);
  if (scale < 1) {
    DrawReduced(*this, *thumbnail, scale);
  } else {
    TzrMatrix m = IdentityMatrix;
    m.m11 = m.m22 = float(scale);
    DrawTransformed(*this, *thumbnail, m);
  }
  return thumbnail;
}
