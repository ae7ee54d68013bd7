#pragma once
// A visual block: a 3D scene element with a location and a size that a
// canvas which records entities may draw a point as. Concrete blocks say
// how they are formatted, repainted and edited.

#include <memory>

#include "chart/PlotPen.h"
#include "chart/PlotPointBlock.h"
#include "platform/rtl/Classes.h"

class TControl;

class TVisualBlock : public TComponent {
 public:
  explicit TVisualBlock(TComponent* AOwner = nullptr);
  ~TVisualBlock() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // From another block: location, size and whether it may be cloned.
  void Assign(TPersistent* Source) override;

  virtual void AddPathPoint(float X, float Y, TColor Color) {
    (void)X;
    (void)Y;
    (void)Color;
  }
  virtual void ClearPath() {}
  virtual void SetFormatting(TPlotPen* Pen, TPlotBrush* Brush, bool Hover, TColor Color,
                             uint8_t Transparency) = 0;
  virtual void SizeChanged(TObject* Sender) { (void)Sender; }
  virtual void Repaint() = 0;
  virtual TControl* Editor(TComponent* AOwner, bool Embeddable) = 0;

  TPointXYZFloat* GetLocation() const { return FLocation.get(); }
  void SetLocation(TPointXYZFloat* Value);
  TPointXYZFloat* GetSize() const { return FSize.get(); }
  void SetSize(TPointXYZFloat* Value);
  // Centre of R and of the depth range; R's width and height and the
  // depth span as size. Written directly: no notice, no repaint.
  void SetBounds(const TRect& R, float Z0, float Z1);

  bool IsCloneable = true;

 private:
  std::unique_ptr<TPointXYZFloat> FLocation;
  std::unique_ptr<TPointXYZFloat> FSize;
};
