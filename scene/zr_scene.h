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
#include "scene/zr_visual.h"

class TzrBrush;
class TPopupMenu;
class TTimer;
typedef struct _GtkIMContext GtkIMContext;
typedef struct _GdkDragContext GdkDragContext;

// The node that currently accepts a drag (from another program or of a
// node), shared by all scenes; nil when none. A freed node clears it.
extern TzrVisualObject* DragTarget;
// The node being dragged inside the program, nil when none.
extern TzrVisualObject* DragSource;
void zrSetDragTarget(TzrVisualObject* Value);
void zrSetDragSource(TzrVisualObject* Value);
// Forgets the drag state (the last scene going).
void zrReleaseDragState();

// What a drop of that target carries: for "text/uri-list" the local file
// names, whole, in order (other URIs are skipped) and the first of them as
// Data; for text its UTF-8 content as Data.
TzrDragObject zrReadDropData(const std::string& Target, const std::string& Bytes);

// The virtual-key code of a GDK key value (0: none).
uint16_t zrVirtualKeyOf(unsigned KeyVal);

// Private drag target naming a node dragged inside the program.
inline constexpr const char* zrNodeDragTarget = "application/x-esctool-node";

// Runs the action update of a node that is a control with an action; set by
// the control unit (nil: no node has actions).
extern void (*zrControlInitiateAction)(TzrVisualObject* Node);

// Number of live scenes; the last one to go frees the animation timer.
extern int zoRurevCount;

// The handles of the design-time selection frame, in the order a press
// tests them.
enum TzrDesignHandle {
  dhNone,
  dhRotate,
  dhLeftTop,
  dhRightTop,
  dhLeftBottom,
  dhRightBottom,
  dhTop,
  dhBottom,
  dhLeft,
  dhRight
};
// The hit rectangle of a handle, local to a node of that size and bounds.
TzrRect zrDesignHandleRect(TzrDesignHandle Handle, float W, float H, const TzrRect& Bounds);
// The first handle of the node whose rectangle holds the local point.
TzrDesignHandle zrDesignHandleAt(TzrVisualObject* Node, const TzrPoint& P);

// The design popup's private clipboard: the last copied subtree in
// object-stream text form (not the system clipboard).
extern std::string DesignClipboard;
// Frees the clipboard's text (shutdown).
void zrReleaseDesignClipboard();

class TForm;
// Answers the design popup's modal forms (the tab-order editor) in place of
// the user: gets the built form and returns its modal result.
extern std::function<int(TForm& Form)> DesignModalHook;

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
  // The frame showing this scene's root, nil when none.
  TComponent* GetOpenInFrame() const { return FOpenInFrame; }
  // A copy of the owner form made for a second frame to show (freed when
  // that frame lets go of the scene), nil when none.
  TComponent* GetCloneFrame() const { return FCloneFrame; }
  void SetCloneFrame(TComponent* Form) { FCloneFrame = Form; }

  // ---- what the repaint cycle has done (diagnostics and tests)
  // Rectangles handed to GTK as invalid since the last draw of the window.
  const std::vector<TzrRect>& InvalidRects() const { return FInvalidRects; }
  // The rectangles the last pass painted (after merging).
  const std::vector<TzrRect>& LastPaintedRects() const { return FLastPainted; }
  int DrawCount() const { return FDrawCount; }
  int ActionRuns() const { return FActionRuns; }
  bool ShowTimerPending() const { return FShowTimer != nullptr; }
  bool IdlePending() const { return FFlushSource != 0 || FLateSource != 0; }

  // ---- input routing (zr_scene_input.cpp); X, Y in client pixels
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  void MouseMove(TShiftState Shift, int X, int Y);
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  // MousePos in client pixels; true when a node handled the turn.
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, const TzrPoint& MousePos);
  // The pointer left the window.
  void MouseLeave();
  void UnicodeKeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift);
  void UnicodeKeyUp(uint16_t& Key, char16_t& KeyChar, TShiftState Shift);
  // A typed character: Ctrl+A, C, V, X, Z as their letters (down and up,
  // with the modifiers held, so that a text box sees Ctrl), Enter (13) not
  // at all, any other as a key down with Key 0.
  void CharTyped(char16_t Char, TShiftState Shift = 0);
  // Each character of text an input method committed, as a key down.
  void CommitText(const std::u16string& Text);
  // The hit test in scene coordinates: the top-level objects from the last.
  TzrVisualObject* ObjectByPoint(float X, float Y);
  // The hint of the node under (X, Y) and its absolute rectangle; false
  // when that node shows none.
  bool HintAt(float X, float Y, std::u16string& Hint, TzrRect& Area);
  // Where the input method places its window: the caret of the focused
  // node (or its top-left corner) in client pixels.
  TzrRect CaretRect();
  TzrVisualObject* GetHovered() const { return FHovered; }
  bool GetDragging() const { return FDragging; }
  bool GetResizing() const { return FResizing; }
  GtkIMContext* GetIMContext() const { return FIMContext; }
  // Tells the input method where the caret is (CaretRect): after every
  // key, click and commit, and when a composition starts.
  void UpdateIMCursor();

  // ---- drag and drop (zr_scene_drop.cpp); points in client pixels
  // Another program's drag is over the scene with Data: the accepting node
  // becomes the target; true when there is one (the link action).
  bool DropOver(const TzrDragObject& Data, const TzrPoint& Point);
  void DropLeave();
  void DropData(const TzrDragObject& Data, const TzrPoint& Point);
  // A node dragged inside the program is over the scene: as DropOver, with
  // the node asked whether it accepts.
  bool NodeDragOver(const TzrPoint& Point);
  void NodeDragDrop(const TzrPoint& Point);
  // The node drag ended: the dragged node gets DragEnd.
  void EndDragEvent();
  // The data of an outside drag arrived: at a motion the target is chosen
  // and the action answered (link when accepted); at the drop the target
  // gets it.
  void DropDataArrived(GdkDragContext* Context, const TzrDragObject& Data, const TzrPoint& Point,
                       unsigned Time, bool Dropping);
  // The cursor location last given to the input method.
  TzrRect GetIMCursor() const { return FIMCursor; }

  // ---- IzoRurev (the rest)
  void BeginDrag() override;
  void BeginResize() override;
  // A new node of a registered class under the selection (zr_scene_design_edit.cpp).
  void InsertObject(const std::string& ClassName) override;
  const std::string& GetInsertObject() const { return FInsertObject; }
  TzrControl* GetActiveControl() override { return nullptr; }
  TzrObject* GetRoot() override { return GetChildrenObject(0); }
  TComponent* GetOwner() override { return TComponent::GetOwner(); }
  TComponent* GetComponent() override { return this; }
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TzrVisualObject* GetSelected() override { return FSelected; }
  TzrVisualObject* GetDesignPlaceObject() override { return FDesignPlaceObject; }
  int GetUpdateRectsCount() override { return int(FUpdateRects.size()); }
  TzrRect GetUpdateRect(int Index) override { return FUpdateRects[size_t(Index)]; }
  void SetCaptured(TzrVisualObject* Value) override;
  TzrVisualObject* GetCaptured() override { return FCaptured; }
  void SetFocused(TzrVisualObject* Value) override;
  TzrVisualObject* GetFocused() override { return FFocused; }
  void SetDesignRoot(TzrVisualObject* Value) override { FDesignRoot = Value; }
  TzrPoint GetMousePos() override { return FMousePos; }
  TzrPoint LocalToScreen(const TzrPoint& Point) override;
  void BeginVCLDrag(TObject* Source, TzrBitmap* ABitmap) override;
  void DoDesignSelect(TObject* AObject) override;
  bool ShowKeyboardForControl(TzrObject*) override { return false; }
  bool HideKeyboardForControl(TzrObject*) override { return false; }

  // ---- design time (zr_scene_design.cpp)
  void SetSelected(TzrVisualObject* Value);
  // The nodes Ctrl-clicked besides the selection: the multiple selection.
  const std::vector<TzrVisualObject*>& GetSelection() const { return FSelection; }
  // Fired whenever the selection changes by the mouse, an insert or
  // SetSelected.
  void SetDesignChangeSelection(TNotifyEvent Value) { FDesignChangeSelection = std::move(Value); }
  // Toward zero onto the grid while grid snapping is on.
  float SnapToGridValue(float Value) const;
  float GetSnapGridSize() const { return FSnapGridSize; }
  void SetSnapGridSize(float Value);
  bool GetSnapGridShow() const { return FSnapGridShow; }
  void SetSnapGridShow(bool Value);
  bool GetSnapToGrid() const { return FSnapToGrid; }
  void SetSnapToGrid(bool Value) { FSnapToGrid = Value; }
  bool GetSnapToLines() const { return FSnapToLines; }
  void SetSnapToLines(bool Value) { FSnapToLines = Value; }
  // Finds the siblings the selection lines up with (the guides); with Snap
  // the selection moves onto the first matching line.
  void SnapToGridLines(bool Snap);
  // A local point of the selection moved onto a guide's edge when near.
  TzrPoint SnapPointToGridLines(const TzrPoint& P);
  void AddUpdateRectsFromGridLines();
  const std::vector<TzrVisualObject*>& GetDesignGridLines() const { return FDesignGridLines; }
  TzrDesignHandle GetDesignMode() const { return FDesignMode; }
  // The handle under the pointer, painted red.
  TzrDesignHandle GetHotHandle() const { return FHotHandle; }
  bool GetMoving() const { return FMoving; }
  // The form designer's hit test: 1 when the scene takes the mouse at the
  // client point, 0 when the designer keeps it.
  int DesignHitTest(float X, float Y);
  // The point (client pixels) the design popup opened at; (-1, -1) when
  // none.
  TzrPoint GetPopupPos() const { return FPopupPos; }
  void SetPopupPos(const TzrPoint& Value) { FPopupPos = Value; }
  // The menu's commands.
  void doDesignPopupCopy();
  void doDesignPopupPaste();
  void doDesignPopupDel();
  void doDesignPopupDesignHide();
  // The tab-order editor's list and its Up and Down buttons.
  std::vector<std::string> doDesignTabOrderRebuildList();
  int doDesignTabOrderBtnClick(int Index, bool Up);
  // "Tab Order...": the modal tab-order editor; answers its modal result.
  int doDesignPopupTabOrder();
  // "Load From File...": a file chosen in the open dialog joins the selection.
  void doDesignPopupLoadFromFile();
  // "Edit Default Style..." and "Edit Custom Style...": the selection's
  // style (and its inner controls') moves into the scene's sheet.
  void doDesignPopupEditStyle(bool Custom);
  // Builds the design popup anew and shows it at the pointer (only while
  // the popup is enabled).
  void OpenDesignPopup();
  TPopupMenu* GetDesignPopup() const { return FDesignPopup; }
  bool GetDesignPopupEnabled() const { return FDesignPopupEnabled; }
  void SetDesignPopupEnabled(bool Value) { FDesignPopupEnabled = Value; }

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

 public:
  // Where the screen does not composite, a transparent scene on a form is
  // drawn over a copy of what its window covers at (X, Y) on the screen,
  // taken before the window shows.
  void CaptureBackdrop(int X, int Y);

 private:
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
  // Input (zr_scene_gtk.cpp): GTK signals of the drawing area.
  void ConnectInput(GtkWidget* Widget);
  void DisconnectInput();
  void ConnectDrop(GtkWidget* Widget);
  void DropStop();
  void SetHovered(TzrVisualObject* Value);
  void DesignMouseDown(TMouseButton Button, TShiftState Shift);
  void DesignMouseMove(TShiftState Shift, const TzrPoint& At);
  void DesignMouseUp();
  void SetHotHandle(TzrDesignHandle Value);
  void InvalidateHandle(TzrDesignHandle Handle);
  void PaintDesignOverlay();
  void PaintSelectionFrame();
  void PaintGuides();
  void PaintPlaceObject();
  void DesignMove(TShiftState Shift, const TzrPoint& At);
  void DesignResize(const TzrPoint& At);
  void DesignRotate(const TzrPoint& At);
  void DesignDelete();
  // A Ctrl press on Node: it joins the multiple selection, or, already in
  // it, trades places with the selection.
  void DesignSelectMore(TzrVisualObject* Node);
  void ClearDesignSelection();
  void ChangeSelection();
  void PaintMultiFrame(TzrVisualObject* Node);
  // Refills the tab-order editor's list and makes Index current.
  void FillTabOrderList(TzrVisualObject* List, int Index);
  void AdoptDesignSubtree(TzrObject* Node, TzrObject* Target);
  // The style object of a control selection; nil when there is none.
  TzrObject* DesignStyleObject(TzrVisualObject* Node);
  TzrResources* DesignStyleSheet();
  // The node new children go to: the selection, else the root.
  TzrObject* DesignTarget();
  void SetDesignPlaceObject(TzrVisualObject* Value);
  void Watch(TzrVisualObject*& Ref, TzrVisualObject* Value);
  void GrabPointer(bool Grab);
  void TabWalk(bool Backward);
  TzrVisualObject* NodeAt(const TzrPoint& P);
  void SetDragTarget(TzrVisualObject* Value, const TzrDragObject& Data, const TzrPoint& Point);
  TzrDragObject NodeDragRecord();

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
  TzrVisualObject* FSelected = nullptr;
  TzrVisualObject* FDesignPlaceObject = nullptr;
  std::vector<TzrVisualObject*> FDesignGridLines;
  std::vector<TzrVisualObject*> FSelection;
  TNotifyEvent FDesignChangeSelection;
  TzrDesignHandle FDesignMode = dhNone;
  TzrDesignHandle FHotHandle = dhNone;
  bool FMoving = false;
  TzrPoint FPopupPos{-1, -1};
  TPopupMenu* FDesignPopup = nullptr;
  bool FDesignPopupEnabled = true;
  float FSnapGridSize = 1;
  TComponent* FOpenInFrame = nullptr;
  TComponent* FCloneFrame = nullptr;
  TTimer* FShowTimer = nullptr;
  TNotifyEvent FOnFlush;
  TzrPoint FMousePos{};
  TzrPoint FUnsnapMousePos{};
  TzrPoint FDownPos{};
  TzrPoint FResizeSize{};
  bool FDragging = false;
  bool FResizing = false;
  GtkIMContext* FIMContext = nullptr;
  TzrRect FIMCursor{};
  bool FGrabbed = false;  // the pointer grab of a captured node is held

 public:
  // A drag from outside in progress over the scene (zr_scene_drop.cpp).
  struct TDropState {
    GdkDragContext* Context = nullptr;
    bool HaveData = false;
    bool Dropping = false;
    TzrDragObject Data;
    unsigned LeaveSource = 0;
  };

  TDropState& DropState() { return FDrop; }

 private:
  TDropState FDrop;
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
  cairo_surface_t* FBackdrop = nullptr;
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
