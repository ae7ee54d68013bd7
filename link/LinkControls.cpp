// The controls and menu items of the main window that the link reads and drives.

#include "app/frmInterface.h"
#include "controls/XwTimer.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "platform/vcl/Menus.h"

namespace {

template <class T>
T* Make(TComponent* owner, const char* name) {
  T* control = new T(owner);
  control->SetName(name);
  return control;
}

}  // namespace

void TfrmInterface::CreateLinkControls() {
  Timer1 = Make<TXwTimer>(this, "Timer1");
  Timer1->SetEnabled(false);
  Timer1->SetInterval(100);
  Timer1->SetOnTimer([this](TObject* sender) { Timer1Timer(sender); });
  Circle1 = Make<TzrCircle>(this, "Circle1");
  Circle2 = Make<TzrCircle>(this, "Circle2");
  Circle1->SetFillColor("#FF004A00");
  Circle2->SetFillColor("#FF004A00");
  ColorKeyAnimation1 = Make<TzrColorKeyAnimation>(this, "ColorKeyAnimation1");
  ColorKeyAnimation2 = Make<TzrColorKeyAnimation>(this, "ColorKeyAnimation2");
  eMessage = Make<TzrMemo>(this, "eMessage");
  zrmMessage = Make<TzrMemo>(this, "zrmMessage");
  eController = Make<TzrTextControl>(this, "eController");
  eHardware = Make<TzrTextControl>(this, "eHardware");
  eFirmware = Make<TzrTextControl>(this, "eFirmware");
  tbController = Make<TzrTextControl>(this, "tbController");
  tbHardware = Make<TzrTextControl>(this, "tbHardware");
  tbFirmware = Make<TzrTextControl>(this, "tbFirmware");
  cbFirmware = Make<TzrComboBox>(this, "cbFirmware");
  scbFirmware = Make<TzrComboBox>(this, "scbFirmware");
  btnUpdate = Make<TzrButton>(this, "btnUpdate");
  btnDefault = Make<TzrButton>(this, "btnDefault");
  btnUpgrade = Make<TzrButton>(this, "btnUpgrade");
  btnUpgrade->OnClick = [this](TObject* sender) { btnUpgradeClick(sender); };
  btnUpgrade2 = Make<TzrButton>(this, "btnUpgrade2");
  btnScan = Make<TzrButton>(this, "btnScan");
  TzrCheckBox** boxes[] = {&cbChannel1, &cbChannel2, &cbChannel3, &cbChannel4,
                           &cbChannel5, &cbChannel6, &cbChannel7, &cbChannel8};
  for (int i = 0; i < 8; ++i)
    *boxes[i] = Make<TzrCheckBox>(this, ("cbChannel" + std::to_string(i + 1)).c_str());
  ListBox1 = Make<TzrListBox>(this, "ListBox1");
  ListBoxItem1 = Make<TzrListBoxItem>(this, "ListBoxItem1");
  DevListBox = Make<TzrListBox>(this, "DevListBox");
  ESCSpeedController1 = Make<TMenuItem>(this, "ESCSpeedController1");
  MotorChecker1 = Make<TMenuItem>(this, "MotorChecker1");
  LCDProgramCard1 = Make<TMenuItem>(this, "LCDProgramCard1");
  TMenuItem** links[] = {&DATALINK1, &DATALINK2, &DATALINK3, &DATALINK4, &DATALINK5};
  for (int i = 0; i < 5; ++i)
    *links[i] = Make<TMenuItem>(this, ("DATALINK" + std::to_string(i + 1)).c_str());
  // The product items are one radio group: checking one unchecks the others.
  TMenuItem* products = Make<TMenuItem>(this, "Product1");
  for (TMenuItem* item : {ESCSpeedController1, MotorChecker1, LCDProgramCard1, DATALINK1, DATALINK2,
                          DATALINK3, DATALINK4, DATALINK5}) {
    item->SetRadioItem(true);
    item->SetGroupIndex(1);
    products->Add(item);
  }
  Demo1 = Make<TMenuItem>(this, "Demo1");
  Version1 = Make<TMenuItem>(this, "Version1");
  Chinese1 = Make<TMenuItem>(this, "Chinese1");
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
