// TzrCustomScene: hands mouse, wheel and key input to the node under the
// mouse, the captured node or the focused node; moves and resizes the form
// when the background or a size grip is dragged; walks the Tab order and
// closes a modal form on Escape.
//
// A node's handler may free the node (or the form): after each call into a
// node the code reads nothing of that node unless a TzrFreeWatch says it is
// still there.

#include <gtk/gtk.h>

#include <cmath>

#include "platform/vcl/Forms.h"
#include "scene/zr_scene.h"

namespace {

constexpr uint16_t vkTab = 9, vkReturn = 13, vkEscape = 27, vkEnd = 35, vkHome = 36, vkLeft = 37,
                   vkUp = 38, vkRight = 39, vkDown = 40, vkAdd = 107, vkSubtract = 109;

bool IsDialogKey(uint16_t Key) {
  switch (Key) {
    case vkEscape:
    case vkReturn:
    case vkLeft:
    case vkRight:
    case vkUp:
    case vkDown:
    case vkHome:
    case vkEnd:
    case vkAdd:
    case vkSubtract:
      return true;
    default:
      return false;
  }
}

// Halves to even, as the form's position and size are rounded.
int RoundEven(float V) { return int(std::nearbyint(V)); }

bool TakesTabFocus(TzrVisualObject* V) {
  return V->CheckParentVisible() && V->GetCanFocused() && V->GetAbsoluteEnabled();
}

}  // namespace

// ---------------------------------------------------------------- hit test

TzrVisualObject* TzrCustomScene::ObjectByPoint(float X, float Y) {
  for (size_t i = FChildren.size(); i-- > 0;) {
    TzrObject* object = FChildren[i];
    if (!object->GetIsVisual()) return nullptr;
    TzrVisualObject* v = object->GetVisual();
    if (!v->GetVisible() && !FDesignTime) continue;
    if (TzrVisualObject* found = v->ObjectByPoint(X, Y)) return found;
  }
  return nullptr;
}

TzrVisualObject* TzrCustomScene::NodeAt(const TzrPoint& P) { return ObjectByPoint(P.X, P.Y); }

// ---------------------------------------------------------------- mouse

void TzrCustomScene::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!FDesignTime && !FOnFlush && HandleAllocated()) gtk_widget_grab_focus(Handle());
  FUnsnapMousePos = {float(X), float(Y)};
  FMousePos = FUnsnapMousePos;
  FDownPos = FMousePos;
  if (FDesignTime) {
    DesignMouseDown(Button, Shift);
    return;
  }
  TzrVisualObject* node = NodeAt(FMousePos);
  if (!node) {
    BeginDrag();
    return;
  }
  if (dynamic_cast<IzrSizeGrip*>(node)) {
    BeginResize();
    return;
  }
  const TzrPoint p = node->AbsoluteToLocal(FMousePos);
  TzrFreeWatch watch(node);
  node->MouseDown(Button, Shift, p.X, p.Y);
  if (!watch.Freed() && node->GetDragMode() == zrDragAutomatic) node->BeginAutoDrag();
}

void TzrCustomScene::MouseMove(TShiftState Shift, int X, int Y) {
  TCursor cursor = FLoadCursor;
  const TzrPoint at{float(X), float(Y)};
  TForm* form = dynamic_cast<TForm*>(GetOwner());
  if (FDragging) {
    if (form)
      form->SetBounds(RoundEven(float(form->GetLeft()) + at.X - FDownPos.X),
                      RoundEven(float(form->GetTop()) + at.Y - FDownPos.Y), form->GetClientWidth(),
                      form->GetClientHeight());
    return;
  }
  if (FResizing) {
    FResizeSize.X = float(RoundEven(FResizeSize.X + at.X - FUnsnapMousePos.X));
    FResizeSize.Y = float(RoundEven(FResizeSize.Y + at.Y - FUnsnapMousePos.Y));
    if (form)
      form->SetBounds(form->GetLeft(), form->GetTop(), int(FResizeSize.X), int(FResizeSize.Y));
    SetCursor(crSizeNWSE);
    FUnsnapMousePos = at;
    return;
  }
  if (FDesignTime) {
    DesignMouseMove(Shift, at);
    return;
  }
  FMousePos = at;
  FUnsnapMousePos = at;
  if (FCaptured) {
    const TzrPoint p = FCaptured->AbsoluteToLocal(at);
    FCaptured->MouseMove(Shift, p.X, p.Y, 0, 0);
    return;
  }
  TzrVisualObject* node = NodeAt(at);
  if (node) {
    cursor = dynamic_cast<IzrSizeGrip*>(node) ? TCursor(crSizeNWSE) : TCursor(node->GetCursor());
    TzrFreeWatch watch(node);
    SetHovered(node);
    if (watch.Freed()) return;
    const TzrPoint p = node->AbsoluteToLocal(at);
    node->MouseMove(Shift, p.X, p.Y, 0, 0);
  } else {
    SetHovered(nullptr);
  }
  SetCursor(cursor);
  FDownPos = FMousePos;
}

void TzrCustomScene::SetHovered(TzrVisualObject* Value) {
  if (Value == FHovered) return;
  if (TzrVisualObject* old = FHovered) {
    FHovered = nullptr;
    old->RemoveFreeNotify(this);
    old->SetMouseInObject(false);
    old->MouseLeave();
  }
  if (!Value) return;
  FHovered = Value;
  Value->AddFreeNotify(this);
  Value->SetMouseInObject(true);
  Value->MouseEnter();
}

void TzrCustomScene::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  (void)X;
  (void)Y;
  FDragging = false;
  FResizing = false;
  if (FDesignTime) {
    DesignMouseUp();
    return;
  }
  TzrVisualObject* node = FCaptured ? FCaptured : NodeAt(FMousePos);
  if (!node) return;
  const TzrPoint p = node->AbsoluteToLocal(FMousePos);
  node->MouseUp(Button, Shift, p.X, p.Y);
}

bool TzrCustomScene::DoMouseWheel(TShiftState Shift, int WheelDelta, const TzrPoint& MousePos) {
  (void)MousePos;
  bool handled = false;
  if (FDesignTime) return handled;
  if (FCaptured) {
    FCaptured->MouseWheel(Shift, WheelDelta, handled);
    return handled;
  }
  for (TzrVisualObject* node = NodeAt(FMousePos); node && !handled;) {
    TzrObject* parent = node->GetParent();
    TzrFreeWatch watch(parent);
    node->MouseWheel(Shift, WheelDelta, handled);
    if (!parent || watch.Freed() || !parent->GetIsVisual()) break;
    node = parent->GetVisual();
  }
  return handled;
}

void TzrCustomScene::MouseLeave() { SetHovered(nullptr); }

bool TzrCustomScene::HintAt(float X, float Y, std::u16string& Hint, TzrRect& Area) {
  TzrVisualObject* node = ObjectByPoint(X, Y);
  if (!node || !node->GetShowHint() || node->GetHint().empty()) return false;
  Hint = node->GetHint();
  const TzrRect r = node->GetAbsoluteRect();
  Area = zrRect(std::trunc(r.Left), std::trunc(r.Top), std::trunc(r.Right), std::trunc(r.Bottom));
  return true;
}

// ---------------------------------------------------------------- capture and focus

void TzrCustomScene::SetCaptured(TzrVisualObject* Value) {
  if (Value == FCaptured) return;
  TzrVisualObject* old = FCaptured;
  if (old) old->RemoveFreeNotify(this);
  FCaptured = Value;
  if (Value) Value->AddFreeNotify(this);
  if (!FOnFlush) GrabPointer(Value != nullptr);
}

// ---------------------------------------------------------------- form moving and resizing

void TzrCustomScene::BeginDrag() {
  TComponent* parent = GetParentComponent();
  if (parent && parent->GetTag() == 0xFFFF) return;
  FDragging = true;
  FDownPos = FMousePos;
}

void TzrCustomScene::BeginResize() {
  FResizing = true;
  FDownPos = FMousePos;
  if (auto* form = dynamic_cast<TForm*>(GetOwner()))
    FResizeSize = {float(form->GetClientWidth()), float(form->GetClientHeight())};
}

// ---------------------------------------------------------------- keys

void TzrCustomScene::UnicodeKeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrObject* root = GetRoot();
  if (IsDialogKey(Key) && root && root->GetIsVisual()) {
    root->GetVisual()->DialogKey(Key, Shift);
    if (Key == 0) return;
  }
  if (Key == vkEscape) {
    for (TComponent* c = GetOwner(); c; c = c->GetOwner()) {
      auto* form = dynamic_cast<TForm*>(c);
      if (!form || !form->IsModal()) continue;
      form->SetModalResult(mrCancel);
      Key = 0;
      return;
    }
  }
  if (Key == vkTab && root && root->GetIsVisual()) {
    Key = 0;
    TabWalk((Shift & ssShift) != 0);
    return;
  }
  if (FFocused) FFocused->KeyDown(Key, KeyChar, Shift);
}

void TzrCustomScene::UnicodeKeyUp(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  if (FDesignTime) {
    if (Key == 46) DesignDelete();  // Delete
    return;
  }
  if (FFocused) FFocused->KeyUp(Key, KeyChar, Shift);
}

// Tries the entries from First to Last (either direction) and focuses the
// first that takes focus.
static bool FocusFirstOf(const std::vector<TzrVisualObject*>& List, int First, int Last) {
  const int step = First <= Last ? 1 : -1;
  for (int i = First;; i += step) {
    if (TakesTabFocus(List[size_t(i)])) {
      List[size_t(i)]->SetFocus();
      return true;
    }
    if (i == Last) return false;
  }
}

void TzrCustomScene::TabWalk(bool Backward) {
  std::vector<TzrVisualObject*> list;
  GetRoot()->GetVisual()->GetTabOrderList(list, true);
  const int count = int(list.size());
  if (count == 0) return;
  const auto it = std::find(list.begin(), list.end(), FFocused);
  const int focused = FFocused && it != list.end() ? int(it - list.begin()) : -1;
  // Every count is scanned, one and two entries included: the scan goes
  // past the focused entry and wraps round to it.
  if (!Backward) {
    const int s = focused + 1;
    if (s < count && FocusFirstOf(list, s, count - 1)) return;
    if (s > 0) FocusFirstOf(list, 0, std::min(s - 1, count - 1));
    return;
  }
  const int p = focused < 0 ? count - 1 : focused - 1;
  if (p >= 0 && FocusFirstOf(list, p, 0)) return;
  FocusFirstOf(list, count - 1, std::max(p, 0));
}

void TzrCustomScene::CharTyped(char16_t Char, TShiftState Shift) {
  switch (Char) {
    case 1:
    case 3:
    case 22:
    case 24:
    case 26: {
      // Control character n is Ctrl with the n-th letter.
      const char16_t letter = char16_t(u'a' + Char - 1);
      uint16_t key = 0;
      char16_t ch = letter;
      UnicodeKeyDown(key, ch, Shift);
      key = 0;
      ch = letter;
      UnicodeKeyUp(key, ch, Shift);
      return;
    }
    case 13:
      return;
    default: {
      uint16_t key = 0;
      char16_t ch = Char;
      UnicodeKeyDown(key, ch, 0);
    }
  }
}

void TzrCustomScene::CommitText(const std::u16string& Text) {
  for (char16_t c : Text) {
    uint16_t key = 0;
    char16_t ch = c;
    UnicodeKeyDown(key, ch, 0);
  }
  UpdateIMCursor();
}

TzrRect TzrCustomScene::CaretRect() {
  if (!FFocused) return zrRect(0, 0, 0, 0);
  TzrVisualObject* caret = FFocused->GetCaret();
  TzrVisualObject* at = caret ? caret : FFocused;
  const TzrPoint p = at->LocalToAbsolute({0, 0});
  const float h = caret ? caret->GetHeight() : FFocused->GetHeight();
  return zrRect(std::trunc(p.X), std::trunc(p.Y), std::trunc(p.X) + 1, std::trunc(p.Y + h));
}
