#pragma once
// Puts the C library into a German locale (decimal comma, "." grouping) for
// the life of the object, as GTK does with LC_NUMERIC from the environment,
// and restores the locale that was in force. The machine generates
// de_DE.UTF-8; Active() says whether the comma is really in force.

#include <clocale>
#include <string>

class TCommaLocale {
 public:
  TCommaLocale() : FSaved(std::setlocale(LC_ALL, nullptr)) {
    FActive = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr &&
              std::string(std::localeconv()->decimal_point) == ",";
  }
  ~TCommaLocale() { std::setlocale(LC_ALL, FSaved.c_str()); }
  TCommaLocale(const TCommaLocale&) = delete;
  TCommaLocale& operator=(const TCommaLocale&) = delete;

  bool Active() const { return FActive; }

 private:
  std::string FSaved;
  bool FActive = false;
};
