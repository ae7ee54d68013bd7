#include "app/frmInterface.h"

#include "app/SceneForms.h"
#include "controls/zr_text_box.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"
#include "scene/zr_visual.h"

TfrmInterface* frmInterface = nullptr;

TfrmInterface::TfrmInterface(TComponent* AOwner) : TForm(AOwner) {
  SetName("frmInterface");
  SetBorderStyle(bsSingle);
  ReadForm();
  FindFormComponents();
  CreateHelperComponents();
  BindFormHandlers();
  SetMenu(MainMenu1);
  if (!frmInterface) frmInterface = this;
}

TfrmInterface::~TfrmInterface() {
  CloseLink();
  // The boxes outlive this part of the window (the component tree frees them
  // later): a box that loses the focus then must not call back into it.
  for (TzrCustomTextBox* box : calcTextBox)
    if (box) box->OnKillFocus = nullptr;
  if (frmInterface == this) frmInterface = nullptr;
}

// The window's form resource: its size and caption, the scene with every
// control of the frame and the fixed pages, the status bar, the menus, the
// link timer and the file dialogs. The classes it names must be registered,
// whoever creates the window.
void TfrmInterface::ReadForm() {
  ReadSceneForm(this, "frmInterface");
  ControlsScene = dynamic_cast<TzoRurev*>(FindComponent("ControlsScene"));
  Backgroup = dynamic_cast<TzrBackground*>(FindComponent("Backgroup"));
  SceneStyle = dynamic_cast<TzrResources*>(FindComponent("SceneStyle"));
  if (!ControlsScene || !Backgroup || !SceneStyle)
    throw Exception("Form frmInterface: the scene is missing");
  ControlsScene->SetStyle(SceneStyle);
}
