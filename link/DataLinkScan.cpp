// The channel scan of the data link: the scan button starts and stops it
// (the link timer polls the channel status meanwhile), and stopping it
// selects the first channel that has a device, so that the link timer
// connects to that device.

#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_listbox.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/ListBox.h"

namespace {

constexpr int kSelectAttempts = 6;
constexpr uint32_t kSelectSettle = 150;

}  // namespace

// While scanning and selecting, the box listens with the markers of the
// mode: its own in the UART mode, the channels' otherwise.
void TfrmInterface::SetScanMarkers() {
  const bool uart = DATALINK2 && DATALINK2->GetChecked();
  FFrameStart = uart ? 0xA8 : 0xA6;
  FFrameEnd = uart ? 0x8A : 0x6A;
}

// A selected channel's device speaks with its own markers: a CAN device in
// the CAN mode, a speed controller otherwise.
void TfrmInterface::SetChannelMarkers() {
  const bool can = DATALINK3 && DATALINK3->GetChecked();
  FFrameStart = can ? 0xA6 : 0xA5;
  FFrameEnd = can ? 0x6A : 0x5A;
}

TfrmInterface::TChannelSelect TfrmInterface::SelectDataLinkChannel(int channel) {
  for (int attempt = 0; attempt < kSelectAttempts; ++attempt) {
    ProcessMessages();
    if (!DevListBox || DevListBox->Count() == 0) return TChannelSelect::NoAdapter;
    if (SendCommandArg(18, static_cast<uint8_t>(channel)) && ReadReply(2) == 0)
      return TChannelSelect::Selected;
  }
  return TChannelSelect::Refused;
}

void TfrmInterface::btnScanClick(TObject*) {
  const bool chinese = Chinese1 && Chinese1->GetChecked();
  FScanMode = !FScanMode;
  if (FScanMode) {
    if (btnUpgrade2) btnUpgrade2->SetEnabled(false);
    EnableDeviceMenus(false);
    if (btnScan) btnScan->SetText(UTF8ToUTF16(LangText("StopScan", chinese ? "停止" : "Stop")));
    FBusy = true;
    SetEnabled(true);
    SetScanMarkers();
    return;
  }
  SetLinkTimerEnabled(false);
  EnableDeviceMenus(true);
  if (btnScan) btnScan->SetText(UTF8ToUTF16(LangText("StartScan", chinese ? "扫描" : "Scan")));
  FBusy = false;
  int first = 0;
  for (int k = 0; k < 8 && first == 0; ++k)
    if (FChannelPresent[k]) first = k + 1;
  if (first > 0) {
    if (btnUpgrade2) btnUpgrade2->SetEnabled(scbFirmware && scbFirmware->Count() > 0);
    const TChannelSelect selection = SelectDataLinkChannel(first);
    if (selection == TChannelSelect::NoAdapter) return;
    if (selection == TChannelSelect::Selected) {
      WaitMs(kSelectSettle);
      SetChannelMarkers();
      if (SendCommand(0)) ReadReply(1);
    } else {
      // The channel would not be selected: the link goes back to the box.
      FFrameStart = 0xA8;
      FFrameEnd = 0x8A;
    }
  }
  SetLinkTimerEnabled(true);
  FReconnect = true;
}
