#include <gtest/gtest.h>

#include "app/GearCalculator.h"
#include "app/GearCalculatorKeys.h"

namespace {

constexpr uint16_t kKeyA = 65, kKeyPeriod = 190;

std::string Describe(const TCalcEdit& e) {
  return '"' + e.Text + "\" @" + std::to_string(e.SelStart) + '+' + std::to_string(e.SelLength);
}

TEST(CalcDigitBoxKey, Cases) {
  const struct {
    TCalcEdit before;
    uint16_t key;
    TCalcEdit after;
  } cases[] = {
      {{"0", 1, 0}, '5', {"5", 1, 0}},     // "05" is rewritten as "5"
      {{"23", 2, 0}, 103, {"237", 3, 0}},  // numeric pad 7
      {{"2300", 0, 4}, '1', {"1", 1, 0}},
      {{"2300", 1, 0}, '5', {"25300", 2, 0}},
      {{"2300", 1, 2}, '9', {"290", 2, 0}},
      {{"2300", 4, 0}, kCalcKeyBack, {"230", 3, 0}},
      {{"2300", 1, 0}, kCalcKeyBack, {"230", 1, 0}},  // the last character goes
      {{"2300", 1, 2}, kCalcKeyBack, {"20", 1, 0}},
      {{"5", 1, 0}, kCalcKeyBack, {"0", 1, 0}},
      {{"30000", 5, 0}, '1', {"300000", 6, 0}},
      {{"30000", 5, 0}, '9', {"300000", 6, 0}},
      {{"300000", 6, 0}, '5', {"300000", 6, 0}},
      {{"0", 0, 0}, '5', {"5", 1, 0}},  // the digit replaces the "0", wherever the caret
      {{"0", 0, 0}, '0', {"0", 1, 0}},
      {{"12", 1, 0}, kKeyA, {"12", 1, 0}},
      {{"007", 3, 0}, kKeyA, {"7", 1, 0}},
      {{"", 0, 0}, kKeyA, {"0", 0, 0}},
      {{"abc", 3, 0}, '5', {"abc5", 4, 0}},  // not a number: edited, not rewritten
      {{"12", 9, 4}, '3', {"123", 3, 0}},    // a selection beyond the text is held to it
  };
  for (const auto& c : cases)
    EXPECT_EQ(Describe(CalcDigitBoxKey(c.before, c.key)), Describe(c.after))
        << Describe(c.before) << " key " << c.key;
}

TEST(CalcVoltageBoxKey, Cases) {
  const struct {
    TCalcEdit before;
    uint16_t key;
    char16_t keyChar;
    const char* after;
  } cases[] = {
      {{"3V", 2, 0}, kKeyPeriod, u'.', "3.V"},
      {{"3.V", 3, 0}, '7', u'7', "3.7V"},
      {{"3.V", 3, 0}, kKeyPeriod, u'.', "3.V"},  // one point only
      {{"0V", 2, 0}, '5', u'5', "5V"},
      {{"0V", 0, 0}, '5', u'5', "5V"},  // the caret before the "0"
      {{"Other", 5, 0}, '4', u'4', "4V"},
      {{"3.7V", 4, 0}, kCalcKeyBack, 8, "3V"},  // "3." reads as 3
      {{"0V", 2, 0}, kCalcKeyBack, 8, "0V"},
      {{"1.2V", 0, 4}, 100, u'4', "4V"},  // the selection replaced
      {{"12.50V", 6, 0}, kKeyA, u'a', "12.5V"},
  };
  for (const auto& c : cases) {
    const TCalcEdit after = CalcVoltageBoxKey(c.before, c.key, c.keyChar);
    EXPECT_EQ(after.Text, c.after) << Describe(c.before);
    EXPECT_EQ(after.SelStart, int(after.Text.size())) << Describe(c.before);
    EXPECT_EQ(after.SelLength, 0) << Describe(c.before);
  }
}

TEST(CalcBoxKey, DigitBoxesAlwaysBatteryBoxesOnlyForOther) {
  const struct {
    int box, entry;
    TCalcEdit edit;
    bool handled;
    const char* after;
  } cases[] = {
      {1, -1, {"23", 2, 0}, true, "235"},    {6, -1, {"0", 1, 0}, true, "5"},
      {7, 4, {"3V", 1, 0}, true, "35V"},     {9, 4, {"0V", 1, 0}, true, "5V"},
      {8, 0, {"3.7V", 3, 0}, false, "3.7V"},  // LiPo chosen: the box takes no typing
      {10, -1, {"1", 1, 0}, false, "1"},     {0, -1, {"1", 1, 0}, false, "1"},
  };
  for (const auto& c : cases) {
    TCalcEdit edit = c.edit;
    EXPECT_EQ(CalcBoxKey(c.box, c.entry, edit, '5', u'5'), c.handled) << c.box;
    EXPECT_EQ(edit.Text, c.after) << c.box;
  }
}

// "Other" chosen: the text becomes "0V"; typing 3, ".", 7 and leaving the box
// keeps "3.7V".
TEST(CalcVoltageBoxKey, TypingAVoltageAfterOther) {
  TGearFields f;
  const char* inputs[] = {"2300", "153", "16", "4", "740", "12", "Other", "3.6V", "2.7V"};
  for (int n = 1; n <= 9; ++n) f.Box(n) = inputs[n - 1];
  RecalculateGear(f);
  ASSERT_EQ(f.Box(7), "0V");
  TCalcEdit e{f.Box(7), 2, 0};
  e = CalcVoltageBoxKey(e, '3', u'3');
  EXPECT_EQ(e.Text, "3V");
  e = CalcVoltageBoxKey(e, kKeyPeriod, u'.');
  EXPECT_EQ(e.Text, "3.V");
  e = CalcVoltageBoxKey(e, '7', u'7');
  EXPECT_EQ(e.Text, "3.7V");
  f.Box(7) = CellVoltageText(e.Text);
  EXPECT_EQ(f.Box(7), "3.7V");
  RecalculateGear(f);
  EXPECT_EQ(f.Box(10), "44.4V");
}

}  // namespace
