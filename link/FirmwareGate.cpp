// The firmware version gates: which version may replace the device's current
// one (the version file beside the model database), the readme and interim
// questions, and the report of the transfer's outcome; one gate for the
// connected device, one for the device behind a data-link channel.

#include "link/FirmwareGate.h"

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "link/LinkDebug.h"
#include "pages/ModelDatabase.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Menus.h"

namespace {

const char kQuestionTitle[] = "Infomation";
constexpr uint32_t kProgramCardWait = 5000;
constexpr uint32_t kProgramCardPoll = 100;
// The LCD program card is upgraded again after a failure while it comes back;
// this many runs at most.
constexpr int kProgramCardRuns = 5;

bool Checked(const TMenuItem* item) { return item && item->GetChecked(); }

std::string ItemText(const TzrComboBox* list) { return UTF16ToUTF8(zrComboText(list)); }

bool HasEntries(const TzrComboBox* list) { return list && list->Count() > 0; }

bool AskYesNo(const std::u16string& text) {
  return MessageBox(UTF16ToUTF8(text), kQuestionTitle, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::string RefusalText(const std::string& current, const std::string& chosen) {
  return "The current version (" + current + ") can not be updated to the version (" + chosen +
         ")!";
}

std::string InterimQuestion(const std::string& current, const std::string& chosen) {
  return "The current version (" + current + ") can not be  updated to the version (" + chosen +
         ") directly, do you want to update it to the interim version?";
}

// The current version for the version file: the extra identifier where it
// stands in for the firmware version.
std::string CurrentVersion(const TfrmInterface& form) {
  if (form.FModel == "VO_VAV_OVI_V5" && !form.FDeviceExtraId.empty()) return form.FDeviceExtraId;
  return form.FFirmware;
}

// What one run of a gate found before the transfer.
struct TGateChoice {
  bool Declined = false;  // the readme question was answered No
  std::string Version;    // what to install; empty when nothing is
};

// The readme question and the batch rules, shared by both gates. Refusals are
// shown in the message area and the information box.
TGateChoice ChooseVersion(TfrmInterface& form, const std::string& chosen,
                          const std::string& currentName) {
  TGateChoice choice;
  const TMemIniFile filter(VersionControlPath(form.FModelDatabase));
  const std::string section = form.FModel + " " + form.FHardware;
  const std::string readme = filter.ReadString(section, form.LangKey(chosen + "_readme"), "");
  if (!readme.empty() && !AskYesNo(form.ReadmeToWide(readme))) {
    choice.Declined = true;
    return choice;
  }
  const std::string chosenName = form.MapFirmwareName(chosen);
  const TFirmwarePath path =
      FindFirmwarePath(filter, form.FModel, form.FHardware, CurrentVersion(form), chosen);
  if (path.Kind == TFirmwarePath::fpRefused) {
    form.ShowMessageText(RefusalText(currentName, chosenName), 2);
    return choice;
  }
  if (path.Kind == TFirmwarePath::fpInterim &&
      !AskYesNo(UTF8ToUTF16(InterimQuestion(currentName, chosenName))))
    return choice;
  choice.Version = path.Version;
  return choice;
}

// Runs the transfer; an exception inside counts as the result "fail".
std::string RunTransfer(TfrmInterface& form, const std::string& version,
                        const std::string& channel) {
  try {
    return form.UpgradeFirmware(version, channel);
  } catch (const std::exception&) {
    return "fail";
  }
}

std::string SuccessText(const TfrmInterface& form) {
  return form.LangText("upgrade_succ", "upgrade_succ");
}

std::string FailureText(const TfrmInterface& form, const std::string& result) {
  return form.LangText("upgrade_fail", "upgrade_fail") + "(" + result + ")";
}

// The outcome of one run of the device gate.
enum class TGateRun { NotStarted, Done, Repeat };

// One run of the device gate up to the transfer's report. A failed transfer
// of the LCD program card asks for another run.
TGateRun RunDeviceGate(TfrmInterface& form, bool& upgraded, std::string& failure) {
  TzrComboBox* list = form.cbFirmware;
  if (form.FPendingFirmware > 0 && list) list->SetItemIndex(form.FPendingFirmware - 1);
  if (Checked(form.Demo1) || (form.FBusy && form.FPendingFirmware == 0) || !form.FConnected ||
      !form.btnUpgrade || !form.btnUpgrade->GetEnabled())
    return TGateRun::NotStarted;

  form.FBusy = true;
  form.FPendingFirmware = (list ? list->GetItemIndex() : -1) + 1;
  const std::string currentName = form.MapFirmwareName(form.FFirmware);
  const std::string chosen = form.MapFirmwareName(ItemText(list));
  const TGateChoice choice = ChooseVersion(form, chosen, currentName);
  if (choice.Declined) {
    form.btnUpgrade->SetEnabled(HasEntries(list));
    form.SetEnabled(true);
    return TGateRun::Done;
  }
  if (choice.Version.empty()) return TGateRun::Done;

  const bool programCard = Checked(form.LCDProgramCard1);
  // The main window has no stay-on-top style here, so the program card's
  // switch back to the normal form style has nothing to change.
  const std::string result = RunTransfer(form, choice.Version, "0");
  if (result.empty()) {
    form.FStatusKey = "upgrade_succ";
    upgraded = true;
    form.ShowMessageText(SuccessText(form), 2);
    form.FConnected = false;  // the link timer connects to the new firmware
    form.FPendingFirmware = 0;
    form.FReadAttempts = 0;
    return TGateRun::Done;
  }
  form.FStatusKey = "upgrade_fail";
  failure = result;
  if (programCard) return TGateRun::Repeat;
  form.FPendingFirmware = 0;
  form.FReadAttempts = 0;
  form.ShowMessageText(FailureText(form, result), 2);
  return TGateRun::Done;
}

// Waits up to 5 s for the LCD program card to come back after a failed
// upgrade: true when command 0 can be sent again or no adapter is listed.
bool WaitForProgramCard(TfrmInterface& form) {
  const uint32_t start = GetTickCount();
  while (GetTickCount() - start < kProgramCardWait) {
    ProcessMessages();
    form.WaitMs(kProgramCardPoll);
    if (!form.DevListBox || form.DevListBox->Count() == 0 || form.SendCommand(0)) return true;
  }
  return false;
}

}  // namespace

TFirmwarePath FindFirmwarePath(const TMemIniFile& filter, const std::string& model,
                               const std::string& hardware, const std::string& current,
                               const std::string& chosen) {
  TFirmwarePath path;
  const auto batches = ReadVersionBatches(filter, model, hardware);
  const int from = FindVersionBatch(batches, current);
  const int to = FindVersionBatch(batches, chosen);
  if (from == 0 || to == 0) return path;
  if (from == to) {
    path.Kind = TFirmwarePath::fpDirect;
    path.Version = chosen;
    return path;
  }
  const std::string section = model + " " + hardware;
  const std::string key = (to < from ? "down" : "up") + std::to_string(from);
  const std::string interim = filter.ReadString(section, key, "");
  if (interim.empty()) return path;
  path.Kind = TFirmwarePath::fpInterim;
  path.Version = interim;
  return path;
}

std::u16string TfrmInterface::ReadmeToWide(const std::string& readme) const {
  return UTF8ToUTF16(readme);
}

void TfrmInterface::btnUpgradeClick(TObject*) {
  SetEnabled(false);
  const bool upgraded = UpgradeDeviceFirmware();
  LinkDebugText(upgraded ? "更新固件完成" : "更新固件失败");
  SetEnabled(true);
}

bool TfrmInterface::UpgradeDeviceFirmware() {
  bool upgraded = false;
  bool started = false;
  std::string failure;
  // A program card that does not come back, fails every run, or can no longer
  // be upgraded ends the repeats with the failure shown as for any device.
  const auto giveUp = [&] {
    FPendingFirmware = 0;
    FReadAttempts = 0;
    ShowMessageText(FailureText(*this, failure), 2);
  };
  for (int run = 1;; ++run) {
    const TGateRun outcome = RunDeviceGate(*this, upgraded, failure);
    if (outcome == TGateRun::NotStarted) {
      if (started) giveUp();
      break;
    }
    started = true;
    if (outcome == TGateRun::Done) break;
    if (run >= kProgramCardRuns || !WaitForProgramCard(*this)) {
      giveUp();
      break;
    }
  }
  if (!started) return false;
  if (IsLinkLampOn() && btnUpgrade) btnUpgrade->SetEnabled(HasEntries(cbFirmware));
  FBusy = false;
  return upgraded;
}

bool TfrmInterface::UpgradeChannelFirmware(const std::string& channel) {
  TzrComboBox* list = scbFirmware;
  if (FPendingFirmware > 0 && list) list->SetItemIndex(FPendingFirmware - 1);
  if (Checked(Demo1) || (FBusy && FPendingFirmware == 0) || !FConnected || !btnUpgrade2 ||
      !btnUpgrade2->GetEnabled())
    return false;

  FBusy = true;
  FPendingFirmware = (list ? list->GetItemIndex() : -1) + 1;
  const std::string currentName = MapFirmwareName(CurrentVersion(*this));
  const std::string chosen = MapFirmwareName(ItemText(list));
  // The same batch rules as the device gate: a channel's device is refused the
  // same moves, and offered the same interim versions.
  const TGateChoice choice = ChooseVersion(*this, chosen, currentName);
  bool upgraded = false;
  if (choice.Declined) {
    btnUpgrade2->SetEnabled(HasEntries(list));
    SetEnabled(true);
    FBusy = false;
  } else if (choice.Version.empty()) {
    FBusy = false;
  } else {
    const std::string result = RunTransfer(*this, choice.Version, channel);
    FPendingFirmware = 0;
    FReadAttempts = 0;
    if (result.empty()) {
      FStatusKey = "upgrade_succ";
      upgraded = true;
      ShowMessageText(channel + ": " + SuccessText(*this), 0);
    } else {
      FStatusKey = "upgrade_fail";
      FBusy = false;
      ShowMessageText(channel + ": " + FailureText(*this, result), 0);
    }
  }
  if (IsLinkLampOn()) btnUpgrade2->SetEnabled(HasEntries(list));
  return upgraded;
}
