#pragma once
// A motor analyzer behind the adapter: a controller as far as the handshake
// and identity go, which also streams its measurement log on command 14 — an
// acknowledgement first, then the 12-byte big-endian records in data frames of
// 16 bytes, each sent once the previous one is acknowledged, ended by a chunk
// shorter than 16 bytes.

#include <cstdint>
#include <vector>

#include "tests/support/SimController.h"

struct TSimLogSample {
  int32_t Speed = 0;
  float Voltage = 0;
  float Current = 0;
};

class TSimAnalyzer : public TSimController {
 public:
  TSimAnalyzer();

  // The log the analyzer holds, as bytes.
  std::vector<uint8_t> Log;
  void SetSamples(const std::vector<TSimLogSample>& samples);
  static std::vector<uint8_t> EncodeSample(const TSimLogSample& sample);

  // Fault knob: the analyzer falls silent for good after this many chunks
  // (-1: never).
  int CutAfterChunks = -1;

  // What the analyzer saw.
  int LogRequests = 0;
  int LogNaks = 0;

  void OnFrame(const std::vector<uint8_t>& frame, TSimDevice& device) override;

 private:
  void SendLogChunk(TSimDevice& device);

  bool FLogActive = false;
  bool FCut = false;
  int FLogIndex = 0;
  int FChunksSent = 0;
};
