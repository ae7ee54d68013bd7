#pragma once
// The toolkit's leaf drawing objects: shapes that paint themselves with one
// fill and one stroke brush (rectangles, round rectangles, ellipses, circles,
// pies, arcs and lines). Every style sheet is built from them, and the main
// window's lamps are circles. The text, image and paint-box objects are in
// zr_objects_text.h, the path shapes and the callout rectangle in
// zr_objects_path.h.
//
// All coordinates are local; a shape paints inside its shape rectangle (the
// local rectangle inset by half the stroke thickness while the stroke
// shows), so the outline stays inside the object's bounds.

#include <memory>

#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_visual.h"

class TEnumInfo;

const TEnumInfo& zrCornerInfo();
const TEnumInfo& zrSideInfo();
const TEnumInfo& zrCornerTypeInfo();

enum TzrLineType { zrLineNormal, zrLineHorizontal, zrLineVertical };
const TEnumInfo& zrLineTypeInfo();

// S grown outward by D on every side missing from ASides: with D the stroke
// inset, the fill of a rectangle with missing sides reaches the object's
// edge where no outline is drawn.
TzrRect zrGrowMissingSides(const TzrRect& S, TzrSides ASides, float D);

// Draws the dashed outline that marks an otherwise invisible object while a
// designer edits the scene: nothing outside design time, for locked objects
// or while the object is rendered off-screen. The canvas's stroke settings
// are kept.
void zrDrawDesignOutline(TzrVisualObject* AObject);

// Publishes nothing itself: each concrete shape publishes the six fill and
// stroke properties (see PublishShape in the .cpp).
class TzrShape : public TzrVisualObject {
 public:
  explicit TzrShape(TComponent* AOwner);
  ~TzrShape() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrBrush* GetFill() const { return FFill.get(); }
  void SetFill(TzrBrush* Value) { FFill->Assign(Value); }
  TzrBrush* GetStroke() const { return FStroke.get(); }
  void SetStroke(TzrBrush* Value) { FStroke->Assign(Value); }
  float GetStrokeThickness() const { return FStrokeThickness; }
  void SetStrokeThickness(float Value);
  TzrStrokeCap GetStrokeCap() const { return FStrokeCap; }
  void SetStrokeCap(TzrStrokeCap Value);
  TzrStrokeJoin GetStrokeJoin() const { return FStrokeJoin; }
  void SetStrokeJoin(TzrStrokeJoin Value);
  TzrStrokeDash GetStrokeDash() const { return FStrokeDash; }
  void SetStrokeDash(TzrStrokeDash Value);
  bool StrokeThicknessStored() const { return FStrokeThickness != 1; }

  // The local rectangle, inset by half the stroke thickness when the stroke
  // brush draws.
  TzrRect GetShapeRect();
  void BeforePaint() override;
  void AfterPaint() override;

  virtual void FillChanged(TObject* Sender);
  virtual void StrokeChanged(TObject* Sender);

 protected:
  // Marks the effect bitmaps stale and repaints.
  void ChangedWithEffects();

  std::unique_ptr<TzrBrush> FFill;
  float FStrokeThickness = 1;
  std::unique_ptr<TzrBrush> FStroke;
  TzrStrokeCap FStrokeCap = zrCapFlat;
  TzrStrokeJoin FStrokeJoin = zrJoinMiter;
  TzrStrokeDash FStrokeDash = zrDashSolid;
};

class TzrLine : public TzrShape {
 public:
  using TzrShape::TzrShape;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrLineType GetLineType() const { return FLineType; }
  void SetLineType(TzrLineType Value);
  void Paint() override;

 private:
  TzrLineType FLineType = zrLineNormal;
};

class TzrRectangle : public TzrShape {
 public:
  using TzrShape::TzrShape;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  float GetxRadius() const { return FxRadius; }
  virtual void SetxRadius(float Value);
  float GetyRadius() const { return FyRadius; }
  virtual void SetyRadius(float Value);
  TzrCorners GetCorners() const { return FCorners; }
  virtual void SetCorners(TzrCorners Value);
  TzrCornerType GetCornerType() const { return FCornerType; }
  virtual void SetCornerType(TzrCornerType Value);
  TzrSides GetSides() const { return FSides; }
  virtual void SetSides(TzrSides Value);
  void Paint() override;

 protected:
  float FyRadius = 0;
  float FxRadius = 0;
  TzrCorners FCorners = AllCorners;
  TzrCornerType FCornerType = zrCornerRound;
  TzrSides FSides = AllSides;
};

// A rectangle under the class name the status bar, tool bar and tab styles use.
class TzrSidesRectangle : public TzrRectangle {
 public:
  using TzrRectangle::TzrRectangle;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// Semicircular ends on the listed corners: the radius is half the shorter side.
class TzrRoundRect : public TzrShape {
 public:
  using TzrShape::TzrShape;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrCorners GetCorners() const { return FCorners; }
  virtual void SetCorners(TzrCorners Value);
  void Paint() override;

 private:
  TzrCorners FCorners = AllCorners;
};

// Hit test: the ellipse inscribed in the local rectangle.
class TzrEllipse : public TzrShape {
 public:
  using TzrShape::TzrShape;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Paint() override;
  bool PointInObject(float X, float Y) override;
};

// A circle of the shorter side's diameter, centred.
class TzrCircle : public TzrEllipse {
 public:
  using TzrEllipse::TzrEllipse;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Paint() override;
};

// A slice from StartAngle to EndAngle (degrees, clockwise on screen for
// positive sweeps), hit by its path.
class TzrPie : public TzrEllipse {
 public:
  using TzrEllipse::TzrEllipse;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  float GetStartAngle() const { return FStartAngle; }
  void SetStartAngle(float Value);
  float GetEndAngle() const { return FEndAngle; }
  void SetEndAngle(float Value);
  void Paint() override;
  bool PointInObject(float X, float Y) override;

 protected:
  // The pie's outline; its radii leave room for the stroke.
  void BuildPath(TzrPathData& Path) const;

  float FStartAngle = 0;
  float FEndAngle = -90;
};

// An arc from StartAngle sweeping EndAngle degrees; unfilled by default.
class TzrArc : public TzrEllipse {
 public:
  explicit TzrArc(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  float GetStartAngle() const { return FStartAngle; }
  void SetStartAngle(float Value);
  float GetEndAngle() const { return FEndAngle; }
  void SetEndAngle(float Value);
  void Paint() override;

 private:
  float FStartAngle = 0;
  float FEndAngle = -90;
};

// Registers the shape classes for streaming under "Shapes" (idempotent).
void RegisterShapes();
