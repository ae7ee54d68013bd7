// The language items and the demo-model items of the File and version menus:
// the texts are applied again and the parameter page is rebuilt, of the
// chosen demo model or of the connected device.

#include "app/frmInterface.h"
#include "controls/zr_checks.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_ani.h"

namespace {

constexpr const char* kLampOff = "#FF004A00";

// Clears the switching flag however the handler ends, so that an error while
// the texts are applied does not leave the curve items waiting for good.
struct TSwitchingFlag {
  explicit TSwitchingFlag(bool& flag) : Flag(flag) { Flag = true; }
  ~TSwitchingFlag() { Flag = false; }
  bool& Flag;
};

}  // namespace

void TfrmInterface::VersionClick(TObject* Sender) {
  const TSwitchingFlag switching(FVersionSwitching);
  if (FScanMode) btnScanClick(btnScan);
  // A running link operation keeps the page it works on: the switch waits.
  if (HoldWhileBusy(Sender)) return;
  const auto* sender = dynamic_cast<TComponent*>(Sender);
  int tag = sender ? sender->GetTag() : 0;
  if (tag >= 3 && tag <= Version1->Count()) {
    TMenuItem* picked = Version1->Items(tag - 1);
    // The demo model in force picked again: demo mode ends and the device
    // mode starts over without it, so that the next device connects.
    if (picked == FDemoItem && Demo1->GetChecked()) {
      TMenuItem* mode = FModeItem ? FModeItem : ESCSpeedController1;
      if (mode->OnClick) mode->OnClick(mode);
      return;
    }
    // Only the speed controller mode shows a model's groups: a demo pick in
    // another mode switches to it first.
    if (!Demo1->GetChecked()) SwitchProductMode(ESCSpeedController1, 0xA5, 0x5A, false);
  }
  if (!Chinese1->GetChecked() && !English1->GetChecked()) {
    if (tag == 2)
      English1->SetChecked(true);
    else
      Chinese1->SetChecked(true);
  }
  // A language item keeps the demo model that is chosen.
  if (tag <= 2)
    for (int i = 2; i < Version1->Count(); ++i)
      if (Version1->Items(i)->GetChecked()) {
        tag = Version1->Items(i)->GetTag();
        break;
      }
  ApplyLanguage();
  if (tag <= 2) {
    LoadModelDefinition("");
  } else {
    TMenuItem* model = Version1->Items(tag - 1);
    Demo1->SetChecked(model->GetChecked());
    FDemoItem = model->GetChecked() ? model : nullptr;
    for (TzrColorKeyAnimation* animation : {ColorKeyAnimation1, ColorKeyAnimation2})
      animation->SetEnabled(false);
    for (TzrCircle* lamp : {Circle1, Circle2}) lamp->GetFill()->SetColor(kLampOff);
    FModel.clear();
    FHardware.clear();
    FFirmware.clear();
    FConnected = false;
    LoadModelDefinition(model->GetHint());
  }
  BuildParameterPages();
  ListBox1->SetItemIndex(0);
  ListBoxItemClick(ListBoxItem1);
  if (DATALINK5->GetChecked()) ResetChannelPage();
}

// The channel page as a mode switch leaves it: the first channel, no
// messages, nothing to write, no colour, clockwise.
void TfrmInterface::ResetChannelPage() {
  rbChannel1->SetIsChecked(true);
  sMessage->SetText(u"");
  btnWrite->SetEnabled(false);
  for (TzrCheckBox* box : {cbRed, cbGreen, cbBlue}) box->SetIsChecked(false);
  rbCW->SetIsChecked(true);
}
