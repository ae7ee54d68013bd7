// TzrScrollBox: children, style parts, the content pass of the realignment
// and scrolling by the bars. Wheel, tracking and animations are in
// zr_scroll_box_input.cpp; TzrScrollContent in zr_scroll_content.cpp.

#include "controls/zr_scroll_box.h"

#include "controls/zr_scroll_bar.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_ani.h"

namespace {

// Clears a flag when the scope ends, also on an exception.
struct TFlagGuard {
  bool& Flag;
  explicit TFlagGuard(bool& AFlag) : Flag(AFlag) { Flag = true; }
  ~TFlagGuard() { Flag = false; }
};

bool GoesOnBox(TzrObject* AObject) {
  return AObject->GetTagString() == "self" || zrClassIs(AObject, "TzrEffect") ||
         zrClassIs(AObject, "TzrAnimation");
}

}  // namespace

using T = TzrScrollBox;

const TClassInfo* TzrScrollBox::Class() {
  static const TClassInfo* info =
      TClassDecl<T>("TzrScrollBox", TzrControl::Class())
          .Prop("AutoHide", &T::GetAutoHide, &T::SetAutoHide)
          .Default(true)
          .Prop("Animated", &T::GetAnimated, &T::SetAnimated)
          .Default(true)
          .Prop("DisableMouseWheel", &T::GetDisableMouseWheel, &T::SetDisableMouseWheel)
          .Default(false)
          .Prop("MouseTracking", &T::GetMouseTracking, &T::SetMouseTracking)
          .Default(false)
          .Prop("ShowScrollBars", &T::GetShowScrollBars, &T::SetShowScrollBars)
          .Default(true)
          .Prop("ShowSizeGrip", &T::GetShowSizeGrip, &T::SetShowSizeGrip)
          .Default(false)
          .Prop("UseSmallScrollBars", &T::GetUseSmallScrollBars, &T::SetUseSmallScrollBars)
          .Default(false);
  return info;
}

TzrScrollBox::TzrScrollBox(TComponent* AOwner) : TzrControl(AOwner) {
  FAutoCapture = true;
  auto* content = new TzrScrollContent(this);
  content->SetParent(this);
  content->SetStored(false);
  content->SetLocked(true);
  content->SetHitTest(false);
  FContent = content;
}

TzrScrollBox::~TzrScrollBox() {
  Destroying();
  // The content goes with its owner; nothing may reach it through the field
  // meanwhile.
  FContent = nullptr;
}

void TzrScrollBox::AddObject(TzrObject* AObject) {
  if (!AObject) return;
  if (!FContent || AObject == FContent || AObject == GetResourceLink() || GoesOnBox(AObject)) {
    TzrControl::AddObject(AObject);
    return;
  }
  FContent->AddObject(AObject);
}

// ---------------------------------------------------------------- geometry

TzrRect TzrScrollBox::ContentRect() {
  return FContentLayout ? FContentLayout->GetParentedRect() : GetLocalRect();
}

bool TzrScrollBox::BarShown(const TzrScrollBar* Bar) const { return Bar && Bar->GetVisible(); }

bool TzrScrollBox::BarEnabled(const TzrScrollBar* Bar) const { return Bar && Bar->GetEnabled(); }

float TzrScrollBox::VScrollBarValue() const {
  return BarShown(FVScrollBar) ? FVScrollBar->GetValue() : 0;
}

float TzrScrollBox::HScrollBarValue() const {
  return BarShown(FHScrollBar) ? FHScrollBar->GetValue() : 0;
}

float TzrScrollBox::ClientWidth() {
  return FContentLayout ? FContentLayout->GetWidth() : GetWidth();
}

float TzrScrollBox::ClientHeight() {
  return FContentLayout ? FContentLayout->GetHeight() : GetHeight();
}

void TzrScrollBox::ScrollTo(float Dx, float Dy) {
  if (BarShown(FVScrollBar)) FVScrollBar->SetValue(FVScrollBar->GetValue() - Dy);
  if (BarShown(FHScrollBar)) FHScrollBar->SetValue(FHScrollBar->GetValue() - Dx);
}

void TzrScrollBox::Centre() {
  for (TzrScrollBar* bar : {FVScrollBar, FHScrollBar})
    if (BarShown(bar)) bar->SetValue((bar->GetMax() - bar->GetViewportSize()) / 2);
}

TzrRect TzrScrollBox::GetContentBounds() {
  if (!FContent || !FContentLayout) return GetLocalRect();
  TzrRect r = zrRect(0, 0, FContentLayout->GetWidth(), FContentLayout->GetHeight());
  for (int i = 0; i < FContent->GetChildrenCount(); ++i) {
    TzrObject* child = FContent->GetChild(i);
    if (child->GetIsVisual() && child->GetVisual()->GetVisible())
      r = zrUnionRect(r, child->GetVisual()->GetParentedRect());
  }
  return r;
}

void TzrScrollBox::RealignContent(const TzrRect& R) {
  if (!FContent) return;
  FContent->SetBounds(R.Left, R.Top, zrRectWidth(R), zrRectHeight(R));
  FContent->RecalcUpdateRect();
}

// ---------------------------------------------------------------- scrolling

void TzrScrollBox::VScrollChange(TObject*) {
  if (!FContentLayout || !FContent) return;
  const float value = FVScrollBar ? FVScrollBar->GetValue() : 0;
  const float y = FContentLayout->GetPosition()->GetY();
  FContent->GetPosition()->SetY(BarShown(FVScrollBar) ? y - value : y);
  FScrollDesign.Y = value;
}

void TzrScrollBox::HScrollChange(TObject*) {
  if (!FContentLayout || !FContent) return;
  const float value = FHScrollBar ? FHScrollBar->GetValue() : 0;
  const float x = FContentLayout->GetPosition()->GetX();
  FContent->GetPosition()->SetX(BarShown(FHScrollBar) ? x - value : x);
  FScrollDesign.X = value;
}

// ---------------------------------------------------------------- realignment

void TzrScrollBox::Realign() {
  if (IsDestroying()) return;
  TzrControl::Realign();
  if (IsLoading() || !FContentLayout || FDisableAlign || FUpdating > 0) return;
  TFlagGuard guard(FDisableAlign);
  const float w = FContentLayout->GetWidth(), h = FContentLayout->GetHeight();
  ContentPass();
  if (FContentLayout->GetWidth() != w || FContentLayout->GetHeight() != h) ContentPass();
}

void TzrScrollBox::ShowBar(TzrScrollBar* Bar, bool AEnabled, bool AHitTest) {
  Bar->SetEnabled(AEnabled);
  if (FAutoHide) Bar->SetVisible(AEnabled);
  if (FShowScrollBars) {
    Bar->SetOpacity(1);
    if (AHitTest) Bar->SetHitTest(true);
    Bar->SetAlign(TzrAlign(Bar->GetTag()));
  } else {
    Bar->SetOpacity(0);
    Bar->SetAlign(vaNone);
  }
}

void TzrScrollBox::ParkBar(TzrScrollBar* Bar, bool Vertical) {
  // Outside the box on the far side of its own axis: a transparent bar
  // neither shows nor covers the content (and ObjectByPoint passes it over).
  if (Vertical)
    Bar->GetPosition()->SetX(GetWidth() + 100);
  else
    Bar->GetPosition()->SetY(GetHeight() + 100);
}

void TzrScrollBox::ContentPass() {
  TzrRect r = GetContentBounds();
  const float rw = zrRectWidth(r), rh = zrRectHeight(r);
  if (rw * rh == 0) return;
  TzrVisualObject* vp = FContentLayout;
  zrOffsetRect(r, vp->GetPosition()->GetX(), vp->GetPosition()->GetY());
  if (BarEnabled(FHScrollBar)) zrOffsetRect(r, -FScrollDesign.X, 0);
  if (BarEnabled(FVScrollBar)) zrOffsetRect(r, 0, -FScrollDesign.Y);
  RealignContent(r);

  TzrObject* frameObject = vp->GetParent();
  TzrVisualObject* frame = frameObject && frameObject->GetIsVisual() ? frameObject->GetVisual() : nullptr;
  if (frame) frame->BeginUpdate();
  if (FVScrollBar) ShowBar(FVScrollBar, rh > vp->GetHeight(), false);
  if (FHScrollBar) {
    ShowBar(FHScrollBar, rw > vp->GetWidth(), false);
    if (FShowScrollBars && BarEnabled(FVScrollBar))
      FHScrollBar->GetPadding()->SetRight(FVScrollBar->GetWidth());
  }
  if (frame) {
    frame->EndUpdate();
    frame->Realign();
  }

  if (FVScrollBar) {
    TzrScrollBar* bar = FVScrollBar;
    ShowBar(bar, rh > vp->GetHeight(), true);
    if (!FShowScrollBars) ParkBar(bar, true);
    bar->BringToFront();
    if (bar->GetVisible()) {
      bar->SetMax(rh);
      bar->SetViewportSize(vp->GetHeight());
      bar->SetSmallChange(bar->GetViewportSize() / 5);
      bar->SetValue(FScrollDesign.Y);
    } else {
      bar->SetValue(0);
    }
  }
  if (FHScrollBar) {
    TzrScrollBar* bar = FHScrollBar;
    bar->GetPadding()->SetRight(0);
    ShowBar(bar, rw > vp->GetWidth(), true);
    if (FShowScrollBars && BarEnabled(FVScrollBar))
      bar->GetPadding()->SetRight(FVScrollBar->GetWidth());
    if (!FShowScrollBars) ParkBar(bar, false);
    bar->BringToFront();
    if (bar->GetVisible()) {
      bar->SetMax(rw);
      bar->SetViewportSize(vp->GetWidth());
      bar->SetSmallChange(bar->GetViewportSize() / 5);
      bar->SetValue(vp->GetPosition()->GetX() - FContent->GetPosition()->GetX());
    } else {
      bar->SetValue(0);
    }
  }
}

// ---------------------------------------------------------------- style

TzrScrollBar* TzrScrollBox::FindBar(const char* AName) {
  return dynamic_cast<TzrScrollBar*>(FindResource(AName));
}

void TzrScrollBox::HideBar(const char* AName) {
  TzrObject* part = FindResource(AName);
  if (part && part->GetIsVisual()) part->GetVisual()->SetVisible(false);
}

void TzrScrollBox::TakeBar(TzrScrollBar* Bar, bool Vertical) {
  if (!Bar) return;
  if (Vertical)
    Bar->OnChange = [this](TObject* Sender) { VScrollChange(Sender); };
  else
    Bar->OnChange = [this](TObject* Sender) { HScrollChange(Sender); };
  Bar->SetLocked(true);
  // The style's alignment, kept to restore it after the bar was unaligned.
  if (Bar->GetTag() == 0) Bar->SetTag(int(Bar->GetAlign()));
  Bar->SetVisible(true);
}

void TzrScrollBox::ApplyStyle() {
  TzrControl::ApplyStyle();
  TzrObject* grip = FindResource("sizegrip");
  if (grip && grip->GetIsVisual()) grip->GetVisual()->SetVisible(FShowSizeGrip);
  FVScrollBar = FHScrollBar = nullptr;
  if (FUseSmallScrollBars) {
    FVScrollBar = FindBar("vsmallscrollbar");
    FHScrollBar = FindBar("hsmallscrollbar");
    if (FVScrollBar && FHScrollBar) {
      HideBar("vscrollbar");
      HideBar("hscrollbar");
    }
  }
  if (!FVScrollBar || !FHScrollBar) {
    FVScrollBar = FindBar("vscrollbar");
    FHScrollBar = FindBar("hscrollbar");
    HideBar("vsmallscrollbar");
    HideBar("hsmallscrollbar");
  }
  TakeBar(FVScrollBar, true);
  TakeBar(FHScrollBar, false);
  TzrObject* content = FindResource("content");
  FContentLayout = content && content->GetIsVisual() ? content->GetVisual() : nullptr;
  Realign();
  FHScrollAni = FVScrollAni = nullptr;
}

void TzrScrollBox::FreeStyle() {
  TzrControl::FreeStyle();
  FContentLayout = nullptr;
  FHScrollBar = FVScrollBar = nullptr;
}

void TzrScrollBox::SetShowScrollBars(bool Value) {
  FShowScrollBars = Value;
  Realign();
}

void TzrScrollBox::SetShowSizeGrip(bool Value) {
  FShowSizeGrip = Value;
  ApplyStyle();
}

void TzrScrollBox::SetUseSmallScrollBars(bool Value) {
  FUseSmallScrollBars = Value;
  ApplyStyle();
}

// ---------------------------------------------------------------- presets

const TClassInfo* TzrVertScrollBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrVertScrollBox>("TzrVertScrollBox", TzrScrollBox::Class());
  return info;
}

TzrVertScrollBox::TzrVertScrollBox(TComponent* AOwner) : TzrScrollBox(AOwner) {
  SetResourceLater("scrollboxstyle");
}

TzrRect TzrVertScrollBox::GetContentBounds() {
  if (FContent && FContentLayout) FContent->SetWidth(FContentLayout->GetWidth());
  return TzrScrollBox::GetContentBounds();
}

const TClassInfo* TzrFramedScrollBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrFramedScrollBox>("TzrFramedScrollBox", TzrScrollBox::Class());
  return info;
}

const TClassInfo* TzrFramedVertScrollBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrFramedVertScrollBox>("TzrFramedVertScrollBox", TzrVertScrollBox::Class());
  return info;
}

TzrFramedVertScrollBox::TzrFramedVertScrollBox(TComponent* AOwner) : TzrVertScrollBox(AOwner) {
  SetResourceLater("framedscrollboxstyle");
}

void TzrScrollBox::SetResourceLater(const std::string& AName) {
  ++FUpdating;
  SetResource(AName);
  --FUpdating;
}
