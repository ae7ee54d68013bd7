#pragma once
// The windowed control the toolkit's scenes are built on: a GtkDrawingArea
// with the bounds, alignment, tag, cursor and hint that form streams give
// it. A custom control lends its parent's container to its own children: a
// control placed on it sits in the same container at its offset, above it,
// so what it draws lies beneath them. The widget is made on first need, once
// the parent form has its window; until then the control keeps its values,
// so controls can be built, streamed and laid out without a display.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/vcl/Cursors.h"
#include "platform/vcl/WinControls.h"

typedef struct _GtkWidget GtkWidget;
typedef struct _cairo cairo_t;

class TForm;

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TCustomControl"; }

  // Places the control on a form (its client area) or another control; nil
  // takes it off. Its widget is made again on the new parent.
  void SetParent(TComponent* Value);
  void SetParent(TWinControl* Value) override { SetParent(static_cast<TComponent*>(Value)); }
  void SetParent(std::nullptr_t) { SetParent(static_cast<TComponent*>(nullptr)); }
  int ControlCount() const { return TWinControl::ControlCount(); }
  TControl* Controls(int Index) const { return GetControl(Index); }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  void SetHint(const std::string& Value) override;
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  // Offset of the control's top-left corner in its form's client area.
  void ClientOrigin(int& X, int& Y) const;

  // The drawing area, made on first call once the parent form has its window
  // (nil before that).
  GtkWidget* Handle() { return TWinControl::Handle(); }
  // Repaints the whole control.
  void Invalidate() override;

  // Called by the framework while the application is idle after events.
  virtual void InitiateAction() {}

  // Streaming: a control is written with, and read into, its parent.
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

  // The children's widgets lie in the parent's container, at this control's
  // offset.
  GtkWidget* ChildContainer() override;
  TPoint ChildOrigin() const override;
  bool ChildrenPlaced() const override { return HandleAllocated(); }

 protected:
  bool CanCreateHandle() const override;
  GtkWidget* CreateWidget() override;
  void ConnectSignals() override;
  void DefaultHandler(TMessage& message) override;
  void PlaceWidget() override;
  // Draws the control; Cr is clipped to the area GTK asks for.
  virtual void Paint(cairo_t* Cr) { (void)Cr; }
  // The size changed (after SetBounds).
  virtual void Resize() {}
  // The control became shown (true) or hidden.
  virtual void ShowingChanged() {}
  // Whether the drawing area gets a window of its own (input, opaque drawing)
  // or draws straight onto what lies beneath it.
  virtual bool WantsOwnWindow() const { return true; }

 private:
  static int OnDraw(GtkWidget* Widget, cairo_t* Cr, void* Self);
  void ApplyCursor();
  void ApplyVisible();

  TCursor FCursor = crDefault;
  bool FShowHint = false;
};
