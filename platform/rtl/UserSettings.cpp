#include "platform/rtl/UserSettings.h"

#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "platform/rtl/NumberText.h"

namespace {

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// "/Software//Vendor\Chart\" -> "software\vendor\chart"
std::string NormalizeKey(const std::string& key) {
  std::string out;
  for (char c : Trim(key)) {
    if (c == '/') c = '\\';
    if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
    out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  }
  if (!out.empty() && out.back() == '\\') out.pop_back();
  return out;
}

std::string ValueId(const std::string& key, const std::string& name) {
  return NormalizeKey(key) + '\n' + NormalizeKey(name);
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  const passwd* entry = getpwuid(getuid());
  return entry && entry->pw_dir ? entry->pw_dir : "";
}

int LeadingNumber(const std::string& text, size_t& i) {
  int value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 100000) {
    value = value * 10 + (text[i++] - '0');
  }
  return value;
}

}  // namespace

TUserSettings::TUserSettings() { Load(DefaultFileName()); }

TUserSettings::TUserSettings(const std::string& fileName) { Load(fileName); }

std::string TUserSettings::DefaultFileName() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  // Only an absolute folder counts; otherwise the default applies.
  const std::string folder =
      config && config[0] == '/' ? std::string(config) : HomeFolder() + "/.config";
  return folder + "/esctool/settings.ini";
}

void TUserSettings::Load(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return;
  std::string line, section;
  bool first = true;
  while (std::getline(file, line)) {
    if (first && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
    first = false;
    line = Trim(line);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = NormalizeKey(line.substr(1, line.size() - 2));
      FKeys.insert(section);
      continue;
    }
    const size_t at = line.find('=');
    if (at == std::string::npos) continue;  // not an option line
    // The first of duplicate names wins.
    FValues.emplace(ValueId(section, line.substr(0, at)), Trim(line.substr(at + 1)));
  }
}

bool TUserSettings::KeyExists(const std::string& key) const {
  return FKeys.count(NormalizeKey(key)) > 0;
}

bool TUserSettings::ValueExists(const std::string& key, const std::string& name) const {
  return FValues.count(ValueId(key, name)) > 0;
}

std::string TUserSettings::ReadString(const std::string& key, const std::string& name,
                                      const std::string& defaultValue) const {
  const auto it = FValues.find(ValueId(key, name));
  return it == FValues.end() ? defaultValue : it->second;
}

int TUserSettings::ReadInteger(const std::string& key, const std::string& name,
                               int defaultValue) const {
  return StrToIntDef(ReadString(key, name, ""), defaultValue);
}

TOSVersion GetOSVersion() {
  TOSVersion version;
  utsname info{};
  if (uname(&info) != 0) return version;
  version.Name = std::string(info.sysname) + " " + info.release;
  const std::string release = info.release;
  size_t i = 0;
  version.Major = LeadingNumber(release, i);
  if (i < release.size() && release[i] == '.') version.Minor = LeadingNumber(release, ++i);
  if (i < release.size() && release[i] == '.') version.Build = LeadingNumber(release, ++i);
  return version;
}
