#pragma once
// The curve editor of 64 samples on a scale of 0 to 256 (the item's byte
// range). Nodes are joined by straight segments and may fall from one to
// the next; a combo of eight levels flattens the whole curve. Its opener
// fills the samples, the nodes and the axis labels before showing it (the
// top Y label, "16k" or "32k", fixes the byte range) and reads FSamples after
// it closes with result 1.

#include <array>

#include "platform/vcl/Forms.h"
#include "scene/zr_visual.h"

class TzoRurev;
class TzrBackground;
class TzrPanel;
class TzrGroupBox;
class TzrShadowEffect;
class TzrPlotGrid;
class TzrLabel;
class TzrRoundButton;
class TzrStringComboBox;
class TzrCanvas;

class TfrmGraph2 : public TForm {
 public:
  explicit TfrmGraph2(TComponent* AOwner);
  std::string ClassName() const override { return "TfrmGraph2"; }

  TzoRurev* ControlsScene = nullptr;
  TzrBackground* Root1 = nullptr;
  TzrPanel* Panel1 = nullptr;
  TzrGroupBox* GroupBox1 = nullptr;
  TzrPanel* Panel2 = nullptr;
  TzrShadowEffect* ShadowEffect1 = nullptr;
  TzrPlotGrid* PlotGrid1 = nullptr;
  TzrLabel* PointTips = nullptr;  // pointer read-out
  TzrStringComboBox* scbSelect = nullptr;
  TzrRoundButton* btnInit = nullptr;
  TzrRoundButton* btnOk = nullptr;
  TzrRoundButton* btnCancel = nullptr;
  std::array<TzrLabel*, 9> xLabels{};  // xLabel1 ... xLabel9, left to right
  std::array<TzrLabel*, 9> yLabels{};  // yLabel1 ... yLabel9, top to bottom
  TzrLabel* Label1 = nullptr;
  TzrLabel* Label2 = nullptr;
  TzrLabel* Label3 = nullptr;  // the item's detail text

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
                          float Y);
  void PlotGrid1MouseMove(TObject* Sender, TShiftState Shift, float X, float Y, float Dx, float Dy);
  void PlotGrid1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, float X, float Y);
  void PlotGrid1MouseEnter(TObject* Sender);
  void PlotGrid1MouseLeave(TObject* Sender);
  void PlotGrid1Paint(TObject* Sender, TzrCanvas* Canvas, const TzrRect& ARect);
  void btnInitClick(TObject* Sender);
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
