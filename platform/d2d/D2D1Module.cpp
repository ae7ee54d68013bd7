#include "platform/d2d/D2D1Module.h"

#include <glib.h>

#include "platform/d2d/D2D1Factory.h"

namespace {

constexpr HMODULE kD2D1 = 1, kDWrite = 2;
bool Absent = false;
int DeviceLosses = 0;

HRESULT CreateD2D1Factory(D2D1_FACTORY_TYPE, std::shared_ptr<ID2D1Factory>* factory) {
  if (!factory) return E_INVALIDARG;
  *factory = std::make_shared<ID2D1Factory>();
  return S_OK;
}

HRESULT CreateDWriteFactory(DWRITE_FACTORY_TYPE, std::shared_ptr<IDWriteFactory>* factory) {
  if (!factory) return E_INVALIDARG;
  *factory = std::make_shared<IDWriteFactory>();
  return S_OK;
}

bool Same(const char* a, const char* b) { return a && g_ascii_strcasecmp(a, b) == 0; }

}  // namespace

HMODULE D2D1LoadLibrary(const char* name) {
  if (Absent) return 0;
  if (Same(name, "d2d1.dll")) return kD2D1;
  if (Same(name, "DWrite.dll")) return kDWrite;
  return 0;
}

void D2D1FreeLibrary(HMODULE) {}

PD2D1CreateFactory D2D1GetCreateFactory(HMODULE module, const char* name) {
  return module == kD2D1 && Same(name, "D2D1CreateFactory") ? &CreateD2D1Factory : nullptr;
}

PDWriteCreateFactory DWriteGetCreateFactory(HMODULE module, const char* name) {
  return module == kDWrite && Same(name, "DWriteCreateFactory") ? &CreateDWriteFactory : nullptr;
}

void D2D1SetLibrariesAbsent(bool Value) { Absent = Value; }

void D2D1SetDeviceLoss(int Count) { DeviceLosses = Count; }

bool D2D1TakeDeviceLoss() {
  if (DeviceLosses <= 0) return false;
  --DeviceLosses;
  return true;
}
