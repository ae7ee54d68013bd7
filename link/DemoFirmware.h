#pragma once
// The demo models of the shipped data. Their hardware versions begin with
// kDemoHardwarePrefix, which no real controller reports, so a real device never
// finds their pages or firmware rows; their invented firmware images begin
// with kDemoFirmwareMarker, and the upgrade sends such an image only to a demo
// device.

#include <cstdint>
#include <string>
#include <vector>

inline constexpr char kDemoHardwarePrefix[] = "DEMO-";
inline constexpr char kDemoFirmwareMarker[] = "ESCTOOL DEMO FIRMWARE ";
// The upgrade's result when a demo image was about to go to a real device.
inline constexpr char kDemoFirmwareRefused[] = "Demo Firmware Refused: not a demo device.";

// True when the hardware version carries the demo prefix.
bool IsDemoHardware(const std::string& hardware);
// The hardware version without a demo prefix: a demo model belongs to the
// family of the hardware it names ("DEMO-VL450SD" is a large car controller).
std::string FamilyHardware(const std::string& hardware);
// True when the image begins with the demo marker.
bool IsDemoFirmwareImage(const std::vector<uint8_t>& image);
