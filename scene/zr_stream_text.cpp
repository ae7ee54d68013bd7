#include "scene/zr_stream_text.h"

#include <strings.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"

namespace {

bool SameText(const std::string& A, const char* B) { return strcasecmp(A.c_str(), B) == 0; }

// Identifiers of the text form: ASCII letters, "_" and every byte of a UTF-8
// sequence start one; digits and "." may follow. Names such as "Rööt" are
// therefore written and read as raw UTF-8.
bool IsIdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || uint8_t(c) >= 0x80;
}
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9') || c == '.'; }

bool IsIdentText(const std::string& S) {
  if (S.empty() || !IsIdentStart(S[0])) return false;
  for (char c : S)
    if (!IsIdentChar(c)) return false;
  return true;
}

// Words that open or close a record in the text form: a property of that name
// would not read back as a property.
bool IsRecordKeyword(const std::string& S) {
  return SameText(S, "end") || SameText(S, "object") || SameText(S, "inherited") ||
         SameText(S, "inline");
}

// ================================================================ binary to text

class TBinToText {
 public:
  TBinToText(TStream* Input, TStream* Output) : FReader(Input), FOutput(Output) {}

  void Run() {
    FReader.ReadSignature();
    ConvertObject(0);
    NewLine(0);
    Flush();
  }

 private:
  void Put(const std::string& S) { FText += S; }
  void NewLine(int Indent) {
    FText += "\r\n";
    FText.append(size_t(Indent), ' ');
    if (FText.size() > 8192) Flush();
  }
  // The text converter reads back only identifiers: a name, class, property
  // or identifier value it could not read is refused here, so that the text
  // written always converts back.
  std::string Ident(const std::string& S, const char* What) {
    if (!IsIdentText(S))
      throw EObjectStreamError(std::string("Invalid stream format: ") + What + " '" + S +
                               "' cannot be written as text");
    return S;
  }
  // InItem: a property of a collection item, which only "end" closes.
  std::string PropName(const std::string& S, bool InItem = false) {
    if (InItem ? SameText(S, "end") : IsRecordKeyword(S))
      throw EObjectStreamError("Invalid stream format: property '" + S +
                               "' cannot be written as text");
    return Ident(S, "property");
  }

  void Flush() {
    if (FText.empty()) return;
    FOutput->WriteBuffer(FText.data(), int32_t(FText.size()));
    FText.clear();
  }

  void ConvertObject(int Indent) {
    FReader.EnterNesting();
    int flags, position;
    FReader.ReadPrefix(flags, position);
    const std::string cls = FReader.ReadStr();
    const std::string name = FReader.ReadStr();
    Put((flags & 1) ? "inherited " : (flags & 4) ? "inline " : "object ");
    Ident(cls, "class name");
    if (cls.size() >= 0xF0)  // its length byte would read as a prefix
      throw EObjectStreamError("Invalid stream format: class name too long for the text form");
    Put(name.empty() ? cls : Ident(name, "name") + ": " + cls);
    if (flags & 2) Put(" [" + std::to_string(position) + "]");
    while (!FReader.EndOfList()) {
      NewLine(Indent + 2);
      Put(PropName(FReader.ReadStr()) + " = ");
      ConvertValue(Indent + 2);
    }
    FReader.ReadValue();
    while (!FReader.EndOfList()) {
      NewLine(Indent + 2);
      ConvertObject(Indent + 2);
    }
    FReader.ReadValue();
    NewLine(Indent);
    Put("end");
    FReader.LeaveNesting();
  }

  void ConvertString(const std::u16string& S, int Indent) {
    if (S.empty()) return Put("''");
    const bool long_ = S.size() > 64;
    for (size_t start = 0; start < S.size(); start += 64) {
      if (long_) {
        if (start) Put(" +");
        NewLine(Indent + 2);
      }
      bool quoted = false;
      for (size_t i = start; i < std::min(S.size(), start + 64); ++i) {
        const char16_t c = S[i];
        const bool plain = c >= 32 && c < 127 && c != u'\'';
        if (plain != quoted) {
          Put("'");
          quoted = plain;
        }
        if (plain)
          FText += char(c);
        else
          Put("#" + std::to_string(unsigned(c)));
      }
      if (quoted) Put("'");
    }
  }

  // InList: an element of a list, where the identifier Null would end it.
  void ConvertValue(int Indent, bool InList = false) {
    const TValueType tag = FReader.NextValue();
    switch (tag) {
      case TValueType::List:
        FReader.ReadValue();
        FReader.EnterNesting();
        Put("(");
        while (!FReader.EndOfList()) {
          NewLine(Indent + 2);
          ConvertValue(Indent + 2, true);
        }
        FReader.ReadValue();
        FReader.LeaveNesting();
        return Put(")");
      case TValueType::Int8:
      case TValueType::Int16:
      case TValueType::Int32:
      case TValueType::Int64:
        return Put(std::to_string(FReader.ReadInt64()));
      case TValueType::Extended:
      case TValueType::Double:
        return Put(StreamFloatText(FReader.ReadFloat()));
      case TValueType::Single:
        return Put(StreamFloatText(FReader.ReadFloat()) + "s");
      case TValueType::Currency:
        return Put(StreamFloatText(FReader.ReadFloat()) + "c");
      case TValueType::Date:
        return Put(StreamFloatText(FReader.ReadFloat()) + "d");
      case TValueType::String:
      case TValueType::LString:
      case TValueType::UTF8String:
      case TValueType::WString:
        return ConvertString(FReader.ReadWideString(), Indent);
      case TValueType::Ident: {
        const std::string ident = Ident(FReader.ReadIdent(), "identifier");
        if (InList && SameText(ident, "Null"))
          throw EObjectStreamError("Invalid stream format: Null in a list");
        return Put(ident);
      }
      case TValueType::False:
      case TValueType::True:
      case TValueType::Nil:
      case TValueType::Null:
        return Put(FReader.ReadIdent());
      case TValueType::Set: {
        FReader.ReadValue();
        Put("[");
        bool first = true;
        for (std::string n = FReader.ReadStr(); !n.empty(); n = FReader.ReadStr()) {
          if (!first) Put(", ");
          Put(Ident(n, "set member"));
          first = false;
        }
        return Put("]");
      }
      case TValueType::Binary:
        return ConvertBinary(Indent);
      case TValueType::Collection:
        return ConvertCollection(Indent);
    }
  }

  void ConvertBinary(int Indent) {
    FReader.ReadValue();
    uint32_t n;
    FReader.ReadBytes(&n, 4);
    FReader.Need(n);
    std::vector<uint8_t> bytes(n);
    FReader.ReadBytes(bytes.data(), n);
    static const char hex[] = "0123456789ABCDEF";
    Put("{");
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (i % 32 == 0) NewLine(Indent + 2);
      FText += hex[bytes[i] >> 4];
      FText += hex[bytes[i] & 15];
    }
    Put("}");
  }

  void ConvertCollection(int Indent) {
    FReader.ReadValue();
    FReader.EnterNesting();
    Put("<");
    while (!FReader.EndOfList()) {
      NewLine(Indent + 2);
      Put("item");
      const TValueType v = FReader.NextValue();
      if (v == TValueType::Int8 || v == TValueType::Int16 || v == TValueType::Int32)
        Put(" [" + std::to_string(FReader.ReadInt64()) + "]");
      if (FReader.ReadValue() != TValueType::List)
        throw EObjectStreamError("Invalid stream format: collection item");
      while (!FReader.EndOfList()) {
        NewLine(Indent + 4);
        Put(PropName(FReader.ReadStr(), true) + " = ");
        ConvertValue(Indent + 4);
      }
      FReader.ReadValue();
      NewLine(Indent + 2);
      Put("end");
    }
    FReader.ReadValue();
    FReader.LeaveNesting();
    Put(">");
  }

  TReader FReader;
  TStream* FOutput;
  std::string FText;
};

// ================================================================ text to binary

enum TToken { toEOF, toSymbol, toString, toInteger, toFloat, toChar };

class TTextToBin {
 public:
  TTextToBin(TStream* Input, TStream* Output, std::vector<TStreamLine>* Lines)
      : FWriter(Output), FLines(Lines) {
    const int64_t size = Input->GetSize() - Input->GetPosition();
    FText.resize(size_t(std::max<int64_t>(size, 0)));
    if (!FText.empty()) Input->ReadBuffer(FText.data(), int32_t(FText.size()));
    // A UTF-8 byte-order mark is skipped.
    if (FText.compare(0, 3, "\xEF\xBB\xBF") == 0) FPos = 3;
    Next();
  }

  void Run() {
    FWriter.Write("TPF0", 4);
    ParseObject(0);
    if (FToken != toEOF) Error("Text after the last end");
    FWriter.FlushBuffer();
  }

 private:
  // Notes where the record or entry about to be written comes from.
  void MarkLine() {
    if (FLines) FLines->push_back({FWriter.Written(), FLine});
  }

  [[noreturn]] void Error(const std::string& Message) { ErrorOnLine(Message, FLine); }
  [[noreturn]] void ErrorOnLine(const std::string& Message, int Line) {
    throw EParserError(Message + " on line " + std::to_string(Line));
  }

  void SkipBlanks() {
    while (FPos < FText.size()) {
      const char c = FText[FPos];
      if (c == '\n') ++FLine;
      if (c != ' ' && c != '\t' && c != '\r' && c != '\n') break;
      ++FPos;
    }
  }

  void Next() {
    SkipBlanks();
    FTokenText.clear();
    FWide.clear();
    if (FPos >= FText.size()) {
      FToken = toEOF;
      return;
    }
    const char c = FText[FPos];
    if (IsIdentStart(c)) {
      while (FPos < FText.size() && IsIdentChar(FText[FPos])) FTokenText += FText[FPos++];
      FToken = toSymbol;
    } else if (c == '\'' || c == '#') {
      ReadStringToken();
      FToken = toString;
    } else if (c == '$') {
      ++FPos;
      while (FPos < FText.size() && std::isxdigit(uint8_t(FText[FPos])))
        FTokenText += FText[FPos++];
      if (FTokenText.empty()) Error("Invalid hexadecimal number");
      FTokenText = "$" + FTokenText;
      FToken = toInteger;
    } else if ((c >= '0' && c <= '9') || c == '-' || c == '+') {
      if ((c == '-' || c == '+') &&
          (FPos + 1 >= FText.size() || !std::isdigit(uint8_t(FText[FPos + 1])))) {
        FToken = toChar;
        FTokenText = c;
        ++FPos;
        return;
      }
      ReadNumberToken();
    } else {
      FToken = toChar;
      FTokenText = c;
      ++FPos;
    }
  }

  void ReadNumberToken() {
    FToken = toInteger;
    if (FText[FPos] == '-' || FText[FPos] == '+') FTokenText += FText[FPos++];
    while (FPos < FText.size()) {
      const char c = FText[FPos];
      if (std::isdigit(uint8_t(c))) {
        FTokenText += c;
      } else if (c == '.' || c == 'e' || c == 'E') {
        FToken = toFloat;
        FTokenText += c;
        if ((c == 'e' || c == 'E') && FPos + 1 < FText.size() &&
            (FText[FPos + 1] == '+' || FText[FPos + 1] == '-'))
          FTokenText += FText[++FPos];
      } else {
        break;
      }
      ++FPos;
    }
    FSuffix = 0;
    if (FPos < FText.size() && std::strchr("sScCdD", FText[FPos]) &&
        !(FPos + 1 < FText.size() && IsIdentChar(FText[FPos + 1]))) {
      FSuffix = char(std::tolower(uint8_t(FText[FPos++])));
      FToken = toFloat;
    }
  }

  // Quoted pieces and #codes, side by side ('ab'#13#10'cd').
  void ReadStringToken() {
    for (;;) {
      if (FPos >= FText.size()) return;
      const char c = FText[FPos];
      if (c == '\'') {
        ++FPos;
        std::string piece;
        for (;;) {
          if (FPos >= FText.size() || FText[FPos] == '\n') Error("Unterminated string");
          if (FText[FPos] == '\'') {
            if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
              piece += '\'';
              FPos += 2;
              continue;
            }
            ++FPos;
            break;
          }
          piece += FText[FPos++];
        }
        FWide += UTF8ToUTF16(piece);
      } else if (c == '#') {
        ++FPos;
        std::string digits;
        if (FPos < FText.size() && FText[FPos] == '$') {
          ++FPos;
          while (FPos < FText.size() && std::isxdigit(uint8_t(FText[FPos])))
            digits += FText[FPos++];
          if (digits.empty() || digits.size() > 4) Error("Invalid character code");
          FWide += char16_t(std::stoul(digits, nullptr, 16));
          continue;
        }
        while (FPos < FText.size() && std::isdigit(uint8_t(FText[FPos]))) digits += FText[FPos++];
        if (digits.empty() || digits.size() > 5 || std::stoul(digits) > 0xFFFF)
          Error("Invalid character code");
        FWide += char16_t(std::stoul(digits));
      } else {
        return;
      }
    }
  }

  bool IsChar(char c) const { return FToken == toChar && FTokenText[0] == c; }
  void Expect(char c) {
    if (!IsChar(c)) Error(std::string("'") + c + "' expected");
    Next();
  }
  bool IsKeyword(const char* K) const { return FToken == toSymbol && SameText(FTokenText, K); }
  bool IsObjectKeyword() const {
    return IsKeyword("object") || IsKeyword("inherited") || IsKeyword("inline");
  }
  std::string ExpectSymbol() {
    if (FToken != toSymbol) Error("Identifier expected");
    std::string s = FTokenText;
    Next();
    return s;
  }

  int64_t IntegerValue() {
    int64_t v = 0;
    const char* begin = FTokenText.data();
    const char* end = begin + FTokenText.size();
    bool negative = false;
    if (*begin == '+' || *begin == '-') negative = *begin++ == '-';
    std::from_chars_result r;
    if (*begin == '$') {
      uint64_t u = 0;
      r = std::from_chars(begin + 1, end, u, 16);
      v = int64_t(u);
    } else {
      uint64_t u = 0;
      r = std::from_chars(begin, end, u);
      if (u > uint64_t(INT64_MAX) + (negative ? 1 : 0)) Error("Integer out of range");
      v = int64_t(u);
    }
    if (r.ec != std::errc() || r.ptr != end) Error("Invalid integer");
    return negative ? int64_t(0 - uint64_t(v)) : v;
  }

  long double FloatValue() {
    long double v = 0;
    const char* begin = FTokenText.data();
    const char* end = begin + FTokenText.size();
    if (begin < end && *begin == '+') ++begin;
    auto r = std::from_chars(begin, end, v);
    if (r.ptr != end || (r.ec != std::errc() && r.ec != std::errc::result_out_of_range))
      Error("Invalid floating point number");
    if (r.ec == std::errc::result_out_of_range) {
      // Sixteen digits of a value at the end of the range may round past it:
      // such text gives the nearest value there is.
      const bool negative = *begin == '-';
      const bool tiny = FTokenText.find_first_of("eE") != std::string::npos &&
                        FTokenText.find("-", FTokenText.find_first_of("eE")) != std::string::npos;
      v = tiny ? 0.0L : std::numeric_limits<long double>::max();
      if (negative) v = -v;
    }
    return v;
  }

  void ParseObject(int Depth) {
    if (Depth > MaxStreamNesting) Error("Objects nested too deep");
    MarkLine();
    int flags = 0;
    if (IsKeyword("inherited"))
      flags = 1;
    else if (IsKeyword("inline"))
      flags = 4;
    else if (!IsKeyword("object"))
      Error("'object' expected");
    Next();
    int classLine = FLine;
    std::string name, cls = ExpectSymbol();
    if (IsChar(':')) {
      Next();
      name = cls;
      classLine = FLine;
      cls = ExpectSymbol();
    }
    // A record starting with a byte of the form $Fx holds a prefix: the
    // length byte of the class name must stay below it.
    if (cls.size() >= 0xF0) ErrorOnLine("Class name too long", classLine);
    int64_t position = -1;
    if (IsChar('[')) {
      Next();
      if (FToken != toInteger) Error("Integer expected");
      position = IntegerValue();
      Next();
      Expect(']');
      flags |= 2;
    }
    if (flags) {
      FWriter.WriteByte(uint8_t(0xF0 | flags));
      if (flags & 2) FWriter.WriteInteger(position);
    }
    FWriter.WriteStr(cls);
    FWriter.WriteStr(name);
    while (FToken == toSymbol && !IsKeyword("end") && !IsObjectKeyword()) ParseProperty(Depth);
    FWriter.WriteListEnd();
    while (IsObjectKeyword()) ParseObject(Depth + 1);
    if (!IsKeyword("end")) Error("'end' expected");
    Next();
    FWriter.WriteListEnd();
  }

  void ParseProperty(int Depth) {
    MarkLine();
    FWriter.WriteStr(ExpectSymbol());
    Expect('=');
    ParseValue(Depth);
  }

  void ParseValue(int Depth) {
    if (Depth > MaxStreamNesting) Error("Values nested too deep");
    switch (FToken) {
      case toInteger:
        FWriter.WriteInteger(IntegerValue());
        return Next();
      case toFloat: {
        const long double v = FloatValue();
        if (FSuffix == 's')
          FWriter.WriteSingle(float(v));
        else if (FSuffix == 'c')
          FWriter.WriteCurrency(int64_t(std::llround(v * 10000)));
        else if (FSuffix == 'd')
          FWriter.WriteDate(double(v));
        else
          FWriter.WriteFloat(v);
        return Next();
      }
      case toString: {
        std::u16string text = FWide;
        Next();
        while (IsChar('+')) {
          Next();
          if (FToken != toString) Error("String expected");
          text += FWide;
          Next();
        }
        return FWriter.WriteWideString(text);
      }
      case toSymbol:
        // The float text of the writer for values without digits.
        if (FTokenText == "NAN" || FTokenText == "INF")
          FWriter.WriteFloat(FTokenText == "NAN" ? NAN : INFINITY);
        else
          FWriter.WriteIdent(FTokenText);
        return Next();
      case toChar:
        break;
      case toEOF:
        Error("Value expected");
    }
    if (IsChar('[')) return ParseSet();
    if (IsChar('-')) {
      Next();
      if (FToken != toSymbol || FTokenText != "INF") Error("Invalid property value");
      FWriter.WriteFloat(-INFINITY);
      return Next();
    }
    if (IsChar('(')) {
      Next();
      FWriter.WriteListBegin();
      while (!IsChar(')')) {
        if (FToken == toEOF) Error("')' expected");
        // The binary form ends a list at its first null tag.
        if (IsKeyword("Null")) Error("Null cannot be an element of a list");
        ParseValue(Depth + 1);
      }
      Next();
      return FWriter.WriteListEnd();
    }
    if (IsChar('{')) return ParseBinary();
    if (IsChar('<')) return ParseCollection(Depth);
    Error("Invalid property value");
  }

  void ParseSet() {
    Next();
    FWriter.WriteValue(TValueType::Set);
    while (!IsChar(']')) {
      FWriter.WriteStr(ExpectSymbol());
      if (IsChar(',')) {
        Next();
        if (IsChar(']')) Error("Identifier expected");
      } else if (!IsChar(']')) {
        Error("']' expected");
      }
    }
    Next();
    FWriter.WriteByte(0);
  }

  void ParseBinary() {
    // Raw hexadecimal up to the closing brace, blanks and line ends allowed.
    std::vector<uint8_t> bytes;
    int half = -1;
    for (;;) {
      if (FPos >= FText.size()) Error("'}' expected");
      const char c = FText[FPos++];
      if (c == '}') break;
      if (c == '\n') ++FLine;
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
      if (!std::isxdigit(uint8_t(c))) Error("Invalid binary data");
      const int v = std::isdigit(uint8_t(c)) ? c - '0' : (std::tolower(uint8_t(c)) - 'a' + 10);
      if (half < 0) {
        half = v;
      } else {
        bytes.push_back(uint8_t(half * 16 + v));
        half = -1;
      }
    }
    if (half >= 0) Error("Invalid binary data");
    FWriter.WriteBinary(bytes.data(), bytes.size());
    Next();
  }

  void ParseCollection(int Depth) {
    Next();
    FWriter.WriteValue(TValueType::Collection);
    while (!IsChar('>')) {
      if (!IsKeyword("item")) Error("'item' expected");
      Next();
      if (IsChar('[')) {
        Next();
        if (FToken != toInteger) Error("Integer expected");
        FWriter.WriteInteger(IntegerValue());
        Next();
        Expect(']');
      }
      FWriter.WriteListBegin();
      while (!IsKeyword("end")) {
        if (FToken != toSymbol) Error("'end' expected");
        ParseProperty(Depth + 1);
      }
      Next();
      FWriter.WriteListEnd();
    }
    Next();
    FWriter.WriteListEnd();
  }

  TWriter FWriter;
  std::vector<TStreamLine>* FLines;
  std::string FText;
  size_t FPos = 0;
  int FLine = 1;
  TToken FToken = toEOF;
  std::string FTokenText;
  std::u16string FWide;
  char FSuffix = 0;
};

}  // namespace

std::string StreamFloatText(long double Value) {
  if (std::isnan(Value)) return "NAN";
  if (std::isinf(Value)) return Value < 0 ? "-INF" : "INF";
  char buf[64];
  // 16 significant digits; std::to_chars keeps "." whatever the locale.
  *std::to_chars(buf, buf + sizeof buf - 1, Value, std::chars_format::scientific, 15).ptr = 0;
  // buf: [-]d.ddddddddddddddde[+-]xx
  const std::string exponentForm = buf;
  std::string s = buf;
  const bool negative = s[0] == '-';
  if (negative) s.erase(0, 1);
  const size_t e = s.find('e');
  const int exponent = std::atoi(s.c_str() + e + 1);
  std::string digits = s.substr(0, 1) + s.substr(2, e - 2);  // 16 digits
  if (exponent >= 16) return exponentForm;
  if (exponent < -1 && 19 + exponent < 16) {
    // Fewer significant digits fit into 18 decimals: round there.
    *std::to_chars(buf, buf + sizeof buf - 1, Value, std::chars_format::fixed, 18).ptr = 0;
    std::string r = buf;
    return r == "-0.000000000000000000" ? r.substr(1) : r;
  }
  std::string out;
  if (exponent >= 0) {
    out = digits.substr(0, size_t(exponent) + 1) + "." + digits.substr(size_t(exponent) + 1);
  } else {
    out = "0." + std::string(size_t(-exponent - 1), '0') + digits;
  }
  const size_t point = out.find('.');
  const size_t decimals = out.size() - point - 1;
  if (decimals < 18) out.append(18 - decimals, '0');
  if (negative && out.find_first_not_of("0.") != std::string::npos) out = "-" + out;
  return out;
}

void ObjectBinaryToText(TStream* Input, TStream* Output) {
  TBinToText converter(Input, Output);
  converter.Run();
}

void ObjectTextToBinary(TStream* Input, TStream* Output) {
  ObjectTextToBinary(Input, Output, nullptr);
}

void ObjectTextToBinary(TStream* Input, TStream* Output, std::vector<TStreamLine>* Lines) {
  TTextToBin converter(Input, Output, Lines);
  converter.Run();
}

int StreamLineAt(const std::vector<TStreamLine>& Lines, size_t Offset) {
  auto it = std::upper_bound(Lines.begin(), Lines.end(), Offset,
                             [](size_t O, const TStreamLine& L) { return O < L.Offset; });
  return it == Lines.begin() ? 1 : std::prev(it)->Line;
}
