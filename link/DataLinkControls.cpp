// The controls of the data-link pages: the channel page (channel boxes, scan
// and upgrade buttons) and the tuning page (channel and rotation buttons,
// colour boxes, read and write buttons, memo), and the frame controls that the
// data-link modes set.

#include <string>
#include <type_traits>

#include "app/frmInterface.h"
#include "controls/XwThreadTimer.h"
#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "link/NamedControl.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_resources.h"

namespace {

template <class T>
T* Make(TComponent* owner, const std::string& name, const std::u16string& text = u"") {
  T* control = MakeNamed<T>(owner, name);
  if constexpr (std::is_base_of_v<TzrTextControl, T>) control->SetText(text);
  return control;
}

// A radio group is the radio buttons of one group name in one scene: the
// buttons join the window's scene, hidden until a page lays them out.
TzrRadioButton* JoinScene(TzrRadioButton* button, TzrObject* root) {
  button->SetVisible(false);
  button->SetParent(root);
  return button;
}

std::u16string ChannelCaption(int channel) {
  return u"channel " + UTF8ToUTF16(std::to_string(channel));
}

}  // namespace

void TfrmInterface::CreateDataLinkControls() {
  Label1 = Make<TzrLabel>(this, "Label1");
  GroupBox2 = Make<TzrControl>(this, "GroupBox2");
  gbChannel = Make<TzrControl>(this, "gbChannel");
  btnConnect = Make<TzrButton>(this, "btnConnect");
  English1 = Make<TMenuItem>(this, "English1");
  Export1 = Make<TMenuItem>(this, "Export1");
  Import1 = Make<TMenuItem>(this, "Import1");
  Print1 = Make<TMenuItem>(this, "Print1");
  for (int k = 0; k < 8; ++k)
    if (TzrCheckBox* box = ChannelBox(k)) box->SetText(ChannelCaption(k + 1));
  if (btnScan) {
    btnScan->SetText(u"扫描");
    btnScan->OnClick = [this](TObject* sender) { btnScanClick(sender); };
  }
  if (btnUpgrade2) {
    btnUpgrade2->SetText(u"更新");
    btnUpgrade2->OnClick = [this](TObject* sender) { btnUpgrade2Click(sender); };
  }
  TMenuItem* const modes[] = {DATALINK1, DATALINK2, DATALINK3, DATALINK4, DATALINK5};
  void (TfrmInterface::*const handlers[])(TObject*) = {
      &TfrmInterface::DATALINK1Click, &TfrmInterface::DATALINK2Click,
      &TfrmInterface::DATALINK3Click, &TfrmInterface::DATALINK4Click,
      &TfrmInterface::DATALINK5Click};
  for (int i = 0; i < 5; ++i)
    if (modes[i]) modes[i]->OnClick = [this, h = handlers[i]](TObject* s) { (this->*h)(s); };

  TzrRadioButton** channels[] = {&rbChannel1, &rbChannel2, &rbChannel3, &rbChannel4,
                                 &rbChannel5, &rbChannel6, &rbChannel7, &rbChannel8};
  for (int k = 0; k < 8; ++k) {
    TzrRadioButton* button =
        Make<TzrRadioButton>(this, "rbChannel" + std::to_string(k + 1), ChannelCaption(k + 1));
    button->SetGroupName("channel");
    *channels[k] = JoinScene(button, Backgroup);
  }
  rbChannel1->SetIsChecked(true);
  for (int k = 0; k < 8; ++k)
    ChannelButton(k)->OnChange = [this](TObject* sender) { rbChannelChange(sender); };
  rbCW = JoinScene(Make<TzrRadioButton>(this, "rbCW", u"CW"), Backgroup);
  rbCCW = JoinScene(Make<TzrRadioButton>(this, "rbCCW", u"CCW"), Backgroup);
  rbCW->SetGroupName("rotation");
  rbCCW->SetGroupName("rotation");
  btnRead = Make<TzrButton>(this, "btnRead", u"Read Channel");
  btnWrite = Make<TzrButton>(this, "btnWrite", u"Write Channel");
  btnWrite->SetEnabled(false);
  btnRead->OnClick = [this](TObject* sender) { btnReadClick(sender); };
  btnWrite->OnClick = [this](TObject* sender) { btnWriteClick(sender); };
  cbRed = Make<TzrCheckBox>(this, "cbRed", u"Red");
  cbGreen = Make<TzrCheckBox>(this, "cbGreen", u"Green");
  cbBlue = Make<TzrCheckBox>(this, "cbBlue", u"Blue");
  sMessage = Make<TzrMemo>(this, "sMessage");
  ttMyThread = Make<TXwThreadTimer>(this, "ttMyThread");
  ttMyThread->SetInterval(2500);
  ttMyThread->SetOnTimer([this](TObject* sender) { ttMyThreadTimer(sender); });
}

TzrRadioButton* TfrmInterface::ChannelButton(int index) const {
  TzrRadioButton* const buttons[] = {rbChannel1, rbChannel2, rbChannel3, rbChannel4,
                                     rbChannel5, rbChannel6, rbChannel7, rbChannel8};
  return index >= 0 && index < 8 ? buttons[index] : nullptr;
}
