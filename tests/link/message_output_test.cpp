// Messages in the message area and the information box.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "controls/zr_objects_text.h"
#include "platform/rtl/IniFiles.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_scene.h"
#include "tests/link/link_fixture.h"

namespace {

class MessageTest : public LinkFixture {
 protected:
  MessageTest() {
    TfrmInfo::ModalHandler = [this](TfrmInfo& box) {
      InfoTexts.push_back(UTF16ToUTF8(box.Label1->GetText()));
      Caption = box.GetCaption();
      Button = UTF16ToUTF8(box.btnOk->GetText());
      Left = box.GetLeft();
      Top = box.GetTop();
      if (WhileOpen) {
        auto run = std::move(WhileOpen);
        run();
      }
      return static_cast<int>(mrOk);
    };
  }
  std::string Caption, Button;
  int Left = 0, Top = 0;
  // Runs once inside the next box's modal loop (a timer tick, say).
  std::function<void()> WhileOpen;
};

TEST_F(MessageTest, NewestMessageOnTop) {
  Form->ShowMessageText("first", 0);
  Form->ShowMessageText("second", 0);
  Form->ShowMessageText("third", 0);
  const std::vector<std::u16string> expected = {u"third", u"second", u"first"};
  EXPECT_EQ(Form->eMessage->GetUnwrapLines(), expected);
  EXPECT_EQ(Form->eMessage->GetCaretPosition(), (TCaretPosition{0, 0}));
  EXPECT_TRUE(InfoTexts.empty());
}

TEST_F(MessageTest, AreaByProductMode) {
  const struct {
    TMenuItem* TfrmInterface::*item;
    bool dataLinkArea;
  } cases[] = {{&TfrmInterface::ESCSpeedController1, false},
               {&TfrmInterface::MotorChecker1, false},
               {&TfrmInterface::LCDProgramCard1, false},
               {&TfrmInterface::DATALINK1, false},
               {&TfrmInterface::DATALINK2, true},
               {&TfrmInterface::DATALINK3, true},
               {&TfrmInterface::DATALINK4, true},
               {&TfrmInterface::DATALINK5, false}};
  for (const auto& c : cases) {
    (Form.get()->*c.item)->SetChecked(true);
    Form->eMessage->Lines()->Clear();
    Form->zrmMessage->Lines()->Clear();
    Form->ShowMessageText("m", 0);
    EXPECT_EQ(Form->zrmMessage->GetUnwrapLines().size(), c.dataLinkArea ? 1u : 0u);
    EXPECT_EQ(Form->eMessage->GetUnwrapLines().size(), c.dataLinkArea ? 0u : 1u);
  }
}

TEST_F(MessageTest, KindsOneAndTwo) {
  Form->ShowMessageText("box only", 1);
  EXPECT_TRUE(Form->eMessage->GetUnwrapLines().empty());
  ASSERT_EQ(InfoTexts.size(), 1u);
  EXPECT_EQ(InfoTexts[0], "box only");
  EXPECT_EQ(Caption, "Information");
  EXPECT_EQ(Button, "Ok");
  Form->ShowMessageText("", 2);
  // An empty message on an empty area adds no text, so no line.
  EXPECT_TRUE(Form->eMessage->GetUnwrapLines().empty());
  EXPECT_EQ(InfoTexts.size(), 2u);
  TfrmInfo* box = Form->FInfoForm;
  Form->ShowMessageText("again", 1);
  EXPECT_EQ(Form->FInfoForm, box);  // created once
}

TEST_F(MessageTest, ChineseKeysOfTheBox) {
  auto ini = std::make_unique<TMemIniFile>("");
  ini->WriteString("common", "chsInfoTitle", "提示");
  ini->WriteString("common", "chsbtn_Ok", "确定");
  ini->WriteString("common", "engInfoTitle", "Note");
  Form->FLangIni = std::move(ini);
  Form->Chinese1->SetChecked(true);
  Form->ShowMessageText("x", 1);
  EXPECT_EQ(Caption, "提示");
  EXPECT_EQ(Button, "确定");
  Form->Chinese1->SetChecked(false);
  Form->ShowMessageText("x", 1);
  EXPECT_EQ(Caption, "Note");
  EXPECT_EQ(Button, "Ok");
  // The box takes the main window's style sheet.
  EXPECT_EQ(Form->FInfoForm->ControlsScene->GetStyle(), Form->ControlsScene->GetStyle());
}

// Where the box really opens on the screen (centred on the main window's
// frame, as the window manager placed it) is read from X in the form tests;
// here: the box asks to be centred on the main window, whatever place the
// main window was given, and keeps no fixed place of its own.
TEST_F(MessageTest, BoxCentredOnTheMainWindow) {
  for (const int left : {100, -40, 200}) {
    Form->SetCentered(false);
    Form->SetBounds(left, 50, 797, 623);
    Form->ShowMessageText("x", 1);
    EXPECT_EQ(Form->FInfoForm->GetPosition(), poMainFormCenter) << left;
  }
}

TEST_F(MessageTest, MessagesDuringAnOpenBoxFollowInOrder) {
  std::vector<std::u16string> areaWhileOpen;
  WhileOpen = [this, &areaWhileOpen] {
    Form->ShowMessageText("second", 2);
    Form->ShowMessageText("third", 1);
    areaWhileOpen = Form->eMessage->GetUnwrapLines();
    EXPECT_EQ(InfoTexts.size(), 1u);  // the open box is not entered again
  };
  Form->ShowMessageText("first", 1);
  EXPECT_EQ(InfoTexts, (std::vector<std::string>{"first", "second", "third"}));
  EXPECT_EQ(areaWhileOpen, std::vector<std::u16string>{u"second"});  // the area at once
  Form->ShowMessageText("fourth", 1);                                // nothing left waiting
  EXPECT_EQ(InfoTexts.size(), 4u);
}

TEST_F(MessageTest, LoadPicture) {
  std::string pattern = (std::filesystem::temp_directory_path() / "escpicXXXXXX").string();
  const std::filesystem::path folder = mkdtemp(pattern.data());
  SetProgramFolder(folder.string() + "/");
  InitializeCanvasGdiPlus();  // the image codecs
  TzrBitmap picture(3, 2);
  picture.SaveToFile((folder / "logo.png").string());
  TzrImage image(nullptr);
  Form->LoadPicture(&image, "");
  Form->LoadPicture(&image, "missing.png");
  EXPECT_EQ(image.GetBitmap()->GetWidth(), 0);
  Form->LoadPicture(&image, "logo.png");
  EXPECT_EQ(image.GetBitmap()->GetWidth(), 3);
  EXPECT_EQ(image.GetBitmap()->GetHeight(), 2);
  SetProgramFolder("");
  std::filesystem::remove_all(folder);
}

}  // namespace
