#include "controls/zr_tab_control.h"

#include <algorithm>
#include <vector>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_canvas.h"
#include "scene/zr_classes.h"
#include "scene/zr_intf.h"
#include "scene/zr_resources.h"

namespace {

// Holds a flag for a scope, also when an exception leaves it.
struct TFlagHold {
  bool& Flag;
  explicit TFlagHold(bool& AFlag) : Flag(AFlag) { Flag = true; }
  ~TFlagHold() { Flag = false; }
};

}  // namespace

// ---------------------------------------------------------------- tab item

const TClassInfo* TzrTabItem::Class() {
  using T = TzrTabItem;
  static const TClassInfo* info =
      TClassDecl<T>("TzrTabItem", TzrTextControl::Class())
          .Prop("Index", &T::GetIndex, &T::SetIndex)
          .Prop("IsSelected", &T::GetIsSelected, nullptr)
          .Prop("AutoTranslate", &T::GetAutoTranslate, &T::SetAutoTranslate)
          .Default(true)
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignCenter)
          .Enum("VertTextAlign", &T::GetVertTextAlign, &T::SetVertTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignCenter)
          .Prop("Text", &T::GetText, &T::SetText)
          .Prop("Layout", &T::GetLayout, &T::SetLayout);
  return info;
}

TzrTabItem::TzrTabItem(TComponent* AOwner) : TzrTextControl(AOwner) {
  SetAutoTranslate(true);
  SetBounds(0, 0, 80, 20);
  FHitTest = true;
}

TzrTabControl* TzrTabItem::TabControl() const { return dynamic_cast<TzrTabControl*>(GetParent()); }

void TzrTabItem::SetIndex(int Value) {
  if (Value == FIndex) return;
  TzrObject::SetIndex(Value);
  Realign();
}

void TzrTabItem::SetLayout(TzrVisualObject* Value) {
  if (FLayout == Value) return;
  if (FLayout) FLayout->RemoveFreeNotification(this);
  FLayout = Value;
  if (FLayout) FLayout->FreeNotification(this);
}

void TzrTabItem::Notification(TComponent* AComponent, TOperation Operation) {
  TzrTextControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FLayout) FLayout = nullptr;
}

void TzrTabItem::Select(bool ASelected) {
  FIsSelected = ASelected;
  StartTriggerAnimation(this, "IsSelected");
  ApplyTriggerEffect(this, "IsSelected");
}

void TzrTabItem::ApplyStyle() {
  TzrTextControl::ApplyStyle();
  TzrTabControl* tabs = TabControl();
  Select(tabs && tabs->GetItemIndex() == FIndex);
}

void TzrTabItem::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // OnMouseUp or OnClick may free the tab
  TzrTextControl::MouseUp(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft) return;
  if (TzrTabControl* tabs = TabControl()) tabs->SetItemIndex(FIndex);
}

// Hiding the selected tab selects the one that takes its place (or the new
// last tab); any other change renumbers and selects the same tab again by
// its new number.
void TzrTabItem::SetVisible(bool Value) {
  TzrTabControl* tabs = TabControl();
  if (!tabs) {
    TzrTextControl::SetVisible(Value);
    return;
  }
  if (Value == GetVisible()) return;
  TzrTabItem* selected = tabs->TabItem(tabs->GetItemIndex());
  TzrTextControl::SetVisible(Value);
  if (!Value && selected == this) {
    Select(false);
    tabs->SetItemIndexField(-1);
    const int index = tabs->TabCount() > FIndex ? FIndex : tabs->TabCount() - 1;
    tabs->SetItemIndex(index);
    return;
  }
  tabs->Realign();
  if (!selected) return;
  tabs->SetItemIndexField(-1);
  tabs->SetItemIndex(selected->GetIndex());
}

void TzrTabItem::Realign() {
  TzrTextControl::Realign();
  if (IsDestroying() || FDisableAlign) return;
  TFlagHold hold(FDisableAlign);
  PlaceLayout();
}

// The page fills the tab control below the item's own height.
void TzrTabItem::PlaceLayout() {
  TzrTabControl* tabs = TabControl();
  if (!FLayout || !tabs) return;
  const TzrBounds* m = tabs->GetMargins();
  const TzrBounds* q = FLayout->GetPadding();
  FLayout->GetPosition()->SetPoint(
      {m->GetLeft() + q->GetLeft(), GetHeight() + m->GetTop() + q->GetTop()});
  FLayout->SetWidth(tabs->GetWidth() - m->GetLeft() - m->GetRight() - q->GetLeft() - q->GetRight());
  FLayout->SetHeight(tabs->GetHeight() - GetHeight() - m->GetTop() - m->GetBottom() - q->GetTop() -
                     q->GetBottom());
}

void TzrTabItem::DesignSelect() {
  TzrTextControl::DesignSelect();
  if (TzrTabControl* tabs = TabControl()) tabs->SetItem(this);
}

void TzrTabItem::DesignInsert() {
  TzrTabControl* tabs = TabControl();
  if (FLayout || !tabs) return;
  TzrVisualObject* page = nullptr;
  if (const TClassInfo* layoutClass = GetClass("TzrLayout"))
    page = dynamic_cast<TzrVisualObject*>(layoutClass->Create(GetOwner()));
  if (!page) page = new TzrVisualObject(GetOwner());
  page->SetParent(tabs);
  if (zrDesigner) page->SetName(zrDesigner->UniqueName(GetOwner(), page->ClassName()));
  SetLayout(page);
}

// ---------------------------------------------------------------- tab control

const TClassInfo* TzrTabControl::Class() {
  using T = TzrTabControl;
  static const TClassInfo* info = TClassDecl<T>("TzrTabControl", TzrControl::Class())
                                      .Prop("FullSize", &T::GetFullSize, &T::SetFullSize)
                                      .Default(false)
                                      .Prop("ItemIndex", &T::GetItemIndex, &T::SetItemIndex)
                                      .Default(-1)
                                      .Prop("ItemHeight", &T::GetItemHeight, &T::SetItemHeight)
                                      .Event("OnChange", &T::OnChange);
  return info;
}

TzrTabControl::TzrTabControl(TComponent* AOwner) : TzrControl(AOwner) {
  FAutoCapture = true;
  SetBounds(0, 0, 200, 200);
}

int TzrTabControl::TabCount() const {
  int count = 0;
  for (int i = 0; i < GetChildrenCount(); ++i) {
    auto* tab = dynamic_cast<TzrTabItem*>(GetChild(i));
    if (tab && tab->GetVisible()) ++count;
  }
  return count;
}

TzrTabItem* TzrTabControl::TabItem(int AIndex) const {
  for (int i = 0; i < GetChildrenCount(); ++i) {
    auto* tab = dynamic_cast<TzrTabItem*>(GetChild(i));
    if (tab && tab->GetVisible() && tab->GetIndex() == AIndex) return tab;
  }
  return nullptr;
}

void TzrTabControl::SetItemIndex(int Value) {
  if (Value == FItemIndex) return;
  if (TzrTabItem* old = TabItem(FItemIndex)) old->Select(false);
  FItemIndex = Value;
  Realign();
  if (TzrTabItem* tab = TabItem(Value)) tab->Select(true);
  if (OnChange) OnChange(this);
}

void TzrTabControl::SetItem(TzrTabItem* AItem) {
  if (AItem) SetItemIndex(AItem->GetIndex());
}

void TzrTabControl::SetItemHeight(float Value) {
  if (Value == FItemHeight) return;
  FItemHeight = Value;
  Realign();
}

void TzrTabControl::SetFullSize(bool Value) {
  if (Value == FFullSize) return;
  FFullSize = Value;
  Realign();
}

void TzrTabControl::AddObject(TzrObject* AObject) {
  TzrControl::AddObject(AObject);
  if (dynamic_cast<TzrTabItem*>(AObject)) Realign();
}

void TzrTabControl::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // OnMouseDown may free the control
  TzrControl::MouseDown(Button, Shift, X, Y);
  if (!watch.Freed()) Realign();
}

void TzrTabControl::ApplyStyle() {
  TzrControl::ApplyStyle();
  TzrObject* part = FindResource("background");
  FBackground = part ? part->GetVisual() : nullptr;
  Realign();
}

void TzrTabControl::FreeStyle() {
  TzrControl::FreeStyle();
  FBackground = nullptr;
}

// The selected header is painted last, over its neighbours and the pages.
void TzrTabControl::PaintChildren() {
  TzrTabItem* tab = TabItem(FItemIndex);
  TzrCanvas* canvas = GetCanvas();
  if (!tab || !canvas) {
    TzrControl::PaintChildren();
    return;
  }
  tab->SetVisibleField(false);
  try {
    TzrControl::PaintChildren();
  } catch (...) {
    tab->SetVisibleField(true);
    throw;
  }
  tab->SetVisibleField(true);
  canvas->SetMatrix(tab->GetAbsoluteMatrix());
  tab->BeforePaint();
  canvas->SetMatrix(tab->GetAbsoluteMatrix());
  tab->Paint();
  tab->PaintChildren();
}

void TzrTabControl::Realign() {
  TzrControl::Realign();
  if (IsDestroying() || FDisableAlign) return;
  TFlagHold hold(FDisableAlign);
  MoveTabsFirst();
  const float h = NumberTabs();
  PlaceStyleRoot(h);
  PlaceTabs(h);
}

// Tabs come first, so that pages and other children paint after them.
void TzrTabControl::MoveTabsFirst() {
  std::vector<TzrObject*> others;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (!dynamic_cast<TzrTabItem*>(GetChild(i))) others.push_back(GetChild(i));
  for (TzrObject* other : others) other->BringToFront();
}

float TzrTabControl::NumberTabs() {
  int index = 0;
  float h = 0;
  for (int i = 0; i < GetChildrenCount(); ++i) {
    auto* tab = dynamic_cast<TzrTabItem*>(GetChild(i));
    if (!tab || !tab->GetVisible()) continue;
    tab->SetIndexField(index++);
    const TzrBounds* p = tab->GetPadding();
    h = std::max(h, tab->GetHeight() + p->GetTop() + p->GetBottom());
  }
  if (index > 0 && FItemHeight > 0) h = FItemHeight;
  return h;
}

// The style (frame and background) fills the control below the header row.
void TzrTabControl::PlaceStyleRoot(float AHeaderHeight) {
  TzrObject* link = GetResourceLink();
  TzrVisualObject* root = link ? link->GetVisual() : nullptr;
  if (!root) return;
  const TzrBounds* p = root->GetPadding();
  root->SetAlign(vaNone);
  root->GetPosition()->SetPoint({p->GetLeft(), AHeaderHeight + p->GetTop()});
  root->SetWidth(GetWidth() - p->GetLeft() - p->GetRight());
  root->SetHeight(GetHeight() - AHeaderHeight - p->GetTop() - p->GetBottom());
  root->BringToFront();
}

void TzrTabControl::PlaceTabs(float AHeaderHeight) {
  float w = GetWidth();
  if (FBackground)
    w -= FBackground->GetMargins()->GetLeft() + FBackground->GetMargins()->GetRight();
  const int n = TabCount();
  if (FFullSize && n > 0) w /= float(n);
  float x = 0;
  for (int i = 0; i < GetChildrenCount(); ++i) {
    auto* tab = dynamic_cast<TzrTabItem*>(GetChild(i));
    if (!tab) continue;
    if (!tab->GetVisible()) {
      // A hidden tab keeps its last number; its page must not stay shown
      // beside the page of the tab that took its place.
      if (TzrVisualObject* page = tab->GetLayout()) page->SetVisible(false);
      continue;
    }
    const TzrBounds* p = tab->GetPadding();
    tab->SetAlign(vaNone);
    if (TzrVisualObject* page = tab->GetLayout()) {
      const bool shown = tab->GetIndex() == FItemIndex;
      page->SetAlign(vaNone);
      page->SetVisible(shown);
      page->SetDesignHide(!shown);
      page->SetClipChildren(true);
      if (shown) page->BringToFront();
    }
    tab->SetBounds(x + p->GetLeft(), p->GetTop(), FFullSize ? w : tab->GetWidth(),
                   AHeaderHeight - p->GetTop() - p->GetBottom());
    x += p->GetLeft() + tab->GetWidth() + p->GetRight();
    tab->Realign();
  }
}

// ---------------------------------------------------------------- HUD

const TClassInfo* TzrHudTabControl::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudTabControl>("TzrHudTabControl", TzrTabControl::Class());
  return info;
}

const TClassInfo* TzrHudTabItem::Class() {
  static const TClassInfo* info = TClassDecl<TzrHudTabItem>("TzrHudTabItem", TzrTabItem::Class());
  return info;
}

void RegisterTabControls() {
  static const bool registered = [] {
    RegisterZRObjects("Controls", {TzrTabControl::Class()});
    RegisterZRObjects("HUD", {TzrHudTabControl::Class()});
    RegisterZRObjects("Items", {TzrTabItem::Class(), TzrHudTabItem::Class()});
    return true;
  }();
  (void)registered;
}
