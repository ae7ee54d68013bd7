#include "controls/zr_plot_grid.h"

#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_canvas.h"
#include "scene/zr_classes.h"
#include "scene/zr_colors.h"

namespace {

constexpr TzrColor DefaultLineColor = 0xFF505050;
constexpr float MinFrequency = 0.001f;

bool Integral(double Value) { return Value == std::trunc(Value); }

// The next position of a single-precision accumulator. Far from the centre a
// small step no longer changes the sum; the walk then ends instead of
// drawing the same line for ever.
bool Advance(float& Position, float Step) {
  const float next = Position + Step;
  if (next == Position) return false;
  Position = next;
  return true;
}

}  // namespace

TzrPlotGrid::TzrPlotGrid(TComponent* AOwner)
    : TzrVisualObject(AOwner),
      FLineFill(std::make_unique<TzrBrush>(zrBrushSolid, DefaultLineColor)) {
  FLineFill->OnChanged = [this](TObject* Sender) { LineFillChanged(Sender); };
}

TzrPlotGrid::~TzrPlotGrid() { FLineFill->OnChanged = nullptr; }

const TClassInfo* TzrPlotGrid::Class() {
  using T = TzrPlotGrid;
  static const TClassInfo* info = TClassDecl<T>("TzrPlotGrid", TzrVisualObject::Class())
                                      .Prop("LineFill", &T::GetLineFill, &T::SetLineFill)
                                      .Prop("Marks", &T::GetMarks, &T::SetMarks)
                                      .Prop("Frequency", &T::GetFrequency, &T::SetFrequency);
  return info;
}

void TzrPlotGrid::LineFillChanged(TObject*) { Repaint(); }

void TzrPlotGrid::SetMarks(float Value) {
  if (Value == FMarks) return;
  FMarks = Value;
  Repaint();
}

void TzrPlotGrid::SetFrequency(float Value) {
  if (Value == FFrequency) return;
  FFrequency = Value < MinFrequency ? MinFrequency : Value;
  Repaint();
}

void TzrPlotGrid::LineStyle(float D, float& Thickness, TzrColor& Color) const {
  Color = FLineFill->GetSolidColor();
  Thickness = D == 0 ? 2.0f : 1.0f;
  if (D == 0) return;
  // Major lines lie on whole units and on a whole number of Marks steps.
  const bool major =
      FMarks != 0 && Integral(D) && Integral(double(D) / double(FFrequency) / double(FMarks));
  if (!major) Color = zrOpacity(Color, 0.4f);
}

void TzrPlotGrid::DrawLine(float X1, float Y1, float X2, float Y2) {
  GetCanvas()->DrawLine({X1, Y1}, {X2, Y2}, GetAbsoluteOpacity());
}

void TzrPlotGrid::Paint() {
  TzrCanvas* canvas = GetCanvas();
  canvas->GetStroke()->Assign(FLineFill.get());
  const float w = GetWidth(), h = GetHeight();
  const float cx = std::nearbyint(w / 2), cy = std::nearbyint(h / 2);
  float t = 0;
  TzrColor color = 0;
  for (float x = 0; w / 2 > x;) {
    LineStyle(x, t, color);
    canvas->GetStroke()->SetSolidColor(color);
    canvas->SetStrokeThickness(t);
    DrawLine(cx + x + t / 2, 0, cx + x + t / 2, h);
    if (x != 0) DrawLine(cx - x + t / 2, 0, cx - x + t / 2, h);
    if (!Advance(x, FFrequency)) break;
  }
  for (float y = 0; h / 2 > y;) {
    LineStyle(y, t, color);
    canvas->GetStroke()->SetSolidColor(color);
    canvas->SetStrokeThickness(t);
    DrawLine(0, cy + y + t / 2, w, cy + y + t / 2);
    if (y != 0) DrawLine(0, cy - y + t / 2, w, cy - y + t / 2);
    if (!Advance(y, FFrequency)) break;
  }
}

void RegisterPlotGridClass() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterZRObjects("Math", {TzrPlotGrid::Class()});
}
