#pragma once
// TzrImageViewer: a bitmap in a framed scroll box, zoomed by the wheel
// (BitmapScale 0.01 to 10). An image smaller than the view sits centred on
// whole units; a larger one starts at the top left and scrolls, also by
// dragging it with the mouse.

#include "controls/zr_objects.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_scroll_box.h"

class TzrImageViewer : public TzrScrollBox {
 public:
  explicit TzrImageViewer(TComponent* AOwner);
  ~TzrImageViewer() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrBrush* GetBackgroundFill() const { return FBack->GetFill(); }
  void SetBackgroundFill(TzrBrush* Value) { FBack->SetFill(Value); }
  TzrBitmap* GetBitmap() const { return FImage->GetBitmap(); }
  void SetBitmap(TzrBitmap* Value) { FImage->SetBitmap(Value); }
  float GetBitmapScale() const { return FScale; }
  void SetBitmapScale(float Value);
  bool GetShowBackground() const { return FShowBackground; }
  void SetShowBackground(bool Value);
  bool GetMouseScaling() const { return FMouseScaling; }
  void SetMouseScaling(bool Value) { FMouseScaling = Value; }

  // Shrinks a large bitmap to fit the view; shows a small one at 100 %.
  void BestFit();

  TzrImage* GetImage() const { return FImage; }
  TzrRectangle* GetBack() const { return FBack; }

  TzrRect GetContentBounds() override;
  void MouseWheel(TShiftState Shift, int WheelDelta, bool& Handled) override;
  Variant GetData() override;
  // Null makes the bitmap 1 x 1, an object is copied into it, anything
  // else names a file to load.
  void SetData(const Variant& Value) override;

 private:
  float FitScale();

  TzrRectangle* FBack = nullptr;
  TzrImage* FImage = nullptr;
  float FScale = 1;
  bool FMouseScaling = true;
  bool FShowBackground = false;
};
