// Push buttons: press, drag and release, toggle mode, keys, default and
// cancel buttons, double clicks, repeat clicks on the virtual clock, and a
// modal result ending a modal form's loop.

#include <gtk/gtk.h>

#include "controls_fixture.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_brush.h"
#include "scene/zr_timer.h"

namespace {

class ButtonsTest : public ControlsTest {
 protected:
  TzrButton* NewButton() {
    auto* b = Make<TzrButton>(10, 10);
    b->OnClick = [this](TObject*) { Clicks.push_back(Now()); };
    return b;
  }
  // The fill colour of the style's background, as the animations leave it.
  static TzrColor Look(TzrControl* C) {
    auto* bg = dynamic_cast<TzrShape*>(C->FindResource("background"));
    return bg ? bg->GetFill()->GetSolidColor() : 0;
  }
  std::vector<uint32_t> Clicks;
};

TEST_F(ButtonsTest, PressMovesAndReleaseDecideTheClick) {
  struct Step {
    float X, Y;
    bool PressedAfter;
  };
  struct Case {
    const char* Name;
    std::vector<Step> Moves;
    float UpX, UpY;
    size_t ClicksWanted;
  } cases[] = {
      {"press and release inside", {{40, 11, true}}, 40, 11, 1},
      {"release outside", {{100, 11, false}}, 100, 11, 0},
      {"out and back in", {{100, 11, false}, {-1, 5, false}, {79, 21, true}}, 79, 21, 1},
      {"release on the far edge", {}, 80, 22, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Clicks.clear();
    TzrButton* b = NewButton();
    Show();
    Press(b, 10, 10);
    EXPECT_TRUE(b->GetIsPressed());
    for (const Step& m : c.Moves) {
      Move(b, m.X, m.Y);
      EXPECT_EQ(b->GetIsPressed(), m.PressedAfter) << m.X << "," << m.Y;
    }
    Release(b, c.UpX, c.UpY);
    EXPECT_FALSE(b->GetIsPressed());
    EXPECT_EQ(Clicks.size(), c.ClicksWanted);
    delete b;
  }
}

TEST_F(ButtonsTest, PressedLookFollowsThePointer) {
  TzrButton* b = NewButton();
  Show();
  const TzrColor normal = Look(b);
  Press(b, 10, 10);
  Wait(300);
  EXPECT_EQ(Look(b), 0xFF353535u);
  Move(b, 200, 10);
  Wait(300);
  EXPECT_NE(Look(b), 0xFF353535u);
  Move(b, 10, 10);
  Wait(300);
  EXPECT_EQ(Look(b), 0xFF353535u);
  Release(b, 10, 10);
  Wait(300);
  EXPECT_NE(Look(b), 0xFF353535u);
  EXPECT_EQ(normal, 0xFF505050u);
}

TEST_F(ButtonsTest, ToggleModeFlipsOnPressAndKeepsOnRelease) {
  TzrButton* b = NewButton();
  b->SetIsPressed(true);
  EXPECT_FALSE(b->GetIsPressed()) << "only a toggle button takes IsPressed from code";
  b->SetStaysPressed(true);
  ClickOn(b);
  EXPECT_TRUE(b->GetIsPressed());
  EXPECT_EQ(Clicks.size(), 1u);
  Press(b, 10, 10);
  EXPECT_FALSE(b->GetIsPressed());
  Move(b, 200, 10);
  EXPECT_FALSE(b->GetIsPressed()) << "no tracking of the pointer in toggle mode";
  Release(b, 200, 10);
  EXPECT_FALSE(b->GetIsPressed());
  EXPECT_EQ(Clicks.size(), 1u) << "released outside: no click";
  b->SetIsPressed(true);
  EXPECT_TRUE(b->GetIsPressed());
}

TEST_F(ButtonsTest, EnterSpaceDefaultAndCancel) {
  TzrButton* focused = NewButton();
  int focusedKeys = 0;
  focused->OnKeyDown = [&](TObject*, uint16_t&, char16_t&, TShiftState) { ++focusedKeys; };
  focused->SetFocus();
  ASSERT_EQ(Scene.Focused, focused);
  Key(13);
  Key(32);
  Key(65);
  EXPECT_EQ(Clicks.size(), 2u);
  EXPECT_EQ(focusedKeys, 3);

  auto* ok = Make<TzrButton>(10, 50);
  auto* cancel = Make<TzrButton>(100, 50);
  int oks = 0, cancels = 0;
  ok->OnClick = [&](TObject*) { ++oks; };
  cancel->OnClick = [&](TObject*) { ++cancels; };
  ok->SetDefault(true);
  cancel->SetCancel(true);
  Clicks.clear();
  focusedKeys = 0;
  Key(13);
  EXPECT_EQ(oks, 1);
  EXPECT_EQ(focusedKeys, 0) << "the default button consumed Enter";
  EXPECT_TRUE(Clicks.empty());
  Key(27);
  EXPECT_EQ(cancels, 1);
  Key(32);
  EXPECT_EQ(Clicks.size(), 1u) << "Space still clicks the focused button";
  ok->SetEnabled(false);
  Key(13);
  EXPECT_EQ(oks, 1) << "a disabled default button is not offered the key";
  EXPECT_EQ(Clicks.size(), 2u);
}

TEST_F(ButtonsTest, DoubleClickClicksTwice) {
  TzrButton* b = NewButton();
  int doubles = 0;
  b->OnDblClick = [&](TObject*) { ++doubles; };
  Press(b, 5, 5);
  Release(b, 5, 5);
  Press(b, 5, 5, true);
  Release(b, 5, 5);
  EXPECT_EQ(Clicks.size(), 2u);
  EXPECT_EQ(doubles, 1);
}

TEST_F(ButtonsTest, HeldRepeatButtonClicksOnTheClock) {
  auto* s = Make<TzrSpeedButton>(10, 10);
  EXPECT_TRUE(s->GetRepeatClick());
  EXPECT_FALSE(s->GetCanFocused());
  s->OnClick = [this](TObject*) { Clicks.push_back(Now()); };
  const uint32_t start = Now();
  Press(s, 5, 5);
  Move(s, 100, 5);  // held outside: the timer keeps running
  Wait(850);
  ASSERT_EQ(Clicks.size(), 3u);
  EXPECT_EQ(Clicks[0] - start, 600u);
  EXPECT_EQ(Clicks[1] - start, 700u);
  EXPECT_EQ(Clicks[2] - start, 800u);
  Move(s, 5, 5);
  Release(s, 5, 5);
  EXPECT_EQ(Clicks.size(), 4u) << "released inside: one more click";
  EXPECT_FALSE(s->GetRepeatTimer()->Armed());
  Wait(300);
  EXPECT_EQ(Clicks.size(), 4u);

  Clicks.clear();
  const uint32_t again = Now();
  Press(s, 5, 5);
  Wait(599);
  EXPECT_TRUE(Clicks.empty()) << "a new press waits the whole delay again";
  Wait(1);
  ASSERT_EQ(Clicks.size(), 1u);
  EXPECT_EQ(Clicks[0] - again, 600u);
  Release(s, 200, 200);
  EXPECT_EQ(Clicks.size(), 1u);
}

TEST_F(ButtonsTest, HandlersMayFreeTheButton) {
  // Run under the sanitizers: nothing of a freed button is touched.
  TzrButton* keyed = NewButton();
  keyed->OnKeyDown = [](TObject* Sender, uint16_t&, char16_t&, TShiftState) { delete Sender; };
  uint16_t key = 13;
  char16_t ch = 0;
  keyed->KeyDown(key, ch, 0);
  TzrButton* doubled = NewButton();
  doubled->OnDblClick = [](TObject* Sender) { delete Sender; };
  Press(doubled, 5, 5, true);
  auto* close = Make<TzrCloseButton>(10, 10);
  close->OnClick = [](TObject* Sender) { delete Sender; };
  Press(close, 5, 5);
  Release(close, 5, 5);
  EXPECT_TRUE(Clicks.empty());
  EXPECT_EQ(Owner.ComponentCount(), 1) << "only the root is left";
}

TEST_F(ButtonsTest, SetDataTakesAnEventAndIgnoresValues) {
  TzrButton* b = NewButton();
  b->SetText(u"OK");
  b->SetData(Variant(u"Cancel"));
  EXPECT_EQ(b->GetText(), u"OK");
  EXPECT_EQ(b->GetData().ToWideString(), u"OK");
}

TEST_F(ButtonsTest, ModalResultEndsTheModalLoopAfterOnClick) {
  ASSERT_NO_THROW(Application->Initialize()) << "needs a display";
  TForm form(nullptr);
  form.InsertComponent(&Scene);
  TzrButton* b = NewButton();
  b->SetModalResult(mrOk);
  int resultAtClick = -1;
  b->OnClick = [&](TObject*) { resultAtClick = form.GetModalResult(); };
  form.OnShow = [&](TObject*) { ClickOn(b); };
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(resultAtClick, mrOk) << "the result is handed over before OnClick";
  form.RemoveComponent(&Scene);
}

}  // namespace
