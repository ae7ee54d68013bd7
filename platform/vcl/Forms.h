#pragma once
// Application object and forms over GTK 3. A form's GTK window is created on
// first need (Show, ShowModal, Handle), so forms can be built and driven by
// tests without a display.

#include <functional>
#include <memory>
#include <string>

#include "platform/rtl/Classes.h"

typedef struct _GtkWidget GtkWidget;

class TForm;

class TApplication : public TComponent {
public:
  TApplication();
  ~TApplication() override;

  // Starts GTK (X11 back end). Safe to call more than once.
  void Initialize();
  bool Initialized() const { return FInitialized; }
  // Creates the form through the factory; the first form becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    RegisterForm(form);
    return form;
  }
  // Shows the main form and runs the message loop until it closes or Terminate.
  void Run();
  // Runs the pending GTK events once (through the clock seam).
  void ProcessMessages();
  void Terminate();
  // Runs every form's destroy handler and frees the forms (end of the program).
  void Finalize();
  bool Terminated() const { return FTerminated; }
  TForm* MainForm() const { return FMainForm; }
  void SetShowMainForm(bool show) { FShowMainForm = show; }
  // Shows an exception's message in a message box (standard error without a display).
  void ShowException(const std::exception& e);
  std::string ExeName() const;

  std::function<void(TObject* Sender, const std::exception& e)> OnException;

private:
  void RegisterForm(TForm* form);
  bool FInitialized = false;
  bool FTerminated = false;
  bool FShowMainForm = true;
  TForm* FMainForm = nullptr;
};

// The one application object.
extern TApplication* Application;

// The folder of the running program, with a trailing "/".
std::string ExtractProgramFolder();

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

class TForm : public TComponent {
public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  std::string ClassName() const override { return "TForm"; }
  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  void SetBounds(int left, int top, int width, int height);
  void SetClientSize(int width, int height);
  int GetClientWidth() const { return FClientWidth; }
  int GetClientHeight() const { return FClientHeight; }
  bool GetVisible() const { return FVisible; }
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool enabled);

  void Show();
  void Hide();
  void Close();
  // Runs a nested message loop until ModalResult is set or the form closes.
  int ShowModal();
  int GetModalResult() const { return FModalResult; }
  void SetModalResult(int result) { FModalResult = result; }

  // The GTK window, created on first call.
  GtkWidget* Handle();
  bool HandleAllocated() const { return FWindow != nullptr; }
  // The box that holds the form's client area (menu bar first, then the rest).
  GtkWidget* ClientBox();

  TNotifyEvent OnCreate;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnClose;

  // Called by the framework; forms override them to run their handlers.
  virtual void DoCreate();
  virtual void DoActivate();
  virtual void DoDestroy();

protected:
  virtual void CreateHandle();

private:
  static int OnDeleteEvent(GtkWidget*, void*, void* self);
  static void OnFocusIn(GtkWidget*, void*, void* self);

  GtkWidget* FWindow = nullptr;
  GtkWidget* FClientBox = nullptr;
  std::string FCaption;
  int FLeft = -1, FTop = -1;
  int FClientWidth = 320, FClientHeight = 240;
  bool FVisible = false;
  bool FEnabled = true;
  bool FActivated = false;
  bool FDestroyed = false;
  int FModalResult = mrNone;
  bool FInModal = false;
};
