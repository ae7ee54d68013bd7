#include "platform/hid/HidApi.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "platform/hid/HidRawBackend.h"

namespace hid {

namespace {

THidRawBackend& RawBackend() {
  static THidRawBackend backend;
  return backend;
}

std::atomic<THidBackend*> gBackend{nullptr};

}  // namespace

hid_device_info* NewDeviceInfo(const char* path, unsigned short vendor, unsigned short product,
                               const wchar_t* productText, int inputLength, int outputLength) {
  auto* info = new hid_device_info;
  info->path = strdup(path ? path : "");
  info->vendor_id = vendor;
  info->product_id = product;
  info->product_string = wcsdup(productText ? productText : L"");
  info->input_report_length = inputLength;
  info->output_report_length = outputLength;
  return info;
}

void FreeDeviceInfoList(hid_device_info* list) {
  while (list) {
    hid_device_info* next = list->next;
    std::free(list->path);
    std::free(list->product_string);
    delete list;
    list = next;
  }
}

void SetHidBackend(THidBackend* backend) { gBackend.store(backend); }

THidBackend& HidBackend() {
  THidBackend* backend = gBackend.load();
  return backend ? *backend : RawBackend();
}

int hid_init() { return HidBackend().Init(); }
int hid_exit() { return HidBackend().Exit(); }

hid_device_info* hid_enumerate(unsigned short vendor_id, unsigned short product_id) {
  return HidBackend().Enumerate(vendor_id, product_id);
}

void hid_free_enumeration(hid_device_info* devices) {
  if (devices) HidBackend().FreeEnumeration(devices);
}

hid_device* hid_open_path(const char* path) {
  if (!path) return nullptr;
  return HidBackend().OpenPath(path);
}

void hid_close(hid_device* device) {
  if (device) HidBackend().Close(device);
}

int hid_read_timeout(hid_device* device, unsigned char* data, size_t length, int milliseconds) {
  if (!device) return -1;
  return HidBackend().ReadTimeout(device, data, length, milliseconds);
}

int hid_write_to(hid_device* device, const unsigned char* data, size_t length, int milliseconds) {
  if (!device) return -1;
  return HidBackend().WriteTimeout(device, data, length, milliseconds);
}

std::u16string WideToUTF16(const wchar_t* text) {
  std::u16string result;
  if (!text) return result;
  for (; *text; ++text) {
    const uint32_t c = static_cast<uint32_t>(*text);
    if (c >= 0x10000 && c <= 0x10FFFF) {
      result += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      result += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      result += static_cast<char16_t>(c > 0xFFFF ? 0xFFFD : c);
    }
  }
  return result;
}

}  // namespace hid
