// The device's identity: the information block of command 7, the device data
// per model family and the settings layout.

#include <cstring>
#include <vector>

#include "app/frmInterface.h"
#include "link/CarHardware.h"
#include "link/DemoFirmware.h"

namespace {

constexpr uint8_t kInfoCommand = 7;
constexpr int kField = 16;

// The bytes up to the first zero (at most 16), without leading and trailing
// blanks and control characters.
std::string TextField(const uint8_t* bytes) {
  size_t length = 0;
  while (length < kField && bytes[length] != 0) ++length;
  size_t first = 0;
  while (first < length && bytes[first] <= 0x20) ++first;
  while (length > first && bytes[length - 1] <= 0x20) --length;
  return std::string(reinterpret_cast<const char*>(bytes + first), length - first);
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool HasAt(const std::string& text, size_t position, const std::string& part) {
  return text.size() >= position - 1 + part.size() &&
         text.compare(position - 1, part.size(), part) == 0;
}

bool IsArdentV4(const std::string& model) {
  return model == "Ardent_V4" || model == "Ardent_HV_V4" || model == "Ardent_V4_FL";
}

// An extra identifier holds blanks and the characters "-" to "z" only.
bool IsCleanExtraId(const uint8_t* bytes) {
  for (int i = 0; i < kField && bytes[i] != 0; ++i)
    if (bytes[i] != ' ' && (bytes[i] < 0x2D || bytes[i] > 0x7A)) return false;
  return true;
}

}  // namespace

void TfrmInterface::SetSettingsLayout() {
  struct TLayout {
    int32_t Settings, Length, Value, ModeInfo, Limit, Default;
  };
  TLayout layout{176, 64, 192, 0, 96, 32};
  if (FModel == "AIRPLANE" || FModel == "AIRPLANE_PID" || FModel == "AIRPLANE_V2" ||
      FModel == "AIRPLANE_PID_V2")
    layout = {0, 16, 7, 0, 0, 0};
  else if (FModel == "CAR_ESC" && IsLargeCarHardware(FHardware))
    layout = {48, 688, 64, 1376, 1424, 16};
  else if (IsArdentV4(FModel))
    layout = {48, 96, 64, 96, 144, 16};
  FSettingsOffset = layout.Settings;
  FSettingsLength = layout.Length;
  FValueOffset = layout.Value;
  FModeInfoOffset = layout.ModeInfo;
  FLimitOffset = layout.Limit;
  FDefaultOffset = layout.Default;
}

std::string TfrmInterface::ReadDeviceInfo(bool acceptAnyDevice) {
  std::vector<uint8_t> info(kBlockBufferSize, 0);
  if (!ReadBlock(kInfoCommand, info.data(), false)) return "Get Information Fail.";
  const std::string firmware = TextField(&info[0]);
  const std::string hardware = TextField(&info[16]);
  const std::string model = TextField(&info[32]);
  const uint8_t* extra = &info[48];
  const bool carEsc = model == "CAR_ESC";
  const std::string family = FamilyHardware(hardware);
  const bool velorin = StartsWith(family, "VELORIN_456");
  const bool vl46to48 =
      StartsWith(family, "VL46") || StartsWith(family, "VL47") || StartsWith(family, "VL48");
  if (carEsc && velorin) {
    std::memcpy(FDeviceData, extra, kField);
  } else if (model == "Ardent_V3" || model == "Ardent_HV_V3" ||
             (carEsc && vl46to48 && HasAt(family, 6, "SL")) ||
             (model == "BOAT_ESC" && StartsWith(family, "VL80") && HasAt(family, 6, "_YT"))) {
    std::memcpy(FDeviceData + kField, extra, kField);
  } else if (carEsc && IsLargeCarHardware(hardware)) {
    std::memcpy(FDeviceData, extra, kField);
    std::memcpy(FDeviceData + kField, &info[64], kField);
  } else if (IsArdentV4(model)) {
    std::memcpy(FDeviceData + kField, extra, kField);
  } else if (model == "VO_VAV_OVI_V5" || model.find("VL_DATALINK") != std::string::npos) {
    FDeviceExtraId = IsCleanExtraId(extra) ? TextField(extra) : firmware;
  }
  std::string result = "Error.";
  if (acceptAnyDevice || (FModel == model && FHardware == hardware)) {
    result.clear();
  } else {
    FConnected = false;
  }
  FinishDefinitionWorker();  // it may still read the identity being replaced
  FModel = model;
  FHardware = hardware;
  FFirmware = firmware;
  SetSettingsLayout();
  return result;
}
