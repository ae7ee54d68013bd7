// Program entry: start the drawing layer, register the animation and shape
// classes and start the application object, create the main window from its
// form and run the message loop. An exception that leaves these steps is
// shown by the application object.

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_objects.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_ani.h"

int main() {
  try {
    InitializeCanvasGdiPlus();
    RegisterAnimationClasses();
    RegisterShapes();
    Application->Initialize();
    Application->CreateForm<TfrmInterface>();
    Application->Run();
  } catch (const std::exception& e) {
    Application->ShowException(e);
  } catch (...) {
    Application->ShowException(Exception(""));
  }
  Application->Finalize();
  zrFreeAniThread();
  FinalizeCanvasGdiPlus();
  return 0;
}
