#pragma once
// The governor page's read-outs: the rotor speeds at 100 %, 40 % and the
// throttle of the track bar, where the throttle read-out stands beside the
// bar, the warning for a throttle outside 60-90 %, and the throttle each
// required rotor speed needs. The page's handlers copy these texts and
// positions into its labels; the speeds come from GovernorValues.h.

#include <array>
#include <cstdint>
#include <string>

// Vertical positions of the throttle read-out for the throttle steps 42 (and
// below) to 98 (and above), in scene units.
extern const std::array<int32_t, 57> PercentLabelY;

// The index into PercentLabelY for a track-bar value: 0 below 43, 56 above
// 97, else the value less 42.
int PercentLabelIndex(double throttle);

// How the speed labels write their numbers: the pole handler (and the
// navigation list) in general format with decimals, the ratio handlers as
// whole numbers, truncated.
enum class TGovernorNumberFormat { General, Whole };

// lblHighRPM, lblLowRPM and lblRightRPM for a maximum rotor speed and a throttle.
struct TGovernorSpeedTexts {
  std::string High, Low, Right;
};
TGovernorSpeedTexts GovernorSpeedTexts(int32_t maxRpm, double throttle,
                                       TGovernorNumberFormat format);

// lblPercent and lblRightRPM for a track-bar value ("40%-->", "<-- 4654.4").
std::string ThrottlePercentText(double throttle);
std::string ThrottleSpeedText(int32_t maxRpm, double throttle);

// The warning beside a throttle: above 90 % the "ThHigh" text 20 units below
// the read-out, below 60 % the "ThLow" text 20 units above it, else no text
// and the label stays where it is.
enum class TThrottleTip { None, High, Low };
TThrottleTip ThrottleTipFor(double percent);
// The language key base of a tip ("ThHigh", "ThLow"; empty for none).
const char* ThrottleTipKey(TThrottleTip tip);
// Where the tip label goes for a read-out at readoutY; None keeps tipY.
float ThrottleTipY(TThrottleTip tip, float readoutY, float tipY);

// One required-speed row (lblRP1-3 and its tip).
struct TRequiredSpeedRow {
  std::string Text;  // "-->" + percentage with 3 significant digits + "%"
  TThrottleTip Tip = TThrottleTip::None;
};
// The throttle a required rotor speed needs: the speed rounded (halves to
// even) over the maximum, in percent. A maximum of 0 (no governor value)
// shows "-->0%" without a tip.
TRequiredSpeedRow RequiredSpeedRow(double requiredRpm, int32_t maxRpm);
