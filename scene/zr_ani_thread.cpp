// The shared animation timer: a GLib timeout of the GUI thread's main loop
// (through TTimer), or a hook on a test's virtual clock.

#include <strings.h>

#include <algorithm>

#include "platform/rtl/Clock.h"
#include "scene/zr_ani.h"

TzrAniThread* aniThread = nullptr;

void zrFreeAniThread() {
  TzrAniThread* timer = aniThread;
  aniThread = nullptr;
  delete timer;
}

// What the virtual clock calls after every advance while the hook is installed.
// Owner is nil while the timer is disarmed or gone: the hook then only passes
// the advance on to the handler it replaced.
struct TzrAniThread::THook {
  TzrAniThread* Owner = nullptr;
  void Advanced(uint32_t Now) {
    if (Owner) Owner->ClockAdvanced(Now);
  }
};

namespace {

struct TAdvanceFn {
  std::shared_ptr<TzrAniThread::THook> Hook;
  std::function<void(uint32_t)> Previous;
  void operator()(uint32_t Now) const {
    if (Previous) Previous(Now);
    Hook->Advanced(Now);
  }
};

}  // namespace

TzrAniThread::TzrAniThread() : TTimer(nullptr), FHook(std::make_shared<THook>()) {
  SetEnabled(false);
  SetInterval(Interval);
  SetOnTimer([this](TObject*) { Tick(); });
}

TzrAniThread::~TzrAniThread() {
  FHook->Owner = nullptr;
  FAniList.clear();
}

bool TzrAniThread::Contains(const TzrAnimation* AAnimation) const {
  return std::find(FAniList.begin(), FAniList.end(), AAnimation) != FAniList.end();
}

void TzrAniThread::Add(TzrAnimation* AAnimation) {
  if (!Contains(AAnimation)) FAniList.push_back(AAnimation);
  if (!FArmed || !ArmedOnClockInForce()) Arm();
}

bool TzrAniThread::ArmedOnClockInForce() const {
  auto* clock = dynamic_cast<TVirtualClock*>(&Clock());
  if (clock != FVirtual) return false;
  if (!clock) return true;
  // A new clock may sit where an old one was: it must carry our hook.
  const auto* installed = clock->OnAdvance.target<TAdvanceFn>();
  return installed && installed->Hook == FHook;
}

void TzrAniThread::Remove(TzrAnimation* AAnimation) {
  auto it = std::find(FAniList.begin(), FAniList.end(), AAnimation);
  if (it == FAniList.end()) return;
  FAniList.erase(it);
  if (FAniList.empty()) Disarm();
}

void TzrAniThread::Arm() {
  FArmed = true;
  FLastTick = GetTickCount();
  FElapsedMs = 0;
  FDeltaTime = 0;
  auto* clock = dynamic_cast<TVirtualClock*>(&Clock());
  if (!clock) {
    FVirtual = nullptr;
    FHook->Owner = nullptr;
    SetEnabled(true);
    return;
  }
  SetEnabled(false);
  FVirtual = clock;
  FDue = FLastTick + Interval;
  FHook->Owner = this;
  if (!ArmedOnClockInForce()) clock->OnAdvance = TAdvanceFn{FHook, clock->OnAdvance};
}

void TzrAniThread::Disarm() {
  FArmed = false;
  FHook->Owner = nullptr;
  FVirtual = nullptr;
  SetEnabled(false);
}

void TzrAniThread::ClockAdvanced(uint32_t Now) {
  // Signed difference: "Now is at or past FDue" across a wrap of the counter.
  if (!FArmed || int32_t(Now - FDue) < 0) return;
  FDue = Now + Interval;
  Tick();
}

void TzrAniThread::Tick() {
  if (!FArmed) return;
  const uint32_t now = GetTickCount();
  // An unsigned difference stays right when the 32-bit counter wraps.
  const uint32_t step = now - FLastTick;
  if (step == 0) return;
  FLastTick = now;
  FElapsedMs += step;
  FDeltaTime = double(step) / 1000.0;
  const float time = float(GetTime());
  const float delta = float(FDeltaTime);
  // Last first; processing may remove entries (finished animations leave,
  // handlers free animations), so the index is limited after each entry.
  int i = Count() - 1;
  while (i >= 0) {
    TzrAnimation* a = FAniList[size_t(i)];
    if (a->FRunning) {
      bool process = true;
      if (strcasecmp(a->GetBindingName().c_str(), "caret") == 0) {
        a->SetTag(a->GetTag() + 1);
        process = a->GetTag() % 3 == 0;
      }
      if (process) a->ProcessTick(time, delta);
    }
    i = std::min(i - 1, Count() - 1);
  }
}
