#include "chart/PlotVisualBlock.h"

#include <cmath>

#include "platform/rtl/RttiDecl.h"

const TClassInfo* TVisualBlock::Class() {
  using V = TVisualBlock;
  static const TClassInfo* info = TClassDecl<V>("TVisualBlock", TComponent::Class())
                                      .Prop("Location", &V::GetLocation, &V::SetLocation)
                                      .Prop("Size", &V::GetSize, &V::SetSize);
  return info;
}

TVisualBlock::TVisualBlock(TComponent* AOwner)
    : TComponent(AOwner),
      FLocation(std::make_unique<TPointXYZFloat>(0.0)),
      FSize(std::make_unique<TPointXYZFloat>(100.0, [this](TObject* s) { SizeChanged(s); })) {
  FLocation->IOwnerRepaint = [this] { Repaint(); };
  FSize->IOwnerRepaint = [this] { Repaint(); };
}

TVisualBlock::~TVisualBlock() {
  FSize.reset();
  FLocation.reset();
}

void TVisualBlock::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TVisualBlock*>(Source);
  if (!source) {
    TComponent::Assign(Source);
    return;
  }
  FLocation->Assign(source->FLocation.get());
  FSize->Assign(source->FSize.get());
  IsCloneable = source->IsCloneable;
}

void TVisualBlock::SetLocation(TPointXYZFloat* Value) {
  FLocation->Assign(Value);
  Repaint();
}

void TVisualBlock::SetSize(TPointXYZFloat* Value) {
  FSize->Assign(Value);
  Repaint();
}

void TVisualBlock::SetBounds(const TRect& R, float Z0, float Z1) {
  // The point blocks notify on every setter, so the coordinates are
  // staged without their callbacks.
  auto write = [](TPointXYZFloat& P, float X, float Y, float Z) {
    TNotifyEvent changed = std::move(P.FOnChanged);
    std::function<void()> repaint = std::move(P.IOwnerRepaint);
    P.FOnChanged = nullptr;
    P.IOwnerRepaint = nullptr;
    P.SetPoint(X, Y, Z);
    P.FOnChanged = std::move(changed);
    P.IOwnerRepaint = std::move(repaint);
  };
  write(*FLocation, (R.Left + R.Right) * 0.5f, (Z0 + Z1) * 0.5f,
        (R.Bottom - R.Top) - (R.Top + R.Bottom) * 0.5f);
  write(*FSize, static_cast<float>(std::abs(R.Right - R.Left)), std::fabs(Z0 - Z1),
        static_cast<float>(std::abs(R.Bottom - R.Top)));
}
