// The main window's components as its form resource makes them: the members
// that name them, the handlers bound to them, and the one helper the window
// makes itself (it holds no design of its own).

#include <string>

#include "app/frmInterface.h"
#include "controls/XwThreadTimer.h"
#include "controls/XwTimer.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_compound.h"
#include "controls/zr_controls.h"
#include "controls/zr_grid.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_panels.h"
#include "controls/zr_plot_grid.h"
#include "controls/zr_tab_control.h"
#include "controls/zr_text_box.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/Timers.h"
#include "platform/vcl/WebBrowser.h"
#include "scene/zr_ani.h"

namespace {

// The component of the form with that name, which must be a T.
template <class T>
void Find(const TComponent* form, const std::string& name, T*& field) {
  field = dynamic_cast<T*>(form->FindComponent(name));
  if (!field) throw Exception("Form frmInterface: " + name + " is missing or of another class");
}

template <class T, size_t N>
void FindNumbered(const TComponent* form, const std::string& stem, T* (&fields)[N]) {
  for (size_t k = 0; k < N; ++k) Find(form, stem + std::to_string(k + 1), fields[k]);
}

}  // namespace

void TfrmInterface::FindFormComponents() {
  Find(this, "StatusBar1", StatusBar1);
  Find(this, "MainMenu1", MainMenu1);
  Find(this, "Timer1", Timer1);
  Find(this, "ttMyThread", ttMyThread);
  Find(this, "XML", XML);
  Find(this, "web", web);
  Find(this, "DevListBox", DevListBox);
  Find(this, "OpenDialog1", OpenDialog1);
  Find(this, "SaveDialog1", SaveDialog1);
  // Frame: navigation, pages, lamps, buttons and help column.
  Find(this, "ListBox1", ListBox1);
  Find(this, "ListBox2", ListBox2);
  Find(this, "ListBoxItem1", ListBoxItem1);
  Find(this, "ListBoxItem8", ListBoxItem8);
  Find(this, "ListBoxItem11", ListBoxItem11);
  FindNumbered(this, "tabLayout", tabLayout);
  Find(this, "Panel2", Panel2);
  Find(this, "Panel6", Panel6);
  Find(this, "imgLogo", imgLogo);
  Find(this, "Circle1", Circle1);
  Find(this, "Circle2", Circle2);
  Find(this, "ColorKeyAnimation1", ColorKeyAnimation1);
  Find(this, "ColorKeyAnimation2", ColorKeyAnimation2);
  Find(this, "Label1", Label1);
  Find(this, "GroupBox2", GroupBox2);
  Find(this, "btnConnect", btnConnect);
  Find(this, "btnUpdate", btnUpdate);
  Find(this, "btnDefault", btnDefault);
  // Device and data-link pages.
  Find(this, "eMessage", eMessage);
  Find(this, "zrmMessage", zrmMessage);
  Find(this, "eController", eController);
  Find(this, "eHardware", eHardware);
  Find(this, "eFirmware", eFirmware);
  Find(this, "tbController", tbController);
  Find(this, "tbHardware", tbHardware);
  Find(this, "tbFirmware", tbFirmware);
  Find(this, "cbFirmware", cbFirmware);
  Find(this, "scbFirmware", scbFirmware);
  Find(this, "lVersion", lVersion);
  Find(this, "btnUpgrade", btnUpgrade);
  Find(this, "btnUpgrade2", btnUpgrade2);
  Find(this, "btnScan", btnScan);
  Find(this, "gbChannel", gbChannel);
  TzrCheckBox* channels[8];
  FindNumbered(this, "cbChannel", channels);
  cbChannel1 = channels[0], cbChannel2 = channels[1], cbChannel3 = channels[2];
  cbChannel4 = channels[3], cbChannel5 = channels[4], cbChannel6 = channels[5];
  cbChannel7 = channels[6], cbChannel8 = channels[7];
  // Channel tuning page.
  TzrRadioButton* tuning[8];
  FindNumbered(this, "rbChannel", tuning);
  rbChannel1 = tuning[0], rbChannel2 = tuning[1], rbChannel3 = tuning[2];
  rbChannel4 = tuning[3], rbChannel5 = tuning[4], rbChannel6 = tuning[5];
  rbChannel7 = tuning[6], rbChannel8 = tuning[7];
  Find(this, "rbCW", rbCW);
  Find(this, "rbCCW", rbCCW);
  Find(this, "btnRead", btnRead);
  Find(this, "btnWrite", btnWrite);
  Find(this, "cbRed", cbRed);
  Find(this, "cbGreen", cbGreen);
  Find(this, "cbBlue", cbBlue);
  Find(this, "sMessage", sMessage);
  // Analyzer page.
  Find(this, "btnStart", btnStart);
  Find(this, "btnSave", btnSave);
  Find(this, "btnLoad", btnLoad);
  Find(this, "btnPrint", btnPrint);
  Find(this, "tabAnalyzer", tabAnalyzer);
  Find(this, "tabAnalyzerTable", tabAnalyzerTable);
  Find(this, "tabAnalyzerChart", tabAnalyzerChart);
  Find(this, "StringGrid1", StringGrid1);
  Find(this, "StringGrid2", StringGrid2);
  Find(this, "PlotGrid1", PlotGrid1);
  // Calculator boxes whose texts the language file keeps.
  for (int k = 0; k < 19; ++k)
    if (k + 1 != 16 && k + 1 != 17)
      Find(this, "calcTextBox" + std::to_string(k + 1), calcTextBox[k]);
  Find(this, "calcTextBox16", calcTextBox16);
  Find(this, "calcTextBox17", calcTextBox17);
  // Menus.
  Find(this, "English1", English1);
  Find(this, "Chinese1", Chinese1);
  Find(this, "Export1", Export1);
  Find(this, "Import1", Import1);
  Find(this, "Print1", Print1);
  Find(this, "ESCSpeedController1", ESCSpeedController1);
  Find(this, "MotorChecker1", MotorChecker1);
  Find(this, "LCDProgramCard1", LCDProgramCard1);
  TMenuItem* modes[5];
  FindNumbered(this, "DATALINK", modes);
  DATALINK1 = modes[0], DATALINK2 = modes[1], DATALINK3 = modes[2];
  DATALINK4 = modes[3], DATALINK5 = modes[4];
  Find(this, "Version1", Version1);
  Find(this, "Demo1", Demo1);
  FindGovernorComponents();
}

// The helpers the window makes itself: the timers that run the device
// changes (device notifications come from the udev monitor, which the form
// knows nothing of) and the menu picks held while a link operation runs.
void TfrmInterface::CreateHelperComponents() {
  DeviceChangeTimer = new TTimer(this);
  DeviceChangeTimer->SetName("DeviceChangeTimer");
  DeviceChangeTimer->SetEnabled(false);
  DeviceChangeTimer->SetInterval(100);
  HeldClickTimer = new TTimer(this);
  HeldClickTimer->SetName("HeldClickTimer");
  HeldClickTimer->SetEnabled(false);
  HeldClickTimer->SetInterval(100);
}

void TfrmInterface::BindFormHandlers() {
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnActivate = [this](TObject* s) { FormActivate(s); };
  OnDestroy = [this](TObject* s) { FormDestroy(s); };
  // The link timer is held off until the create handler has ended (DoCreate).
  FLinkTimerWanted = Timer1->GetEnabled();
  Timer1->SetEnabled(false);
  Timer1->SetOnTimer([this](TObject* sender) { Timer1Timer(sender); });
  DeviceChangeTimer->SetOnTimer([this](TObject* sender) { DeviceChangeTimerTimer(sender); });
  HeldClickTimer->SetOnTimer([this](TObject* sender) { HeldClickTimerTimer(sender); });
  ttMyThread->SetOnTimer([this](TObject* sender) { ttMyThreadTimer(sender); });

  BindHelpFocus();
  BindCalculatorHandlers();
  // Every navigation entry selects its page; the list hands its press on.
  for (int k = 1; k <= 11; ++k)
    if (auto* entry =
            dynamic_cast<TzrListBoxItem*>(FindComponent("ListBoxItem" + std::to_string(k))))
      entry->OnClick = [this](TObject* s) { ListBoxItemClick(s); };
  btnUpgrade->OnClick = [this](TObject* s) { btnUpgradeClick(s); };
  btnUpdate->OnClick = [this](TObject* s) { btnUpdateClick(s); };
  btnDefault->OnClick = [this](TObject* s) { btnDefaultClick(s); };
  btnUpgrade2->OnClick = [this](TObject* s) { btnUpgrade2Click(s); };
  btnScan->OnClick = [this](TObject* s) { btnScanClick(s); };
  btnRead->OnClick = [this](TObject* s) { btnReadClick(s); };
  btnWrite->OnClick = [this](TObject* s) { btnWriteClick(s); };
  for (int k = 0; k < 8; ++k)
    ChannelButton(k)->OnChange = [this](TObject* sender) { rbChannelChange(sender); };
  btnStart->OnClick = [this](TObject* s) { btnStartClick(s); };
  btnSave->OnClick = [this](TObject* s) { btnSaveClick(s); };
  btnLoad->OnClick = [this](TObject* s) { btnLoadClick(s); };
  btnPrint->OnClick = [this](TObject* s) { btnPrintClick(s); };
  PlotGrid1->OnPaint = [this](TObject* s, TzrCanvas* c, const TzrRect& r) {
    PlotGrid1Paint(s, c, r);
  };
  OnLogRecords = [this](const uint8_t* ring, int count) { ProcessLogRecords(ring, count); };

  TMenuItem* const modes[] = {DATALINK1, DATALINK2, DATALINK3, DATALINK4, DATALINK5};
  void (TfrmInterface::*const handlers[])(TObject*) = {
      &TfrmInterface::DATALINK1Click, &TfrmInterface::DATALINK2Click,
      &TfrmInterface::DATALINK3Click, &TfrmInterface::DATALINK4Click,
      &TfrmInterface::DATALINK5Click};
  for (int i = 0; i < 5; ++i)
    modes[i]->OnClick = [this, h = handlers[i]](TObject* s) { (this->*h)(s); };
  for (TMenuItem* language : {English1, Chinese1})
    language->OnClick = [this](TObject* s) { VersionClick(s); };
  ESCSpeedController1->OnClick = [this](TObject* s) { ESCSpeedController1Click(s); };
  MotorChecker1->OnClick = [this](TObject* s) { MotorChecker1Click(s); };
  LCDProgramCard1->OnClick = [this](TObject* s) { LCDProgramCard1Click(s); };
  btnConnect->OnClick = [this](TObject* s) { btnConnectClick(s); };
  if (TMenuItem* exit = dynamic_cast<TMenuItem*>(FindComponent("Exit1")))
    exit->OnClick = [this](TObject* s) { Exit1Click(s); };
  for (const char* name : {"Default1", "Modern1", "Vista1", "AIR1", "Blend1", "Extreme1"})
    if (TMenuItem* style = dynamic_cast<TMenuItem*>(FindComponent(name)))
      style->OnClick = [this](TObject* s) { StyleClick(s); };
  if (TMenuItem* help = dynamic_cast<TMenuItem*>(FindComponent("Help2")))
    help->OnClick = [this](TObject* s) { Help2Click(s); };
  if (TMenuItem* about = dynamic_cast<TMenuItem*>(FindComponent("About1")))
    about->OnClick = [this](TObject* s) { About1Click(s); };
  if (TMenuItem* update = dynamic_cast<TMenuItem*>(FindComponent("Update1")))
    update->OnClick = [this](TObject* s) { Update1Click(s); };
  if (TMenuItem* history = dynamic_cast<TMenuItem*>(FindComponent("History1")))
    history->OnClick = [this](TObject* s) { History1Click(s); };
  if (TMenuItem* database = dynamic_cast<TMenuItem*>(FindComponent("DBUpdate")))
    database->OnClick = [this](TObject* s) { DBUpdateClick(s); };
  Export1->OnClick = [this](TObject* s) { Export1Click(s); };
  Print1->OnClick = [this](TObject* s) { Print1Click(s); };
  Import1->OnClick = [this](TObject* s) { Import1Click(s); };
}

// The print button has no action.
void TfrmInterface::btnPrintClick(TObject*) {}

TzrCheckBox* TfrmInterface::ChannelBox(int index) const {
  TzrCheckBox* const boxes[] = {cbChannel1, cbChannel2, cbChannel3, cbChannel4,
                                cbChannel5, cbChannel6, cbChannel7, cbChannel8};
  return index >= 0 && index < 8 ? boxes[index] : nullptr;
}

TzrRadioButton* TfrmInterface::ChannelButton(int index) const {
  TzrRadioButton* const buttons[] = {rbChannel1, rbChannel2, rbChannel3, rbChannel4,
                                     rbChannel5, rbChannel6, rbChannel7, rbChannel8};
  return index >= 0 && index < 8 ? buttons[index] : nullptr;
}

// While the create handler runs, the link timer only remembers whether it is
// to run: it starts when the handler has ended.
void TfrmInterface::SetLinkTimerEnabled(bool enabled) {
  if (FCreating) {
    FLinkTimerWanted = enabled;
    return;
  }
  if (Timer1) Timer1->SetEnabled(enabled);
}

bool TfrmInterface::LinkTimerEnabled() const {
  if (FCreating) return FLinkTimerWanted;
  return Timer1 && Timer1->GetEnabled();
}
