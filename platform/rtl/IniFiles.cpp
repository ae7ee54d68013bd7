#include "platform/rtl/IniFiles.h"

#include <glib.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <sstream>

#include "platform/rtl/SysUtils.h"

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// The form in which names are compared: case-folded (full Unicode folding for
// valid UTF-8, ASCII lower case otherwise).
std::string Fold(const std::string& name) {
  bool ascii = true;
  for (char c : name) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (!ascii && g_utf8_validate(name.data(), static_cast<gssize>(name.size()), nullptr)) {
    gchar* folded = g_utf8_casefold(name.data(), static_cast<gssize>(name.size()));
    std::string result(folded);
    g_free(folded);
    return result;
  }
  std::string result = name;
  for (char& c : result)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return result;
}

// Splits text at CR LF, LF or a lone CR.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(current);
  return lines;
}

bool ReadWholeFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return true;
}

}  // namespace

bool TryIniTextToInt(const std::string& text, int& value) {
  std::string s = Trim(text);
  bool negative = false;
  size_t pos = 0;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
  int base = 10;
  if (pos < s.size() && s[pos] == '$') {
    base = 16;
    ++pos;
  } else if (s.size() - pos > 2 && s[pos] == '0' && (s[pos + 1] == 'x' || s[pos + 1] == 'X')) {
    base = 16;
    pos += 2;
  }
  if (pos >= s.size()) return false;
  uint64_t magnitude = 0;
  const char* first = s.data() + pos;
  const char* last = s.data() + s.size();
  const auto [end, ec] = std::from_chars(first, last, magnitude, base);
  if (ec != std::errc() || end != last) return false;
  if (base == 16) {
    // Up to eight hex digits, taken as the 32-bit pattern ("$FFFFFFFF" is -1).
    if (magnitude > 0xFFFFFFFFull) return false;
    // Negated as unsigned: "-$80000000" is the lowest int, not an overflow.
    const uint32_t bits = static_cast<uint32_t>(magnitude);
    value = static_cast<int32_t>(negative ? 0u - bits : bits);
    return true;
  }
  if (magnitude > (negative ? 2147483648ull : 2147483647ull)) return false;
  value = static_cast<int>(negative ? -static_cast<int64_t>(magnitude)
                                    : static_cast<int64_t>(magnitude));
  return true;
}

bool TryIniTextToFloat(const std::string& text, double& value) {
  std::string s = Trim(text);
  size_t pos = 0;
  if (pos < s.size() && s[pos] == '+') ++pos;
  if (pos >= s.size() || s[pos] == '+') return false;
  const char* last = s.data() + s.size();
  double result = 0;
  const auto [end, ec] = std::from_chars(s.data() + pos, last, result);
  if (ec != std::errc() || end != last || !std::isfinite(result)) return false;
  value = result;
  return true;
}

void TMemIniFile::TSection::Reindex() {
  Index.clear();
  for (size_t i = 0; i < Lines.size(); ++i)
    if (Lines[i].IsEntry) Index.emplace(Fold(Lines[i].Key), i);
}

TMemIniFile::TMemIniFile(const std::string& FileName) : FFileName(FileName) {
  std::string text;
  if (ReadWholeFile(FileName, text)) Load(text);
}

TMemIniFile::~TMemIniFile() = default;

void TMemIniFile::Load(const std::string& input) {
  std::string text = input;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  const size_t firstBreak = text.find_first_of("\r\n");
  if (firstBreak != std::string::npos && text.compare(firstBreak, 2, "\r\n") == 0)
    FLineBreak = "\r\n";

  TSection* current = nullptr;
  for (const std::string& raw : SplitLines(text)) {
    const std::string line = Trim(raw);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      const std::string name = Trim(line.substr(1, line.size() - 2));
      // A section that appears again continues the first one.
      current = FindSection(name);
      if (!current) {
        FSections.push_back(std::make_unique<TSection>());
        current = FSections.back().get();
        current->Name = name;
        FSectionIndex.emplace(Fold(name), current);
      }
      continue;
    }
    TLine entry;
    const size_t eq = line.find('=');
    const bool comment = line.empty() || line[0] == ';';
    if (!comment && eq != std::string::npos && eq > 0) {
      entry.IsEntry = true;
      entry.Key = Trim(line.substr(0, eq));
      entry.Value = Trim(line.substr(eq + 1));
    } else {
      entry.Text = line;
    }
    if (!current) {
      FPreamble.push_back(line);
      continue;
    }
    current->Lines.push_back(std::move(entry));
  }
  for (auto& section : FSections) section->Reindex();
}

TMemIniFile::TSection* TMemIniFile::FindSection(const std::string& name) const {
  const auto it = FSectionIndex.find(Fold(name));
  return it == FSectionIndex.end() ? nullptr : it->second;
}

const TMemIniFile::TLine* TMemIniFile::FindEntry(const std::string& section,
                                                 const std::string& ident) const {
  const TSection* s = FindSection(section);
  if (!s) return nullptr;
  const auto it = s->Index.find(Fold(ident));
  return it == s->Index.end() ? nullptr : &s->Lines[it->second];
}

std::string TMemIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                    const std::string& Default) const {
  std::shared_lock lock(FLock);
  const TLine* entry = FindEntry(Section, Ident);
  return entry ? entry->Value : Default;
}

int TMemIniFile::ReadInteger(const std::string& Section, const std::string& Ident,
                             int Default) const {
  std::shared_lock lock(FLock);
  const TLine* entry = FindEntry(Section, Ident);
  int value = 0;
  return entry && TryIniTextToInt(entry->Value, value) ? value : Default;
}

bool TMemIniFile::ReadBool(const std::string& Section, const std::string& Ident,
                           bool Default) const {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

double TMemIniFile::ReadFloat(const std::string& Section, const std::string& Ident,
                              double Default) const {
  std::shared_lock lock(FLock);
  const TLine* entry = FindEntry(Section, Ident);
  double value = 0;
  return entry && TryIniTextToFloat(entry->Value, value) ? value : Default;
}

void TMemIniFile::WriteString(const std::string& Section, const std::string& Ident,
                              const std::string& Value) {
  std::unique_lock lock(FLock);
  TSection* s = FindSection(Section);
  if (!s) {
    FSections.push_back(std::make_unique<TSection>());
    s = FSections.back().get();
    s->Name = Section;
    FSectionIndex.emplace(Fold(Section), s);
  }
  const std::string folded = Fold(Ident);
  const auto it = s->Index.find(folded);
  if (it != s->Index.end()) {
    s->Lines[it->second].Value = Value;
    return;
  }
  TLine entry;
  entry.IsEntry = true;
  entry.Key = Ident;
  entry.Value = Value;
  s->Lines.push_back(std::move(entry));
  s->Index.emplace(folded, s->Lines.size() - 1);
}

void TMemIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int Value) {
  WriteString(Section, Ident, std::to_string(Value));
}

void TMemIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}

void TMemIniFile::WriteFloat(const std::string& Section, const std::string& Ident, double Value) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, Value);
  WriteString(Section, Ident, ec == std::errc() ? std::string(buffer, end) : "0");
}

std::vector<std::string> TMemIniFile::ReadSection(const std::string& Section) const {
  std::shared_lock lock(FLock);
  std::vector<std::string> keys;
  if (const TSection* s = FindSection(Section))
    for (const TLine& line : s->Lines)
      if (line.IsEntry) keys.push_back(line.Key);
  return keys;
}

std::vector<std::string> TMemIniFile::ReadSections() const {
  std::shared_lock lock(FLock);
  std::vector<std::string> names;
  for (const auto& s : FSections) names.push_back(s->Name);
  return names;
}

std::vector<std::string> TMemIniFile::ReadSectionValues(const std::string& Section) const {
  std::shared_lock lock(FLock);
  std::vector<std::string> values;
  if (const TSection* s = FindSection(Section))
    for (const TLine& line : s->Lines)
      if (line.IsEntry) values.push_back(line.Key + "=" + line.Value);
  return values;
}

bool TMemIniFile::SectionExists(const std::string& Section) const {
  std::shared_lock lock(FLock);
  return FindSection(Section) != nullptr;
}

bool TMemIniFile::ValueExists(const std::string& Section, const std::string& Ident) const {
  std::shared_lock lock(FLock);
  return FindEntry(Section, Ident) != nullptr;
}

void TMemIniFile::EraseSection(const std::string& Section) {
  std::unique_lock lock(FLock);
  const auto it = FSectionIndex.find(Fold(Section));
  if (it == FSectionIndex.end()) return;
  const TSection* target = it->second;
  FSectionIndex.erase(it);
  std::erase_if(FSections, [&](const auto& s) { return s.get() == target; });
}

void TMemIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  std::unique_lock lock(FLock);
  TSection* s = FindSection(Section);
  if (!s) return;
  const std::string folded = Fold(Ident);
  std::erase_if(s->Lines, [&](const TLine& l) { return l.IsEntry && Fold(l.Key) == folded; });
  s->Reindex();
}

std::string TMemIniFile::Text() const {
  std::string text;
  for (const std::string& line : FPreamble) text += line + FLineBreak;
  for (const auto& s : FSections) {
    text += "[" + s->Name + "]" + FLineBreak;
    for (const TLine& line : s->Lines)
      text += (line.IsEntry ? line.Key + "=" + line.Value : line.Text) + FLineBreak;
  }
  return text;
}

void TMemIniFile::UpdateFile() {
  std::string text;
  {
    std::shared_lock lock(FLock);
    text = Text();
  }
  const std::string temp = FFileName + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
      std::remove(temp.c_str());
      throw EStreamError("Cannot create file \"" + FFileName + "\"");
    }
  }
  if (std::rename(temp.c_str(), FFileName.c_str()) != 0) {
    std::remove(temp.c_str());
    throw EStreamError("Cannot create file \"" + FFileName + "\"");
  }
}
