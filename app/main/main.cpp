// Program entry: start the drawing layers, the chart texts, the animation classes and the
// application object, create the main window from its form and run the message loop. An
// exception that leaves these steps is shown by the application object.

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "chart/PlotStartup.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_ani.h"

int main() {
  try {
    InitializeCanvasGdiPlus();
    RegisterAnimationClasses();
    InitializeChart();
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
  FinalizeChart();
  FinalizeCanvasGdiPlus();
  return 0;
}
