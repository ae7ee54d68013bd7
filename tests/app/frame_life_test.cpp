// The main window's life on the virtual clock: the create handler, the first
// and later activations, and what the destroy handler saves.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "controls/XwTimer.h"
#include "controls/zr_compound.h"
#include "controls/zr_controls.h"
#include "controls/zr_layouts.h"
#include "controls/zr_panels.h"
#include "controls/zr_text_box.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/IniFiles.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_popup.h"
#include "tests/support/HttpServer.h"
#include "tests/support/SimAdapter.h"
#include "tests/support/SimController.h"

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The keys the destroy handler writes for a window started from a file
// without them: Chinese, and the calculator fields at their defaults.
std::string SavedKeys() {
  const char* const fields[] = {
      "2300", "153",           "16",    "4",        "740",   "12",   "3.3V",
      "3.6V", "2.7V",          "39.6V", "42.2V",    "32.4V", "3064", "3343",
      "2507", "Governor_High", "77.5%", "21993.75", "87975"};
  std::string text = "lang=1\r\n";
  for (int k = 1; k <= 19; ++k) text += "cacl" + std::to_string(k) + "=" + fields[k - 1] + "\r\n";
  return text;
}

// A program folder of its own, the simulated adapter, the virtual clock, and
// the message boxes and information boxes answered and recorded.
struct TLife {
  TLife() {
    std::string pattern = (fs::temp_directory_path() / "esclifeXXXXXX").string();
    Folder = mkdtemp(pattern.data());
    SetProgramFolder(Folder.string() + "/");
    MessageBoxHook = [this](const TMessageBoxRequest& r) {
      Boxes.push_back(r.Text);
      return 1;
    };
    TfrmInfo::ModalHandler = [this](TfrmInfo& box) {
      Boxes.push_back(UTF16ToUTF8(box.Label1->GetText()));
      return static_cast<int>(mrOk);
    };
  }
  ~TLife() {
    Form.reset();
    MessageBoxHook = nullptr;
    TfrmInfo::ModalHandler = nullptr;
    SetProgramFolder("");
    fs::remove_all(Folder);
  }
  fs::path Lang() const { return Folder / "lang.ini"; }
  // Constructs the window and runs its create handler, as the application does.
  void Create() {
    Form = std::make_unique<TfrmInterface>(nullptr);
    Form->DoCreate();
  }
  // Time passes with the messages pumped, as in the message loop.
  void Run(uint32_t milliseconds) {
    for (uint32_t t = 0; t < milliseconds; t += 10) {
      ProcessMessages();
      Sleep(10);
    }
    ProcessMessages();
  }

  TScopedVirtualClock Clock;
  TSimAdapter Adapter;
  fs::path Folder;
  std::unique_ptr<TfrmInterface> Form;
  std::vector<std::string> Boxes;
};

struct TLifeCase {
  const char* Name;
  std::string LangFile;
  std::function<void(TLife&)> Run;
};

TEST(MainWindowLife, CreateActivateAndDestroy) {
  const std::string common = "[common]\r\nautoupdate=0\r\n";
  const TLifeCase cases[] = {
      {"a byte-order mark is dropped when the file is saved", "\xEF\xBB\xBF" + common,
       [&](TLife& l) {
         l.Create();
         l.Form->DoDestroy();
         EXPECT_EQ(ReadBytes(l.Lang()), common + SavedKeys());
       }},
      {"an unmarked file holding the same keys stays byte for byte", common + SavedKeys(),
       [&](TLife& l) {
         l.Create();
         l.Form->DoDestroy();
         EXPECT_EQ(ReadBytes(l.Lang()), common + SavedKeys());
       }},
      {"an empty file gets the keys and no mark", "",
       [](TLife& l) {
         l.Create();
         l.Form->DoDestroy();
         const std::string saved = ReadBytes(l.Lang());
         EXPECT_NE(saved.rfind("\xEF\xBB\xBF", 0), 0u);
         TMemIniFile ini(l.Lang().string());
         EXPECT_EQ(ini.ReadString("common", "lang", "?"), "1");
         EXPECT_EQ(ini.ReadString("common", "cacl19", "?"), "87975");
       }},
      {"a failed save leaves the old file whole", common,
       [&](TLife& l) {
         l.Create();
         fs::create_directory(l.Folder / "lang.ini.tmp");  // the temporary file cannot be made
         l.Form->DoDestroy();
         EXPECT_EQ(ReadBytes(l.Lang()), common);
         ASSERT_FALSE(l.Boxes.empty());  // and the failure is told
         EXPECT_NE(l.Boxes.back().find("lang.ini"), std::string::npos);
       }},
      {"calculator texts and the language are saved under their keys", common,
       [](TLife& l) {
         l.Create();
         l.Form->calcTextBox[8]->SetText(u"12.5");
         l.Form->calcTextBox16->GetTextBox()->SetText(u"70%");
         l.Form->English1->SetChecked(true);
         l.Form->DoDestroy();
         TMemIniFile ini(l.Lang().string());
         EXPECT_EQ(ini.ReadString("common", "cacl9", ""), "12.5");
         EXPECT_EQ(ini.ReadString("common", "cacl16", ""), "70%");
         EXPECT_EQ(ini.ReadString("common", "cacl8", "?"), "3.6V");
         EXPECT_EQ(ini.ReadString("common", "lang", ""), "0");
       }},
      {"the governor page at shutdown gives the first page", common,
       [](TLife& l) {
         l.Create();
         l.Form->tabLayout[0]->SetVisible(false);
         l.Form->tabLayout[10]->SetVisible(true);
         l.Form->DoDestroy();
         EXPECT_TRUE(l.Form->tabLayout[0]->GetVisible());
         EXPECT_FALSE(l.Form->tabLayout[10]->GetVisible());
       }},
      {"the create handler's steps", common,
       [](TLife& l) {
         l.Create();
         EXPECT_EQ(l.Form->FFrameStart, 0xA8);  // data-link mode 1 ends it
         EXPECT_TRUE(l.Form->DATALINK1->GetChecked());
         EXPECT_TRUE(l.Form->FConnectSwitch);
         EXPECT_NE(l.Form->FLangIni, nullptr);
         EXPECT_EQ(l.Form->Panel2->GetCalloutLength(), 0);
         EXPECT_TRUE(l.Form->tabLayout[0]->GetVisible());
         EXPECT_TRUE(l.Form->LinkTimerEnabled());
         // The firmware lists were dropped down, and no popup is left open.
         EXPECT_TRUE(OpenPopups == nullptr || OpenPopups->empty());
       }},
      {"a failure while the texts are applied is dropped and the start goes on",
       "[common]\r\nlang=0\r\nengDATALINK1=Link box\r\n",
       [](TLife& l) {
         l.Form = std::make_unique<TfrmInterface>(nullptr);
         l.Form->FindComponent("tabImage1")->SetName("tabImageGone");  // pictures fail
         ASSERT_NO_THROW(l.Form->DoCreate());
         EXPECT_EQ(l.Form->DATALINK1->GetCaption(), "Link box");  // applied before it
         // The English captions after the pictures were not reached.
         EXPECT_NE(UTF16ToUTF8(l.Form->Label1->GetText()), "ESC Speed Controller");
         EXPECT_TRUE(l.Form->DATALINK1->GetChecked());  // the steps after it ran
         EXPECT_TRUE(l.Form->tabLayout[0]->GetVisible());
       }},
      {"no link tick before the create handler has ended", common,
       [](TLife& l) {
         l.Form = std::make_unique<TfrmInterface>(nullptr);
         int ticks = 0, ticksInCreate = -1;
         l.Form->Timer1->SetOnTimer([&](TObject*) { ++ticks; });
         const TNotifyEvent create = l.Form->OnCreate;
         l.Form->OnCreate = [&](TObject* s) {
           create(s);
           l.Run(1000);  // long after the markers were set and the file opened
           ticksInCreate = ticks;
         };
         l.Form->DoCreate();
         EXPECT_EQ(ticksInCreate, 0);
         // The link timer waits on a thread of its own, which a busy machine may
         // start late: give it real time (at most five seconds) to take a tick.
         for (int i = 0; i < 500 && ticks == 0; ++i) {
           l.Run(100);
           std::this_thread::sleep_for(std::chrono::milliseconds(10));
         }
         EXPECT_GT(ticks, 0);
       }},
      {"only the first activation registers and searches", common,
       [](TLife& l) {
         l.Create();
         l.Form->DoActivate();
         EXPECT_TRUE(l.Form->FNotifyRegistered);
         ASSERT_NE(l.Form->FDeviceRecords, nullptr);
         EXPECT_EQ(l.Form->DevListBox->Count(), 0);
         const size_t boxes = l.Boxes.size();
         l.Adapter.Plug(std::make_unique<TSimController>("CAR_ESC", "VL46_SL01", "V1.2.3"));
         l.Form->DoActivate();
         EXPECT_EQ(l.Form->DevListBox->Count(), 0);  // no second search
         EXPECT_EQ(l.Boxes.size(), boxes);           // nor a second registration
       }},
  };
  for (const TLifeCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TLife life;
    WriteBytes(life.Lang(), c.LangFile);
    c.Run(life);
  }
}

// "autoupdate" decides whether the first activation asks the update server.
TEST(MainWindowLife, AutoUpdateOption) {
  for (const bool autoupdate : {false, true}) {
    SCOPED_TRACE(autoupdate);
    TTestHttpServer server;
    TLife life;
    WriteBytes(life.Lang(), "[common]\r\nautoupdate=" + std::string(autoupdate ? "1" : "0") +
                                "\r\nupdate_server=" + server.BaseUrl() + "\r\n");
    life.Create();
    life.Form->DoActivate();
    EXPECT_EQ(server.Requests().empty(), !autoupdate);
    const size_t requests = server.Requests().size();
    life.Form->DoActivate();
    EXPECT_EQ(server.Requests().size(), requests);  // checked once at most
    // A failed quiet check says nothing (a machine without udev may tell
    // that the notifications could not be registered).
    for (const std::string& box : life.Boxes) EXPECT_EQ(box, "注册USB设备通知失败");
  }
}

}  // namespace
