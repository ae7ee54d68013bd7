// The outline of a callout: the shape's rectangle, corners of size S, with
// a pointer on one side, built clockwise from the top-left corner.

#include <cmath>

#include "chart/PlotShape.h"

namespace {

// Rounds to nearest, halves to even.
int Round(double Value) { return int(std::nearbyint(Value)); }

}  // namespace

TPlotBasePath* TShapeCallout::GetPath(TPlotCanvas* ACanvas, const TRect& R, int S) {
  TPlotBasePath* p = ACanvas->CreatePath();
  const float l = float(R.Left), t = float(R.Top), r = float(R.Right), b = float(R.Bottom);
  const float s = float(S);
  if (S == 0)
    p->MoveTo(l, t);
  else
    p->ArcTo(l, t, s, s, 180, 90);

  if (FSide == csTop)
    HorizPointer(p, R, S, true);
  else if (S == 0)
    p->LineTo(r, t);
  else
    p->ArcTo(r - s, t, s, s, 270, 90);

  if (FSide == csRight)
    VertPointer(p, R, S, true);
  else if (S == 0)
    p->LineTo(r, b);
  else
    p->ArcTo(r - s, b - s, s, s, 0, 90);

  if (FSide == csBottom)
    HorizPointer(p, R, S, false);
  else if (S == 0)
    p->LineTo(l, b);
  else
    p->ArcTo(l, b - s, s, s, 90, 90);

  if (FSide == csLeft)
    VertPointer(p, R, S, false);
  else
    p->Close();
  return p;
}

// The pointer on the top (going right) or on the bottom (going left).
void TShapeCallout::HorizPointer(TPlotBasePath* P, const TRect& R, int S, bool Top) {
  const int w = R.Right - R.Left, h = R.Bottom - R.Top;
  const int y = Top ? R.Top : R.Bottom;
  const int g = Top ? -1 : 1;
  const float s = float(S);
  if (S > 0) P->MoveTo(float(Top ? R.Left + S : R.Right - S), float(y));
  int a = Top ? R.Right - Round(FPosition * w * 0.01) : R.Left + Round(FPosition * w * 0.01);
  const int half = Round(FWidth * w * 0.005);
  if (a - half < R.Left + S) a = R.Left + S + half;
  if (a + half > R.Right) a = R.Right - half;
  const int tip = y + g * Round(h * FSize * 0.01);
  P->LineTo(float(Top ? a - half : a + half), float(y));
  P->LineTo(float(a), float(tip));
  P->LineTo(float(Top ? a + half : a - half), float(y));
  if (Top) {
    P->LineTo(float(R.Right - S), float(y));
    if (S > 0) P->ArcTo(float(R.Right) - s, float(R.Top), s, s, 270, 90);
  } else {
    P->LineTo(float(R.Left + S), float(y));
    if (S > 0) P->ArcTo(float(R.Left), float(R.Bottom) - s, s, s, 90, 90);
  }
}

// The pointer on the right (going down) or on the left (going up).
void TShapeCallout::VertPointer(TPlotBasePath* P, const TRect& R, int S, bool Right) {
  const int w = R.Right - R.Left, h = R.Bottom - R.Top;
  const int x = Right ? R.Right : R.Left;
  const int g = Right ? 1 : -1;
  const float s = float(S);
  if (S > 0) P->MoveTo(float(x), float(Right ? R.Top + S : R.Bottom - S));
  int a = Right ? R.Bottom - Round(FPosition * h * 0.01) : R.Top + Round(FPosition * h * 0.01);
  const int half = Round(FWidth * h * 0.005);
  if (a - half < R.Top) a = R.Top + half;
  if (a + half > R.Bottom) a = R.Bottom - half;
  const int tip = x + g * Round(w * FSize * 0.01);
  P->LineTo(float(x), float(Right ? a - half : a + half));
  P->LineTo(float(tip), float(a));
  P->LineTo(float(x), float(Right ? a + half : a - half));
  if (Right) {
    P->LineTo(float(x), float(R.Bottom - S));
    if (S > 0) P->ArcTo(float(R.Right) - s, float(R.Bottom) - s, s, s, 0, 90);
  } else {
    P->LineTo(float(x), float(R.Top + S));
    if (S > 0) P->ArcTo(float(R.Left), float(R.Top), s, s, 180, 90);
  }
}
