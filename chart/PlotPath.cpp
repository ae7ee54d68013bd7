#include "chart/PlotPath.h"

#include <cerrno>
#include <cmath>
#include <cstring>

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

void TPlotPath::ArcTo(float X, float Y, float Width, float Height, float StartAngle,
                      float SweepAngle) {
  TPlotCanvas* c = ICanvas;
  Record([=] {
    c->Arc(Rounded(X), Rounded(Y), Rounded(X + Width), Rounded(Y + Height), StartAngle,
           StartAngle + SweepAngle);
  });
}

void TPlotPath::Close() {
  TPlotCanvas* c = ICanvas;
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
  Record([=] { c->LineTo(Rounded(X), Rounded(Y)); });
}

void TPlotPath::MoveTo(float X, float Y) {
  TPlotCanvas* c = ICanvas;
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
