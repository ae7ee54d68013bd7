// The write and default buttons: the page's values to the device, and the
// device's factory settings back into the page.

#include <string>

#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "link/CarHardware.h"
#include "platform/rtl/Clock.h"
#include "platform/vcl/Menus.h"

namespace {

constexpr int kTries = 10;
constexpr uint8_t kConnectCommand = 0;
constexpr uint8_t kDefaultsCommand = 10;

// Sends Command until the device answers with Reply, at most ten tries.
// Empty for success, else the failure; a lost link turns the connection off.
std::string SendUntilAnswered(TfrmInterface& f, uint8_t command, uint8_t reply,
                              const char* sendFailure) {
  for (int tries = 0;;) {
    ProcessMessages();
    if (tries >= kTries || !f.FConnected) {
      f.FConnected = false;
      return "Return Fail.";
    }
    if (command == kConnectCommand && !f.IsLinkLampOn()) return "USB Error";
    if (!f.SendCommand(command)) return sendFailure;
    if (f.WaitAck(reply) == 0) return "";
    ++tries;
  }
}

}  // namespace

void TfrmInterface::btnUpdateClick(TObject* Sender) {
  (void)Sender;
  if ((Demo1 && Demo1->GetChecked()) || FBusy || !FConnected) return;
  FBusy = true;
  SetEnabled(false);
  const bool written = WriteSettings().empty();
  ShowMessageText(LangText(written ? "setting_succ" : "setting_fail",
                           written ? "setting_succ" : "setting_fail"),
                  1);
  FBusy = false;
  if (IsLinkLampOn() && btnUpdate) btnUpdate->SetEnabled(true);
  SetEnabled(true);
}

void TfrmInterface::btnDefaultClick(TObject* Sender) {
  (void)Sender;
  if ((Demo1 && Demo1->GetChecked()) || FBusy || !FConnected) return;
  FBusy = true;
  SetEnabled(false);
  std::string result = SendUntilAnswered(*this, kConnectCommand, 1, "Connect Fail.");
  if (result.empty()) result = SendUntilAnswered(*this, kDefaultsCommand, 2, "SendCommand Fail.");
  if (result.empty()) {
    ShowSettingsProgress(IsLargeCarHardware(FHardware) ? 736 : 240);
    result = ReadSettings();
    if (result.empty())
      ShowParameters();
    else
      SetParameterControlsEnabled(false);
    FreeProgressForm();
  }
  const bool restored = result.empty();
  ShowMessageText(LangText(restored ? "default_succ" : "default_fail",
                           restored ? "default_succ" : "default_fail"),
                  1);
  FBusy = false;
  if (IsLinkLampOn() && btnDefault) btnDefault->SetEnabled(true);
  SetEnabled(true);
}
