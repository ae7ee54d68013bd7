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
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/Types.h"

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
  WM_SYSCOLORCHANGE = 0x0015,
  WM_GETDLGCODE = 0x0087,
  EM_UNDO = 0x00C7,
  WM_KEYDOWN = 0x0100,
  WM_KEYUP = 0x0101,
  WM_CHAR = 0x0102,
  WM_HSCROLL = 0x0114,
  WM_VSCROLL = 0x0115,
  WM_MOUSEMOVE = 0x0200,
  WM_LBUTTONDOWN = 0x0201,
  WM_LBUTTONUP = 0x0202,
  WM_LBUTTONDBLCLK = 0x0203,
  WM_MOUSEWHEEL = 0x020A,
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

// Virtual key codes of the keys the controls look at; letters and digits are
// their upper-case ASCII codes.
enum : uint16_t {
  VK_BACK = 8,
  VK_TAB = 9,
  VK_RETURN = 13,
  VK_ESCAPE = 27,
  VK_PRIOR = 33,
  VK_NEXT = 34,
  VK_END = 35,
  VK_HOME = 36,
  VK_LEFT = 37,
  VK_UP = 38,
  VK_RIGHT = 39,
  VK_DOWN = 40,
  VK_DELETE = 46,
  VK_OEM_PLUS = 187,
  VK_OEM_COMMA = 188,
  VK_OEM_MINUS = 189,
  VK_OEM_PERIOD = 190,
  VK_UNKNOWN = 255  // any other key that types a character
};

// Mouse messages carry the shift state in WParam and the point, as two
// signed 16-bit halves (x low, y high), in LParam. WM_MOUSEWHEEL carries the
// wheel delta (120 a notch, positive away from the user) in WParam and the
// shift state in LParam.
inline intptr_t PointToLParam(int x, int y) {
  return intptr_t((uint32_t(uint16_t(int16_t(y))) << 16) | uint16_t(int16_t(x)));
}
inline int LParamX(intptr_t l) { return int16_t(uint16_t(l & 0xFFFF)); }
inline int LParamY(intptr_t l) { return int16_t(uint16_t((l >> 16) & 0xFFFF)); }
// Whether the left mouse button is held now (as the last button event said).
bool LeftButtonHeld();

// A realized widget's top-left on the screen (see TWinControl::ScreenOrigin).
bool WidgetScreenOrigin(GtkWidget* Widget, int& X, int& Y);

class TControl;
class TWinControl;
class TForm;

// How a control fills its parent's client area: not at all, along one edge
// (taking the room the controls aligned before it left), or the rest.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char16_t& Key)>;

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
// Whether controls draw with the desktop theme (true under GTK unless
// switched off, as for classic 3-D faces).
bool ThemeServicesEnabled();
void SetThemeServicesEnabled(bool value);

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  // Type information: the bounds, Enabled, Visible, Color, ParentColor and Hint.
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TControl"; }

  TWinControl* GetParent() const { return FParent; }
  virtual void SetParent(TWinControl* value);
  // The form the control finally sits on, nil when none.
  TForm* GetParentForm() const;
  // Streaming: a control is written with, and read into, its parent; a form
  // stands for its client area.
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* value) override;
  bool HasParent() const override { return true; }

  int GetLeft() const { return FLeft; }
  int GetTop() const { return FTop; }
  int GetWidth() const { return FWidth; }
  int GetHeight() const { return FHeight; }
  TRect BoundsRect() const { return TRect{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  TRect ClientRect() const { return TRect{0, 0, FWidth, FHeight}; }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
  void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }

  TColor GetColor() const { return FColor; }
  void SetColor(TColor value);
  bool GetParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool value);
  TAlign GetAlign() const { return FAlign; }
  void SetAlign(TAlign value);
  const std::string& GetHint() const { return FHint; }
  virtual void SetHint(const std::string& value) { FHint = value; }
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

  // Whether the control receives the mouse messages until the left button
  // goes up: a windowless control pressed takes it from its parent.
  bool GetMouseCapture() const;
  void SetMouseCapture(bool value);

 protected:
  friend class TWinControl;
  // Left-button operations in client coordinates (WM_LBUTTONDOWN,
  // WM_MOUSEMOVE, WM_LBUTTONUP).
  virtual void MouseDown(TShiftState shift, int x, int y) { (void)shift, (void)x, (void)y; }
  virtual void MouseMove(TShiftState shift, int x, int y) { (void)shift, (void)x, (void)y; }
  virtual void MouseUp(TShiftState shift, int x, int y) { (void)shift, (void)x, (void)y; }
  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TColor FColor = clBtnFace;
  // The colour a control of its class starts with; streams write only others.
  TColor FDefaultColor = clBtnFace;
  bool IsColorStored() const { return !FParentColor && FColor != FDefaultColor; }
  bool FParentColor = false;
  bool FEnabled = true;
  bool FVisible = true;
  TAlign FAlign = alNone;
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
  // The widget's top-left on the screen, as the window system has it: its
  // own window's origin, or its parent window's plus its allocation for a
  // windowless widget. False while the widget is not shown on the screen.
  bool ScreenOrigin(int& X, int& Y) const;
  // Where children's widgets are placed (the base's own GtkFixed), and where
  // the children's origin lies in it.
  virtual GtkWidget* ChildContainer();
  virtual TPoint ChildOrigin() const { return TPoint{0, 0}; }
  // Whether the children's container exists, so that their widgets go in.
  virtual bool ChildrenPlaced() const { return FWidget != nullptr; }
  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;
  // Fits the children aligned to an edge or the client area into the
  // control's client area, in the order top, bottom, left, right, client.
  void Realign();
  static void AlignControls(const std::vector<TControl*>& controls, int width, int height);

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

  // Whether the keyboard focus is in the control's widget, and taking it.
  virtual bool Focused() const;
  virtual void SetFocus();
  virtual bool CanFocus() const;
  bool GetTabStop() const { return FTabStop; }
  void SetTabStop(bool value) { FTabStop = value; }
  // The windowless child holding the mouse, if any.
  TControl* CaptureControl() const { return FCaptureControl; }

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  friend class TControl;
  // Keyboard operations (WM_KEYDOWN, WM_KEYUP, WM_CHAR): the base fires the
  // events. A key or character set to 0 is consumed; one changed is what the
  // widget's own handling then gets.
  virtual void KeyDown(uint16_t& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
  }
  virtual void KeyUp(uint16_t& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
  }
  virtual void KeyPress(char16_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
  }
  // WM_MOUSEWHEEL; answers whether the wheel was handled (then the widget
  // does not scroll).
  virtual bool DoMouseWheel(TShiftState shift, int delta) {
    (void)shift, (void)delta;
    return false;
  }
  // The widget's own handling of a key that KeyDown changed, and of a typed
  // character that KeyPress changed.
  virtual void NativeKey(uint16_t key, TShiftState shift);
  // Answers whether it typed the character (else the widget's own handling
  // runs).
  virtual bool NativeChar(char16_t ch) {
    (void)ch;
    return false;
  }
  // The widget that takes key and button signals.
  virtual GtkWidget* InputWidget() { return SignalWidget(); }
  // Sends a message on behalf of a GTK signal; answers whether it reached
  // DefaultHandler (so the widget's own handling may run).
  bool PerformNative(unsigned msg, intptr_t wParam, intptr_t lParam);
  bool FTabStop = true;

  virtual GtkWidget* CreateWidget();
  // Whether the widget can be made now (Handle answers nil until then).
  virtual bool CanCreateHandle() const { return true; }
  // The widget was made and placed, or is about to go.
  virtual void CreateHandle() {}
  virtual void DestroyHandle() {}
  // Gives up the widget: it leaves its container and is released.
  void FreeHandle();
  // Draws what the framework adds under GTK's own drawing: the erased
  // background and the windowless children.
  virtual void PaintWindow(cairo_t* cr);
  // Paints a bitmap onto a GTK drawing.
  static void PaintBitmap(cairo_t* cr, TBitmap* bitmap);
  // The widget that takes focus, clipboard and crossing signals.
  virtual GtkWidget* SignalWidget() { return FWidget; }
  virtual void ConnectSignals();
  friend class TCustomControl;
  // Puts the widget into the parent's container, or moves it there to the
  // control's place.
  virtual void PlaceWidget();
  // True while a GTK signal asks the window procedure about a native action.
  unsigned FNativeMsg = 0;
  bool FNativeAllowed = false;
  bool FBypass = false;  // the framework emits the signal itself
  // Runs the native action of a clipboard message by emitting its signal.
  void EmitNative(const char* signal);

 private:
  static int OnDraw(GtkWidget*, cairo_t* cr, void* self);
  static void OnDestroy(GtkWidget*, void* self);
  GtkWidget* ReleaseWidget();
  static int OnMotion(GtkWidget*, void* event, void* self);
  static int OnCrossing(GtkWidget*, void* event, void* self);
  static int OnFocus(GtkWidget*, void* event, void* self);
  static void OnSizeAllocate(GtkWidget*, void* allocation, void* self);
  static void OnCut(GtkWidget* widget, void* self);
  static void OnCopy(GtkWidget* widget, void* self);
  static void OnPaste(GtkWidget* widget, void* self);
  static int OnKey(GtkWidget*, void* event, void* self);
  static int OnButton(GtkWidget*, void* event, void* self);
  static int OnScroll(GtkWidget*, void* event, void* self);
  void AskNative(GtkWidget* widget, unsigned msg, const char* signal);
  void TrackMouse(int x, int y);
  bool HandleKey(void* event);
  bool WantsTab();
  bool DialogChar(uint16_t key, TShiftState shift);
  bool HandleButton(void* event);
  bool HandleMotion(int x, int y, TShiftState shift);
  TControl* GraphicChildAt(int x, int y);

  GtkWidget* FWidget = nullptr;
  std::vector<TControl*> FControls;
  TControl* FMouseControl = nullptr;
  TControl* FCaptureControl = nullptr;
  void* FKeyEvent = nullptr;  // the GTK key event being handled
  uint16_t FNativeKey = 0;
  char16_t FNativeChar = 0;
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
