#pragma once
// Reading ZIP archives over libzip: the entry names and extraction into a
// folder. Extraction checks every name first: an archive holding an absolute
// name, a drive name or a ".." part would write outside the folder, so it is
// refused whole and nothing is written.
//
// Extraction is staged: every entry is unpacked to a temporary file beside
// its target and checked (the archive's structure, each entry's checksum and
// size, the size limits) before any target changes; only a staging whose
// every entry arrived whole renames them into place. Several archives can be
// staged into one staging and put in place together.

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/rtl/SysUtils.h"

typedef struct zip zip_t;

class EZipError : public Exception {
 public:
  using Exception::Exception;
};

// Files unpacked beside their targets and not yet in place. What is neither
// committed nor discarded is removed with the staging.
class TZipStaging {
 public:
  TZipStaging() = default;
  ~TZipStaging() { Discard(); }
  TZipStaging(const TZipStaging&) = delete;
  TZipStaging& operator=(const TZipStaging&) = delete;

  // Renames every staged file over its target, in the order they were
  // staged (a later entry of the same name wins). Raises EZipError, before
  // renaming anything, when a target has become a folder; when a rename
  // fails, what was not renamed stays staged.
  void Commit();
  // Removes every staged file and the folders made for them.
  void Discard();
  // The targets staged so far, in order.
  std::vector<std::string> Targets() const;

 private:
  friend class TZipFile;
  struct TFile {
    std::string Temp, Target;
  };
  std::vector<TFile> FFiles;
  std::vector<std::string> FFolders;  // made by the staging, outer ones first
  uint64_t FTotal = 0;                // bytes unpacked into the staging so far
};

class TZipFile {
 public:
  TZipFile() = default;
  ~TZipFile() { Close(); }
  TZipFile(const TZipFile&) = delete;
  TZipFile& operator=(const TZipFile&) = delete;

  // Opens the archive for reading with libzip's consistency checks; raises
  // EZipError when it is not one or its directory contradicts itself.
  void Open(const std::string& fileName);
  void Close();
  // The stored names, in archive order.
  std::vector<std::string> Entries() const;
  // Writes every entry below folder (created when missing) under its stored
  // relative path; folders of the paths are made as needed. All entries are
  // staged first: on any error (an unsafe name, a damaged entry, a size over
  // the limits) it raises EZipError and no existing file has changed.
  void ExtractAll(const std::string& folder) const;
  // Unpacks every entry beside its target below folder into staging and
  // checks it. Names and stored sizes are checked before anything is
  // written; an entry's inflated bytes are counted while they are written,
  // so an entry that inflates past its stored size or a limit stops there.
  // Raises EZipError; what was staged stays in staging for its owner.
  void Stage(const std::string& folder, TZipStaging& staging) const;

  // The most one entry may inflate to, and the most a staging may hold in
  // all (every archive staged into it); no limit by default.
  uint64_t MaxEntrySize = std::numeric_limits<uint64_t>::max();
  uint64_t MaxTotalSize = std::numeric_limits<uint64_t>::max();

  // False for names that would leave the folder they are extracted into.
  static bool IsSafeEntryName(const std::string& name);

 private:
  void CheckEntries(const std::vector<std::string>& names, uint64_t stagedBefore) const;
  void StageEntry(long long index, const std::string& name, const std::string& folder,
                  TZipStaging& staging) const;
  void Unpack(long long index, const std::string& name, int fd, TZipStaging& staging) const;
  zip_t* FZip = nullptr;
  std::string FFileName;
};
