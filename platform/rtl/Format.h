#pragma once
// Format: text from a pattern and a list of arguments, by the framework's rules.
//
//   Format("%d: %s", {42, "x"})  ->  "42: x"
//
// A placeholder is  "%" [index ":"] ["-"] [width] ["." precision] type
//   index      digits or "*": the argument this and the next placeholders start from
//   "-"        left justify within the width
//   width      digits or "*" (taken from the next argument, an integer); a leading
//              "0" pads d, u and x with zeros instead of blanks
//   precision  digits or "*": minimum digits for d/u/x, maximum characters for s,
//              significant digits for e/g, decimals for f/n/m
//   type       d u x (integers), e f g n m (floating point), s (text, character),
//              p (pointer), and "%%" for a percent sign; letters in either case
//
// Numbers always use "." as decimal separator and "," as thousand separator
// (%n, %m), whatever the locale of the process. Floating values round half away
// from zero at the requested digit, as the framework does.
// A placeholder without a matching argument, or whose argument has the wrong
// type, raises EConvertError "Format '<pattern>' invalid or incompatible with
// argument"; nothing beyond the given arguments is ever read.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// One argument of Format: an integer, a floating value, a text, a character or
// a pointer. Texts are copied, so temporaries are safe.
class TVarRec {
 public:
  enum class TKind { Integer, Unsigned, Float, Text, Char, Pointer };

  TVarRec(signed char v) : FKind(TKind::Integer), FInt(v), FBits(32) {}
  TVarRec(short v) : FKind(TKind::Integer), FInt(v), FBits(32) {}
  TVarRec(int v) : FKind(TKind::Integer), FInt(v), FBits(32) {}
  TVarRec(long v) : FKind(TKind::Integer), FInt(v), FBits(8 * sizeof(long)) {}
  TVarRec(long long v) : FKind(TKind::Integer), FInt(v), FBits(64) {}
  TVarRec(unsigned char v) : FKind(TKind::Unsigned), FUInt(v), FBits(32) {}
  TVarRec(unsigned short v) : FKind(TKind::Unsigned), FUInt(v), FBits(32) {}
  TVarRec(unsigned v) : FKind(TKind::Unsigned), FUInt(v), FBits(32) {}
  TVarRec(unsigned long v) : FKind(TKind::Unsigned), FUInt(v), FBits(8 * sizeof(long)) {}
  TVarRec(unsigned long long v) : FKind(TKind::Unsigned), FUInt(v), FBits(64) {}
  TVarRec(float v) : FKind(TKind::Float), FFloat(v) {}
  TVarRec(double v) : FKind(TKind::Float), FFloat(v) {}
  TVarRec(long double v) : FKind(TKind::Float), FFloat(v) {}
  TVarRec(char v) : FKind(TKind::Char), FText(1, v) {}
  TVarRec(char16_t v);
  TVarRec(const char* v) : FKind(TKind::Text), FText(v ? v : "") {}
  TVarRec(std::string_view v) : FKind(TKind::Text), FText(v) {}
  TVarRec(const std::string& v) : FKind(TKind::Text), FText(v) {}
  TVarRec(const char16_t* v);
  TVarRec(const std::u16string& v);
  TVarRec(const void* v) : FKind(TKind::Pointer), FPointer(v) {}
  TVarRec(std::nullptr_t) : FKind(TKind::Pointer), FPointer(nullptr) {}
  // A Boolean is no argument of Format; say "%d" with an int or "%s" with a text.
  TVarRec(bool) = delete;

  TKind Kind() const { return FKind; }
  bool IsInteger() const { return FKind == TKind::Integer || FKind == TKind::Unsigned; }
  int64_t AsInt64() const { return FKind == TKind::Integer ? FInt : static_cast<int64_t>(FUInt); }
  uint64_t AsUInt64() const {
    return FKind == TKind::Integer ? static_cast<uint64_t>(FInt) : FUInt;
  }
  // Width of the argument's type as the framework sees it: 32 for int and
  // smaller, 64 for 64-bit types. Negative values show in that many bits by %u/%x.
  int Bits() const { return FBits; }
  long double AsFloat() const { return FFloat; }
  const std::string& AsText() const { return FText; }  // UTF-8
  const void* AsPointer() const { return FPointer; }

 private:
  TKind FKind;
  int64_t FInt = 0;
  uint64_t FUInt = 0;
  int FBits = 64;
  long double FFloat = 0;
  std::string FText;
  const void* FPointer = nullptr;
};

// UTF-8 pattern and texts; widths and precisions count characters (code points).
std::string Format(const std::string& format, std::initializer_list<TVarRec> args);
// Wide pattern and result; widths and precisions count UTF-16 units.
std::u16string Format(const std::u16string& format, std::initializer_list<TVarRec> args);
