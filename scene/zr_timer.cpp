#include "scene/zr_timer.h"

#include "platform/rtl/Clock.h"
#include "platform/vcl/Timers.h"

namespace {

TVirtualClock* VirtualClockInForce() { return dynamic_cast<TVirtualClock*>(&Clock()); }

}  // namespace

TzrTimer::TzrTimer(TComponent* AOwner) : TComponent(AOwner) {}

TzrTimer::~TzrTimer() { Disarm(); }

void TzrTimer::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Rearm();
}

void TzrTimer::SetInterval(uint32_t Value) {
  if (FInterval == Value) return;
  FInterval = Value;
  Rearm();
}

void TzrTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = std::move(Value);
  Rearm();
}

bool TzrTimer::Armed() const { return FListener != 0 || (FTimer && FTimer->Running()); }

void TzrTimer::Disarm() {
  if (FTimer) FTimer->SetEnabled(false);
  // A clock that is no longer in force may be gone: only the one in force
  // is told to forget the listener.
  if (FListener && FVirtual && VirtualClockInForce() == FVirtual)
    FVirtual->RemoveAdvanceListener(FListener);
  FListener = 0;
  FVirtual = nullptr;
}

void TzrTimer::Rearm() {
  Disarm();
  if (!FEnabled || FInterval == 0 || !FOnTimer) return;
  if (TVirtualClock* clock = VirtualClockInForce()) {
    FVirtual = clock;
    FDue = clock->TickCount() + FInterval;
    FListener = clock->AddAdvanceListener([this](uint32_t Now) { ClockAdvanced(Now); });
    return;
  }
  if (!FTimer) {
    FTimer = std::make_unique<TTimer>(nullptr);
    FTimer->SetEnabled(false);
  }
  FTimer->SetInterval(FInterval);
  FTimer->SetOnTimer([this](TObject*) { Tick(); });
  FTimer->SetEnabled(true);
}

void TzrTimer::ClockAdvanced(uint32_t Now) {
  // Signed difference: "Now is at or past FDue" across a wrap of the counter.
  if (int32_t(Now - FDue) < 0) return;
  FDue = Now + FInterval;
  Tick();
}

void TzrTimer::Tick() {
  if (!FOnTimer) return;
  // A copy: the handler may free the timer or replace its handler.
  TNotifyEvent handler = FOnTimer;
  handler(this);
}
