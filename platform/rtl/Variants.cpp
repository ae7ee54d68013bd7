#include "platform/rtl/Variants.h"

#include <strings.h>

#include <charconv>
#include <cmath>

#include "platform/rtl/SysUtils.h"

Variant Variant::Null() {
  Variant v;
  v.FValue = NullTag{};
  return v;
}

Variant Variant::Date(double Days) {
  Variant v;
  v.FValue = DateTag{Days};
  return v;
}

TVarType Variant::VarType() const {
  static const TVarType types[] = {varEmpty,  varNull, varBoolean, varInt64,
                                   varDouble, varDate, varString,  varUString};
  return types[FValue.index()];
}

static std::string NumberText(double V) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, V);
  return std::string(buf, r.ptr);
}

std::string Variant::ToString() const {
  switch (VarType()) {
    case varEmpty:
    case varNull:
      return "";
    case varBoolean:
      return std::get<bool>(FValue) ? "True" : "False";
    case varInt64:
      return std::to_string(std::get<int64_t>(FValue));
    case varDouble:
      return NumberText(std::get<double>(FValue));
    case varDate:
      return NumberText(std::get<DateTag>(FValue).Days);
    case varString:
      return std::get<std::string>(FValue);
    case varUString:
      return UTF16ToUTF8(std::get<std::u16string>(FValue));
  }
  return "";
}

std::u16string Variant::ToWideString() const {
  if (VarType() == varUString) return std::get<std::u16string>(FValue);
  return UTF8ToUTF16(ToString());
}

static double TextToDouble(const std::string& text) {
  double v = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin < end && *begin == ' ') ++begin;
  if (begin < end && *begin == '+') ++begin;
  auto r = std::from_chars(begin, end, v);
  if (r.ec != std::errc() || r.ptr != end || begin == end)
    throw EConvertError("'" + text + "' is not a valid number");
  return v;
}

double Variant::ToDouble() const {
  switch (VarType()) {
    case varEmpty:
    case varNull:
      return 0;
    case varBoolean:
      return std::get<bool>(FValue) ? -1 : 0;
    case varInt64:
      return double(std::get<int64_t>(FValue));
    case varDouble:
      return std::get<double>(FValue);
    case varDate:
      return std::get<DateTag>(FValue).Days;
    default:
      return TextToDouble(ToString());
  }
}

int64_t Variant::ToInt64() const {
  if (VarType() == varInt64) return std::get<int64_t>(FValue);
  if (VarType() == varBoolean) return std::get<bool>(FValue) ? -1 : 0;
  const double d = ToDouble();
  if (!std::isfinite(d) || d < -9.2e18 || d > 9.2e18)
    throw EConvertError("Value out of the integer range");
  return int64_t(std::nearbyint(d));
}

bool Variant::ToBool() const {
  if (VarType() == varBoolean) return std::get<bool>(FValue);
  if (IsText()) {
    const std::string s = ToString();
    if (strcasecmp(s.c_str(), "true") == 0) return true;
    if (strcasecmp(s.c_str(), "false") == 0) return false;
  }
  return ToDouble() != 0;
}
