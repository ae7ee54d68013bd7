#pragma once
// A value of one of a few scalar types, converted between them on request:
// the currency of data bindings and of property access by name.

#include <cstdint>
#include <string>
#include <variant>

enum TVarType {
  varEmpty,
  varNull,
  varBoolean,
  varInt64,
  varDouble,
  varDate,     // days since 1899-12-30, as a double
  varString,   // UTF-8
  varUString,  // UTF-16
};

class Variant {
 public:
  Variant() = default;
  Variant(bool V) : FValue(V) {}
  Variant(int V) : FValue(int64_t(V)) {}
  Variant(int64_t V) : FValue(V) {}
  Variant(uint32_t V) : FValue(int64_t(V)) {}
  Variant(double V) : FValue(V) {}
  Variant(const char* V) : FValue(std::string(V)) {}
  Variant(std::string V) : FValue(std::move(V)) {}
  Variant(std::u16string V) : FValue(std::move(V)) {}
  Variant(const char16_t* V) : FValue(std::u16string(V)) {}
  // Any other pointer would silently become a Boolean.
  Variant(const void*) = delete;
  static Variant Null();
  static Variant Date(double Days);

  TVarType VarType() const;
  bool IsEmpty() const { return VarType() == varEmpty; }
  bool IsNull() const { return VarType() == varNull; }
  bool IsText() const { return VarType() == varString || VarType() == varUString; }

  // Conversions; text that is no number raises EConvertError. Numbers use
  // "." whatever the locale; Booleans read as "True"/"False" (any case).
  std::string ToString() const;
  std::u16string ToWideString() const;
  int64_t ToInt64() const;
  double ToDouble() const;
  bool ToBool() const;

  bool operator==(const Variant& Other) const { return FValue == Other.FValue; }

 private:
  struct NullTag {
    bool operator==(const NullTag&) const = default;
  };
  struct DateTag {
    double Days;
    bool operator==(const DateTag&) const = default;
  };
  std::variant<std::monostate, NullTag, bool, int64_t, double, DateTag, std::string, std::u16string>
      FValue;
};
