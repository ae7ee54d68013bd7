#include "tests/road/road_fixture.h"

#include <gtk/gtk.h>
#include <stdlib.h>

#include <fstream>
#include <sstream>

#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "chart/PlotStartup.h"
#include "controls/XwRegister.h"
#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls_register.h"
#include "controls/zr_effects.h"
#include "controls/zr_labels.h"
#include "controls/zr_objects.h"
#include "controls/zr_plot_grid.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_popup.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_unit.h"
#include "tests/support/GdkInput.h"

namespace fs = std::filesystem;

namespace road {

void StartProgram() {
  InitializeCanvasGdiPlus();
  InitializeScene();
  InitializeChart();
  RegisterShapes();
  RegisterEffectClasses();
  RegisterPlotGridClass();
  RegisterStandardControls();
  RegisterXwWidgetClasses();
  Application->Initialize();
}

TProgramFolder::TProgramFolder(bool Chinese) {
  std::string pattern = (fs::temp_directory_path() / "escroadXXXXXX").string();
  FPath = mkdtemp(pattern.data());
  // What the build puts beside the program: the resources and the databases.
  const fs::path build(ESCTOOL_BINARY_DIR);
  for (const fs::directory_entry& entry : fs::directory_iterator(ESCTOOL_SOURCE_DIR "/resources")) {
    const fs::path built = build / entry.path().filename();
    if (fs::exists(built)) fs::copy(built, FPath / built.filename(), fs::copy_options::recursive);
  }
  for (const fs::directory_entry& entry : fs::directory_iterator(build))
    if (entry.path().extension() == ".db3") fs::copy(entry.path(), FPath / entry.path().filename());
  // The language the program starts in.
  std::ifstream in(FPath / "lang.ini", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  in.close();
  std::string lang = text.str();
  const size_t key = lang.find("\nlang=");
  if (key != std::string::npos) lang[key + 6] = Chinese ? '1' : '0';
  std::ofstream(FPath / "lang.ini", std::ios::binary) << lang;
  SetProgramFolder(FPath.string() + "/");
}

TProgramFolder::~TProgramFolder() {
  SetProgramFolder("");
  std::error_code ignored;
  fs::remove_all(FPath, ignored);
}

void Run(int Ms) {
  const gint64 end = g_get_monotonic_time() + gint64(Ms) * 1000;
  while (g_get_monotonic_time() < end) {
    Application->ProcessMessages();
    g_usleep(2000);
  }
}

bool RunUntil(const std::function<bool()>& Done, int Ms) {
  const gint64 end = g_get_monotonic_time() + gint64(Ms) * 1000;
  while (!Done() && g_get_monotonic_time() < end) {
    Application->ProcessMessages();
    g_usleep(2000);
  }
  return Done();
}

TzrPoint Centre(TzrVisualObject* Object) {
  return Object->LocalToAbsolute({Object->GetWidth() / 2, Object->GetHeight() / 2});
}

void ClickObject(TzrCustomScene* Scene, TzrVisualObject* Object) {
  const TzrPoint p = Centre(Object);
  TGdkInput(Scene->Handle()).Click(p.X, p.Y);
}

void PickMenu(TMenuItem* Item) {
  ASSERT_NE(Item->Widget(), nullptr) << Item->GetName();
  gtk_menu_item_activate(GTK_MENU_ITEM(Item->Widget()));
}

bool PickEntry(TzrCustomScene* Scene, TzrStringComboBox* Combo, int Entry) {
  TzrPopup* popup = Combo->GetPopup();
  ClickObject(Scene, Combo);
  // The list's window is drawn before a user can point at an entry.
  if (!RunUntil(
          [&] {
            return popup->GetIsOpen() && popup->GetPopupScene() &&
                   popup->GetPopupScene()->DrawCount() > 0;
          },
          5000))
    return false;
  Run(100);
  TzrListBoxItem* item = Combo->GetListBox()->ItemByIndex(Entry);
  if (!item) return false;
  ClickObject(popup->GetPopupScene(), item);
  return RunUntil([&] { return !popup->GetIsOpen(); }, 2000);
}

namespace {

// Answers the information box once it is on the screen and drawn.
struct TBoxAnswer {
  TfrmInterface* Form = nullptr;
  std::string Text;
  int Turns = 0;
};

gboolean AnswerBox(gpointer data) {
  auto* answer = static_cast<TBoxAnswer*>(data);
  TfrmInfo* box = answer->Form->FInfoForm;
  const bool shown = box && box->GetVisible() && box->Handle() &&
                     gtk_widget_get_mapped(box->Handle()) && box->ControlsScene->DrawCount() > 0;
  if (!shown) {
    // No box after ten seconds: nothing to press.
    return ++answer->Turns < 500 ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
  }
  answer->Text = UTF16ToUTF8(box->Label1->GetText());
  ClickObject(box->ControlsScene, box->btnOk);
  if (box->GetModalResult() == mrNone) {  // the press missed: close it, and say so
    answer->Text = "(OK missed) " + answer->Text;
    box->SetModalResult(mrCancel);
  }
  return G_SOURCE_REMOVE;
}

}  // namespace

std::string PressAndAnswer(TfrmInterface& Form, TzrCustomScene* Scene, TzrVisualObject* Button) {
  TBoxAnswer answer;
  answer.Form = &Form;
  const guint source = g_timeout_add(20, AnswerBox, &answer);
  ClickObject(Scene, Button);
  if (answer.Text.empty() && answer.Turns < 500) g_source_remove(source);
  return answer.Text;
}

}  // namespace road
