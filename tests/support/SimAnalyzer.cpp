#include "tests/support/SimAnalyzer.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int kChunk = 16;
constexpr uint8_t kLogCommand = 14;

bool IsShort(const std::vector<uint8_t>& frame, uint8_t command) {
  return frame.size() == 4 && frame[1] == command && frame[2] == 255 - command;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

TSimAnalyzer::TSimAnalyzer() : TSimController("MOTOR_CHECKER", "MC01", "V1.0.0") {}

std::vector<uint8_t> TSimAnalyzer::EncodeSample(const TSimLogSample& sample) {
  std::vector<uint8_t> bytes;
  PutBigEndian(bytes, static_cast<uint32_t>(sample.Speed));
  PutBigEndian(bytes, std::bit_cast<uint32_t>(sample.Voltage));
  PutBigEndian(bytes, std::bit_cast<uint32_t>(sample.Current));
  return bytes;
}

void TSimAnalyzer::SetSamples(const std::vector<TSimLogSample>& samples) {
  Log.clear();
  for (const TSimLogSample& sample : samples) {
    const std::vector<uint8_t> bytes = EncodeSample(sample);
    Log.insert(Log.end(), bytes.begin(), bytes.end());
  }
}

void TSimAnalyzer::OnFrame(const std::vector<uint8_t>& frame, TSimDevice& device) {
  if (FCut) return;
  const bool own = frame.size() >= 4 && frame.front() == Start && frame.back() == End;
  if (own && frame.size() == 8 && frame[1] == kLogCommand) {
    ++LogRequests;
    FLogActive = true;
    FLogIndex = 0;
    device.Reply(SimShortFrame(Start, 2, End));
    SendLogChunk(device);
    return;
  }
  if (own && FLogActive && IsShort(frame, 2)) {
    ++FLogIndex;
    SendLogChunk(device);
    return;
  }
  if (own && FLogActive && IsShort(frame, 3)) {
    ++LogNaks;
    SendLogChunk(device);
    return;
  }
  TSimController::OnFrame(frame, device);
}

void TSimAnalyzer::SendLogChunk(TSimDevice& device) {
  const int offset = kChunk * FLogIndex;
  if (offset > static_cast<int>(Log.size())) {
    FLogActive = false;  // the end chunk was acknowledged
    return;
  }
  if (CutAfterChunks >= 0 && FChunksSent >= CutAfterChunks) {
    FCut = true;
    return;
  }
  const int n = std::min(kChunk, static_cast<int>(Log.size()) - offset);
  device.Reply(SimDataFrame(Start, kLogCommand, static_cast<uint16_t>(FLogIndex),
                            Log.data() + offset, n, End));
  ++FChunksSent;
}
