#pragma once
// Decorative frames around a circled series' circle, like the bezel of a
// gauge: three concentric bands (outer, middle, inner), each filled with
// its own brush. TFramedBorder is the general frame (round or rectangular,
// with shadow and emboss); TCircularFrame is the round frame a circled
// series creates, which may also be an arc shorter than a full turn.

#include <memory>

#include "chart/PlotPen.h"
#include "chart/PlotShape.h"

class TPlotShadow;
class TPlotEmboss;

// A brush with a band width in percent of the frame width.
class TFrameBrush : public TPlotBrush {
 public:
  explicit TFrameBrush(TNotifyEvent OnChangeEvent = nullptr) : TPlotBrush(OnChangeEvent) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The size and the size that is not stored.
  void InitSize(float Value) { FSize = IDefault = Value; }
  float GetSize() const { return FSize; }
  void SetSize(float Value);
  bool IsSizeStored() const { return FSize != IDefault; }

 private:
  float FSize = 0;
  float IDefault = 0;
};

class TFramedBorder : public TPlotCustomShapeBrushPen {
 public:
  TFramedBorder();
  ~TFramedBorder() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  // Reads (and ignores) the series identifier older streams carry.
  void DefineProperties(TFiler* Filer) override;

  // Draws the frame around R.
  virtual void Draw(const TRect& R);
  // (The smaller of R's width and height) x Width / 100.
  float CalcWidth(const TRect& R) const;

  bool GetCircled() const { return FCircled; }
  void SetCircled(bool Value);
  void SetDefaultCircled(bool Value) { FCircled = DefaultCircled = Value; }
  bool IsCircledStored() const { return FCircled != DefaultCircled; }
  TPlotEmboss* GetEmboss() const { return FEmboss.get(); }
  void SetEmboss(TPlotEmboss* Value);
  TFrameBrush* GetInnerBrush() const { return FInner.get(); }
  void SetInnerBrush(TFrameBrush* Value) { FInner->Assign(Value); }
  TFrameBrush* GetMiddleBrush() const { return FMiddle.get(); }
  void SetMiddleBrush(TFrameBrush* Value) { FMiddle->Assign(Value); }
  TFrameBrush* GetOuterBrush() const { return FOuter.get(); }
  void SetOuterBrush(TFrameBrush* Value) { FOuter->Assign(Value); }
  TPlotShadow* GetShadow() const { return FShadow.get(); }
  void SetShadow(TPlotShadow* Value);
  int GetWidth() const { return FWidth; }
  void SetWidth(int Value);

  bool DefaultCircled = false;

 protected:
  // Fills R with the band brush: an ellipse when circled, else a rectangle.
  void FillBand(TPlotBrush* Brush, const TRect& R);

  bool FCircled = false;
  std::unique_ptr<TPlotEmboss> FEmboss;
  std::unique_ptr<TFrameBrush> FInner;
  std::unique_ptr<TFrameBrush> FMiddle;
  std::unique_ptr<TFrameBrush> FOuter;
  std::unique_ptr<TPlotShadow> FShadow;
  int FWidth = 10;
};

class TCircularFrame : public TFramedBorder {
 public:
  TCircularFrame();
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void Draw(const TRect& R) override;

  // Scales the three values so that they sum to 100; a zero sum leaves
  // them as they are.
  static void RationaliseValues(double& A, double& B, double& C);

  int GetRotationAngle() const { return FRotationAngle; }
  void SetRotationAngle(int Value);
  int GetTotalAngle() const { return FTotalAngle; }
  void SetTotalAngle(int Value);

  // Band widths in percent of the frame width: inner, middle, outer.
  double FrameElementWidths[3] = {25, 60, 15};

 private:
  // One band over R: a rectangle, an ellipse, or an arc of TotalAngle
  // degrees from RotationAngle + 135.
  void FillArcBand(TPlotBrush* Brush, const TRect& R);

  int FRotationAngle = 0;
  int FTotalAngle = 360;
};
