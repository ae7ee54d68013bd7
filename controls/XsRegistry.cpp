#include "controls/XsRegistry.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <memory>

#include "platform/rtl/UserSettings.h"

namespace {

struct TRootName {
  HKEY Key;
  const char* Long;
  const char* Short;
};

constexpr TRootName RootNames[] = {
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT", "HKCR"},
    {HKEY_CURRENT_USER, "HKEY_CURRENT_USER", "HKCU"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE", "HKLM"},
    {HKEY_USERS, "HKEY_USERS", "HKUS"},
    {HKEY_PERFORMANCE_DATA, "HKEY_PERFORMANCE_DATA", "HKPD"},
    {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG", "HKCC"},
    {HKEY_DYN_DATA, "HKEY_DYN_DATA", "HKDD"},
};

const TUserSettings* TestSettings = nullptr;

const TUserSettings& Settings() {
  if (TestSettings != nullptr) return *TestSettings;
  static const TUserSettings user;
  return user;
}

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool ParseInt64(const std::string& text, int64_t& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  int base = 10;
  bool negative = false;
  if (first != last && *first == '-') negative = true, ++first;
  if (first != last && *first == '$') {
    base = 16, ++first;
  } else if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
    base = 16, first += 2;
  }
  uint64_t magnitude = 0;
  auto [end, error] = std::from_chars(first, last, magnitude, base);
  if (error != std::errc() || end != last || first == last) return false;
  value = negative ? int64_t(0 - magnitude) : int64_t(magnitude);
  return true;
}

}  // namespace

void RegSetUserSettings(const TUserSettings* settings) { TestSettings = settings; }

std::string RootKeyName(HKEY rootKey) {
  for (const TRootName& root : RootNames)
    if (root.Key == rootKey) return root.Long;
  char text[32];
  std::snprintf(text, sizeof text, "0x%.8lx", static_cast<unsigned long>(rootKey));
  return text;
}

std::string RelativeKey(HKEY rootKey, const std::string& key) {
  std::string path = key;
  if (!path.empty() && path[0] == '\\') path.erase(0, 1);
  size_t slash = path.find('\\');
  std::string first = path.substr(0, slash);
  for (const TRootName& root : RootNames) {
    if (!SameText(first, root.Long) && !SameText(first, root.Short)) continue;
    if (root.Key != rootKey) throw EXsRegistryError("\"" + key + "\" does not match RootKey");
    return slash == std::string::npos ? std::string() : path.substr(slash + 1);
  }
  return path;
}

bool RegReadStringEx(HKEY rootKey, const std::string& key, const std::string& name,
                     std::string& value, bool raiseError) {
  std::string relative = RelativeKey(rootKey, key);
  const TUserSettings& settings = Settings();
  std::string where = RootKeyName(rootKey) + "\\" + relative;
  if (rootKey != HKEY_CURRENT_USER || !settings.KeyExists(relative)) {
    if (raiseError) throw EXsRegistryError("Unable to open key \"" + where + "\" for read");
    return false;
  }
  if (!settings.ValueExists(relative, name)) {
    if (raiseError)
      throw EXsRegistryError("Unable to open key \"" + where + "\" and access value \"" + name +
                             "\"");
    return false;
  }
  value = settings.ReadString(relative, name, "");
  return true;
}

std::string RegReadString(HKEY rootKey, const std::string& key, const std::string& name) {
  std::string value;
  RegReadStringEx(rootKey, key, name, value, true);
  return value;
}

std::string RegReadStringDef(HKEY rootKey, const std::string& key, const std::string& name,
                             const std::string& defaultValue) {
  try {
    std::string value;
    if (RegReadStringEx(rootKey, key, name, value, false)) return value;
  } catch (const std::exception&) {
  }
  return defaultValue;
}

int32_t RegReadInteger(HKEY rootKey, const std::string& key, const std::string& name) {
  std::string text = RegReadString(rootKey, key, name);
  int64_t value = 0;
  if (!ParseInt64(text, value))
    throw EXsRegistryError("\"" + RootKeyName(rootKey) + "\\" + RelativeKey(rootKey, key) + "\\" +
                           name + "\" is of wrong kind or size");
  return int32_t(uint32_t(uint64_t(value)));
}

int32_t RegReadIntegerDef(HKEY rootKey, const std::string& key, const std::string& name,
                          int32_t defaultValue) {
  try {
    return RegReadInteger(rootKey, key, name);
  } catch (const std::exception&) {
    return defaultValue;
  }
}
