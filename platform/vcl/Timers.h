#pragma once
// The framework's periodic timer on a GLib timeout of the GUI thread's main
// loop. It runs while Enabled, Interval > 0 and a handler is set; every change
// of Interval restarts the count. Setting a value equal to the current one
// changes nothing.

#include <cstdint>
#include <memory>

#include "platform/rtl/Classes.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner = nullptr);
  ~TTimer() override;
  std::string ClassName() const override { return "TTimer"; }

  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  // Milliseconds between ticks; 0 stops the timer.
  uint32_t GetInterval() const { return FInterval; }
  void SetInterval(uint32_t value);
  const TNotifyEvent& GetOnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent value);
  // Whether a GLib timeout is currently armed.
  bool Running() const { return FSource != 0; }

 protected:
  // Runs OnTimer; an exception is shown by the application object.
  virtual void Timer();

 private:
  static int OnTick(void* self);
  void UpdateTimer();
  bool FEnabled = true;
  uint32_t FInterval = 1000;
  TNotifyEvent FOnTimer;
  unsigned FSource = 0;
  // Tells a tick in progress whether the timer was freed by its own handler.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
