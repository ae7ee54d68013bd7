#include "platform/vcl/Forms.h"

#include <gtk/gtk.h>
#include <unistd.h>

#include <climits>
#include <cstdio>

#include "platform/rtl/Clock.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Thread.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Menus.h"

void InstallSynchronizeSource();  // SyncSource.cpp

TApplication* Application = nullptr;

namespace {
TApplication gApplication;
}

TApplication::TApplication() : FPrevious(Application) { Application = this; }

TApplication::~TApplication() {
  if (Application == this) Application = FPrevious;
}

void TApplication::Initialize() {
  if (FInitialized) return;
  // The toolkit positions popups and moves windows itself, which needs X11.
  // Chosen once, before GTK starts (a second application object finds it
  // started).
  if (!gdk_display_get_default()) gdk_set_allowed_backends("x11");
  if (!gtk_init_check(nullptr, nullptr)) throw Exception("Cannot open the display");
  FInitialized = true;
  InstallSynchronizeSource();
  SetMessagePump([] {
    while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
  });
}

void TApplication::RegisterForm(TForm* form) {
  if (!FMainForm) FMainForm = form;
  // A failing create handler is shown; the form is still created and shown.
  try {
    form->DoCreate();
  } catch (...) {
    HandleException(form);
  }
}

void TApplication::Run() {
  if (!FMainForm || FTerminated) return;
  if (FShowMainForm) FMainForm->Show();
  while (!FTerminated) HandleMessage();
}

void TApplication::HandleMessage() {
  InstallSynchronizeSource();
  try {
    if (FInitialized)
      gtk_main_iteration_do(TRUE);
    else
      g_main_context_iteration(nullptr, TRUE);
    CheckSynchronize();
  } catch (...) {
    HandleException(this);
  }
}

void TApplication::ProcessMessages() { ::ProcessMessages(); }

void TApplication::Terminate() {
  FTerminated = true;
  g_main_context_wakeup(nullptr);
}

void TApplication::Finalize() {
  while (ComponentCount() > 0) {
    TComponent* last = Component(ComponentCount() - 1);
    if (auto* form = dynamic_cast<TForm*>(last)) form->DoDestroy();
    delete last;
  }
  FMainForm = nullptr;
}

void TApplication::HandleException(TObject* Sender) {
  try {
    throw;
  } catch (const EAbort&) {
  } catch (const std::exception& e) {
    try {
      if (OnException)
        OnException(Sender, e);
      else
        ShowException(e);
    } catch (const std::exception& again) {
      std::fprintf(stderr, "%s\n", again.what());
    }
  } catch (...) {
    ShowException(Exception(""));
  }
}

void TApplication::ShowException(const std::exception& e) {
  std::fprintf(stderr, "%s\n", e.what());
  ::MessageBox(e.what(), FTitle, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, int flags) {
  return ::MessageBox(text, caption, flags);
}

std::string TApplication::ExeName() const {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (n <= 0) return {};
  return std::string(path, static_cast<size_t>(n));
}

namespace {
std::string gProgramFolder;
}

void SetProgramFolder(const std::string& folder) {
  gProgramFolder = folder;
  if (!gProgramFolder.empty() && gProgramFolder.back() != '/') gProgramFolder += '/';
}

std::string ExtractProgramFolder() {
  if (!gProgramFolder.empty()) return gProgramFolder;
  const std::string exe = gApplication.ExeName();
  const size_t slash = exe.rfind('/');
  return slash == std::string::npos ? std::string("./") : exe.substr(0, slash + 1);
}

// ---------------------------------------------------------------- control area

// The form's control area: a GtkFixed whose size is the form's business, not
// its children's. It asks for no room for them (a fixed-size form asks for its
// client size through its size request), so no child, however large it would
// like to be, makes the window larger; and it gives each child exactly the
// bounds its control has, never more. On every allocation the form's client
// takes the area's size first, so aligned and anchored controls have their
// new places before the children are placed, in the same layout.
struct EscControlArea {
  GtkFixed Parent;
  TForm* Form;
};
struct EscControlAreaClass {
  GtkFixedClass ParentClass;
};

G_DEFINE_TYPE(EscControlArea, esc_control_area, GTK_TYPE_FIXED)

namespace {

void ControlAreaNoSize(GtkWidget*, int* minimum, int* natural) { *minimum = *natural = 0; }

// A child's size: its control's bounds (the widget's size request); the
// widget's own minimum where no bounds were asked.
GtkRequisition ChildSize(GtkWidget* child) {
  GtkRequisition minimum;
  gtk_widget_get_preferred_size(child, &minimum, nullptr);
  int width = -1, height = -1;
  gtk_widget_get_size_request(child, &width, &height);
  return {width >= 0 ? width : minimum.width, height >= 0 ? height : minimum.height};
}

void ControlAreaAllocate(GtkWidget* widget, GtkAllocation* allocation) {
  gtk_widget_set_allocation(widget, allocation);
  const bool ownWindow = gtk_widget_get_has_window(widget);
  if (ownWindow && gtk_widget_get_realized(widget))
    gdk_window_move_resize(gtk_widget_get_window(widget), allocation->x, allocation->y,
                           allocation->width, allocation->height);
  auto* area = reinterpret_cast<EscControlArea*>(widget);
  if (area->Form) area->Form->AreaAllocated(allocation->width, allocation->height);
  GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
  for (GList* c = children; c; c = c->next) {
    GtkWidget* child = GTK_WIDGET(c->data);
    if (!gtk_widget_get_visible(child)) continue;
    int x = 0, y = 0;
    gtk_container_child_get(GTK_CONTAINER(widget), child, "x", &x, "y", &y, nullptr);
    const GtkRequisition size = ChildSize(child);
    GtkAllocation r{x, y, size.width, size.height};
    if (!ownWindow) {
      r.x += allocation->x;
      r.y += allocation->y;
    }
    gtk_widget_size_allocate(child, &r);
  }
  g_list_free(children);
}

}  // namespace

static void esc_control_area_class_init(EscControlAreaClass* klass) {
  GtkWidgetClass* widget = GTK_WIDGET_CLASS(klass);
  widget->get_preferred_width = ControlAreaNoSize;
  widget->get_preferred_height = ControlAreaNoSize;
  widget->size_allocate = ControlAreaAllocate;
}

static void esc_control_area_init(EscControlArea* area) { area->Form = nullptr; }

GtkWidget* TForm::NewControlArea(TForm* form) {
  auto* area = static_cast<EscControlArea*>(g_object_new(esc_control_area_get_type(), nullptr));
  area->Form = form;
  return GTK_WIDGET(area);
}

TForm::TForm(TComponent* AOwner)
    : TComponent(AOwner), FClient(std::make_unique<TFormClient>(this)) {
  FClient->SetBounds(0, 0, FClientWidth, FClientHeight);
}

GtkWidget* TFormClient::ChildContainer() { return FForm->ControlArea(); }

bool TFormClient::ChildrenPlaced() const { return FForm->ControlAreaAllocated(); }

int TForm::ControlCount() const { return FClient->ControlCount(); }

TControl* TForm::Controls(int index) const { return FClient->GetControl(index); }

const TClassInfo* TForm::Class() {
  static const TClassInfo* info =
      TClassDecl<TForm>("TForm", TComponent::Class())
          .Prop("Caption", &TForm::GetCaption, &TForm::SetCaption)
          .Prop("Left", &TForm::GetLeft, &TForm::SetLeft)
          .Prop("Top", &TForm::GetTop, &TForm::SetTop)
          .Prop("ClientWidth", &TForm::GetClientWidth, &TForm::SetClientWidth)
          .Prop("ClientHeight", &TForm::GetClientHeight, &TForm::SetClientHeight);
  return info;
}

TForm::~TForm() {
  // Freed by its owner before a pending Release ran: that release is void.
  if (FReleaseSource) g_source_remove(FReleaseSource);
  if (FSizeSource) g_source_remove(FSizeSource);
  // The controls are freed later by the owner: they leave the form while
  // its window still exists.
  while (FClient->ControlCount() > 0)
    FClient->GetControl(FClient->ControlCount() - 1)->SetParent(nullptr);
  SetMenu(nullptr);
  if (FIcon) g_object_unref(FIcon);
  if (Application && Application->MainForm() == this) Application->Terminate();
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

bool TForm::LoadIconFromFile(const std::string& fileName) {
  GdkPixbuf* icon = gdk_pixbuf_new_from_file(fileName.c_str(), nullptr);
  if (!icon) return false;
  if (FIcon) g_object_unref(FIcon);
  FIcon = icon;
  FIconFile = fileName;
  if (FWindow) gtk_window_set_icon(GTK_WINDOW(FWindow), FIcon);
  return true;
}

void TForm::SetBounds(int left, int top, int width, int height) {
  FPosition = poDesigned;
  MoveTo(left, top);
  SetClientSize(width, height);
}

void TForm::MoveTo(int left, int top) {
  FLeft = left;
  FTop = top;
  if (FWindow) gtk_window_move(GTK_WINDOW(FWindow), left, top);
}

namespace {

// A shown window's outer rectangle (with the window manager's frame) and
// how much the frame adds to its size.
bool OuterRect(GtkWidget* Window, GdkRectangle& Outer, int& FrameW, int& FrameH) {
  GdkWindow* window = Window ? gtk_widget_get_window(Window) : nullptr;
  if (!window || !gtk_widget_get_visible(Window)) return false;
  gdk_window_get_frame_extents(window, &Outer);
  FrameW = Outer.width - gdk_window_get_width(window);
  FrameH = Outer.height - gdk_window_get_height(window);
  return true;
}

GdkRectangle ScreenRect() {
  GdkRectangle r{0, 0, 0, 0};
  GdkDisplay* display = gdk_display_get_default();
  GdkMonitor* monitor = display ? gdk_display_get_primary_monitor(display) : nullptr;
  if (!monitor && display && gdk_display_get_n_monitors(display) > 0)
    monitor = gdk_display_get_monitor(display, 0);
  if (monitor) gdk_monitor_get_geometry(monitor, &r);
  return r;
}

}  // namespace

void TForm::ApplyPosition() {
  if (FPosition == poDesigned || !FWindow || gtk_widget_get_visible(FWindow)) return;
  TForm* over = nullptr;
  if (FPosition == poMainFormCenter && Application) over = Application->MainForm();
  if (FPosition == poOwnerFormCenter) over = dynamic_cast<TForm*>(GetOwner());
  if (over == this) over = nullptr;
  int menuHeight = 0;
  if (FMenuBar) gtk_widget_get_preferred_height(FMenuBar, nullptr, &menuHeight);
  int width = FClientWidth, height = FClientHeight + menuHeight;
  GdkRectangle area;
  int frameW = 0, frameH = 0;
  if (over && over->FWindow)
    gtk_window_set_transient_for(GTK_WINDOW(FWindow), GTK_WINDOW(over->FWindow));
  if (!over || !OuterRect(over->FWindow, area, frameW, frameH)) {
    area = ScreenRect();
    // The main form's frame tells how large the window manager makes one.
    GdkRectangle main;
    TForm* mainForm = Application ? Application->MainForm() : nullptr;
    if (!mainForm || mainForm == this || !OuterRect(mainForm->FWindow, main, frameW, frameH))
      frameW = frameH = 0;
  }
  // A decorated window gets a frame like the one it is centred on.
  if (FBorderStyle != bsNone) {
    width += frameW;
    height += frameH;
  }
  MoveTo(area.x + (area.width - width) / 2, area.y + (area.height - height) / 2);
  // A window manager may map a window shown again where it was before: the
  // place is asked for again once the window is on the screen.
  FPlaceOnMap = true;
}

int TForm::OnMapEvent(GtkWidget*, void*, void* self) {
  auto* form = static_cast<TForm*>(self);
  if (!form->FPlaceOnMap) return FALSE;
  form->FPlaceOnMap = false;
  gtk_window_move(GTK_WINDOW(form->FWindow), form->FLeft, form->FTop);
  return FALSE;
}

void TForm::SetClientSize(int width, int height) {
  FClientWidth = width;
  FClientHeight = height;
  ApplySize();
  // Without an allocated control area the controls follow the client size;
  // with one, they follow its allocation.
  if (!FControlArea || !gtk_widget_get_realized(FControlArea))
    FClient->SetBounds(0, 0, width, height);
}

GtkWidget* TForm::ControlArea() {
  if (FControlArea) return FControlArea;
  Handle();
  // Making the window may have made the area already (for the controls).
  if (FControlArea) return FControlArea;
  FControlArea = NewControlArea(this);
  gtk_box_pack_start(GTK_BOX(FClientBox), FControlArea, TRUE, TRUE, 0);
  g_signal_connect(FControlArea, "destroy", G_CALLBACK(+[](GtkWidget*, void* self) {
                     static_cast<TForm*>(self)->FControlArea = nullptr;
                   }),
                   this);
  if (FVisible) gtk_widget_show(FControlArea);
  ApplySize();
  return FControlArea;
}

void TForm::ClientScreenOrigin(int& X, int& Y) {
  if (FControlArea && WidgetScreenOrigin(FControlArea, X, Y)) return;
  X = FLeft;
  Y = FTop;
  if (FWindow) gtk_window_get_position(GTK_WINDOW(FWindow), &X, &Y);
}

void TForm::AreaAllocated(int width, int height) { FClient->SetBounds(0, 0, width, height); }

void TForm::GetChildren(const TGetChildProc& Proc, TComponent*) {
  for (int i = 0; i < FClient->ControlCount(); ++i) Proc(FClient->GetControl(i));
}

// The window's content is the menu bar plus the client area, so the window is
// the menu bar's height taller than the client area, whatever height the menu
// bar has in the current language. A fixed-size window takes the size of its
// content, so there the client area asks for exactly the client size (the
// control area when the form has one, else the whole box less the menu bar).
void TForm::ApplySize() {
  if (!FWindow) return;
  int menuHeight = 0;
  if (FMenuBar) gtk_widget_get_preferred_height(FMenuBar, nullptr, &menuHeight);
  FMenuHeight = menuHeight;
  const int height = FClientHeight + menuHeight;
  const bool fixed = FBorderStyle != bsSizeable;
  gtk_widget_set_size_request(FClientBox, fixed && !FControlArea ? FClientWidth : -1,
                              fixed && !FControlArea ? height : -1);
  if (FControlArea)
    gtk_widget_set_size_request(FControlArea, fixed ? FClientWidth : -1,
                                fixed ? FClientHeight : -1);
  gtk_window_set_default_size(GTK_WINDOW(FWindow), FClientWidth, height);
  gtk_window_resize(GTK_WINDOW(FWindow), FClientWidth, height);
}

// The menu bar's height follows its captions (another language, another
// font): the window takes the new height, so the client area keeps its size.
// GTK makes a window taller on its own but never shorter.
void TForm::OnMenuBarAllocate(GtkWidget* bar, void*, void* self) {
  auto* form = static_cast<TForm*>(self);
  int height = 0;
  gtk_widget_get_preferred_height(bar, nullptr, &height);
  if (height == form->FMenuHeight) return;
  form->FMenuHeight = height;
  // Inside the window's layout a new size would be overridden by it.
  if (!form->FSizeSource)
    form->FSizeSource = g_idle_add(
        [](gpointer data) -> gboolean {
          auto* f = static_cast<TForm*>(data);
          f->FSizeSource = 0;
          f->ApplySize();
          return G_SOURCE_REMOVE;
        },
        form);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (FBorderStyle == style) return;
  FBorderStyle = style;
  ApplyBorderStyle();
  ApplySize();
}

void TForm::ApplyBorderStyle() {
  if (!FWindow) return;
  GtkWindow* window = GTK_WINDOW(FWindow);
  gtk_window_set_decorated(window, FBorderStyle != bsNone);
  gtk_window_set_resizable(window, FBorderStyle == bsSizeable);
  gtk_window_set_type_hint(
      window, FBorderStyle == bsDialog ? GDK_WINDOW_TYPE_HINT_DIALOG : GDK_WINDOW_TYPE_HINT_NORMAL);
}

void TForm::SetEnabled(bool enabled) {
  FEnabled = enabled;
  if (FWindow) gtk_widget_set_sensitive(FWindow, enabled);
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == FMenu) return;
  if (FMenu) FMenu->FForm = nullptr;
  if (FMenuBar) gtk_widget_destroy(FMenuBar);
  FMenuBar = nullptr;
  FMenu = menu;
  if (!menu) {
    ApplySize();
    return;
  }
  if (menu->FForm) menu->FForm->SetMenu(nullptr);
  menu->FForm = this;
  if (FWindow) {
    FMenuBar = menu->CreateMenuBar();
    g_signal_connect(FMenuBar, "size-allocate", G_CALLBACK(OnMenuBarAllocate), this);
    gtk_box_pack_start(GTK_BOX(FClientBox), FMenuBar, FALSE, FALSE, 0);
    gtk_box_reorder_child(GTK_BOX(FClientBox), FMenuBar, 0);
    gtk_widget_show(FMenuBar);
    ApplySize();
  }
}

void TForm::MenuDestroyed() {
  FMenu = nullptr;
  FMenuBar = nullptr;
  ApplySize();
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
  if (FIcon) gtk_window_set_icon(GTK_WINDOW(FWindow), FIcon);
  gtk_window_move(GTK_WINDOW(FWindow), FLeft, FTop);
  gtk_widget_set_sensitive(FWindow, FEnabled);
  FClientBox = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
  gtk_container_add(GTK_CONTAINER(FWindow), FClientBox);
  g_signal_connect(FWindow, "delete-event", G_CALLBACK(OnDeleteEvent), this);
  g_signal_connect(FWindow, "focus-in-event", G_CALLBACK(OnFocusIn), this);
  g_signal_connect(FWindow, "map-event", G_CALLBACK(OnMapEvent), this);
  g_signal_connect(FWindow, "key-press-event", G_CALLBACK(OnMenuKey), this);
  if (FMenu) {
    // Shown anew now that the window exists; the menu stays this form's.
    TMainMenu* menu = FMenu;
    FMenu = nullptr;
    menu->FForm = nullptr;
    SetMenu(menu);
  }
  ApplyBorderStyle();
  ApplySize();
  if (FClient->ControlCount() == 0) return;
  ControlArea();
  for (int i = 0; i < FClient->ControlCount(); ++i)
    if (auto* control = dynamic_cast<TWinControl*>(FClient->GetControl(i))) control->Handle();
}

int TForm::OnDeleteEvent(GtkWidget*, void*, void* self) {
  try {
    static_cast<TForm*>(self)->Close();
  } catch (...) {
    Application->HandleException(static_cast<TForm*>(self));
  }
  return TRUE;  // the form decides what closing means
}

// A key that is the short-cut of an enabled menu item clicks it before any
// control of the window sees the key.
int TForm::OnMenuKey(GtkWidget*, GdkEventKey* event, void* self) {
  auto* form = static_cast<TForm*>(self);
  if (!form->FMenu) return FALSE;
  const int shortCut = ShortCutOfKey(event->keyval, event->state);
  TMenuItem* item = form->FMenu->Items()->FindShortCut(shortCut);
  if (!item) return FALSE;
  try {
    item->Click();
  } catch (...) {
    Application->HandleException(item);
  }
  return TRUE;
}

int TForm::OnFocusIn(GtkWidget*, void*, void* self) {
  try {
    static_cast<TForm*>(self)->DoActivate();
  } catch (...) {
    Application->HandleException(static_cast<TForm*>(self));
  }
  return FALSE;
}

void TForm::Show() {
  GtkWidget* window = Handle();
  const bool wasVisible = FVisible;
  FVisible = true;
  ApplyPosition();
  gtk_widget_show_all(window);
  gtk_window_present(GTK_WINDOW(window));
  if (!wasVisible && OnShow) OnShow(this);
}

void TForm::Hide() {
  if (FWindow) gtk_widget_hide(FWindow);
  FVisible = false;
}

void TForm::Close() {
  TCloseAction action = caHide;
  if (OnClose) OnClose(this, action);
  if (action == caNone) return;
  if (FInModal) {
    if (FModalResult == mrNone) FModalResult = mrCancel;
    return;  // the modal loop hides the form
  }
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  if (action == caFree)
    Release();
  else if (action == caMinimize && FWindow)
    gtk_window_iconify(GTK_WINDOW(FWindow));
  else
    Hide();
}

void TForm::Release() {
  Hide();
  if (FReleaseSource) return;
  FReleaseSource = g_idle_add(
      [](gpointer self) -> gboolean {
        auto* form = static_cast<TForm*>(self);
        form->FReleaseSource = 0;
        delete form;
        return G_SOURCE_REMOVE;
      },
      this);
}

int TForm::ShowModal() {
  FModalResult = mrNone;
  TForm* owner = Application ? Application->MainForm() : nullptr;
  if (owner && owner != this && owner->HandleAllocated())
    gtk_window_set_transient_for(GTK_WINDOW(Handle()), GTK_WINDOW(owner->FWindow));
  Show();
  gtk_window_set_modal(GTK_WINDOW(FWindow), TRUE);
  FInModal = true;
  while (FModalResult == mrNone && !Application->Terminated()) {
    Application->HandleMessage();
    if (!FVisible && FModalResult == mrNone) FModalResult = mrCancel;
  }
  if (FModalResult == mrNone) FModalResult = mrCancel;
  FInModal = false;
  gtk_window_set_modal(GTK_WINDOW(FWindow), FALSE);
  Hide();
  return FModalResult;
}
