#include "canvas/zr_d2d_unit.h"

#include "canvas/zr_canvas_d2d.h"
#include "canvas/zr_filter_wic.h"
#include "scene/zr_filter.h"

PD2D1CreateFactory D2D1CreateFactoryEntry = nullptr;
PDWriteCreateFactory DWriteCreateFactoryEntry = nullptr;

namespace {

HMODULE D2D1Handle = 0;
HMODULE DWriteHandle = 0;

}  // namespace

void LoadDirect2D() {
  D2D1Handle = D2D1LoadLibrary("d2d1.dll");
  if (D2D1Handle) D2D1CreateFactoryEntry = D2D1GetCreateFactory(D2D1Handle, "D2D1CreateFactory");
  DWriteHandle = D2D1LoadLibrary("DWrite.dll");
  if (DWriteHandle)
    DWriteCreateFactoryEntry = DWriteGetCreateFactory(DWriteHandle, "DWriteCreateFactory");
}

void UnloadDirect2D() {
  SharedWICFactory.reset();
  SharedDWriteFactory.reset();
  SharedD2DFactory.reset();
  D2D1CreateFactoryEntry = nullptr;
  DWriteCreateFactoryEntry = nullptr;
  if (D2D1Handle) D2D1FreeLibrary(D2D1Handle);
  if (DWriteHandle) D2D1FreeLibrary(DWriteHandle);
  D2D1Handle = 0;
  DWriteHandle = 0;
}

HMODULE D2D1Module() { return D2D1Handle; }

HMODULE DWriteModule() { return DWriteHandle; }

void SetD2DDefault() {
  if (!D2D1Handle) return;
  DefaultCanvasClass = TzrCanvasD2D::ClassRef();
  DefaultFilterClass = TzrFilterWIC::Class();
}

void UseDirect2DCanvas() { SetD2DDefault(); }
