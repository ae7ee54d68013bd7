// Progress bars: the indicator's length against the track's inner length,
// when it is laid out again, the hidden short indicator, orientation
// switches and the gloss; the activity indicator's lit dots.

#include "controls/zr_progress.h"
#include "scene/zr_ani.h"
#include "tests/controls/controls_fixture.h"

namespace {

class ProgressTest : public ControlsTest {
 protected:
  TzrProgressBar* NewBar() {
    auto* bar = Make<TzrProgressBar>(10, 10);
    bar->SetBounds(10, 10, 100, 20);
    Show();
    return bar;
  }
  static TzrVisualObject* Part(TzrControl* C, const char* Name) {
    TzrObject* o = C->FindResource(Name);
    return o && o->GetIsVisual() ? o->GetVisual() : nullptr;
  }
};

TEST_F(ProgressTest, IndicatorLengthFollowsTheValue) {
  TzrProgressBar* bar = NewBar();
  bar->SetMax(200);
  TzrVisualObject* ind = Part(bar, "hindicator");
  ASSERT_NE(ind, nullptr);
  struct {
    float Value, Width;
    bool Visible;
  } cases[] = {
      {50, 24, true},       // 50 / 200 of 100 - 2 - 2
      {200, 96, true},      // full
      {6, 2.88f, true},     // just above 2 pixels
      {4, 1.92f, false},    // 2 pixels or less: hidden
      {0, 0, false},        // at Min: an empty track
      {300, 144, true},     // above Max: longer than the track, unclamped
      {-10, -4.8f, false},  // below Min: negative, hidden
  };
  for (auto c : cases) {
    bar->SetValue(c.Value);
    EXPECT_FLOAT_EQ(ind->GetWidth(), c.Width) << c.Value;
    EXPECT_EQ(ind->GetVisible(), c.Visible) << c.Value;
    EXPECT_EQ(bar->GetValue(), c.Value);
  }
}

TEST_F(ProgressTest, MinAndMaxWaitForTheNextLayout) {
  TzrProgressBar* bar = NewBar();
  bar->SetMax(200);
  bar->SetValue(50);
  TzrVisualObject* ind = Part(bar, "hindicator");
  bar->SetMax(100);
  bar->SetValue(50);
  EXPECT_FLOAT_EQ(ind->GetWidth(), 24) << "an unchanged value lays nothing out";
  bar->SetWidth(104);
  EXPECT_FLOAT_EQ(ind->GetWidth(), 50) << "a size change does, against the new width";
  bar->SetMin(100);
  bar->SetValue(80);
  EXPECT_FLOAT_EQ(ind->GetWidth(), 50) << "Max equal to Min: left as it was";
}

TEST_F(ProgressTest, OrientationShowsTheOtherTrack) {
  TzrProgressBar* bar = NewBar();
  bar->SetBounds(10, 10, 30, 104);
  bar->SetValue(25);
  bar->SetOrientation(zrVertical);
  EXPECT_EQ(bar->GetWidth(), 30) << "not resized at run time";
  EXPECT_FALSE(Part(bar, "htrack")->GetVisible());
  EXPECT_TRUE(Part(bar, "vtrack")->GetVisible());
  EXPECT_FLOAT_EQ(Part(bar, "vindicator")->GetHeight(), 25);
  EXPECT_FALSE(Part(bar, "hindicator")->GetVisible());
  bar->SetOrientation(zrHorizontal);
  EXPECT_TRUE(Part(bar, "htrack")->GetVisible()) << "switching back shows it again";
  EXPECT_FALSE(Part(bar, "vtrack")->GetVisible());
  EXPECT_FLOAT_EQ(Part(bar, "hindicator")->GetWidth(), 6.5f);
}

TEST_F(ProgressTest, GlossSweepsAlongTheFilledPart) {
  TzrProgressBar* bar = NewBar();
  bar->SetValue(60);
  TzrVisualObject* ind = Part(bar, "hindicator");
  ASSERT_GT(ind->GetChildrenCount(), 0);
  TzrObject* clip = ind->GetChild(0);
  ASSERT_TRUE(clip->GetIsVisual() && clip->GetChildrenCount() > 0);
  TzrVisualObject* gloss = clip->GetChild(0)->GetVisual();
  const float start = gloss->GetPosition()->GetX();
  Wait(1000);
  const float later = gloss->GetPosition()->GetX();
  EXPECT_GT(later, start + 100) << "about 212 px a second";
}

TEST_F(ProgressTest, DataValues) {
  TzrProgressBar* bar = NewBar();
  bar->SetMin(5);
  bar->SetData(Variant(42.5));
  EXPECT_EQ(bar->GetValue(), 42.5f);
  EXPECT_EQ(bar->GetData().ToDouble(), 42.5);
  bar->SetData(Variant("half"));
  EXPECT_EQ(bar->GetValue(), 5) << "anything else sets Min";
}

TEST_F(ProgressTest, CircleIndicatorLightsItsFirstAndLastDotTogether) {
  auto* ind = Make<TzrAniIndicator>(20, 20);
  ind->SetBounds(20, 20, 60, 60);
  ind->SetStyle(zrAniIndicatorCircle);
  Show();
  const TzrColor idle = Scene.Pixel(72, 50);
  EXPECT_EQ(idle, 0xFFBABABAu) << "a grey ring while not enabled";
  ind->SetEnabled(true);
  ind->GetCarrier()->SetRotateAngle(0);
  Show();
  // R = 30 - 30 / 3.7, centre (50, 50): dot 0 at 0 degrees, dot 7 at 315,
  // dot 1 at 45 degrees.
  const auto dark = [this](int X, int Y) { return (Scene.Pixel(X, Y) & 0xFF) < 0x30; };
  EXPECT_TRUE(dark(72, 50)) << "dot 0";
  EXPECT_TRUE(dark(65, 35)) << "dot 7";
  EXPECT_FALSE(dark(65, 65)) << "dot 1";
  ind->GetCarrier()->SetRotateAngle(4);
  Show();
  EXPECT_TRUE(dark(65, 65)) << "4 degrees later dot 1 is lit";
  EXPECT_GT(Scene.Pixel(72, 50) & 0xFF, Scene.Pixel(65, 65) & 0xFF) << "and dot 0 fading";
}

TEST_F(ProgressTest, EnabledRunsTheCarriersRotation) {
  auto* ind = Make<TzrAniIndicator>(20, 20);
  ind->SetEnabled(true);
  Wait(1000);
  const float angle = ind->GetCarrier()->GetRotateAngle();
  EXPECT_NEAR(angle, 36, 4) << "360 degrees in 10 s";
  ind->SetEnabled(false);
  const float stopped = ind->GetCarrier()->GetRotateAngle();
  Wait(500);
  EXPECT_EQ(ind->GetCarrier()->GetRotateAngle(), stopped) << "stopped";
}

}  // namespace
