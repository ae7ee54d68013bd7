// Paint handler of the analyzer's plot grid: two black rules, drawn in a saved
// canvas state that is given back afterwards.

#include "app/frmInterface.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"

void TfrmInterface::PlotGrid1Paint(TObject*, TzrCanvas* Canvas, const TzrRect&) {
  const uint32_t state = Canvas->SaveCanvas();
  Canvas->GetStroke()->SetStyle(zrBrushSolid);
  Canvas->GetStroke()->SetColor("#FF000000");
  Canvas->SetStrokeThickness(2);
  Canvas->DrawLine(TzrPoint{271, 2}, TzrPoint{271, 536}, 1);
  Canvas->DrawLine(TzrPoint{8, 16}, TzrPoint{284, 16}, 1);
  Canvas->GetStroke()->SetColor("#FFFF0000");
  Canvas->RestoreCanvas(state);
}
