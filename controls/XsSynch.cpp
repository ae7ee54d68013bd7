#include "controls/XsSynch.h"

#include <atomic>

void TXsCriticalSection::CreateAndEnter(TXsCriticalSection*& section) {
  auto* created = new TXsCriticalSection;
  TXsCriticalSection* expected = nullptr;
  if (!std::atomic_ref<TXsCriticalSection*>(section).compare_exchange_strong(expected, created))
    delete created;
  std::atomic_ref<TXsCriticalSection*>(section).load()->Enter();
}
