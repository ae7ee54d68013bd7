// Drawing shadows through the 3D chart canvas: rectangles, polygons and
// ellipses, flat or blurred, inside a blend when they are transparent.

#include <cmath>

#include "chart/Canvas3D.h"
#include "chart/PlotBlend.h"
#include "chart/PlotCanvas3D.h"
#include "chart/PlotShadow.h"

bool TPlotShadow::PrepareCanvas(TCanvas3D* ACanvas, const TRect& R, int Angle) {
  if (FColor == clNone || (FHorizSize == 0 && FVertSize == 0)) return false;
  ITransp = FTransparency;
  if (ITransp == 0) ITransp = ACanvas->Transparency;
  IBlend = nullptr;
  if (ITransp == 0) return true;
  if (ACanvas->GetSupportsAlpha()) {
    IBlend = ACanvas->BeginBlending(PlotZeroRect, FTransparency);
    return true;
  }
  TRect area;
  if (FSmooth) {
    int h = 2 * std::abs(FHorizSize), v = 2 * std::abs(FVertSize);
    area = TRect{R.Left - h, R.Top - v, R.Right + h, R.Bottom + v};
  } else {
    area = OffsetRectangle(R);
  }
  if (Angle != 0) {
    TFourPoints p;
    RectToFourPoints(area, Angle, p);
    area = PolygonBounds(std::vector<TPoint>(p, p + 4));
  }
  IBlend = ACanvas->BeginBlending(area, FTransparency);
  return true;
}

void TPlotShadow::FinishBlending(TPlotCanvas* ACanvas) {
  if (ITransp != 0) ACanvas->EndBlending(IBlend);
  IBlend = nullptr;
}

void TPlotShadow::Draw(TCanvas3D* ACanvas, const TRect& Rect, int CornerSize, int Angle) {
  TPlotPen* pen = ACanvas->GetPen();
  TPenStyle style = pen->GetStyle();
  TColor color = pen->GetColor();
  struct Restore {
    TPlotPen* P;
    TPenStyle S;
    TColor C;
    ~Restore() {
      P->SetStyle(S);
      P->SetColor(C);
    }
  } restore{pen, style, color};
  if (!PrepareCanvas(ACanvas, Rect, Angle)) return;
  TRect r = OffsetRectangle(Rect);
  if (Angle == 0) {
    ACanvas->SmoothShadow(this, r, false, CornerSize, {}, 0, 0, 360);
  } else {
    TFourPoints p;
    RectToFourPoints(r, Angle, p);
    TRect bounds = PolygonBounds(std::vector<TPoint>(p, p + 4));
    ACanvas->SmoothShadow(this, bounds, false, CornerSize, p, 0, 0, 360);
  }
  FinishBlending(ACanvas);
}

void TPlotShadow::Draw(TCanvas3D* ACanvas, std::span<const TPoint> Points, int Count) {
  size_t n = Count < 0 ? Points.size() : std::min(Points.size(), size_t(Count));
  std::vector<TPoint> moved(Points.begin(), Points.begin() + n);
  for (TPoint& p : moved) p = TPoint{p.X + FHorizSize, p.Y + FVertSize};
  TRect r = ACanvas->GetSupportsAlpha() ? PlotZeroRect : PolygonBounds(moved);
  if (!PrepareCanvas(ACanvas, r, 0)) return;
  ACanvas->SmoothShadow(this, r, false, 0, moved, 0, 0, 360);
  FinishBlending(ACanvas);
}

void TPlotShadow::DrawEllipse(TCanvas3D* ACanvas, const TRect& Rect, int Percent,
                              double StartAngle, double EndAngle) {
  if (!PrepareCanvas(ACanvas, Rect, 0)) return;
  ACanvas->SmoothShadow(this, OffsetRectangle(Rect), true, 0, {}, Percent, StartAngle,
                        EndAngle);
  FinishBlending(ACanvas);
}

void TPlotShadow::InternalDrawSmooth(TCanvas3D* ACanvas, const TRect& Rect, bool IsEllipse,
                                     int CornerSize, std::span<const TPoint> Points,
                                     int Percent, double, double) {
  auto* canvas = dynamic_cast<TPlotCanvas3D*>(ACanvas);
  if (!canvas || !canvas->GetBitmap()) return;
  const int B = BlurSize;
  std::vector<TPoint> moved(Points.begin(), Points.end());
  int width, height;
  if (!moved.empty()) {
    TRect b = PolygonBounds(moved);
    for (TPoint& p : moved) p = TPoint{p.X - b.Left + 1, p.Y - b.Top + 1};
    b = PolygonBounds(moved);
    width = std::max(1, b.Right - b.Left + B);
    height = std::max(1, b.Bottom - b.Top + B);
  } else {
    width = std::max(1, Rect.Right - Rect.Left);
    height = std::max(1, Rect.Bottom - Rect.Top);
  }
  TBitmap mask;
  mask.SetSize(width, height);
  TCanvas* c = mask.GetCanvas();
  TRect inner{B / 2, B / 2, width - B / 2, height - B / 2};
  c->GetBrush()->SetColor(FColor);
  c->GetPen()->SetStyle(psClear);
  if (!moved.empty()) {
    c->Polygon(moved);
  } else if (IsEllipse) {
    c->Ellipse(inner);
    if (Percent != 0) {
      c->GetBrush()->SetColor(clWhite);
      int dx = int(std::nearbyint((100 - Percent) * (Rect.Right - Rect.Left) * 0.005));
      int dy = int(std::nearbyint((100 - Percent) * (Rect.Bottom - Rect.Top) * 0.005));
      c->Ellipse(inner.Left + dx, inner.Top + dy, inner.Right - dx, inner.Bottom - dy);
    }
  } else if (CornerSize != 0) {
    c->RoundRect(inner.Left, inner.Top, inner.Right, inner.Bottom, CornerSize, CornerSize);
  } else {
    c->FillRect(inner);
  }
  PlotShadowSmooth(&mask, canvas->GetBitmap(), Rect.Left, Rect.Top, width, height, B,
                   float(FSmoothBlur), canvas->GetReferenceCanvas(), FClip);
}
