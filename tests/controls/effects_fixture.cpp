#include "tests/controls/effects_fixture.h"

#include "controls/zr_effects.h"
#include "controls/zr_plot_grid.h"
#include "scene/zr_canvas.h"
#include "scene/zr_font.h"

void TTestText::Paint() {
  TzrCanvas* canvas = GetCanvas();
  canvas->GetFill()->SetStyle(zrBrushSolid);
  canvas->GetFill()->SetSolidColor(Color);
  canvas->GetFont()->SetFamily("Tahoma");
  canvas->GetFont()->SetSize(22);
  canvas->GetFont()->SetStyle(zrFontBold);
  canvas->FillText(GetLocalRect(), GetLocalRect(), Text, false, GetAbsoluteOpacity(),
                   zrTextAlignCenter, zrTextAlignCenter);
}

void EffectsTest::SetUpTestSuite() {
  VisualTest::SetUpTestSuite();
  RegisterEffectClasses();
  RegisterPlotGridClass();
}

TTestText* EffectsTest::Text(const std::u16string& S, float X, float Y, float W, float H) {
  auto* text = new TTestText(&Owner);
  text->Text = S;
  text->SetBounds(X, Y, W, H);
  text->SetParent(Root);
  return text;
}
