// Motor analyzer log records (12-byte big-endian samples) as the analyzer's
// ring delivers them, into the sample table and the statistics.

#include "app/frmInterface.h"
#include "fuzz/link_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  static TLinkHarness* link = new TLinkHarness();  // the window is costly to make
  link->Form->ResetLogStats();
  link->Form->ProcessLogRecords(Data, static_cast<int>(Size));
  return 0;
}
