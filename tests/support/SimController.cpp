#include "tests/support/SimController.h"

#include <algorithm>

namespace {

constexpr int kChunk = 16;

bool IsShort(const std::vector<uint8_t>& frame, uint8_t command) {
  return frame.size() == 4 && frame[1] == command && frame[2] == 255 - command;
}

}  // namespace

TSimController::TSimController(std::string model, std::string hardware, std::string firmware)
    : Info(80, 0), Settings(240, 0) {
  SetInfoField(0, firmware);
  SetInfoField(16, hardware);
  SetInfoField(32, model);
  for (size_t i = 0; i < Settings.size(); ++i) Settings[i] = static_cast<uint8_t>(i * 7 + 1);
}

void TSimController::SetInfoField(int offset, const std::string& text) {
  std::fill(Info.begin() + offset, Info.begin() + offset + 16, 0);
  std::copy_n(text.begin(), std::min<size_t>(text.size(), 16), Info.begin() + offset);
}

void TSimController::SetInfoBytes(int offset, const std::vector<uint8_t>& bytes) {
  std::copy(bytes.begin(), bytes.end(), Info.begin() + offset);
}

bool TSimController::OwnFrame(const std::vector<uint8_t>& frame) const {
  return frame.size() >= 4 && frame.front() == Start && frame.back() == End;
}

void TSimController::OnFrame(const std::vector<uint8_t>& frame, TSimDevice& device) {
  if (Silent || frame.size() < 4) return;
  // The data-link mode command always travels with the data link's markers.
  if (frame.size() == 8 && frame[0] == 0xA8 && frame[1] == 21 && frame[7] == 0x8A) {
    LastDataLinkMode = frame;
    device.Reply(SimShortFrame(0xA8, 21, 0x8A));
    return;
  }
  if (!OwnFrame(frame)) return;
  const uint8_t command = frame[1];
  if (IsShort(frame, 0)) {
    ++Handshakes;
    if (IgnoreHandshakes > 0) {
      --IgnoreHandshakes;
      return;
    }
    device.Reply(SimShortFrame(Start, 1, End));
  } else if (IsShort(frame, 5)) {
    ++Disconnects;
  } else if (IsShort(frame, 2)) {
    if (FOutDone) return;
    ++FOutIndex;
    SendChunk(device);
  } else if (IsShort(frame, 3)) {
    ++Naks;
    if (!FOutDone) SendChunk(device);
  } else if (command == 7 && frame.size() == 8) {
    ++InfoRequests;
    if (!IgnoreInfo) StartBlock(7, Info, device);
  } else if ((command == 9 || command == 10) && (frame.size() == 9 || frame.size() == 8)) {
    LastModeFrame = frame;
    if (command == 10) {
      ++Defaults;
      device.Reply(SimShortFrame(Start, 2, End));
      return;
    }
    ++SettingsRequests;
    if (OnSettingsRequest) OnSettingsRequest();
    if (!IgnoreSettings) StartBlock(9, Settings, device);
  } else if (command == 8) {
    OnDataFrame(frame, device);
  }
}

void TSimController::StartBlock(uint8_t command, const std::vector<uint8_t>& data,
                                TSimDevice& device) {
  if (NakRequests != 0) {
    if (NakRequests > 0) --NakRequests;
    FOutDone = true;
    device.Reply(SimShortFrame(Start, 3, End));
    return;
  }
  FOutCommand = command;
  FOut = data;
  FOutIndex = 0;
  FOutDone = false;
  SendChunk(device);
}

void TSimController::SendChunk(TSimDevice& device) {
  const int offset = kChunk * FOutIndex;
  if (offset > static_cast<int>(FOut.size())) {
    FOutDone = true;
    return;
  }
  const int n = std::min(kChunk, static_cast<int>(FOut.size()) - offset);
  uint8_t command = FOutCommand;
  uint16_t index = static_cast<uint16_t>(FOutIndex);
  uint8_t start = Start;
  TChunkFault fault{};
  bool faulty = false;
  if (auto it = ChunkFaults.find(FOutIndex); it != ChunkFaults.end()) {
    fault = it->second;
    faulty = true;
    ChunkFaults.erase(it);
  }
  if (faulty && fault == TChunkFault::WrongIndex) ++index;
  if (faulty && fault == TChunkFault::WrongMarkers) start = 0xA6;
  if (faulty && fault == TChunkFault::EndFrame) command = static_cast<uint8_t>(FOutCommand + 1);
  std::vector<uint8_t> frame = SimDataFrame(start, command, index, FOut.data() + offset, n, End);
  if (faulty) {
    switch (fault) {
      case TChunkFault::BadCrc:
        frame[5 + n] ^= 0xFF;
        break;
      case TChunkFault::HugeLength:
        frame[2] = 200;
        break;
      case TChunkFault::Drop:
        return;
      case TChunkFault::ShortReport:
        device.ReplyRaw({SimReportId(frame.size())});
        return;
      case TChunkFault::OverlongReport: {
        std::vector<uint8_t> report(64, 0);
        report[0] = SimReportId(frame.size());
        std::copy(frame.begin(), frame.end(), report.begin() + 1);
        device.ReplyRaw(report);
        return;
      }
      default:
        break;
    }
  }
  device.Reply(frame);
}

void TSimController::KeepWrite() {
  LastWrite = FIn;
  if (KeepWritesAt < 0 || KeepWritesAt + FIn.size() > Settings.size()) return;
  std::copy(FIn.begin(), FIn.end(), Settings.begin() + KeepWritesAt);
}

void TSimController::OnDataFrame(const std::vector<uint8_t>& frame, TSimDevice& device) {
  const int n = frame[2];
  const int index = frame[3] + 256 * frame[4];
  if (n > kChunk || static_cast<int>(frame.size()) != 8 + n) return;
  const uint16_t crc = SimCrc16Xmodem(frame.data(), 5 + n);
  if (frame[5 + n] != (crc & 0xFF) || frame[6 + n] != (crc >> 8)) return;
  if (index == 0) {
    FIn.clear();
    FInIndex = 0;
  }
  if (index == FInIndex) {
    FIn.insert(FIn.end(), frame.begin() + 5, frame.begin() + 5 + n);
    ++FInIndex;
    if (n < kChunk) KeepWrite();
  } else if (index != FInIndex - 1) {
    return;  // out of order: no acknowledgement
  }
  if (RejectWrites) return;
  if (DropAcks > 0) {
    --DropAcks;
    return;
  }
  device.Reply(SimShortFrame(Start, 2, End));
}
