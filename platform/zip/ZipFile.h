#pragma once
// Reading ZIP archives over libzip: the entry names and extraction into a
// folder. Extraction checks every name first: an archive holding an absolute
// name, a drive name or a ".." part would write outside the folder, so it is
// refused whole and nothing is written.

#include <string>
#include <vector>

#include "platform/rtl/SysUtils.h"

typedef struct zip zip_t;

class EZipError : public Exception {
 public:
  using Exception::Exception;
};

class TZipFile {
 public:
  TZipFile() = default;
  ~TZipFile() { Close(); }
  TZipFile(const TZipFile&) = delete;
  TZipFile& operator=(const TZipFile&) = delete;

  // Opens the archive for reading; raises EZipError when it is not one.
  void Open(const std::string& fileName);
  void Close();
  // The stored names, in archive order.
  std::vector<std::string> Entries() const;
  // Writes every entry below folder (created when missing) under its stored
  // relative path; folders of the paths are made as needed. Raises EZipError
  // for an unsafe name (before writing anything) or a failed entry.
  void ExtractAll(const std::string& folder) const;

  // False for names that would leave the folder they are extracted into.
  static bool IsSafeEntryName(const std::string& name);

 private:
  void ExtractEntry(long long index, const std::string& name, const std::string& folder) const;
  zip_t* FZip = nullptr;
  std::string FFileName;
};
