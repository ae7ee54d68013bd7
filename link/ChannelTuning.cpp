// Channel tuning in the fifth data-link mode: reading the colour and rotation
// of the device behind the chosen channel into the page, and writing them
// back, each outcome reported in the page's memo under the channel's caption.

#include <cstring>

#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "link/ChannelTuningFrames.h"
#include "platform/rtl/SysUtils.h"

namespace {

constexpr int kReplyTimeout = 150;

bool IsChecked(const TzrCheckBox* box) { return box && box->GetIsChecked(); }

void SetChecked(TzrCheckBox* box, bool value) {
  if (box) box->SetIsChecked(value);
}

}  // namespace

bool TfrmInterface::ExchangeModbusFrame(const uint8_t* request, int length, uint8_t* reply,
                                        bool (*fits)(const uint8_t* reply)) {
  if (!SendToSelectedChannel(length, request)) return false;
  return ReadModbusReport(reply, kModbusReplyLength, kReplyTimeout) && fits(reply);
}

// Only a reply that is really the four registers reaches the page and the
// kept bytes: anything else is reported and changes nothing.
void TfrmInterface::btnReadClick(TObject*) {
  const std::string failed = LangText("parameter_error", "Error to Read Parameter.");
  uint8_t request[kModbusReadRequestLength];
  BuildModbusReadRequest(request);
  uint8_t reply[kModbusReplyLength] = {};
  if (!ExchangeModbusFrame(request, kModbusReadRequestLength, reply, IsModbusReadReply)) {
    ShowChannelMessage(failed);
    return;
  }
  std::memcpy(FChannelTuning, reply + 5, sizeof(FChannelTuning));
  SetChecked(cbRed, reply[4] & 0x20);
  SetChecked(cbGreen, reply[4] & 0x40);
  SetChecked(cbBlue, reply[4] & 0x80);
  if (reply[10] == 0 && rbCW) {
    rbCW->SetIsChecked(true);
  } else if (reply[10] == 1 && rbCCW) {
    rbCCW->SetIsChecked(true);
  } else {
    for (TzrRadioButton* button : {rbCW, rbCCW})
      if (button) button->SetIsChecked(false);
  }
  if (btnWrite) btnWrite->SetEnabled(true);
  ShowChannelMessage(LangText("ReadSuccess", "Read the success."));
}

void TfrmInterface::btnWriteClick(TObject*) {
  const std::string failed = LangText("setting_fail", "Save fail");
  uint8_t request[kModbusWriteRequestLength];
  const bool ccw = !(rbCW && rbCW->GetIsChecked());
  BuildModbusWriteRequest(
      ChannelColourByte(IsChecked(cbRed), IsChecked(cbGreen), IsChecked(cbBlue)), FChannelTuning,
      ccw, request);
  uint8_t reply[kModbusReplyLength] = {};
  if (!ExchangeModbusFrame(request, kModbusWriteRequestLength, reply, IsModbusWriteReply)) {
    ShowChannelMessage(failed);
    return;
  }
  ShowChannelMessage(LangText("setting_succ", "Save success"));
}

// Another channel: the page no longer shows what was read, so nothing may be
// written until that channel is read.
void TfrmInterface::rbChannelChange(TObject*) {
  SetChecked(cbRed, false);
  SetChecked(cbBlue, false);
  SetChecked(cbGreen, false);
  if (rbCW) rbCW->SetIsChecked(true);
  if (btnWrite) btnWrite->SetEnabled(false);
}

void TfrmInterface::ShowChannelMessage(const std::string& text) {
  if (!sMessage) return;
  std::u16string caption;
  for (int k = 0; k < 8; ++k)
    if (TzrRadioButton* button = ChannelButton(k); button && button->GetIsChecked()) {
      caption = button->GetText();
      break;
    }
  sMessage->Lines()->Insert(0, caption + u": " + UTF8ToUTF16(text));
  sMessage->GoToTextBegin();
}
