// Replies of a speed controller (link frames in input reports): the arrival,
// then link ticks (connection, identity, settings, keep-alive) on whatever
// the device answers.

#include "app/frmInterface.h"
#include "fuzz/link_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TLinkHarness link;
  link.PlugReplying(Data, Size);
  link.Arrive();
  for (int i = 0; i < 4; ++i) link.Form->Timer1Timer(link.Form.get());
  return 0;
}
