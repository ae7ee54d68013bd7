// Program entry: start the drawing layer, register the animation, effect and
// plot grid classes, start the application object, create the main window
// from its form and run the message loop. An exception that leaves these
// steps is shown by the application object.

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_effects.h"
#include "controls/zr_plot_grid.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_ani.h"

int main() {
  try {
    InitializeCanvasGdiPlus();
    RegisterAnimationClasses();
    RegisterEffectClasses();
    RegisterPlotGridClass();
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
