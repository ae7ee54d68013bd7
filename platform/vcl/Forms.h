#pragma once
// Application object and forms over GTK 3. A form's GTK window is created on
// first need (Show, ShowModal, Handle), so forms can be built and driven by
// tests without a display.

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/vcl/WinControls.h"

typedef struct _GtkWidget GtkWidget;

class TForm;
class TMainMenu;

// A form's client area as the parent of the controls placed on the form: its
// children's widgets go into the form's control area. It has no widget of its
// own and is never streamed (the form stands for it).
class TFormClient : public TWinControl {
 public:
  explicit TFormClient(TForm* form) : TWinControl(nullptr), FForm(form) {}
  std::string ClassName() const override { return "TFormClient"; }
  TForm* Form() const { return FForm; }
  GtkWidget* ChildContainer() override;
  bool ChildrenPlaced() const override;

 protected:
  bool CanCreateHandle() const override { return false; }

 private:
  TForm* FForm;
};

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  // Starts GTK (X11 back end), installs the message pump of the clock seam and
  // lets calls handed over by worker threads run inside the GLib main loop.
  // Safe to call more than once; raises when there is no display.
  void Initialize();
  bool Initialized() const { return FInitialized; }
  // Creates the form (owned by the application); the first form becomes the
  // main form. Its create handler runs once it is constructed; an exception
  // there is shown and the form stays.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    RegisterForm(form);
    return form;
  }
  // Shows the main form and runs the message loop until Terminate (closing the
  // main form terminates).
  void Run();
  // Waits for the next message and handles it; an exception that reaches the
  // loop is shown (HandleException).
  void HandleMessage();
  // Runs the pending messages once (through the clock seam).
  void ProcessMessages();
  void Terminate();
  // Any thread may ask (workers stop when the program ends).
  bool Terminated() const { return FTerminated.load(); }
  // Runs every form's destroy handler and frees the forms (end of the program).
  void Finalize();
  TForm* MainForm() const { return FMainForm; }
  void SetShowMainForm(bool show) { FShowMainForm = show; }
  const std::string& GetTitle() const { return FTitle; }
  void SetTitle(const std::string& title) { FTitle = title; }

  // Inside a catch block: reports the exception being handled. EAbort is
  // dropped silently; others go to OnException, else to ShowException.
  void HandleException(TObject* Sender);
  // Shows an exception's message in an error message box.
  void ShowException(const std::exception& e);
  // The message box of Dialogs.h with this application's window as parent.
  int MessageBox(const std::string& text, const std::string& caption, int flags);
  std::string ExeName() const;

  std::function<void(TObject* Sender, const std::exception& e)> OnException;

 private:
  void RegisterForm(TForm* form);
  TApplication* FPrevious;
  bool FInitialized = false;
  std::atomic<bool> FTerminated{false};
  bool FShowMainForm = true;
  TForm* FMainForm = nullptr;
  std::string FTitle = "esctool";
};

// The one application object.
extern TApplication* Application;

// The folder of the running program, with a trailing "/".
std::string ExtractProgramFolder();
// Makes ExtractProgramFolder answer another folder (tests give each case a
// folder of its own); an empty text returns to the program's own folder.
void SetProgramFolder(const std::string& folder);

enum TModalResult {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7
};

// What closing a form does: nothing, hide it, free it, or minimise it.
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

// Window frame: sizeable, fixed size (single), fixed-size dialog, or none.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
// Where a form opens each time it is shown: at Left/Top, centred on the
// screen, on the main form or on its owner form (on the screen when that
// form is not shown).
enum TPosition { poDesigned, poScreenCenter, poMainFormCenter, poOwnerFormCenter };

class TForm : public TComponent {
 public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  std::string ClassName() const override { return "TForm"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  // The window's icon, loaded from a picture file; false (the icon left as it
  // was) when the file cannot be read as a picture.
  bool LoadIconFromFile(const std::string& fileName);
  // The file of the icon in force; empty while the window has none.
  const std::string& GetIconFile() const { return FIconFile; }
  // Position of the window and size of its client area (below the menu bar).
  // SetBounds places the form there (its Position becomes poDesigned); Left
  // and Top alone, as a stream sets them, leave the Position as it is.
  void SetBounds(int left, int top, int width, int height);
  void SetClientSize(int width, int height);
  void SetClientWidth(int width) { SetClientSize(width, FClientHeight); }
  void SetClientHeight(int height) { SetClientSize(FClientWidth, height); }
  void SetLeft(int left) { MoveTo(left, FTop); }
  void SetTop(int top) { MoveTo(FLeft, top); }
  int GetLeft() const { return FLeft; }
  int GetTop() const { return FTop; }
  int GetClientWidth() const { return FClientWidth; }
  int GetClientHeight() const { return FClientHeight; }
  bool GetVisible() const { return FVisible; }
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  // Centred on the screen when shown (the default) or placed at Left/Top.
  void SetCentered(bool centered) { SetPosition(centered ? poScreenCenter : poDesigned); }
  TPosition GetPosition() const { return FPosition; }
  void SetPosition(TPosition position) { FPosition = position; }
  TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle style);

  // The menu bar shown at the top of the window; nullptr removes it. The form
  // does not own the menu.
  void SetMenu(TMainMenu* menu);
  TMainMenu* GetMenu() const { return FMenu; }

  void Show();
  void Hide();
  // Runs OnClose; the main form's close ends the program, a modal form's ends
  // its modal loop with mrCancel unless a result is set.
  void Close();
  // Frees the form once the message being handled is done.
  void Release();
  // Shows the form and runs a nested message loop until ModalResult is set or
  // the form closes; returns the modal result.
  virtual int ShowModal();
  bool IsModal() const { return FInModal; }
  int GetModalResult() const { return FModalResult; }
  void SetModalResult(int result) { FModalResult = result; }

  // The GTK window, created on first call.
  GtkWidget* Handle();
  bool HandleAllocated() const { return FWindow != nullptr; }
  // The box that holds the form's client area (menu bar first, then the rest).
  GtkWidget* ClientBox();

  // The client area as a control: controls placed on the form are its
  // children, in placing order; later ones lie above earlier ones.
  TFormClient* Client() const { return FClient.get(); }
  int ControlCount() const;
  TControl* Controls(int index) const;
  // The area the controls' drawing areas sit in (below the menu bar, filling
  // the rest of the client box); made with the window, on first call.
  GtkWidget* ControlArea();
  // The client area's top-left on the screen (below the menu bar, inside
  // the window manager's frame), as the window system has it; before the
  // window is realized, the form's own position.
  void ClientScreenOrigin(int& X, int& Y);
  bool ControlAreaAllocated() const { return FControlArea != nullptr; }
  // The control area was given this size: the client area takes it.
  void AreaAllocated(int width, int height);
  // Streaming: the form's controls are written as its children.
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDestroy;
  TCloseEvent OnClose;

  // Called by the framework; forms override them to run their handlers.
  virtual void DoCreate();
  virtual void DoActivate();
  virtual void DoDestroy();

 protected:
  virtual void CreateHandle();

 private:
  void MoveTo(int left, int top);
  // Moves the window where its Position says, before it is shown.
  void ApplyPosition();
  static int OnMapEvent(GtkWidget*, void*, void* self);

 private:
  friend class TMainMenu;
  static GtkWidget* NewControlArea(TForm* form);
  static void OnMenuBarAllocate(GtkWidget* bar, void*, void* self);
  static int OnDeleteEvent(GtkWidget*, void*, void* self);
  static int OnFocusIn(GtkWidget*, void*, void* self);
  static int OnMenuKey(GtkWidget*, struct _GdkEventKey* event, void* self);
  void ApplySize();
  void ApplyBorderStyle();
  void MenuDestroyed();

  GtkWidget* FWindow = nullptr;
  GtkWidget* FClientBox = nullptr;
  GtkWidget* FMenuBar = nullptr;
  GtkWidget* FControlArea = nullptr;
  std::unique_ptr<TFormClient> FClient;
  TMainMenu* FMenu = nullptr;
  std::string FCaption;
  std::string FIconFile;
  struct _GdkPixbuf* FIcon = nullptr;
  int FLeft = 0, FTop = 0;
  TPosition FPosition = poScreenCenter;
  bool FPlaceOnMap = false;
  TFormBorderStyle FBorderStyle = bsSizeable;
  int FClientWidth = 320, FClientHeight = 240;
  int FMenuHeight = 0;  // the menu bar's height when the size was last applied
  bool FVisible = false;
  bool FEnabled = true;
  bool FDestroyed = false;
  int FModalResult = mrNone;
  bool FInModal = false;
  unsigned FReleaseSource = 0;
  unsigned FSizeSource = 0;
};
