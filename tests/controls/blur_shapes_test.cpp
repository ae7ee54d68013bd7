// The blurred rectangles: the body drawn inset by the blur radius and
// softened into the margin, the cached buffer rebuilt only when what it holds
// changes, and any softness drawn safely.

#include <cmath>
#include <functional>
#include <limits>

#include "controls/zr_objects_blur.h"
#include "shapes_fixture.h"

namespace {

constexpr TzrColor Red = 0xFFFF0000, White = 0xFFFFFFFF;

int Alpha(TzrColor C) { return int(C >> 24); }
int Green(TzrColor C) { return int((C >> 8) & 0xFF); }

class BlurShapes : public ShapesTest {
 protected:
  // A 40 x 40 red blurred rectangle at (10, 10) with the given softness.
  TzrBlurRectangle* Red40(float Softness) {
    auto* r = Make<TzrBlurRectangle>(10, 10, 40, 40);
    r->GetFill()->SetSolidColor(Red);
    r->SetSoftness(Softness);
    return r;
  }
  static int BufferAlpha(const TzrBlurRectangle* R, int X, int Y) {
    return Alpha(R->GetBuffer()->GetPixels(X, Y));
  }
};

// Softness 0.3 gives radius 4: the body fills (4, 4, 36, 36) and the
// triangular filter of weights 5 - |i| over 25 spreads it. Along row 20 the
// columns see the body through 1, 10 and 15 of 25 weights at x = 0, 3 and 4.
TEST_F(BlurShapes, TheBodyIsInsetByTheRadiusAndItsEdgeIsSoft) {
  struct Case {
    float Softness;
    int X;
    int Low, High;  // the buffer's alpha at (X, 20)
  };
  const Case cases[] = {
      {0.3f, 0, 9, 11},      {0.3f, 3, 100, 103},   {0.3f, 4, 151, 154},
      {0.3f, 20, 255, 255},  {0.3f, 39, 9, 11},     {0, 0, 255, 255},
      {0.05f, 0, 255, 255},  {-1, 0, 255, 255},  // radius 0: sharp and full size
  };
  for (const Case& c : cases) {
    TzrBlurRectangle* r = Red40(c.Softness);
    Scene.DrawAll();
    ASSERT_NE(r->GetBuffer(), nullptr);
    EXPECT_EQ(r->GetBuffer()->GetWidth(), 40);
    const int a = BufferAlpha(r, c.X, 20);
    EXPECT_GE(a, c.Low) << "softness " << c.Softness << " x " << c.X;
    EXPECT_LE(a, c.High) << "softness " << c.Softness << " x " << c.X;
    delete r;
  }
}

TEST_F(BlurShapes, TheSceneShowsTheSoftenedBody) {
  Red40(0.3f);
  auto* sharp = Make<TzrRectangle>(110, 10, 40, 40);
  sharp->GetFill()->SetSolidColor(Red);
  sharp->GetStroke()->SetStyle(zrBrushNone);
  Scene.DrawAll();
  EXPECT_EQ(Scene.Pixel(30, 30), Red);
  EXPECT_EQ(Scene.Pixel(51, 30), White) << "nothing beyond the object";
  // At the object's edge the sharp rectangle is fully red, the blurred one
  // nearly white and half red four pixels in.
  EXPECT_EQ(Scene.Pixel(110, 30), Red);
  EXPECT_GT(Green(Scene.Pixel(10, 30)), 235);
  EXPECT_GT(Green(Scene.Pixel(13, 30)), 140);
  EXPECT_LT(Green(Scene.Pixel(13, 30)), 170);
}

// The buffer holds the body at the opacity of its last rebuild: an opacity
// change is applied when drawing it, every change of what it holds rebuilds.
TEST_F(BlurShapes, TheBufferIsRebuiltOnlyWhenWhatItHoldsChanges) {
  struct Case {
    const char* Name;
    std::function<void(TzrBlurRectangle*)> Change;
    bool Rebuilt;
  };
  const Case cases[] = {
      {"opacity", [](TzrBlurRectangle* r) { r->SetOpacity(1); }, false},
      {"stroke thickness alone", [](TzrBlurRectangle* r) { r->SetStrokeThickness(3); }, false},
      {"xRadius", [](TzrBlurRectangle* r) { r->SetxRadius(12); }, true},
      {"yRadius", [](TzrBlurRectangle* r) { r->SetyRadius(12); }, true},
      {"corners", [](TzrBlurRectangle* r) { r->SetCorners(1 << zrCornerTopLeft); }, true},
      {"corner type", [](TzrBlurRectangle* r) { r->SetCornerType(zrCornerBevel); }, true},
      {"fill", [](TzrBlurRectangle* r) { r->GetFill()->SetSolidColor(0xFF0000FF); }, true},
      {"stroke", [](TzrBlurRectangle* r) { r->GetStroke()->SetStyle(zrBrushSolid); }, true},
      {"softness", [](TzrBlurRectangle* r) { r->SetSoftness(0.5f); }, true},
      {"size", [](TzrBlurRectangle* r) { r->SetWidth(50); }, true},
  };
  for (const Case& c : cases) {
    TzrBlurRectangle* r = Red40(0.3f);
    r->SetxRadius(8);
    r->SetyRadius(8);
    r->SetCorners(1 << zrCornerBottomRight);
    r->SetOpacity(0.5f);
    Scene.DrawAll();
    ASSERT_NEAR(BufferAlpha(r, 20, 20), 128, 1) << "built at opacity 0.5";
    const TzrColor corner = r->GetBuffer()->GetPixels(6, 6);
    const TzrColor centre = r->GetBuffer()->GetPixels(20, 20);
    c.Change(r);
    r->SetOpacity(1);
    Scene.DrawAll();
    const bool same = r->GetBuffer()->GetPixels(6, 6) == corner &&
                      r->GetBuffer()->GetPixels(20, 20) == centre &&
                      r->GetBuffer()->GetWidth() == 40;
    EXPECT_EQ(!same, c.Rebuilt) << c.Name;
    if (!c.Rebuilt) {
      // Drawn once at full opacity: the half-covered buffer shows half red.
      EXPECT_NEAR(Green(Scene.Pixel(30, 30)), 127, 2) << c.Name;
    }
    delete r;
  }
}

TEST_F(BlurShapes, TheRoundRectRebuildsOnCornersButNotOnOpacity) {
  auto* r = Make<TzrBlurRoundRect>(10, 10, 60, 30);
  r->GetFill()->SetSolidColor(Red);
  r->SetOpacity(0.5f);
  Scene.DrawAll();
  ASSERT_NE(r->GetBuffer(), nullptr);
  const TzrColor corner = r->GetBuffer()->GetPixels(6, 6);
  r->SetOpacity(1);
  Scene.DrawAll();
  EXPECT_EQ(r->GetBuffer()->GetPixels(6, 6), corner);
  r->SetCorners(0);
  Scene.DrawAll();
  EXPECT_GT(Alpha(r->GetBuffer()->GetPixels(6, 6)), Alpha(corner)) << "square corner now";
}

// No limit is set on Softness: radii beyond half the object leave nothing to
// draw, and huge or undefined values neither allocate by the radius nor crash.
TEST_F(BlurShapes, AnySoftnessIsDrawnSafely) {
  const float cases[] = {2, 100, 1e30f, std::numeric_limits<float>::infinity()};
  for (float softness : cases) {
    TzrBlurRectangle* r = Red40(softness);
    auto* round = Make<TzrBlurRoundRect>(60, 10, 40, 40);
    round->SetSoftness(softness);
    Scene.DrawAll();
    ASSERT_NE(r->GetBuffer(), nullptr) << softness;
    EXPECT_EQ(BufferAlpha(r, 20, 20), 0) << softness;
    EXPECT_EQ(Scene.Pixel(30, 30), White) << softness;
    EXPECT_EQ(Scene.Pixel(80, 30), White) << softness;
    delete r;
    delete round;
  }
  // An undefined softness blurs nothing: the body is drawn sharp.
  TzrBlurRectangle* r = Red40(std::numeric_limits<float>::quiet_NaN());
  Scene.DrawAll();
  EXPECT_EQ(BufferAlpha(r, 0, 0), 255);
  EXPECT_EQ(Scene.Pixel(10, 10), Red);
}

}  // namespace
