// CRC-16 of the link frames (XMODEM form) and of the Modbus RTU frames.

#include <array>
#include <mutex>

#include "app/frmInterface.h"

namespace {

// Entry i: the register after shifting byte i, placed in the high byte of a
// zero register, through eight most-significant-bit-first steps.
std::array<uint32_t, 256> gCrcTable{};
uint16_t gCrcPolynomial = 0;
std::once_flag gCcittOnce;

// The reflected table of polynomial 0xA001, split into low and high bytes.
struct TModbusTables {
  std::array<uint8_t, 256> Low{};
  std::array<uint8_t, 256> High{};
  TModbusTables() {
    for (int i = 0; i < 256; ++i) {
      uint16_t value = static_cast<uint16_t>(i);
      for (int bit = 0; bit < 8; ++bit)
        value = (value & 1) ? static_cast<uint16_t>((value >> 1) ^ 0xA001) : value >> 1;
      Low[i] = static_cast<uint8_t>(value & 0xFF);
      High[i] = static_cast<uint8_t>(value >> 8);
    }
  }
};

const TModbusTables gModbus;

}  // namespace

void TfrmInterface::BuildCrc16Table(uint16_t polynomial) {
  for (uint32_t i = 0; i < 256; ++i) {
    uint16_t crc = static_cast<uint16_t>(i << 8);
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc & 0x8000) ? static_cast<uint16_t>((crc << 1) ^ polynomial)
                           : static_cast<uint16_t>(crc << 1);
    gCrcTable[i] = crc;
  }
  gCrcPolynomial = polynomial;
}

uint16_t TfrmInterface::Crc16Ccitt(const uint8_t* data, uint32_t count) {
  // The table depends only on the polynomial, so it is built once.
  std::call_once(gCcittOnce, [] { BuildCrc16Table(0x1021); });
  if (gCrcPolynomial != 0x1021) BuildCrc16Table(0x1021);
  uint16_t crc = 0;
  for (uint32_t i = 0; i < count; ++i)
    crc = static_cast<uint16_t>(gCrcTable[((crc >> 8) ^ data[i]) & 0xFF] ^ (crc << 8));
  return crc;
}

uint16_t TfrmInterface::Crc16Modbus(const uint8_t* data, uint32_t count) {
  uint8_t x = 0xFF, y = 0xFF;
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t index = data[i] ^ x;
    x = gModbus.Low[index] ^ y;
    y = gModbus.High[index];
  }
  return static_cast<uint16_t>(y * 256 + x);
}
