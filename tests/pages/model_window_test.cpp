#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_objects.h"
#include "controls/zr_text_box.h"
#include "pages/ModelDatabase.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "tests/pages/PageFixtures.h"

// The main window's model definition and firmware list over small fixtures.

namespace {

using pagetest::DatabaseFolder;
using pagetest::LangFixture;
using pagetest::SoftwareRows;

TEST(LoadModelDefinition, WindowReadsByIdentityOrKey) {
  LangFixture lang(
      "[FIRST 1]\ntab=1\n"
      "[M HW FW12]\nitem=2\nbsicon=no.png\n"
      "[M HW]\nitem=3\n"
      "[M]\nitem=4\n");
  TfrmInterface form(nullptr);
  form.FLangIni = std::move(lang.Ini);

  form.FModel = "M";
  form.FHardware = "HW";
  form.FFirmware = "FW1234";
  form.LoadModelDefinition("");
  EXPECT_EQ(form.FPageDef.item, 2);  // the firmware prefix, not the hardware section
  EXPECT_EQ(form.FPageIcons.bs, "");

  form.FFirmware = "ZZ";
  form.LoadModelDefinition("");
  EXPECT_EQ(form.FPageDef.item, 3);
  form.FHardware = "HW9";  // a longer hardware text finds its prefix
  form.LoadModelDefinition("");
  EXPECT_EQ(form.FPageDef.item, 3);
  form.FHardware = "H";  // prefixes are at least 2 characters long
  form.LoadModelDefinition("");
  EXPECT_EQ(form.FPageDef.item, 4);

  form.LoadModelDefinition("first 1");  // the very first section, any case
  EXPECT_EQ(form.FModel, "first 1");
  EXPECT_EQ(form.FPageDef.tab, 1);

  form.LoadModelDefinition("NO SUCH MODEL");
  EXPECT_EQ(form.FModel, "NO SUCH MODEL");
  EXPECT_EQ(form.FPageDef.tab, 0);
  EXPECT_EQ(form.FPageDef.item, 0);
}

// The window's firmware list over a fixture database.
class WindowFirmwareList : public DatabaseFolder {
 protected:
  void SetUp() override {
    DatabaseFolder::SetUp();
    FForm = std::make_unique<TfrmInterface>(nullptr);
    TfrmInterface& f = *FForm;
    Ensure(f.Circle1);
    Ensure(f.Circle2);
    Ensure(f.eController);
    Ensure(f.eHardware);
    Ensure(f.eFirmware);
    Ensure(f.tbController);
    Ensure(f.tbHardware);
    Ensure(f.tbFirmware);
    Ensure(f.cbFirmware);
    Ensure(f.scbFirmware);
    Ensure(f.btnUpdate);
    Ensure(f.btnDefault);
    Ensure(f.btnUpgrade);
    Ensure(f.btnUpgrade2);
    Ensure(f.DATALINK1);
    Ensure(f.DATALINK2);
    Ensure(f.DATALINK5);
    Ensure(f.LCDProgramCard1);
    for (auto* control : {f.btnUpdate, f.btnDefault, f.btnUpgrade, f.btnUpgrade2})
      control->SetEnabled(false);
    f.Circle1->GetFill()->SetColor("#FF00AA00");
    f.FModel = "ESC_A";
    f.FHardware = "HW1";
    f.FFirmware = "fw1";
  }
  template <class T>
  void Ensure(T*& control) {
    if (!control) control = new T(FForm.get());
  }
  template <class T>
  std::string Text(T* control) const {
    return UTF16ToUTF8(control->GetText());
  }

  std::unique_ptr<TfrmInterface> FForm;
};

TEST_F(WindowFirmwareList, IdentityFieldsAreReadOnlyTextBoxes) {
  TfrmInterface& f = *FForm;
  for (TzrTextBox* box :
       {f.eController, f.eHardware, f.eFirmware, f.tbController, f.tbHardware, f.tbFirmware}) {
    SCOPED_TRACE(box->GetName());
    EXPECT_TRUE(box->GetReadOnly());
    box->SetText(u"ESC_A");
    uint16_t key = 0;
    char16_t typed = u'x';
    box->KeyDown(key, typed, 0);
    key = 8;
    typed = 0;
    box->KeyDown(key, typed, 0);
    EXPECT_EQ(Text(box), "ESC_A");
  }
}

TEST_F(WindowFirmwareList, LampsButtonsAndBoxesFollowTheRowsAndTheSettingsRead) {
  TfrmInterface& f = *FForm;
  f.FModelDatabase = MakeDatabase("m_settings.db3", SoftwareRows({{1, "X"}, {2, "Z"}}));
  WriteFile("m_version_control.ini",
            "[ESC_A HW1]\nbatch=1\nversionnum1=2\nversion1_1=FW1\n"
            "version1_2=x\n");
  f.LoadFirmwareList();  // first run: settings not read yet
  ASSERT_EQ(f.cbFirmware->Count(), 1);
  EXPECT_EQ(UTF16ToUTF8(zrComboText(f.cbFirmware)), "X");
  EXPECT_EQ(f.cbFirmware->GetItemIndex(), 0);
  EXPECT_EQ(f.Circle1->GetFill()->GetColor(), "#FF00AA00");
  EXPECT_EQ(f.Circle2->GetFill()->GetColor(), "#FF004A00");
  EXPECT_FALSE(f.btnUpdate->GetEnabled());
  EXPECT_FALSE(f.btnDefault->GetEnabled());
  EXPECT_TRUE(f.btnUpgrade->GetEnabled());
  EXPECT_EQ(Text(f.eController), "ESC_A");
  EXPECT_EQ(Text(f.eFirmware), "fw1");

  f.FSettingsRead = true;
  f.FPageDef.tab = 1;
  f.LoadFirmwareList();                 // second run, after the settings read
  EXPECT_EQ(f.cbFirmware->Count(), 1);  // rebuilt, not appended
  EXPECT_EQ(f.Circle2->GetFill()->GetColor(), "#FF00AA00");
  EXPECT_TRUE(f.btnUpdate->GetEnabled());
  EXPECT_TRUE(f.btnDefault->GetEnabled());

  f.FPageDef.tab = 0;  // a page without groups cannot be written
  f.LoadFirmwareList();
  EXPECT_FALSE(f.btnUpdate->GetEnabled());
}

TEST_F(WindowFirmwareList, OnlyUnusableRowsDarkenTheLinkLamp) {
  TfrmInterface& f = *FForm;
  f.FModelDatabase = MakeDatabase("m_settings.db3", SoftwareRows({{1, "X@"}, {2, "Y$"}}));
  f.FSettingsRead = true;
  f.FPageDef.tab = 2;
  f.LoadFirmwareList();
  EXPECT_EQ(f.Circle1->GetFill()->GetColor(), "#FF004A00");
  EXPECT_EQ(f.Circle2->GetFill()->GetColor(), "#FF004A00");
  EXPECT_FALSE(f.btnUpdate->GetEnabled());
  EXPECT_FALSE(f.btnUpgrade->GetEnabled());
  EXPECT_FALSE(f.eController->GetEnabled());
}

TEST_F(WindowFirmwareList, ChannelPageUsesItsOwnBoxesAndNeverUpgradesADataLink) {
  TfrmInterface& f = *FForm;
  f.DATALINK2->SetChecked(true);
  f.FModel = "VL_DATALINK";
  f.FModelDatabase = MakeDatabase("m_settings.db3",
                                  "insert into splash values (1, 'VL_DATALINK');"
                                  "insert into controller values (10, 'VL316A', 1);"
                                  "insert into software values (1, '', x'00', 'D1', 10);");
  f.FHardware = "VL316A";
  f.FFirmware = "D1";
  WriteFile("m_version_control.ini",
            "[VL_DATALINK VL316A]\nbatch=1\nversionnum1=1\nversion1_1=D1\n");
  f.LoadFirmwareList();
  EXPECT_EQ(Text(f.tbController), "QB_DATALINK");
  EXPECT_EQ(Text(f.tbHardware), "QB316A");
  EXPECT_EQ(Text(f.tbFirmware), "D1");
  EXPECT_EQ(f.scbFirmware->Count(), 1);
  EXPECT_EQ(f.cbFirmware->Count(), 0);
  EXPECT_TRUE(f.scbFirmware->GetEnabled());
  EXPECT_FALSE(f.btnUpgrade2->GetEnabled());
}

TEST_F(WindowFirmwareList, ExtraIdentityReplacesTheFirmwareOfOneModel) {
  TfrmInterface& f = *FForm;
  f.FModel = "VO_VAV_OVI_V5";
  f.FDeviceExtraId = "EXTRA7";
  f.FModelDatabase = MakeDatabase("m_settings.db3",
                                  "insert into splash values (1, 'VO_VAV_OVI_V5');"
                                  "insert into controller values (10, 'HW1', 1);"
                                  "insert into software values (1, '', x'00', 'N8', 10);");
  WriteFile("m_version_control.ini",
            "[VO_VAV_OVI_V5 HW1]\nbatch=1\nversionnum1=2\nversion1_1=extra7\nversion1_2=N8\n");
  f.LoadFirmwareList();
  EXPECT_EQ(Text(f.eFirmware), "EXTRA7");
  EXPECT_EQ(f.cbFirmware->Count(), 1);
}

TEST_F(WindowFirmwareList, BrokenOrMissingDatabaseChangesLittle) {
  TfrmInterface& f = *FForm;
  f.LCDProgramCard1->SetChecked(true);
  f.LCDProgramCard1->SetCaption("LCD Program Card");
  f.FModel = "PROGRAMECARD";
  f.FHardware = "MYXHarLINKV1.0";
  // No table software: the identity boxes only.
  f.FModelDatabase = MakeDatabase("m_settings.db3", "drop table software;");
  f.LoadFirmwareList();
  EXPECT_EQ(Text(f.eController), "LCD Program Card");
  EXPECT_EQ(Text(f.eHardware), "VL310 V1.0");
  EXPECT_EQ(Text(f.eFirmware), "fw1");
  EXPECT_EQ(f.Circle1->GetFill()->GetColor(), "#FF00AA00");  // lamps unchanged

  f.eController->SetText(u"kept");
  f.FModelDatabase = FDir + "missing_settings.db3";
  f.LoadFirmwareList();
  EXPECT_EQ(Text(f.eController), "kept");
  EXPECT_FALSE(std::filesystem::exists(f.FModelDatabase));  // never created
  f.FModelDatabase.clear();
  f.LoadFirmwareList();
  EXPECT_EQ(Text(f.eController), "kept");
}

}  // namespace

namespace {

TEST(SelectModelDatabase, UnknownModelLeavesNoEarlierPathBehind) {
  TfrmInterface form(nullptr);
  if (!form.lVersion) form.lVersion = new TzrTextControl(&form);
  form.lVersion->SetText(u"Database Version 1");
  form.FModelDatabase = "/old/esc_settings.db3";

  form.FModel.clear();  // no identity: nothing happens
  form.SelectModelDatabase();
  EXPECT_EQ(form.FModelDatabase, "/old/esc_settings.db3");
  EXPECT_EQ(form.lVersion->GetText(), u"Database Version 1");

  form.FModel = "NO_DATABASE_KNOWS_THIS_MODEL";
  form.SelectModelDatabase();
  EXPECT_EQ(form.FModelDatabase, "");
  EXPECT_EQ(form.lVersion->GetText(), u"");
}

}  // namespace
