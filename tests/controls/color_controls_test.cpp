// The colour controls: the panel's colour text round trip, the quad's and
// the strip's pointer mapping and links, the gradient editor's stop editing
// and the ramps of the track bars.

#include <algorithm>
#include <cstdio>

#include "controls/zr_color_panel.h"
#include "controls/zr_color_quad.h"
#include "controls/zr_color_tracks.h"
#include "controls/zr_gradient_edit.h"
#include "controls/zr_objects.h"
#include "controls/zr_text_box.h"
#include "controls_fixture.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_classes.h"
#include "scene/zr_colors.h"
#include "scene/zr_gradient.h"
#include "scene/zr_stream_strict.h"

namespace {

class ColorControlsTest : public ControlsTest {};

std::string ColorText(uint32_t C) {
  char text[16];
  std::snprintf(text, sizeof text, "#%08X", C);
  return text;
}

TEST_F(ColorControlsTest, PanelKeepsTheAlphaByteForEveryValue) {
  auto* panel = Make<TzrColorPanel>(0, 0);
  auto* box = Make<TzrColorBox>(0, 0);
  panel->SetColorBox(box);
  int changes = 0;
  panel->OnChange = [&](TObject*) { ++changes; };
  for (uint32_t a = 0; a < 256; ++a) {
    const uint32_t color = a << 24 | 0x3366CC;
    panel->SetColor(ColorText(color));
    ASSERT_EQ(panel->GetColor().substr(1, 2), ColorText(color).substr(1, 2)) << a;
    ASSERT_EQ(box->GetColor() >> 24, a) << "the linked box rounds to the same byte";
  }
  EXPECT_EQ(changes, 256) << "one OnChange per assignment";
  panel->SetColor("#80FF0000");
  EXPECT_FLOAT_EQ(panel->GetAlphaTrack()->GetValue(), 128.0f / 255);
  EXPECT_EQ(panel->GetColor(), "#80FF0000");
}

TEST_F(ColorControlsTest, QuadMapsThePointerAndIgnoresAZeroAxis) {
  struct Case {
    float W, H;
    float Sat, Lum;  // after a drag to (30, 10)
  } cases[] = {{60, 40, 0.5f, 0.75f}, {0, 40, 0.2f, 0.75f}, {60, 0, 0.5f, 0.6f}};
  for (const Case& c : cases) {
    auto* quad = Make<TzrColorQuad>(0, 0);
    quad->SetBounds(0, 0, c.W, c.H);
    quad->SetSat(0.2f);
    quad->SetLum(0.6f);
    Press(quad, 30, 10);
    EXPECT_FLOAT_EQ(quad->GetSat(), 0.2f) << "a press alone changes nothing";
    Move(quad, 30, 10);
    EXPECT_FLOAT_EQ(quad->GetSat(), c.Sat) << c.W << "x" << c.H;
    EXPECT_FLOAT_EQ(quad->GetLum(), c.Lum) << c.W << "x" << c.H;
    Release(quad, 1000, -1000);
    if (c.W != 0) EXPECT_FLOAT_EQ(quad->GetSat(), 1) << "clamped";
    if (c.H != 0) EXPECT_FLOAT_EQ(quad->GetLum(), 1) << "clamped";
    delete quad;
  }
}

TEST_F(ColorControlsTest, QuadWritesItsBoxAndForgetsLinksThatAreFreed) {
  auto* quad = Make<TzrColorQuad>(0, 0);
  auto* picker = Make<TzrColorPicker>(0, 0);
  auto* box = Make<TzrColorBox>(0, 0);
  quad->SetColorBox(box);
  picker->SetColorQuad(quad);
  picker->SetColor(0x800000FF);
  EXPECT_FLOAT_EQ(quad->GetHue(), 2.0f / 3);
  EXPECT_EQ(box->GetColor(), 0x800000FFu);
  EXPECT_EQ(quad->GetAbsoluteRect(),
            zrRect(-11, -11, quad->GetWidth() + 11, quad->GetHeight() + 11));
  delete box;
  EXPECT_EQ(quad->GetColorBox(), nullptr);
  quad->SetSat(0.3f);
  delete quad;
  EXPECT_EQ(picker->GetColorQuad(), nullptr);
  picker->SetHue(0.1f);
}

// ---------------------------------------------------------------- gradient editor

class GradientEditTest : public ControlsTest {
 protected:
  GradientEditTest() {
    Edit = Make<TzrGradientEdit>(0, 0);
    Edit->OnChange = [this](TObject*) { ++Changes; };
  }
  TzrGradientPoints* Points() { return Edit->GetGradient()->GetPoints(); }
  // X of a stop's handle centre; Y of the handle band.
  float HandleX(int I) { return (Edit->GetWidth() - 20) * Points()->GetPoint(I)->GetOffset() + 10; }
  float Band() { return Edit->GetHeight() - 5; }
  TzrGradientEdit* Edit = nullptr;
  int Changes = 0;
};

TEST_F(GradientEditTest, ClickBetweenStopsInsertsWithoutChangingTheLook) {
  Points()->Clear();
  Points()->AddPoint(0xFF000000, 0);
  Points()->AddPoint(0xFFFFFFFF, 0.5f);
  Points()->AddPoint(0xFFFF0000, 1);
  std::vector<TzrColor> before;
  for (int i = 0; i <= 20; ++i) before.push_back(Edit->GetGradient()->InterpolateColor(i / 20.0f));
  Press(Edit, 10 + 180 * 0.75f, 5);
  Release(Edit, 10 + 180 * 0.75f, 5);
  ASSERT_EQ(Points()->Count(), 4);
  EXPECT_EQ(Edit->GetCurrentPoint(), 2);
  EXPECT_FLOAT_EQ(Points()->GetPoint(2)->GetOffset(), 0.75f);
  EXPECT_EQ(Changes, 1);
  for (int i = 0; i <= 20; ++i)
    EXPECT_NEAR(double(Edit->GetGradient()->InterpolateColor(i / 20.0f) & 0xFF),
                double(before[size_t(i)] & 0xFF), 1)
        << i;
  // Left of the first stop's offset still goes after the first stop.
  Points()->GetPoint(0)->SetOffset(0.2f);
  Press(Edit, 12, 5);
  EXPECT_EQ(Points()->Count(), 5);
  EXPECT_EQ(Edit->GetCurrentPoint(), 1);
}

TEST_F(GradientEditTest, ClickRightOfTheLastStopAddsNothing) {
  Points()->GetPoint(1)->SetOffset(0.5f);
  Press(Edit, 150, 5);
  Release(Edit, 150, 5);
  EXPECT_EQ(Points()->Count(), 2);
  EXPECT_EQ(Changes, 0);
}

TEST_F(GradientEditTest, InnerStopDraggedAwayHidesAndIsDeletedBelow) {
  Points()->AddPoint(0xFF00FF00, 0.5f)->SetIndex(1);
  Press(Edit, HandleX(1), Band());
  Move(Edit, HandleX(1), Edit->GetHeight() + 11);
  EXPECT_TRUE(Edit->GetCurrentPointInvisible());
  Move(Edit, HandleX(1), -9);
  EXPECT_FALSE(Edit->GetCurrentPointInvisible()) << "within 10 units it shows again";
  Move(Edit, HandleX(1), -11);
  EXPECT_TRUE(Edit->GetCurrentPointInvisible());
  Release(Edit, HandleX(1), -11);
  EXPECT_EQ(Points()->Count(), 3) << "released above: kept";
  EXPECT_FALSE(Edit->GetCurrentPointInvisible());
  Press(Edit, HandleX(1), Band());
  Move(Edit, HandleX(1), Edit->GetHeight() + 20);
  Release(Edit, HandleX(1), Edit->GetHeight() + 20);
  ASSERT_EQ(Points()->Count(), 2);
  EXPECT_EQ(Edit->GetCurrentPoint(), 0);
}

TEST_F(GradientEditTest, EndStopsNeverHideAndASingleStopStays) {
  Press(Edit, HandleX(1), Band());
  Move(Edit, 100, Edit->GetHeight() + 20);
  EXPECT_FALSE(Edit->GetCurrentPointInvisible());
  Release(Edit, 100, Edit->GetHeight() + 20);
  ASSERT_EQ(Points()->Count(), 1) << "an end stop released below goes too";
  Press(Edit, HandleX(0), Band());
  Release(Edit, HandleX(0), Edit->GetHeight() + 20);
  EXPECT_EQ(Points()->Count(), 1);
  Press(Edit, 100, 5);
  EXPECT_EQ(Points()->Count(), 1) << "no later stop to insert before";
}

TEST_F(GradientEditTest, DraggedStopPassesItsNeighbour) {
  Points()->AddPoint(0xFF00FF00, 0.3f)->SetIndex(1);
  Points()->AddPoint(0xFF0000FF, 0.6f)->SetIndex(2);
  Press(Edit, HandleX(1), Band());
  Move(Edit, 10 + 180 * 0.8f, Band());
  EXPECT_EQ(Edit->GetCurrentPoint(), 2);
  EXPECT_EQ(Points()->GetPoint(2)->GetIntColor(), 0xFF00FF00u);
  EXPECT_EQ(Points()->GetPoint(1)->GetIntColor(), 0xFF0000FFu);
}

TEST_F(GradientEditTest, CurrentStopBeyondTheStopsHandsNothingAndDrawsNoHandle) {
  auto* picker = Make<TzrColorPicker>(0, 40);
  Points()->AddPoint(0xFF00FF00, 0.5f)->SetIndex(1);
  Edit->SetCurrentPoint(2);
  Edit->SetColorPicker(picker);
  picker->SetHue(0.25f);
  TzrGradient fewer;
  Edit->SetGradient(&fewer);
  Edit->SetColorPicker(picker);
  Edit->UpdateGradient();
  EXPECT_FLOAT_EQ(picker->GetHue(), 0.25f);
  EXPECT_EQ(Edit->GetPointRect(2), zrRect(0, 0, 0, 0));
  Show();  // paints without the missing stop
  Edit->SetCurrentPoint(1);
  EXPECT_FLOAT_EQ(picker->GetHue(), 0) << "white has hue 0";
}

// ---------------------------------------------------------------- ramps

TEST_F(ColorControlsTest, RampFollowsTheBackgroundSizeAndHueStripKeepsItsFirst) {
  auto* track = Make<TzrHueTrackBar>(0, 0);
  Show();
  ASSERT_NE(track->GetBackground(), nullptr);
  TzrBitmap* first = track->GetBitmap();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetWidth(), int(track->GetBackground()->GetWidth()));
  EXPECT_EQ(track->GetBackground()->GetFill()->GetStyle(), zrBrushBitmap);
  track->Realign();
  EXPECT_EQ(track->GetBitmap(), first) << "same size: not rebuilt";
  track->SetWidth(track->GetWidth() + 40);
  Show();
  ASSERT_NE(track->GetBitmap(), nullptr);
  EXPECT_EQ(track->GetBitmap()->GetWidth(), int(track->GetBackground()->GetWidth()));
  EXPECT_EQ(track->GetBitmap()->GetPixels(0, 0), zrHSLtoRGB(0, 0.9f, 0.5f));

  auto* strip = Make<TzrColorPicker>(0, 40);
  strip->SetBounds(0, 40, 15, 100);
  Show();
  ASSERT_NE(strip->GetHueBitmap(), nullptr);
  strip->SetHeight(150);
  Show();
  EXPECT_EQ(strip->GetHueBitmap()->GetHeight(), 100);
}

TEST_F(ColorControlsTest, RampsByClass) {
  auto* bw = Make<TzrBWTrackBar>(0, 0);
  auto* alpha = Make<TzrAlphaTrackBar>(0, 20);
  auto* hud = Make<TzrHudBWTrackBar>(0, 40);
  Show();
  ASSERT_TRUE(bw->GetBitmap() && alpha->GetBitmap() && hud->GetBitmap());
  const int w = bw->GetBitmap()->GetWidth();
  EXPECT_EQ(bw->GetBitmap()->GetPixels(0, 0), 0xFF000000u);
  EXPECT_GT(bw->GetBitmap()->GetPixels(w - 1, 0) & 0xFF, 0xF0u);
  EXPECT_EQ(alpha->GetBitmap()->GetPixels(alpha->GetBitmap()->GetWidth() - 1, 0), 0xFFFFFFFFu)
      << "opaque white on the right";
  EXPECT_NE(alpha->GetBitmap()->GetPixels(0, 3), alpha->GetBitmap()->GetPixels(0, 0))
      << "checkerboard on the left";
  EXPECT_EQ(hud->GetStyleName(), "hudtrackbarstyle");
  EXPECT_EQ(hud->GetMax(), 100) << "plain track bar's range";
  for (int x = 0; x < hud->GetBitmap()->GetWidth(); ++x)
    ASSERT_EQ(hud->GetBitmap()->GetPixels(x, 0), 0u) << "no ramp";
  EXPECT_EQ(bw->GetStyleName(), "trackbarstyle");
  EXPECT_FLOAT_EQ(alpha->GetValue(), 1);
}

// ---------------------------------------------------------------- combo colour box

TEST_F(ColorControlsTest, ComboBoxTextAndPanelFollowEachOther) {
  auto* combo = Make<TzrComboColorBox>(10, 10);
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };
  combo->SetColor("#FF00FF00");
  EXPECT_EQ(combo->GetColorText()->GetText(), u"#FF00FF00");
  EXPECT_EQ(combo->GetColorBox()->GetColor(), 0xFF00FF00u);
  EXPECT_EQ(changes, 1);
  combo->GetColorText()->SetText(u"#800000FF");
  combo->GetColorText()->Change();
  EXPECT_EQ(combo->GetColor(), "#800000FF");
  combo->SetData(Variant(int64_t(0xFFFF0000)));
  EXPECT_EQ(combo->GetData().ToString(), "#FFFF0000");
  combo->SetUseAlpha(false);
  EXPECT_FALSE(combo->GetColorPanel()->GetAlphaTrack()->GetVisible());
}

}  // namespace

namespace {

TEST_F(ColorControlsTest, RegisteredByCategory) {
  std::vector<std::string> colors, hud;
  bool inspector = false;
  for (const auto& [category, info] : ObjectList()) {
    if (category == "Colors") colors.push_back(info->Name());
    if (category == "HUD" && info->Name().find("Color") != std::string::npos)
      hud.push_back(info->Name());
    if (category == "HUD" && info->Name().find("TrackBar") != std::string::npos &&
        info->Name() != "TzrHudTrackBar" && info->Name() != "TzrHudComboTrackBar")
      hud.push_back(info->Name());
    inspector = inspector || (category == "Design" && info->Name() == "TzrInspector");
  }
  // The list holds the newest registration first.
  std::reverse(colors.begin(), colors.end());
  std::reverse(hud.begin(), hud.end());
  EXPECT_EQ(colors, (std::vector<std::string>{"TzrHueTrackBar", "TzrAlphaTrackBar", "TzrBWTrackBar",
                                              "TzrColorQuad", "TzrColorPicker", "TzrGradientEdit",
                                              "TzrColorBox", "TzrColorPanel", "TzrComboColorBox"}));
  EXPECT_EQ(hud, (std::vector<std::string>{"TzrHudHueTrackBar", "TzrHudAlphaTrackBar",
                                           "TzrHudBWTrackBar", "TzrHudComboColorBox"}));
  EXPECT_TRUE(inspector);
  EXPECT_NE(GetClass("TzrColorPanel"), nullptr) << "streams can make them";
}

}  // namespace

namespace {

// A panel written and read back: only its own properties are written, and
// after loading its tracks and quad show the colour again.
TEST_F(ColorControlsTest, PanelStreamsItsColourAndResynchronisesWhenLoaded) {
  TzrColorPanel panel(nullptr);
  panel.SetColor("#80FF0000");
  panel.SetUseAlpha(false);
  TMemoryStream text;
  panel.SaveToStream(&text);
  std::string bytes(size_t(text.GetSize()), '\0');
  text.SetPosition(0);
  text.ReadBuffer(bytes.data(), int32_t(bytes.size()));
  EXPECT_NE(bytes.find("Color = '#80FF0000'"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("UseAlpha = False"), std::string::npos) << bytes;
  EXPECT_EQ(bytes.find("TzrColorQuad"), std::string::npos) << "inner controls are not written";
  text.SetPosition(0);
  std::unique_ptr<TComponent> read = ReadObjectTextStrict(&text);
  auto* again = dynamic_cast<TzrColorPanel*>(read.get());
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->GetColor(), "#80FF0000");
  EXPECT_FLOAT_EQ(again->GetAlphaTrack()->GetValue(), 128.0f / 255);
  EXPECT_FLOAT_EQ(again->GetHueTrack()->GetValue(), again->GetColorQuad()->GetHue());
  EXPECT_FALSE(again->GetAlphaTrack()->GetVisible());
}

}  // namespace
