// Pictures for the gallery: every effect on a rectangle and on Latin and
// Chinese text, a glow switched by its trigger, and plot grids as the curve
// editors and the analyzer use them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "controls/zr_effects.h"
#include "controls/zr_plot_grid.h"
#include "tests/controls/effects_fixture.h"

namespace {

// A scene of its own size with a white root.
struct Picture {
  Picture(int W, int H) : Scene(W, H) {
    Root = new TzrVisualObject(&Owner);
    Scene.AddObject(Root);
    Root->SetBounds(0, 0, float(W), float(H));
  }
  template <class T>
  T* Node(float X, float Y, float W, float H, TzrVisualObject* Parent = nullptr) {
    auto* node = new T(&Owner);
    node->SetBounds(X, Y, W, H);
    node->SetParent(Parent ? Parent : Root);
    return node;
  }
  TComponent Owner{nullptr};
  TTestRurev Scene;
  TzrVisualObject* Root;
};

using EffectsGallery = EffectsTest;

TEST_F(EffectsGallery, EveryEffectOnARectangleAndOnText) {
  const std::vector<std::function<TzrEffect*(TComponent*)>> effects = {
      [](TComponent* o) { return new TzrShadowEffect(o); },
      [](TComponent* o) { return new TzrGlowEffect(o); },
      [](TComponent* o) { return new TzrInnerGlowEffect(o); },
      [](TComponent* o) { return new TzrBlurEffect(o); },
      [](TComponent* o) { return new TzrBevelEffect(o); },
      [](TComponent* o) { return new TzrReflectionEffect(o); },
  };
  Picture p(660, 400);
  for (size_t i = 0; i < effects.size(); ++i) {
    const float x = 20 + 110 * float(i);
    auto* rect = p.Node<TTestShape>(x, 20, 80, 50);
    rect->GetFill()->SetSolidColor(0xFF2E7DD7);
    auto* latin = p.Node<TTestText>(x, 150, 90, 40);
    latin->Text = u"Esc 42";
    auto* chinese = p.Node<TTestText>(x, 280, 90, 40);
    chinese->Text = u"电调设置";
    chinese->Color = 0xFFC02020;
    for (TzrVisualObject* node : std::initializer_list<TzrVisualObject*>{rect, latin, chinese})
      effects[i](&p.Owner)->SetParent(node);
  }
  p.Scene.DrawAll();
  p.Scene.SaveGallery("effects_all");
  EXPECT_NE(p.Scene.Pixel(60, 45), 0xFFFFFFFFu);
}

TEST_F(EffectsGallery, GlowSwitchedByItsTrigger) {
  Picture p(260, 100);
  TTestText* off = p.Node<TTestText>(10, 30, 110, 40);
  TTestText* on = p.Node<TTestText>(140, 30, 110, 40);
  for (TTestText* t : {off, on}) {
    t->Text = u"www 链接";
    t->Color = 0xFF1030A0;
    t->SetCanFocused(true);
    auto* glow = new TzrGlowEffect(&p.Owner);
    glow->SetGlowColor("#FFFF0000");
    glow->SetEnabled(false);
    glow->SetTrigger("IsFocused=true");
    glow->SetParent(t);
  }
  p.Scene.SetFocused(on);
  p.Scene.DrawAll();
  p.Scene.SaveGallery("effects_glow_trigger");
  EXPECT_NE(p.Scene.Pixel(140, 50), p.Scene.Pixel(10, 50));
}

TEST_F(EffectsGallery, PlotGridsOfTheCurveEditorsAndTheAnalyzer) {
  {
    // The curve editors: the grid fills a panel that casts a shadow.
    Picture p(580, 320);
    auto* panel = p.Node<TTestShape>(12, 12, 544, 286);
    auto* shadow = new TzrShadowEffect(&p.Owner);
    shadow->SetOpacity(0.8f);
    shadow->SetParent(panel);
    auto* grid = p.Node<TzrPlotGrid>(0, 0, 544, 286, panel);
    grid->SetMarks(8);
    grid->SetFrequency(8);
    p.Scene.DrawAll();
    p.Scene.SaveGallery("plot_grid_curve_editor");
    EXPECT_EQ(p.Scene.Pixel(12 + 272, 100), 0xFF505050u);
  }
  {
    Picture p(520, 330);
    auto* grid = p.Node<TzrPlotGrid>(0, 0, 520, 330);
    grid->SetMarks(25);
    grid->SetFrequency(10);
    p.Scene.DrawAll();
    p.Scene.SaveGallery("plot_grid_analyzer");
    EXPECT_EQ(p.Scene.Pixel(260, 100), 0xFF505050u);
  }
}

}  // namespace
