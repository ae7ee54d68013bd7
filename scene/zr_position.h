#pragma once
// Small owned values of visual objects and styles: a point (TzrPosition) and
// four edges (TzrBounds). Each tells its single owner about a change through
// OnChange, fired after the change and, for the property setters, only when
// the value really changed. Both stream their value as one text property
// ("Point", "Rect") in place of the published coordinates.

#include "platform/rtl/Classes.h"
#include "scene/zr_geometry.h"

class TzrTransform;

// Published X and Y (never stored: the "Point" text carries them).
class TzrPosition : public TPersistent {
 public:
  explicit TzrPosition(const TzrPoint& ADefaultValue = {});
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;

  float GetX() const { return FX; }
  void SetX(float Value);
  float GetY() const { return FY; }
  void SetY(float Value);
  TzrPoint GetPoint() const { return {FX, FY}; }
  // Stores both coordinates and fires OnChange every time.
  void SetPoint(const TzrPoint& Value);
  // (X, Y, 1).
  TzrVector GetVector() const;
  void SetVector(const TzrVector& Value);
  const TzrPoint& GetDefaultValue() const { return FDefaultValue; }
  void SetDefaultValue(const TzrPoint& Value) { FDefaultValue = Value; }
  bool Empty() const { return FX == 0 && FY == 0; }
  // Mirrors the position vector at the unit normal.
  void Reflect(const TzrVector& Normal);

  TNotifyEvent OnChange;

 private:
  friend class TzrTransform;  // copies coordinates without events
  void DoChange();
  bool HasPointData() const;

  float FY = 0;
  float FX = 0;
  TzrPoint FDefaultValue;
};

// Published Left, Top, Right, Bottom (never stored: the "Rect" text carries
// them). Margins and paddings of visual objects.
class TzrBounds : public TPersistent {
 public:
  explicit TzrBounds(const TzrRect& ADefaultValue = {});
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;

  float GetLeft() const { return FLeft; }
  void SetLeft(float Value);
  float GetTop() const { return FTop; }
  void SetTop(float Value);
  float GetRight() const { return FRight; }
  void SetRight(float Value);
  float GetBottom() const { return FBottom; }
  void SetBottom(float Value);
  TzrRect GetRect() const { return {FLeft, FTop, FRight, FBottom}; }
  // Nothing when all four edges are equal; else stores them and fires once.
  void SetRect(const TzrRect& Value);
  const TzrRect& GetDefaultValue() const { return FDefaultValue; }
  void SetDefaultValue(const TzrRect& Value) { FDefaultValue = Value; }

  // R shrunk by the four edges (a margin), and grown by them (a padding).
  TzrRect MarginRect(const TzrRect& R) const;
  TzrRect PaddinRect(const TzrRect& R) const;
  float Width() const { return FRight - FLeft; }
  float Height() const { return FBottom - FTop; }
  bool MarginEmpty() const { return FLeft == 0 && FTop == 0 && FRight == 0 && FBottom == 0; }
  bool Empty() const;

  TNotifyEvent OnChange;

 private:
  void DoChange();
  void SetEdge(float& Edge, float Value);

  float FRight = 0;
  float FBottom = 0;
  float FTop = 0;
  float FLeft = 0;
  TzrRect FDefaultValue;
};
