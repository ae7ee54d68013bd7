#pragma once
// The rules the update checks and the download dialog share: how versions
// compare, how an address list splits, which addresses are archives or
// installers, and what file name a download gets.

#include <cstdint>
#include <string>
#include <vector>

class TZipStaging;

// Negative when a is older than b, 0 when equal, positive when newer. Runs of
// digits compare as numbers (V1.10.0 is newer than V1.9.0, leading zeros do
// not count), other characters byte by byte; a proper prefix is older, so any
// version is newer than an empty one.
int CompareVersions(const std::string& a, const std::string& b);

// The addresses of a list separated by "|", in order, empty items left out.
std::vector<std::string> SplitUrlList(const std::string& list);

// The kind test: the text from the address's last "." on, 4 characters long
// (from its start when it has no "."), equals extension, letter case significant.
bool HasUpdateKind(const std::string& url, const std::string& extension);

// The part of the address after its last "/" (the whole address when it has
// none). Raises Exception when that part is empty, "." or "..", which name no file.
std::string DownloadFileName(const std::string& url);

// The most one entry of a database update archive may inflate to, and the
// most all archives of one download run may. A model database with its
// firmware images is a few hundred kilobytes; these leave ample room while
// an archive that inflates far beyond what it could hold is refused before
// its entry is written.
constexpr uint64_t MaxUpdateEntrySize = uint64_t(64) << 20;
constexpr uint64_t MaxUpdateRunSize = uint64_t(256) << 20;

// Unpacks a downloaded database archive beside the files it replaces below
// folder, into staging, checked with the limits above. Raises EZipError for a
// damaged, unsafe or oversized archive; nothing is in place until the staging
// is committed.
void StageDatabaseArchive(const std::string& archive, const std::string& folder,
                          TZipStaging& staging);
