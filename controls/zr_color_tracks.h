#pragma once
// Track bars whose track shows a colour ramp: hue, alpha over a checkerboard
// and black to white. The ramp is a bitmap cached at the size of the style's
// "background" shape and shown as that shape's bitmap brush; it is filled
// again only when the background's size changes.

#include <memory>

#include "controls/zr_tracks.h"

class TzrBitmap;
class TzrShape;

class TzrBitmapTrackBar : public TzrTrackBar {
 public:
  explicit TzrBitmapTrackBar(TComponent* AOwner);
  ~TzrBitmapTrackBar() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Realign() override;
  void ApplyStyle() override;
  void FreeStyle() override;

  // The cached ramp (nil before the style gave a background).
  TzrBitmap* GetBitmap() const { return FBitmap.get(); }
  TzrShape* GetBackground() const { return FBackground; }

 protected:
  // Fills the ramp; the base class leaves it as created.
  virtual void FillBitmap() {}
  // Position along the track of pixel (X, Y) of the ramp, 0..1.
  float RampPosition(int X, int Y) const;
  std::string DefaultStyleName() const override { return "trackbarstyle"; }

 private:
  void UpdateBitmap();

  std::unique_ptr<TzrBitmap> FBitmap;
  TzrShape* FBackground = nullptr;
};

class TzrHueTrackBar : public TzrBitmapTrackBar {
 public:
  explicit TzrHueTrackBar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

 protected:
  void FillBitmap() override;
};

class TzrAlphaTrackBar : public TzrBitmapTrackBar {
 public:
  explicit TzrAlphaTrackBar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

 protected:
  void FillBitmap() override;
};

class TzrBWTrackBar : public TzrBitmapTrackBar {
 public:
  explicit TzrBWTrackBar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

 protected:
  void FillBitmap() override;
};

class TzrHudHueTrackBar : public TzrHueTrackBar {
 public:
  using TzrHueTrackBar::TzrHueTrackBar;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

 protected:
  std::string DefaultStyleName() const override { return "hudtrackbarstyle"; }
};

class TzrHudAlphaTrackBar : public TzrAlphaTrackBar {
 public:
  using TzrAlphaTrackBar::TzrAlphaTrackBar;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

 protected:
  std::string DefaultStyleName() const override { return "hudtrackbarstyle"; }
};

// The dark black-to-white bar keeps the plain track bar's range and shows
// no ramp.
class TzrHudBWTrackBar : public TzrBitmapTrackBar {
 public:
  using TzrBitmapTrackBar::TzrBitmapTrackBar;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

 protected:
  std::string DefaultStyleName() const override { return "hudtrackbarstyle"; }
};
