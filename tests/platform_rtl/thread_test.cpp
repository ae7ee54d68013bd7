#include "platform/rtl/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "platform/rtl/Clock.h"

namespace {

// A worker whose body is given by the test.
class TLambdaThread : public TThread {
 public:
  explicit TLambdaThread(std::function<void(TLambdaThread&)> body, bool suspended = true)
      : TThread(true), FBody(std::move(body)) {
    if (!suspended) Start();
  }
  ~TLambdaThread() override { StopAndWait(); }

 protected:
  void Execute() override { FBody(*this); }

 private:
  std::function<void(TLambdaThread&)> FBody;
};

// Pumps (through the clock seam's pump) until the condition holds; the bound
// only keeps a broken build from hanging.
template <class Pred>
bool PumpUntil(Pred done) {
  for (int i = 0; i < 2000000 && !done(); ++i) {
    RunMessagePump();
    std::this_thread::yield();
  }
  return done();
}

}  // namespace

TEST(Thread, SynchronizeRunsOnTheGuiThreadInOrderWhenThePumpRuns) {
  std::vector<int> calls;
  std::vector<bool> onMain;
  TLambdaThread worker(
      [&](TLambdaThread&) {
        for (int i = 0; i < 5; ++i)
          TThread::Synchronize([&, i] {
            calls.push_back(i);
            onMain.push_back(TThread::IsMainThread());
          });
      },
      false);
  ASSERT_TRUE(PumpUntil([&] { return worker.Finished(); }));
  EXPECT_EQ(calls, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(onMain, std::vector<bool>(5, true));
  EXPECT_FALSE(worker.FatalException());
}

TEST(Thread, WaitForServicesSynchronizeSoItCannotLock) {
  int ran = 0;
  TLambdaThread worker(
      [&](TLambdaThread&) {
        for (int i = 0; i < 3; ++i) TThread::Synchronize([&] { ++ran; });
      },
      false);
  worker.WaitFor();  // no pumping here: the wait itself must run the calls
  EXPECT_EQ(ran, 3);
  EXPECT_TRUE(worker.Finished());
}

TEST(Thread, FreeingAWorkerThatSynchronizesUntilToldToStopEnds) {
  std::atomic<int> ticks{0};
  auto* worker = new TLambdaThread(
      [&](TLambdaThread& self) {
        while (!self.Terminated()) TThread::Synchronize([&] { ++ticks; });
      },
      false);
  ASSERT_TRUE(PumpUntil([&] { return ticks.load() >= 3; }));
  delete worker;  // Terminate + WaitFor while the worker sits in Synchronize
  EXPECT_GE(ticks.load(), 3);
}

TEST(Thread, ExceptionOfASynchronizedCallEndsTheWorker) {
  bool afterCall = false;
  TLambdaThread worker(
      [&](TLambdaThread&) {
        TThread::Synchronize([] { throw Exception("boom"); });
        afterCall = true;
      },
      false);
  worker.WaitFor();
  EXPECT_FALSE(afterCall);
  ASSERT_TRUE(worker.FatalException());
  try {
    std::rethrow_exception(worker.FatalException());
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "boom");
  }
}

TEST(Thread, QueuedCallsRunLaterWithoutBlockingTheWorker) {
  std::vector<int> calls;
  TLambdaThread worker(
      [&](TLambdaThread&) {
        TThread::Queue([&] { calls.push_back(1); });
        TThread::Queue([&] { calls.push_back(2); });
      },
      false);
  // The worker ends although nothing ran its calls yet.
  TEvent never;
  while (!worker.Finished()) never.WaitFor(1);
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(SynchronizePending());
  EXPECT_TRUE(CheckSynchronize());
  EXPECT_EQ(calls, (std::vector<int>{1, 2}));
  EXPECT_FALSE(CheckSynchronize());
}

TEST(Thread, CreatedSuspendedRunsOnlyAfterStart) {
  std::atomic<bool> ran{false};
  TLambdaThread worker([&](TLambdaThread&) { ran = true; });
  EXPECT_TRUE(worker.GetSuspended());
  EXPECT_FALSE(worker.Started());
  worker.Start();
  worker.WaitFor();
  EXPECT_TRUE(ran.load());
}

TEST(Thread, NeverStartedThreadIsFreedWithoutWaiting) {
  std::atomic<bool> ran{false};
  {
    TLambdaThread worker([&](TLambdaThread&) { ran = true; });
  }
  EXPECT_FALSE(ran.load());
}

TEST(Thread, FreeOnTerminateFreesTheObjectAtItsEnd) {
  static std::atomic<bool> freed{false};
  struct TSelfFreeing : TThread {
    TSelfFreeing() : TThread(true) { SetFreeOnTerminate(true); }
    ~TSelfFreeing() override { freed = true; }
    void Execute() override {}
  };
  (new TSelfFreeing)->Start();
  TEvent never;
  for (int i = 0; i < 5000 && !freed.load(); ++i) never.WaitFor(1);
  EXPECT_TRUE(freed.load());
}

TEST(Thread, SuspendHoldsTheWorkerAtItsSuspensionPoint) {
  struct TStepper : TThread {
    std::atomic<int> Steps{0};
    TEvent Stepped;
    TStepper() : TThread(true) {}
    ~TStepper() override { StopAndWait(); }
    void Execute() override {
      while (!Terminated()) {
        CheckSuspended();
        ++Steps;
        Stepped.SetEvent();
        std::this_thread::yield();
      }
    }
  } worker;
  worker.Start();
  ASSERT_EQ(worker.Stepped.WaitFor(5000), wrSignaled);
  worker.Suspend();
  // At most the step under way completes after Suspend.
  worker.Stepped.WaitFor(20);
  const int held = worker.Steps.load();
  EXPECT_EQ(worker.Stepped.WaitFor(50), wrTimeout);
  EXPECT_LE(worker.Steps.load(), held + 1);
  worker.Resume();
  EXPECT_EQ(worker.Stepped.WaitFor(5000), wrSignaled);
}

TEST(Event, AutoResetReleasesOneWaitManualResetStaysSet) {
  TEvent autoReset;
  EXPECT_EQ(autoReset.WaitFor(0), wrTimeout);
  autoReset.SetEvent();
  EXPECT_EQ(autoReset.WaitFor(0), wrSignaled);
  EXPECT_EQ(autoReset.WaitFor(0), wrTimeout);

  TEvent manual(true, true);
  EXPECT_EQ(manual.WaitFor(0), wrSignaled);
  EXPECT_EQ(manual.WaitFor(0), wrSignaled);
  manual.ResetEvent();
  EXPECT_EQ(manual.WaitFor(0), wrTimeout);
}

TEST(Event, SetFromAnotherThreadEndsAnUnlimitedWait) {
  TEvent event;
  TLambdaThread setter([&](TLambdaThread&) { event.SetEvent(); }, false);
  EXPECT_EQ(event.WaitFor(INFINITE), wrSignaled);
}

TEST(CriticalSection, TheOwnerMayEnterAgainOthersMayNot) {
  TCriticalSection section;
  section.Enter();
  EXPECT_TRUE(section.TryEnter());  // recursive for its owner
  std::atomic<bool> otherGot{true};
  TLambdaThread other([&](TLambdaThread&) { otherGot = section.TryEnter(); }, false);
  other.WaitFor();
  EXPECT_FALSE(otherGot.load());
  section.Leave();
  section.Leave();
}

TEST(VirtualClock, WorkerSleepWaitsForTestTimeAndWakesWhenTerminated) {
  TScopedVirtualClock clock(1000, 10);
  std::atomic<int> slept{0};
  TLambdaThread worker(
      [&](TLambdaThread& self) {
        while (!self.Terminated()) {
          Sleep(10);
          ++slept;
        }
      },
      false);
  // Without the GUI thread moving the clock, a worker's sleep does not end.
  TEvent never;
  never.WaitFor(30);
  EXPECT_EQ(slept.load(), 0);
  // Each pump moves test time by 10 ms; the worker counts at most one step per pump.
  for (int i = 0; i < 5; ++i) {
    ProcessMessages();
    never.WaitFor(5);
  }
  EXPECT_LE(slept.load(), 5);
  worker.StopAndWait();  // ends the sleep under way without further pumping
  EXPECT_TRUE(worker.Finished());
}
