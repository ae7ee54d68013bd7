// The controls and menu items of the main window that the link reads and drives.

#include "app/frmInterface.h"
#include "controls/XwTimer.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "controls/zr_text_box.h"
#include "link/NamedControl.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/Timers.h"
#include "scene/zr_ani.h"

void TfrmInterface::CreateLinkControls() {
  Timer1 = MakeNamed<TXwTimer>(this, "Timer1");
  Timer1->SetEnabled(false);
  Timer1->SetInterval(100);
  Timer1->SetOnTimer([this](TObject* sender) { Timer1Timer(sender); });
  DeviceChangeTimer = MakeNamed<TTimer>(this, "DeviceChangeTimer");
  DeviceChangeTimer->SetEnabled(false);
  DeviceChangeTimer->SetInterval(100);
  DeviceChangeTimer->SetOnTimer([this](TObject* sender) { DeviceChangeTimerTimer(sender); });
  Circle1 = MakeNamed<TzrCircle>(this, "Circle1");
  Circle2 = MakeNamed<TzrCircle>(this, "Circle2");
  Circle1->GetFill()->SetColor("#FF004A00");
  Circle2->GetFill()->SetColor("#FF004A00");
  ColorKeyAnimation1 = MakeNamed<TzrColorKeyAnimation>(this, "ColorKeyAnimation1");
  ColorKeyAnimation2 = MakeNamed<TzrColorKeyAnimation>(this, "ColorKeyAnimation2");
  eMessage = MakeNamed<TzrMemo>(this, "eMessage");
  zrmMessage = MakeNamed<TzrMemo>(this, "zrmMessage");
  // The device identity is shown, never edited: read-only boxes still let
  // the user select and copy it.
  TzrTextBox** identity[] = {&eController,  &eHardware,  &eFirmware,
                             &tbController, &tbHardware, &tbFirmware};
  const char* identityNames[] = {"eController",  "eHardware",  "eFirmware",
                                 "tbController", "tbHardware", "tbFirmware"};
  for (int i = 0; i < 6; ++i) {
    *identity[i] = MakeNamed<TzrTextBox>(this, identityNames[i]);
    (*identity[i])->SetReadOnly(true);
  }
  cbFirmware = MakeNamed<TzrComboBox>(this, "cbFirmware");
  scbFirmware = MakeNamed<TzrComboBox>(this, "scbFirmware");
  for (TzrComboBox* list : {cbFirmware, scbFirmware}) {
    list->SetResource("comboboxstyle");
    list->SetItemHeight(19);
  }
  btnUpdate = MakeNamed<TzrButton>(this, "btnUpdate");
  btnDefault = MakeNamed<TzrButton>(this, "btnDefault");
  btnUpgrade = MakeNamed<TzrButton>(this, "btnUpgrade");
  btnUpgrade->OnClick = [this](TObject* sender) { btnUpgradeClick(sender); };
  btnUpgrade2 = MakeNamed<TzrButton>(this, "btnUpgrade2");
  btnScan = MakeNamed<TzrButton>(this, "btnScan");
  TzrCheckBox** boxes[] = {&cbChannel1, &cbChannel2, &cbChannel3, &cbChannel4,
                           &cbChannel5, &cbChannel6, &cbChannel7, &cbChannel8};
  for (int i = 0; i < 8; ++i)
    *boxes[i] = MakeNamed<TzrCheckBox>(this, ("cbChannel" + std::to_string(i + 1)).c_str());
  ListBox1 = MakeNamed<TzrListBox>(this, "ListBox1");
  ListBoxItem1 = MakeNamed<TzrListBoxItem>(this, "ListBoxItem1");
  ListBoxItem1->SetParent(ListBox1);
  DevListBox = MakeNamed<TListBox>(this, "DevListBox");
  ESCSpeedController1 = MakeNamed<TMenuItem>(this, "ESCSpeedController1");
  MotorChecker1 = MakeNamed<TMenuItem>(this, "MotorChecker1");
  LCDProgramCard1 = MakeNamed<TMenuItem>(this, "LCDProgramCard1");
  TMenuItem** links[] = {&DATALINK1, &DATALINK2, &DATALINK3, &DATALINK4, &DATALINK5};
  for (int i = 0; i < 5; ++i)
    *links[i] = MakeNamed<TMenuItem>(this, ("DATALINK" + std::to_string(i + 1)).c_str());
  // The product items are one radio group: checking one unchecks the others.
  TMenuItem* products = MakeNamed<TMenuItem>(this, "Product1");
  for (TMenuItem* item : {ESCSpeedController1, MotorChecker1, LCDProgramCard1, DATALINK1, DATALINK2,
                          DATALINK3, DATALINK4, DATALINK5}) {
    item->SetRadioItem(true);
    item->SetGroupIndex(1);
    products->Add(item);
  }
  Demo1 = MakeNamed<TMenuItem>(this, "Demo1");
  Version1 = MakeNamed<TMenuItem>(this, "Version1");
  Chinese1 = MakeNamed<TMenuItem>(this, "Chinese1");
}

TzrCheckBox* TfrmInterface::ChannelBox(int index) const {
  TzrCheckBox* const boxes[] = {cbChannel1, cbChannel2, cbChannel3, cbChannel4,
                                cbChannel5, cbChannel6, cbChannel7, cbChannel8};
  return index >= 0 && index < 8 ? boxes[index] : nullptr;
}

void TfrmInterface::SetLinkTimerEnabled(bool enabled) {
  if (Timer1) Timer1->SetEnabled(enabled);
}

bool TfrmInterface::LinkTimerEnabled() const { return Timer1 && Timer1->GetEnabled(); }
