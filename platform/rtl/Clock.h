#pragma once
// The one seam through which the program reads time, sleeps and pumps window
// messages. Long operations wait by polling GetTickCount() and calling
// ProcessMessages(); tests install a TVirtualClock so that seconds of device
// time pass in microseconds, with the same ordering and time-outs.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

class TClock {
 public:
  virtual ~TClock() = default;
  // Milliseconds since an arbitrary start; wraps at 2^32 like the system counter.
  virtual uint32_t TickCount() = 0;
  virtual void Sleep(uint32_t ms) = 0;
  // Runs the pending window messages once (and, for a virtual clock, lets time pass).
  virtual void ProcessMessages() = 0;
  // Ends the sleeps of other threads early, so that a worker told to stop does
  // not wait for test time to move. Real sleeps are short and left alone.
  virtual void WakeSleepers() {}
};

// The clock in force. The system clock unless a test installed another.
TClock& Clock();
// Installs a clock; nullptr restores the system clock. The caller keeps ownership.
void SetClock(TClock* clock);

// What pumping the window messages means; the framework layer installs it.
void SetMessagePump(std::function<void()> pump);
// Runs the calls that worker threads handed to the GUI thread, then the
// installed pump.
void RunMessagePump();

uint32_t GetTickCount();
void Sleep(uint32_t ms);
void ProcessMessages();

// Real time from the monotonic clock; pumping runs the installed message pump.
class TSystemClock : public TClock {
 public:
  uint32_t TickCount() override;
  void Sleep(uint32_t ms) override;
  void ProcessMessages() override;
};

// Test time: it moves only when the program sleeps or pumps. Each pump advances
// it by PumpStep milliseconds and then runs the installed message pump, so a
// wait loop that polls the tick counter ends after a bounded number of pumps.
// Only the thread that created the clock moves it: a sleep on another thread
// (a worker counting its interval) waits until that thread has moved the time
// on by the amount slept, or until WakeSleepers().
class TVirtualClock : public TClock {
 public:
  explicit TVirtualClock(uint32_t start = 1000, uint32_t pumpStep = 1)
      : FNow(start), FPumpStep(pumpStep), FOwnerThread(std::this_thread::get_id()) {}
  ~TVirtualClock() override;
  uint32_t TickCount() override { return FNow.load(); }
  void Sleep(uint32_t ms) override;
  void ProcessMessages() override;
  void WakeSleepers() override;
  void Advance(uint32_t ms);
  void SetPumpStep(uint32_t ms) { FPumpStep = ms; }
  // Other threads sleeping on this clock now, and sleeps started so far: lets
  // a test move time only once a worker is blocked, for exact orderings.
  int Sleepers();
  uint64_t SleepsStarted() const { return FSleepsStarted.load(); }
  // Called after every advance with the new time (e.g. to fire test timers).
  std::function<void(uint32_t now)> OnAdvance;
  // Further calls after every advance (after OnAdvance), in the order added:
  // the timers that tick on this clock. The answer names the listener for
  // RemoveAdvanceListener, which a listener may call for itself or another
  // while it runs; an unknown id is ignored. Owner thread only.
  int AddAdvanceListener(std::function<void(uint32_t now)> listener);
  void RemoveAdvanceListener(int id);

 private:
  std::atomic<uint32_t> FNow;
  uint32_t FPumpStep;
  std::thread::id FOwnerThread;
  std::mutex FMutex;
  std::condition_variable FChanged;
  uint64_t FWakeGeneration = 0;
  int FSleepers = 0;
  std::atomic<uint64_t> FSleepsStarted{0};
  bool FClosing = false;
  std::vector<std::pair<int, std::function<void(uint32_t)>>> FListeners;
  int FNextListener = 1;
};

// Installs a virtual clock for the life of the object (tests).
class TScopedVirtualClock {
 public:
  explicit TScopedVirtualClock(uint32_t start = 1000, uint32_t pumpStep = 1)
      : FClock(start, pumpStep) {
    SetClock(&FClock);
  }
  ~TScopedVirtualClock() { SetClock(nullptr); }
  TVirtualClock& operator*() { return FClock; }
  TVirtualClock* operator->() { return &FClock; }

 private:
  TVirtualClock FClock;
};
