// The scene's design-time editor with a designing form and a small designer
// that records selections and modifications: handles, moving with grid and
// lines snapping, resizing, rotating, Alt placing, Delete and the hit test;
// and that a running scene edits nothing.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "controls/zr_controls_register.h"
#include "controls/zr_lists_register.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/Timers.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_forms.h"
#include "scene/zr_scene_unit.h"
#include "scene/zr_stream_text.h"
#include "tests/scene/png_filter.h"
#include "tests/scene/visual_scene.h"

namespace {

// Writes a scene canvas as build/gallery/<Name>.png.
void SaveCanvas(TzrCanvas* C, const std::string& Name) {
  const auto folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  TzrBitmap bitmap(C->GetWidth(), C->GetHeight());
  std::memcpy(bitmap.GetStartLine(), C->GetBufferBits(),
              size_t(C->GetWidth()) * size_t(C->GetHeight()) * 4);
  TzrPngFilter png;
  png.SaveToFile((folder / (Name + ".png")).string(), bitmap, "");
}

// A node of a registered class by name, owned by Owner, under Parent.
TzrVisualObject* Make(const char* ClassName, TComponent* Owner, TzrObject* Parent) {
  auto* node = dynamic_cast<TzrVisualObject*>(GetClass(ClassName)->Create(Owner));
  node->SetParent(Parent);
  return node;
}

std::string Text(TObject* Node) { return GetPropValue(Node, "Text").ToString(); }

class TTestDesigner : public TzrDesigner {
 public:
  TTestDesigner() : TzrDesigner(nullptr) {}
  void SelectObject(TComponent*, TzrObject* AObject, const std::vector<TzrObject*>&) override {
    Selections.push_back(AObject);
  }
  void Modified(TComponent*) override { ++Modifications; }
  std::string UniqueName(TComponent*, const std::string& ClassName) override {
    return ClassName + std::to_string(++Names);
  }
  bool IsSelected(TComponent*, TObject*) override { return false; }
  void AddScene(IzoRurev*) override {}
  void RemoveScene(IzoRurev*) override {}
  void EditStyle(TzrResources* Res, const std::string& ASelected) override {
    EditedSheet = Res;
    EditedStyle = ASelected;
  }
  std::vector<TzrObject*> Selections;
  int Modifications = 0, Names = 0;
  TzrResources* EditedSheet = nullptr;
  std::string EditedStyle;
};

class SceneDesignTest : public VisualTest {
 public:
  static void SetUpTestSuite() {
    VisualTest::SetUpTestSuite();
    Application->Initialize();
    InitializeScene();
    // The tab-order editor makes its HUD window, list and buttons by name.
    RegisterStandardControls();
    RegisterListControls();
  }

 protected:
  explicit SceneDesignTest(bool Designing = true) {
    zrDesigner = &Designer;
    Form.SetDesigning(Designing);
    Form.SetClientSize(400, 300);
    View = new TzoRurev(&Form);
    View->SetBounds(0, 0, 400, 300);
    // Off-screen: the pending rectangles stay readable until a flush.
    View->CreateEmbedded(400, 300, [](TObject*) {});
    Top = new TzrVisualObject(&Form);
    Top->SetBounds(0, 0, 400, 300);
    View->AddObject(Top);
  }
  ~SceneDesignTest() override {
    zrDesigner = nullptr;
    PopupMenuHook = nullptr;
    DesignModalHook = nullptr;
    FileDialogHook = nullptr;
    MessageBoxHook = nullptr;
  }

  // Opens the popup with a right click at (X, Y); the hook clicks the item
  // at Path (captions from the top) when given, and records the menu.
  void RightClick(float X, float Y, std::vector<std::string> Path = {}) {
    PopupMenuHook = [this, Path](const TPopupMenuRequest& R) {
      ++Menus;
      Captions.clear();
      for (int i = 0; i < R.Menu->Items()->Count(); ++i)
        Captions.push_back(R.Menu->Items()->Items(i)->GetCaption());
      TMenuItem* item = R.Menu->Items();
      for (const std::string& caption : Path) {
        TMenuItem* next = nullptr;
        for (int i = 0; i < item->Count(); ++i)
          if (item->Items(i)->GetCaption() == caption) next = item->Items(i);
        ASSERT_NE(next, nullptr) << caption;
        item = next;
      }
      if (!Path.empty()) item->Click();
    };
    View->MouseDown(mbRight, ssRight, int(X), int(Y));
    View->MouseUp(mbRight, 0, int(X), int(Y));
  }
  TMenuItem* Find(const std::vector<std::string>& Path) {
    TMenuItem* item = View->GetDesignPopup()->Items();
    for (const std::string& caption : Path) {
      TMenuItem* next = nullptr;
      for (int i = 0; i < item->Count(); ++i)
        if (item->Items(i)->GetCaption() == caption) next = item->Items(i);
      if (!next) return nullptr;
      item = next;
    }
    return item;
  }
  int Menus = 0;
  std::vector<std::string> Captions;

  TTestShape* Box(float X, float Y, float W, float H, TzrVisualObject* Parent = nullptr) {
    auto* n = new TTestShape(&Form);
    n->SetBounds(X, Y, W, H);
    n->SetParent(Parent ? Parent : Top);
    return n;
  }
  void Press(float X, float Y, TShiftState Shift = ssLeft) {
    View->MouseDown(mbLeft, Shift, int(X), int(Y));
  }
  void DragTo(float X, float Y, TShiftState Shift = ssLeft) {
    View->MouseMove(Shift, int(X), int(Y));
  }
  void Release(float X, float Y) { View->MouseUp(mbLeft, 0, int(X), int(Y)); }
  void DeleteKey() {
    uint16_t key = 46;
    char16_t ch = 0;
    View->UnicodeKeyUp(key, ch, 0);
  }

  TTestDesigner Designer;
  TForm Form{nullptr};
  TzoRurev* View = nullptr;
  TzrVisualObject* Top = nullptr;
};

TEST_F(SceneDesignTest, HandleTableInTestOrder) {
  auto* n = Box(50, 50, 100, 40);
  const struct {
    TzrPoint P;
    TzrDesignHandle Want;
  } cases[] = {
      {{50, -10}, dhRotate},    {{1, 1}, dhLeftTop},        {{99, -2}, dhRightTop},
      {{-2, 41}, dhLeftBottom}, {{102, 42}, dhRightBottom}, {{52, 2}, dhTop},
      {{48, 39}, dhBottom},     {{2, 20}, dhLeft},          {{101, 18}, dhRight},
      {{50, 20}, dhNone},       {{50, -5}, dhNone},
  };
  for (const auto& c : cases) EXPECT_EQ(zrDesignHandleAt(n, c.P), c.Want) << c.P.X << "," << c.P.Y;
  n->DisableDesignResize = true;
  EXPECT_EQ(zrDesignHandleAt(n, {1, 1}), dhNone);
}

TEST_F(SceneDesignTest, PressSelectsAndTellsTheDesigner) {
  auto* n = Box(50, 50, 100, 40);
  Press(80, 70);
  EXPECT_EQ(View->GetSelected(), n);
  EXPECT_TRUE(View->GetMoving());
  ASSERT_EQ(Designer.Selections.size(), 1u);
  EXPECT_EQ(Designer.Selections[0], n);
  Release(80, 70);
  // A press on a handle of the selection takes the handle.
  Press(150, 90);
  EXPECT_EQ(View->GetDesignMode(), dhRightBottom);
  EXPECT_FALSE(View->GetMoving());
}

TEST_F(SceneDesignTest, EmptySceneGetsANamedBackgroundRootOnThePress) {
  auto* empty = new TzoRurev(&Form);
  empty->SetBounds(0, 0, 120, 80);
  empty->CreateEmbedded(120, 80, [](TObject*) {});
  EXPECT_EQ(empty->DesignHitTest(5, 5), 1);  // no objects: the scene takes the mouse
  empty->MouseDown(mbLeft, ssLeft, 5, 5);
  ASSERT_EQ(empty->GetCount(), 1);
  auto* root = dynamic_cast<TzrBackground*>(empty->GetRoot());
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->GetName(), "Root1");
  EXPECT_FLOAT_EQ(root->GetWidth(), 120);
  EXPECT_EQ(empty->GetSelected(), root);
}

TEST_F(SceneDesignTest, GridSnapTruncatesTowardZero) {
  View->SetSnapGridSize(8);
  EXPECT_FLOAT_EQ(View->SnapToGridValue(17.9f), 17.9f);  // snapping off
  View->SetSnapToGrid(true);
  EXPECT_FLOAT_EQ(View->SnapToGridValue(17.9f), 16);
  EXPECT_FLOAT_EQ(View->SnapToGridValue(-17.9f), -16);
  View->SetSnapGridSize(0);
  EXPECT_FLOAT_EQ(View->GetSnapGridSize(), 0.01f);
  // A move by the mouse stores the truncated position.
  View->SetSnapGridSize(8);
  View->SetSnapToLines(false);
  auto* n = Box(0, 0, 40, 40);
  Press(10, 10);
  DragTo(28, 28);
  Release(28, 28);
  EXPECT_FLOAT_EQ(n->GetPosition()->GetX(), 16);
  EXPECT_EQ(Designer.Modifications, 1);
}

TEST_F(SceneDesignTest, LinesSnappingFirstPairCloserThanTwoWins) {
  auto* guide = Box(100, 100, 50, 50);
  auto* s = Box(0, 0, 30, 30);
  View->SetSnapToLines(true);
  Press(5, 5);
  struct TCase {
    TzrPoint At;    // selection position before snapping
    TzrPoint Want;  // after
  };
  // Left edges 1.5 apart snap; 2 apart do not; right-to-left edge match.
  const TCase cases[] = {
      {{101.5f, 10}, {100, 10}},
      {{102, 10}, {102, 10}},
      {{10, 118.5f}, {10, 120}},  // vertical centres: 134 vs 135 (halves to even)
      {{151, 10}, {150, 10}},     // selection's left on the guide's right
  };
  for (const TCase& c : cases) {
    s->GetPosition()->SetPoint(c.At);
    View->SnapToGridLines(true);
    EXPECT_FLOAT_EQ(s->GetPosition()->GetX(), c.Want.X) << c.At.X << "," << c.At.Y;
    EXPECT_FLOAT_EQ(s->GetPosition()->GetY(), c.Want.Y) << c.At.X << "," << c.At.Y;
  }
  ASSERT_EQ(View->GetDesignGridLines().size(), 1u);
  EXPECT_EQ(View->GetDesignGridLines()[0], guide);
  // A resize point within 4 of a guide's edge jumps onto it.
  s->GetPosition()->SetPoint({100, 10});
  const TzrPoint p = View->SnapPointToGridLines({48, 12});  // parent (148, 22)
  EXPECT_FLOAT_EQ(p.X, 50);
  Release(5, 5);
  EXPECT_TRUE(View->GetDesignGridLines().empty());
}

TEST_F(SceneDesignTest, GuideStripsAreMarkedDirtyWhileMoving) {
  Box(100, 100, 50, 50);
  auto* s = Box(100, 10, 30, 30);
  Press(110, 20);
  DragTo(111, 21);  // the left edges line up: a guide
  ASSERT_EQ(View->GetDesignGridLines().size(), 1u);
  // The strip along the shared left edge x = 100, from the selection down
  // to the guide's bottom, is pending.
  bool found = false;
  int strips = 0;
  for (int i = 0; i < View->GetUpdateRectsCount(); ++i) {
    const TzrRect r = View->GetUpdateRect(i);
    if (r.Right - r.Left == 3 || r.Bottom - r.Top == 3) ++strips;
  }
  // Eight strips per guide, each pending once although marked twice.
  EXPECT_EQ(strips, 8);
  for (int i = 0; i < View->GetUpdateRectsCount(); ++i) {
    const TzrRect r = View->GetUpdateRect(i);
    if (r.Left == 99 && r.Right == 102 && r.Top <= 11 && r.Bottom >= 150) found = true;
  }
  EXPECT_TRUE(found);
  EXPECT_FLOAT_EQ(s->GetPosition()->GetX(), 100);
}

TEST_F(SceneDesignTest, CornerAndEdgeResizesGoThroughTheBoundsRectangle) {
  View->SetSnapToLines(false);
  auto* n = Box(50, 50, 100, 40);
  Press(80, 70);
  Release(80, 70);
  Press(150, 90);  // right-bottom
  DragTo(170, 120);
  Release(170, 120);
  EXPECT_FLOAT_EQ(n->GetWidth(), 120);
  EXPECT_FLOAT_EQ(n->GetHeight(), 70);
  Press(50, 50);  // left-top: the right-bottom corner stays
  DragTo(60, 40);
  Release(60, 40);
  EXPECT_FLOAT_EQ(n->GetPosition()->GetX() + n->GetWidth(), 170);
  EXPECT_FLOAT_EQ(n->GetPosition()->GetY() + n->GetHeight(), 120);
  EXPECT_FLOAT_EQ(n->GetPosition()->GetX(), 60);
  Press(60, 80);  // left edge: only the horizontal coordinate
  DragTo(70, 95);
  Release(70, 95);
  EXPECT_FLOAT_EQ(n->GetPosition()->GetX(), 70);
  EXPECT_FLOAT_EQ(n->GetHeight(), 80);
}

TEST_F(SceneDesignTest, RotationFollowsTheSignOfTheTurn) {
  auto* n = Box(100, 100, 100, 40);
  Press(150, 120);
  Release(150, 120);
  Press(150, 90);  // rotation handle
  ASSERT_EQ(View->GetDesignMode(), dhRotate);
  DragTo(170, 90);  // to the right: clockwise on screen
  EXPECT_GT(n->GetRotateAngle(), 0);
  Release(170, 90);
  const float after = n->GetRotateAngle();
  const TzrPoint handle = n->LocalToAbsolute({50, -10});
  Press(handle.X, handle.Y);
  const TzrPoint left = n->LocalToAbsolute({20, -10});
  DragTo(left.X, left.Y);
  EXPECT_LT(n->GetRotateAngle(), after);
}

TEST_F(SceneDesignTest, AltDragPlacesIntoTheContainerKeepingThePosition) {
  View->SetSnapToLines(false);
  auto* container = Box(200, 100, 150, 150);
  auto* n = Box(10, 10, 20, 20);
  Press(15, 15);
  DragTo(220, 120);
  EXPECT_EQ(View->GetDesignPlaceObject(), container);
  const TzrPoint before = n->LocalToAbsolute({0, 0});
  DragTo(221, 121, ssLeft | ssAlt);
  EXPECT_EQ(n->GetParent(), container);
  const TzrPoint after = n->LocalToAbsolute({0, 0});
  EXPECT_NEAR(after.X, before.X + 1, 0.01);
  EXPECT_NEAR(after.Y, before.Y + 1, 0.01);
  Release(221, 121);
  EXPECT_EQ(View->GetDesignPlaceObject(), nullptr);
}

TEST_F(SceneDesignTest, DeleteKeepsTheRootAndSelectsTheParent) {
  auto* parent = Box(10, 10, 200, 200);
  Box(20, 20, 30, 30, parent);
  Press(35, 35);
  DeleteKey();
  EXPECT_EQ(parent->GetChildrenCount(), 0);
  EXPECT_EQ(View->GetSelected(), parent);
  Press(390, 290);  // the root itself
  ASSERT_EQ(View->GetSelected(), Top);
  DeleteKey();
  EXPECT_EQ(View->GetRoot(), Top);
  EXPECT_EQ(View->GetSelected(), Top);
}

TEST_F(SceneDesignTest, DesignerHitTest) {
  auto* n = Box(50, 50, 100, 40);
  Top->SetHitTest(false);
  Top->SetLocked(true);
  EXPECT_EQ(View->DesignHitTest(60, 60), 1);
  EXPECT_EQ(View->DesignHitTest(300, 250), 0);
  Press(60, 60);
  EXPECT_EQ(View->DesignHitTest(300, 250), 1);  // a move runs
  Release(60, 60);
  n->SetLocked(true);  // no node under the point, but the selection's rectangle
  EXPECT_EQ(View->DesignHitTest(60, 60), 1);
  EXPECT_EQ(View->DesignHitTest(300, 250), 0);
}

TEST_F(SceneDesignTest, PopupItemsFollowTheSelectionAndTheSnapMode) {
  auto* n = Box(50, 50, 100, 40);
  RightClick(300, 250);  // nothing selected
  EXPECT_EQ(Menus, 1);
  EXPECT_EQ(std::count(Captions.begin(), Captions.end(), "Hide in Design-time"), 0);
  EXPECT_EQ(std::count(Captions.begin(), Captions.end(), "Add object"), 1);
  Press(60, 60);
  Release(60, 60);
  RightClick(60, 60);
  EXPECT_EQ(std::count(Captions.begin(), Captions.end(), "Hide in Design-time"), 1);
  EXPECT_NE(Find({"Add object", "Shapes", "Rectangle"}), nullptr);
  // Snapping: lines after construction; exactly one radio item ticked.
  EXPECT_TRUE(Find({"Grid", "Snap to lines"})->GetChecked());
  EXPECT_FALSE(Find({"Grid", "Snap disabled"})->GetChecked());
  RightClick(60, 60, {"Grid", "Snap disabled"});
  EXPECT_FALSE(View->GetSnapToGrid() || View->GetSnapToLines());
  RightClick(60, 60);
  EXPECT_TRUE(Find({"Grid", "Snap disabled"})->GetChecked());
  EXPECT_FALSE(Find({"Grid", "Snap to grid"})->GetChecked());
  RightClick(60, 60, {"Grid", "Snap to grid"});
  EXPECT_TRUE(View->GetSnapToGrid());
  EXPECT_FALSE(View->GetSnapToLines());
  // Insert through the menu lands at the popup point, inside the selection.
  RightClick(70, 75, {"Add object", "Shapes", "Rectangle"});
  ASSERT_EQ(n->GetChildrenCount(), 1);
  auto* made = dynamic_cast<TzrVisualObject*>(n->GetChild(0));
  EXPECT_FLOAT_EQ(made->GetPosition()->GetX(), 20);
  EXPECT_FLOAT_EQ(made->GetPosition()->GetY(), 25);
  // Delete object from the menu refuses the root.
  View->SetSelected(Top);
  RightClick(390, 290, {"Delete object"});
  EXPECT_EQ(View->GetRoot(), Top);
  View->SetDesignPopupEnabled(false);
  RightClick(60, 60);
  EXPECT_EQ(Menus, 7);
}

TEST_F(SceneDesignTest, TabOrderUpAndDownMoveInTheTabList) {
  auto* a = Box(10, 10, 20, 20);
  a->SetName("A");
  auto* b = Box(40, 10, 20, 20);
  b->SetName("B");
  Box(70, 10, 20, 20);  // unnamed: listed by class name
  View->SetSelected(b);
  using L = std::vector<std::string>;
  EXPECT_EQ(View->doDesignTabOrderRebuildList(), (L{"A", "B", "TTestShape"}));
  EXPECT_EQ(View->doDesignTabOrderBtnClick(b->GetTabOrder(), true), 0);
  EXPECT_EQ(View->doDesignTabOrderRebuildList(), (L{"B", "A", "TTestShape"}));
  EXPECT_EQ(View->doDesignTabOrderBtnClick(0, true), 0);  // already first
  EXPECT_EQ(View->doDesignTabOrderBtnClick(1, false), 2);
  EXPECT_EQ(View->doDesignTabOrderRebuildList(), (L{"B", "TTestShape", "A"}));
  EXPECT_EQ(View->doDesignTabOrderBtnClick(2, false), 2);  // already last
  EXPECT_EQ(a->GetTabOrder(), 2);
}

// The editor from the popup: a borderless 400 x 300 form whose transparent
// scene holds the HUD window, the list of siblings (starting at the
// selection) and the Up and Down buttons, pressed here with the mouse.
TEST_F(SceneDesignTest, TabOrderEditorMovesTheChosenNode) {
  auto* a = Box(10, 10, 20, 20);
  a->SetName("A");
  auto* b = Box(40, 10, 20, 20);
  b->SetName("B");
  auto* c = Box(70, 10, 20, 20);
  b->SetCanFocused(true);
  View->SetSelected(c);
  RightClick(80, 20);
  EXPECT_EQ(std::count(Captions.begin(), Captions.end(), "Tab Order..."), 0);  // cannot focus
  View->SetSelected(b);
  int shown = 0;
  std::vector<std::vector<std::string>> lists;
  DesignModalHook = [&](TForm& F) {
    ++shown;
    EXPECT_EQ(F.GetBorderStyle(), bsNone);
    EXPECT_EQ(F.GetClientWidth(), 400);
    EXPECT_EQ(F.GetClientHeight(), 300);
    auto* scene = dynamic_cast<TzoRurev*>(F.Controls(0));
    EXPECT_TRUE(scene && scene->GetTransparencyValue());
    if (!scene) return int(mrNone);
    scene->CreateEmbedded(400, 300, [](TObject*) {});
    scene->SetBounds(0, 0, 400, 300);
    auto* window = dynamic_cast<TzrVisualObject*>(scene->GetRoot());
    EXPECT_EQ(window->ClassType()->Name(), "TzrHudWindow");
    EXPECT_EQ(Text(window), "TabOrder Editor");
    TzrObject* list = nullptr;
    std::vector<TzrVisualObject*> buttons;
    for (int i = 0; i < window->GetChildrenCount(); ++i) {
      TzrObject* child = window->GetChild(i);
      if (child->ClassType()->Name() == "TzrHudListBox") list = child;
      if (child->ClassType()->Name() == "TzrHudButton") buttons.push_back(child->GetVisual());
    }
    EXPECT_NE(list, nullptr);
    EXPECT_EQ(buttons.size(), 2u);
    if (!list || buttons.size() != 2) return int(mrNone);
    EXPECT_EQ(Text(buttons[0]), "Up");
    EXPECT_EQ(buttons[0]->GetBoundsRect().Left + buttons[0]->GetPosition()->GetX(), 330);
    EXPECT_FLOAT_EQ(buttons[1]->GetPosition()->GetY(), 90);
    auto items = [&] {
      std::vector<std::string> names;
      TzrObject* holder = list;
      std::function<void(TzrObject*)> walk = [&](TzrObject* n) {
        for (int i = 0; i < n->GetChildrenCount(); ++i) {
          if (n->GetChild(i)->ClassType()->Name() == "TzrListBoxItem")
            names.push_back(Text(n->GetChild(i)));
          else
            walk(n->GetChild(i));
        }
      };
      walk(holder);
      names.push_back(std::to_string(GetPropValue(list, "ItemIndex").ToInt64()));
      return names;
    };
    lists.push_back(items());
    auto click = [&](TzrVisualObject* Button) {
      const TzrPoint p = Button->LocalToAbsolute({25, 13});
      scene->MouseDown(mbLeft, ssLeft, int(p.X), int(p.Y));
      scene->MouseUp(mbLeft, 0, int(p.X), int(p.Y));
    };
    click(buttons[0]);  // Up: B first
    lists.push_back(items());
    click(buttons[0]);  // already first
    lists.push_back(items());
    click(buttons[1]);
    click(buttons[1]);  // Down twice: B last
    lists.push_back(items());
    scene->UpdateBuffer();
    SaveCanvas(scene->GetCanvas(), "scene_design_tab_order");
    return int(mrOk);
  };
  RightClick(50, 20, {"Tab Order..."});
  EXPECT_EQ(shown, 1);
  using L = std::vector<std::string>;
  ASSERT_EQ(lists.size(), 4u);
  EXPECT_EQ(lists[0], (L{"A", "B", "TTestShape", "1"}));
  EXPECT_EQ(lists[1], (L{"B", "A", "TTestShape", "0"}));
  EXPECT_EQ(lists[2], (L{"B", "A", "TTestShape", "0"}));
  EXPECT_EQ(lists[3], (L{"A", "TTestShape", "B", "2"}));
  EXPECT_EQ(b->GetTabOrder(), 2);
  EXPECT_EQ(a->GetTabOrder(), 0);
}

// Shown for real, the editor's modal loop ends with the HUD window's close
// button.
TEST_F(SceneDesignTest, TabOrderEditorClosesWithItsCloseButton) {
  auto* b = Box(40, 10, 20, 20);
  b->SetCanFocused(true);
  View->SetSelected(b);
  TTimer timer(nullptr);
  int result = -1;
  DesignModalHook = [&](TForm& F) {
    auto* scene = dynamic_cast<TzoRurev*>(F.Controls(0));
    timer.SetInterval(50);
    timer.SetOnTimer([&, scene](TObject*) {
      timer.SetEnabled(false);
      TzrObject* close = scene->GetRoot()->FindResource("close");
      ASSERT_NE(close, nullptr);
      const TzrPoint p = close->GetVisual()->LocalToAbsolute({8, 8});
      scene->MouseDown(mbLeft, ssLeft, int(p.X), int(p.Y));
      scene->MouseUp(mbLeft, 0, int(p.X), int(p.Y));
    });
    timer.SetEnabled(true);
    result = F.ShowModal();
    return result;
  };
  EXPECT_EQ(View->doDesignPopupTabOrder(), mrCancel);
  EXPECT_EQ(result, mrCancel);
}

// "Load From File..." reads the chosen file into the selection, renamed by
// the designer; a file that holds no stream is reported and adds nothing,
// and a cancelled dialog does nothing.
TEST_F(SceneDesignTest, LoadFromFileGoesThroughTheOpenDialog) {
  auto* panel = Box(10, 10, 200, 200);
  const auto folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "scene_design";
  std::filesystem::create_directories(folder);
  const std::string good = (folder / "shape.zr").string(), bad = (folder / "bad.zr").string();
  {
    TStringList text;
    text.SetText(
        "object Shape: TzrRectangle\r\n  Position.Point = '(5,6)'\r\n  Width = 30\r\n"
        "  Height = 20\r\nend\r\n");
    text.SaveToFile(good);
    TStringList junk;
    junk.SetText("not an object stream\r\n");
    junk.SaveToFile(bad);
  }
  std::string file, filter;
  FileDialogHook = [&](TFileDialog& D) {
    filter = D.GetFilter();
    D.SetFileName(file);
    return !file.empty();
  };
  std::vector<std::string> errors;
  MessageBoxHook = [&](const TMessageBoxRequest& R) {
    errors.push_back(R.Text);
    return 1;
  };
  View->SetSelected(panel);
  file = good;
  RightClick(50, 50, {"Load From File..."});
  EXPECT_EQ(filter, "ZORurev Files|*.zorurev;*.zr");
  ASSERT_EQ(panel->GetChildrenCount(), 1);
  auto* loaded = dynamic_cast<TzrVisualObject*>(panel->GetChild(0));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->ClassType()->Name(), "TzrRectangle");
  EXPECT_FLOAT_EQ(loaded->GetWidth(), 30);
  EXPECT_EQ(loaded->GetName().rfind("TzrRectangle", 0), 0u);
  EXPECT_EQ(View->GetSelected(), loaded);
  EXPECT_TRUE(errors.empty());
  // The binary form of the same stream loads as well.
  const std::string binary = (folder / "shape_bin.zr").string();
  {
    TFileStream source(good, fmOpenRead);
    TFileStream target(binary, fmCreate);
    ObjectTextToBinary(&source, &target);
  }
  View->SetSelected(panel);
  file = binary;
  RightClick(50, 50, {"Load From File..."});
  ASSERT_EQ(panel->GetChildrenCount(), 2);
  EXPECT_FLOAT_EQ(panel->GetChild(1)->GetVisual()->GetHeight(), 20);
  delete panel->GetChild(1);
  View->SetSelected(panel);
  for (const std::string& f : {bad, (folder / "missing.zr").string()}) {
    file = f;
    RightClick(50, 50, {"Load From File..."});
  }
  EXPECT_EQ(errors.size(), 2u);
  file.clear();
  RightClick(50, 50, {"Load From File..."});
  EXPECT_EQ(panel->GetChildrenCount(), 1);
  EXPECT_EQ(errors.size(), 2u);
}

// Style editing gives the scene a sheet and moves the control's style (and
// the styles of the controls inside it) into it under the custom or the
// class-derived names; the designer's style editor opens on the name.
TEST_F(SceneDesignTest, StyleEditingMovesStylesIntoTheScenesSheet) {
  auto* shape = Box(300, 10, 50, 50);
  View->SetSelected(shape);
  RightClick(320, 30);
  EXPECT_EQ(std::count(Captions.begin(), Captions.end(), "Edit Custom Style..."), 0);
  TzrVisualObject* panel = Make("TzrPanel", &Form, Top);
  panel->SetBounds(10, 10, 200, 150);
  panel->SetName("Panel1");
  TzrVisualObject* button = Make("TzrButton", &Form, panel);
  button->SetBounds(10, 10, 80, 24);
  View->SetSelected(panel);
  RightClick(150, 130);
  EXPECT_EQ(std::count(Captions.begin(), Captions.end(), "Edit Default Style..."), 1);
  ASSERT_EQ(View->GetStyle(), nullptr);
  RightClick(150, 130, {"Edit Custom Style..."});
  TzrResources* sheet = View->GetStyle();
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->GetName(), "TzrResources1");
  EXPECT_EQ(sheet->GetRoot()->ClassType()->Name(), "TzrBackground");
  EXPECT_EQ(Designer.EditedSheet, sheet);
  EXPECT_EQ(Designer.EditedStyle, "Panel1Style");
  EXPECT_EQ(GetPropValue(panel, "Resource").ToString(), "Panel1Style");
  EXPECT_EQ(GetPropValue(button, "Resource").ToString(), "Panel1ButtonStyle");
  TzrObject* moved = sheet->GetRoot()->FindResource("Panel1Style");
  ASSERT_NE(moved, nullptr);
  EXPECT_FALSE(moved->GetVisual()->GetLocked());
  ASSERT_NE(sheet->GetRoot()->FindResource("Panel1ButtonStyle"), nullptr);
  // The panel now shows the sheet's style: a change there reaches it.
  EXPECT_EQ(dynamic_cast<TzrControl*>(panel)->GetStyleName(), "Panel1Style");
  // The default names follow the classes; the sheet is kept.
  RightClick(150, 130, {"Edit Default Style..."});
  EXPECT_EQ(View->GetStyle(), sheet);
  EXPECT_EQ(Designer.EditedStyle, "PanelStyle");
  EXPECT_NE(sheet->GetRoot()->FindResource("PanelStyle"), nullptr);
  EXPECT_NE(sheet->GetRoot()->FindResource("ButtonStyle"), nullptr);
}

TEST_F(SceneDesignTest, CopyAndPasteAreRenamedByTheDesigner) {
  auto* panel = Box(10, 10, 200, 200);
  auto* n = new TzrRectangle(&Form);
  n->SetName("Shape");
  n->SetBounds(20, 30, 40, 50);
  n->SetParent(Top);
  new TzrRectangle(&Form);  // unnamed, owned only
  auto* inner = new TzrRectangle(&Form);
  inner->SetName("Inner");
  inner->SetBounds(1, 2, 3, 4);
  inner->SetParent(n);
  Press(30, 40);  // inner is too small to hit: n is selected
  ASSERT_EQ(View->GetSelected(), n);
  View->doDesignPopupCopy();
  EXPECT_NE(DesignClipboard.find("TzrRectangle"), std::string::npos);
  Release(30, 40);
  View->SetSelected(panel);
  View->doDesignPopupPaste();
  ASSERT_EQ(panel->GetChildrenCount(), 1);
  auto* copy = dynamic_cast<TzrRectangle*>(panel->GetChild(0));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(View->GetSelected(), copy);
  EXPECT_FLOAT_EQ(copy->GetWidth(), 40);
  ASSERT_EQ(copy->GetChildrenCount(), 1);
  EXPECT_EQ(copy->GetName().rfind("TzrRectangle", 0), 0u);
  EXPECT_NE(copy->GetChild(0)->GetName(), "Inner");
  EXPECT_NE(copy->GetName(), copy->GetChild(0)->GetName());
  zrReleaseDesignClipboard();
  View->doDesignPopupPaste();  // nothing to paste
  EXPECT_EQ(panel->GetChildrenCount(), 1);
}

TEST_F(SceneDesignTest, InsertPlacesTheNewNodeAtThePopupPoint) {
  auto* panel = Box(100, 50, 200, 200);
  View->SetSelected(panel);
  View->SetPopupPos({130, 90});
  View->InsertObject("TzrRectangle");
  ASSERT_EQ(panel->GetChildrenCount(), 1);
  auto* made = dynamic_cast<TzrVisualObject*>(panel->GetChild(0));
  ASSERT_NE(made, nullptr);
  EXPECT_FLOAT_EQ(made->GetPosition()->GetX(), 30);
  EXPECT_FLOAT_EQ(made->GetPosition()->GetY(), 40);
  EXPECT_EQ(View->GetSelected(), made);
  EXPECT_EQ(made->GetName(), "TzrRectangle1");
  EXPECT_EQ(View->GetPopupPos().X, -1);
  EXPECT_EQ(Designer.Modifications, 1);
  View->InsertObject("TNoSuchClass");
  EXPECT_EQ(View->GetInsertObject(), "");
  EXPECT_EQ(made->GetChildrenCount(), 0);
  // A text control shows its class name without the prefix.
  View->InsertObject("TzrButton");
  ASSERT_EQ(made->GetChildrenCount(), 1);
  EXPECT_EQ(Text(made->GetChild(0)), "Button");
}

// build/gallery/scene_design_overlay.png: a selected node with its
// right-bottom handle hot, lined up with a sibling (dashed guides), dragged
// over a drop container that shows its label.
TEST_F(SceneDesignTest, GalleryOfTheOverlay) {
  View->GetFill()->SetStyle(zrBrushSolid);
  View->GetFill()->SetSolidColor(0xFFF4F4F4);
  auto* guide = Box(40, 60, 80, 50);
  guide->GetFill()->SetSolidColor(0xFFB0C8E0);
  auto* container = Box(220, 60, 150, 160);
  container->GetFill()->SetSolidColor(0xFFE0E0C0);
  container->SetName("Panel1");
  auto* n = Box(40, 160, 60, 40);
  n->GetFill()->SetSolidColor(0xFFE0B0B0);
  Press(70, 180);
  DragTo(70, 181);  // lined up with the guide's left edge
  View->UpdateBuffer();
  TzrCanvas* c = View->GetCanvas();
  auto save = [&](const std::string& Name) {
    const auto folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
    std::filesystem::create_directories(folder);
    TzrBitmap bitmap(c->GetWidth(), c->GetHeight());
    std::memcpy(bitmap.GetStartLine(), c->GetBufferBits(),
                size_t(c->GetWidth()) * size_t(c->GetHeight()) * 4);
    TzrPngFilter png;
    png.SaveToFile((folder / (Name + ".png")).string(), bitmap, "");
  };
  save("scene_design_guides");
  EXPECT_FALSE(View->GetDesignGridLines().empty());
  DragTo(250, 100);  // over the container
  ASSERT_EQ(View->GetDesignPlaceObject(), container);
  Release(250, 100);
  const TzrPoint corner = n->LocalToAbsolute({n->GetWidth(), n->GetHeight()});
  View->MouseMove(0, int(corner.X), int(corner.Y));
  EXPECT_EQ(View->GetHotHandle(), dhRightBottom);
  Press(250, 100);
  DragTo(255, 105);
  View->UpdateBuffer();
  save("scene_design_overlay");
  const TzrColor* bits = c->GetBufferBits();
  // The label box above the container's top-left corner.
  EXPECT_EQ(bits[(60 - 10) * c->GetWidth() + 222] & 0xFFFFFF, 0x5B91DEu);
}

// Ctrl adds nodes to the multiple selection, which the designer gets with
// the selection; Ctrl on a member trades its place with the selection, and a
// plain press empties it. build/gallery/scene_design_multi.png shows it.
TEST_F(SceneDesignTest, CtrlBuildsTheMultipleSelection) {
  View->GetFill()->SetStyle(zrBrushSolid);
  View->GetFill()->SetSolidColor(0xFFF4F4F4);
  auto* a = Box(30, 40, 80, 50);
  auto* b = Box(150, 40, 80, 50);
  auto* c = Box(270, 40, 80, 50);
  auto* d = Box(150, 160, 120, 60);
  for (auto* n : {a, b, c, d}) n->GetFill()->SetSolidColor(0xFFB0C8E0);
  int changes = 0;
  View->SetDesignChangeSelection([&](TObject*) { ++changes; });
  std::vector<TzrObject*> told;
  struct TRecording : TTestDesigner {
    std::vector<TzrObject*>* Told;
    void SelectObject(TComponent* F, TzrObject* O, const std::vector<TzrObject*>& M) override {
      TTestDesigner::SelectObject(F, O, M);
      *Told = M;
    }
  } designer;
  designer.Told = &told;
  zrDesigner = &designer;
  Press(50, 60);
  Release(50, 60);
  EXPECT_EQ(changes, 1);
  Press(170, 60, ssLeft | ssCtrl);
  Release(170, 60);
  Press(290, 60, ssLeft | ssCtrl);
  Release(290, 60);
  EXPECT_EQ(View->GetSelected(), a);
  using V = std::vector<TzrVisualObject*>;
  EXPECT_EQ(View->GetSelection(), (V{b, c}));
  EXPECT_EQ(told, (std::vector<TzrObject*>{b, c}));
  EXPECT_EQ(designer.Selections.back(), a);
  EXPECT_FALSE(View->GetMoving());  // a Ctrl press does not drag
  Press(170, 60, ssLeft | ssCtrl);  // a member: it trades places with the selection
  Release(170, 60);
  EXPECT_EQ(View->GetSelected(), b);
  EXPECT_EQ(View->GetSelection(), (V{a, c}));
  View->UpdateBuffer();
  SaveCanvas(View->GetCanvas(), "scene_design_multi");
  const TzrColor* bits = View->GetCanvas()->GetBufferBits();
  const int w = View->GetCanvas()->GetWidth();
  // The dashed frames of the members: some of the top edge's pixels are blue.
  int blue = 0;
  for (int x = 272; x < 348; ++x) blue += (bits[40 * w + x] & 0xFFFFFF) == 0x1072C5;
  EXPECT_GT(blue, 10);
  delete c;  // a freed member leaves the selection
  EXPECT_EQ(View->GetSelection(), (V{a}));
  Press(170, 180);  // a plain press: only d
  Release(170, 180);
  EXPECT_EQ(View->GetSelected(), d);
  EXPECT_TRUE(View->GetSelection().empty());
  zrDesigner = &Designer;
}

// Moves go through the parent's frame, resizes through the selection's:
// in a scaled or turned parent, or on a scaled or turned selection, the
// node follows the pointer and the corner opposite the grabbed one stays.
TEST_F(SceneDesignTest, MovesAndResizesInScaledAndTurnedFrames) {
  View->SetSnapToLines(false);
  auto* frame = Box(100, 50, 200, 200);
  frame->GetScale()->SetPoint({2, 2});
  auto* n = Box(10, 10, 30, 20, frame);
  Press(130, 80);  // inside n: (120, 70) + (10, 10) * 2 away
  ASSERT_EQ(View->GetSelected(), n);
  DragTo(150, 100);
  Release(150, 100);
  EXPECT_FLOAT_EQ(n->GetPosition()->GetX(), 20);
  EXPECT_FLOAT_EQ(n->GetPosition()->GetY(), 20);
  frame->GetScale()->SetPoint({1, 1});
  frame->SetRotateAngle(90);  // turned about its centre
  const TzrPoint start = n->LocalToAbsolute({15, 10});
  Press(start.X, start.Y);
  DragTo(start.X + 10, start.Y);  // right on the screen is up in the frame
  Release(start.X + 10, start.Y);
  EXPECT_NEAR(n->GetPosition()->GetX(), 20, 0.01);
  EXPECT_NEAR(n->GetPosition()->GetY(), 10, 0.01);
  const struct { float Angle, Scale; } frames[] = {{0, 1}, {30, 1}, {0, 2}, {-45, 1.5f}};
  for (const auto& f : frames) {
    frame->SetRotateAngle(0);
    auto* s = Box(40, 40, 60, 40, frame);
    s->SetRotateAngle(f.Angle);
    s->GetScale()->SetPoint({f.Scale, f.Scale});
    View->SetSelected(s);
    for (TzrDesignHandle h : {dhRightBottom, dhLeftTop, dhRight, dhTop}) {
      const TzrRect r = zrDesignHandleRect(h, s->GetWidth(), s->GetHeight(), s->GetBoundsRect());
      const TzrPoint grab = s->LocalToAbsolute({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
      const TzrPoint fixed = h == dhLeftTop || h == dhTop
                                 ? s->LocalToAbsolute({s->GetWidth(), s->GetHeight()})
                                 : s->LocalToAbsolute({0, 0});
      const float w = s->GetWidth(), hh = s->GetHeight();
      // 12 pixels outward along the node's own axes.
      const TzrPoint out = s->LocalToAbsolute(
          {(r.Left + r.Right) / 2 + (h == dhLeftTop ? -12 : 12) / f.Scale,
           (r.Top + r.Bottom) / 2 + (h == dhLeftTop || h == dhTop ? -12 : 12) / f.Scale});
      Press(grab.X, grab.Y);
      ASSERT_EQ(View->GetDesignMode(), h) << f.Angle << " " << f.Scale;
      DragTo(out.X, out.Y);
      Release(out.X, out.Y);
      const TzrPoint kept = h == dhLeftTop || h == dhTop
                                ? s->LocalToAbsolute({s->GetWidth(), s->GetHeight()})
                                : s->LocalToAbsolute({0, 0});
      EXPECT_NEAR(kept.X, fixed.X, 0.05) << f.Angle << " " << f.Scale << " " << h;
      EXPECT_NEAR(kept.Y, fixed.Y, 0.05) << f.Angle << " " << f.Scale << " " << h;
      const bool wide = h != dhTop, tall = h != dhRight;
      EXPECT_NEAR(s->GetWidth(), w + (wide ? 12 / f.Scale : 0), 1) << f.Angle << " " << h;
      EXPECT_NEAR(s->GetHeight(), hh + (tall ? 12 / f.Scale : 0), 1) << f.Angle << " " << h;
    }
    delete s;
  }
}

class RunningSceneTest : public SceneDesignTest {
 protected:
  RunningSceneTest() : SceneDesignTest(false) {}
};

// A stream stored while designing with the grid shown loads with the grid
// hidden in a running program; the snap modes are kept.
TEST_F(RunningSceneTest, GridIsHiddenAfterLoadingOutsideDesignTime) {
  const std::string text =
      "object Form1: TForm\r\n"
      "  object Scene: TzoRurev\r\n"
      "    Width = 120\r\n    Height = 80\r\n"
      "    DesignSnapGridShow = True\r\n    DesignSnapToGrid = True\r\n"
      "    DesignSnapToLines = False\r\n"
      "  end\r\n"
      "end\r\n";
  TMemoryStream binary;
  {
    TResourceStream source(text.data(), text.size());
    ObjectTextToBinary(&source, &binary);
  }
  binary.SetPosition(0);
  TForm form(nullptr);
  EXPECT_TRUE(ReadFormStream(&form, &binary).empty());
  ASSERT_EQ(form.ControlCount(), 1);
  auto* scene = dynamic_cast<TzoRurev*>(form.Controls(0));
  ASSERT_NE(scene, nullptr);
  EXPECT_FALSE(scene->GetSnapGridShow());
  EXPECT_TRUE(scene->GetSnapToGrid());
  EXPECT_FALSE(scene->GetSnapToLines());
}

TEST_F(RunningSceneTest, RunningSceneSelectsAndFreesNothing) {
  auto* n = Box(50, 50, 100, 40);
  RightClick(60, 60);
  EXPECT_EQ(Menus, 0);
  EXPECT_EQ(View->GetDesignPopup(), nullptr);
  Press(60, 60);
  Release(60, 60);
  EXPECT_EQ(View->GetSelected(), nullptr);
  DeleteKey();
  EXPECT_EQ(Top->GetChildrenCount(), 1);
  EXPECT_EQ(n->GetParent(), Top);
  EXPECT_TRUE(Designer.Selections.empty());
}

}  // namespace
