#include "platform/zip/ZipFile.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace fs = std::filesystem;

void TZipFile::Open(const std::string& fileName) {
  Close();
  int error = 0;
  FZip = zip_open(fileName.c_str(), ZIP_RDONLY, &error);
  if (!FZip) {
    zip_error_t z;
    zip_error_init_with_code(&z, error);
    const std::string text = zip_error_strerror(&z);
    zip_error_fini(&z);
    throw EZipError(fileName + ": " + text);
  }
  FFileName = fileName;
}

void TZipFile::Close() {
  if (FZip) zip_discard(FZip);
  FZip = nullptr;
}

std::vector<std::string> TZipFile::Entries() const {
  std::vector<std::string> names;
  if (!FZip) return names;
  const zip_int64_t count = zip_get_num_entries(FZip, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(FZip, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
    names.push_back(name ? name : "");
  }
  return names;
}

bool TZipFile::IsSafeEntryName(const std::string& name) {
  if (name.empty() || name[0] == '/' || name[0] == '\\') return false;
  if (name.size() >= 2 && name[1] == ':') return false;  // a drive name such as "C:"
  size_t start = 0;
  for (;;) {
    const size_t end = name.find_first_of("/\\", start);
    const std::string part = name.substr(start, end == std::string::npos ? end : end - start);
    if (part == "..") return false;
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

void TZipFile::ExtractAll(const std::string& folder) const {
  if (!FZip) throw EZipError("No archive is open");
  const std::vector<std::string> names = Entries();
  for (const std::string& name : names)
    if (!IsSafeEntryName(name))
      throw EZipError(FFileName + ": the entry \"" + name + "\" lies outside the folder");
  for (size_t i = 0; i < names.size(); ++i)
    ExtractEntry(static_cast<long long>(i), names[i], folder);
}

void TZipFile::ExtractEntry(long long index, const std::string& name,
                            const std::string& folder) const {
  std::string relative = name;
  for (char& c : relative)
    if (c == '\\') c = '/';
  const fs::path target = fs::path(folder) / relative;
  std::error_code ec;
  if (relative.back() == '/') {
    fs::create_directories(target, ec);
    if (ec) throw EZipError("Cannot create the folder " + target.string());
    return;
  }
  fs::create_directories(target.parent_path(), ec);
  std::unique_ptr<zip_file_t, decltype(&zip_fclose)> entry(
      zip_fopen_index(FZip, static_cast<zip_uint64_t>(index), 0), &zip_fclose);
  if (!entry) throw EZipError(FFileName + ": cannot read the entry \"" + name + "\"");
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  if (!out) throw EZipError("Cannot create the file " + target.string());
  char buffer[65536];
  for (;;) {
    const zip_int64_t n = zip_fread(entry.get(), buffer, sizeof(buffer));
    if (n < 0) throw EZipError(FFileName + ": the entry \"" + name + "\" is damaged");
    if (n == 0) break;
    out.write(buffer, n);
  }
  if (!out.flush()) throw EZipError("Cannot write the file " + target.string());
}
