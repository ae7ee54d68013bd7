#include "platform/rtl/Clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

TSystemClock gSystemClock;
std::atomic<TClock*> gClock{nullptr};
std::function<void()> gPump;

}  // namespace

TClock& Clock() {
  TClock* clock = gClock.load();
  return clock ? *clock : gSystemClock;
}

void SetClock(TClock* clock) { gClock.store(clock); }

void SetMessagePump(std::function<void()> pump) { gPump = std::move(pump); }

void RunMessagePump() {
  if (gPump) gPump();
}

uint32_t GetTickCount() { return Clock().TickCount(); }
void Sleep(uint32_t ms) { Clock().Sleep(ms); }
void ProcessMessages() { Clock().ProcessMessages(); }

uint32_t TSystemClock::TickCount() {
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  return static_cast<uint32_t>(ms);
}

void TSystemClock::Sleep(uint32_t ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void TSystemClock::ProcessMessages() { RunMessagePump(); }

void TVirtualClock::ProcessMessages() {
  Advance(FPumpStep);
  RunMessagePump();
}

void TVirtualClock::Advance(uint32_t ms) {
  FNow += ms;
  if (OnAdvance) OnAdvance(FNow);
}
