// The settings block: read with command 9 into the parameter buffer, written
// back with command 8.

#include "app/frmInterface.h"
#include "app/frmProgress.h"
#include "controls/zr_controls.h"
#include "controls/zr_objects.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_ani.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

namespace {

constexpr const char* kLampOn = "#FF00AA00";
constexpr int kTries = 10;
constexpr uint32_t kRetryPause = 50;
constexpr uint32_t kWritePostDelay = 500;

}  // namespace

bool TfrmInterface::IsLinkLampOn() const { return Circle1 && Circle1->GetFill()->GetColor() == kLampOn; }

void TfrmInterface::ShowSettingsProgress(int maximum) {
  FreeProgressForm();
  FProgressForm = new TfrmProgress(this);
  FProgressForm->ControlsScene->SetStyle(SceneStyle);
  FProgressForm->Label1->SetText(UTF8ToUTF16(LangText("Process", "处理中，请稍候...")));
  FProgressForm->ProgressBar1->SetMax(static_cast<float>(maximum));
  FProgressForm->ProgressBar1->SetValue(0);
  FProgressForm->Show();
}

std::string TfrmInterface::ReadSettings() {
  if (!IsLinkLampOn() || FModel.empty() || FHardware.empty()) return "USB Error";
  if (ColorKeyAnimation1) ColorKeyAnimation1->Start();
  std::string result = "Error.";
  for (int attempt = 0;;) {
    ProcessMessages();
    if (attempt >= kTries || !FBusy) break;
    if (!SendCommand(0)) {
      result = "Connect Fail.";
      break;
    }
    if (WaitAck(1) != 0) {
      result = "Return Fail.";
      ++attempt;
      WaitMs(kRetryPause);
      continue;
    }
    result = ReadBlock(9, FParams, false) ? "" : "Get Settings Fail.";
    break;
  }
  if (ColorKeyAnimation1) ColorKeyAnimation1->Stop();
  return result;
}

std::string TfrmInterface::WriteSettings() {
  if (!IsLinkLampOn() || FModel.empty() || FHardware.empty()) return "USB Error";
  std::string result = "Error.";
  CollectParameters();
  for (int attempt = 0;;) {
    ProcessMessages();
    if (attempt >= kTries || !FConnected || !FBusy) break;
    if (!SendCommand(0)) {
      result = "Connect Fail";
      break;
    }
    if (WaitAck(1) != 0) {
      result = "Return Fail";
      ++attempt;
      WaitMs(kRetryPause);
      continue;
    }
    ShowSettingsProgress(FSettingsLength);
    const bool inBuffer = FSettingsOffset >= 0 && FSettingsLength >= 0 &&
                          FSettingsOffset + FSettingsLength <= kParamsSize;
    const bool written =
        inBuffer && WriteBlock(8, FParams + FSettingsOffset, kWritePostDelay, FSettingsLength);
    result = written ? "" : "Update Settings Fail.";
    FreeProgressForm();
    break;
  }
  return result;
}
