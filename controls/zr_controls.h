#pragma once
// Controls of the toolkit as the main window's code drives them: enabled and
// visible state, captions, check state, progress. The text controls, labels
// and buttons are the toolkit's own (included here for the program's code);
// the check box, radio button and progress bar below keep only the state the
// program reads and sets.

#include <string>
#include <vector>

#include "controls/zr_buttons.h"
#include "controls/zr_labels.h"
#include "controls/zr_text_control.h"
#include "platform/rtl/Classes.h"
#include "scene/zr_control.h"

class TzrCheckBox : public TzrTextControl {
public:
  using TzrTextControl::TzrTextControl;
  std::string ClassName() const override { return "TzrCheckBox"; }
  bool GetIsChecked() const { return FIsChecked; }
  void SetIsChecked(bool value);
  TNotifyEvent OnChange;

private:
  bool FIsChecked = false;
};

// Checking one button of a group unchecks the other buttons of that group
// that share its owner.
class TzrRadioButton : public TzrTextControl {
public:
  using TzrTextControl::TzrTextControl;
  std::string ClassName() const override { return "TzrRadioButton"; }
  bool GetIsChecked() const { return FIsChecked; }
  void SetIsChecked(bool value);
  const std::string& GetGroupName() const { return FGroupName; }
  TNotifyEvent OnChange;
  void SetGroupName(const std::string& value) { FGroupName = value; }

private:
  bool FIsChecked = false;
  std::string FGroupName;
};

class TzrProgressBar : public TzrControl {
public:
  using TzrControl::TzrControl;
  std::string ClassName() const override { return "TzrProgressBar"; }
  float GetMin() const { return FMin; }
  void SetMin(float value) { FMin = value; }
  float GetMax() const { return FMax; }
  void SetMax(float value) { FMax = value; }
  float GetValue() const { return FValue; }
  void SetValue(float value);
  TNotifyEvent OnChange;

private:
  float FMin = 0;
  float FMax = 100;
  float FValue = 0;
};
