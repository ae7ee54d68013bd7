#pragma once
// A 3D scene element of a chart with a location and a size, and the base
// of its editor form. The scene classes that draw such blocks are not part
// of the program; these bases carry the streamed location and size.

#include <memory>

#include "chart/PlotPointBlock.h"
#include "platform/vcl/Forms.h"

class TControl;
class TPlotPen;
class TPlotBrush;

class TVisualBlock : public TComponent {
 public:
  explicit TVisualBlock(TComponent* AOwner = nullptr);
  ~TVisualBlock() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // From another block: location, size and whether it may be cloned.
  void Assign(TPersistent* Source) override;

  virtual void AddPathPoint(float, float, TColor) {}
  virtual void ClearPath() {}
  virtual void SetFormatting(TPlotPen* Pen, TPlotBrush* Brush, bool Flag, TColor Color,
                             uint8_t Value) = 0;
  virtual void SizeChanged(TObject*) {}
  virtual void Repaint() = 0;
  virtual TControl* Editor(TComponent* AOwner, bool Embeddable) = 0;

  TPointXYZFloat* GetLocation() const { return FLocation.get(); }
  void SetLocation(TPointXYZFloat* Value);
  TPointXYZFloat* GetSize() const { return FSize.get(); }
  void SetSize(TPointXYZFloat* Value);
  // The block of a chart rectangle between two depths, written directly:
  // no notification and no repaint.
  void SetBounds(const TRect& R, float Z0, float Z1, int Unused = 0);

  bool IsCloneable = true;

 private:
  std::unique_ptr<TPointXYZFloat> FLocation;
  std::unique_ptr<TPointXYZFloat> FSize;
};

class TVisualEditor : public TForm {
 public:
  explicit TVisualEditor(TComponent* AOwner) : TForm(AOwner) {}
  virtual void RefreshBlock(TVisualBlock*) {}
  void MarkDirty() {
    if (FOnDirty) FOnDirty(this);
  }
  TNotifyEvent FOnDirty;
};
