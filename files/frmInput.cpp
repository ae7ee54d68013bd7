#include "files/frmInput.h"

#include <string>

#include "app/SceneCapture.h"
#include "app/SceneForms.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_combo_text_box.h"
#include "controls/zr_compound.h"
#include "controls/zr_labels.h"
#include "controls/zr_objects.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_panels.h"
#include "controls/zr_text_box.h"
#include "platform/vcl/JpegImage.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

std::function<int(TfrmInput& dialog)> TfrmInput::ModalHandler;

TfrmInput::TfrmInput(TComponent* AOwner) : TForm(AOwner) {
  SetName("frmInput");
  SetBorderStyle(bsDialog);
  ReadSceneForm(this, "frmInput");
  FindSceneComponent(this, "ControlsScene", ControlsScene);
  FindSceneComponent(this, "Root1", Root1);
  FindSceneComponent(this, "Panel1", Panel1);
  FindSceneComponent(this, "Image1", Image1);
  FindSceneComponent(this, "eDriver", eDriver);
  FindSceneComponent(this, "eEvent", eEvent);
  FindSceneComponent(this, "eNation", eNation);
  FindSceneComponent(this, "eDate", eDate);
  FindSceneComponent(this, "eFinal", eFinal);
  FindSceneComponent(this, "eEndbell", eEndbell);
  FindSceneComponent(this, "lChassis", lChassis);
  FindSceneComponent(this, "lTyres", lTyres);
  FindSceneComponent(this, "lTrack", lTrack);
  FindSceneComponent(this, "lTraction", lTraction);
  FindSceneComponent(this, "lSurface", lSurface);
  FindSceneComponent(this, "lType", lType);
  FindSceneComponent(this, "lMotor", lMotor);
  FindSceneComponent(this, "lRotor", lRotor);
  FindSceneComponent(this, "lBattery", lBattery);
  FindSceneComponent(this, "lEcs", lEcs);
  FindSceneComponent(this, "eChassis", eChassis);
  FindSceneComponent(this, "eTyres", eTyres);
  FindSceneComponent(this, "eMotor", eMotor);
  FindSceneComponent(this, "eBattery", eBattery);
  FindSceneComponent(this, "eVersion", eVersion);
  FindSceneComponent(this, "eRotor", eRotor);
  FindSceneComponent(this, "eEcs", eEcs);
  FindSceneComponent(this, "eNote", eNote);
  for (int i = 0; i < 11; ++i)
    FindSceneComponent(this, "RadioButton" + std::to_string(i + 1), RadioButtons[i]);
  FindSceneComponent(this, "btnOk", btnOk);
  FindSceneComponent(this, "btnCancel", btnCancel);
  btnOk->OnClick = [this](TObject* s) { btnOkClick(s); };
  btnCancel->OnClick = [this](TObject* s) { btnCancelClick(s); };
  eRotor->OnChange = [this](TObject* s) { ComboTextBoxChange(s); };
  eEcs->OnChange = [this](TObject* s) { ComboTextBoxChange(s); };
}

TfrmInput::~TfrmInput() = default;

int TfrmInput::ShowModal() {
  if (ModalHandler) return ModalHandler(*this);
  SetPosition(poMainFormCenter);
  return TForm::ShowModal();
}

void TfrmInput::btnOkClick(TObject*) { CaptureHeaderImage(); }

void TfrmInput::btnCancelClick(TObject*) {
  for (TzrCompoundTextBox* box : {eEvent, eDriver, eNation, eDate, eEndbell, eFinal})
    box->SetText(u"");
  for (TzrTextBox* box : {eVersion, eChassis, eTyres, eMotor, eBattery}) box->SetText(u"");
  eNote->SetText(u"");
  for (TzrRadioButton* button : RadioButtons) button->Uncheck();
  CaptureHeaderImage();
}

void TfrmInput::ComboTextBoxChange(TObject* Sender) {
  auto* combo = dynamic_cast<TzrComboTextBox*>(Sender);
  if (!combo) return;
  const std::u16string& text = combo->GetText();
  combo->SetReadOnly(text != u"Other" && text != u"其他");
}

void TfrmInput::CaptureHeaderImage() {
  std::unique_ptr<TzrBitmap> shot =
      RenderSceneArea(*ControlsScene, 0, 0, int(Panel1->GetWidth()), int(Panel1->GetHeight()));
  FHeaderImage = JpegOfBitmap(*shot);
}
