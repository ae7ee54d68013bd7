#include "link/DemoFirmware.h"

#include <cstring>

bool IsDemoHardware(const std::string& hardware) {
  return hardware.rfind(kDemoHardwarePrefix, 0) == 0;
}

std::string FamilyHardware(const std::string& hardware) {
  return IsDemoHardware(hardware) ? hardware.substr(std::strlen(kDemoHardwarePrefix)) : hardware;
}

bool IsDemoFirmwareImage(const std::vector<uint8_t>& image) {
  const size_t length = std::strlen(kDemoFirmwareMarker);
  return image.size() >= length && std::memcmp(image.data(), kDemoFirmwareMarker, length) == 0;
}
