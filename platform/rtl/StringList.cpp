#include "platform/rtl/StringList.h"

#include <glib.h>

#include <algorithm>

#include "platform/rtl/Format.h"
#include "platform/rtl/Streams.h"

namespace {

const char kLineBreak[] = "\n";
const char kByteOrderMark[] = "\xEF\xBB\xBF";

bool IsAscii(const std::string& s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// Case-folded form for comparisons. Text that is not valid UTF-8 folds only
// its ASCII letters.
std::string FoldCase(const std::string& s) {
  if (IsAscii(s) || !g_utf8_validate(s.data(), static_cast<gssize>(s.size()), nullptr)) {
    std::string folded = s;
    std::transform(folded.begin(), folded.end(), folded.begin(), LowerAscii);
    return folded;
  }
  gchar* folded = g_utf8_casefold(s.data(), static_cast<gssize>(s.size()));
  std::string result(folded);
  g_free(folded);
  return result;
}

int Sign(int value) { return (value > 0) - (value < 0); }

// Calls BeginUpdate now and EndUpdate when it goes, also on an exception.
class TUpdateGuard {
 public:
  explicit TUpdateGuard(TStrings& strings) : FStrings(strings) { FStrings.BeginUpdate(); }
  ~TUpdateGuard() { FStrings.EndUpdate(); }
  TUpdateGuard(const TUpdateGuard&) = delete;
  TUpdateGuard& operator=(const TUpdateGuard&) = delete;

 private:
  TStrings& FStrings;
};

// #1 to blank: what loose delimited text skips between items.
bool IsBlank(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= ' ';
}

// Reads a quoted item starting at the opening quote; a doubled quote stands
// for one quote; an unclosed quote runs to the end.
std::string ExtractQuoted(const std::string& text, size_t end, size_t& i, char quote) {
  std::string item;
  for (++i; i < end; ++i) {
    if (text[i] != quote) {
      item += text[i];
    } else if (i + 1 < end && text[i + 1] == quote) {
      item += quote;
      ++i;
    } else {
      ++i;
      break;
    }
  }
  return item;
}

}  // namespace

int CompareTextUtf8(const std::string& a, const std::string& b) {
  if (IsAscii(a) && IsAscii(b)) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
      const char x = LowerAscii(a[i]), y = LowerAscii(b[i]);
      if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
  }
  return Sign(FoldCase(a).compare(FoldCase(b)));
}

int CompareStrUtf8(const std::string& a, const std::string& b) {
  const int folded = CompareTextUtf8(a, b);
  if (folded != 0) return folded;
  // Same letters: the lower-case form (the greater code) comes first.
  return -Sign(a.compare(b));
}

// --- TStrings ---

void TStrings::IndexError(int index) {
  throw EListError(Format("List index out of bounds (%d)", {index}));
}

void TStrings::Put(int index, const std::string& s) {
  TObject* object = GetObject(index);
  Delete(index);
  InsertObject(index, s, object);
}

TObject* TStrings::GetObject(int) const { return nullptr; }

void TStrings::PutObject(int, TObject*) {}

int TStrings::Add(const std::string& s) {
  const int index = GetCount();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
  const int index = Add(s);
  PutObject(index, object);
  return index;
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
  Insert(index, s);
  PutObject(index, object);
}

void TStrings::AddStrings(const TStrings& strings) {
  TUpdateGuard guard(*this);
  for (int i = 0; i < strings.GetCount(); ++i) AddObject(strings.Get(i), strings.GetObject(i));
}

void TStrings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TStrings*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  TUpdateGuard guard(*this);
  Clear();
  FDelimiter = source->FDelimiter;
  FQuoteChar = source->FQuoteChar;
  FStrictDelimiter = source->FStrictDelimiter;
  FNameValueSeparator = source->FNameValueSeparator;
  AddStrings(*source);
}

int TStrings::IndexOf(const std::string& s) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (CompareStrings(Get(i), s) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
  for (int i = 0; i < GetCount(); ++i) {
    const std::string line = Get(i);
    const size_t at = line.find(FNameValueSeparator);
    if (at != std::string::npos && CompareStrings(line.substr(0, at), name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (GetObject(i) == object) return i;
  }
  return -1;
}

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

std::string TStrings::GetText() const {
  std::string text;
  for (int i = 0; i < GetCount(); ++i) text += Get(i) + kLineBreak;
  return text;
}

void TStrings::SetText(const std::string& text) {
  TUpdateGuard guard(*this);
  Clear();
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = i;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
    Add(text.substr(start, i - start));
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
}

std::string TStrings::QuotedItem(const std::string& s, char quote, char delimiter,
                                 bool strict) const {
  const bool needsQuotes = std::any_of(s.begin(), s.end(), [&](char c) {
    return c == quote || c == delimiter || c == '\0' ||
           (!strict && static_cast<unsigned char>(c) <= ' ');
  });
  if (!needsQuotes) return s;
  std::string quoted(1, quote);
  for (const char c : s) {
    quoted += c;
    if (c == quote) quoted += quote;
  }
  return quoted + quote;
}

std::string TStrings::GetDelimitedText() const {
  if (GetCount() == 1 && Get(0).empty()) return std::string(2, FQuoteChar);
  std::string text;
  for (int i = 0; i < GetCount(); ++i) {
    if (i > 0) text += FDelimiter;
    text += QuotedItem(Get(i), FQuoteChar, FDelimiter, FStrictDelimiter);
  }
  return text;
}

std::string TStrings::GetCommaText() const {
  if (GetCount() == 1 && Get(0).empty()) return "\"\"";
  std::string text;
  for (int i = 0; i < GetCount(); ++i) {
    if (i > 0) text += ',';
    text += QuotedItem(Get(i), '"', ',', false);
  }
  return text;
}

void TStrings::ParseDelimited(const std::string& text, char quote, char delimiter, bool strict) {
  TUpdateGuard guard(*this);
  Clear();
  const size_t end = std::min(text.find('\0'), text.size());
  size_t i = 0;
  if (!strict) {
    while (i < end && IsBlank(text[i])) ++i;
  }
  while (i < end) {
    if (text[i] == quote) {
      Add(ExtractQuoted(text, end, i, quote));
    } else {
      const size_t start = i;
      while (i < end && text[i] != delimiter &&
             (strict || static_cast<unsigned char>(text[i]) > ' ')) {
        ++i;
      }
      Add(text.substr(start, i - start));
    }
    if (!strict) {
      while (i < end && IsBlank(text[i])) ++i;
    }
    if (i < end && text[i] == delimiter) {
      if (i + 1 == end) Add("");  // a trailing delimiter ends with an empty item
      ++i;
      if (!strict) {
        while (i < end && IsBlank(text[i])) ++i;
      }
    }
  }
}

void TStrings::SetDelimitedText(const std::string& text) {
  ParseDelimited(text, FQuoteChar, FDelimiter, FStrictDelimiter);
}

void TStrings::SetCommaText(const std::string& text) { ParseDelimited(text, '"', ',', false); }

std::string TStrings::GetNames(int index) const {
  const std::string line = Get(index);
  const size_t at = line.find(FNameValueSeparator);
  return at == std::string::npos ? std::string() : line.substr(0, at);
}

std::string TStrings::GetValues(const std::string& name) const {
  const int index = IndexOfName(name);
  return index < 0 ? std::string() : GetValueFromIndex(index);
}

void TStrings::SetValues(const std::string& name, const std::string& value) {
  const int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  const std::string line = name + FNameValueSeparator + value;
  if (index < 0)
    Add(line);
  else
    ReplaceLine(index, line);
}

void TStrings::ReplaceLine(int index, const std::string& line) {
  // A sorted list refuses Put: the line moves to its place instead.
  const auto* list = dynamic_cast<const TStringList*>(this);
  if (!list || !list->GetSorted()) {
    Put(index, line);
    return;
  }
  TUpdateGuard guard(*this);
  TObject* object = GetObject(index);
  Delete(index);
  AddObject(line, object);
}

std::string TStrings::GetValueFromIndex(int index) const {
  const std::string line = Get(index);
  const size_t at = line.find(FNameValueSeparator);
  return at == std::string::npos ? std::string() : line.substr(at + 1);
}

void TStrings::SetValueFromIndex(int index, const std::string& value) {
  if (index < 0 || index >= GetCount()) IndexError(index);
  if (value.empty()) {
    Delete(index);
    return;
  }
  ReplaceLine(index, GetNames(index) + FNameValueSeparator + value);
}

void TStrings::LoadFromStream(TStream& stream) {
  const int64_t size = stream.GetSize() - stream.GetPosition();
  std::string text(static_cast<size_t>(std::max<int64_t>(size, 0)), '\0');
  if (!text.empty()) stream.ReadBuffer(text.data(), static_cast<int32_t>(text.size()));
  if (text.compare(0, 3, kByteOrderMark) == 0) text.erase(0, 3);
  SetText(text);
}

void TStrings::SaveToStream(TStream& stream) const {
  const std::string text = GetText();
  stream.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}

void TStrings::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TStrings::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

int TStrings::CompareStrings(const std::string& a, const std::string& b) const {
  return CompareTextUtf8(a, b);
}

// --- TStringList ---

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) IndexError(index);
}

std::string TStringList::Get(int index) const {
  CheckIndex(index);
  return FList[index].FString;
}

void TStringList::Put(int index, const std::string& s) {
  if (FSorted) throw EListError("Operation not allowed on sorted list");
  CheckIndex(index);
  Changing();
  FList[index].FString = s;
  Changed();
}

TObject* TStringList::GetObject(int index) const {
  CheckIndex(index);
  return FList[index].FObject;
}

void TStringList::PutObject(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  FList[index].FObject = object;
  Changed();
}

void TStringList::Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::string& s, TObject* object) {
  if (FSorted) throw EListError("Operation not allowed on sorted list");
  if (index < 0 || index > GetCount()) IndexError(index);
  InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object) {
  Changing();
  FList.insert(FList.begin() + index, TItem{s, object});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  FList.erase(FList.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) return;
  Changing();
  FList.clear();
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  std::swap(FList[index1], FList[index2]);
  Changed();
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const std::string& s, TObject* object) {
  int index = GetCount();
  if (FSorted && Find(s, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) throw EListError("String list does not allow duplicates");
  }
  InsertItem(index, s, object);
  return index;
}

int TStringList::IndexOf(const std::string& s) const {
  if (!FSorted) return TStrings::IndexOf(s);
  int index = 0;
  return Find(s, index) ? index : -1;
}

bool TStringList::Find(const std::string& s, int& index) const {
  bool found = false;
  int low = 0, high = GetCount() - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int c = CompareStrings(FList[middle].FString, s);
    if (c < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (c == 0) {
        found = true;
        if (FDuplicates != dupAccept) low = middle;
      }
    }
  }
  index = low;
  return found;
}

void TStringList::SortItems() {
  std::stable_sort(FList.begin(), FList.end(), [this](const TItem& a, const TItem& b) {
    return CompareStrings(a.FString, b.FString) < 0;
  });
}

void TStringList::Sort() {
  if (FSorted || FList.size() < 2) return;
  Changing();
  SortItems();
  Changed();
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == FSorted) return;
  if (sorted) Sort();
  FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == FCaseSensitive) return;
  FCaseSensitive = caseSensitive;
  if (FSorted && FList.size() > 1) {
    Changing();
    SortItems();
    Changed();
  }
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
  return FCaseSensitive ? CompareStrUtf8(a, b) : CompareTextUtf8(a, b);
}

void TStringList::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}
