#pragma once
// The hidapi (hidraw) back end of the HID layer: the program's only back end.

#include "platform/hid/HidApi.h"

namespace hid {

class THidRawBackend : public THidBackend {
 public:
  int Init() override;
  int Exit() override;
  hid_device_info* Enumerate(unsigned short vendor, unsigned short product) override;
  void FreeEnumeration(hid_device_info* list) override;
  hid_device* OpenPath(const char* path) override;
  void Close(hid_device* device) override;
  int ReadTimeout(hid_device* device, unsigned char* data, size_t length,
                  int milliseconds) override;
  int WriteTimeout(hid_device* device, const unsigned char* data, size_t length,
                   int milliseconds) override;
};

}  // namespace hid
