// The event-driven thread timer. Its worker waits in real time, so these tests
// assert counts and order only; the bounds on pumping keep a broken build from
// hanging and never decide a result.

#include "controls/XwThreadTimer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/rtl/Clock.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Forms.h"

namespace {

// Pumps, sleeping on the hand-over wake-up, until the condition holds.
template <class Pred>
bool PumpUntil(Pred done, int rounds = 5000) {
  TEvent posted;
  SetSynchronizeWakeup([&posted] { posted.SetEvent(); });
  for (int i = 0; i < rounds && !done(); ++i) {
    posted.WaitFor(2);
    RunMessagePump();
  }
  SetSynchronizeWakeup(nullptr);
  return done();
}

struct TThreadTimerTest : ::testing::Test {
  TXwThreadTimer Timer{nullptr};
  int Ticks = 0;
  TNotifyEvent Count = [this](TObject*) { ++Ticks; };
};

}  // namespace

TEST_F(TThreadTimerTest, IntervalZeroOrDisabledHasNoWorker) {
  Timer.SetOnTimer(Count);
  EXPECT_EQ(Timer.Thread(), nullptr);  // Enabled defaults to false
  Timer.SetInterval(0);
  Timer.SetEnabled(true);
  EXPECT_EQ(Timer.Thread(), nullptr);
  PumpUntil([] { return false; }, 20);
  EXPECT_EQ(Ticks, 0);
}

TEST_F(TThreadTimerTest, TicksRunOnTheGuiThread) {
  bool allOnMain = true;
  Timer.SetInterval(2);
  Timer.SetOnTimer([&](TObject* sender) {
    allOnMain = allOnMain && TThread::IsMainThread() && sender == &Timer;
    ++Ticks;
  });
  Timer.SetEnabled(true);
  ASSERT_NE(Timer.Thread(), nullptr);
  EXPECT_TRUE(PumpUntil([&] { return Ticks >= 3; }));
  EXPECT_TRUE(allOnMain);
}

TEST_F(TThreadTimerTest, StopEndsALongWaitAtOnce) {
  Timer.SetInterval(3600000);  // an hour: only the stop request can end the wait
  Timer.SetOnTimer(Count);
  Timer.SetEnabled(true);
  ASSERT_NE(Timer.Thread(), nullptr);
  Timer.SetEnabled(false);
  EXPECT_EQ(Timer.Thread(), nullptr);
  EXPECT_EQ(Ticks, 0);
}

TEST_F(TThreadTimerTest, StopFromInsideTheHandlerEndsTicking) {
  Timer.SetInterval(1);
  Timer.SetOnTimer([this](TObject*) {
    ++Ticks;
    Timer.SetEnabled(false);  // the worker is blocked on this tick: it frees itself
  });
  Timer.SetEnabled(true);
  ASSERT_TRUE(PumpUntil([&] { return Ticks >= 1; }));
  EXPECT_EQ(Timer.Thread(), nullptr);
  PumpUntil([] { return false; }, 30);
  EXPECT_EQ(Ticks, 1);
}

TEST_F(TThreadTimerTest, EnabledWhileLoadingStartsOnlyWhenLoaded) {
  Timer.SetComponentState(csLoading);
  Timer.SetInterval(1);
  Timer.SetOnTimer(Count);
  Timer.SetEnabled(true);
  EXPECT_EQ(Timer.Thread(), nullptr);
  EXPECT_FALSE(Timer.GetEnabled());
  Timer.Loaded();
  EXPECT_TRUE(Timer.GetEnabled());
  ASSERT_NE(Timer.Thread(), nullptr);
  EXPECT_TRUE(PumpUntil([&] { return Ticks >= 1; }));
}

TEST_F(TThreadTimerTest, NoWorkerRunsAtDesignTime) {
  Timer.SetDesigning(true);
  Timer.SetInterval(1);
  Timer.SetOnTimer(Count);
  Timer.SetEnabled(true);
  EXPECT_EQ(Timer.Thread(), nullptr);
}

TEST_F(TThreadTimerTest, KeepAliveSuspendsAndResumesTheSameWorker) {
  Timer.SetKeepAlive(true);
  Timer.SetInterval(1);
  Timer.SetOnTimer(Count);
  Timer.SetEnabled(true);
  auto* worker = Timer.Thread();
  ASSERT_NE(worker, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return Ticks >= 1; }));
  Timer.SetEnabled(false);
  EXPECT_EQ(Timer.Thread(), worker);
  EXPECT_TRUE(worker->GetSuspended());
  // A tick already handed over may still arrive; after that none does.
  PumpUntil([] { return false; }, 10);
  const int held = Ticks;
  PumpUntil([] { return false; }, 30);
  EXPECT_EQ(Ticks, held);
  Timer.SetEnabled(true);
  EXPECT_EQ(Timer.Thread(), worker);
  EXPECT_TRUE(PumpUntil([&] { return Ticks > held; }));
}

TEST_F(TThreadTimerTest, HandlerExceptionsGoToTheApplicationAndTheWorkerGoesOn) {
  std::vector<std::string> shown;
  MessageBoxHook = [&](const TMessageBoxRequest& r) {
    shown.push_back(r.Text);
    return IDOK;
  };
  Timer.SetInterval(1);
  Timer.SetOnTimer([this](TObject*) {
    ++Ticks;
    throw Exception("tick failed");
  });
  Timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return Ticks >= 2; }));
  MessageBoxHook = nullptr;
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[0], "tick failed");
}

TEST_F(TThreadTimerTest, CounterWrapDuringATickStillGivesAShortWait) {
  TScopedVirtualClock clock(0xFFFFFFF0u);
  Timer.SetInterval(50);
  Timer.SetOnTimer([this](TObject*) {
    ++Ticks;
    Sleep(30);  // test time crosses the counter's wrap inside the tick
  });
  Timer.SetEnabled(true);
  // A wrong elapsed time would make the next wait last about 49 days.
  EXPECT_TRUE(PumpUntil([&] { return Ticks >= 2; }));
  Timer.SetEnabled(false);
}

TEST_F(TThreadTimerTest, SlowHandlerIsFollowedByTheNextTickAtOnce) {
  TScopedVirtualClock clock(1000);
  Timer.SetKeepAlive(true);  // interval changes reach the running worker
  Timer.SetInterval(1);
  Timer.SetOnTimer([this](TObject*) {
    if (++Ticks > 1) return;
    Timer.SetInterval(3600000);  // an hour between tick starts from now on
    Sleep(3600000);              // the handler itself takes that hour of test time
  });
  Timer.SetEnabled(true);
  // Ticks are spaced from start to start: the second one is due when the first
  // handler returns. Spacing from the handler's end would wait an hour.
  EXPECT_TRUE(PumpUntil([&] { return Ticks >= 2; }));
  Timer.SetEnabled(false);
  Timer.SetKeepAlive(false);
}
