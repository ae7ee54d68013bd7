#include "controls/zr_header.h"

#include <algorithm>

#include "controls/zr_objects.h"
#include "platform/rtl/RttiDecl.h"

namespace {

constexpr float kGripWidth = 3;
constexpr int kSplitCursor = -14;  // the horizontal-split cursor
constexpr TzrSides Side(TzrSide S) { return TzrSides(1u << S); }
constexpr TzrCorners Corner(TzrCorner C) { return TzrCorners(1u << C); }

// Holds a flag for a scope, also when an exception leaves it.
struct TFlagHold {
  bool& Flag;
  explicit TFlagHold(bool& AFlag) : Flag(AFlag) { Flag = true; }
  ~TFlagHold() { Flag = false; }
};

}  // namespace

// ---------------------------------------------------------------- header item

const TClassInfo* TzrHeaderItem::Class() {
  using T = TzrHeaderItem;
  static const TClassInfo* info =
      TClassDecl<T>("TzrHeaderItem", TzrCornerButton::Class())
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(false)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignNear)
          .Enum("DragMode", &T::GetDragMode, &T::SetDragMode, zrDragModeInfo())
          .Default(zrDragAutomatic);
  return info;
}

TzrHeaderItem::TzrHeaderItem(TComponent* AOwner) : TzrCornerButton(AOwner) {
  FCanFocused = false;
  SetTextAlign(zrTextAlignNear);
  SetDragMode(zrDragAutomatic);
  FSplitter = MakeGrip(vaRight);
  FLeftSplitter = MakeGrip(vaLeft);
}

TzrHeaderGrip* TzrHeaderItem::MakeGrip(TzrAlign AAlign) {
  auto* grip = new TzrHeaderGrip(this);
  grip->SetParent(this);
  grip->SetWidth(kGripWidth);
  grip->SetAlign(AAlign);
  grip->SetLocked(true);
  grip->SetStored(false);
  grip->SetHitTest(true);
  grip->SetAutoCapture(true);
  grip->SetCursor(kSplitCursor);
  grip->OnMouseMove = [this](TObject* Sender, TShiftState Shift, float X, float Y, float Dx,
                             float Dy) { GripMouseMove(Sender, Shift, X, Y, Dx, Dy); };
  return grip;
}

TzrHeader* TzrHeaderItem::Header() const { return dynamic_cast<TzrHeader*>(GetParent()); }

void TzrHeaderItem::GripMouseMove(TObject* Sender, TShiftState Shift, float X, float Y, float,
                                  float) {
  auto* grip = static_cast<TzrHeaderGrip*>(Sender);
  if (!grip->GetPressed()) return;
  if (grip == FLeftSplitter)
    ResizePrevious(X, Y, Shift);
  else
    ResizeTo(grip, X, Y);
}

void TzrHeaderItem::ResizeTo(TzrHeaderGrip* AGrip, float X, float Y) {
  const TzrPoint p = AbsoluteToLocal(AGrip->LocalToAbsolute({X, Y}));
  float width = std::max(p.X, 0.0f);
  TzrHeader* header = Header();
  if (header && header->OnResizeItem) header->OnResizeItem(this, width);
  SetWidth(width);
  if (header) header->Realign();
}

void TzrHeaderItem::ResizePrevious(float X, float Y, TShiftState Shift) {
  TzrHeader* header = Header();
  if (!header || GetIndex() <= 0) return;
  TzrHeaderItem* previous = header->GetItem(GetIndex() - 1);
  if (!previous) return;
  TzrHeaderGrip* grip = previous->FSplitter;
  const TzrPoint p = grip->AbsoluteToLocal(FLeftSplitter->LocalToAbsolute({X, Y}));
  grip->SetPressedMark(true);
  previous->GripMouseMove(grip, Shift, p.X, p.Y, 0, 0);
  grip->SetPressedMark(false);
}

void TzrHeaderItem::DragOver(const TzrDragObject& Data, const TzrPoint& Point, bool& Accept) {
  TzrCornerButton::DragOver(Data, Point, Accept);
  auto* source = dynamic_cast<TzrHeaderItem*>(Data.Source);
  Accept =
      source && Header() && source->GetParent() == GetParent() && GetDragMode() == zrDragAutomatic;
}

void TzrHeaderItem::DragDrop(const TzrDragObject& Data, const TzrPoint& Point) {
  TzrCornerButton::DragDrop(Data, Point);
  auto* source = dynamic_cast<TzrHeaderItem*>(Data.Source);
  TzrHeader* header = Header();
  if (!source || !header || source->GetParent() != header) return;
  const int oldIndex = source->GetIndex();
  const int newIndex = GetIndex();
  source->SetIndex(newIndex);
  if (header->OnRealignItem) header->OnRealignItem(source, oldIndex, newIndex);
}

// ---------------------------------------------------------------- header

const TClassInfo* TzrHeader::Class() {
  using T = TzrHeader;
  static const TClassInfo* info =
      TClassDecl<T>("TzrHeader", TzrControl::Class())
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(false)
          .Prop("ClipChildren", &T::GetClipChildren, &T::SetClipChildren)
          .Default(true)
          .Event("OnRealignItem", &T::OnRealignItem)
          .Event("OnResizeItem", &T::OnResizeItem)
          .Prop("Radius", &T::GetRadius, &T::SetRadius)
          .Set("Sides", &T::GetSides, &T::SetSides, zrSideInfo())
          .Default(AllSides);
  return info;
}

TzrHeader::TzrHeader(TComponent* AOwner) : TzrControl(AOwner) {
  FCanFocused = false;
  SetClipChildren(true);
  FLastItem = new TzrHeaderItem(this);
  FLastItem->SetParent(this);
  FLastItem->SetStored(false);
  FLastItem->SetLocked(true);
  FLastItem->SetWidth(50);
  FLastItem->SetDragMode(zrDragManual);
}

TzrHeaderItem* TzrHeader::GetItem(int Index) const {
  if (Index < 0 || Index >= GetChildrenCount()) return nullptr;
  return dynamic_cast<TzrHeaderItem*>(GetChild(Index));
}

void TzrHeader::SetRadius(float Value) {
  if (FRadius == Value) return;
  FRadius = Value;
  Realign();
}

void TzrHeader::SetSides(TzrSides Value) {
  if (FSides == Value) return;
  FSides = Value;
  Realign();
}

void TzrHeader::Realign() {
  TzrControl::Realign();
  if (IsDestroying() || FDisableAlign || GetChildrenCount() == 0) return;
  TFlagHold hold(FDisableAlign);
  PlaceItems();
}

void TzrHeader::PlaceItems() {
  if (FLastItem) FLastItem->BringToFront();
  TzrRect r = zrRect(FOffset, 0, GetWidth(), GetHeight());
  r.Left += FMargins->GetLeft();
  r.Top += FMargins->GetTop();
  r.Right -= FMargins->GetRight();
  r.Bottom -= FMargins->GetBottom();
  bool first = true;
  for (int i = 0; i < GetChildrenCount(); ++i) {
    auto* item = dynamic_cast<TzrHeaderItem*>(GetChild(i));
    if (!item) continue;
    if (item->GetVisible()) {
      item->SetBounds(r.Left, r.Top, item->GetWidth(), GetHeight());
      if (item != FLastItem) r.Left += item->GetWidth();
    }
    DressItem(item, first);
    first = false;
  }
  if (FLastItem) FLastItem->SetWidth(r.Left > r.Right ? 0 : r.Right - r.Left);
}

// Rounds the outer corners only and draws each inner edge once: every item
// but the first draws its left side, none but the filler its right side.
void TzrHeader::DressItem(TzrHeaderItem* AItem, bool First) {
  AItem->SetxRadius(FRadius);
  AItem->SetyRadius(FRadius);
  if (AItem == FLastItem) {
    AItem->SetCorners(Corner(zrCornerTopRight));
    AItem->SetSides(FSides | Side(zrSideLeft));
  } else if (First) {
    AItem->SetCorners(Corner(zrCornerTopLeft));
    AItem->SetSides(FSides & TzrSides(~Side(zrSideRight)));
  } else {
    AItem->SetCorners(0);
    AItem->SetSides((FSides | Side(zrSideLeft)) & TzrSides(~Side(zrSideRight)));
  }
}

void TzrHeader::Paint() {
  if (Designing()) zrDrawDesignOutline(this);
}
