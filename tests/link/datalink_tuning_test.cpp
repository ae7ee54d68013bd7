// Channel tuning: the Modbus frames and their reports, reading the colour and
// rotation into the page, writing them to the channel's registers, and the
// replies that must change nothing.

#include <gtest/gtest.h>

#include <cstring>

#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "link/ChannelTuningFrames.h"
#include "tests/link/datalink_fixture.h"

namespace {

class DataLinkTuningTest : public DataLinkFixture {
 protected:
  DataLinkTuningTest() {
    ArriveInMode(&TfrmInterface::DATALINK5Click);
    Channel = &Link->Attach(1);
  }
  std::string FirstLine() const {
    const auto lines = Lines(Form->sMessage);
    return lines.empty() ? "" : lines.front();
  }
  // The page as a read leaves it, for comparing before and after.
  struct TPage {
    bool red, green, blue, cw, ccw, write;
    std::vector<uint8_t> kept;
    bool operator==(const TPage&) const = default;
  };
  TPage Page() const {
    const TfrmInterface& f = *Form;
    return {f.cbRed->GetIsChecked(),
            f.cbGreen->GetIsChecked(),
            f.cbBlue->GetIsChecked(),
            f.rbCW->GetIsChecked(),
            f.rbCCW->GetIsChecked(),
            f.btnWrite->GetEnabled(),
            std::vector<uint8_t>(f.FChannelTuning, f.FChannelTuning + 4)};
  }

  TSimChannelDevice* Channel = nullptr;
};

std::vector<uint8_t> Frame(const uint8_t* bytes, int count) {
  return std::vector<uint8_t>(bytes, bytes + count);
}

TEST(ModbusFrames, RequestsCarryTheirBytesAndCrc) {
  uint8_t frame[kModbusWriteRequestLength];
  BuildModbusReadRequest(frame);
  EXPECT_EQ(Frame(frame, kModbusReadRequestLength), HexBytes("01 03 00 00 00 04 44 09"));

  const uint8_t zero[4] = {};
  BuildModbusWriteRequest(ChannelColourByte(true, false, true), zero, false, frame);
  EXPECT_EQ(Frame(frame, kModbusWriteRequestLength),
            HexBytes("01 10 00 00 00 04 08 00 A4 00 00 00 00 00 00 53 B0"));
  BuildModbusWriteRequest(ChannelColourByte(false, false, false), zero, true, frame);
  EXPECT_EQ(Frame(frame, kModbusWriteRequestLength),
            HexBytes("01 10 00 00 00 04 08 00 04 00 00 00 00 00 01 32 7A"));
  const uint8_t expected[] = {0x04, 0x24, 0x44, 0x64, 0x84, 0xA4, 0xC4, 0xE4};
  for (int bits = 0; bits < 8; ++bits)
    EXPECT_EQ(ChannelColourByte(bits & 1, bits & 2, bits & 4), expected[bits]);
}

TEST(ModbusFrames, RepliesAreCheckedWhole) {
  std::vector<uint8_t> read = HexBytes("01 03 08 00 64 12 34 56 78 00 01");
  SimAppendModbusCrc(read);
  read.resize(kModbusReplyLength);
  EXPECT_TRUE(IsModbusReadReply(read.data()));
  for (int i : {1, 2, 5, 11, 12}) {
    std::vector<uint8_t> bad = read;
    bad[i] ^= 0x10;
    EXPECT_FALSE(IsModbusReadReply(bad.data())) << "byte " << i;
  }
  std::vector<uint8_t> write = HexBytes("01 10 00 00 00 04");
  SimAppendModbusCrc(write);
  write.resize(kModbusReplyLength);
  EXPECT_TRUE(IsModbusWriteReply(write.data()));
  for (int i : {0, 1, 5, 6, 7}) {
    std::vector<uint8_t> bad = write;
    bad[i] ^= 0x01;
    EXPECT_FALSE(IsModbusWriteReply(bad.data())) << "byte " << i;
  }
}

TEST_F(DataLinkTuningTest, ReadRequestTravelsInItsOwnReport) {
  Form->btnReadClick(Form->btnRead);
  ASSERT_EQ(Link->ModbusReports.size(), 1u);
  std::vector<uint8_t> report(49, 0);
  const std::vector<uint8_t> request = HexBytes("0A 01 03 00 00 00 04 44 09");
  std::copy(request.begin(), request.end(), report.begin());
  report[48] = 8;
  EXPECT_EQ(Link->ModbusReports[0], report);
  // The channel is selected first, with the box's markers.
  ASSERT_FALSE(Device->Written.empty());
  const std::vector<uint8_t>& select = Device->Written.back();
  EXPECT_EQ(std::vector<uint8_t>(select.begin(), select.begin() + 5), HexBytes("A8 12 00 00 01"));
  EXPECT_EQ(select[7], 0x8A);
}

TEST_F(DataLinkTuningTest, ReadShowsColourRotationAndKeepsTheMiddleRegisters) {
  Channel->Registers = {0x0064, 0x1234, 0x5678, 0x0001};
  Form->btnReadClick(Form->btnRead);
  EXPECT_EQ(Page(), (TPage{true, true, false, false, true, true, {0x12, 0x34, 0x56, 0x78}}));
  EXPECT_EQ(FirstLine(), "channel 1: Read the success.");

  Channel->Registers = {0x0080, 0, 0, 0x0000};
  Form->btnReadClick(Form->btnRead);
  EXPECT_EQ(Page(), (TPage{false, false, true, true, false, true, {0, 0, 0, 0}}));

  // A rotation the page does not know unchecks both buttons, but a radio
  // button is unchecked only by another of its group: CW, read before, stays.
  Channel->Registers = {0x0000, 0, 0, 0x0007};
  Form->btnReadClick(Form->btnRead);
  EXPECT_TRUE(Form->rbCW->GetIsChecked());
  EXPECT_FALSE(Form->rbCCW->GetIsChecked());
}

TEST_F(DataLinkTuningTest, WriteReachesTheRegistersWithTheKeptBytes) {
  Channel->Registers = {0x0020, 0xBEEF, 0xCAFE, 0x0000};
  Form->btnReadClick(Form->btnRead);
  Form->cbRed->SetIsChecked(false);
  Form->cbGreen->SetIsChecked(true);
  Form->cbBlue->SetIsChecked(true);
  Form->rbCCW->SetIsChecked(true);
  Form->btnWriteClick(Form->btnWrite);
  EXPECT_EQ(Channel->Registers, (std::array<uint16_t, 4>{0x00C4, 0xBEEF, 0xCAFE, 0x0001}));
  EXPECT_EQ(Channel->RegisterWrites, 1);
  EXPECT_EQ(FirstLine(), "channel 1: Save success");

  // The values read back come out as written.
  Form->cbGreen->SetIsChecked(false);
  Form->btnReadClick(Form->btnRead);
  EXPECT_EQ(Page(), (TPage{false, true, true, false, true, true, {0xBE, 0xEF, 0xCA, 0xFE}}));
}

// A reply that is not the four registers (or not the write's echo) is
// reported and leaves the page, the kept bytes and the device untouched.
TEST_F(DataLinkTuningTest, BadRepliesChangeNothing) {
  const TModbusFault faults[] = {TModbusFault::Silent,        TModbusFault::BadCrc,
                                 TModbusFault::WrongFunction, TModbusFault::WrongByteCount,
                                 TModbusFault::Exception,     TModbusFault::WrongReportId,
                                 TModbusFault::ShortReport};
  Channel->Registers = {0x0044, 0x0102, 0x0304, 0x0000};
  for (TModbusFault fault : faults) {
    SCOPED_TRACE(static_cast<int>(fault));
    Channel->ModbusFault = TModbusFault::None;
    Form->btnReadClick(Form->btnRead);
    const TPage before = Page();
    Channel->ModbusFault = fault;
    Channel->Registers = {0x00E0, 0xFFFF, 0xFFFF, 0x0001};
    Form->btnReadClick(Form->btnRead);
    EXPECT_EQ(FirstLine(), "channel 1: Error to Read Parameter.");
    EXPECT_EQ(Page(), before);
    Channel->Registers = {0x0044, 0x0102, 0x0304, 0x0000};
  }
  for (TModbusFault fault : faults) {
    if (fault == TModbusFault::WrongByteCount) continue;  // a read-only fault
    SCOPED_TRACE(static_cast<int>(fault));
    Channel->ModbusFault = fault;
    Form->btnWriteClick(Form->btnWrite);
    EXPECT_EQ(FirstLine(), "channel 1: Save fail");
  }
}

TEST_F(DataLinkTuningTest, RefusedChannelIsReportedWithoutAModbusFrame) {
  Link->Attach(3);
  Link->RefuseSelection[2] = -1;
  Form->rbChannel3->SetIsChecked(true);
  Form->btnReadClick(Form->btnRead);
  EXPECT_EQ(Link->SelectRequests, std::vector<int>(6, 3));
  EXPECT_TRUE(Link->ModbusReports.empty());
  EXPECT_EQ(FirstLine(), "channel 3: Error to Read Parameter.");
  Form->btnWriteClick(Form->btnWrite);
  EXPECT_EQ(FirstLine(), "channel 3: Save fail");
  EXPECT_EQ(Lines(Form->sMessage).size(), 2u);
}

TEST_F(DataLinkTuningTest, AnotherChannelClearsThePageUntilItIsRead) {
  TSimChannelDevice& second = Link->Attach(2);
  second.Registers = {0x00A0, 0, 0, 1};
  Channel->Registers = {0x0060, 0, 0, 1};
  Form->btnReadClick(Form->btnRead);
  ASSERT_TRUE(Form->btnWrite->GetEnabled());

  Form->rbChannel2->SetIsChecked(true);
  EXPECT_FALSE(Form->cbRed->GetIsChecked() || Form->cbGreen->GetIsChecked() ||
               Form->cbBlue->GetIsChecked());
  EXPECT_TRUE(Form->rbCW->GetIsChecked());
  EXPECT_FALSE(Form->btnWrite->GetEnabled());

  Form->btnReadClick(Form->btnRead);
  EXPECT_EQ(Link->SelectRequests.back(), 2);
  EXPECT_TRUE(Form->cbRed->GetIsChecked() && Form->cbBlue->GetIsChecked());
  EXPECT_EQ(FirstLine(), "channel 2: Read the success.");
}

TEST_F(DataLinkTuningTest, NoAdapterGivesTheFailureText) {
  auto* const device = Form->FDevice;
  Form->FDevice = nullptr;
  uint8_t reply[kModbusReplyLength] = {};
  EXPECT_FALSE(Form->ReadModbusReport(reply, kModbusReplyLength, 150));
  EXPECT_FALSE(Form->SendModbusReport(reply, 8));
  Form->FDevice = device;
  Form->DevListBox->Clear();
  Form->btnReadClick(Form->btnRead);
  EXPECT_EQ(FirstLine(), "channel 1: Error to Read Parameter.");
}

}  // namespace
