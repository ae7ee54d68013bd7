#include "platform/vcl/Forms.h"

#include <gtk/gtk.h>
#include <unistd.h>

#include <climits>
#include <cstdio>

#include "platform/rtl/Clock.h"
#include "platform/rtl/SysUtils.h"

TApplication* Application = nullptr;

namespace {
TApplication gApplication;
}

TApplication::TApplication() { Application = this; }

TApplication::~TApplication() {
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  if (FInitialized) return;
  // The toolkit positions popups and moves windows itself, which needs X11.
  gdk_set_allowed_backends("x11");
  if (!gtk_init_check(nullptr, nullptr)) throw Exception("Cannot open the display");
  FInitialized = true;
  SetMessagePump([] {
    while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
  });
}

void TApplication::RegisterForm(TForm* form) {
  if (!FMainForm) FMainForm = form;
  form->DoCreate();
}

void TApplication::Run() {
  if (!FMainForm || FTerminated) return;
  if (FShowMainForm) FMainForm->Show();
  while (!FTerminated && FMainForm->GetVisible()) {
    try {
      gtk_main_iteration_do(TRUE);
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
      if (OnException)
        OnException(this, e);
      else
        ShowException(e);
    }
  }
  FTerminated = true;
}

void TApplication::ProcessMessages() { ::ProcessMessages(); }

void TApplication::Terminate() { FTerminated = true; }

void TApplication::Finalize() {
  while (ComponentCount() > 0) {
    TComponent* last = Component(ComponentCount() - 1);
    if (auto* form = dynamic_cast<TForm*>(last)) form->DoDestroy();
    delete last;
  }
  FMainForm = nullptr;
}

void TApplication::ShowException(const std::exception& e) {
  std::fprintf(stderr, "%s\n", e.what());
  if (!FInitialized) return;
  GtkWidget* dialog = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR,
                                             GTK_BUTTONS_OK, "%s", e.what());
  gtk_dialog_run(GTK_DIALOG(dialog));
  gtk_widget_destroy(dialog);
}

std::string TApplication::ExeName() const {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (n <= 0) return {};
  return std::string(path, static_cast<size_t>(n));
}

std::string ExtractProgramFolder() {
  const std::string exe = gApplication.ExeName();
  const size_t slash = exe.rfind('/');
  return slash == std::string::npos ? std::string("./") : exe.substr(0, slash + 1);
}

TForm::TForm(TComponent* AOwner) : TComponent(AOwner) {}

TForm::~TForm() {
  if (FWindow) gtk_widget_destroy(FWindow);
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::DoActivate() {
  if (OnActivate) OnActivate(this);
}

void TForm::DoDestroy() {
  if (FDestroyed) return;
  FDestroyed = true;
  if (OnDestroy) OnDestroy(this);
}

void TForm::SetCaption(const std::string& caption) {
  FCaption = caption;
  if (FWindow) gtk_window_set_title(GTK_WINDOW(FWindow), caption.c_str());
}

void TForm::SetBounds(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  SetClientSize(width, height);
  if (FWindow) gtk_window_move(GTK_WINDOW(FWindow), left, top);
}

void TForm::SetClientSize(int width, int height) {
  FClientWidth = width;
  FClientHeight = height;
  if (FWindow) gtk_window_resize(GTK_WINDOW(FWindow), width, height);
}

void TForm::SetEnabled(bool enabled) {
  FEnabled = enabled;
  if (FWindow) gtk_widget_set_sensitive(FWindow, enabled);
}

GtkWidget* TForm::Handle() {
  if (!FWindow) CreateHandle();
  return FWindow;
}

GtkWidget* TForm::ClientBox() {
  Handle();
  return FClientBox;
}

void TForm::CreateHandle() {
  Application->Initialize();
  FWindow = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(FWindow), FCaption.c_str());
  gtk_window_set_default_size(GTK_WINDOW(FWindow), FClientWidth, FClientHeight);
  gtk_window_set_position(GTK_WINDOW(FWindow), GTK_WIN_POS_CENTER);
  if (FLeft >= 0) gtk_window_move(GTK_WINDOW(FWindow), FLeft, FTop);
  gtk_widget_set_sensitive(FWindow, FEnabled);
  FClientBox = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
  gtk_container_add(GTK_CONTAINER(FWindow), FClientBox);
  g_signal_connect(FWindow, "delete-event", G_CALLBACK(OnDeleteEvent), this);
  g_signal_connect(FWindow, "focus-in-event", G_CALLBACK(OnFocusIn), this);
}

int TForm::OnDeleteEvent(GtkWidget*, void*, void* self) {
  static_cast<TForm*>(self)->Close();
  return TRUE;  // the form decides: it hides itself instead of being destroyed
}

void TForm::OnFocusIn(GtkWidget*, void*, void* self) {
  static_cast<TForm*>(self)->DoActivate();
}

void TForm::Show() {
  gtk_widget_show_all(Handle());
  FVisible = true;
}

void TForm::Hide() {
  if (FWindow) gtk_widget_hide(FWindow);
  FVisible = false;
}

void TForm::Close() {
  if (OnClose) OnClose(this);
  if (FInModal && FModalResult == mrNone) FModalResult = mrCancel;
  Hide();
}

int TForm::ShowModal() {
  FModalResult = mrNone;
  Show();
  gtk_window_set_modal(GTK_WINDOW(FWindow), TRUE);
  FInModal = true;
  while (FModalResult == mrNone && FVisible && !Application->Terminated())
    gtk_main_iteration_do(TRUE);
  FInModal = false;
  gtk_window_set_modal(GTK_WINDOW(FWindow), FALSE);
  Hide();
  return FModalResult;
}
