// The governor values shared by the navigation list, the governor page and
// the RPM chart window.

#include "app/GovernorValues.h"

#include <cmath>
#include <limits>

namespace {

// Integer part of a value, held within the range of a 32-bit integer (NaN gives 0).
int32_t TruncToInt32(long double value) {
  if (!(value == value)) return 0;
  constexpr long double lo = std::numeric_limits<int32_t>::min();
  constexpr long double hi = std::numeric_limits<int32_t>::max();
  if (value <= lo) return std::numeric_limits<int32_t>::min();
  if (value >= hi) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::trunc(value));
}

}  // namespace

int32_t GovernorBase(bool demo, const uint8_t* deviceData, size_t size) {
  if (demo) return kDemoGovernorBase;
  if (!deviceData || size <= 20) return 0;
  return (static_cast<int32_t>(deviceData[19]) << 8) + deviceData[20];
}

float GovernorRatio(bool byTeeth, double mainGearTeeth, double pinionTeeth, double directRatio) {
  if (!byTeeth) return static_cast<float>(directRatio);
  if (pinionTeeth == 0) return 0;
  return static_cast<float>(mainGearTeeth / pinionTeeth);
}

int32_t GovernorMotorMaxRpm(int32_t base, int32_t poles) {
  const int32_t pairs = poles / 2;
  if (pairs <= 0) return 0;
  return TruncToInt32(static_cast<int64_t>(base / pairs) * 1000);
}

int32_t GovernorMaxRpm(int32_t base, int32_t poles, float ratio) {
  if (!(ratio > 0)) return 0;
  return TruncToInt32(GovernorMotorMaxRpm(base, poles) / static_cast<long double>(ratio));
}

TGovernorValues ComputeGovernorValues(int32_t base, const TGovernorControls& controls) {
  TGovernorValues values;
  values.Base = base;
  values.Ratio = GovernorRatio(controls.ByTeeth, controls.MainGearTeeth, controls.PinionTeeth,
                               controls.DirectRatio);
  values.Poles = TruncToInt32(controls.Poles);
  values.MaxRpm = GovernorMaxRpm(base, values.Poles, values.Ratio);
  return values;
}
