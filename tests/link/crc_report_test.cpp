// CRC routines and the HID report layer.

#include <gtest/gtest.h>

#include <cstring>

#include "app/frmInterface.h"
#include "controls/zr_listbox.h"
#include "platform/hid/HidApi.h"
#include "tests/link/link_fixture.h"
#include "platform/vcl/ListBox.h"

namespace {

const uint8_t kDigits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};

TEST(Crc16, CheckValuesAndEmptyInput) {
  EXPECT_EQ(TfrmInterface::Crc16Ccitt(kDigits, 9), 0x31C3);
  EXPECT_EQ(TfrmInterface::Crc16Ccitt(kDigits, 0), 0);
  EXPECT_EQ(TfrmInterface::Crc16Modbus(kDigits, 9), 0x4B37);
  EXPECT_EQ(TfrmInterface::Crc16Modbus(kDigits, 0), 0xFFFF);
  const uint8_t request[] = {0x01, 0x03, 0x00, 0x00, 0x00, 0x04};
  EXPECT_EQ(TfrmInterface::Crc16Modbus(request, 6), 0x0944);
}

TEST(Crc16, TableForAnotherPolynomialDoesNotLeakIntoFrameCrc) {
  TfrmInterface::BuildCrc16Table(0x8005);
  EXPECT_EQ(TfrmInterface::Crc16Ccitt(kDigits, 9), 0x31C3);
}

TEST(Reports, IdentifierByFrameLength) {
  const struct {
    int length, id;
  } cases[] = {{4, 1}, {8, 2}, {9, 3}, {24, 4}, {12, 4}, {1, 4}, {48, 4}};
  for (const auto& c : cases)
    EXPECT_EQ(TfrmInterface::ReportIdForFrameLength(c.length), c.id) << "length " << c.length;
}

TEST(Reports, FrameLengthByIdentifier) {
  const struct {
    int id, length;
  } cases[] = {{1, 4},  {5, 4},  {2, 8},  {6, 8},   {3, 9},    {7, 9},   {4, 24},
               {8, 24}, {0, 48}, {9, 48}, {10, 48}, {200, 48}, {255, 48}};
  for (const auto& c : cases)
    EXPECT_EQ(TfrmInterface::FrameLengthForReportId(c.id), c.length) << "id " << c.id;
}

class ReportTest : public LinkFixture {
 protected:
  void SetUp() override {
    PlugController();
    Arrive();
  }
  // Reads one report after queuing a raw input report.
  bool ReadRaw(const std::vector<uint8_t>& report, uint8_t* frame) {
    Device->ClearPending();
    Device->ReplyRaw(report);
    return Form->ReadReport(frame, 150);
  }
};

TEST_F(ReportTest, EmptyQueuedReportReadsAsATimeOut) {
  Device->ClearPending();
  Device->ReplyRaw({});
  Device->ReplyRaw({1, 0xA5, 0x01, 0xFE, 0x5A});
  unsigned char data[8] = {0xEE};
  EXPECT_EQ(hid::hid_read_timeout(Form->FDevice, data, sizeof data, 50), 0);
  EXPECT_EQ(data[0], 0xEE);  // nothing copied
  EXPECT_EQ(hid::hid_read_timeout(Form->FDevice, data, sizeof data, 50), 5);
}

TEST_F(ReportTest, WriteUsesIdentifierAndZeroPadding) {
  const uint8_t frame[] = {0xA5, 0x00, 0xFF, 0x5A};
  ASSERT_TRUE(Form->WriteReport(frame, 4));
  ASSERT_EQ(Device->Written.back(), HexBytes("A5 00 FF 5A"));
}

TEST_F(ReportTest, ValidFramesByIdentifier) {
  uint8_t frame[48] = {};
  EXPECT_TRUE(ReadRaw({1, 0xA5, 0x01, 0xFE, 0x5A}, frame));
  EXPECT_EQ(std::vector<uint8_t>(frame, frame + 4), HexBytes("A5 01 FE 5A"));
  // Identifiers 0 and 9 mean a 48-byte frame: its end marker sits at byte 48.
  for (uint8_t id : {0, 9}) {
    std::vector<uint8_t> report(49, 0);
    report[0] = id;
    report[1] = 0xA5;
    report[48] = 0x5A;
    EXPECT_TRUE(ReadRaw(report, frame)) << int(id);
    report[48] = 0;
    report[4] = 0x5A;
    EXPECT_FALSE(ReadRaw(report, frame)) << int(id);
  }
}

TEST_F(ReportTest, RejectedReports) {
  uint8_t frame[48] = {};
  // Identifier says 4 bytes but byte 4 is not the end marker.
  EXPECT_FALSE(ReadRaw({1, 0xA5, 0x01, 0xFE, 0x00, 0x5A}, frame));
  // Wrong start marker.
  EXPECT_FALSE(ReadRaw({1, 0xA6, 0x01, 0xFE, 0x5A}, frame));
  // Fewer than 2 bytes, or none at all.
  EXPECT_FALSE(ReadRaw({1}, frame));
  EXPECT_FALSE(ReadRaw({}, frame));
  // 64 bytes or more.
  Form->FReadLength = 65;
  std::vector<uint8_t> longReport(64, 0);
  longReport[0] = 1;
  longReport[1] = 0xA5;
  longReport[4] = 0x5A;
  EXPECT_FALSE(ReadRaw(longReport, frame));
  longReport.resize(63);
  EXPECT_TRUE(ReadRaw(longReport, frame));
}

TEST_F(ReportTest, NothingArrivesWithinTheTimeOut) {
  const uint32_t before = GetTickCount();
  uint8_t frame[48] = {};
  EXPECT_FALSE(Form->ReadReport(frame, 150));
  EXPECT_GE(GetTickCount() - before, 150u);
}

TEST_F(ReportTest, NoOpenAdapterTouchesNothing) {
  Form->ReleaseAdapter();
  const size_t writes = Device->Written.size();
  const int reads = Device->Reads;
  uint8_t frame[48] = {};
  EXPECT_FALSE(Form->WriteReport(frame, 4));
  EXPECT_FALSE(Form->ReadReport(frame, 150));
  EXPECT_EQ(Device->Written.size(), writes);
  EXPECT_EQ(Device->Reads, reads);
}

TEST_F(ReportTest, AdapterThatTakesNoReportFailsTheWrite) {
  Device->RefuseWrites = 1;
  const uint8_t frame[] = {0xA5, 0x00, 0xFF, 0x5A};
  EXPECT_FALSE(Form->WriteReport(frame, 4));
  EXPECT_TRUE(Form->WriteReport(frame, 4));
}

TEST_F(ReportTest, PulledAdapterResetsTheLinkAndLooksAgain) {
  Form->FModel = "CAR_ESC";
  Form->FConnected = true;
  const int initsBefore = Adapter.InitCalls;
  Adapter.Unplug(*Device);
  uint8_t frame[48] = {};
  EXPECT_FALSE(Form->ReadReport(frame, 150));
  EXPECT_EQ(Form->FDevice, nullptr);
  EXPECT_EQ(Form->FDevicePath, nullptr);
  EXPECT_TRUE(Form->FModel.empty());
  EXPECT_FALSE(Form->FConnected);
  EXPECT_GT(Adapter.InitCalls, initsBefore);
  EXPECT_EQ(Form->DevListBox->Count(), 0);
  EXPECT_FALSE(Form->LinkTimerEnabled());
}

TEST_F(ReportTest, PulledAdapterWithAnotherStillPluggedReopensThatOne) {
  TSimDevice& first = *Device;
  PlugController();
  first.UnplugAfterReads = 0;
  uint8_t frame[48] = {};
  EXPECT_FALSE(Form->ReadReport(frame, 150));
  EXPECT_EQ(Form->DevListBox->Count(), 1);
  ASSERT_NE(Form->FDevicePath, nullptr);
  EXPECT_EQ(std::string(Form->FDevicePath), Device->Path());
  EXPECT_NE(Form->FDevice, nullptr);
  EXPECT_TRUE(Form->LinkTimerEnabled());
}

}  // namespace
