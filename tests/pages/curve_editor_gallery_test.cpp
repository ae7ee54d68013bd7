// What the curve editors show, written to the build folder's gallery in
// English and Chinese and checked at the points the curve and its nodes are
// computed to lie; and the editors shown modally and modeless.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <string>

#include "CurveEditorFixture.h"
#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_labels.h"
#include "pages/frmGraph.h"
#include "pages/frmGraph2.h"
#include "scene/zr_resources.h"
#include "tests/support/SceneShot.h"

namespace {

using pagetest::Blue;
using pagetest::CurveMouse;
using pagetest::Green;
using pagetest::Pixel;
using pagetest::Red;

class CurveEditorGallery : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
  CurveEditorGallery() { Main.OnActivate = nullptr; }

  // The captions and the detail text, as the opener sets them.
  template <class Editor>
  void Dress(Editor& Form, bool Chinese, const std::u16string& Detail) {
    Form.ControlsScene->SetStyle(Main.SceneStyle);
    Form.btnInit->SetText(Chinese ? u"初始化" : u"Reset");
    Form.btnOk->SetText(Chinese ? u"确定" : u"Ok");
    Form.btnCancel->SetText(Chinese ? u"取消" : u"Cancel");
    Form.Label3->SetText(Detail);
  }
  template <class Editor>
  void SetLabels(Editor& Form, const char16_t* const (&X)[9], const char16_t* const (&Y)[9]) {
    for (int i = 0; i < 9; ++i) {
      Form.xLabels[i]->SetText(X[i]);
      Form.yLabels[i]->SetText(Y[i]);
    }
  }

  TfrmInterface Main{nullptr};
};

const char16_t* const kPercent[9] = {u"0%",    u"12.5%", u"25%",   u"37.5%", u"50%",
                                     u"62.5%", u"75%",   u"87.5%", u"100%"};
const char16_t* const kPercentDown[9] = {u"100%",  u"87.5%", u"75%",   u"62.5%", u"50%",
                                         u"37.5%", u"25%",   u"12.5%", u"0%"};

// Scene pixel of plot grid point (X, Y): the grid lies at 57, 30.
TzrColor PlotPixel(TzoRurev* Scene, float X, float Y) {
  return Pixel(Scene, 57 + int(X), 30 + int(Y));
}
bool IsRed(TzrColor C) { return Red(C) > 180 && Green(C) < 90 && Blue(C) < 90; }
bool IsBlue(TzrColor C) { return Blue(C) > 150 && Red(C) < 100; }
bool IsBrown(TzrColor C) { return Red(C) > 110 && Green(C) > 60 && Blue(C) < 60; }

TEST_F(CurveEditorGallery, PercentCurveWithNodes) {
  TfrmGraph form(&Main);
  Dress(form, false,
        u"Throttle curve: drag a node with the left button, remove it with the right.");
  SetLabels(form, kPercent, kPercentDown);
  for (int i = 0; i < 256; ++i) form.FCurve[i] = i;
  CurveMouse mouse(form);
  mouse.Click(mbLeft, 16 + 2 * 64, 270 - 30);
  mouse.Click(mbLeft, 16 + 2 * 160, 270 - 200);
  ASSERT_EQ(form.FNodeCount, 4);
  form.Show();
  pagetest::WaitDrawn(form.ControlsScene);
  pagetest::SaveWindow(form, "curve_editor_256_en");
  // The curve between nodes, and the nodes themselves.
  for (const int i : {20, 100, 130, 200, 240}) {
    const float x = 16 + 2 * i, y = 271 - form.FCurve[i];
    EXPECT_TRUE(IsRed(PlotPixel(form.ControlsScene, x, y)))
        << i << " " << std::hex << PlotPixel(form.ControlsScene, x, y);
  }
  for (const int n : {64, 160}) {
    const float x = 16 + 2 * n, y = 271 - form.FCurve[n];
    EXPECT_TRUE(IsBlue(PlotPixel(form.ControlsScene, x, y))) << n;
  }
  // Off the curve the grid shows through; the axes are black.
  EXPECT_FALSE(IsRed(PlotPixel(form.ControlsScene, 16 + 2 * 100, 271 - 150)));
  EXPECT_EQ(PlotPixel(form.ControlsScene, 300, 271) & 0xFFFFFF, 0u);
  form.Hide();
}

TEST_F(CurveEditorGallery, RpmCurveWithItsBrownLockedTail) {
  TfrmGraph form(&Main);
  Dress(form, true, u"转速曲线：锁定位置之后的点保持在最高转速。");
  const char16_t* const x[9] = {u"1", u"8", u"16", u"24", u"32", u"40", u"48", u"56", u"64"};
  const char16_t* const y[9] = {u"3000", u"2750", u"2500", u"2250", u"2000",
                                u"1750", u"1500", u"1250", u"1000"};
  SetLabels(form, x, y);
  form.FXScale = 8;
  form.FYScale = 7.8125f;
  form.FYOffset = 1000;
  form.FLockIndex = 40;
  form.FNodes[1] = 63;
  form.btnInitClick(nullptr);
  form.FMaxNodes = 64;
  CurveMouse mouse(form);
  mouse.Click(mbLeft, 16 + 8 * 20, 270 - 60);
  form.Show();
  pagetest::WaitDrawn(form.ControlsScene);
  pagetest::SaveWindow(form, "curve_editor_64_zh");
  auto node = [&](int n) {
    return PlotPixel(form.ControlsScene, 16 + 8 * n, 271 - form.FCurve[n]);
  };
  EXPECT_TRUE(IsBlue(node(20)));
  EXPECT_TRUE(IsBlue(node(39)));  // the lock position itself
  for (const int n : {40, 50, 63}) EXPECT_TRUE(IsBrown(node(n))) << n << " " << std::hex << node(n);
  EXPECT_TRUE(IsRed(PlotPixel(form.ControlsScene, 16 + 8 * 30 + 4,
                              271 - (form.FCurve[30] + form.FCurve[31]) / 2.0f)));
  form.Hide();
}

TEST_F(CurveEditorGallery, SampleCurveAfterAPreset) {
  for (const bool chinese : {false, true}) {
    TfrmGraph2 form(&Main);
    Dress(form, chinese, chinese ? u"刹车频率曲线" : u"Brake frequency curve");
    const char16_t* const y[9] = {u"32k", u"28k", u"24k", u"20k", u"16k",
                                  u"12k", u"8k",  u"4k",  u"0k"};
    SetLabels(form, kPercent, y);
    form.FXScale = 8;
    form.FNodes[1] = 63;
    form.Show();  // fills the presets from the top label
    ASSERT_EQ(form.FScaleMax, 64);
    form.scbSelect->SetItemIndex(3);  // "16k"
    CurveMouse mouse(form);
    mouse.Click(mbLeft, 16 + 8 * 40, 270 - 200);
    ASSERT_EQ(form.FNodeCount, 3);
    pagetest::WaitDrawn(form.ControlsScene);
    pagetest::SaveWindow(form, chinese ? "sample_editor_zh" : "sample_editor_en");
    for (const int i : {5, 20, 50, 60}) {
      const float x = 24 + 8 * i, y = 271 - form.FSamples[i];
      EXPECT_TRUE(IsRed(PlotPixel(form.ControlsScene, x, y))) << i;
    }
    EXPECT_TRUE(IsBrown(PlotPixel(form.ControlsScene, 24 + 8 * 40, 271 - 200)));
    form.Hide();
  }
}

// Ok and Cancel end the modal loop with results 1 and 2.
TEST_F(CurveEditorGallery, ShownModallyTheButtonsGiveTheResult) {
  for (const int result : {1, 2}) {
    TfrmGraph form(&Main);
    form.ControlsScene->SetStyle(Main.SceneStyle);
    TzrRoundButton* button = result == 1 ? form.btnOk : form.btnCancel;
    const guint source = g_timeout_add(
        50,
        [](gpointer b) -> gboolean {
          static_cast<TzrRoundButton*>(b)->Click();
          return G_SOURCE_REMOVE;
        },
        button);
    EXPECT_EQ(form.ShowModal(), result);
    (void)source;
  }
  TfrmGraph2 form(&Main);
  const guint source = g_timeout_add(
      50,
      [](gpointer b) -> gboolean {
        static_cast<TzrRoundButton*>(b)->Click();
        return G_SOURCE_REMOVE;
      },
      form.btnOk);
  EXPECT_EQ(form.ShowModal(), 1);
  (void)source;
}

}  // namespace
