// The analyzer's log records: decoding, the sample table and the statistics.

#include <algorithm>
#include <bit>
#include <cstring>

#include "app/frmInterface.h"
#include "controls/zr_grid.h"
#include "controls/zr_plot_grid.h"
#include "link/AnalyzerText.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/NumberText.h"

namespace {

uint32_t BigEndian32(const uint8_t* bytes) {
  return static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
         static_cast<uint32_t>(bytes[2]) << 8 | static_cast<uint32_t>(bytes[3]);
}

std::u16string IntText(int64_t value) { return UTF8ToUTF16(IntToStr(value)); }

}  // namespace

TfrmInterface::TLogRecord TfrmInterface::DecodeLogRecord(const uint8_t* bytes) {
  TLogRecord record;
  record.Speed = static_cast<int32_t>(BigEndian32(bytes));
  record.Voltage = std::bit_cast<float>(BigEndian32(bytes + 4));
  record.Current = std::bit_cast<float>(BigEndian32(bytes + 8));
  return record;
}

void TfrmInterface::ProcessLogRecords(const uint8_t* ring, int count) {
  // Row 0 is the header; an empty last row is reused, a filled one is followed.
  int r = std::max(StringGrid1->GetRowCount() - 1, 1);
  if (!StringGrid1->GetCells(0, r).empty()) ++r;
  for (int p = 0; p + kLogRecordSize <= count; p += kLogRecordSize) {
    ProcessMessages();
    const TLogRecord sample = DecodeLogRecord(ring + p);
    StringGrid1->SetRowCount(r + 1);
    StringGrid1->SetCells(0, r, IntText(r));
    StringGrid1->SetCells(1, r, IntText(sample.Speed));
    StringGrid1->SetCells(2, r, LogDecimalText(sample.Voltage));
    StringGrid1->SetCells(3, r, LogDecimalText(sample.Current));
    PlotGrid1->Repaint();
    TLogStats& s = FLogStats;
    if (sample.Speed > s.SpeedMax) s.SpeedMax = sample.Speed;
    if (sample.Speed < s.SpeedMin) s.SpeedMin = sample.Speed;
    if (sample.Voltage > s.VoltageMax) s.VoltageMax = sample.Voltage;
    if (sample.Voltage < s.VoltageMin) s.VoltageMin = sample.Voltage;
    if (sample.Current > s.CurrentMax) s.CurrentMax = sample.Current;
    if (sample.Current < s.CurrentMin) s.CurrentMin = sample.Current;
    FLogSums.Speed += sample.Speed;
    FLogSums.Voltage += sample.Voltage;
    FLogSums.Current += sample.Current;
    ++FLogSums.Count;
    ++r;
  }
  // No sample yet: there is nothing to average.
  if (FLogSums.Count == 0) return;
  FLogStats.SpeedAvg = static_cast<int32_t>(FLogSums.Speed / FLogSums.Count);
  FLogStats.VoltageAvg = static_cast<float>(FLogSums.Voltage / FLogSums.Count);
  FLogStats.CurrentAvg = static_cast<float>(FLogSums.Current / FLogSums.Count);
  ShowLogStats();
}

void TfrmInterface::ShowLogStats() {
  const TLogStats& s = FLogStats;
  StringGrid2->SetCells(1, 1, IntText(s.SpeedAvg));
  StringGrid2->SetCells(2, 1, IntText(s.SpeedMax));
  StringGrid2->SetCells(3, 1, IntText(s.SpeedMin));
  StringGrid2->SetCells(1, 2, LogDecimalText(s.VoltageAvg));
  StringGrid2->SetCells(2, 2, LogDecimalText(s.VoltageMax));
  StringGrid2->SetCells(3, 2, LogDecimalText(s.VoltageMin));
  StringGrid2->SetCells(1, 3, LogDecimalText(s.CurrentAvg));
  StringGrid2->SetCells(2, 3, LogDecimalText(s.CurrentMax));
  StringGrid2->SetCells(3, 3, LogDecimalText(s.CurrentMin));
}
