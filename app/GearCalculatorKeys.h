#pragma once
// Typing in the gear calculator's boxes. The boxes are read-only for ordinary
// typing; their key handler edits the text itself through these functions, so
// boxes 1-6 only ever hold whole numbers up to 300000 and the battery boxes a
// voltage followed by "V".

#include <cstdint>
#include <string>

// A box's text and selection; with nothing selected SelStart is the caret.
struct TCalcEdit {
  std::string Text;
  int SelStart = 0;
  int SelLength = 0;
};

constexpr uint16_t kCalcKeyBack = 8;

// Boxes 1-6: a digit key (48-57, or 96-105 on the numeric pad) replaces the
// selection or goes in at the caret, and replaces a text "0" whole (the empty
// text shows as "0", so the digit typed next stands alone); backspace deletes
// the selection, or without one the last character. After any key an empty
// text becomes "0", a number above 300000 "300000", and leading zeros go. The
// caret follows the typed digit, stays at the start of a deleted selection,
// and otherwise stays where it was (held within the text). A text that is not
// a number (from an edited language file) is edited but not rewritten.
TCalcEdit CalcDigitBoxKey(const TCalcEdit& edit, uint16_t key);

// Battery boxes 7-9 while "Other" is chosen: the text without its "V" is
// edited (a text "Other" counts as "0"): digits as above (a digit typed into
// "0" stands alone), the key character "." appends a point when there is
// none, backspace as above. An empty text becomes "0"; unless the key
// character was "." the text is rewritten as its number ("05" gives "5", "3."
// gives "3"); then "V" follows and the caret goes to the end.
TCalcEdit CalcVoltageBoxKey(const TCalcEdit& edit, uint16_t key, char16_t keyChar);

// The entry of a battery box's list that lets the user type a voltage.
constexpr int kOtherBatteryEntry = 4;

// calcTextBoxKeyDown for box n (1-9) whose list shows entry `entry` (battery
// boxes only): boxes 1-6 always, the battery boxes while "Other" is chosen.
// False, with the edit unchanged, where the key edits nothing.
bool CalcBoxKey(int box, int entry, TCalcEdit& edit, uint16_t key, char16_t keyChar);
