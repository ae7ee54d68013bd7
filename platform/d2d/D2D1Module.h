#pragma once
// Loading the Direct2D and DirectWrite libraries. The layer is linked into
// the program, so loading a library only marks it present and answers a
// handle; entry points are found by name. Two switches let tests play the
// situations a machine can be in: the libraries missing, and the device
// lost at the end of drawing.

#include <cstdint>
#include <memory>

#include "platform/d2d/D2D1Types.h"
#include "platform/d2d/DWrite.h"

class ID2D1Factory;

using HMODULE = uintptr_t;

// "d2d1.dll" or "DWrite.dll" (any letter case): a handle, 0 when absent.
HMODULE D2D1LoadLibrary(const char* name);
void D2D1FreeLibrary(HMODULE module);

using PD2D1CreateFactory = HRESULT (*)(D2D1_FACTORY_TYPE factoryType,
                                       std::shared_ptr<ID2D1Factory>* factory);
using PDWriteCreateFactory = HRESULT (*)(DWRITE_FACTORY_TYPE factoryType,
                                         std::shared_ptr<IDWriteFactory>* factory);
// The entry points by name: "D2D1CreateFactory" in the Direct2D library,
// "DWriteCreateFactory" in the DirectWrite one; nil otherwise.
PD2D1CreateFactory D2D1GetCreateFactory(HMODULE module, const char* name);
PDWriteCreateFactory DWriteGetCreateFactory(HMODULE module, const char* name);

// Test switches: the libraries cannot be loaded; the next Count EndDraw
// calls answer D2DERR_RECREATE_TARGET.
void D2D1SetLibrariesAbsent(bool Absent);
void D2D1SetDeviceLoss(int Count);
// Takes one device loss when one is pending.
bool D2D1TakeDeviceLoss();
