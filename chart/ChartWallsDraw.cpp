// The chart's walls: their room in the chart rectangle, their thickness as
// the axes see it, and their drawing behind and in front of the series.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/Chart.h"
#include "chart/PlotBlend.h"
#include "chart/PlotGeometry.h"

namespace {

// The bounding rectangle of projected points.
TRect BoundsOf(std::initializer_list<TPoint> Points) {
  const TPoint first = *Points.begin();
  TRect r{first.X, first.Y, first.X, first.Y};
  for (const TPoint& p : Points) {
    r.Left = std::min(r.Left, p.X);
    r.Top = std::min(r.Top, p.Y);
    r.Right = std::max(r.Right, p.X);
    r.Bottom = std::max(r.Bottom, p.Y);
  }
  return r;
}

}  // namespace

void TCustomChart::CalcWallsRect() {
  CalcSize3DWalls();
  TView3DOptions* view = GetView3DOptions();
  if (!FCustomChartRect && GetView3D() && view->GetOrthogonal()) {
    TChartWalls* w = FWalls.get();
    const int s = ActiveSeriesUseAxis() ? w->GetBack()->GetSize() : 0;
    if (view->GetOrthoAngle() > 90) {
      ChartRect.Left += std::abs(Width3D) + s;
      if (w->GetLeft()->GetVisible()) ChartRect.Left += w->GetLeft()->GetSize() + 1;
    } else {
      ChartRect.Right -= std::abs(Width3D) + s;
      if (w->HasRight() && w->GetRight()->GetVisible())
        ChartRect.Right -= w->GetRight()->GetSize() + 1;
    }
    ChartRect.Top += std::abs(Height3D) + s;
  }
  ReCalcWidthHeight();
}

int TCustomChart::CalcWallSize(TChartAxis* Axis) {
  if (!GetView3D() || !GetView3DWalls()) return 0;
  TCustomChartWall* wall = nullptr;
  if (Axis == GetLeftAxis())
    wall = FWalls->GetLeft();
  else if (Axis == GetBottomAxis())
    wall = FWalls->GetBottom();
  else if (Axis == GetRightAxis())
    wall = FWalls->HasRight() ? FWalls->GetRight() : nullptr;
  else
    wall = FWalls->GetBack();
  return wall && wall->GetVisible() ? wall->GetSize() : 0;
}

TColor TCustomChart::GetBackColor() {
  TChartBackWall* back = FWalls ? FWalls->GetBack() : nullptr;
  if (!back || !GetView3DWalls() || !back->GetVisible() || back->GetTransparent())
    return TCustomAxisPanel::GetBackColor();
  if (back->GetBrush()->HasGradient()) return back->GetGradient()->GetStartColor();
  return back->GetColor();
}

void TCustomChart::PrepareWallCanvas(TCustomChartWall* Wall) {
  TCanvas3D* c = GetCanvas();
  c->AssignVisiblePenColor(Wall->GetPen(), Wall->GetPen()->GetColor());
  if (Wall->GetTransparent())
    c->GetBrush()->SetStyle(bsClear);
  else
    SetBrushCanvas(Wall->GetColor(), Wall->GetBrush(), Wall->GetBrush()->GetColor());
}

bool TCustomChart::DrawWallFirst(int X) {
  TCanvas3D* c = GetCanvas();
  if (c->GetSupportsFullRotation()) return true;
  const int y = ChartRect.Bottom + CalcWallSize(GetBottomAxis());
  const TPoint p0 = c->Calculate3DPosition(X, ChartRect.Top, 0);
  const TPoint p1 = c->Calculate3DPosition(X, y, 0);
  const TPoint p2 = c->Calculate3DPosition(X, y, FWalls->GetBack()->GetSize() + Width3D);
  return PlotCull(p0, p1, p2);
}

void TCustomChart::DrawWalls() {
  if (!ActiveSeriesUseAxis()) return;
  TCanvas3D* c = GetCanvas();
  const bool full = c->GetSupportsFullRotation();
  const bool walls3D = GetView3D() && GetView3DWalls();
  c->BeginEntity("Walls", nullptr, nullptr);
  if (walls3D && FWalls->HasRight() && FWalls->GetRight()->GetVisible() &&
      (full || !DrawRightWallAfter()))
    DrawRightWall();
  if (GetView3DWalls() && FWalls->GetBack()->GetVisible() &&
      (full || !GetView3D() || !DrawBackWallAfter(Width3D)))
    DrawBackWall();
  if (walls3D) {
    if (FWalls->GetLeft()->GetVisible() && (full || !DrawLeftWallFirst())) DrawLeftWall();
    if (FWalls->GetBottom()->GetVisible()) DrawFloor();
    if (!full && DrawBackWallAfter(0)) {
      if (GetTopAxis()->IsVisible) GetTopAxis()->Draw(true);
      if (GetBottomAxis()->IsVisible) GetBottomAxis()->Draw(true);
    }
  }
  c->EndEntity();
}

void TCustomChart::DrawAxisHidingGrid(TChartAxis* Axis, bool BackGrid) {
  if (!Axis->IsVisible) return;
  bool& flag = BackGrid ? Axis->IHideBackGrid : Axis->IHideSideGrid;
  flag = true;
  try {
    Axis->Draw(false);
  } catch (...) {
    flag = false;
    throw;
  }
  flag = false;
}

void TCustomChart::DrawWallsAfterSeries() {
  if (GetCanvas()->GetSupportsFullRotation() || !ActiveSeriesUseAxis() || !GetView3D()) return;
  if (DrawRightWallAfter()) {
    if (FWalls->HasRight() && FWalls->GetRight()->ShouldDraw()) DrawRightWall();
    DrawAxisHidingGrid(GetRightAxis(), true);
  }
  if (DrawLeftWallFirst()) {
    if (FWalls->GetLeft()->ShouldDraw()) DrawLeftWall();
    DrawAxisHidingGrid(GetLeftAxis(), true);
  }
  if (DrawBackWallAfter(Width3D)) {
    for (TChartAxis* a : {GetTopAxis(), GetBottomAxis()}) {
      if (!a->IsVisible) continue;
      a->IHideSideGrid = true;
      a->DrawGrids(int(a->Tick.size()));
      a->IHideSideGrid = false;
    }
    if (FWalls->GetBack()->ShouldDraw()) DrawBackWall();
  }
}

void TCustomChart::DrawBackWall() {
  TChartBackWall* w = FWalls->GetBack();
  TCanvas3D* c = GetCanvas();
  const bool full = c->GetSupportsFullRotation();
  c->BeginEntity("Back", nullptr, nullptr);
  PrepareWallCanvas(w);
  int p0 = 0, p1 = 0;
  w->CalcPositions(p0, p1);
  TRect r{ChartRect.Left, p0, ChartRect.Right, p1};
  const bool rounded = w->GetShapeStyle() == fosRoundRectangle;
  TPlotBlend* blend = nullptr;
  auto startBlending = [&](const TRect& Area) {
    if (w->GetTransparency() <= 0) return;
    blend = c->BeginBlending(c->GetSupportsAlpha() ? TRect{} : Area, w->GetTransparency());
  };
  auto drawEffects = [&](const TRect& Area) {
    if (w->GetShadow()->ShouldDraw()) w->GetShadow()->Draw(c, Area);
    if (w->HasEmboss() && w->GetEmboss()->ShouldDraw()) w->GetEmboss()->Draw(c, Area);
  };
  if (!GetView3D()) {
    ++r.Right;
    if (w->GetEndPosition() == 100) ++r.Bottom;
    startBlending(c->CalcRect3D(r, Width3D));
    drawEffects(r);
    if (full)
      c->RectangleWithZ(r, 1);
    else if (rounded)
      c->RoundRect(r, w->GetRoundSize(), w->GetRoundSize());
    else
      c->Rectangle(r.Left, r.Top, r.Right, r.Bottom);
  } else if (GetView3DWalls()) {
    const int left = CalcWallSize(GetLeftAxis());
    if (w->GetSize() > 0) r.Left -= left;
    const TRect projected = c->CalcRect3D(r, Width3D);
    startBlending(projected);
    drawEffects(projected);
    c->AssignVisiblePenColor(w->GetPen(), w->GetPen()->GetColor());
    const int size = w->GetSize();
    if (size > 0) {
      const int z1 = Width3D < 0 ? Width3D - size : Width3D + size;
      c->Cube(r, Width3D, z1, w->ApplyDark3D(), rounded ? w->GetRoundSize() : 0);
    } else if (full) {
      c->RectangleWithZ(r, Width3D + 1);
    } else if (rounded) {
      c->RoundRectWithZ(r, w->GetRoundSize(), w->GetRoundSize(), Width3D);
    } else {
      c->RectangleWithZ(r, Width3D);
    }
  }
  r = TRect{ChartRect.Left, p0, ChartRect.Right, p1};
  if (w->HasPicture() && w->GetPicture()->Valid()) {
    w->GetPicture()->Draw(this, r, Width3D);
  } else if (GetBackImageInside() && HasBackImage()) {
    if (w->GetPen()->GetVisible()) {
      ++r.Left;
      ++r.Top;
    }
    DrawBitmap(r, Width3D);
  }
  w->DoEndBlending(blend);
  c->EndEntity();
}

void TCustomChart::DrawLeftWall() {
  if (!GetView3D() || !GetView3DWalls()) return;
  TChartLeftWall* w = FWalls->GetLeft();
  TCanvas3D* c = GetCanvas();
  c->BeginEntity("Left", nullptr, nullptr);
  PrepareWallCanvas(w);
  int p0 = 0, p1 = 0;
  w->CalcPositions(p0, p1);
  TPlotBlend* blend = nullptr;
  w->TryDrawWall(ChartRect.Left, p1, blend);
  const int x = ChartRect.Left;
  if (w->GetSize() > 0)
    c->Cube(x - w->GetSize(), x, p0, p1, 0, Width3D, w->ApplyDark3D(), 0);
  else
    c->RectangleZ(c->GetSupportsFullRotation() ? x - 1 : x, p0, p1, 0, Width3D);
  if (w->HasPicture() && w->GetPicture()->Valid())
    c->StretchDraw(TRect{0, p0, Width3D, p1}, w->GetPicture()->GetGraphic(), x, cpX);
  w->DoEndBlending(blend);
  c->EndEntity();
}

void TCustomChart::DrawRightWall() {
  if (!FWalls->HasRight() || !FWalls->GetRight()->GetVisible() || !ActiveSeriesUseAxis() ||
      !GetView3D() || !GetView3DWalls())
    return;
  TChartRightWall* w = FWalls->GetRight();
  TCanvas3D* c = GetCanvas();
  c->BeginEntity("Right", nullptr, nullptr);
  PrepareWallCanvas(w);
  int p0 = 0, p1 = 0;
  w->CalcPositions(p0, p1);
  TPlotBlend* blend = nullptr;
  w->TryDrawWall(ChartRect.Right, p1, blend);
  const int x = ChartRect.Right;
  if (w->GetSize() > 0) {
    TChartBackWall* back = FWalls->GetBack();
    const int z1 = Width3D + (back->GetVisible() ? back->GetSize() : 0);
    c->Cube(x, x + w->GetSize(), p0, p1, 0, z1, w->ApplyDark3D(), 0);
  } else {
    c->RectangleZ(c->GetSupportsFullRotation() ? x + 1 : x, p0, p1, 0, Width3D + 1);
  }
  if (w->HasPicture() && w->GetPicture()->Valid())
    c->StretchDraw(TRect{0, p0, Width3D, p1}, w->GetPicture()->GetGraphic(), x, cpX);
  w->DoEndBlending(blend);
  c->EndEntity();
}

void TCustomChart::DrawFloor() {
  TChartBottomWall* w = FWalls->GetBottom();
  TChartLeftWall* left = FWalls->GetLeft();
  TCanvas3D* c = GetCanvas();
  const bool full = c->GetSupportsFullRotation();
  c->BeginEntity("Bottom", nullptr, nullptr);
  PrepareWallCanvas(w);
  const int y = ChartRect.Bottom + (full ? 1 : 0);
  const int z0 = w->GetStartPosition() == 0 ? 0 : PlotRound(w->GetStartPosition() * Width3D * 0.01);
  const int z1 = w->GetEndPosition() == 100
                     ? Width3D
                     : Width3D - PlotRound((100 - w->GetEndPosition()) * Width3D * 0.01);
  int x0 = ChartRect.Left;
  if (left->GetVisible() && left->GetAutoHide() && DrawLeftWallFirst())
    x0 -= CalcWallSize(GetLeftAxis());
  const int x1 = ChartRect.Right;
  TPlotBlend* blend = nullptr;
  if (!w->GetTransparent() && w->GetTransparency() > 0) {
    const TRect area =
        c->GetSupportsAlpha()
            ? TRect{}
            : BoundsOf({c->Calculate3DPosition(x0, y, z0), c->Calculate3DPosition(x1, y, z0),
                        c->Calculate3DPosition(x1, y, z1), c->Calculate3DPosition(x0, y, z1)});
    blend = c->BeginBlending(area, w->GetTransparency());
  }
  if (w->GetSize() > 0)
    c->Cube(x0, x1, y, y + w->GetSize(), z0, z1, w->ApplyDark3D(), 0);
  else
    c->RectangleY(x0, full ? y + 1 : y, x1, z0, z1);
  if (w->HasPicture() && w->GetPicture()->Valid())
    c->StretchDraw(TRect{x0, z1, x1, z0}, w->GetPicture()->GetGraphic(), y, cpY);
  if (blend) w->DoEndBlending(blend);
  c->EndEntity();
}
