#pragma once
// The plain controls dialogs are laid out with: label, button, panel, and the
// one-line edit and memo. Each is a windowed control over a GTK widget
// placed at its bounds in its parent; a hidden control hides its widget.

#include <string>

#include "platform/vcl/Cursors.h"
#include "platform/vcl/StdCtrls.h"

// A text; with a click handler or a cursor it acts as a link. Set the font
// (bold, underline, colour) before the widget is made.
class TLabel : public TWinControl {
 public:
  explicit TLabel(TComponent* AOwner) : TWinControl(AOwner) {}
  std::string ClassName() const override { return "TLabel"; }
  std::string GetCaption() const { return GetText(); }
  void SetCaption(const std::string& value) { SetText(value); }
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value) { FWordWrap = value; }
  // The control its "&" key focuses.
  TWinControl* FocusControl = nullptr;
  TCursor Cursor = crDefault;
  TNotifyEvent OnClick;
  void DefaultHandler(TMessage& message) override;

 protected:
  GtkWidget* CreateWidget() override;

 private:
  static int OnPress(GtkWidget*, void* event, void* self);
  static void OnRealize(GtkWidget* widget, void* self);
  void ApplyText();
  GtkWidget* FLabel = nullptr;
  bool FWordWrap = false;
};

// A push button; "&" marks its key. Default and Cancel mark the buttons that
// Enter and Escape press (WireDialogKeys).
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* AOwner) : TWinControl(AOwner) {}
  std::string ClassName() const override { return "TButton"; }
  std::string GetCaption() const { return GetText(); }
  void SetCaption(const std::string& value) { SetText(value); }
  bool Default = false;
  bool Cancel = false;
  TNotifyEvent OnClick;
  // Runs OnClick, as a press of the button does.
  void Click();
  void DefaultHandler(TMessage& message) override;

 protected:
  GtkWidget* CreateWidget() override;

 private:
  static void OnClicked(GtkWidget*, void* self);
};

// A container without bevel or caption.
class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* AOwner) : TWinControl(AOwner) {}
  std::string ClassName() const override { return "TPanel"; }
  void DefaultHandler(TMessage& message) override;
};

class TEdit : public TCustomMaskEdit {
 public:
  explicit TEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}
  std::string ClassName() const override { return "TEdit"; }
};

class TMemo : public TCustomMemo {
 public:
  explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
  std::string ClassName() const override { return "TMemo"; }
};

// A caption with "&" key marks in GTK's form ("_" marks, "__" a plain "_").
std::string MnemonicText(const std::string& caption);
// Makes the widgets of control and of its windowed children, each placed in
// its parent's, and shows or hides them as their Visible says.
void CreateControlWidgets(TWinControl* control);
// Makes Enter press the default button and Escape the cancel button of a
// dialog window (either may be nil); call once the buttons have widgets.
void WireDialogKeys(GtkWidget* window, TButton* defaultButton, TButton* cancelButton);
