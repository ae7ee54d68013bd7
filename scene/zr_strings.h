#pragma once
// The toolkit's lists of wide (UTF-16) strings, each string carrying an
// optional object, and the typed key/value storage built on them.
//
// TzrWideStrings is the abstract list with its text, comma, name=value and
// file forms; TzrWideStringList is the array-backed list that can be kept
// sorted. A list owns its strings, never the objects attached to them.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "scene/zr_stream.h"

// One character of the program's ANSI code page (Windows-1252) and back;
// characters outside it become "?".
char16_t AnsiCharToWide(uint8_t b);
uint8_t WideCharToAnsi(char16_t c);

class TzrWideStrings : public TPersistent {
 public:
  TzrWideStrings() = default;
  ~TzrWideStrings() override = default;
  TzrWideStrings(const TzrWideStrings&) = delete;
  TzrWideStrings& operator=(const TzrWideStrings&) = delete;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Order of two strings; the base treats every pair as equal.
  virtual int CompareStrings(const std::u16string& S1, const std::u16string& S2) const;
  virtual std::u16string Get(int Index) const = 0;
  virtual int GetCapacity() const { return GetCount(); }
  virtual int GetCount() const = 0;
  virtual TObject* GetObject(int Index) const;
  virtual std::u16string GetTextStr() const;
  // Replaces the string at Index, keeping its object.
  virtual void Put(int Index, const std::u16string& S);
  virtual void PutObject(int Index, TObject* AObject);
  virtual void SetCapacity(int NewCapacity);
  virtual void SetTextStr(const std::u16string& Value);
  virtual int AddObject(const std::u16string& S, TObject* AObject);
  // Adds every item (string and object) inside one update bracket.
  virtual void AddStrings(const TStrings& Strings);
  virtual void AddStrings(const TzrWideStrings& Strings);
  virtual void Exchange(int Index1, int Index2);
  virtual int IndexOf(const std::u16string& S) const;
  virtual int IndexOfName(const std::u16string& Name) const;
  virtual int IndexOfValue(const std::u16string& Value) const;
  virtual void Insert(int Index, const std::u16string& S) = 0;
  // Reads the text from a file; a missing or unreadable file leaves the list as it is.
  virtual void LoadFromFile(const std::string& FileName);
  // Reads the bytes from the position to the end: UTF-16LE after an FF FE or
  // FE FF mark, else 8-bit text in the ANSI code page (Windows-1252).
  virtual void LoadFromStream(TStream& Stream);
  virtual void Move(int CurIndex, int NewIndex);
  // Writes FF FE and the text as UTF-16LE; a file that cannot be created
  // raises EFCreateError.
  virtual void SaveToFile(const std::string& FileName) const;
  // Writes the lines in the ANSI code page (Windows-1252), each ended by CR LF.
  virtual void SaveToAnsiFile(const std::string& FileName) const;
  virtual void SaveToStream(TStream& Stream) const;
  virtual void SetText(const char16_t* Text);
  virtual void Sort() {}
  virtual int Add(const std::u16string& S);
  virtual void Delete(int Index);
  virtual void Clear() {}

  void Append(const std::u16string& S) { Add(S); }
  void InsertObject(int Index, const std::u16string& S, TObject* AObject);
  int IndexOfObject(TObject* AObject) const;
  // Copies a wide list or a platform string list (strings and objects).
  void Assign(TPersistent* Source) override;
  // The stream entry "strings": a list value of the strings (objects are not
  // streamed), written when the list is not empty.
  void DefineProperties(TFiler* Filer) override;
  // Same count and the same strings, compared exactly.
  bool Equals(const TzrWideStrings& Strings) const;

  void BeginUpdate();
  void EndUpdate();
  int GetUpdateCount() const { return FUpdateCount; }

  std::u16string Items(int Index) const { return Get(Index); }
  void SetItem(int Index, const std::u16string& Text) { Put(Index, Text); }

  std::u16string GetCommaText() const;
  void SetCommaText(const std::u16string& Value);
  std::u16string GetName(int Index) const;
  std::u16string GetValue(const std::u16string& Name) const;
  void SetValue(const std::u16string& Name, const std::u16string& Value);
  std::u16string GetValueFromIndex(int Index) const;
  void SetValueFromIndex(int Index, const std::u16string& Value);

  bool GetSorted() const { return FSorted; }
  virtual void SetSorted(bool Value);
  bool GetCaseSensitive() const { return FCaseSensitive; }
  virtual void SetCaseSensitive(bool Value);

 protected:
  // Fills a wide list or a platform string list with this list's items.
  void AssignTo(TPersistent* Dest) override;
  virtual void SetUpdateState(bool /*Updating*/) {}
  // Hook for the reports "List index error", "Sorted list error" and
  // "Doublicate string"; the calls that report them decide what happens next.
  virtual void Error(const std::string& /*Msg*/, int /*Data*/) const {}
  // True when Index names an item; otherwise reports "List index error" with it.
  bool CheckIndex(int Index) const;
  // True when both name items; otherwise reports the first that does not.
  bool CheckIndexes(int Index1, int Index2) const;

  int FUpdateCount = 0;
  bool FCaseSensitive = false;
  bool FSorted = false;
};

// The array-backed list; it can be kept sorted by text or by object.
class TzrWideStringList : public TzrWideStrings {
 public:
  TzrWideStringList() = default;
  ~TzrWideStringList() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  int CompareStrings(const std::u16string& S1, const std::u16string& S2) const override;
  std::u16string Get(int Index) const override;
  int GetCapacity() const override { return FCapacity; }
  int GetCount() const override { return static_cast<int>(FList.size()); }
  TObject* GetObject(int Index) const override;
  void Put(int Index, const std::u16string& S) override;
  void PutObject(int Index, TObject* AObject) override;
  void SetCapacity(int NewCapacity) override;
  void Exchange(int Index1, int Index2) override;
  int IndexOf(const std::u16string& S) const override;
  void Insert(int Index, const std::u16string& S) override;
  void Sort() override;
  int Add(const std::u16string& S) override;
  void Delete(int Index) override;
  void Clear() override;
  void SetSorted(bool Value) override;
  void SetCaseSensitive(bool Value) override;

  // Binary search by CompareStrings: true when found; Index is the position
  // found (the first equal one when duplicates are accepted) or the insert position.
  bool Find(const std::u16string& S, int& Index) const;
  // The same over object references, ordered by descending address.
  bool FindByObject(TObject* AObject, int& Index) const;

  TDuplicates GetDuplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  bool GetSortByObject() const { return FSortByObject; }
  void SetSortByObject(bool Value) { FSortByObject = Value; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool Updating) override;
  virtual void Changed();
  virtual void Changing();

 private:
  struct TItem {
    std::u16string FString;
    TObject* FObject = nullptr;
  };

  void Grow();
  void InsertItem(int Index, const std::u16string& S);
  void SortItems();
  void QuickSort(int L, int R);
  // Order of two items by the current sort key (text, or object address).
  int CompareItems(const TItem& A, const TItem& B) const;

  std::vector<TItem> FList;
  int FCapacity = 0;
  TDuplicates FDuplicates = dupIgnore;
  bool FSortByObject = false;
};

// One typed value of a TzrStorage; its type is the value tag of object streams
// (Null until a value is given).
class TzrStorageItem : public TPersistent {
 public:
  TzrStorageItem() = default;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TValueType GetType() const { return FType; }
  void SetType(TValueType Value) { FType = Value; }
  // Setting a value also sets the type: Int32, Single, WString, True/False.
  int32_t GetAsInteger() const { return FAsInteger; }
  void SetAsInteger(int32_t Value);
  float GetAsFloat() const { return FAsFloat; }
  void SetAsFloat(float Value);
  const std::u16string& GetAsString() const { return FAsString; }
  void SetAsString(const std::u16string& Value);
  bool GetAsBool() const { return FType == TValueType::True; }
  void SetAsBool(bool Value);
  // The item's bytes, created on first use; asking for them makes the item binary.
  TMemoryStream& GetAsStream();

 private:
  friend class TzrStorage;
  TValueType FType = TValueType::Null;
  std::u16string FAsString;
  float FAsFloat = 0;
  int32_t FAsInteger = 0;
  std::unique_ptr<TMemoryStream> FStream;
};

// A small typed key/value store kept as an object stream with one object
// "Root" whose properties are the items. Names are found without regard to
// case. The storage owns its items.
class TzrStorage : public TPersistent {
 public:
  TzrStorage() = default;
  ~TzrStorage() override;
  TzrStorage(const TzrStorage&) = delete;
  TzrStorage& operator=(const TzrStorage&) = delete;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The item stored under Name; a missing name gets a new empty item.
  TzrStorageItem& GetValues(const std::u16string& Name);
  int GetCount() const { return FItems.GetCount(); }
  std::u16string GetName(int Index) const { return FItems.Get(Index); }

  // Items that never received a value are not written.
  void SaveToStream(TStream& Stream) const;
  // A damaged stream raises EReadError; the items read before the damage stay.
  void LoadFromStream(TStream& Stream);
  // The same stream in its text form; file errors reach the caller.
  void SaveToFile(const std::string& FileName) const;
  void LoadFromFile(const std::string& FileName);

 private:
  TzrWideStringList FItems;
};
