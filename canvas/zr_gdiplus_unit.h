#pragma once
// Start-up and shut-down of the drawing layer for the canvas and the codec.
//
// The layer is linked into the program, so "loading" it only marks it as
// present; starting it prepares the font machinery (fontconfig, Pango) and
// shutting it down frees the shared generic families and string formats.
// The unit initialisation makes TzrCanvasGdiPlus and TzrFilterGdiPlus the
// toolkit's default classes; the program calls it once at start, before any
// window exists, and the finalisation once at the end.

#include "platform/gdiplus/GdiPlusTypes.h"

// Marks the layer as loaded.
void LoadGdiPlus();
// Marks it as not loaded; nothing when it is not.
void UnloadGdiPlus();
bool GdiPlusLoaded();

// Loads the layer unless it is loaded, then starts it. A second call while
// loaded does nothing and answers Ok. A failed start leaves it unloaded.
Gdiplus::Status InitGDIP();
// Shuts the layer down and unloads it; nothing when it is not loaded.
void FreeGDIP();

// Selects the default canvas (unless one is selected already), printer
// canvas and codec classes, then starts the layer; raises Exception when the
// layer cannot start.
void InitializeCanvasGdiPlus();
void FinalizeCanvasGdiPlus();
