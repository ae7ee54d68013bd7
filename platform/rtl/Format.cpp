#include "platform/rtl/Format.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/rtl/NumberText.h"
#include "platform/rtl/SysUtils.h"

TVarRec::TVarRec(char16_t v) : FKind(TKind::Char), FText(UTF16ToUTF8(std::u16string(1, v))) {}
TVarRec::TVarRec(const char16_t* v)
    : FKind(TKind::Text), FText(v ? UTF16ToUTF8(std::u16string(v)) : std::string()) {}
TVarRec::TVarRec(const std::u16string& v) : FKind(TKind::Text), FText(UTF16ToUTF8(v)) {}

namespace {

// How widths and precisions count the characters of a UTF-8 text.
enum class TCount { CodePoints, Utf16Units };

// Units of the UTF-8 sequence that starts with `lead` (0 for a continuation byte).
int UnitsOf(unsigned char lead, TCount count) {
  if ((lead & 0xC0) == 0x80) return 0;
  return count == TCount::Utf16Units && lead >= 0xF0 ? 2 : 1;
}

int CountUnits(const std::string& text, TCount count) {
  int units = 0;
  for (const unsigned char c : text) units += UnitsOf(c, count);
  return units;
}

// The longest prefix of at most `units` characters, never splitting one.
std::string TruncateUnits(const std::string& text, int units, TCount count) {
  int used = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const int n = UnitsOf(static_cast<unsigned char>(text[i]), count);
    if (n > 0 && used + n > units) return text.substr(0, i);
    used += n;
  }
  return text;
}

struct TConversion {
  bool LeftJustify = false;
  bool ZeroPad = false;
  int Width = -1;
  int Precision = -1;
  char Type = 0;  // upper case
};

class TFormatter {
 public:
  TFormatter(const std::string& format, std::initializer_list<TVarRec> args, TCount count)
      : FFormat(format), FArgs(args.begin()), FArgCount(args.size()), FCount(count) {}

  std::string Run() {
    std::string out;
    while (FPos < FFormat.size()) {
      const char c = FFormat[FPos++];
      if (c != '%') {
        out += c;
      } else if (Peek() == '%') {
        ++FPos;
        out += '%';
      } else {
        out += Placeholder();
      }
    }
    return out;
  }

 private:
  [[noreturn]] void Fail() const {
    throw EConvertError("Format '" + FFormat + "' invalid or incompatible with argument");
  }

  char Peek() const { return FPos < FFormat.size() ? FFormat[FPos] : '\0'; }

  const TVarRec& NextArg() {
    if (FArgIndex >= FArgCount) Fail();
    return FArgs[FArgIndex++];
  }

  // Widths and precisions, from digits or from "*", stop at this many characters,
  // so a pattern or argument cannot ask for gigabytes of padding.
  static constexpr int64_t kMaxWidth = 1000000;

  // An integer argument for "*", limited to +-kMaxWidth (a 64-bit value is not cut
  // to 32 bits first).
  int IntegerArg() {
    const TVarRec& arg = NextArg();
    if (!arg.IsInteger()) Fail();
    if (arg.Kind() == TVarRec::TKind::Unsigned)
      return static_cast<int>(std::min<uint64_t>(arg.AsUInt64(), kMaxWidth));
    return static_cast<int>(std::clamp<int64_t>(arg.AsInt64(), -kMaxWidth, kMaxWidth));
  }

  // Digits or "*" (taking an integer argument); false when neither is there.
  bool Number(int& value) {
    if (Peek() == '*') {
      ++FPos;
      value = IntegerArg();
      return true;
    }
    if (Peek() < '0' || Peek() > '9') return false;
    long number = 0;
    while (Peek() >= '0' && Peek() <= '9') {
      number = std::min<long>(number * 10 + (FFormat[FPos++] - '0'), kMaxWidth);
    }
    value = static_cast<int>(number);
    return true;
  }

  // "-", then the width (a leading "0" asks for zero padding).
  void ParseWidth(TConversion& conv) {
    if (Peek() == '-') {
      conv.LeftJustify = true;
      ++FPos;
    }
    conv.ZeroPad = Peek() == '0';
    int width = 0;
    if (Number(width)) SetWidth(conv, width);
  }

  // A negative width from "*" left-justifies.
  static void SetWidth(TConversion& conv, int width) {
    conv.LeftJustify = conv.LeftJustify || width < 0;
    conv.Width = width < 0 ? -width : width;
  }

  // [index ":"] ["-"] [width] ["." precision] type
  TConversion ParseSpec() {
    TConversion conv;
    conv.ZeroPad = Peek() == '0';
    int first = 0;
    if (!Number(first)) {
      ParseWidth(conv);
    } else if (Peek() == ':') {
      ++FPos;
      if (first < 0) Fail();
      FArgIndex = static_cast<size_t>(first);
      ParseWidth(conv);
    } else {
      SetWidth(conv, first);  // no index: the number was the width
    }
    if (Peek() == '.') {
      ++FPos;
      int precision = 0;
      Number(precision);
      conv.Precision = std::max(precision, 0);
    }
    const char type = Peek();
    if (type == '\0') Fail();
    ++FPos;
    conv.Type = (type >= 'a' && type <= 'z') ? static_cast<char>(type - 32) : type;
    return conv;
  }

  std::string Placeholder() {
    const TConversion conv = ParseSpec();
    const TVarRec& arg = NextArg();
    switch (conv.Type) {
      case 'D':
      case 'U':
      case 'X':
        return Justify(IntegerText(conv, arg), conv, true);
      case 'E':
      case 'F':
      case 'G':
      case 'N':
      case 'M': {
        const std::string text = FloatText(conv, arg);
        return Justify(text, conv, conv.Type != 'M' && std::isfinite(arg.AsFloat()));
      }
      case 'S':
        return Justify(StringText(conv, arg), conv, false);
      case 'P':
        if (arg.Kind() != TVarRec::TKind::Pointer) Fail();
        return Justify(
            IntToHexBits(reinterpret_cast<uintptr_t>(arg.AsPointer()), 2 * sizeof(void*), 64), conv,
            false);
      default:
        Fail();
    }
  }

  std::string IntegerText(const TConversion& conv, const TVarRec& arg) {
    if (!arg.IsInteger()) Fail();
    const bool isSigned = arg.Kind() == TVarRec::TKind::Integer;
    const uint64_t mask = arg.Bits() >= 64 ? ~uint64_t{0} : (uint64_t{1} << arg.Bits()) - 1;
    std::string digits;
    bool negative = false;
    if (conv.Type == 'D' && isSigned) {
      const int64_t v = arg.AsInt64();
      negative = v < 0;
      digits = IntToStrUnsigned(negative ? 0 - static_cast<uint64_t>(v) : v);
    } else if (conv.Type == 'X') {
      digits = IntToHexBits(arg.AsUInt64() & mask, 0, 64);
    } else {
      digits = IntToStrUnsigned(isSigned ? arg.AsUInt64() & mask : arg.AsUInt64());
    }
    if (conv.Precision > static_cast<int>(digits.size())) {
      digits.insert(0, conv.Precision - digits.size(), '0');
    }
    return negative ? "-" + digits : digits;
  }

  std::string FloatText(const TConversion& conv, const TVarRec& arg) {
    if (arg.Kind() != TVarRec::TKind::Float) Fail();
    const long double v = arg.AsFloat();
    const int p = conv.Precision;
    switch (conv.Type) {
      case 'E':
        return FloatToStrF(v, TFloatFormat::ffExponent, p < 0 ? 15 : p, 3);
      case 'G':
        return FloatToStrF(v, TFloatFormat::ffGeneral, p < 0 ? 15 : p, 3);
      case 'F':
        return FloatToStrF(v, TFloatFormat::ffFixed, 18, p < 0 ? 2 : p);
      case 'N':
        return FloatToStrF(v, TFloatFormat::ffNumber, 18, p < 0 ? 2 : p);
      default:
        return FloatToStrF(v, TFloatFormat::ffCurrency, 18, p < 0 ? 2 : p);
    }
  }

  std::string StringText(const TConversion& conv, const TVarRec& arg) {
    const auto kind = arg.Kind();
    if (kind != TVarRec::TKind::Text && kind != TVarRec::TKind::Char) Fail();
    if (conv.Precision < 0) return arg.AsText();
    return TruncateUnits(arg.AsText(), conv.Precision, FCount);
  }

  // Pads to the width: blanks on the left, on the right when left-justified,
  // or zeros after the sign of a number when the width began with "0".
  std::string Justify(std::string text, const TConversion& conv, bool numeric) const {
    const int missing = conv.Width - CountUnits(text, FCount);
    if (missing <= 0) return text;
    if (conv.LeftJustify) return text + std::string(missing, ' ');
    if (conv.ZeroPad && numeric) {
      const size_t at = (text[0] == '-') ? 1 : 0;
      return text.insert(at, missing, '0');
    }
    return std::string(missing, ' ') + text;
  }

  const std::string& FFormat;
  const TVarRec* FArgs;
  size_t FArgCount;
  TCount FCount;
  size_t FPos = 0;
  size_t FArgIndex = 0;
};

}  // namespace

std::string Format(const std::string& format, std::initializer_list<TVarRec> args) {
  return TFormatter(format, args, TCount::CodePoints).Run();
}

std::u16string Format(const std::u16string& format, std::initializer_list<TVarRec> args) {
  return UTF8ToUTF16(TFormatter(UTF16ToUTF8(format), args, TCount::Utf16Units).Run());
}
