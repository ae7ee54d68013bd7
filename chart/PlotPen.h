#pragma once
// The chart's drawing attributes: a pen with caps, joins, small dots,
// visibility and a fill of wide lines; stock pens with other defaults; a
// brush with a back colour, the extended hatches and a picture. Each reports
// every change through the change callback given at creation.

#include <memory>

#include "chart/PlotPicture.h"
#include "platform/vcl/Graphics.h"

enum TPenEndStyle { esRound, esSquare, esFlat };
enum TPenJoinStyle { jsRound, jsBevel, jsMitter };
enum TCanvasZoomText { ztManual, ztNo, ztAuto };

class TPlotGradient;

enum THatchStyle {
  hsHorizontal, hsVertical, hsForwardDiagonal, hsBackwardDiagonal, hsCross,
  hsDiagonalCross, hs05Percent, hs10Percent, hs20Percent, hs25Percent, hs30Percent,
  hs40Percent, hs50Percent, hs60Percent, hs70Percent, hs75Percent, hs80Percent,
  hs90Percent, hsLightDownwardDiagonal, hsLightUpwardDiagonal, hsDarkDownwardDiagonal,
  hsDarkUpwardDiagonal, hsWideDownwardDiagonal, hsWideUpwardDiagonal, hsLightVertical,
  hsLightHorizontal, hsNarrowVertical, hsNarrowHorizontal, hsDarkVertical,
  hsDarkHorizontal, hsDashedDownwardDiagonal, hsDashedUpwardDiagonal,
  hsDashedHorizontal, hsDashedVertical, hsSmallConfetti, hsLargeConfetti, hsZigZag,
  hsWave, hsDiagonalBrick, hsHorizontalBrick, hsWeave, hsPlaid, hsDivot, hsDottedGrid,
  hsDottedDiamond, hsShingle, hsTrellis, hsSphere, hsSmallGrid, hsSmallCheckerBoard,
  hsLargeCheckerBoard, hsOutlinedDiamond, hsSolidDiamond
};

class TPlotBrush : public TBrush {
 public:
  explicit TPlotBrush(TNotifyEvent OnChangeEvent = nullptr);
  ~TPlotBrush() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // From a chart brush: its picture (notifying), back colour and hatch
  // (as fields); then the platform brush's colour and style.
  void Assign(TPersistent* Source) override;

  // Colour and default colour at once, without notification.
  void InitColor(TColor Value);
  // Clear style, no picture, no gradient.
  void Clear();

  TColor GetBackColor() const { return FBackColor; }
  void SetBackColor(TColor Value);
  THatchStyle GetHatchStyle() const { return FHatchStyle; }
  // The first six hatches set the platform's matching brush style too.
  void SetHatchStyle(THatchStyle Value);
  // Made on first read.
  TPlotPicture* GetImage();
  // Nil frees the picture (notifying only when there was one); else copies.
  void SetImage(TPlotPicture* Value);

  // Made on first read, with the brush's change callback.
  TPlotGradient* GetGradient();
  // Nil frees the gradient; else copies; the owner is told either way.
  void SetGradient(TPlotGradient* Value);
  // A gradient exists and is visible.
  bool HasGradient() const;

  bool HasImage() const { return FImage != nullptr; }
  bool HasGraphic() const;
  bool IsColorStored() const { return GetColor() != DefaultColor; }

 private:
  bool IsImageStored() const { return HasImage(); }
  TPlotPicture* ImageProp() { return GetImage(); }
  TColor FBackColor = clNone;
  std::unique_ptr<TPlotGradient> FGradient;
  std::unique_ptr<TPlotPicture> FImage;
  THatchStyle FHatchStyle = hsHorizontal;
  TColor DefaultColor = clWhite;
};

class TPlotPen : public TPen {
 public:
  explicit TPlotPen(TNotifyEvent OnChangeEvent = nullptr);
  ~TPlotPen() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // From a chart pen: visibility, small dots, caps, joins and the fill as
  // fields; then the platform pen's colour, width, style and mode.
  void Assign(TPersistent* Source) override;

  void InitColor(TColor Value) { SetColor(Value); }
  // Width and its stored default at once.
  void InitWidth(int Value) {
    SetWidth(Value);
    DefaultWidth = Value;
  }
  // End style and its default at once, without notification.
  void InitEndStyle(TPenEndStyle Value);
  // 0 when invisible or thinner than 2 pixels; else half the width.
  int HalfWidth() const;
  void Hide() { SetVisible(false); }
  void Show() { SetVisible(true); }

  TPenEndStyle GetEndStyle() const { return FEndStyle; }
  void SetEndStyle(TPenEndStyle Value);
  TPenJoinStyle GetJoinStyle() const { return FJoinStyle; }
  void SetJoinStyle(TPenJoinStyle Value);
  bool GetSmallDots() const { return FSmallDots; }
  void SetSmallDots(bool Value);
  int GetSmallSpace() const { return FSmallSpace; }
  void SetSmallSpace(int Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  // The fill of wide lines, made on first read; its changes reach the
  // pen's owner.
  TPlotBrush* GetFill();
  // Nil frees the fill; else copies.
  void SetFill(TPlotBrush* Value);
  bool HasFill() const { return FFill != nullptr; }
  // The fill exists and has a visible gradient.
  bool IsGradientVisible() const { return FFill && FFill->HasGradient(); }

 protected:
  TPenEndStyle FEndStyle = esRound;
  TPenJoinStyle FJoinStyle = jsRound;
  bool FSmallDots = false;
  int FSmallSpace = 0;
  bool FVisible = true;
  TPenEndStyle DefaultEnd = esRound;
  TPenJoinStyle DefaultJoin = jsRound;
  bool DefaultVisible = true;
  int DefaultWidth = 1;

 private:
  void Notify();
  bool IsWidthStored() const { return GetWidth() != DefaultWidth; }
  bool IsEndStored() const { return FEndStyle != DefaultEnd; }
  bool IsJoinStored() const { return FJoinStyle != DefaultJoin; }
  bool IsVisibleStored() const { return FVisible != DefaultVisible; }
  std::unique_ptr<TPlotBrush> FFill;
};

class TPlotHiddenPen : public TPlotPen {
 public:
  explicit TPlotHiddenPen(TNotifyEvent OnChangeEvent = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TDottedGrayPen : public TPlotPen {
 public:
  explicit TDottedGrayPen(TNotifyEvent OnChangeEvent = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TDarkGrayPen : public TPlotPen {
 public:
  explicit TDarkGrayPen(TNotifyEvent OnChangeEvent = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// Makes APen draw like APlotPen in AColor: small dots, a geometric pen with
// caps and joins for wide pens, or a copy for thin ones.
void PlotSetPlotPen(TPen* APen, TPlotPen* APlotPen, TColor AColor);
// Every other pixel (ASpace <= 0) or a dot every ASpace + 1 pixels.
gdi::HPEN PlotCreatePenSmallDots(TColor AColor, int ASpace);
