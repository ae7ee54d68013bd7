#include "scene/zr_text_forms.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/rtl/SysUtils.h"

namespace {

std::u16string Widen(const std::string& S) { return std::u16string(S.begin(), S.end()); }

std::string Narrow(const std::u16string& S) {
  std::string Result;
  Result.reserve(S.size());
  for (char16_t C : S) Result.push_back(C < 0x80 ? static_cast<char>(C) : '?');
  return Result;
}

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// Optional sign, digits with an optional fraction (a digit on at least one
// side of the point), optional exponent with optional sign and digits.
bool IsDecimalNumber(const std::string& S) {
  size_t Pos = 0;
  if (Pos < S.size() && (S[Pos] == '+' || S[Pos] == '-')) ++Pos;
  size_t Digits = 0;
  while (Pos < S.size() && IsDigit(S[Pos])) ++Pos, ++Digits;
  if (Pos < S.size() && S[Pos] == '.') {
    ++Pos;
    while (Pos < S.size() && IsDigit(S[Pos])) ++Pos, ++Digits;
  }
  if (Digits == 0) return false;
  if (Pos < S.size() && (S[Pos] == 'e' || S[Pos] == 'E')) {
    ++Pos;
    if (Pos < S.size() && (S[Pos] == '+' || S[Pos] == '-')) ++Pos;
    size_t ExponentDigits = 0;
    while (Pos < S.size() && IsDigit(S[Pos])) ++Pos, ++ExponentDigits;
    if (ExponentDigits == 0) return false;
  }
  return Pos == S.size();
}

// The power of ten of the leading significant digit of an unsigned decimal
// number, to tell a value too large for a double from one too small.
long DecimalMagnitude(const std::string& Text) {
  size_t E = Text.find_first_of("eE");
  std::string Mantissa = Text.substr(0, E);
  long Exponent = 0;
  if (E != std::string::npos) {
    std::string Digits = Text.substr(E + 1);
    bool Negative = !Digits.empty() && Digits[0] == '-';
    if (!Digits.empty() && (Digits[0] == '-' || Digits[0] == '+')) Digits.erase(0, 1);
    auto [End, Error] = std::from_chars(Digits.data(), Digits.data() + Digits.size(), Exponent);
    if (Error != std::errc()) Exponent = std::numeric_limits<long>::max() / 2;
    if (Negative) Exponent = -Exponent;
  }
  size_t Point = Mantissa.find('.');
  if (Point == std::string::npos) Point = Mantissa.size();
  size_t First = Mantissa.find_first_of("123456789");
  if (First == std::string::npos) return std::numeric_limits<long>::min();
  long Position = First < Point ? long(Point - First) - 1 : -long(First - Point);
  return Position + Exponent;
}

[[noreturn]] void RaiseNotAFloat(const std::string& S) {
  throw EConvertError("'" + S + "' is not a valid floating point value");
}

// Trims characters up to and including the space at both ends.
std::string Trim(const std::string& S) {
  size_t First = 0;
  size_t Last = S.size();
  while (First < Last && static_cast<unsigned char>(S[First]) <= ' ') ++First;
  while (Last > First && static_cast<unsigned char>(S[Last - 1]) <= ' ') --Last;
  return S.substr(First, Last - First);
}

// Reads Count numbers of a "(a,b,...)" text into Values; false when one
// of them is unreadable.
bool ReadNumbers(std::string S, float* Values, int Count) {
  zrGetToken(S, ",()", "");
  try {
    for (int I = 0; I < Count; ++I) {
      Values[I] = zrStrToFloat(Widen(zrGetToken(S, ",()", "")));
    }
  } catch (const EConvertError&) {
    return false;
  }
  return true;
}

}  // namespace

std::u16string zrFloatToStr(float F) {
  if (std::isnan(F)) return u"NAN";
  if (std::isinf(F)) return F > 0 ? u"INF" : u"-INF";
  if (F == 0) return u"0";
  // Whole numbers print all their integer digits; others three decimals.
  int Decimals = std::trunc(F) == F ? 0 : 3;
  char Text[64];
  auto [End, Error] =
      std::to_chars(Text, Text + sizeof Text, double(F), std::chars_format::fixed, Decimals);
  if (Error != std::errc()) return u"0";
  return Widen(std::string(Text, End));
}

float zrStrToFloat(const std::u16string& S) {
  std::string Text = Narrow(S);
  if (!IsDecimalNumber(Text)) RaiseNotAFloat(Text);
  const char* First = Text.data();
  const char* Last = Text.data() + Text.size();
  bool Negative = *First == '-';
  if (*First == '+' || *First == '-') ++First;
  double Value = 0;
  auto [End, Error] = std::from_chars(First, Last, Value, std::chars_format::general);
  if (Error == std::errc::result_out_of_range) {
    // Too small a value reads as zero; too large a one has no float value.
    if (DecimalMagnitude(std::string(First, Last)) >= 0) RaiseNotAFloat(Text);
    Value = 0;
  } else if (Error != std::errc() || End != Last) {
    RaiseNotAFloat(Text);
  }
  if (std::fabs(Value) > std::numeric_limits<float>::max()) RaiseNotAFloat(Text);
  float Result = static_cast<float>(Value);
  return Negative ? -Result : Result;
}

std::string zrPointToString(const TzrPoint& P) {
  return "(" + Narrow(zrFloatToStr(P.X)) + "," + Narrow(zrFloatToStr(P.Y)) + ")";
}

std::string zrRectToString(const TzrRect& R) {
  return "(" + Narrow(zrFloatToStr(R.Left)) + "," + Narrow(zrFloatToStr(R.Top)) + "," +
         Narrow(zrFloatToStr(R.Right)) + "," + Narrow(zrFloatToStr(R.Bottom)) + ")";
}

TzrPoint zrStringToPoint(const std::string& S) {
  float V[2];
  if (!ReadNumbers(S, V, 2)) return {};
  return {V[0], V[1]};
}

TzrRect zrStringToRect(const std::string& S) {
  float V[4];
  if (!ReadNumbers(S, V, 4)) return {};
  return {V[0], V[1], V[2], V[3]};
}

std::string zrGetToken(std::string& S, const std::string& Separators, const std::string& Stop) {
  std::string Token;
  size_t Pos = 0;
  while (Pos < S.size()) {
    char C = S[Pos];
    if (Stop.find(C) != std::string::npos) break;
    ++Pos;
    if (Separators.find(C) != std::string::npos) break;
    Token.push_back(C);
  }
  S = Trim(S.substr(Pos));
  return Trim(Token);
}

std::u16string zrWideGetToken(int& Pos, const std::u16string& S, const std::u16string& Separators,
                              const std::u16string& Stop) {
  auto IsIn = [](const std::u16string& Set, char16_t C) {
    return Set.find(C) != std::u16string::npos;
  };
  // A position outside the text reads as its end.
  size_t I = Pos < 1 ? 0 : std::min(static_cast<size_t>(Pos - 1), S.size());
  while (I < S.size() && IsIn(Separators, S[I])) ++I;
  size_t Start = I;
  while (I < S.size() && !IsIn(Separators, S[I]) && !IsIn(Stop, S[I])) ++I;
  std::u16string Token = S.substr(Start, I - Start);
  while (I < S.size() && IsIn(Separators, S[I])) ++I;
  Pos = static_cast<int>(I) + 1;
  return Token;
}
