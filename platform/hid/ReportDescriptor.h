#pragma once
// Report lengths from a HID report descriptor.

#include <cstddef>
#include <cstdint>

namespace hid {

struct TReportLengths {
  int Input = 0;   // bytes of the longest input report, identifier byte included
  int Output = 0;  // bytes of the longest output report, identifier byte included
};

// Walks the descriptor's items and sums the bits of the input and output main
// items per report identifier. A report length counts its identifier byte (the
// zero byte for a device without numbered reports). Returns false when the
// descriptor is empty or malformed; the lengths are then left at 0.
bool ParseReportLengths(const uint8_t* descriptor, size_t size, TReportLengths& lengths);

// Reads the descriptor of a hidraw node ("/dev/hidrawN") from sysfs, else
// through the node itself, and returns its lengths; kDefaultReportLength for
// each length that cannot be determined.
TReportLengths ReportLengthsOfNode(const char* path);

}  // namespace hid
