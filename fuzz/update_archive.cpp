// Downloaded database update archives: the entry checks, the staged unpack
// beside the live files and the size limits. A refused archive leaves the
// folder as it was; an accepted one replaces files only on commit.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/UpdateRules.h"
#include "fuzz/fuzz_support.h"
#include "platform/zip/ZipFile.h"

namespace fs = std::filesystem;

namespace {

const char kLive[] = "LIVE DATABASE";

bool LiveUnchanged(const fs::path& folder) {
  std::ifstream in(folder / "car_settings.db3", std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  return bytes == kLive;
}

// True when the folder holds the live database alone, unchanged.
bool Untouched(const fs::path& folder) {
  int count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    (void)entry;
    ++count;
  }
  return count == 1 && LiveUnchanged(folder);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string archive = WriteScratchFile(Data, Size, ".zip");
  const fs::path folder =
      fs::temp_directory_path() / ("esctool_fuzz_" + std::to_string(getpid()) + "_program");
  fs::remove_all(folder);
  fs::create_directories(folder);
  std::ofstream(folder / "car_settings.db3", std::ios::binary) << kLive;
  {
    TZipStaging staging;
    try {
      StageDatabaseArchive(archive, folder.string(), staging);
    } catch (const EZipError&) {
      staging.Discard();
      FuzzCheck(Untouched(folder), "a refused archive changed the folder");
      fs::remove_all(folder);
      return 0;
    }
    FuzzCheck(LiveUnchanged(folder), "a staged archive replaced a file before the commit");
    for (const std::string& target : staging.Targets())
      FuzzCheck(fs::path(target).string().rfind(folder.string(), 0) == 0,
                "an entry was staged outside the folder");
    try {
      staging.Commit();
    } catch (const EZipError&) {
      staging.Discard();
      FuzzCheck(Untouched(folder), "a refused commit changed the folder");
    }
  }
  uintmax_t total = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) {
      FuzzCheck(entry.file_size() <= MaxUpdateEntrySize, "an entry larger than the limit");
      total += entry.file_size();
    }
  FuzzCheck(total <= MaxUpdateRunSize + sizeof(kLive), "entries larger than the limit in all");
  fs::remove_all(folder);
  return 0;
}
