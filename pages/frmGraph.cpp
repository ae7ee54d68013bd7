#include "pages/frmGraph.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/SceneForms.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_effects.h"
#include "controls/zr_labels.h"
#include "controls/zr_panels.h"
#include "controls/zr_plot_grid.h"
#include "pages/CurvePlot.h"
#include "pages/CurveSegment.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

TfrmGraph::TfrmGraph(TComponent* AOwner) : TCurveForm(AOwner, "frmGraph") {
  FindSceneComponent(this, "Label65", Label65);
  FormCreate(this);
}

void TfrmGraph::FormCreate(TObject*) {
  FDragging = false;
  FXScale = 2;
  FYScale = 1;
  FYOffset = 0;
  FNodeCount = 2;
  FNodes[0] = 0;
  FNodes[1] = 255;
  FMaxNodes = 16;
}

int TfrmGraph::NodeLimit() const { return std::min(FMaxNodes, int(FNodes.size())); }

TfrmGraph::TCurvePoint TfrmGraph::MapPointer(float X, float Y) const {
  TCurvePoint at;
  const int q = int(std::nearbyint(X / 2));
  at.X = q < 8 ? 0 : q > 262 ? 255 : q - 8;
  if (Is64PointCurve()) at.X /= 4;
  const int d = int(PlotGrid1->GetHeight() - Y);
  at.Y = d < 16 ? 0 : d > 270 ? 255 : d - 16;
  return at;
}

// A node is near when it lies at the pointer or up to r - 1 positions to its
// right with its point within r - 1 of the pointer's value.
bool TfrmGraph::NodeHit(int Node, TCurvePoint At) const {
  const int position = FNodes[Node];
  if (position == At.X) return true;
  const int r = HitRadius();
  const int value = FCurve[position];
  return At.X < position && position < At.X + r && At.Y - r < value && value < At.Y + r;
}

void TfrmGraph::InsertNode(int Slot, int Position) {
  for (int k = FNodeCount; k > Slot; --k) FNodes[k] = FNodes[k - 1];
  FNodes[Slot] = Position;
  ++FNodeCount;
}

void TfrmGraph::RemoveNode(int Slot) {
  for (int k = Slot; k < FNodeCount - 1; ++k) FNodes[k] = FNodes[k + 1];
  --FNodeCount;
}

// The node at X, or a new node at X before the first node beyond it while
// the list has room; -1 when neither.
int TfrmGraph::GrabOrInsert(int X) {
  for (int k = 0; k < FNodeCount; ++k) {
    if (FNodes[k] == X) return k;
    if (FNodes[k] < X) continue;
    if (FNodeCount >= NodeLimit()) return -1;
    InsertNode(k, X);
    return k;
  }
  return -1;
}

int TfrmGraph::DraggedValue(TCurvePoint At) {
  const int k = FDragNode;
  const int n = FNodes[k];
  const bool is64 = Is64PointCurve();
  const bool locked = Locked(At.X);
  int y = At.Y;
  if (n == 0) {
    if (is64) y = 0;
  } else if (n == 255 || (is64 && n == 63)) {
    // The end node: every inner node above it comes down to it.
    if (is64) y = 255;
    for (int j = k - 1; j >= 1; --j) FCurve[FNodes[j]] = std::min(FCurve[FNodes[j]], y);
  } else if (locked) {
    y = 255;
  } else {
    y = std::max(y, FCurve[FNodes[k - 1]]);
  }
  if (locked) return y;
  for (int j = k + 1; j < FNodeCount; ++j) FCurve[FNodes[j]] = std::max(FCurve[FNodes[j]], y);
  return y;
}

void TfrmGraph::PlotGrid1MouseDown(TObject*, TMouseButton Button, TShiftState, float X, float Y) {
  TCurvePoint at = MapPointer(X, Y);
  if (Button == mbLeft) {
    int grabbed = GrabOrInsert(at.X);
    for (int k = 1; grabbed < 0 && k < FNodeCount - 1; ++k)
      if (NodeHit(k, at)) grabbed = k;
    if (grabbed >= 0) {
      FDragging = true;
      FDragNode = grabbed;
      at.Y = DraggedValue(at);
      if (!Locked(at.X)) FCurve[at.X] = at.Y;
    }
  } else if (Button == mbRight && FNodeCount > 1) {
    // Nodes of the locked tail stay; so do all nodes of a long list in a
    // curve without a lock position.
    const bool byLock = Is64PointCurve() || FNodeCount > 16;
    for (int k = 1; k < FNodeCount - 1; ++k) {
      if (byLock && FNodes[k] >= FLockIndex - 1) continue;
      if (!NodeHit(k, at)) continue;
      RemoveNode(k);
      break;
    }
  }
  InterpolateCurve();
  ShowReadOut(at, false);
  PlotGrid1->Repaint();
}

void TfrmGraph::PlotGrid1MouseMove(TObject*, TShiftState, float X, float Y, float, float) {
  Label65->GetPosition()->SetPoint(TzrPoint{X > 440 ? X - 95 : X + 5, Y - 8});
  TCurvePoint at = MapPointer(X, Y);
  if (FDragging) {
    const int k = FDragNode;
    const bool inner = k > 0 && k < FNodeCount - 1;
    if (inner && FNodes[k - 1] < at.X && at.X < FNodes[k + 1]) FNodes[k] = at.X;
    at.Y = DraggedValue(at);
    if (!Locked(at.X)) FCurve[FNodes[k]] = at.Y;
    InterpolateCurve();
  }
  ShowReadOut(at, true);
  PlotGrid1->Repaint();
}

void TfrmGraph::PlotGrid1MouseUp(TObject*, TMouseButton, TShiftState, float, float) {
  FDragging = false;
}

void TfrmGraph::PlotGrid1MouseEnter(TObject*) {
  FDragging = false;
  Label65->SetVisible(true);
}

void TfrmGraph::PlotGrid1MouseLeave(TObject*) {
  FDragging = false;
  Label65->SetVisible(false);
}

void TfrmGraph::ShowReadOut(TCurvePoint At, bool AfterMove) {
  std::string text;
  if (Is64PointCurve()) {
    const double rpm = double(At.Y + 1) * FYScale + FYOffset;
    text = "X: " + FloatToStr(At.X + 1) + (AfterMove ? "   Y: " : "    Y: ") +
           FloatToStrF(rpm, TFloatFormat::ffFixed, 15, 0);
  } else {
    text = "X: " + std::to_string((At.X * 100 + 100) / 256) + (AfterMove ? "%   Y: " : "%    Y: ") +
           std::to_string((At.Y * 100 + 100) / 256) + "%";
  }
  Label65->SetText(UTF8ToUTF16(text));
}

void TfrmGraph::InterpolateCurve() {
  const int end = int(FCurve.size());
  for (int i = 1; i < FNodeCount; ++i) {
    const int a = FNodes[i], b = FNodes[i - 1];
    // A segment whose ends lie outside the curve or out of order cannot be
    // computed; it is left as it is and the others still are.
    if (b < 0 || a >= end || a <= b) continue;
    if (FCurve[a] < FCurve[b]) FCurve[a] = FCurve[b];
    FillSegment(FCurve.data(), b, a);
  }
}

void TfrmGraph::btnInitClick(TObject*) {
  FNodes[0] = 0;
  FCurve[0] = 0;
  if (!Is64PointCurve()) {
    FNodes[1] = FNodes[FNodeCount - 1];
    FNodeCount = 2;
    FCurve[FNodes[1]] = 255;
    InterpolateCurve();
    PlotGrid1->Repaint();
    return;
  }
  // A 64-point curve rises from 0 to the top at L - 1 and stays there; every
  // position of the locked tail is a node. With L at 1 (or 0) that is node 0
  // and every later position, all at the top.
  const int top = std::max(FLockIndex - 1, 1);
  FNodes[1] = top;
  FNodeCount = 2;
  if (top < 63) FNodes[FNodeCount++] = 63;
  FCurve[top] = 255;
  FCurve[63] = 255;
  InterpolateCurve();
  FNodeCount = 2;
  for (int position = top + 1; position <= 63; ++position) FNodes[FNodeCount++] = position;
  PlotGrid1->Repaint();
}

void TfrmGraph::PlotGrid1Paint(TObject*, TzrCanvas* Canvas, const TzrRect& ARect) {
  TCurvePlot plot(Canvas, ARect);
  plot.DrawAxes();
  const int last = FNodes[FNodeCount - 1];
  plot.DrawCurve(FCurve.data(), last, 16, FXScale);
  // An rpm curve draws the nodes of its locked tail (beyond L - 1) in brown.
  const bool rpmCurve = yLabels[8]->GetText() != u"0%";
  TzrColor colour = kNodeBlue;
  for (int k = 0; k < FNodeCount; ++k) {
    const int n = FNodes[k];
    if (rpmCurve && n > FLockIndex - 1) colour = kNodeBrown;
    const float x = 16 + n * FXScale;
    const float y = 271 - FCurve[n];
    plot.DrawNode(TzrRect{x - 1, y - 1, x + 1, y + 1}, colour);
  }
}
