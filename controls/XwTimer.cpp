#include "controls/XwTimer.h"

#include <cstdio>

#include "platform/rtl/Clock.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Timers.h"

const TEnumInfo& XwTimerEventTimeInfo() {
  static const TEnumInfo info("TXwTimerEventTime", {"tetPre", "tetPost"});
  return info;
}

const TEnumInfo& ThreadPriorityInfo() {
  static const TEnumInfo info("TThreadPriority", {"tpIdle", "tpLowest", "tpLower", "tpNormal",
                                                  "tpHigher", "tpHighest", "tpTimeCritical"});
  return info;
}

const TClassInfo* TXwTimer::Class() {
  using T = TXwTimer;
  static const TClassInfo* info =
      TClassDecl<T>("TXwTimer", TComponent::Class())
          .Prop("Enabled", &T::GetEnabled, &T::SetEnabled)
          .Default(true)
          .Prop("Interval", &T::GetInterval, &T::SetInterval)
          .Default(1000)
          .Prop("SyncEvent", &T::GetSyncEvent, &T::SetSyncEvent)
          .Default(true)
          .Prop("Threaded", &T::GetThreaded, &T::SetThreaded)
          .Default(true)
          .Enum("ThreadPriority", &T::GetThreadPriority, &T::SetThreadPriority,
                ThreadPriorityInfo())
          .Default(tpNormal)
          .Enum("EventTime", &T::GetEventTime, &T::SetEventTime, XwTimerEventTimeInfo())
          .Default(tetPre)
          .Event("OnTimer", &T::GetOnTimer, &T::SetOnTimer);
  return info;
}

namespace XwTimer {

TXwTimerThread::TXwTimerThread(TXwTimer* owner) : TXwCustomThread(true), FOwner(owner) {
  StoreThreadName(ClassName() + ": " + owner->GetName());
}

TXwTimerThread::~TXwTimerThread() { StopAndWait(); }

bool TXwTimerThread::GetPaused() {
  FPauseSection.Enter();
  const bool paused = FPaused;
  FPauseSection.Leave();
  return paused;
}

void TXwTimerThread::SetPaused(bool value) {
  FPauseSection.Enter();
  FPaused = value;
  FPauseSection.Leave();
  if (!value && !Terminated() && (!Started() || GetSuspended())) Start();
}

bool TXwTimerThread::StopTest() const {
  return Terminated() || !FOwner || (Application && Application->Terminated());
}

void TXwTimerThread::CountedWait() {
  FCurrentDuration = 0;
  while (!StopTest() && FCurrentDuration < FInterval) {
    ::Sleep(10);
    FCurrentDuration += 10;
  }
}

void TXwTimerThread::Deliver() {
  TXwTimer* owner = FOwner;
  if (owner->GetSyncEvent()) {
    // The handler's exception comes back here and ends the worker.
    Synchronize([owner] { owner->DoTimer(); });
    return;
  }
  try {
    owner->DoTimer();
  } catch (const EAbort&) {
  } catch (const Exception& e) {
    FException = e.Message();
    // Shown by the GUI thread: message boxes belong to it.
    Queue([error = std::current_exception()] {
      try {
        std::rethrow_exception(error);
      } catch (...) {
        if (Application) Application->HandleException(Application);
      }
    });
  }
}

void TXwTimerThread::Execute() {
  NameThread(QualifiedThreadName());
  try {
    while (!Terminated()) {
      const TXwTimerEventTime eventTime = FOwner->GetEventTime();
      if (eventTime == tetPost) CountedWait();
      if (!StopTest() && FOwner->GetEnabled()) Deliver();
      if (eventTime == tetPre) CountedWait();
      while (GetPaused() && !Terminated()) ::Sleep(10);
      // Between the program's end and the timer's destruction: idle, no ticks.
      if (!Terminated() && StopTest()) ::Sleep(10);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s ended: %s\n", QualifiedThreadName().c_str(), e.what());
    throw;
  }
}

}  // namespace XwTimer

using XwTimer::TXwTimerThread;

TXwTimer::TXwTimer(TComponent* AOwner) : TComponent(AOwner) {}

TXwTimer::~TXwTimer() {
  FBeingDestroyed = true;
  FEnabled = false;
  // The worker goes first: an unsynchronised worker may be reading the handler.
  FreeWorker();
  {
    std::lock_guard<std::mutex> lock(FHandlerLock);
    FOnTimer = nullptr;
  }
  FreeInnerTimer();
}

void TXwTimer::SetEnabled(bool value) {
  if (FEnabled.load() == value) return;
  FEnabled = value;
  ApplySettings();
}

void TXwTimer::SetInterval(uint32_t value) {
  if (FInterval == value) return;
  FInterval = value;
  ApplySettings();
}

void TXwTimer::SetThreaded(bool value) {
  if (FThreaded == value) return;
  if (FInTimerEvent) throw EXWException("Cannot change TXwTimer.Threaded in the timer event");
  FThreaded = value;
  ApplySettings();
}

void TXwTimer::SetThreadPriority(TThreadPriority value) {
  if (FThreadPriority == value) return;
  FThreadPriority = value;
  if (FThreaded && FTimerThread) FTimerThread->SetPriority(value);
}

void TXwTimer::SetOnTimer(TNotifyEvent value) {
  bool changedKind;
  {
    std::lock_guard<std::mutex> lock(FHandlerLock);
    changedKind = static_cast<bool>(FOnTimer) != static_cast<bool>(value);
    FOnTimer = std::move(value);
  }
  if (changedKind) ApplySettings();
}

TNotifyEvent TXwTimer::GetOnTimer() const {
  std::lock_guard<std::mutex> lock(FHandlerLock);
  return FOnTimer;
}

bool TXwTimer::HasOnTimer() const {
  std::lock_guard<std::mutex> lock(FHandlerLock);
  return static_cast<bool>(FOnTimer);
}

void TXwTimer::Synchronize(std::function<void()> Method) {
  if (FTimerThread && !FTimerThread->GetSuspended() && !FTimerThread->Terminated())
    TThread::Synchronize(std::move(Method));
  else
    Method();
}

void TXwTimer::DoTimer() {
  if (!FEnabled || FBeingDestroyed) return;
  TNotifyEvent handler;
  {
    std::lock_guard<std::mutex> lock(FHandlerLock);
    handler = FOnTimer;
  }
  if (!handler) return;
  struct TInEvent {
    std::atomic<bool>& Flag;
    explicit TInEvent(std::atomic<bool>& flag) : Flag(flag) { Flag = true; }
    ~TInEvent() { Flag = false; }
  } inEvent(FInTimerEvent);
  handler(this);
}

void TXwTimer::ApplySettings() {
  if (FInterval != 0 && FEnabled && HasOnTimer()) {
    if (FThreaded) {
      FreeInnerTimer();
      if (!FTimerThread) FTimerThread = new TXwTimerThread(this);
      FTimerThread->SetPaused(true);
      FTimerThread->FCurrentDuration = 0;
      FTimerThread->FInterval = FInterval;
      FTimerThread->SetPriority(FThreadPriority);
      FTimerThread->SetPaused(false);
      return;
    }
    FreeWorker();
    if (!FTimer) FTimer = new TTimer(this);
    FTimer->SetInterval(FInterval);
    FTimer->SetOnTimer([this](TObject*) { DoTimer(); });
    FTimer->SetEnabled(true);
    return;
  }
  if (FInTimerEvent) {
    // Called from inside the handler: the worker waits on it, so pause only.
    if (FTimerThread) FTimerThread->SetPaused(true);
    if (FTimer) FTimer->SetEnabled(false);
    return;
  }
  FreeWorker();
  FreeInnerTimer();
}

void TXwTimer::FreeWorker() {
  TXwTimerThread* worker = FTimerThread;
  if (!worker) return;
  FTimerThread = nullptr;
  worker->Terminate();
  worker->SetPaused(false);
  delete worker;  // waits for its end, running ticks it already handed over
}

void TXwTimer::FreeInnerTimer() {
  TTimer* timer = FTimer;
  FTimer = nullptr;
  delete timer;
}
