// Visual brushes: the brush's object paints itself under the shape's clip,
// at the call's opacity, and the canvas's stroke comes back afterwards.
#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_object.h"

namespace {

using namespace canvas_test;

// A visual node with the one property the canvas reaches by name.
class TFakeVisual : public TzrObject {
 public:
  explicit TFakeVisual(TComponent* AOwner) : TzrObject(AOwner) { FIsVisual = true; }
  static const TClassInfo* Class() {
    static const TClassInfo* info =
        TClassDecl<TFakeVisual>("TFakeVisual", TzrObject::Class())
            .Prop("Opacity", &TFakeVisual::GetOpacity, &TFakeVisual::SetOpacity);
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
  float GetOpacity() const { return FOpacity; }
  void SetOpacity(float Value) { FOpacity = Value; }

  float FOpacity = 1;
  float OpacityWhilePainting = -1;
  TzrRect PaintedRect;
};

void PaintFake(TzrObject* AVisual, TzrCanvas* ACanvas, const TzrRect& ARect) {
  auto* v = static_cast<TFakeVisual*>(AVisual);
  v->OpacityWhilePainting = v->GetOpacity();
  v->PaintedRect = ARect;
  ACanvas->GetStroke()->SetSolidColor(0xFF00FF00);
  ACanvas->SetStrokeThickness(9);
  ACanvas->Clear(0xFFFF0000);  // everything it may reach
}

struct VisualBrushTest : ::testing::Test {
  void SetUp() override {
    zrPaintVisualTo = &PaintFake;
    Canvas->GetFill()->SetStyle(zrBrushVisual);
    Canvas->GetFill()->GetVisual()->SetVisualObject(&Visual);
    Canvas->SetStrokeThickness(2);
  }
  void TearDown() override { zrPaintVisualTo = nullptr; }
  TFakeVisual Visual{nullptr};
  std::unique_ptr<TzrCanvasGdiPlus> Canvas = NewCanvas(40, 40);
};

TEST_F(VisualBrushTest, RectanglePaintsTheObjectInsideOnly) {
  Canvas->FillRect(zrRect(10, 10, 30, 30), 0, 0, 0, 0.5f);
  EXPECT_EQ(Visual.PaintedRect, zrRect(10, 10, 30, 30));
  EXPECT_EQ(Visual.OpacityWhilePainting, 0.5f);
  EXPECT_EQ(Visual.GetOpacity(), 1);
  EXPECT_EQ(Raw(*Canvas, 20, 20), 0xFFFF0000u);
  EXPECT_EQ(Raw(*Canvas, 5, 20), 0u);
  EXPECT_EQ(Raw(*Canvas, 35, 35), 0u);
  EXPECT_EQ(Canvas->GetStroke()->GetSolidColor(), 0xFF000000u);
  EXPECT_EQ(Canvas->GetStrokeThickness(), 2);
  // the clip is gone again
  Canvas->GetFill()->SetStyle(zrBrushSolid);
  Canvas->FillRect(zrRect(0, 0, 40, 40), 0, 0, 0, 1);
  EXPECT_EQ(Raw(*Canvas, 5, 5), 0xFFFFFFFFu);
}

TEST_F(VisualBrushTest, EllipseClipsToItsOutline) {
  Canvas->FillEllipse(zrRect(0, 0, 40, 40), 1);
  EXPECT_EQ(Raw(*Canvas, 20, 20), 0xFFFF0000u);
  EXPECT_EQ(Raw(*Canvas, 1, 1), 0u);
}

TEST_F(VisualBrushTest, WithoutAnObjectNothingIsPainted) {
  Canvas->GetFill()->GetVisual()->SetVisualObject(nullptr);
  Canvas->FillRect(zrRect(10, 10, 30, 30), 0, 0, 0, 1);
  EXPECT_EQ(Raw(*Canvas, 20, 20), 0u);
}

}  // namespace
