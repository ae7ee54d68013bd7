// The governor page as the navigation list shows it: the governor values
// from the page's controls and K, and the speed read-outs, the throttle tip
// and the limits of the required-speed boxes.

#include "app/GovernorCalc.h"
#include "app/GovernorValues.h"
#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_number_box.h"
#include "controls/zr_tracks.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_position.h"

namespace {

template <class T>
void FindOn(const TComponent* form, const std::string& name, T*& field) {
  field = dynamic_cast<T*>(form->FindComponent(name));
  if (!field) throw Exception("Form frmInterface: " + name + " is missing or of another class");
}

}  // namespace

void TfrmInterface::FindGovernorComponents() {
  FindOn(this, "tbPercent", tbPercent);
  FindOn(this, "nbPoles", nbPoles);
  FindOn(this, "rbDJC", rbDJC);
  FindOn(this, "nbDJC", nbDJC);
  FindOn(this, "nbZC", nbZC);
  FindOn(this, "nbCB", nbCB);
  FindOn(this, "nbRPM1", nbRPM1);
  FindOn(this, "nbRPM2", nbRPM2);
  FindOn(this, "nbRPM3", nbRPM3);
  FindOn(this, "lblHighRPM", lblHighRPM);
  FindOn(this, "lblLowRPM", lblLowRPM);
  FindOn(this, "lblRightRPM", lblRightRPM);
  FindOn(this, "lblTips", lblTips);
  FindOn(this, "rbCB", rbCB);
  FindOn(this, "lblPercent", lblPercent);
  for (int k = 0; k < 3; ++k) {
    FindOn(this, "lblRP" + std::to_string(k + 1), lblRP[k]);
    FindOn(this, "lblRP" + std::to_string(k + 1) + "Tip", lblRPTip[k]);
  }
  FindOn(this, "test1", test1);
  FindOn(this, "btnShow", btnShow);
}

void TfrmInterface::ShowGovernorValues() {
  const bool demo = Demo1 && Demo1->GetChecked();
  FGovernorBase = GovernorBase(demo, FDeviceData, sizeof FDeviceData);
  ReadGovernorControls();

  const double throttle = tbPercent->GetValue();
  const TGovernorSpeedTexts texts =
      GovernorSpeedTexts(FGovernorMaxRpm, throttle, TGovernorNumberFormat::General);
  lblHighRPM->SetText(UTF8ToUTF16(texts.High));
  lblLowRPM->SetText(UTF8ToUTF16(texts.Low));
  lblRightRPM->SetText(UTF8ToUTF16(texts.Right));

  const TThrottleTip tip = ThrottleTipFor(throttle);
  lblTips->SetText(tip == TThrottleTip::None ? u"" : UTF8ToUTF16(LangText(ThrottleTipKey(tip))));
  lblTips->GetPosition()->SetY(
      ThrottleTipY(tip, lblRightRPM->GetPosition()->GetY(), lblTips->GetPosition()->GetY()));

  for (TzrNumberBox* box : {nbRPM1, nbRPM2, nbRPM3})
    box->SetMax(static_cast<float>(FGovernorMaxRpm));
}
