// The animation engine under the virtual clock: runs, ends, loops, delays,
// immediate starts, hidden parents, triggers, freeing during a run, and the
// shared timer's arming and time keeping.

#include <glib.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "tests/scene/ani_fixture.h"
#include "tests/scene/checks.h"

namespace {

TzrFloatAnimation* Fade(TAniStage& S, float Start, float Stop, float Duration = 0.2f) {
  auto* a = S.Make<TzrFloatAnimation>();
  a->SetPropertyName("Width");
  a->SetStartValue(Start);
  a->SetStopValue(Stop);
  a->SetDuration(Duration);
  return a;
}

}  // namespace

TEST(AnimationEngine, AppliesTheStartAtOnceAndTheExactEndAfterDuration) {
  TAniStage s;
  s.Shape->Width = 5;
  TzrFloatAnimation* a = Fade(s, 0, 10);
  TEventCount finished;
  a->OnFinish = finished.Handler();
  a->Start();
  EXPECT_EQ(s.Shape->Width, 0);  // without waiting for a tick
  EXPECT_TRUE(a->GetEnabled());
  ASSERT_TRUE(aniThread);
  EXPECT_TRUE(aniThread->Contains(a));
  for (int tick = 1; tick <= 6; ++tick) {  // 198 ms: not there yet
    s.Step(33);
    EXPECT_NEAR(s.Shape->Width, 10 * 0.033f * tick / 0.2f, 1e-3) << tick;
  }
  EXPECT_TRUE(a->GetRunning());
  s.Step(33);
  EXPECT_EQ(s.Shape->Width, 10);
  EXPECT_EQ(finished.Count, 1);
  EXPECT_FALSE(a->GetRunning());
  EXPECT_FALSE(aniThread->Contains(a));
  EXPECT_FALSE(aniThread->Armed());
  s.Run(500);
  EXPECT_EQ(finished.Count, 1);
}

TEST(AnimationEngine, LoopsAndReversesAtTheEnds) {
  struct Case {
    bool AutoReverse, Inverse;
    std::vector<float> Times;  // local time after each 40 ms tick (Duration 0.1)
    std::vector<bool> Inverses;
  };
  const Case cases[] = {
      {false, false, {0.04f, 0.08f, 0, 0.04f, 0.08f, 0}, {0, 0, 0, 0, 0, 0}},
      {false, true, {0.06f, 0.02f, 0.1f, 0.06f, 0.02f, 0.1f}, {1, 1, 1, 1, 1, 1}},
      {true, false, {0.04f, 0.08f, 0.1f, 0.06f, 0.02f, 0, 0.04f}, {0, 0, 1, 1, 1, 0, 0}},
  };
  for (const Case& c : cases) {
    TAniStage s;
    TzrFloatAnimation* a = Fade(s, 0, 1, 0.1f);
    a->SetLoop(true);
    a->SetAutoReverse(c.AutoReverse);
    a->SetInverse(c.Inverse);
    TEventCount finished;
    a->OnFinish = finished.Handler();
    a->Start();
    for (size_t i = 0; i < c.Times.size(); ++i) {
      s.Step(40);
      EXPECT_NEAR(a->GetCurrentTime(), c.Times[i], 1e-5) << c.AutoReverse << c.Inverse << i;
      EXPECT_EQ(a->GetInverse(), c.Inverses[i]) << c.AutoReverse << c.Inverse << i;
      EXPECT_NEAR(s.Shape->Width, c.Times[i] / 0.1f, 1e-4);
    }
    EXPECT_TRUE(a->GetRunning());
    EXPECT_EQ(finished.Count, 0);
  }
}

TEST(AnimationEngine, DelayHoldsTheStartThenRunsFromTheBeginning) {
  TAniStage s;
  s.Shape->Width = 7;
  TzrFloatAnimation* a = Fade(s, 1, 2);
  a->SetDelay(0.5f);
  TEventCount finished;
  a->OnFinish = finished.Handler();
  a->Start();
  EXPECT_TRUE(a->GetRunning());
  for (int tick = 0; tick < 15; ++tick) {  // 495 ms
    EXPECT_EQ(a->NormalizedTime(), 0);
    EXPECT_EQ(s.Shape->Width, 7);
    s.Step(33);
  }
  s.Step(33);  // the delay ends; this tick does not advance the time
  EXPECT_EQ(a->GetCurrentTime(), 0);
  s.Step(33);
  EXPECT_NEAR(s.Shape->Width, 1 + 0.033f / 0.2f, 1e-4);
  s.Run(200);
  EXPECT_EQ(s.Shape->Width, 2);
  EXPECT_EQ(finished.Count, 1);
}

TEST(AnimationEngine, ImmediateStartsApplyTheEndAndFinishAtOnce) {
  struct Case {
    const char* Name;
    float Duration;
    bool InScene, DesignTime, Inverse;
    float Expected;
  };
  const Case cases[] = {
      {"tiny duration", 0.0005f, true, false, false, 2},
      {"tiny duration, inverse", 0.0005f, true, false, true, 1},
      {"no scene", 0.2f, false, false, false, 2},
      {"design time", 0.2f, true, true, false, 2},
  };
  for (const Case& c : cases) {
    TAniStage s;
    s.Scene.DesignTime = c.DesignTime;
    if (!c.InScene) s.Scene.RemoveObject(s.Shape);
    TzrFloatAnimation* a = Fade(s, 1, 2, c.Duration);
    a->SetInverse(c.Inverse);
    int finishes = 0;
    bool enabledInHandler = true;
    a->OnFinish = [&](TObject*) {
      ++finishes;
      enabledInHandler = a->GetEnabled();
    };
    if (c.DesignTime)
      a->Start();  // Enabled does not start animations while designing
    else
      a->SetEnabled(true);
    EXPECT_EQ(s.Shape->Width, c.Expected) << c.Name;
    EXPECT_EQ(finishes, 1) << c.Name;
    EXPECT_FALSE(enabledInHandler) << c.Name;  // cleared before OnFinish
    EXPECT_FALSE(a->GetEnabled()) << c.Name;
    EXPECT_FALSE(a->GetRunning()) << c.Name;
    EXPECT_EQ(a->GetDuration(), 0.00001f) << c.Name;
    EXPECT_TRUE(!aniThread || !aniThread->Contains(a)) << c.Name;
  }
}

TEST(AnimationEngine, ImmediateStartMayFreeTheAnimationFromOnFinish) {
  TAniStage s;
  s.Scene.RemoveObject(s.Shape);
  s.Shape->AnimateFloat("Width", 9);  // frees its animation on finish
  EXPECT_EQ(s.Shape->Width, 9);
  EXPECT_EQ(s.Shape->GetChildrenCount(), 0);
  s.Shape->AnimateColor("Fill.Color", "#FF123456");
  EXPECT_EQ(s.Shape->Fill->GetColor(), "#FF123456");
  EXPECT_EQ(s.Shape->GetChildrenCount(), 0);
}

TEST(AnimationEngine, HiddenVisualParentStopsAtTheEnd) {
  TAniStage s(true);
  s.Shape->Visible = false;
  s.Shape->Width = 5;
  TzrFloatAnimation* a = Fade(s, 0, 10);
  TEventCount finished;
  a->OnFinish = finished.Handler();
  a->Start();
  EXPECT_FALSE(a->GetRunning());
  EXPECT_EQ(s.Shape->Width, 5);
  EXPECT_EQ(finished.Count, 0);

  s.Shape->Visible = true;
  a->Start();
  s.Step(33);
  EXPECT_TRUE(a->GetRunning());
  s.Shape->Visible = false;
  s.Step(33);
  EXPECT_FALSE(a->GetRunning());
  EXPECT_EQ(s.Shape->Width, 10);
  EXPECT_EQ(finished.Count, 1);
  EXPECT_FALSE(aniThread->Contains(a));

  // A node that is not visual has no Visible that counts.
  TAniStage plain;
  plain.Shape->Visible = false;
  TzrFloatAnimation* b = Fade(plain, 0, 10);
  b->Start();
  EXPECT_TRUE(b->GetRunning());
}

TEST(AnimationEngine, TriggerConditionsStartForwardsOrBackwards) {
  struct Case {
    const char* Trigger;
    const char* Inverse;
    bool Over, Pressed;
    const char* Changed;
    bool Starts, Backwards;
  };
  const Case cases[] = {
      {"IsMouseOver=true", "", true, false, "IsMouseOver", true, false},
      {"IsMouseOver=true", "", false, false, "IsMouseOver", false, false},
      {"IsMouseOver=true", "", true, false, "IsFocused", false, false},
      {"ISMOUSEOVER = TRUE", "", true, false, "ismouseover", true, false},
      {"IsMouseOver=true", "IsMouseOver=false", false, false, "IsMouseOver", true, true},
      {"IsMouseOver=true", "IsMouseOver=false", true, false, "IsMouseOver", true, false},
      {"IsMouseOver=true;IsPressed=false", "", true, true, "IsPressed", false, false},
      {"IsMouseOver=true;IsPressed=false", "", true, false, "IsPressed", true, false},
      {"IsMouseOver=true;Unknown=1", "", true, false, "IsMouseOver", true, false},
      {"Caption=;Unknown=1", "", true, false, "Caption", false, false},  // nothing enumerated
      {"Mode=amSecond", "", false, false, "Mode", false, false},
  };
  for (const Case& c : cases) {
    TAniStage s;
    s.Shape->IsMouseOver = c.Over;
    s.Shape->IsPressed = c.Pressed;
    TzrFloatAnimation* a = Fade(s, 0, 10);
    a->SetTrigger(c.Trigger);
    a->SetTriggerInverse(c.Inverse);
    a->SetInverse(!c.Backwards);  // the trigger sets the direction
    a->StartTrigger(s.Shape, c.Changed);
    EXPECT_EQ(a->GetRunning(), c.Starts) << c.Trigger << " / " << c.Inverse;
    if (c.Starts && *c.Inverse) {
      EXPECT_EQ(a->GetInverse(), c.Backwards) << c.Trigger << " / " << c.Inverse;
    }
  }
  TAniStage s;
  s.Shape->Mode = amSecond;
  TzrFloatAnimation* a = Fade(s, 0, 10);
  a->SetTrigger("Mode=amsecond");
  a->StartTrigger(nullptr, "Mode");
  EXPECT_FALSE(a->GetRunning());
  a->StartTrigger(s.Shape, "Mode");
  EXPECT_TRUE(a->GetRunning());
}

TEST(AnimationEngine, LeavingAControlStopsAtTheEndThenRunsBack) {
  TAniStage s;
  TzrFloatAnimation* a = Fade(s, 0, 10);
  a->SetTrigger("IsMouseOver=true");
  a->SetTriggerInverse("IsMouseOver=false");
  s.Shape->IsMouseOver = true;
  s.Shape->StartTriggerAnimation(s.Shape, "IsMouseOver");
  s.Step(66);
  EXPECT_GT(s.Shape->Width, 0);
  EXPECT_LT(s.Shape->Width, 10);
  s.Shape->IsMouseOver = false;
  s.Shape->StartTriggerAnimation(s.Shape, "IsMouseOver");
  EXPECT_EQ(s.Shape->Width, 10);  // stopped at the end, now running back from it
  EXPECT_TRUE(a->GetRunning());
  EXPECT_TRUE(a->GetInverse());
  s.Run(231);
  EXPECT_EQ(s.Shape->Width, 0);
  EXPECT_FALSE(a->GetRunning());
}

TEST(AnimationEngine, FreeingDuringARunTouchesNothingFreed) {
  TAniStage s;
  TzrFloatAnimation* a = Fade(s, 0, 10);
  TzrFloatAnimation* b = Fade(s, 0, 10);
  a->Start();
  b->Start();
  delete a;
  EXPECT_FALSE(aniThread->Contains(a));
  s.Step(33);
  EXPECT_TRUE(b->GetRunning());

  // Freed by its own OnFinish at the end of a run.
  b->OnFinish = [](TObject* Sender) { delete Sender; };
  s.Run(231);
  EXPECT_EQ(s.Shape->GetChildrenCount(), 0);

  // Freed by its own OnProcess, and one animation freeing another that the
  // tick has yet to reach.
  TzrFloatAnimation* first = Fade(s, 0, 10);
  TzrFloatAnimation* second = Fade(s, 0, 10);
  TzrFloatAnimation* third = Fade(s, 0, 10);
  first->Start();
  second->Start();
  third->Start();
  third->OnProcess = [&](TObject*) {  // processed first: the list runs last to first
    delete second;
    second = nullptr;
  };
  first->OnProcess = [](TObject* Sender) { delete Sender; };
  s.Step(33);
  EXPECT_FALSE(second);
  EXPECT_EQ(s.Shape->GetChildrenCount(), 1);
  EXPECT_EQ(aniThread->Count(), 1);
  third->OnProcess = nullptr;
  delete third;
  EXPECT_FALSE(aniThread->Armed());
}

TEST(AnimationEngine, TimerIsArmedOnlyWhileAnimationsRunAndStartsAfresh) {
  TAniStage s;
  TzrFloatAnimation* a = Fade(s, 0, 1000, 1);
  a->Start();
  EXPECT_TRUE(aniThread->Armed());
  s.Run(1023);
  EXPECT_FALSE(a->GetRunning());
  EXPECT_FALSE(aniThread->Armed());
  s.Step(60000);  // an idle minute: nothing to tick
  a->Start();
  s.Step(33);
  EXPECT_NEAR(s.Shape->Width, 33, 1e-3);  // one interval, not a minute
  EXPECT_NEAR(aniThread->GetDeltaTime(), 0.033, 1e-9);
  a->Stop();
  EXPECT_EQ(s.Shape->Width, 1000);
  EXPECT_FALSE(aniThread->Armed());
}

TEST(AnimationEngine, StepsStayRightAcrossAWrapOfTheTickCounter) {
  TAniStage s(false, 0xFFFFFF00u);  // the 32-bit counter wraps 256 ms in
  TzrFloatAnimation* a = Fade(s, 0, 1000, 1);
  a->Start();
  for (int tick = 1; tick <= 20; ++tick) {
    s.Step(33);
    EXPECT_NEAR(s.Shape->Width, 33 * tick, 1e-2) << tick;
  }
  s.Run(400);
  EXPECT_EQ(s.Shape->Width, 1000);
  EXPECT_FALSE(a->GetRunning());
}

TEST(AnimationEngine, CaretAdvancesOnEveryThirdTickAndPauseHolds) {
  TAniStage s;
  TzrFloatAnimation* caret = Fade(s, 0, 1000, 1);
  caret->SetBindingName("Caret");
  caret->Start();
  s.Step(33);
  s.Step(33);
  EXPECT_EQ(s.Shape->Width, 0);
  s.Step(33);
  EXPECT_NEAR(s.Shape->Width, 33, 1e-3);

  caret->SetPause(true);
  s.Run(330);
  EXPECT_NEAR(s.Shape->Width, 33, 1e-3);
  caret->SetPause(false);
  caret->StopAtCurrent();
  EXPECT_NEAR(s.Shape->Width, 33, 1e-3);
  EXPECT_FALSE(caret->GetRunning());
}

TEST(AnimationEngine, NormalizedTimeFollowsTheCurve) {
  TAniStage s;
  TzrFloatAnimation* a = Fade(s, 0, 1, 1);
  a->SetInterpolation(zrInterpolationQuadratic);
  a->Start();
  s.Step(500);
  EXPECT_NEAR(a->NormalizedTime(), 0.25, 1e-6);
  a->SetAnimationType(zrAnimationOut);
  EXPECT_NEAR(a->NormalizedTime(), 0.75, 1e-6);
  a->SetInterpolation(static_cast<TzrInterpolationType>(11));
  EXPECT_EQ(a->NormalizedTime(), 0);
  a->SetDuration(0);
  a->SetInterpolation(zrInterpolationLinear);
  EXPECT_EQ(a->NormalizedTime(), 0);
}

TEST(AnimationEngine, TimerFollowsANewClockInForce) {
  RegisterTestClasses();
  TTestScene scene(nullptr);
  TComponent owner;
  auto* shape = new TAniShape(&owner);
  scene.AddObject(shape);
  auto* a = new TzrFloatAnimation(&owner);
  a->SetPropertyName("Width");
  a->SetStopValue(1000);
  a->SetDuration(1);
  shape->AddObject(a);
  {
    TScopedVirtualClock first;
    a->Start();
    first->Advance(33);
  }  // the clock goes while the animation runs
  TScopedVirtualClock second;
  auto* b = new TzrFloatAnimation(&owner);
  b->SetPropertyName("Caption");  // no effect; keeps the list busy
  shape->AddObject(b);
  b->Start();
  second->Advance(33);
  EXPECT_NEAR(shape->Width, 66, 1e-3);
}

TEST(AnimationEngine, SystemClockTicksThroughAGLibTimeout) {
  RegisterTestClasses();
  TTestScene scene(nullptr);
  TComponent owner;
  auto* shape = new TAniShape(&owner);
  scene.AddObject(shape);
  auto* a = new TzrFloatAnimation(&owner);
  a->SetPropertyName("Width");
  a->SetStopValue(1);
  a->SetDuration(0.05f);
  shape->AddObject(a);
  a->Start();
  EXPECT_TRUE(aniThread->Running());  // a GLib timeout is armed
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (a->GetRunning() && std::chrono::steady_clock::now() < deadline)
    g_main_context_iteration(nullptr, TRUE);
  EXPECT_FALSE(a->GetRunning());
  EXPECT_EQ(shape->Width, 1);
  EXPECT_FALSE(aniThread->Running());
}
