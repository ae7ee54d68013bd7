#pragma once
// The framework's edits: a one-line edit over GtkEntry (TCustomMaskEdit) and
// a memo over GtkTextView (TCustomMemo). Typing, the clipboard keys and the
// context menu are GTK's; its clipboard signals go through the window
// procedure as WM_CUT, WM_COPY and WM_PASTE, so a control that does not pass
// them on to DefaultHandler stops them.

#include <string>

#include "platform/vcl/WinControls.h"

typedef struct _cairo cairo_t;

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomEdit"; }

  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  bool Focused() const;
  void SetFocus();

  void CutToClipboard() { Perform(WM_CUT); }
  void CopyToClipboard() { Perform(WM_COPY); }
  void PasteFromClipboard() { Perform(WM_PASTE); }
  void ClearSelection() { Perform(WM_CLEAR); }
  void Undo() { Perform(WM_UNDO); }

  void DefaultHandler(TMessage& message) override;

 protected:
  // Deletes the selected text.
  virtual void DeleteSelection() = 0;
  virtual void ApplyReadOnly() = 0;
  // GTK draws the edit's background itself; a subclass that handles
  // WM_ERASEBKGND paints under GTK's drawing.
  void PaintWindow(cairo_t* cr) override;
  bool FReadOnly = false;

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

 protected:
  GtkWidget* CreateWidget() override;
  void DeleteSelection() override;
  void ApplyReadOnly() override;

 private:
  static void OnChanged(GtkWidget*, void* self);
  std::string FTextHint;
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

 protected:
  GtkWidget* CreateWidget() override;
  GtkWidget* SignalWidget() override { return FView; }
  void DeleteSelection() override;
  void ApplyReadOnly() override;

 private:
  static void OnChanged(void* buffer, void* self);
  GtkWidget* FView = nullptr;
  bool FSettingText = false;
};
