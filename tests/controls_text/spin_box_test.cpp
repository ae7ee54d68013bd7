// The spin box: wrap-around, its text with Postfix, keys that never edit,
// its buttons and the repeat thread on the virtual clock.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "controls/zr_buttons.h"
#include "platform/vcl/Clipbrd.h"
#include "platform/vcl/Menus.h"
#include "text_fixture.h"

namespace {

constexpr uint16_t kBack = 8, kUp = 38, kDown = 40;

class SpinBoxTest : public TextBoxTest {
 protected:
  TzrSpinBox* Spin(float Y = 10) {
    auto* box = Make<TzrSpinBox>(10, Y);
    Count(box);
    Show();
    box->SetFocus();
    return box;
  }
  // Runs the calls the repeat thread hands over until it has started its
  // Count-th sleep on the clock (bounded in real time).
  void Settle(uint64_t Count) {
    for (int i = 0; i < 20000 && Clock->SleepsStarted() < Count; ++i) {
      CheckSynchronize();
      std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    ASSERT_GE(Clock->SleepsStarted(), Count) << "the repeat thread did not go on";
  }
  // The held button's thread was resumed: lets Ms milliseconds pass, one at
  // a time, with every hand-over run as the thread makes it.
  void Hold(uint32_t Ms) {
    uint64_t sleeps = Clock->SleepsStarted() + 1;
    Settle(sleeps);
    for (uint32_t t = 1; t <= Ms; ++t) {
      Clock->Advance(1);
      if (t % 100 == 0) Settle(++sleeps);
    }
  }
};

}  // namespace

TEST_F(SpinBoxTest, ValueWrapsRoundTheRange) {
  TzrSpinBox* box = Spin();
  const struct {
    const char* Name;
    float Start;
    int Step;  // -1 minus, +1 plus, 0 none
    float Set, Want;
  } cases[] = {
      {"10 plus 1", 10, +1, 0, 0}, {"0 minus 1", 0, -1, 0, 10},   {"set 11", 5, 0, 11, 0},
      {"set -1", 5, 0, -1, 10},    {"inside stays", 4, +1, 0, 5},
  };
  for (const auto& c : cases) {
    box->SetValue(c.Start);
    if (c.Step < 0) box->MinusClick(nullptr);
    if (c.Step > 0) box->PlusClick(nullptr);
    if (c.Step == 0) box->SetValue(c.Set);
    EXPECT_EQ(box->GetValue(), c.Want) << c.Name;
  }
}

TEST_F(SpinBoxTest, TextShowsDecimalsAndPostfixFromTheNextValueChange) {
  TzrSpinBox* box = Spin();
  box->SetValueType(zrValueFloat);
  box->SetDecimalDigits(1);
  box->SetPostfix(u"V");
  EXPECT_EQ(box->GetText(), u"0") << "an unchanged value keeps its text";
  box->SetValue(0);
  EXPECT_EQ(box->GetText(), u"0");
  box->SetValue(3.5f);
  EXPECT_EQ(box->GetText(), Decimal(u"3.5V"));
  box->SetValue(4);
  EXPECT_EQ(box->GetText(), u"4V");
  EXPECT_EQ(box->GetTextAlign(), zrTextAlignCenter);
}

// Single-precision steps of 0.1 miss 1.0 by a little: the box compares at
// its decimals, so each bound is reached before the value wraps.
TEST_F(SpinBoxTest, FloatStepsReachTheBoundsAtTheBoxsDecimals) {
  TzrSpinBox* box = Spin();
  box->SetValueType(zrValueFloat);
  box->SetDecimalDigits(1);
  box->SetIncrement(0.1f);
  box->SetMax(1);
  const struct {
    const char* Name;
    float Start;
    int Steps;  // plus clicks when positive, minus clicks when negative
    float Want;
  } cases[] = {
      {"0.9 plus 0.1", 0.9f, 1, 1},      {"0 up to 1 in ten steps", 0, 10, 1},
      {"past 1 wraps to 0", 0, 11, 0},   {"1 down to 0 in ten steps", 1, -10, 0},
      {"below 0 wraps to 1", 1, -11, 1}, {"0.2 minus twice is 0", 0.2f, -2, 0},
  };
  for (const auto& c : cases) {
    box->SetValue(c.Start);
    for (int i = 0; i < std::abs(c.Steps); ++i)
      c.Steps > 0 ? box->PlusClick(nullptr) : box->MinusClick(nullptr);
    EXPECT_NEAR(box->GetValue(), c.Want, 1e-5) << c.Name;
    float shown = -1;
    EXPECT_TRUE(zrParseValueText(box->GetText(), shown)) << c.Name;
    EXPECT_NEAR(shown, c.Want, 1e-5) << c.Name;
  }
  // Up and Down wrap by the same rule.
  box->SetValue(0.9f);
  Press(kUp);
  EXPECT_NEAR(box->GetValue(), 1, 1e-5);
}

// The text only shows the value: the context menu offers no edit of it, and
// the edit commands leave it.
TEST_F(SpinBoxTest, ContextMenuOffersNoEdits) {
  TzrSpinBox* box = Spin();
  box->SetValue(7);
  std::vector<bool> enabled;
  PopupMenuHook = [&](const TPopupMenuRequest& r) {
    enabled.clear();
    for (int i = 0; i < r.Menu->Items()->Count(); ++i)
      enabled.push_back(r.Menu->Items()->Items(i)->GetEnabled());
  };
  Clipboard()->SetAsText(u"123");
  box->SelectAll();
  box->ContextMenu({5, 5});
  // Cut, Copy, Paste, Delete, Select All
  EXPECT_EQ(enabled, (std::vector<bool>{false, true, false, false, false}));
  PopupMenuHook = nullptr;
  TMenuItem* items = box->GetContextMenu()->Items();
  for (int i : {0, 2, 3}) items->Items(i)->Click();
  box->PasteFromClipboard();
  box->ClearSelection();
  EXPECT_EQ(box->GetText(), u"7");
  EXPECT_EQ(box->GetValue(), 7);
}

TEST_F(SpinBoxTest, SwitchingToIntegersMakesAFractionalIncrementOne) {
  TzrSpinBox* box = Spin();
  box->SetValueType(zrValueFloat);
  box->SetIncrement(0.5f);
  box->SetValueType(zrValueInteger);
  EXPECT_EQ(box->GetIncrement(), 1);
  box->SetValueType(zrValueFloat);
  box->SetIncrement(2);
  box->SetValueType(zrValueInteger);
  EXPECT_EQ(box->GetIncrement(), 2);
}

TEST_F(SpinBoxTest, KeysNeverEditAndUpDownStepWithoutAChange) {
  TzrSpinBox* box = Spin();
  box->SetValue(3);
  Type(u'7');
  Press(kBack);
  Type(u'a', ssCtrl);
  EXPECT_EQ(box->GetText(), u"3");
  Press(kUp);
  EXPECT_EQ(box->GetValue(), 4);
  box->SetValue(0);
  Press(kDown);
  EXPECT_EQ(box->GetValue(), 10);
  EXPECT_EQ(Changes, 0);
}

TEST_F(SpinBoxTest, ButtonsOfTheStyleStepAndFireOnChange) {
  TzrSpinBox* box = Spin();
  ASSERT_NE(box->GetPlusButton(), nullptr);
  ASSERT_NE(box->GetMinusButton(), nullptr);
  EXPECT_EQ(box->GetMinusButton()->GetTag(), 1);
  EXPECT_EQ(box->GetPlusButton()->GetTag(), 2);
  ClickOn(box->GetPlusButton());
  ClickOn(box->GetPlusButton());
  ClickOn(box->GetMinusButton());
  EXPECT_EQ(box->GetValue(), 1);
  EXPECT_EQ(box->GetText(), u"1");
  EXPECT_EQ(Changes, 3);
}

TEST_F(SpinBoxTest, HeldButtonRepeatsAfterHalfASecond) {
  const struct {
    uint32_t HoldMs;
    float Want;
  } cases[] = {{400, 1}, {1000, 6}};
  for (const auto& c : cases) {
    TzrSpinBox* box = Spin();
    box->SetMax(100);
    TzrCustomButton* plus = box->GetPlusButton();
    ASSERT_NE(plus, nullptr);
    Press(plus, 9, 9);
    Hold(c.HoldMs);
    Release(plus, 9, 9);  // the release over the button is one more click
    EXPECT_EQ(box->GetValue(), c.Want) << c.HoldMs << " ms";
    EXPECT_TRUE(box->GetTimeThread()->GetSuspended());
    delete box;
  }
}

// Mended: the repeat thread of a freed box used to be only asked to end, so
// a paused one never ended and a running one could call the freed box.
TEST_F(SpinBoxTest, FreeingABoxWhileItsButtonIsHeldEndsItsThread) {
  TzrSpinBox* box = Spin();
  box->SetMax(100);
  Press(box->GetPlusButton(), 9, 9);
  Hold(800);
  const int changes = Changes;
  EXPECT_GT(changes, 0);
  delete box;  // stops and joins the thread
  for (int i = 0; i < 300; ++i) {
    Clock->Advance(1);
    CheckSynchronize();
  }
  EXPECT_EQ(Changes, changes);

  TzrSpinBox* paused = Spin();
  Press(paused->GetPlusButton(), 9, 9);
  Hold(100);
  Release(paused->GetPlusButton(), 9, 9);
  delete paused;  // a paused thread ends too
}
