// Bitmap, tool, path and bitmap-state buttons: where the picture goes, what
// an empty picture does, pictures from an action's image list, style
// re-application after in-place changes and the state button's drawing.

#include "controls/zr_glyph_buttons.h"
#include "controls/zr_objects_path.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_state_button.h"
#include "platform/vcl/ActnList.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_image_list.h"
#include "scene/zr_path.h"
#include "scene/zr_position.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr TzrColor Backdrop = 0xFFFFFFFF;
constexpr TzrColor Red = 0xFFFF0000;

std::unique_ptr<TzrBitmap> Solid(int W, int H, TzrColor Color = Red) {
  auto bitmap = std::make_unique<TzrBitmap>(W, H);
  bitmap->Clear(Color);
  return bitmap;
}

TzrRect PaddingOf(TzrVisualObject* Part) { return Part->GetPadding()->GetRect(); }

class GlyphButtonsTest : public ControlsTest {
 protected:
  TzrImage* Image(TzrBitmapButton* B) { return dynamic_cast<TzrImage*>(B->FindResource("image")); }
};

TEST_F(GlyphButtonsTest, LoadedBitmapIsPlacedByLayout) {
  struct Case {
    TzrButtonLayout Layout;
    TzrAlign Align;
    float Width, Height;
    TzrRect Padding;  // left, top, right, bottom
  } cases[] = {
      {zrGlyphLeft, vaLeft, 24, -1, {2, 2, 3, 2}},
      {zrGlyphRight, vaRight, 24, -1, {3, 2, 2, 2}},
      {zrGlyphTop, vaTop, -1, 24, {2, 2, 2, 3}},
      {zrGlyphBottom, vaBottom, -1, 24, {2, 3, 2, 2}},
      {zrGlyphCenter, vaCenter, 24, 24, {3, 3, 3, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.Layout));
    auto* b = Make<TzrBitmapButton>(0, 0);
    b->SetBitmapLayout(c.Layout);
    b->SetBitmapSize(24);
    b->SetBitmapSpacing(3);
    b->SetBitmap(Solid(20, 10).get());
    Show();
    TzrImage* image = Image(b);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetAlign(), c.Align);
    if (c.Width >= 0) {
      EXPECT_EQ(image->GetWidth(), c.Width);
    }
    if (c.Height >= 0) {
      EXPECT_EQ(image->GetHeight(), c.Height);
    }
    EXPECT_EQ(PaddingOf(image), c.Padding);
    EXPECT_EQ(image->GetBitmap()->GetWidth(), 20) << "the image holds a copy";
    EXPECT_EQ(PaddingOf(dynamic_cast<TzrVisualObject*>(b->FindResource("text"))),
              (TzrRect{2, 2, 2, 2}));
  }
}

TEST_F(GlyphButtonsTest, EmptyBitmapShowsOnlyTheCaptionUntilOneIsLoaded) {
  auto* b = Make<TzrBitmapButton>(0, 0);
  b->SetText(u"Play");
  Show();
  EXPECT_EQ(Image(b)->GetAlign(), vaNone);
  b->SetBitmap(Solid(20, 1).get());
  EXPECT_EQ(Image(b)->GetAlign(), vaNone) << "one pixel high is empty too";
  b->GetBitmap()->Assign(Solid(16, 16).get());  // in place: the notification places it
  EXPECT_EQ(Image(b)->GetAlign(), vaLeft);
  EXPECT_EQ(Image(b)->GetWidth(), 32);
}

TEST_F(GlyphButtonsTest, CentredGlyphOfSize32WithSpacing4) {
  auto* b = Make<TzrBitmapButton>(0, 0);
  b->SetBounds(0, 0, 60, 60);
  b->SetBitmapLayout(zrGlyphCenter);
  b->SetBitmapSpacing(4);
  b->SetBitmap(Solid(32, 32).get());
  Show();
  TzrImage* image = Image(b);
  EXPECT_EQ(image->GetWidth(), 32);
  EXPECT_EQ(image->GetHeight(), 32);
  EXPECT_EQ(PaddingOf(image), (TzrRect{4, 4, 4, 4}));
  EXPECT_EQ(image->GetPosition()->GetPoint(), (TzrPoint{14, 14}));
}

TEST_F(GlyphButtonsTest, ToolButtonsAreNotFocusableAndPutTheGlyphOnTop) {
  auto* tool = Make<TzrToolButton>(0, 0);
  auto* toolPath = Make<TzrToolPathButton>(0, 0);
  EXPECT_FALSE(tool->GetCanFocused());
  EXPECT_FALSE(toolPath->GetCanFocused());
  EXPECT_EQ(tool->GetBitmapLayout(), zrGlyphTop);
  EXPECT_EQ(toolPath->GetPathLayout(), zrGlyphTop);
  EXPECT_EQ(tool->GetWidth(), 50);
  EXPECT_EQ(tool->GetHeight(), 60);
}

TEST_F(GlyphButtonsTest, ActionGivesAnEmptyButtonThePictureOfItsImageList) {
  TzrImageList images(&Owner);
  images.SetWidth(16);
  images.SetHeight(16);
  images.Add(Solid(16, 16, 0xFF0000FF).get());
  images.Add(Solid(16, 16, Red).get());
  TActionList list(&Owner);
  list.SetImages(&images);
  struct Case {
    const char* Name;
    int Index;
    bool OwnBitmap;
    int Width;  // of the button's bitmap afterwards
    float Size;
  } cases[] = {
      {"second image", 1, false, 16, 16},
      {"index past the end", 2, false, 1, 32},
      {"no index", -1, false, 1, 32},
      {"own bitmap kept", 1, true, 40, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TAction action(&Owner);
    action.SetActionList(&list);
    action.SetImageIndex(c.Index);
    auto* b = Make<TzrBitmapButton>(0, 0);
    if (c.OwnBitmap) b->SetBitmap(Solid(40, 40).get());
    b->SetAction(&action);
    EXPECT_EQ(b->GetBitmap()->GetWidth(), c.Width);
    EXPECT_EQ(b->GetBitmapSize(), c.Size);
    if (c.Width == 16) {
      EXPECT_EQ(b->GetBitmap()->GetPixels(3, 3), Red);
    }
    b->SetAction(nullptr);
  }
}

TEST_F(GlyphButtonsTest, PathButtonHandsItsPathAndBrushesToTheStyle) {
  auto* b = Make<TzrPathButton>(0, 0);
  Show();
  auto* owner = dynamic_cast<TzrVisualObject*>(b->FindResource("pathowner"));
  auto* path = dynamic_cast<TzrPath*>(b->FindResource("path"));
  ASSERT_NE(owner, nullptr);
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(owner->GetAlign(), vaNone) << "no points: only the caption";
  TzrPathData data;
  data.SetPathString("M 0,0 L 10,10 L 0,10 Z");
  b->SetPath(&data);
  b->SetPathLayout(zrGlyphRight);
  b->SetStrokeThickness(3);
  EXPECT_EQ(owner->GetAlign(), vaRight);
  EXPECT_EQ(owner->GetWidth(), 32);
  EXPECT_FALSE(path->GetPathData()->IsEmpty());
  EXPECT_EQ(path->GetStrokeThickness(), 3);
  EXPECT_EQ(path->GetFill()->GetSolidColor(), 0xFFFFFFFFu);
  // Changing the brush in place re-applies the style.
  b->GetPathFill()->SetSolidColor(0xFF00C000);
  EXPECT_EQ(path->GetFill()->GetSolidColor(), 0xFF00C000u);
  b->GetPathStroke()->SetSolidColor(0xFF0000C0);
  EXPECT_EQ(path->GetStroke()->GetSolidColor(), 0xFF0000C0u);
}

class StateButtonTest : public ControlsTest {
 protected:
  TzrBitmapStateButton* Put() {
    GalleryCanvas(100, 100, Backdrop);
    auto* b = Make<TzrBitmapStateButton>(10, 10);
    return b;
  }
  bool IsRed(int X, int Y) { return Scene.Pixel(X, Y) == Red; }
};

TEST_F(StateButtonTest, LargeBitmapsShrinkToFitSmallOnesKeepTheirSize) {
  TzrBitmapStateButton* b = Put();
  b->SetBitmap(Solid(200, 100).get());
  Scene.DrawAll();
  // 64 x 32, centred vertically: rows 26 .. 57 of the canvas.
  EXPECT_TRUE(IsRed(11, 27));
  EXPECT_TRUE(IsRed(72, 56));
  EXPECT_FALSE(IsRed(40, 24));
  EXPECT_FALSE(IsRed(40, 59));

  b->SetBitmap(Solid(16, 16).get());
  Scene.DrawAll();
  // 16 x 16 in the middle: columns and rows 34 .. 49.
  EXPECT_TRUE(IsRed(35, 35));
  EXPECT_TRUE(IsRed(48, 48));
  EXPECT_FALSE(IsRed(32, 40));
  EXPECT_FALSE(IsRed(51, 40));
}

TEST_F(StateButtonTest, PressedBitmapShowsWhileHeldInside) {
  TzrBitmapStateButton* b = Put();
  b->SetBitmap(Solid(64, 64, 0xFF0000FF).get());
  b->SetBitmapHot(Solid(64, 64, 0xFF00FF00).get());
  b->SetBitmapDown(Solid(64, 64, Red).get());
  Scene.DrawAll();
  EXPECT_EQ(Scene.Pixel(40, 40), 0xFF0000FFu);
  b->MouseEnter();
  Scene.Draw();
  EXPECT_EQ(Scene.Pixel(40, 40), 0xFF00FF00u);
  Press(b, 30, 30);
  Scene.Draw();
  EXPECT_EQ(Scene.Pixel(40, 40), Red);
  Move(b, 100, 30);  // dragged outside: no longer pressed
  Scene.Draw();
  EXPECT_EQ(Scene.Pixel(40, 40), 0xFF00FF00u);
  Move(b, 30, 30);
  Scene.Draw();
  EXPECT_EQ(Scene.Pixel(40, 40), Red);
  Release(b, 30, 30);
  b->MouseLeave();
  Scene.Draw();
  EXPECT_EQ(Scene.Pixel(40, 40), 0xFF0000FFu);
}

}  // namespace
