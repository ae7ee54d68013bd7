#pragma once
// Reads options as registry values. The per-user settings file
// (TUserSettings) stands for HKEY_CURRENT_USER; the other roots hold nothing.
// A key path may begin with "\" and with the name of its root key
// ("HKEY_CURRENT_USER\..." or "HKCU\..."), which must match the root given.

#include <cstdint>
#include <string>

#include "controls/XsBase.h"

class TUserSettings;

class EXsRegistryError : public EXsError {
 public:
  using EXsError::EXsError;
};

using HKEY = uintptr_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
constexpr HKEY HKEY_USERS = 0x80000003;
constexpr HKEY HKEY_PERFORMANCE_DATA = 0x80000004;
constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005;
constexpr HKEY HKEY_DYN_DATA = 0x80000006;

// The long name of a root key, or "0x%.8x" of its value.
std::string RootKeyName(HKEY rootKey);
// The key path without a leading "\" and without a prefix naming rootKey;
// raises EXsRegistryError when the prefix names another root.
std::string RelativeKey(HKEY rootKey, const std::string& key);

// Reads a value as text. Without raiseError each failure answers false; with
// it, EXsRegistryError tells whether the key or the value was missing.
bool RegReadStringEx(HKEY rootKey, const std::string& key, const std::string& name,
                     std::string& value, bool raiseError);
std::string RegReadString(HKEY rootKey, const std::string& key, const std::string& name);
// Any error gives the default.
std::string RegReadStringDef(HKEY rootKey, const std::string& key, const std::string& name,
                             const std::string& defaultValue);
// The value as a 64-bit integer (decimal, or hexadecimal after "$" or "0x"),
// of which the low 32 bits are answered; text that is no number is a value of
// the wrong kind.
int32_t RegReadInteger(HKEY rootKey, const std::string& key, const std::string& name);
int32_t RegReadIntegerDef(HKEY rootKey, const std::string& key, const std::string& name,
                          int32_t defaultValue);

// Reads from another settings object (tests); nullptr returns to the user's
// file. The caller keeps ownership.
void RegSetUserSettings(const TUserSettings* settings);
