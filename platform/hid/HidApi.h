#pragma once
// The HID device library as the link calls it: the stock hidapi operations
// plus the two additions the link relies on, a report write with a time-out
// and the input and output report lengths of every enumerated record.
//
// The calls go to the back end in force: hidapi over hidraw for real adapters
// (always, in the program), or another back end that a test installs.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/rtl/SysUtils.h"

namespace hid {

// One enumerated HID device. The list belongs to the back end that made it
// and lives until hid_free_enumeration.
struct hid_device_info {
  char* path = nullptr;
  unsigned short vendor_id = 0;
  unsigned short product_id = 0;
  wchar_t* product_string = nullptr;
  // Report lengths in bytes, the report identifier byte included.
  int output_report_length = 0;
  int input_report_length = 0;
  hid_device_info* next = nullptr;
};

// A record for a back end's list, holding its own copies of the path and the
// product text (empty for null). Lists of such records are freed with
// FreeDeviceInfoList.
hid_device_info* NewDeviceInfo(const char* path, unsigned short vendor, unsigned short product,
                               const wchar_t* productText, int inputLength, int outputLength);
void FreeDeviceInfoList(hid_device_info* list);

// An open device; each back end derives its own.
struct hid_device {
  virtual ~hid_device() = default;
};

// Raised by a read on a device that has gone (the adapter was pulled out).
class EHidError : public Exception {
 public:
  using Exception::Exception;
};

// Report length used when the report descriptor cannot be read: the largest
// report the link handles (64 bytes of data and the identifier byte).
constexpr int kDefaultReportLength = 65;

// What a back end provides.
class THidBackend {
 public:
  virtual ~THidBackend() = default;
  virtual int Init() = 0;
  virtual int Exit() = 0;
  virtual hid_device_info* Enumerate(unsigned short vendor, unsigned short product) = 0;
  virtual void FreeEnumeration(hid_device_info* list) = 0;
  virtual hid_device* OpenPath(const char* path) = 0;
  virtual void Close(hid_device* device) = 0;
  // Bytes read, 0 on time-out; raises EHidError when the device is gone.
  virtual int ReadTimeout(hid_device* device, unsigned char* data, size_t length,
                          int milliseconds) = 0;
  // Bytes written, 0 when the device did not take the report in time, -1 on error.
  virtual int WriteTimeout(hid_device* device, const unsigned char* data, size_t length,
                           int milliseconds) = 0;
};

// Installs a back end (tests); nullptr restores hidapi. The caller keeps ownership.
void SetHidBackend(THidBackend* backend);
THidBackend& HidBackend();

int hid_init();
int hid_exit();
// Vendor and product 0 list every HID device.
hid_device_info* hid_enumerate(unsigned short vendor_id, unsigned short product_id);
void hid_free_enumeration(hid_device_info* devices);
hid_device* hid_open_path(const char* path);
void hid_close(hid_device* device);
int hid_read_timeout(hid_device* device, unsigned char* data, size_t length, int milliseconds);
// Writes one report (identifier in byte 0); gives up after the time-out.
// A result above 0 means the report was written.
int hid_write_to(hid_device* device, const unsigned char* data, size_t length, int milliseconds);

// Wide product text of a record as UTF-16.
std::u16string WideToUTF16(const wchar_t* text);

}  // namespace hid
