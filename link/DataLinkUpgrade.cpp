// The channel upgrade: for every checked channel box, select the channel and
// upgrade the device behind it through the channel gate, then report how
// many channels were upgraded and how many failed.

#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"

namespace {

void Handshake(TfrmInterface& form) {
  if (form.SendCommand(0)) form.ReadReply(1);
}

}  // namespace

// A channel that cannot be selected was not upgraded: it counts as a failure,
// so that the summary never reads as a clean success when a channel was left out.
void TfrmInterface::btnUpgrade2Click(TObject*) {
  SetEnabled(false);
  int succeeded = 0;
  int failed = 0;
  for (int k = 0; k < 8; ++k) {
    TzrCheckBox* box = ChannelBox(k);
    if (!box || !box->GetIsChecked()) continue;
    SetScanMarkers();
    FBusy = true;
    FConnected = true;
    Handshake(*this);
    Handshake(*this);
    ReadReply(1);
    if (SelectDataLinkChannel(k + 1) == TChannelSelect::Selected) {
      SetChannelMarkers();
      FBusy = false;
      if (UpgradeChannelFirmware(UTF16ToUTF8(box->GetText())))
        ++succeeded;
      else
        ++failed;
    } else {
      ++failed;
    }
    Handshake(*this);
    Handshake(*this);
  }
  FFrameStart = 0xA8;
  FFrameEnd = 0x8A;
  FBusy = false;
  ShowMessageText(ChannelUpgradeSummary(succeeded, failed), 0);
  SetLinkTimerEnabled(true);
  SetEnabled(true);
}

std::string TfrmInterface::ChannelUpgradeSummary(int succeeded, int failed) const {
  const bool chinese = Chinese1 && Chinese1->GetChecked();
  if (succeeded == 0)
    return LangText("ChannelUF", chinese ? "没有更新任何通道" : "No update any channel");
  const std::string done = LangText(
      "ChannelFinish", chinese ? "个通道更新固件完成，" : "Update the firmware successfully ");
  const std::string fail =
      LangText("ChannelFail", chinese ? "个通道更新固件失败" : "Update the firmware failed ");
  const std::string s = std::to_string(succeeded);
  const std::string f = std::to_string(failed);
  if (chinese) return s + done + f + fail;
  return done + s + "channels, " + fail + f + "channels";
}
