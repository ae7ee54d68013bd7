#pragma once
// A timer whose worker waits on an event with a time-out and hands every tick
// to the GUI thread; ticks start Interval apart, measured from the start of one
// tick to the start of the next, and a stop request ends any wait at once.
// Without KeepAlive every change ends the worker and starts a new one when the
// timer should run; with KeepAlive the worker is suspended and resumed.

#include <atomic>
#include <cstdint>

#include "controls/XwComponentBase.h"

class TXwThreadTimer;

namespace XwThreadTimer {

// The worker of TXwThreadTimer; it starts running when constructed.
class TXwTimerThread : public TXwCustomThread {
 public:
  explicit TXwTimerThread(TXwThreadTimer* timer);
  ~TXwTimerThread() override;
  std::string ClassName() const override { return "TXwTimerThread"; }

  // Tells the worker to stop: ends its wait and resumes it when suspended.
  void Stop();

  std::atomic<uint32_t> FInterval;
  std::atomic<bool> FHasBeenSuspended{false};
  // True while a tick runs on the GUI thread (set and read there).
  bool FSynchronizing = false;

 protected:
  void Execute() override;

 private:
  void Fire();
  TEvent FEvent;
  TXwThreadTimer* FTimer;
  TThreadPriority FPriority;
};

}  // namespace XwThreadTimer

class TXwThreadTimer : public TXwComponent {
 public:
  explicit TXwThreadTimer(TComponent* AOwner);
  ~TXwThreadTimer() override;
  // Published: Enabled, Interval, KeepAlive, Priority and OnTimer, each
  // written only when it differs from its default.
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TXwThreadTimer"; }

  bool GetEnabled() const { return FEnabled; }
  // While the form is loading only remembered; applied by Loaded().
  void SetEnabled(bool value);
  uint32_t GetInterval() const { return FInterval; }
  void SetInterval(uint32_t value);
  bool GetKeepAlive() const { return FKeepAlive; }
  void SetKeepAlive(bool value);
  TThreadPriority GetPriority() const { return FPriority; }
  void SetPriority(TThreadPriority value);
  // Each assignment of a handler counts as a change (handlers cannot be
  // compared), except clearing an empty one.
  void SetOnTimer(TNotifyEvent value);
  TNotifyEvent GetOnTimer() const { return FOnTimer; }

  void Loaded() override;

  // The worker, if any (for diagnostics and tests).
  XwThreadTimer::TXwTimerThread* Thread() const { return FThread; }

  // Runs OnTimer on the GUI thread; its exceptions go to the application.
  void FireTimer();

 private:
  void ApplySettings();
  void StopWorker();

  bool FEnabled = false;
  bool FStreamedEnabled = false;
  uint32_t FInterval = 1000;
  bool FKeepAlive = false;
  TThreadPriority FPriority = tpNormal;
  TNotifyEvent FOnTimer;
  XwThreadTimer::TXwTimerThread* FThread = nullptr;
  bool FBeingDestroyed = false;
};
