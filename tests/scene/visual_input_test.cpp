// What a node does with the input the scene hands it: clicks from presses
// and releases, capture, focus and its veto, handlers that free their node,
// keys offered to children, context menus, the drag image and the tab list.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/vcl/Menus.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_colors.h"
#include "tests/scene/png_filter.h"
#include "tests/scene/visual_scene.h"

namespace {

void RunCopy(std::function<void()> F) { F(); }

class VisualInputTest : public VisualTest {
 protected:
  // A 50 x 50 node counting its clicks and double clicks.
  TTestShape* Counted(float X = 10, float Y = 10) {
    TTestShape* s = Shape("counted", 0xFF0000FF, X, Y, 50, 50);
    s->OnClick = [this](TObject*) { ++Clicks; };
    s->OnDblClick = [this](TObject*) { ++DblClicks; };
    return s;
  }
  int Clicks = 0, DblClicks = 0;
};

TEST_F(VisualInputTest, PressAndReleaseClickOnlyInsideTheNodeEdgesIncluded) {
  struct Case {
    const char* Name;
    TMouseButton Button;
    float X, Y;
    int Clicks;
  };
  const Case cases[] = {
      {"inside", mbLeft, 25, 25, 1},        {"top-left corner", mbLeft, 0, 0, 1},
      {"bottom-right edge", mbLeft, 50, 50, 1}, {"right of it", mbLeft, 50.5f, 25, 0},
      {"above it", mbLeft, 25, -1, 0},      {"middle button", mbMiddle, 25, 25, 0},
      {"right button", mbRight, 25, 25, 0},
  };
  for (const Case& c : cases) {
    TTestShape* s = Counted();
    s->SetAutoCapture(true);
    Clicks = 0;
    s->MouseDown(c.Button, 0, 25, 25);
    EXPECT_EQ(s->GetPressed(), c.Button == mbLeft) << c.Name;
    // A right press never captures, even with automatic capture.
    EXPECT_EQ(Scene.Captured == s, c.Button != mbRight) << c.Name;
    s->MouseUp(c.Button, 0, c.X, c.Y);
    EXPECT_EQ(Clicks, c.Clicks) << c.Name;
    EXPECT_FALSE(s->GetPressed()) << c.Name;
    EXPECT_EQ(Scene.Captured, nullptr) << c.Name;
    delete s;
  }
}

TEST_F(VisualInputTest, DoubleClickFiresOnceAtThePressAndSuppressesTheSecondClick) {
  TTestShape* s = Counted();
  s->MouseDown(mbLeft, ssLeft, 5, 5);
  s->MouseUp(mbLeft, ssLeft, 5, 5);
  s->MouseDown(mbLeft, ssLeft | ssDouble, 5, 5);
  EXPECT_EQ(DblClicks, 1);
  s->MouseUp(mbLeft, ssLeft, 5, 5);
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(DblClicks, 1);
  // The marks are gone: the next single press clicks again.
  s->MouseDown(mbLeft, ssLeft, 5, 5);
  s->MouseUp(mbLeft, ssLeft, 5, 5);
  EXPECT_EQ(Clicks, 2);
}

TEST_F(VisualInputTest, CaptureIsReleasedOnlyByTheNodeHoldingIt) {
  TTestShape* a = Counted();
  TTestShape* b = Shape("b", 0xFF00FF00, 100, 100, 20, 20);
  a->Capture();
  b->ReleaseCapture();
  EXPECT_EQ(Scene.Captured, a);
  a->ReleaseCapture();
  EXPECT_EQ(Scene.Captured, nullptr);
}

TEST_F(VisualInputTest, HandlersThatFreeTheirNodeLeaveItUntouched) {
  // Each case frees the node from one of its handlers; the sanitizer build
  // catches any touch of the freed node after the handler returns. The
  // handler runs a copy of its action: freeing the node frees the handler.
  struct Case {
    const char* Name;
    std::function<void(TTestShape*, std::function<void()>)> Arm;
    std::function<void(TTestShape*)> Drive;
  };
  const Case cases[] = {
      {"click", [](TTestShape* s, auto f) { s->OnClick = [f](TObject*) { RunCopy(f); }; },
       [](TTestShape* s) {
         s->MouseDown(mbLeft, ssLeft, 5, 5);
         s->MouseUp(mbLeft, ssLeft, 5, 5);
       }},
      {"mouse down", [](TTestShape* s, auto f) { s->OnMouseDown = [f](TObject*, auto, auto, auto, auto) { RunCopy(f); }; },
       [](TTestShape* s) { s->MouseDown(mbLeft, ssLeft, 5, 5); }},
      {"mouse up", [](TTestShape* s, auto f) { s->OnMouseUp = [f](TObject*, auto, auto, auto, auto) { RunCopy(f); }; },
       [](TTestShape* s) {
         s->MouseDown(mbLeft, ssLeft, 5, 5);
         s->MouseUp(mbLeft, ssLeft, 5, 5);
       }},
      {"double click", [](TTestShape* s, auto f) { s->OnDblClick = [f](TObject*) { RunCopy(f); }; },
       [](TTestShape* s) { s->MouseDown(mbLeft, ssLeft | ssDouble, 5, 5); }},
      {"focus veto", [](TTestShape* s, auto f) { s->OnCanFocused = [f](TObject*, bool&) { RunCopy(f); }; },
       [](TTestShape* s) { s->SetFocus(); }},
  };
  for (const Case& c : cases) {
    TTestShape* s = Shape("doomed", 0xFF0000FF, 0, 0, 50, 50);
    s->SetCanFocused(true);
    s->SetAutoCapture(true);
    bool freed = false;
    c.Arm(s, [s, &freed] {
      delete s;
      freed = true;
    });
    c.Drive(s);
    EXPECT_TRUE(freed) << c.Name;
    EXPECT_EQ(Scene.Focused, nullptr) << c.Name;
    Scene.Captured = nullptr;
  }
}

TEST_F(VisualInputTest, FocusFollowsPressesAndHonoursTheVeto) {
  TTestShape* a = Shape("a", 0xFF0000FF, 0, 0, 50, 50);
  TTestShape* b = Shape("b", 0xFF00FF00, 60, 0, 50, 50);
  TTestShape* plain = Shape("plain", 0xFFFF0000, 120, 0, 50, 50);
  a->SetCanFocused(true);
  b->SetCanFocused(true);
  a->MouseDown(mbLeft, ssLeft, 5, 5);
  EXPECT_EQ(Scene.Focused, a);
  EXPECT_TRUE(a->GetIsFocused());
  // A node that cannot take focus ignores every focus call.
  plain->SetFocus();
  plain->EnterFocus();
  EXPECT_FALSE(plain->GetIsFocused());
  EXPECT_EQ(Scene.Focused, a);
  bool asked = false;
  b->OnCanFocused = [&](TObject*, bool& Can) {
    asked = true;
    EXPECT_TRUE(Can);
    Can = false;
  };
  b->SetFocus();
  EXPECT_TRUE(asked);
  EXPECT_EQ(Scene.Focused, a);
  b->OnCanFocused = nullptr;
  b->SetFocus();
  EXPECT_EQ(Scene.Focused, b);
  EXPECT_FALSE(a->GetIsFocused());
}

TEST_F(VisualInputTest, GainingAndLosingFocusRepaintsTheFocusMargin) {
  TTestShape* a = Shape("a", 0xFF0000FF, 40, 40, 50, 50);
  a->SetCanFocused(true);
  Scene.DrawAll();
  a->SetFocus();
  EXPECT_TRUE(Scene.Covered(zrRect(35, 35, 95, 95)));
  Scene.Draw();
  Scene.SetFocused(nullptr);
  EXPECT_TRUE(Scene.Covered(zrRect(35, 35, 95, 95)));
}

TEST_F(VisualInputTest, GalleryFocusRepaintAndDropTargetFrame) {
  TTestShape* a = Shape("a", 0xFF2060C0, 40, 40, 60, 40);
  TTestShape* b = Shape("b", 0xFF40A040, 120, 110, 60, 60);
  a->SetCanFocused(true);
  Scene.DrawAll();
  // Grey everywhere: what focusing repaints turns white again around the node.
  Scene.Canvas->SetMatrix(IdentityMatrix);
  Scene.Canvas->Clear(0xFF808080);
  a->SetFocus();
  Scene.Draw();
  EXPECT_EQ(Scene.Pixel(37, 37), 0xFFFFFFFFu);   // inside the focus margin
  EXPECT_EQ(Scene.Pixel(33, 60), 0xFF808080u);   // beyond it
  EXPECT_EQ(Scene.Pixel(60, 60), 0xFF2060C0u);
  TzrDragObject data;
  b->DragEnter(data, {1, 1});
  Scene.Draw();
  EXPECT_NE(Scene.Pixel(121, 140), 0xFF40A040u);  // the drop-target frame
  Scene.SaveGallery("input_focus_and_drop_target");
  b->DragLeave();
  Scene.Draw();
  EXPECT_EQ(Scene.Pixel(121, 140), 0xFF40A040u);
}

TEST_F(VisualInputTest, DialogKeyStopsAtTheFirstChildThatTakesItAndSkipsHiddenOnes) {
  std::vector<std::string> asked;
  // Children that record the offer and consume it when they are the taker.
  class TKeyNode : public TzrVisualObject {
   public:
    using TzrVisualObject::TzrVisualObject;
    void DialogKey(uint16_t& Key, TShiftState Shift) override {
      Log->push_back(GetName());
      if (Takes) Key = 0;
      TzrVisualObject::DialogKey(Key, Shift);
    }
    std::vector<std::string>* Log = nullptr;
    bool Takes = false;
  };
  auto add = [&](const std::string& Name, bool Takes, bool Visible, bool Enabled) {
    auto* n = new TKeyNode(&Owner);
    n->SetName(Name);
    n->Log = &asked;
    n->Takes = Takes;
    n->SetVisible(Visible);
    n->SetEnabled(Enabled);
    n->SetParent(Root);
  };
  add("hidden", true, false, true);
  add("disabled", true, true, false);
  add("first", false, true, true);
  add("taker", true, true, true);
  add("after", true, true, true);
  uint16_t key = 27;
  Root->DialogKey(key, 0);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(asked, (std::vector<std::string>{"first", "taker"}));
}

TEST_F(VisualInputTest, ContextMenuKeyAndRightPressPopTheMenuAtTheScreenPoint) {
  TTestShape* s = Shape("s", 0xFF0000FF, 20, 30, 40, 60);
  TPopupMenu menu(nullptr);
  s->SetPopupMenu(&menu);
  std::vector<std::pair<int, int>> shown;
  PopupMenuHook = [&](const TPopupMenuRequest& R) {
    EXPECT_EQ(R.Menu->GetPopupComponent(), s);
    shown.emplace_back(R.X, R.Y);
  };
  uint16_t key = 93;
  char16_t ch = 0;
  int keyDowns = 0;
  s->OnKeyDown = [&](TObject*, uint16_t&, char16_t&, TShiftState) { ++keyDowns; };
  s->KeyDown(key, ch, 0);
  s->MouseDown(mbRight, ssRight, 5, 6);
  EXPECT_FALSE(s->GetPressed());
  PopupMenuHook = nullptr;
  EXPECT_EQ(keyDowns, 0);
  EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{40, 60}, {25, 36}}));
  // A node without menu and popup: nothing happens.
  s->SetPopupMenu(nullptr);
  s->MouseDown(mbRight, ssRight, 5, 6);
}

TEST_F(VisualInputTest, DragImageFitsIntoFiveHundredTwelveKeepingItsShape) {
  struct Case {
    int W, H, ImageW, ImageH;
  };
  const Case cases[] = {{1000, 250, 512, 128}, {250, 1000, 128, 512}, {300, 200, 300, 200},
                        {512, 512, 512, 512},  {1024, 1024, 512, 512}, {513, 100, 512, 100}};
  for (const Case& c : cases) {
    const TzrPoint size = zrDragImageSize(c.W, c.H);
    EXPECT_EQ(size.X, c.ImageW) << c.W << "x" << c.H;
    EXPECT_EQ(size.Y, c.ImageH) << c.W << "x" << c.H;
  }
  // A 1000 x 250 node: its image is 512 x 128, drawn at 0.7 opacity.
  TTestShape* wide = Shape("wide", 0xFF2060C0, 0, 0, 1000, 250);
  std::unique_ptr<TzrBitmap> image = wide->MakeDragImage();
  ASSERT_EQ(image->GetWidth(), 512);
  ASSERT_EQ(image->GetHeight(), 128);
  const TzrColor middle = zrUnpremultyAlpha(image->GetPixels(256, 64));
  EXPECT_NEAR(int(middle >> 24), 178, 3);
  EXPECT_NEAR(int(middle & 0xFF), 0xC0, 3);
  const std::filesystem::path folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  TzrPngFilter png;
  png.SaveToFile((folder / "input_drag_image.png").string(), *image, "");
}

TEST_F(VisualInputTest, AutomaticDragEndsWithAReleaseThatNeverClicks) {
  TTestShape* s = Counted();
  s->SetDragMode(zrDragAutomatic);
  int ends = 0;
  s->OnDragEnd = [&](TObject*) { ++ends; };
  s->MouseDown(mbLeft, ssLeft, 5, 5);
  s->DragEnd();
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(Clicks, 0);
  EXPECT_FALSE(s->GetPressed());
}

TEST_F(VisualInputTest, DropTargetStateFollowsEnterLeaveAndDrop) {
  TTestShape* s = Shape("s", 0xFF0000FF, 0, 0, 50, 50);
  TzrDragObject data;
  s->DragEnter(data, {1, 1});
  EXPECT_TRUE(s->GetIsDragOver());
  s->DragLeave();
  EXPECT_FALSE(s->GetIsDragOver());
  s->DragEnter(data, {1, 1});
  s->DragDrop(data, {1, 1});
  EXPECT_FALSE(s->GetIsDragOver());
  bool accept = true;
  s->DragOver(data, {1, 1}, accept);
  EXPECT_TRUE(accept);  // kept without a handler
}

// ---------------------------------------------------------------- tab list

class TabListTest : public VisualInputTest {
 protected:
  std::vector<TTestShape*> Children(int N) {
    std::vector<TTestShape*> list;
    for (int i = 0; i < N; ++i)
      list.push_back(Shape(std::string(1, char('a' + i)), 0xFF0000FF, 0, 0, 10, 10));
    return list;
  }
  std::string Order(TzrVisualObject* Parent) {
    std::string s;
    for (TzrVisualObject* v : Parent->GetTabList()) s += v->GetName();
    return s;
  }
};

TEST_F(TabListTest, SetTabOrderClampsAndMoves) {
  struct Case {
    int Who, Value;
    const char* Order;
  };
  const Case cases[] = {{1, 10, "acb"}, {1, -5, "bac"}, {2, 0, "cab"}, {0, 1, "bac"}, {1, 1, "abc"}};
  for (const Case& c : cases) {
    std::vector<TTestShape*> kids = Children(3);
    kids[size_t(c.Who)]->SetTabOrder(c.Value);
    EXPECT_EQ(Order(Root), c.Order) << c.Who << " to " << c.Value;
    for (auto* k : kids) delete k;
  }
  EXPECT_EQ(Root->GetTabOrder(), -1);
  Root->UpdateTabOrder(3);  // outside any tab list: nothing
}

TEST_F(TabListTest, ChildrenLeavingAndJoiningKeepTheList) {
  std::vector<TTestShape*> kids = Children(3);
  delete kids[1];
  EXPECT_EQ(Order(Root), "ac");
  EXPECT_EQ(kids[2]->GetTabOrder(), 1);
}

TEST_F(TabListTest, FixupAppliesTheOrdersRememberedWhileLoading) {
  struct Case {
    std::vector<int> Remembered;
    const char* Order;
  };
  const Case cases[] = {
      {{-1, 1, 1}, "acb"},     // the later of two with the same index wins it
      {{2, 0, 1}, "bca"},      // a full permutation
      {{-1, 7, -1}, "abc"},    // out of range: stays
      {{-1, -1, 0, -1}, "cabd"},
  };
  for (const Case& c : cases) {
    auto* parent = new TzrVisualObject(&Owner);
    parent->SetParent(Root);
    std::vector<TTestShape*> kids;
    for (size_t i = 0; i < c.Remembered.size(); ++i) {
      auto* k = Shape(std::string(1, char('a' + i)), 0xFF0000FF, 0, 0, 10, 10, parent);
      k->SetComponentState(csLoading);
      k->SetTabOrder(c.Remembered[i]);
      k->SetComponentState(0);
      kids.push_back(k);
    }
    EXPECT_EQ(Order(parent), std::string("abcd").substr(0, c.Remembered.size()));
    parent->FixupTabList();
    EXPECT_EQ(Order(parent), c.Order);
    delete parent;
  }
}

TEST_F(TabListTest, FullListIsDepthFirstInTabOrder) {
  std::vector<TTestShape*> kids = Children(3);
  Shape("x", 0xFF0000FF, 0, 0, 5, 5, kids[0]);
  Shape("y", 0xFF0000FF, 0, 0, 5, 5, kids[2]);
  kids[2]->SetTabOrder(0);
  std::vector<TzrVisualObject*> list;
  Root->GetTabOrderList(list, true);
  std::string names;
  for (auto* v : list) names += v->GetName();
  EXPECT_EQ(names, "cyaxb");
  list.clear();
  Root->GetTabOrderList(list, false);
  EXPECT_EQ(list.size(), 3u);
}

}  // namespace
