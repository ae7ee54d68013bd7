// Log records: big-endian decoding, the sample table and the statistics.

#include <gtest/gtest.h>

#include "app/frmInterface.h"
#include "controls/zr_grid.h"
#include "tests/link/analyzer_fixture.h"

namespace {

// The records arrive into the table as the start button leaves it: two
// rows, row 1 empty.
class Records : public AnalyzerFixture {
 protected:
  Records() { Form->StringGrid1->SetRowCount(2); }
};

std::vector<uint8_t> Bytes(const std::vector<TSimLogSample>& samples) {
  std::vector<uint8_t> bytes;
  for (const TSimLogSample& sample : samples) {
    const std::vector<uint8_t> one = TSimAnalyzer::EncodeSample(sample);
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  return bytes;
}

TEST(LogRecord, DecodesBigEndianFields) {
  struct Case {
    const char* bytes;
    int32_t speed;
    float voltage;
    float current;
  } cases[] = {
      {"00 00 13 88 41 40 00 00 3F 80 00 00", 5000, 12.0f, 1.0f},
      {"FF FF FF FF C0 00 00 00 00 00 00 00", -1, -2.0f, 0.0f},
      {"01 02 03 04 41 48 00 00 40 20 00 00", 0x01020304, 12.5f, 2.5f},
  };
  for (const Case& c : cases) {
    const std::vector<uint8_t> bytes = HexBytes(c.bytes);
    const TfrmInterface::TLogRecord record = TfrmInterface::DecodeLogRecord(bytes.data());
    EXPECT_EQ(record.Speed, c.speed) << c.bytes;
    EXPECT_EQ(record.Voltage, c.voltage) << c.bytes;
    EXPECT_EQ(record.Current, c.current) << c.bytes;
  }
}

TEST_F(Records, RecordShowsAsSpeedAndTwoDecimals) {
  Form->ResetLogStats();
  const std::vector<uint8_t> ring = HexBytes("00 00 13 88 41 40 00 00 3F 80 00 00");
  Form->ProcessLogRecords(ring.data(), static_cast<int>(ring.size()));
  EXPECT_EQ(Form->StringGrid1->GetRowCount(), 2);
  EXPECT_EQ(Cell(Form->StringGrid1, 0, 1), "1");
  EXPECT_EQ(Row(Form->StringGrid1, 1), "5000 12.00 1.00");
  EXPECT_EQ(Stats(), "5000 5000 5000 | 12.00 12.00 12.00 | 1.00 1.00 1.00");
  EXPECT_EQ(Cell(Form->StringGrid1, 0, 0), "");
  EXPECT_EQ(PlotRepaints(), 1);
}

TEST_F(Records, MinimumsStartHighAndOnlySmallerSamplesLowerThem) {
  Form->ResetLogStats();
  // Speeds above 200000 and voltages above 30.0 never lower their minimum.
  const std::vector<uint8_t> ring = Bytes({{250000, 31.5f, 120.0f}, {300000, 40.0f, 150.0f}});
  Form->ProcessLogRecords(ring.data(), static_cast<int>(ring.size()));
  EXPECT_EQ(Stats(), "275000 300000 200000 | 35.75 40.00 30.00 | 135.00 150.00 100.00");
  EXPECT_EQ(Form->FLogStats.SpeedMin, 200000);

  const std::vector<uint8_t> lower = Bytes({{-5, 7.25f, 0.5f}});
  Form->ProcessLogRecords(lower.data(), static_cast<int>(lower.size()));
  EXPECT_EQ(Stats(), "183331 300000 -5 | 26.25 40.00 7.25 | 90.17 150.00 0.50");
}

TEST_F(Records, OnlyWholeRecordsAreTaken) {
  Form->ResetLogStats();
  std::vector<uint8_t> ring = Bytes({{1000, 10.0f, 1.0f}, {2000, 20.0f, 2.0f}});
  ring.resize(23);  // the second record is cut short
  Form->ProcessLogRecords(ring.data(), static_cast<int>(ring.size()));
  EXPECT_EQ(Form->StringGrid1->GetRowCount(), 2);
  EXPECT_EQ(Row(Form->StringGrid1, 1), "1000 10.00 1.00");
  EXPECT_EQ(Stats(), "1000 1000 1000 | 10.00 10.00 10.00 | 1.00 1.00 1.00");
}

TEST_F(Records, NoSampleAtAllLeavesTheStatisticsAlone) {
  Form->ResetLogStats();
  const std::vector<uint8_t> partial(11, 0x41);
  Form->ProcessLogRecords(partial.data(), 0);
  Form->ProcessLogRecords(partial.data(), 11);
  EXPECT_EQ(Form->StringGrid1->GetRowCount(), 2);
  EXPECT_EQ(Cell(Form->StringGrid1, 0, 1), "");
  for (int row = 1; row <= 3; ++row)
    for (int col = 1; col <= 3; ++col) EXPECT_EQ(Cell(Form->StringGrid2, col, row), "");
  EXPECT_EQ(Form->FLogStats.SpeedAvg, 0);
  EXPECT_EQ(Form->FLogStats.SpeedMin, 200000);
}

TEST_F(Records, LaterRingsAppendAndAveragesStayTrueMeans) {
  Form->ResetLogStats();
  // The first ring's mean speed, 1000.5, is not a whole number: carrying the
  // shown average (1000) forward would give 1000 for the three samples.
  const std::vector<uint8_t> first = Bytes({{1000, 10.0f, 1.0f}, {1001, 10.5f, 1.25f}});
  Form->ProcessLogRecords(first.data(), static_cast<int>(first.size()));
  EXPECT_EQ(Cell(Form->StringGrid2, 1, 1), "1000");
  const std::vector<uint8_t> second = Bytes({{1002, 11.0f, 1.5f}});
  Form->ProcessLogRecords(second.data(), static_cast<int>(second.size()));
  EXPECT_EQ(Form->StringGrid1->GetRowCount(), 4);
  for (int row = 1; row <= 3; ++row)
    EXPECT_EQ(Cell(Form->StringGrid1, 0, row), std::to_string(row));
  EXPECT_EQ(Row(Form->StringGrid1, 3), "1002 11.00 1.50");
  EXPECT_EQ(Stats(), "1001 1002 1000 | 10.50 11.00 10.00 | 1.25 1.50 1.00");
  EXPECT_EQ(PlotRepaints(), 3);
}

}  // namespace
