#pragma once
// Type-information builders the shape units share: the six fill and stroke
// properties every concrete shape publishes, and the rectangle's own ones.
// Included only by the shape units' .cpp files.

#include "controls/zr_objects.h"
#include "platform/rtl/RttiDecl.h"

template <class T>
TClassDecl<T> PublishStroke(TClassDecl<T> Decl) {
  Decl.Prop("Stroke", &TzrShape::GetStroke, &TzrShape::SetStroke)
      .Prop("StrokeThickness", &TzrShape::GetStrokeThickness, &TzrShape::SetStrokeThickness)
      .Stored(&TzrShape::StrokeThicknessStored)
      .Enum("StrokeCap", &TzrShape::GetStrokeCap, &TzrShape::SetStrokeCap, zrStrokeCapInfo())
      .Default(zrCapFlat)
      .Enum("StrokeDash", &TzrShape::GetStrokeDash, &TzrShape::SetStrokeDash, zrStrokeDashInfo())
      .Default(zrDashSolid)
      .Enum("StrokeJoin", &TzrShape::GetStrokeJoin, &TzrShape::SetStrokeJoin, zrStrokeJoinInfo())
      .Default(zrJoinMiter);
  return Decl;
}

template <class T>
TClassDecl<T> PublishShape(TClassDecl<T> Decl) {
  Decl.Prop("Fill", &TzrShape::GetFill, &TzrShape::SetFill);
  return PublishStroke(Decl);
}

template <class T>
TClassDecl<T> PublishRectangle(TClassDecl<T> Decl) {
  PublishShape(Decl)
      .Prop("xRadius", &TzrRectangle::GetxRadius, &TzrRectangle::SetxRadius)
      .Default(0)
      .Prop("yRadius", &TzrRectangle::GetyRadius, &TzrRectangle::SetyRadius)
      .Default(0)
      .Set("Corners", &TzrRectangle::GetCorners, &TzrRectangle::SetCorners, zrCornerInfo())
      .Default(AllCorners)
      .Enum("CornerType", &TzrRectangle::GetCornerType, &TzrRectangle::SetCornerType,
            zrCornerTypeInfo())
      .Default(zrCornerRound)
      .Set("Sides", &TzrRectangle::GetSides, &TzrRectangle::SetSides, zrSideInfo())
      .Default(AllSides);
  return Decl;
}
