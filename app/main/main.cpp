// Program entry: start the drawing layers, the scene toolkit (its classes
// registered) and the chart texts, register the shape, effect and plot grid
// classes and the add-on widgets, start the application object, create the
// main window from its form and run the message loop. An exception that leaves these steps is shown by
// the application object. The toolkit shuts down after the last form is gone.

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "chart/PlotStartup.h"
#include "controls/XwRegister.h"
#include "controls/zr_controls_register.h"
#include "controls/zr_effects.h"
#include "controls/zr_objects.h"
#include "controls/zr_plot_grid.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_scene_unit.h"

int main() {
  try {
    InitializeCanvasGdiPlus();
    InitializeScene();
    InitializeChart();
    RegisterShapes();
    RegisterEffectClasses();
    RegisterPlotGridClass();
    RegisterStandardControls();
    RegisterXwWidgetClasses();
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
  FinalizeChart();
  FinalizeCanvasGdiPlus();
  return 0;
}
