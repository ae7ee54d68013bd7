// Pictures of the shapes for looking at: build/gallery/shapes_*.png. Each
// also checks that it drew something at every object's centre.

#include "controls/zr_objects_blur.h"
#include "shapes_fixture.h"
#include "tests/platform_gdiplus/color_near.h"

namespace {

using color_test::Near;

constexpr TzrColor White = 0xFFFFFFFF;

class ShapesGallery : public ShapesTest {
 protected:
  ShapesGallery() {
    // A larger canvas than the other tests use.
    auto recorder = std::make_unique<TRecordingCanvas>(480, 360);
    Recorder = recorder.get();
    Scene.Canvas = std::move(recorder);
    Scene.Canvas->SetMatrix(IdentityMatrix);
    Root->SetBounds(0, 0, 480, 360);
  }
  template <class T>
  T* Cell(int Index, float W = 70, float H = 50, float RowHeight = 85) {
    const float x = 15 + float(Index % 5) * 93, y = 15 + float(Index / 5) * RowHeight;
    T* shape = Make<T>(x, y, W, H);
    return shape;
  }
  void Save(const std::string& Name) {
    Scene.DrawAll();
    Scene.SaveGallery(Name);
  }
  static void Colours(TzrShape* S, TzrColor Fill) { Paint(S, Fill, 0xFF203060, 2); }
};

TEST_F(ShapesGallery, Shapes) {
  int i = 0;
  for (TzrCornerType type : {zrCornerRound, zrCornerBevel, zrCornerInnerRound, zrCornerInnerLine}) {
    auto* r = Cell<TzrRectangle>(i++, 70, 50, 68);
    Colours(r, 0xFFB0D0F0);
    r->SetxRadius(12);
    r->SetyRadius(12);
    r->SetCornerType(type);
  }
  auto* some = Cell<TzrRectangle>(i++, 70, 50, 68);
  Colours(some, 0xFFB0D0F0);
  some->SetxRadius(12);
  some->SetyRadius(12);
  some->SetCorners(1 << zrCornerTopLeft | 1 << zrCornerBottomRight);
  for (TzrSides sides : {TzrSides(1 << zrSideTop), TzrSides(1 << zrSideLeft | 1 << zrSideRight),
                         TzrSides(AllSides & ~(1 << zrSideBottom)), TzrSides(0)}) {
    auto* s = Cell<TzrSidesRectangle>(i++, 70, 50, 68);
    Colours(s, 0xFFF0E0A0);
    s->SetSides(sides);
    s->SetxRadius(6);
    s->SetyRadius(6);
  }
  Colours(Cell<TzrRoundRect>(i++, 70, 50, 68), 0xFFC0F0C0);
  auto* half = Cell<TzrRoundRect>(i++, 30, 50, 68);
  Colours(half, 0xFFC0F0C0);
  half->SetCorners(1 << zrCornerTopLeft | 1 << zrCornerTopRight);
  Colours(Cell<TzrEllipse>(i++, 70, 50, 68), 0xFFF0C0C0);
  Colours(Cell<TzrCircle>(i++, 70, 50, 68), 0xFF00AA00);
  Colours(Cell<TzrPie>(i++, 70, 50, 68), 0xFFF0B060);
  auto* arc = Cell<TzrArc>(i++, 70, 50, 68);
  Colours(arc, 0);
  arc->GetFill()->SetStyle(zrBrushNone);
  arc->SetStartAngle(30);
  arc->SetStrokeThickness(4);
  auto* dashed = Cell<TzrLine>(i++, 70, 50, 68);
  Colours(dashed, 0);
  dashed->SetStrokeDash(zrDashDash);
  auto* flat = Cell<TzrLine>(i++, 70, 50, 68);
  Colours(flat, 0);
  flat->SetLineType(zrLineHorizontal);
  flat->SetStrokeThickness(4);
  auto* path = Cell<TzrPath>(i++, 70, 50, 68);
  Colours(path, 0xFFE0A0E0);
  path->GetPathData()->SetPathString("M 0,10 L 10,0 L 20,10 L 15,10 L 15,20 L 5,20 L 5,10 Z");
  path->SetWrapMode(zrPathFit);
  auto* tiles = Cell<TzrPath>(i++, 70, 50, 68);
  Colours(tiles, 0xFFE0A0E0);
  tiles->SetStrokeThickness(1);
  tiles->GetPathData()->SetPathString("M 0,5 L 5,0 L 10,5 L 5,10 Z");
  tiles->SetWrapMode(zrPathTile);
  Colours(Cell<TzrScrollArrowLeft>(i++, 70, 50, 68), 0xFF606060);
  Colours(Cell<TzrScrollArrowRight>(i++, 70, 50, 68), 0xFF606060);
  Save("shapes_shapes");
  EXPECT_TRUE(Near(Scene.Pixel(50, 40), 0xFFB0D0F0));
  EXPECT_FALSE(Near(Scene.Pixel(15 + 4 * 93 + 35, 15 + 3 * 68 + 25), White)) << "the left arrow";
}

TEST_F(ShapesGallery, Texts) {
  struct Line {
    std::u16string Text;
    TzrTextAlign H, V;
    bool Wrap, Stretch;
  };
  const std::vector<Line> lines = {
      {u"Near / near", zrTextAlignNear, zrTextAlignNear, false, false},
      {u"Centre", zrTextAlignCenter, zrTextAlignCenter, false, false},
      {u"Far / far", zrTextAlignFar, zrTextAlignFar, false, false},
      {u"电调参数设置", zrTextAlignNear, zrTextAlignCenter, false, false},
      {u"油门行程 校准", zrTextAlignFar, zrTextAlignNear, false, false},
      {u"A wrapped line of English words", zrTextAlignCenter, zrTextAlignCenter, true, false},
      {u"自动换行的中文文字与 English 混排", zrTextAlignNear, zrTextAlignNear, true, false},
      {u"ESC", zrTextAlignCenter, zrTextAlignCenter, false, true},
      {u"电调", zrTextAlignCenter, zrTextAlignCenter, false, true},
      {u"Grüße", zrTextAlignCenter, zrTextAlignCenter, false, true},
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    const float x = 10 + float(i % 2) * 235, y = 10 + float(i / 2) * 68;
    auto* frame = Make<TzrRectangle>(x, y, 225, 60);
    Paint(frame, 0xFFF4F4F4, 0xFFC0C0C0, 1);
    auto* text = Make<TzrText>(0, 0, 225, 60, frame);
    text->SetText(lines[i].Text);
    text->SetHorzTextAlign(lines[i].H);
    text->SetVertTextAlign(lines[i].V);
    text->SetWordWrap(lines[i].Wrap);
    text->SetStretch(lines[i].Stretch);
    text->GetFont()->SetSize(lines[i].Stretch ? 11 : 16);
  }
  Save("shapes_texts");
  // Something was drawn in the stretched Chinese text's middle row.
  bool inked = false;
  for (int x = 10; x < 235; ++x)
    inked = inked || !Near(Scene.Pixel(x, 10 + 4 * 68 + 30), 0xFFF4F4F4, 40);
  EXPECT_TRUE(inked);
}

TEST_F(ShapesGallery, Images) {
  int i = 0;
  for (TzrImageWrap mode : {zrImageOriginal, zrImageFit, zrImageStretch, zrImageTile}) {
    auto* frame = Cell<TzrRectangle>(i++, 80, 70);
    Paint(frame, 0xFFFFFFFF, 0xFFC0C0C0, 1);
    auto* image = Make<TzrImage>(0, 0, 80, 70, frame);
    image->SetBitmap(QuadrantBitmap(30, 24, 15, 12).get());
    image->SetWrapMode(mode);
  }
  auto* sliced = Cell<TzrImage>(i++, 86, 70);
  sliced->SetBitmap(QuadrantBitmap(40, 44, 20, 22).get());
  sliced->GetBitmapMargins()->SetRect(zrRect(16, 20, 16, 18));
  auto* small = Cell<TzrImage>(i++, 43, 48);
  small->SetBitmap(QuadrantBitmap(40, 44, 20, 22).get());
  small->GetBitmapMargins()->SetRect(zrRect(16, 20, 16, 18));
  Save("shapes_images");
  EXPECT_TRUE(Near(Scene.Pixel(16, 16), 0xFFE03030)) << "original: top-left quadrant at the origin";
}

TEST_F(ShapesGallery, Callouts) {
  int i = 0;
  for (TzrCalloutPosition position :
       {zrCalloutTop, zrCalloutLeft, zrCalloutBottom, zrCalloutRight}) {
    for (float offset : {0.0f, 8.0f, -8.0f}) {
      auto* c = Cell<TzrCalloutRectangle>(i++, 80, 70);
      Paint(c, 0xFFFFF8D0, 0xFF806020, 1);
      c->SetxRadius(6);
      c->SetyRadius(6);
      c->SetCalloutPosition(position);
      c->SetCalloutOffset(offset);
      c->SetCalloutWidth(16);
      c->SetCalloutLength(10);
    }
  }
  auto* open = Cell<TzrCalloutRectangle>(i++, 80, 70);
  Paint(open, 0xFFFFF8D0, 0xFF806020, 2);
  open->SetSides(AllSides & ~(1 << zrSideBottom));
  open->SetCornerType(zrCornerBevel);
  open->SetxRadius(10);
  open->SetyRadius(10);
  Save("shapes_callouts");
  EXPECT_TRUE(Near(Scene.Pixel(15 + 40, 15 + 40), 0xFFFFF8D0));
}

// Blurred rectangles beside their sharp counterparts, softness growing
// along the rows.
TEST_F(ShapesGallery, BlurRectangles) {
  int i = 0;
  for (float softness : {0.0f, 0.15f, 0.3f, 0.6f, 1.0f}) {
    auto* r = Cell<TzrBlurRectangle>(i++, 80, 60, 110);
    r->GetFill()->SetSolidColor(0xFF3060C0);
    r->SetSoftness(softness);
    r->SetxRadius(8);
    r->SetyRadius(8);
  }
  for (float softness : {0.0f, 0.15f, 0.3f, 0.6f, 1.0f}) {
    auto* r = Cell<TzrBlurRoundRect>(i++, 80, 60, 110);
    r->GetFill()->SetSolidColor(0xFFD04020);
    r->SetSoftness(softness);
  }
  auto* outlined = Cell<TzrBlurRectangle>(i++, 80, 60, 110);
  Colours(outlined, 0xFFF0E0A0);
  outlined->SetCorners(1 << zrCornerTopLeft);
  outlined->SetxRadius(16);
  outlined->SetyRadius(16);
  auto* faded = Cell<TzrBlurRoundRect>(i++, 80, 60, 110);
  faded->GetFill()->SetSolidColor(0xFF30A040);
  faded->SetOpacity(0.6f);
  Save("blur_rectangles");
  EXPECT_FALSE(Near(Scene.Pixel(55, 45), White));
  EXPECT_FALSE(Near(Scene.Pixel(241, 155), White));
}

}  // namespace
