#pragma once
// Colour pickers that paint themselves: a swatch over a checkerboard
// (TzrColorBox), a saturation/luminance square for one hue (TzrColorQuad)
// and a vertical hue strip (TzrColorPicker). The square writes its colour
// into a linked swatch; the strip drives a linked square. A link is cleared
// when the linked control is freed.

#include <memory>

#include "scene/zr_control.h"

class TzrBitmap;

class TzrColorBox : public TzrControl {
 public:
  explicit TzrColorBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrColor GetColor() const { return FColor; }
  void SetColor(TzrColor Value);
  void Paint() override;

 private:
  TzrColor FColor = 0;
};

class TzrColorQuad : public TzrControl {
 public:
  explicit TzrColorQuad(TComponent* AOwner);
  ~TzrColorQuad() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetHue() const { return FHue; }
  void SetHue(float Value);
  float GetSat() const { return FSat; }
  void SetSat(float Value);
  float GetLum() const { return FLum; }
  void SetLum(float Value);
  float GetAlpha() const { return FAlpha; }
  void SetAlpha(float Value);
  TzrColorBox* GetColorBox() const { return FColorBox; }
  void SetColorBox(TzrColorBox* Value);

  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The marker overhangs the edges: repaints and hits reach 11 and 5 units out.
  TzrRect GetAbsoluteRect() override;
  bool PointInObject(float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void Paint() override;

  TNotifyEvent OnChange;

 private:
  // Sets Lum, then Sat from a local point; a zero size ignores its axis.
  void PointTo(float X, float Y);
  // The linked box gets the colour, then OnChange fires.
  void Changed();

  TzrColorBox* FColorBox = nullptr;
  std::unique_ptr<TzrBitmap> FColorBitmap;
  float FHue = 0;
  float FSat = 0;
  float FLum = 0;
  float FAlpha = 1;
};

class TzrColorPicker : public TzrControl {
 public:
  explicit TzrColorPicker(TComponent* AOwner);
  ~TzrColorPicker() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetHue() const { return FHue; }
  void SetHue(float Value);
  TzrColorQuad* GetColorQuad() const { return FColorQuad; }
  void SetColorQuad(TzrColorQuad* Value);
  // The fully saturated colour of the hue.
  TzrColor GetColor() const;
  // Takes the hue of the colour; a linked quad gets its alpha, hue,
  // saturation and luminance.
  void SetColor(TzrColor Value);
  // The cached strip (nil before the first paint).
  TzrBitmap* GetHueBitmap() const { return FHueBitmap.get(); }

  void Notification(TComponent* AComponent, TOperation Operation) override;
  TzrRect GetAbsoluteRect() override;
  bool PointInObject(float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void Paint() override;

 private:
  void PointTo(float Y);

  // Kept at the size of the first paint: later sizes stretch it.
  std::unique_ptr<TzrBitmap> FHueBitmap;
  float FHue = 0;
  TzrColorQuad* FColorQuad = nullptr;
};

// The three-ring marker of the quad and the strip, centred on (X, Y).
void zrPaintColorMarker(TzrCanvas* Canvas, float X, float Y, TzrColor Inner, float Opacity);
// The local rectangle under a white and light grey checkerboard of Cell
// units, cells counted from the origin.
void zrPaintCheckerboard(TzrCanvas* Canvas, const TzrRect& R, float Cell, float Opacity);
