#pragma once
// The published properties of the line, area and point series, declared
// once for each set of classes that publishes them.

#include "chart/CustomSeries.h"
#include "platform/rtl/RttiDecl.h"

const TEnumInfo& DrawStyleInfo();
const TEnumInfo& SeriesStackInfo();
const TEnumInfo& MultiAreaInfo();
const TEnumInfo& LineBrushStyleInfo();

// What line, area and point series all publish.
template <class D>
TClassDecl<D>& DeclareCommonProperties(TClassDecl<D>& d) {
  using S = TCustomSeries;
  return d.Prop("ClickableLine", &S::GetClickableLine, &S::SetClickableLine)
      .Default(1)
      .Prop("ClickTolerance", &S::GetClickTolerance, &S::SetClickTolerance)
      .Default(0)
      .Prop("Pointer", &S::GetPointer, &S::SetPointer)
      .template Event<S>("OnClickPointer", &S::OnClickPointer);
}

// What line and area series publish beside the common ones.
template <class D>
TClassDecl<D>& DeclareLineAreaProperties(TClassDecl<D>& d) {
  using S = TCustomSeries;
  return d.Prop("ColorEachLine", &S::GetColorEachLine, &S::SetColorEachLine)
      .Default(1)
      .Prop("Dark3D", &S::GetDark3D, &S::SetDark3D)
      .Default(1)
      .Enum("DrawStyle", &S::GetDrawStyle, &S::SetDrawStyle, DrawStyleInfo())
      .Default(dsSegments)
      .Prop("Gradient", &S::GetGradientProp, &S::SetGradientProp)
      .Prop("InflateMargins", &S::GetInflateMargins, &S::SetInflateMargins)
      .Default(1)
      .Prop("InvertedStairs", &S::GetInvertedStairs, &S::SetInvertedStairs)
      .Default(0)
      .Prop("LinePen", &S::GetLinePen, &S::SetLinePen)
      .Prop("PointerBehind", &S::GetPointerBehind, &S::SetPointerBehind)
      .Default(0)
      .Prop("Stairs", &S::GetStairs, &S::SetStairs)
      .Default(0);
}

template <class D>
const TClassInfo* DeclareLineProperties(TClassDecl<D>&& d) {
  using S = TCustomSeries;
  DeclareCommonProperties(d);
  DeclareLineAreaProperties(d);
  d.Prop("Brush", &S::GetBrush, &S::SetBrush)
      .Prop("Emboss", &S::GetEmboss, &S::SetEmboss)
      .Enum("LineBrush", &S::GetLineBrush, &S::SetLineBrush, LineBrushStyleInfo())
      .Default(bsSolid)
      .Prop("LineHeight", &S::GetLineHeight, &S::SetLineHeight)
      .Default(0)
      .Prop("OutLine", &S::OutLineProp, &S::SetOutLine)
      .Stored(&S::HasOutLine)
      .Prop("Shadow", &S::GetShadow, &S::SetShadow)
      .Enum("Stacked", &S::GetStacked, &S::SetStacked, SeriesStackInfo())
      .Default(cssNone);
  return d;
}

template <class D>
const TClassInfo* DeclarePointProperties(TClassDecl<D>&& d) {
  using S = TCustomSeries;
  DeclareCommonProperties(d);
  d.Enum("Stacked", &S::GetStacked, &S::SetStacked, SeriesStackInfo()).Default(cssNone);
  return d;
}
