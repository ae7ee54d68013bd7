#include "controls/XsBase.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/rtl/UserSettings.h"

namespace {
constexpr size_t MaxPath = 260;
}

size_t StrCharCount(const std::string& s, char ch) { return std::count(s.begin(), s.end(), ch); }

bool IsSystemVersionAtLeast(int major, int minor) {
  TOSVersion version = GetOSVersion();
  if (version.Major != major) return version.Major > major;
  return version.Minor >= minor;
}

void ResetMemory(void* p, long size) {
  if (size > 0) std::memset(p, 0, size_t(size));
}

void UnloadModule(void*& module) {
  if (module != nullptr) dlclose(module);
  module = nullptr;
}

std::string GetModulePath(void* module) {
  std::string path;
  if (module == nullptr) {
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (n > 0) path.assign(buffer, size_t(n));
  } else {
    link_map* map = nullptr;
    if (dlinfo(module, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr && map->l_name != nullptr)
      path = map->l_name;
  }
  if (path.size() > MaxPath) path.resize(MaxPath);
  return path;
}

void* LockedCompareExchange(void*& target, void* newValue, void* expected) {
  std::atomic_ref<void*> ref(target);
  ref.compare_exchange_strong(expected, newValue);
  return expected;
}
