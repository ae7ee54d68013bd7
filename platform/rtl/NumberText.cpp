#include "platform/rtl/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace {

// A floating value as decimal digits: value = 0.Digits x 10^Exponent, no
// trailing zeros in Digits. Zero has no digits.
struct TDecimal {
  bool Negative = false;
  int Exponent = 0;
  std::string Digits;
};

constexpr int kMaxPrecision = 18;
constexpr int kAnyDecimals = 9999;
const char kCurrencySign[] = "\u00A4";  // the invariant currency sign

// Takes the value's 18 significant digits (exactly rounded), then rounds them
// half away from zero to at most `precision` significant digits and at most
// `decimals` digits after the decimal point.
TDecimal ToDecimal(long double value, int precision, int decimals) {
  TDecimal rec;
  rec.Negative = std::signbit(value);
  if (value == 0) return rec;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                 std::chars_format::scientific, kMaxPrecision - 1);
  const std::string_view text(buf, res.ptr - buf);
  const size_t e = text.find('e');
  std::string digits;
  for (size_t i = 0; i < e; ++i) {
    if (text[i] != '.') digits += text[i];
  }
  const char* expBegin = text.data() + e + 1;
  if (*expBegin == '+') ++expBegin;
  int exp10 = 0;
  std::from_chars(expBegin, text.data() + text.size(), exp10);
  rec.Exponent = exp10 + 1;

  const long long keep = std::min<long long>(precision, 1LL * rec.Exponent + decimals);
  if (keep < 0) return TDecimal{rec.Negative, 0, ""};
  const size_t kept = static_cast<size_t>(keep);
  const bool roundUp = kept < digits.size() && digits[kept] >= '5';
  digits.resize(std::min(kept, digits.size()));
  if (roundUp) {
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits.insert(digits.begin(), '1');
      ++rec.Exponent;
    }
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (digits.empty()) return TDecimal{rec.Negative, 0, ""};
  rec.Digits = std::move(digits);
  return rec;
}

std::string PadLeft(std::string text, int width, char fill) {
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), fill);
  return text;
}

std::string IntegerPart(const TDecimal& rec) {
  if (rec.Exponent <= 0) return "0";
  std::string part = rec.Digits.substr(0, rec.Exponent);
  part.resize(rec.Exponent, '0');
  return part;
}

// `count` digits after the decimal point.
std::string FractionPart(const TDecimal& rec, int count) {
  std::string part;
  for (int k = 0; k < count; ++k) {
    const int index = rec.Exponent + k;
    const bool inside = index >= 0 && index < static_cast<int>(rec.Digits.size());
    part += inside ? rec.Digits[index] : '0';
  }
  return part;
}

std::string GroupThousands(const std::string& integer) {
  std::string out;
  const int n = static_cast<int>(integer.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ',';
    out += integer[i];
  }
  return out;
}

std::string ExponentText(int exponent, bool plusSign, int minDigits) {
  std::string out = "E";
  if (exponent < 0)
    out += '-';
  else if (plusSign)
    out += '+';
  return out + PadLeft(std::to_string(std::abs(exponent)), minDigits, '0');
}

std::string FormatGeneral(long double value, int precision, int expDigits) {
  const TDecimal rec = ToDecimal(value, precision, kAnyDecimals);
  if (rec.Digits.empty()) return "0";
  std::string out = rec.Negative ? "-" : "";
  const int count = static_cast<int>(rec.Digits.size());
  if (rec.Exponent > precision || rec.Exponent < -3) {
    out += rec.Digits[0];
    if (count > 1) out += "." + rec.Digits.substr(1);
    return out + ExponentText(rec.Exponent - 1, false, expDigits);
  }
  out += IntegerPart(rec);
  if (count > rec.Exponent) out += "." + FractionPart(rec, count - rec.Exponent);
  return out;
}

std::string FormatExponent(long double value, int precision, int expDigits) {
  const TDecimal rec = ToDecimal(value, precision, kAnyDecimals);
  const bool zero = rec.Digits.empty();
  std::string digits = rec.Digits;
  digits.resize(precision, '0');
  std::string out = rec.Negative && !zero ? "-" : "";
  out += digits[0];
  if (precision > 1) out += "." + digits.substr(1);
  return out + ExponentText(zero ? 0 : rec.Exponent - 1, true, expDigits);
}

std::string FormatFixed(long double value, TFloatFormat format, int precision, int decimals) {
  const TDecimal rec = ToDecimal(value, precision, decimals);
  if (rec.Exponent > precision) return FormatGeneral(value, precision, 0);
  std::string text = IntegerPart(rec);
  if (format != TFloatFormat::ffFixed) text = GroupThousands(text);
  if (decimals > 0) text += "." + FractionPart(rec, decimals);
  const bool negative = rec.Negative && !rec.Digits.empty();
  if (format == TFloatFormat::ffCurrency) {
    text = kCurrencySign + text;
    return negative ? "(" + text + ")" : text;
  }
  return negative ? "-" + text : text;
}

[[noreturn]] void RaiseInvalidOp() { throw EInvalidOp("Invalid floating point operation"); }

int64_t ToInt64(long double integral) {
  constexpr long double kLimit = 9223372036854775808.0L;  // 2^63
  if (!(integral >= -kLimit && integral < kLimit)) RaiseInvalidOp();
  return static_cast<int64_t>(integral);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads digits of the given base from text[i]; false when there are none or
// the magnitude passes `limit`.
bool ReadMagnitude(const std::string& text, size_t& i, int base, uint64_t limit, uint64_t& out) {
  out = 0;
  const size_t start = i;
  for (; i < text.size(); ++i) {
    const int digit = base == 16 ? HexValue(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
    if (digit < 0) break;
    out = out * base + digit;
    if (out > limit) return false;
  }
  return i > start;
}

// Checks the float grammar and returns the number in the form from_chars reads
// ("." separator, no sign), or an empty text when the grammar does not hold.
std::string NormalizeFloat(const std::string& text, char separator, bool& negative,
                           bool& negativeExponent) {
  size_t i = 0, end = text.size();
  while (i < end && text[i] == ' ') ++i;
  while (end > i && text[end - 1] == ' ') --end;
  negative = false;
  negativeExponent = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string out;
  int digits = 0;
  for (; i < end && IsDigit(text[i]); ++i, ++digits) out += text[i];
  if (i < end && text[i] == separator) {
    out += '.';
    for (++i; i < end && IsDigit(text[i]); ++i, ++digits) out += text[i];
  }
  if (digits == 0) return "";
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    out += 'e';
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      if (negativeExponent) out += '-';
      ++i;
    }
    int expDigits = 0;
    for (; i < end && IsDigit(text[i]); ++i, ++expDigits) out += text[i];
    if (expDigits == 0) return "";
  }
  return i == end ? out : "";
}

}  // namespace

std::string IntToStrSigned(int64_t value) { return std::to_string(value); }

std::string IntToStrUnsigned(uint64_t value) { return std::to_string(value); }

std::string IntToHexBits(uint64_t value, int digits, int bits) {
  if (bits < 64) value &= (uint64_t{1} << bits) - 1;
  char buf[20];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, 16);
  std::string text(buf, res.ptr);
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'a' && c <= 'f' ? static_cast<char>(c - 32) : c; });
  return PadLeft(text, digits, '0');
}

std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  precision = std::clamp(precision, 1, kMaxPrecision);
  switch (format) {
    case TFloatFormat::ffGeneral:
      return FormatGeneral(value, precision, std::clamp(digits, 0, 4));
    case TFloatFormat::ffExponent:
      return FormatExponent(value, precision, std::clamp(digits, 0, 4));
    default:
      return FormatFixed(value, format, precision, std::clamp(digits, 0, kMaxPrecision));
  }
}

std::string FloatToStr(long double value) {
  return FloatToStrF(value, TFloatFormat::ffGeneral, 15, 0);
}

bool TryStrToInt(const std::string& text, int32_t& value) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  const uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 2147483648u : 2147483647u);
  uint64_t magnitude = 0;
  if (!ReadMagnitude(text, i, base, limit, magnitude) || i != text.size()) return false;
  // Hexadecimal is the 32-bit pattern; the sign then negates it.
  const uint32_t bits = static_cast<uint32_t>(magnitude);
  value = static_cast<int32_t>(negative ? 0u - bits : bits);
  return true;
}

int32_t StrToInt(const std::string& text) {
  int32_t value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError("'" + text + "' is not a valid integer value");
  return value;
}

int32_t StrToIntDef(const std::string& text, int32_t defaultValue) {
  int32_t value = 0;
  return TryStrToInt(text, value) ? value : defaultValue;
}

bool TryStrToFloat(const std::string& text, double& value, char decimalSeparator) {
  bool negative = false, negativeExponent = false;
  const std::string number = NormalizeFloat(text, decimalSeparator, negative, negativeExponent);
  if (number.empty()) return false;
  const char* first = number.data();
  const char* last = first + number.size();
  double result = 0;
  const auto res = std::from_chars(first, last, result);
  if (res.ec == std::errc::result_out_of_range) {
    // Too small for double becomes zero (or a denormal); too large is an error.
    long double wide = 0;
    const auto wideRes = std::from_chars(first, last, wide);
    if (wideRes.ec == std::errc::result_out_of_range) {
      if (!negativeExponent) return false;
      wide = 0;
    }
    if (std::fabs(wide) > std::numeric_limits<double>::max()) return false;
    result = static_cast<double>(wide);
  } else if (res.ec != std::errc() || res.ptr != last) {
    return false;
  }
  value = negative ? -result : result;
  return true;
}

double StrToFloat(const std::string& text, char decimalSeparator) {
  double value = 0;
  if (!TryStrToFloat(text, value, decimalSeparator)) {
    throw EConvertError("'" + text + "' is not a valid floating point value");
  }
  return value;
}

double StrToFloatDef(const std::string& text, double defaultValue, char decimalSeparator) {
  double value = 0;
  return TryStrToFloat(text, value, decimalSeparator) ? value : defaultValue;
}

int64_t Round(long double value) { return ToInt64(std::nearbyint(value)); }

int64_t Trunc(long double value) { return ToInt64(std::trunc(value)); }
