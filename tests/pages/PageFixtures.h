#pragma once
// Small fixtures of the page tests: a language file and model databases in a
// fresh temporary folder.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/rtl/IniFiles.h"

namespace pagetest {

// A language file written to a fresh temporary folder.
class LangFixture {
 public:
  explicit LangFixture(const std::string& text) {
    std::string pattern = (std::filesystem::temp_directory_path() / "pages_XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    FDir = pattern;
    std::ofstream(FDir + "/lang.ini", std::ios::binary) << text;
    Ini = std::make_unique<TMemIniFile>(FDir + "/lang.ini");
  }
  ~LangFixture() { std::filesystem::remove_all(FDir); }
  std::unique_ptr<TMemIniFile> Ini;

 private:
  std::string FDir;
};

inline const char kSchema[] =
    "create table splash (key integer primary key, title text);"
    "create table controller (key integer primary key, name text, splash_key integer);"
    "create table software (key integer primary key, version text, bootloader blob,"
    " bootloader_version text, controller_key integer);"
    "create table dbversion (name text);";

// A temporary folder holding model databases made from SQL text.
class DatabaseFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "modeldb_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    FDir = pattern + "/";
  }
  void TearDown() override { std::filesystem::remove_all(FDir); }

  std::string MakeDatabase(const std::string& name, const std::string& sql) const {
    const std::string path = FDir + name;
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, (std::string(kSchema) + sql).c_str(), nullptr, nullptr, &error),
              SQLITE_OK)
        << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
    return path;
  }
  void WriteFile(const std::string& name, const std::string& text) const {
    std::ofstream(FDir + name, std::ios::binary) << text;
  }

  std::string FDir;
};

// One model "ESC_A" with hardware "HW1" and the given software rows (key, version).
inline std::string SoftwareRows(const std::vector<std::pair<int, std::string>>& rows) {
  std::string sql =
      "insert into splash values (1, 'ESC_A');"
      "insert into controller values (10, 'HW1', 1);"
      "insert into controller values (11, 'HW2', 1);"
      "insert into dbversion values ('2026.1');";
  for (const auto& [key, version] : rows)
    sql += "insert into software values (" + std::to_string(key) + ", '', x'00', '" + version +
           "', 10);";
  return sql;
}

}  // namespace pagetest
