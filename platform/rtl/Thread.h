#pragma once
// Worker threads, calls handed to the GUI thread, critical sections and events.
//
// The GUI thread is the thread that started the program. A worker hands it a
// call with TThread::Synchronize (the worker waits until the call has run) or
// TThread::Queue (the worker goes on). The GUI thread runs such calls in
// CheckSynchronize(), which the message pump calls; a posted call also wakes
// the GLib main loop so that a blocked loop picks it up at once.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"

class EThread : public Exception {
 public:
  using Exception::Exception;
};

// Kept for the callers that set it; Linux gives unprivileged programs no way to
// raise a thread's priority, so it is stored and not applied.
enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// A worker thread. Derived classes implement Execute().
//
// C++ cannot start a thread from a base constructor (the derived part does not
// exist yet), so a thread class that is created running calls Start() as the
// last step of its own constructor; one created suspended is started by its
// creator with Start(). A derived class whose Execute() reads its own members
// calls StopAndWait() in its destructor, before those members go away.
class TThread : public TObject {
 public:
  explicit TThread(bool CreateSuspended = true);
  ~TThread() override;
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  std::string ClassName() const override { return "TThread"; }

  // Starts a thread that has not run yet, or resumes a suspended one.
  void Start();
  void Resume() { Start(); }
  // Asks the thread to stop at its next suspension point (CheckSuspended()).
  void Suspend();
  bool GetSuspended() const;
  bool Started() const { return FStarted; }

  // Sets Terminated; Execute() is expected to look at it and return.
  void Terminate();
  bool Terminated() const { return FTerminated.load(); }
  // Blocks until Execute() has returned and gives ReturnValue. Called on the
  // GUI thread it keeps running the calls that workers hand over, so a worker
  // that synchronises while being waited for cannot lock the program. A thread
  // that was never started has nothing to wait for and returns at once.
  int WaitFor();
  // Terminate, resume when suspended, WaitFor (unless called by the thread
  // itself, as when it frees itself).
  void StopAndWait();
  bool Finished() const { return FFinished.load(); }

  // When set, the thread object frees itself after Execute() returns.
  bool GetFreeOnTerminate() const { return FFreeOnTerminate.load(); }
  void SetFreeOnTerminate(bool value);
  TThreadPriority GetPriority() const { return FPriority; }
  void SetPriority(TThreadPriority value) { FPriority = value; }
  int GetReturnValue() const { return FReturnValue; }
  // The exception that ended Execute(), if any.
  std::exception_ptr FatalException() const { return FFatalException; }
  std::thread::id ThreadID() const { return FThreadID; }

  // Runs Method on the GUI thread and returns when it has run; an exception it
  // raises is raised again here. On the GUI thread it runs Method at once.
  static void Synchronize(std::function<void()> Method);
  // Hands Method to the GUI thread without waiting (at once on the GUI thread).
  static void Queue(std::function<void()> Method);
  // Names the calling thread for debuggers and tools (ps, gdb).
  static void NameThreadForDebugging(const std::string& name);
  static bool IsMainThread();

 protected:
  virtual void Execute() = 0;
  void SetReturnValue(int value) { FReturnValue = value; }
  // Blocks while the thread is suspended (and not told to stop).
  void CheckSuspended();

 private:
  static void ThreadProc(TThread* self);

  std::thread FThread;
  std::thread::id FThreadID;
  mutable std::mutex FStateMutex;
  std::condition_variable FStateChanged;
  bool FStarted = false;
  bool FSuspended = false;
  std::atomic<bool> FTerminated{false};
  std::atomic<bool> FFinished{false};
  std::atomic<bool> FFreeOnTerminate{false};
  TThreadPriority FPriority = tpNormal;
  int FReturnValue = 0;
  std::exception_ptr FFatalException;
};

// Runs the calls that workers have handed to the GUI thread so far (only on the
// GUI thread). Returns whether any ran. An exception of a queued call is raised
// to the caller; the calls after it stay pending for the next round.
bool CheckSynchronize();
// Whether calls are waiting for CheckSynchronize (any thread may ask).
bool SynchronizePending();
// Called, from the posting thread, after each posted call (in addition to the
// GLib main-loop wake-up); tests without a main loop may use it. Once this
// returns, the previous wake-up is not running and will not run again.
void SetSynchronizeWakeup(std::function<void()> wakeup);

// A lock that the owning thread may take again (recursive).
class TCriticalSection {
 public:
  void Enter() { FMutex.lock(); }
  void Leave() { FMutex.unlock(); }
  void Acquire() { Enter(); }
  void Release() { Leave(); }
  bool TryEnter() { return FMutex.try_lock(); }

 private:
  std::recursive_mutex FMutex;
};

enum TWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };
constexpr uint32_t INFINITE = 0xFFFFFFFFu;

// An event in real time. Auto-reset by default: a wait that sees the event set
// clears it again, so one SetEvent releases one waiter.
class TEvent {
 public:
  explicit TEvent(bool ManualReset = false, bool InitialState = false)
      : FManualReset(ManualReset), FSignaled(InitialState) {}
  void SetEvent();
  void ResetEvent();
  // Waits up to timeoutMs milliseconds (INFINITE: no limit).
  TWaitResult WaitFor(uint32_t timeoutMs = INFINITE);

 private:
  std::mutex FMutex;
  std::condition_variable FCond;
  bool FManualReset;
  bool FSignaled;
};
