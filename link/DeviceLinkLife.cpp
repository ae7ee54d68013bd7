// The device link's end with the window.

#include <memory>
#include <vector>

#include "app/MyThread.h"
#include "app/frmInterface.h"
#include "platform/hid/DeviceNotifier.h"
#include "platform/hid/HidApi.h"
#include "platform/vcl/Timers.h"

using namespace hid;

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
