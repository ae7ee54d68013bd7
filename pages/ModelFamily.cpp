#include "pages/ModelFamily.h"

#include <glib.h>

#include <cstdint>

#include "link/CarHardware.h"

TModelFamily ModelFamilyOf(const std::string& Model, const std::string& Hardware) {
  if (Model == "AIRPLANE" || Model == "AIRPLANE_PID" || Model == "AIRPLANE_V2" ||
      Model == "AIRPLANE_PID_V2")
    return TModelFamily::Airplane;
  if (Model == "CAR_ESC" && IsLargeCarHardware(Hardware)) return TModelFamily::LargeCar;
  if (Model == "Ardent_HV_V4" || Model == "Ardent_V4" || Model == "Ardent_V4_FL")
    return TModelFamily::Ardent;
  return TModelFamily::General;
}

std::string ModelKeyOf(const std::string& Model) { return Model.substr(0, Model.find(' ')); }

bool IsAirplaneV2(const std::string& Model) {
  return Model == "AIRPLANE_V2" || Model == "AIRPLANE_PID_V2";
}

std::string SettingsNameText(const uint8_t* Bytes, int Count) {
  int length = 0;
  while (length < Count && Bytes[length] != 0) ++length;
  const std::string raw(reinterpret_cast<const char*>(Bytes), length);
  if (g_utf8_validate(raw.data(), static_cast<gssize>(raw.size()), nullptr)) return raw;
  gchar* converted = g_convert(raw.data(), static_cast<gssize>(raw.size()), "UTF-8", "WINDOWS-1252",
                               nullptr, nullptr, nullptr);
  std::string text;
  if (converted) {
    text = converted;
  } else {
    // Bytes Windows-1252 leaves unassigned: each byte as the character of its value.
    for (unsigned char c : raw) {
      gchar out[8];
      const int n = g_unichar_to_utf8(c, out);
      text.append(out, n);
    }
  }
  g_free(converted);
  return text;
}

std::string SettingsNameBytes(const std::string& Text, int Count) {
  if (static_cast<int>(Text.size()) <= Count) return Text;
  int cut = Count;
  // Step back over continuation bytes to the start of the cut character.
  while (cut > 0 && (static_cast<unsigned char>(Text[cut]) & 0xC0) == 0x80) --cut;
  return Text.substr(0, cut);
}
