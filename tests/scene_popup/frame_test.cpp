// Frames: a frame shows another scene's root; its own scene is refused; a
// second frame on the same scene shows the root of a fresh copy of that
// scene's form, freed with the frame; the root goes back to its scene when
// the frame switches scene or is freed.

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_frame.h"
#include "tests/scene_popup/popup_fixture.h"
#include "tests/support/MainLoop.h"

namespace {

// A form that makes its scene "Scene1" with a root in its constructor, as
// a form read from its resource would; counts its copies.
class TPanelForm : public TForm {
 public:
  explicit TPanelForm(TComponent* AOwner) : TForm(AOwner) {
    ++Made;
    SetBorderStyle(bsNone);
    Scene = new TzoRurev(this);
    Scene->SetName("Scene1");
    Scene->SetBounds(0, 0, 120, 80);
    Root = new TBox(this);
    Root->Color = 0xFF3A7D44;
    Scene->AddObject(Root);
    auto* stripe = new TBox(this);
    stripe->Color = 0xFFF2C14E;
    stripe->SetBounds(10, 10, 40, 20);
    stripe->SetParent(Root);
  }
  ~TPanelForm() override { ++Freed; }
  static const TClassInfo* Class() {
    static const TClassInfo* info = TClassDecl<TPanelForm>("TPanelForm", TForm::Class());
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TPanelForm"; }

  TzoRurev* Scene;
  TBox* Root;
  static inline int Made = 0, Freed = 0;
};

class SceneFrameTest : public PopupTest {
 protected:
  void SetUp() override {
    Host.Show();
    First = new TzrFrame(Host.Form);
    First->SetBounds(20, 20, 120, 80);
    First->SetParent(Host.Root);
  }
  TzrFrame* AddFrame(float X) {
    auto* frame = new TzrFrame(Host.Form);
    frame->SetBounds(X, 20, 120, 80);
    frame->SetParent(Host.Root);
    return frame;
  }

  TSceneForm Host{200, 200, 320, 140};
  TzrFrame* First = nullptr;
};

TEST_F(SceneFrameTest, OwnSceneIsRefused) {
  TPanelForm panel(nullptr);
  First->SetSceneObject(panel.Scene);
  First->SetSceneObject(Host.Scene);
  EXPECT_EQ(First->GetSceneObject(), panel.Scene);
  EXPECT_EQ(First->GetChild(0), panel.Root);
}

TEST_F(SceneFrameTest, SecondFrameShowsAFreshCopyFreedWithIt) {
  TPanelForm panel(nullptr);
  First->SetSceneObject(panel.Scene);
  EXPECT_EQ(First->GetChild(0), panel.Root);
  EXPECT_EQ(panel.Scene->GetOpenInFrame(), First);
  EXPECT_EQ(panel.Root->GetAlign(), vaClient);

  TzrFrame* second = AddFrame(170);
  const int made = TPanelForm::Made, freed = TPanelForm::Freed;
  second->SetSceneObject(panel.Scene);
  EXPECT_TRUE(second->GetNeedClone());
  EXPECT_EQ(second->GetChildrenCount(), 0);

  Host.Scene->UpdateBuffer();  // the copy is made at the first paint
  Host.Scene->UpdateBuffer();
  EXPECT_EQ(TPanelForm::Made, made + 1);
  TzrCustomScene* copy = second->GetSceneObject();
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, panel.Scene);
  EXPECT_EQ(copy->GetOpenInFrame(), second);
  ASSERT_GT(second->GetChildrenCount(), 0);
  EXPECT_NE(second->GetChild(0), panel.Root);
  EXPECT_EQ(BufferPixel(Host.Scene, 20 + 30, 20 + 20), 0xFFF2C14Eu) << "first frame shows the root";
  EXPECT_EQ(BufferPixel(Host.Scene, 170 + 30, 20 + 20), 0xFFF2C14Eu) << "second frame the copy";
  SaveGallery("frame_two_frames", 320, 140, {{Host.Scene, 0, 0}});

  delete second;
  EXPECT_EQ(TPanelForm::Freed, freed + 1) << "the copy went with the frame";
  EXPECT_EQ(panel.Scene->GetOpenInFrame(), First) << "the first frame keeps the root";
}

TEST_F(SceneFrameTest, RootGoesBackWhenTheFrameSwitchesSceneOrIsFreed) {
  TPanelForm panel(nullptr), other(nullptr);
  First->SetSceneObject(panel.Scene);
  First->SetSceneObject(other.Scene);
  EXPECT_EQ(panel.Scene->GetRoot(), panel.Root);
  EXPECT_EQ(panel.Root->GetParent(), nullptr);
  EXPECT_EQ(panel.Scene->GetOpenInFrame(), nullptr);
  EXPECT_EQ(First->GetChild(0), other.Root);

  delete First;
  First = nullptr;
  EXPECT_EQ(other.Scene->GetRoot(), other.Root);
  EXPECT_EQ(other.Scene->GetOpenInFrame(), nullptr);
}

TEST_F(SceneFrameTest, FreedSceneLeavesTheFrameEmpty) {
  auto* panel = new TPanelForm(nullptr);
  First->SetSceneObject(panel->Scene);
  delete panel;
  EXPECT_EQ(First->GetSceneObject(), nullptr);
}

}  // namespace

// A scene that reports design time, as the form designer's scene does.
class TDesignScene : public TzoRurev {
 public:
  using TzoRurev::TzoRurev;
  bool GetDesignTime() override { return true; }
};

// While designing the frame borrows nothing: it paints a snapshot of the
// shown root at its own size and leaves the root where it was.
TEST_F(SceneFrameTest, DesignTimeFramePaintsASnapshotAndBorrowsNothing) {
  TPanelForm panel(nullptr);
  panel.Root->SetBounds(5, 6, 60, 40);
  TForm designForm(nullptr);
  designForm.SetBorderStyle(bsNone);
  designForm.SetBounds(560, 200, 200, 120);
  auto* design = new TDesignScene(&designForm);
  design->SetAlign(alClient);
  design->SetParent(&designForm);
  auto* root = new TBox(&designForm);
  root->Color = 0xFF202020;
  design->AddObject(root);
  auto* frame = new TzrFrame(&designForm);
  frame->SetBounds(20, 20, 120, 80);
  frame->SetParent(root);

  frame->SetSceneObject(panel.Scene);
  EXPECT_EQ(frame->GetSceneObject(), panel.Scene);
  EXPECT_EQ(frame->GetChildrenCount(), 0);
  EXPECT_EQ(panel.Scene->GetOpenInFrame(), nullptr);
  EXPECT_EQ(panel.Root->GetParent(), nullptr);

  designForm.Show();
  ASSERT_TRUE(PumpUntil([&] { return design->GetCanvas()->GetWidth() == 200; }));
  design->UpdateBuffer();
  // The snapshot stretches the root over the frame: its stripe (10, 10,
  // 40 x 20 of the root) lies at the frame's (10, 10) and the root's own
  // colour fills the frame's far corner.
  EXPECT_EQ(BufferPixel(design, 20 + 30, 20 + 20), 0xFFF2C14Eu);
  EXPECT_EQ(BufferPixel(design, 20 + 110, 20 + 70), 0xFF3A7D44u);
  EXPECT_EQ(BufferPixel(design, 10, 10), 0xFF202020u) << "nothing outside the frame";
  const TzrRect r = panel.Root->GetParentedRect();
  EXPECT_FLOAT_EQ(r.Left, 5);
  EXPECT_FLOAT_EQ(r.Top, 6);
  EXPECT_FLOAT_EQ(r.Right - r.Left, 60) << "the root's bounds are given back after the paint";
  EXPECT_FLOAT_EQ(r.Bottom - r.Top, 40);
  SaveGallery("frame_design_snapshot", 200, 120, {{design, 0, 0}});
}
