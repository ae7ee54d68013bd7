// The main window's two timers as its form stream holds them: created by
// class name, handlers bound by method name, the thread timer started only
// once loading ends, and only changed properties written back. The link
// timer runs on the test's virtual clock.

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "controls/XwRegister.h"
#include "controls/XwThreadTimer.h"
#include "controls/XwTimer.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"

namespace {

// A form with the two handlers the main window publishes.
class TTimerForm : public TComponent {
 public:
  using TComponent::TComponent;
  static const TClassInfo* Class() {
    static const TClassInfo* info = TClassDecl<TTimerForm>("TTimerForm", TComponent::Class())
                                        .Method("Timer1Timer", &TTimerForm::Timer1Timer)
                                        .Method("ttMyThreadTimer", &TTimerForm::ttMyThreadTimer);
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }

  void Loaded() override {
    TComponent::Loaded();
    // The root is told first: the thread timer has not been told yet.
    auto* thread = dynamic_cast<TXwThreadTimer*>(FindComponent("ttMyThread"));
    ThreadRanWhileLoading = thread && thread->Thread();
  }
  // As a form root in a designer: its non-visual components are its children.
  void GetChildren(const TGetChildProc& Proc, TComponent*) override {
    for (int i = 0; i < ComponentCount(); ++i) Proc(Component(i));
  }
  void Timer1Timer(TObject* Sender) {
    Senders.push_back(Sender);
    Ticks.push_back(GetTickCount());
  }
  void ttMyThreadTimer(TObject*) { ++ThreadTicks; }

  std::vector<uint32_t> Ticks;
  std::vector<TObject*> Senders;
  int ThreadTicks = 0;
  bool ThreadRanWhileLoading = false;
};

const char* const FormText =
    "object frmInterface: TTimerForm\n"
    "  object Timer1: TXwTimer\n"
    "    Interval = 100\n"
    "    OnTimer = Timer1Timer\n"
    "  end\n"
    "  object ttMyThread: TXwThreadTimer\n"
    "    Enabled = True\n"
    "    Interval = 2500\n"
    "    OnTimer = ttMyThreadTimer\n"
    "  end\n"
    "end\n";

template <class Pred>
void WaitUntil(Pred done) {
  for (int i = 0; i < 20000000 && !done(); ++i) std::this_thread::yield();
  ASSERT_TRUE(done()) << "the worker did not get there";
}

struct TimerFormTest : ::testing::Test {
  TScopedVirtualClock Clock{1000, 10};
  TTimerForm Form{nullptr};

  static void SetUpTestSuite() { RegisterXwWidgetClasses(); }

  void Read(const std::string& Text) {
    TResourceStream source(Text.data(), Text.size());
    TMemoryStream binary;
    ObjectTextToBinary(&source, &binary);
    binary.SetPosition(0);
    TReader reader(&binary);
    reader.ReadRootComponent(&Form);
  }
  std::string Write() {
    TMemoryStream binary;
    {
      TWriter writer(&binary);
      writer.WriteRootComponent(&Form);
    }
    binary.SetPosition(0);
    TMemoryStream text;
    ObjectBinaryToText(&binary, &text);
    return std::string(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
  }
  TXwTimer* Timer1() { return dynamic_cast<TXwTimer*>(Form.FindComponent("Timer1")); }
  TXwThreadTimer* Thread() {
    return dynamic_cast<TXwThreadTimer*>(Form.FindComponent("ttMyThread"));
  }
  // One 10 ms step of the link timer's worker (see the timer's own tests).
  void Step() {
    XwTimer::TXwTimerThread* worker = Timer1()->TimerThread();
    if (worker)
      WaitUntil(
          [&] { return worker->Finished() || Clock->Sleepers() > 0 || SynchronizePending(); });
    const uint64_t sleeps = Clock->SleepsStarted();
    const bool sleeping = Clock->Sleepers() > 0;
    Clock->Advance(10);
    if (worker && sleeping)
      WaitUntil([&] {
        return worker->Finished() || Clock->SleepsStarted() > sleeps || SynchronizePending();
      });
    RunMessagePump();
  }
};

TEST_F(TimerFormTest, FormCreatesBothTimersAndBindsTheirHandlersByName) {
  Read(FormText);
  ASSERT_NE(Timer1(), nullptr);
  ASSERT_NE(Thread(), nullptr);
  EXPECT_EQ(Timer1()->GetInterval(), 100u);
  EXPECT_TRUE(Timer1()->GetEnabled());
  EXPECT_EQ(Thread()->GetInterval(), 2500u);
  EXPECT_FALSE(Form.ThreadRanWhileLoading) << "Enabled takes effect in Loaded";
  EXPECT_TRUE(Thread()->GetEnabled());
  EXPECT_NE(Thread()->Thread(), nullptr);
  for (int i = 0; i < 22; ++i) Step();
  EXPECT_EQ(Form.Ticks, (std::vector<uint32_t>{1010, 1110, 1210}));
  ASSERT_FALSE(Form.Senders.empty());
  EXPECT_EQ(Form.Senders[0], Timer1());
  Timer1()->SetEnabled(false);
  Thread()->SetEnabled(false);
}

TEST_F(TimerFormTest, OnlyChangedPropertiesAreWrittenBack) {
  Read(FormText);
  Timer1()->SetEnabled(false);
  Thread()->SetEnabled(false);
  const std::string text = Write();
  for (const char* entry : {"object Timer1: TXwTimer", "Interval = 100", "OnTimer = Timer1Timer",
                            "object ttMyThread: TXwThreadTimer", "Interval = 2500",
                            "OnTimer = ttMyThreadTimer", "Enabled = False"})
    EXPECT_NE(text.find(entry), std::string::npos) << entry << "\n" << text;
  for (const char* name :
       {"SyncEvent", "Threaded", "ThreadPriority", "EventTime", "KeepAlive", "Priority ="})
    EXPECT_EQ(text.find(name), std::string::npos) << name << "\n" << text;
  // Timer1 disabled is written; the thread timer's false is its default.
  EXPECT_EQ(text.find("Enabled"), text.rfind("Enabled")) << text;
}

}  // namespace
