#include "tests/support/SimAdapter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "platform/rtl/Clock.h"

using namespace hid;

uint16_t SimCrc16Xmodem(const uint8_t* data, size_t count) {
  uint16_t crc = 0;
  for (size_t i = 0; i < count; ++i) {
    crc ^= static_cast<uint16_t>(data[i] << 8);
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc & 0x8000) ? static_cast<uint16_t>((crc << 1) ^ 0x1021)
                           : static_cast<uint16_t>(crc << 1);
  }
  return crc;
}

std::vector<uint8_t> SimShortFrame(uint8_t start, uint8_t command, uint8_t end) {
  return {start, command, static_cast<uint8_t>(255 - command), end};
}

std::vector<uint8_t> SimDataFrame(uint8_t start, uint8_t command, uint16_t index,
                                  const uint8_t* data, int n, uint8_t end) {
  std::vector<uint8_t> frame(static_cast<size_t>(8 + n), 0);
  frame[0] = start;
  frame[1] = command;
  frame[2] = static_cast<uint8_t>(n);
  frame[3] = static_cast<uint8_t>(index & 0xFF);
  frame[4] = static_cast<uint8_t>(index >> 8);
  for (int i = 0; i < n; ++i) frame[5 + i] = data[i];
  const uint16_t crc = SimCrc16Xmodem(frame.data(), static_cast<size_t>(5 + n));
  frame[5 + n] = static_cast<uint8_t>(crc & 0xFF);
  frame[6 + n] = static_cast<uint8_t>(crc >> 8);
  frame[7 + n] = end;
  return frame;
}

uint8_t SimReportId(size_t frameLength) {
  switch (frameLength) {
    case 4:
      return 1;
    case 8:
      return 2;
    case 9:
      return 3;
    case 24:
      return 4;
    default:
      return frameLength <= 24 ? 4 : 0;
  }
}

namespace {

// Frame length of an output report: by identifier for the short, command and
// mode frames; from the length byte for data frames.
size_t WrittenFrameLength(const unsigned char* report, size_t length) {
  size_t frame = 0;
  switch (report[0]) {
    case 1:
      frame = 4;
      break;
    case 2:
      frame = 8;
      break;
    case 3:
      frame = 9;
      break;
    default:
      frame = length > 3 ? 8 + report[3] : length - 1;
      break;
  }
  return std::min(frame, length - 1);
}

struct TSimHandle : hid_device {
  TSimDevice* Device = nullptr;
};

}  // namespace

TSimDevice::TSimDevice(std::string path, uint16_t vendor, uint16_t product,
                       std::wstring productText, std::unique_ptr<TSimDeviceModel> model)
    : FPath(std::move(path)),
      FVendor(vendor),
      FProduct(product),
      FProductText(std::move(productText)),
      FModel(std::move(model)) {}

void TSimDevice::Reply(const std::vector<uint8_t>& frame) {
  const uint8_t id = SimReportId(frame.size());
  const size_t slot = id == 1 ? 4 : id == 2 ? 8 : id == 3 ? 9 : id == 4 ? 24 : 48;
  // The device sends whole reports: a shorter frame is padded with zeros and
  // the report's last frame byte repeats the end marker, where the program
  // looks for it.
  std::vector<uint8_t> report(1 + std::max(slot, frame.size()), 0);
  report[0] = id;
  std::copy(frame.begin(), frame.end(), report.begin() + 1);
  if (!frame.empty() && frame.size() < slot) report[slot] = frame.back();
  FInput.push_back(std::move(report));
}

void TSimDevice::ReplyRaw(const std::vector<uint8_t>& report) { FInput.push_back(report); }

int TSimDevice::Read(unsigned char* data, size_t length, int milliseconds) {
  if (UnplugAfterReads == 0) FPlugged = false;
  if (UnplugAfterReads > 0) --UnplugAfterReads;
  if (!FPlugged) throw EHidError("The device is not connected.");
  ++Reads;
  if (SilentReads > 0 || FInput.empty()) {
    if (SilentReads > 0) --SilentReads;
    Sleep(static_cast<uint32_t>(std::max(milliseconds, 0)));
    return 0;
  }
  std::vector<uint8_t> report = std::move(FInput.front());
  FInput.pop_front();
  // An empty report gives nothing, as a time-out does.
  if (report.empty()) return 0;
  const size_t count = std::min(length, report.size());
  std::memcpy(data, report.data(), count);
  return static_cast<int>(count);
}

int TSimDevice::Write(const unsigned char* data, size_t length, int milliseconds) {
  if (!FPlugged) return -1;
  if (RefuseWrites != 0) {
    if (RefuseWrites > 0) --RefuseWrites;
    Sleep(static_cast<uint32_t>(std::max(milliseconds, 0)));
    return 0;
  }
  if (length < 2) return -1;
  if (FModel && FModel->OnReport(data, length, *this)) return static_cast<int>(length);
  const size_t frameLength = WrittenFrameLength(data, length);
  std::vector<uint8_t> frame(data + 1, data + 1 + frameLength);
  Written.push_back(frame);
  if (FModel) FModel->OnFrame(frame, *this);
  return static_cast<int>(length);
}

TSimAdapter::TSimAdapter() { SetHidBackend(this); }

TSimAdapter::~TSimAdapter() { SetHidBackend(nullptr); }

TSimDevice& TSimAdapter::Plug(std::unique_ptr<TSimDeviceModel> model, uint16_t vendor,
                              uint16_t product, std::wstring productText) {
  const std::string path = "/dev/hidraw" + std::to_string(FNextNode++);
  FDevices.push_back(std::make_unique<TSimDevice>(path, vendor, product, std::move(productText),
                                                  std::move(model)));
  return *FDevices.back();
}

void TSimAdapter::Unplug(TSimDevice& device) { device.SetPlugged(false); }

TSimDevice& TSimAdapter::PlugOther() { return Plug(nullptr, 0x046D, 0xC077, L"USB Optical Mouse"); }

int TSimAdapter::Init() {
  ++InitCalls;
  return 0;
}

int TSimAdapter::Exit() {
  ++ExitCalls;
  return 0;
}

hid_device_info* TSimAdapter::Enumerate(unsigned short vendor, unsigned short product) {
  hid_device_info* head = nullptr;
  hid_device_info** tail = &head;
  for (const auto& device : FDevices) {
    if (!device->Plugged()) continue;
    if (vendor && device->Vendor() != vendor) continue;
    if (product && device->Product() != product) continue;
    hid_device_info* info = NewDeviceInfo(device->Path().c_str(), device->Vendor(),
                                          device->Product(), device->ProductText().c_str(),
                                          device->InputReportLength, device->OutputReportLength);
    *tail = info;
    tail = &info->next;
  }
  return head;
}

void TSimAdapter::FreeEnumeration(hid_device_info* list) { FreeDeviceInfoList(list); }

hid_device* TSimAdapter::OpenPath(const char* path) {
  ++OpenCalls;
  for (const auto& device : FDevices) {
    if (device->Plugged() && device->Path() == path) {
      auto* handle = new TSimHandle;
      handle->Device = device.get();
      return handle;
    }
  }
  return nullptr;
}

void TSimAdapter::Close(hid_device* device) { delete static_cast<TSimHandle*>(device); }

int TSimAdapter::ReadTimeout(hid_device* device, unsigned char* data, size_t length,
                             int milliseconds) {
  return static_cast<TSimHandle*>(device)->Device->Read(data, length, milliseconds);
}

int TSimAdapter::WriteTimeout(hid_device* device, const unsigned char* data, size_t length,
                              int milliseconds) {
  return static_cast<TSimHandle*>(device)->Device->Write(data, length, milliseconds);
}
