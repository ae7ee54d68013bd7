#pragma once
// The governor values: the governor value K of the connected controller, the
// motor's pole count and the gear ratio give the highest motor and main rotor
// speeds. One routine for the navigation list, the governor page and the RPM
// chart window, so that all three show the same speeds.

#include <cstddef>
#include <cstdint>

// K used in demo mode, without a controller.
constexpr int32_t kDemoGovernorBase = 512;

// K: kDemoGovernorBase in demo mode, else the 16-bit value of device data
// bytes 19 (high) and 20 (low). Device data too short to hold both gives 0.
int32_t GovernorBase(bool demo, const uint8_t* deviceData, size_t size);

// The gear ratio: main gear teeth over pinion teeth when the ratio comes from
// the teeth, else the ratio entered directly. Single precision, as the
// window's member keeps it.
float GovernorRatio(bool byTeeth, double mainGearTeeth, double pinionTeeth, double directRatio);

// Motor speed at full throttle: (K div (poles div 2)) x 1000, K divided by the
// pole pairs first, in integers. Fewer than two poles (no pole pair) gives 0.
int32_t GovernorMotorMaxRpm(int32_t base, int32_t poles);

// Main rotor speed at full throttle: the motor speed over the ratio,
// truncated. A ratio that is not above 0 gives 0.
int32_t GovernorMaxRpm(int32_t base, int32_t poles, float ratio);

// What the governor page's controls hold.
struct TGovernorControls {
  double Poles = 8;            // nbPoles
  bool ByTeeth = false;        // rbDJC checked
  double PinionTeeth = 10;     // nbDJC
  double MainGearTeeth = 110;  // nbZC
  double DirectRatio = 10;     // nbCB
};

// The members FGovernorBase, FGovernorPoles, FGovernorRatio, FGovernorMaxRpm.
struct TGovernorValues {
  int32_t Base = 0;
  int32_t Poles = 0;
  float Ratio = 0;
  int32_t MaxRpm = 0;
};

// The governor values for K and the page's controls: poles truncated, the
// ratio as above, the maximum rotor speed.
TGovernorValues ComputeGovernorValues(int32_t base, const TGovernorControls& controls);
