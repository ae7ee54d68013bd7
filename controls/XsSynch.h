#pragma once
// A critical section object of the support library.

#include <mutex>

#include "platform/rtl/Classes.h"

class TXsCriticalSection : public TObject {
 public:
  TXsCriticalSection() = default;
  void Enter() { FMutex.lock(); }
  void Leave() { FMutex.unlock(); }
  // Makes a section, stores it into section only while that is still empty
  // (another thread may have been first; the new one is freed then) and
  // enters the section the variable holds.
  static void CreateAndEnter(TXsCriticalSection*& section);

 private:
  std::recursive_mutex FMutex;
};
