#pragma once
// Choosing a number in a range by dragging a thumb.
//
// TzrCustomTrack holds the value model (Min, Max, Value, ViewportSize,
// Frequency, Orientation, Tracking) and places the "thumb" part of its style
// (a TzrThumb) from it at every Realign. TzrTrack publishes the model with
// ViewportSize (a proportional thumb, as inside a scroll bar); TzrTrackBar
// without it (a point thumb: a slider). The model is the truth; the thumb's
// place and size are derived from it.
//
// Invariants kept by the setters: Min <= Value <= Max - ViewportSize after
// SetValue (Min wins when they cross); ViewportSize <= Max - Min after
// SetViewportSize and SetMax; Max > Min after SetMax (a smaller value becomes
// Min + 0.001). SetMin does not clamp Value.
//
// Events: OnTracking fires for changes while the thumb is held; OnChange for
// every change when Tracking is on (the default), else for changes by code,
// keys and clicks, and once at the release of a drag.

#include "scene/zr_control.h"

class TEnumInfo;
class TzrCustomTrack;

enum TzrOrientation { zrHorizontal, zrVertical };
const TEnumInfo& zrOrientationInfo();

// Whether a data value counts as a number for the value controls' SetData
// (integers, floating point and Booleans).
bool zrVarIsNumber(const Variant& V);

class TzrThumb : public TzrControl {
 public:
  explicit TzrThumb(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The track that last looked the thumb up (not owned; nil before).
  TzrCustomTrack* GetTrack() const { return FTrack; }
  bool GetIsPressed() const { return FPressed; }

  // A left press starts a drag and gives the track the focus; moves set the
  // track's value from the pointer (a proportional thumb keeps the grip
  // offset, a point thumb centres on the pointer); the release ends it.
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;

 private:
  friend class TzrCustomTrack;
  TzrCustomTrack* FTrack = nullptr;
  TzrPoint FDownOffset{0, 0};
  bool FPressed = false;
};

class TzrCustomTrack : public TzrControl {
 public:
  explicit TzrCustomTrack(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetValue() const { return FValue; }
  // Rounds to Frequency (halves to even), then stores and clamps; an
  // unchanged request (before clamping) does nothing. See the events above.
  void SetValue(float Value);
  float GetMin() const { return FMin; }
  virtual void SetMin(float Value);
  float GetMax() const { return FMax; }
  virtual void SetMax(float Value);
  float GetViewportSize() const { return FViewportSize; }
  void SetViewportSize(float Value);
  float GetFrequency() const { return FFrequency; }
  void SetFrequency(float Value);
  TzrOrientation GetOrientation() const { return FOrientation; }
  // In a designed scene (outside loading) also exchanges Width and Height.
  void SetOrientation(TzrOrientation Value);
  bool GetTracking() const { return FTracking; }
  void SetTracking(bool Value) { FTracking = Value; }

  // True while the style's thumb is held.
  bool GetIsTracking();
  // The style's "thumb" part when it is a TzrThumb (which then knows this
  // track), else nil.
  TzrThumb* GetThumb();
  // Where the thumb goes, in the track's local coordinates.
  TzrRect GetThumbRect();

  // Lays out the children, then places and sizes the thumb.
  void Realign() override;
  // A left press on the body: a point thumb jumps to the pointer, a
  // proportional one moves one page toward it.
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  // Home, End and the arrows set the value (step Frequency, or 1) and are
  // consumed.
  void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override;
  // The value as a number.
  Variant GetData() override;
  // An event handle becomes OnChange; a number goes to SetValue; anything
  // else sets Min as the value.
  void SetData(const Variant& Value) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnTracking;

 protected:
  // The value along the axis at local point (X, Y).
  float ValueAt(float X, float Y) const;

 private:
  friend class TzrScrollBar;  // copies its own model in without events
  friend class TzrThumb;      // the release of a drag with Tracking off

  float FValue = 0;
  float FMin = 0;
  float FMax = 100;
  float FViewportSize = 0;
  TzrOrientation FOrientation = zrHorizontal;
  bool FTracking = true;
  float FFrequency = 0;
};

// A proportional thumb: every property is written to streams.
class TzrTrack : public TzrCustomTrack {
 public:
  using TzrCustomTrack::TzrCustomTrack;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// A slider: a point thumb, focusable.
class TzrTrackBar : public TzrCustomTrack {
 public:
  explicit TzrTrackBar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudTrack : public TzrTrack {
 public:
  using TzrTrack::TzrTrack;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudTrackBar : public TzrTrackBar {
 public:
  using TzrTrackBar::TzrTrackBar;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
