#pragma once
// In-memory ini file over a UTF-8 text file. The whole file is loaded once;
// reads are served from memory and writes change the memory copy until
// UpdateFile saves it.
//
// Format: one entry per line, each trimmed of surrounding blanks; "[name]"
// opens a section; "key=value" is split at the first "=", both sides trimmed.
// Section and key names compare without regard to letter case. Lines that are
// no entry (comments, blank lines, lines without "=", lines before the first
// section) are kept and written back but found by no read. A leading UTF-8
// byte-order mark is skipped; none is ever written. Line ends may be CR LF or
// LF; a saved file keeps the line end its loaded text used.
//
// Any number of threads may read at the same time; writes take the object for
// themselves.

#include <memory>
#include <shared_mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/rtl/Classes.h"

class TMemIniFile : public TObject {
 public:
  // Loads FileName when it exists; a missing or unreadable file gives an empty object.
  explicit TMemIniFile(const std::string& FileName);
  ~TMemIniFile() override;
  std::string ClassName() const override { return "TMemIniFile"; }

  const std::string& GetFileName() const { return FFileName; }

  // Missing key: Default. A key present with an empty value gives "".
  std::string ReadString(const std::string& Section, const std::string& Ident,
                         const std::string& Default) const;
  // Decimal, or hexadecimal after "0x" or "$"; anything else (and "") gives Default.
  int ReadInteger(const std::string& Section, const std::string& Ident, int Default) const;
  // An integer: 0 is false, any other number true; a value that is no number gives Default.
  bool ReadBool(const std::string& Section, const std::string& Ident, bool Default) const;
  // Always with "." as decimal separator; a value that is no number gives Default.
  double ReadFloat(const std::string& Section, const std::string& Ident, double Default) const;

  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value);
  void WriteInteger(const std::string& Section, const std::string& Ident, int Value);
  // Written as "1" or "0".
  void WriteBool(const std::string& Section, const std::string& Ident, bool Value);
  void WriteFloat(const std::string& Section, const std::string& Ident, double Value);

  // Key names of a section, in file order.
  std::vector<std::string> ReadSection(const std::string& Section) const;
  // Section names, in file order.
  std::vector<std::string> ReadSections() const;
  // "key=value" for every key of a section, in file order.
  std::vector<std::string> ReadSectionValues(const std::string& Section) const;
  bool SectionExists(const std::string& Section) const;
  bool ValueExists(const std::string& Section, const std::string& Ident) const;
  void EraseSection(const std::string& Section);
  void DeleteKey(const std::string& Section, const std::string& Ident);

  // Writes the memory copy to the file (UTF-8, no byte-order mark). The file is
  // replaced at once, so a failed save leaves the old file whole. Raises
  // EStreamError when the file cannot be written.
  void UpdateFile();

 private:
  struct TLine {
    bool IsEntry = false;  // "key=value"; otherwise Text holds the raw line
    std::string Key;
    std::string Value;
    std::string Text;
  };
  struct TSection {
    std::string Name;
    std::vector<TLine> Lines;
    // Folded key name -> index of its first entry line.
    std::unordered_map<std::string, size_t> Index;
    void Reindex();
  };

  void Load(const std::string& text);
  TSection* FindSection(const std::string& name) const;
  const TLine* FindEntry(const std::string& section, const std::string& ident) const;
  std::string Text() const;

  std::string FFileName;
  std::string FLineBreak = "\n";
  std::vector<std::string> FPreamble;  // lines before the first section
  std::vector<std::unique_ptr<TSection>> FSections;
  std::unordered_map<std::string, TSection*> FSectionIndex;
  mutable std::shared_mutex FLock;
};

// Text-to-number rules of the ini reads, shared with other readers of ini-style values.
// Decimal, or hexadecimal after "0x"/"0X" or "$", optional sign; false when no number.
bool TryIniTextToInt(const std::string& text, int& value);
// A number with "." as decimal separator; false when no number.
bool TryIniTextToFloat(const std::string& text, double& value);
