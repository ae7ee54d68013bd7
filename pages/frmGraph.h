#pragma once
// The curve editor of percent curves (256 points) and rpm curves (64 points
// with a tail locked at the top). The curve is a list of whole-number points
// shaped through nodes: the left button grabs or inserts a node and drags
// it, the right button removes one, and the points between nodes follow as
// straight segments that never fall. Its opener fills the curve state, the
// axis labels and the captions before showing it and reads FCurve after it
// closes with result 1.

#include <array>

#include "pages/CurveForm.h"

class TzrLabel;

class TfrmGraph : public TCurveForm {
 public:
  explicit TfrmGraph(TComponent* AOwner);
  std::string ClassName() const override { return "TfrmGraph"; }

  TzrLabel* Label65 = nullptr;  // pointer read-out

  // Curve state, filled by the opener.
  std::array<int, 256> FCurve{};  // points 0..255; a 64-point curve uses 0..63
  std::array<int, 64> FNodes{};   // node positions, strictly increasing
  int FNodeCount = 2;
  int FMaxNodes = 16;  // node limit for inserting (never more than FNodes holds)
  float FXScale = 2;   // pixels per position
  float FYScale = 1;   // value units per Y step (read-out of 64-point curves)
  float FYOffset = 0;  // value at Y step 0 (read-out of 64-point curves)
  int FLockIndex = 0;  // lock position L of a 64-point curve
  bool FDragging = false;
  int FDragNode = 0;

  void FormCreate(TObject* Sender);
  void PlotGrid1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, float X,
                          float Y) override;
  void PlotGrid1MouseMove(TObject* Sender, TShiftState Shift, float X, float Y, float Dx,
                          float Dy) override;
  void PlotGrid1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, float X,
                        float Y) override;
  void PlotGrid1MouseEnter(TObject* Sender) override;
  void PlotGrid1MouseLeave(TObject* Sender) override;
  void PlotGrid1Paint(TObject* Sender, TzrCanvas* Canvas, const TzrRect& ARect) override;
  void btnInitClick(TObject* Sender) override;
  // Recomputes the points between nodes; a node below the one before it is
  // lifted to it first.
  void InterpolateCurve();

  // A 64-point curve ends at position 63, a 256-point one at 255.
  bool Is64PointCurve() const { return FNodes[FNodeCount - 1] == 63; }

 private:
  struct TCurvePoint {
    int X = 0;
    int Y = 0;
  };
  TCurvePoint MapPointer(float X, float Y) const;
  int HitRadius() const { return Is64PointCurve() ? 4 : 8; }
  bool NodeHit(int Node, TCurvePoint At) const;
  bool Locked(int X) const { return Is64PointCurve() && X >= FLockIndex - 1; }
  int NodeLimit() const;
  // Applies the value rule for the dragged node and answers the value it
  // gets; the caller stores it unless the pointer is locked.
  int DraggedValue(TCurvePoint At);
  int GrabOrInsert(int X);
  void InsertNode(int Slot, int Position);
  void RemoveNode(int Slot);
  void ShowReadOut(TCurvePoint At, bool AfterMove);
};
