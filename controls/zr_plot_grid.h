#pragma once
// TzrPlotGrid: the backdrop of the curve editors and of the analyzer's plot
// area. A heavy cross through the middle, minor lines every Frequency units
// on both sides of it and full-colour major lines every Marks minor steps.
// Owners draw their curves over it from OnPaint.

#include <memory>

#include "scene/zr_brush.h"
#include "scene/zr_visual.h"

class TzrPlotGrid : public TzrVisualObject {
 public:
  explicit TzrPlotGrid(TComponent* AOwner);
  ~TzrPlotGrid() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Paint() override;

  // Copied into the owned brush, which is never replaced.
  TzrBrush* GetLineFill() const { return FLineFill.get(); }
  void SetLineFill(TzrBrush* Value) { FLineFill->Assign(Value); }
  // Any value; 0 makes every line but the centre minor.
  float GetMarks() const { return FMarks; }
  void SetMarks(float Value);
  // Never below 0.001, so the drawing loops always advance.
  float GetFrequency() const { return FFrequency; }
  void SetFrequency(float Value);

 private:
  void LineFillChanged(TObject* Sender);
  // Thickness and colour of the line at accumulated distance D from the
  // centre.
  void LineStyle(float D, float& Thickness, TzrColor& Color) const;
  void DrawLine(float X1, float Y1, float X2, float Y2);

  float FMarks = 25;
  float FFrequency = 5;
  std::unique_ptr<TzrBrush> FLineFill;
};

// Registers TzrPlotGrid under "Math", so that streams create it by name.
void RegisterPlotGridClass();
