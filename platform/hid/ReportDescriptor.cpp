#include "platform/hid/ReportDescriptor.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/hid/HidApi.h"

namespace hid {

namespace {

struct TGlobals {
  uint32_t ReportSize = 0;
  uint32_t ReportCount = 0;
  uint32_t ReportId = 0;
};

uint32_t ItemValue(const uint8_t* data, int size) {
  uint32_t value = 0;
  for (int i = 0; i < size; ++i) value |= static_cast<uint32_t>(data[i]) << (8 * i);
  return value;
}

int BytesOf(const std::map<uint32_t, uint64_t>& bits) {
  uint64_t longest = 0;
  for (const auto& [id, count] : bits) longest = std::max(longest, count);
  if (bits.empty()) return 0;
  return static_cast<int>((longest + 7) / 8) + 1;
}

std::vector<uint8_t> ReadSysfsDescriptor(const std::string& node) {
  const std::string path = "/sys/class/hidraw/" + node + "/device/report_descriptor";
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

std::vector<uint8_t> ReadIoctlDescriptor(const char* path) {
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {};
  std::vector<uint8_t> result;
  int size = 0;
  hidraw_report_descriptor descriptor{};
  if (ioctl(fd, HIDIOCGRDESCSIZE, &size) >= 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
    descriptor.size = static_cast<uint32_t>(size);
    if (ioctl(fd, HIDIOCGRDESC, &descriptor) >= 0)
      result.assign(descriptor.value, descriptor.value + descriptor.size);
  }
  close(fd);
  return result;
}

}  // namespace

bool ParseReportLengths(const uint8_t* descriptor, size_t size, TReportLengths& lengths) {
  lengths = {};
  if (!descriptor || size == 0) return false;
  std::map<uint32_t, uint64_t> inputBits, outputBits;
  std::vector<TGlobals> stack;
  TGlobals globals;
  size_t pos = 0;
  while (pos < size) {
    const uint8_t prefix = descriptor[pos];
    if (prefix == 0xFE) {  // long item: size byte, tag byte, data
      if (pos + 1 >= size) return false;
      pos += 3 + descriptor[pos + 1];
      continue;
    }
    const int dataSize = (prefix & 3) == 3 ? 4 : (prefix & 3);
    if (pos + 1 + dataSize > size) return false;
    const uint32_t value = ItemValue(descriptor + pos + 1, dataSize);
    switch (prefix & 0xFC) {
      case 0x74:
        globals.ReportSize = value;
        break;
      case 0x94:
        globals.ReportCount = value;
        break;
      case 0x84:
        globals.ReportId = value;
        break;
      case 0xA4:
        stack.push_back(globals);
        break;
      case 0xB4:
        if (!stack.empty()) {
          globals = stack.back();
          stack.pop_back();
        }
        break;
      case 0x80:
        inputBits[globals.ReportId] += uint64_t{globals.ReportSize} * globals.ReportCount;
        break;
      case 0x90:
        outputBits[globals.ReportId] += uint64_t{globals.ReportSize} * globals.ReportCount;
        break;
      default:
        break;
    }
    pos += 1 + dataSize;
  }
  lengths.Input = BytesOf(inputBits);
  lengths.Output = BytesOf(outputBits);
  return true;
}

TReportLengths ReportLengthsOfNode(const char* path) {
  TReportLengths lengths;
  std::vector<uint8_t> descriptor;
  if (path) {
    std::string node(path);
    const size_t slash = node.rfind('/');
    if (slash != std::string::npos) node = node.substr(slash + 1);
    descriptor = ReadSysfsDescriptor(node);
    if (descriptor.empty()) descriptor = ReadIoctlDescriptor(path);
  }
  if (!ParseReportLengths(descriptor.data(), descriptor.size(), lengths)) lengths = {};
  if (lengths.Input <= 0) lengths.Input = kDefaultReportLength;
  if (lengths.Output <= 0) lengths.Output = kDefaultReportLength;
  return lengths;
}

}  // namespace hid
