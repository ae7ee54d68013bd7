// Modbus replies of a channel behind the data link box: reading the channel's
// parameters on whatever the box answers.

#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "fuzz/link_harness.h"
#include "link/ChannelTuningFrames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TLinkHarness link;
  // A data link box (49-byte reports both ways) in its tuning mode.
  TSimDevice& box = link.PlugReplying(Data, Size, 0x0483, 0x5720);
  box.InputReportLength = 49;
  box.OutputReportLength = 49;
  link.Form->DATALINK5Click(nullptr);
  link.Arrive();
  link.Form->btnReadClick(link.Form->btnRead);
  link.QueueRest();
  uint8_t reply[kModbusReplyLength] = {};
  link.Form->ReadModbusReport(reply, kModbusReplyLength, 150);
  return 0;
}
