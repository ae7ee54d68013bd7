#pragma once
// A timer that counts its interval on a worker thread of its own (or, when not
// Threaded, on the framework's TTimer) and by default delivers every tick on
// the GUI thread. The worker counts the interval in 10 ms sleeps through the
// clock seam, so the period is the handler's time plus Interval and ticks never
// overlap. Settings changed from inside the handler pause the worker instead
// of freeing it, since the worker is blocked on that very handler.

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

#include "controls/XwComponentBase.h"
#include "platform/rtl/Rtti.h"

class TTimer;
class TXwTimer;

enum TXwTimerEventTime {
  tetPre,  // fire, then wait
  tetPost  // wait, then fire
};
const TEnumInfo& XwTimerEventTimeInfo();
const TEnumInfo& ThreadPriorityInfo();

namespace XwTimer {

// The worker of TXwTimer. Created suspended; clearing Paused starts it.
class TXwTimerThread : public TXwCustomThread {
 public:
  explicit TXwTimerThread(TXwTimer* owner);
  ~TXwTimerThread() override;
  std::string ClassName() const override { return "TXwTimerThread"; }

  bool GetPaused();
  // Clearing it resumes (or first starts) the worker.
  void SetPaused(bool value);

  std::atomic<uint32_t> FInterval{1000};
  std::atomic<uint32_t> FCurrentDuration{0};
  // The message of the last exception of an unsynchronised handler.
  std::string FException;

 protected:
  void Execute() override;

 private:
  bool StopTest() const;
  void CountedWait();
  void Deliver();
  TXwTimer* FOwner;
  bool FPaused = false;
  TCriticalSection FPauseSection;
};

}  // namespace XwTimer

class TXwTimer : public TComponent {
 public:
  explicit TXwTimer(TComponent* AOwner);
  ~TXwTimer() override;
  // Published: Enabled, Interval, SyncEvent, Threaded, ThreadPriority,
  // EventTime and OnTimer, each written only when it differs from its default.
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TXwTimer"; }

  bool GetEnabled() const { return FEnabled.load(); }
  void SetEnabled(bool value);
  // Milliseconds, counted in 10 ms steps; 0: the timer never fires.
  uint32_t GetInterval() const { return FInterval; }
  void SetInterval(uint32_t value);
  // Deliver ticks on the GUI thread (true) or on the worker.
  bool GetSyncEvent() const { return FSyncEvent.load(); }
  void SetSyncEvent(bool value) { FSyncEvent.store(value); }
  // Worker thread (true) or the framework's TTimer (false). Cannot change
  // inside the timer's own handler.
  bool GetThreaded() const { return FThreaded; }
  void SetThreaded(bool value);
  TThreadPriority GetThreadPriority() const { return FThreadPriority; }
  void SetThreadPriority(TThreadPriority value);
  TXwTimerEventTime GetEventTime() const { return FEventTime.load(); }
  void SetEventTime(TXwTimerEventTime value) { FEventTime.store(value); }
  // Replacing one handler by another leaves a running timer alone; setting or
  // clearing the only handler starts or stops it.
  void SetOnTimer(TNotifyEvent value);
  TNotifyEvent GetOnTimer() const;
  bool HasOnTimer() const;

  // Runs Method on the GUI thread through the worker when a running worker
  // exists, else directly (for handlers of unsynchronised timers).
  void Synchronize(std::function<void()> Method);

  // What runs the timer now (for diagnostics and tests).
  XwTimer::TXwTimerThread* TimerThread() const { return FTimerThread; }
  TTimer* InnerTimer() const { return FTimer; }

  // Runs OnTimer when Enabled, not being destroyed and a handler is set.
  virtual void DoTimer();

 private:
  friend class XwTimer::TXwTimerThread;
  void ApplySettings();
  void FreeWorker();
  void FreeInnerTimer();

  std::atomic<bool> FEnabled{true};
  uint32_t FInterval = 1000;
  std::atomic<bool> FSyncEvent{true};
  bool FThreaded = true;
  TThreadPriority FThreadPriority = tpNormal;
  std::atomic<TXwTimerEventTime> FEventTime{tetPre};
  TNotifyEvent FOnTimer;
  mutable std::mutex FHandlerLock;  // the handler may be read by the worker
  XwTimer::TXwTimerThread* FTimerThread = nullptr;
  TTimer* FTimer = nullptr;
  std::atomic<bool> FInTimerEvent{false};
  std::atomic<bool> FBeingDestroyed{false};
};
