#pragma once
// Plain styled containers: TzrPanel, TzrCalloutPanel (whose style draws a
// speech-bubble pointer that the panel sizes, places and moves: the main
// window's help tip), TzrHudPanel (a panel under the HUD style) and
// TzrSelectionItem (a bare control without hit testing that paints its
// children only at run time).

#include "controls/zr_objects_path.h"
#include "scene/zr_control.h"

class TzrPanel : public TzrControl {
 public:
  explicit TzrPanel(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrCalloutPanel : public TzrPanel {
 public:
  explicit TzrCalloutPanel(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Each setter re-applies the style on a real change only.
  float GetCalloutWidth() const { return FCalloutWidth; }
  void SetCalloutWidth(float Value);
  float GetCalloutLength() const { return FCalloutLength; }
  void SetCalloutLength(float Value);
  TzrCalloutPosition GetCalloutPosition() const { return FCalloutPosition; }
  void SetCalloutPosition(TzrCalloutPosition Value);
  float GetCalloutOffset() const { return FCalloutOffset; }
  void SetCalloutOffset(float Value);

  // Hands the pointer's geometry to the style's "Backgound" callout
  // rectangle, or to a style root that is one.
  void ApplyStyle() override;

 private:
  float FCalloutLength = 11;
  float FCalloutWidth = 23;
  TzrCalloutPosition FCalloutPosition = zrCalloutTop;
  float FCalloutOffset = 0;
};

class TzrHudPanel : public TzrPanel {
 public:
  using TzrPanel::TzrPanel;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrSelectionItem : public TzrControl {
 public:
  explicit TzrSelectionItem(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void PaintChildren() override;
};
