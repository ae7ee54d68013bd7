#pragma once
// Vector paths of the scene: a flat list of typed points describing figures of
// straight lines and cubic Bezier curves, with builders, arcs, an SVG-like text
// form, flattening into polygons, bounds, the binary "Path" form of object
// streams, and the link to a shared named path.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_geometry.h"
#include "scene/zr_object.h"

class TzrPathObject;

enum TzrPathPointKind : int32_t {
  zrPathPointMoveTo,
  zrPathPointLineTo,
  zrPathPointCurveTo,  // always three in a row: control 1, control 2, end point
  zrPathPointClose     // its point is the figure start; it adds no vertex
};

struct TzrPathPoint {
  TzrPathPointKind Kind = zrPathPointMoveTo;
  TzrPoint Point;

  bool operator==(const TzrPathPoint&) const = default;
};

enum TzrCornerType { zrCornerRound, zrCornerBevel, zrCornerInnerRound, zrCornerInnerLine };

// One corner of a rectangle with rounded corners, walked clockwise: the
// corner begins at Start and ends at End; Sharp is the square corner point;
// the round shape has the control points RoundC1 and RoundC2, the inner shapes
// pass through InnerA and InnerB.
struct TzrCornerShape {
  TzrPoint Start, Sharp;
  TzrPoint RoundC1, RoundC2;  // zrCornerRound
  TzrPoint InnerA, InnerB;    // zrCornerInnerRound and zrCornerInnerLine
  TzrPoint End;
};

// The corner of ARect; a radius larger than half the side is cut to half.
TzrCornerShape zrRectCornerShape(const TzrRect& ARect, float XRadius, float YRadius,
                                 TzrCorner ACorner);

// Published: Data (the text form, never stored), Resource (never stored) and
// ResourceName. A path can stand for a shared path: a named path node
// (TzrPathObject) of the object tree, found by its resource name.
class TzrPathData : public TPersistent, public IzrFreeNotify {
 public:
  TzrPathData() = default;
  ~TzrPathData() override;
  TzrPathData(const TzrPathData&) = delete;
  TzrPathData& operator=(const TzrPathData&) = delete;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Building; none of these fires OnChanged.
  void MoveTo(const TzrPoint& P);
  void MoveToRel(const TzrPoint& P);
  void LineTo(const TzrPoint& P);
  void LineToRel(const TzrPoint& P);
  void HLineTo(float X);
  void HLineToRel(float DX);
  void VLineTo(float Y);
  void VLineToRel(float DY);
  void CurveTo(const TzrPoint& ControlPoint1, const TzrPoint& ControlPoint2,
               const TzrPoint& EndPoint);
  void CurveToRel(const TzrPoint& ControlPoint1, const TzrPoint& ControlPoint2,
                  const TzrPoint& EndPoint);
  // The first control point mirrors the previous one through the current point.
  void SmoothCurveTo(const TzrPoint& ControlPoint2, const TzrPoint& EndPoint);
  void SmoothCurveToRel(const TzrPoint& ControlPoint2, const TzrPoint& EndPoint);
  void ClosePath();
  void AddEllipse(const TzrRect& ARect);
  void AddRectangle(const TzrRect& ARect, float XRadius, float YRadius, TzrCorners ACorners,
                    TzrCornerType ACornerType);
  // The shaped corner from the current point (the corner's Start) to its End.
  void AddCorner(const TzrCornerShape& ACorner, TzrCornerType ACornerType);
  // Elliptic arc, angles in degrees from +X towards +Y; joined to the path by
  // a move-to (empty path) or a line-to.
  void AddArc(const TzrPoint& Center, const TzrPoint& Radius, float StartAngle, float SweepAngle);
  void AddArcSvgPart(const TzrPoint& Center, const TzrPoint& Radius, float StartAngle,
                     float SweepAngle);
  // Arc between end points as in SVG; P1 is expected to be the current point.
  // A zero radius draws a line to P2; equal end points draw nothing.
  void AddArcSvg(const TzrPoint& P1, const TzrPoint& Radius, float Angle, bool LargeFlag,
                 bool SweepFlag, const TzrPoint& P2);

  // Reading and editing.
  TzrPoint LastPoint() const;
  bool IsEmpty() const { return PathData.empty(); }
  // Bounds of every point but close entries (control points included).
  TzrRect GetBounds() const;
  void Clear();
  void Scale(float ScaleX, float ScaleY);
  void Offset(float DX, float DY);
  void ApplyMatrix(const TzrMatrix& M);
  void Flatten(float Flatness = 0.25f);
  // Appends the flattened figures to Polygon; returns the size of the bounds.
  TzrPoint FlattenToPolygon(TzrPolygon& Polygon, float Flatness = 0.25f) const;
  std::string GetPathString() const;
  // Never raises: a malformed command is dropped and parsing ends at the
  // first character no command can use.
  void SetPathString(const std::string& Text);
  // Another path's entries, or its link to a shared path; OnChanged fires.
  void Assign(TPersistent* Source) override;
  // The stream entry "Path" in the binary form below, written when the path
  // has entries. Data that ReadPathBytes refuses leaves the path unchanged.
  void DefineProperties(TFiler* Filer) override;

  // The binary "Path" form: a 32-bit count, then 12 bytes per entry (kind,
  // X, Y), all little-endian; the older 9-byte entries are read as well.
  bool HasPathBytes() const { return !PathData.empty(); }
  std::vector<uint8_t> WritePathBytes() const;
  // Refuses (EStreamError, path unchanged) data whose size does not hold the
  // count of entries or whose kinds are unknown. No event fires.
  void ReadPathBytes(const std::vector<uint8_t>& Data);
  // The same over streams: ReadPath takes every byte from the position to the end.
  void ReadPath(TStream& Stream);
  void WritePath(TStream& Stream) const;

  // The shared path node; linking copies its resource name and joins its
  // free-notify list, unlinking empties the name.
  TzrPathObject* GetResource() const { return FResource; }
  void SetResource(TzrPathObject* Value);
  const std::string& GetResourceName() const { return FResourceName; }
  void SetResourceName(const std::string& Text);
  // The shared path this one stands for: the linked node's Path, or the one
  // of the newest TzrPathObject under ResourceName, which becomes linked;
  // nullptr when the path uses its own entries.
  TzrPathData* GetPath();
  // The linked node is being freed: the link is dropped without an event and
  // the name stays, so the next GetPath looks it up again.
  void FreeNotify(TzrObject* AObject) override;

  TNotifyEvent OnChanged;
  std::vector<TzrPathPoint> PathData;

 private:
  void Add(TzrPathPointKind Kind, const TzrPoint& P);
  void AddArcPieces(const TzrPoint& Center, const TzrPoint& Radius, float StartAngle,
                    float SweepAngle, bool Join);
  void DoChanged();

  TzrPathObject* FResource = nullptr;
  std::string FResourceName;
  TzrPoint FStartPoint;
};
