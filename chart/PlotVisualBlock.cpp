#include "chart/PlotVisualBlock.h"

#include <cmath>

#include "platform/rtl/RttiDecl.h"

const TClassInfo* TVisualBlock::Class() {
  static const TClassInfo* info =
      TClassDecl<TVisualBlock>("TVisualBlock", TComponent::Class())
          .Prop("Location", &TVisualBlock::GetLocation, &TVisualBlock::SetLocation)
          .Prop("Size", &TVisualBlock::GetSize, &TVisualBlock::SetSize);
  return info;
}

TVisualBlock::TVisualBlock(TComponent* AOwner) : TComponent(AOwner) {
  FLocation = std::make_unique<TPointXYZFloat>(0);
  FLocation->IOwnerRepaint = [this] { Repaint(); };
  FSize = std::make_unique<TPointXYZFloat>(100, [this](TObject* S) { SizeChanged(S); });
  FSize->IOwnerRepaint = [this] { Repaint(); };
}

TVisualBlock::~TVisualBlock() {
  FSize.reset();
  FLocation.reset();
}

void TVisualBlock::Assign(TPersistent* Source) {
  if (auto* block = dynamic_cast<TVisualBlock*>(Source)) {
    FLocation->Assign(block->FLocation.get());
    FSize->Assign(block->FSize.get());
    IsCloneable = block->IsCloneable;
    return;
  }
  TComponent::Assign(Source);
}

void TVisualBlock::SetLocation(TPointXYZFloat* Value) {
  FLocation->Assign(Value);
  Repaint();
}

void TVisualBlock::SetSize(TPointXYZFloat* Value) {
  FSize->Assign(Value);
  Repaint();
}

void TVisualBlock::SetBounds(const TRect& R, float Z0, float Z1, int) {
  // Written without the setters, which would notify and repaint.
  auto location = std::move(FLocation->IOwnerRepaint);
  auto size = std::move(FSize->IOwnerRepaint);
  auto sizeChanged = std::move(FSize->FOnChanged);
  FLocation->IOwnerRepaint = nullptr;
  FSize->IOwnerRepaint = nullptr;
  FSize->FOnChanged = nullptr;
  FLocation->SetPoint((R.Left + R.Right) * 0.5f, (Z0 + Z1) * 0.5f,
                      float(R.Bottom - R.Top) - (R.Top + R.Bottom) * 0.5f);
  FSize->SetPoint(float(std::abs(R.Right - R.Left)), std::fabs(Z0 - Z1),
                  float(std::abs(R.Bottom - R.Top)));
  FLocation->IOwnerRepaint = std::move(location);
  FSize->IOwnerRepaint = std::move(size);
  FSize->FOnChanged = std::move(sizeChanged);
}
