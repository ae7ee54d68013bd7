// Forms, the menu bar and the real dialogs on a display (run under xvfb-run).

#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <unistd.h>

#include <string>

#include "platform/rtl/Thread.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/Timers.h"
#include "tests/support/WindowSystem.h"

namespace {

struct TGtk : ::testing::Test {
  void SetUp() override {
    g_setenv("GSETTINGS_BACKEND", "memory", TRUE);  // the file chooser saves its settings
    ASSERT_NO_THROW(Application->Initialize()) << "needs a display";
  }
};

// The first top-level window of the given GTK type, or nullptr.
GtkWidget* FindToplevel(GType type) {
  GList* windows = gtk_window_list_toplevels();
  GtkWidget* found = nullptr;
  for (GList* w = windows; w && !found; w = w->next)
    if (G_TYPE_CHECK_INSTANCE_TYPE(w->data, type) && gtk_widget_get_visible(GTK_WIDGET(w->data)))
      found = GTK_WIDGET(w->data);
  g_list_free(windows);
  return found;
}

bool IsToplevel(GtkWidget* widget) {
  GList* windows = gtk_window_list_toplevels();
  const bool found = g_list_find(windows, widget) != nullptr;
  g_list_free(windows);
  return found;
}

// Answers the next dialog of the type once it shows, as a user would: a file
// chooser gets the name typed in. The answer is repeated until the dialog has
// gone (a file chooser takes an answer only once its folder is loaded).
void AnswerDialog(GType type, int response, std::string fileName = {}) {
  struct TAnswer {
    GType Type;
    int Response;
    std::string FileName;
    GtkWidget* Dialog = nullptr;
  };
  auto* answer = new TAnswer{type, response, std::move(fileName)};
  g_timeout_add(
      10,
      [](gpointer data) -> gboolean {
        auto* a = static_cast<TAnswer*>(data);
        if (a->Dialog && (!IsToplevel(a->Dialog) || !gtk_widget_get_visible(a->Dialog))) {
          g_object_unref(a->Dialog);
          delete a;
          return G_SOURCE_REMOVE;
        }
        if (!a->Dialog) {
          a->Dialog = FindToplevel(a->Type);
          if (!a->Dialog) return G_SOURCE_CONTINUE;
          g_object_ref(a->Dialog);
          if (!a->FileName.empty()) {
            GtkFileChooser* chooser = GTK_FILE_CHOOSER(a->Dialog);
            const size_t slash = a->FileName.rfind('/');
            gtk_file_chooser_set_current_folder(chooser, a->FileName.substr(0, slash).c_str());
            gtk_file_chooser_set_current_name(chooser, a->FileName.substr(slash + 1).c_str());
          }
          return G_SOURCE_CONTINUE;
        }
        gtk_dialog_response(GTK_DIALOG(a->Dialog), a->Response);
        return G_SOURCE_CONTINUE;
      },
      answer);
}

std::string Label(GtkWidget* item) { return gtk_menu_item_get_label(GTK_MENU_ITEM(item)); }

std::vector<GtkWidget*> Children(GtkWidget* shell) {
  std::vector<GtkWidget*> out;
  GList* list = gtk_container_get_children(GTK_CONTAINER(shell));
  for (GList* l = list; l; l = l->next) out.push_back(GTK_WIDGET(l->data));
  g_list_free(list);
  return out;
}

}  // namespace

TEST_F(TGtk, ShowModalEndsOnModalResultOrClose) {
  TForm form(nullptr);
  form.SetCaption("Modal");
  TTimer timer(&form);
  timer.SetInterval(1);
  timer.SetOnTimer([&](TObject*) { form.SetModalResult(mrOk); });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_FALSE(form.GetVisible());
  EXPECT_FALSE(gtk_widget_get_visible(form.Handle()));
  EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(form.Handle())), "Modal");

  timer.SetOnTimer([&](TObject*) { form.Close(); });
  EXPECT_EQ(form.ShowModal(), mrCancel);

  form.SetEnabled(false);
  EXPECT_FALSE(gtk_widget_get_sensitive(form.Handle()));
  form.SetEnabled(true);
  EXPECT_TRUE(gtk_widget_get_sensitive(form.Handle()));
}

TEST_F(TGtk, WorkerCallsRunInsideAModalLoop) {
  TForm form(nullptr);
  struct TWorker : TThread {
    TForm* Form;
    explicit TWorker(TForm* f) : TThread(true), Form(f) { Start(); }
    ~TWorker() override { StopAndWait(); }
    void Execute() override {
      Synchronize([this] { Form->SetModalResult(mrYes); });
    }
  } worker(&form);
  EXPECT_EQ(form.ShowModal(), mrYes);
}

TEST_F(TGtk, ClientSizeExcludesTheMenuBar) {
  TForm form(nullptr);
  TMainMenu menu(&form);
  auto* file = new TMenuItem(&menu);
  file->SetCaption("&File");
  menu.Items()->Add(file);
  form.SetClientSize(300, 200);
  form.SetMenu(&menu);
  form.Show();
  while (gtk_events_pending()) gtk_main_iteration();
  int w = 0, h = 0;
  gtk_window_get_size(GTK_WINDOW(form.Handle()), &w, &h);
  int menuHeight = 0;
  gtk_widget_get_preferred_height(menu.Items()->SubMenu(), nullptr, &menuHeight);
  EXPECT_EQ(w, 300);
  EXPECT_EQ(h, 200 + menuHeight);
  EXPECT_GT(menuHeight, 0);
}

TEST_F(TGtk, FixedBorderKeepsTheClientSize) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSingle);
  form.SetClientSize(797, 623);
  form.Show();
  while (gtk_events_pending()) gtk_main_iteration();
  int w = 0, h = 0;
  gtk_window_get_size(GTK_WINDOW(form.Handle()), &w, &h);
  EXPECT_EQ(w, 797);
  EXPECT_EQ(h, 623);
  EXPECT_FALSE(gtk_window_get_resizable(GTK_WINDOW(form.Handle())));
}

// The icon comes from a picture file, before or after the window exists; a
// file that is no picture leaves the icon as it was.
TEST_F(TGtk, WindowIconFromAPictureFile) {
  const std::string dir = g_get_tmp_dir();
  const std::string picture = dir + "/gtk_test_icon_" + std::to_string(getpid()) + ".png";
  const std::string text = dir + "/gtk_test_icon_" + std::to_string(getpid()) + ".txt";
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 16, 16);
  ASSERT_EQ(cairo_surface_write_to_png(s, picture.c_str()), CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(s);
  g_file_set_contents(text.c_str(), "no picture", -1, nullptr);

  TForm before(nullptr);
  EXPECT_TRUE(before.LoadIconFromFile(picture));
  EXPECT_NE(gtk_window_get_icon(GTK_WINDOW(before.Handle())), nullptr);
  TForm after(nullptr);
  after.Handle();
  EXPECT_FALSE(after.LoadIconFromFile(text));
  EXPECT_EQ(after.GetIconFile(), "");
  EXPECT_EQ(gtk_window_get_icon(GTK_WINDOW(after.Handle())), nullptr);
  EXPECT_TRUE(after.LoadIconFromFile(picture));
  EXPECT_FALSE(after.LoadIconFromFile(text));
  EXPECT_EQ(after.GetIconFile(), picture);
  GdkPixbuf* icon = gtk_window_get_icon(GTK_WINDOW(after.Handle()));
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(gdk_pixbuf_get_width(icon), 16);
  g_remove(picture.c_str());
  g_remove(text.c_str());
}

TEST_F(TGtk, MenuBarShowsTheTreeAndClicksRunTheItems) {
  TForm form(nullptr);
  TMainMenu menu(&form);
  auto add = [&](TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  };
  TMenuItem* file = add(menu.Items(), "&File");
  TMenuItem* open = add(file, "&Open");
  add(file, "-");
  TMenuItem* hidden = add(file, "Hidden");
  hidden->SetVisible(false);
  TMenuItem* mode = add(menu.Items(), "&Mode");
  TMenuItem* a = add(mode, "A");
  TMenuItem* b = add(mode, "B");
  for (TMenuItem* r : {a, b}) {
    r->SetRadioItem(true);
    r->SetAutoCheck(true);
    r->SetGroupIndex(1);
  }
  a->SetChecked(true);
  form.SetMenu(&menu);
  form.Show();

  GtkWidget* bar = menu.Items()->SubMenu();
  ASSERT_TRUE(GTK_IS_MENU_BAR(bar));
  ASSERT_EQ(Children(bar).size(), 2u);
  EXPECT_EQ(Label(Children(bar)[0]), "_File");
  EXPECT_TRUE(GTK_IS_SEPARATOR_MENU_ITEM(Children(file->SubMenu())[1]));
  EXPECT_FALSE(gtk_widget_get_visible(hidden->Widget()));
  EXPECT_TRUE(gtk_widget_get_visible(open->Widget()));

  int opened = 0;
  open->OnClick = [&](TObject*) { ++opened; };
  gtk_menu_item_activate(GTK_MENU_ITEM(open->Widget()));
  EXPECT_EQ(opened, 1);

  ASSERT_TRUE(GTK_IS_CHECK_MENU_ITEM(b->Widget()));
  EXPECT_TRUE(gtk_check_menu_item_get_draw_as_radio(GTK_CHECK_MENU_ITEM(b->Widget())));
  gtk_menu_item_activate(GTK_MENU_ITEM(b->Widget()));
  EXPECT_TRUE(b->GetChecked());
  EXPECT_FALSE(a->GetChecked());
  EXPECT_TRUE(gtk_check_menu_item_get_active(GTK_CHECK_MENU_ITEM(b->Widget())));
  EXPECT_FALSE(gtk_check_menu_item_get_active(GTK_CHECK_MENU_ITEM(a->Widget())));
  // Clicking the checked radio item again leaves it checked on screen too.
  gtk_menu_item_activate(GTK_MENU_ITEM(b->Widget()));
  EXPECT_TRUE(gtk_check_menu_item_get_active(GTK_CHECK_MENU_ITEM(b->Widget())));

  // The item's state wins over GTK's own toggling: a checked item without
  // auto-check stays checked on screen after a click.
  TMenuItem* c = add(mode, "C");
  c->SetChecked(true);
  ASSERT_TRUE(GTK_IS_CHECK_MENU_ITEM(c->Widget()));
  gtk_menu_item_activate(GTK_MENU_ITEM(c->Widget()));
  EXPECT_TRUE(c->GetChecked());
  EXPECT_TRUE(gtk_check_menu_item_get_active(GTK_CHECK_MENU_ITEM(c->Widget())));
}

TEST_F(TGtk, ItemsAddedAtRunTimeShowInPlace) {
  TForm form(nullptr);
  TMainMenu menu(&form);
  auto* version = new TMenuItem(&menu);
  version->SetCaption("&Version");
  menu.Items()->Add(version);
  form.SetMenu(&menu);
  form.Show();
  ASSERT_EQ(version->SubMenu(), nullptr);  // no sub-items yet

  auto* first = new TMenuItem(&menu);
  first->SetCaption("Model &1");
  version->Add(first);
  ASSERT_NE(version->SubMenu(), nullptr);  // became a sub-menu
  auto* zero = new TMenuItem(&menu);
  zero->SetCaption("Model &0");
  version->Insert(0, zero);
  auto children = Children(version->SubMenu());
  ASSERT_EQ(children.size(), 2u);
  EXPECT_EQ(Label(children[0]), "Model _0");
  EXPECT_EQ(Label(children[1]), "Model _1");
  EXPECT_TRUE(gtk_widget_get_visible(children[0]));

  first->SetCaption("Renamed");
  EXPECT_EQ(Label(first->Widget()), "Renamed");
  delete zero;
  EXPECT_EQ(Children(version->SubMenu()).size(), 1u);

  int clicks = 0;
  first->OnClick = [&](TObject*) { ++clicks; };
  gtk_menu_item_activate(GTK_MENU_ITEM(first->Widget()));
  EXPECT_EQ(clicks, 1);
}

TEST_F(TGtk, MenuFreedBeforeItsFormLeavesTheFormUsable) {
  TForm form(nullptr);
  auto* menu = new TMainMenu(nullptr);
  auto* item = new TMenuItem(menu);
  item->SetCaption("&File");
  menu->Items()->Add(item);
  form.SetMenu(menu);
  form.Show();
  delete menu;
  EXPECT_EQ(form.GetMenu(), nullptr);
  EXPECT_EQ(Children(form.ClientBox()).size(), 0u);
}

TEST_F(TGtk, MessageBoxButtonsAnswer) {
  AnswerDialog(GTK_TYPE_MESSAGE_DIALOG, IDYES);
  EXPECT_EQ(MessageBox("Continue?", "Question", MB_YESNO | MB_ICONQUESTION), IDYES);
  AnswerDialog(GTK_TYPE_MESSAGE_DIALOG, IDNO);
  EXPECT_EQ(MessageDlg("Continue?", mtConfirmation, mbYesNo), mrNo);
  AnswerDialog(GTK_TYPE_MESSAGE_DIALOG, GTK_RESPONSE_DELETE_EVENT);
  EXPECT_EQ(MessageBox("Continue?", "Question", MB_YESNO), IDNO);  // closed: No
}

TEST_F(TGtk, FileDialogsReturnTheChosenFile) {
  TSaveDialog save(nullptr);
  save.SetFilter("Text|*.txt|All|*");
  save.SetDefaultExt(".txt");
  save.SetInitialDir("/tmp");
  AnswerDialog(GTK_TYPE_FILE_CHOOSER_DIALOG, GTK_RESPONSE_ACCEPT, "/tmp/esctool_chosen");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.GetFileName(), "/tmp/esctool_chosen.txt");

  TOpenDialog open(nullptr);
  open.SetFileName("keep");
  AnswerDialog(GTK_TYPE_FILE_CHOOSER_DIALOG, GTK_RESPONSE_CANCEL);
  EXPECT_FALSE(open.Execute());
  EXPECT_EQ(open.GetFileName(), "keep");
}

// Each form opens where its Position says, as the window system places it,
// whatever Left and Top its stream gave (0, 0 in the program's dialogs).
TEST_F(TGtk, FormsOpenWhereTheirPositionSays) {
  TApplication app;
  app.Initialize();
  TForm* main = app.CreateForm<TForm>();
  main->SetBorderStyle(bsSingle);
  main->SetBounds(150, 120, 600, 450);
  main->Show();
  SettleWindow(main->Handle());
  TXFrame mainFrame;
  ASSERT_TRUE(XFrameRect(main->Handle(), mainFrame));
  GdkRectangle screen;
  gdk_monitor_get_geometry(gdk_display_get_monitor(gdk_display_get_default(), 0), &screen);
  const TXFrame screenFrame{screen.x, screen.y, screen.width, screen.height};

  struct TCase {
    const char* Name;
    TPosition Position;
    bool OwnedByMain;
    TFormBorderStyle Border;
    const TXFrame& Over;
  } cases[] = {
      {"main form centre", poMainFormCenter, false, bsDialog, mainFrame},
      {"owner form centre", poOwnerFormCenter, true, bsDialog, mainFrame},
      {"owner form centre, borderless", poOwnerFormCenter, true, bsNone, mainFrame},
      {"screen centre", poScreenCenter, false, bsSingle, screenFrame},
      {"no owner form: screen centre", poOwnerFormCenter, false, bsDialog, screenFrame},
  };
  for (const TCase& c : cases) {
    TForm dialog(c.OwnedByMain ? static_cast<TComponent*>(main) : nullptr);
    dialog.SetBorderStyle(c.Border);
    dialog.SetPosition(c.Position);
    dialog.SetClientSize(318, 257);
    dialog.SetLeft(0);  // as the form's stream sets them
    dialog.SetTop(0);
    for (int shown = 0; shown < 2; ++shown) {
      dialog.Show();
      SettleWindow(dialog.Handle());
      TXFrame frame;
      ASSERT_TRUE(XFrameRect(dialog.Handle(), frame));
      EXPECT_NEAR(frame.X + frame.Width / 2, c.Over.X + c.Over.Width / 2, 2) << c.Name;
      EXPECT_NEAR(frame.Y + frame.Height / 2, c.Over.Y + c.Over.Height / 2, 2) << c.Name;
      dialog.Hide();
      // Shown again after its form moved, it is centred anew.
      if (shown == 0 && &c.Over == &mainFrame) {
        main->SetBounds(260, 200, 600, 450);
        SettleWindow(main->Handle());
        ASSERT_TRUE(XFrameRect(main->Handle(), mainFrame));
      }
    }
  }
}
