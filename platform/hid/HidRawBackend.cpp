#include "platform/hid/HidRawBackend.h"

#include <fcntl.h>
#include <hidapi/hidapi.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "platform/hid/ReportDescriptor.h"
#include "platform/rtl/SysUtils.h"

namespace hid {

namespace {

// An open hidraw device: hidapi's handle for reading and a second descriptor
// on the same node for writes with a time-out.
struct THidRawDevice : hid_device {
  ::hid_device* Handle = nullptr;
  int WriteFd = -1;
};

std::string ErrorText(::hid_device* handle) {
  const wchar_t* text = ::hid_error(handle);
  return text ? UTF16ToUTF8(WideToUTF16(text)) : std::string("HID read failed");
}

}  // namespace

int THidRawBackend::Init() { return ::hid_init(); }
int THidRawBackend::Exit() { return ::hid_exit(); }

hid_device_info* THidRawBackend::Enumerate(unsigned short vendor, unsigned short product) {
  ::hid_device_info* found = ::hid_enumerate(vendor, product);
  hid_device_info* head = nullptr;
  hid_device_info** tail = &head;
  for (::hid_device_info* rec = found; rec; rec = rec->next) {
    const TReportLengths lengths = ReportLengthsOfNode(rec->path);
    hid_device_info* info = NewDeviceInfo(rec->path, rec->vendor_id, rec->product_id,
                                          rec->product_string, lengths.Input, lengths.Output);
    *tail = info;
    tail = &info->next;
  }
  ::hid_free_enumeration(found);
  return head;
}

void THidRawBackend::FreeEnumeration(hid_device_info* list) { FreeDeviceInfoList(list); }

hid_device* THidRawBackend::OpenPath(const char* path) {
  ::hid_device* handle = ::hid_open_path(path);
  if (!handle) return nullptr;
  auto* device = new THidRawDevice;
  device->Handle = handle;
  device->WriteFd = open(path, O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  return device;
}

void THidRawBackend::Close(hid_device* device) {
  auto* raw = static_cast<THidRawDevice*>(device);
  if (raw->WriteFd >= 0) close(raw->WriteFd);
  ::hid_close(raw->Handle);
  delete raw;
}

int THidRawBackend::ReadTimeout(hid_device* device, unsigned char* data, size_t length,
                                int milliseconds) {
  auto* raw = static_cast<THidRawDevice*>(device);
  const int result = ::hid_read_timeout(raw->Handle, data, length, milliseconds);
  // hidraw reports a pulled-out adapter as a read error; the link treats it
  // as the device having gone.
  if (result < 0) throw EHidError(ErrorText(raw->Handle));
  return result;
}

int THidRawBackend::WriteTimeout(hid_device* device, const unsigned char* data, size_t length,
                                 int milliseconds) {
  auto* raw = static_cast<THidRawDevice*>(device);
  if (raw->WriteFd < 0) return ::hid_write(raw->Handle, data, length);
  pollfd fds{raw->WriteFd, POLLOUT, 0};
  const int ready = poll(&fds, 1, milliseconds);
  if (ready == 0) return 0;
  if (ready < 0 || (fds.revents & (POLLERR | POLLHUP | POLLNVAL))) return -1;
  const ssize_t written = write(raw->WriteFd, data, length);
  if (written < 0) return errno == EAGAIN ? 0 : -1;
  return static_cast<int>(written);
}

}  // namespace hid
