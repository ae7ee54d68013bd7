#pragma once
// TzrTimer: the toolkit's periodic timer (interval in milliseconds, Enabled,
// OnTimer), ticking on the GUI thread. Under the system clock it is a GLib
// timeout (the framework's TTimer); under a test's virtual clock it ticks as
// that clock moves, once the interval has passed since arming or the last
// tick, so controls that repeat or delay (held buttons) run on test time.

#include <cstdint>
#include <memory>

#include "platform/rtl/Classes.h"

class TTimer;
class TVirtualClock;

class TzrTimer : public TComponent {
 public:
  explicit TzrTimer(TComponent* AOwner);
  ~TzrTimer() override;
  std::string ClassName() const override { return "TzrTimer"; }

  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Every change of the interval restarts the count; 0 stops the timer.
  uint32_t GetInterval() const { return FInterval; }
  void SetInterval(uint32_t Value);
  void SetOnTimer(TNotifyEvent Value);
  // Whether a tick is pending (on either clock).
  bool Armed() const;

 private:
  void Rearm();
  void Disarm();
  void Tick();
  void ClockAdvanced(uint32_t Now);

  bool FEnabled = true;
  uint32_t FInterval = 1000;
  TNotifyEvent FOnTimer;
  std::unique_ptr<TTimer> FTimer;
  TVirtualClock* FVirtual = nullptr;
  int FListener = 0;
  uint32_t FDue = 0;
};
