// Gradients drawn through a chart canvas: the canvas's gradient takes a
// copy and the canvas fills the shape; radial and rotated fills are made
// here for the GDI canvas's gradient fill.

#include <cmath>

#include "chart/PlotCanvas3D.h"
#include "chart/PlotGradient.h"

void TCustomPlotGradient::Draw(TPlotCanvas* ACanvas, const TRect& Rect, int CornerSize) {
  if (ACanvas->GetGradient() != this) ACanvas->GetGradient()->Assign(this);
  if (CornerSize >= 1)
    ACanvas->RoundRect(Rect, CornerSize, CornerSize);
  else
    ACanvas->FillRect(Rect);
  if (FSub && FSub->GetVisible()) DrawSubGradient(ACanvas, Rect, CornerSize);
}

void TCustomPlotGradient::Draw(TPlotCanvas* ACanvas, const TFourPoints& P) {
  ACanvas->GetPen()->SetStyle(psClear);
  if (ACanvas->GetGradient() != this) ACanvas->GetGradient()->Assign(this);
  ACanvas->Polygon(std::span<const TPoint>(P, 4));
}

void TCustomPlotGradient::Draw(TCanvas3D* ACanvas, const TFourPoints& P, int Z) {
  TFourPoints q;
  for (int i = 0; i < 4; i++) q[i] = ACanvas->Calculate3DPosition(P[i], Z);
  Draw(static_cast<TPlotCanvas*>(ACanvas), q);
}

void TCustomPlotGradient::Draw(TCanvas3D* ACanvas, const TPointArray& P, int Z, bool Is3D) {
  if (ACanvas->GetGradient() != this) ACanvas->GetGradient()->Assign(this);
  if (Is3D)
    ACanvas->PolygonWithZ(P, Z);
  else
    ACanvas->Polygon(P);
}

void TCustomPlotGradient::DrawSubGradient(TPlotCanvas* ACanvas, const TRect& Rect,
                                          int CornerSize) {
  TSubGradient* sub = GetSub();
  TPlotBlend* blend = ACanvas->BeginBlending(Rect, sub->GetTransparency());
  struct End {
    TPlotCanvas* C;
    TPlotBlend* B;
    ~End() { C->EndBlending(B); }
  } end{ACanvas, blend};
  if (sub->GetDirection() == gdRadial)
    sub->DrawRadial(ACanvas, Rect);
  else
    sub->Draw(ACanvas, Rect, CornerSize);
}

void TCustomPlotGradient::DrawRadial(TPlotCanvas* ACanvas, const TRect& Rect) {
  TRect r = OrientRectangle(Rect);
  ACanvas->ClipRectangle(r);
  TPlotGradient* own = ACanvas->GetGradient();
  bool visible = own->GetVisible();
  own->FVisible = false;
  TPlotPen* pen = ACanvas->GetPen();
  TPlotBrush* brush = ACanvas->GetBrush();
  TPenStyle style = pen->GetStyle();
  TColor color = brush->GetColor();
  struct Restore {
    TPlotPen* P;
    TPenStyle S;
    TPlotBrush* B;
    TColor C;
    ~Restore() {
      P->SetStyle(S);
      B->SetColor(C);
    }
  } restore{pen, style, brush, color};
  pen->SetStyle(psClear);
  brush->SetColor(GetEndColor());
  ACanvas->FillRect(r);
  for (const TRadialStep& step : RadialSteps(*this, Rect)) {
    brush->SetColor(step.Color);
    ACanvas->Ellipse(step.Ellipse);
  }
  own->FVisible = visible;
  ACanvas->UnClipRectangle();
  if (FSub && FSub->GetVisible()) DrawSubGradient(ACanvas, Rect, 0);
}

void TCustomPlotGradient::DrawRotated(TPlotCanvas* ACanvas, const TRect& Rect) {
  int W = Rect.Right - Rect.Left, H = Rect.Bottom - Rect.Top;
  double a = (360 - FAngle) * PlotPiStep, s = std::sin(a), c = std::cos(a);
  int bw, bh;
  if (s * c > 0) {
    bw = std::abs(int(std::nearbyint(W * c + H * s))) + 2;
    bh = std::abs(int(std::nearbyint(W * s + H * c))) + 2;
  } else {
    bw = std::abs(int(std::nearbyint(W * c - H * s))) + 2;
    bh = std::abs(int(std::nearbyint(W * s - H * c))) + 2;
  }
  TBitmap bitmap;
  bitmap.SetSize(bw, bh);
  {
    TPlotCanvas3D temporary;
    temporary.SetUseBuffer(false);
    temporary.InitWindow(bitmap.GetCanvas(), nullptr, clWhite, false, TRect{0, 0, bw, bh});
    int angle = FAngle;
    FAngle = 0;
    struct Restore {
      int& A;
      int V;
      ~Restore() { A = V; }
    } restore{FAngle, angle};
    Draw(&temporary, TRect{0, 0, bw, bh}, 0);
  }
  if (PlotGradientRotate) PlotGradientRotate(this, &bitmap);
  ACanvas->ClipRectangle(Rect);
  ACanvas->GetReferenceCanvas()->Draw(Rect.Left - (bw - W) / 2, Rect.Top - (bh - H) / 2, &bitmap);
  ACanvas->UnClipRectangle();
}
