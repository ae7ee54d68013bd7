#pragma once
// Start-up and shut-down of the Direct2D canvas's unit. LoadDirect2D marks
// the linked Direct2D and DirectWrite layer present and finds its entry
// points (the test switch D2D1SetLibrariesAbsent makes it absent);
// SetD2DDefault makes the Direct2D canvas the toolkit's default canvas when
// the layer is present; UseDirect2DCanvas is the toolkit's switch to it.

#include "platform/d2d/D2D1Module.h"

// The entry points LoadDirect2D found; nil while the library is absent.
extern PD2D1CreateFactory D2D1CreateFactoryEntry;
extern PDWriteCreateFactory DWriteCreateFactoryEntry;

void LoadDirect2D();
// Releases the shared factories, forgets the entry points and frees the
// libraries.
void UnloadDirect2D();
// 0 when the library is not loaded.
HMODULE D2D1Module();
HMODULE DWriteModule();
void SetD2DDefault();
void UseDirect2DCanvas();
