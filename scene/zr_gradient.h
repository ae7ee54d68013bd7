#pragma once
// Linear and radial colour gradients: an ordered, growable list of colour
// stops, the axis of a linear gradient and the transform of a radial one.

#include <memory>
#include <string>

#include "platform/rtl/Collection.h"
#include "scene/zr_position.h"
#include "scene/zr_transform.h"

class TEnumInfo;
class TzrGradientPoints;

// One colour stop. Published Color (colour text, no event) and Offset
// (0..1 along the gradient, 0 not written).
class TzrGradientPoint : public TCollectionItem {
 public:
  explicit TzrGradientPoint(TCollection* ACollection);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Assign(TPersistent* Source) override;

  std::string GetColor() const;
  void SetColor(const std::string& Value);
  TzrColor GetIntColor() const { return FColor; }
  void SetIntColor(TzrColor Value) { FColor = Value; }
  float GetOffset() const { return FOffset; }
  void SetOffset(float Value) { FOffset = Value; }

 private:
  TzrColor FColor = 0;
  float FOffset = 0;
};

// The stops of a gradient, expected in ascending order of offset.
class TzrGradientPoints : public TCollection {
 public:
  TzrGradientPoints();
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Raises EListError outside 0 .. Count - 1.
  TzrGradientPoint* GetPoint(int Index) const;
  // A new stop at the end.
  TzrGradientPoint* AddPoint(TzrColor AColor, float AOffset);
};

enum TzrGradientStyle { zrLinearGradient, zrRadialGradient };
const TEnumInfo& zrGradientStyleInfo();

// Published Points, Style, StartPosition and StopPosition (stored for a
// linear gradient) and RadialTransform (stored for a radial one). A new
// gradient runs from opaque black at 0 to opaque white at 1, top to bottom.
class TzrGradient : public TPersistent {
 public:
  TzrGradient();
  ~TzrGradient() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Copies the stops, the style and the part the style uses; fires OnChanged once.
  void Assign(TPersistent* Source) override;

  TzrGradientPoints* GetPoints() const { return FPoints.get(); }
  void SetPoints(TzrGradientPoints* Value);
  TzrGradientStyle GetStyle() const { return FStyle; }
  void SetStyle(TzrGradientStyle Value);
  TzrPosition* GetStartPosition() const { return FStartPosition.get(); }
  void SetStartPosition(TzrPosition* Value);
  TzrPosition* GetStopPosition() const { return FStopPosition.get(); }
  void SetStopPosition(TzrPosition* Value);
  TzrTransform* GetRadialTransform() const { return FRadialTransform.get(); }
  void SetRadialTransform(TzrTransform* Value);

  // The colour of the first stop (when there is one) and of the second (when
  // there are two); neither fires an event.
  void SetColor(const std::string& Value);
  void SetColor1(const std::string& Value);
  // The colour at Offset (clamped to 0..1); 0 with fewer than two stops.
  TzrColor InterpolateColor(float Offset) const;
  void Change();

  TNotifyEvent OnChanged;

 private:
  void PositionChanged(TObject* Sender);
  bool IsLinear() const { return FStyle == zrLinearGradient; }
  bool IsRadial() const { return FStyle == zrRadialGradient; }

  std::unique_ptr<TzrGradientPoints> FPoints;
  std::unique_ptr<TzrPosition> FStartPosition;
  std::unique_ptr<TzrPosition> FStopPosition;
  TzrGradientStyle FStyle = zrLinearGradient;
  std::unique_ptr<TzrTransform> FRadialTransform;
};
