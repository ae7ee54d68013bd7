// Program entry: start the drawing layer and the scene toolkit, register the
// animation classes and start the application object, create the main window
// from its form and run the message loop. An exception that leaves these steps
// is shown by the application object. The scene toolkit shuts down after the
// last form is gone.

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_ani.h"
#include "scene/zr_scene_unit.h"

int main() {
  try {
    InitializeCanvasGdiPlus();
    InitializeScene();
    RegisterAnimationClasses();
    Application->Initialize();
    Application->CreateForm<TfrmInterface>();
    Application->Run();
  } catch (const std::exception& e) {
    Application->ShowException(e);
  } catch (...) {
    Application->ShowException(Exception(""));
  }
  Application->Finalize();
  FinalizeScene();
  FinalizeCanvasGdiPlus();
  return 0;
}
