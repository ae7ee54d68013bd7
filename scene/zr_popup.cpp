// TzrPopup: opening, closing and the modal loop; OpenPopups.
//
// Closing runs the "IsOpen" trigger animations and waits for them in a
// nested message loop, and the modal loop runs the message loop too: any
// handler called meanwhile may close other popups or free this one. Code
// that goes on after such a call holds a TzrFreeWatch.

#include "scene/zr_popup.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_canvas.h"
#include "scene/zr_classes.h"
#include "scene/zr_message_popup.h"
#include "scene/zr_position.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"
#include "scene/zr_timer.h"

std::vector<TzrPopup*>* OpenPopups = nullptr;

namespace {

int IndexOfPopup(const TzrPopup* P) {
  if (!OpenPopups) return -1;
  auto it = std::find(OpenPopups->begin(), OpenPopups->end(), P);
  return it == OpenPopups->end() ? -1 : int(it - OpenPopups->begin());
}

void ListPopup(TzrPopup* P) {
  if (!OpenPopups) OpenPopups = new std::vector<TzrPopup*>;
  if (IndexOfPopup(P) < 0) OpenPopups->push_back(P);
}

void UnlistPopup(TzrPopup* P) {
  if (OpenPopups) std::erase(*OpenPopups, P);
}

// The form whose caption stays active while the popup shows: the form
// holding the popup's scene, else the popup's owner when it is a form.
TForm* OwnerFormOf(TzrPopup* P) {
  IzoRurev* scene = P->GetScene();
  TComponent* host = scene ? scene->GetComponent() : nullptr;
  if (auto* form = dynamic_cast<TForm*>(host ? host->GetOwner() : nullptr)) return form;
  return dynamic_cast<TForm*>(P->GetOwner());
}

int RoundInt(float Value) { return int(std::nearbyint(Value)); }

}  // namespace

int zrPopupIndex(const TzrPopup* P) { return IndexOfPopup(P); }

const TEnumInfo& zrPlacementInfo() {
  static const TEnumInfo info(
      "TzrPlacement", {"zrPlacementBottom", "zrPlacementTop", "zrPlacementLeft", "zrPlacementRight",
                       "zrPlacementCenter", "zrPlacementBottomCenter", "zrPlacementTopCenter",
                       "zrPlacementLeftCenter", "zrPlacementRightCenter", "zrPlacementAbsolute",
                       "zrPlacementMouse", "zrPlacementMouseCenter"});
  return info;
}

const TClassInfo* TzrPopup::Class() {
  using T = TzrPopup;
  static const TClassInfo* info =
      TClassDecl<T>("TzrPopup", TzrControl::Class())
          .Prop("Visible", &T::GetVisible, &T::SetVisible)
          .Default(0)
          .Prop("IsOpen", &T::GetIsOpen, &T::SetIsOpen)
          .Default(0)
          .Prop("StaysOpen", &T::GetStaysOpen, &T::SetStaysOpen)
          .Default(0)
          .Enum("Placement", &T::GetPlacement, &T::SetPlacement, zrPlacementInfo())
          .Default(zrPlacementBottom)
          .Prop("PlacementTarget", &T::GetPlacementTarget, &T::SetPlacementTarget)
          .Prop("PlacementRectangle", &T::GetPlacementRectangle, &T::SetPlacementRectangle)
          .Prop("HorizontalOffset", &T::GetHorizontalOffset, &T::SetHorizontalOffset)
          .Prop("VerticalOffset", &T::GetVerticalOffset, &T::SetVerticalOffset)
          .Prop("DragWithParent", &T::GetDragWithParent, &T::SetDragWithParent)
          .Default(0)
          .Prop("Style", &T::GetStyleComponent, &T::SetStyleComponent)
          .Event("OnClosePopup", &T::OnClosePopup);
  return info;
}

void RegisterPopupClasses() {
  static const bool done = [] {
    RegisterZRObjects("Popup", {TzrPopup::Class(), TzrMessagePopup::Class()});
    // A node's context popup runs modally.
    zrPopupModalProc = [](TzrVisualObject* Popup) {
      if (auto* popup = dynamic_cast<TzrPopup*>(Popup)) popup->PopupModal();
    };
    return true;
  }();
  (void)done;
}

// ---------------------------------------------------------------- life

TzrPopup::TzrPopup(TComponent* AOwner) : TzrControl(AOwner) {
  FPlacementRectangle = std::make_unique<TzrBounds>(TzrRect{});
  FVisible = false;
  FCanFocused = true;
}

TzrPopup::~TzrPopup() {
  Destroying();
  // A close waiting for its animations in an outer frame ends here; a
  // modal loop learns of the free through its watch, so the close is done
  // now and in full.
  if (FAnimating) {
    FinishClose();
  } else {
    FModal = false;
    ClosePopup();
  }
  UnlistPopup(this);
  SetPlacementTarget(nullptr);
  SetStyle(nullptr);
}

void TzrPopup::Notification(TComponent* AComponent, TOperation Operation) {
  TzrControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPlacementTarget) FPlacementTarget = nullptr;
  if (AComponent == FSaveParent) FSaveParent = nullptr;
  if (AComponent == FSaveFocused) FSaveFocused = nullptr;
  if (AComponent == FPopupLayout) FPopupLayout = nullptr;
  if (AComponent == FDragTimer) FDragTimer = nullptr;
  if (AComponent == FStyle) FStyle = nullptr;
}

// ---------------------------------------------------------------- properties

void TzrPopup::SetPlacementTarget(TzrVisualObject* Value) {
  if (Value == FPlacementTarget) return;
  if (FPlacementTarget) FPlacementTarget->RemoveFreeNotify(this);
  FPlacementTarget = Value;
  if (Value) Value->AddFreeNotify(this);
}

void TzrPopup::SetStyle(TzrResources* Value) {
  if (Value == FStyle) return;
  if (FStyle) FStyle->RemoveFreeNotification(this);
  FStyle = Value;
  if (Value) Value->FreeNotification(this);
}

TComponent* TzrPopup::GetStyleComponent() const { return FStyle; }

void TzrPopup::SetStyleComponent(TComponent* Value) {
  SetStyle(dynamic_cast<TzrResources*>(Value));
}

void TzrPopup::SetModalResult(int Value) {
  FModalResult = Value;
  if (FPopupForm) FPopupForm->SetModalResult(Value);
}

void TzrPopup::SetIsOpen(bool Value) {
  if (Value == FIsOpen) return;
  if (Designing()) {
    FIsOpen = false;
    return;
  }
  FIsOpen = Value;
  if (Value)
    Popup();
  else
    ClosePopup();
}

TzrVisualObject* TzrPopup::PlacementTargetNode() const {
  if (FPlacementTarget) return FPlacementTarget;
  // Open in a window of its own, the popup's place in the tree is its
  // scene's root: the parent it came from stands for it.
  TzrObject* parent = FPopupForm ? FSaveParent : FParent;
  return parent && parent->GetIsVisual() ? parent->GetVisual() : nullptr;
}

// ---------------------------------------------------------------- keys and painting

void TzrPopup::DialogKey(uint16_t& Key, TShiftState Shift) {
  TzrFreeWatch watch(this);
  TzrControl::DialogKey(Key, Shift);
  if (watch.Freed() || Key != 27 || !FIsOpen || FStaysOpen) return;
  Key = 0;
  SetIsOpen(false);
}

void TzrPopup::Paint() {
  TzrControl::Paint();
  if (!Designing()) return;
  TzrCanvas* canvas = GetCanvas();
  if (!canvas) return;
  TzrRect r = GetLocalRect();
  zrInflateRect(r, -0.5f, -0.5f);
  canvas->SetStrokeThickness(1);
  canvas->SetStrokeDash(zrDashDash);
  canvas->GetStroke()->SetStyle(zrBrushSolid);
  canvas->GetStroke()->SetSolidColor(0xA0909090);
  canvas->DrawRect(r, 0, 0, AllCorners, GetAbsoluteOpacity());
}

// ---------------------------------------------------------------- opening

void TzrPopup::Popup() {
  if (FAnimating) {
    FIsOpen = false;
    return;
  }
  if (FPopupForm || FPopupLayout) {
    ClosePopup();
    return;
  }
  if (Designing()) {
    FIsOpen = false;
    return;
  }
  FSaveScale = GetScale()->GetPoint();
  FSaveParent = FParent;
  if (FSaveParent) FSaveParent->AddFreeNotify(this);
  if (FPlacementScene == zrPlacementSceneNew)
    OpenInWindow();
  else
    OpenInTarget();
  if (!FStaysOpen) ListPopup(this);
  FIsOpen = true;
  ApplyTriggerEffect(this, "IsOpen");
  StartTriggerAnimation(this, "IsOpen");
  if (FPlacementScene == zrPlacementSceneNew && FDragWithParent && FStaysOpen) StartDragTimer();
}

void TzrPopup::OpenInWindow() {
  IzoRurev* oldScene = GetScene();
  auto* form = new TzrPopupForm(Application);
  form->FOwnerForm = OwnerFormOf(this);
  if (form->FOwnerForm) form->FOwnerForm->FreeNotification(form);
  const TzrMatrix m = GetAbsoluteMatrix();
  form->SetClientSize(RoundInt(m.m11 * FWidth), RoundInt(m.m22 * FHeight));
  GetScale()->SetPoint({m.m11, m.m22});
  FPopupForm = form;
  ApplyPlacement();
  form->FPopup = this;
  form->FNoFree = false;
  auto* scene = new TzoRurev(form);
  scene->SetTransparency(true);
  scene->SetAlign(alClient);
  scene->SetParent(form);
  TzrResources* sheet = FStyle ? FStyle : (oldScene ? oldScene->GetStyle() : nullptr);
  scene->SetStyle(sheet);
  FPopupScene = scene;
  SetVisible(true);
  scene->AddObject(this);
  NeedResource();
  ApplyResource();
  form->ShowPopup();
  SetFocus();
}

void TzrPopup::OpenInTarget() {
  IzoRurev* scene =
      FPlacementTarget && FPlacementTarget->GetScene() ? FPlacementTarget->GetScene() : GetScene();
  auto* overlay = new TzrVisualObject(this);
  overlay->SetStored(false);
  TzrObject* root = scene ? scene->GetRoot() : nullptr;
  if (root)
    overlay->SetParent(root);
  else if (scene)
    scene->AddObject(overlay);
  overlay->SetAlign(vaContents);
  overlay->OnClick = [this](TObject* Sender) { DoPopupLayoutClick(Sender); };
  overlay->SetHitTest(!FStaysOpen);
  FPopupLayout = overlay;
  FSaveFocused = scene ? scene->GetFocused() : nullptr;
  if (FSaveFocused) FSaveFocused->AddFreeNotify(this);
  SetParent(overlay);
  SetFocus();
  ApplyPlacement();
  SetVisible(true);
  NeedResource();
  ApplyResource();
  BringToFront();
  FCanFocused = true;
  SetFocus();
}

void TzrPopup::StartDragTimer() {
  FDragTimer = new TzrTimer(this);
  FDragTimer->SetInterval(10);
  FDragTimer->SetOnTimer([this](TObject* Sender) { DoTimer(Sender); });
}

void TzrPopup::DoTimer(TObject*) { ApplyPlacement(); }

void TzrPopup::DoPopupLayoutClick(TObject*) {
  if (FIsOpen && !FStaysOpen) SetIsOpen(false);
}

// ---------------------------------------------------------------- closing

void TzrPopup::ClosePopup() {
  if (FAnimating) return;
  if (FPlacementScene == zrPlacementSceneNew && !FPopupScene) return;
  // An overlay popup that is not open has nothing to give back.
  if (FPlacementScene == zrPlacementSceneTarget && !FPopupLayout) return;
  if (FModal && FModalResult == 0) {
    SetModalResult(2);
    return;
  }
  delete FDragTimer;
  FDragTimer = nullptr;
  FAnimating = true;
  FIsOpen = false;
  if (!IsDestroying()) {
    TzrFreeWatch watch(this);
    ApplyTriggerEffect(this, "IsOpen");
    StartTriggerAnimationWait(this, "IsOpen");
    // Freed meanwhile (its destructor finished the close), or finished by
    // the window going away.
    if (watch.Freed() || !FAnimating) return;
  }
  FinishClose();
}

void TzrPopup::FinishClose() {
  if (!FAnimating) return;
  delete FDragTimer;
  FDragTimer = nullptr;
  FIsOpen = false;
  SetVisible(false);
  if (FPopupForm || FPopupScene) CloseWindow();
  if (FPopupLayout) CloseOverlay();
  FAnimating = false;
  if (FSaveParent) FSaveParent->RemoveFreeNotify(this);
  FSaveParent = nullptr;
  TzrFreeWatch watch(this);
  if (OnClosePopup) OnClosePopup(this);
  if (!watch.Freed()) UnlistPopup(this);
}

void TzrPopup::CloseWindow() {
  if (FPopupScene) FPopupScene->RemoveObject(this);
  TzrPopupForm* form = FPopupForm;
  ForgetWindow();
  if (form) {
    form->FPopup = nullptr;
    form->HidePopup();
    if (!form->FNoFree) form->Release();
  }
  GetScale()->SetPoint(FSaveScale);
  if (FSaveParent) SetParent(FSaveParent);
}

void TzrPopup::ForgetWindow() {
  FPopupForm = nullptr;
  FPopupScene = nullptr;
}

void TzrPopup::CloseOverlay() {
  TzrVisualObject* overlay = FPopupLayout;
  FPopupLayout = nullptr;
  if (FSaveParent)
    SetParent(FSaveParent);
  else
    SetParent(nullptr);
  if (FSaveFocused) {
    TzrVisualObject* focused = FSaveFocused;
    focused->RemoveFreeNotify(this);
    FSaveFocused = nullptr;
    focused->SetFocus();
  }
  delete overlay;
}

// The window of a closing popup is going (closed by the system or freed by
// its owner): the popup gives up the window at once, a modal loop ends.
void TzrPopup::WindowGone() {
  if (FModal && FModalResult == 0) FModalResult = 2;
  FModal = false;
  FAnimating = true;
  FinishClose();
}

// ---------------------------------------------------------------- modal use

int TzrPopup::PopupModal() {
  if (FAnimating) {
    FIsOpen = false;
    return 0;
  }
  // An open popup (in its window or as an overlay): a second request
  // ends a running loop with 2, else closes it.
  if (FPopupForm || FPopupLayout) {
    if (FModal)
      FModal = false;
    else
      ClosePopup();
    return 0;
  }
  Popup();
  // A popup that did not open (while designing) would leave the loop
  // waiting for a result nothing can give.
  if (!FPopupForm && !FPopupLayout) return 0;
  SetModalResult(0);
  FModal = true;
  return RunModalLoop();
}

int TzrPopup::RunModalLoop() {
  TzrFreeWatch watch(this);
  int result = 0;
  do {
    Application->HandleMessage();
    // Freed by a handler (its owner form went): nothing of it may be read.
    if (watch.Freed()) return 2;
    if (Application->Terminated()) SetModalResult(2);
    if (FPopupForm) {
      ApplyPlacement();
      if (FPopupForm && FPopupForm->GetModalResult() != 0)
        FModalResult = FPopupForm->GetModalResult();
    }
    result = FModalResult;
  } while (result == 0 && FModal);
  if (!FModal && result == 0) result = 2;
  FModal = false;
  ClosePopup();
  return result;
}

// ---------------------------------------------------------------- the list

void CloseOpenPopups() {
  if (!OpenPopups) return;
  const std::vector<TzrPopup*> snapshot = *OpenPopups;
  for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
    if (IndexOfPopup(*it) >= 0) (*it)->ClosePopup();
}
