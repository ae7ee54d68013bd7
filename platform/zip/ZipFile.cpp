#include "platform/zip/ZipFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

// Closes a file descriptor once.
struct TFd {
  int Value = -1;
  ~TFd() {
    if (Value >= 0) ::close(Value);
  }
  bool Close() {
    const int fd = Value;
    Value = -1;
    return ::close(fd) == 0;
  }
};

// Creates a new file beside target, named after it, with the mode a new file
// gets (0666 less the umask); temp receives its name. -1 when it cannot.
int CreateBeside(const std::string& target, std::string& temp) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = target + "." + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".part";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= size_t(n);
  }
  return true;
}

std::string MiB(uint64_t bytes) { return std::to_string(bytes / (1024 * 1024)) + " MiB"; }

}  // namespace

// --- TZipStaging ---

void TZipStaging::Commit() {
  // A target the staging itself made a folder of (an archive naming "x" and
  // "x/y") cannot be replaced: refused before anything is renamed.
  for (const TFile& f : FFiles) {
    std::error_code ec;
    if (fs::is_directory(f.Target, ec))
      throw EZipError("Cannot replace " + f.Target + ": it is a folder");
  }
  for (size_t done = 0; done < FFiles.size(); ++done) {
    const TFile& f = FFiles[done];
    if (std::rename(f.Temp.c_str(), f.Target.c_str()) == 0) continue;
    const std::string reason = std::strerror(errno), target = f.Target;
    FFiles.erase(FFiles.begin(), FFiles.begin() + std::ptrdiff_t(done));
    throw EZipError("Cannot replace the file " + target + ": " + reason);
  }
  FFiles.clear();
  FFolders.clear();
  FTotal = 0;
}

void TZipStaging::Discard() {
  std::error_code ec;
  for (const TFile& f : FFiles) fs::remove(f.Temp, ec);
  // Inner folders first; a folder that holds something else stays.
  for (auto i = FFolders.rbegin(); i != FFolders.rend(); ++i) fs::remove(*i, ec);
  FFiles.clear();
  FFolders.clear();
  FTotal = 0;
}

std::vector<std::string> TZipStaging::Targets() const {
  std::vector<std::string> targets;
  for (const TFile& f : FFiles) targets.push_back(f.Target);
  return targets;
}

namespace {

// Makes the missing folders of path, outer ones first, and records them in
// folders so that a discarded staging removes them again.
void MakeFolders(const fs::path& path, std::vector<std::string>& folders) {
  fs::path current;
  for (const fs::path& part : path) {
    current /= part;
    if (current.empty() || part == "/") continue;
    std::error_code ec;
    if (fs::is_directory(current, ec)) continue;
    if (!fs::create_directory(current, ec) || ec)
      throw EZipError("Cannot create the folder " + current.string());
    folders.push_back(current.string());
  }
}

}  // namespace

// --- TZipFile ---

void TZipFile::Open(const std::string& fileName) {
  Close();
  int error = 0;
  FZip = zip_open(fileName.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
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
  TZipStaging staging;
  Stage(folder, staging);
  staging.Commit();
}

void TZipFile::Stage(const std::string& folder, TZipStaging& staging) const {
  if (!FZip) throw EZipError("No archive is open");
  const std::vector<std::string> names = Entries();
  CheckEntries(names, staging.FTotal);
  for (size_t i = 0; i < names.size(); ++i)
    StageEntry(static_cast<long long>(i), names[i], folder, staging);
}

// Names and stored sizes, before anything is written.
void TZipFile::CheckEntries(const std::vector<std::string>& names, uint64_t stagedBefore) const {
  uint64_t total = stagedBefore;
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    if (!IsSafeEntryName(name))
      throw EZipError(FFileName + ": the entry \"" + name + "\" lies outside the folder");
    zip_stat_t st;
    if (zip_stat_index(FZip, i, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
      throw EZipError(FFileName + ": the entry \"" + name + "\" has no size");
    if (st.size > MaxEntrySize)
      throw EZipError(FFileName + ": the entry \"" + name + "\" is larger than " +
                      MiB(MaxEntrySize));
    total += st.size;
    if (total < st.size || total > MaxTotalSize)
      throw EZipError(FFileName + ": the entries are larger than " + MiB(MaxTotalSize) + " in all");
  }
}

void TZipFile::StageEntry(long long index, const std::string& name, const std::string& folder,
                          TZipStaging& staging) const {
  std::string relative = name;
  for (char& c : relative)
    if (c == '\\') c = '/';
  const fs::path target = fs::path(folder) / relative;
  if (relative.back() == '/') {
    MakeFolders(target, staging.FFolders);
    return;
  }
  MakeFolders(target.parent_path(), staging.FFolders);
  struct stat old {};
  const bool replaces = ::stat(target.c_str(), &old) == 0;
  if (replaces && !S_ISREG(old.st_mode))
    throw EZipError("Cannot replace " + target.string() + ": it is not a file");
  TFd fd;
  std::string temp;
  fd.Value = CreateBeside(target.string(), temp);
  if (fd.Value < 0) throw EZipError("Cannot create a file beside " + target.string());
  staging.FFiles.push_back({temp, target.string()});
  // A replaced file keeps its permissions.
  if (replaces) (void)fchmod(fd.Value, old.st_mode & 07777);
  Unpack(index, name, fd.Value, staging);
  if (!fd.Close()) throw EZipError("Cannot write the file " + temp);
}

// Inflates the entry into fd, counting bytes against its stored size and the
// limits; libzip checks the checksum when the whole entry has been read.
void TZipFile::Unpack(long long index, const std::string& name, int fd,
                      TZipStaging& staging) const {
  const zip_uint64_t i = static_cast<zip_uint64_t>(index);
  zip_stat_t st;
  if (zip_stat_index(FZip, i, 0, &st) != 0)
    throw EZipError(FFileName + ": cannot read the entry \"" + name + "\"");
  std::unique_ptr<zip_file_t, decltype(&zip_fclose)> entry(zip_fopen_index(FZip, i, 0),
                                                           &zip_fclose);
  if (!entry)
    throw EZipError(FFileName + ": cannot read the entry \"" + name + "\": " + zip_strerror(FZip));
  uint64_t written = 0;
  char buffer[65536];
  for (;;) {
    const zip_int64_t n = zip_fread(entry.get(), buffer, sizeof(buffer));
    if (n < 0)
      throw EZipError(FFileName + ": the entry \"" + name + "\" is damaged (" +
                      zip_file_strerror(entry.get()) + ")");
    if (n == 0) break;
    written += uint64_t(n);
    staging.FTotal += uint64_t(n);
    if (written > st.size || written > MaxEntrySize || staging.FTotal > MaxTotalSize)
      throw EZipError(FFileName + ": the entry \"" + name + "\" inflates past its size");
    if (!WriteAll(fd, buffer, size_t(n))) throw EZipError("Cannot write a file for " + name);
  }
  if (written != st.size)
    throw EZipError(FFileName + ": the entry \"" + name + "\" is shorter than its size");
}
