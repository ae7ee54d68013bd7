#pragma once
// The add-on memo: a line limit that keeps the full text to restore it, a
// caret of its own that can also be hidden (then the memo only scrolls), a
// transparent mode, hot-tracked 3-D borders and scroll events.

#include <memory>

#include "controls/XwCaret.h"
#include "controls/XwExStdCtrls.h"
#include "platform/rtl/StringList.h"

class TXwCustomMemo : public TXwExCustomMemo {
 public:
  explicit TXwCustomMemo(TComponent* AOwner);
  ~TXwCustomMemo() override;
  std::string ClassName() const override { return "TXwCustomMemo"; }

  // 0: no limit. Limiting keeps the full text; 0 again restores it.
  int GetMaxLines() const { return FMaxLines; }
  void SetMaxLines(int value);
  void SetLines(TStrings* value) override;
  TXwCaret* GetCaret() { return FCaret.get(); }
  void SetCaret(TXwCaret* value) { FCaret->Assign(value); }
  bool GetHideCaret() const { return FHideCaret; }
  void SetHideCaret(bool value);
  bool GetHotTrack() const { return FHotTrack; }
  void SetHotTrack(bool value);
  // The 3-D border (the scrolled window's sunken frame) and its inverse.
  bool GetCtl3D() const { return FCtl3D; }
  void SetCtl3D(bool value);
  bool GetFlat() const { return !FCtl3D; }
  void SetFlat(bool value) { SetCtl3D(!value); }
  bool GetParentFlat() const { return FParentCtl3D; }
  void SetParentFlat(bool value) { FParentCtl3D = value; }
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool value);
  void SetClipboardCommands(TXwClipboardCommands value) override;

  // The caret's line; setting scrolls there and puts the caret at its start.
  int GetCurrentLine() const;
  void SetCurrentLine(int value);
  int CharOfLine(int line) const { return LineIndex(line); }
  void LineScroll(int x, int y) { ScrollLines(x, y); }

  TNotifyEvent OnHorizontalScroll;
  TNotifyEvent OnVerticalScroll;

  void WndProc(TMessage& message) override;

 protected:
  void Change() override;
  void KeyPress(char16_t& key) override;
  void FocusSet(intptr_t previous) override;
  void FocusKilled(intptr_t next) override;
  void MouseEnter(TControl* control) override;
  void MouseLeave(TControl* control) override;
  GtkWidget* CreateWidget() override;

 private:
  bool HiddenCaretMessage(TMessage& message);
  void ScrollByKey(uint16_t key);
  void ApplyLook();
  void CaretChanged(TObject* Sender);

  int FMaxLines = 0;
  std::unique_ptr<TStringList> FOrigLines;
  std::unique_ptr<TXwCaret> FCaret;
  bool FHideCaret = false;
  bool FHotTrack = false;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  bool FTransparent = false;
  bool FTrimming = false;
  int FSelLengthButtonDown = 0;
};

class TXwMemo : public TXwCustomMemo {
 public:
  explicit TXwMemo(TComponent* AOwner) : TXwCustomMemo(AOwner) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TXwMemo"; }
};

// Registers the memo for form streams.
void RegisterXwMemoClasses();
