#include "platform/vcl/Timers.h"

#include <glib.h>

#include "platform/vcl/Forms.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
  *FAlive = false;
  if (FSource) g_source_remove(FSource);
}

void TTimer::SetEnabled(bool value) {
  if (FEnabled == value) return;
  FEnabled = value;
  UpdateTimer();
}

void TTimer::SetInterval(uint32_t value) {
  if (FInterval == value) return;
  FInterval = value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent value) {
  FOnTimer = std::move(value);
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FSource) g_source_remove(FSource);
  FSource = 0;
  if (!FEnabled || FInterval == 0 || !FOnTimer) return;
  FSource = g_timeout_add(FInterval, reinterpret_cast<GSourceFunc>(OnTick), this);
}

int TTimer::OnTick(void* self) {
  auto* timer = static_cast<TTimer*>(self);
  const std::shared_ptr<bool> alive = timer->FAlive;
  const unsigned source = g_source_get_id(g_main_current_source());
  try {
    timer->Timer();
  } catch (...) {
    if (Application) Application->HandleException(timer);
  }
  // The handler may have freed the timer or re-armed it with a new source.
  if (!*alive || timer->FSource != source) return G_SOURCE_REMOVE;
  return G_SOURCE_CONTINUE;
}

void TTimer::Timer() {
  if (FOnTimer) {
    TNotifyEvent handler = FOnTimer;
    handler(this);
  }
}
