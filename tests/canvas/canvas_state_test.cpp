// The state stack, the transformation and clipping.
#include <gtest/gtest.h>

#include "canvas_fixture.h"

namespace {

using namespace canvas_test;

TzrMatrix Translate(float Dx, float Dy) {
  TzrMatrix m = IdentityMatrix;
  m.m31 = Dx;
  m.m32 = Dy;
  return m;
}

TEST(CanvasState, RestoreBringsBackEverythingSaved) {
  auto c = NewCanvas(20, 20);
  c->GetFill()->SetSolidColor(0xFF0000FF);
  c->GetStroke()->SetStyle(zrBrushNone);
  c->SetStrokeThickness(3);
  c->SetStrokeCap(zrCapRound);
  c->SetStrokeJoin(zrJoinBevel);
  c->SetCustomDash({2, 1}, 0.5f);
  c->GetFont()->SetSize(20);
  c->SetMatrix(Translate(5, 0));
  c->IntersectClipRect(zrRect(0, 0, 10, 20));

  const uint32_t token = c->SaveCanvas();
  EXPECT_EQ(token, 0u);
  c->GetFill()->SetSolidColor(0xFFFF0000);
  c->GetStroke()->SetStyle(zrBrushSolid);
  c->SetStrokeThickness(1);
  c->SetStrokeCap(zrCapFlat);
  c->SetStrokeJoin(zrJoinMiter);
  c->SetStrokeDash(zrDashDot);
  c->GetFont()->SetSize(8);
  c->SetMatrix(IdentityMatrix);
  c->ResetClipRect();
  c->RestoreCanvas(token);

  EXPECT_EQ(c->GetFill()->GetSolidColor(), 0xFF0000FFu);
  EXPECT_EQ(c->GetStroke()->GetStyle(), zrBrushNone);
  EXPECT_EQ(c->GetStrokeThickness(), 3);
  EXPECT_EQ(c->GetStrokeCap(), zrCapRound);
  EXPECT_EQ(c->GetStrokeJoin(), zrJoinBevel);
  EXPECT_EQ(c->GetStrokeDash(), zrDashCustom);
  EXPECT_EQ(c->GetDash(), (std::vector<float>{2, 1}));
  EXPECT_EQ(c->GetDashOffset(), 0.5f);
  EXPECT_EQ(c->GetFont()->GetSize(), 20);
  EXPECT_EQ(c->GetMatrix(), Translate(5, 0));
  // the transformation and clip are back too: x 5..15 in device pixels
  c->FillRect(zrRect(0, 0, 20, 20), 0, 0, 0, 1);
  EXPECT_EQ(Raw(*c, 2, 5), 0u);
  EXPECT_EQ(Raw(*c, 7, 5), 0xFF0000FFu);
  EXPECT_EQ(Raw(*c, 17, 5), 0u);
}

TEST(CanvasState, FreedEntriesAreReusedLowestFirst) {
  auto c = NewCanvas(4, 4);
  const uint32_t a = c->SaveCanvas(), b = c->SaveCanvas();
  EXPECT_EQ(a, 0u);
  EXPECT_EQ(b, 1u);
  c->RestoreCanvas(a);
  EXPECT_EQ(c->SaveCanvas(), 0u);
  EXPECT_EQ(c->SaveCanvas(), 2u);
  EXPECT_EQ(c->SaveDataCount(), 3);
}

TEST(CanvasState, RestoringATokenTwiceIsIgnored) {
  auto c = NewCanvas(4, 4);
  c->GetFill()->SetSolidColor(0xFF111111);
  c->SetStrokeThickness(2);
  const uint32_t token = c->SaveCanvas();
  c->RestoreCanvas(token);
  c->GetFill()->SetSolidColor(0xFF222222);
  c->SetStrokeThickness(7);
  c->SetMatrix(Translate(1, 1));
  c->RestoreCanvas(token);  // its copies are gone: nothing changes
  EXPECT_EQ(c->GetFill()->GetSolidColor(), 0xFF222222u);
  EXPECT_EQ(c->GetStrokeThickness(), 7);
  EXPECT_EQ(c->GetMatrix(), Translate(1, 1));
  c->RestoreCanvas(99);  // beyond the stack: ignored
  EXPECT_EQ(c->GetStrokeThickness(), 7);
}

TEST(CanvasState, RestoringASolidDashKeepsTheCurrentPattern) {
  auto c = NewCanvas(4, 4);
  const uint32_t token = c->SaveCanvas();  // solid
  c->SetStrokeDash(zrDashDash);
  c->RestoreCanvas(token);
  EXPECT_EQ(c->GetStrokeDash(), zrDashSolid);
  EXPECT_EQ(c->GetDash(), (std::vector<float>{3, 1}));
}

TEST(CanvasState, RestoredFontRebuildsTheFamily) {
  auto c = NewCanvas(4, 4);
  const uint32_t token = c->SaveCanvas();
  c->GetFont()->SetFamily("Courier New");
  const std::string mono = c->GetGPFamily()->InstalledName();
  c->RestoreCanvas(token);
  EXPECT_NE(c->GetGPFamily()->InstalledName(), mono);
}

TEST(CanvasState, MultiplyChangesDrawingButNotTheMatrix) {
  auto c = NewCanvas(20, 20);
  c->MultyMatrix(Translate(10, 0));
  EXPECT_EQ(c->GetMatrix(), IdentityMatrix);
  c->FillRect(zrRect(0, 0, 5, 5), 0, 0, 0, 1);
  EXPECT_EQ(Raw(*c, 2, 2), 0u);
  EXPECT_EQ(Raw(*c, 12, 2), 0xFFFFFFFFu);
  // a save and restore sets the transformation back to the matrix
  c->RestoreCanvas(c->SaveCanvas());
  c->Clear(0);
  c->FillRect(zrRect(0, 0, 5, 5), 0, 0, 0, 1);
  EXPECT_EQ(Raw(*c, 2, 2), 0xFFFFFFFFu);
  EXPECT_EQ(Raw(*c, 12, 2), 0u);
}

struct ClipCase {
  const char* Name;
  void (*Clip)(TzrCanvas&);
  bool Left, Middle, Right;  // columns 2, 10 and 17 painted
};

const ClipCase kClipCases[] = {
    {"union of rectangles",
     [](TzrCanvas& c) {
       c.SetClipRects({zrRect(0, 0, 5, 20), zrRect(15, 0, 20, 20)});
     },
     true, false, true},
    {"empty list", [](TzrCanvas& c) { c.SetClipRects({}); }, false, false, false},
    {"intersection",
     [](TzrCanvas& c) {
       c.SetClipRects({zrRect(0, 0, 12, 20)});
       c.IntersectClipRect(zrRect(8, 0, 20, 20));
     },
     false, true, false},
    {"exclusion", [](TzrCanvas& c) { c.ExcludeClipRect(zrRect(8, 0, 12, 20)); }, true, false, true},
    {"reset",
     [](TzrCanvas& c) {
       c.SetClipRects({});
       c.ResetClipRect();
     },
     true, true, true},
};

TEST(CanvasState, ClipKeepsPixelsOutsideUntouched) {
  for (const ClipCase& k : kClipCases) {
    auto c = NewCanvas(20, 20);
    c->ClearRect(zrRect(0, 0, 20, 20), 0xFF808080);
    k.Clip(*c);
    c->GetFill()->SetSolidColor(0xFFFF0000);
    c->FillRect(zrRect(0, 0, 20, 20), 0, 0, 0, 1);
    EXPECT_EQ(Raw(*c, 2, 10) == 0xFFFF0000u, k.Left) << k.Name;
    EXPECT_EQ(Raw(*c, 10, 10) == 0xFFFF0000u, k.Middle) << k.Name;
    EXPECT_EQ(Raw(*c, 17, 10) == 0xFFFF0000u, k.Right) << k.Name;
    if (!k.Middle) {
      EXPECT_EQ(Raw(*c, 10, 10), 0xFF808080u) << k.Name;
    }
  }
}

TEST(CanvasState, ClipRectanglesFollowTheMatrix) {
  auto c = NewCanvas(20, 20);
  c->SetMatrix(Translate(10, 0));
  c->SetClipRects({zrRect(0, 0, 5, 20)});  // device columns 10 to 14
  c->SetMatrix(IdentityMatrix);
  c->FillRect(zrRect(0, 0, 20, 20), 0, 0, 0, 1);
  EXPECT_EQ(Raw(*c, 4, 4), 0u);
  EXPECT_EQ(Raw(*c, 12, 4), 0xFFFFFFFFu);
  EXPECT_EQ(Raw(*c, 16, 4), 0u);
}

}  // namespace

namespace {

TEST(CanvasState, SingularMatrixDrawsNothingAndLeavesTheCanvasWhole) {
  auto c = canvas_test::NewCanvas(10, 10);
  TzrMatrix flat = IdentityMatrix;
  flat.m22 = 0;  // an object scaled to no height
  c->SetMatrix(flat);
  c->FillRect(zrRect(0, 0, 10, 10), 0, 0, 0, 1);
  c->DrawLine({0, 0}, {10, 10}, 1);
  c->FillText(zrRect(0, 0, 10, 10), zrRect(0, 0, 10, 10), u"x", false, 1, zrTextAlignNear,
              zrTextAlignNear);
  EXPECT_EQ(canvas_test::Raw(*c, 5, 5), 0u);
  c->SetMatrix(IdentityMatrix);
  c->FillRect(zrRect(0, 0, 10, 10), 0, 0, 0, 1);
  EXPECT_EQ(canvas_test::Raw(*c, 5, 5), 0xFFFFFFFFu);
}

}  // namespace
