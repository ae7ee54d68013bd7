#include "pages/CurvePlot.h"

#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"

TCurvePlot::TCurvePlot(TzrCanvas* Canvas, const TzrRect& Area)
    : FCanvas(Canvas), FState(Canvas->SaveCanvas()) {
  FCanvas->IntersectClipRect(Area);
  FCanvas->GetStroke()->SetStyle(zrBrushSolid);
  FCanvas->SetStrokeThickness(2);
  FCanvas->SetStrokeDash(zrDashSolid);
}

TCurvePlot::~TCurvePlot() { FCanvas->RestoreCanvas(FState); }

void TCurvePlot::SetColour(TzrColor Colour) { FCanvas->GetStroke()->SetSolidColor(Colour); }

void TCurvePlot::DrawAxes() {
  SetColour(kAxisBlack);
  FCanvas->DrawLine(TzrPoint{2, 271}, TzrPoint{536, 271}, 1);
  FCanvas->DrawLine(TzrPoint{16, 8}, TzrPoint{16, 284}, 1);
}

void TCurvePlot::DrawCurve(const int* Points, int Last, float Left, float XScale) {
  SetColour(kCurveRed);
  TzrPolygon line;
  for (int i = 0; i <= Last; ++i) line.push_back(TzrPoint{Left + i * XScale, 271.0f - Points[i]});
  FCanvas->DrawPolygon(line, 1);
}

void TCurvePlot::DrawNode(const TzrRect& Box, TzrColor Colour) {
  SetColour(Colour);
  FCanvas->DrawEllipse(Box, 1);
}
