#include "platform/rtl/Clock.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "platform/rtl/Thread.h"

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
  CheckSynchronize();
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

TVirtualClock::~TVirtualClock() {
  std::unique_lock<std::mutex> lock(FMutex);
  FClosing = true;
  FChanged.notify_all();
  FChanged.wait(lock, [this] { return FSleepers == 0; });
}

void TVirtualClock::Sleep(uint32_t ms) {
  if (std::this_thread::get_id() == FOwnerThread) {
    Advance(ms);
    return;
  }
  std::unique_lock<std::mutex> lock(FMutex);
  const uint32_t start = FNow.load();
  const uint64_t generation = FWakeGeneration;
  ++FSleepers;
  ++FSleepsStarted;
  FChanged.wait(
      lock, [&] { return FClosing || FWakeGeneration != generation || FNow.load() - start >= ms; });
  --FSleepers;
  FChanged.notify_all();
}

int TVirtualClock::Sleepers() {
  std::lock_guard<std::mutex> lock(FMutex);
  return FSleepers;
}

void TVirtualClock::WakeSleepers() {
  std::lock_guard<std::mutex> lock(FMutex);
  ++FWakeGeneration;
  FChanged.notify_all();
}

void TVirtualClock::Advance(uint32_t ms) {
  {
    std::lock_guard<std::mutex> lock(FMutex);
    FNow += ms;
  }
  FChanged.notify_all();
  const uint32_t now = FNow.load();
  if (OnAdvance) OnAdvance(now);
  if (FListeners.empty()) return;
  // Listeners may remove themselves or others: each is looked up again
  // before it runs, and called through a copy.
  std::vector<int> ids;
  for (const auto& entry : FListeners) ids.push_back(entry.first);
  for (int id : ids) {
    auto it = std::find_if(FListeners.begin(), FListeners.end(),
                           [id](const auto& entry) { return entry.first == id; });
    if (it == FListeners.end()) continue;
    auto listener = it->second;
    listener(now);
  }
}

int TVirtualClock::AddAdvanceListener(std::function<void(uint32_t now)> listener) {
  const int id = FNextListener++;
  FListeners.emplace_back(id, std::move(listener));
  return id;
}

void TVirtualClock::RemoveAdvanceListener(int id) {
  std::erase_if(FListeners, [id](const auto& entry) { return entry.first == id; });
}
