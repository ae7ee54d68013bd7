// Block transfers: data larger than one report, moved in acknowledged chunks
// of 16 bytes.

#include <algorithm>
#include <cstring>

#include "app/frmInterface.h"
#include "app/frmProgress.h"
#include "controls/zr_controls.h"
#include "controls/zr_objects.h"
#include "link/LinkDebug.h"
#include "platform/rtl/Clock.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_ani.h"

namespace {

constexpr int kChunk = 16;
constexpr int kWriteAttempts = 20;
constexpr uint32_t kAttemptSpacing = 150;
constexpr uint32_t kChunkPause = 10;
constexpr int kReadPasses = 10;
constexpr int kReadMisses = 10;
constexpr int kReadTimeout = 150;
constexpr uint8_t kAck = 2;
constexpr uint8_t kNak = 3;
constexpr uint8_t kLogCommand = 14;
constexpr int kLogRing = 192;
constexpr int kMaxFrame = 48;

void WaitSince(uint32_t start, uint32_t ms) {
  while (GetTickCount() - start < ms) ProcessMessages();
}

void Pause(uint32_t ms) { WaitSince(GetTickCount(), ms); }

// Adds n to the progress bar when the sum stays within its maximum.
void AdvanceProgress(TfrmProgress* form, int n) {
  if (!form) return;
  TzrProgressBar* bar = form->ProgressBar1;
  if (bar->GetValue() + static_cast<float>(n) > bar->GetMax()) return;
  bar->SetValue(bar->GetValue() + static_cast<float>(n));
}

// Shows the bytes received so far when they stay within the maximum.
void ShowReceived(TfrmProgress* form, int received) {
  if (!form) return;
  TzrProgressBar* bar = form->ProgressBar1;
  if (static_cast<float>(received) <= bar->GetMax()) bar->SetValue(static_cast<float>(received));
}

}  // namespace

bool TfrmInterface::WriteBlock(uint8_t command, const uint8_t* data, int postDelay, int length) {
  if (ColorKeyAnimation2) ColorKeyAnimation2->Start();
  const bool lcdCard = LCDProgramCard1 && LCDProgramCard1->GetChecked();
  bool ok = false;
  try {
    int k = 0, a = 0;
    uint32_t attemptStart = 0;
    uint8_t frame[kMaxFrame];
    for (;;) {
      ProcessMessages();
      if (a >= kWriteAttempts || !FConnected || !FBusy) {
        FConnected = false;
        break;
      }
      if (a > 0) WaitSince(attemptStart, kAttemptSpacing);
      attemptStart = GetTickCount();
      const int n = std::clamp(length - kChunk * k, 0, kChunk);
      if (lcdCard && n < kChunk && FProgressForm) FProgressForm->Show();
      AdvanceProgress(FProgressForm, n);
      const int frameLength =
          BuildDataFrame(command, static_cast<uint16_t>(k), data + kChunk * k, n, frame);
      Pause(kChunkPause);
      if (!WriteReport(frame, frameLength)) {
        ++a;
        continue;
      }
      if (lcdCard && n < kChunk) {
        if (postDelay > 0) Pause(static_cast<uint32_t>(postDelay));
        ok = true;
        break;
      }
      if (WaitAck(kAck) != 0) {
        LinkDebugText("Recv Error");
        ++a;
        continue;
      }
      if (n < kChunk) {
        if (postDelay > 0) Pause(static_cast<uint32_t>(postDelay));
        ok = true;
        break;
      }
      a = 0;
      ++k;
    }
  } catch (const std::exception&) {
    ok = false;
  }
  if (ColorKeyAnimation2) ColorKeyAnimation2->Stop();
  return ok;
}

// Every return to the start of a pass counts as a pass: a device that answers
// each pass with the negative acknowledgement, or an adapter that refuses
// every write, ends the read with failure after kReadPasses passes.
bool TfrmInterface::ReadBlock(uint8_t command, uint8_t* destination, bool ackFirst) {
  if (ColorKeyAnimation2) ColorKeyAnimation2->Start();
  std::memset(FBlockBuffer, 0, sizeof(FBlockBuffer));
  bool ok = false;
  try {
    bool done = false;
    for (int p = 0; !done; ++p) {
      ProcessMessages();
      if (p >= kReadPasses || !FBusy) break;
      int k = 0, s = 0, m = 0;
      // Until a chunk of this pass has arrived, a repeated reply asks for the
      // chunk again rather than acknowledging one that never came.
      uint8_t r = kNak;
      if (!SendCommand(command)) continue;
      if (ackFirst && WaitAck(kAck) != 0) continue;
      for (;;) {
        ProcessMessages();
        ShowReceived(FProgressForm, s);
        if (m >= kReadMisses || !FBusy) break;
        uint8_t frame[kMaxFrame] = {};
        int frameLength = 0;
        if (!ReadReport(frame, kReadTimeout, &frameLength)) {
          ++m;
          if (m % 3 == 0 && !SendCommand(r)) break;
          continue;
        }
        if (IsShortFrame(frame, kNak)) break;
        const int n = frame[2];
        const int index = frame[3] + 256 * frame[4];
        // The chunk length comes from the device: it must be a chunk's and fit
        // the frame that arrived.
        bool framed = false;
        if (n <= kChunk && 8 + n <= frameLength) {
          const uint16_t crc = Crc16Ccitt(frame, static_cast<uint32_t>(5 + n));
          framed = frame[0] == FFrameStart && frame[5 + n] == (crc & 0xFF) &&
                   frame[6 + n] == (crc >> 8) && frame[7 + n] == FFrameEnd;
        }
        if (framed && frame[1] == command + 1) {
          std::memcpy(destination, frame, kChunk);
          ok = done = true;
          break;
        }
        if (framed && frame[1] == command && index == k) {
          const int offset = command == kLogCommand ? kChunk * (k % 12) : kChunk * k;
          if (offset + n > kBlockBufferSize) {
            done = true;  // longer than any block: give up rather than overrun
            break;
          }
          m = 0;
          r = kAck;
          std::memcpy(FBlockBuffer + offset, frame + 5, static_cast<size_t>(n));
          s += n;
          ++k;
        } else {
          ++m;
          r = kNak;
        }
        if (!SendCommand(r)) break;
        if (command == kLogCommand && m == 0 && (s == kLogRing || n < kChunk)) {
          if (OnLogRecords) OnLogRecords(FBlockBuffer, s);
          s = 0;
        }
        if (n < kChunk && m == 0) {
          std::memcpy(destination, FBlockBuffer, static_cast<size_t>(s));
          ok = done = true;
          break;
        }
      }
    }
  } catch (const std::exception&) {
    ok = false;
  }
  if (ColorKeyAnimation2) ColorKeyAnimation2->Stop();
  return ok;
}
