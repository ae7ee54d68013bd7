// TzrVisualObject: what a node does with the input the scene hands it —
// mouse presses become clicks, keys and the wheel fire their events, focus
// moves with its triggers, automatic dragging and the drop-target state, and
// the tab list that orders the children for the Tab key.
//
// Every event handler may free the node (a click that closes its popup, a
// context menu whose nested loop frees the form): after such a call the code
// checks a TzrFreeWatch and touches nothing of the node once it is gone.

#include <algorithm>
#include <cmath>

#include "platform/vcl/Menus.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_canvas.h"
#include "scene/zr_visual.h"

bool GlobalDisableFocusEffect = false;
void (*zrPopupModalProc)(TzrVisualObject* Popup) = nullptr;

namespace {

constexpr uint16_t vkApps = 93;       // the context-menu key
constexpr float kDragImageMax = 512;  // the drag image fits into a square this size

bool FocusEffectsOff(bool Own) { return Own || GlobalDisableFocusEffect; }

}  // namespace

// ---------------------------------------------------------------- mouse

void TzrVisualObject::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  IzoRurev* scene = GetScene();
  if (Designing() && (Shift & ssDouble)) scene->SetDesignRoot(this);
  if (!Designing() && FCanFocused && !FIsFocused && scene && scene->GetFocused() != this)
    SetFocus();
  TzrFreeWatch watch(this);
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
  if (watch.Freed()) return;
  if (Button == mbRight) {
    scene = GetScene();
    const TzrPoint p = LocalToAbsolute({X, Y});
    ContextMenu(scene ? scene->LocalToScreen(p) : p);
    return;
  }
  if (FAutoCapture) Capture();
  if (Shift & ssDouble) {
    DblClick();
    if (watch.Freed()) return;
    FDoubleClick = true;
  } else if (Button == mbLeft) {
    FPressed = true;
  }
}

void TzrVisualObject::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y, Dx, Dy);
}

void TzrVisualObject::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  ReleaseCapture();
  TzrFreeWatch watch(this);
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
  if (watch.Freed()) return;
  const bool inside = X >= 0 && Y >= 0 && X <= FWidth && Y <= FHeight;
  const bool click = FPressed && !FDoubleClick && inside;
  // The marks go before the click: its handler may free the node.
  FPressed = false;
  FDoubleClick = false;
  if (click) Click();
}

void TzrVisualObject::MouseWheel(TShiftState Shift, int WheelDelta, bool& Handled) {
  if (!OnMouseWheel) return;
  IzoRurev* scene = GetScene();
  TzrPoint pos = scene ? scene->GetMousePos() : TzrPoint{0, 0};
  OnMouseWheel(this, Shift, WheelDelta, pos, Handled);
}

void TzrVisualObject::Click() {
  if (OnClick) OnClick(this);
}

void TzrVisualObject::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TzrVisualObject::MouseEnter() {
  FIsMouseOver = true;
  StartTriggerAnimation(this, "IsMouseOver");
  ApplyTriggerEffect(this, "IsMouseOver");
  if (OnMouseEnter) OnMouseEnter(this);
}

void TzrVisualObject::MouseLeave() {
  FIsMouseOver = false;
  StartTriggerAnimation(this, "IsMouseOver");
  ApplyTriggerEffect(this, "IsMouseOver");
  if (OnMouseLeave) OnMouseLeave(this);
}

void TzrVisualObject::Capture() {
  if (IzoRurev* scene = GetScene()) scene->SetCaptured(this);
}

void TzrVisualObject::ReleaseCapture() {
  IzoRurev* scene = GetScene();
  if (scene && scene->GetCaptured() == this) scene->SetCaptured(nullptr);
}

void TzrVisualObject::ContextMenu(const TzrPoint& ScreenPosition) {
  if (auto* menu = dynamic_cast<TPopupMenu*>(FPopupMenu)) {
    menu->SetPopupComponent(this);
    menu->Popup(int(std::round(ScreenPosition.X)), int(std::round(ScreenPosition.Y)));
    return;
  }
  if (FPopup && zrPopupModalProc) zrPopupModalProc(FPopup);
}

// ---------------------------------------------------------------- keys

void TzrVisualObject::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  if (Key == vkApps) {
    IzoRurev* scene = GetScene();
    const TzrPoint p = LocalToAbsolute({FWidth / 2, FHeight / 2});
    ContextMenu(scene ? scene->LocalToScreen(p) : p);
    return;
  }
  if (OnKeyDown) OnKeyDown(this, Key, KeyChar, Shift);
}

void TzrVisualObject::KeyUp(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, KeyChar, Shift);
}

void TzrVisualObject::DialogKey(uint16_t& Key, TShiftState Shift) {
  TzrFreeWatch watch(this);
  for (int i = 0; i < GetChildrenCount() && Key != 0; ++i) {
    TzrObject* child = GetChild(i);
    if (!child->GetIsVisual()) continue;
    TzrVisualObject* v = child->GetVisual();
    if (!v->GetVisible() || !v->GetEnabled()) continue;
    v->DialogKey(Key, Shift);
    if (watch.Freed()) return;
  }
}

// ---------------------------------------------------------------- focus

void TzrVisualObject::SetFocus() {
  if (!FCanFocused) return;
  if (OnCanFocused) {
    bool can = true;
    TzrFreeWatch watch(this);
    OnCanFocused(this, can);
    if (watch.Freed() || !can) return;
  }
  if (IzoRurev* scene = GetScene()) scene->SetFocused(this);
}

bool TzrVisualObject::EnterFocusChildren(TzrVisualObject* AObject) {
  (void)AObject;
  return false;
}

void TzrVisualObject::EnterFocus() {
  if (!FCanFocused) return;
  for (TzrVisualObject* p = VisualParent(); p; p = p->VisualParent())
    if (p->EnterFocusChildren(this)) break;
  FIsFocused = true;
  RecalcUpdateRect();
  Repaint();
  TzrFreeWatch watch(this);
  if (OnEnterFocus) OnEnterFocus(this);
  if (watch.Freed() || FocusEffectsOff(FDisableFocusEffect)) return;
  StartTriggerAnimation(this, "IsFocused");
  ApplyTriggerEffect(this, "IsFocused");
}

void TzrVisualObject::KillFocus() {
  if (!FCanFocused) return;
  RecalcUpdateRect();
  Repaint();
  FIsFocused = false;
  RecalcUpdateRect();
  TzrFreeWatch watch(this);
  if (OnKillFocus) OnKillFocus(this);
  if (watch.Freed() || FocusEffectsOff(FDisableFocusEffect)) return;
  StartTriggerAnimation(this, "IsFocused");
  ApplyTriggerEffect(this, "IsFocused");
}

// ---------------------------------------------------------------- dragging

TzrPoint zrDragImageSize(int AWidth, int AHeight) {
  if (AWidth <= kDragImageMax && AHeight <= kDragImageMax) return {float(AWidth), float(AHeight)};
  TzrRect r = zrRect(0, 0, float(AWidth), float(AHeight));
  zrFitRect(r, zrRect(0, 0, kDragImageMax, kDragImageMax));
  return {std::round(r.Right - r.Left), std::round(r.Bottom - r.Top)};
}

std::unique_ptr<TzrBitmap> TzrVisualObject::MakeDragImage() {
  std::unique_ptr<TzrBitmap> shot = MakeScreenshot();
  const TzrPoint size = zrDragImageSize(shot->GetWidth(), shot->GetHeight());
  auto image = std::make_unique<TzrBitmap>(int(size.X), int(size.Y));
  image->Clear(0);
  TzrCanvas* canvas = image->IsEmpty() ? nullptr : image->GetCanvas();
  if (canvas && canvas->BeginScene()) {
    canvas->DrawBitmap(*shot, zrRect(0, 0, float(shot->GetWidth()), float(shot->GetHeight())),
                       zrRect(0, 0, size.X, size.Y), 0.7f);
    canvas->EndScene();
  }
  return image;
}

void TzrVisualObject::BeginAutoDrag() {
  std::unique_ptr<TzrBitmap> image = MakeDragImage();
  if (IzoRurev* scene = GetScene()) scene->BeginVCLDrag(this, image.get());
}

void TzrVisualObject::DragEnter(const TzrDragObject& Data, const TzrPoint& Point) {
  FIsDragOver = true;
  Repaint();
  StartTriggerAnimation(this, "IsDragOver");
  ApplyTriggerEffect(this, "IsDragOver");
  if (OnDragEnter) OnDragEnter(this, Data, Point);
}

void TzrVisualObject::DragOver(const TzrDragObject& Data, const TzrPoint& Point, bool& Accept) {
  if (OnDragOver) OnDragOver(this, Data, Point, Accept);
}

void TzrVisualObject::DragDrop(const TzrDragObject& Data, const TzrPoint& Point) {
  FIsDragOver = false;
  Repaint();
  StartTriggerAnimation(this, "IsDragOver");
  ApplyTriggerEffect(this, "IsDragOver");
  if (OnDragDrop) OnDragDrop(this, Data, Point);
}

void TzrVisualObject::DragLeave() {
  FIsDragOver = false;
  Repaint();
  StartTriggerAnimation(this, "IsDragOver");
  ApplyTriggerEffect(this, "IsDragOver");
  if (OnDragLeave) OnDragLeave(this);
}

void TzrVisualObject::DragEnd() {
  TzrFreeWatch watch(this);
  // A release far outside: clears the press without a click.
  if (FDragMode == zrDragAutomatic) MouseUp(mbLeft, ssLeft, 65535, 65535);
  if (watch.Freed()) return;
  if (OnDragEnd) OnDragEnd(this);
}

// ---------------------------------------------------------------- tab list

int TzrVisualObject::GetTabOrder() {
  TzrVisualObject* parent = VisualParent();
  if (!parent) return -1;
  const auto& list = parent->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : int(it - list.begin());
}

void TzrVisualObject::SetTabOrder(int Value) {
  if (IsLoading()) {
    FTabOrder = int16_t(Value);
    return;
  }
  UpdateTabOrder(Value);
}

void TzrVisualObject::UpdateTabOrder(int Index) {
  const int current = GetTabOrder();
  if (current < 0) return;
  auto& list = VisualParent()->FTabList;
  Index = std::clamp(Index, 0, int(list.size()) - 1);
  if (Index == current) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + Index, this);
}

void TzrVisualObject::FixupTabList() {
  if (!GetScene() || FTabList.empty()) return;
  const int count = int(FTabList.size());
  std::vector<TzrVisualObject*> placed(size_t(count), nullptr);
  for (TzrVisualObject* child : FTabList)
    if (child->FTabOrder >= 0 && child->FTabOrder < count) placed[size_t(child->FTabOrder)] = child;
  for (int i = 0; i < count; ++i)
    if (placed[size_t(i)]) placed[size_t(i)]->UpdateTabOrder(i);
}

void TzrVisualObject::GetTabOrderList(std::vector<TzrVisualObject*>& List, bool Children) {
  for (TzrVisualObject* child : FTabList) {
    List.push_back(child);
    if (Children) child->GetTabOrderList(List, true);
  }
}
