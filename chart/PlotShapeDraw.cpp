// Drawing a shape: blend, shadow and emboss, fill (colour, gradient or
// picture), outline, bevel and the children laid out inside.

#include <vector>

#include "chart/Canvas3D.h"
#include "chart/PlotBlend.h"
#include "chart/PlotPanel.h"
#include "chart/PlotPanelExtended.h"
#include "chart/PlotShape.h"
#include "chart/PlotUnitRoutines.h"
#include "platform/rtl/SysUtils.h"

namespace {

// The bounding rectangle of R turned by Angle degrees.
TRect RotatedArea(const TRect& R, double Angle) {
  if (Angle == 0) return R;
  TFourPoints p;
  RectToFourPoints(R, Angle, p);
  return RectFromPolygon(p, 4);
}

// A gradient with at least one see-through colour stop lies over a picture.
bool GradientHasTransparency(TPlotBrush* Brush) {
  if (!Brush->HasGradient()) return false;
  TPlotGradient* g = Brush->GetGradient();
  for (int i = 0; i < g->GetColors()->Count(); ++i)
    if (g->GetColors()->Get(i)->GetTransparency() > 0) return true;
  return false;
}

// Moves a child to (X, Y) keeping its size. Unlike MoveTo it asks for no
// repaint: the layout runs inside every drawing, and a repaint request from
// there would draw the chart again and again.
void Place(TPlotCustomShape* Child, int X, int Y) {
  TRect& b = Child->ShapeBounds;
  b = TRect{X, Y, X + b.Width(), Y + b.Height()};
}

}  // namespace

void TPlotCustomShape::Draw() { Draw(ShapeBounds, FAngle, 0); }

void TPlotCustomShape::Draw(const TRect& R, double Angle, int Z) {
  Draw(FParent, R, Angle, Z);
}

void TPlotCustomShape::Draw(TCustomPlotPanel* Panel, const TRect& R, double Angle, int Z) {
  InternalDraw(Panel, {}, R, true, Angle, Z);
}

void TPlotCustomShape::Draw(const TRect& R, std::span<const TPoint> Points, double Angle,
                            int Z) {
  Draw(FParent, R, Points, Angle, Z);
}

void TPlotCustomShape::Draw(TCustomPlotPanel* Panel, const TRect& R,
                            std::span<const TPoint> Points, double Angle, int Z) {
  InternalDraw(Panel, Points, R, false, Angle, Z);
}

void TPlotCustomShape::InternalDraw(TCustomPlotPanel* Panel, std::span<const TPoint> Points,
                                    const TRect& R, bool FromRectangle, double Angle, int Z) {
  if (Panel == nullptr) throw EInvalidOperation("A shape without a chart cannot be drawn");
  TCanvas3D* c = Panel->GetCanvas();
  TPlotBlend* blend = nullptr;
  if (FTransparency > 0) {
    if (c->GetSupportsAlpha())
      blend = c->BeginBlending(PlotZeroRect, FTransparency);
    else
      blend = c->BeginBlending(RotatedArea(R, Angle), FTransparency);
  }
  if (FTransparent) {
    c->GetBrush()->SetStyle(bsClear);
  } else {
    DrawEffect(FShadow.get(), 1, c, R, Angle, Z);
    DrawEffect(FEmboss.get(), -1, c, R, Angle, Z);
    if (FPicture && FPicture->Valid())
      DrawPictureFill(Panel, Points, R, FromRectangle, Z);
    else
      c->AssignBrush(FBrush.get(), FColor, FBrush->GetColor());
    c->AssignVisiblePenColor(FPen.get(), FPen->GetColor());
  }
  if (FromRectangle)
    DoDraw(Panel, R, Angle, Z);
  else
    DoDraw(Panel, Points, R, Angle, Z);
  if (!FTransparent && Angle == 0) {
    TRect r = R;
    DrawBevel(c, FBevel, r, FBevelWidth, 0);
  }
  if (FChildren->Count() > 0) DrawChildren(Panel, R, Angle, Z);
  if (FTransparency > 0) {
    if (blend && !FTransparent && GetPicture()->HasFilters() && !FPicture->Valid() &&
        blend->GetBitmap())
      FPicture->GetFilters()->ApplyTo(blend->GetBitmap());
    c->EndBlending(blend);
  }
}

void TPlotCustomShape::DrawEffect(TPlotShadow* Effect, int Sign, TCanvas3D* C, const TRect& R,
                                  double Angle, int Z) {
  if (Effect == nullptr || !Effect->ShouldDraw() || FBrush->GetStyle() == bsClear) return;
  TRect r = R;
  if (FPen->GetVisible() && FPen->GetWidth() > 1) {
    int grow = Sign * (FPen->GetWidth() / 2);
    r = TRect{r.Left - grow, r.Top - grow, r.Right + grow, r.Bottom + grow};
  }
  Effect->ZPosition = Z + 2;
  if (FShapeStyle == fosEllipse) {
    Effect->DrawEllipse(C, r, 0, 0, 360);
    return;
  }
  int corner = FShapeStyle == fosRoundRectangle ? FRoundSize : 0;
  bool flat = !C->GetSupportsFullRotation();
  if (flat) C->FrontPlaneBegin();
  Effect->Draw(C, r, corner, int(Angle));
  if (flat) C->FrontPlaneEnd();
}

// The picture inside the shape, then the brush (a see-through gradient over
// it) or none, so only the outline follows. Exactly the clip levels pushed
// here are taken back, so the canvas's clip is as it was before.
void TPlotCustomShape::DrawPictureFill(TCustomPlotPanel* Panel, std::span<const TPoint> Points,
                                       const TRect& R, bool FromRectangle, int Z) {
  TCanvas3D* c = Panel->GetCanvas();
  int levels = 0;
  if (FShapeStyle == fosEllipse) {
    c->ClipEllipse(R, false);
    levels++;
  } else if (FShapeStyle == fosRoundRectangle) {
    c->ClipRectangle(R, FRoundSize, FRoundSize);
    levels++;
  }
  if (!FromRectangle) {
    c->ClipPolygon(Points, int(Points.size()), false);
    levels++;
  }
  auto* extended = dynamic_cast<TCustomPlotPanelExtended*>(Panel);
  try {
    if (extended) FPicture->Draw(extended, R, c->GetSupportsFullRotation() ? Z : 0);
  } catch (...) {
    while (levels-- > 0) c->UnClipRectangle();
    throw;
  }
  while (levels-- > 0) c->UnClipRectangle();
  if (GradientHasTransparency(FBrush.get()))
    c->AssignBrush(FBrush.get(), FColor, FBrush->GetColor());
  else
    c->GetBrush()->SetStyle(bsClear);
}

void TPlotCustomShape::DoDraw(TCustomPlotPanel* Panel, const TRect& R, double Angle, int Z) {
  if (FTransparent) return;
  TCanvas3D* c = Panel->GetCanvas();
  if (Angle != 0) {
    TFourPoints p;
    RectToFourPoints(R, Angle, p);
    DoDrawPoints(Panel, p, Z);
    return;
  }
  if (c->GetSupportsFullRotation() || FDraw3D) {
    if (FShapeStyle == fosRectangle)
      c->RectangleWithZ(R, Z);
    else if (FShapeStyle == fosEllipse)
      c->EllipseWithZ(R, Z);
    else
      c->RoundRect(R, FRoundSize, FRoundSize, Z, Z);
    return;
  }
  if (FCallout && FCallout->GetSide() != csNone) {
    int corner = FShapeStyle == fosRoundRectangle ? FRoundSize : 0;
    std::unique_ptr<TPlotBasePath> path(FCallout->GetPath(c, R, corner));
    path->Draw(c);
    return;
  }
  if (FShapeStyle == fosRectangle)
    c->Rectangle(R.Left, R.Top, R.Right, R.Bottom);
  else if (FShapeStyle == fosEllipse)
    c->Ellipse(R.Left, R.Top, R.Right, R.Bottom);
  else
    c->TPlotCanvas::RoundRect(R, FRoundSize, FRoundSize, FCorners.get());
}

void TPlotCustomShape::DoDraw(TCustomPlotPanel* Panel, std::span<const TPoint> Points,
                              const TRect&, double, int Z) {
  if (FTransparent) return;
  DoDrawPoints(Panel, Points, Z);
}

void TPlotCustomShape::DoDrawPoints(TCustomPlotPanel* Panel, std::span<const TPoint> Points,
                                    int Z) {
  TCanvas3D* c = Panel->GetCanvas();
  if (c->GetSupportsFullRotation() || FDraw3D)
    c->PolygonWithZ(Points, Z);
  else
    c->Polygon(Points);
}

void TPlotCustomShape::DrawChildren(TCustomPlotPanel* Panel, const TRect& R, double Angle,
                                    int Z) {
  int pos = FirstChildPos();
  for (int i = 0; i < FChildren->Count(); ++i) {
    TPlotCustomShape* k = FChildren->Get(i)->GetShape();
    if (!k->GetVisible()) continue;
    if (FChildLayout == slTopBottom) {
      int x = R.Right - k->GetWidth();
      if (k->GetAlignment() == taLeftJustify)
        x = R.Left;
      else if (k->GetAlignment() == taCenter)
        x = (R.Left + R.Right - k->GetWidth()) / 2;
      Place(k, x, pos);
    } else {
      Place(k, pos, ShapeBounds.Top);
    }
    k->Draw(Panel, k->ShapeBounds, Angle, Z);
    pos += FChildLayout == slTopBottom ? k->GetHeight() : k->GetWidth();
  }
}
