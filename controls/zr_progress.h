#pragma once
// Progress and activity.
//
// TzrProgressBar shows Value between Min and Max as the length of an
// indicator inside its style's track: "htrack" holding "hindicator" when
// horizontal, "vtrack" holding "vindicator" when vertical ("track" stands in
// for a missing track of the orientation). Only a different Value, a size
// change, an orientation change or a new style lay the indicator out again;
// Min and Max are only stored, as the program sets Max and then Value. An
// indicator of 2 pixels or less is hidden, so an empty bar shows no gloss.
//
// TzrAniIndicator draws a ring of 12 spokes or 8 dots; while Enabled the
// highlight circles the ring, clocked by a looping animation that turns an
// invisible carrier's RotateAngle from 0 to 360 in 10 s.

#include "controls/zr_tracks.h"

class TzrFloatAnimation;

class TzrProgressBar : public TzrControl {
 public:
  explicit TzrProgressBar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetValue() const { return FValue; }
  // A different value is stored unclamped and laid out.
  void SetValue(float Value);
  float GetMin() const { return FMin; }
  void SetMin(float Value) { FMin = Value; }
  float GetMax() const { return FMax; }
  void SetMax(float Value) { FMax = Value; }
  TzrOrientation GetOrientation() const { return FOrientation; }
  // In a designed scene (outside loading) also exchanges Width and Height.
  void SetOrientation(TzrOrientation Value);

  // Lays the children out, then shows the orientation's track and sizes its
  // indicator (nothing when Max <= Min).
  void Realign() override;
  // Starts the gloss of the orientation's indicator and lays out.
  void ApplyStyle() override;
  Variant GetData() override;
  // A number goes to SetValue; anything else sets Min as the value.
  void SetData(const Variant& Value) override;

 private:
  // The track of the orientation (the other one hidden, this one shown).
  TzrVisualObject* ShowTrack();
  void SizeIndicator(TzrVisualObject* Track);

  float FMin = 0;
  float FValue = 0;
  float FMax = 100;
  TzrOrientation FOrientation = zrHorizontal;
};

enum TzrAniIndicatorStyle { zrAniIndicatorLine, zrAniIndicatorCircle };
const TEnumInfo& zrAniIndicatorStyleInfo();

class TzrAniIndicator : public TzrControl {
 public:
  explicit TzrAniIndicator(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Its own flag, not the visual object's: True runs the rotation, False
  // stops it.
  bool GetEnabled() const { return FIndicatorEnabled; }
  void SetEnabled(bool Value);
  TzrAniIndicatorStyle GetStyle() const { return FStyle; }
  void SetStyle(TzrAniIndicatorStyle Value);
  // The carrier whose RotateAngle is the indicator's clock.
  TzrVisualObject* GetCarrier() const { return FLayout; }

  void Paint() override;

 private:
  // How far (0 .. 1) the highlight has faded from the element at Offset
  // degrees of the cycle.
  float Fade(int Offset) const;
  void PaintLines();
  void PaintCircles();

  TzrVisualObject* FLayout = nullptr;
  TzrFloatAnimation* FAni = nullptr;
  bool FIndicatorEnabled = false;
  TzrAniIndicatorStyle FStyle = zrAniIndicatorLine;
};
