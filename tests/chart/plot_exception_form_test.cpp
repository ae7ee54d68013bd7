// The chart exception report dialog, driven through its modal hook as a
// user would: the two clicks of Button1, the report address, the reply, the
// saved report, and pictures of both states in build/gallery/.

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "chart/PlotExceptionForm.h"
#include "chart/PlotPanel.h"
#include "chart/PlotRoutines.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/UserSettings.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/ShellOpen.h"
#include "tests/support/TempConfigHome.h"

namespace {

class EDrawFailure : public Exception {
 public:
  using Exception::Exception;
};

class PlotExceptionFormTest : public ::testing::Test {
 protected:
  PlotExceptionFormTest() {
    PlotDownloadURLProc = [this](const std::string& url, TStream& reply) {
      Addresses.push_back(url);
      reply.WriteBuffer(Reply.data(), int32_t(Reply.size()));
    };
  }
  ~PlotExceptionFormTest() override {
    PlotDownloadURLProc = nullptr;
    PlotTranslateHook = nullptr;
    TPlotExceptionForm::ModalHandler = nullptr;
    FileDialogHook = nullptr;
    ShellOpenHook = nullptr;
  }

  static void SetOption(const std::string& name, const std::string& value) {
    std::filesystem::create_directories(
        std::filesystem::path(TUserSettings::DefaultFileName()).parent_path());
    TMemIniFile ini(TUserSettings::DefaultFileName());
    ini.WriteString(PlotExceptionOptionsKey, name, value);
    ini.UpdateFile();
  }
  static std::string Option(const std::string& name) {
    return TUserSettings().ReadString(PlotExceptionOptionsKey, name, "<none>");
  }

  // Sends a drawing failure and lets act press the dialog's buttons.
  void SendDrawFailure(const std::function<void(TPlotExceptionForm&)>& act,
                       const std::string& message = "Canvas & pen \"lost\"") {
    TPlotExceptionForm::ModalHandler = [&](TPlotExceptionForm& dialog) {
      ++Shown;
      act(dialog);
      return int(mrCancel);
    };
    TPlotExceptionForm::Send("DRAW", EDrawFailure(message));
  }

  TTempConfigHome Config;
  std::string Dir = Config.Dir();
  std::string Reply = "OK";
  std::vector<std::string> Addresses;
  int Shown = 0;
};

TEST_F(PlotExceptionFormTest, SendShowsNothingWithoutTheDownloadHook) {
  PlotDownloadURLProc = nullptr;
  SendDrawFailure([](TPlotExceptionForm&) {});
  EXPECT_EQ(Shown, 0);
}

// A panel whose chart fails to draw.
class TFailingPanel : public TCustomPlotPanel {
 public:
  using TCustomPlotPanel::TCustomPlotPanel;
  void InternalDraw(const TRect&) override { throw EDrawFailure("no pen"); }
};

TEST_F(PlotExceptionFormTest, ADesignedPanelReportsItsFirstDrawingFailureOnce) {
  TPlotExceptionForm::ModalHandler = [&](TPlotExceptionForm& dialog) {
    ++Shown;
    EXPECT_EQ(dialog.TheCode, "DRAW");
    EXPECT_EQ(dialog.LabelError->GetCaption(), "no pen");
    return int(mrCancel);
  };
  TFailingPanel running(nullptr);
  running.SetBounds(0, 0, 60, 40);
  EXPECT_THROW(running.Draw(), EDrawFailure);
  EXPECT_EQ(Shown, 0) << "a running program reports nothing";

  TFailingPanel designed(nullptr);
  designed.SetDesigning(true);
  designed.SetBounds(0, 0, 60, 40);
  EXPECT_THROW(designed.Draw(), EDrawFailure);
  EXPECT_THROW(designed.Draw(), EDrawFailure);
  EXPECT_EQ(Shown, 1);
}

TEST_F(PlotExceptionFormTest, SendShowsTheFailureAndTranslatesTheDialog) {
  std::vector<TComponent*> translated;
  PlotTranslateHook = [&](TComponent* c, const std::vector<TComponent*>&) {
    translated.push_back(c);
  };
  TPlotExceptionForm* seen = nullptr;
  SendDrawFailure([&](TPlotExceptionForm& d) {
    seen = &d;
    EXPECT_EQ(d.TheCode, "DRAW");
    EXPECT_EQ(d.LabelError->GetCaption(), "Canvas & pen \"lost\"");
    EXPECT_TRUE(d.PanelMain->GetVisible());
    EXPECT_FALSE(d.Panel1->GetVisible());
    EXPECT_FALSE(d.Label4->GetVisible()) << "no support address is set";
    EXPECT_EQ(d.GetClientWidth(), 439);
    EXPECT_EQ(d.GetClientHeight(), 203);
  });
  EXPECT_EQ(Shown, 1);
  ASSERT_EQ(translated.size(), 1u);
  EXPECT_EQ(translated[0], seen);
}

TEST_F(PlotExceptionFormTest, FirstClickAsksForAddressAndComments) {
  const struct {
    const char* stored;
    const char* focused;
  } cases[] = {{nullptr, "Email"}, {"pilot@example.org", "MemoComments"}};
  for (const auto& c : cases) {
    if (c.stored) SetOption("Email", c.stored);
    SendDrawFailure([&](TPlotExceptionForm& d) {
      d.Button1Click(d.Button1);
      EXPECT_FALSE(d.PanelMain->GetVisible());
      EXPECT_TRUE(d.Panel1->GetVisible());
      EXPECT_EQ(d.Panel1->BoundsRect(), (TRect{0, 0, 439, 156}));
      EXPECT_EQ(d.MemoComments->GetWidth(), 399);
      EXPECT_EQ(d.MemoComments->GetHeight(), 88);
      EXPECT_EQ(d.Button1->GetCaption(), "&Send");
      EXPECT_EQ(d.Email->GetText(), c.stored ? c.stored : "");
      ASSERT_NE(d.ActiveControl(), nullptr);
      EXPECT_EQ(d.ActiveControl()->GetName(), c.focused);
      EXPECT_TRUE(Addresses.empty());
    });
  }
}

TEST_F(PlotExceptionFormTest, SecondClickSendsTheEscapedReport) {
  SetOption("ReportURL", "https://reports.example.org/chart");
  const std::string platform = "&platform=" + std::to_string(sizeof(void*) * 8) + "bit";
  SendDrawFailure([&](TPlotExceptionForm& d) {
    d.Button1Click(d.Button1);
    d.Button1Click(d.Button1);
    EXPECT_FALSE(d.Button1->GetVisible());
    EXPECT_EQ(d.LabelServer->GetCaption(), "Thanks for Your Help");
  });
  ASSERT_EQ(Addresses.size(), 1u);
  const std::string& a = Addresses[0];
  EXPECT_EQ(a.rfind("https://reports.example.org/chart?ide=C20&product=1&code=DRAW"
                    "&error=Canvas%20%26%20pen%20%22lost%22&class=",
                    0),
            0u)
      << a;
  EXPECT_NE(a.find("&class=EDrawFailure&build=1.0.0&lang=CPP&osversion=Version%3A%20"),
            std::string::npos)
      << a;
  EXPECT_EQ(a.substr(a.size() - platform.size()), platform) << "ends there without e-mail";
  EXPECT_EQ(Option("Email"), "");
}

TEST_F(PlotExceptionFormTest, ReportCarriesTrimmedAddressAndComments) {
  SetOption("ReportURL", "https://reports.example.org/chart");
  Reply = "failed";
  SendDrawFailure([&](TPlotExceptionForm& d) {
    d.Button1Click(d.Button1);
    d.Email->SetText("  me+esc@example.org ");
    d.MemoComments->SetText("line 1\nline 2 \n");
    d.Button1Click(d.Button1);
    EXPECT_EQ(d.LabelServer->GetCaption(), "SERVER ERROR");
  });
  ASSERT_EQ(Addresses.size(), 1u);
  const std::string tail = "&email=me%2Besc%40example.org&comments=line%201%0Aline%202";
  EXPECT_EQ(Addresses[0].substr(Addresses[0].size() - tail.size()), tail);
  EXPECT_EQ(Option("Email"), "me+esc@example.org") << "kept for the next report";
}

TEST_F(PlotExceptionFormTest, ThrowingHookResetsTheCursorAndPropagates) {
  SetOption("ReportURL", "https://reports.example.org/chart");
  TCursor during = crDefault;
  PlotDownloadURLProc = [&](const std::string&, TStream&) {
    during = Screen().GetCursor();
    throw EStreamError("connection refused");
  };
  EXPECT_THROW(SendDrawFailure([&](TPlotExceptionForm& d) {
                 d.Button1Click(d.Button1);
                 d.Button1Click(d.Button1);
               }),
               EStreamError);
  EXPECT_EQ(during, crHourGlass);
  EXPECT_EQ(Screen().GetCursor(), crDefault);
}

TEST_F(PlotExceptionFormTest, WithoutReportAddressTheReportIsSavedToAChosenFile) {
  const std::string file = Dir + "report.txt";
  for (bool choose : {false, true}) {
    FileDialogHook = [&](TFileDialog& dialog) {
      EXPECT_EQ(dialog.Kind(), fdSave);
      dialog.SetFileName(file);
      return choose;
    };
    SendDrawFailure([&](TPlotExceptionForm& d) {
      d.Button1Click(d.Button1);
      d.Email->SetText("me@example.org");
      d.Button1Click(d.Button1);
      EXPECT_EQ(d.LabelServer->GetCaption(), choose ? "Report saved" : "Report not saved");
    });
    EXPECT_EQ(std::filesystem::exists(file), choose);
  }
  EXPECT_TRUE(Addresses.empty());
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("code=DRAW\nerror=Canvas & pen \"lost\"\nclass=EDrawFailure\n"),
            std::string::npos)
      << text.str();
  EXPECT_NE(text.str().find("email=me@example.org\n"), std::string::npos);
}

TEST_F(PlotExceptionFormTest, SupportLinkFollowsTheSupportAddress) {
  SetOption("SupportURL", "https://support.example.org/esctool");
  std::vector<std::string> opened;
  ShellOpenHook = [&](const std::string& uri) {
    opened.push_back(uri);
    return true;
  };
  SendDrawFailure([&](TPlotExceptionForm& d) {
    EXPECT_TRUE(d.Label4->GetVisible());
    d.Label4Click(d.Label4);
    d.Button2Click(d.Button2);
    EXPECT_EQ(d.GetModalResult(), mrCancel);
  });
  EXPECT_EQ(opened, std::vector<std::string>{"https://support.example.org/esctool"});
}

TEST(PlotExceptionFormDescription, NamesTheRunningSystem) {
  const TOSVersion os = GetOSVersion();
  EXPECT_EQ(TPlotExceptionForm::SystemDescription(),
            "Version: " + std::to_string(os.Major) + "." + std::to_string(os.Minor) +
                " \"Linux\" Build: " + std::to_string(os.Build));
}

// Draws the window into a PNG; false when nothing was drawn.
bool WritePng(GtkWidget* window, const std::string& fileName) {
  for (int i = 0; i < 20; ++i) {
    while (gtk_events_pending()) gtk_main_iteration();
    g_usleep(10000);
  }
  const int w = gtk_widget_get_allocated_width(window);
  const int h = gtk_widget_get_allocated_height(window);
  if (w <= 1 || h <= 1) return false;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(surface);
  gtk_widget_draw(window, cr);
  cairo_destroy(cr);
  const bool written =
      cairo_surface_write_to_png(surface, fileName.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return written;
}

TEST_F(PlotExceptionFormTest, GalleryOfBothSteps) {
  // The sanitizer run starts this program without a display.
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  ASSERT_NO_THROW(Application->Initialize()) << "needs a display";
  SetOption("SupportURL", "https://support.example.org/esctool");
  SetOption("Email", "pilot@example.org");
  const std::string gallery = std::string(ESCTOOL_BINARY_DIR) + "/gallery/";
  std::filesystem::create_directories(gallery);
  TPlotExceptionForm dialog(nullptr);
  EDrawFailure failure("Access violation at address 0040A1B2 while drawing the series marks");
  dialog.TheException = &failure;
  dialog.TheCode = "DRAW";
  dialog.LabelError->SetCaption(failure.what());
  dialog.BuildWidgets();
  dialog.Show();
  EXPECT_TRUE(WritePng(dialog.Handle(), gallery + "plot_exception_form.png"));
  dialog.Button1Click(dialog.Button1);
  dialog.MemoComments->SetText("The chart was being resized.");
  EXPECT_TRUE(WritePng(dialog.Handle(), gallery + "plot_exception_form_details.png"));
  EXPECT_EQ(dialog.ActiveControl(), dialog.MemoComments);
  GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(dialog.Handle()));
  EXPECT_EQ(focus, dialog.MemoComments->TextView()) << (focus ? G_OBJECT_TYPE_NAME(focus) : "none");
  // Escape presses Close.
  GdkEvent* escape = gdk_event_new(GDK_KEY_PRESS);
  escape->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(dialog.Handle())));
  escape->key.keyval = GDK_KEY_Escape;
  gtk_widget_event(dialog.Handle(), escape);
  gdk_event_free(escape);
  EXPECT_EQ(dialog.GetModalResult(), mrCancel);
  dialog.Hide();
}

}  // namespace
