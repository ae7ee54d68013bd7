#include "files/UpdateRules.h"

#include <cctype>

#include "platform/rtl/SysUtils.h"
#include "platform/zip/ZipFile.h"

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Compares the digit runs starting at a[i] and b[j] as numbers and moves both
// indexes past them.
int CompareNumberRuns(const std::string& a, size_t& i, const std::string& b, size_t& j) {
  while (i < a.size() && a[i] == '0' && i + 1 < a.size() && IsDigit(a[i + 1])) ++i;
  while (j < b.size() && b[j] == '0' && j + 1 < b.size() && IsDigit(b[j + 1])) ++j;
  size_t endA = i, endB = j;
  while (endA < a.size() && IsDigit(a[endA])) ++endA;
  while (endB < b.size() && IsDigit(b[endB])) ++endB;
  int order = 0;
  if (endA - i != endB - j)
    order = endA - i < endB - j ? -1 : 1;
  else
    order = a.compare(i, endA - i, b, j, endB - j);
  i = endA;
  j = endB;
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

}  // namespace

int CompareVersions(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      if (const int order = CompareNumberRuns(a, i, b, j)) return order;
      continue;
    }
    const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[j]);
    if (ca != cb) return ca < cb ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

std::vector<std::string> SplitUrlList(const std::string& list) {
  std::vector<std::string> urls;
  size_t start = 0;
  for (;;) {
    const size_t end = list.find('|', start);
    std::string item = list.substr(start, end == std::string::npos ? end : end - start);
    if (!item.empty()) urls.push_back(item);
    if (end == std::string::npos) return urls;
    start = end + 1;
  }
}

bool HasUpdateKind(const std::string& url, const std::string& extension) {
  const size_t dot = url.rfind('.');
  return url.substr(dot == std::string::npos ? 0 : dot, 4) == extension;
}

std::string DownloadFileName(const std::string& url) {
  const size_t slash = url.rfind('/');
  const std::string name = slash == std::string::npos ? url : url.substr(slash + 1);
  if (name.empty() || name == "." || name == "..")
    throw Exception("The address " + url + " names no file");
  return name;
}

void StageDatabaseArchive(const std::string& archive, const std::string& folder,
                          TZipStaging& staging) {
  TZipFile zip;
  zip.MaxEntrySize = MaxUpdateEntrySize;
  zip.MaxTotalSize = MaxUpdateRunSize;
  zip.Open(archive);
  zip.Stage(folder, staging);
}
