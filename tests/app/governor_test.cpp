#include <gtest/gtest.h>

#include "app/GovernorCalc.h"
#include "app/GovernorValues.h"

namespace {

TEST(GovernorBase, DemoOrTheSixteenBitDeviceValue) {
  uint8_t data[32] = {};
  data[19] = 0x01;
  data[20] = 0x90;
  EXPECT_EQ(GovernorBase(false, data, sizeof data), 400);
  EXPECT_EQ(GovernorBase(true, data, sizeof data), 512);
  data[19] = 0xFF;
  data[20] = 0xFF;
  EXPECT_EQ(GovernorBase(false, data, sizeof data), 65535);
  EXPECT_EQ(GovernorBase(false, data, 20), 0);  // too short to hold byte 20
  EXPECT_EQ(GovernorBase(false, nullptr, 0), 0);
  EXPECT_EQ(GovernorBase(true, nullptr, 0), 512);
}

TEST(GovernorRatio, MainGearOverPinionOrDirect) {
  EXPECT_FLOAT_EQ(GovernorRatio(true, 110, 10, 7), 11.0f);
  EXPECT_FLOAT_EQ(GovernorRatio(true, 10, 110, 7), 10.0f / 110);
  EXPECT_FLOAT_EQ(GovernorRatio(false, 110, 10, 7), 7.0f);
  EXPECT_EQ(GovernorRatio(true, 110, 0, 7), 0.0f);
}

TEST(GovernorMaxRpm, KOverPolePairsTimesThousandOverRatio) {
  const struct {
    int32_t base, poles;
    float ratio;
    int32_t motor, rotor;
  } cases[] = {
      {512, 8, 11, 128000, 11636},
      {512, 9, 11, 128000, 11636},  // 9 poles are 4 pairs
      {512, 4, 10, 256000, 25600},
      {512, 2, 1, 512000, 512000},
      {512, 12, 10.5f, 85000, 8095},
      {511, 4, 1, 255000, 255000},  // K div pairs before the thousand
      {400, 8, 1, 100000, 100000},
      {3, 8, 1, 0, 0},                            // K below the pole pairs
      {512, 1, 1, 0, 0},                          // no pole pair
      {512, 8, 0, 128000, 0},                     // no ratio
      {65535, 2, 0.0001f, 65535000, 2147483647},  // held within 32 bits
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GovernorMotorMaxRpm(c.base, c.poles), c.motor) << c.base << "/" << c.poles;
    EXPECT_EQ(GovernorMaxRpm(c.base, c.poles, c.ratio), c.rotor) << c.base << "/" << c.poles;
  }
}

TEST(ComputeGovernorValues, FromThePageControls) {
  TGovernorControls controls;
  controls.Poles = 8.9;
  controls.ByTeeth = true;
  const TGovernorValues byTeeth = ComputeGovernorValues(512, controls);
  EXPECT_EQ(byTeeth.Base, 512);
  EXPECT_EQ(byTeeth.Poles, 8);
  EXPECT_FLOAT_EQ(byTeeth.Ratio, 11);
  EXPECT_EQ(byTeeth.MaxRpm, 11636);
  controls.ByTeeth = false;
  controls.Poles = 4;
  EXPECT_EQ(ComputeGovernorValues(512, controls).MaxRpm, 25600);  // nbCB 10
}

TEST(GovernorSpeedTexts, GeneralForPolesWholeForRatios) {
  using F = TGovernorNumberFormat;
  const struct {
    int32_t max;
    double throttle;
    F format;
    const char *high, *low, *right;
  } cases[] = {
      {11636, 40, F::General, "11636", "4654.4", "<-- 4654.4"},
      {11636, 40, F::Whole, "11636", "4654", "<-- 4654"},
      {11636, 41, F::General, "11636", "4654.4", "<-- 4770.76"},
      {11636, 41, F::Whole, "11636", "4654", "<-- 4770"},
      {25600, 40, F::General, "25600", "10240", "<-- 10240"},
      {0, 40, F::General, "0", "0", "<-- 0"},
  };
  for (const auto& c : cases) {
    const TGovernorSpeedTexts t = GovernorSpeedTexts(c.max, c.throttle, c.format);
    EXPECT_EQ(t.High, c.high) << c.max << " " << c.throttle;
    EXPECT_EQ(t.Low, c.low) << c.max << " " << c.throttle;
    EXPECT_EQ(t.Right, c.right) << c.max << " " << c.throttle;
  }
}

TEST(ThrottleReadout, TextsAndPosition) {
  EXPECT_EQ(ThrottlePercentText(40), "40%-->");
  EXPECT_EQ(ThrottlePercentText(91), "91%-->");
  EXPECT_EQ(ThrottleSpeedText(11636, 40), "<-- 4654.4");
  EXPECT_EQ(ThrottleSpeedText(25600, 100), "<-- 25600");
  const struct {
    double throttle;
    int index, y;
  } cases[] = {{40, 0, 424}, {42, 0, 424}, {43, 1, 418}, {44, 2, 412},
               {45, 3, 404}, {97, 55, 58}, {98, 56, 52}, {100, 56, 52}};
  for (const auto& c : cases) {
    EXPECT_EQ(PercentLabelIndex(c.throttle), c.index) << c.throttle;
    EXPECT_EQ(PercentLabelY[c.index], c.y) << c.throttle;
  }
  // The table falls in steps of 6, 6 and 8.
  const int steps[] = {6, 6, 8};
  for (size_t i = 1; i < PercentLabelY.size(); ++i)
    EXPECT_EQ(PercentLabelY[i - 1] - PercentLabelY[i], steps[(i - 1) % 3]) << i;
}

TEST(ThrottleTip, OutsideSixtyToNinety) {
  const struct {
    double throttle;
    TThrottleTip tip;
    const char* key;
    float y;  // read-out at 100, tip label at 7
  } cases[] = {{91, TThrottleTip::High, "ThHigh", 120}, {90, TThrottleTip::None, "", 7},
               {60, TThrottleTip::None, "", 7},         {59, TThrottleTip::Low, "ThLow", 80},
               {40, TThrottleTip::Low, "ThLow", 80},    {100, TThrottleTip::High, "ThHigh", 120}};
  for (const auto& c : cases) {
    const TThrottleTip tip = ThrottleTipFor(c.throttle);
    EXPECT_EQ(tip, c.tip) << c.throttle;
    EXPECT_STREQ(ThrottleTipKey(tip), c.key) << c.throttle;
    EXPECT_FLOAT_EQ(ThrottleTipY(tip, 100, 7), c.y) << c.throttle;
  }
}

TEST(RequiredSpeedRow, ThrottleWithThreeDigits) {
  const struct {
    double required;
    int32_t max;
    const char* text;
    TThrottleTip tip;
  } cases[] = {
      {11636, 11636, "-->100%", TThrottleTip::High},
      {6982, 11636, "-->60%", TThrottleTip::None},
      {6981, 11636, "-->60%", TThrottleTip::Low},  // 59.99... shows as 60
      {10472, 11636, "-->90%", TThrottleTip::None},
      {10473, 11636, "-->90%", TThrottleTip::High},
      {1, 3, "-->33.3%", TThrottleTip::Low},
      {12.5, 1000, "-->1.2%", TThrottleTip::Low},  // 12.5 rounds to 12
      {13.5, 1000, "-->1.4%", TThrottleTip::Low},
      {0, 11636, "-->0%", TThrottleTip::Low},
      {5000, 0, "-->0%", TThrottleTip::None},  // no governor value
  };
  for (const auto& c : cases) {
    const TRequiredSpeedRow row = RequiredSpeedRow(c.required, c.max);
    EXPECT_EQ(row.Text, c.text) << c.required << "/" << c.max;
    EXPECT_EQ(row.Tip, c.tip) << c.required << "/" << c.max;
  }
}

}  // namespace
