// The gear calculator's page and the governor page's handlers: they copy the
// controls' values into the calculation core (GearCalculator.h,
// GearCalculatorKeys.h, GovernorValues.h, GovernorCalc.h) and its texts,
// colours and positions back.

#include "app/GearCalculator.h"
#include "app/GearCalculatorKeys.h"
#include "app/GovernorCalc.h"
#include "app/GovernorValues.h"
#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_combo_text_box.h"
#include "controls/zr_compound.h"
#include "controls/zr_number_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_brush.h"
#include "scene/zr_position.h"

namespace {

std::string ColorText(uint32_t argb) {
  char text[16];
  std::snprintf(text, sizeof text, "#%08X", argb);
  return text;
}

// The calculator box number (1-19) of a sender, 0 for any other.
int CalcBoxNumber(TObject* sender, TzrCustomTextBox* const (&boxes)[19]) {
  for (int k = 0; k < 19; ++k)
    if (boxes[k] && boxes[k] == sender) return k + 1;
  return 0;
}

}  // namespace

TzrCustomTextBox* TfrmInterface::CalcBox(int number) const {
  if (number == 16) return calcTextBox16 ? calcTextBox16->GetTextBox() : nullptr;
  if (number == 17) return calcTextBox17 ? calcTextBox17->GetTextBox() : nullptr;
  return number >= 1 && number <= 19 ? calcTextBox[number - 1] : nullptr;
}

void TfrmInterface::RecalculateGearCalculator() {
  TGearFields fields;
  for (int n = 1; n <= kGearFieldCount; ++n) fields.Box(n) = CalcBoxText(n);
  const TGearResult result = RecalculateGear(fields);
  if (!result.InputsRead) return;
  for (int n = 1; n <= kGearFieldCount; ++n) {
    TzrCustomTextBox* box = CalcBox(n);
    if (box) box->SetText(UTF8ToUTF16(fields.Box(n)));
  }
  for (int k = 0; k < kBatteryColumns; ++k) {
    TzrCustomTextBox* reach = CalcBox(13 + k);
    if (!reach) continue;
    reach->GetFontFill()->SetColor(ColorText(fields.ReachColor[k]));
    reach->Repaint();
  }
}

void TfrmInterface::calcChange(TObject* Sender) {
  // A focused box loses its focus when the window frees it, after some of
  // the boxes this would read are gone.
  if (IsDestroying()) return;
  const int number = CalcBoxNumber(Sender, calcTextBox);
  if (number >= 1 && number <= 9) {
    TzrCustomTextBox* box = CalcBox(number);
    box->SetText(UTF8ToUTF16(CalcChangeText(number, UTF16ToUTF8(box->GetText()))));
  }
  RecalculateGearCalculator();
}

void TfrmInterface::calcTextBoxChange(TObject* Sender) {
  auto* combo = dynamic_cast<TzrComboTextBox*>(Sender);
  if (!combo) return;
  combo->SetReadOnly(true);
  combo->SetText(
      UTF8ToUTF16(BatteryEntryText(combo->GetItemIndex(), UTF16ToUTF8(combo->GetText()))));
  RecalculateGearCalculator();
}

// The entry chosen in a battery box's list; typed voltages are taken only
// under "Other". A box that is no list takes them always.
int TfrmInterface::CalcBatteryEntry(int number) const {
  auto* combo = dynamic_cast<TzrComboTextBox*>(static_cast<TObject*>(CalcBox(number)));
  return combo ? combo->GetItemIndex() : kOtherBatteryEntry;
}

void TfrmInterface::calcTextBoxKeyDown(TObject* Sender, uint16_t& Key, char16_t& KeyChar,
                                       TShiftState Shift) {
  (void)Shift;
  const int number = CalcBoxNumber(Sender, calcTextBox);
  if (number < 1 || number > 9) return;
  TzrCustomTextBox* box = CalcBox(number);
  TCalcEdit edit{UTF16ToUTF8(box->GetText()), box->GetSelStart(), box->GetSelLength()};
  if (!CalcBoxKey(number, number >= 7 ? CalcBatteryEntry(number) : -1, edit, Key, KeyChar)) return;
  box->SetText(UTF8ToUTF16(edit.Text));
  box->SetSelStart(edit.SelStart);
  box->SetSelLength(edit.SelLength);
  Key = 0;
  KeyChar = 0;
  RecalculateGearCalculator();
}

void TfrmInterface::test1Click(TObject* Sender) { (void)Sender; }

// ---- governor page

// The governor members from K and the page's poles and gear boxes.
void TfrmInterface::ReadGovernorControls() {
  TGovernorControls controls;
  controls.Poles = nbPoles->GetValue();
  controls.ByTeeth = rbDJC->GetIsChecked();
  controls.PinionTeeth = nbDJC->GetValue();
  controls.MainGearTeeth = nbZC->GetValue();
  controls.DirectRatio = nbCB->GetValue();
  const TGovernorValues values = ComputeGovernorValues(FGovernorBase, controls);
  FGovernorPoles = values.Poles;
  FGovernorRatio = values.Ratio;
  FGovernorMaxRpm = values.MaxRpm;
}

void TfrmInterface::UpdateGovernorMaximum(TGovernorNumberFormat format) {
  ReadGovernorControls();
  const TGovernorSpeedTexts texts =
      GovernorSpeedTexts(FGovernorMaxRpm, tbPercent->GetValue(), format);
  lblHighRPM->SetText(UTF8ToUTF16(texts.High));
  lblLowRPM->SetText(UTF8ToUTF16(texts.Low));
  lblRightRPM->SetText(UTF8ToUTF16(texts.Right));
  for (TzrNumberBox* box : {nbRPM1, nbRPM2, nbRPM3})
    box->SetMax(static_cast<float>(FGovernorMaxRpm));
  for (int row = 0; row < 3; ++row) rpmChange(row);
}

void TfrmInterface::rpmChange(int row) {
  TzrNumberBox* const boxes[] = {nbRPM1, nbRPM2, nbRPM3};
  if (row < 0 || row > 2) return;
  const TRequiredSpeedRow shown = RequiredSpeedRow(boxes[row]->GetValue(), FGovernorMaxRpm);
  lblRP[row]->SetText(UTF8ToUTF16(shown.Text));
  lblRPTip[row]->SetText(
      shown.Tip == TThrottleTip::None ? u"" : UTF8ToUTF16(LangText(ThrottleTipKey(shown.Tip))));
}

void TfrmInterface::tbPercentChange(TObject* Sender) {
  (void)Sender;
  const double throttle = tbPercent->GetValue();
  lblPercent->SetText(UTF8ToUTF16(ThrottlePercentText(throttle)));
  lblRightRPM->SetText(UTF8ToUTF16(ThrottleSpeedText(FGovernorMaxRpm, throttle)));
  const float y = static_cast<float>(PercentLabelY[PercentLabelIndex(throttle)]);
  lblPercent->GetPosition()->SetY(y);
  lblRightRPM->GetPosition()->SetY(y);
  const TThrottleTip tip = ThrottleTipFor(throttle);
  lblTips->SetText(tip == TThrottleTip::None ? u"" : UTF8ToUTF16(LangText(ThrottleTipKey(tip))));
  lblTips->GetPosition()->SetY(ThrottleTipY(tip, y, lblTips->GetPosition()->GetY()));
}

namespace {

void SelectLeading(TzrNumberBox* box, int length) {
  box->SetSelStart(0);
  box->SetSelLength(length);
}

}  // namespace

void TfrmInterface::nbPolesChange(TObject* Sender) {
  (void)Sender;
  SelectLeading(nbPoles, 4);
  UpdateGovernorMaximum(TGovernorNumberFormat::General);
}

void TfrmInterface::nbDJCChange(TObject* Sender) {
  (void)Sender;
  SelectLeading(nbDJC, 4);
  UpdateGovernorMaximum(TGovernorNumberFormat::Whole);
}

void TfrmInterface::nbZCChange(TObject* Sender) {
  (void)Sender;
  SelectLeading(nbZC, 4);
  UpdateGovernorMaximum(TGovernorNumberFormat::Whole);
}

void TfrmInterface::nbCBChange(TObject* Sender) {
  (void)Sender;
  SelectLeading(nbCB, 3);
  UpdateGovernorMaximum(TGovernorNumberFormat::Whole);
}

void TfrmInterface::rbDJCChange(TObject* Sender) {
  (void)Sender;
  const bool byTeeth = rbDJC->GetIsChecked();
  nbCB->SetEnabled(!byTeeth);
  nbDJC->SetEnabled(byTeeth);
  nbZC->SetEnabled(byTeeth);
  if (byTeeth) UpdateGovernorMaximum(TGovernorNumberFormat::Whole);
}

void TfrmInterface::rbCBChange(TObject* Sender) {
  (void)Sender;
  const bool direct = rbCB->GetIsChecked();
  nbCB->SetEnabled(direct);
  nbDJC->SetEnabled(!direct);
  nbZC->SetEnabled(!direct);
  if (direct) UpdateGovernorMaximum(TGovernorNumberFormat::Whole);
}

void TfrmInterface::nbRPMChange(TObject* Sender) {
  TzrNumberBox* const boxes[] = {nbRPM1, nbRPM2, nbRPM3};
  for (int row = 0; row < 3; ++row) {
    if (boxes[row] != Sender) continue;
    SelectLeading(boxes[row], 6);
    rpmChange(row);
  }
}

void TfrmInterface::nbRPM1Change(TObject* Sender) { nbRPMChange(Sender); }
void TfrmInterface::nbRPM2Change(TObject* Sender) { nbRPMChange(Sender); }
void TfrmInterface::nbRPM3Change(TObject* Sender) { nbRPMChange(Sender); }

void TfrmInterface::BindCalculatorHandlers() {
  for (int n = 1; n <= 9; ++n) {
    TzrCustomTextBox* box = calcTextBox[n - 1];
    box->SetReadOnly(true);
    if (n <= 6) box->OnChange = [this](TObject* s) { calcChange(s); };
    if (n >= 7) box->OnChange = [this](TObject* s) { calcTextBoxChange(s); };
    box->OnKillFocus = [this](TObject* s) { calcChange(s); };
    box->OnKeyDown = [this](TObject* s, uint16_t& k, char16_t& c, TShiftState sh) {
      calcTextBoxKeyDown(s, k, c, sh);
    };
  }
  if (test1) test1->OnClick = [this](TObject* s) { test1Click(s); };
  tbPercent->OnChange = [this](TObject* s) { tbPercentChange(s); };
  nbPoles->OnChange = [this](TObject* s) { nbPolesChange(s); };
  nbDJC->OnChange = [this](TObject* s) { nbDJCChange(s); };
  nbZC->OnChange = [this](TObject* s) { nbZCChange(s); };
  nbCB->OnChange = [this](TObject* s) { nbCBChange(s); };
  rbDJC->OnChange = [this](TObject* s) { rbDJCChange(s); };
  rbCB->OnChange = [this](TObject* s) { rbCBChange(s); };
  nbRPM1->OnChange = [this](TObject* s) { nbRPM1Change(s); };
  nbRPM2->OnChange = [this](TObject* s) { nbRPM2Change(s); };
  nbRPM3->OnChange = [this](TObject* s) { nbRPM3Change(s); };
  btnShow->OnClick = [this](TObject* s) { btnShowClick(s); };
}
