#pragma once
// A program folder of its own, a local update server and hooks that stand in
// for the user and the desktop, for tests of the update checks and downloads.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/frmUpdate.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/ShellOpen.h"
#include "tests/support/HttpServer.h"

class UpdateFolderTest : public ::testing::Test {
 protected:
  UpdateFolderTest() {
    std::string pattern = (std::filesystem::temp_directory_path() / "update_XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    Dir = pattern + "/";
    SetProgramFolder(Dir);
    ShellOpenHook = [this](const std::string& uri) {
      Opened.push_back(uri);
      return true;
    };
  }
  ~UpdateFolderTest() override {
    ShellOpenHook = nullptr;
    TfrmUpdate::ModalHandler = nullptr;
    SetProgramFolder("");
    std::filesystem::remove_all(Dir);
  }

  void WriteFile(const std::string& name, const std::string& text) const {
    std::ofstream(Dir + name, std::ios::binary) << text;
  }
  std::string ReadFile(const std::string& name) const {
    std::ifstream in(Dir + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // The names in the program folder, sorted.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Dir))
      names.push_back(std::filesystem::relative(entry.path(), Dir).string());
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string Url(const std::string& path) const { return Server.BaseUrl() + path; }

  std::string Dir;
  TTestHttpServer Server;
  std::vector<std::string> Opened;  // what the desktop was asked to open
};

// A version file with the given program version and optional extra elements.
inline std::string VersionXml(const std::string& software, const std::string& extra = "",
                              const std::string& database = "2026-12-01") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><VersionControl><Software><Version>" +
         software + "</Version>" + extra + "</Software><Database><Version>" + database +
         "</Version></Database></VersionControl>";
}
