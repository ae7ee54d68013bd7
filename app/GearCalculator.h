#pragma once
// The gear and battery calculator's arithmetic over the texts of its fields.
// The page copies its boxes' texts in, runs the calculation and copies the
// texts and the reach colours back; nothing here knows a control.
//
// Fields (calcTextBox1 .. calcTextBox19): 1 desired main rotor speed, 2 main
// gear teeth, 3 pinion teeth (real), 4 motor pole pairs, 5 motor KV, 6 battery
// cells; 7-9 cell voltage of the three battery columns ("3.7V"); 10-12 pack
// voltage; 13-15 rotor speed the pack reaches; 16 governor range; 17 throttle;
// 18 motor speed; 19 eRPM.

#include <array>
#include <cstdint>
#include <string>

constexpr int kGearFieldCount = 19;
constexpr int kBatteryColumns = 3;
// The highest number a calculator box takes.
constexpr int32_t kCalcMaxValue = 300000;
// Above this rounded eRPM the governor's high range applies.
constexpr int64_t kGovernorLowMaxERpm = 45011;

// Font colours of the reach boxes (ARGB), both readable on the boxes' dark
// grey: a light red where the pack cannot reach the desired speed, else the
// style's own text colour of the other boxes.
constexpr uint32_t kReachShortColor = 0xFFFF8080;
constexpr uint32_t kReachColor = 0xFFEAEAEA;

struct TGearFields {
  std::array<std::string, kGearFieldCount> Text;
  std::array<uint32_t, kBatteryColumns> ReachColor{kReachColor, kReachColor, kReachColor};

  // Field n, 1-based as the boxes are numbered.
  std::string& Box(int n) { return Text[n - 1]; }
  const std::string& Box(int n) const { return Text[n - 1]; }
};

// What a recalculation found, beside the texts it wrote.
struct TGearResult {
  bool InputsRead = false;  // fields 1-6 held numbers; nothing changes otherwise
  double MotorSpeed = 0;
  double ERpm = 0;
  int GovernorRow = -1;  // -1: no eRPM, or the governor steps failed
  std::array<int64_t, kBatteryColumns> Reach{};
  std::array<bool, kBatteryColumns> ColumnDone{};  // the column's outputs were written
};

// To the nearest hundredth, halves to the even neighbour (whole numbers: Round).
double RoundCents(double x);
// Fixed-point text with one decimal, "." as separator (halves away from zero).
std::string FixedText1(double x);

// The cell voltage of a battery box's text: the number before its trailing
// "V" ("3.7V" gives 3.7; a text without "V" is read whole). Raises
// EConvertError when the text holds no number.
double CellVoltage(const std::string& text);

// Recomputes every output field from fields 1-9. Fields 1-6 that are not
// numbers change nothing. The motor speed, eRPM and governor fields are
// written in that order, and an error among them (a speed too large to round)
// leaves the ones after it as they were; a battery column is written whole or
// not at all. A column whose text is "Other" becomes "0V".
// A zero pinion gives motor speed 0 (field 18 unchanged); a zero main gear
// leaves the battery columns unchanged.
TGearResult RecalculateGear(TGearFields& fields);

// On a change or when a box loses the focus: the text of boxes 1-6 with a
// number above 300000 replaced by "300000"; other texts unchanged.
std::string LimitCalcText(const std::string& text);
// The text of a battery box on leaving it: its voltage with one decimal and
// "V" ("3V" gives "3.0V"); a text without a number unchanged.
std::string CellVoltageText(const std::string& text);
// calcChange for box n (1-9): the limit above, and for the battery boxes 7-9
// the voltage text on leaving.
std::string CalcChangeText(int box, const std::string& text);
// A battery type chosen from the list: 0 LiPo "3.7V", 1 LiFe "3.3V", 2 NiMh
// and 3 NiCd "1.2V"; "Other" (4) and anything else keep the current text.
std::string BatteryEntryText(int entry, const std::string& current);
