// Command frames: building them, sending them with retries, and waiting for
// the device's short replies and acknowledgements.

#include <cstring>

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_listbox.h"
#include "platform/rtl/Clock.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Menus.h"

namespace {

constexpr int kSendAttempts = 10;
constexpr uint32_t kSendWindow = 1500;
constexpr uint32_t kSendSpacing = 150;
constexpr int kReplyTimeout = 200;
constexpr int kAckAttempts = 10;
constexpr int kAckTimeout = 150;
constexpr uint8_t kDataLinkStart = 0xA8;
constexpr uint8_t kDataLinkEnd = 0x8A;
constexpr int kMaxFrame = 48;

void PutCrc(uint8_t* frame, int count) {
  const uint16_t crc = TfrmInterface::Crc16Ccitt(frame, static_cast<uint32_t>(count));
  frame[count] = static_cast<uint8_t>(crc & 0xFF);
  frame[count + 1] = static_cast<uint8_t>(crc >> 8);
}

// Pumps the window messages until ms have passed since start.
void WaitSince(uint32_t start, uint32_t ms) {
  while (GetTickCount() - start < ms) ProcessMessages();
}

}  // namespace

bool TfrmInterface::IsDataLinkChecked(int first, int last) const {
  TMenuItem* const items[] = {DATALINK1, DATALINK2, DATALINK3, DATALINK4, DATALINK5};
  for (int i = first; i <= last; ++i)
    if (i >= 1 && i <= 5 && items[i - 1] && items[i - 1]->GetChecked()) return true;
  return false;
}

int TfrmInterface::BuildCommandFrame(uint8_t command, uint8_t* frame) const {
  frame[0] = FFrameStart;
  frame[1] = command;
  if (command <= 3 || command == 5) {
    frame[2] = static_cast<uint8_t>(255 - command);
    frame[3] = FFrameEnd;
    return 4;
  }
  const bool plainModel = FModel == "AIRPLANE" || FModel == "AIRPLANE_PID";
  if ((command == 9 || command == 10) && !plainModel) {
    uint8_t mode = 255;
    if (!FLoadingSettings && !FScanMode) {
      auto* modeBox = dynamic_cast<TzrComboBox*>(FindComponent("cbMode"));
      if (modeBox) mode = static_cast<uint8_t>(modeBox->GetItemIndex() & 0xFF);
    }
    frame[2] = 1;
    frame[3] = 0;
    frame[4] = 0;
    frame[5] = mode;
    PutCrc(frame, 6);
    frame[8] = FFrameEnd;
    return 9;
  }
  frame[2] = 0;
  frame[3] = 0;
  frame[4] = (FScanMode && IsDataLinkChecked(4, 4)) ? 1 : 0;
  PutCrc(frame, 5);
  frame[7] = FFrameEnd;
  return 8;
}

int TfrmInterface::BuildArgumentFrame(uint8_t command, uint8_t argument, uint8_t* frame) const {
  const bool modeCommand = command == 21;
  uint8_t sub = 0;
  if (modeCommand && argument == 2 && IsDataLinkChecked(3, 3)) sub = 1;
  if (modeCommand && argument == 2 && IsDataLinkChecked(4, 4)) sub = 2;
  frame[0] = modeCommand ? kDataLinkStart : FFrameStart;
  frame[1] = command;
  frame[2] = 0;
  frame[3] = sub;
  frame[4] = argument;
  PutCrc(frame, 5);
  frame[7] = modeCommand ? kDataLinkEnd : FFrameEnd;
  return 8;
}

int TfrmInterface::BuildDataFrame(uint8_t command, uint16_t index, const uint8_t* data, int n,
                                  uint8_t* frame) const {
  frame[0] = FFrameStart;
  frame[1] = command;
  frame[2] = static_cast<uint8_t>(n);
  frame[3] = static_cast<uint8_t>(index & 0xFF);
  frame[4] = static_cast<uint8_t>(index >> 8);
  if (n > 0) std::memcpy(frame + 5, data, static_cast<size_t>(n));
  PutCrc(frame, 5 + n);
  frame[7 + n] = FFrameEnd;
  return n + 8;
}

bool TfrmInterface::SendFrame(const uint8_t* frame, int length) {
  if (!DevListBox || DevListBox->Count() == 0) return false;
  if (!FConnected) return WriteReport(frame, length);
  const uint32_t start = GetTickCount();
  for (int attempt = 0;; ++attempt) {
    ProcessMessages();
    if (attempt >= kSendAttempts || GetTickCount() - start > kSendWindow) return false;
    const uint32_t attemptStart = GetTickCount();
    if (WriteReport(frame, length)) return true;
    WaitSince(attemptStart, kSendSpacing);
  }
}

bool TfrmInterface::SendCommand(uint8_t command) {
  uint8_t frame[kMaxFrame];
  const int length = BuildCommandFrame(command, frame);
  return SendFrame(frame, length);
}

bool TfrmInterface::SendCommandArg(uint8_t command, uint8_t argument) {
  uint8_t frame[kMaxFrame];
  const int length = BuildArgumentFrame(command, argument, frame);
  return SendFrame(frame, length);
}

bool TfrmInterface::IsShortFrame(const uint8_t* frame, uint8_t command) const {
  return frame[0] == FFrameStart && frame[1] == command && frame[2] == 255 - command &&
         frame[3] == FFrameEnd;
}

int TfrmInterface::ReadReply(uint8_t expected) {
  if (!DevListBox || DevListBox->Count() == 0) return 2;
  uint8_t frame[kMaxFrame] = {};
  int length = 0;
  if (!ReadReport(frame, kReplyTimeout, &length)) return 2;
  if (IsShortFrame(frame, expected)) return 0;
  const bool status =
      length >= 24 && frame[0] == FFrameStart && frame[1] == expected && frame[23] == FFrameEnd;
  if (!status) return 1;
  for (int k = 0; k < 8; ++k) FChannelPresent[k] = frame[5 + k] != 0;
  return 0;
}

int TfrmInterface::WaitAck(uint8_t expected) {
  if (!DevListBox || DevListBox->Count() == 0) return 2;
  for (int attempt = 0; attempt < kAckAttempts; ++attempt) {
    ProcessMessages();
    const uint32_t attemptStart = GetTickCount();
    uint8_t frame[kMaxFrame] = {};
    if (ReadReport(frame, kAckTimeout)) return IsShortFrame(frame, expected) ? 0 : 1;
    WaitSince(attemptStart, kAckTimeout);
  }
  return 2;
}
