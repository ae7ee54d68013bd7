#include "app/frmAbout.h"

#include "app/SceneForms.h"
#include "controls/zr_controls.h"
#include "controls/zr_layouts.h"
#include "controls/zr_objects.h"
#include "controls/zr_objects_text.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/ShellOpen.h"
#include "platform/vcl/Timers.h"
#include "scene/zr_ani.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

std::function<int(TfrmAbout& box)> TfrmAbout::ModalHandler;

TfrmAbout::TfrmAbout(TComponent* AOwner) : TForm(AOwner) {
  SetName("frmAbout");
  SetBorderStyle(bsDialog);
  ReadSceneForm(this, "frmAbout");
  FindSceneComponent(this, "ControlsScene", ControlsScene);
  FindSceneComponent(this, "Root1", Root1);
  FindSceneComponent(this, "FirstLayout", FirstLayout);
  FindSceneComponent(this, "Text2", Text2);
  FindSceneComponent(this, "AniLayout", AniLayout);
  FindSceneComponent(this, "Text1", Text1);
  FindSceneComponent(this, "textList", textList);
  FindSceneComponent(this, "Slide", Slide);
  FindSceneComponent(this, "Text3", Text3);
  FindSceneComponent(this, "LogoImage", LogoImage);
  FindSceneComponent(this, "Button1", Button1);
  FindSceneComponent(this, "Button2", Button2);
  FindSceneComponent(this, "zrResources1", zrResources1);
  ControlsScene->SetStyle(zrResources1);
  CreditsTimer = new TTimer(this);
  CreditsTimer->SetName("CreditsTimer");
  CreditsTimer->SetEnabled(false);
  CreditsTimer->SetOnTimer([this](TObject* s) { CreditsTimerTimer(s); });
  Button1->OnClick = [this](TObject* s) { Button1Click(s); };
  Button2->OnClick = [this](TObject* s) { Button2Click(s); };
  Text2->OnClick = [this](TObject* s) { Text2Click(s); };
  Text3->OnClick = [this](TObject* s) { Text3Click(s); };
  FormCreate(this);
}

void TfrmAbout::FormCreate(TObject*) { textList->SetText(u""); }

void TfrmAbout::Button1Click(TObject*) {
  LogoImage->AnimateFloat("Scale.X", 0.5f, 0.2f);
  LogoImage->AnimateFloat("Scale.Y", 0.5f, 0.2f);
  FirstLayout->AnimateFloatWait("Opacity", 0, 0.4f);
  FirstLayout->SetVisible(false);
  AniLayout->SetOpacity(0);
  AniLayout->SetVisible(true);
  AniLayout->AnimateFloatWait("Opacity", 1, 0.6f);
  CreditsTimer->SetEnabled(true);
}

void TfrmAbout::CreditsTimerTimer(TObject*) {
  CreditsTimer->SetEnabled(false);
  Slide->SetStartFromCurrent(true);
  Slide->SetStopValue(-AniLayout->GetHeight());
  Slide->Start();
}

void TfrmAbout::OpenWebText(const TzrText* text) {
  const std::string address = UTF16ToUTF8(text->GetText());
  if (address.rfind("http://", 0) != 0) return;
  ShellOpen(address);
}

void TfrmAbout::Text2Click(TObject*) { OpenWebText(Text2); }

void TfrmAbout::Text3Click(TObject*) { OpenWebText(Text3); }

void TfrmAbout::Button2Click(TObject*) { Close(); }

int TfrmAbout::ShowModal() {
  if (ModalHandler) return ModalHandler(*this);
  SetPosition(poMainFormCenter);
  return TForm::ShowModal();
}
