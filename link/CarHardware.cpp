#include "link/CarHardware.h"

#include "link/DemoFirmware.h"

namespace {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// Characters from position (counted from 1) equal to part.
bool HasAt(const std::string& text, size_t position, const std::string& part) {
  return text.size() >= position - 1 + part.size() &&
         text.compare(position - 1, part.size(), part) == 0;
}

}  // namespace

bool IsLargeCarHardware(const std::string& demoOrHardware) {
  const std::string hardware = FamilyHardware(demoOrHardware);
  if (StartsWith(hardware, "VELORIN_456")) return true;
  if (StartsWith(hardware, "VL45") && (HasAt(hardware, 6, "SD") || HasAt(hardware, 6, "BSD")))
    return true;
  for (const char* prefix : {"VL46", "VL47", "VL48"})
    if (StartsWith(hardware, prefix) && HasAt(hardware, 6, "SD")) return true;
  return false;
}
