#include "scene/zr_transform.h"

#include "platform/rtl/RttiDecl.h"

const TClassInfo* TzrTransform::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrTransform>("TzrTransform", TPersistent::Class())
          .Prop("Position", &TzrTransform::GetPosition, &TzrTransform::SetPosition)
          .Prop("Scale", &TzrTransform::GetScale, &TzrTransform::SetScale)
          .Prop("RotateAngle", &TzrTransform::GetRotateAngle, &TzrTransform::SetRotateAngle)
          .Default(0)
          .Prop("RotateCenter", &TzrTransform::GetRotateCenter, &TzrTransform::SetRotateCenter);
  return info;
}

TzrTransform::TzrTransform()
    : FPosition(std::make_unique<TzrPosition>(TzrPoint{0, 0})),
      FScale(std::make_unique<TzrPosition>(TzrPoint{1, 1})),
      FSkew(std::make_unique<TzrPosition>(TzrPoint{0, 0})),
      FRotateCenter(std::make_unique<TzrPosition>(TzrPoint{0.5f, 0.5f})) {
  auto changed = [this](TObject* Sender) { MatrixChanged(Sender); };
  FPosition->OnChange = changed;
  FScale->OnChange = changed;
  FSkew->OnChange = changed;
  FRotateCenter->OnChange = changed;
}

TzrTransform::~TzrTransform() = default;

void TzrTransform::MatrixChanged(TObject*) {
  FMatrix = IdentityMatrix;
  FMatrix.m31 = FPosition->FX;
  FMatrix.m32 = FPosition->FY;
  FMatrix.m13 = FSkew->FX;
  FMatrix.m23 = FSkew->FY;
  FMatrix.m11 = FScale->FX;
  FMatrix.m22 = FScale->FY;
  if (FRotateAngle != 0)
    FMatrix = zrMatrixMultiply(zrCreateRotationMatrix(zrDegToRad(FRotateAngle)), FMatrix);
  if (OnChanged) OnChanged(this);
}

void TzrTransform::SetPosition(TzrPosition* Value) { FPosition->Assign(Value); }
void TzrTransform::SetScale(TzrPosition* Value) { FScale->Assign(Value); }
void TzrTransform::SetRotateCenter(TzrPosition* Value) { FRotateCenter->Assign(Value); }

void TzrTransform::SetRotateAngle(float Value) {
  if (Value == FRotateAngle) return;
  FRotateAngle = Value;
  MatrixChanged(this);
}

void TzrTransform::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TzrTransform*>(Source);
  if (!source) return TPersistent::Assign(Source);
  auto copy = [](TzrPosition& Dst, const TzrPosition& Src) {
    Dst.FX = Src.FX;
    Dst.FY = Src.FY;
  };
  copy(*FPosition, *source->FPosition);
  copy(*FScale, *source->FScale);
  copy(*FSkew, *source->FSkew);
  copy(*FRotateCenter, *source->FRotateCenter);
  FRotateAngle = source->FRotateAngle;
  MatrixChanged(this);
}
