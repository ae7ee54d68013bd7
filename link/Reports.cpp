// One frame in one HID report, in both directions, and the reaction to an
// adapter that vanished during a read.

#include <cstring>

#include "app/frmInterface.h"
#include "platform/hid/HidApi.h"
#include "platform/rtl/Clock.h"

using namespace hid;

namespace {

constexpr int kWriteTimeout = 300;

}  // namespace

int TfrmInterface::OutputReportLength() const {
  return FWriteLength > kReportBufferSize ? kReportBufferSize : FWriteLength;
}

bool TfrmInterface::WriteAdapterReport(const uint8_t* buffer) {
  const int reportLength = OutputReportLength();
  if (reportLength <= 0) return false;
  return hid_write_to(FDevice, buffer, static_cast<size_t>(reportLength), kWriteTimeout) > 0;
}

int TfrmInterface::ReadAdapterReport(uint8_t* buffer, int timeout) {
  ProcessMessages();
  const int reportLength = FReadLength > kReportBufferSize ? kReportBufferSize : FReadLength;
  return hid_read_timeout(FDevice, buffer, static_cast<size_t>(reportLength < 0 ? 0 : reportLength),
                          timeout);
}

int TfrmInterface::ReportIdForFrameLength(int length) {
  switch (length) {
    case 4:
      return 1;
    case 8:
      return 2;
    case 9:
      return 3;
    default:
      return 4;
  }
}

int TfrmInterface::FrameLengthForReportId(int id) {
  switch (id) {
    case 1:
    case 5:
      return 4;
    case 2:
    case 6:
      return 8;
    case 3:
    case 7:
      return 9;
    case 4:
    case 8:
      return 24;
    default:
      return 48;
  }
}

bool TfrmInterface::WriteReport(const uint8_t* frame, int length) {
  if (!FDevice) return false;
  if (length < 1 || length > kReportBufferSize - 1) return false;
  uint8_t buffer[kReportBufferSize] = {};
  buffer[0] = static_cast<uint8_t>(ReportIdForFrameLength(length));
  std::memcpy(buffer + 1, frame, static_cast<size_t>(length));
  return WriteAdapterReport(buffer);
}

bool TfrmInterface::ReadReport(uint8_t* destination, int timeout, int* frameLength) {
  if (!FDevice) return false;
  uint8_t buffer[kReportBufferSize] = {};
  int count = 0;
  try {
    count = ReadAdapterReport(buffer, timeout);
  } catch (const std::exception&) {
    // The adapter was pulled out while its handle was open: start over and
    // look for it again.
    ForgetAdapter();
    ShowStartPage(true);
    HidCtlDeviceArrival();
    return false;
  }
  if (count < 2 || count > 63) return false;
  const int length = FrameLengthForReportId(buffer[0]);
  if (buffer[1] != FFrameStart || buffer[length] != FFrameEnd) return false;
  std::memcpy(destination, buffer + 1, static_cast<size_t>(length));
  if (frameLength) *frameLength = length;
  return true;
}
