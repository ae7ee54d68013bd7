#include "files/frmUpdate.h"

#include "app/SceneForms.h"
#include "controls/XwMemo.h"
#include "controls/zr_buttons.h"
#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "controls/zr_objects_text.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

std::function<int(TfrmUpdate& dialog)> TfrmUpdate::ModalHandler;

TfrmUpdate::TfrmUpdate(TComponent* AOwner) : TForm(AOwner) {
  SetName("frmUpdate");
  SetBorderStyle(bsDialog);
  ReadSceneForm(this, "frmUpdate");
  FindSceneComponent(this, "ControlsScene", ControlsScene);
  FindSceneComponent(this, "Root1", Root1);
  FindSceneComponent(this, "Image1", Image1);
  FindSceneComponent(this, "Label1", Label1);
  FindSceneComponent(this, "mmoDetail", mmoDetail);
  FindSceneComponent(this, "ProgressBar1", ProgressBar1);
  FindSceneComponent(this, "btnInstall", btnInstall);
  FindSceneComponent(this, "btnCancel", btnCancel);
  FindSceneComponent(this, "XwMemo1", XwMemo1);
  btnInstall->OnClick = [this](TObject* s) { btnInstallClick(s); };
  btnCancel->OnClick = [this](TObject* s) { btnCancelClick(s); };
  IdHTTP1 = new TIdHTTP(this);
  IdHTTP1->SetName("IdHTTP1");
  IdHTTP1->SetAccept("text/html, */*");
  IdHTTP2 = new TIdHTTP(this);
  IdHTTP2->SetName("IdHTTP2");
  IdHTTP2->SetAccept("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
  // Both kinds of download move the bar.
  IdHTTP1->OnWork = [this](TObject* s, TWorkMode m, int64_t n) { IdHTTP1Work(s, m, n); };
  IdHTTP2->OnWork = [this](TObject* s, TWorkMode m, int64_t n) { IdHTTP2Work(s, m, n); };
}

TfrmUpdate::~TfrmUpdate() = default;

void TfrmUpdate::btnCancelClick(TObject*) {
  FCancelled = true;
  SetModalResult(mrCancel);
  Close();
}

void TfrmUpdate::IdHTTP2Work(TObject*, TWorkMode, int64_t count) {
  ProgressBar1->SetValue(static_cast<float>(FProgressBase + count));
  ProcessMessages();
}

void TfrmUpdate::IdHTTP1Work(TObject* Sender, TWorkMode mode, int64_t count) {
  IdHTTP2Work(Sender, mode, count);
}

int TfrmUpdate::ShowModal() {
  FShowing = true;
  struct TShowingScope {
    bool& Flag;
    ~TShowingScope() { Flag = false; }
  } scope{FShowing};
  if (ModalHandler) return ModalHandler(*this);
  SetPosition(poMainFormCenter);
  return TForm::ShowModal();
}
