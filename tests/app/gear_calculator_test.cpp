#include <gtest/gtest.h>

#include "app/GearCalculator.h"

namespace {

// The stored defaults of the language file; outputs start as "?" so that a
// field left alone shows.
TGearFields DefaultFields() {
  TGearFields f;
  const char* inputs[] = {"2300", "153", "16", "4", "740", "12", "3.3V", "3.6V", "2.7V"};
  for (int n = 1; n <= kGearFieldCount; ++n) f.Box(n) = n <= 9 ? inputs[n - 1] : "?";
  f.ReachColor = {0x12345678, 0x12345678, 0x12345678};
  return f;
}

TEST(RecalculateGear, StoredDefaults) {
  TGearFields f = DefaultFields();
  const TGearResult r = RecalculateGear(f);
  EXPECT_TRUE(r.InputsRead);
  EXPECT_DOUBLE_EQ(r.MotorSpeed, 21993.75);
  EXPECT_DOUBLE_EQ(r.ERpm, 87975);
  EXPECT_EQ(r.GovernorRow, 152);
  EXPECT_EQ(f.Box(18), "21993.8");  // one decimal
  EXPECT_EQ(f.Box(19), "87975.0");
  EXPECT_EQ(f.Box(16), "Governor_High");
  EXPECT_EQ(f.Box(17), "77.5%");  // row 152 shows 77.7
  const char* packs[] = {"39.6V", "43.2V", "32.4V"};
  const char* reaches[] = {"3064", "3343", "2507"};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(f.Box(10 + k), packs[k]) << k;
    EXPECT_EQ(f.Box(13 + k), reaches[k]) << k;
    EXPECT_EQ(f.ReachColor[k], kReachColor) << k;
  }
}

// eRPM = rotor speed x main gear / pinion x pole pairs, chosen exactly.
TEST(RecalculateGear, GovernorRangeAndThrottleByERpm) {
  const struct {
    const char *rotor, *pinion;
    const char* range;
    int row;
    const char* throttle;
  } cases[] = {
      {"45011", "1", "Governor_Low", 104, "100.0%"},
      {"45012", "1", "Governor_High", 105, "60.0%"},
      {"90023", "2", "Governor_High", 105, "60.0%"},  // 45011.5 rounds to 45012, not 45011
      {"5000", "1", "Governor_Low", 0, "60.0%"},
      {"10327", "1", "Governor_Low", 2, "60.0%"},  // 60.2 shows as 60.0
      {"200267", "1", "Governor_High", 209, "100.0%"},
  };
  for (const auto& c : cases) {
    TGearFields f = DefaultFields();
    f.Box(1) = c.rotor;
    f.Box(2) = "1";
    f.Box(3) = c.pinion;
    f.Box(4) = "1";
    const TGearResult r = RecalculateGear(f);
    EXPECT_EQ(f.Box(16), c.range) << c.rotor;
    EXPECT_EQ(r.GovernorRow, c.row) << c.rotor;
    EXPECT_EQ(f.Box(17), c.throttle) << c.rotor;
  }
}

TEST(RecalculateGear, ReachBelowTheDesiredSpeedIsRed) {
  const struct {
    const char *rotor, *cells;
    const char* reach;
    uint32_t color;
  } cases[] = {
      {"3065", "12", "3064", kReachShortColor},
      {"3064", "12", "3064", kReachColor},  // equal is not below
      {"2300", "0", "0", kReachColor},      // a reach of 0 is not marked
  };
  for (const auto& c : cases) {
    TGearFields f = DefaultFields();
    f.Box(1) = c.rotor;
    f.Box(6) = c.cells;
    RecalculateGear(f);
    EXPECT_EQ(f.Box(13), c.reach) << c.rotor;
    EXPECT_EQ(f.ReachColor[0], c.color) << c.rotor;
  }
}

TEST(RecalculateGear, OtherBecomesZeroVolts) {
  TGearFields f = DefaultFields();
  f.Box(8) = "Other";
  RecalculateGear(f);
  EXPECT_EQ(f.Box(8), "0V");
  EXPECT_EQ(f.Box(11), "0.0V");
  EXPECT_EQ(f.Box(14), "0");
  EXPECT_EQ(f.ReachColor[1], kReachColor);
}

TEST(RecalculateGear, FailuresLeaveTheirFieldsAlone) {
  {  // an input that is not a number: nothing changes
    TGearFields f = DefaultFields();
    f.Box(5) = "abc";
    f.Box(7) = "Other";
    const TGearFields before = f;
    EXPECT_FALSE(RecalculateGear(f).InputsRead);
    EXPECT_EQ(f.Text, before.Text);
    EXPECT_EQ(f.ReachColor, before.ReachColor);
  }
  {  // a battery text without a number: only that column stays
    TGearFields f = DefaultFields();
    f.Box(8) = "xV";
    const TGearResult r = RecalculateGear(f);
    EXPECT_EQ(f.Box(10), "39.6V");
    EXPECT_EQ(f.Box(11), "?");
    EXPECT_EQ(f.Box(14), "?");
    EXPECT_EQ(f.ReachColor[1], 0x12345678u);
    EXPECT_EQ(f.Box(12), "32.4V");
    EXPECT_FALSE(r.ColumnDone[1]);
  }
  {  // a zero pinion: motor speed 0, its field unchanged, no governor row
    TGearFields f = DefaultFields();
    f.Box(3) = "0";
    const TGearResult r = RecalculateGear(f);
    EXPECT_EQ(r.MotorSpeed, 0);
    EXPECT_EQ(f.Box(18), "?");
    EXPECT_EQ(f.Box(19), "0.0");
    EXPECT_EQ(f.Box(16), "?");
    EXPECT_EQ(r.GovernorRow, -1);
    EXPECT_EQ(f.Box(13), "0");
  }
  {  // a zero main gear leaves the battery columns unchanged
    TGearFields f = DefaultFields();
    f.Box(2) = "0";
    RecalculateGear(f);
    for (int n = 10; n <= 15; ++n) EXPECT_EQ(f.Box(n), "?") << n;
  }
  {  // an eRPM too large to round: the motor speed is written, the rest not
    TGearFields f = DefaultFields();
    f.Box(1) = "300000";
    f.Box(2) = "300000";
    f.Box(3) = "0.000001";
    f.Box(4) = "300000";
    const TGearResult r = RecalculateGear(f);
    EXPECT_NE(f.Box(18), "?");
    EXPECT_EQ(f.Box(19), "?");
    EXPECT_EQ(f.Box(16), "?");
    EXPECT_EQ(r.GovernorRow, -1);
  }
}

TEST(RoundCents, HalvesGoToTheEvenNeighbour) {
  const struct {
    double x, result;
  } cases[] = {{0.125, 0.12},   {0.375, 0.38}, {21993.75, 21993.75}, {39.599999999999994, 39.6},
               {-0.125, -0.12}, {2.5, 2.5}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundCents(c.x), c.result) << c.x;
}

TEST(CalcFieldTexts, LimitsVoltagesAndBatteryEntries) {
  const struct {
    const char *in, *out;
  } limits[] = {{"300001", "300000"}, {"300000", "300000"}, {"99999999999", "300000"},
                {"16.5", "16.5"},     {"abc", "abc"},       {"", ""}};
  for (const auto& c : limits) EXPECT_EQ(LimitCalcText(c.in), c.out) << c.in;

  const struct {
    const char *in, *out;
  } voltages[] = {{"3V", "3.0V"},  {"3.7V", "3.7V"}, {"3.75V", "3.8V"},
                  {"3.7", "3.7V"}, {"xV", "xV"},     {"", ""}};
  for (const auto& c : voltages) EXPECT_EQ(CellVoltageText(c.in), c.out) << c.in;

  EXPECT_EQ(CalcChangeText(1, "300001"), "300000");
  EXPECT_EQ(CalcChangeText(3, "3V"), "3V");  // only the battery boxes read a voltage
  EXPECT_EQ(CalcChangeText(7, "3V"), "3.0V");
  EXPECT_EQ(CalcChangeText(9, "3.66V"), "3.7V");

  const char* entries[] = {"3.7V", "3.3V", "1.2V", "1.2V", "5.5V", "5.5V"};
  for (int entry = 0; entry < 6; ++entry)
    EXPECT_EQ(BatteryEntryText(entry, "5.5V"), entries[entry]) << entry;
}

}  // namespace
