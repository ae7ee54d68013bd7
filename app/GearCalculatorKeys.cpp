// Key editing of the gear calculator's boxes.

#include "app/GearCalculatorKeys.h"

#include <algorithm>

#include "app/GearCalculator.h"
#include "platform/rtl/NumberText.h"

namespace {

// The digit a key code stands for, or -1.
int KeyDigit(uint16_t key) {
  if (key >= 48 && key <= 57) return key - 48;
  if (key >= 96 && key <= 105) return key - 96;
  return -1;
}

// The selection held within the text.
void ClampSelection(TCalcEdit& edit) {
  const int size = static_cast<int>(edit.Text.size());
  edit.SelStart = std::clamp(edit.SelStart, 0, size);
  edit.SelLength = std::clamp(edit.SelLength, 0, size - edit.SelStart);
}

// A digit key or backspace applied to the text; the caret where it ends up.
void ApplyEditKey(TCalcEdit& edit, uint16_t key) {
  ClampSelection(edit);
  const int digit = KeyDigit(key);
  if (digit >= 0) {
    // "0" stands for the empty text: the digit takes its place, wherever
    // the caret is.
    if (edit.Text == "0") edit.SelStart = 0, edit.SelLength = 1;
    edit.Text.replace(edit.SelStart, edit.SelLength, 1, static_cast<char>('0' + digit));
    edit.SelStart += 1;
  } else if (key == kCalcKeyBack) {
    if (edit.SelLength > 0)
      edit.Text.erase(edit.SelStart, edit.SelLength);
    else if (!edit.Text.empty())
      edit.Text.pop_back();
  }
  edit.SelLength = 0;
}

bool AllDigits(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A digit text as the whole number it holds, at most 300000.
std::string WholeNumberText(const std::string& digits) {
  const size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return "0";
  const std::string number = digits.substr(first);
  if (number.size() > 6 || std::stol(number) > kCalcMaxValue) return IntToStr(kCalcMaxValue);
  return number;
}

}  // namespace

TCalcEdit CalcDigitBoxKey(const TCalcEdit& edit, uint16_t key) {
  TCalcEdit out = edit;
  ApplyEditKey(out, key);
  if (out.Text.empty()) out.Text = "0";
  if (AllDigits(out.Text)) out.Text = WholeNumberText(out.Text);
  ClampSelection(out);
  return out;
}

TCalcEdit CalcVoltageBoxKey(const TCalcEdit& edit, uint16_t key, char16_t keyChar) {
  TCalcEdit out = edit;
  if (out.Text == "Other")
    out.Text = "0";
  else if (out.Text.find('V') != std::string::npos)
    out.Text.pop_back();
  ApplyEditKey(out, key);
  if (keyChar == u'.' && out.Text.find('.') == std::string::npos) out.Text += '.';
  if (out.Text.empty()) out.Text = "0";
  double value = 0;
  if (keyChar != u'.' && TryStrToFloat(out.Text, value)) out.Text = FloatToStr(value);
  out.Text += 'V';
  out.SelStart = static_cast<int>(out.Text.size());
  out.SelLength = 0;
  return out;
}

bool CalcBoxKey(int box, int entry, TCalcEdit& edit, uint16_t key, char16_t keyChar) {
  if (box >= 1 && box <= 6) {
    edit = CalcDigitBoxKey(edit, key);
    return true;
  }
  if (box < 7 || box > 9 || entry != kOtherBatteryEntry) return false;
  edit = CalcVoltageBoxKey(edit, key, keyChar);
  return true;
}
