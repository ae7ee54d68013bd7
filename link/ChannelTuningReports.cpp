// The reports of the channel tuning: selecting the channel with command 18,
// then one Modbus frame in a 49-byte report of its own (identifier 0x0A, the
// frame, its length in byte 48), and the device's reply in a 49-byte report
// with identifier 1.

#include <cstring>
#include <exception>

#include "app/frmInterface.h"
#include "controls/zr_controls.h"

namespace {

constexpr int kModbusReportLength = 49;
constexpr int kLengthByte = 48;
constexpr int kMaxModbusFrame = 47;
constexpr uint8_t kOutputId = 0x0A;
constexpr uint8_t kInputId = 1;

}  // namespace

bool TfrmInterface::SendToSelectedChannel(int length, const uint8_t* frame) {
  int channel = 1;
  for (int k = 0; k < 8; ++k)
    if (TzrRadioButton* button = ChannelButton(k); button && button->GetIsChecked()) {
      channel = k + 1;
      break;
    }
  if (SelectDataLinkChannel(channel) != TChannelSelect::Selected) return false;
  return SendModbusReport(frame, length);
}

bool TfrmInterface::SendModbusReport(const uint8_t* frame, int length) {
  if (!FDevice) return false;
  // A report too short to carry the length byte, or a frame longer than the
  // report holds, cannot reach the channel intact.
  if (OutputReportLength() <= kLengthByte || length < 1 || length > kMaxModbusFrame) return false;
  uint8_t buffer[kReportBufferSize] = {};
  buffer[0] = kOutputId;
  std::memcpy(buffer + 1, frame, static_cast<size_t>(length));
  buffer[kLengthByte] = static_cast<uint8_t>(length);
  return WriteAdapterReport(buffer);
}

bool TfrmInterface::ReadModbusReport(uint8_t* destination, int length, int timeout) {
  if (!FDevice) return false;
  uint8_t buffer[kReportBufferSize] = {};
  int count = 0;
  try {
    count = ReadAdapterReport(buffer, timeout);
  } catch (const std::exception&) {
    return false;
  }
  if (count != kModbusReportLength || buffer[0] != kInputId) return false;
  const int copy = length < kModbusReportLength - 1 ? length : kModbusReportLength - 1;
  std::memcpy(destination, buffer + 1, static_cast<size_t>(copy < 0 ? 0 : copy));
  return true;
}
