// Text rules of PDF syntax: code pages, string escapes, names, numbers, dates.

#include <iconv.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <ctime>
#include <memory>

#include "files/PdfTypes.h"
#include "platform/rtl/NumberText.h"

namespace {

const char* CodePageName(TPdfEncoding AEncoding) {
  switch (AEncoding) {
    case TPdfEncoding::GBK:
      return "GBK";
    case TPdfEncoding::ShiftJIS:
      return "CP932";
    case TPdfEncoding::Win1252:
      break;
  }
  return "WINDOWS-1252";
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// One character (one or two UTF-16 units) in the code page, or "?".
std::string EncodeChar(iconv_t cd, const char16_t* units, size_t count) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char in[4];
  for (size_t i = 0; i < count; ++i) {
    in[2 * i] = static_cast<char>(units[i] & 0xFF);
    in[2 * i + 1] = static_cast<char>(units[i] >> 8);
  }
  char out[8];
  char* inPtr = in;
  char* outPtr = out;
  size_t inLeft = 2 * count, outLeft = sizeof(out);
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
    return "?";
  return std::string(out, outPtr);
}

class TIconv {
 public:
  explicit TIconv(TPdfEncoding AEncoding)
      : FHandle(iconv_open(CodePageName(AEncoding), "UTF-16LE")) {
    if (FHandle == reinterpret_cast<iconv_t>(-1))
      throw EPdfInvalidOperation(std::string("code page not available: ") +
                                 CodePageName(AEncoding));
  }
  ~TIconv() { iconv_close(FHandle); }
  TIconv(const TIconv&) = delete;
  TIconv& operator=(const TIconv&) = delete;
  iconv_t Handle() const { return FHandle; }

 private:
  iconv_t FHandle;
};

int ParseField(const std::string& AText, size_t Start, size_t Length) {
  int value = 0;
  for (size_t i = Start; i < Start + Length; ++i) {
    if (AText[i] < '0' || AText[i] > '9')
      throw EConvertError("'" + AText + "' is not a valid PDF date");
    value = value * 10 + (AText[i] - '0');
  }
  return value;
}

std::string TwoDigits(int Value) { return (Value < 10 ? "0" : "") + IntToStr(Value); }

}  // namespace

void WriteText(const std::string& ABytes, TStream& AStream) {
  if (!ABytes.empty()) AStream.WriteBuffer(ABytes.data(), static_cast<int32_t>(ABytes.size()));
}

std::string EncodeText(const std::u16string& AText, TPdfEncoding AEncoding) {
  TIconv cd(AEncoding);
  std::string result;
  result.reserve(AText.size());
  for (size_t i = 0; i < AText.size(); ++i) {
    char16_t c = AText[i];
    if (c < 0x80) {
      result += static_cast<char>(c);
    } else if (IsHighSurrogate(c) && i + 1 < AText.size() && IsLowSurrogate(AText[i + 1])) {
      result += EncodeChar(cd.Handle(), &AText[i], 2);
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      result += '?';
    } else {
      result += EncodeChar(cd.Handle(), &AText[i], 1);
    }
  }
  return result;
}

bool FitsCodePage(const std::u16string& AText, TPdfEncoding AEncoding) {
  std::unique_ptr<TIconv> cd;
  for (size_t i = 0; i < AText.size(); ++i) {
    const char16_t c = AText[i];
    if (c < 0x80) continue;
    if (!cd) cd = std::make_unique<TIconv>(AEncoding);
    const bool pair = IsHighSurrogate(c) && i + 1 < AText.size() && IsLowSurrogate(AText[i + 1]);
    if (!pair && (IsHighSurrogate(c) || IsLowSurrogate(c))) return false;
    if (EncodeChar(cd->Handle(), &AText[i], pair ? 2 : 1) == "?") return false;
    if (pair) ++i;
  }
  return true;
}

bool HasWideChars(const std::u16string& AText) {
  for (char16_t c : AText)
    if (c >= 0xD800 && c <= 0xDFFF) return true;
  return false;
}

std::string EscapeLiteral(const std::string& ABytes) {
  std::string result;
  result.reserve(ABytes.size());
  for (char c : ABytes) {
    switch (c) {
      case '(':
        result += "\\(";
        break;
      case ')':
        result += "\\)";
        break;
      case '\\':
        result += "\\\\";
        break;
      case '\r':
        result += "\\r";
        break;
      case '\n':
        result += "\\n";
        break;
      case '\t':
        result += "\\t";
        break;
      case '\b':
        result += "\\b";
        break;
      case '\f':
        result += "\\f";
        break;
      default:
        result += c;
    }
  }
  return result;
}

std::string LiteralString(const std::u16string& AText, TPdfEncoding AEncoding) {
  return "(" + EscapeLiteral(EncodeText(AText, AEncoding)) + ")";
}

std::string HexOfCodes(const std::u16string& AText) {
  std::string result;
  for (char16_t c : AText) result += IntToHex(static_cast<uint16_t>(c), 2);
  return result;
}

std::string HexOfUtf16(const std::u16string& AText) {
  std::string result;
  for (char16_t c : AText) result += IntToHex(static_cast<uint16_t>(c), 4);
  return result;
}

std::string EncodeName(const std::u16string& AName) {
  static const std::u16string delimiters = u"#%()/<>[]{}";
  std::string result;
  for (char16_t c : AName) {
    if (c < u'!' || c > u'~' || delimiters.find(c) != std::u16string::npos)
      result += "#" + IntToHex(static_cast<uint16_t>(c), 2);
    else
      result += static_cast<char>(c);
  }
  return result;
}

std::string FormatReal(double AValue) {
  const double hundredths = std::trunc(std::fabs(AValue) * 100 + 0.5);
  if (hundredths == 0) return "0";
  return FloatToStr(std::copysign(hundredths / 100, AValue));
}

TDateTime EncodePdfDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second) {
  using namespace std::chrono;
  const year_month_day date{year{Year}, month{static_cast<unsigned>(Month)},
                            day{static_cast<unsigned>(Day)}};
  if (!date.ok() || Hour > 23 || Minute > 59 || Second > 59)
    throw EConvertError("Invalid argument to date encode");
  const int days = (sys_days{date} - sys_days{year{1899} / December / 30}).count();
  return days + (Hour * 3600 + Minute * 60 + Second) / 86400.0;
}

std::string FormatPdfDate(TDateTime ADate) {
  using namespace std::chrono;
  int64_t seconds = std::llround(ADate * 86400.0);
  int64_t days = seconds / 86400;
  int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  const year_month_day date{sys_days{year{1899} / December / 30} + std::chrono::days{days}};
  return "D:" + IntToStr(static_cast<int>(date.year())) +
         TwoDigits(static_cast<unsigned>(date.month())) +
         TwoDigits(static_cast<unsigned>(date.day())) + TwoDigits(static_cast<int>(rest / 3600)) +
         TwoDigits(static_cast<int>(rest / 60 % 60)) + TwoDigits(static_cast<int>(rest % 60));
}

TDateTime ParsePdfDate(const std::string& AText) {
  if (AText.size() != 16) throw EConvertError("'" + AText + "' is not a valid PDF date");
  return EncodePdfDateTime(ParseField(AText, 2, 4), ParseField(AText, 6, 2),
                           ParseField(AText, 8, 2), ParseField(AText, 10, 2),
                           ParseField(AText, 12, 2), ParseField(AText, 14, 2));
}

TDateTime PdfNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return EncodePdfDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                           local.tm_min, std::min(local.tm_sec, 59));
}
