// The item order, the identity section and the number format of the
// parameter text file. Numbers are written and read without the locale, so a
// file made under one locale reads back under any other.

#include "files/ParameterFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "app/Utils.h"
#include "app/frmInterface.h"
#include "platform/rtl/SysUtils.h"

namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::optional<int> ItemNumber(const std::string& piece) {
  const std::string text = Trimmed(piece);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::vector<int> ParameterFileItems(const VERSION& def) {
  std::vector<int> items;
  const int groups = std::min(def.tab, VERSION::MaxTabs);
  const int count = std::min(def.item, VERSION::MaxItems);
  for (int g = 0; g < groups; ++g) {
    for (const std::u16string& piece : SplitString(u",", UTF8ToUTF16(def.tabs[g].group), 0)) {
      const std::optional<int> n = ItemNumber(UTF16ToUTF8(piece));
      if (n && *n >= 0 && *n < count) items.push_back(*n);
    }
  }
  return items;
}

std::string ParameterFileSection(const TfrmInterface& form) {
  return form.FModel + " " + form.FHardware + " " + form.FFirmware;
}

std::string FormatParameterValue(double value) {
  if (!std::isfinite(value)) value = 0;
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
  if (error != std::errc()) return "0.0";
  std::string text(buffer, end);
  return text == "-0.0" ? "0.0" : text;
}

std::optional<double> ParseParameterValue(const std::string& text) {
  std::string number = Trimmed(text);
  std::replace(number.begin(), number.end(), ',', '.');
  if (!number.empty() && number.front() == '+') number.erase(0, 1);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (number.empty() || error != std::errc() || end != number.data() + number.size() ||
      !std::isfinite(value))
    return std::nullopt;
  return value;
}
