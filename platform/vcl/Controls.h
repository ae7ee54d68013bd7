#pragma once
// Windowed controls placed in a form: a GtkDrawingArea in the form's control
// area (a GtkFixed below the menu bar), with the bounds, alignment, tag,
// cursor and hint that form streams give it. A control placed on another
// control sits in the same control area at its parent's offset, above it, so
// what the parent draws lies beneath it. The widget is made on first need,
// once the parent form has its window; until then the control keeps its
// values, so controls can be built, streamed and laid out without a display.

#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/vcl/Cursors.h"

typedef struct _GtkWidget GtkWidget;
typedef struct _cairo cairo_t;

class TForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TCustomControl : public TComponent {
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The form or control the control is placed on (nil: none).
  TComponent* GetParent() const { return FParent; }
  virtual void SetParent(TComponent* Value);
  // The form the control finally sits on, nil when none.
  TForm* GetParentForm() const;
  int ControlCount() const { return int(FControls.size()); }
  TCustomControl* Controls(int Index) const { return FControls[size_t(Index)]; }

  int GetLeft() const { return FLeft; }
  int GetTop() const { return FTop; }
  int GetWidth() const { return FWidth; }
  int GetHeight() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TAlign GetAlign() const { return FAlign; }
  void SetAlign(TAlign Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& Value);
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  // Offset of the control's top-left corner in its form's client area.
  void ClientOrigin(int& X, int& Y) const;

  // The drawing area, made on first call once the parent form has its window
  // (nil before that).
  GtkWidget* Handle();
  bool HandleAllocated() const { return FWidget != nullptr; }
  // Repaints the whole control.
  void Invalidate();

  // Called by the framework while the application is idle after events.
  virtual void InitiateAction() {}

  // Streaming: a control is written with, and read into, its parent.
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  TComponent* GetParentComponent() const override { return FParent; }
  void SetParentComponent(TComponent* Value) override { SetParent(Value); }
  bool HasParent() const override { return true; }

  // Fits alClient/alTop/... children into Width x Height (parents call it).
  static void AlignControls(const std::vector<TCustomControl*>& AControls, int AWidth, int AHeight);

 protected:
  // The drawing area is made: the control sets its window up.
  virtual void CreateHandle();
  // The drawing area is about to go.
  virtual void DestroyHandle();
  // Draws the control; Cr is clipped to the area GTK asks for.
  virtual void Paint(cairo_t* Cr) { (void)Cr; }
  // The size changed (after SetBounds).
  virtual void Resize() {}
  // The control became shown (true) or hidden.
  virtual void ShowingChanged() {}
  // Whether the drawing area gets a window of its own (input, opaque drawing)
  // or draws straight onto what lies beneath it.
  virtual bool WantsOwnWindow() const { return true; }
  // Places the drawing area at the control's bounds (also after a parent moved).
  void PlaceWidget();

 private:
  static int OnDraw(GtkWidget* Widget, cairo_t* Cr, void* Self);
  void InsertControl(TCustomControl* AControl);
  void RemoveControl(TCustomControl* AControl);
  void FreeHandle();
  void ApplyCursor();

  TComponent* FParent = nullptr;
  std::vector<TCustomControl*> FControls;
  GtkWidget* FWidget = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = alNone;
  bool FVisible = true;
  TCursor FCursor = crDefault;
  std::string FHint;
  bool FShowHint = false;
};

// The form's list of controls, kept by the form for its control area.
void FormInsertControl(TForm* Form, TCustomControl* AControl);
void FormRemoveControl(TForm* Form, TCustomControl* AControl);
