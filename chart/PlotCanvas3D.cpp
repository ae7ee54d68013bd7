#include "chart/PlotCanvas3D.h"

#include <cmath>

#include "chart/PlotBlend.h"
#include "chart/PlotClip.h"
#include "chart/PlotPicture.h"

gdi::COLORREF (*PlotSetDCBrushColor)(gdi::HDC DC, gdi::COLORREF Color) = gdi::SetDCBrushColor;
gdi::COLORREF (*PlotSetDCPenColor)(gdi::HDC DC, gdi::COLORREF Color) = gdi::SetDCPenColor;

std::vector<TPlotRenderClass> PlotRenderClasses = {
    {"TPlotCanvas3D", []() -> std::unique_ptr<TCanvas3D> {
       return std::make_unique<TPlotCanvas3D>();
     }}};

namespace {
int Rounded(double V) { return int(std::nearbyint(V)); }
}  // namespace

TPlotCanvas3D::TPlotCanvas3D() {
  FFontZoom = 100;
  IZoomText = true;
}

TPlotCanvas3D::~TPlotCanvas3D() { DeleteBitmap(); }

// ---------------- device state ----------------

gdi::HDC TPlotCanvas3D::GetHandle() { return FCanvas ? FCanvas->GetHandle() : nullptr; }

gdi::HDC TPlotCanvas3D::DrawHandle() {
  gdi::HDC dc = GetHandle();
  gdi::SelectObject(dc, FCanvas->GetPen()->GetHandle());
  gdi::SelectObject(dc, FCanvas->GetBrush()->GetHandle());
  return dc;
}

TColor TPlotCanvas3D::GetBackColor() { return TColor(gdi::GetBkColor(GetHandle())); }
void TPlotCanvas3D::SetBackColor(TColor Color) { gdi::SetBkColor(GetHandle(), ColorToRGB(Color)); }

TCanvasBackMode TPlotCanvas3D::GetBackMode() {
  return TCanvasBackMode(gdi::GetBkMode(GetHandle()));
}
void TPlotCanvas3D::SetBackMode(TCanvasBackMode Mode) { gdi::SetBkMode(GetHandle(), int(Mode)); }

unsigned TPlotCanvas3D::GetTextAlign() { return gdi::GetTextAlign(GetHandle()); }
void TPlotCanvas3D::SetTextAlign(unsigned Align) { gdi::SetTextAlign(GetHandle(), Align); }

TColor TPlotCanvas3D::GetPixel(int x, int y) { return FCanvas->GetPixels(x, y); }
void TPlotCanvas3D::SetPixel(int X, int Y, TColor Value) {
  gdi::SetPixel(GetHandle(), X, Y, ColorToRGB(Value));
}

void TPlotCanvas3D::SetFastLine(bool Value) { IFastLine = Value ? DrawHandle() : nullptr; }
void TPlotCanvas3D::FastLineTo(int X, int Y) { gdi::LineTo(IFastLine, X, Y); }

void TPlotCanvas3D::SetMonochrome(bool Value) {
  if (FMonochrome == Value) return;
  FMonochrome = Value;
  FDirty = true;
  if (F3DOptions) F3DOptions->Repaint();
}

void TPlotCanvas3D::SetUseBuffer(bool Value) {
  if (FBufferedDisplay == Value) return;
  FBufferedDisplay = Value;
  if (!FBitmap) return;
  if (Value) {
    SetCanvas(FBitmap->GetCanvas());
    return;
  }
  if (IKeepBitmap) return;
  DeleteBitmap();
  FCanvas = nullptr;
  FDirty = true;
}

bool TPlotCanvas3D::CheckFastBrush() {
  if (!PlotSetDCBrushColor) return false;
  gdi::SelectObject(GetHandle(), gdi::GetStockObject(gdi::DC_BRUSH));
  return true;
}

// ---------------- the buffer ----------------

void TPlotCanvas3D::SetBitmap(TBitmap* Value) { FBitmap = Value; }

void TPlotCanvas3D::DeleteBitmap() {
  delete FBitmap;
  FBitmap = nullptr;
}

void TPlotCanvas3D::TransferBitmap(int X, int Y, TCanvas* Canvas) {
  gdi::BitBlt(Canvas->GetHandle(), X, Y, FBitmap->GetWidth(), FBitmap->GetHeight(),
              FBitmap->GetCanvas()->GetHandle(), 0, 0, gdi::SRCCOPY);
}

TRect TPlotCanvas3D::InitWindow(TCanvas* DestCanvas, TView3DOptions* A3DOptions, TColor,
                                bool Is3D, const TRect& UserRect) {
  FBounds = UserRect;
  F3DOptions = A3DOptions;
  if (F3DOptions) {
    FFontZoom = F3DOptions->GetFontZoom();
    IZoomText = F3DOptions->GetZoomText() != ztNo;
  }
  FIs3D = Is3D;
  FIsOrthogonal = false;
  IZoomFactor = 1;
  if (Is3D) {
    if (F3DOptions) {
      FIsOrthogonal = F3DOptions->GetOrthogonal();
      if (FIsOrthogonal) {
        double a = F3DOptions->GetOrthoAngle();
        IOrthoX = 1;
        if (a > 90) {
          IOrthoX = -1;
          a = 180 - a;
        }
        double s = std::sin(a * PlotPiStep), c = std::cos(a * PlotPiStep);
        IOrthoY = c < 0.01 ? 1 : s / c;
      }
    }
    CalcTrigValues();
  }
  TRect result = UserRect;
  if (GetUseBuffer()) {
    int w = UserRect.Right - UserRect.Left, h = UserRect.Bottom - UserRect.Top;
    if (!FBitmap) FBitmap = new TBitmap();
    PlotSetBitmapSize(FBitmap, w, h);
    FBitmap->GetCanvas()->OnChange = nullptr;
    SetCanvas(FBitmap->GetCanvas());
    result = TRect{0, 0, w, h};
  } else {
    SetCanvas(DestCanvas);
  }
  SetBackMode(cbmOpaque);
  return result;
}

void TPlotCanvas3D::ShowImage(TCanvas* DestCanvas, TCanvas* DefaultCanvas,
                              const TRect& UserRect) {
  if (GetUseBuffer() && FBitmap) {
    TransferBitmap(UserRect.Left, UserRect.Top, DestCanvas);
    FDirty = false;
  }
  SetCanvas(DefaultCanvas);
}

bool TPlotCanvas3D::ReDrawBitmap() {
  if (FDirty) return false;
  TransferBitmap(0, 0, FCanvas);
  return true;
}

bool TPlotCanvas3D::RenderToBitmap(TBitmap*& ABitmap, const TRect& R) {
  if (FDirty || !GetUseBuffer() || !FBitmap) return false;
  if (!(R == TRect{0, 0, FBitmap->GetWidth(), FBitmap->GetHeight()})) return false;
  if (!ABitmap) ABitmap = new TBitmap();
  ABitmap->Assign(FBitmap);
  return true;
}

// ---------------- projection ----------------

void TPlotCanvas3D::CalcTrigValues() {
  if (FIsOrthogonal) return;
  double e = 0, r = 0, t = 0;
  if (F3DOptions) {
    e = -F3DOptions->GetElevationFloat();
    r = -F3DOptions->GetRotationFloat();
    t = F3DOptions->GetTilt();
  }
  IHasPerspec = false;
  IZoomPerspec = 0;
  s1 = std::sin(e * PlotPiStep);
  c1 = std::cos(e * PlotPiStep);
  s2 = std::sin(r * PlotPiStep);
  c2 = std::cos(r * PlotPiStep);
  IHasTilt = t != 0;
  s3 = std::sin(t * PlotPiStep);
  c3 = std::cos(t * PlotPiStep);
  c2s3 = c2 * s3;
  c2c3 = std::max(1e-5, c2 * c3);
  tempXX = std::max(1e-5, s1 * s2 * s3 + c1 * c3);
  tempYX = c3 * s1 * s2 - c1 * s3;
  tempXZ = c1 * s2 * s3 - c3 * s1;
  tempYZ = c1 * c3 * s2 + s1 * s3;
}

void TPlotCanvas3D::Projection(int MaxDepth, const TRect&, const TRect& Rect) {
  FXCenter = (Rect.Left + Rect.Right) / 2 + Rounded(RotationCenter.x);
  FYCenter = (Rect.Top + Rect.Bottom) / 2 + Rounded(RotationCenter.y);
  FZCenter = Rounded(MaxDepth * 0.5 + RotationCenter.z);
  XCenterOffset = FXCenter;
  YCenterOffset = FYCenter;
  if (!F3DOptions) return;
  XCenterOffset += F3DOptions->GetHorizOffset();
  YCenterOffset += F3DOptions->GetVertOffset();
  if (FIs3D) IZoomFactor = F3DOptions->GetZoomFloat() * 0.01;
  CalcPerspective(Rect);
}

void TPlotCanvas3D::CalcPerspective(const TRect& Rect) {
  IHasPerspec = F3DOptions->GetPerspective() > 0;
  if (!IHasPerspec) return;
  int w = Rect.Right - Rect.Left;
  IZoomPerspec = F3DOptions->GetPerspective() * IZoomFactor * 0.008333333333333333 /
                 (w > 0 ? w : 1);
}

void TPlotCanvas3D::Calc3DPos(int& x, int& y, int z) {
  if (FIsOrthogonal) {
    double dx = x - FXCenter, dy = y - FYCenter;
    if (z != 0) {
      dx += z * IOrthoX;
      dy -= z * IOrthoY;
    }
    x = Rounded(dx * IZoomFactor) + XCenterOffset;
    y = Rounded(dy * IZoomFactor) + YCenterOffset;
    return;
  }
  if (!FIs3D) return;
  int dx = x - FXCenter, dy = y - FYCenter, dz = z - FZCenter;
  double a = dz * c2 - dx * s2;
  double f = IHasPerspec ? IZoomFactor / ((a * c1 + dy * s1) * IZoomPerspec + 1) : IZoomFactor;
  if (IHasTilt) {
    double u = dx * c2 + dz * s2, v = dy * c1 - a * s1;
    x = Rounded((u * c3 - v * s3) * f) + XCenterOffset;
    y = Rounded((v * c3 + u * s3) * f) + YCenterOffset;
    return;
  }
  x = Rounded((dx * c2 + dz * s2) * f) + XCenterOffset;
  y = Rounded((dy * c1 - a * s1) * f) + YCenterOffset;
}

TPoint TPlotCanvas3D::Calculate3DPosition(int x, int y, int z) {
  Calc3DPos(x, y, z);
  return TPoint{x, y};
}

void TPlotCanvas3D::Calc3DPoint(TPoint& P, int x, int y, int z) {
  P = Calculate3DPosition(x, y, z);
}

void TPlotCanvas3D::Calculate3DPosition(TPointF& P, float zPos) {
  const float zoom = float(IZoomFactor);
  if (FIsOrthogonal) {
    P.x = (P.x - FXCenter + zPos * float(IOrthoX)) * zoom + XCenterOffset;
    P.y = (P.y - FYCenter - zPos * float(IOrthoY)) * zoom + YCenterOffset;
    return;
  }
  if (!FIs3D) {
    P.x = (P.x - FXCenter) * zoom + XCenterOffset;
    P.y = (P.y - FYCenter) * zoom + YCenterOffset;
    return;
  }
  float dx = P.x - FXCenter, dy = P.y - FYCenter, dz = zPos - FZCenter;
  float a = float(dz * c2 - dx * s2);
  float f = IHasPerspec ? float(IZoomFactor / ((a * c1 + dy * s1) * IZoomPerspec + 1)) : zoom;
  float u = float(dx * c2 + dz * s2), v = float(dy * c1 - a * s1);
  P.x = float((u * c3 - v * s3) * f + XCenterOffset);
  P.y = float((v * c3 + u * s3) * f + YCenterOffset);
}

void TPlotCanvas3D::Calc3DPoint(TPoint& P, double x, double y, double z) {
  if (FIsOrthogonal) {
    P.X = Rounded((x - FXCenter + z * IOrthoX) * IZoomFactor + XCenterOffset);
    P.Y = Rounded((y - FYCenter - z * IOrthoY) * IZoomFactor + YCenterOffset);
    return;
  }
  if (!FIs3D) {
    P.X = Rounded((x - FXCenter) * IZoomFactor + XCenterOffset);
    P.Y = Rounded((y - FYCenter) * IZoomFactor + YCenterOffset);
    return;
  }
  double dx = x - FXCenter, dy = y - FYCenter, dz = z - FZCenter;
  double a = dz * c2 - dx * s2;
  double f = IHasPerspec ? IZoomFactor / ((a * c1 + dy * s1) * IZoomPerspec + 1) : IZoomFactor;
  double u = dx * c2 + dz * s2, v = dy * c1 - a * s1;
  P.X = Rounded((u * c3 - v * s3) * f) + XCenterOffset;
  P.Y = Rounded((v * c3 + u * s3) * f) + YCenterOffset;
}

void TPlotCanvas3D::Calculate2DPosition(int& x, int& y, int z) {
  if (IZoomFactor == 0) return;
  double k = 1 / IZoomFactor;
  if (FIsOrthogonal) {
    x = Rounded((x - XCenterOffset) * k - z * IOrthoX) + FXCenter;
    y = Rounded((y - YCenterOffset) * k + z * IOrthoY) + FYCenter;
    return;
  }
  if (!FIs3D || tempXX == 0 || c2c3 == 0) return;
  int x0 = x, dz = z - FZCenter;
  x = Rounded(((x0 - XCenterOffset) * k - dz * tempXZ - (y - FYCenter) * c2s3) / tempXX) +
      FXCenter;
  y = Rounded(((y - YCenterOffset) * k - dz * tempYZ - (x0 - FXCenter) * tempYX) / c2c3) +
      FYCenter;
}

void TPlotCanvas3D::DisableRotation() {
  FWas3D = FIs3D;
  FIs3D = false;
}

void TPlotCanvas3D::EnableRotation() { FIs3D = FWas3D; }

// ---------------- clipping ----------------

void TPlotCanvas3D::ClipRectangle(const TRect& Rect) { ClipCanvas(FCanvas, Rect); }
void TPlotCanvas3D::UnClipRectangle() { UnClipCanvas(FCanvas); }

void TPlotCanvas3D::ClipCube(const TRect& Rect, int MinZ, int MaxZ) {
  if (FIs3D) {
    TPointArray hull = CubeHull(Rect, MinZ, MaxZ);
    ClipPolygon(hull, int(hull.size()), false);
    return;
  }
  ClipRectangle(TRect{Rect.Left + 1, Rect.Top + 1, Rect.Right, Rect.Bottom - 1});
}

// ---------------- lines ----------------

void TPlotCanvas3D::MoveTo(int X, int Y) { gdi::MoveToEx(GetHandle(), X, Y, nullptr); }
void TPlotCanvas3D::LineTo(int X, int Y) { gdi::LineTo(DrawHandle(), X, Y); }

namespace {

std::vector<gdi::POINT> DevicePoints(std::span<const TPoint> Points) {
  std::vector<gdi::POINT> p(Points.size());
  for (size_t i = 0; i < Points.size(); i++) p[i] = gdi::POINT{Points[i].X, Points[i].Y};
  return p;
}

std::vector<TPoint> RoundedPoints(std::span<const TPointF> Points) {
  std::vector<TPoint> p(Points.size());
  for (size_t i = 0; i < Points.size(); i++)
    p[i] = TPoint{Rounded(Points[i].x), Rounded(Points[i].y)};
  return p;
}

}  // namespace

void TPlotCanvas3D::Polyline(std::span<const TPoint> Points) {
  auto p = DevicePoints(Points);
  gdi::Polyline(DrawHandle(), p.data(), int(p.size()));
}

void TPlotCanvas3D::PolylineFloat(std::span<const TPointF> Points) {
  Polyline(RoundedPoints(Points));
}

void TPlotCanvas3D::PolygonFloat(std::span<const TPointF> Points) {
  Polygon(RoundedPoints(Points));
}

void TPlotCanvas3D::PolylineFloat(std::span<const TPoint3DSingle> Points) {
  TPointFloatArray p(Points.size());
  for (size_t i = 0; i < Points.size(); i++) {
    p[i] = TPointF{Points[i].x, Points[i].y};
    Calculate3DPosition(p[i], Points[i].z);
  }
  PolylineFloat(std::span<const TPointF>(p));
}

void TPlotCanvas3D::Arc(int Left, int Top, int Right, int Bottom, int StartX, int StartY,
                        int EndX, int EndY) {
  gdi::Arc(DrawHandle(), Left, Top, Right, Bottom, StartX, StartY, EndX, EndY);
}

// ---------------- shapes with picture and gradient fills ----------------

void TPlotCanvas3D::Rectangle(int X0, int Y0, int X1, int Y1) {
  TRect r{X0, Y0, X1, Y1};
  if (FBrush->HasGraphic()) {
    FCanvas->StretchDraw(r, FBrush->GetImage()->Filtered());
    FCanvas->GetBrush()->SetStyle(bsClear);
  } else if (IsGradientVisible()) {
    GradientFill(GetGradient(), r);
    FCanvas->GetBrush()->SetStyle(bsClear);
  }
  gdi::Rectangle(DrawHandle(), X0, Y0, X1, Y1);
}

void TPlotCanvas3D::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  TRect r{X1, Y1, X2, Y2};
  if (FBrush->HasGraphic()) {
    TPlotCanvas::ClipRectangle(r, X3, Y3);
    FCanvas->StretchDraw(r, FBrush->GetImage()->Filtered());
    UnClipRectangle();
    FCanvas->GetBrush()->SetStyle(bsClear);
  } else if (IsGradientVisible()) {
    TPlotCanvas::ClipRectangle(r, X3, Y3);
    GradientFill(GetGradient(), r);
    UnClipRectangle();
    FCanvas->GetBrush()->SetStyle(bsClear);
  }
  gdi::RoundRect(DrawHandle(), X1, Y1, X2, Y2, X3, Y3);
}

void TPlotCanvas3D::Ellipse(int X1, int Y1, int X2, int Y2) {
  if (FBrush->GetStyle() != FCanvas->GetBrush()->GetStyle()) DoChangedBrush(FBrush.get());
  TBrushStyle saved = FCanvas->GetBrush()->GetStyle();
  if (IsGradientVisible()) {
    TRect r{X1, Y1, X2 + 1, Y2 + 1};
    ClipEllipse(r, false);
    GradientFill(GetGradient(), r);
    UnClipRectangle();
    FCanvas->GetBrush()->SetStyle(bsClear);
  }
  gdi::Ellipse(DrawHandle(), X1, Y1, X2, Y2);
  FCanvas->GetBrush()->SetStyle(saved);
}

void TPlotCanvas3D::Polygon(std::span<const TPoint> Points) {
  if (Points.empty()) return;
  std::vector<TPoint> all(Points.begin(), Points.end());
  if (FBrush->HasGraphic()) {
    ClipPolygon(Points, int(Points.size()), false);
    FCanvas->StretchDraw(PolygonBounds(all), FBrush->GetImage()->Filtered());
    UnClipRectangle();
    FCanvas->GetBrush()->SetStyle(bsClear);
  }
  if (IsGradientVisible()) {
    ClipPolygon(Points, int(Points.size()), false);
    GradientFill(GetGradient(), PolygonBounds(all));
    UnClipRectangle();
    FCanvas->GetBrush()->SetStyle(bsClear);
  }
  auto p = DevicePoints(Points);
  gdi::Polygon(DrawHandle(), p.data(), int(p.size()));
}

void TPlotCanvas3D::FillRect(const TRect& Rect) {
  if (IsGradientVisible()) {
    GradientFill(GetGradient(), Rect);
    return;
  }
  gdi::RECT r{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
  gdi::FillRect(GetHandle(), &r, FBrush->GetHandle());
}

void TPlotCanvas3D::EraseBackground(const TRect& Rect) { FillRect(Rect); }

void TPlotCanvas3D::PolygonFour() { Polygon(IPoints); }

// ---------------- pies and donuts ----------------

void TPlotCanvas3D::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  if (X3 == X4 && Y3 == Y4) return;
  gdi::HDC dc = DrawHandle();
  if (IsGradientVisible()) {
    gdi::BeginPath(dc);
    gdi::Pie(dc, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    gdi::EndPath(dc);
    PushClipRegion(dc, gdi::PathToRegion(dc), gdi::RGN_AND);
    GradientFill(GetGradient(), TRect{X1, Y1, X2, Y2});
    UnClipRectangle();
    FCanvas->GetBrush()->SetStyle(bsClear);
  }
  gdi::Pie(DrawHandle(), X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TPlotCanvas3D::Pie(const TRect& R, double StartAngle, double EndAngle) {
  double d = EndAngle - StartAngle;
  if (std::abs(d - 360) < 0.05 && std::abs(d) > 180) {
    TPlotCanvas::Ellipse(R);
    return;
  }
  float cx = (R.Left + R.Right) * 0.5f, cy = (R.Top + R.Bottom) * 0.5f;
  int W = R.Right - R.Left, H = R.Bottom - R.Top;
  auto ray = [&](double a) {
    double r = a * PlotPiStep;
    return TPoint{Rounded(W * std::cos(r) + cx), Rounded(cy - H * std::sin(r))};
  };
  TPoint p1 = ray(StartAngle), p2 = ray(EndAngle);
  if (!(p1 == p2)) {
    Pie(R.Left, R.Top, R.Right, R.Bottom, p1.X, p1.Y, p2.X, p2.Y);
    return;
  }
  if (std::abs(d - 360) < 1 && std::abs(d) > 180)
    TPlotCanvas::Ellipse(R);
  else
    Pie(R.Left, R.Top, R.Right, R.Bottom, p1.X, p1.Y, p1.X, p1.Y);
  Line(Rounded(cx), Rounded(cy), R.Right, p1.Y);
}

void TPlotCanvas3D::Donut(int XCenter, int YCenter, int XRadius, int YRadius,
                          double StartAngle, double EndAngle, double HolePercent) {
  double hx = HolePercent * XRadius * 0.01, hy = HolePercent * YRadius * 0.01;
  auto rim = [&](double a) {
    double r = a * PlotPiStep;
    return TPoint{XCenter + Rounded(XRadius * std::cos(r)),
                  YCenter - Rounded(YRadius * std::sin(r))};
  };
  TPoint S = rim(StartAngle), E = rim(EndAngle);
  const TRect outer{XCenter - XRadius, YCenter - YRadius, XCenter + XRadius, YCenter + YRadius};
  const TRect hole{XCenter - Rounded(hx), YCenter - Rounded(hy), XCenter + Rounded(hx),
                   YCenter + Rounded(hy)};
  gdi::HDC dc = GetHandle();
  auto record = [&] {
    gdi::BeginPath(dc);
    MoveTo(S);
    if (S == E && std::abs(EndAngle - StartAngle) * PlotPiStep <= 2 * M_PI - 0.01) {
      LineTo(E);
    } else if (HolePercent == 0) {
      gdi::Pie(dc, outer.Left, outer.Top, outer.Right, outer.Bottom, S.X, S.Y, E.X, E.Y);
    } else {
      ArcTo(outer.Left, outer.Top, outer.Right, outer.Bottom, S.X, S.Y, E.X, E.Y, false);
      ArcTo(hole.Left, hole.Top, hole.Right, hole.Bottom, E.X, E.Y, S.X, S.Y, true);
      gdi::CloseFigure(dc);
    }
    gdi::EndPath(dc);
  };
  record();
  if (!IsGradientVisible()) {
    gdi::StrokeAndFillPath(DrawHandle());
    return;
  }
  PushClipRegion(dc, gdi::PathToRegion(dc), gdi::RGN_AND);
  GradientFill(GetGradient(), outer);
  UnClipRectangle();
  record();
  gdi::StrokePath(DrawHandle());
}

// ---------------- pictures ----------------

std::unique_ptr<TBitmap> TPlotCanvas3D::TranspBitmap(TGraphic* Graphic, const TRect& R) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(R.Right - R.Left, R.Bottom - R.Top);
  if (FBitmap)
    gdi::BitBlt(bitmap->GetCanvas()->GetHandle(), 0, 0, bitmap->GetWidth(), bitmap->GetHeight(),
                FBitmap->GetCanvas()->GetHandle(), R.Left, R.Top, gdi::SRCCOPY);
  bitmap->GetCanvas()->StretchDraw(TRect{0, 0, bitmap->GetWidth(), bitmap->GetHeight()},
                                   Graphic);
  return bitmap;
}

std::unique_ptr<TBitmap> TPlotCanvas3D::TranspBitmap(TGraphic* Graphic, int X, int Y) {
  return TranspBitmap(Graphic,
                      TRect{X, Y, X + Graphic->GetWidth(), Y + Graphic->GetHeight()});
}

void TPlotCanvas3D::Draw(int X, int Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->GetEmpty()) return;
  if (Graphic->GetTransparent()) {
    auto composed = TranspBitmap(Graphic, X, Y);
    FCanvas->Draw(X, Y, composed.get());
    return;
  }
  FCanvas->Draw(X, Y, Graphic);
}

void TPlotCanvas3D::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
  if (!Graphic) return;
  if (FStretchQuality == sqLow) {
    if (Graphic->GetTransparent()) {
      auto composed = TranspBitmap(Graphic, Rect);
      FCanvas->StretchDraw(Rect, composed.get());
    } else {
      FCanvas->StretchDraw(Rect, Graphic);
    }
    return;
  }
  auto* bitmap = dynamic_cast<TBitmap*>(Graphic);
  if (Graphic->GetTransparent() && !bitmap) {
    auto composed = TranspBitmap(Graphic, Rect);
    FCanvas->Draw(Rect.Left, Rect.Top, composed.get());
    return;
  }
  std::unique_ptr<TBitmap> copy;
  if (!bitmap) {
    copy = std::make_unique<TBitmap>();
    copy->Assign(Graphic);
    bitmap = copy.get();
  }
  TBitmap stretched;
  stretched.SetSize(std::abs(Rect.Right - Rect.Left), std::abs(Rect.Bottom - Rect.Top));
  if (stretched.GetEmpty() || bitmap->GetEmpty()) return;
  SmoothStretch(bitmap, &stretched);
  FCanvas->Draw(Rect.Left, Rect.Top, &stretched);
}

// ---------------- shadows ----------------

void TPlotCanvas3D::SmoothShadow(TPlotShadow* Shadow, const TRect& Rect, bool IsEllipse,
                                 int CornerSize, std::span<const TPoint> Points, int Percent,
                                 double StartAngle, double EndAngle) {
  if (Shadow->GetSmooth() && !FMetafiling && FBitmap) {
    Shadow->InternalDrawSmooth(this, Rect, IsEllipse, CornerSize, Points, Percent, StartAngle,
                               EndAngle);
    return;
  }
  TCanvas3D::SmoothShadow(Shadow, Rect, IsEllipse, CornerSize, Points, Percent, StartAngle,
                          EndAngle);
}

// ---------------- the neutral canvas ----------------

TPlotBlend* TPlotNeutralCanvas::BeginBlending(const TRect&, TPlotTransparency Transparency) {
  ITranspStack.push_back(ITransp);
  ITransp = float((100 - Transparency) * ITransp * 0.01);
  return nullptr;
}

void TPlotNeutralCanvas::EndBlending(TPlotBlend*) {
  if (ITranspStack.empty()) return;
  ITransp = ITranspStack.back();
  ITranspStack.pop_back();
}

void TPlotNeutralCanvas::Polyline(std::span<const TPoint> Points) {
  if (Points.empty()) return;
  MoveTo(Points[0].X, Points[0].Y);
  for (size_t i = 1; i < Points.size(); i++) LineTo(Points[i].X, Points[i].Y);
}
