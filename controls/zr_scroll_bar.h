#pragma once
// TzrScrollBar: a composite of its style's parts. It keeps a value model of
// its own (Min, Max, Value, ViewportSize, Orientation, SmallChange) and at
// every Realign copies it into the style's track of its orientation
// ("htrack" or "vtrack", each a TzrCustomTrack) and shows the arrow buttons
// of that orientation ("leftbutton" and "rightbutton", or "topbutton" and
// "bottombutton"). A drag on the track sets the bar's value; the arrows step
// it by SmallChange (the default style's arrows are speed buttons, which
// repeat while held).
//
// Invariant kept by SetValue: Min <= Value <= Max - ViewportSize (Min wins
// when they cross). There is no Frequency and no tracking distinction:
// every change fires OnChange.
//
// TzrSmallScrollBar is a thinner bar whose style has no arrow buttons.

#include "controls/zr_tracks.h"

class TzrScrollBar : public TzrControl {
 public:
  explicit TzrScrollBar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetValue() const { return FValue; }
  // Clamps, pushes the value to the bound controls, fires OnChange and
  // realigns; an unchanged request (before clamping) does nothing.
  void SetValue(float Value);
  float GetMin() const { return FMin; }
  // Brings a lower Value up to the new Min.
  void SetMin(float Value);
  float GetMax() const { return FMax; }
  // Brings Value down to Max - ViewportSize first (with events), then cuts
  // ViewportSize to Max - Min.
  void SetMax(float Value);
  float GetViewportSize() const { return FViewportSize; }
  // Cut to Max - Min; brings Value down to Max - ViewportSize (with events).
  void SetViewportSize(float Value);
  TzrOrientation GetOrientation() const { return FOrientation; }
  // In a designed scene (outside loading) also exchanges Width and Height.
  void SetOrientation(TzrOrientation Value);
  float GetSmallChange() const { return FSmallChange; }
  void SetSmallChange(float Value) { FSmallChange = Value; }

  // Drives the style's tracks and buttons from the model, then lays out.
  void Realign() override;
  Variant GetData() override;
  // An event handle becomes OnChange; a number goes to SetValue; anything
  // else sets Min as the value.
  void SetData(const Variant& Value) override;

  // The handlers the bar gives its style's parts.
  void DoTrackChanged(TObject* Sender);
  void DoMinButtonClick(TObject* Sender);
  void DoMaxButtonClick(TObject* Sender);

  TNotifyEvent OnChange;

 private:
  // Copies the model into the track part Name, shown for Orientation only.
  void DriveTrack(const char* Name, TzrOrientation Orientation);
  // Shows the button part Name for Orientation only, clicking Handler.
  void DriveButton(const char* Name, TzrOrientation Orientation, bool MaxSide);

  float FValue = 0;
  float FMin = 0;
  float FMax = 100;
  float FViewportSize = 0;
  TzrOrientation FOrientation = zrHorizontal;
  float FSmallChange = 1;
};

class TzrSmallScrollBar : public TzrScrollBar {
 public:
  explicit TzrSmallScrollBar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudScrollBar : public TzrScrollBar {
 public:
  using TzrScrollBar::TzrScrollBar;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
