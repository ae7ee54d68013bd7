#include "pages/CurveForm.h"

#include "app/SceneForms.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_effects.h"
#include "controls/zr_labels.h"
#include "controls/zr_panels.h"
#include "controls/zr_plot_grid.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

TCurveForm::TCurveForm(TComponent* AOwner, const std::string& FormName) : TForm(AOwner) {
  SetName(FormName);
  SetBorderStyle(bsNone);
  ReadSceneForm(this, FormName);
  FindSceneComponent(this, "ControlsScene", ControlsScene);
  FindSceneComponent(this, "Root1", Root1);
  FindSceneComponent(this, "Panel1", Panel1);
  FindSceneComponent(this, "GroupBox1", GroupBox1);
  FindSceneComponent(this, "Panel2", Panel2);
  FindSceneComponent(this, "ShadowEffect1", ShadowEffect1);
  FindSceneComponent(this, "PlotGrid1", PlotGrid1);
  FindSceneComponent(this, "btnInit", btnInit);
  FindSceneComponent(this, "btnOk", btnOk);
  FindSceneComponent(this, "btnCancel", btnCancel);
  for (int i = 0; i < 9; ++i) {
    FindSceneComponent(this, "xLabel" + std::to_string(i + 1), xLabels[i]);
    FindSceneComponent(this, "yLabel" + std::to_string(i + 1), yLabels[i]);
  }
  FindSceneComponent(this, "Label1", Label1);
  FindSceneComponent(this, "Label2", Label2);
  FindSceneComponent(this, "Label3", Label3);
  ShowSymbolFontCaption(GroupBox1);

  PlotGrid1->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, float x, float y) {
    PlotGrid1MouseDown(s, b, sh, x, y);
  };
  PlotGrid1->OnMouseMove = [this](TObject* s, TShiftState sh, float x, float y, float dx,
                                  float dy) { PlotGrid1MouseMove(s, sh, x, y, dx, dy); };
  PlotGrid1->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, float x, float y) {
    PlotGrid1MouseUp(s, b, sh, x, y);
  };
  PlotGrid1->OnMouseEnter = [this](TObject* s) { PlotGrid1MouseEnter(s); };
  PlotGrid1->OnMouseLeave = [this](TObject* s) { PlotGrid1MouseLeave(s); };
  PlotGrid1->OnPaint = [this](TObject* s, TzrCanvas* c, const TzrRect& r) {
    PlotGrid1Paint(s, c, r);
  };
  btnInit->OnClick = [this](TObject* s) { btnInitClick(s); };
}
