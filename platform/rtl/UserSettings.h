#pragma once
// Per-user options, looked up as a key path and a value name, and the version
// of the operating system.
//
// The options live in $XDG_CONFIG_HOME/esctool/settings.ini, else in
// ~/.config/esctool/settings.ini; the program reads them (the chart's option
// routines also write theirs there, through TMemIniFile). A key path is a
// section of that file, with "\" or "/" between its parts and letter case
// ignored:
//
//   [Software\Vendor\Chart]
//   DefaultCanvas=TPlotCanvas3D
//   DefaultPalette=2

#include <map>
#include <set>
#include <string>

#include "platform/rtl/SysUtils.h"

// A stored option that is not of the kind asked for.
class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

class TUserSettings {
 public:
  // Reads the user's file; a missing or unreadable file gives no options.
  TUserSettings();
  explicit TUserSettings(const std::string& fileName);

  // Where the user's file is, whether it exists or not.
  static std::string DefaultFileName();

  bool KeyExists(const std::string& key) const;
  bool ValueExists(const std::string& key, const std::string& name) const;
  std::string ReadString(const std::string& key, const std::string& name,
                         const std::string& defaultValue) const;
  // The value as a decimal or hexadecimal integer; the default when it is
  // missing or not a number.
  int ReadInteger(const std::string& key, const std::string& name, int defaultValue) const;

 private:
  void Load(const std::string& fileName);

  std::set<std::string> FKeys;
  std::map<std::string, std::string> FValues;  // by normalized key and name
};

// The running system as uname reports it: "Linux 6.1.0-18-amd64" gives
// Major 6, Minor 1, Build 0.
struct TOSVersion {
  std::string Name;
  int Major = 0;
  int Minor = 0;
  int Build = 0;
};

TOSVersion GetOSVersion();
