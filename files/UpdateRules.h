#pragma once
// The rules the update checks and the download dialog share: how versions
// compare, how an address list splits, which addresses are archives or
// installers, and what file name a download gets.

#include <string>
#include <vector>

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
