// Style look-up and application of controls, style sheets, the background
// control and the default sheet.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "controls/zr_controls_register.h"
#include "controls/zr_effects.h"
#include "controls/zr_objects.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_classes.h"
#include "scene/zr_control.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene_unit.h"
#include "scene/zr_stream.h"
#include "visual_scene.h"

namespace {

// A control class of its own: its style is "TestButtonstyle", its parent's
// "Controlstyle".
class TzrTestButton : public TzrControl {
 public:
  using TzrControl::TzrControl;
  static const TClassInfo* Class() {
    static const TClassInfo* info =
        TClassDecl<TzrTestButton>("TzrTestButton", TzrControl::Class());
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
};

// A control class that no sheet names: it takes its parent class's style.
class TzrTestLamp : public TzrControl {
 public:
  using TzrControl::TzrControl;
  static const TClassInfo* Class() {
    static const TClassInfo* info = TClassDecl<TzrTestLamp>("TzrTestLamp", TzrControl::Class());
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
};

std::string Rect(const std::string& Name, const std::string& Color, const std::string& Inner = "") {
  return "  object TzrRectangle\r\n    ResourceName = '" + Name + "'\r\n    Fill.Color = '" + Color +
         "'\r\n" + Inner + "  end\r\n";
}

// Scene sheet: "shared", "backgroundstyle", "controlstyle", two "dup", a
// non-visual "glowstyle", a style holding a control asking for it again
// (by a case variant of its name) and one holding a control of the class it
// styles.
const std::string SceneSheet =
    "object TzrBackground\r\n" + Rect("shared", "#FF0000C0") +
    Rect("backgroundstyle", "#FFC00000") + Rect("controlstyle", "#FF00C000") +
    Rect("dup", "#FF101010") + Rect("dup", "#FF202020") +
    "  object TTestGlow\r\n    ResourceName = 'glowstyle'\r\n  end\r\n" +
    Rect("loopstyle", "#FF303030",
         "    object TzrControl\r\n      Resource = 'LoopStyle'\r\n    end\r\n") +
    Rect("testbuttonstyle", "#FF404040", "    object TzrTestButton\r\n    end\r\n") + "end\r\n";

// Default sheet: "shared", "controlstyle", "defonly", a visual "glowstyle".
const std::string DefaultSheet = "object TzrBackground\r\n" + Rect("shared", "#FFA0A0A0") +
                                 Rect("controlstyle", "#FFB0B0B0") +
                                 Rect("defonly", "#FFC0C0C0") + Rect("glowstyle", "#FFD0D0D0") +
                                 "end\r\n";

TzrObject* Parse(const std::string& Text) {
  TMemoryStream s;
  s.WriteBuffer(Text.data(), int32_t(Text.size()));
  s.SetPosition(0);
  return CreateObjectFromStream(nullptr, &s);
}

TzrColor StyleColor(TzrControl* C) {
  auto* shape = dynamic_cast<TzrShape*>(C->GetResourceLink());
  return shape ? shape->GetFill()->GetSolidColor() : 0;
}

class ControlStyleTest : public VisualTest {
 protected:
  static void SetUpTestSuite() {
    VisualTest::SetUpTestSuite();
    RegisterClass(TzrTestButton::Class());
    RegisterClass(TzrTestLamp::Class());
  }
  ControlStyleTest() {
    FreeDefaultStyles();
    Default.reset(Parse(DefaultSheet));
    DefaultStyles = Default.get();
    Sheet.GetResource()->SetText(SceneSheet);
    Scene.SetStyle(&Sheet);
  }
  ~ControlStyleTest() override {
    Scene.SetStyle(nullptr);
    DefaultStyles = nullptr;
    FreeDefaultStyles();
  }
  template <class C>
  C* Make(const std::string& Resource = "") {
    auto* c = new C(&Owner);
    c->SetBounds(10, 10, 60, 40);
    Root->AddObject(c);
    c->SetResource(Resource);
    return c;
  }
  std::unique_ptr<TzrObject> Default;
  TzrResources Sheet{nullptr};
};

TEST_F(ControlStyleTest, LookUpOrder) {
  ASSERT_NE(Sheet.GetRoot(), nullptr);
  struct Case {
    const char* What;
    std::string Class;
    std::string Resource;
    TzrColor Color;
    std::string CloneName;
  };
  const Case cases[] = {
      {"scene sheet before default", "TzrControl", "shared", 0xFF0000C0, ""},
      {"default only", "TzrControl", "defonly", 0xFFC0C0C0, ""},
      {"class-derived name, scene sheet", "TzrControl", "", 0xFF00C000, "controlstyle"},
      {"unknown Resource falls back", "TzrBackground", "nosuch", 0xFFC00000, "backgroundstyle"},
      {"parent class only in the default sheet", "TzrTestLamp", "", 0xFFB0B0B0,
       "controlstyle"},
      {"non-visual hit passed over", "TzrControl", "glowstyle", 0xFF00C000, "controlstyle"},
      {"first of two same-named roots", "TzrControl", "dup", 0xFF101010, ""},
  };
  for (const Case& c : cases) {
    auto* control = dynamic_cast<TzrControl*>(GetClass(c.Class)->Create(&Owner));
    Root->AddObject(control);
    control->SetResource(c.Resource);
    EXPECT_EQ(StyleColor(control), c.Color) << c.What;
    ASSERT_NE(control->GetResourceLink(), nullptr) << c.What;
    EXPECT_EQ(control->GetResourceLink()->GetResourceName(), c.CloneName) << c.What;
    // The clone is child 0, fills the control, is locked and not stored.
    auto* v = control->GetResourceLink()->GetVisual();
    EXPECT_EQ(control->GetChild(0), control->GetResourceLink()) << c.What;
    EXPECT_EQ(v->GetAlign(), vaContents) << c.What;
    EXPECT_TRUE(v->GetLocked()) << c.What;
    EXPECT_FALSE(v->GetStored()) << c.What;
    delete control;
  }
}

TEST_F(ControlStyleTest, NoStyleFoundOrOwnName) {
  Scene.SetStyle(nullptr);
  DefaultStyles = nullptr;
  auto* bare = Make<TzrTestButton>("nosuch");
  Scene.DrawAll();
  EXPECT_EQ(bare->GetResourceLink(), nullptr);
  EXPECT_FALSE(bare->GetNeedResource());

  Scene.SetStyle(&Sheet);
  auto* own = new TzrControl(&Owner);
  own->SetResourceName("shared");
  Root->AddObject(own);
  own->SetResource("shared");
  EXPECT_EQ(own->GetResourceLink(), nullptr);
}

TEST_F(ControlStyleTest, StyleHoldingItsOwnControlEnds) {
  auto* loop = Make<TzrControl>("loopstyle");
  auto* button = Make<TzrTestButton>();
  for (int i = 0; i < 3; ++i) Scene.DrawAll();
  ASSERT_NE(loop->GetResourceLink(), nullptr);
  ASSERT_NE(button->GetResourceLink(), nullptr);
  EXPECT_EQ(button->GetStyleName(), "testbuttonstyle");
  // The inner controls were painted and asked, but not for their ancestors' styles.
  auto* innerLoop = dynamic_cast<TzrControl*>(loop->GetResourceLink()->GetChild(0));
  auto* innerButton = dynamic_cast<TzrControl*>(button->GetResourceLink()->GetChild(0));
  ASSERT_NE(innerLoop, nullptr);
  ASSERT_NE(innerButton, nullptr);
  // The inner loop control falls back to its class style.
  EXPECT_FALSE(innerLoop->GetNeedResource());
  EXPECT_EQ(innerLoop->GetStyleName(), "controlstyle");
  EXPECT_EQ(innerLoop->GetResourceLink()->GetChildrenCount(), 0);
  EXPECT_FALSE(innerButton->GetNeedResource());
  // The button's class style is taken; its parent's style is free for it.
  EXPECT_NE(innerButton->GetResourceLink(), nullptr);
  EXPECT_EQ(innerButton->GetStyleName(), "controlstyle");
}

TEST_F(ControlStyleTest, AppliedLazily) {
  auto* c = new TzrControl(&Owner);
  c->SetBounds(0, 0, 40, 40);
  Root->AddObject(c);
  EXPECT_EQ(c->GetResourceLink(), nullptr);
  Scene.DrawAll();
  EXPECT_EQ(StyleColor(c), 0xFF00C000u);  // first paint

  auto* focus = new TzrControl(&Owner);
  focus->SetCanFocused(true);
  Root->AddObject(focus);
  Scene.SetFocused(focus);
  EXPECT_NE(focus->GetResourceLink(), nullptr);

  auto* loading = new TzrControl(&Owner);
  Root->AddObject(loading);
  loading->SetComponentState(csLoading);
  loading->SetResource("shared");
  EXPECT_EQ(loading->GetResourceLink(), nullptr);
  loading->Loaded();
  EXPECT_EQ(loading->GetResourceLink(), nullptr);
  EXPECT_TRUE(loading->GetNeedResource());
  Scene.DrawAll();
  EXPECT_EQ(StyleColor(loading), 0xFF0000C0u);

  // A new Resource outside loading replaces the clone at once.
  TzrObject* old = loading->GetResourceLink();
  int applied = 0;
  loading->OnApplyResource = [&](TObject*) { ++applied; };
  loading->SetResource("defonly");
  EXPECT_NE(loading->GetResourceLink(), old);
  EXPECT_EQ(StyleColor(loading), 0xFFC0C0C0u);
  EXPECT_EQ(applied, 1);
  EXPECT_EQ(loading->GetChildrenCount(), 1);
}

TEST_F(ControlStyleTest, FindResourceSearchesTheClone) {
  auto* c = Make<TzrControl>("testbuttonstyle");
  auto* own = Shape("own", 0xFF000000, 0, 0, 5, 5, c);
  own->SetResourceName("text");
  EXPECT_EQ(c->FindResource("text"), own);
  auto* inner = c->FindResource("testbuttonstyle");
  EXPECT_EQ(inner, nullptr);  // step 2 clears the clone's name
  c->SetResource("");
  EXPECT_EQ(c->FindResource("controlstyle"), c->GetResourceLink());
}

TEST_F(ControlStyleTest, SheetChangesReapplyInEveryScene) {
  TTestRurev other(100, 100);
  TzrVisualObject* otherRoot = new TzrVisualObject(&Owner);
  other.AddObject(otherRoot);
  other.SetStyle(&Sheet);
  auto* a = Make<TzrControl>("shared");
  auto* b = new TzrControl(&Owner);
  otherRoot->AddObject(b);
  b->SetResource("shared");
  ASSERT_EQ(StyleColor(b), 0xFF0000C0u);

  std::string text = SceneSheet;
  text.replace(text.find("#FF0000C0"), 9, "#FF00FFFF");
  Sheet.GetResource()->SetText(text);
  EXPECT_EQ(StyleColor(a), 0xFF00FFFFu);
  EXPECT_EQ(StyleColor(b), 0xFF00FFFFu);

  // Text that is no object stream leaves no root; the scenes are still told.
  const int told = other.StyleUpdates;
  Sheet.GetResource()->SetText("object TzrBackground\r\n  Width = ");
  EXPECT_EQ(Sheet.GetRoot(), nullptr);
  EXPECT_EQ(other.StyleUpdates, told + 1);
  EXPECT_EQ(StyleColor(a), 0xFFA0A0A0u);  // now the default sheet's
  other.SetStyle(nullptr);
  delete otherRoot;
}

TEST_F(ControlStyleTest, FileBesideTheProgramWinsOverTheBinarySheet) {
  namespace fs = std::filesystem;
  const fs::path beside = fs::path(ExtractProgramFolder()) / "style_test_vista.zrstyle";
  std::string text = SceneSheet;
  text.replace(text.find("#FF0000C0"), 9, "#FFFF00FF");
  std::ofstream(beside, std::ios::binary) << text;

  // The binary sheet a form would carry.
  TMemoryStream binary;
  Sheet.WriteResources(&binary);
  TzrResources main(nullptr);
  binary.SetPosition(0);
  main.ReadResources(&binary);
  ASSERT_NE(main.GetRoot(), nullptr);

  main.SetFileName("no_such_folder\\missing.zrstyle");
  EXPECT_NE(main.GetRoot(), nullptr);  // nothing there: the binary sheet stays
  main.SetFileName(".\\style_test_vista.zrstyle");
  fs::remove(beside);
  Scene.SetStyle(&main);
  auto* c = Make<TzrControl>("shared");
  EXPECT_EQ(StyleColor(c), 0xFFFF00FFu);
  Scene.SetStyle(nullptr);
}

TEST_F(ControlStyleTest, BackgroundFillHidesItsStyle) {
  Scene.Canvas->Clear(0xFFFFFFFF);
  auto* plain = Make<TzrBackground>();
  plain->SetBounds(10, 10, 80, 80);
  auto* filled = Make<TzrBackground>();
  filled->SetBounds(110, 10, 80, 80);
  filled->GetFill()->SetStyle(zrBrushSolid);
  filled->GetFill()->SetSolidColor(0xFF2060E0);
  auto* button = Make<TzrTestButton>();
  button->SetBounds(10, 110, 80, 80);
  auto* shared = Make<TzrControl>("shared");
  shared->SetBounds(110, 110, 80, 80);
  Scene.DrawAll();
  Scene.SaveGallery("control_styles");
  EXPECT_EQ(Scene.Pixel(50, 50), 0xFFC00000u);    // backgroundstyle of the scene sheet
  EXPECT_EQ(Scene.Pixel(150, 50), 0xFF2060E0u);   // own fill, style hidden
  EXPECT_EQ(Scene.Pixel(80, 180), 0xFF404040u);   // testbuttonstyle
  EXPECT_EQ(Scene.Pixel(50, 150), 0xFFB0B0B0u);   // its inner button: the parent class's
  EXPECT_EQ(Scene.Pixel(150, 150), 0xFF0000C0u);  // scene sheet's "shared"
  EXPECT_TRUE(filled->GetResourceLink()->GetVisual()->GetVisible());

  Scene.SetStyle(nullptr);
  Scene.DrawAll();
  Scene.SaveGallery("control_styles_default_sheet");
  EXPECT_EQ(Scene.Pixel(150, 150), 0xFFA0A0A0u);  // default sheet's "shared"
}

TEST_F(ControlStyleTest, TransparentSceneRootHidesItsStyle) {
  for (bool transparent : {false, true}) {
    TTestRurev scene(40, 40);
    scene.Transparency = transparent;
    scene.SetStyle(&Sheet);
    auto* root = new TzrBackground(&Owner);
    root->SetBounds(0, 0, 40, 40);
    scene.AddObject(root);
    scene.DrawAll();
    ASSERT_NE(root->GetResourceLink(), nullptr);
    EXPECT_EQ(scene.Pixel(20, 20), transparent ? 0xFFFFFFFFu : 0xFFC00000u) << transparent;
    scene.SetStyle(nullptr);
  }
}

TEST_F(ControlStyleTest, BindingPassesDataAndForgetsFreedControls) {
  struct TDataControl : TzrControl {
    using TzrControl::TzrControl;
    Variant Data;
    Variant GetData() override { return Data; }
    void SetData(const Variant& Value) override { Data = Value; }
  };
  auto* source = new TDataControl(&Owner);
  auto* a = new TDataControl(&Owner);
  auto* b = new TDataControl(&Owner);
  source->Data = Variant(7);
  a->SetBindingSource(source);
  b->SetBindingSource(source);
  EXPECT_EQ(a->Data.ToInt64(), 7);
  source->Data = Variant(9);
  source->ToBindingObjects();
  EXPECT_EQ(b->Data.ToInt64(), 9);
  delete a;
  EXPECT_EQ(source->GetBindingObjects().size(), 1u);
  delete source;
  EXPECT_EQ(b->GetBindingSource(), nullptr);
}

TEST(ControlHelp, SettersChooseTheHelpType) {
  TzrControl c(nullptr);
  EXPECT_EQ(c.GetHelpType(), htContext);
  c.SetHelpKeyword("motor");
  EXPECT_EQ(c.GetHelpType(), htKeyword);
  c.SetHelpContext(12);
  EXPECT_EQ(c.GetHelpType(), htContext);
  c.SetComponentState(csLoading);
  c.SetHelpKeyword("esc");
  EXPECT_EQ(c.GetHelpType(), htContext);
  EXPECT_EQ(TzrControl::ClassStyleName("TzrListBoxItem"), "ListBoxItemstyle");
}

TEST(DefaultStyleSheet, LoadsOnceWithoutReaderErrors) {
  // Every class the sheet names.
  InitializeScene();
  RegisterShapes();
  RegisterEffectClasses();
  RegisterStandardControls();
  FreeDefaultStyles();
  TzrObject* first = LoadDefaultStyles();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(LoadDefaultStyles(), first);
  auto* root = dynamic_cast<TzrBackground*>(first);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->GetWidth(), 548);
  EXPECT_EQ(root->GetHeight(), 547);
  EXPECT_EQ(root->GetFill()->GetStyle(), zrBrushSolid);
  EXPECT_EQ(root->GetFill()->GetSolidColor(), 0xFF2B2B2Bu);

  std::vector<std::string> errors;
  TResourceStream stream(std::string("defaultzrstyle"));
  TzrBackground check(nullptr);
  TReader reader(&stream);
  reader.OnError = [&](const std::string& Message) {
    errors.push_back(Message);
    return true;
  };
  reader.ReadRootComponent(&check);
  EXPECT_TRUE(errors.empty()) << errors.front();
  FreeDefaultStyles();
}

TEST(Designer, AbstractOperationsRaise) {
  TzrDesigner d(nullptr);
  EXPECT_THROW(d.Modified(nullptr), EAbstractError);
  EXPECT_THROW(d.UniqueName(nullptr, "TzrButton"), EAbstractError);
  EXPECT_THROW(d.IsSelected(nullptr, nullptr), EAbstractError);
  EXPECT_THROW(d.SelectObject(nullptr, nullptr, {}), EAbstractError);
  TTestRurev scene(50, 50);
  d.AddScene(&scene);
  d.AddScene(&scene);
  EXPECT_EQ(d.GetSceneCount(), 1);
  d.CallDesignSelect(nullptr);
  EXPECT_EQ(scene.Rects.size(), 1u);
  d.RemoveScene(&scene);
  EXPECT_EQ(d.GetSceneCount(), 0);
}

}  // namespace

namespace {

// The build tool puts a sheet authored as text into a form's "ResourcesBin".
TEST(StyleSheetBuild, ToolInlinesTheSheetText) {
  RegisterVisualClasses();
  RegisterControlClasses();
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(::testing::TempDir()) / "esctool_sheet_build";
  fs::create_directories(folder / "styles");
  std::ofstream(folder / "styles" / "sheet.txt", std::ios::binary)
      << "object TzrBackground\r\n  object TzrBackground\r\n    ResourceName = 'panelstyle'\r\n"
         "    Fill.Color = '#FF123456'\r\n    Fill.Style = zrBrushSolid\r\n  end\r\nend\r\n";
  std::ofstream(folder / "form.txt", std::ios::binary)
      << "object SceneStyle: TzrResources\r\n  ResourcesBin = file 'styles/sheet.txt'\r\nend\r\n";
  const fs::path tool = fs::path(ESCTOOL_BINARY_DIR) / "zrstream";
  const std::string command = tool.string() + " text2bin " + (folder / "form.txt").string() + " " +
                              (folder / "form.bin").string();
  ASSERT_EQ(std::system(command.c_str()), 0);

  TFileStream in((folder / "form.bin").string(), fmOpenRead);
  TzrResources sheet(nullptr);
  TReader reader(&in);
  reader.ReadRootComponent(&sheet);
  ASSERT_NE(sheet.GetRoot(), nullptr);
  auto* panel = dynamic_cast<TzrBackground*>(sheet.GetRoot()->FindResource("panelstyle"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->GetFill()->GetSolidColor(), 0xFF123456u);
  fs::remove_all(folder);
}

}  // namespace
