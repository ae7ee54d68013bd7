// Command frames, sending with retries, replies and acknowledgements.

#include <gtest/gtest.h>

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_listbox.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_strings.h"
#include "tests/link/link_fixture.h"

namespace {

class FrameTest : public LinkFixture {
 protected:
  void SetUp() override {
    PlugController();
    Arrive();
  }
  std::vector<uint8_t> Sent(uint8_t command) {
    Device->Written.clear();
    EXPECT_TRUE(Form->SendCommand(command));
    return Device->Written.empty() ? std::vector<uint8_t>() : Device->Written.back();
  }
};

TEST_F(FrameTest, FramesAsTheyGoOut) {
  EXPECT_EQ(Sent(0), HexBytes("A5 00 FF 5A"));
  EXPECT_EQ(Sent(5), HexBytes("A5 05 FA 5A"));
  EXPECT_EQ(Sent(7), HexBytes("A5 07 00 00 00 1E 58 5A"));
  Form->FLoadingSettings = true;
  EXPECT_EQ(Sent(9), HexBytes("A5 09 01 00 00 FF 11 62 5A"));
  Form->FModel = "AIRPLANE";
  EXPECT_EQ(Sent(9).size(), 8u);
  EXPECT_EQ(Sent(9)[4], 0);
}

TEST_F(FrameTest, ModeByteFromTheModeSelector) {
  auto* mode = new TzrStringComboBox(Form.get());
  mode->SetName("cbMode");
  mode->GetItems()->Add(u"a");
  mode->GetItems()->Add(u"b");
  EXPECT_EQ(Sent(10)[5], 255);  // nothing selected
  mode->SetItemIndex(1);
  const std::vector<uint8_t> frame = Sent(10);
  EXPECT_EQ(frame[5], 1);
  const uint16_t crc = TfrmInterface::Crc16Ccitt(frame.data(), 6);
  EXPECT_EQ(frame[6], crc & 0xFF);
  EXPECT_EQ(frame[7], crc >> 8);
  Form->FScanMode = true;
  EXPECT_EQ(Sent(10)[5], 255);
}

TEST_F(FrameTest, DataLinkCommandsCarryTheirOwnMarkers) {
  Device->Written.clear();
  ASSERT_TRUE(Form->SendCommandArg(21, 1));
  EXPECT_EQ(Device->Written.back(), HexBytes("A8 15 00 00 01 8A 9F 8A"));
  Form->FFrameStart = 0xA8;
  Form->FFrameEnd = 0x8A;
  Form->FScanMode = true;
  Form->DATALINK4->SetChecked(true);
  EXPECT_EQ(Sent(17), HexBytes("A8 11 00 00 01 7B 55 8A"));
  // Mode 2 gets the sub byte of data-link modes 3 and 4.
  Device->Written.clear();
  ASSERT_TRUE(Form->SendCommandArg(21, 2));
  EXPECT_EQ(Device->Written.back()[3], 2);
  Form->DATALINK3->SetChecked(true);
  Form->DATALINK4->SetChecked(false);
  ASSERT_TRUE(Form->SendCommandArg(21, 2));
  EXPECT_EQ(Device->Written.back()[3], 1);
}

TEST_F(FrameTest, NotConnectedFailedWriteIsNotRepeated) {
  Device->RefuseWrites = -1;
  Device->Written.clear();
  const uint32_t before = GetTickCount();
  EXPECT_FALSE(Form->SendCommand(0));
  EXPECT_LE(GetTickCount() - before, 400u);  // one write time-out, no retries
}

TEST_F(FrameTest, ConnectedSendRetriesWithinItsWindow) {
  Form->FConnected = true;
  Device->Written.clear();
  Device->RefuseWrites = 3;
  EXPECT_TRUE(Form->SendCommand(0));
  EXPECT_EQ(Device->Written.size(), 1u);
  Device->RefuseWrites = -1;
  const uint32_t before = GetTickCount();
  EXPECT_FALSE(Form->SendCommand(0));
  // Each refused write costs its 300 ms time-out: no attempt starts after 1500 ms.
  EXPECT_LE(GetTickCount() - before, 1500u + 300u + 10u);
}

TEST_F(FrameTest, NoAdapterListedFailsAtOnce) {
  Form->DevListBox->Clear();
  const uint32_t before = GetTickCount();
  EXPECT_FALSE(Form->SendCommand(0));
  EXPECT_FALSE(Form->SendCommandArg(21, 1));
  EXPECT_EQ(Form->ReadReply(1), 2);
  EXPECT_EQ(Form->WaitAck(1), 2);
  EXPECT_EQ(GetTickCount(), before);
  EXPECT_EQ(Device->Written.size(), 0u);
}

TEST_F(FrameTest, ReplyResults) {
  ASSERT_TRUE(Form->SendCommand(0));
  EXPECT_EQ(Form->ReadReply(1), 0);
  EXPECT_EQ(Form->ReadReply(1), 2);  // nothing more
  Device->Reply(SimShortFrame(0xA5, 2, 0x5A));
  EXPECT_EQ(Form->ReadReply(1), 1);
}

TEST_F(FrameTest, StatusFrameSetsChannelPresence) {
  std::vector<uint8_t> status(24, 0);
  status[0] = 0xA5;
  status[1] = 17;
  status[5] = 1;
  status[7] = 9;
  status[12] = 1;
  status[23] = 0x5A;
  Device->Reply(status);
  EXPECT_EQ(Form->ReadReply(17), 0);
  const bool expected[8] = {true, false, true, false, false, false, false, true};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(Form->FChannelPresent[k], expected[k]) << k;
}

TEST_F(FrameTest, WaitAckTriesTenTimes) {
  Device->SilentReads = 9;
  Device->Reply(SimShortFrame(0xA5, 2, 0x5A));
  EXPECT_EQ(Form->WaitAck(2), 0);
  Device->Reply(SimShortFrame(0xA5, 3, 0x5A));
  EXPECT_EQ(Form->WaitAck(2), 1);
  const int reads = Device->Reads;
  EXPECT_EQ(Form->WaitAck(2), 2);
  EXPECT_EQ(Device->Reads - reads, 10);
}

}  // namespace
