#pragma once
// String lists: TStrings, the interface every list of text lines shares (text,
// comma text, name=value pairs, files), and TStringList, the list that keeps
// its strings itself, optionally sorted. Strings are UTF-8.

#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"

class TStream;

enum TDuplicates { dupIgnore, dupAccept, dupError };

// Compares without regard to letter case (any script GLib can fold), then by
// code points: negative, zero or positive.
int CompareTextUtf8(const std::string& a, const std::string& b);
// Letter case counts, a lower-case letter before its upper-case form:
// "a" < "A" < "b" < "B".
int CompareStrUtf8(const std::string& a, const std::string& b);

class TStrings : public TPersistent {
 public:
  TStrings() = default;
  TStrings(const TStrings&) = delete;
  TStrings& operator=(const TStrings&) = delete;
  std::string ClassName() const override { return "TStrings"; }

  // What a concrete list provides.
  virtual int GetCount() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& s);
  virtual TObject* GetObject(int index) const;
  virtual void PutObject(int index, TObject* object);
  virtual void Insert(int index, const std::string& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  int Count() const { return GetCount(); }
  std::string operator[](int index) const { return Get(index); }
  std::string GetStrings(int index) const { return Get(index); }
  void SetStrings(int index, const std::string& s) { Put(index, s); }
  TObject* GetObjects(int index) const { return GetObject(index); }
  void SetObjects(int index, TObject* object) { PutObject(index, object); }

  // Appends (a sorted list puts it in place); returns the string's index.
  virtual int Add(const std::string& s);
  virtual int AddObject(const std::string& s, TObject* object);
  virtual void InsertObject(int index, const std::string& s, TObject* object);
  void AddStrings(const TStrings& strings);
  // Copies the strings and objects of another list.
  void Assign(TPersistent* Source) override;

  // The first index of s (letter case as CompareStrings says), or -1.
  virtual int IndexOf(const std::string& s) const;
  int IndexOfName(const std::string& name) const;
  int IndexOfObject(const TObject* object) const;

  // Change events wait until the outermost EndUpdate.
  void BeginUpdate();
  void EndUpdate();

  // Each string followed by a line feed. Setting splits at CR LF, LF or CR.
  std::string GetText() const;
  virtual void SetText(const std::string& text);
  // The strings separated by ",", quoted with '"' where they hold blanks,
  // control characters, commas or quotes. Setting also splits at blanks.
  std::string GetCommaText() const;
  void SetCommaText(const std::string& text);
  // As CommaText, with Delimiter and QuoteChar; with StrictDelimiter only the
  // delimiter separates and only the delimiter or a quote makes a quote.
  std::string GetDelimitedText() const;
  void SetDelimitedText(const std::string& text);
  char GetDelimiter() const { return FDelimiter; }
  void SetDelimiter(char delimiter) { FDelimiter = delimiter; }
  char GetQuoteChar() const { return FQuoteChar; }
  void SetQuoteChar(char quote) { FQuoteChar = quote; }
  bool GetStrictDelimiter() const { return FStrictDelimiter; }
  void SetStrictDelimiter(bool strict) { FStrictDelimiter = strict; }

  // name=value lines. Names compare as CompareStrings says.
  char GetNameValueSeparator() const { return FNameValueSeparator; }
  void SetNameValueSeparator(char separator) { FNameValueSeparator = separator; }
  // The text before the first separator; empty when there is none.
  std::string GetNames(int index) const;
  // The value of the first line with that name; empty when there is none.
  std::string GetValues(const std::string& name) const;
  // Replaces the line's value, adds a line, or with an empty value deletes it.
  void SetValues(const std::string& name, const std::string& value);
  // The text after the first separator; empty when there is none.
  std::string GetValueFromIndex(int index) const;
  void SetValueFromIndex(int index, const std::string& value);

  // UTF-8 text; a leading byte-order mark is skipped, none is written.
  // Open failures raise EFOpenError / EFCreateError.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;

  // How the list compares strings: here without regard to letter case.
  virtual int CompareStrings(const std::string& a, const std::string& b) const;

 protected:
  // Called with true when the first BeginUpdate starts, false when the last ends.
  virtual void SetUpdateState(bool updating) { (void)updating; }
  int UpdateCount() const { return FUpdateCount; }
  // Raises EListError "List index out of bounds (<index>)".
  [[noreturn]] static void IndexError(int index);

 private:
  std::string QuotedItem(const std::string& s, char quote, char delimiter, bool strict) const;
  void ReplaceLine(int index, const std::string& line);
  void ParseDelimited(const std::string& text, char quote, char delimiter, bool strict);

  char FDelimiter = ',';
  char FQuoteChar = '"';
  bool FStrictDelimiter = false;
  char FNameValueSeparator = '=';
  int FUpdateCount = 0;
};

class TStringList : public TStrings {
 public:
  std::string ClassName() const override { return "TStringList"; }

  int GetCount() const override { return static_cast<int>(FList.size()); }
  std::string Get(int index) const override;
  // Replacing a string of a sorted list raises EListError.
  void Put(int index, const std::string& s) override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  // Inserting by index into a sorted list raises EListError.
  void Insert(int index, const std::string& s) override;
  void InsertObject(int index, const std::string& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  void Exchange(int index1, int index2);

  // Sorted: goes in place; an equal string is ignored (returning its index),
  // accepted before the equal ones, or refused with EListError, as Duplicates says.
  int Add(const std::string& s) override;
  int AddObject(const std::string& s, TObject* object) override;
  int IndexOf(const std::string& s) const override;
  // Binary search of a sorted list: true when found; index is where s is or
  // would go (the first of equal strings when duplicates are accepted).
  bool Find(const std::string& s, int& index) const;
  // Sorts the strings (stable); a sorted list already is.
  virtual void Sort();

  bool GetSorted() const { return FSorted; }
  void SetSorted(bool sorted);
  TDuplicates GetDuplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates duplicates) { FDuplicates = duplicates; }
  bool GetCaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool caseSensitive);

  int CompareStrings(const std::string& a, const std::string& b) const override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool updating) override;
  void Changed();
  void Changing();

 private:
  struct TItem {
    std::string FString;
    TObject* FObject = nullptr;
  };
  void CheckIndex(int index) const;
  void InsertItem(int index, const std::string& s, TObject* object);
  void SortItems();

  std::vector<TItem> FList;
  bool FSorted = false;
  TDuplicates FDuplicates = dupIgnore;
  bool FCaseSensitive = false;
};
