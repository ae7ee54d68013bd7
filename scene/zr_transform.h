#pragma once
// A 2-D transform built from a translation, a scale, a hidden skew and a
// rotation angle; its matrix is rebuilt whenever one of them changes.

#include <memory>

#include "scene/zr_position.h"

// Published Position (0, 0), Scale (1, 1), RotateAngle (degrees, 0 not
// written) and RotateCenter (0.5, 0.5; kept for the readers of the transform,
// it takes no part in the matrix).
class TzrTransform : public TPersistent {
 public:
  TzrTransform();
  ~TzrTransform() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Copies the coordinates and the angle without events, then rebuilds the
  // matrix once (which fires OnChanged).
  void Assign(TPersistent* Source) override;

  TzrPosition* GetPosition() const { return FPosition.get(); }
  void SetPosition(TzrPosition* Value);
  TzrPosition* GetScale() const { return FScale.get(); }
  void SetScale(TzrPosition* Value);
  float GetRotateAngle() const { return FRotateAngle; }
  void SetRotateAngle(float Value);
  TzrPosition* GetRotateCenter() const { return FRotateCenter.get(); }
  void SetRotateCenter(TzrPosition* Value);
  const TzrMatrix& GetMatrix() const { return FMatrix; }

  TNotifyEvent OnChanged;

 private:
  // Rebuilds the matrix: rotation about the origin, then scale (and skew),
  // then translation; fires OnChanged.
  void MatrixChanged(TObject* Sender);

  TzrMatrix FMatrix = IdentityMatrix;
  float FRotateAngle = 0;
  std::unique_ptr<TzrPosition> FPosition;
  std::unique_ptr<TzrPosition> FScale;
  std::unique_ptr<TzrPosition> FSkew;
  std::unique_ptr<TzrPosition> FRotateCenter;
};
