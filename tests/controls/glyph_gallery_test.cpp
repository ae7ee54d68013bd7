// Pictures for looking at, in build/gallery/: controls_glyph_buttons.png
// (bitmap and path buttons in each layout, tool buttons and bitmap-state
// buttons, normal, hovered, pressed, focused and disabled, with English and
// Chinese captions) and controls_expanders.png (expanders expanded and
// collapsed, with and without their header check box, and splitters between
// panels). Each also checks that the controls drew over the backdrop.

#include "controls/zr_checks.h"
#include "controls/zr_expander.h"
#include "controls/zr_glyph_buttons.h"
#include "controls/zr_splitter.h"
#include "controls/zr_state_button.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_path.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr TzrColor Backdrop = 0xFF2B2B2B;

// A round picture: a coloured disc with a lighter centre.
std::unique_ptr<TzrBitmap> Disc(int Size, TzrColor Color) {
  auto bitmap = std::make_unique<TzrBitmap>(Size, Size);
  bitmap->Clear(0);
  TzrCanvas* canvas = bitmap->GetCanvas();
  canvas->BeginScene();
  canvas->GetFill()->SetSolidColor(Color);
  canvas->FillEllipse({1, 1, float(Size - 1), float(Size - 1)}, 1);
  canvas->GetFill()->SetSolidColor(0xFFF0F0F0);
  const float q = float(Size) / 3;
  canvas->FillEllipse({q, q, 2 * q, 2 * q}, 1);
  canvas->EndScene();
  bitmap->BitmapChanged();
  return bitmap;
}

enum TState { Normal, Hovered, Pressed, Focused, Disabled };

class GlyphGallery : public ControlsTest {
 protected:
  // Shows the five states across a row of buttons.
  void States(const std::vector<TzrCustomButton*>& Row) {
    Row[Hovered]->MouseEnter();
    Press(Row[Pressed], 5, 5);
    Row[Disabled]->SetEnabled(false);
  }
};

TEST_F(GlyphGallery, GlyphButtons) {
  GalleryCanvas(5 * 100 + 20, 7 * 70 + 20, Backdrop);
  const std::u16string captions[] = {u"Start", u"启动", u"Stop", u"停止", u"Save"};
  const TzrButtonLayout layouts[] = {zrGlyphLeft, zrGlyphRight, zrGlyphTop, zrGlyphBottom,
                                     zrGlyphCenter};
  TzrPathData arrow;
  arrow.SetPathString("M 0,0 L 10,6 L 0,12 Z");
  std::vector<std::vector<TzrCustomButton*>> rows(7);
  std::vector<TzrCustomButton*> focused;
  for (int col = 0; col < 5; ++col) {
    const float x = 10.0f + float(col) * 100;
    // Row 0: bitmap buttons, one layout per column, in the state of the column.
    auto* bitmap = Make<TzrBitmapButton>(x, 10);
    bitmap->SetBounds(x, 10, 90, 60);
    bitmap->SetBitmapLayout(layouts[col]);
    bitmap->SetBitmapSize(layouts[col] == zrGlyphCenter ? 32 : 24);
    bitmap->SetBitmap(Disc(32, 0xFF3C8CDC).get());
    bitmap->SetText(captions[col]);
    rows[0].push_back(bitmap);
    // Row 1: path buttons, one layout per column.
    auto* path = Make<TzrPathButton>(x, 80);
    path->SetBounds(x, 80, 90, 60);
    path->SetPathLayout(layouts[col]);
    path->SetPathSize(layouts[col] == zrGlyphCenter ? 32 : 20);
    path->SetPathSpacing(2);
    path->GetPathFill()->SetSolidColor(0xFF5AC85A);
    path->SetPath(&arrow);
    path->SetText(captions[(col + 1) % 5]);
    rows[1].push_back(path);
    // Rows 2 .. 5: every state of one left-glyph and one top-path button.
    for (int row = 2; row < 4; ++row) {
      const float y = 10.0f + float(row) * 70;
      auto* b = Make<TzrBitmapButton>(x, y);
      b->SetBounds(x, y, 90, 60);
      b->SetBitmapLayout(row == 2 ? zrGlyphLeft : zrGlyphTop);
      b->SetBitmapSize(24);
      b->SetBitmap(Disc(24, 0xFFDC8C3C).get());
      b->SetText(row == 2 ? u"Motor" : u"电机");
      rows[row].push_back(b);
    }
    // Row 4: tool buttons; row 5: tool path buttons.
    auto* tool = Make<TzrToolButton>(x + 20, 300);
    tool->SetBitmapSize(24);
    tool->SetBitmap(Disc(24, 0xFFC83CC8).get());
    tool->SetText(col % 2 ? u"打开" : u"Open");
    rows[4].push_back(tool);
    auto* toolPath = Make<TzrToolPathButton>(x + 20, 360);
    toolPath->SetPathSize(22);
    toolPath->GetPathFill()->SetSolidColor(0xFFE0C040);
    toolPath->SetPath(&arrow);
    toolPath->SetText(col % 2 ? u"运行" : u"Run");
    rows[5].push_back(toolPath);
    // Row 6: bitmap-state buttons.
    auto* state = Make<TzrBitmapStateButton>(x + 10, 430);
    state->SetBounds(x + 10, 430, 64, 64);
    state->SetBitmap(Disc(56, 0xFF707070).get());
    state->SetBitmapHot(Disc(56, 0xFF3C8CDC).get());
    state->SetBitmapDown(Disc(48, 0xFF1E5A96).get());
    rows[6].push_back(state);
  }
  Scene.DrawAll();
  Wait(300);
  for (int row = 2; row < 7; ++row) States(rows[row]);
  Scene.SetFocused(nullptr);
  for (int row = 2; row < 4; ++row) rows[row][Focused]->EnterFocus();
  SaveGalleryPicture("controls_glyph_buttons");
  for (auto& row : rows)
    for (TzrCustomButton* b : row) EXPECT_TRUE(DrawnOver(b, Backdrop)) << b->ClassName();
  auto* image = dynamic_cast<TzrVisualObject*>(rows[0][0]->FindResource("image"));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetAlign(), vaLeft);
}

TEST_F(GlyphGallery, ExpandersAndSplitters) {
  GalleryCanvas(700, 300, Backdrop);
  struct Case {
    const char16_t* Text;
    bool Expanded, ShowCheck, Checked;
  } cases[] = {
      {u"Throttle", true, false, true},   {u"油门设置", true, true, true},
      {u"Brake 刹车", true, true, false}, {u"Timing", false, true, true},
      {u"保护", false, false, true},
  };
  std::vector<TzrExpander*> expanders;
  for (int i = 0; i < 5; ++i) {
    auto* e = Make<TzrExpander>(10.0f + float(i) * 140, 10);
    e->SetWidth(130);
    e->SetText(cases[i].Text);
    e->SetShowCheck(cases[i].ShowCheck);
    e->SetIsChecked(cases[i].Checked);
    auto* check = Make<TzrCheckBox>(5, 5, e);
    check->SetText(i % 2 ? u"反转" : u"Reverse");
    auto* label = Make<TzrLabel>(5, 35, e);
    label->SetText(i % 2 ? u"电流 40 A" : u"Current 40 A");
    expanders.push_back(e);
  }
  Scene.DrawAll();
  for (int i = 0; i < 5; ++i) expanders[size_t(i)]->SetIsExpanded(cases[i].Expanded);

  // Splitters: a left panel, a vertical bar, a client panel with a bottom
  // panel and a horizontal bar, inside a 680 x 130 frame.
  auto* frame = Make<TzrPanel>(10, 160);
  frame->SetBounds(10, 160, 680, 130);
  auto* left = Make<TzrPanel>(0, 0, frame);
  left->SetBounds(0, 0, 150, 130);
  left->SetAlign(vaLeft);
  auto* bar = Make<TzrSplitter>(160, 0, frame);
  auto* bottom = Make<TzrPanel>(0, 100, frame);
  bottom->SetBounds(0, 100, 10, 40);
  bottom->SetAlign(vaBottom);
  auto* hbar = Make<TzrSplitter>(0, 80, frame);
  hbar->SetAlign(vaBottom);
  hbar->SetHeight(6);
  auto* bareBar = Make<TzrSplitter>(600, 0, frame);
  bareBar->SetAlign(vaRight);
  bareBar->SetShowGrip(false);
  frame->Realign();
  SaveGalleryPicture("controls_expanders");
  for (TzrExpander* e : expanders) EXPECT_TRUE(DrawnOver(e, Backdrop));
  EXPECT_EQ(expanders[3]->GetHeight(), 25);
  EXPECT_TRUE(DrawnOver(bar, Backdrop));
  EXPECT_TRUE(DrawnOver(hbar, Backdrop));
}

}  // namespace
