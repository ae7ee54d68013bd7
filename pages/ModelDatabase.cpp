#include "pages/ModelDatabase.h"

#include <glib.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

#include "platform/rtl/IniFiles.h"

namespace {

const char kSplashQuery[] = "select * from splash where title=?";
const char kVersionQuery[] = "select a.name, 'ok' as value from dbversion a";
const char kSoftwareQuery[] =
    "select a.key, a.bootloader_version from software a left join controller b on "
    "a.controller_key=b.key left join splash c on b.splash_key=c.key where b.name=? and "
    "c.title=? order by a.key desc";
const char kDatabaseEnding[] = "_settings.db3";

// An open database, closed when it goes out of scope.
class TDatabase {
 public:
  explicit TDatabase(const std::string& path) {
    if (path.empty()) return;
    if (sqlite3_open_v2(path.c_str(), &FDb, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      sqlite3_close(FDb);
      FDb = nullptr;
    }
  }
  ~TDatabase() { sqlite3_close(FDb); }
  TDatabase(const TDatabase&) = delete;
  TDatabase& operator=(const TDatabase&) = delete;
  sqlite3* Handle() const { return FDb; }

 private:
  sqlite3* FDb = nullptr;
};

// A prepared statement, finalized when it goes out of scope.
class TStatement {
 public:
  TStatement(sqlite3* db, const char* sql) {
    if (db && sqlite3_prepare_v2(db, sql, -1, &FStmt, nullptr) != SQLITE_OK) FStmt = nullptr;
  }
  ~TStatement() { sqlite3_finalize(FStmt); }
  TStatement(const TStatement&) = delete;
  TStatement& operator=(const TStatement&) = delete;
  bool Prepared() const { return FStmt != nullptr; }
  // Binds the bytes of Text as parameter Index (from 1).
  void Bind(int index, const std::string& text) {
    sqlite3_bind_text(FStmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  }
  bool Step() { return sqlite3_step(FStmt) == SQLITE_ROW; }
  std::string Column(int index) const {
    const unsigned char* text = sqlite3_column_text(FStmt, index);
    if (!text) return {};
    return std::string(reinterpret_cast<const char*>(text), sqlite3_column_bytes(FStmt, index));
  }

 private:
  sqlite3_stmt* FStmt = nullptr;
};

bool EndsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() &&
         text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

std::vector<std::string> ListModelDatabases(const std::string& Folder) {
  std::vector<std::string> paths;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(Folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > 4 && EndsWith(name, kDatabaseEnding)) paths.push_back(Folder + name);
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

std::optional<TModelDatabaseMatch> FindModelDatabase(const std::vector<std::string>& Paths,
                                                     const std::string& Model) {
  for (const std::string& path : Paths) {
    TDatabase db(path);
    TStatement splash(db.Handle(), kSplashQuery);
    if (!splash.Prepared()) continue;  // not openable, or no model database
    splash.Bind(1, Model);
    if (!splash.Step()) continue;
    TModelDatabaseMatch match;
    match.Path = path;
    TStatement version(db.Handle(), kVersionQuery);
    if (version.Prepared() && version.Step()) {
      match.HasVersion = true;
      match.Version = version.Column(0);
    }
    return match;
  }
  return std::nullopt;
}

std::string VersionLabelText(const std::string& Title, const std::string& Version, bool Chinese,
                             const std::string& LocalVersion) {
  if (Version.find('-') == std::string::npos) return Title + " " + Version;
  if (Chinese) return Title + " " + LocalVersion;
  const size_t dash = LocalVersion.find('-');
  const std::string middle =
      dash == std::string::npos ? LocalVersion.substr(0, 5) : LocalVersion.substr(dash + 1, 5);
  return Title + " " + middle + "-" + LocalVersion.substr(0, 4);
}

TSoftwareRows ReadSoftwareVersions(const std::string& DatabasePath, const std::string& Hardware,
                                   const std::string& Model) {
  TSoftwareRows rows;
  TDatabase db(DatabasePath);
  if (!db.Handle()) return rows;
  rows.Opened = true;
  TStatement query(db.Handle(), kSoftwareQuery);
  if (!query.Prepared()) return rows;
  rows.Prepared = true;
  query.Bind(1, Hardware);
  query.Bind(2, Model);
  while (query.Step()) rows.Versions.push_back(query.Column(1));
  return rows;
}

std::string VersionControlPath(const std::string& DatabasePath) {
  const size_t keep = DatabasePath.size() >= 12 ? DatabasePath.size() - 12 : 0;
  return DatabasePath.substr(0, keep) + "version_control.ini";
}

std::string UpperVersionText(const std::string& Text) {
  if (g_utf8_validate(Text.data(), static_cast<gssize>(Text.size()), nullptr)) {
    gchar* upper = g_utf8_strup(Text.data(), static_cast<gssize>(Text.size()));
    std::string result(upper);
    g_free(upper);
    return result;
  }
  std::string result = Text;
  for (char& c : result)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return result;
}

std::vector<std::vector<std::string>> ReadVersionBatches(const TMemIniFile& Filter,
                                                         const std::string& Model,
                                                         const std::string& Hardware) {
  const std::string section = Model + " " + Hardware;
  std::vector<std::vector<std::string>> batches;
  const int count = Filter.ReadInteger(section, "batch", 0);
  for (int b = 1; b <= count; ++b) {
    const std::string number = std::to_string(b);
    const int versions = Filter.ReadInteger(section, "versionnum" + number, 0);
    std::vector<std::string> list;
    for (int i = 1; i <= versions; ++i)
      list.push_back(Filter.ReadString(section, "version" + number + "_" + std::to_string(i), ""));
    batches.push_back(std::move(list));
  }
  return batches;
}

int FindVersionBatch(const std::vector<std::vector<std::string>>& Batches,
                     const std::string& Version) {
  const std::string wanted = UpperVersionText(Version);
  for (size_t b = 0; b < Batches.size(); ++b)
    for (const std::string& name : Batches[b])
      if (UpperVersionText(name) == wanted) return static_cast<int>(b) + 1;
  return 0;
}

std::vector<std::vector<std::string>> ReadMarkedBatches(const std::string& FilterPath,
                                                        const std::string& Model,
                                                        const std::string& Hardware,
                                                        const std::string& Firmware) {
  std::vector<std::vector<std::string>> marked;
  for (auto& batch : ReadVersionBatches(TMemIniFile(FilterPath), Model, Hardware))
    if (FindVersionBatch({batch}, Firmware) > 0) marked.push_back(std::move(batch));
  return marked;
}

TFirmwareList BuildFirmwareList(const std::vector<std::string>& Rows,
                                const std::vector<std::vector<std::string>>& MarkedBatches,
                                const std::function<std::string(const std::string&)>& Display,
                                const std::function<void()>& BeforeRow) {
  TFirmwareList list;
  for (const std::string& version : Rows) {
    if (BeforeRow) BeforeRow();
    if (version.empty() || version.back() == '@' || version.back() == '$') continue;
    list.Found = true;
    const std::string upper = UpperVersionText(version);
    for (const auto& batch : MarkedBatches)
      for (const std::string& name : batch)
        if (UpperVersionText(name) == upper) list.Names.push_back(Display(version));
  }
  return list;
}

std::string MapFirmwareNameIn(const std::string& TablePath, const std::string& Name) {
  const TMemIniFile table(TablePath);
  return table.ReadString(Name, "name", Name);
}

std::string ModelDisplayText(const std::string& Model) {
  if (Model.find("VL") == std::string::npos) return Model;
  return "QB" + Model.substr(std::min<size_t>(2, Model.size()));
}

std::string HardwareDisplayText(const std::string& Hardware) {
  if (Hardware.find("VL316") == std::string::npos) return Hardware;
  return "QB" + Hardware.substr(2);
}

std::string LcdHardwareDisplayText(const std::string& Model, const std::string& Hardware) {
  if (Model == "PROGRAMECARD" && Hardware == "MYXHarLINKV1.0") return "VL310 V1.0";
  return Hardware;
}
