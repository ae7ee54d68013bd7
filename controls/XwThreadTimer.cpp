#include "controls/XwThreadTimer.h"

#include "controls/XwTimer.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Forms.h"

const TClassInfo* TXwThreadTimer::Class() {
  using T = TXwThreadTimer;
  static const TClassInfo* info =
      TClassDecl<T>("TXwThreadTimer", TXwComponent::Class())
          .Prop("Enabled", &T::GetEnabled, &T::SetEnabled)
          .Default(false)
          .Prop("Interval", &T::GetInterval, &T::SetInterval)
          .Default(1000)
          .Prop("KeepAlive", &T::GetKeepAlive, &T::SetKeepAlive)
          .Default(false)
          .Enum("Priority", &T::GetPriority, &T::SetPriority, ThreadPriorityInfo())
          .Default(tpNormal)
          .Event("OnTimer", &T::GetOnTimer, &T::SetOnTimer);
  return info;
}

namespace XwThreadTimer {

TXwTimerThread::TXwTimerThread(TXwThreadTimer* timer)
    : TXwCustomThread(true),
      FInterval(timer->GetInterval()),
      FTimer(timer),
      FPriority(timer->GetPriority()) {
  StoreThreadName(ClassName() + ": " + timer->GetName());
  Start();
}

TXwTimerThread::~TXwTimerThread() {
  Stop();
  StopAndWait();
}

void TXwTimerThread::Stop() {
  Terminate();
  FEvent.SetEvent();
  if (GetSuspended()) Resume();
}

void TXwTimerThread::Fire() {
  TXwThreadTimer* timer = FTimer;
  Synchronize([this, timer] {
    FSynchronizing = true;
    try {
      timer->FireTimer();
    } catch (...) {
      FSynchronizing = false;
      throw;
    }
    FSynchronizing = false;
  });
}

void TXwTimerThread::Execute() {
  NameThread(QualifiedThreadName());
  SetPriority(FPriority);
  if (FEvent.WaitFor(FInterval) == wrSignaled) return;
  while (!Terminated()) {
    CheckSuspended();
    FHasBeenSuspended = false;
    const uint32_t start = GetTickCount();
    if (!Terminated()) Fire();
    uint32_t elapsed = 0;
    if (!FHasBeenSuspended) {
      const uint32_t now = GetTickCount();
      // The 32-bit counter may wrap between the two readings.
      elapsed = now >= start ? now - start : now + (0xFFFFFFFFu - start);
    }
    if (Terminated()) return;
    const uint32_t interval = FInterval;
    const uint32_t wait = elapsed >= interval ? 0 : interval - elapsed;
    if (FEvent.WaitFor(wait) == wrSignaled) return;
  }
}

}  // namespace XwThreadTimer

using XwThreadTimer::TXwTimerThread;

TXwThreadTimer::TXwThreadTimer(TComponent* AOwner) : TXwComponent(AOwner) {}

TXwThreadTimer::~TXwThreadTimer() {
  FBeingDestroyed = true;
  StopWorker();
}

void TXwThreadTimer::SetEnabled(bool value) {
  if (IsLoading()) {
    FStreamedEnabled = value;
    return;
  }
  if (FEnabled == value) return;
  FEnabled = value;
  ApplySettings();
}

void TXwThreadTimer::Loaded() {
  TXwComponent::Loaded();
  SetEnabled(FStreamedEnabled);
}

void TXwThreadTimer::SetInterval(uint32_t value) {
  if (FInterval == value) return;
  FInterval = value;
  ApplySettings();
}

void TXwThreadTimer::SetKeepAlive(bool value) {
  if (FKeepAlive == value) return;
  StopWorker();
  FKeepAlive = value;
  ApplySettings();
}

void TXwThreadTimer::SetPriority(TThreadPriority value) {
  if (FPriority == value) return;
  FPriority = value;
  if (FThread) FThread->SetPriority(value);
}

void TXwThreadTimer::SetOnTimer(TNotifyEvent value) {
  if (!FOnTimer && !value) return;
  FOnTimer = std::move(value);
  ApplySettings();
}

void TXwThreadTimer::FireTimer() {
  if (FBeingDestroyed || !FOnTimer) return;
  try {
    TNotifyEvent handler = FOnTimer;
    handler(this);
  } catch (...) {
    if (Application) Application->HandleException(this);
  }
}

void TXwThreadTimer::ApplySettings() {
  if (IsLoading() || IsDesigning()) return;
  const bool run = FEnabled && FOnTimer && FInterval > 0;
  if (!FKeepAlive) StopWorker();
  if (run) {
    if (!FThread) {
      FThread = new TXwTimerThread(this);
      return;
    }
    FThread->FInterval = FInterval;
    if (FThread->GetSuspended()) FThread->Resume();
    return;
  }
  if (!FThread) return;
  if (!FThread->GetSuspended()) {
    FThread->FHasBeenSuspended = true;
    FThread->Suspend();
  }
  FThread->FInterval = FInterval;
}

void TXwThreadTimer::StopWorker() {
  TXwTimerThread* worker = FThread;
  if (!worker) return;
  FThread = nullptr;
  worker->Stop();
  if (worker->FSynchronizing) {
    // Called from inside the handler: the worker is blocked on this very
    // tick, so it frees itself once the handler has returned.
    worker->SetFreeOnTerminate(true);
    return;
  }
  delete worker;  // waits for its end, running a tick it already handed over
}
