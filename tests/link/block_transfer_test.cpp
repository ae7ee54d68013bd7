// Block writes and reads in acknowledged 16-byte chunks, and their failure paths.

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>

#include "app/frmInterface.h"
#include "controls/zr_listbox.h"
#include "tests/link/link_fixture.h"
#include "platform/vcl/ListBox.h"

namespace {

std::vector<uint8_t> Pattern(size_t length) {
  std::vector<uint8_t> data(length);
  for (size_t i = 0; i < length; ++i) data[i] = static_cast<uint8_t>(i * 13 + 5);
  return data;
}

class BlockTest : public LinkFixture {
 protected:
  void SetUp() override {
    Connect();
    Form->FConnected = true;
  }
  // Reads the settings block (command 9) into a fresh buffer.
  bool ReadSettingsBlock(std::vector<uint8_t>& out) {
    out.assign(TfrmInterface::kBlockBufferSize, 0xEE);
    return Form->ReadBlock(9, out.data(), false);
  }
};

TEST_F(BlockTest, SettingsWriteOf688BytesIn44Chunks) {
  const std::vector<uint8_t> data = Pattern(688);
  Device->Written.clear();
  ASSERT_TRUE(Form->WriteBlock(8, data.data(), 500, 688));
  ASSERT_EQ(Device->Written.size(), 44u);
  for (size_t k = 0; k < 43; ++k) {
    const std::vector<uint8_t>& frame = Device->Written[k];
    ASSERT_EQ(frame.size(), 24u);
    EXPECT_EQ(frame[2], 16);
    EXPECT_EQ(frame[3] + 256 * frame[4], static_cast<int>(k));
  }
  EXPECT_EQ(Device->Written.back(), HexBytes("A5 08 00 2B 00 EC 56 5A"));
  EXPECT_EQ(Controller->LastWrite, data);
}

TEST_F(BlockTest, WriteRepeatsUnacknowledgedChunks) {
  const std::vector<uint8_t> data = Pattern(40);
  Controller->DropAcks = 3;
  ASSERT_TRUE(Form->WriteBlock(8, data.data(), 0, 40));
  EXPECT_EQ(Controller->LastWrite, data);
  EXPECT_EQ(Device->Written.size(), 3u + 3u);
}

TEST_F(BlockTest, WriteGivesUpAfterTwentyAttemptsAndDropsTheConnection) {
  const std::vector<uint8_t> data = Pattern(40);
  Controller->RejectWrites = true;
  Device->Written.clear();
  EXPECT_FALSE(Form->WriteBlock(8, data.data(), 0, 40));
  EXPECT_EQ(Device->Written.size(), 20u);
  EXPECT_FALSE(Form->FConnected);
}

TEST_F(BlockTest, WriteStopsWhenTheLinkIsReleased) {
  const std::vector<uint8_t> data = Pattern(40);
  Form->FBusy = false;
  Device->Written.clear();
  EXPECT_FALSE(Form->WriteBlock(8, data.data(), 0, 40));
  EXPECT_TRUE(Device->Written.empty());
}

TEST_F(BlockTest, ReadOfTheWholeBlock) {
  Controller->Settings = Pattern(240);
  std::vector<uint8_t> out;
  ASSERT_TRUE(ReadSettingsBlock(out));
  EXPECT_TRUE(std::equal(Controller->Settings.begin(), Controller->Settings.end(), out.begin()));
  EXPECT_EQ(out[240], 0xEE);  // nothing beyond the block
}

// A fault on one chunk: the read recovers and delivers the whole block.
TEST_F(BlockTest, ReadRecoversFromBadChunks) {
  const TChunkFault faults[] = {
      TChunkFault::WrongIndex,  TChunkFault::BadCrc,         TChunkFault::WrongMarkers,
      TChunkFault::ShortReport, TChunkFault::OverlongReport, TChunkFault::HugeLength,
      TChunkFault::Drop};
  for (TChunkFault fault : faults) {
    Controller->Settings = Pattern(100);
    Controller->ChunkFaults = {{2, fault}};
    std::vector<uint8_t> out;
    ASSERT_TRUE(ReadSettingsBlock(out)) << static_cast<int>(fault);
    EXPECT_TRUE(std::equal(Controller->Settings.begin(), Controller->Settings.end(), out.begin()))
        << static_cast<int>(fault);
  }
}

TEST_F(BlockTest, WrongIndexIsAnsweredWithANak) {
  Controller->ChunkFaults = {{1, TChunkFault::WrongIndex}};
  std::vector<uint8_t> out;
  ASSERT_TRUE(ReadSettingsBlock(out));
  EXPECT_EQ(Controller->Naks, 1);
}

TEST_F(BlockTest, ShortChunkEndsTheRead) {
  Controller->Settings = Pattern(37);  // 16 + 16 + 5
  std::vector<uint8_t> out;
  ASSERT_TRUE(ReadSettingsBlock(out));
  EXPECT_TRUE(std::equal(Controller->Settings.begin(), Controller->Settings.end(), out.begin()));
  EXPECT_EQ(out[37], 0xEE);
}

TEST_F(BlockTest, EndFrameEndsTheReadWithItsOwnBytes) {
  Controller->Settings = Pattern(100);
  Controller->ChunkFaults = {{1, TChunkFault::EndFrame}};
  std::vector<uint8_t> out;
  ASSERT_TRUE(ReadSettingsBlock(out));
  const std::vector<uint8_t> end =
      SimDataFrame(0xA5, 10, 1, Controller->Settings.data() + 16, 16, 0x5A);
  EXPECT_TRUE(std::equal(end.begin(), end.begin() + 16, out.begin()));
  EXPECT_EQ(out[16], 0xEE);
}

TEST_F(BlockTest, NakFromTheDeviceRequestsTheBlockAgain) {
  Controller->NakRequests = 2;
  std::vector<uint8_t> out;
  ASSERT_TRUE(ReadSettingsBlock(out));
  EXPECT_EQ(Controller->SettingsRequests, 3);
}

TEST_F(BlockTest, MissedReadsRepeatTheLastReply) {
  Controller->Settings = Pattern(60);
  Device->SilentReads = 5;
  std::vector<uint8_t> out;
  ASSERT_TRUE(ReadSettingsBlock(out));
  EXPECT_TRUE(std::equal(Controller->Settings.begin(), Controller->Settings.end(), out.begin()));
}

TEST_F(BlockTest, TenMissesEndAPassAndTenPassesTheRead) {
  Controller->Silent = true;
  std::vector<uint8_t> out;
  EXPECT_FALSE(ReadSettingsBlock(out));
  EXPECT_EQ(out[0], 0xEE);  // a failed read leaves the destination untouched
  EXPECT_EQ(Controller->SettingsRequests, 0);
}

TEST_F(BlockTest, DeviceThatNaksForeverEndsTheRead) {
  Controller->NakRequests = -1;
  std::vector<uint8_t> out;
  EXPECT_FALSE(ReadSettingsBlock(out));
  EXPECT_EQ(Controller->SettingsRequests, 10);
}

TEST_F(BlockTest, AdapterThatRefusesEveryWriteEndsTheRead) {
  Device->RefuseWrites = -1;
  std::vector<uint8_t> out;
  EXPECT_FALSE(ReadSettingsBlock(out));
}

TEST_F(BlockTest, ReleasedLinkEndsTheRead) {
  Form->FBusy = false;
  std::vector<uint8_t> out;
  EXPECT_FALSE(ReadSettingsBlock(out));
  EXPECT_TRUE(Device->Written.empty());
}

TEST_F(BlockTest, UnplugDuringTheReadResetsTheLink) {
  Controller->Settings = Pattern(200);
  Device->UnplugAfterReads = 4;
  std::vector<uint8_t> out;
  EXPECT_FALSE(ReadSettingsBlock(out));
  EXPECT_FALSE(Form->FBusy);
  EXPECT_EQ(Form->FDevice, nullptr);
  EXPECT_EQ(Form->DevListBox->Count(), 0);
}

TEST_F(BlockTest, ChunkLengthMustFitTheFrame) {
  // A 9-byte frame (identifier 3) whose length byte claims 16 bytes of data.
  std::vector<uint8_t> frame = SimDataFrame(0xA5, 9, 0, Pattern(1).data(), 1, 0x5A);
  frame[2] = 16;
  Controller->Silent = true;
  Device->Reply(frame);
  Form->FConnected = false;
  std::vector<uint8_t> out;
  EXPECT_FALSE(ReadSettingsBlock(out));
  EXPECT_EQ(out[0], 0xEE);
}

TEST_F(BlockTest, BlockLongerThanTheBufferIsRefused) {
  Controller->Settings = Pattern(TfrmInterface::kBlockBufferSize + 16);
  std::vector<uint8_t> out;
  EXPECT_FALSE(ReadSettingsBlock(out));
  EXPECT_EQ(out[0], 0xEE);
}

}  // namespace
