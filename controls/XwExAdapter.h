#pragma once
// What the three adapter bases of the add-on widgets share: a window
// procedure that turns the framework's messages into overridable operations
// (each base operation hands the message to the framework's default
// handling), mouse-over tracking with enter and leave events, and a hint
// colour and hint window class of the control's own. TXwExEditAdapter adds,
// for edits, focus, size, erase and dialog-code operations and a filter on
// clipboard messages.

#include <cstdint>
#include <string>

#include "controls/XwTypes.h"
#include "platform/vcl/WinControls.h"

// The component message that asks whether a control is one of the add-on
// library's (result 1) or not (0).
constexpr unsigned CM_XW_IS_EXTENDED = CM_BASE + 2000;

// Marks the add-on library's controls.
class IXwExtendedControl {
 public:
  virtual ~IXwExtendedControl() = default;
};

// Codes of WM_GETDLGCODE as a set; dcNative says the framework's answer
// stands unchanged (GetDlgCodes removes it when it changes the set).
enum TXwDlgCode { dcWantAllKeys, dcWantArrows, dcWantChars, dcButton, dcHasSel, dcWantTab, dcNative };
using TXwDlgCodes = uint8_t;
constexpr TXwDlgCodes DlgCodeBit(TXwDlgCode c) { return TXwDlgCodes(1u << c); }
TXwDlgCodes DlgCodesFromResult(intptr_t result);
intptr_t DlgCodesToResult(TXwDlgCodes codes);

template <class Base>
class TXwExAdapter : public Base, public IXwExtendedControl {
 public:
  explicit TXwExAdapter(TComponent* AOwner) : Base(AOwner) {}

  TColor GetHintColor() const { return FHintColor; }
  void SetHintColor(TColor value) { FHintColor = value; }
  bool MouseOver() const { return FMouseOver; }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnParentColorChange;

  void WndProc(TMessage& message) override {
    if (!DispatchCommon(message)) Base::WndProc(message);
  }

 protected:
  virtual void TextChanged() { Default(CM_TEXTCHANGED); }
  virtual bool WantKey(int key, int shift) { return Default(CM_DIALOGCHAR, key, shift) != 0; }
  virtual bool HitTest(int x, int y) { return Default(CM_HITTEST, 0, (y << 16) | (x & 0xFFFF)) != 0; }

  virtual void FocusChanged(TControl* control) { Default(CM_FOCUSCHANGED, 0, Ptr(control)); }
  virtual void VisibleChanged() { Default(CM_VISIBLECHANGED); }
  virtual void EnabledChanged() { Default(CM_ENABLEDCHANGED); }
  virtual void ColorChanged() { Default(CM_COLORCHANGED); }
  virtual void FontChanged() { Default(CM_FONTCHANGED); }
  virtual void ParentFontChanged() { Default(CM_PARENTFONTCHANGED); }
  virtual void ParentColorChanged() {
    Default(CM_PARENTCOLORCHANGED);
    if (OnParentColorChange) OnParentColorChange(this);
  }
  virtual void ParentShowHintChanged() { Default(CM_PARENTSHOWHINTCHANGED); }

  // The hint colour: the application's for clNone, the control's own, or
  // for clDefault the colour the parent answers to the same request.
  virtual bool HintShow(THintInfo& info) {
    if (FHintColor == clNone) {
      info.HintColor = GetApplicationHintColor();
    } else if (FHintColor != clDefault) {
      info.HintColor = FHintColor;
    } else if (this->GetParent() != nullptr) {
      THintInfo copy = info;
      this->GetParent()->Perform(CM_HINTSHOW, 0, Ptr(&copy));
      info.HintColor = copy.HintColor;
    }
    if (!FHintWindowClass.empty()) info.HintWindowClass = FHintWindowClass;
    return Default(CM_HINTSHOW, 0, Ptr(&info)) != 0;
  }
  virtual void MouseEnter(TControl* control) {
    FMouseOver = true;
    if (OnMouseEnter) OnMouseEnter(this);
    Default(CM_MOUSEENTER, 0, Ptr(control));
  }
  virtual void MouseLeave(TControl* control) {
    FMouseOver = false;
    Default(CM_MOUSELEAVE, 0, Ptr(control));
    if (OnMouseLeave) OnMouseLeave(this);
  }

  // The framework's default handling of a message; answers its result.
  intptr_t Default(unsigned msg, intptr_t wParam = 0, intptr_t lParam = 0) {
    TMessage message{msg, wParam, lParam, 0};
    Base::WndProc(message);
    return message.Result;
  }
  static intptr_t Ptr(const void* p) { return reinterpret_cast<intptr_t>(p); }

  TColor FHintColor = clDefault;
  std::string FHintWindowClass;
  bool FMouseOver = false;

 private:
  bool DispatchCommon(TMessage& m) {
    switch (m.Msg) {
      case CM_DIALOGCHAR: m.Result = WantKey(int(m.WParam), int(m.LParam)); return true;
      case CM_HITTEST: m.Result = HitTest(int(m.LParam & 0xFFFF), int(m.LParam >> 16)); return true;
      case CM_TEXTCHANGED: TextChanged(); return true;
      case CM_FOCUSCHANGED: FocusChanged(reinterpret_cast<TControl*>(m.LParam)); return true;
      case CM_VISIBLECHANGED: VisibleChanged(); return true;
      case CM_ENABLEDCHANGED: EnabledChanged(); return true;
      case CM_COLORCHANGED: ColorChanged(); return true;
      case CM_FONTCHANGED: FontChanged(); return true;
      case CM_PARENTFONTCHANGED: ParentFontChanged(); return true;
      case CM_PARENTCOLORCHANGED: ParentColorChanged(); return true;
      case CM_PARENTSHOWHINTCHANGED: ParentShowHintChanged(); return true;
      case CM_HINTSHOW: m.Result = HintShow(*reinterpret_cast<THintInfo*>(m.LParam)); return true;
      case CM_MOUSEENTER: MouseEnter(reinterpret_cast<TControl*>(m.LParam)); return true;
      case CM_MOUSELEAVE: MouseLeave(reinterpret_cast<TControl*>(m.LParam)); return true;
      case CM_XW_IS_EXTENDED: m.Result = 1; return true;
      default: return false;
    }
  }
};

template <class Base>
class TXwExEditAdapter : public TXwExAdapter<Base> {
  using Adapter = TXwExAdapter<Base>;

 public:
  explicit TXwExEditAdapter(TComponent* AOwner) : Adapter(AOwner) {}

  TXwClipboardCommands GetClipboardCommands() const { return FClipboardCommands; }
  virtual void SetClipboardCommands(TXwClipboardCommands value) { FClipboardCommands = value; }

  void WndProc(TMessage& message) override {
    if (!DispatchEdit(message)) Adapter::WndProc(message);
  }

 protected:
  virtual void BoundsChanged() {}
  virtual void GetDlgCodes(TXwDlgCodes& codes) { (void)codes; }
  virtual void FocusSet(intptr_t previous) { this->Default(WM_SETFOCUS, previous); }
  virtual void FocusKilled(intptr_t next) { this->Default(WM_KILLFOCUS, next); }
  // Paints the background; answers whether it did. A subclass that does not
  // override it leaves erasing to the framework.
  virtual bool DoEraseBackground(TCanvas* canvas, intptr_t param) {
    (void)canvas, (void)param;
    FEraseOverridden = false;
    return false;
  }
  virtual void CursorChanged() { this->Default(CM_CURSORCHANGED); }
  virtual void ShowingChanged() { this->Default(CM_SHOWINGCHANGED); }
  virtual void ShowHintChanged() { this->Default(CM_SHOWHINTCHANGED); }
  // Before a child is added (inserting) or removed.
  virtual void ControlsListChanging(TControl* control, bool inserting) {
    this->Default(inserting ? CM_CONTROLLISTCHANGE : CM_CONTROLCHANGE, Adapter::Ptr(control), inserting);
  }
  // After a child was added (inserting) or removed.
  virtual void ControlsListChanged(TControl* control, bool inserting) {
    this->Default(inserting ? CM_CONTROLCHANGE : CM_CONTROLLISTCHANGE, Adapter::Ptr(control), inserting);
  }

  TXwClipboardCommands FClipboardCommands = AllClipboardCommands;

 private:
  bool Allowed(TXwClipboardCommand c) const { return FClipboardCommands & ClipboardCommandBit(c); }

  bool Clipboard(TMessage& m, TXwClipboardCommand command) {
    if (Allowed(command)) {
      Adapter::WndProc(m);
    } else {
      m.Result = 1;
    }
    return true;
  }

  void EraseBackground(TMessage& m) {
    auto dc = reinterpret_cast<gdi::HDC>(m.WParam);
    if (dc == nullptr) {
      Adapter::WndProc(m);
      return;
    }
    TCanvas canvas;
    int saved = gdi::SaveDC(dc);
    canvas.SetHandle(dc);
    FEraseOverridden = true;
    bool erased = DoEraseBackground(&canvas, m.LParam);
    canvas.SetHandle(nullptr);
    gdi::RestoreDC(dc, saved);
    if (!FEraseOverridden) {
      Adapter::WndProc(m);
      return;
    }
    m.Result = erased;
  }

  bool DispatchEdit(TMessage& m) {
    switch (m.Msg) {
      case CM_CONTROLLISTCHANGE:
        if (m.LParam) ControlsListChanging(reinterpret_cast<TControl*>(m.WParam), true);
        else ControlsListChanged(reinterpret_cast<TControl*>(m.WParam), false);
        return true;
      case CM_CONTROLCHANGE:
        if (m.LParam) ControlsListChanged(reinterpret_cast<TControl*>(m.WParam), true);
        else ControlsListChanging(reinterpret_cast<TControl*>(m.WParam), false);
        return true;
      case CM_CURSORCHANGED: CursorChanged(); return true;
      case CM_SHOWINGCHANGED: ShowingChanged(); return true;
      case CM_SHOWHINTCHANGED: ShowHintChanged(); return true;
      case WM_MOVE:
      case WM_SIZE:
        Adapter::WndProc(m);
        BoundsChanged();
        return true;
      case WM_SETFOCUS: FocusSet(m.WParam); return true;
      case WM_KILLFOCUS: FocusKilled(m.WParam); return true;
      case WM_ERASEBKGND: EraseBackground(m); return true;
      case WM_GETDLGCODE: {
        Adapter::WndProc(m);
        TXwDlgCodes codes = DlgCodesFromResult(m.Result) | DlgCodeBit(dcNative);
        GetDlgCodes(codes);
        if (!(codes & DlgCodeBit(dcNative))) m.Result = DlgCodesToResult(codes);
        return true;
      }
      case EM_UNDO:
      case WM_UNDO: return Clipboard(m, caUndo);
      case WM_CUT: return Clipboard(m, caCut);
      case WM_COPY: return Clipboard(m, caCopy);
      case WM_PASTE: return Clipboard(m, caPaste);
      case WM_CLEAR: return Clipboard(m, caClear);
      default: return false;
    }
  }

  bool FEraseOverridden = false;
};
