// The main window's form and the forms of the information box and the
// progress window: every component the window's code and texts address
// exists with its class, where the layout places it.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "app/frmProgress.h"
#include "controls/XwThreadTimer.h"
#include "controls/XwTimer.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_grid.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_objects.h"
#include "controls/zr_panels.h"
#include "controls/zr_plot_grid.h"
#include "controls/zr_tab_control.h"
#include "platform/rtl/Rtti.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/WebBrowser.h"
#include "scene/zr_position.h"
#include "scene/zr_resources.h"

namespace {

struct TNamed {
  std::string Name;
  std::string Class;
};

void AddNumbered(std::vector<TNamed>& list, const std::string& stem, int first, int last,
                 const std::string& cls) {
  for (int k = first; k <= last; ++k) list.push_back({stem + std::to_string(k), cls});
}

std::vector<TNamed> MainWindowComponents() {
  std::vector<TNamed> c = {{"ControlsScene", "TzoRurev"},
                           {"SceneStyle", "TzrResources"},
                           {"Backgroup", "TzrBackground"},
                           {"Panel1", "TzrPanel"},
                           {"ListBox1", "TzrListBox"},
                           {"ListBox2", "TzrListBox"},
                           {"Panel2", "TzrCalloutPanel"},
                           {"helpLayout", "TzrLayout"},
                           {"GroupBox1", "TzrGroupBox"},
                           {"GroupBox2", "TzrGroupBox"},
                           {"Circle1", "TzrCircle"},
                           {"Circle2", "TzrCircle"},
                           {"ColorKeyAnimation1", "TzrColorKeyAnimation"},
                           {"ColorKeyAnimation2", "TzrColorKeyAnimation"},
                           {"Label1", "TzrLabel"},
                           {"Label2", "TzrLabel"},
                           {"Label9", "TzrLabel"},
                           {"Label10", "TzrLabel"},
                           {"btnConnect", "TzrRoundButton"},
                           {"btnUpdate", "TzrButton"},
                           {"btnDefault", "TzrButton"},
                           {"StatusBar1", "TStatusBar"},
                           {"DevListBox", "TListBox"},
                           {"Timer1", "TXwTimer"},
                           {"ttMyThread", "TXwThreadTimer"},
                           {"XML", "TXMLDocument"},
                           {"web", "TWebBrowser"},
                           {"MainMenu1", "TMainMenu"},
                           {"SaveDialog1", "TSaveDialog"},
                           {"OpenDialog1", "TOpenDialog"},
                           {"imgLogo", "TzrImage"},
                           // Message areas, identity and firmware boxes.
                           {"eMessage", "TzrMemo"},
                           {"zrmMessage", "TzrMemo"},
                           {"sMessage", "TzrMemo"},
                           {"eController", "TzrTextBox"},
                           {"eHardware", "TzrTextBox"},
                           {"eFirmware", "TzrTextBox"},
                           {"tbController", "TzrTextBox"},
                           {"tbHardware", "TzrTextBox"},
                           {"tbFirmware", "TzrTextBox"},
                           {"cbFirmware", "TzrComboBox"},
                           {"scbFirmware", "TzrComboBox"},
                           {"lVersion", "TzrLabel"},
                           {"lbVersion", "TzrLabel"},
                           {"btnUpgrade", "TzrButton"},
                           {"btnUpgrade2", "TzrButton"},
                           {"btnScan", "TzrButton"},
                           {"gbChannel", "TzrGroupBox"},
                           {"Label8", "TzrLabel"},
                           // Channel tuning, analyzer, calculator and governor pages.
                           {"rbCW", "TzrRadioButton"},
                           {"rbCCW", "TzrRadioButton"},
                           {"btnRead", "TzrButton"},
                           {"btnWrite", "TzrButton"},
                           {"cbRed", "TzrCheckBox"},
                           {"cbGreen", "TzrCheckBox"},
                           {"cbBlue", "TzrCheckBox"},
                           {"lbColor", "TzrLabel"},
                           {"lbRotation", "TzrLabel"},
                           {"btnStart", "TzrButton"},
                           {"btnSave", "TzrButton"},
                           {"btnLoad", "TzrButton"},
                           {"btnPrint", "TzrButton"},
                           {"tabAnalyzer", "TzrTabControl"},
                           {"tabAnalyzerTable", "TzrTabItem"},
                           {"tabAnalyzerChart", "TzrTabItem"},
                           {"StringGrid1", "TzrStringGrid"},
                           {"StringGrid2", "TzrStringGrid"},
                           {"PlotGrid1", "TzrPlotGrid"},
                           {"calcTextBox16", "TzrCompoundTextBox"},
                           {"calcTextBox17", "TzrCompoundTextBox"},
                           {"calcLabel7", "TzrLabel"},
                           {"calcLabel10", "TzrLabel"},
                           {"calcLabel13", "TzrLabel"},
                           {"calcLabel16", "TzrLabel"},
                           {"tbPercent", "TzrTrackBar"},
                           {"nbPoles", "TzrNumberBox"},
                           {"rbDJC", "TzrRadioButton"},
                           {"nbDJC", "TzrNumberBox"},
                           {"nbZC", "TzrNumberBox"},
                           {"rbCB", "TzrRadioButton"},
                           {"nbCB", "TzrNumberBox"},
                           {"gbSelect", "TzrGroupBox"}};
  AddNumbered(c, "ListBoxItem", 1, 11, "TzrListBoxItem");
  AddNumbered(c, "tabLabel", 1, 11, "TzrLabel");
  AddNumbered(c, "tabImage", 1, 11, "TzrImage");
  AddNumbered(c, "tabLayout", 1, 13, "TzrLayout");
  AddNumbered(c, "Label", 3, 8, "TzrLabel");
  AddNumbered(c, "lbLabel", 3, 7, "TzrLabel");
  AddNumbered(c, "cbChannel", 1, 8, "TzrCheckBox");
  AddNumbered(c, "rbChannel", 1, 8, "TzrRadioButton");
  AddNumbered(c, "calcTextBox", 1, 6, "TzrTextBox");
  AddNumbered(c, "calcTextBox", 7, 9, "TzrComboTextBox");
  AddNumbered(c, "calcTextBox", 10, 15, "TzrTextBox");
  AddNumbered(c, "calcTextBox", 18, 19, "TzrTextBox");
  AddNumbered(c, "calcLabel", 1, 6, "TzrLabel");
  AddNumbered(c, "nbRPM", 1, 3, "TzrNumberBox");
  for (const char* name : {"lblTH", "lblRPM", "lblPoles", "lblZC", "lblReRPM", "lblReTH",
                           "lblHighRPM", "lblLowRPM", "lblRightRPM", "lblTips"})
    c.push_back({name, "TzrLabel"});
  for (const char* name : {"File1",
                           "English1",
                           "Chinese1",
                           "N1",
                           "Export1",
                           "Import1",
                           "Print1",
                           "Style1",
                           "Default1",
                           "Modern1",
                           "Vista1",
                           "AIR1",
                           "Blend1",
                           "Extreme1",
                           "N2",
                           "Exit1",
                           "Device1",
                           "ESCSpeedController1",
                           "MotorChecker1",
                           "LCDProgramCard1",
                           "DATALINK1",
                           "DATALINK2",
                           "DATALINK3",
                           "DATALINK4",
                           "DATALINK5",
                           "Version1",
                           "Demo1",
                           "N3",
                           "Help1",
                           "Help2",
                           "Update1",
                           "DBUpdate",
                           "History1",
                           "About1",
                           "test1"})
    c.push_back({name, "TMenuItem"});
  return c;
}

template <class T>
T* Named(const TComponent& form, const std::string& name) {
  auto* c = dynamic_cast<T*>(form.FindComponent(name));
  EXPECT_NE(c, nullptr) << name;
  return c;
}

// Position, width and height of a scene object as the form places it.
void ExpectPlace(const TComponent& form, const std::string& name, float x, float y, float w,
                 float h) {
  auto* o = Named<TzrVisualObject>(form, name);
  if (!o) return;
  EXPECT_FLOAT_EQ(o->GetPosition()->GetX(), x) << name;
  EXPECT_FLOAT_EQ(o->GetPosition()->GetY(), y) << name;
  EXPECT_FLOAT_EQ(o->GetWidth(), w) << name;
  EXPECT_FLOAT_EQ(o->GetHeight(), h) << name;
}

TEST(MainWindowForm, EveryComponentExistsWithItsClass) {
  TfrmInterface form(nullptr);
  for (const TNamed& c : MainWindowComponents()) {
    const TComponent* found = form.FindComponent(c.Name);
    ASSERT_NE(found, nullptr) << c.Name;
    EXPECT_EQ(found->ClassType()->Name(), c.Class) << c.Name;
  }
}

TEST(MainWindowForm, LayoutAndNonVisualComponents) {
  TfrmInterface form(nullptr);
  EXPECT_EQ(form.GetClientWidth(), 797);
  EXPECT_EQ(form.GetClientHeight(), 623);
  EXPECT_EQ(form.GetBorderStyle(), bsSingle);
  EXPECT_FLOAT_EQ(form.Backgroup->GetWidth(), 797);
  EXPECT_FLOAT_EQ(form.Backgroup->GetHeight(), 604);
  EXPECT_FLOAT_EQ(Named<TzrVisualObject>(form, "Panel1")->GetWidth(), 124);
  EXPECT_FLOAT_EQ(Named<TzrVisualObject>(form, "Panel8")->GetWidth(), 447);
  EXPECT_FLOAT_EQ(Named<TzrVisualObject>(form, "Panel3")->GetHeight(), 524);
  EXPECT_FLOAT_EQ(Named<TzrVisualObject>(form, "Panel4")->GetHeight(), 80);
  EXPECT_FLOAT_EQ(Named<TzrVisualObject>(form, "Panel6")->GetWidth(), 226);
  ExpectPlace(form, "ListBox1", 8, 8, 108, 590);
  ExpectPlace(form, "ListBox2", 8, 8, 108, 590);
  ExpectPlace(form, "GroupBox1", 8, 0, 166, 74);
  ExpectPlace(form, "GroupBox2", 181, 0, 218, 74);
  ExpectPlace(form, "Panel2", 12, 8, 204, 590);
  EXPECT_FLOAT_EQ(form.Circle1->GetWidth(), 17);
  EXPECT_FLOAT_EQ(form.Circle2->GetWidth(), 16);
  EXPECT_EQ(form.Circle1->GetFill()->GetColor(), "#FF004A00");
  EXPECT_FALSE(form.btnUpdate->GetEnabled());
  EXPECT_FALSE(form.btnDefault->GetEnabled());
  EXPECT_FALSE(form.ListBox2->GetVisible());
  EXPECT_EQ(form.Panel2->GetCalloutWidth(), 10);
  EXPECT_EQ(form.Panel2->GetCalloutLength(), 11);
  EXPECT_EQ(form.Panel2->GetCalloutPosition(), zrCalloutLeft);
  // Only the first entry stands in the navigation list; the tags say the pages.
  ASSERT_EQ(form.ListBox1->Count(), 1);
  EXPECT_EQ(form.ListBox2->Count(), 10);
  for (int k = 1; k <= 11; ++k)
    EXPECT_EQ(Named<TComponent>(form, "ListBoxItem" + std::to_string(k))->GetTag(), k - 1);
  EXPECT_TRUE(form.tabLayout[0]->GetVisible());
  for (int k = 1; k < 13; ++k) EXPECT_FALSE(form.tabLayout[k]->GetVisible()) << k + 1;

  TStatusBar* bar = form.StatusBar1;
  EXPECT_EQ(bar->GetHeight(), 19);
  EXPECT_EQ(bar->GetAlign(), alBottom);
  ASSERT_EQ(bar->GetPanels()->Count(), 2);
  EXPECT_EQ(bar->GetPanels()->Panel(0)->GetWidth(), 500);
  EXPECT_EQ(bar->GetPanels()->Panel(1)->GetWidth(), 262);
  EXPECT_EQ(bar->GetPanels()->Panel(1)->GetAlignment(), taRightJustify);
  EXPECT_EQ(form.Timer1->GetInterval(), 100u);
  EXPECT_EQ(form.GetMenu(), form.MainMenu1);
}

// Whether the object lies on the layout, at any depth.
bool OnLayout(TzrObject* object, const TzrObject* layout) {
  for (TzrObject* o = object; o; o = o->GetParent())
    if (o == layout) return true;
  return false;
}

// Each fixed page holds the controls its code addresses, so that the
// navigation entry that shows the page shows them.
TEST(MainWindowForm, EveryFixedPageHoldsItsControls) {
  TfrmInterface form(nullptr);
  const struct {
    int Page;
    std::vector<std::string> Controls;
  } pages[] = {
      {1, {"imgLogo"}},
      {8,
       {"eController", "eHardware", "eFirmware", "cbFirmware", "lVersion", "btnUpgrade",
        "eMessage"}},
      {9,
       {"tabAnalyzer", "StringGrid1", "PlotGrid1", "btnStart", "btnSave", "btnLoad", "btnPrint"}},
      {10, {"calcTextBox1", "calcTextBox15", "calcTextBox16", "calcTextBox19", "calcLabel1"}},
      {11, {"tbPercent", "nbPoles", "rbDJC", "nbCB", "nbRPM1", "nbRPM3", "lblTips", "gbSelect"}},
      {12,
       {"tbController", "tbFirmware", "scbFirmware", "btnUpgrade2", "btnScan", "gbChannel",
        "cbChannel8", "zrmMessage"}},
      {13,
       {"rbChannel1", "rbChannel8", "rbCW", "rbCCW", "btnRead", "btnWrite", "cbBlue", "sMessage"}},
  };
  for (const auto& page : pages)
    for (const std::string& name : page.Controls) {
      auto* control = Named<TzrVisualObject>(form, name);
      if (!control) continue;
      EXPECT_TRUE(OnLayout(control, form.tabLayout[page.Page - 1]))
          << name << " on page " << page.Page;
    }
}

// A press on a navigation entry reaches the page switch: the entry's click
// shows its page.
TEST(MainWindowForm, NavigationEntriesShowTheirPages) {
  TfrmInterface form(nullptr);
  const std::pair<int, int> entries[] = {{8, 8}, {9, 9}, {10, 10}, {1, 1}};
  for (const auto& [entry, page] : entries) {
    auto* item = Named<TzrListBoxItem>(form, "ListBoxItem" + std::to_string(entry));
    ASSERT_TRUE(item && item->OnClick) << entry;
    item->OnClick(item);
    for (int k = 1; k <= 13; ++k)
      EXPECT_EQ(form.tabLayout[k - 1]->GetVisible(), k == page) << entry << " " << k;
  }
}

// Outside the scene: the help column's web view out of sight, and the
// thread timer that nothing starts.
TEST(MainWindowForm, WebViewAndThreadTimer) {
  TfrmInterface form(nullptr);
  ASSERT_NE(form.web, nullptr);
  EXPECT_EQ(form.web->GetParent(), form.Client());
  EXPECT_EQ(form.web->GetLeft(), 900);
  EXPECT_EQ(form.web->GetTop(), 10);
  EXPECT_EQ(form.web->GetWidth(), 211);
  EXPECT_EQ(form.web->GetHeight(), 585);
  EXPECT_FALSE(form.web->InsideParent());
  ASSERT_NE(form.ttMyThread, nullptr);
  EXPECT_EQ(form.ttMyThread->GetInterval(), 2500u);
  EXPECT_FALSE(form.ttMyThread->GetEnabled());
  EXPECT_NE(form.XML, nullptr);
}

// What the page code relies on: the firmware lists' style and rows, the
// analyzer tabs' pages and the grids' columns.
TEST(MainWindowForm, FirmwareListsAndAnalyzerTables) {
  TfrmInterface form(nullptr);
  for (TzrComboBox* list : {form.cbFirmware, form.scbFirmware}) {
    EXPECT_EQ(list->GetResource(), "comboboxstyle") << list->GetName();
    EXPECT_FLOAT_EQ(list->GetItemHeight(), 19) << list->GetName();
  }
  EXPECT_EQ(form.tabAnalyzer->TabCount(), 2);
  EXPECT_EQ(form.tabAnalyzer->GetItemIndex(), 0);
  EXPECT_EQ(form.StringGrid1->GetParent(), form.tabAnalyzerTable->GetLayout());
  EXPECT_EQ(form.StringGrid2->GetParent(), form.tabAnalyzerTable->GetLayout());
  EXPECT_EQ(form.PlotGrid1->GetParent(), form.tabAnalyzerChart->GetLayout());
  EXPECT_TRUE(form.StringGrid1->GetUseSmallScrollBars());
  EXPECT_FLOAT_EQ(form.StringGrid1->GetRowHeight(), 21);
  EXPECT_EQ(form.StringGrid1->GetRowCount(), 100);
  ASSERT_EQ(form.StringGrid1->GetColumnCount(), 4);
  const float widths[] = {62, 148, 148, 148};
  for (int i = 0; i < 4; ++i)
    EXPECT_FLOAT_EQ(form.StringGrid1->ColumnByIndex(i)->GetWidth(), widths[i]) << i;
  EXPECT_EQ(form.StringGrid1->ColumnByIndex(3)->GetHeader(), u"Current (A)");
  ASSERT_EQ(form.StringGrid2->GetColumnCount(), 4);
  EXPECT_FALSE(form.StringGrid2->ColumnByIndex(0)->GetVisible());
  EXPECT_EQ(form.StringGrid2->GetRowCount(), 4);
}

TEST(MainWindowForm, MenuTree) {
  TfrmInterface form(nullptr);
  TMenuItem* bar = form.MainMenu1->Items();
  const std::vector<std::string> top = {"File1", "Device1", "Version1", "Help1"};
  ASSERT_EQ(bar->Count(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(bar->Items(i)->GetName(), top[i]);
  const std::vector<std::string> modes = {"ESCSpeedController1", "MotorChecker1", "LCDProgramCard1",
                                          "DATALINK1",           "DATALINK2",     "DATALINK3",
                                          "DATALINK4",           "DATALINK5"};
  TMenuItem* device = bar->Items(1);
  ASSERT_EQ(device->Count(), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(device->Items(i)->GetName(), modes[i]);
    EXPECT_TRUE(device->Items(i)->GetRadioItem());
  }
  EXPECT_TRUE(form.ESCSpeedController1->GetChecked());
  EXPECT_FALSE(form.MotorChecker1->GetVisible());
  // Checking a mode moves the one check mark of the group.
  form.DATALINK3->SetChecked(true);
  EXPECT_FALSE(form.ESCSpeedController1->GetChecked());
  EXPECT_EQ(form.Chinese1->Parent()->GetName(), "File1");
  EXPECT_EQ(form.Chinese1->GetTag(), 1);
  EXPECT_EQ(form.English1->GetTag(), 2);
  EXPECT_EQ(form.Demo1->Parent(), form.Version1);
  EXPECT_FALSE(form.Demo1->GetVisible());
  EXPECT_TRUE(Named<TMenuItem>(form, "Vista1")->GetChecked());
  EXPECT_FALSE(Named<TMenuItem>(form, "Style1")->GetVisible());
  EXPECT_FALSE(Named<TMenuItem>(form, "test1")->GetVisible());
  EXPECT_EQ(Named<TMenuItem>(form, "Help2")->Parent()->GetName(), "Help1");
}

TEST(SmallWindowForms, InformationBoxAndProgressWindow) {
  TfrmInterface main(nullptr);
  TfrmInfo info(&main);
  EXPECT_EQ(info.GetClientWidth(), 314);
  EXPECT_EQ(info.GetClientHeight(), 152);
  EXPECT_EQ(info.GetBorderStyle(), bsDialog);
  EXPECT_EQ(info.GetCaption(), "提示信息");
  ExpectPlace(info, "Label1", 20, 30, 280, 60);
  ExpectPlace(info, "btnOk", 117, 106, 80, 22);
  EXPECT_EQ(info.Label1->GetText(), u"信息");
  EXPECT_EQ(info.btnOk->GetText(), u"确定");
  EXPECT_EQ(info.btnOk->GetModalResult(), mrOk);
  EXPECT_EQ(info.btnOk->ClassName(), "TzrRoundButton");

  TfrmProgress progress(&main);
  EXPECT_EQ(progress.GetClientWidth(), 350);
  EXPECT_EQ(progress.GetClientHeight(), 91);
  EXPECT_EQ(progress.GetBorderStyle(), bsNone);
  ExpectPlace(progress, "ProgressBar1", 22, 50, 304, 18);
  ExpectPlace(progress, "GroupBox1", 1, -2, 348, 91);
  EXPECT_EQ(progress.Label1->GetText(), u"Progress Status:Please Waiting");
  EXPECT_FLOAT_EQ(progress.ProgressBar1->GetMax(), 100);
  EXPECT_FLOAT_EQ(progress.ProgressBar1->GetValue(), 33);
  // The frame's "Wingdings" "v" is that font's symbol, from a font that has it.
  EXPECT_EQ(progress.GroupBox1->GetText(), u"\u2756");
  EXPECT_NE(progress.GroupBox1->GetFont()->GetFamily(), "Wingdings");
}

// The window's components are those its form holds (named, or unnamed like
// the grids' columns), the udev monitor's helper and the timer that runs
// the picks held while the window was busy: nothing of
// the design is made in code.
TEST(MainWindowForm, EveryComponentComesFromTheForm) {
  std::ifstream text(ESCTOOL_SOURCE_DIR "/resources/forms/frmInterface.txt");
  const std::regex object(R"(^\s*object (?:(\w+): )?(\w+)\s*$)");
  std::multiset<std::string> expected = {"DeviceChangeTimer", "HeldClickTimer"};
  std::smatch match;
  for (std::string line; std::getline(text, line);)
    if (std::regex_search(line, match, object) && match[1] != "frmInterface")
      expected.insert(match[1].matched ? match[1].str() : match[2].str());
  TfrmInterface form(nullptr);
  std::multiset<std::string> owned;
  for (int i = 0; i < form.ComponentCount(); ++i) {
    const TComponent* c = form.Component(i);
    owned.insert(c->GetName().empty() ? c->ClassName() : c->GetName());
  }
  std::vector<std::string> extra, missing;
  std::set_difference(owned.begin(), owned.end(), expected.begin(), expected.end(),
                      std::back_inserter(extra));
  std::set_difference(expected.begin(), expected.end(), owned.begin(), owned.end(),
                      std::back_inserter(missing));
  EXPECT_EQ(extra, std::vector<std::string>{}) << "made in code";
  EXPECT_EQ(missing, std::vector<std::string>{}) << "in the form but not made";
}

}  // namespace
