#pragma once
// The framework's edits: a one-line edit over GtkEntry (TCustomMaskEdit) and
// a memo over GtkTextView (TCustomMemo). Typing, the clipboard keys and the
// context menu are GTK's; its clipboard signals go through the window
// procedure as WM_CUT, WM_COPY and WM_PASTE, so a control that does not pass
// them on to DefaultHandler stops them.

#include <memory>
#include <string>

#include "platform/rtl/StringList.h"

#include "platform/vcl/WinControls.h"

typedef struct _cairo cairo_t;

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomEdit"; }

  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  // Set by typing, cleared when the text is set.
  bool GetModified() const { return FModified; }
  void SetModified(bool value) { FModified = value; }
  // Whether taking the focus with the keyboard selects all text.
  bool GetAutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value) { FAutoSelect = value; }
  // The caret (selection start) and selection length in characters.
  virtual int GetSelStart() const = 0;
  virtual void SetSelStart(int value) = 0;
  virtual int GetSelLength() const = 0;
  virtual void SetSelLength(int value) = 0;
  void SelectAll();

  TNotifyEvent OnChange;

  void CutToClipboard() { Perform(WM_CUT); }
  void CopyToClipboard() { Perform(WM_COPY); }
  void PasteFromClipboard() { Perform(WM_PASTE); }
  void ClearSelection() { Perform(WM_CLEAR); }
  void Undo() { Perform(WM_UNDO); }

  void DefaultHandler(TMessage& message) override;

 protected:
  // After every change of the text, typed or set: fires OnChange.
  virtual void Change() {
    if (OnChange) OnChange(this);
  }
  // The text changed in the widget (typed) or by SetText.
  void TextChangedBy(bool typed);
  // Deletes the selected text.
  virtual void DeleteSelection() = 0;
  virtual void ApplyReadOnly() = 0;
  // GTK draws the edit's background itself; a subclass that handles
  // WM_ERASEBKGND paints under GTK's drawing.
  void PaintWindow(cairo_t* cr) override;
  bool FReadOnly = false;
  bool FModified = false;
  bool FAutoSelect = true;

 private:
  bool FErasedByDefault = false;
};

class TCustomMaskEdit : public TCustomEdit {
 public:
  explicit TCustomMaskEdit(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomMaskEdit"; }
  std::string GetText() const override;
  void SetText(const std::string& value) override;
  // Shown grey while the edit is empty and unfocused (GTK's placeholder).
  const std::string& GetTextHint() const { return FTextHint; }
  void SetTextHint(const std::string& value);
  int GetSelStart() const override;
  void SetSelStart(int value) override;
  int GetSelLength() const override;
  void SetSelLength(int value) override;
  // The GtkEntry (the control's widget, or inside it).
  GtkWidget* Entry() { Handle(); return FEntry; }

 protected:
  // Makes the GtkEntry; a subclass may wrap it and answer the wrapper.
  GtkWidget* CreateWidget() override;
  GtkWidget* SignalWidget() override { return FEntry; }
  void DeleteSelection() override;
  void ApplyReadOnly() override;
  // Types ch at the caret in place of the selection, as one change.
  bool NativeChar(char16_t ch) override;

 private:
  static void OnChanged(GtkWidget*, void* self);
  GtkWidget* FEntry = nullptr;
  std::string FTextHint;
  bool FTyping = false;
  bool FSettingText = false;
};

class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;
  std::string ClassName() const override { return "TCustomMemo"; }
  std::string GetText() const override;
  void SetText(const std::string& value) override;
  GtkWidget* TextView() { Handle(); return FView; }

  // The text as lines, read and written through the widget's text.
  TStrings* GetLines() { return FLines.get(); }
  virtual void SetLines(TStrings* value);
  int GetSelStart() const override;
  void SetSelStart(int value) override;
  int GetSelLength() const override;
  void SetSelLength(int value) override;
  // Line of a character index, first character of a line (-1 past the end).
  int LineFromChar(int index) const;
  int LineIndex(int line) const;
  // Scrolls by whole lines (y) and character widths (x).
  void ScrollLines(int x, int y);
  // The first line shown.
  int TopLine() const;
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);

 protected:
  GtkWidget* CreateWidget() override;
  GtkWidget* SignalWidget() override { return FView; }
  void DeleteSelection() override;
  void ApplyReadOnly() override;
  bool NativeChar(char16_t ch) override;
  bool FWordWrap = true;

 private:
  static void OnChanged(void* buffer, void* self);
  static void OnScrolled(void* adjustment, void* self);
  GtkWidget* FView = nullptr;
  bool FSettingText = false;
  std::unique_ptr<TStrings> FLines;
};
