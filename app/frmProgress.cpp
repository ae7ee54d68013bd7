#include "app/frmProgress.h"

#include "app/SceneForms.h"
#include "controls/zr_controls.h"
#include "controls/zr_panels.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

TfrmProgress::TfrmProgress(TComponent* AOwner) : TForm(AOwner) {
  SetName("frmProgress");
  SetBorderStyle(bsNone);
  ReadSceneForm(this, "frmProgress");
  FindSceneComponent(this, "ControlsScene", ControlsScene);
  FindSceneComponent(this, "Root1", Root1);
  FindSceneComponent(this, "Panel1", Panel1);
  FindSceneComponent(this, "Label1", Label1);
  FindSceneComponent(this, "ProgressBar1", ProgressBar1);
  FindSceneComponent(this, "GroupBox1", GroupBox1);
  ShowSymbolFontCaption(GroupBox1);
}

void TfrmProgress::Show() {
  FShowing = true;
  if (!Application || !Application->Initialized()) return;
  SetPosition(poMainFormCenter);
  TForm::Show();
}
