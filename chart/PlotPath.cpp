#include "chart/PlotPath.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <numbers>

#include "chart/PlotPicture.h"
#include "platform/rtl/SysUtils.h"

namespace {
int Rounded(float V) { return int(std::nearbyint(V)); }
}  // namespace

TPlotPath::TPlotPath(TPlotCanvas* ACanvas) : ICanvas(ACanvas) {
  if (gdi::BeginPath(ICanvas->GetHandle())) return;
  int code = errno;
  throw Exception("Cannot create GDI path. Error: " + std::to_string(code) + " " +
                  std::strerror(code));
}

void TPlotPath::Record(std::function<void()> Op) {
  Op();
  FOps.push_back(std::move(Op));
}

// Angles run clockwise from three o'clock as seen on the screen (y pointing
// down). Within a figure the arc joins it with a line from the current
// point, so corner arcs and straight sides make one outline that fills as a
// whole; an arc that opens a figure starts at its own start point.
void TPlotPath::ArcTo(float X, float Y, float Width, float Height, float StartAngle,
                      float SweepAngle) {
  TPlotCanvas* c = ICanvas;
  const bool opens = !FOpen;
  FOpen = true;
  Record([=] {
    const double rx = Width / 2.0, ry = Height / 2.0, cx = X + rx, cy = Y + ry;
    const double a0 = StartAngle * std::numbers::pi / 180;
    const double a1 = (StartAngle + SweepAngle) * std::numbers::pi / 180;
    gdi::HDC dc = c->GetHandle();
    if (opens)
      gdi::MoveToEx(dc, Rounded(float(cx + rx * std::cos(a0))),
                    Rounded(float(cy + ry * std::sin(a0))), nullptr);
    int saved = gdi::SetArcDirection(dc, SweepAngle >= 0 ? gdi::AD_CLOCKWISE
                                                         : gdi::AD_COUNTERCLOCKWISE);
    gdi::ArcTo(dc, Rounded(X), Rounded(Y), Rounded(X + Width), Rounded(Y + Height),
               Rounded(float(cx + rx * std::cos(a0))), Rounded(float(cy + ry * std::sin(a0))),
               Rounded(float(cx + rx * std::cos(a1))), Rounded(float(cy + ry * std::sin(a1))));
    gdi::SetArcDirection(dc, saved);
  });
}

void TPlotPath::Close() {
  TPlotCanvas* c = ICanvas;
  FOpen = false;
  Record([c] { gdi::CloseFigure(c->GetHandle()); });
}

void TPlotPath::Curve(std::span<const TPoint> Points, float, bool Closed) {
  if (Points.empty()) return;
  TPlotCanvas* c = ICanvas;
  std::vector<TPoint> p(Points.begin(), Points.end());
  if (Closed) {
    Record([c, p] {
      c->Polygon(p);
      c->MoveTo(p.back().X, p.back().Y);
    });
    return;
  }
  Record([c, p] {
    for (const TPoint& q : p) c->LineTo(q.X, q.Y);
  });
}

void TPlotPath::GetPoints(TPathPointTypes& Types, TPointFloatArray& Points, TRectF& Bounds) {
  Types.clear();
  Points.clear();
  Bounds = TRectF{};
}

void TPlotPath::LineTo(float X, float Y) {
  TPlotCanvas* c = ICanvas;
  FOpen = true;
  Record([=] { c->LineTo(Rounded(X), Rounded(Y)); });
}

// A move inside an open figure keeps the figure whole: the outline goes on
// from the point moved to, joined by a line, as figure builders expect.
void TPlotPath::MoveTo(float X, float Y) {
  TPlotCanvas* c = ICanvas;
  const bool joins = FOpen;
  FOpen = true;
  if (joins)
    Record([=] { c->LineTo(Rounded(X), Rounded(Y)); });
  else
    Record([=] { c->MoveTo(Rounded(X), Rounded(Y)); });
}

void TPlotPath::TextOut(float X, float Y, const std::string& Text) {
  TPlotCanvas* c = ICanvas;
  Record([=] { c->TextOut(Rounded(X), Rounded(Y), Text); });
}

void TPlotPath::Draw(TPlotCanvas* ACanvas) {
  gdi::HDC dc = ACanvas->GetHandle();
  gdi::EndPath(dc);
  TPlotBrush* brush = ACanvas->GetBrush();
  bool picture = brush->HasGraphic();
  bool gradient = !picture && ACanvas->IsGradientVisible();
  TPlotPen* pen = ACanvas->GetPen();
  bool stroke = pen->GetVisible() && pen->GetStyle() != psClear;
  bool fill = brush->GetStyle() != bsClear && !picture && !gradient;
  if (picture || gradient) {
    int saved = gdi::SaveDC(dc);
    gdi::SelectClipPath(dc, gdi::RGN_AND);
    gdi::RECT box{};
    gdi::GetClipBox(dc, &box);
    TRect r{box.left, box.top, box.right, box.bottom};
    if (picture)
      ACanvas->GetReferenceCanvas()->StretchDraw(r, brush->GetImage()->Filtered());
    else
      ACanvas->GetGradient()->Draw(ACanvas, r);
    gdi::RestoreDC(dc, saved);
    if (!stroke) return;
    gdi::BeginPath(dc);
    for (auto& op : FOps) op();
    gdi::EndPath(dc);
  }
  if (TCanvas* platform = ACanvas->GetReferenceCanvas()) {
    gdi::SelectObject(dc, platform->GetPen()->GetHandle());
    gdi::SelectObject(dc, platform->GetBrush()->GetHandle());
  }
  if (stroke && fill)
    gdi::StrokeAndFillPath(dc);
  else if (stroke)
    gdi::StrokePath(dc);
  else if (fill)
    gdi::FillPath(dc);
  else
    gdi::AbortPath(dc);
}
