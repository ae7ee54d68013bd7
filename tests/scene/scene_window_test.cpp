// The scene window in forms under a display: gathering of dirty rectangles,
// the paint pass and its background, fitting the root, the show timer, the
// style link, action updates, start-up registrations and the idle behaviour.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <cstring>
#include <filesystem>

#include "platform/rtl/Streams.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_ani.h"
#include "scene/zr_brush.h"
#include "scene/zr_classes.h"
#include "scene/zr_colors.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_forms.h"
#include "scene/zr_scene_unit.h"
#include "scene/zr_stream_text.h"
#include "tests/scene/png_filter.h"
#include "tests/scene/visual_scene.h"
#include "tests/support/DisplayLocks.h"
#include "tests/support/MainLoop.h"
#include "tests/support/RunCommand.h"
#include "tests/support/WindowSystem.h"

namespace {

bool SameRect(const TzrRect& A, const TzrRect& B) {
  return A.Left == B.Left && A.Top == B.Top && A.Right == B.Right && A.Bottom == B.Bottom;
}

TzrRect R(float L, float T, float Rt, float B) { return zrRect(L, T, Rt, B); }

// A node that counts how often the scene makes it re-apply styles.
class TStyledNode : public TzrVisualObject {
 public:
  using TzrVisualObject::TzrVisualObject;
  void UpdateResource() override {
    ++Updates;
    TzrVisualObject::UpdateResource();
  }
  int Updates = 0;
};

class TThrowingShape : public TTestShape {
 public:
  using TTestShape::TTestShape;
  void Paint() override { throw Exception("paint failed"); }
};

class SceneWindowTest : public VisualTest {
 public:
  static void SetUpTestSuite() {
    VisualTest::SetUpTestSuite();
    Application->Initialize();
    InitializeScene();
  }

 protected:
  // A form of W x H whose client area a scene fills, shown and painted once.
  TzoRurev* ShownScene(TForm& Form, int W, int H) {
    Form.SetClientSize(W, H);
    auto* scene = new TzoRurev(&Form);
    scene->SetAlign(alClient);
    scene->SetParent(&Form);
    Form.Show();
    EXPECT_TRUE(PumpUntil([&] { return scene->DrawCount() > 0 && scene->InvalidRects().empty(); }));
    Pump();
    return scene;
  }
  // The straight ARGB colour of a buffer pixel.
  static TzrColor Pixel(TzrCustomScene* Scene, int X, int Y) {
    TzrCanvas* c = Scene->GetCanvas();
    return zrUnpremultyAlpha(c->GetBufferBits()[X + Y * c->GetWidth()]);
  }
  // Writes the scene's buffer (with its alpha) as build/gallery/<Name>.png.
  static void SaveBuffer(TzrCustomScene* Scene, const std::string& Name) {
    TzrCanvas* c = Scene->GetCanvas();
    const std::filesystem::path folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
    std::filesystem::create_directories(folder);
    cairo_surface_t* s = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(c->GetBufferBits()), CAIRO_FORMAT_ARGB32, c->GetWidth(),
        c->GetHeight(), c->GetWidth() * 4);
    cairo_surface_write_to_png(s, (folder / (Name + ".png")).c_str());
    cairo_surface_destroy(s);
  }
  static uint32_t Raw(TzrCustomScene* Scene, int X, int Y) {
    TzrCanvas* c = Scene->GetCanvas();
    return c->GetBufferBits()[X + Y * c->GetWidth()];
  }
};

// ---------------------------------------------------------------- gathering

TEST_F(SceneWindowTest, AddUpdateRectWidensToWholePixelsAndDropsOnlyWhatMissesTheWindow) {
  TForm form(nullptr);
  TzoRurev* scene = ShownScene(form, 200, 100);
  ASSERT_EQ(scene->GetWidth(), 200);
  ASSERT_EQ(scene->GetHeight(), 100);
  struct Case {
    TzrRect In;
    bool Kept;
    TzrRect Out;
  } cases[] = {
      {R(10.6f, 3.2f, 20.1f, 8.9f), true, R(10, 3, 21, 9)},
      {R(0, 0, 0, 50), false, {}},                       // zero width
      {R(5, 7, 60, 7), false, {}},                       // zero height
      {R(200, 10, 260, 20), true, R(200, 10, 261, 21)},  // touches the right edge
      {R(201, 10, 260, 20), false, {}},
      {R(-50, -50, 30, 30), true, R(-50, -50, 31, 31)},  // not clipped
      {R(10, -40, 20, -1.5f), true, R(10, -40, 21, 0)},  // its bottom reaches row 0
      {R(10, -40, 20, -2.5f), false, {}},                // above the window
  };
  for (const Case& c : cases) {
    const size_t before = scene->InvalidRects().size();
    scene->AddUpdateRect(c.In);
    ASSERT_EQ(scene->InvalidRects().size(), before + (c.Kept ? 1 : 0)) << c.In.Left;
    if (c.Kept) {
      EXPECT_TRUE(SameRect(scene->InvalidRects().back(), c.Out)) << c.In.Left;
    }
  }
}

TEST_F(SceneWindowTest, NothingIsRecordedWhileUpdatesAreDisabledOrWithoutAWindow) {
  TForm form(nullptr);
  TzoRurev* scene = ShownScene(form, 200, 100);
  scene->SetDisableUpdate(true);
  scene->AddUpdateRect(R(1, 1, 50, 50));
  EXPECT_TRUE(scene->InvalidRects().empty());
  scene->SetDisableUpdate(false);
  EXPECT_TRUE(scene->InvalidRects().empty());  // no repaint by itself
  const int draws = scene->DrawCount();
  Pump();
  EXPECT_EQ(scene->DrawCount(), draws);

  TzoRurev loose(nullptr);  // no form, no window, not off-screen
  loose.AddUpdateRect(R(1, 1, 50, 50));
  EXPECT_TRUE(loose.InvalidRects().empty());
  EXPECT_FALSE(loose.IdlePending());
}

TEST_F(SceneWindowTest, TwentyRectanglesArePaintedOneByOneAndTwentyOneAsTheirUnion) {
  for (int n : {20, 21}) {
    TzoRurev scene(nullptr);
    int flushes = 0;
    scene.CreateEmbedded(400, 100, [&](TObject*) { ++flushes; });
    Pump();
    ASSERT_EQ(flushes, 1);
    for (int i = 0; i < n; ++i) scene.AddUpdateRect(R(float(i * 15), 10, float(i * 15 + 5), 20));
    Pump();
    EXPECT_EQ(flushes, 2) << n;  // one pass for all of them
    if (n == 20) {
      EXPECT_EQ(scene.LastPaintedRects().size(), 20u);
    } else {
      ASSERT_EQ(scene.LastPaintedRects().size(), 1u);
      EXPECT_TRUE(SameRect(scene.LastPaintedRects()[0], R(0, 10, 306, 21)));
    }
  }
}

// ---------------------------------------------------------------- paint pass

TEST_F(SceneWindowTest, BackgroundFollowsFillAndTransparency) {
  struct Case {
    const char* Name;
    bool OnForm, Transparent;
    TzrBrushStyle Style;
    TzrColor Color;
    uint32_t Expected;  // raw premultiplied buffer word
  } cases[] = {
      // The fill's colour with its alpha byte forced to 0.
      {"opaque, no fill", false, false, zrBrushNone, 0xFF336699, 0x00336699},
      {"opaque, solid with alpha 0", false, false, zrBrushSolid, 0x00336699, 0x00336699},
      {"opaque, solid", false, false, zrBrushSolid, 0xFF20A040, 0xFF20A040},
      {"transparent in a control", false, true, zrBrushNone, 0xFF336699, 0x00000000},
      {"transparent on a form", true, true, zrBrushNone, 0xFF336699, 0x00000000},
  };
  for (const Case& c : cases) {
    TForm form(nullptr);
    int flushes = 0;
    auto* scene = new TzoRurev(&form);
    TzrBrush fill(c.Style, c.Color);
    fill.SetStyle(c.Style);
    fill.SetSolidColor(c.Color);
    scene->SetFill(&fill);
    scene->SetTransparency(c.Transparent);
    if (c.OnForm) {
      form.SetClientSize(60, 40);
      scene->SetAlign(alClient);
      scene->SetParent(&form);
      form.Show();
      ASSERT_TRUE(PumpUntil([&] { return scene->DrawCount() > 0; })) << c.Name;
    } else {
      scene->CreateEmbedded(60, 40, [&](TObject*) { ++flushes; });
      Pump();
      ASSERT_EQ(flushes, 1) << c.Name;
    }
    // Dirty buffer first, so that the clear is seen.
    EXPECT_EQ(Raw(scene, 0, 0), c.Expected) << c.Name;
    EXPECT_EQ(Raw(scene, 59, 39), c.Expected) << c.Name;
  }
}

TEST_F(SceneWindowTest, NodesArePaintedOverTheBackgroundOnlyWhereDirty) {
  TzoRurev scene(nullptr);
  auto* root = new TzrVisualObject(&scene);
  scene.AddObject(root);
  auto* shape = new TTestShape(&scene);
  shape->GetFill()->SetSolidColor(0xFF0000FF);
  shape->SetBounds(10, 10, 20, 20);
  shape->SetParent(root);
  scene.CreateEmbedded(100, 50, [](TObject*) {});
  Pump();
  EXPECT_EQ(Pixel(&scene, 15, 15), 0xFF0000FFu);
  EXPECT_EQ(shape->Paints, 1);
  // A change elsewhere does not repaint the shape.
  scene.AddUpdateRect(R(60, 10, 80, 20));
  Pump();
  EXPECT_EQ(shape->Paints, 1);
  shape->GetFill()->SetSolidColor(0xFFFF0000);
  shape->Repaint();
  Pump();
  EXPECT_EQ(shape->Paints, 2);
  EXPECT_EQ(Pixel(&scene, 15, 15), 0xFFFF0000u);
}

TEST_F(SceneWindowTest, RepaintAskedForDuringAPassIsPaintedInTheNextFrame) {
  for (bool onScreen : {false, true}) {
    TForm form(nullptr);
    TzoRurev* scene = nullptr;
    if (onScreen) {
      scene = ShownScene(form, 100, 50);
    } else {
      scene = new TzoRurev(&form);
      scene->CreateEmbedded(100, 50, [](TObject*) {});
      Pump();
    }
    auto* root = new TzrVisualObject(&form);
    scene->AddObject(root);
    Pump();
    ASSERT_TRUE(PumpUntil([&] { return scene->InvalidRects().empty() && !scene->IdlePending(); }));
    bool asked = false;
    root->OnPaint = [&](TObject*, TzrCanvas*, const TzrRect&) {
      if (asked) return;
      asked = true;
      scene->AddUpdateRect(R(70, 30, 79, 39));  // painted by this node's own painting
    };
    const int draws = scene->DrawCount();
    scene->AddUpdateRect(R(0, 0, 10, 10));
    ASSERT_TRUE(PumpUntil([&] { return scene->DrawCount() >= draws + 2; })) << onScreen;
    ASSERT_FALSE(scene->LastPaintedRects().empty());
    bool covered = false;
    for (const TzrRect& r : scene->LastPaintedRects())
      covered |= r.Left <= 70 && r.Top <= 30 && r.Right >= 80 && r.Bottom >= 40;
    EXPECT_TRUE(covered) << onScreen;
  }
}

// GTK may draw the window while a pass runs (a nested main loop in a
// node's painting): that expose is not lost but painted after the pass.
TEST_F(SceneWindowTest, AnExposeArrivingDuringAPassIsPaintedAfterIt) {
  TForm form(nullptr);
  TzoRurev* scene = ShownScene(form, 100, 50);
  auto* root = new TzrVisualObject(&form);
  scene->AddObject(root);
  ASSERT_TRUE(PumpUntil([&] { return scene->InvalidRects().empty() && !scene->IdlePending(); }));
  bool exposed = false;
  root->OnPaint = [&](TObject*, TzrCanvas*, const TzrRect&) {
    if (exposed) return;
    exposed = true;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 100, 50);
    cairo_t* cr = cairo_create(surface);
    cairo_rectangle(cr, 60, 20, 10, 10);
    cairo_clip(cr);
    gtk_widget_draw(scene->Handle(), cr);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  };
  const int draws = scene->DrawCount();
  scene->AddUpdateRect(R(0, 0, 10, 10));
  ASSERT_TRUE(PumpUntil([&] { return scene->DrawCount() >= draws + 2; }));
  ASSERT_TRUE(exposed);
  bool covered = false;
  for (const TzrRect& r : scene->LastPaintedRects())
    covered |= r.Left <= 60 && r.Top <= 20 && r.Right >= 70 && r.Bottom >= 30;
  EXPECT_TRUE(covered);
}

TEST_F(SceneWindowTest, AFailingPassClearsItsRectanglesAndTheNextPassRuns) {
  TzoRurev scene(nullptr);
  scene.CreateEmbedded(50, 50, [](TObject*) {});
  Pump();
  auto* bad = new TThrowingShape(&scene);
  scene.AddObject(bad);
  bad->SetBounds(0, 0, 10, 10);
  EXPECT_THROW(scene.UpdateBuffer(), Exception);
  EXPECT_EQ(scene.GetUpdateRectsCount(), 0);
  bad->SetVisible(false);
  const int draws = scene.DrawCount();
  scene.UpdateBuffer();
  EXPECT_EQ(scene.DrawCount(), draws + 1);
  Pump();
}

// ---------------------------------------------------------------- root, style, life

TEST_F(SceneWindowTest, RootIsFittedAndTurnedOnItsSideAtNinetyDegrees) {
  struct Case {
    float Angle;
    TzrRect Bounds;  // X, Y, width, height
  } cases[] = {{90, R(50, -50, 200, 300)}, {-90, R(50, -50, 200, 300)}, {45, R(0, 0, 300, 200)}};
  for (const Case& c : cases) {
    TzoRurev scene(nullptr);
    scene.CreateEmbedded(300, 200, [](TObject*) {});
    auto* root = new TzrVisualObject(&scene);
    root->SetRotateAngle(c.Angle);
    scene.AddObject(root);
    EXPECT_FLOAT_EQ(root->GetPosition()->GetX(), c.Bounds.Left) << c.Angle;
    EXPECT_FLOAT_EQ(root->GetPosition()->GetY(), c.Bounds.Top) << c.Angle;
    EXPECT_FLOAT_EQ(root->GetWidth(), c.Bounds.Right) << c.Angle;
    EXPECT_FLOAT_EQ(root->GetHeight(), c.Bounds.Bottom) << c.Angle;
    Pump();
  }
}

TEST_F(SceneWindowTest, StyleLinkReappliesStylesAndFollowsTheSheet) {
  TzoRurev scene(nullptr);
  auto* root = new TStyledNode(&scene);
  scene.AddObject(root);
  auto* a = new TzrResources(nullptr);
  auto* b = new TzrResources(nullptr);
  scene.SetStyle(a);
  EXPECT_EQ(root->Updates, 1);
  scene.SetStyle(a);
  EXPECT_EQ(root->Updates, 1);
  scene.SetStyle(b);
  EXPECT_EQ(root->Updates, 2);
  a->UpdateScenes();  // the old sheet no longer tells this scene
  EXPECT_EQ(root->Updates, 2);
  b->UpdateScenes();
  EXPECT_EQ(root->Updates, 3);
  EXPECT_EQ(scene.GetStyleComponent(), b);
  delete b;  // the sheet goes: the scene lets go of it
  EXPECT_EQ(scene.GetStyle(), nullptr);
  EXPECT_EQ(root->Updates, 4);
  delete a;
}

TEST_F(SceneWindowTest, TheLastSceneToGoFreesTheAnimationTimer) {
  ASSERT_EQ(zoRurevCount, 0);
  auto* first = new TzoRurev(nullptr);
  auto* second = new TzoRurev(nullptr);
  aniThread = new TzrAniThread();
  delete first;
  EXPECT_NE(aniThread, nullptr);
  delete second;
  EXPECT_EQ(aniThread, nullptr);
  EXPECT_EQ(zoRurevCount, 0);
}

// ---------------------------------------------------------------- forms

TEST_F(SceneWindowTest, FormStreamPlacesTheSceneAndTheShowTimerPaintsItInFull) {
  const std::string text =
      "object Form1: TForm\r\n"
      "  Caption = 'scene'\r\n  ClientWidth = 120\r\n  ClientHeight = 80\r\n"
      "  object Scene: TzoRurev\r\n"
      "    Left = 0\r\n    Top = 0\r\n    Width = 120\r\n    Height = 80\r\n"
      "    Align = alClient\r\n    Cursor = crHandPoint\r\n    Hint = 'tip'\r\n    Tag = 7\r\n"
      "    DesignSnapGridShow = False\r\n    DesignSnapToGrid = True\r\n"
      "    DesignSnapToLines = True\r\n"
      "    object Root: TzrVisualObject\r\n"
      "      object Box: TzrRectangle\r\n"
      "        Position.Point = '(10,10)'\r\n        Width = 30.000000000000000000\r\n"
      "        Height = 20.000000000000000000\r\n"
      "      end\r\n"
      "    end\r\n"
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
  EXPECT_EQ(form.GetCaption(), "scene");
  EXPECT_EQ(scene->GetAlign(), alClient);
  EXPECT_EQ(scene->GetTag(), 7);
  EXPECT_EQ(scene->GetLoadCursor(), crHandPoint);
  EXPECT_EQ(scene->GetHint(), "tip");
  ASSERT_EQ(scene->GetCount(), 1);
  EXPECT_EQ(scene->GetRoot()->GetName(), "Root");
  EXPECT_EQ(scene->GetRoot()->GetChildrenCount(), 1);
  EXPECT_TRUE(scene->ShowTimerPending());
  form.Show();
  ASSERT_TRUE(PumpUntil([&] { return !scene->ShowTimerPending() && scene->DrawCount() > 0; }));
  ASSERT_TRUE(PumpUntil([&] { return scene->InvalidRects().empty(); }));
  EXPECT_TRUE(scene->LastPaintedRects().size() == 1 &&
              SameRect(scene->LastPaintedRects()[0], R(0, 0, 120, 80)));
  EXPECT_EQ(Pixel(scene, 20, 15), 0xFFE0E0E0u);  // the shape's default fill

  // The scene writes its stored root as its child again.
  std::vector<TComponent*> children;
  scene->GetChildren([&](TComponent* c) { children.push_back(c); }, &form);
  EXPECT_EQ(children, std::vector<TComponent*>{scene->GetRoot()});
}

TEST_F(SceneWindowTest, AFormNamingEveryRegisteredClassLoadsCleanly) {
  std::string text =
      "object Form1: TForm\r\n  object Scene: TzoRurev\r\n"
      "    object Root: TzrContent\r\n";
  int n = 0;
  for (const auto& [category, cls] : ObjectList())
    text += "      object Node" + std::to_string(++n) + ": " + cls->Name() + "\r\n      end\r\n";
  text += "    end\r\n  end\r\nend\r\n";
  ASSERT_GT(n, 3);
  TMemoryStream binary;
  {
    TResourceStream source(text.data(), text.size());
    ObjectTextToBinary(&source, &binary);
  }
  binary.SetPosition(0);
  TForm form(nullptr);
  const std::vector<std::string> errors = ReadFormStream(&form, &binary);
  EXPECT_TRUE(errors.empty()) << errors.front();
  ASSERT_EQ(form.ControlCount(), 1);
  auto* scene = static_cast<TzoRurev*>(form.Controls(0));
  EXPECT_EQ(scene->GetRoot()->GetChildrenCount(), n);
}

TEST_F(SceneWindowTest, StartUpRegistersTheStreamedClassesAndFillsTheButtonCaptions) {
  for (const char* name : {"TzoRurev", "TzrCustomScene", "TzrBrush", "TzrGradientPoint",
                           "TzrWideStringList", "TzrObject", "TzrContent", "TzrBitmap"})
    EXPECT_NE(GetClass(name), nullptr) << name;
  bool resources = false;
  for (const auto& [category, cls] : ObjectList())
    resources |= category == "Resources" && std::string(cls->Name()) == "TzrBrushObject";
  EXPECT_TRUE(resources);
  EXPECT_EQ(ButtonCaptions[0], u"Yes");
  EXPECT_EQ(ButtonCaptions[8], u"NoToAll");
  EXPECT_EQ(ButtonCaptions[10], u"Help");
}

// ---------------------------------------------------------------- idle

TEST_F(SceneWindowTest, AStaticSceneArmsNothingAndPaintsNothingWhileIdle) {
  TForm form(nullptr);
  TzoRurev* scene = ShownScene(form, 200, 100);
  auto* root = new TzrVisualObject(&form);
  scene->AddObject(root);
  ASSERT_TRUE(PumpUntil([&] { return scene->InvalidRects().empty() && !scene->IdlePending(); }));
  ASSERT_TRUE(Settle());
  const int draws = scene->DrawCount();
  const int actions = scene->ActionRuns();
  int dispatched = 0;
  for (int i = 0; i < 1000; ++i) dispatched += g_main_context_iteration(nullptr, FALSE) ? 1 : 0;
  // Other programs on the same display can still send window-system events
  // (focus changes), so the turns are not required to dispatch nothing: the
  // scene arms no source of its own, paints nothing, and updates its actions
  // only after such events.
  EXPECT_EQ(scene->DrawCount(), draws);
  EXPECT_LE(scene->ActionRuns() - actions, dispatched);
  EXPECT_FALSE(scene->IdlePending());
  EXPECT_FALSE(scene->ShowTimerPending());
  EXPECT_TRUE(aniThread == nullptr || !aniThread->Running());
}

TEST_F(SceneWindowTest, ActionsAreUpdatedOnceWhenTheLoopTurnsIdleAfterEvents) {
  TForm form(nullptr);
  TzoRurev* scene = ShownScene(form, 100, 50);
  Pump();
  const int before = scene->ActionRuns();
  GdkEvent* event = gdk_event_new(GDK_FOCUS_CHANGE);
  event->focus_change.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(form.Handle())));
  event->focus_change.in = TRUE;
  gtk_widget_event(form.Handle(), event);
  gtk_widget_event(form.Handle(), event);
  gdk_event_free(event);
  Pump();
  EXPECT_EQ(scene->ActionRuns(), before + 1);
  Pump();
  EXPECT_EQ(scene->ActionRuns(), before + 1);
}

// ---------------------------------------------------------------- transparency

// Renders the form's window as GTK composes it.
cairo_surface_t* Snapshot(TForm& Form) {
  GtkWidget* window = Form.Handle();
  const int w = gtk_widget_get_allocated_width(window), h = gtk_widget_get_allocated_height(window);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(surface);
  gtk_widget_draw(window, cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  return surface;
}

uint32_t SurfacePixel(cairo_surface_t* S, int X, int Y) {
  const unsigned char* row =
      cairo_image_surface_get_data(S) + Y * cairo_image_surface_get_stride(S);
  uint32_t v;
  std::memcpy(&v, row + X * 4, 4);
  return v;
}

TEST_F(SceneWindowTest, TransparentSceneInAControlShowsWhatLiesBeneath) {
  TForm form(nullptr);
  TzoRurev* back = ShownScene(form, 160, 100);
  TzrBrush red(zrBrushSolid, 0xFFC02020);
  back->SetFill(&red);
  auto* front = new TzoRurev(&form);
  front->SetTransparency(true);
  front->SetBounds(40, 20, 80, 60);
  front->SetParent(back);
  auto* root = new TzrVisualObject(&form);
  front->AddObject(root);
  auto* dot = new TTestShape(&form);
  dot->GetFill()->SetSolidColor(0xFF2040E0);
  dot->SetBounds(30, 20, 20, 20);
  dot->SetParent(root);
  ASSERT_TRUE(PumpUntil([&] {
    return front->DrawCount() > 0 && front->InvalidRects().empty() && back->InvalidRects().empty();
  }));
  Pump();
  cairo_surface_t* shot = Snapshot(form);
  const std::filesystem::path folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  cairo_surface_write_to_png(shot, (folder / "scene_transparent_in_control.png").c_str());
  EXPECT_EQ(SurfacePixel(shot, 45, 25) & 0xFFFFFF, 0xC02020u);  // the scene beneath
  EXPECT_EQ(SurfacePixel(shot, 80, 50) & 0xFFFFFF, 0x2040E0u);  // the front scene's node
  EXPECT_EQ(SurfacePixel(shot, 5, 5) & 0xFFFFFF, 0xC02020u);
  cairo_surface_destroy(shot);
}

// A node that counts the presses it is given.
class TPressedNode : public TzrVisualObject {
 public:
  using TzrVisualObject::TzrVisualObject;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override {
    ++Presses;
    TzrVisualObject::MouseDown(Button, Shift, X, Y);
  }
  int Presses = 0;
};

// A transparent scene inside another control gets the pointer as any scene
// does: a click on its node, sent to the form's window as the display
// sends it, reaches that node and not the scene beneath.
TEST_F(SceneWindowTest, TransparentSceneInAControlTakesClicks) {
  TPointerLock pointer;
  TForm form(nullptr);
  TzoRurev* back = ShownScene(form, 160, 100);
  auto* backRoot = new TPressedNode(&form);
  back->AddObject(backRoot);
  auto* front = new TzoRurev(&form);
  front->SetTransparency(true);
  front->SetBounds(40, 20, 80, 60);
  front->SetParent(back);
  auto* root = new TzrVisualObject(&form);
  front->AddObject(root);
  auto* dot = new TPressedNode(&form);
  dot->SetBounds(30, 20, 20, 20);
  dot->SetParent(root);
  ASSERT_TRUE(PumpUntil([&] { return front->DrawCount() > 0 && front->InvalidRects().empty(); }));
  Pump();
  GtkWidget* top = gtk_widget_get_toplevel(front->Handle());
  // The real click must land on this window, not on a window another test
  // process opens over it; a window manager may still be placing it.
  gtk_window_set_keep_above(GTK_WINDOW(top), TRUE);
  SettleWindow(top);
  int x = 0, y = 0, ox = 0, oy = 0;
  ASSERT_TRUE(gtk_widget_translate_coordinates(front->Handle(), top, 40, 30, &x, &y));
  gdk_window_get_origin(gtk_widget_get_window(top), &ox, &oy);
  // A real click of the display's pointer at that place.
  const TRun click = RunCommand("xdotool mousemove " + std::to_string(ox + x) + " " +
                                std::to_string(oy + y) + " click 1");
  ASSERT_EQ(click.Status, 0) << click.Output;
  PumpUntil([&] { return dot->Presses + backRoot->Presses > 0; });
  Pump();
  EXPECT_EQ(dot->Presses, 1);
  EXPECT_EQ(backRoot->Presses, 0);
}

TEST_F(SceneWindowTest, TransparentSceneOnAFormClearsToTransparentAndShowsItsWholeBuffer) {
  TForm form(nullptr);
  form.SetClientSize(120, 80);
  auto* scene = new TzoRurev(&form);
  scene->SetTransparency(true);
  scene->SetAlign(alClient);
  scene->SetParent(&form);
  auto* root = new TzrVisualObject(&form);
  scene->AddObject(root);
  auto* disc = new TTestShape(&form);
  disc->GetFill()->SetSolidColor(0xC02080F0);
  disc->SetBounds(20, 20, 80, 40);
  disc->SetParent(root);
  form.Show();
  ASSERT_TRUE(PumpUntil([&] { return scene->DrawCount() > 0 && !scene->IdlePending(); }));
  Pump();
  EXPECT_EQ(Raw(scene, 5, 5), 0u);
  EXPECT_EQ(Raw(scene, 50, 40) >> 24, 0xC0u);  // the node keeps its own alpha
  EXPECT_NEAR(double(Raw(scene, 50, 40) & 0xFF), double(zrPremultyAlpha(0xC02080F0u) & 0xFF), 1);
  EXPECT_TRUE(scene->InvalidRects().empty());  // never invalidated rectangle by rectangle
  SaveBuffer(scene, "scene_transparent_on_form");
}

}  // namespace
