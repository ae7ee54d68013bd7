#include "chart/PlotModules.h"

#include <dlfcn.h>

#include "platform/rtl/Streams.h"

PlotModule PlotLoadLibrary(const std::string& FileName) {
  return dlopen(FileName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void PlotFreeLibrary(PlotModule Module) {
  if (Module) dlclose(Module);
}

void* PlotGetProcAddress(PlotModule Module, const std::string& Name) {
  return Module ? dlsym(Module, Name.c_str()) : nullptr;
}

TResourceStream* PlotResourceStream(const std::string& Name) {
  // The program and its libraries share one registry of compiled-in data.
  if (!FindResource(Name)) return nullptr;
  return new TResourceStream(Name);
}
