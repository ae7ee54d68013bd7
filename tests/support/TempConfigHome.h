#pragma once
// Points the per-user settings (XDG_CONFIG_HOME) at a fresh private folder
// for as long as the object lives, then puts the old value back and removes
// the folder.

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

class TTempConfigHome {
 public:
  TTempConfigHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "config_XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    FDir = pattern;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    FHadOld = old != nullptr;
    FOld = old ? old : "";
    setenv("XDG_CONFIG_HOME", FDir.c_str(), 1);
  }
  ~TTempConfigHome() {
    if (FHadOld)
      setenv("XDG_CONFIG_HOME", FOld.c_str(), 1);
    else
      unsetenv("XDG_CONFIG_HOME");
    std::error_code ignored;
    std::filesystem::remove_all(FDir, ignored);
  }
  TTempConfigHome(const TTempConfigHome&) = delete;
  TTempConfigHome& operator=(const TTempConfigHome&) = delete;

  // The folder, with a trailing separator.
  std::string Dir() const { return FDir.string() + "/"; }

 private:
  std::filesystem::path FDir;
  std::string FOld;
  bool FHadOld = false;
};
