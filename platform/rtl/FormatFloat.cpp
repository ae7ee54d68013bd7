#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/rtl/NumberText.h"

bool TryStrToInt64(const std::string& text, int64_t& value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') base = 16, ++i;
  if (i >= text.size()) return false;
  uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit = -1;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    if (digit < 0) return false;
    if (magnitude > (std::numeric_limits<uint64_t>::max() - uint64_t(digit)) / uint64_t(base))
      return false;
    magnitude = magnitude * uint64_t(base) + uint64_t(digit);
  }
  const uint64_t limit = uint64_t(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
  // Hexadecimal may spell the whole 64-bit pattern.
  if (base == 16 && !negative) {
    value = int64_t(magnitude);
    return true;
  }
  if (magnitude > limit) return false;
  value = negative ? int64_t(0 - magnitude) : int64_t(magnitude);
  return true;
}

namespace {

struct TPicture {
  std::string Prefix, Suffix;
  int MinInteger = 0;
  int MinDecimals = 0, MaxDecimals = 0;
  bool Thousands = false;
};

// The sections of a format, split at ";" outside quotes.
std::string Section(const std::string& format, int index) {
  int current = 0;
  char quote = 0;
  std::string out;
  for (char c : format) {
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      ++current;
      continue;
    }
    if (current == index) out += c;
  }
  return out;
}

TPicture ParsePicture(const std::string& section) {
  TPicture p;
  bool inFraction = false, seenDigit = false;
  char quote = 0;
  std::string literal;
  for (char c : section) {
    if (quote != 0) {
      if (c == quote)
        quote = 0;
      else
        literal += c;
      continue;
    }
    if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '0' || c == '#') {
      if (!seenDigit) p.Prefix = literal, literal.clear();
      seenDigit = true;
      if (inFraction) {
        ++p.MaxDecimals;
        if (c == '0') p.MinDecimals = p.MaxDecimals;
      } else if (c == '0') {
        ++p.MinInteger;
      }
    } else if (c == '.' && !inFraction) {
      if (!seenDigit) p.Prefix = literal, literal.clear();
      seenDigit = true;
      inFraction = true;
    } else if (c == ',' && !inFraction) {
      p.Thousands = true;
    } else {
      literal += c;
    }
  }
  if (seenDigit)
    p.Suffix = literal;
  else
    p.Prefix = literal;
  return p;
}

std::string Grouped(const std::string& digits) {
  std::string out;
  const int n = int(digits.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ',';
    out += digits[size_t(i)];
  }
  return out;
}

}  // namespace

std::string FormatFloat(const std::string& format, long double value) {
  const bool negative = value < 0;
  const std::string negativeSection = Section(format, 1);
  const bool ownNegative = negative && !negativeSection.empty();
  TPicture p = ParsePicture(ownNegative ? negativeSection : Section(format, 0));
  const long double scale = std::pow(10.0L, p.MaxDecimals);
  long double rounded = std::fabs(value);
  if (std::isfinite(rounded * scale)) rounded = std::round(rounded * scale) / scale;
  // Fixed notation with "." whatever the locale; room for the largest long
  // double and every decimal the picture asks for.
  std::vector<char> buffer(size_t(std::numeric_limits<long double>::max_exponent10) + 8 +
                           size_t(p.MaxDecimals));
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded,
                                     std::chars_format::fixed, p.MaxDecimals);
  std::string text(buffer.data(), written.ptr);
  std::string integer = text, fraction;
  if (size_t dot = text.find('.'); dot != std::string::npos)
    integer = text.substr(0, dot), fraction = text.substr(dot + 1);
  while (int(fraction.size()) > p.MinDecimals && fraction.back() == '0') fraction.pop_back();
  if (integer == "0" && p.MinInteger == 0) integer.clear();
  if (int(integer.size()) < p.MinInteger)
    integer.insert(integer.begin(), size_t(p.MinInteger) - integer.size(), '0');
  if (p.Thousands) integer = Grouped(integer);
  std::string number = integer;
  if (!fraction.empty()) number += "." + fraction;
  const bool showSign = negative && !ownNegative && rounded != 0;
  std::string result;
  if (showSign) result += '-';
  result += p.Prefix;
  result += number;
  result += p.Suffix;
  return result;
}
