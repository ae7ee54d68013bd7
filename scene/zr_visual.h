#pragma once
// TzrVisualObject: the node of a scene tree that has a place on screen (size,
// position, scale and rotation in its parent, opacity, visibility, enabled
// state, clipping, effects, a text caret). Every shape, layout and control
// derives from it. TzrContent is the plain container node.
//
// Geometry lives in three matrices: local (node to parent), children (the
// parent's extra transform for its children, identity here) and absolute
// (node to scene). The absolute matrix, the absolute opacity, the absolute
// enabled state and the update rectangle are caches behind stale flags; the
// operations that change their inputs set the flags on the node and its
// visual descendants (the update rectangle also on the ancestors that unite
// it), and the next read recomputes.
//
// The operations are spread over files by concern: zr_visual.cpp (life, tree
// hooks, state), zr_visual_geometry.cpp (matrices, rectangles, setters,
// repaint requests), zr_align.cpp (layout, TzrContent), zr_effect.cpp
// (effect bookkeeping), zr_visual_paint.cpp (painting walk, off-screen
// rendering, hit testing, caret).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Variants.h"
#include "platform/vcl/Types.h"
#include "scene/zr_geometry.h"
#include "scene/zr_object.h"
#include "scene/zr_position.h"

class TEnumInfo;
class TzrCanvas;
class TzrBitmap;

// How a parent lays out a child (see Realign).
enum TzrAlign {
  vaNone,
  vaTopLeft,
  vaTopRight,
  vaBottomLeft,
  vaBottomRight,
  vaTop,
  vaLeft,
  vaRight,
  vaBottom,
  vaMostTop,
  vaMostBottom,
  vaMostLeft,
  vaMostRight,
  vaClient,
  vaContents,
  vaCenter,
  vaVertCenter,
  vaHorzCenter,
  vaHorizontal,
  vaVertical,
  vaScale,
  vaFit,
  vaFitLeft,
  vaFitRight
};
const TEnumInfo& zrAlignInfo();

enum TzrDragMode { zrDragManual, zrDragAutomatic };
const TEnumInfo& zrDragModeInfo();

// Shows a popup node modally when a context menu asks for it; set by the
// popup unit (nil: no popups).
extern void (*zrPopupModalProc)(TzrVisualObject* Popup);

// The size of a drag image for a rendering of that size: fitted into
// 512 x 512 keeping the aspect ratio, rounded; smaller ones keep their size.
TzrPoint zrDragImageSize(int AWidth, int AHeight);

// Switches the focus triggers off for every node (false; nothing sets it).
extern bool GlobalDisableFocusEffect;

// A dragged item: the node or control dragged (nil for drops from other
// programs), dropped file names, and the first file name or dropped text.
struct TzrDragObject {
  TObject* Source = nullptr;
  std::vector<std::u16string> Files;
  Variant Data;
};

using TzrMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, float X, float Y)>;
using TzrMouseMoveEvent =
    std::function<void(TObject* Sender, TShiftState Shift, float X, float Y, float Dx, float Dy)>;
using TzrMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                              TzrPoint& MousePos, bool& Handled)>;
using TzrKeyEvent =
    std::function<void(TObject* Sender, uint16_t& Key, char16_t& KeyChar, TShiftState Shift)>;
using TzrDragEnterEvent =
    std::function<void(TObject* Sender, const TzrDragObject& Data, const TzrPoint& Point)>;
using TzrDragDropEvent = TzrDragEnterEvent;
using TzrDragOverEvent = std::function<void(TObject* Sender, const TzrDragObject& Data,
                                            const TzrPoint& Point, bool& Accept)>;
using TzrCanFocusedEvent = std::function<void(TObject* Sender, bool& ACanFocused)>;
using TOnPaintEvent = std::function<void(TObject* Sender, TzrCanvas* Canvas, const TzrRect& ARect)>;

class TzrVisualObject : public TzrObject {
 public:
  explicit TzrVisualObject(TComponent* AOwner);
  ~TzrVisualObject() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void SetNewScene(IzoRurev* AScene) override;
  void DeleteChildren() override;
  bool IsStylePart() const override { return FLocked && !FHitTest; }

  // ---- geometry (zr_visual_geometry.cpp)
  float GetWidth() const { return FWidth; }
  virtual void SetWidth(float Value);
  float GetHeight() const { return FHeight; }
  virtual void SetHeight(float Value);
  virtual void SetBounds(float X, float Y, float AWidth, float AHeight);
  // ARect in local coordinates: the node takes its size and moves so that
  // its rotation centre keeps its place.
  virtual void SetBoundsRect(const TzrRect& ARect);
  // Size and last-aligned size, nothing else.
  void SetSizeWithoutChange(float AWidth, float AHeight);
  TzrPosition* GetPosition() const { return FPosition.get(); }
  void SetPosition(TzrPosition* Value);
  TzrPosition* GetScale() const { return FScale.get(); }
  void SetScale(TzrPosition* Value);
  TzrPosition* GetSkew() const { return FSkew.get(); }
  TzrPosition* GetRotateCenter() const { return FRotateCenter.get(); }
  void SetRotateCenter(TzrPosition* Value);
  float GetRotateAngle() const { return FRotateAngle; }
  void SetRotateAngle(float Value);
  // Recomputes the local matrix (the change event of Position, Scale, Skew
  // and RotateCenter); repaints the old and the new area.
  virtual void MatrixChanged(TObject* Sender);
  const TzrMatrix& GetLocalMatrix() const { return FLocalMatrix; }
  virtual TzrMatrix GetAbsoluteMatrix();
  virtual TzrMatrix GetChildrenMatrix();
  TzrMatrix GetInvertAbsoluteMatrix();
  virtual void RecalcAbsolute();
  void RecalcAbsoluteNow();
  virtual TzrPoint LocalToAbsolute(const TzrPoint& P);
  virtual TzrPoint AbsoluteToLocal(const TzrPoint& P);
  virtual TzrVector LocalToAbsoluteVector(const TzrVector& V);
  virtual TzrVector AbsoluteToLocalVector(const TzrVector& V);
  virtual TzrPoint GetAbsoluteScale();
  float GetAbsoluteWidth();
  float GetAbsoluteHeight();

  // ---- rectangles (local ones are (0, 0, Width, Height))
  virtual TzrRect GetLocalRect();
  virtual TzrRect GetClipRect();
  virtual TzrRect GetBoundsRect();
  virtual TzrRect GetParentedRect();
  virtual TzrRect GetAbsoluteRect();
  TzrRect GetChildrenRect();
  // The scene area to repaint for the node (cached).
  virtual TzrRect GetUpdateRect();
  // Marks the cached update rectangle stale on the node, its visual
  // descendants and the ancestors whose rectangle unites it.
  void RecalcUpdateRect();
  bool GetRecalcUpdateRect() const { return FRecalcUpdateRect; }

  // ---- appearance state (zr_visual.cpp)
  float GetOpacity() const { return FOpacity; }
  void SetOpacity(float Value);
  virtual float GetAbsoluteOpacity();
  virtual void RecalcOpacity();
  bool GetVisible() const { return FVisible; }
  // Writes the flag alone: no repaint, layout or trigger (painting walks
  // that hide a node for one pass).
  void SetVisibleField(bool Value) { FVisible = Value; }
  virtual void SetVisible(bool Value);
  virtual bool CheckParentVisible();
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  virtual bool GetAbsoluteEnabled();
  void RecalcEnabled();
  bool GetClipChildren() const { return FClipChildren; }
  void SetClipChildren(bool Value);
  bool GetClipParent() const { return FClipParent; }
  void SetClipParent(bool Value);
  bool GetCanClipped() const { return FCanClipped; }
  void SetCanClipped(bool Value) { FCanClipped = Value; }
  bool GetHitTest() const { return FHitTest; }
  void SetHitTest(bool Value) { FHitTest = Value; }
  int GetCursor() const { return FCursor; }
  void SetCursor(int Value) { FCursor = int16_t(Value); }
  bool GetLocked() const { return FLocked; }
  void SetLocked(bool Value) { FLocked = Value; }
  // Locks the node and every visual descendant.
  void Lock();
  bool GetDesignHide() const { return FDesignHide; }
  void SetDesignHide(bool Value);
  void UpdateDesignHide(bool Value);
  TzrDragMode GetDragMode() const { return FDragMode; }
  void SetDragMode(TzrDragMode Value) { FDragMode = Value; }
  bool GetDragDisableHighlight() const { return FDragDisableHighlight; }
  void SetDragDisableHighlight(bool Value) { FDragDisableHighlight = Value; }
  const std::u16string& GetHint() const { return FHint; }
  void SetHint(const std::u16string& Value) { FHint = Value; }
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool Value) { FShowHint = Value; }
  TComponent* GetPopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TComponent* Value);
  TzrVisualObject* GetPopup() const { return FPopup; }
  void SetPopup(TzrVisualObject* Value);
  bool GetIsMouseOver() const { return FIsMouseOver; }
  bool GetIsDragOver() const { return FIsDragOver; }
  void SetIsDragOver(bool Value) { FIsDragOver = Value; }
  bool GetIsFocused() const { return FIsFocused; }
  bool GetIsVisible() const { return FVisible; }
  bool GetCanFocused() const { return FCanFocused; }
  bool GetDisableEffect() const { return FDisableEffect; }
  void SetDisableEffect(bool Value) { FDisableEffect = Value; }
  bool GetHasEffect() const { return FHasEffect; }
  TzrCanvas* GetTempCanvas() const { return FTempCanvas; }
  bool GetInPaintTo() const { return FInPaintTo; }
  int GetUpdating() const { return FUpdating; }

  // ---- repaint requests
  // Hands the update rectangle to the scene (see the conditions in the .cpp).
  void Repaint() override;
  // ARect in local coordinates; only its top-left and bottom-right corners
  // are mapped to the scene.
  void InvalidateRect(const TzrRect& ARect);
  // Marks the cached effect bitmap stale here and on every ancestor with an
  // effect (their bitmaps render the whole subtree).
  void UpdateEffects();
  bool GetEffectsStale() const { return FUpdateEffects; }

  // ---- effects (zr_effect.cpp)
  virtual TzrRect GetEffectsRect();
  void RecalcHasEffect();
  bool HasDisablePaintEffect();
  bool HasAfterPaintEffect();

  // ---- layout (zr_align.cpp)
  TzrAlign GetAlign() const { return FAlign; }
  virtual void SetAlign(TzrAlign Value);
  TzrBounds* GetMargins() const { return FMargins.get(); }
  void SetMargins(TzrBounds* Value);
  TzrBounds* GetPadding() const { return FPadding.get(); }
  void SetPadding(TzrBounds* Value);
  virtual void MarginsChanged(TObject* Sender);
  virtual void PaddingChanged(TObject* Sender);
  virtual void BeginUpdate();
  virtual void EndUpdate();
  void Realign() override;
  void RecalcNeedAlign();
  bool GetNeedAlign() const { return FNeedAlign; }
  float GetLastWidth() const { return FLastWidth; }
  float GetLastHeight() const { return FLastHeight; }

  // ---- painting and hit testing (zr_visual_paint.cpp)
  TzrCanvas* GetCanvas();
  virtual void BeforePaint() {}
  virtual void Paint() {}
  virtual void AfterPaint() {}
  virtual void PaintChildren();
  void ApplyEffect();
  TzrBitmap* GetEffectBitmap() const { return FEffectBitmap.get(); }
  // Renders the node and its subtree so that its local rectangle fills ARect
  // of ACanvas, with AParent standing in for the parent.
  void PaintTo(TzrCanvas* ACanvas, const TzrRect& ARect, TzrObject* AParent = nullptr);
  void SetInPaintTo(bool Value);
  void SetTempCanvas(TzrCanvas* ACanvas);
  // A new bitmap of the node's rendering; the caller owns it.
  std::unique_ptr<TzrBitmap> MakeScreenshot();
  virtual bool PointInObject(float X, float Y);
  bool CheckHitTest();
  virtual TzrVisualObject* ObjectByPoint(float X, float Y);
  TzrVisualObject* FindTarget(const TzrPoint& APoint, const TzrDragObject& Data);

  // ---- caret
  void CreateCaret();
  void ShowCaretProc();
  void HideCaret();
  void SetCaretPos(const TzrPoint& APoint);
  void SetCaretSize(const TzrPoint& ASize);
  void SetCaretColor(TzrColor AColor);
  TzrVisualObject* GetCaret() const { return FCaret; }

  // ---- design-time hooks
  virtual void DesignSelect() {}
  virtual TzrVisualObject* DesignClick() { return this; }
  virtual void DesignInsert() {}
  virtual void ApplyResource() {}

  // ---- input (zr_visual_input.cpp). The scene calls these with local
  // coordinates; controls override them and call them as their first step.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y);
  virtual void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y);
  virtual void MouseWheel(TShiftState Shift, int WheelDelta, bool& Handled);
  virtual void Click();
  virtual void DblClick();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift);
  virtual void KeyUp(uint16_t& Key, char16_t& KeyChar, TShiftState Shift);
  // Offers the key to the visible, enabled visual children until one sets
  // Key to 0.
  virtual void DialogKey(uint16_t& Key, TShiftState Shift);
  // ScreenPosition in screen pixels.
  virtual void ContextMenu(const TzrPoint& ScreenPosition);
  void Capture();
  void ReleaseCapture();
  bool GetAutoCapture() const { return FAutoCapture; }
  void SetAutoCapture(bool Value) { FAutoCapture = Value; }
  bool GetPressed() const { return FPressed; }
  // The scene's hover mark, set while the mouse is over the node.
  bool GetMouseInObject() const { return FMouseInObject; }
  void SetMouseInObject(bool Value) { FMouseInObject = Value; }

  // ---- focus
  void SetFocus();
  void SetCanFocused(bool Value) { FCanFocused = Value; }
  bool GetDisableFocusEffect() const { return FDisableFocusEffect; }
  void SetDisableFocusEffect(bool Value) { FDisableFocusEffect = Value; }
  // A container answers true to stop the focus notice from going further up.
  virtual bool EnterFocusChildren(TzrVisualObject* AObject);
  virtual void EnterFocus();
  virtual void KillFocus();

  // ---- dragging and dropping
  // Starts a framework drag of the node with its rendering as drag image.
  virtual void BeginAutoDrag();
  // The node's rendering at 0.7 opacity, fitted into 512 x 512.
  std::unique_ptr<TzrBitmap> MakeDragImage();
  virtual void DragEnter(const TzrDragObject& Data, const TzrPoint& Point);
  // Asks OnDragOver; Accept keeps its value without a handler.
  virtual void DragOver(const TzrDragObject& Data, const TzrPoint& Point, bool& Accept);
  virtual void DragDrop(const TzrDragObject& Data, const TzrPoint& Point);
  virtual void DragLeave();
  virtual void DragEnd();

  // ---- tab order: the visual children in keyboard order
  // Index in the visual parent's tab list, -1 when not listed.
  int GetTabOrder();
  void SetTabOrder(int Value);
  // Moves the node to Index (clamped) in its parent's tab list.
  void UpdateTabOrder(int Index);
  // Applies the tab orders the children remembered while loading.
  void FixupTabList();
  // Appends the tab list; with Children, each entry's own list after it.
  void GetTabOrderList(std::vector<TzrVisualObject*>& List, bool Children);
  const std::vector<TzrVisualObject*>& GetTabList() const { return FTabList; }

  // ---- events
  TzrMouseEvent OnMouseUp, OnMouseDown;
  TzrMouseMoveEvent OnMouseMove;
  TzrMouseWheelEvent OnMouseWheel;
  TNotifyEvent OnClick, OnDblClick;
  TzrCanFocusedEvent OnCanFocused;
  TNotifyEvent OnEnterFocus, OnKillFocus;
  TNotifyEvent OnMouseLeave, OnMouseEnter;
  TOnPaintEvent OnPaint, OnBeforePaint;
  TzrDragEnterEvent OnDragEnter;
  TzrDragDropEvent OnDragDrop;
  TNotifyEvent OnDragLeave;
  TzrDragOverEvent OnDragOver;
  TNotifyEvent OnDragEnd;
  TzrKeyEvent OnKeyDown, OnKeyUp;
  TNotifyEvent OnApplyResource;

  // The design-time resize handles are not offered.
  bool DisableDesignResize = false;

 protected:
  void DoAddObject(TzrObject* AObject) override;
  void DoRemoveObject(TzrObject* AObject) override;
  void DoRemovedObject(TzrObject* AObject) override;
  void AdoptDesignSize(TzrObject* ADesign) override;

  // A repaint made only when the node has a scene taking updates, is not
  // rendered off-screen and is not inside BeginUpdate.
  void GuardedRepaint();
  bool Designing();
  // The parent as a visual object, nil when it is not one.
  TzrVisualObject* VisualParent() const;
  // Marks the update rectangle of the node and its visual descendants stale.
  void MarkUpdateRectStale();
  // For containers of many children (a scroll content): the children whose
  // matrix or update rectangle has been computed since the container last
  // marked them stale are listed, so that marking them stale again visits
  // those only. Every other child is stale with all it holds.
  void TrackFreshChildren();
  // One step of the painting walk: the child with its children and effects.
  void PaintChild(TzrObject* AObject, IzoRurev* AScene, bool ADesigning);
  // Puts the node on the fresh lists of the containers above it that track
  // them (the node itself or the ancestor that is their child).
  void NoteMatrixFresh();
  void NoteUpdateRectFresh();
  // Marks every cached children rectangle stale.
  static void GeometryChanged();
  // Takes a leaving child off the fresh lists.
  void ForgetFreshChild(TzrVisualObject* AChild);

  // Layout steps (zr_align.cpp).
  void AlignChildren(TzrAlign Value, TzrRect& R);
  void AlignChild(TzrVisualObject* C, TzrAlign Value, TzrRect& R);
  static bool AlignSortBefore(TzrVisualObject* A, TzrVisualObject* B, TzrAlign Value);
  TzrRect MarginRect() const;

  bool FMouseInObject = false;
  bool FHitTest = true;
  bool FClipChildren = false;
  bool FAutoCapture = false;
  std::unique_ptr<TzrBounds> FMargins;
  TzrAlign FAlign = vaNone;
  bool FDisableDefaultAlign = false;
  std::unique_ptr<TzrBounds> FPadding;
  TzrCanvas* FTempCanvas = nullptr;
  float FRotateAngle = 0;
  std::unique_ptr<TzrPosition> FPosition;
  std::unique_ptr<TzrPosition> FScale;
  std::unique_ptr<TzrPosition> FSkew;
  std::unique_ptr<TzrPosition> FRotateCenter;
  bool FCanFocused = false;
  bool FIsMouseOver = false;
  bool FIsFocused = false;
  bool FDisableFocusEffect = false;
  bool FClipParent = false;
  bool FDesignHide = false;
  bool FCanClipped = true;
  int16_t FCursor = 0;
  TzrDragMode FDragMode = zrDragManual;
  bool FDragDisableHighlight = false;
  bool FIsDragOver = false;
  std::u16string FHint;
  bool FShowHint = false;
  TComponent* FPopupMenu = nullptr;
  TzrVisualObject* FPopup = nullptr;
  bool FRecalcEnabled = true;
  bool FEnabled = true;
  bool FAbsoluteEnabled = true;
  int16_t FTabOrder = -1;
  std::vector<TzrVisualObject*> FTabList;
  bool FNeedAlign = false;
  float FHeight = 50;
  float FLastHeight = 50;
  float FWidth = 50;
  float FLastWidth = 50;
  bool FVisible = true;
  TzrMatrix FLocalMatrix = IdentityMatrix;
  TzrMatrix FAbsoluteMatrix = IdentityMatrix;
  bool FRecalcAbsolute = true;
  bool FUpdateEffects = true;
  std::unique_ptr<TzrBitmap> FEffectBitmap;
  bool FLocked = false;
  float FOpacity = 1;
  float FAbsoluteOpacity = 1;
  bool FRecalcOpacity = true;
  bool FInPaintTo = false;
  TzrRect FUpdateRect;
  bool FRecalcUpdateRect = true;
  TzrVisualObject* FCaret = nullptr;
  bool FPressed = false;
  bool FDoubleClick = false;
  int FUpdating = 0;
  // The update rectangle when this node opened the outermost update
  // bracket over it; repainted when the bracket closes.
  TzrRect FBracketRect{};
  bool FBracketOpen = false;
  bool FDisableAlign = false;
  bool FDisableEffect = false;
  bool FHasEffect = false;
  // Children that are not visual objects (effects, animations): the effect
  // queries have nothing to look at without them.
  int FNonVisualChildren = 0;
  // Visual children marked ClipParent: the walk looks for one only when
  // there are any.
  int FClipParentChildren = 0;
  // GetChildrenRect as computed at the geometry count FChildrenRectStamp.
  TzrRect FChildrenRect{};
  uint64_t FChildrenRectStamp = 0;

 private:
  bool OpacityStored() const { return FOpacity != 1; }
  struct TFreshChildren {
    std::vector<TzrVisualObject*> Matrix, Rect;
  };
  std::unique_ptr<TFreshChildren> FFresh;
  // Which of the parent's fresh lists hold the node.
  uint8_t FFreshIn = 0;
};

// The plain container node: paints nothing of its own; a layout inside it
// lays out its container once more. Scroll boxes hold their scrolled
// children in one.
class TzrContent : public TzrVisualObject {
 public:
  explicit TzrContent(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Realign() override;

 private:
  bool FParentAligning = false;
};

// Registers TzrVisualObject and TzrContent with the class registry
// (idempotent).
void RegisterVisualClasses();
