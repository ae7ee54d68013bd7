// Analyzer record files chosen by the user.

#include "app/frmInterface.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/link_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  static TLinkHarness* link = new TLinkHarness();  // the window is costly to make
  link->Form->LoadLogRecordFile(WriteScratchFile(Data, Size, ".txt"));
  return 0;
}
