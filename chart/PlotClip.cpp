// Clip regions of the chart canvases: each clip operation builds a device
// region and pushes it over the current clip, saving that clip in the
// shared history so that the matching unclip can bring it back.

#include "chart/PlotClip.h"

#include "chart/Canvas3D.h"

std::vector<gdi::HRGN> ClipRegionHistory;

void ClearClipRegionHistory() {
  for (gdi::HRGN region : ClipRegionHistory) gdi::DeleteObject(region);
  ClipRegionHistory.clear();
}

void PushClipRegion(gdi::HDC DC, gdi::HRGN Region, int Mode) {
  if (!Region) return;
  gdi::HRGN saved = gdi::CreateRectRgn(0, 0, 0, 0);
  if (gdi::GetClipRgn(DC, saved) == 1)
    ClipRegionHistory.push_back(saved);
  else
    gdi::DeleteObject(saved);
  gdi::ExtSelectClipRgn(DC, Region, Mode);
  gdi::DeleteObject(Region);
}

namespace {

gdi::RECT DeviceRect(gdi::HDC DC, const TRect& Rect) {
  gdi::POINT p[2] = {{Rect.Left, Rect.Top}, {Rect.Right, Rect.Bottom}};
  gdi::LPtoDP(DC, p, 2);
  return gdi::RECT{p[0].x, p[0].y, p[1].x, p[1].y};
}

}  // namespace

void ClipCanvas(TCanvas* ACanvas, const TRect& Rect) {
  gdi::HDC dc = ACanvas->GetHandle();
  gdi::RECT r = DeviceRect(dc, Rect);
  PushClipRegion(dc, gdi::CreateRectRgn(r.left, r.top, r.right, r.bottom), gdi::RGN_AND);
}

void UnClipCanvas(TCanvas* ACanvas) {
  gdi::HDC dc = ACanvas->GetHandle();
  if (ClipRegionHistory.empty()) {
    gdi::SelectClipRgn(dc, nullptr);
    return;
  }
  gdi::HRGN region = ClipRegionHistory.back();
  ClipRegionHistory.pop_back();
  gdi::SelectClipRgn(dc, region);
  gdi::DeleteObject(region);
}

void ClipEllipse(TPlotCanvas* ACanvas, const TRect& Rect) { ACanvas->ClipEllipse(Rect, false); }

void ClipRoundRectangle(TPlotCanvas* ACanvas, const TRect& Rect, int RoundSize) {
  ACanvas->ClipRectangle(Rect, RoundSize, RoundSize);
}

void ClipPolygon(TPlotCanvas* ACanvas, std::span<const TPoint> Points, int NumPoints) {
  ACanvas->ClipPolygon(Points, NumPoints, false);
}

// ---------------- the canvas's own clip operations ----------------

void TPlotCanvas::ClipRectangle(const TRect& Rect, int RoundX, int RoundY) {
  gdi::HDC dc = GetHandle();
  gdi::RECT r = DeviceRect(dc, Rect);
  PushClipRegion(dc, gdi::CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, RoundX, RoundY),
                 gdi::RGN_AND);
}

void TPlotCanvas::ClipEllipse(const TRect& Rect, bool Inverted) {
  gdi::HDC dc = GetHandle();
  if (Inverted) {
    PushClipRegion(dc, gdi::CreateEllipticRgn(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom),
                   gdi::RGN_XOR);
    return;
  }
  gdi::RECT r = DeviceRect(dc, Rect);
  PushClipRegion(dc, gdi::CreateEllipticRgn(r.left, r.top, r.right, r.bottom), gdi::RGN_AND);
}

void TPlotCanvas::ClipPolygon(std::span<const TPoint> Points, int NumPoints, bool DiffRegion) {
  NumPoints = std::min<int>(NumPoints, int(Points.size()));
  if (NumPoints <= 0) return;
  gdi::HDC dc = GetHandle();
  std::vector<gdi::POINT> p(NumPoints);
  for (int i = 0; i < NumPoints; i++) p[i] = gdi::POINT{Points[i].X, Points[i].Y};
  if (gdi::GetMapMode(dc) != gdi::MM_TEXT) gdi::LPtoDP(dc, p.data(), NumPoints);
  PushClipRegion(dc, gdi::CreatePolygonRgn(p.data(), NumPoints, gdi::ALTERNATE),
                 DiffRegion ? gdi::RGN_DIFF : gdi::RGN_AND);
}

void TPlotCanvas::ArcTo(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4,
                        bool ClockWise) {
  gdi::HDC dc = GetHandle();
  if (ClockWise) gdi::SetArcDirection(dc, gdi::AD_CLOCKWISE);
  gdi::ArcTo(dc, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
  if (ClockWise) gdi::SetArcDirection(dc, gdi::AD_COUNTERCLOCKWISE);
}
