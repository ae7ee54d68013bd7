// Buttons driven as a user drives them: GDK events on a scene window,
// routed by the scene to the button under the pointer, the captured button
// or the focused one; repeats on the test's virtual clock. Needs a display
// (run under xvfb-run).

#include <gtk/gtk.h>

#include "platform/vcl/Forms.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/Timers.h"
#include "routed_scene_fixture.h"
#include "scene/zr_scene.h"
#include "scene/zr_strings.h"
#include "tests/support/GdkInput.h"

namespace {

class ButtonsRoutingTest : public RoutedSceneTest {
 protected:
  void SetUp() override { OpenScene(300, 200); }
  // A button at (X, Y), 80 x 22, counting its clicks.
  template <class T = TzrButton>
  T* Put(float X, float Y) {
    auto* b = new T(&Form);
    b->SetBounds(X, Y, 80, 22);
    b->SetParent(SceneRoot);
    b->OnClick = [this, b](TObject*) { Clicks.push_back({b, Now()}); };
    return b;
  }
  size_t ClicksOf(TzrVisualObject* B) const {
    size_t n = 0;
    for (const auto& c : Clicks) n += c.Button == B;
    return n;
  }
  struct TClick {
    TzrVisualObject* Button;
    uint32_t At;
  };
  std::vector<TClick> Clicks;
};

TEST_F(ButtonsRoutingTest, PressDragAndReleaseTable) {
  TzrButton* b = Put(20, 20);  // covers (20, 20) .. (100, 42)
  struct Step {
    double X, Y;
    bool PressedAfter;
  };
  struct Case {
    const char* Name;
    std::vector<Step> Drags;
    double UpX, UpY;
    size_t Clicks;
  } cases[] = {
      {"inside", {{60, 30, true}}, 60, 30, 1},
      {"released outside", {{200, 30, false}}, 200, 30, 0},
      {"out and back in", {{200, 30, false}, {200, 150, false}, {30, 40, true}}, 30, 40, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Clicks.clear();
    Input->Move(40, 30);
    Input->Press(40, 30);
    EXPECT_TRUE(b->GetIsPressed());
    EXPECT_EQ(View->GetCaptured(), b);
    for (const Step& s : c.Drags) {
      Input->Drag(s.X, s.Y);
      EXPECT_EQ(b->GetIsPressed(), s.PressedAfter);
    }
    Input->Release(c.UpX, c.UpY);
    EXPECT_FALSE(b->GetIsPressed());
    EXPECT_EQ(View->GetCaptured(), nullptr);
    EXPECT_EQ(Clicks.size(), c.Clicks);
  }
}

TEST_F(ButtonsRoutingTest, KeysReachTheFocusedOrTheDefaultButton) {
  TzrButton* a = Put(20, 20);
  int aKeys = 0;
  a->OnKeyDown = [&](TObject*, uint16_t& Key, char16_t&, TShiftState) { aKeys += Key == 13; };
  Input->Click(40, 30);
  ASSERT_EQ(View->GetFocused(), a);
  Clicks.clear();
  Input->Type(GDK_KEY_Return);
  Input->Type(GDK_KEY_space);
  EXPECT_EQ(ClicksOf(a), 2u);
  EXPECT_EQ(aKeys, 1);

  TzrButton* ok = Put(20, 100);
  ok->SetDefault(true);
  TzrButton* cancel = Put(120, 100);
  cancel->SetCancel(true);
  Clicks.clear();
  aKeys = 0;
  Input->Type(GDK_KEY_Return);
  Input->Type(GDK_KEY_Escape);
  EXPECT_EQ(ClicksOf(ok), 1u);
  EXPECT_EQ(ClicksOf(cancel), 1u);
  EXPECT_EQ(ClicksOf(a), 0u);
  EXPECT_EQ(aKeys, 0) << "the focused button saw no Enter";
}

TEST_F(ButtonsRoutingTest, DoubleClickClicksTwiceAndDoubleClicksOnce) {
  TzrButton* b = Put(20, 20);
  int doubles = 0;
  b->OnDblClick = [&](TObject*) { ++doubles; };
  Input->Move(40, 30);
  Input->DoubleClick(40, 30);
  EXPECT_EQ(ClicksOf(b), 2u);
  EXPECT_EQ(doubles, 1);
}

TEST_F(ButtonsRoutingTest, HeldRepeatButtonClicksAt600700800AndOnRelease) {
  Put<TzrSpeedButton>(20, 20);
  for (int press = 0; press < 2; ++press) {
    SCOPED_TRACE(press);
    Clicks.clear();
    Input->Move(30, 30);
    const uint32_t start = Now();
    Input->Press(30, 30);
    Wait(850);
    ASSERT_EQ(Clicks.size(), 3u);
    EXPECT_EQ(Clicks[0].At - start, 600u);
    EXPECT_EQ(Clicks[1].At - start, 700u);
    EXPECT_EQ(Clicks[2].At - start, 800u);
    Input->Release(30, 30);
    EXPECT_EQ(Clicks.size(), 4u);
    Wait(300);
    EXPECT_EQ(Clicks.size(), 4u);
  }
}

TEST_F(ButtonsRoutingTest, ModalResultEndsTheModalLoopAfterOnClick) {
  TzrButton* b = Put(20, 20);
  b->SetModalResult(mrOk);
  int resultAtClick = -1;
  b->OnClick = [&](TObject*) { resultAtClick = Form.GetModalResult(); };
  TTimer timer(&Form);
  timer.SetInterval(1);
  timer.SetOnTimer([&](TObject*) {
    timer.SetEnabled(false);
    Input->Move(40, 30);
    Input->Click(40, 30);
  });
  EXPECT_EQ(Form.ShowModal(), mrOk);
  EXPECT_EQ(resultAtClick, mrOk) << "the result is handed over before OnClick";
}

TEST_F(ButtonsRoutingTest, PopupBoxMenuChooses) {
  auto* box = Put<TzrPopupBox>(20, 60);
  for (const char16_t* s : {u"Soft", u"Hard"}) box->GetItems()->Add(s);
  int changes = 0;
  box->OnChange = [&](TObject*) { ++changes; };
  PopupMenuHook = [](const TPopupMenuRequest& r) { r.Menu->Items()->Items(1)->Click(); };
  Input->Move(40, 70);
  Input->Click(40, 70);
  PopupMenuHook = nullptr;
  EXPECT_EQ(box->GetText(), u"Hard");
  EXPECT_EQ(changes, 1);
}

TEST_F(ButtonsRoutingTest, CloseButtonClosesTheHostFormOnAReleaseAnywhere) {
  auto* close = new TzrCloseButton(&Form);
  close->SetBounds(250, 10, 20, 20);
  close->SetParent(SceneRoot);
  std::vector<std::string> log;
  Form.OnClose = [&](TObject*, TCloseAction&) { log.push_back("close"); };
  close->OnClick = [&](TObject*) { log.push_back("click"); };
  Input->Move(20, 150);
  Input->Press(20, 150);  // a press elsewhere, released on the button
  Input->Drag(260, 20);
  Input->Release(260, 20);
  EXPECT_TRUE(log.empty());
  Input->Move(260, 20);
  Input->Press(260, 20);
  Input->Drag(150, 150);
  Input->Release(150, 150);
  EXPECT_EQ(log, (std::vector<std::string>{"close", "click"}));
}

}  // namespace
