#pragma once
// The bitmap effects: drop shadow, outer and inner glow, blur, bevel and
// reflection. Each is a child of the visual node it decorates; the node
// renders itself into an off-screen bitmap a little larger than itself
// (GetRect, with the node placed at GetOffset), ProcessEffect transforms that
// bitmap, and the scene draws it under the node, over it or in its place.

#include <string>

#include "scene/zr_effect.h"

// A blurred copy of the node's silhouette in ShadowColor, moved by Distance
// towards Direction (degrees; 0 points right, 90 down). The node's own
// silhouette is cut out of it, so a translucent node never shows its shadow.
class TzrShadowEffect : public TzrEffect {
 public:
  explicit TzrShadowEffect(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrRect GetRect(const TzrRect& ARect) override;
  TzrPoint GetOffset() override;
  void ProcessEffect(TzrCanvas* Canvas, TzrBitmap* Visual, float Data) override;

  float GetDistance() const { return FDistance; }
  void SetDistance(float Value);
  float GetSoftness() const { return FSoftness; }
  void SetSoftness(float Value);  // 0 .. 3
  std::string GetShadowColor() const;
  void SetShadowColor(const std::string& Value);
  float GetOpacity() const { return FOpacity; }
  void SetOpacity(float Value);  // 0 .. 1
  float GetDirection() const { return FDirection; }
  void SetDirection(float Value);

 private:
  // The shift of the shadow against the node, in local units.
  TzrPoint Shift() const;
  float FDistance = 3;
  float FSoftness = 0.3f;
  TzrColor FShadowColor = 0xFF000000;
  float FOpacity = 0.6f;
  float FDirection = 45;
};

// A blurred halo in GlowColor around the node, removed under the node.
class TzrGlowEffect : public TzrEffect {
 public:
  explicit TzrGlowEffect(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrRect GetRect(const TzrRect& ARect) override;
  TzrPoint GetOffset() override;
  void ProcessEffect(TzrCanvas* Canvas, TzrBitmap* Visual, float Data) override;

  float GetSoftness() const { return FSoftness; }
  void SetSoftness(float Value);  // 0 .. 9
  std::string GetGlowColor() const;
  void SetGlowColor(const std::string& Value);
  float GetOpacity() const { return FOpacity; }
  void SetOpacity(float Value);  // 0 .. 1

 protected:
  // The margin around the node: the glow's own, or the inner glow's.
  virtual int Margin() const;
  // The colour drawn, with Opacity applied.
  TzrColor DrawColor() const;

 private:
  float FSoftness = 0.4f;
  TzrColor FGlowColor = 0xFFFFD700;
  float FOpacity = 0.9f;
};

// Colour bleeding inward from the node's edges, drawn over the node and only
// inside it.
class TzrInnerGlowEffect : public TzrGlowEffect {
 public:
  explicit TzrInnerGlowEffect(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void ProcessEffect(TzrCanvas* Canvas, TzrBitmap* Visual, float Data) override;

 protected:
  int Margin() const override;
};

// Shows the node only blurred.
class TzrBlurEffect : public TzrEffect {
 public:
  explicit TzrBlurEffect(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrRect GetRect(const TzrRect& ARect) override;
  TzrPoint GetOffset() override;
  void ProcessEffect(TzrCanvas* Canvas, TzrBitmap* Visual, float Data) override;

  float GetSoftness() const { return FSoftness; }
  void SetSoftness(float Value);  // 0 .. 9

 private:
  float FSoftness = 0.3f;
};

// Shows the node embossed: its edges lit from Direction (degrees), the
// relief taken from the node's alpha blurred over Size pixels.
class TzrBevelEffect : public TzrEffect {
 public:
  explicit TzrBevelEffect(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrRect GetRect(const TzrRect& ARect) override;
  TzrPoint GetOffset() override { return {5, 5}; }
  void ProcessEffect(TzrCanvas* Canvas, TzrBitmap* Visual, float Data) override;

  float GetDirection() const { return FDirection; }
  void SetDirection(float Value);
  int GetSize() const { return FSize; }
  void SetSize(int Value);

 private:
  float FDirection = 45;
  int FSize = 10;
};

// A mirror image below the node, Offset units down, fading from Opacity
// next to the node to nothing Length of the way down.
class TzrReflectionEffect : public TzrEffect {
 public:
  explicit TzrReflectionEffect(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrRect GetRect(const TzrRect& ARect) override;
  TzrPoint GetOffset() override { return {2, 2}; }
  void ProcessEffect(TzrCanvas* Canvas, TzrBitmap* Visual, float Data) override;

  int GetOffsetValue() const { return FOffset; }
  void SetOffsetValue(int Value);
  float GetOpacity() const { return FOpacity; }
  void SetOpacity(float Value);
  float GetLength() const { return FLength; }
  void SetLength(float Value);  // 0.1 .. 1

 private:
  int FOffset = 0;
  float FOpacity = 0.5f;
  float FLength = 0.5f;
};

// Registers the effect classes under "Effects", so that streams create them
// by name.
void RegisterEffectClasses();
