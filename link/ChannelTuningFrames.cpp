#include "link/ChannelTuningFrames.h"

#include <cstring>

#include "app/frmInterface.h"

namespace {

constexpr uint8_t kAddress = 1;
constexpr uint8_t kReadHolding = 3;
constexpr uint8_t kWriteMultiple = 16;
constexpr uint8_t kRegisterCount = 4;

void PutCrc(uint8_t* frame, int count) {
  const uint16_t crc = TfrmInterface::Crc16Modbus(frame, static_cast<uint32_t>(count));
  frame[count] = static_cast<uint8_t>(crc & 0xFF);
  frame[count + 1] = static_cast<uint8_t>(crc >> 8);
}

bool CrcFits(const uint8_t* frame, int count) {
  const uint16_t crc = TfrmInterface::Crc16Modbus(frame, static_cast<uint32_t>(count));
  return frame[count] == (crc & 0xFF) && frame[count + 1] == (crc >> 8);
}

// Address, function, start register 0 and the register count.
void PutHeader(uint8_t function, uint8_t* frame) {
  const uint8_t header[] = {kAddress, function, 0, 0, 0, kRegisterCount};
  std::memcpy(frame, header, sizeof(header));
}

}  // namespace

void BuildModbusReadRequest(uint8_t* frame) {
  PutHeader(kReadHolding, frame);
  PutCrc(frame, 6);
}

uint8_t ChannelColourByte(bool red, bool green, bool blue) {
  return static_cast<uint8_t>(0x04 | (red ? 0x20 : 0) | (green ? 0x40 : 0) | (blue ? 0x80 : 0));
}

void BuildModbusWriteRequest(uint8_t colour, const uint8_t kept[4], bool ccw, uint8_t* frame) {
  PutHeader(kWriteMultiple, frame);
  frame[6] = 2 * kRegisterCount;
  frame[7] = 0;
  frame[8] = colour;
  std::memcpy(frame + 9, kept, 4);
  frame[13] = 0;
  frame[14] = ccw ? 1 : 0;
  PutCrc(frame, 15);
}

bool IsModbusReadReply(const uint8_t* reply) {
  return reply[0] == kAddress && reply[1] == kReadHolding && reply[2] == 2 * kRegisterCount &&
         CrcFits(reply, 3 + 2 * kRegisterCount);
}

bool IsModbusWriteReply(const uint8_t* reply) {
  uint8_t echo[6];
  PutHeader(kWriteMultiple, echo);
  return std::memcmp(reply, echo, sizeof(echo)) == 0 && CrcFits(reply, 6);
}
