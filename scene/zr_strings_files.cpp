// File and byte forms of the wide string lists: UTF-16 with a byte-order mark,
// and 8-bit text in the ANSI code page (Windows-1252).
#include <fstream>
#include <iterator>

#include "platform/rtl/SysUtils.h"
#include "scene/zr_strings.h"

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes map to the C1
// control of the same value, as the platform's converter does.
constexpr char16_t kAnsiHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t AnsiToWide(uint8_t b) {
  return (b >= 0x80 && b <= 0x9F) ? kAnsiHigh[b - 0x80] : static_cast<char16_t>(b);
}

// Characters outside the code page become "?".
uint8_t WideToAnsi(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<uint8_t>(c);
  for (int i = 0; i < 32; ++i) {
    if (kAnsiHigh[i] == c) return static_cast<uint8_t>(0x80 + i);
  }
  return '?';
}

void WriteFile(const std::string& fileName, const std::vector<uint8_t>& bytes) {
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  if (!out.is_open()) throw EFOpenError("Cannot create file \"" + fileName + "\"");
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out.fail()) throw EStreamError("Stream write error");
}

}  // namespace

void TzrWideStrings::LoadFromBytes(const std::vector<uint8_t>& Bytes) {
  std::u16string text;
  const size_t n = Bytes.size();
  const bool utf16 =
      n >= 2 && ((Bytes[0] == 0xFF && Bytes[1] == 0xFE) || (Bytes[0] == 0xFE && Bytes[1] == 0xFF));
  if (utf16) {
    text.reserve((n - 2) / 2);
    for (size_t i = 2; i + 1 < n; i += 2) {
      text += static_cast<char16_t>(Bytes[i] | (Bytes[i + 1] << 8));
    }
  } else {
    text.reserve(n);
    for (uint8_t b : Bytes) text += AnsiToWide(b);
  }
  BeginUpdate();
  SetTextStr(text);
  EndUpdate();
}

std::vector<uint8_t> TzrWideStrings::SaveToBytes() const {
  const std::u16string text = GetTextStr();
  std::vector<uint8_t> bytes{0xFF, 0xFE};
  bytes.reserve(2 + 2 * text.size());
  for (char16_t c : text) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  return bytes;
}

void TzrWideStrings::LoadFromFile(const std::string& FileName) {
  std::ifstream in(FileName, std::ios::binary);
  if (!in.is_open()) return;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  if (in.bad()) return;
  LoadFromBytes(bytes);
}

void TzrWideStrings::SaveToFile(const std::string& FileName) const {
  WriteFile(FileName, SaveToBytes());
}

void TzrWideStrings::SaveToAnsiFile(const std::string& FileName) const {
  std::vector<uint8_t> bytes;
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    for (char16_t c : Get(i)) bytes.push_back(WideToAnsi(c));
    bytes.push_back('\r');
    bytes.push_back('\n');
  }
  WriteFile(FileName, bytes);
}
