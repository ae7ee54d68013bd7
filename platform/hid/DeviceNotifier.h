#pragma once
// Device-change notifications: a libudev monitor of the "hidraw" subsystem
// watched on the GLib main loop. Each added node is reported as an arrival,
// each removed node as a removal, on the GUI thread, with the node's path
// ("/dev/hidraw3", the path the device is enumerated and opened by; empty when
// the event carries none).

#include <functional>
#include <string>

struct udev;
struct udev_monitor;

namespace hid {

enum class TDeviceChange { Arrival, Removal };

class THidDeviceNotifier {
 public:
  THidDeviceNotifier() = default;
  ~THidDeviceNotifier();
  THidDeviceNotifier(const THidDeviceNotifier&) = delete;
  THidDeviceNotifier& operator=(const THidDeviceNotifier&) = delete;

  // Starts watching; returns false when no monitor can be made (then nothing
  // is reported). Starting again while registered changes nothing.
  bool Register(std::function<void(TDeviceChange, const std::string& path)> handler);
  void Unregister();
  bool Registered() const { return FWatch != 0; }

 private:
  static int OnReadable(int fd, unsigned condition, void* self);
  void Drain();

  std::function<void(TDeviceChange, const std::string& path)> FHandler;
  struct udev* FUdev = nullptr;
  struct udev_monitor* FMonitor = nullptr;
  unsigned FWatch = 0;
};

}  // namespace hid
