#include "tests/support/SimBootloader.h"

#include "platform/rtl/Clock.h"

namespace {

constexpr int kChunk = 16;
constexpr uint8_t kFirstCommand = 12;
constexpr uint8_t kSecondCommand = 4;

bool IsConnect(const std::vector<uint8_t>& frame) {
  return frame.size() == 4 && frame[1] == 0 && frame[2] == 255;
}

}  // namespace

void TSimBootloader::OnFrame(const std::vector<uint8_t>& frame, TSimDevice& device) {
  if (frame.size() >= 8 && (frame[1] == kFirstCommand || frame[1] == kSecondCommand) &&
      frame.front() == Start && frame.back() == End) {
    if (!Silent) OnImageFrame(frame, device);
    return;
  }
  if (IsConnect(frame) && frame.front() == Start) ConnectTicks.push_back(GetTickCount());
  TSimController::OnFrame(frame, device);
}

bool TSimBootloader::CheckImage(uint8_t command) const {
  if (command == kFirstCommand) return !FailFirst && (!ExpectFirst || *ExpectFirst == FirstImage);
  return !FailSecond && (!ExpectSecond || *ExpectSecond == SecondImage);
}

void TSimBootloader::OnImageFrame(const std::vector<uint8_t>& frame, TSimDevice& device) {
  const uint8_t command = frame[1];
  const int n = frame[2];
  const int index = frame[3] + 256 * frame[4];
  if (n > kChunk || static_cast<int>(frame.size()) != 8 + n) return;
  const uint16_t crc = SimCrc16Xmodem(frame.data(), static_cast<size_t>(5 + n));
  if (frame[5 + n] != (crc & 0xFF) || frame[6 + n] != (crc >> 8)) return;
  ImageFrames.push_back({GetTickCount(), command, index, n});
  if (command == UnplugCommand && index == UnplugChunk) {
    device.SetPlugged(false);
    return;
  }

  const bool first = command == kFirstCommand;
  std::vector<uint8_t>& image = first ? FirstImage : SecondImage;
  int& expected = FExpectedIndex[first ? 0 : 1];
  if (index == 0) {
    image.clear();
    expected = 0;
    (first ? FirstDone : SecondDone) = false;
  }
  if (index == expected) {
    image.insert(image.end(), frame.begin() + 5, frame.begin() + 5 + n);
    ++expected;
  } else if (index != expected - 1) {
    return;  // out of order: no answer
  }
  if (DropImageAcks > 0) {
    --DropImageAcks;
    return;
  }
  if (n == kChunk) {
    device.Reply(SimShortFrame(Start, 2, End));
    return;
  }
  // The last chunk: the boot loader checks the whole image.
  if (!CheckImage(command)) {
    device.Reply(SimShortFrame(Start, 3, End));
    return;
  }
  bool& done = first ? FirstDone : SecondDone;
  if (!done) {
    done = true;
    (first ? FirstDoneTick : SecondDoneTick) = GetTickCount();
    if (!first && FirstDone) {
      ++Restarts;
      if (NewFirmware) SetInfoField(0, *NewFirmware);
    }
  }
  device.Reply(SimShortFrame(Start, 2, End));
}
