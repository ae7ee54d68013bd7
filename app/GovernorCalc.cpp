// The governor page's read-outs.

#include "app/GovernorCalc.h"

#include <cmath>

#include "platform/rtl/NumberText.h"

// Steps of 6, 6 and 8 from 424 up to 52.
const std::array<int32_t, 57> PercentLabelY = {
    424, 418, 412, 404, 398, 392, 384, 378, 372, 364, 358, 352, 344, 338, 332, 324, 318, 312, 304,
    298, 292, 284, 278, 272, 264, 258, 252, 244, 238, 232, 224, 218, 212, 204, 198, 192, 184, 178,
    172, 164, 158, 152, 144, 138, 132, 124, 118, 112, 104, 98,  92,  84,  78,  72,  64,  58,  52};

int PercentLabelIndex(double throttle) {
  if (throttle < 43) return 0;
  if (throttle > 97) return 56;
  return static_cast<int>(std::trunc(throttle - 42));
}

namespace {

std::string SpeedText(long double rpm, TGovernorNumberFormat format) {
  if (format == TGovernorNumberFormat::Whole) return IntToStr(Trunc(rpm));
  return FloatToStr(rpm);
}

}  // namespace

TGovernorSpeedTexts GovernorSpeedTexts(int32_t maxRpm, double throttle,
                                       TGovernorNumberFormat format) {
  const long double max = maxRpm;
  return {SpeedText(max, format), SpeedText(max * 0.4L, format),
          "<-- " + SpeedText(max * throttle / 100, format)};
}

std::string ThrottlePercentText(double throttle) { return FloatToStr(throttle) + "%-->"; }

std::string ThrottleSpeedText(int32_t maxRpm, double throttle) {
  return "<-- " + FloatToStr(maxRpm * (static_cast<long double>(throttle) / 100));
}

TThrottleTip ThrottleTipFor(double percent) {
  if (percent > 90) return TThrottleTip::High;
  if (percent < 60) return TThrottleTip::Low;
  return TThrottleTip::None;
}

const char* ThrottleTipKey(TThrottleTip tip) {
  switch (tip) {
    case TThrottleTip::High:
      return "ThHigh";
    case TThrottleTip::Low:
      return "ThLow";
    default:
      return "";
  }
}

float ThrottleTipY(TThrottleTip tip, float readoutY, float tipY) {
  switch (tip) {
    case TThrottleTip::High:
      return readoutY + 20;
    case TThrottleTip::Low:
      return readoutY - 20;
    default:
      return tipY;
  }
}

TRequiredSpeedRow RequiredSpeedRow(double requiredRpm, int32_t maxRpm) {
  if (maxRpm == 0) return {"-->0%", TThrottleTip::None};
  const long double percent = Round(requiredRpm) / static_cast<long double>(maxRpm) * 100;
  return {"-->" + FloatToStrF(percent, TFloatFormat::ffGeneral, 3, 0) + "%",
          ThrottleTipFor(static_cast<double>(percent))};
}
