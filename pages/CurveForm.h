#pragma once
// What the two curve editors share: the form read from its resource, the
// components of the common layout, and the plot grid's and reset button's
// events handed to the editor's own handlers.

#include <array>
#include <string>

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
class TzrCanvas;

class TCurveForm : public TForm {
 public:
  TzoRurev* ControlsScene = nullptr;
  TzrBackground* Root1 = nullptr;
  TzrPanel* Panel1 = nullptr;
  TzrGroupBox* GroupBox1 = nullptr;
  TzrPanel* Panel2 = nullptr;
  TzrShadowEffect* ShadowEffect1 = nullptr;
  TzrPlotGrid* PlotGrid1 = nullptr;
  TzrRoundButton* btnInit = nullptr;
  TzrRoundButton* btnOk = nullptr;
  TzrRoundButton* btnCancel = nullptr;
  std::array<TzrLabel*, 9> xLabels{};  // xLabel1 ... xLabel9, left to right
  std::array<TzrLabel*, 9> yLabels{};  // yLabel1 ... yLabel9, top to bottom
  TzrLabel* Label1 = nullptr;
  TzrLabel* Label2 = nullptr;
  TzrLabel* Label3 = nullptr;  // the item's detail text

  virtual void PlotGrid1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, float X,
                                  float Y) = 0;
  virtual void PlotGrid1MouseMove(TObject* Sender, TShiftState Shift, float X, float Y, float Dx,
                                  float Dy) = 0;
  virtual void PlotGrid1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, float X,
                                float Y) = 0;
  virtual void PlotGrid1MouseEnter(TObject* Sender) = 0;
  virtual void PlotGrid1MouseLeave(TObject* Sender) = 0;
  virtual void PlotGrid1Paint(TObject* Sender, TzrCanvas* Canvas, const TzrRect& ARect) = 0;
  virtual void btnInitClick(TObject* Sender) = 0;

 protected:
  // Reads the form resource FormName, finds the shared components and binds
  // the events; the handlers run only once the editor is whole.
  TCurveForm(TComponent* AOwner, const std::string& FormName);
};
