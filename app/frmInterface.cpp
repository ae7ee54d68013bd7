#include "app/frmInterface.h"

#include "platform/rtl/SysUtils.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_forms.h"
#include "scene/zr_scene_unit.h"
#include "scene/zr_visual.h"

TfrmInterface* frmInterface = nullptr;

TfrmInterface::TfrmInterface(TComponent* AOwner) : TForm(AOwner) {
  SetName("frmInterface");
  SetBorderStyle(bsSingle);
  ReadForm();
  CreateLinkControls();
  CreateDataLinkControls();
  CreateAnalyzerControls();
  XML = new TXMLDocument(this);
  XML->SetName("XML");
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnActivate = [this](TObject* s) { FormActivate(s); };
  OnDestroy = [this](TObject* s) { FormDestroy(s); };
  if (!frmInterface) frmInterface = this;
}

TfrmInterface::~TfrmInterface() {
  CloseLink();
  if (frmInterface == this) frmInterface = nullptr;
}

// The window's form resource: its size and caption, the scene and its root.
// The classes it names must be registered, whoever creates the window.
void TfrmInterface::ReadForm() {
  InitializeScene();
  const std::vector<std::string> errors = ReadFormResource(this, "frmInterface");
  if (!errors.empty()) throw Exception("Form frmInterface: " + errors.front());
  ControlsScene = dynamic_cast<TzoRurev*>(FindComponent("ControlsScene"));
  Backgroup = dynamic_cast<TzrBackground*>(FindComponent("Backgroup"));
  SceneStyle = dynamic_cast<TzrResources*>(FindComponent("SceneStyle"));
  if (!ControlsScene || !Backgroup || !SceneStyle)
    throw Exception("Form frmInterface: the scene is missing");
  ControlsScene->SetStyle(SceneStyle);
}
