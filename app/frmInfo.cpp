#include "app/frmInfo.h"

#include "app/SceneForms.h"
#include "controls/zr_controls.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

std::function<int(TfrmInfo& box)> TfrmInfo::ModalHandler;

TfrmInfo::TfrmInfo(TComponent* AOwner) : TForm(AOwner) {
  SetName("frmInfo");
  SetBorderStyle(bsDialog);
  ReadSceneForm(this, "frmInfo");
  FindSceneComponent(this, "ControlsScene", ControlsScene);
  FindSceneComponent(this, "Root1", Root1);
  FindSceneComponent(this, "Label1", Label1);
  FindSceneComponent(this, "btnOk", btnOk);
  btnOk->OnClick = [this](TObject* sender) { btnOkClick(sender); };
}

void TfrmInfo::btnOkClick(TObject*) {
  SetModalResult(mrOk);
  Close();
}

int TfrmInfo::ShowModal() {
  if (ModalHandler) return ModalHandler(*this);
  return TForm::ShowModal();
}
