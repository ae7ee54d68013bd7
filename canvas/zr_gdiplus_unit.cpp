#include "canvas/zr_gdiplus_unit.h"

#include <cstdint>

#include "canvas/zr_canvas_gdiplus.h"
#include "canvas/zr_filter_gdiplus.h"
#include "platform/gdiplus/GdiPlusStartup.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_filter.h"

namespace {

bool Loaded = false;
uintptr_t StartupToken = 0;

}  // namespace

void LoadGdiPlus() { Loaded = true; }

void UnloadGdiPlus() { Loaded = false; }

bool GdiPlusLoaded() { return Loaded; }

Gdiplus::Status InitGDIP() {
  if (Loaded) return Gdiplus::Ok;
  LoadGdiPlus();
  Gdiplus::GdiplusStartupInput input;  // version 1, no callback, nothing suppressed
  Gdiplus::Status status = Gdiplus::GdiplusStartup(&StartupToken, &input, nullptr);
  if (status != Gdiplus::Ok) UnloadGdiPlus();
  return status;
}

void FreeGDIP() {
  if (!Loaded) return;
  // the last shut-down frees the shared families and formats
  Gdiplus::GdiplusShutdown(StartupToken);
  StartupToken = 0;
  UnloadGdiPlus();
}

void InitializeCanvasGdiPlus() {
  DefaultFilterClass = TzrFilterGdiPlus::Class();
  if (!DefaultCanvasClass) DefaultCanvasClass = TzrCanvasGdiPlus::ClassRef();
  DefaultPrinterCanvasClass = TzrCanvasGdiPlus::ClassRef();
  if (InitGDIP() != Gdiplus::Ok) throw Exception("The drawing layer could not be started");
}

void FinalizeCanvasGdiPlus() { FreeGDIP(); }
