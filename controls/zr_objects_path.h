#pragma once
// Shapes whose outline is a path: TzrPath (a path given as data, fitted,
// stretched, tiled or at its own size), the scroll arrows (preset
// triangles) and TzrCalloutRectangle (a rectangle with shaped corners,
// optional missing sides and a pointer on one side).

#include <memory>

#include "controls/zr_objects.h"
#include "scene/zr_path.h"

enum TzrPathWrap { zrPathOriginal, zrPathFit, zrPathStretch, zrPathTile };
const TEnumInfo& zrPathWrapInfo();

class TzrCustomPath : public TzrShape {
 public:
  explicit TzrCustomPath(TComponent* AOwner);
  ~TzrCustomPath() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Published as "Data" (GetData/SetData are the binding value's).
  TzrPathData* GetPathData() const { return FData.get(); }
  void SetPathData(TzrPathData* Value) { FData->Assign(Value); }
  TzrPathWrap GetWrapMode() const { return FWrapMode; }
  void SetWrapMode(TzrPathWrap Value);

  void Paint() override;
  // The path as stretched into the shape rectangle, whatever WrapMode is; a
  // path of at most one point falls back to the rectangle.
  bool PointInObject(float X, float Y) override;

 protected:
  // The shared path this one stands for, else this one.
  TzrPathData* ShownPath();
  void PaintClipped(TzrCanvas* Canvas, const TzrPathData& P, const TzrRect& S);

  std::unique_ptr<TzrPathData> FData;
  TzrPathWrap FWrapMode = zrPathStretch;
};

class TzrPath : public TzrCustomPath {
 public:
  using TzrCustomPath::TzrCustomPath;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrScrollArrowLeft : public TzrCustomPath {
 public:
  explicit TzrScrollArrowLeft(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrScrollArrowRight : public TzrCustomPath {
 public:
  explicit TzrScrollArrowRight(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

enum TzrCalloutPosition { zrCalloutTop, zrCalloutLeft, zrCalloutBottom, zrCalloutRight };
const TEnumInfo& zrCalloutPositionInfo();

class TzrCalloutRectangle : public TzrRectangle {
 public:
  explicit TzrCalloutRectangle(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetCalloutWidth() const { return FCalloutWidth; }
  void SetCalloutWidth(float Value);
  float GetCalloutLength() const { return FCalloutLength; }
  void SetCalloutLength(float Value);
  TzrCalloutPosition GetCalloutPosition() const { return FCalloutPosition; }
  void SetCalloutPosition(TzrCalloutPosition Value);
  float GetCalloutOffset() const { return FCalloutOffset; }
  void SetCalloutOffset(float Value);

  // Rebuilds the outline from the current geometry: missing sides are moves,
  // so they are not stroked.
  void CreatePath();
  const TzrPathData& GetPath() const { return *FPath; }
  void Paint() override;

 private:
  void Changed();
  // The outline into Path; with Closed every side is a line (the figure the
  // fill covers), else missing sides are moves.
  void BuildOutline(TzrPathData& Path, bool Closed);
  // The pointer's three points on the callout side of R (the body), in the
  // side's direction of travel.
  void AddCallout(TzrPathData& Path, const TzrRect& R);

  std::unique_ptr<TzrPathData> FPath;
  float FCalloutWidth = 23;
  float FCalloutLength = 11;
  TzrCalloutPosition FCalloutPosition = zrCalloutTop;
  float FCalloutOffset = 0;
};
