#include "scene/zr_scene.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Timers.h"
#include "scene/zr_ani.h"
#include "scene/zr_brush.h"
#include "scene/zr_classes.h"
#include "scene/zr_resources.h"
#include "scene/zr_stream.h"
#include "scene/zr_visual.h"

void (*zrControlInitiateAction)(TzrVisualObject* Node) = nullptr;
int zoRurevCount = 0;

// ---------------------------------------------------------------- life

TzrCustomScene::TzrCustomScene(TComponent* AOwner) : TCustomControl(AOwner) {
  AddScene(this);
  SetShowHint(true);
  FDesignTime = IsDesigning();
  if (DefaultCanvasClass) {
    FCanvas = DefaultCanvasClass->Create(GetWidth(), GetHeight());
    FCanvas->SetScene(this);
  }
  FFill = std::make_unique<TzrBrush>(zrBrushNone, 0xFF000000);
  FFill->OnChanged = [this](TObject* s) { FillChanged(s); };
  SetBounds(GetLeft(), GetTop(), 100, 100);
  ++zoRurevCount;
}

TzrCustomScene::~TzrCustomScene() {
  Destroying();
  if (FBackdrop) cairo_surface_destroy(FBackdrop);
  // The window goes while the scene is whole (its handlers read the canvas).
  SetParent(nullptr);
  for (unsigned* source : {&FFlushSource, &FLateSource, &FActionSource})
    if (*source) g_source_remove(*source);
  FFlushSource = FLateSource = FActionSource = 0;
  // Each of these holds one free notification of its node.
  DropStop();
  for (TzrVisualObject** ref :
       {&FHovered, &FFocused, &FCaptured, &FSelected, &FDesignPlaceObject}) {
    if (*ref) (*ref)->RemoveFreeNotify(this);
    *ref = nullptr;
  }
  for (TzrVisualObject* g : FDesignGridLines) g->RemoveFreeNotify(this);
  FDesignGridLines.clear();
  for (TzrVisualObject* n : FSelection) n->RemoveFreeNotify(this);
  FSelection.clear();
  if (DragTarget && DragTarget->GetScene() == this) zrSetDragTarget(nullptr);
  SetStyle(nullptr);
  if (--zoRurevCount == 0) {
    zrFreeAniThread();
    zrReleaseDragState();
  }
  DeleteChildren();
  FFill.reset();
  FCanvas.reset();
  RemoveScene(this);
}

const TClassInfo* TzrCustomScene::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrCustomScene>("TzrCustomScene", TCustomControl::Class());
  return info;
}

const TClassInfo* TzoRurev::Class() {
  static const TClassInfo* info =
      TClassDecl<TzoRurev>("TzoRurev", TzrCustomScene::Class())
          .Prop("Cursor", &TzoRurev::GetCursor, &TzoRurev::SetCursor)
          .Idents(CursorIdents())
          .Default(crDefault)
          .Prop("AnimatedCaret", &TzoRurev::GetAnimatedCaretValue, &TzoRurev::SetAnimatedCaret)
          .Default(true)
          .Prop("Fill", &TzoRurev::GetFill, &TzoRurev::SetFill)
          .Prop("Style", &TzoRurev::GetStyleComponent, &TzoRurev::SetStyleComponent)
          .Prop("Transparency", &TzoRurev::GetTransparencyValue, &TzoRurev::SetTransparency)
          .Default(false)
          .Prop("TabStop", &TzoRurev::GetTabStop, &TzoRurev::SetTabStop)
          .Default(false);
  return info;
}

void TzrCustomScene::DefineProperties(TFiler* Filer) {
  TCustomControl::DefineProperties(Filer);
  Filer->DefineProperty(
      "DesignSnapGridShow",
      [this](TReader* R) {
        // The grid shows only while designing.
        const bool show = R->ReadBoolean();
        FSnapGridShow = show && FDesignTime;
      },
      [this](TWriter* W) { W->WriteBoolean(FSnapGridShow); }, true);
  Filer->DefineProperty(
      "DesignSnapToGrid", [this](TReader* R) { FSnapToGrid = R->ReadBoolean(); },
      [this](TWriter* W) { W->WriteBoolean(FSnapToGrid); }, true);
  Filer->DefineProperty(
      "DesignSnapToLines", [this](TReader* R) { FSnapToLines = R->ReadBoolean(); },
      [this](TWriter* W) { W->WriteBoolean(FSnapToLines); }, true);
}

void TzrCustomScene::Loaded() {
  TCustomControl::Loaded();
  FLoadCursor = GetCursor();
  if (FSnapToLines) FSnapToGrid = false;
  // One full paint once the message loop first runs.
  FShowTimer = new TTimer(this);
  FShowTimer->SetInterval(1);
  FShowTimer->SetOnTimer([this](TObject*) { ShowTimerTick(); });
}

void TzrCustomScene::ShowTimerTick() {
  TTimer* timer = FShowTimer;
  FShowTimer = nullptr;
  timer->SetEnabled(false);
  AddUpdateRect(zrRect(0, 0, 65535, 65535));
  delete timer;
}

void TzrCustomScene::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TCustomControl::GetChildren(Proc, Root);
  for (TzrObject* object : FChildren)
    if (object->GetStored()) Proc(object);
}

void TzrCustomScene::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  for (TzrVisualObject** ref :
       {&FCaptured, &FHovered, &FFocused, &FDesignRoot, &FSelected, &FDesignPlaceObject})
    if (static_cast<TComponent*>(*ref) == AComponent) *ref = nullptr;
  std::erase_if(FDesignGridLines, [AComponent](TzrVisualObject* g) {
    return static_cast<TComponent*>(g) == AComponent;
  });
  std::erase_if(FSelection, [AComponent](TzrVisualObject* n) {
    return static_cast<TComponent*>(n) == AComponent;
  });
  if (FOpenInFrame == AComponent) FOpenInFrame = nullptr;
  if (FStyle && static_cast<TComponent*>(FStyle) == AComponent) {
    // The sheet is going: forget it without calling into it.
    FStyle = nullptr;
    if (!IsDestroying()) UpdateResource();
  }
}

// ---------------------------------------------------------------- objects

void TzrCustomScene::AddObject(TzrObject* AObject) {
  if (!AObject) return;
  if (AObject->GetParent()) AObject->SetParent(nullptr);
  FChildren.push_back(AObject);
  AObject->SetNewScene(this);
  if (!AObject->GetIsVisual() || IsDestroying()) return;
  TzrVisualObject* visual = AObject->GetVisual();
  visual->RecalcUpdateRect();
  visual->RecalcAbsolute();
  visual->Repaint();
  RealignRoot();
}

void TzrCustomScene::RemoveObject(TzrObject* AObject) {
  auto it = std::find(FChildren.begin(), FChildren.end(), AObject);
  if (it == FChildren.end()) return;
  AddUpdateRect(zrRect(0, 0, float(GetWidth()), float(GetHeight())));
  AObject->SetNewScene(nullptr);
  Notification(AObject, opRemove);
  FChildren.erase(std::find(FChildren.begin(), FChildren.end(), AObject));
}

void TzrCustomScene::DeleteChildren() {
  while (!FChildren.empty()) {
    TzrObject* object = FChildren.front();
    FChildren.erase(FChildren.begin());
    object->SetNewScene(nullptr);
    Notification(object, opRemove);
    delete object;
  }
}

TzrObject* TzrCustomScene::GetChildrenObject(int Index) const {
  if (Index < 0 || size_t(Index) >= FChildren.size()) return nullptr;
  return FChildren[size_t(Index)];
}

void TzrCustomScene::RealignRoot() {
  TzrObject* root = GetRoot();
  if (!root || !root->GetIsVisual()) return;
  TzrVisualObject* v = root->GetVisual();
  const float w = float(GetWidth()), h = float(GetHeight());
  const float sx = v->GetScale()->GetX(), sy = v->GetScale()->GetY();
  const float angle = v->GetRotateAngle();
  if (angle == 90 || angle == -90 || angle == 270 || angle == -270)
    v->SetBounds((w - h) / 2, (h - w) / 2, h / sy, w / sx);
  else
    v->SetBounds(0, 0, w / sx, h / sy);
}

// ---------------------------------------------------------------- properties

void TzrCustomScene::SetFill(TzrBrush* Value) { FFill->Assign(Value); }

void TzrCustomScene::FillChanged(TObject*) {
  FUpdateRects.clear();
  AddUpdateRect(zrRect(0, 0, float(GetWidth()), float(GetHeight())));
}

void TzrCustomScene::SetTransparency(bool Value) {
  if (Value == FTransparency) return;
  FTransparency = Value;
  AddUpdateRect(zrRect(0, 0, 10000, 10000));
}

void TzrCustomScene::SetStyle(TzrResources* Value) {
  if (Value == FStyle) return;
  if (FStyle) {
    FStyle->RemoveSceneUpdater(this);
    FStyle->RemoveFreeNotification(this);
  }
  FStyle = Value;
  if (FStyle) {
    FStyle->AddSceneUpdater(this);
    FStyle->FreeNotification(this);
  }
  if (!IsDestroying()) UpdateResource();
}

TComponent* TzrCustomScene::GetStyleComponent() const { return FStyle; }

void TzrCustomScene::SetStyleComponent(TComponent* Value) {
  SetStyle(dynamic_cast<TzrResources*>(Value));
}

void TzrCustomScene::UpdateResource() {
  for (TzrObject* object : FChildren) object->UpdateResource();
}

void TzrCustomScene::SetFocused(TzrVisualObject* Value) {
  if (Value == FFocused) return;
  TzrVisualObject* old = FFocused;
  if (old) old->RemoveFreeNotify(this);
  FFocused = Value;
  if (Value) Value->AddFreeNotify(this);
  TzrFreeWatch watch(Value);
  if (old) old->KillFocus();
  if (Value && !watch.Freed()) Value->EnterFocus();
  UpdateIMCursor();
}

TzrPoint TzrCustomScene::LocalToScreen(const TzrPoint& Point) {
  // The window system knows where the scene's widget lies, with the menu bar
  // and the window manager's frame above it. Before its window is on the
  // screen, the widget's place in its window counts from where the window
  // is to go.
  int x = 0, y = 0;
  if (!ScreenOrigin(x, y)) {
    TForm* form = GetParentForm();
    const bool placed = form && form->HandleAllocated() && HandleAllocated() &&
                        gtk_widget_translate_coordinates(Handle(), form->Handle(), 0, 0, &x, &y);
    if (!placed) ClientOrigin(x, y);
    if (form) {
      int fx = 0, fy = 0;
      if (placed)
        gtk_window_get_position(GTK_WINDOW(form->Handle()), &fx, &fy);
      else
        form->ClientScreenOrigin(fx, fy);
      x += fx;
      y += fy;
    }
  }
  return {std::trunc(Point.X) + float(x), std::trunc(Point.Y) + float(y)};
}

// ---------------------------------------------------------------- window

bool TzrCustomScene::ParentIsForm() const {
  return dynamic_cast<TFormClient*>(GetParent()) != nullptr;
}

bool TzrCustomScene::LayeredCase() const { return FTransparency && ParentIsForm() && !FDesignTime; }

bool TzrCustomScene::WantsOwnWindow() const {
  // A transparent scene inside another control draws straight onto what GTK
  // has drawn beneath it.
  return !FTransparency || ParentIsForm();
}

void TzrCustomScene::CreateHandle() {
  GtkWidget* widget = Handle();
  if (FCanvas) {
    FCanvas->SetParent(TzrHandle(widget));
    FCanvas->ResizeBuffer(GetWidth(), GetHeight());
  }
  RealignRoot();
  ConnectActionIdle();
  ConnectInput(widget);
  if (LayeredCase()) {
    // Per-pixel transparency where the screen composites: the form's window
    // takes an RGBA visual and paints no background of its own.
    GtkWidget* window = GetParentForm()->Handle();
    GdkScreen* screen = gtk_widget_get_screen(window);
    if (gdk_screen_is_composited(screen) && !gtk_widget_get_realized(window))
      if (GdkVisual* rgba = gdk_screen_get_rgba_visual(screen)) gtk_widget_set_visual(window, rgba);
    gtk_widget_set_app_paintable(window, TRUE);
    AddUpdateRect(zrRect(0, 0, 65535, 65535));
    return;
  }
  AddUpdateRect(zrRect(0, 0, float(GetWidth()), float(GetHeight())));
}

void TzrCustomScene::DestroyHandle() {
  // The canvas keeps its buffer: a window made again at the same size draws
  // and flushes as before.
  if (FCanvas) FCanvas->SetParent(0);
  DisconnectInput();
  if (FEventWindow && FEventHandler) g_signal_handler_disconnect(FEventWindow, FEventHandler);
  FEventWindow = nullptr;
  FEventHandler = 0;
  FInvalidRects.clear();
}

void TzrCustomScene::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!FCanvas || (!HandleAllocated() && !FOnFlush)) return;
  FCanvas->ResizeBuffer(GetWidth(), GetHeight());
  RealignRoot();
}

void TzrCustomScene::ShowingChanged() {
  if (GetVisible()) AddUpdateRect(zrRect(0, 0, float(GetWidth()), float(GetHeight())));
}

void TzrCustomScene::CreateEmbedded(int AWidth, int AHeight, TNotifyEvent AOnFlush) {
  FOnFlush = std::move(AOnFlush);
  SetBounds(GetLeft(), GetTop(), AWidth, AHeight);
  if (FCanvas) FCanvas->ResizeBuffer(AWidth, AHeight);
  RealignRoot();
  AddUpdateRect(zrRect(0, 0, float(AWidth), float(AHeight)));
}
