#pragma once
// The wave-table adjuster: one vertical track bar per curve point, side by
// side in a horizontally scrolling list. The dialog keeps the curve
// non-decreasing and, while its check box is checked, fills the bars between
// two changed bars on a straight line. Its user builds the bars, sets their
// values (which pass through the same change handler), shows it modally and
// reads the bars ("TrackBar" followed by the point number) on result 1.

#include "platform/vcl/Forms.h"

class TzoRurev;
class TzrBackground;
class TzrPanel;
class TzrHorzListBox;
class TzrLabel;
class TzrCheckBox;
class TzrRoundButton;
class TzrTrackBar;

class TfrmAdjust : public TForm {
 public:
  explicit TfrmAdjust(TComponent* AOwner);
  std::string ClassName() const override { return "TfrmAdjust"; }

  TzoRurev* ControlsScene = nullptr;
  TzrBackground* Root1 = nullptr;
  TzrPanel* Panel1 = nullptr;
  TzrHorzListBox* HorzListBox1 = nullptr;
  TzrLabel* Label1 = nullptr;        // the maximum
  TzrLabel* Label2 = nullptr;        // the minimum
  TzrLabel* Label65 = nullptr;       // the value of the bar changed last
  TzrCheckBox* CheckBox1 = nullptr;  // linear filling between two changed bars
  TzrRoundButton* btnOk = nullptr;
  TzrRoundButton* btnCancel = nullptr;

  int FBarCount = 0;
  int FLastBar = 0;  // the bar changed last while filling is on; 256 = none

  // Makes Count bars with the range Minimum to Maximum, each at Minimum.
  // Called once, on a new dialog.
  void BuildTrackBars(int Count, int Minimum, int Maximum);
  void TrackBarChange(TObject* Sender);
  void CheckBox1Click(TObject* Sender);

  // Bar N and its value label, nil when there is no such bar.
  TzrTrackBar* TrackBar(int N) const;
  TzrLabel* ValueLabel(int N) const;

 private:
  // Sets a bar other than through the user, with its change handler
  // detached; its hint follows its value.
  void SetBarValue(TzrTrackBar* Bar, float Value);
};
