// Writes what visual objects draw into build/gallery/ for looking at:
// nested nodes (rotated, clipped, translucent, disabled), aligned layouts,
// the test effect in its three placements with a drop-target frame, and a
// text caret.
#include <gtest/gtest.h>

#include "tests/platform_gdiplus/color_near.h"
#include "visual_scene.h"

namespace {

using color_test::Near;
using VisualGallery = VisualTest;

TEST_F(VisualGallery, NestedNodes) {
  TTestShape* panel = Shape("panel", 0xFFDDDDDD, 10, 10, 180, 180);
  panel->SetClipChildren(true);
  TTestShape* turned = Shape("turned", 0xFF2050C0, 20, 30, 80, 40, panel);
  turned->SetRotateAngle(30);
  TTestShape* glass = Shape("glass", 0xFFD02020, 60, 60, 90, 70, panel);
  glass->SetOpacity(0.5f);
  TTestShape* inner = Shape("inner", 0xFF20A020, 40, 40, 100, 60, glass);
  inner->SetOpacity(0.6f);
  TTestShape* off = Shape("off", 0xFF202020, 10, 140, 60, 30, panel);
  TTestShape* offChild = Shape("offChild", 0xFF202020, 30, 5, 40, 20, off);
  off->SetEnabled(false);
  Scene.DrawAll();
  Scene.SaveGallery("visual_nested");
  EXPECT_TRUE(Near(Scene.Pixel(195, 195), 0xFFFFFFFF)) << "the green child is clipped";
  EXPECT_TRUE(Near(Scene.Pixel(185, 150), 0xFFA4CBA4, 3)) << "green at 0.5 x 0.6";
  EXPECT_TRUE(Near(Scene.Pixel(130, 130), 0xFFA08962, 3)) << "green over red over grey";
  EXPECT_LT(offChild->GetAbsoluteOpacity(), off->GetAbsoluteOpacity());
}

TEST_F(VisualGallery, AlignedLayout) {
  TTestShape* frame = Shape("frame", 0xFFEEEEEE, 0, 0, 200, 200);
  frame->SetSizeWithoutChange(200, 200);
  frame->GetMargins()->SetRect(zrRect(6, 6, 6, 6));
  const struct {
    const char* Name;
    TzrColor Color;
    TzrAlign Align;
    float W, H;
  } parts[] = {
      {"top", 0xFF303F9F, vaTop, 10, 28},       {"bottom", 0xFF5C6BC0, vaBottom, 10, 18},
      {"left", 0xFF00897B, vaLeft, 36, 10},     {"right", 0xFF80CBC4, vaRight, 24, 10},
      {"client", 0xFFFFFFFF, vaClient, 10, 10},
  };
  TTestShape* client = nullptr;
  for (const auto& p : parts) {
    TTestShape* s = Shape(p.Name, p.Color, 0, 0, p.W, p.H, frame);
    s->GetPadding()->SetRect(zrRect(2, 2, 2, 2));
    s->SetAlign(p.Align);
    client = s;
  }
  client->SetSizeWithoutChange(client->GetWidth(), client->GetHeight());
  Shape("fit", 0xFFE91E63, 0, 0, 20, 10, client)->SetAlign(vaFitLeft);
  Shape("centre", 0xFFFF9800, 0, 0, 30, 30, client)->SetAlign(vaCenter);
  Scene.DrawAll();
  Scene.SaveGallery("visual_layout");
  EXPECT_TRUE(Near(Scene.Pixel(100, 20), 0xFF303F9F));
  EXPECT_TRUE(Near(Scene.Pixel(25, 100), 0xFF00897B));
  EXPECT_TRUE(Near(Scene.Pixel(105, 100), 0xFFFF9800)) << "centred over the fitted child";
}

TEST_F(VisualGallery, EffectsAndDropFrame) {
  const struct {
    const char* Name;
    float X;
    bool After, Replace;
  } nodes[] = {
      {"before", 15, false, false}, {"after", 80, true, false}, {"replace", 145, false, true}};
  for (const auto& n : nodes) {
    TTestShape* node = Shape(n.Name, 0xFFD02020, n.X, 30, 40, 40);
    Shape("dot", 0xFF2050C0, 10, 10, 20, 20, node);
    auto* glow = new TTestGlow(&Owner);
    glow->Margin = 6;
    glow->SetAfterPaint(n.After);
    glow->SetDisablePaint(n.Replace);
    glow->SetParent(node);
  }
  TTestShape* target = Shape("target", 0xFFFFF59D, 40, 110, 120, 60);
  target->DragEnter(TzrDragObject{}, {50, 120});
  Scene.DrawAll();
  Scene.SaveGallery("visual_effects");
  EXPECT_TRUE(Near(Scene.Pixel(35, 50), 0xFF2050C0));
  EXPECT_TRUE(Near(Scene.Pixel(100, 50), 0xFF00C000));
}

TEST_F(VisualGallery, Caret) {
  TTestShape* border = Shape("border", 0xFF607D8B, 20, 80, 160, 36);
  TTestShape* edit = Shape("edit", 0xFFFFFFFF, 1, 1, 158, 34, border);
  edit->SetCaretPos({40.5f, 7.2f});
  edit->ShowCaretProc();
  Scene.DrawAll();
  Scene.SaveGallery("visual_caret");
  EXPECT_TRUE(Near(Scene.Pixel(62, 95), 0xFF0000FF));
}

}  // namespace
