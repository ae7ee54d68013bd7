#include "tests/support/MainLoop.h"

int Pump(int Max) {
  int dispatched = 0;
  for (int i = 0; i < Max && g_main_context_iteration(nullptr, FALSE); ++i) ++dispatched;
  return dispatched;
}

bool Settle(int QuietMs, int MaxMs) {
  int quiet = 0;
  for (int waited = 0; waited < MaxMs; waited += 5) {
    if (Pump() > 0)
      quiet = 0;
    else if ((quiet += 5) >= QuietMs)
      return true;
    g_usleep(5000);
  }
  return false;
}
