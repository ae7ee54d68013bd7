#include "pages/frmGraph2.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/SceneForms.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_effects.h"
#include "controls/zr_labels.h"
#include "controls/zr_panels.h"
#include "controls/zr_plot_grid.h"
#include "pages/CurvePlot.h"
#include "pages/CurveSegment.h"
#include "platform/rtl/Debug.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"
#include "scene/zr_strings.h"

TfrmGraph2::TfrmGraph2(TComponent* AOwner) : TCurveForm(AOwner, "frmGraph2") {
  FindSceneComponent(this, "PointTips", PointTips);
  FindSceneComponent(this, "scbSelect", scbSelect);
  scbSelect->OnChange = [this](TObject* s) { scbSelectChange(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  FormCreate(this);
}

void TfrmGraph2::FormCreate(TObject*) {
  FDragging = false;
  FXScale = 2;
  FNodeCount = 2;
  FNodes[0] = 0;
  FNodes[1] = 63;
  FMaxNodes = 16;
}

// The presets and the byte range follow the top Y label the opener set.
void TfrmGraph2::FormShow(TObject*) {
  const bool range16k = yLabels[0]->GetText() == u"16k";
  FScaleMax = range16k ? 32 : 64;
  TzrWideStringList presets;
  for (int level = 1; level <= 8; ++level)
    presets.Add(UTF8ToUTF16(std::to_string(level * (range16k ? 2 : 4)) + "k"));
  scbSelect->SetItems(&presets);
}

void TfrmGraph2::scbSelectChange(TObject*) {
  const int index = scbSelect->GetItemIndex();
  const int level = index >= 0 && index <= 7 ? 32 * (index + 1) : 32;
  std::fill(FNodes.begin(), FNodes.begin() + 16, 0);
  FNodes[0] = 0;
  FNodes[1] = 63;
  FNodeCount = 2;
  FSamples.fill(level);
  PlotGrid1->Repaint();
}

int TfrmGraph2::NodeLimit() const { return std::min(FMaxNodes, int(FNodes.size())); }

TfrmGraph2::TSamplePoint TfrmGraph2::MapPointer(float X, float Y) const {
  TSamplePoint at;
  const int q = int(std::nearbyint(X / 8));
  at.X = q < 2 ? 1 : q > 65 ? 64 : q - 2;
  const int d = int(PlotGrid1->GetHeight() - Y);
  at.Y = d < 24 ? 8 : d > 270 ? 255 : d - 16;
  return at;
}

// The node at X, or a new node at X before the first node beyond it while
// the list has room; -1 when neither (always at 64, beyond the last sample).
int TfrmGraph2::GrabOrInsert(int X) {
  for (int k = 0; k < FNodeCount; ++k) {
    if (FNodes[k] == X) return k;
    if (FNodes[k] < X) continue;
    if (FNodeCount >= NodeLimit()) return -1;
    for (int j = FNodeCount; j > k; --j) FNodes[j] = FNodes[j - 1];
    FNodes[k] = X;
    ++FNodeCount;
    return k;
  }
  return -1;
}

void TfrmGraph2::PlotGrid1MouseDown(TObject*, TMouseButton Button, TShiftState, float X, float Y) {
  const TSamplePoint at = MapPointer(X, Y);
  OutputDebugString("X:" + FloatToStr(X) + "  Y:" + FloatToStr(Y));
  if (Button == mbLeft) {
    const int grabbed = GrabOrInsert(at.X);
    if (grabbed >= 0) {
      FDragging = true;
      FDragNode = grabbed;
      FSamples[at.X] = at.Y;
    }
  } else if (Button == mbRight && FNodeCount >= 2 && FNodeCount <= 16) {
    for (int k = 1; k < FNodeCount - 1; ++k) {
      if (FNodes[k] != at.X) continue;
      for (int j = k; j < FNodeCount - 1; ++j) FNodes[j] = FNodes[j + 1];
      --FNodeCount;
      break;
    }
  }
  InterpolateCurve();
  ShowReadOut(at);
  PlotGrid1->Repaint();
}

void TfrmGraph2::PlotGrid1MouseMove(TObject*, TShiftState, float X, float Y, float, float) {
  PointTips->GetPosition()->SetPoint(TzrPoint{X > 440 ? X - 95 : X + 5, Y - 8});
  const TSamplePoint at = MapPointer(X, Y);
  if (FDragging) {
    const int k = FDragNode;
    const bool inner = k > 0 && k < FNodeCount - 1;
    if (inner && FNodes[k - 1] < at.X && at.X < FNodes[k + 1]) FNodes[k] = at.X;
    FSamples[FNodes[k]] = at.Y;
    InterpolateCurve();
  }
  ShowReadOut(at);
  PlotGrid1->Repaint();
}

void TfrmGraph2::PlotGrid1MouseUp(TObject*, TMouseButton, TShiftState, float, float) {
  FDragging = false;
}

void TfrmGraph2::PlotGrid1MouseEnter(TObject*) {
  FDragging = false;
  PointTips->SetVisible(true);
}

void TfrmGraph2::PlotGrid1MouseLeave(TObject*) {
  FDragging = false;
  PointTips->SetVisible(false);
}

// Both numbers are counted in halves, so a half shows as ".5".
void TfrmGraph2::ShowReadOut(TSamplePoint At) {
  const double x = std::nearbyint(At.X * 100 / 32.0) / 2;
  const double y = std::nearbyint((At.Y + 1) / 256.0 * FScaleMax) / 2;
  PointTips->SetText(UTF8ToUTF16("X: " + FloatToStr(x) + "%   Y: " + FloatToStr(y) + "k"));
}

void TfrmGraph2::InterpolateCurve() {
  OutputDebugString(std::string("1"));
  const int end = int(FSamples.size());
  for (int i = 1; i < FNodeCount; ++i) {
    const int a = FNodes[i], b = FNodes[i - 1];
    // A segment whose ends lie outside the samples or out of order cannot be
    // computed; it is left as it is and the others still are.
    if (b < 0 || a >= end || a <= b) continue;
    FillSegment(FSamples.data(), b, a);
  }
}

// A straight line from 0 to the top between the two end nodes.
void TfrmGraph2::btnInitClick(TObject*) {
  FNodes[0] = 0;
  FNodes[1] = 63;
  FNodeCount = 2;
  FSamples[0] = 0;
  FSamples[63] = 255;
  InterpolateCurve();
  PlotGrid1->Repaint();
}

void TfrmGraph2::PlotGrid1Paint(TObject*, TzrCanvas* Canvas, const TzrRect& ARect) {
  TCurvePlot plot(Canvas, ARect);
  plot.DrawAxes();
  plot.DrawCurve(FSamples.data(), FNodes[FNodeCount - 1], 24, FXScale);
  // Each node is a dot centred on its sample, the size of the other
  // editor's: an ellipse in an empty rectangle would draw nothing.
  for (int k = 0; k < FNodeCount; ++k) {
    const int n = FNodes[k];
    const float x = 24 + n * FXScale;
    const float y = 271.0f - FSamples[n];
    plot.DrawNode(TzrRect{x - 1, y - 1, x + 1, y + 1}, kNodeBrown);
  }
}
