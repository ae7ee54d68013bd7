#include "tests/support/SimDataLink.h"

#include <algorithm>

namespace {

constexpr int kChunk = 16;
constexpr uint8_t kBoxStart = 0xA8;
constexpr uint8_t kBoxEnd = 0x8A;
constexpr uint8_t kModbusReportId = 0x0A;
constexpr size_t kModbusReportLength = 49;
constexpr uint8_t kModbusAddress = 1;

bool CrcFits(const std::vector<uint8_t>& frame, size_t count) {
  const uint16_t crc = SimCrc16Xmodem(frame.data(), count);
  return frame[count] == (crc & 0xFF) && frame[count + 1] == (crc >> 8);
}

// A command or argument frame the box takes: 8 bytes with a valid CRC and the
// markers of the box (0xA8/0x8A) or of the channels' scan (0xA6/0x6A).
bool IsBoxFrame(const std::vector<uint8_t>& frame) {
  if (frame.size() != 8 || !CrcFits(frame, 5)) return false;
  return (frame[0] == kBoxStart && frame[7] == kBoxEnd) || (frame[0] == 0xA6 && frame[7] == 0x6A);
}

std::vector<uint8_t> ModbusException(uint8_t function, uint8_t code) {
  std::vector<uint8_t> reply{kModbusAddress, static_cast<uint8_t>(function | 0x80), code};
  SimAppendModbusCrc(reply);
  return reply;
}

}  // namespace

uint16_t SimCrc16Modbus(const uint8_t* data, size_t count) {
  uint16_t crc = 0xFFFF;
  for (size_t i = 0; i < count; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit)
      crc =
          (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : static_cast<uint16_t>(crc >> 1);
  }
  return crc;
}

void SimAppendModbusCrc(std::vector<uint8_t>& frame) {
  const uint16_t crc = SimCrc16Modbus(frame.data(), frame.size());
  frame.push_back(static_cast<uint8_t>(crc & 0xFF));
  frame.push_back(static_cast<uint8_t>(crc >> 8));
}

TSimChannelDevice::TSimChannelDevice(std::string model, std::string hardware, std::string firmware,
                                     uint8_t start, uint8_t end)
    : FController(std::move(model), std::move(hardware), std::move(firmware)) {
  FController.Start = start;
  FController.End = end;
}

void TSimChannelDevice::OnFrame(const std::vector<uint8_t>& frame, TSimDevice& device) {
  if (frame.size() < 4 || frame.front() != Start() || frame.back() != End()) return;
  if (frame.size() >= 8 && (frame[1] == 12 || frame[1] == 4)) {
    OnImageChunk(frame, device);
    return;
  }
  FController.OnFrame(frame, device);
}

// The boot loader takes each image in acknowledged chunks of 16 bytes; a
// chunk shorter than 16 bytes ends the image.
void TSimChannelDevice::OnImageChunk(const std::vector<uint8_t>& frame, TSimDevice& device) {
  const int n = frame[2];
  const int index = frame[3] + 256 * frame[4];
  if (n > kChunk || static_cast<int>(frame.size()) != 8 + n) return;
  if (!CrcFits(frame, static_cast<size_t>(5 + n))) return;
  if (index == 0) {
    FImage.clear();
    FImageIndex = 0;
    FImageCommand = frame[1];
  }
  if (frame[1] != FImageCommand) return;
  if (index == FImageIndex) {
    FImage.insert(FImage.end(), frame.begin() + 5, frame.begin() + 5 + n);
    ++FImageIndex;
    if (n < kChunk) (FImageCommand == 12 ? Image1 : Image2) = FImage;
  } else if (index != FImageIndex - 1) {
    return;  // out of order: no acknowledgement
  }
  if (RejectImages) return;
  device.Reply(SimShortFrame(Start(), 2, End()));
}

std::vector<uint8_t> TSimChannelDevice::OnModbus(const std::vector<uint8_t>& request) {
  ModbusRequests.push_back(request);
  if (request.size() < 4) return {};
  const uint16_t crc = SimCrc16Modbus(request.data(), request.size() - 2);
  if (request[request.size() - 2] != (crc & 0xFF) || request.back() != (crc >> 8)) return {};
  if (ModbusFault == TModbusFault::Silent) return {};
  std::vector<uint8_t> reply = ModbusReply(request);
  if (reply.empty()) return reply;
  auto recrc = [&reply] {
    reply.resize(reply.size() - 2);
    SimAppendModbusCrc(reply);
  };
  switch (ModbusFault) {
    case TModbusFault::BadCrc:
      reply.back() ^= 0x5A;
      break;
    case TModbusFault::WrongFunction:
      reply[1] = 0x04;
      recrc();
      break;
    case TModbusFault::WrongByteCount:
      if (reply[1] == 3) {
        reply[2] = 6;
        recrc();
      }
      break;
    case TModbusFault::Exception:
      reply = ModbusException(request[1], 4);
      break;
    default:
      break;
  }
  return reply;
}

std::vector<uint8_t> TSimChannelDevice::ModbusReply(const std::vector<uint8_t>& request) {
  if (request[0] != kModbusAddress) return {};
  const uint8_t function = request[1];
  if ((function != 3 && function != 16) || request.size() < 8) return ModbusException(function, 1);
  const int start = request[2] << 8 | request[3];
  const int count = request[4] << 8 | request[5];
  if (count == 0 || start + count > static_cast<int>(Registers.size()))
    return ModbusException(function, 2);
  std::vector<uint8_t> reply{kModbusAddress, function};
  if (function == 3) {
    reply.push_back(static_cast<uint8_t>(2 * count));
    for (int r = start; r < start + count; ++r) {
      reply.push_back(static_cast<uint8_t>(Registers[r] >> 8));
      reply.push_back(static_cast<uint8_t>(Registers[r] & 0xFF));
    }
  } else {
    const size_t bytes = request.size() > 6 ? request[6] : 0;
    if (bytes != static_cast<size_t>(2 * count) || request.size() != 9 + bytes)
      return ModbusException(function, 3);
    for (int i = 0; i < count; ++i)
      Registers[start + i] = static_cast<uint16_t>(request[7 + 2 * i] << 8 | request[8 + 2 * i]);
    ++RegisterWrites;
    reply.insert(reply.end(), request.begin() + 2, request.begin() + 6);
  }
  SimAppendModbusCrc(reply);
  return reply;
}

TSimDataLink::TSimDataLink(std::string model, std::string hardware, std::string firmware)
    : FBox(std::move(model), std::move(hardware), std::move(firmware)) {
  FBox.Start = kBoxStart;
  FBox.End = kBoxEnd;
}

TSimChannelDevice& TSimDataLink::Attach(int channel, const std::string& model,
                                        const std::string& hardware, const std::string& firmware,
                                        uint8_t start, uint8_t end) {
  auto& slot = FChannels.at(static_cast<size_t>(channel - 1));
  slot = std::make_unique<TSimChannelDevice>(model, hardware, firmware, start, end);
  return *slot;
}

TSimChannelDevice* TSimDataLink::Channel(int channel) const {
  if (channel < 1 || channel > 8) return nullptr;
  return FChannels[static_cast<size_t>(channel - 1)].get();
}

bool TSimDataLink::OnBoxCommand(const std::vector<uint8_t>& frame, TSimDevice& device) {
  if (!IsBoxFrame(frame)) return false;
  const uint8_t start = frame[0];
  const uint8_t end = frame[7];
  switch (frame[1]) {
    case 21:
      if (start != kBoxStart) return false;
      Mode = frame[4];
      device.Reply(SimShortFrame(kBoxStart, 21, kBoxEnd));
      return true;
    case 17: {
      ++StatusRequests;
      LastStatusRequest = frame;
      std::vector<uint8_t> status(24, 0);
      status[0] = start;
      status[1] = 17;
      for (int k = 0; k < 8; ++k) status[5 + k] = FChannels[k] && !HideChannel[k] ? 1 : 0;
      status[23] = end;
      device.Reply(status);
      return true;
    }
    case 18: {
      const int channel = frame[4];
      SelectRequests.push_back(channel);
      TSimChannelDevice* target = Channel(channel);
      if (!target) return true;  // nothing behind the channel: no answer
      int& refuse = RefuseSelection[static_cast<size_t>(channel - 1)];
      if (refuse != 0) {
        if (refuse > 0) --refuse;
        device.Reply(SimShortFrame(start, 3, end));
        return true;
      }
      Selected = channel;
      device.Reply(SimShortFrame(start, 2, end));
      return true;
    }
    default:
      return false;
  }
}

void TSimDataLink::OnFrame(const std::vector<uint8_t>& frame, TSimDevice& device) {
  if (frame.size() < 4) return;
  if (OnBoxCommand(frame, device)) return;
  TSimChannelDevice* selected = Channel(Selected);
  if (selected && frame.front() == selected->Start() && frame.back() == selected->End()) {
    selected->OnFrame(frame, device);
    return;
  }
  FBox.OnFrame(frame, device);
}

// Modbus reports: identifier 0x0A, the frame from byte 1, its length in byte
// 48. The selected channel's reply comes back as a 49-byte report with
// identifier 1.
bool TSimDataLink::OnReport(const uint8_t* report, size_t length, TSimDevice& device) {
  if (length < 1 || report[0] != kModbusReportId) return false;
  ModbusReports.emplace_back(report, report + length);
  if (length < kModbusReportLength) return true;
  const size_t n = report[48];
  TSimChannelDevice* channel = Channel(Selected);
  if (n == 0 || n > 47 || !channel) return true;
  const std::vector<uint8_t> reply =
      channel->OnModbus(std::vector<uint8_t>(report + 1, report + 1 + n));
  if (reply.empty()) return true;
  std::vector<uint8_t> input(kModbusReportLength, 0);
  input[0] = channel->ModbusFault == TModbusFault::WrongReportId ? 2 : 1;
  std::copy_n(reply.begin(), std::min(reply.size(), size_t{48}), input.begin() + 1);
  if (channel->ModbusFault == TModbusFault::ShortReport) input.resize(20);
  device.ReplyRaw(input);
  return true;
}
