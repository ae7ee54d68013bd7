// The timer and the application's loop over the GLib main loop; no display.

#include <glib.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/Clock.h"
#include "platform/rtl/Thread.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Timers.h"

namespace {

// Runs the main loop until the condition holds; the bound only keeps a broken
// build from hanging.
template <class Pred>
bool LoopUntil(Pred done) {
  for (int i = 0; i < 100000 && !done(); ++i) g_main_context_iteration(nullptr, TRUE);
  return done();
}

// Records what the message box would have shown.
struct TBoxRecorder {
  std::vector<TMessageBoxRequest> Shown;
  TBoxRecorder() {
    MessageBoxHook = [this](const TMessageBoxRequest& r) {
      Shown.push_back(r);
      return IDOK;
    };
  }
  ~TBoxRecorder() { MessageBoxHook = nullptr; }
};

}  // namespace

TEST(Timer, FiresRepeatedlyOnTheMainLoop) {
  TTimer timer;
  int ticks = 0;
  TObject* sender = nullptr;
  timer.SetInterval(2);
  timer.SetOnTimer([&](TObject* s) {
    ++ticks;
    sender = s;
  });
  EXPECT_TRUE(timer.Running());
  ASSERT_TRUE(LoopUntil([&] { return ticks >= 3; }));
  EXPECT_EQ(sender, &timer);
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Running());
}

TEST(Timer, RunsOnlyWithEnabledIntervalAndHandler) {
  TTimer timer;
  EXPECT_FALSE(timer.Running());  // no handler yet
  timer.SetOnTimer([](TObject*) {});
  EXPECT_TRUE(timer.Running());
  timer.SetInterval(0);
  EXPECT_FALSE(timer.Running());
  timer.SetInterval(5);
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Running());
  timer.SetEnabled(true);
  timer.SetOnTimer(nullptr);
  EXPECT_FALSE(timer.Running());
}

TEST(Timer, HandlerMayFreeItsOwnTimer) {
  auto* timer = new TTimer;
  bool freed = false;
  timer->SetInterval(1);
  timer->SetOnTimer([&](TObject* s) {
    delete static_cast<TTimer*>(s);
    freed = true;
  });
  ASSERT_TRUE(LoopUntil([&] { return freed; }));
  // Further iterations must not touch the freed timer.
  for (int i = 0; i < 5; ++i) g_main_context_iteration(nullptr, FALSE);
}

TEST(Timer, ExceptionInHandlerIsShownAndTheTimerGoesOn) {
  TBoxRecorder boxes;
  TTimer timer;
  int ticks = 0;
  timer.SetInterval(1);
  timer.SetOnTimer([&](TObject*) {
    ++ticks;
    if (ticks == 1) throw Exception("Timer failed");
    if (ticks == 2) throw EAbort("silent");
  });
  ASSERT_TRUE(LoopUntil([&] { return ticks >= 3; }));
  ASSERT_EQ(boxes.Shown.size(), 1u);  // the abort is not shown
  EXPECT_EQ(boxes.Shown[0].Text, "Timer failed");
  EXPECT_EQ(boxes.Shown[0].Flags, MB_OK | MB_ICONERROR);
}

TEST(Application, RunEndsWhenTheMainFormClosesAndShowsLoopExceptions) {
  TApplication app;
  TBoxRecorder boxes;
  app.SetShowMainForm(false);
  TForm* form = app.CreateForm<TForm>();
  ASSERT_EQ(app.MainForm(), form);
  TTimer timer(form);
  int ticks = 0;
  timer.SetInterval(1);
  timer.SetOnTimer([&](TObject*) {
    if (++ticks == 1) throw Exception("first tick failed");
    form->Close();
  });
  app.Run();
  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(ticks, 2);
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Text, "first tick failed");
}

TEST(Application, FailingCreateHandlerIsShownAndTheFormStays) {
  TApplication app;
  TBoxRecorder boxes;
  struct TFailingForm : TForm {
    explicit TFailingForm(TComponent* owner) : TForm(owner) {
      OnCreate = [](TObject*) { throw Exception("version_control.xml not found"); };
    }
  };
  TFailingForm* form = app.CreateForm<TFailingForm>();
  EXPECT_EQ(app.MainForm(), form);
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Text, "version_control.xml not found");
}

TEST(Application, OnExceptionReplacesTheMessageBox) {
  TApplication app;
  TBoxRecorder boxes;
  std::string seen;
  TObject* seenSender = nullptr;
  app.OnException = [&](TObject* sender, const std::exception& e) {
    seenSender = sender;
    seen = e.what();
  };
  TForm form(nullptr);
  try {
    throw EConvertError("bad number");
  } catch (...) {
    app.HandleException(&form);
  }
  EXPECT_EQ(seen, "bad number");
  EXPECT_EQ(seenSender, &form);
  EXPECT_TRUE(boxes.Shown.empty());
}

TEST(Application, WorkerCallWakesTheBlockedLoop) {
  TApplication app;
  bool ran = false;
  struct TPoster : TThread {
    bool* Ran;
    explicit TPoster(bool* ran) : TThread(true), Ran(ran) { Start(); }
    ~TPoster() override { StopAndWait(); }
    void Execute() override {
      Synchronize([this] { *Ran = true; });
    }
  } poster(&ran);
  // HandleMessage blocks in the main loop until something happens; only the
  // worker's call can wake it here.
  while (!ran) app.HandleMessage();
  EXPECT_TRUE(ran);
  poster.WaitFor();
}

TEST(Application, ProcessMessagesGoesThroughTheClockSeam) {
  TScopedVirtualClock clock(1000, 7);
  Application->ProcessMessages();
  Application->ProcessMessages();
  EXPECT_EQ(GetTickCount(), 1014u);
}

TEST(Form, CloseWithCaFreeFreesTheFormAfterTheCurrentMessage) {
  TApplication app;
  app.CreateForm<TForm>();  // the main form; the dialog below is another
  static bool freed;
  freed = false;
  struct TDialog : TForm {
    using TForm::TForm;
    ~TDialog() override { freed = true; }
  };
  auto* dialog = new TDialog(&app);
  dialog->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  dialog->Close();
  EXPECT_FALSE(freed);  // still usable by the handler that closed it
  ASSERT_TRUE(LoopUntil([] { return freed; }));
  EXPECT_FALSE(app.Terminated());

  // Freed by its owner before the release ran: nothing is freed twice.
  freed = false;
  dialog = new TDialog(nullptr);
  dialog->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  dialog->Close();
  delete dialog;
  for (int i = 0; i < 5; ++i) g_main_context_iteration(nullptr, FALSE);
  EXPECT_TRUE(freed);
}
