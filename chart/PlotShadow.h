#pragma once
// Shadow attributes of chart elements (and the emboss, a shadow with other
// defaults), the geometry of where a shadow falls, and the smooth shadow's
// blur: a mask blurred by a separable kernel that darkens the background.

#include <span>

#include "chart/PlotGeometry.h"
#include "chart/PlotPen.h"

class TCanvas3D;
class TPlotCanvas;
class TPlotBlend;

enum TShadowDirection { sdLeftTop, sdLeftBottom, sdRightTop, sdRightBottom, sdCenter };
using TPlotTransparency = uint8_t;  // 0 (opaque) to 100 percent

class TPlotShadow : public TPersistent {
 public:
  explicit TPlotShadow(TNotifyEvent OnChange = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Copies everything published but Clip, without notification.
  void Assign(TPersistent* Source) override;

  // Visibility, colour and both sizes, and the same as their defaults; no notification.
  void InitValues(bool AVisible, TColor AColor, int ASize);
  int GetSize() const;
  void SetSize(int Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool ShouldDraw() const { return FVisible && (FHorizSize != 0 || FVertSize != 0); }
  // Moved towards the direction, or inflated by the sizes for sdCenter.
  TRect OffsetRectangle(const TRect& R) const;
  // The corners of R turned by Angle degrees about its integer centre.
  static void RectToFourPoints(const TRect& R, double Angle, TFourPoints& P);

  bool GetClip() const { return FClip; }
  void SetClip(bool Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  TShadowDirection GetDirection() const { return FDirection; }
  void SetDirection(TShadowDirection Value);
  int GetHorizSize() const { return FHorizSize; }
  void SetHorizSize(int Value);
  bool GetSmooth() const { return FSmooth; }
  void SetSmooth(bool Value);
  int GetSmoothBlur() const { return FSmoothBlur; }
  void SetSmoothBlur(int Value);
  int GetTransparency() const { return FTransparency; }
  void SetTransparency(int Value);
  int GetVertSize() const { return FVertSize; }
  void SetVertSize(int Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);

  // The shadow of a rectangle with rounded corners, turned by Angle degrees.
  void Draw(TCanvas3D* ACanvas, const TRect& Rect, int CornerSize = 0, int Angle = 0);
  // The shadow of the polygon of the first Count points (all with -1).
  void Draw(TCanvas3D* ACanvas, std::span<const TPoint> Points, int Count = -1);
  // An ellipse; a ring when Percent is not 0 (smooth only); a pie slice
  // when the angles do not span 360 (flat only).
  virtual void DrawEllipse(TCanvas3D* ACanvas, const TRect& Rect, int Percent = 0,
                           double StartAngle = 0, double EndAngle = 360);
  // Brackets every shadow drawing: False means draw nothing. Opens a blend
  // when the shadow or the canvas has a transparency.
  bool PrepareCanvas(TCanvas3D* ACanvas, const TRect& R, int Angle);
  void FinishBlending(TPlotCanvas* ACanvas);
  // The blurred shadow on the canvas's off-screen bitmap.
  void InternalDrawSmooth(TCanvas3D* ACanvas, const TRect& Rect, bool IsEllipse, int CornerSize,
                          std::span<const TPoint> Points, int Percent, double StartAngle,
                          double EndAngle);

  int BlurSize = 4;
  double ZPosition = 0;

 protected:
  void Changed();
  template <class T>
  void Store(T& Field, T Value);

  bool FClip = false;
  TColor FColor = clSilver;
  TShadowDirection FDirection = sdRightBottom;
  int FHorizSize = 0;
  bool FSmooth = true;
  int FSmoothBlur = 0;
  TPlotTransparency FTransparency = 50;
  int FVertSize = 0;
  bool FVisible = true;
  TNotifyEvent IOnChange;
  TPlotBlend* IBlend = nullptr;
  int ITransp = 0;
  TColor DefaultColor = clSilver;
  int DefaultSize = 0;
  bool DefaultVisible = true;

 private:
  bool IsColorStored() const { return FColor != DefaultColor; }
  bool IsHorizStored() const { return FHorizSize != DefaultSize; }
  bool IsVertStored() const { return FVertSize != DefaultSize; }
  bool IsVisibleStored() const { return FVisible != DefaultVisible; }
};

class TPlotEmboss : public TPlotShadow {
 public:
  explicit TPlotEmboss(TNotifyEvent OnChange = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// The smooth shadow's blur weights: 2 x Radius + 1 of them, the middle
// 100000. Alpha of -180 or less gives no usable kernel base, and the kernel
// is then the middle weight alone (no blur).
std::vector<int> PlotShadowKernel(int Radius, float Alpha);

// Blurs Mask (Width x Height) and multiplies it into Background at (Left,
// Top), only where the two overlap; without a background the mask itself
// becomes the blurred image. With AClip set, background pixels outside
// Canvas's clip region are left alone. 24- and 32-bit pixels both work.
void PlotShadowSmooth(TBitmap* Mask, TBitmap* Background, int Left, int Top, int Width,
                      int Height, int Radius, float Alpha, TCanvas* Canvas, bool AClip);
