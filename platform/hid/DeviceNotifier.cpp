#include "platform/hid/DeviceNotifier.h"

#include <glib-unix.h>
#include <glib.h>
#include <libudev.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace hid {

namespace {

// Events come from the udev daemon once it has processed them; where no daemon
// runs (containers), straight from the kernel.
const char* MonitorSource() { return access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel"; }

}  // namespace

THidDeviceNotifier::~THidDeviceNotifier() { Unregister(); }

bool THidDeviceNotifier::Register(
    std::function<void(TDeviceChange, const std::string& path)> handler) {
  FHandler = std::move(handler);
  if (Registered()) return true;
  FUdev = udev_new();
  if (!FUdev) return false;
  FMonitor = udev_monitor_new_from_netlink(FUdev, MonitorSource());
  if (!FMonitor ||
      udev_monitor_filter_add_match_subsystem_devtype(FMonitor, "hidraw", nullptr) < 0 ||
      udev_monitor_enable_receiving(FMonitor) < 0) {
    Unregister();
    return false;
  }
  const int fd = udev_monitor_get_fd(FMonitor);
  FWatch = g_unix_fd_add(fd, G_IO_IN, reinterpret_cast<GUnixFDSourceFunc>(&OnReadable), this);
  return FWatch != 0;
}

void THidDeviceNotifier::Unregister() {
  if (FWatch) g_source_remove(FWatch);
  FWatch = 0;
  if (FMonitor) udev_monitor_unref(FMonitor);
  FMonitor = nullptr;
  if (FUdev) udev_unref(FUdev);
  FUdev = nullptr;
}

int THidDeviceNotifier::OnReadable(int, unsigned, void* self) {
  static_cast<THidDeviceNotifier*>(self)->Drain();
  return G_SOURCE_CONTINUE;
}

void THidDeviceNotifier::Drain() {
  while (udev_device* device = udev_monitor_receive_device(FMonitor)) {
    const char* action = udev_device_get_action(device);
    const bool added = action && std::strcmp(action, "add") == 0;
    const bool removed = action && std::strcmp(action, "remove") == 0;
    const char* node = udev_device_get_devnode(device);
    const std::string path = node ? node : "";
    udev_device_unref(device);
    // The handler may unregister (and so free the monitor): stop reading then.
    if (added && FHandler) FHandler(TDeviceChange::Arrival, path);
    if (removed && FHandler) FHandler(TDeviceChange::Removal, path);
    if (!FMonitor) return;
  }
}

}  // namespace hid
