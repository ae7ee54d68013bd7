#pragma once
// Modbus RTU frames of the channel tuning: device address 1, the four holding
// registers from address 0, CRC-16/MODBUS (low byte first) after each frame.
// Register 0 holds the colour (bit 5 red, bit 6 green, bit 7 blue in its low
// byte), registers 1 and 2 are kept as read, register 3 is the rotation
// (0 CW, 1 CCW).

#include <cstdint>

constexpr int kModbusReadRequestLength = 8;
constexpr int kModbusWriteRequestLength = 17;
constexpr int kModbusReplyLength = 48;  // the device's reply as the data link carries it

// 01 03 00 00 00 04 and its CRC.
void BuildModbusReadRequest(uint8_t* frame);
// The colour byte as written: bit 2 always set, plus the colour bits.
uint8_t ChannelColourByte(bool red, bool green, bool blue);
// 01 10 00 00 00 04 08, the four registers, and the CRC.
void BuildModbusWriteRequest(uint8_t colour, const uint8_t kept[4], bool ccw, uint8_t* frame);
// A read reply of the four registers: 01 03 08, eight bytes, and a CRC that fits.
bool IsModbusReadReply(const uint8_t* reply);
// The echo of the write request: 01 10 00 00 00 04 and a CRC that fits.
bool IsModbusWriteReply(const uint8_t* reply);
