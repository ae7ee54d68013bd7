#pragma once
// Switches the C library's LC_TIME to a named locale for one scope and back.
// Ok() is false when the machine lacks the locale (scripts/setup.sh
// generates en_US.UTF-8 and zh_CN.UTF-8); tests then skip, saying so.

#include <clocale>
#include <string>

class TLocaleGuard {
 public:
  explicit TLocaleGuard(const char* Name) : FOld(std::setlocale(LC_TIME, nullptr)) {
    FOk = std::setlocale(LC_TIME, Name) != nullptr;
  }
  ~TLocaleGuard() { std::setlocale(LC_TIME, FOld.c_str()); }
  TLocaleGuard(const TLocaleGuard&) = delete;
  TLocaleGuard& operator=(const TLocaleGuard&) = delete;
  bool Ok() const { return FOk; }

 private:
  std::string FOld;
  bool FOk = false;
};

#define SKIP_WITHOUT_LOCALE(Guard, Name) \
  if (!(Guard).Ok())                     \
  GTEST_SKIP() << "locale " << (Name) << " is missing: scripts/setup.sh generates it"
