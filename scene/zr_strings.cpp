#include "scene/zr_strings.h"

#include <cstdint>
#include <utility>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_stream.h"
#include "scene/zr_strings_compare.h"

namespace {

const char* const SListIndexError = "List index error";
const char* const SSortedListError = "Sorted list error";
const char* const SDuplicateString = "Doublicate string";

bool IsLineBreak(char16_t c) {
  return c == 0x0A || c == 0x0B || c == 0x0C || c == 0x0D || c == 0x2028 || c == 0x2029;
}

// Objects are ordered by address, a lower address counting as the greater.
int CompareObjects(const TObject* a, const TObject* b) {
  const auto x = reinterpret_cast<uintptr_t>(a), y = reinterpret_cast<uintptr_t>(b);
  return x == y ? 0 : (x < y ? 1 : -1);
}

bool IsBlank(char16_t c) { return c >= 0x01 && c <= 0x20; }

// Items holding blanks, control characters, commas or double quotes are
// written in double quotes with inner quotes doubled, so they read back whole.
bool NeedsQuotes(const std::u16string& s) {
  for (char16_t c : s) {
    if (c <= 0x20 || c == u'"' || c == u',') return true;
  }
  return false;
}

std::u16string Quoted(const std::u16string& s) {
  std::u16string out = u"\"";
  for (char16_t c : s) {
    out += c;
    if (c == u'"') out += c;
  }
  return out + u"\"";
}

// Reads a quoted item starting at the opening quote; stops at the closing
// quote or at the end of the text.
std::u16string ReadQuoted(const std::u16string& t, size_t& p) {
  std::u16string item;
  ++p;
  while (p < t.size() && t[p] != 0) {
    if (t[p] == u'"') {
      if (p + 1 < t.size() && t[p + 1] == u'"') {
        item += u'"';
        p += 2;
        continue;
      }
      ++p;
      break;
    }
    item += t[p++];
  }
  return item;
}

}  // namespace

// ---------------------------------------------------------------------------
// TzrWideStrings

const TClassInfo* TzrWideStrings::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrWideStrings>("TzrWideStrings", TPersistent::Class());
  return info;
}

const TClassInfo* TzrWideStringList::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrWideStringList>("TzrWideStringList", TzrWideStrings::Class());
  return info;
}

int TzrWideStrings::CompareStrings(const std::u16string&, const std::u16string&) const { return 0; }

TObject* TzrWideStrings::GetObject(int) const { return nullptr; }

void TzrWideStrings::PutObject(int, TObject*) {}

void TzrWideStrings::SetCapacity(int) {}

std::u16string TzrWideStrings::GetTextStr() const {
  std::u16string text;
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    text += Get(i);
    text += u"\r\n";
  }
  return text;
}

void TzrWideStrings::SetTextStr(const std::u16string& Value) {
  BeginUpdate();
  Clear();
  size_t p = 0;
  const size_t n = Value.size();
  while (p < n && Value[p] != 0) {
    const size_t start = p;
    while (p < n && Value[p] != 0 && !IsLineBreak(Value[p])) ++p;
    Add(Value.substr(start, p - start));
    if (p == n || Value[p] == 0) break;
    p += (Value[p] == 0x0D && p + 1 < n && Value[p + 1] == 0x0A) ? 2 : 1;
  }
  EndUpdate();
}

void TzrWideStrings::SetText(const char16_t* Text) {
  SetTextStr(Text != nullptr ? std::u16string(Text) : std::u16string());
}

bool TzrWideStrings::CheckIndex(int Index) const {
  if (Index >= 0 && Index < GetCount()) return true;
  Error(SListIndexError, Index);
  return false;
}

bool TzrWideStrings::CheckIndexes(int Index1, int Index2) const {
  return CheckIndex(Index1) && CheckIndex(Index2);
}

void TzrWideStrings::Put(int Index, const std::u16string& S) {
  if (!CheckIndex(Index)) return;
  TObject* object = GetObject(Index);
  Delete(Index);
  InsertObject(Index, S, object);
}

int TzrWideStrings::Add(const std::u16string& S) {
  const int index = GetCount();
  Insert(index, S);
  return index;
}

void TzrWideStrings::Delete(int) {}

int TzrWideStrings::AddObject(const std::u16string& S, TObject* AObject) {
  const int index = Add(S);
  PutObject(index, AObject);
  return index;
}

void TzrWideStrings::InsertObject(int Index, const std::u16string& S, TObject* AObject) {
  if (Index < 0 || Index > GetCount()) {
    Error(SListIndexError, Index);
    return;
  }
  Insert(Index, S);
  PutObject(Index, AObject);
}

void TzrWideStrings::AddStrings(const TzrWideStrings& Strings) {
  BeginUpdate();
  const int count = Strings.GetCount();
  for (int i = 0; i < count; ++i) AddObject(Strings.Get(i), Strings.GetObject(i));
  EndUpdate();
}

void TzrWideStrings::AddStrings(const TStrings& Strings) {
  BeginUpdate();
  const int count = Strings.GetCount();
  for (int i = 0; i < count; ++i) AddObject(UTF8ToUTF16(Strings.Get(i)), Strings.GetObject(i));
  EndUpdate();
}

void TzrWideStrings::Assign(TPersistent* Source) {
  if (Source == static_cast<TPersistent*>(this)) return;
  if (auto* wide = dynamic_cast<TzrWideStrings*>(Source)) {
    BeginUpdate();
    Clear();
    AddStrings(*wide);
    EndUpdate();
    return;
  }
  if (auto* strings = dynamic_cast<TStrings*>(Source)) {
    BeginUpdate();
    Clear();
    AddStrings(*strings);
    EndUpdate();
    return;
  }
  TPersistent::Assign(Source);
}

void TzrWideStrings::AssignTo(TPersistent* Dest) {
  if (auto* wide = dynamic_cast<TzrWideStrings*>(Dest)) {
    wide->Assign(static_cast<TPersistent*>(this));
    return;
  }
  if (auto* strings = dynamic_cast<TStrings*>(Dest)) {
    strings->BeginUpdate();
    strings->Clear();
    const int count = GetCount();
    for (int i = 0; i < count; ++i) strings->AddObject(UTF16ToUTF8(Get(i)), GetObject(i));
    strings->EndUpdate();
    return;
  }
  TPersistent::AssignTo(Dest);
}

void TzrWideStrings::DefineProperties(TFiler* Filer) {
  auto read = [this](TReader* Reader) {
    Reader->ReadListBegin();
    // Ends the bracket also when a damaged stream stops the read.
    struct TBracket {
      TzrWideStrings* List;
      ~TBracket() { List->EndUpdate(); }
    };
    BeginUpdate();
    TBracket bracket{this};
    Clear();
    while (!Reader->EndOfList()) Add(Reader->ReadWideString());
    Reader->ReadListEnd();
  };
  auto write = [this](TWriter* Writer) {
    Writer->WriteListBegin();
    const int count = GetCount();
    for (int i = 0; i < count; ++i) Writer->WriteWideString(Get(i));
    Writer->WriteListEnd();
  };
  Filer->DefineProperty("strings", read, write, GetCount() > 0);
}

bool TzrWideStrings::Equals(const TzrWideStrings& Strings) const {
  const int count = GetCount();
  if (count != Strings.GetCount()) return false;
  for (int i = 0; i < count; ++i) {
    if (Get(i) != Strings.Get(i)) return false;
  }
  return true;
}

void TzrWideStrings::Exchange(int Index1, int Index2) {
  if (!CheckIndexes(Index1, Index2)) return;
  BeginUpdate();
  const std::u16string s = Get(Index1);
  TObject* object = GetObject(Index1);
  Put(Index1, Get(Index2));
  PutObject(Index1, GetObject(Index2));
  Put(Index2, s);
  PutObject(Index2, object);
  EndUpdate();
}

void TzrWideStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  if (!CheckIndexes(CurIndex, NewIndex)) return;
  BeginUpdate();
  const std::u16string s = Get(CurIndex);
  TObject* object = GetObject(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, s, object);
  EndUpdate();
}

int TzrWideStrings::IndexOf(const std::u16string& S) const {
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    if (CompareStrings(Get(i), S) == 0) return i;
  }
  return -1;
}

int TzrWideStrings::IndexOfObject(TObject* AObject) const {
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    if (GetObject(i) == AObject) return i;
  }
  return -1;
}

int TzrWideStrings::IndexOfName(const std::u16string& Name) const {
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    const std::u16string s = Get(i);
    const size_t p = s.find(u'=');
    if (p != std::u16string::npos && CompareStrings(s.substr(0, p), Name) == 0) return i;
  }
  return -1;
}

int TzrWideStrings::IndexOfValue(const std::u16string& Value) const {
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    const std::u16string s = Get(i);
    const size_t p = s.find(u'=');
    if (p != std::u16string::npos && CompareStrings(s.substr(p + 1), Value) == 0) return i;
  }
  return -1;
}

void TzrWideStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TzrWideStrings::EndUpdate() {
  if (FUpdateCount == 0) return;
  --FUpdateCount;
  if (FUpdateCount == 0) SetUpdateState(false);
}

std::u16string TzrWideStrings::GetCommaText() const {
  const int count = GetCount();
  if (count == 1 && Get(0).empty()) return {};
  std::u16string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += u',';
    const std::u16string s = Get(i);
    text += NeedsQuotes(s) ? Quoted(s) : s;
  }
  return text;
}

void TzrWideStrings::SetCommaText(const std::u16string& Value) {
  BeginUpdate();
  Clear();
  const size_t n = Value.size();
  size_t p = 0;
  auto skipBlanks = [&] {
    while (p < n && IsBlank(Value[p])) ++p;
  };
  skipBlanks();
  while (p < n && Value[p] != 0) {
    if (Value[p] == u'"') {
      Add(ReadQuoted(Value, p));
    } else {
      const size_t start = p;
      while (p < n && Value[p] > 0x20 && Value[p] != u',') ++p;
      Add(Value.substr(start, p - start));
    }
    skipBlanks();
    if (p < n && Value[p] == u',') {
      ++p;
      skipBlanks();
    }
  }
  EndUpdate();
}

std::u16string TzrWideStrings::GetName(int Index) const {
  const std::u16string s = Get(Index);
  const size_t p = s.find(u'=');
  return p == std::u16string::npos ? std::u16string() : s.substr(0, p);
}

std::u16string TzrWideStrings::GetValue(const std::u16string& Name) const {
  const int i = IndexOfName(Name);
  if (i < 0) return {};
  const std::u16string s = Get(i);
  return s.substr(s.find(u'=') + 1);
}

void TzrWideStrings::SetValue(const std::u16string& Name, const std::u16string& Value) {
  int i = IndexOfName(Name);
  if (!Value.empty()) {
    if (i < 0) i = Add(u"");
    Put(i, Name + u"=" + Value);
  } else if (i >= 0) {
    Delete(i);
  }
}

// Keeps the historic rule: the value starts one character after the name part,
// so an item without "=" loses its first character.
std::u16string TzrWideStrings::GetValueFromIndex(int Index) const {
  if (Index < 0) return {};
  const std::u16string s = Get(Index);
  const size_t start = GetName(Index).size() + 1;
  return start < s.size() ? s.substr(start) : std::u16string();
}

void TzrWideStrings::SetValueFromIndex(int Index, const std::u16string& Value) {
  if (!Value.empty()) {
    if (Index < 0) Index = Add(u"");
    Put(Index, GetName(Index) + u"=" + Value);
  } else if (Index >= 0) {
    Delete(Index);
  }
}

void TzrWideStrings::SetSorted(bool Value) { FSorted = Value; }

void TzrWideStrings::SetCaseSensitive(bool Value) { FCaseSensitive = Value; }

// ---------------------------------------------------------------------------
// TzrWideStringList

TzrWideStringList::~TzrWideStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
}

int TzrWideStringList::CompareStrings(const std::u16string& S1, const std::u16string& S2) const {
  return zrCompareText(S1, S2, FCaseSensitive);
}

void TzrWideStringList::Changed() {
  if (FUpdateCount == 0 && OnChange) OnChange(this);
}

void TzrWideStringList::Changing() {
  if (FUpdateCount == 0 && OnChanging) OnChanging(this);
}

void TzrWideStringList::SetUpdateState(bool Updating) {
  if (Updating) {
    Changing();
  } else {
    Changed();
  }
}

std::u16string TzrWideStringList::Get(int Index) const {
  if (!CheckIndex(Index)) return {};
  return FList[Index].FString;
}

TObject* TzrWideStringList::GetObject(int Index) const {
  if (!CheckIndex(Index)) return nullptr;
  return FList[Index].FObject;
}

void TzrWideStringList::Put(int Index, const std::u16string& S) {
  if (FSorted) Error(SSortedListError, 0);
  if (!CheckIndex(Index)) return;
  Changing();
  FList[Index].FString = S;
  Changed();
}

void TzrWideStringList::PutObject(int Index, TObject* AObject) {
  if (!CheckIndex(Index)) return;
  Changing();
  FList[Index].FObject = AObject;
  Changed();
}

void TzrWideStringList::SetCapacity(int NewCapacity) {
  if (NewCapacity < GetCount()) return;
  FCapacity = NewCapacity;
  FList.reserve(NewCapacity);
}

void TzrWideStringList::Grow() {
  const int delta = FCapacity > 64 ? FCapacity / 4 : (FCapacity > 8 ? 16 : 4);
  SetCapacity(FCapacity + delta);
}

void TzrWideStringList::Exchange(int Index1, int Index2) {
  if (!CheckIndexes(Index1, Index2)) return;
  Changing();
  std::swap(FList[Index1], FList[Index2]);
  Changed();
}

int TzrWideStringList::IndexOf(const std::u16string& S) const {
  // A list kept in object order is not ordered by text: search it item by item.
  if (!FSorted || FSortByObject) return TzrWideStrings::IndexOf(S);
  int index = -1;
  return Find(S, index) ? index : -1;
}

void TzrWideStringList::Insert(int Index, const std::u16string& S) {
  if (FSorted) Error(SSortedListError, 0);
  if (Index < 0 || Index > GetCount()) {
    Error(SListIndexError, Index);
    return;
  }
  InsertItem(Index, S);
}

void TzrWideStringList::InsertItem(int Index, const std::u16string& S) {
  Changing();
  if (GetCount() == FCapacity) Grow();
  FList.insert(FList.begin() + Index, TItem{S, nullptr});
  Changed();
}

int TzrWideStringList::Add(const std::u16string& S) {
  int index = GetCount();
  if (FSorted && !FSortByObject && Find(S, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) Error(SDuplicateString, 0);
  }
  InsertItem(index, S);
  return index;
}

void TzrWideStringList::Delete(int Index) {
  if (!CheckIndex(Index)) return;
  Changing();
  FList.erase(FList.begin() + Index);
  Changed();
}

void TzrWideStringList::Clear() {
  if (FList.empty()) return;
  Changing();
  FList.clear();
  FList.shrink_to_fit();
  FCapacity = 0;
  Changed();
}

int TzrWideStringList::CompareItems(const TItem& A, const TItem& B) const {
  if (!FSortByObject) return CompareStrings(A.FString, B.FString);
  return CompareObjects(A.FObject, B.FObject);
}

void TzrWideStringList::QuickSort(int L, int R) {
  int I = L;
  do {
    I = L;
    int J = R;
    const TItem pivot = FList[(L + R) / 2];
    do {
      while (CompareItems(FList[I], pivot) < 0) ++I;
      while (CompareItems(FList[J], pivot) > 0) --J;
      if (I <= J) {
        if (I != J) std::swap(FList[I], FList[J]);
        ++I;
        --J;
      }
    } while (I <= J);
    if (L < J) QuickSort(L, J);
    L = I;
  } while (I < R);
}

void TzrWideStringList::SortItems() {
  if (GetCount() > 1) QuickSort(0, GetCount() - 1);
}

void TzrWideStringList::Sort() {
  if (FSorted || GetCount() < 2) return;
  Changing();
  SortItems();
  Changed();
}

void TzrWideStringList::SetSorted(bool Value) {
  if (FSorted == Value) return;
  if (Value) Sort();
  FSorted = Value;
}

// A sorted list is put in the new order at once, so that searching keeps
// finding every string after the rule changes.
void TzrWideStringList::SetCaseSensitive(bool Value) {
  if (FCaseSensitive == Value) return;
  FCaseSensitive = Value;
  if (!FSorted || GetCount() < 2) return;
  Changing();
  SortItems();
  Changed();
}

namespace {

// Binary search of a sorted list; CompareAt(I) compares item I with the
// searched value. With StopAtMatch the search ends at the first match it
// meets, otherwise it goes on to the first of the equal items. Index is that
// match, or the place where the value would go.
template <typename TCompareAt>
bool FindSorted(int Count, bool StopAtMatch, TCompareAt CompareAt, int& Index) {
  bool found = false;
  int L = 0, H = Count - 1;
  while (L <= H) {
    const int I = (L + H) / 2;
    const int C = CompareAt(I);
    if (C < 0) {
      L = I + 1;
    } else {
      H = I - 1;
      if (C == 0) {
        found = true;
        if (StopAtMatch) L = I;
      }
    }
  }
  Index = L;
  return found;
}

}  // namespace

bool TzrWideStringList::Find(const std::u16string& S, int& Index) const {
  return FindSorted(
      GetCount(), FDuplicates != dupAccept,
      [&](int I) { return CompareStrings(FList[I].FString, S); }, Index);
}

bool TzrWideStringList::FindByObject(TObject* AObject, int& Index) const {
  return FindSorted(
      GetCount(), FDuplicates != dupAccept,
      [&](int I) { return CompareObjects(FList[I].FObject, AObject); }, Index);
}
