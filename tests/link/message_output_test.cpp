// Messages in the message area and the information box.

#include <gtest/gtest.h>

#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "platform/vcl/Menus.h"
#include "tests/link/link_fixture.h"

namespace {

class MessageTest : public LinkFixture {
 protected:
  MessageTest() {
    TfrmInfo::ModalHandler = [this](TfrmInfo& box) {
      InfoTexts.push_back(UTF16ToUTF8(box.Label1->GetText()));
      Caption = box.GetCaption();
      Button = UTF16ToUTF8(box.btnOk->GetText());
      return static_cast<int>(mrOk);
    };
  }
  std::string Caption, Button;
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

}  // namespace
