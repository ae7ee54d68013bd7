// The help entry: the help address is probed against a local HTTP server and
// falls back to the local page of the checked language.

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/LangCommon.h"
#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/XwTimer.h"
#include "platform/rtl/IniFiles.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/ShellOpen.h"
#include "scene/zr_scene.h"
#include "tests/support/GdkInput.h"
#include "tests/support/HttpServer.h"

namespace {

namespace fs = std::filesystem;

class HelpMenuTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
  HelpMenuTest() {
    Form = std::make_unique<TfrmInterface>(nullptr);
    Form->OnActivate = nullptr;  // no device search here
    Form->Timer1->SetOnTimer(nullptr);
    std::string pattern = (fs::temp_directory_path() / "eschelpXXXXXX").string();
    Folder = mkdtemp(pattern.data());
    SetProgramFolder(Folder.string() + "/");
    Form->OpenLanguageFile();  // an empty one: the folder has none
    ShellOpenHook = [this](const std::string& uri) {
      Opened.push_back(uri);
      return true;
    };
  }
  ~HelpMenuTest() override {
    ShellOpenHook = nullptr;
    Form.reset();
    SetProgramFolder("");
    fs::remove_all(Folder);
  }
  void SetHelpUrl(const std::string& address) {
    Form->FLangIni->WriteString(LangCommonSection, "engHelpUrl", address);
    Form->FLangIni->WriteString(LangCommonSection, "chsHelpUrl", address);
  }
  void SetChinese(bool chinese) {
    Form->Chinese1->SetChecked(chinese);
    Form->English1->SetChecked(!chinese);
  }
  std::string LocalPage(const std::string& name) const {
    return "file://" + Folder.string() + "/help/" + name;
  }

  TTestHttpServer Server;
  std::unique_ptr<TfrmInterface> Form;
  fs::path Folder;
  std::vector<std::string> Opened;
};

TEST_F(HelpMenuTest, ReachableAddressOpensOtherwiseTheLocalPageOfTheLanguage) {
  Server.Set("/help/", "<html></html>");
  const std::string base = Server.BaseUrl();
  const struct {
    std::string address;
    bool chinese;
    std::string opened;
  } cases[] = {
      {base + "/help/", false, base + "/help/"},
      {base + "/help/", true, base + "/help/"},
      {base + "/missing", true, LocalPage("index_cn.html")},
      {base + "/missing", false, LocalPage("index_en.html")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address + (c.chinese ? " chinese" : " english"));
    SetHelpUrl(c.address);
    SetChinese(c.chinese);
    Opened.clear();
    Form->Help2Click(nullptr);
    EXPECT_EQ(Opened, std::vector<std::string>{c.opened});
  }
  // The probe asks for the headers only.
  ASSERT_FALSE(Server.Requests().empty());
  EXPECT_EQ(Server.Requests().front().Method, "HEAD");
}

TEST_F(HelpMenuTest, RefusedPortFallsBackToTheLocalPage) {
  SetHelpUrl(Server.BaseUrl() + "/help/");
  Server.Stop();
  for (const bool chinese : {true, false}) {
    SetChinese(chinese);
    Opened.clear();
    Form->Help2Click(nullptr);
    EXPECT_EQ(Opened,
              std::vector<std::string>{LocalPage(chinese ? "index_cn.html" : "index_en.html")});
  }
}

TEST_F(HelpMenuTest, EmptyAddressOpensNothing) {
  SetHelpUrl("");
  Form->Help2Click(nullptr);
  EXPECT_TRUE(Opened.empty());
  EXPECT_TRUE(Server.Requests().empty());
}

TEST_F(HelpMenuTest, DefaultIsTheLocalStartPage) {
  // Without a language file the built-in address, a page of the program folder.
  Form->FLangIni.reset();
  SetChinese(false);
  Form->Help2Click(nullptr);  // the start page is not there yet
  fs::create_directories(Folder / "help");
  std::ofstream(Folder / "help" / "help.html") << "<html></html>";
  Form->Help2Click(nullptr);
  EXPECT_EQ(Opened, (std::vector<std::string>{LocalPage("index_en.html"), LocalPage("help.html")}));
  // A file address opens as it stands when the file is there.
  fs::create_directories(Folder / "my help");
  std::ofstream(Folder / "my help" / "start.html") << "<html></html>";
  Form->OpenLanguageFile();
  const std::string address = "file://" + Folder.string() + "/my%20help/start.html";
  SetHelpUrl(address);
  Opened.clear();
  Form->Help2Click(nullptr);
  EXPECT_EQ(Opened, std::vector<std::string>{address});
}

TEST_F(HelpMenuTest, WindowRepaintsWhileTheServerAnswersLate) {
  TTestHttpServer::TRoute late{200, "", "", -1};
  late.DelayMs = 600;
  Server.Set("/late", late);
  SetHelpUrl(Server.BaseUrl() + "/late");
  Form->Show();
  TzrCustomScene* scene = Form->ControlsScene;
  for (int i = 0; i < 200 && scene->DrawCount() == 0; ++i) {
    g_main_context_iteration(nullptr, FALSE);
    g_usleep(2000);
  }
  while (g_main_context_iteration(nullptr, FALSE)) {
  }
  const int before = scene->DrawCount();
  int drawnWhenOpened = -1;
  ShellOpenHook = [&](const std::string& uri) {
    Opened.push_back(uri);
    drawnWhenOpened = scene->DrawCount();
    return true;
  };
  gtk_widget_queue_draw(Form->Handle());
  Form->Help2Click(nullptr);
  EXPECT_EQ(Opened, std::vector<std::string>{Server.BaseUrl() + "/late"});
  EXPECT_GT(drawnWhenOpened, before);
  Form->Hide();
}

TEST_F(HelpMenuTest, F1ClicksTheHelpEntry) {
  SetHelpUrl("");
  bool clicked = false;
  TMenuItem* help = dynamic_cast<TMenuItem*>(Form->FindComponent("Help2"));
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->GetShortCut(), 112);
  help->OnClick = [&](TObject*) { clicked = true; };
  Form->Show();
  EXPECT_EQ(Form->GetMenu(), Form->MainMenu1);
  TGdkInput(Form->Handle()).Key(GDK_KEY_F2);
  EXPECT_FALSE(clicked);
  help->SetEnabled(false);
  TGdkInput(Form->Handle()).Key(GDK_KEY_F1);
  EXPECT_FALSE(clicked);
  help->SetEnabled(true);
  TGdkInput(Form->Handle()).Key(GDK_KEY_F1);
  EXPECT_TRUE(clicked);
  Form->Hide();
}

TEST_F(HelpMenuTest, ExitClosesTheWindowAndStylesMoveOnlyTheirCheckMark) {
  auto item = [this](const char* name) {
    return dynamic_cast<TMenuItem*>(Form->FindComponent(name));
  };
  ASSERT_TRUE(item("Vista1")->GetChecked());
  const uint8_t start = Form->FFrameStart;
  item("Blend1")->Click();
  EXPECT_TRUE(item("Blend1")->GetChecked());
  EXPECT_FALSE(item("Vista1")->GetChecked());
  EXPECT_EQ(Form->FFrameStart, start);
  EXPECT_TRUE(Form->ESCSpeedController1->GetChecked());

  Form->Show();
  ASSERT_TRUE(Form->GetVisible());
  item("Exit1")->Click();
  EXPECT_FALSE(Form->GetVisible());
}

}  // namespace
