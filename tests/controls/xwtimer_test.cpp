// The worker timer under test time. Time moves only when the test moves it,
// and only once the worker is blocked (sleeping on the clock or waiting for its
// tick to be run), so tick times are exact and no wall-clock timing is used.

#include "controls/XwTimer.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/rtl/Clock.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Timers.h"

namespace {

template <class Pred>
void WaitUntil(Pred done) {
  for (int i = 0; i < 20000000 && !done(); ++i) std::this_thread::yield();
  ASSERT_TRUE(done()) << "the worker did not get there";
}

struct TXwTimerTest : ::testing::Test {
  TScopedVirtualClock Clock{1000, 10};
  TXwTimer* Timer = new TXwTimer(nullptr);
  std::vector<uint32_t> Ticks;  // test time of every tick

  TXwTimerTest() { Timer->SetName("Timer1"); }
  ~TXwTimerTest() override { delete Timer; }

  void Start(uint32_t interval, TNotifyEvent handler = nullptr) {
    Timer->SetInterval(interval);
    Timer->SetOnTimer(handler ? handler : [this](TObject*) { Ticks.push_back(GetTickCount()); });
  }

  // Waits until the worker (if any) is blocked: asleep on the clock or waiting
  // for its tick to be run.
  void Settle() {
    XwTimer::TXwTimerThread* worker = Timer->TimerThread();
    if (!worker) return;
    WaitUntil([&] { return worker->Finished() || Clock->Sleepers() > 0 || SynchronizePending(); });
  }

  // One 10 ms step: move time, let the woken worker block again, then run
  // the ticks it handed over.
  void Step() {
    Settle();
    XwTimer::TXwTimerThread* worker = Timer->TimerThread();
    const uint64_t sleeps = Clock->SleepsStarted();
    const bool sleeping = Clock->Sleepers() > 0;
    Clock->Advance(10);
    if (worker && sleeping)
      WaitUntil([&] {
        return worker->Finished() || Clock->SleepsStarted() > sleeps || SynchronizePending();
      });
    RunMessagePump();
  }

  void Steps(int n) {
    for (int i = 0; i < n; ++i) Step();
  }
};

}  // namespace

TEST_F(TXwTimerTest, IntervalZeroNeverFiresAndHasNoWorker) {
  Start(0);
  EXPECT_EQ(Timer->TimerThread(), nullptr);
  Steps(30);
  EXPECT_TRUE(Ticks.empty());
}

TEST_F(TXwTimerTest, PreFiresAtOnceThenEveryCountedInterval) {
  Start(100);
  Steps(22);
  EXPECT_EQ(Ticks, (std::vector<uint32_t>{1010, 1110, 1210}));
}

TEST_F(TXwTimerTest, IntervalIsCountedInWholeTenMillisecondSteps) {
  Start(15);  // two 10 ms steps per cycle
  Steps(5);
  EXPECT_EQ(Ticks, (std::vector<uint32_t>{1010, 1030, 1050}));
}

TEST_F(TXwTimerTest, PostWaitsOneIntervalBeforeTheFirstTick) {
  Timer->SetEventTime(tetPost);
  Start(50);
  Steps(11);
  EXPECT_EQ(Ticks, (std::vector<uint32_t>{1050, 1100}));
}

TEST_F(TXwTimerTest, PeriodIsHandlerTimePlusInterval) {
  Start(100, [this](TObject*) {
    Ticks.push_back(GetTickCount());
    Sleep(300);  // a slow handler on the GUI thread
  });
  Steps(12);
  EXPECT_EQ(Ticks, (std::vector<uint32_t>{1010, 1410}));
}

TEST_F(TXwTimerTest, DisableAndEnableInsideATickRestartTheWait) {
  int pumpedTicks = 0;
  XwTimer::TXwTimerThread* workerInTick = nullptr;
  Start(100, [&](TObject*) {
    Ticks.push_back(GetTickCount());
    Timer->SetEnabled(false);
    Timer->SetEnabled(true);
    workerInTick = Timer->TimerThread();
    const size_t before = Ticks.size();
    for (int i = 0; i < 20; ++i) ProcessMessages();  // no tick while the handler runs
    pumpedTicks += static_cast<int>(Ticks.size() - before);
  });
  Steps(12);
  EXPECT_EQ(pumpedTicks, 0);
  ASSERT_EQ(Ticks.size(), 2u);
  // The handler moved time by 200 ms; the next tick follows one interval later.
  EXPECT_EQ(Ticks[0], 1010u);
  EXPECT_EQ(Ticks[1], 1010u + 200 + 100);
  EXPECT_EQ(Timer->TimerThread(), workerInTick);  // the same worker, paused and resumed
}

TEST_F(TXwTimerTest, DisabledInsideATickStaysPausedUntilEnabledFromOutside) {
  Start(20, [this](TObject*) {
    Ticks.push_back(GetTickCount());
    Timer->SetEnabled(false);
  });
  Steps(10);
  ASSERT_EQ(Ticks.size(), 1u);
  XwTimer::TXwTimerThread* worker = Timer->TimerThread();
  ASSERT_NE(worker, nullptr);
  EXPECT_TRUE(worker->GetPaused());
  Timer->SetEnabled(true);
  EXPECT_EQ(Timer->TimerThread(), worker);
  Steps(5);
  EXPECT_EQ(Ticks.size(), 2u);
  Timer->SetEnabled(true);
  Timer->SetEnabled(false);  // from outside the handler: the worker goes
  EXPECT_EQ(Timer->TimerThread(), nullptr);
}

TEST_F(TXwTimerTest, EqualValueKeepsTheWaitNewIntervalRestartsIt) {
  Start(100);
  Steps(6);  // first tick at 1010, then 50 ms into the wait
  Timer->SetEnabled(true);
  Timer->SetInterval(100);
  Steps(6);
  EXPECT_EQ(Ticks, (std::vector<uint32_t>{1010, 1110}));
  Steps(5);  // 1170: 60 ms into the next wait
  Timer->SetInterval(40);
  Steps(5);
  EXPECT_EQ(Ticks, (std::vector<uint32_t>{1010, 1110, 1210}));
}

TEST_F(TXwTimerTest, ChangingThreadedInsideTheHandlerRaisesAndTheTimerGoesOn) {
  std::string error;
  Start(20, [&](TObject*) {
    Ticks.push_back(GetTickCount());
    try {
      Timer->SetThreaded(false);
    } catch (const EXWException& e) {
      error = e.Message();
    }
  });
  Steps(5);
  EXPECT_EQ(error, "Cannot change TXwTimer.Threaded in the timer event");
  EXPECT_TRUE(Timer->GetThreaded());
  EXPECT_EQ(Ticks, (std::vector<uint32_t>{1010, 1030, 1050}));
}

TEST_F(TXwTimerTest, AnotherHandlerKeepsTheRhythmClearingStops) {
  Start(50);
  Steps(3);
  std::vector<uint32_t> second;
  Timer->SetOnTimer([&](TObject*) { second.push_back(GetTickCount()); });
  Steps(5);
  EXPECT_EQ(Ticks, (std::vector<uint32_t>{1010}));
  EXPECT_EQ(second, (std::vector<uint32_t>{1060}));
  Timer->SetOnTimer(nullptr);
  EXPECT_EQ(Timer->TimerThread(), nullptr);
}

TEST_F(TXwTimerTest, ExceptionOfASynchronisedHandlerEndsTheWorkerUntilRestarted) {
  Start(20, [this](TObject*) {
    Ticks.push_back(GetTickCount());
    throw Exception("handler failed");
  });
  Steps(6);
  ASSERT_EQ(Ticks.size(), 1u);
  ASSERT_NE(Timer->TimerThread(), nullptr);
  EXPECT_TRUE(Timer->TimerThread()->Finished());
  Timer->SetEnabled(false);
  Timer->SetEnabled(true);
  Steps(1);
  EXPECT_EQ(Ticks.size(), 2u);
}

TEST_F(TXwTimerTest, UnsynchronisedHandlerRunsOnTheWorkerAndItsErrorsAreShown) {
  std::vector<std::string> shown;
  MessageBoxHook = [&](const TMessageBoxRequest& r) {
    shown.push_back(r.Text);
    return IDOK;
  };
  std::atomic<int> runs{0};
  std::atomic<bool> onMain{false};
  Timer->SetSyncEvent(false);
  Start(10, [&](TObject*) {
    onMain = onMain || TThread::IsMainThread();
    if (++runs == 1) throw EAbort("quiet");
    throw Exception("tick failed");
  });
  Steps(2);
  WaitUntil([&] { return runs.load() >= 3; });
  delete Timer;
  Timer = nullptr;
  CheckSynchronize();  // the reports are shown on the GUI thread
  MessageBoxHook = nullptr;
  EXPECT_FALSE(onMain.load());
  ASSERT_GE(shown.size(), 1u);
  EXPECT_EQ(shown[0], "tick failed");
  EXPECT_EQ(shown.size(), static_cast<size_t>(runs.load() - 1));  // the abort is not shown
}

TEST_F(TXwTimerTest, FreeingWhileATickIsHandedOverDoesNotLockOrRunIt) {
  Start(100);
  Steps(10);  // nine of the ten sleeps done
  Settle();
  Clock->Advance(10);  // the worker hands over its second tick; nobody runs it
  WaitUntil([] { return SynchronizePending(); });
  delete Timer;
  Timer = nullptr;
  EXPECT_EQ(Ticks, (std::vector<uint32_t>{1010}));
  EXPECT_FALSE(SynchronizePending());
}

TEST_F(TXwTimerTest, WorkerIsNamedAfterItsTimer) {
  Start(100);
  ASSERT_NE(Timer->TimerThread(), nullptr);
  EXPECT_EQ(Timer->TimerThread()->QualifiedThreadName(), "TXwTimerThread: Timer1 {TXwTimerThread}");
  struct TUnnamed : TXwCustomThread {
    void Execute() override {}
  } unnamed;
  EXPECT_EQ(unnamed.QualifiedThreadName(), "TXwCustomThread");
}

TEST(XwTimerInner, NotThreadedRunsOnTheFrameworkTimer) {
  TXwTimer timer(nullptr);
  int ticks = 0;
  timer.SetThreaded(false);
  timer.SetInterval(1);
  timer.SetOnTimer([&](TObject*) {
    if (++ticks == 2) timer.SetEnabled(false);  // inside the tick: paused, kept
  });
  EXPECT_EQ(timer.TimerThread(), nullptr);
  ASSERT_NE(timer.InnerTimer(), nullptr);
  for (int i = 0; i < 100000 && ticks < 2; ++i) g_main_context_iteration(nullptr, TRUE);
  EXPECT_EQ(ticks, 2);
  ASSERT_NE(timer.InnerTimer(), nullptr);
  EXPECT_FALSE(timer.InnerTimer()->Running());
  timer.SetThreaded(true);  // stopped: nothing runs
  EXPECT_EQ(timer.InnerTimer(), nullptr);
  EXPECT_EQ(timer.TimerThread(), nullptr);
}
