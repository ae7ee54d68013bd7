#pragma once
// Model databases ("*_settings.db3", SQLite 3) beside the program, their
// firmware filter files ("*_version_control.ini") and the firmware display
// names ("parallel_table.ini").

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TMemIniFile;

// The model databases of Folder (a path ending in "/"), in file-name order.
std::vector<std::string> ListModelDatabases(const std::string& Folder);

// The first database in Paths whose table splash knows Model. A file that
// cannot be opened or is no model database is skipped.
struct TModelDatabaseMatch {
  std::string Path;
  bool HasVersion = false;  // table dbversion gave a row
  std::string Version;      // its first column
};
std::optional<TModelDatabaseMatch> FindModelDatabase(const std::vector<std::string>& Paths,
                                                     const std::string& Model);

// The text of the database version label. Title is the "Version" text of the
// language file, Version the database's version, LocalVersion the database
// version of the local version file.
std::string VersionLabelText(const std::string& Title, const std::string& Version, bool Chinese,
                             const std::string& LocalVersion);

// The firmware version names of the software rows for Hardware and Model, in
// the order of the rows (newest key first).
struct TSoftwareRows {
  bool Opened = false;    // the database could be opened
  bool Prepared = false;  // the query could be prepared
  std::vector<std::string> Versions;
};
TSoftwareRows ReadSoftwareVersions(const std::string& DatabasePath, const std::string& Hardware,
                                   const std::string& Model);

// The filter file of a database: its path with "settings.db3" replaced by
// "version_control.ini".
std::string VersionControlPath(const std::string& DatabasePath);

// The version lists of batches 1 .. "batch" of section "Model Hardware" of an
// open filter file ("versionnum<b>" names, "version<b>_<i>" texts).
std::vector<std::vector<std::string>> ReadVersionBatches(const TMemIniFile& Filter,
                                                         const std::string& Model,
                                                         const std::string& Hardware);

// The batch (from 1) of the lowest-numbered list that names Version, compared
// without regard to letter case; 0 when no list names it.
int FindVersionBatch(const std::vector<std::vector<std::string>>& Batches,
                     const std::string& Version);

// The version lists of the batches of section "Model Hardware" that name
// Firmware (compared without regard to letter case).
std::vector<std::vector<std::string>> ReadMarkedBatches(const std::string& FilterPath,
                                                        const std::string& Model,
                                                        const std::string& Hardware,
                                                        const std::string& Firmware);

// The firmware list from the rows: rows whose name is empty or ends in "@" or
// "$" are skipped; every other row counts as found and adds Display(name) once
// for each version name of a marked batch that equals it. BeforeRow runs before
// each row (the window pumps its messages there).
struct TFirmwareList {
  bool Found = false;
  std::vector<std::string> Names;
};
TFirmwareList BuildFirmwareList(const std::vector<std::string>& Rows,
                                const std::vector<std::vector<std::string>>& MarkedBatches,
                                const std::function<std::string(const std::string&)>& Display,
                                const std::function<void()>& BeforeRow = {});

// The display name of a firmware version: key "name" of the version's section
// in the table file; the name itself when the file, section or key is missing.
std::string MapFirmwareNameIn(const std::string& TablePath, const std::string& Name);

// Upper-case form used to compare version names.
std::string UpperVersionText(const std::string& Text);

// How the identity boxes show the model and hardware texts.
std::string ModelDisplayText(const std::string& Model);
std::string HardwareDisplayText(const std::string& Hardware);
// The hardware box in the LCD program card mode.
std::string LcdHardwareDisplayText(const std::string& Model, const std::string& Hardware);
