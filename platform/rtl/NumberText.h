#pragma once
// Numbers to text and back, the same whatever the locale of the process:
// "." is the decimal separator unless a caller names another one.

#include <concepts>
#include <cstdint>
#include <string>
#include <type_traits>

#include "platform/rtl/SysUtils.h"

// Invalid floating point operation (a value that does not fit the result).
class EInvalidOp : public Exception {
 public:
  using Exception::Exception;
};

std::string IntToStrSigned(int64_t value);
std::string IntToStrUnsigned(uint64_t value);
// Upper-case hexadecimal of the low `bits` bits of value, at least `digits` long.
std::string IntToHexBits(uint64_t value, int digits, int bits);

// Decimal text of any integer: IntToStr(-5) gives "-5".
template <std::integral T>
std::string IntToStr(T value) {
  if constexpr (std::is_signed_v<T>)
    return IntToStrSigned(value);
  else
    return IntToStrUnsigned(value);
}

// Upper-case hexadecimal, zero-padded to at least `digits`: IntToHex(255, 4)
// gives "00FF". A negative value shows as the two's complement of its type:
// IntToHex(-1, 2) gives "FFFFFFFF" for an int, "FF" for an int8_t.
template <std::integral T>
std::string IntToHex(T value, int digits) {
  return IntToHexBits(static_cast<uint64_t>(value), digits, 8 * sizeof(T));
}

enum class TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// The framework's float formats. precision: significant digits (1..18);
// digits: minimum exponent digits for ffGeneral/ffExponent (0..4), decimals for
// ffFixed/ffNumber/ffCurrency (0..18). Halves round away from zero at the last
// kept digit. ffNumber groups thousands with ","; ffCurrency also adds the
// invariant currency sign and shows negatives in parentheses.
std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits);

// General format with 15 significant digits: 0.1 + 0.2 gives "0.3", 1e20 gives
// "1E20", 1.5e-7 gives "1.5E-7".
std::string FloatToStr(long double value);

// Decimal integer, or hexadecimal after "$", "0x" or "x"; an optional sign
// comes first, leading blanks are skipped. Hexadecimal up to FFFFFFFF is the
// 32-bit pattern ("$FFFFFFFF" is -1). Anything else raises EConvertError.
int32_t StrToInt(const std::string& text);
int32_t StrToIntDef(const std::string& text, int32_t defaultValue);
bool TryStrToInt(const std::string& text, int32_t& value);

// Optional sign, digits with an optional fraction after decimalSeparator, an
// optional exponent ("e" or "E", optional sign); blanks before and after are
// allowed. Anything else, or a value beyond the range of double, raises
// EConvertError.
double StrToFloat(const std::string& text, char decimalSeparator = '.');
double StrToFloatDef(const std::string& text, double defaultValue, char decimalSeparator = '.');
bool TryStrToFloat(const std::string& text, double& value, char decimalSeparator = '.');

// Nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
// A value that does not fit raises EInvalidOp.
int64_t Round(long double value);
// Integer part, toward zero. A value that does not fit raises EInvalidOp.
int64_t Trunc(long double value);

// 64-bit decimal integer, or hexadecimal after "$"; an optional sign comes
// first. Anything else, or a value beyond 64 bits, answers false.
bool TryStrToInt64(const std::string& text, int64_t& value);

// A value by a picture format: "0" a digit always shown, "#" a digit shown
// when significant, "." the decimal point, "," anywhere in the integer part
// groups thousands with ",", other characters and quoted text kept as they
// stand; a second section after ";" is used for negative values. Halves
// round away from zero. FormatFloat(",0.##", 1234.5) gives "1,234.5".
std::string FormatFloat(const std::string& format, long double value);
