#pragma once
// Message boxes and file dialogs over GTK.
//
// Each has a hook that, when set, answers in place of the user without showing
// anything. Tests set the hooks; the program never does.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/rtl/Classes.h"

// Message box flags and answers, with the values the calling code writes.
constexpr int MB_OK = 0x0;
constexpr int MB_OKCANCEL = 0x1;
constexpr int MB_YESNOCANCEL = 0x3;
constexpr int MB_YESNO = 0x4;
constexpr int MB_ICONERROR = 0x10;
constexpr int MB_ICONHAND = MB_ICONERROR;
constexpr int MB_ICONQUESTION = 0x20;
constexpr int MB_ICONWARNING = 0x30;
constexpr int MB_ICONEXCLAMATION = MB_ICONWARNING;
constexpr int MB_ICONINFORMATION = 0x40;
constexpr int MB_ICONASTERISK = MB_ICONINFORMATION;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows a modal message box; returns IDOK, IDCANCEL, IDYES or IDNO (equal to
// mrOk, mrCancel, mrYes, mrNo). Closing the box without a button answers
// Cancel, or No when the box has no Cancel button, or OK for a plain box.
// Without a display the text goes to standard error and that answer is given.
int MessageBox(const std::string& text, const std::string& caption, int flags);

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
// Buttons as a set of bits.
enum TMsgDlgBtn : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;

// The framework's message dialog: the caption follows the type ("Warning",
// "Error", "Information", "Confirm"); returns a modal result.
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
               int helpContext = 0);

// What a message box asks; the hook returns the answer (IDOK, IDYES, ...).
struct TMessageBoxRequest {
  std::string Text;
  std::string Caption;
  int Flags = 0;
};
extern std::function<int(const TMessageBoxRequest& request)> MessageBoxHook;

enum TFileDialogKind { fdOpen, fdSave };

// Open and save dialogs. Filter is "Name|*.a;*.b|Name|*.c" (FilterIndex counts
// from 1); a chosen name without extension gets DefaultExt (with or without
// its leading ".").
class TFileDialog : public TComponent {
 public:
  TFileDialog(TComponent* AOwner, TFileDialogKind kind) : TComponent(AOwner), FKind(kind) {}
  TFileDialogKind Kind() const { return FKind; }

  const std::string& GetFileName() const { return FFileName; }
  void SetFileName(const std::string& value) { FFileName = value; }
  const std::string& GetFilter() const { return FFilter; }
  void SetFilter(const std::string& value) { FFilter = value; }
  int GetFilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int value) { FFilterIndex = value; }
  const std::string& GetDefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& value) { FDefaultExt = value; }
  const std::string& GetInitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& value) { FInitialDir = value; }
  const std::string& GetTitle() const { return FTitle; }
  void SetTitle(const std::string& value) { FTitle = value; }

  // Asks for a file; true when the user chose one (then in FileName).
  bool Execute();

 private:
  bool RunGtkDialog();
  void ApplyDefaultExt();
  TFileDialogKind FKind;
  std::string FFileName;
  std::string FFilter;
  int FFilterIndex = 1;
  std::string FDefaultExt;
  std::string FInitialDir;
  std::string FTitle;
};

class TOpenDialog : public TFileDialog {
 public:
  explicit TOpenDialog(TComponent* AOwner) : TFileDialog(AOwner, fdOpen) {}
  std::string ClassName() const override { return "TOpenDialog"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TSaveDialog : public TFileDialog {
 public:
  explicit TSaveDialog(TComponent* AOwner) : TFileDialog(AOwner, fdSave) {}
  std::string ClassName() const override { return "TSaveDialog"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// Answers a file dialog in place of the user: sets the dialog's FileName (and
// FilterIndex) and returns true, or returns false for Cancel.
extern std::function<bool(TFileDialog& dialog)> FileDialogHook;

// The colour dialog over GTK's colour chooser. Color is a framework colour
// (red in the low byte, no alpha).
class TColorDialog : public TComponent {
 public:
  explicit TColorDialog(TComponent* AOwner) : TComponent(AOwner) {}
  std::string ClassName() const override { return "TColorDialog"; }
  int32_t GetColor() const { return FColor; }
  void SetColor(int32_t value) { FColor = value; }
  // Asks for a colour; true when the user confirmed one (then in Color).
  bool Execute();

 private:
  bool RunGtkDialog();
  int32_t FColor = 0;
};

// Answers a colour dialog in place of the user: sets the dialog's Color and
// returns true, or returns false for Cancel.
extern std::function<bool(TColorDialog& dialog)> ColorDialogHook;

// ---------------------------------------------------------------- input query

// Asks for one line of text in a small dialog with the caption, the prompt and
// Value prefilled; true and the typed text in Value when the user confirmed.
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);
// Answers InputQuery in place of the user when set (tests).
extern std::function<bool(const std::string& caption, const std::string& prompt,
                          std::string& value)>
    InputQueryHook;

// ---------------------------------------------------------------- font dialog

// The font dialog over GTK's font chooser: a family, a size in points and
// the bold and italic flags.
class TFontDialog : public TComponent {
 public:
  explicit TFontDialog(TComponent* AOwner) : TComponent(AOwner) {}
  std::string ClassName() const override { return "TFontDialog"; }
  const std::string& GetFamily() const { return FFamily; }
  void SetFamily(const std::string& value) { FFamily = value; }
  double GetSize() const { return FSize; }
  void SetSize(double value) { FSize = value; }
  bool GetBold() const { return FBold; }
  void SetBold(bool value) { FBold = value; }
  bool GetItalic() const { return FItalic; }
  void SetItalic(bool value) { FItalic = value; }
  // Asks for a font; true when the user confirmed one (then in the fields).
  bool Execute();

 private:
  bool RunGtkDialog();
  std::string FFamily = "Sans";
  double FSize = 10;
  bool FBold = false;
  bool FItalic = false;
};

// Answers a font dialog in place of the user: sets the dialog's fields and
// returns true, or returns false for Cancel.
extern std::function<bool(TFontDialog& dialog)> FontDialogHook;
