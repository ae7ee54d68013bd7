#include "app/Utils.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/rtl/SysUtils.h"

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

int HexToBytes(const std::string& Text, uint8_t* Buffer, size_t Capacity) {
  const size_t length = Text.size();
  if (length <= 1) return hexTooShortOrBadDigit;
  if (length % 2 != 0) return hexOddLength;
  if (length / 2 > Capacity || length / 2 > 0x7FFFFFFF) return hexNoRoom;
  for (size_t i = 0; i < length; i += 2) {
    const int high = HexDigitValue(Text[i]);
    const int low = HexDigitValue(Text[i + 1]);
    if (high < 0 || low < 0) return hexTooShortOrBadDigit;
    Buffer[i / 2] = static_cast<uint8_t>(high * 16 + low);
  }
  return static_cast<int>(length / 2);
}

int HexToBytes(const std::string& Text, std::vector<uint8_t>& Bytes) {
  Bytes.assign(Text.size() / 2, 0);
  const int result = HexToBytes(Text, Bytes.data(), Bytes.size());
  if (result >= 0) return result;
  // Keep the bytes written before a bad digit, as the buffer form does.
  size_t written = 0;
  if (result == hexTooShortOrBadDigit)
    while (written < Bytes.size() && HexDigitValue(Text[2 * written]) >= 0 &&
           HexDigitValue(Text[2 * written + 1]) >= 0)
      ++written;
  Bytes.resize(written);
  return result;
}

std::string BytesToHex(const uint8_t* Bytes, size_t Count) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(2 * Count);
  for (size_t i = 0; i < Count; ++i) {
    text += digits[Bytes[i] >> 4];
    text += digits[Bytes[i] & 0x0F];
  }
  return text;
}

std::string ByteToBinaryText(uint8_t Value) {
  std::string text(8, '0');
  for (int k = 0; k < 8; ++k)
    if (Value & (1u << k)) text[k] = '1';
  return text;
}

namespace {

// Strict delimited-text parsing with one delimiter character and '"' as the
// quote character: a part that starts with a quote runs to the closing quote
// (a doubled quote stands for one); a delimiter at the very end adds an empty part.
std::vector<std::u16string> SplitStrict(char16_t delimiter, const std::u16string& text) {
  std::vector<std::u16string> parts;
  size_t p = 0;
  const size_t n = text.size();
  while (p < n) {
    std::u16string part;
    if (text[p] == u'"') {
      ++p;
      while (p < n) {
        if (text[p] == u'"') {
          if (p + 1 < n && text[p + 1] == u'"') {
            part += u'"';
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        part += text[p++];
      }
    } else {
      const size_t start = p;
      while (p < n && text[p] != delimiter) ++p;
      part = text.substr(start, p - start);
    }
    parts.push_back(std::move(part));
    if (p < n && text[p] == delimiter) {
      ++p;
      if (p == n) parts.emplace_back();
    }
  }
  return parts;
}

std::vector<std::u16string> SplitLong(const std::u16string& delimiter, const std::u16string& text,
                                      int count) {
  std::vector<std::u16string> parts;
  size_t start = 0;
  for (;;) {
    const size_t found = text.find(delimiter, start);
    const bool lastAllowed = count > 0 && parts.size() + 1 >= static_cast<size_t>(count);
    if (found == std::u16string::npos || lastAllowed) {
      parts.push_back(text.substr(start));
      break;
    }
    parts.push_back(text.substr(start, found - start));
    start = found + delimiter.size();
  }
  if (count > 0) {
    while (parts.size() < static_cast<size_t>(count)) parts.emplace_back();
  } else if (count == 0) {
    while (!parts.empty() && parts.back().empty()) parts.pop_back();
  }
  return parts;
}

// Largest bound of a value range, in hundredths, so that sums stay exact.
constexpr double MaxRangeHundredths = 1e15;

// A number of a value range, always with "." as the decimal separator, in
// whole hundredths (the precision the entries are compared at).
int64_t RangeHundredths(const std::u16string& wide) {
  const std::string text = UTF16ToUTF8(wide);
  size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  if (b < e && text[b] == '+') ++b;
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data() + b, text.data() + e, value);
  if (b == e || ec != std::errc() || end != text.data() + e || !std::isfinite(value))
    throw EConvertError("'" + text + "' is not a valid floating point value");
  if (std::fabs(value) * 100.0 > MaxRangeHundredths)
    throw EConvertError("'" + text + "' is too large for a value range");
  return static_cast<int64_t>(std::llround(value * 100.0));
}

// Hundredths as text with one decimal, the hundredth rounded half up ("0.75"
// gives "0.8"). Range values are never negative: "-" separates the bounds.
std::u16string OneDecimal(int64_t hundredths) {
  const int64_t tenths = (hundredths + 5) / 10;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%lld.%lld", static_cast<long long>(tenths / 10),
                static_cast<long long>(tenths % 10));
  return UTF8ToUTF16(buffer);
}

// Appends a plain value, or the entries of a range "start-end/step". The range
// is counted in whole hundredths, so the steps add up exactly and the end is
// reached ("5.0-8.4/0.1" ends with 8.4).
void ExpandRange(const std::u16string& text, std::vector<std::u16string>& entries) {
  const std::vector<std::u16string> slash = SplitString(u"/", text, 0);
  if (slash.empty()) return;
  const std::vector<std::u16string> bounds = SplitString(u"-", slash[0], 0);
  if (bounds.empty()) return;
  if (bounds.size() == 1) {
    entries.push_back(bounds[0]);
    return;
  }
  if (slash.size() < 2) throw EConvertError("Value range '" + UTF16ToUTF8(text) + "' has no step");
  const int64_t start = RangeHundredths(bounds[0]);
  const int64_t end = RangeHundredths(bounds[1]);
  const int64_t step = RangeHundredths(slash[1]);
  if (step <= 0)
    throw EConvertError("Value range '" + UTF16ToUTF8(text) + "' needs a step of at least 0.01");
  if (end < start) return;
  const uint64_t count = static_cast<uint64_t>((end - start) / step) + 1;
  if (count > MaxValueListEntries - entries.size())
    throw EConvertError("Value range '" + UTF16ToUTF8(text) + "' has too many entries");
  for (int64_t v = start; v <= end; v += step) entries.push_back(OneDecimal(v));
}

void TooManyEntries(const std::u16string& text) {
  const std::string start = UTF16ToUTF8(text.substr(0, 40));
  throw EConvertError("Value list '" + start + (text.size() > 40 ? "...'" : "'") +
                      " has more than " + std::to_string(MaxValueListEntries) + " entries");
}

}  // namespace

std::vector<std::u16string> SplitString(const std::u16string& Delimiter, const std::u16string& Text,
                                        int Count) {
  if (Delimiter.size() == 1) return SplitStrict(Delimiter[0], Text);
  if (Delimiter.empty()) return {Text};
  return SplitLong(Delimiter, Text, Count);
}

std::vector<std::u16string> ExpandValueList(const std::u16string& Text) {
  std::vector<std::u16string> entries;
  if (Text.empty()) return entries;
  if (Text.find(u'|') == std::u16string::npos) {
    ExpandRange(Text, entries);
    return entries;
  }
  for (const std::u16string& part : SplitString(u"|", Text, 0)) {
    if (entries.size() >= MaxValueListEntries) TooManyEntries(Text);
    if (part.find(u'-') != std::u16string::npos && part.find(u'/') != std::u16string::npos)
      ExpandRange(part, entries);
    else
      entries.push_back(part);
  }
  return entries;
}
