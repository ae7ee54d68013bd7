#pragma once
// The simulated adapter: a HID back end for tests that enumerates like the
// link adapter and answers through a device model (controller, and later
// boot loader, data link, Modbus channel, analyzer). Replies are queued at
// once (zero latency); a read with nothing to give waits out its time-out on
// the clock in force, so tests on the virtual clock see the same time-outs.

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/hid/HidApi.h"

class TSimDevice;

// What a device behind the adapter does with the reports the program writes.
class TSimDeviceModel {
 public:
  virtual ~TSimDeviceModel() = default;
  // One frame written by the program (report identifier removed).
  virtual void OnFrame(const std::vector<uint8_t>& frame, TSimDevice& device) = 0;
  // A whole output report as written (identifier first), before it is cut
  // into a link frame. A model that takes reports of another layout handles
  // them here and returns true; the report then reaches no OnFrame.
  virtual bool OnReport(const uint8_t* /*report*/, size_t /*length*/, TSimDevice& /*device*/) {
    return false;
  }
};

// Frame helpers shared by the device models.
uint16_t SimCrc16Xmodem(const uint8_t* data, size_t count);
std::vector<uint8_t> SimShortFrame(uint8_t start, uint8_t command, uint8_t end);
std::vector<uint8_t> SimDataFrame(uint8_t start, uint8_t command, uint16_t index,
                                  const uint8_t* data, int n, uint8_t end);
// Report identifier for an outgoing frame of the given length, as the device sends it.
uint8_t SimReportId(size_t frameLength);

// One plugged HID device.
class TSimDevice {
 public:
  TSimDevice(std::string path, uint16_t vendor, uint16_t product, std::wstring productText,
             std::unique_ptr<TSimDeviceModel> model);

  const std::string& Path() const { return FPath; }
  uint16_t Vendor() const { return FVendor; }
  uint16_t Product() const { return FProduct; }
  const std::wstring& ProductText() const { return FProductText; }
  TSimDeviceModel* Model() const { return FModel.get(); }
  bool Plugged() const { return FPlugged; }
  void SetPlugged(bool plugged) { FPlugged = plugged; }

  // Report lengths the enumeration gives (identifier byte included).
  int InputReportLength = 49;
  int OutputReportLength = 25;

  // Queues a frame as one input report.
  void Reply(const std::vector<uint8_t>& frame);
  // Queues a raw input report (identifier byte first), exactly as given.
  void ReplyRaw(const std::vector<uint8_t>& report);
  size_t Pending() const { return FInput.size(); }
  void ClearPending() { FInput.clear(); }

  // Fault knobs of the adapter itself.
  int SilentReads = 0;        // the next reads time out; queued replies wait
  int RefuseWrites = 0;       // the next writes are not taken (-1: every write)
  int UnplugAfterReads = -1;  // unplugged once this many more reads have run

  // Every frame the program wrote, in order (report identifier removed, cut to
  // the frame's length).
  std::vector<std::vector<uint8_t>> Written;
  int Reads = 0;

  // Called by the back end.
  int Read(unsigned char* data, size_t length, int milliseconds);
  int Write(const unsigned char* data, size_t length, int milliseconds);

 private:
  std::string FPath;
  uint16_t FVendor;
  uint16_t FProduct;
  std::wstring FProductText;
  std::unique_ptr<TSimDeviceModel> FModel;
  std::deque<std::vector<uint8_t>> FInput;
  bool FPlugged = true;
};

// The back end. Constructing it installs it; destroying it restores hidapi.
class TSimAdapter : public hid::THidBackend {
 public:
  TSimAdapter();
  ~TSimAdapter() override;

  // Plugs a device behind an adapter with the given identifiers.
  TSimDevice& Plug(std::unique_ptr<TSimDeviceModel> model, uint16_t vendor = 0x10C4,
                   uint16_t product = 0x82CD, std::wstring productText = L"USB HID Adapter");
  void Unplug(TSimDevice& device);
  // Plugs an ordinary HID device that is no adapter (a mouse).
  TSimDevice& PlugOther();

  int InitCalls = 0;
  int ExitCalls = 0;
  int OpenCalls = 0;

  int Init() override;
  int Exit() override;
  hid::hid_device_info* Enumerate(unsigned short vendor, unsigned short product) override;
  void FreeEnumeration(hid::hid_device_info* list) override;
  hid::hid_device* OpenPath(const char* path) override;
  void Close(hid::hid_device* device) override;
  int ReadTimeout(hid::hid_device* device, unsigned char* data, size_t length,
                  int milliseconds) override;
  int WriteTimeout(hid::hid_device* device, const unsigned char* data, size_t length,
                   int milliseconds) override;

 private:
  std::vector<std::unique_ptr<TSimDevice>> FDevices;
  int FNextNode = 0;
};
