#include "chart/PlotHooks.h"

#include "platform/vcl/ShellOpen.h"

std::function<void(TComponent*, const std::vector<TComponent*>&)> PlotTranslateHook;
std::function<void(const std::string&, TStream&)> PlotDownloadURLProc;

void PlotTranslateControl(TComponent* Control) { PlotTranslateControl(Control, {}); }

void PlotTranslateControl(TComponent* Control, const std::vector<TComponent*>& ExcludeChilds) {
  if (PlotTranslateHook) PlotTranslateHook(Control, ExcludeChilds);
}

void PlotGotoURL(GtkWidget*, const std::string& URL) { ShellOpen(URL.substr(0, 255)); }
