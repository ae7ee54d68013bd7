// Layout of a visual node's children by their Align values, update
// brackets, and the container node TzrContent.
//
// One layout runs a pass per Align value in a fixed order; all passes share
// the remaining rectangle R, which starts as the node less its Margins and
// shrinks as edge-docked children take their bands. A child's Padding is
// kept around it inside the space it is given. Children's geometry is
// written directly (no change events), so a layout does not set off nested
// layouts of the same node; only the child's own Realign and MatrixChanged
// run.

#include <cmath>
#include <vector>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_visual.h"

namespace {

constexpr TzrAlign kPasses[] = {vaMostTop,    vaMostBottom, vaMostLeft, vaMostRight,  vaTop,
                                vaBottom,     vaLeft,       vaRight,    vaClient,     vaHorizontal,
                                vaVertical,   vaContents,   vaCenter,   vaHorzCenter, vaVertCenter,
                                vaScale,      vaFit,        vaFitLeft,  vaFitRight,   vaTopRight,
                                vaBottomLeft, vaBottomRight};

bool KeepsOwnWidth(TzrAlign A) {
  switch (A) {
    case vaTopLeft:
    case vaTopRight:
    case vaBottomLeft:
    case vaBottomRight:
    case vaLeft:
    case vaRight:
    case vaMostLeft:
    case vaMostRight:
    case vaVertical:
      return true;
    default:
      return false;
  }
}

bool KeepsOwnHeight(TzrAlign A) {
  switch (A) {
    case vaTopLeft:
    case vaTopRight:
    case vaBottomLeft:
    case vaBottomRight:
    case vaTop:
    case vaBottom:
    case vaMostTop:
    case vaMostBottom:
    case vaHorizontal:
      return true;
    default:
      return false;
  }
}

// Clears a flag when the scope ends, also on an exception.
struct TFlagGuard {
  bool& Flag;
  explicit TFlagGuard(bool& AFlag) : Flag(AFlag) { Flag = true; }
  ~TFlagGuard() { Flag = false; }
};

}  // namespace

void TzrVisualObject::SetAlign(TzrAlign Value) {
  if (Value == FAlign) return;
  FAlign = Value;
  TzrVisualObject* parent = VisualParent();
  if (!parent) return;
  parent->FNeedAlign = true;
  if (!IsLoading()) parent->Realign();
}

void TzrVisualObject::SetMargins(TzrBounds* Value) {
  if (Value) FMargins->Assign(Value);
}

void TzrVisualObject::SetPadding(TzrBounds* Value) {
  if (Value) FPadding->Assign(Value);
}

void TzrVisualObject::MarginsChanged(TObject* Sender) {
  (void)Sender;
  Realign();
}

void TzrVisualObject::PaddingChanged(TObject* Sender) {
  (void)Sender;
  if (TzrVisualObject* parent = VisualParent()) parent->Realign();
}

// Repaints are held back inside a bracket; the node that opens the
// outermost one notes the area it covers then (its children's included),
// and closing the bracket asks for that old area and the new one.
void TzrVisualObject::BeginUpdate() {
  TzrVisualObject* parent = VisualParent();
  if (FUpdating == 0 && (!parent || parent->FUpdating == 0) && GetScene()) {
    FBracketRect = GetUpdateRect();
    FBracketOpen = true;
  }
  ++FUpdating;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrObject* child = GetChild(i); child->GetIsVisual()) child->GetVisual()->BeginUpdate();
}

void TzrVisualObject::EndUpdate() {
  --FUpdating;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrObject* child = GetChild(i); child->GetIsVisual()) child->GetVisual()->EndUpdate();
  if (FUpdating != 0) return;
  Realign();
  if (!FBracketOpen) return;
  FBracketOpen = false;
  IzoRurev* scene = GetScene();
  if (scene && !scene->GetDisableUpdate()) scene->AddUpdateRect(FBracketRect);
  Repaint();
}

void TzrVisualObject::RecalcNeedAlign() {
  FNeedAlign = false;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrObject* child = GetChild(i);
        child->GetIsVisual() && child->GetVisual()->FAlign != vaNone)
      FNeedAlign = true;
}

TzrRect TzrVisualObject::MarginRect() const {
  return zrRect(FMargins->GetLeft(), FMargins->GetTop(), FWidth - FMargins->GetRight(),
                FHeight - FMargins->GetBottom());
}

void TzrVisualObject::Realign() {
  if (IsDestroying()) return;
  if ((FWidth > -2 && FWidth < 2) || (FHeight > -2 && FHeight < 2)) return;
  if (FDisableDefaultAlign || FDisableAlign || FUpdating > 0) return;
  if (IsLoading()) {
    FLastWidth = FWidth;
    FLastHeight = FHeight;
    return;
  }
  if ((FWidth != FLastWidth || FHeight != FLastHeight) && FHasEffect) UpdateEffects();
  if (!FNeedAlign || GetChildrenCount() == 0) return;
  {
    TFlagGuard guard(FDisableAlign);
    TzrRect r = MarginRect();
    for (TzrAlign pass : kPasses) AlignChildren(pass, r);
  }
  FLastWidth = FWidth;
  FLastHeight = FHeight;
  Repaint();
}

bool TzrVisualObject::AlignSortBefore(TzrVisualObject* A, TzrVisualObject* B, TzrAlign Value) {
  const TzrPoint a = A->FPosition->GetPoint(), b = B->FPosition->GetPoint();
  switch (Value) {
    case vaTop:
    case vaMostTop:
      return a.Y < b.Y;
    case vaLeft:
    case vaMostLeft:
      return a.X < b.X;
    case vaBottom:
    case vaMostBottom:
      return a.Y + A->FHeight >= b.Y + B->FHeight;
    case vaRight:
    case vaMostRight:
      return a.X + A->FWidth >= b.X + B->FWidth;
    default:
      return false;
  }
}

void TzrVisualObject::AlignChildren(TzrAlign Value, TzrRect& R) {
  std::vector<TzrVisualObject*> list;
  for (int i = 0; i < GetChildrenCount(); ++i) {
    TzrObject* object = GetChild(i);
    if (!object->GetIsVisual()) continue;
    TzrVisualObject* child = object->GetVisual();
    if (!child->FVisible || child->FAlign != Value) continue;
    auto at = list.begin();
    while (at != list.end() && !AlignSortBefore(child, *at, Value)) ++at;
    list.insert(at, child);
  }
  for (TzrVisualObject* child : list) AlignChild(child, Value, R);
}

void TzrVisualObject::AlignChild(TzrVisualObject* C, TzrAlign Value, TzrRect& R) {
  const TzrRect p = C->FPadding->GetRect();
  const float W = C->FWidth, H = C->FHeight;
  const float ownW = W + p.Left + p.Right, ownH = H + p.Top + p.Bottom;
  float w = R.Right - R.Left;
  if (w < 0 || KeepsOwnWidth(Value)) w = ownW;
  float h = R.Bottom - R.Top;
  if (h < 0 || KeepsOwnHeight(Value)) h = ownH;
  float x = R.Left, y = R.Top;
  if (Value == vaVertical) x = C->FPosition->GetX() - p.Left;
  if (Value == vaHorizontal) y = C->FPosition->GetY() - p.Top;
  TzrPosition& pos = *C->FPosition;

  switch (Value) {
    case vaTopRight:
      pos.SetX(pos.GetX() + FWidth - FLastWidth);
      return;
    case vaBottomLeft:
      pos.SetY(pos.GetY() + FHeight - FLastHeight);
      return;
    case vaBottomRight:
      pos.SetPoint({pos.GetX() + FWidth - FLastWidth, pos.GetY() + FHeight - FLastHeight});
      return;
    case vaTop:
    case vaMostTop:
      R.Top += h;
      break;
    case vaLeft:
    case vaMostLeft:
      R.Left += w;
      break;
    case vaRight:
    case vaMostRight:
      R.Right -= w;
      x = R.Right;
      break;
    case vaBottom:
    case vaMostBottom:
      R.Bottom -= h;
      y = R.Bottom;
      break;
    case vaCenter:
    case vaHorzCenter:
    case vaVertCenter:
      if (Value != vaVertCenter) {
        x = R.Left + std::trunc((w - ownW) / 2);
        w = ownW;
      }
      if (Value != vaHorzCenter) {
        y = R.Top + std::trunc((h - ownH) / 2);
        h = ownH;
      }
      break;
    case vaContents: {
      TNotifyEvent saved = std::move(pos.OnChange);
      pos.OnChange = nullptr;
      pos.SetPoint({p.Left, p.Top});
      pos.OnChange = std::move(saved);
      C->FWidth = FWidth - p.Left - p.Right;
      C->FHeight = FHeight - p.Top - p.Bottom;
      C->MatrixChanged(this);
      C->Realign();
      return;
    }
    case vaScale: {
      if (FLastWidth <= 0 || FLastHeight <= 0 || FWidth <= 0 || FHeight <= 0) return;
      const float kx = FWidth / FLastWidth, ky = FHeight / FLastHeight;
      TNotifyEvent saved = std::move(pos.OnChange);
      pos.OnChange = nullptr;
      pos.SetPoint({pos.GetX() * kx, pos.GetY() * ky});
      pos.OnChange = std::move(saved);
      C->FWidth = W * kx;
      C->FHeight = H * ky;
      C->MatrixChanged(this);
      C->Realign();
      return;
    }
    case vaFit:
    case vaFitLeft:
    case vaFitRight: {
      // A child without area has no aspect ratio to keep: it stays as it is.
      if (ownW == 0 || ownH == 0) return;
      const TzrRect t = MarginRect();
      TzrRect s = zrRect(pos.GetX() - p.Left, pos.GetY() - p.Top, pos.GetX() + W + p.Right,
                         pos.GetY() + H + p.Bottom);
      const float ratio = zrFitRect(s, t);
      if (ratio > 0 && ratio < 1) {
        s = zrRect(s.Left / ratio, s.Top / ratio, s.Right / ratio, s.Bottom / ratio);
        zrRectCenter(s, t);
      }
      if (Value == vaFitLeft) zrOffsetRect(s, t.Left - s.Left, 0);
      if (Value == vaFitRight) zrOffsetRect(s, t.Right - s.Right, 0);
      TNotifyEvent saved = std::move(pos.OnChange);
      pos.OnChange = nullptr;
      pos.SetPoint({s.Left + p.Left, s.Top + p.Top});
      pos.OnChange = std::move(saved);
      C->FWidth = zrRectWidth(s) - p.Left - p.Right;
      C->FHeight = zrRectHeight(s) - p.Top - p.Bottom;
      C->MatrixChanged(this);
      C->Realign();
      return;
    }
    default:
      break;
  }

  TNotifyEvent saved = std::move(pos.OnChange);
  pos.OnChange = nullptr;
  pos.SetPoint({x + p.Left, y + p.Top});
  pos.OnChange = std::move(saved);
  if (w - p.Left - p.Right != W || h - p.Top - p.Bottom != H) {
    C->FWidth = w - p.Left - p.Right;
    C->FHeight = h - p.Top - p.Bottom;
    C->Realign();
  }
  C->MatrixChanged(this);
  // A child that kept a size of its own gives back what it did not use.
  const float dw = w - (C->FWidth + p.Left + p.Right);
  const float dh = h - (C->FHeight + p.Top + p.Bottom);
  if (dw == 0 && dh == 0) return;
  switch (Value) {
    case vaTop:
      R.Top -= dh;
      break;
    case vaBottom:
      R.Bottom += dh;
      break;
    case vaLeft:
      R.Left -= dw;
      break;
    case vaRight:
      R.Right += dw;
      break;
    case vaClient:
      R.Right += dw;
      R.Bottom += dh;
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------- TzrContent

const TClassInfo* TzrContent::Class() {
  static const TClassInfo* info = TClassDecl<TzrContent>("TzrContent", TzrVisualObject::Class());
  return info;
}

TzrContent::TzrContent(TComponent* AOwner) : TzrVisualObject(AOwner) {}

void TzrContent::Realign() {
  if (FParent && !FParent->IsLoading()) TzrVisualObject::Realign();
  if (FParentAligning || IsLoading()) return;
  TFlagGuard guard(FParentAligning);
  if (TzrVisualObject* parent = VisualParent(); parent && !parent->IsLoading()) parent->Realign();
}
