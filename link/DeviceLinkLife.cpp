// The device link's start at the first activation of the window and its end
// with the window.

#include <memory>
#include <vector>

#include "app/MyThread.h"
#include "app/frmInterface.h"
#include "platform/hid/DeviceNotifier.h"
#include "platform/hid/HidApi.h"
#include "platform/vcl/Timers.h"

using namespace hid;

void TfrmInterface::StartDeviceLink() {
  if (FDeviceLinkStarted) return;
  FDeviceLinkStarted = true;
  if (!FDeviceRecords) FDeviceRecords = std::make_unique<std::vector<hid_device_info*>>();
  if (!FDeviceNotifier) {
    FDeviceNotifier = new THidDeviceNotifier;
    FDeviceNotifier->Register(
        [this](TDeviceChange change, const std::string& path) { HidDeviceChanged(change, path); });
  }
  HidCtlDeviceArrival();
}

void TfrmInterface::CloseLink() {
  delete FDeviceNotifier;
  FDeviceNotifier = nullptr;
  // A change held for an operation has nothing left to act on.
  if (DeviceChangeTimer) DeviceChangeTimer->SetEnabled(false);
  FHeldArrival = FHeldRemoval = false;
  delete FThread;  // joins a running worker
  FThread = nullptr;
  if (FDevice) hid_close(FDevice);
  FDevice = nullptr;
  FDevicePath = nullptr;
  if (FDeviceRecords) FDeviceRecords->clear();
  hid_free_enumeration(FEnumeration);
  FEnumeration = nullptr;
}
