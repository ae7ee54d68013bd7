// The report header dialog: its form, the editable "Other" entry of the
// combo boxes, Cancel, and the picture of its panel.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_combo_text_box.h"
#include "controls/zr_compound.h"
#include "controls/zr_panels.h"
#include "controls/zr_text_box.h"
#include "files/frmInput.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/JpegImage.h"
#include "scene/zr_scene.h"
#include "scene/zr_strings.h"

namespace {

class InputDialog : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
};

void SetItems(TzrComboTextBox& combo, std::initializer_list<std::u16string> items) {
  TzrWideStringList list;
  for (const std::u16string& item : items) list.Add(item);
  combo.SetItems(&list);
}

TEST_F(InputDialog, OtherEntryMakesTheComboEditable) {
  TfrmInput dialog(nullptr);
  for (TzrComboTextBox* combo : {dialog.eRotor, dialog.eEcs}) {
    SCOPED_TRACE(combo->GetName());
    EXPECT_TRUE(combo->GetReadOnly());
    SetItems(*combo, {u"A", u"Other", u"其他"});
    combo->SetItemIndex(1);
    EXPECT_FALSE(combo->GetReadOnly());
    combo->SetItemIndex(0);
    EXPECT_TRUE(combo->GetReadOnly());
    combo->SetItemIndex(2);
    EXPECT_FALSE(combo->GetReadOnly());
  }
}

TEST_F(InputDialog, CancelEmptiesBoxesAndRadioButtonsButKeepsCombos) {
  TfrmInput dialog(nullptr);
  for (TzrCompoundTextBox* box : {dialog.eEvent, dialog.eDriver, dialog.eNation, dialog.eDate,
                                  dialog.eEndbell, dialog.eFinal})
    box->SetText(u"x");
  for (TzrTextBox* box :
       {dialog.eVersion, dialog.eChassis, dialog.eTyres, dialog.eMotor, dialog.eBattery})
    box->SetText(u"y");
  dialog.eNote->SetText(u"note");
  for (int i : {0, 3, 6, 10}) dialog.RadioButtons[i]->SetIsChecked(true);
  SetItems(*dialog.eRotor, {u"A", u"B"});
  dialog.eRotor->SetItemIndex(1);
  dialog.btnCancelClick(dialog.btnCancel);
  for (TzrCompoundTextBox* box : {dialog.eEvent, dialog.eDriver, dialog.eNation, dialog.eDate,
                                  dialog.eEndbell, dialog.eFinal})
    EXPECT_EQ(box->GetText(), u"") << box->GetName();
  for (TzrTextBox* box :
       {dialog.eVersion, dialog.eChassis, dialog.eTyres, dialog.eMotor, dialog.eBattery})
    EXPECT_EQ(box->GetText(), u"") << box->GetName();
  EXPECT_EQ(dialog.eNote->GetText(), u"");
  for (TzrRadioButton* button : dialog.RadioButtons) EXPECT_FALSE(button->GetIsChecked());
  EXPECT_EQ(dialog.eRotor->GetItemIndex(), 1);
  EXPECT_EQ(dialog.eRotor->GetText(), u"B");
  ASSERT_NE(dialog.HeaderImage(), nullptr);
}

TEST_F(InputDialog, PictureHasThePanelSizeAndShowsTheValues) {
  // The dialog draws in the main window's style, as the report gives it.
  TfrmInterface main(nullptr);
  main.OnActivate = nullptr;
  TfrmInput dialog(&main);
  dialog.ControlsScene->SetStyle(main.SceneStyle);
  EXPECT_EQ(dialog.GetClientWidth(), 749);
  EXPECT_EQ(dialog.GetClientHeight(), 287);
  EXPECT_EQ(dialog.HeaderImage(), nullptr);
  dialog.btnOkClick(dialog.btnOk);
  ASSERT_NE(dialog.HeaderImage(), nullptr);
  EXPECT_EQ(dialog.HeaderImage()->GetWidth(), 749);
  EXPECT_EQ(dialog.HeaderImage()->GetHeight(), 248);
  EXPECT_FALSE(dialog.HeaderImage()->GetGrayscale());
  EXPECT_EQ(dialog.HeaderImage()->GetCompressionQuality(), 100);
  const std::vector<uint8_t> empty = dialog.HeaderImage()->Data();
  dialog.eEvent->SetText(u"Winter Cup 2026");
  dialog.btnOkClick(dialog.btnOk);
  EXPECT_NE(dialog.HeaderImage()->Data(), empty);
}

}  // namespace
