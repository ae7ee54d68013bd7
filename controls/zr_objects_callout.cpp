#include "controls/zr_objects_decl.h"
#include "controls/zr_objects_path.h"

const TEnumInfo& zrCalloutPositionInfo() {
  static const TEnumInfo info(
      "TzrCalloutPosition", {"zrCalloutTop", "zrCalloutLeft", "zrCalloutBottom", "zrCalloutRight"});
  return info;
}

TzrCalloutRectangle::TzrCalloutRectangle(TComponent* AOwner)
    : TzrRectangle(AOwner), FPath(std::make_unique<TzrPathData>()) {}

const TClassInfo* TzrCalloutRectangle::Class() {
  using T = TzrCalloutRectangle;
  static const TClassInfo* info =
      PublishRectangle(TClassDecl<T>("TzrCalloutRectangle", TzrRectangle::Class()))
          .Prop("CalloutWidth", &T::GetCalloutWidth, &T::SetCalloutWidth)
          .Prop("CalloutLength", &T::GetCalloutLength, &T::SetCalloutLength)
          .Enum("CalloutPosition", &T::GetCalloutPosition, &T::SetCalloutPosition,
                zrCalloutPositionInfo())
          .Default(zrCalloutTop)
          .Prop("CalloutOffset", &T::GetCalloutOffset, &T::SetCalloutOffset);
  return info;
}

void TzrCalloutRectangle::Changed() {
  CreatePath();
  Repaint();
}

void TzrCalloutRectangle::SetCalloutWidth(float Value) {
  if (FCalloutWidth == Value) return;
  FCalloutWidth = Value;
  Changed();
}

void TzrCalloutRectangle::SetCalloutLength(float Value) {
  if (FCalloutLength == Value) return;
  FCalloutLength = Value;
  Changed();
}

void TzrCalloutRectangle::SetCalloutPosition(TzrCalloutPosition Value) {
  if (FCalloutPosition == Value) return;
  FCalloutPosition = Value;
  Changed();
}

void TzrCalloutRectangle::SetCalloutOffset(float Value) {
  if (FCalloutOffset == Value) return;
  FCalloutOffset = Value;
  Changed();
}

// A figure broken by moves would be filled piece by piece, each piece closed
// on its own; the fill takes the closed figure so that it still covers the
// missing sides.
void TzrCalloutRectangle::Paint() {
  CreatePath();
  TzrPathData closed;
  BuildOutline(closed, true);
  const float opacity = GetAbsoluteOpacity();
  GetCanvas()->FillPath(closed, closed.GetBounds(), opacity);
  GetCanvas()->DrawPath(*FPath, FPath->GetBounds(), opacity);
}

namespace {

bool Has(uint8_t Set, int Bit) { return (Set >> Bit) & 1; }

// A side or square-corner step: drawn when the side is there, else a move.
void StepTo(TzrPathData& Path, const TzrPoint& P, bool Drawn) {
  if (Drawn)
    Path.LineTo(P);
  else
    Path.MoveTo(P);
}

TzrSide CalloutSide(TzrCalloutPosition Position) {
  switch (Position) {
    case zrCalloutTop:
      return zrSideTop;
    case zrCalloutLeft:
      return zrSideLeft;
    case zrCalloutBottom:
      return zrSideBottom;
    case zrCalloutRight:
      break;
  }
  return zrSideRight;
}

}  // namespace

// The corners run clockwise from the top left; each is entered by one side
// and left by the next. The pointer sits on its side before the line that
// ends the side.
void TzrCalloutRectangle::CreatePath() { BuildOutline(*FPath, false); }

void TzrCalloutRectangle::BuildOutline(TzrPathData& Path, bool Closed) {
  static constexpr TzrCorner kClockwise[] = {zrCornerTopLeft, zrCornerTopRight, zrCornerBottomRight,
                                             zrCornerBottomLeft};
  static constexpr TzrSide kSideIn[] = {zrSideLeft, zrSideTop, zrSideRight, zrSideBottom};
  static constexpr TzrSide kSideOut[] = {zrSideTop, zrSideRight, zrSideBottom, zrSideLeft};

  TzrRect r = GetShapeRect();
  const float d = r.Left;
  switch (FCalloutPosition) {
    case zrCalloutTop:
      r.Top += FCalloutLength;
      break;
    case zrCalloutLeft:
      r.Left += FCalloutLength;
      break;
    case zrCalloutBottom:
      r.Bottom -= FCalloutLength;
      break;
    case zrCalloutRight:
      r.Right -= FCalloutLength;
      break;
  }
  if (FSides != AllSides) r = zrGrowMissingSides(r, FSides, d);

  const TzrSide pointer = CalloutSide(FCalloutPosition);
  Path.Clear();
  for (int i = 0; i < 4; ++i) {
    const TzrCornerShape corner = zrRectCornerShape(r, FxRadius, FyRadius, kClockwise[i]);
    const bool in = Closed || Has(FSides, kSideIn[i]);
    const bool out = Closed || Has(FSides, kSideOut[i]);
    if (i == 0) {
      Path.MoveTo(corner.Start);
    } else {
      if (Has(FSides, kSideIn[i]) && kSideIn[i] == pointer) AddCallout(Path, r);
      StepTo(Path, corner.Start, in);
    }
    if (Has(FCorners, kClockwise[i])) {
      Path.AddCorner(corner, FCornerType);
    } else {
      StepTo(Path, corner.Sharp, in);
      StepTo(Path, corner.End, out);
    }
  }
  if (!Has(FSides, zrSideLeft)) return;
  if (pointer == zrSideLeft) AddCallout(Path, r);
  Path.LineTo(zrRectCornerShape(r, FxRadius, FyRadius, zrCornerTopLeft).Start);
}

void TzrCalloutRectangle::AddCallout(TzrPathData& Path, const TzrRect& R) {
  const float L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom;
  const float ln = FCalloutLength, wd = FCalloutWidth, off = FCalloutOffset;
  const float a = std::abs(off);
  // Centred pointers are placed at half the difference of the edges.
  const float cx = (Rt - L) / 2, cy = (B - T) / 2;
  const float base = off > 0 ? T : B;
  TzrPoint p[3];
  switch (FCalloutPosition) {
    case zrCalloutTop:
      if (off == 0)
        p[0] = {cx - wd / 2, T}, p[1] = {cx, T - ln}, p[2] = {cx + wd / 2, T};
      else if (off > 0)
        p[0] = {L + off, T}, p[1] = {L + off + wd / 2, T - ln}, p[2] = {L + off + wd, T};
      else
        p[0] = {Rt - a - wd, T}, p[1] = {Rt - a - wd / 2, T - ln}, p[2] = {Rt - a, T};
      break;
    case zrCalloutRight:
      if (off == 0)
        p[0] = {Rt, cy - wd / 2}, p[1] = {Rt + ln, cy}, p[2] = {Rt, cy + wd / 2};
      else
        p[0] = {Rt, base + off}, p[1] = {Rt + ln, base + off + wd / 2},
        p[2] = {Rt, base + off + wd};
      break;
    case zrCalloutBottom:
      if (off == 0)
        p[0] = {cx + wd / 2, B}, p[1] = {cx, B + ln}, p[2] = {cx - wd / 2, B};
      else if (off > 0)
        p[0] = {L + off + wd, B}, p[1] = {L + off + wd / 2, B + ln}, p[2] = {L + off, B};
      else
        p[0] = {Rt - a, B}, p[1] = {Rt - a - wd / 2, B + ln}, p[2] = {Rt - a - wd, B};
      break;
    case zrCalloutLeft:
      if (off == 0)
        p[0] = {L, cy + wd / 2}, p[1] = {L - ln, cy}, p[2] = {L, cy - wd / 2};
      else
        p[0] = {L, base + off + wd}, p[1] = {L - ln, base + off + wd / 2}, p[2] = {L, base + off};
      break;
  }
  for (const TzrPoint& point : p) Path.LineTo(point);
}
