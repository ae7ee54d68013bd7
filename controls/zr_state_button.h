#pragma once
// TzrBitmapStateButton: a button without style that paints one of three
// bitmaps itself: the pressed one while pressed, the hot one while the
// pointer is over it, else the normal one. A bitmap is shrunk to fit the
// button keeping its aspect ratio, and centred; it is never enlarged.

#include <memory>

#include "controls/zr_buttons.h"

class TzrBitmap;

class TzrBitmapStateButton : public TzrCustomButton {
 public:
  explicit TzrBitmapStateButton(TComponent* AOwner);
  ~TzrBitmapStateButton() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The setters copy the given bitmap; streams load into the owned ones.
  // Only a change of the normal bitmap in place repaints at once.
  TzrBitmap* GetBitmap() const { return FBitmap.get(); }
  void SetBitmap(TzrBitmap* Value);
  TzrBitmap* GetBitmapHot() const { return FBitmapHot.get(); }
  void SetBitmapHot(TzrBitmap* Value);
  TzrBitmap* GetBitmapDown() const { return FBitmapDown.get(); }
  void SetBitmapDown(TzrBitmap* Value);
  // The bitmap the current state shows.
  TzrBitmap* ShownBitmap() const;

  // Pressing and releasing ("IsPressed" triggers) switch the bitmap.
  void StartTriggerAnimation(TzrObject* AInstance, const std::string& ATrigger) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Paint() override;

 private:
  std::unique_ptr<TzrBitmap> FBitmap;
  std::unique_ptr<TzrBitmap> FBitmapDown;
  std::unique_ptr<TzrBitmap> FBitmapHot;
};
