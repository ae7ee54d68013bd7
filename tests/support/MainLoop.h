#pragma once
// Turning the GLib main loop from tests without ever blocking on it.

#include <glib.h>

// Runs the main loop without blocking until nothing is pending (bounded);
// answers how many sources it dispatched.
int Pump(int Max = 2000);

// Runs the main loop until Done() holds, waiting 2 ms between turns (for
// GTK's frames and timers); answers Done().
template <class F>
bool PumpUntil(F Done, int Max = 400) {
  for (int i = 0; i < Max && !Done(); ++i) {
    g_main_context_iteration(nullptr, FALSE);
    if (!Done()) g_usleep(2000);
  }
  return Done();
}

// Runs the main loop until it has stayed quiet for QuietMs milliseconds
// (bounded by MaxMs), so that late window-system events of a freshly shown
// window are out of the way.
bool Settle(int QuietMs = 150, int MaxMs = 5000);
