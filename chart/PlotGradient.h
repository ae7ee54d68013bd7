#pragma once
// Gradients: colour stops along a direction, a balance that bends the
// colour curve, a rotation, a radial centre offset and an optional
// semi-transparent sub-gradient; and the radial fill.

#include <memory>

#include "chart/PlotGeometry.h"
#include "chart/PlotShadow.h"
#include "platform/rtl/Collection.h"

enum TGradientDirection {
  gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter, gdFromTopLeft,
  gdFromBottomLeft, gdRadial, gdDiagonalUp, gdDiagonalDown
};

class TCustomPlotGradient;
class TPlotCanvas;
class TCanvas3D;

class TPlotGradientColor : public TCollectionItem {
 public:
  explicit TPlotGradientColor(TCollection* ACollection);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  double GetOffset() const { return FOffset; }
  void SetOffset(double Value);
  int GetTransparency() const { return FTransp; }
  void SetTransparency(int Value);

 private:
  bool IsTranspStored() const { return FTransp != 0; }
  TColor FColor = 0;
  double FOffset = 0;
  TPlotTransparency FTransp = 0;
};

class TPlotGradientColors : public TCollection {
 public:
  explicit TPlotGradientColors(TCustomPlotGradient* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Appends default stops until Index exists.
  TPlotGradientColor* Get(int Index);
  // A stop with the offset clamped to 0 .. 1, after every stop of the same
  // or a smaller offset.
  TPlotGradientColor* Add(TColor AColor, int ATransparency, double AOffset);

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TCustomPlotGradient* FOwner;
};

class TSubGradient;

class TCustomPlotGradient : public TPersistent {
 public:
  explicit TCustomPlotGradient(TNotifyEvent AChanged = nullptr);
  ~TCustomPlotGradient() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // From another gradient everything but the notification, silently.
  void Assign(TPersistent* Source) override;

  void DoChanged();
  void InitDirection(TGradientDirection Value);
  void UseMiddleColor() { SetMidColor(IMidColor); }

  int GetAngle() const { return FAngle; }
  void SetAngle(int Value);
  int GetBalance() const { return FBalance; }
  void SetBalance(int Value);
  // Made on first read, with the default start and end stops.
  TPlotGradientColors* GetColors();
  void SetColors(TPlotGradientColors* Value);
  bool HasColors() const { return FColors != nullptr; }
  TGradientDirection GetDirection() const { return FDirection; }
  void SetDirection(TGradientDirection Value);
  TColor GetStartColor() const;
  void SetStartColor(TColor Value);
  TColor GetMidColor() const;
  // clNone removes a middle stop; any other colour adds or sets it.
  void SetMidColor(TColor Value);
  TColor GetEndColor() const;
  void SetEndColor(TColor Value);
  int GetRadialX() const { return FRadialX; }
  void SetRadialX(int Value);
  int GetRadialY() const { return FRadialY; }
  void SetRadialY(int Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  TSubGradient* GetSub();
  void SetSub(TSubGradient* Value);
  bool HasSub() const { return FSub != nullptr; }
  bool FStartIsEnd = false;
  // Back to the defaults given at creation; existing stops are reset.
  void InitDefaults();
  // New default start and end colours, which the colours take.
  void InitColors(TColor Start, TColor End) {
    IDefStart = Start;
    IDefEnd = End;
    ResetColors();
  }

  // Drawing through a chart canvas: the canvas's gradient takes a copy of
  // this one and the canvas fills the shape.
  void Draw(TPlotCanvas* ACanvas, const TRect& Rect, int CornerSize = 0);
  void Draw(TPlotCanvas* ACanvas, const TFourPoints& P);
  void Draw(TCanvas3D* ACanvas, const TFourPoints& P, int Z);
  void Draw(TCanvas3D* ACanvas, const TPointArray& P, int Z, bool Is3D);
  // The sub-gradient over Rect, blended with its transparency.
  void DrawSubGradient(TPlotCanvas* ACanvas, const TRect& Rect, int CornerSize);
  // Ellipses from the end colour at the edge to the start colour at the centre.
  void DrawRadial(TPlotCanvas* ACanvas, const TRect& Rect);
  // Drawn unrotated on a bitmap, turned by PlotGradientRotate, then drawn
  // clipped to Rect.
  void DrawRotated(TPlotCanvas* ACanvas, const TRect& Rect);

 protected:
  void ResetColors();

  int FAngle = 0;
  int FBalance = 50;
  std::unique_ptr<TPlotGradientColors> FColors;
  TGradientDirection FDirection = gdTopBottom;
  int FRadialX = 0, FRadialY = 0;
  std::unique_ptr<TSubGradient> FSub;
  bool FVisible = false;
  TNotifyEvent IChanged;
  TGradientDirection IDefDirection = gdTopBottom;
  TColor IDefEnd = clYellow, IDefMid = clNone, IDefStart = clWhite;
  bool IDefVisible = false;
  TColor IMidColor = clWhite;

 private:
  bool IsColorsStored() const;
  bool IsDirectionStored() const { return FDirection != IDefDirection; }
  bool IsStartStored() const { return FColors && GetStartColor() != IDefStart; }
  bool IsMidStored() const { return FColors && GetMidColor() != IDefMid; }
  bool IsEndStored() const { return FColors && GetEndColor() != IDefEnd; }
  bool IsSubStored() const { return FSub != nullptr; }
  bool IsVisibleStored() const { return FVisible != IDefVisible; }
};

class TSubGradient : public TCustomPlotGradient {
 public:
  explicit TSubGradient(TNotifyEvent AChanged = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  int GetTransparency() const { return FTransparency; }
  void SetTransparency(int Value);
  TPlotTransparency FTransparency = 50;
};

class TPlotGradient : public TCustomPlotGradient {
 public:
  using TCustomPlotGradient::TCustomPlotGradient;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// The ellipses of a radial fill, outermost first, each with its colour.
struct TRadialStep {
  TRect Ellipse;
  TColor Color;
};
// The rectangle is first filled with the end colour; then these ellipses.
// A rectangle without width and height has no steps.
std::vector<TRadialStep> RadialSteps(const TCustomPlotGradient& G, const TRect& Rect);
// The radial fill on a framework canvas, clipped to the rectangle.
void DrawRadial(const TCustomPlotGradient& G, TCanvas* Canvas, const TRect& Rect);
// ((Index + 1) / (Count + 1)) ^ (Balance / 100 + 0.5).
double GradientBalanceFactor(double Index, double Balance, double Count);

// Turns the content of a rotated fill's bitmap by the gradient's angle; the
// filters' start-up sets it. While unset, the bitmap stays unrotated.
using TPlotGradientRotateProc = void (*)(TCustomPlotGradient* Gradient, TBitmap* Bitmap);
extern TPlotGradientRotateProc PlotGradientRotate;
