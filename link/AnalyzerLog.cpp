// Reading the motor analyzer's log: command 14, acknowledged first, whose
// 16-byte chunks the block read collects in a ring of 192 bytes and hands to
// the record processing.

#include <vector>

#include "app/LangCommon.h"
#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_grid.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"

namespace {

constexpr uint8_t kLogCommand = 14;

}  // namespace

void TfrmInterface::ResetLogStats() {
  FLogStats = TLogStats{};
  FLogStats.SpeedMin = 200000;
  FLogStats.VoltageMin = 30.0f;
  FLogStats.CurrentMin = 100.0f;
  FLogSums = TLogSums{};
}

// The button's caption tells a read about to start (first text) from a read
// running (second text); a click during a read only turns the caption back.
void TfrmInterface::btnStartClick(TObject*) {
  const bool chinese = Chinese1 && Chinese1->GetChecked();
  std::string first, second;
  if (FLangIni) {
    first = FLangIni->ReadString(LangCommonSection, chinese ? "cStart1" : "eStart1", "");
    second = FLangIni->ReadString(LangCommonSection, chinese ? "cStart2" : "eStart2", "");
  }
  if (UTF16ToUTF8(btnStart->GetText()) != first) {
    btnStart->SetText(UTF8ToUTF16(first));
    return;
  }
  // Another operation owns the link: a log read now would mix its frames
  // with that operation's and release the link under it.
  if (FBusy) return;
  btnStart->SetText(UTF8ToUTF16(second));
  ResetLogStats();
  StringGrid1->SetRowCount(2);
  StringGrid1->SetCells(0, 1, u"");
  FBusy = true;
  std::vector<uint8_t> buffer(kBlockBufferSize, 0);
  try {
    ReadBlock(kLogCommand, buffer.data(), true);
  } catch (const std::exception&) {
    // What arrived before the failure stays in the tables.
  }
  FBusy = false;
  btnStart->SetText(UTF8ToUTF16(first));
}
