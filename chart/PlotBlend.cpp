#include "chart/PlotBlend.h"

#include <algorithm>
#include <cmath>

#include "chart/PlotCanvas3D.h"
#include "chart/PlotFilter.h"
#include "platform/gdi/Gdi.h"

bool PlotBlendPerPixel = false;

namespace {

void BlendByDevice(TBitmap* Background, TBitmap* Destination, int X, int Y, int W, int H,
                   double Percent) {
  gdi::BLENDFUNCTION blend;
  blend.SourceConstantAlpha = gdi::BYTE(255 - std::lround(2.55 * Percent));
  blend.AlphaFormat = 0;
  gdi::AlphaBlend(Destination->GetCanvas()->GetHandle(), X, Y, W, H,
                  Background->GetCanvas()->GetHandle(), 0, 0, W, H, blend);
}

void BlendByPixel(TBitmap* Background, TBitmap* Destination, int X, int Y, int W, int H,
                  TBitmap* Mask, double Percent) {
  TRGBArray bg, dst, mask;
  PlotCalcLines(bg, Background);
  PlotCalcLines(dst, Destination);
  if (Mask) PlotCalcLines(mask, Mask);
  const int a = 256 - int(std::lround(2.56 * Percent));
  for (int j = 0; j < H; ++j) {
    if (Mask && j >= int(mask.size())) break;
    for (int i = 0; i < W; ++i) {
      if (Mask && i >= Mask->GetWidth()) break;
      const TRGB& b = bg[size_t(j)][i];
      TRGB& d = dst[size_t(Y + j)][X + i];
      const TRGB* m = Mask ? &mask[size_t(j)][i] : nullptr;
      auto mix = [](uint8_t& dc, uint8_t bc, int w) { dc = uint8_t(dc + ((bc - dc) * w) / 256); };
      mix(d.Blue, b.Blue, m ? m->Blue : a);
      mix(d.Green, b.Green, m ? m->Green : a);
      mix(d.Red, b.Red, m ? m->Red : a);
    }
  }
}

}  // namespace

void PlotBlendBitmaps(TBitmap* Background, TBitmap* Destination, TPoint Point, TBitmap* Mask,
                      double Percent) {
  int x = std::max(Point.X, 0), y = std::max(Point.Y, 0);
  int w = std::min(Background->GetWidth(), Destination->GetWidth() - x);
  int h = std::min(Background->GetHeight(), Destination->GetHeight() - y);
  if (w < 1 || h < 1) return;
  if (!Mask && !PlotBlendPerPixel)
    BlendByDevice(Background, Destination, x, y, w, h, Percent);
  else
    BlendByPixel(Background, Destination, x, y, w, h, Mask, Percent);
}

// ---------------- a shape's blend ----------------

TPlotBlend::TPlotBlend(TPlotCanvas* ACanvas, const TRect& R) : FCanvas(ACanvas) {
  if (FCanvas) SetRectangle(R);
}

TPlotBlend::~TPlotBlend() = default;

namespace {

// The surface the canvas draws on: its off-screen bitmap when it has one.
TBitmap* CanvasBuffer(TPlotCanvas* Canvas) {
  auto* gdiCanvas = dynamic_cast<TPlotCanvas3D*>(Canvas);
  return gdiCanvas ? gdiCanvas->GetBitmap() : nullptr;
}

}  // namespace

void TPlotBlend::SetRectangle(const TRect& R) {
  TRect r = OrientRectangle(R);
  r.Left = std::max(r.Left, 0);
  r.Top = std::max(r.Top, 0);
  r.Right = std::max(r.Right, 0);
  r.Bottom = std::max(r.Bottom, 0);
  if (r.Right - r.Left <= 0) r.Right = r.Left + 1;
  if (r.Bottom - r.Top <= 0) r.Bottom = r.Top + 1;
  const TRect& bounds = FCanvas->GetBounds();
  r.Right = std::min(r.Right, bounds.Right);
  r.Bottom = std::min(r.Bottom, bounds.Bottom);
  FRect = r;
  IValidSize = r.Right - r.Left > 0 && r.Bottom - r.Top > 0;
  if (!IValidSize) return;
  FBitmap = std::make_unique<TBitmap>();
  FBitmap->SetPixelFormat(pf24bit);
  FBitmap->SetSize(r.Right - r.Left, r.Bottom - r.Top);
  TBitmap* buffer = CanvasBuffer(FCanvas);
  TCanvas* source = buffer ? buffer->GetCanvas() : FCanvas->GetReferenceCanvas();
  if (!source) return;
  gdi::BitBlt(FBitmap->GetCanvas()->GetHandle(), 0, 0, FBitmap->GetWidth(), FBitmap->GetHeight(),
              source->GetHandle(), r.Left, r.Top, gdi::SRCCOPY);
}

void TPlotBlend::DoBlend(int Transparency) {
  if (FCanvas->GetMetafiling() || !IValidSize || !FBitmap) return;
  TBitmap* destination = CanvasBuffer(FCanvas);
  TPoint point{FRect.Left, FRect.Top};
  std::unique_ptr<TBitmap> temporary;
  TCanvas* platform = FCanvas->GetReferenceCanvas();
  if (!destination) {
    if (!platform) return;
    temporary = std::make_unique<TBitmap>();
    temporary->SetPixelFormat(pf24bit);
    temporary->SetSize(FRect.Right - FRect.Left, FRect.Bottom - FRect.Top);
    gdi::BitBlt(temporary->GetCanvas()->GetHandle(), 0, 0, temporary->GetWidth(),
                temporary->GetHeight(), platform->GetHandle(), FRect.Left, FRect.Top,
                gdi::SRCCOPY);
    destination = temporary.get();
    point = TPoint{0, 0};
  }
  unsigned align = FCanvas->GetTextAlign();
  PlotBlendBitmaps(FBitmap.get(), destination, point, nullptr, 100 - Transparency);
  if (FCanvas->GetTextAlign() != align) {
    FCanvas->AssignFont(FCanvas->GetFont());
    FCanvas->SetTextAlign(align);
  }
  if (temporary) platform->Draw(FRect.Left, FRect.Top, temporary.get());
}
