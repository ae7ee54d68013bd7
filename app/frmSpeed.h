#pragma once
// The RPM chart window: motor speed (red, left axis) and main rotor speed
// (fuchsia, right axis) against the throttle from 0 % to 100 %, for the
// governor value K, a motor's poles and a gear ratio, with a round cursor on
// the motor line that the user drags one percent at a time. A read-out line
// above the chart tells the throttle and both speeds at the cursor. The
// speeds follow the governor page's rule (GovernorValues.h), so both agree.
// The window's layout and the chart's settings are read from its form
// resource; its opener sets K (FGovernorValue) and the texts.

#include <cstdint>
#include <functional>
#include <memory>

#include "chart/Chart.h"
#include "platform/vcl/Forms.h"

class TzoRurev;
class TzrBackground;
class TzrLabel;
class TzrRoundButton;
class TXwSpinEdit;
class TFastLineSeries;
class TPointSeries;

class TfrmSpeed : public TForm {
 public:
  explicit TfrmSpeed(TComponent* AOwner);
  ~TfrmSpeed() override;
  std::string ClassName() const override { return "TfrmSpeed"; }

  TzoRurev* ControlsScene = nullptr;
  TzrBackground* Root1 = nullptr;
  TChart* SpeedChart = nullptr;
  TzrLabel* ShowMsg = nullptr;  // the read-out line
  TzrLabel* gearradio = nullptr;
  TzrLabel* motorploes = nullptr;
  TXwSpinEdit* editRadio = nullptr;  // gear ratio, from 1 in steps of 0.01
  TXwSpinEdit* editPloes = nullptr;  // motor poles, from 2 (held there when left)
  TzrRoundButton* btnExit = nullptr;
  // Hidden labels holding the names the read-out uses.
  TzrLabel* Throttle = nullptr;
  TzrLabel* Rpm = nullptr;
  TzrLabel* PropRPM = nullptr;
  TzrLabel* showProp_RPM = nullptr;

  // The chart for 2 poles (one pole pair) and ratio 1.
  void FormShow(TObject* Sender);
  // The chart for the poles and ratio of the two edit boxes, each held to
  // its box's limits; a text that is no number leaves the chart as it is.
  void btnCalcClick(TObject* Sender);
  // Replaces the three series (freeing the previous ones), sets the axes and
  // the read-out, with the cursor at 50 %.
  void SetupSpeedChart(int Poles, float Ratio);
  void SpeedChartClickSeries(TCustomChart* Sender, TChartSeries* Series, int ValueIndex,
                             TMouseButton Button, TShiftState Shift, int X, int Y);
  void SpeedChartMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  // While a button is down: one percent towards the mouse once it has moved
  // more than 4 pixels from where the cursor last stepped.
  void SpeedChartMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void SpeedChartMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void btnExitClick(TObject* Sender);

  // Shows the window and returns when it has been closed.
  int ShowModal() override;
  // When set, ShowModal runs the show handler and hands the window to it
  // instead of showing it (tests drive the window there); its result is the
  // window's result.
  static std::function<int(TfrmSpeed& window)> ModalHandler;

  TFastLineSeries* RpmSeries() const { return FRpmSeries; }
  TFastLineSeries* PropSeries() const { return FPropSeries; }
  TPointSeries* CursorSeries() const { return FCursorSeries; }
  int RpmMax() const { return FRpmMax; }
  int PropRpmMax() const { return FPropRpmMax; }
  int CursorThrottle() const { return FCursorThrottle; }
  int CursorRpm() const { return FCursorRpm; }
  int CursorPropRpm() const { return FCursorPropRpm; }

  // K, set by the opener.
  int32_t FGovernorValue = 0;

 private:
  void ShowReadout();
  void PlaceCursor();
  // Takes the series off the chart and frees them.
  void FreeSeries();

  TFastLineSeries* FRpmSeries = nullptr;
  TFastLineSeries* FPropSeries = nullptr;
  int FThrottleFrom = 0, FPropThrottleFrom = 0;
  int FThrottleTo = 100, FPropThrottleTo = 100;
  int FRpmFrom = 0, FPropRpmFrom = 0;
  int FRpmMax = 0;
  int FPropRpmMax = 0;
  int FCursorThrottle = 0;
  int FCursorRpm = 0;
  int FCursorPropRpm = 0;
  int FLastX = 0, FLastY = 0;
  bool FDragging = false;
  TPointSeries* FCursorSeries = nullptr;
};
