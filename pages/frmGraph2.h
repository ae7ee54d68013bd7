#pragma once
// The curve editor of 64 samples on a scale of 0 to 256 (the item's byte
// range). Nodes are joined by straight segments and may fall from one to
// the next; a combo of eight levels flattens the whole curve. Its opener
// fills the samples, the nodes and the axis labels before showing it (the
// top Y label, "16k" or "32k", fixes the byte range) and reads FSamples after
// it closes with result 1.

#include <array>

#include "pages/CurveForm.h"

class TzrLabel;
class TzrStringComboBox;

class TfrmGraph2 : public TCurveForm {
 public:
  explicit TfrmGraph2(TComponent* AOwner);
  std::string ClassName() const override { return "TfrmGraph2"; }

  TzrLabel* PointTips = nullptr;  // pointer read-out
  TzrStringComboBox* scbSelect = nullptr;

  // Sample state, filled by the opener.
  std::array<int, 64> FSamples{};  // 0..256, 256 being the byte range
  std::array<int, 64> FNodes{};    // node positions 0..63, strictly increasing
  int FNodeCount = 2;
  int FMaxNodes = 16;  // node limit for inserting (never more than FNodes holds)
  float FXScale = 2;   // pixels per position
  int FScaleMax = 64;  // byte range: 32 or 64
  bool FDragging = false;
  int FDragNode = 0;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
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
  void scbSelectChange(TObject* Sender);
  // Recomputes the samples between nodes; the curve may fall at a node.
  void InterpolateCurve();

 private:
  struct TSamplePoint {
    int X = 0;  // 64 lies beyond the last sample
    int Y = 0;
  };
  TSamplePoint MapPointer(float X, float Y) const;
  int NodeLimit() const;
  int GrabOrInsert(int X);
  void ShowReadOut(TSamplePoint At);
};
