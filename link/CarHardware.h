#pragma once
// The hardware versions of the large car-controller family, which has its own
// settings layout, device data and progress sizes.

#include <string>

// True when the hardware version begins with "VELORIN_456"; or begins with
// "VL45" and has "SD" as characters 6 and 7 or "BSD" as characters 6 to 8; or
// begins with "VL46", "VL47" or "VL48" and has "SD" as characters 6 and 7
// (characters counted from 1). A text too short for a test fails that test.
// A demo hardware version is tested without its demo prefix.
bool IsLargeCarHardware(const std::string& hardware);
