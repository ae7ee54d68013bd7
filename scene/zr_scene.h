#pragma once
// The scene window: a windowed control (a GtkDrawingArea in its form) that
// hosts one tree of scene objects and turns it into pixels. Nodes that change
// ask for their area through IzoRurev::AddUpdateRect; the scene lets GTK
// invalidate that area, and the draw handler paints every rectangle gathered
// until then in one pass (Draw) into the canvas buffer and copies only those
// rectangles to the window. Off-screen scenes (CreateEmbedded) and
// transparent scenes directly on a form gather their rectangles themselves
// and paint them from one idle callback.

#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/Controls.h"
#include "scene/zr_canvas.h"
#include "scene/zr_intf.h"

class TzrBrush;
class TTimer;

// Runs the action update of a node that is a control with an action; set by
// the control unit (nil: no node has actions).
extern void (*zrControlInitiateAction)(TzrVisualObject* Node);

// Number of live scenes; the last one to go frees the animation timer.
extern int zoRurevCount;

class TzrCustomScene : public TCustomControl, public IzoRurev {
 public:
  explicit TzrCustomScene(TComponent* AOwner);
  ~TzrCustomScene() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // ---- top-level objects (entry 0 is the root)
  void AddObject(TzrObject* AObject) override;
  void RemoveObject(TzrObject* AObject) override;
  void DeleteChildren();
  int GetCount() const { return int(FChildren.size()); }
  TzrObject* GetChildrenObject(int Index) const;
  void RealignRoot();

  // ---- repaint cycle
  void AddUpdateRect(const TzrRect& R) override;
  // Paints the pending rectangles in one pass and flushes them.
  virtual void Draw();
  // Makes the whole client area the only pending rectangle and draws.
  void UpdateBuffer();
  // Turns the scene into an off-screen scene of that size whose finished
  // frames go to AOnFlush.
  void CreateEmbedded(int AWidth, int AHeight, TNotifyEvent AOnFlush);
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // ---- properties
  TzrBrush* GetFill() const { return FFill.get(); }
  void SetFill(TzrBrush* Value);
  bool GetTransparency() override { return FTransparency; }
  bool GetTransparencyValue() const { return FTransparency; }
  void SetTransparency(bool Value);
  TzrResources* GetStyle() override { return FStyle; }
  void SetStyle(TzrResources* Value) override;
  // The style sheet as a published component reference (form streams).
  TComponent* GetStyleComponent() const;
  void SetStyleComponent(TComponent* Value);
  void UpdateResource() override;
  bool GetAnimatedCaret() override { return FAnimatedCaret; }
  bool GetAnimatedCaretValue() const { return FAnimatedCaret; }
  void SetAnimatedCaret(bool Value) { FAnimatedCaret = Value; }
  bool GetTabStop() const { return FTabStop; }
  void SetTabStop(bool Value) { FTabStop = Value; }
  bool GetShowUpdateRects() const { return FShowUpdateRects; }
  void SetShowUpdateRects(bool Value) { FShowUpdateRects = Value; }
  TCursor GetLoadCursor() const { return FLoadCursor; }
  TzrCanvas* GetCanvas() override { return FCanvas.get(); }
  bool GetDisableUpdate() override { return FDisableUpdate; }
  void SetDisableUpdate(bool Value) override { FDisableUpdate = Value; }
  bool GetDesignTime() override { return FDesignTime; }
  void SetOpenInFrame(TComponent* Frame) { FOpenInFrame = Frame; }

  // ---- what the repaint cycle has done (diagnostics and tests)
  // Rectangles handed to GTK as invalid since the last draw of the window.
  const std::vector<TzrRect>& InvalidRects() const { return FInvalidRects; }
  // The rectangles the last pass painted (after merging).
  const std::vector<TzrRect>& LastPaintedRects() const { return FLastPainted; }
  int DrawCount() const { return FDrawCount; }
  int ActionRuns() const { return FActionRuns; }
  bool ShowTimerPending() const { return FShowTimer != nullptr; }
  bool IdlePending() const { return FFlushSource != 0 || FLateSource != 0; }

  // ---- IzoRurev (the rest)
  void BeginDrag() override {}
  void BeginResize() override {}
  void InsertObject(const std::string& ClassName) override { FInsertObject = ClassName; }
  TzrControl* GetActiveControl() override { return nullptr; }
  TzrObject* GetRoot() override { return GetChildrenObject(0); }
  TComponent* GetOwner() override { return TComponent::GetOwner(); }
  TComponent* GetComponent() override { return this; }
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TzrVisualObject* GetSelected() override { return nullptr; }
  TzrVisualObject* GetDesignPlaceObject() override { return nullptr; }
  int GetUpdateRectsCount() override { return int(FUpdateRects.size()); }
  TzrRect GetUpdateRect(int Index) override { return FUpdateRects[size_t(Index)]; }
  void SetCaptured(TzrVisualObject* Value) override;
  TzrVisualObject* GetCaptured() override { return FCaptured; }
  void SetFocused(TzrVisualObject* Value) override;
  TzrVisualObject* GetFocused() override { return FFocused; }
  void SetDesignRoot(TzrVisualObject* Value) override { FDesignRoot = Value; }
  TzrPoint GetMousePos() override { return FMousePos; }
  TzrPoint LocalToScreen(const TzrPoint& Point) override;
  void BeginVCLDrag(TObject*, TzrBitmap*) override {}
  void DoDesignSelect(TObject*) override {}
  bool ShowKeyboardForControl(TzrObject*) override { return false; }
  bool HideKeyboardForControl(TzrObject*) override { return false; }

  // ---- framework
  void Loaded() override;
  void InitiateAction() override;
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  void DefineProperties(TFiler* Filer) override;

 protected:
  void CreateHandle() override;
  void DestroyHandle() override;
  void Paint(cairo_t* Cr) override;
  void ShowingChanged() override;
  bool WantsOwnWindow() const override;

 private:
  bool ParentIsForm() const;
  // Transparent and directly on a form: rectangles are gathered and painted
  // from an idle callback, and the whole window is shown after each pass.
  bool LayeredCase() const;
  void FillChanged(TObject* Sender);
  void PaintBackground();
  void PaintObjects();
  void OutlineUpdateRects();
  void Flush();
  void CopyOver(cairo_t* Cr, const TzrRect& R);
  void ScheduleFlush();
  void RequeueLate();
  void ConnectActionIdle();
  void WalkActions(TzrVisualObject* Node);
  void ShowTimerTick();

  std::unique_ptr<TzrCanvas> FCanvas;
  std::unique_ptr<TzrBrush> FFill;
  std::vector<TzrObject*> FChildren;
  std::vector<TzrRect> FUpdateRects;
  std::vector<TzrRect> FLateRects;  // added while a pass ran: the next frame's
  std::vector<TzrRect> FInvalidRects;
  std::vector<TzrRect> FLastPainted;
  TzrResources* FStyle = nullptr;
  TzrVisualObject* FCaptured = nullptr;
  TzrVisualObject* FFocused = nullptr;
  TzrVisualObject* FHovered = nullptr;
  TzrVisualObject* FDesignRoot = nullptr;
  TComponent* FOpenInFrame = nullptr;
  TTimer* FShowTimer = nullptr;
  TNotifyEvent FOnFlush;
  TzrPoint FMousePos{};
  TzrHandle FDC = 0;
  std::string FInsertObject;
  TCursor FLoadCursor = 0;
  bool FDisableUpdate = false;
  bool FDesignTime = false;
  bool FTransparency = false;
  bool FAnimatedCaret = true;
  bool FTabStop = false;
  bool FShowUpdateRects = false;
  bool FSnapToGrid = false, FSnapToLines = true, FSnapGridShow = false;
  bool FDrawing = false;
  int FDrawCount = 0;
  int FActionRuns = 0;
  int64_t FLastFrame = -1;
  unsigned FFlushSource = 0, FLateSource = 0, FActionSource = 0;
  unsigned long FEventHandler = 0;
  GtkWidget* FEventWindow = nullptr;
};

// The scene that form streams name: publishes what forms store.
class TzoRurev : public TzrCustomScene {
 public:
  explicit TzoRurev(TComponent* AOwner) : TzrCustomScene(AOwner) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
