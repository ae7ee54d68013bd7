// The five data-link modes of the device menu: switching to a mode, and the
// menus and channel boxes that a scan locks and a mode change clears.

#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"

void TfrmInterface::DATALINK1Click(TObject*) { SwitchDataLinkMode(DATALINK1); }

void TfrmInterface::DATALINK2Click(TObject*) {
  if (SwitchDataLinkMode(DATALINK2)) UpdateChannelBoxes();
}

void TfrmInterface::DATALINK3Click(TObject*) {
  if (SwitchDataLinkMode(DATALINK3)) UpdateChannelBoxes();
}

void TfrmInterface::DATALINK4Click(TObject*) {
  if (SwitchDataLinkMode(DATALINK4)) UpdateChannelBoxes();
}

void TfrmInterface::DATALINK5Click(TObject*) {
  if (!SwitchDataLinkMode(DATALINK5)) return;
  if (btnRead) btnRead->SetEnabled(true);
  if (btnWrite) btnWrite->SetEnabled(false);
  if (rbChannel1) rbChannel1->SetIsChecked(true);
}

bool TfrmInterface::SwitchDataLinkMode(TMenuItem* item) {
  return SwitchProductMode(item, 0xA8, 0x8A, true);
}

void TfrmInterface::EnableDeviceMenus(bool enabled) {
  for (TMenuItem* menu : {English1, Chinese1, ESCSpeedController1, MotorChecker1, LCDProgramCard1,
                          DATALINK1, DATALINK2, DATALINK3, DATALINK4, DATALINK5})
    if (menu) menu->SetEnabled(enabled);
  if (gbChannel) gbChannel->SetEnabled(enabled);
}

void TfrmInterface::UpdateChannelBoxes() {
  for (int k = 0; k < 8; ++k)
    if (TzrCheckBox* box = ChannelBox(k)) {
      box->SetIsChecked(false);
      box->SetEnabled(false);
    }
}
