#pragma once
// Start-up and shut-down of the drawing layer: prepares the font machinery
// and, at the last shut-down, frees the shared generic families and formats.

#include <cstdint>

#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

struct GdiplusStartupInput {
  UINT GdiplusVersion = 1;
  void* DebugEventCallback = nullptr;
  bool SuppressBackgroundThread = false;
  bool SuppressExternalCodecs = false;
};

struct GdiplusStartupOutput {
  void* NotificationHook = nullptr;
  void* NotificationUnhook = nullptr;
};

// Version 1 only. Each successful start-up gives a token for one shut-down.
Status GdiplusStartup(uintptr_t* token, const GdiplusStartupInput* input,
                      GdiplusStartupOutput* output);
void GdiplusShutdown(uintptr_t token);
bool GdiplusIsRunning();

}  // namespace Gdiplus
