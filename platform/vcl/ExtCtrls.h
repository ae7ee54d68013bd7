#pragma once
// The framework's panel: a windowed control on a GtkDrawingArea with bevels,
// a border width, a mouse cursor, keyboard focus and the mouse operations.
//
// The panel keeps a picture of its window, the surface its canvas draws on.
// GTK's draw signal runs Paint onto that surface (after WM_ERASEBKGND) and
// shows it; Invalidate queues such a draw. What is drawn onto the canvas
// outside Paint (a rubber band in XOR mode, say) is shown by FlushCanvas
// without running Paint, as drawing on a window's device context shows at
// once. The panel holds windowless children only.

#include <functional>

#include "platform/vcl/Cursors.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/WinControls.h"


enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
// A control's frame: bsNone or bsSingle of the forms' frame styles.
using TBorderStyle = TFormBorderStyle;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

class TCustomPanel : public TWinControl {
 public:
  explicit TCustomPanel(TComponent* AOwner);
  ~TCustomPanel() override;
  std::string ClassName() const override { return "TCustomPanel"; }

  // The canvas on the window's surface.
  TCanvas* GetCanvas() { return FSurface.GetCanvas(); }
  // The window's surface as last painted and drawn on.
  TBitmap* GetSurface() { return &FSurface; }
  // Shows what was drawn onto the canvas outside Paint.
  void FlushCanvas();
  void Invalidate() override;

  TBevelCut GetBevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut GetBevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  int GetBevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int Value);
  int GetBorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  bool GetPanelTabStop() const { return FPanelTabStop; }
  void SetPanelTabStop(bool Value) { FPanelTabStop = Value; }
  bool PanelFocused() const;
  bool CanTakeFocus() const;
  void TakeFocus();
  // Shapes the window as a rounded rectangle over the whole control with
  // corners of the size; 0 or less gives the plain rectangle back.
  void SetRoundRegion(int CornerSize);
  int GetRoundRegion() const { return FRoundRegion; }
  // Whether the window sits in another widget.
  bool HasParentWindow() const;
  // The mouse position in client coordinates ((0, 0) without a window).
  TPoint ScreenToClientCursor() const;

  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnDblClick, OnResize;

  // Mouse operations as the GTK events call them; public so that a caller
  // can feed input the same way.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void DblClick();

  void DefaultHandler(TMessage& message) override;

 protected:
  // Draws the control onto GetCanvas().
  virtual void Paint() {}
  // The size changed.
  virtual void Resize();
  GtkWidget* CreateWidget() override;
  void PaintWindow(cairo_t* cr) override;

 private:
  static int OnButton(GtkWidget*, void* event, void* self);
  static int OnPanelMotion(GtkWidget*, void* event, void* self);
  static void OnRealize(GtkWidget*, void* self);
  void ApplyCursor();
  void ApplyRegion();

  TBitmap FSurface;
  bool FPresentOnly = false;
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TCursor FCursor = crDefault;
  bool FPanelTabStop = false;
  int FRoundRegion = 0;
};

// The shift state of GDK modifier bits.
TShiftState ShiftStateFromGdk(unsigned State);
