#pragma once
// Rectangles drawn softened: the fill and outline are painted once into a
// buffer bitmap of the object's size, blurred there, and the buffer is drawn
// over the object. The buffer is a cache: it is rebuilt when the geometry,
// the fill, the stroke or the softness changes, or when the object's rounded
// size changes, but not when only the opacity changes (the buffer is drawn
// at the object's opacity).

#include <memory>

#include "controls/zr_objects.h"
#include "scene/zr_bitmap.h"

// The buffer shared by the two blurred shapes. Body draws the shape into the
// buffer's canvas within the inner rectangle (the local rectangle inset by
// the blur radius, so that the blur spreads into the margin).
class TzrBlurBuffer {
 public:
  using TBody = void (*)(TzrShape* Shape, TzrCanvas* Canvas, const TzrRect& Inner, float Opacity);

  float GetSoftness() const { return FSoftness; }
  // Whether the value differs; the buffer is then rebuilt on the next paint.
  bool SetSoftness(float Value);
  void Invalidate() { FRecreate = true; }
  bool NeedsRebuild() const { return FRecreate; }
  // The cached bitmap (nil before the first paint).
  const TzrBitmap* GetBitmap() const { return FBuffer.get(); }
  void Paint(TzrShape* Shape, TBody Body);

 private:
  void Rebuild(TzrShape* Shape, TBody Body);

  std::unique_ptr<TzrBitmap> FBuffer;
  float FSoftness = 0.3f;
  bool FRecreate = true;
};

class TzrBlurRectangle : public TzrRectangle {
 public:
  explicit TzrBlurRectangle(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  float GetSoftness() const { return FBlur.GetSoftness(); }
  void SetSoftness(float Value);
  const TzrBitmap* GetBuffer() const { return FBlur.GetBitmap(); }
  void SetxRadius(float Value) override;
  void SetyRadius(float Value) override;
  void SetCorners(TzrCorners Value) override;
  void SetCornerType(TzrCornerType Value) override;
  void FillChanged(TObject* Sender) override;
  void StrokeChanged(TObject* Sender) override;
  void Paint() override;

 private:
  TzrBlurBuffer FBlur;
};

class TzrBlurRoundRect : public TzrRoundRect {
 public:
  explicit TzrBlurRoundRect(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  float GetSoftness() const { return FBlur.GetSoftness(); }
  void SetSoftness(float Value);
  const TzrBitmap* GetBuffer() const { return FBlur.GetBitmap(); }
  void SetCorners(TzrCorners Value) override;
  void FillChanged(TObject* Sender) override;
  void StrokeChanged(TObject* Sender) override;
  void Paint() override;

 private:
  TzrBlurBuffer FBlur;
};
