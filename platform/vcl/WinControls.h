#pragma once
// The framework's controls over GTK 3 and the messages they pass.
//
// Every control has a window procedure, WndProc, that receives messages
// (Perform); the base hands them to DefaultHandler, the framework's default
// handling. GTK signals of windowed controls become messages (focus, size,
// mouse crossing, clipboard, erasing), so that a subclass can change the
// behaviour by overriding WndProc. Windowless controls (TGraphicControl) have
// no GTK widget: their parent paints them into its own drawing through the
// framework canvas and tells them when the mouse enters or leaves.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/vcl/Graphics.h"

typedef struct _GtkWidget GtkWidget;
typedef struct _cairo cairo_t;

struct TMessage {
  unsigned Msg = 0;
  intptr_t WParam = 0;
  intptr_t LParam = 0;
  intptr_t Result = 0;
};

enum : unsigned {
  WM_MOVE = 0x0003,
  WM_SIZE = 0x0005,
  WM_SETFOCUS = 0x0007,
  WM_KILLFOCUS = 0x0008,
  WM_ERASEBKGND = 0x0014,
  WM_GETDLGCODE = 0x0087,
  EM_UNDO = 0x00C7,
  WM_CUT = 0x0300,
  WM_COPY = 0x0301,
  WM_PASTE = 0x0302,
  WM_CLEAR = 0x0303,
  WM_UNDO = 0x0304,
  CM_BASE = 0xB000,
  CM_DIALOGCHAR = CM_BASE + 6,
  CM_FOCUSCHANGED = CM_BASE + 7,
  CM_PARENTFONTCHANGED = CM_BASE + 8,
  CM_PARENTCOLORCHANGED = CM_BASE + 9,
  CM_HITTEST = CM_BASE + 10,
  CM_VISIBLECHANGED = CM_BASE + 11,
  CM_ENABLEDCHANGED = CM_BASE + 12,
  CM_COLORCHANGED = CM_BASE + 13,
  CM_FONTCHANGED = CM_BASE + 14,
  CM_CURSORCHANGED = CM_BASE + 15,
  CM_TEXTCHANGED = CM_BASE + 18,
  CM_MOUSEENTER = CM_BASE + 19,
  CM_MOUSELEAVE = CM_BASE + 20,
  CM_SHOWINGCHANGED = CM_BASE + 25,
  CM_SHOWHINTCHANGED = CM_BASE + 34,
  CM_PARENTSHOWHINTCHANGED = CM_BASE + 35,
  CM_CONTROLLISTCHANGE = CM_BASE + 44,
  CM_HINTSHOW = CM_BASE + 48,
  CM_CONTROLCHANGE = CM_BASE + 54
};

// Answers of WM_GETDLGCODE.
enum : intptr_t {
  DLGC_WANTARROWS = 0x1,
  DLGC_WANTTAB = 0x2,
  DLGC_WANTALLKEYS = 0x4,
  DLGC_HASSETSEL = 0x8,
  DLGC_WANTCHARS = 0x80,
  DLGC_BUTTON = 0x2000
};

// Modifier keys and the left button held during an input event.
using TShiftState = uint16_t;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8;

class TControl;
class TWinControl;

// What a hint request (CM_HINTSHOW, LParam pointing at it) may change.
struct THintInfo {
  TControl* HintControl = nullptr;
  TColor HintColor = clInfoBk;
  std::string HintWindowClass;  // empty: the framework's hint window
  std::string HintStr;
};

// The application's hint colour (the framework's default is clInfoBk).
TColor GetApplicationHintColor();
void SetApplicationHintColor(TColor value);
// Whether controls draw their parent's themed background (true under GTK).
bool ThemeServicesEnabled();

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  std::string ClassName() const override { return "TControl"; }

  TWinControl* GetParent() const { return FParent; }
  virtual void SetParent(TWinControl* value);

  int GetLeft() const { return FLeft; }
  int GetTop() const { return FTop; }
  int GetWidth() const { return FWidth; }
  int GetHeight() const { return FHeight; }
  TRect BoundsRect() const { return TRect{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  TRect ClientRect() const { return TRect{0, 0, FWidth, FHeight}; }
  virtual void SetBounds(int left, int top, int width, int height);

  TColor GetColor() const { return FColor; }
  void SetColor(TColor value);
  bool GetParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool value);
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  virtual std::string GetText() const { return FText; }
  virtual void SetText(const std::string& value);
  TFont* GetFont() { return &FFont; }
  // Whether a windowless control's background shows its parent's.
  bool GetParentBackground() const { return FParentBackground; }
  void SetParentBackground(bool value) { FParentBackground = value; }

  // Sends a message to the window procedure and answers its result.
  intptr_t Perform(unsigned msg, intptr_t wParam = 0, intptr_t lParam = 0);
  // Fills hint for the control (CM_HINTSHOW); answers whether to show it.
  bool ShowHintFor(THintInfo& hint);
  virtual void Invalidate();

  virtual void WndProc(TMessage& message);
  // The framework's default handling of a message.
  virtual void DefaultHandler(TMessage& message);

 protected:
  friend class TWinControl;
  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TColor FColor = clBtnFace;
  bool FParentColor = false;
  bool FEnabled = true;
  bool FVisible = true;
  bool FParentBackground = true;
  std::string FHint;
  std::string FText;
  TFont FFont;
};

// A control with a GTK widget of its own that can hold other controls. The
// base is a GtkFixed that paints its colour and its windowless children.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  std::string ClassName() const override { return "TWinControl"; }

  // The GTK widget, made on first call.
  GtkWidget* Handle();
  bool HandleAllocated() const { return FWidget != nullptr; }
  // Where children's widgets are placed (the base's own GtkFixed).
  virtual GtkWidget* ChildContainer();
  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;

  int ControlCount() const { return int(FControls.size()); }
  TControl* GetControl(int i) const { return FControls[size_t(i)]; }
  // Called by TControl::SetParent: CM_CONTROLLISTCHANGE (inserting true)
  // before, CM_CONTROLCHANGE after the child is added; the reverse order of
  // messages, with inserting false, when it is removed.
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);

  // Paints the control's background and windowless children into canvas, as
  // its GTK drawing does.
  void PaintTo(TCanvas* canvas);
  void DefaultHandler(TMessage& message) override;

 protected:
  virtual GtkWidget* CreateWidget();
  // Draws what the framework adds under GTK's own drawing: the erased
  // background and the windowless children.
  virtual void PaintWindow(cairo_t* cr);
  // Paints a bitmap onto a GTK drawing.
  static void PaintBitmap(cairo_t* cr, TBitmap* bitmap);
  // The widget that takes focus, clipboard and crossing signals.
  virtual GtkWidget* SignalWidget() { return FWidget; }
  void ConnectSignals();
  // True while a GTK signal asks the window procedure about a native action.
  bool FNativeAction = false;
  bool FNativeAllowed = false;
  bool FBypass = false;  // the framework emits the signal itself
  // Runs the native action of a clipboard message by emitting its signal.
  void EmitNative(const char* signal);

 private:
  static int OnDraw(GtkWidget*, cairo_t* cr, void* self);
  static int OnMotion(GtkWidget*, void* event, void* self);
  static int OnCrossing(GtkWidget*, void* event, void* self);
  static int OnFocus(GtkWidget*, void* event, void* self);
  static void OnSizeAllocate(GtkWidget*, void* allocation, void* self);
  static void OnCut(GtkWidget* widget, void* self);
  static void OnCopy(GtkWidget* widget, void* self);
  static void OnPaste(GtkWidget* widget, void* self);
  void AskNative(GtkWidget* widget, unsigned msg, const char* signal);
  void TrackMouse(int x, int y);

  GtkWidget* FWidget = nullptr;
  std::vector<TControl*> FControls;
  TControl* FMouseControl = nullptr;
};

// A control without a widget, painted by its parent.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}
  std::string ClassName() const override { return "TGraphicControl"; }
  // The canvas the parent lends while the control paints (else nullptr).
  TCanvas* GetCanvas() const { return FCanvas; }
  // Paints the control with its origin at (0, 0) of canvas.
  void PaintOn(TCanvas* canvas);

 protected:
  virtual void Paint() {}

 private:
  TCanvas* FCanvas = nullptr;
};
