#include "controls/zr_panels.h"

#include "platform/rtl/RttiDecl.h"

const TClassInfo* TzrPanel::Class() {
  static const TClassInfo* info = TClassDecl<TzrPanel>("TzrPanel", TzrControl::Class());
  return info;
}

TzrPanel::TzrPanel(TComponent* AOwner) : TzrControl(AOwner) { SetBounds(0, 0, 120, 100); }

const TClassInfo* TzrCalloutPanel::Class() {
  using T = TzrCalloutPanel;
  static const TClassInfo* info =
      TClassDecl<T>("TzrCalloutPanel", TzrPanel::Class())
          .Prop("CalloutWidth", &T::GetCalloutWidth, &T::SetCalloutWidth)
          .Prop("CalloutLength", &T::GetCalloutLength, &T::SetCalloutLength)
          .Enum("CalloutPosition", &T::GetCalloutPosition, &T::SetCalloutPosition,
                zrCalloutPositionInfo())
          .Default(zrCalloutTop)
          .Prop("CalloutOffset", &T::GetCalloutOffset, &T::SetCalloutOffset);
  return info;
}

TzrCalloutPanel::TzrCalloutPanel(TComponent* AOwner) : TzrPanel(AOwner) {}

void TzrCalloutPanel::SetCalloutWidth(float Value) {
  if (FCalloutWidth == Value) return;
  FCalloutWidth = Value;
  ApplyStyle();
}

void TzrCalloutPanel::SetCalloutLength(float Value) {
  if (FCalloutLength == Value) return;
  FCalloutLength = Value;
  ApplyStyle();
}

void TzrCalloutPanel::SetCalloutPosition(TzrCalloutPosition Value) {
  if (FCalloutPosition == Value) return;
  FCalloutPosition = Value;
  ApplyStyle();
}

void TzrCalloutPanel::SetCalloutOffset(float Value) {
  if (FCalloutOffset == Value) return;
  FCalloutOffset = Value;
  ApplyStyle();
}

void TzrCalloutPanel::ApplyStyle() {
  TzrPanel::ApplyStyle();
  auto* callout = dynamic_cast<TzrCalloutRectangle*>(FindResource("Backgound"));
  if (!callout) callout = dynamic_cast<TzrCalloutRectangle*>(GetResourceLink());
  if (!callout) return;
  callout->SetCalloutWidth(FCalloutWidth);
  callout->SetCalloutLength(FCalloutLength);
  callout->SetCalloutPosition(FCalloutPosition);
  callout->SetCalloutOffset(FCalloutOffset);
}

const TClassInfo* TzrHudPanel::Class() {
  static const TClassInfo* info = TClassDecl<TzrHudPanel>("TzrHudPanel", TzrPanel::Class());
  return info;
}

const TClassInfo* TzrSelectionItem::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrSelectionItem>("TzrSelectionItem", TzrControl::Class());
  return info;
}

TzrSelectionItem::TzrSelectionItem(TComponent* AOwner) : TzrControl(AOwner) { FHitTest = false; }

void TzrSelectionItem::PaintChildren() {
  if (GetComponentState() & csDesigning) return;
  TzrControl::PaintChildren();
}
