// File and byte forms of the wide string lists: UTF-16 with a byte-order mark,
// and 8-bit text in the ANSI code page (Windows-1252).
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_strings.h"

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes map to the C1
// control of the same value, as the platform's converter does.
constexpr char16_t kAnsiHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The text of the bytes: UTF-16LE after an FF FE or FE FF mark (an odd last
// byte is dropped), else ANSI text, the first two bytes included.
std::u16string DecodeText(const std::vector<uint8_t>& bytes) {
  std::u16string text;
  const size_t n = bytes.size();
  const bool utf16 =
      n >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF));
  if (utf16) {
    text.reserve((n - 2) / 2);
    for (size_t i = 2; i + 1 < n; i += 2) {
      text += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    }
    return text;
  }
  text.reserve(n);
  for (uint8_t b : bytes) text += AnsiCharToWide(b);
  return text;
}

void WriteBytes(TStream& stream, const std::vector<uint8_t>& bytes) {
  stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

}  // namespace

char16_t AnsiCharToWide(uint8_t b) {
  return (b >= 0x80 && b <= 0x9F) ? kAnsiHigh[b - 0x80] : static_cast<char16_t>(b);
}

// Characters outside the code page become "?".
uint8_t WideCharToAnsi(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<uint8_t>(c);
  for (int i = 0; i < 32; ++i) {
    if (kAnsiHigh[i] == c) return static_cast<uint8_t>(0x80 + i);
  }
  return '?';
}


void TzrWideStrings::LoadFromStream(TStream& Stream) {
  const int64_t size = Stream.GetSize() - Stream.GetPosition();
  std::vector<uint8_t> bytes(static_cast<size_t>(size > 0 ? size : 0));
  Stream.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  BeginUpdate();
  SetTextStr(DecodeText(bytes));
  EndUpdate();
}

void TzrWideStrings::SaveToStream(TStream& Stream) const {
  const std::u16string text = GetTextStr();
  std::vector<uint8_t> bytes{0xFF, 0xFE};
  bytes.reserve(2 + 2 * text.size());
  for (char16_t c : text) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  WriteBytes(Stream, bytes);
}

// Errors of reading (a missing or unreadable file) are swallowed.
void TzrWideStrings::LoadFromFile(const std::string& FileName) {
  try {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyNone);
    LoadFromStream(stream);
  } catch (const Exception&) {
  }
}

void TzrWideStrings::SaveToFile(const std::string& FileName) const {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(stream);
}

void TzrWideStrings::SaveToAnsiFile(const std::string& FileName) const {
  std::vector<uint8_t> bytes;
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    for (char16_t c : Get(i)) bytes.push_back(WideCharToAnsi(c));
    bytes.push_back('\r');
    bytes.push_back('\n');
  }
  TFileStream stream(FileName, fmCreate);
  WriteBytes(stream, bytes);
}
