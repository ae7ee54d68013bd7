#include "app/frmSpeed.h"

#include <string>

#include "app/GovernorValues.h"
#include "app/SceneForms.h"
#include "chart/ChartAxis.h"
#include "chart/FastLineSeries.h"
#include "chart/Legend.h"
#include "chart/LineSeries.h"
#include "chart/SeriesPointer.h"
#include "controls/XwSpinEdit.h"
#include "controls/zr_buttons.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_objects_text.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_brush.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

namespace {

// The read-out in the motor line's red; the captions dark on the window's
// light background, whatever the style's text colour.
const char* const kReadoutColor = "#FFFF0000";
const char* const kCaptionColor = "#FF000000";

std::string Caption(const TzrLabel* Label) { return UTF16ToUTF8(Label->GetText()); }

// Gives the label's text the colour, also when a style is applied to it later.
void KeepTextColor(TzrLabel* Label, const char* Color) {
  const auto apply = [Label, Color](TObject*) {
    Label->GetFontFill()->SetColor(Color);
    if (auto* text = dynamic_cast<TzrText*>(Label->FindResource("text")))
      text->GetFill()->SetColor(Color);
  };
  Label->OnApplyResource = apply;
  apply(Label);
}

}  // namespace

std::function<int(TfrmSpeed& window)> TfrmSpeed::ModalHandler;

TfrmSpeed::TfrmSpeed(TComponent* AOwner) : TForm(AOwner) {
  SetName("frmSpeed");
  SetBorderStyle(bsNone);
  ReadSceneForm(this, "frmSpeed");
  FindSceneComponent(this, "ControlsScene", ControlsScene);
  FindSceneComponent(this, "Root1", Root1);
  FindSceneComponent(this, "SpeedChart", SpeedChart);
  FindSceneComponent(this, "ShowMsg", ShowMsg);
  FindSceneComponent(this, "gearradio", gearradio);
  FindSceneComponent(this, "motorploes", motorploes);
  FindSceneComponent(this, "editRadio", editRadio);
  FindSceneComponent(this, "editPloes", editPloes);
  FindSceneComponent(this, "btnExit", btnExit);
  FindSceneComponent(this, "Throttle", Throttle);
  FindSceneComponent(this, "Rpm", Rpm);
  FindSceneComponent(this, "PropRPM", PropRPM);
  FindSceneComponent(this, "showProp_RPM", showProp_RPM);
  KeepTextColor(ShowMsg, kReadoutColor);
  KeepTextColor(gearradio, kCaptionColor);
  KeepTextColor(motorploes, kCaptionColor);

  OnShow = [this](TObject* s) { FormShow(s); };
  editRadio->OnChange = [this](TObject* s) { btnCalcClick(s); };
  editPloes->OnChange = [this](TObject* s) { btnCalcClick(s); };
  btnExit->OnClick = [this](TObject* s) { btnExitClick(s); };
  SpeedChart->OnClickSeries = [this](TCustomChart* c, TChartSeries* s, int i, TMouseButton b,
                                     TShiftState sh, int x,
                                     int y) { SpeedChartClickSeries(c, s, i, b, sh, x, y); };
  SpeedChart->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
    SpeedChartMouseDown(s, b, sh, x, y);
  };
  SpeedChart->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) {
    SpeedChartMouseMove(s, sh, x, y);
  };
  SpeedChart->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
    SpeedChartMouseUp(s, b, sh, x, y);
  };
}

TfrmSpeed::~TfrmSpeed() {
  // The series leave the chart before the components (the chart among
  // them) are freed.
  FreeSeries();
}

void TfrmSpeed::FreeSeries() {
  if (SpeedChart) SpeedChart->RemoveAllSeries();
  delete FRpmSeries;
  delete FPropSeries;
  delete FCursorSeries;
  FRpmSeries = FPropSeries = nullptr;
  FCursorSeries = nullptr;
}

void TfrmSpeed::FormShow(TObject*) { SetupSpeedChart(2, 1); }

void TfrmSpeed::btnCalcClick(TObject*) {
  int32_t poles = 0;
  double ratio = 0;
  // While the user types, a box may hold no number yet: the chart stays.
  if (!TryStrToInt(editPloes->GetText(), poles)) return;
  if (!TryStrToFloat(editRadio->GetText(), ratio)) return;
  // The pole box is held to its limits only when it is left, so that 10-19
  // can be typed through "1": the chart uses the count held to them.
  poles = static_cast<int32_t>(editPloes->ClampValue(poles));
  ratio = static_cast<double>(editRadio->ClampValue(ratio));
  if (poles < 2 || ratio < 1) return;
  SetupSpeedChart(poles, static_cast<float>(ratio));
}

void TfrmSpeed::SetupSpeedChart(int Poles, float Ratio) {
  FThrottleFrom = FPropThrottleFrom = 0;
  FThrottleTo = FPropThrottleTo = 100;
  FRpmFrom = FPropRpmFrom = 0;
  FRpmMax = GovernorMotorMaxRpm(FGovernorValue, Poles);
  FPropRpmMax = GovernorMaxRpm(FGovernorValue, Poles, Ratio);
  FCursorThrottle = 100 / 2;
  FCursorRpm = FRpmMax / 2;
  FCursorPropRpm = FPropRpmMax / 2;

  // The previous series are freed, not left behind with the window.
  FreeSeries();
  FRpmSeries = new TFastLineSeries(this);
  FRpmSeries->AddXY(FThrottleFrom, FRpmFrom);
  FRpmSeries->AddXY(FThrottleTo, FRpmMax);
  FRpmSeries->SetSeriesColor(clRed);
  FRpmSeries->GetLinePen()->SetColor(clRed);
  FPropSeries = new TFastLineSeries(this);
  FPropSeries->AddXY(FPropThrottleFrom, FPropRpmFrom);
  FPropSeries->AddXY(FPropThrottleTo, FPropRpmMax);
  FPropSeries->SetVertAxis(aRightAxis);
  FPropSeries->SetSeriesColor(clFuchsia);
  FPropSeries->GetLinePen()->SetColor(clFuchsia);
  FCursorSeries = new TPointSeries(this);
  FCursorSeries->AddXY(FCursorThrottle, FCursorRpm);
  FCursorSeries->GetPointer()->SetStyle(psCircle);
  FCursorSeries->GetPointer()->SetSize(6);
  FCursorSeries->SetShowInLegend(false);

  SpeedChart->AddSeries(FRpmSeries);
  SpeedChart->AddSeries(FPropSeries);
  SpeedChart->AddSeries(FCursorSeries);
  SpeedChart->GetLeftAxis()->SetMinMax(0, FRpmMax);
  SpeedChart->GetRightAxis()->SetMinMax(0, FPropRpmMax);
  SpeedChart->GetBottomAxis()->SetMinMax(0, 100);
  SpeedChart->GetBottomAxis()->SetDesiredIncrement(10);
  SpeedChart->GetLegend()->SetVisible(false);
  ShowReadout();
}

void TfrmSpeed::ShowReadout() {
  const std::string text = Caption(Throttle) + ":" + std::to_string(FCursorThrottle) + " / " +
                           Caption(Rpm) + ":" + std::to_string(FCursorRpm) + " / " +
                           Caption(PropRPM) + ":" + std::to_string(FCursorPropRpm);
  ShowMsg->SetText(UTF8ToUTF16(text));
}

void TfrmSpeed::SpeedChartClickSeries(TCustomChart*, TChartSeries*, int, TMouseButton, TShiftState,
                                      int X, int Y) {
  FLastX = X;
  FLastY = Y;
}

void TfrmSpeed::SpeedChartMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  FDragging = true;
}

void TfrmSpeed::SpeedChartMouseUp(TObject*, TMouseButton, TShiftState, int, int) {
  FDragging = false;
}

void TfrmSpeed::SpeedChartMouseMove(TObject*, TShiftState, int X, int) {
  if (!FDragging) return;
  bool stepped = false;
  if (X < FLastX && FCursorThrottle > 0 && FLastX - X > 4) {
    FLastX = X;
    --FCursorThrottle;
    stepped = true;
  } else if (X > FLastX && FCursorThrottle < 100 && X - FLastX > 4) {
    FLastX = X;
    ++FCursorThrottle;
    stepped = true;
  }
  if (stepped) PlaceCursor();
  ShowReadout();
}

void TfrmSpeed::PlaceCursor() {
  FCursorRpm = (FRpmMax / 100) * FCursorThrottle;
  FCursorPropRpm = (FPropRpmMax / 100) * FCursorThrottle;
  if (!FCursorSeries) return;
  SpeedChart->RemoveSeries(FCursorSeries);
  FCursorSeries->Clear();
  FCursorSeries->AddXY(FCursorThrottle, FCursorRpm);
  SpeedChart->AddSeries(FCursorSeries);
}

void TfrmSpeed::btnExitClick(TObject*) {
  SetModalResult(mrOk);
  Close();
}

int TfrmSpeed::ShowModal() {
  if (!ModalHandler) return TForm::ShowModal();
  FormShow(this);
  return ModalHandler(*this);
}
