// Analyzer record files: the sample and statistics tables in ini form, section
// "setup", UTF-8 without byte-order mark. Numbers are written with "." and read
// with "." or ",", so records move between locales.

#include <fstream>
#include <vector>

#include "app/frmInterface.h"
#include "controls/zr_grid.h"
#include "link/AnalyzerText.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"
#include "platform/vcl/Dialogs.h"

namespace {

constexpr const char* kSection = "setup";

// The statistics keys, row by row (speed, voltage, current), column by column
// (average, maximum, minimum).
const char* const kStatKeys[3][3] = {{"rpmavg", "rpmmax", "rpmmin"},
                                     {"voltageavg", "voltagemax", "voltagemin"},
                                     {"currentavg", "currentmax", "currentmin"}};

struct TRecordRow {
  int32_t Speed = 0;
  double Voltage = 0;
  double Current = 0;
};

// An empty value counts as 0, as a missing one would.
bool ParseSpeed(const std::string& text, int32_t& value) {
  value = 0;
  return text.empty() || TryStrToInt(text, value);
}

bool ParseDecimal(const std::string& text, double& value) {
  value = 0;
  return text.empty() || TryStrToFloat(text, value, '.') || TryStrToFloat(text, value, ',');
}

bool FileReadable(const std::string& name) {
  std::ifstream file(name, std::ios::binary);
  return file.good();
}

std::string RowKey(const char* base, int row) { return base + IntToStr(row); }

}  // namespace

std::string TfrmInterface::SaveLogRecordFile(const std::string& FileName) {
  try {
    TMemIniFile ini(FileName);
    // Rows of an older, longer record must not linger behind the new count.
    ini.EraseSection(kSection);
    const int count = StringGrid1->GetRowCount();
    ini.WriteInteger(kSection, "count", count);
    for (int i = 1; i < count; ++i) {
      ini.WriteString(kSection, RowKey("rpm", i), UTF16ToUTF8(StringGrid1->GetCells(1, i)));
      ini.WriteString(kSection, RowKey("voltage", i), UTF16ToUTF8(StringGrid1->GetCells(2, i)));
      ini.WriteString(kSection, RowKey("current", i), UTF16ToUTF8(StringGrid1->GetCells(3, i)));
    }
    for (int row = 0; row < 3; ++row)
      for (int col = 0; col < 3; ++col)
        ini.WriteString(kSection, kStatKeys[row][col],
                        UTF16ToUTF8(StringGrid2->GetCells(col + 1, row + 1)));
    ini.UpdateFile();
  } catch (const std::exception& e) {
    return std::string("Can't save the record file: ") + e.what();
  }
  return "";
}

// The whole file is checked before the tables change, so a broken file leaves
// them as they were. A file without "count" is an empty record; older files may
// lack sample keys (read as 0) or statistics (shown empty). A value that is no
// number, or a count outside 1 to kMaxLogRows, refuses the file.
std::string TfrmInterface::LoadLogRecordFile(const std::string& FileName) {
  if (!FileReadable(FileName)) return "Can't read the record file.";
  const TMemIniFile ini(FileName);
  int32_t count = 1;
  if (ini.ValueExists(kSection, "count")) {
    if (!TryStrToInt(ini.ReadString(kSection, "count", ""), count))
      return "Broken record file: \"count\" is no number.";
    if (count < 1 || count > kMaxLogRows)
      return Format("Broken record file: \"count\" must be 1 to %d.", {kMaxLogRows});
  }
  std::vector<TRecordRow> rows(static_cast<size_t>(count));
  for (int i = 1; i < count; ++i) {
    TRecordRow& row = rows[static_cast<size_t>(i)];
    if (!ParseSpeed(ini.ReadString(kSection, RowKey("rpm", i), ""), row.Speed) ||
        !ParseDecimal(ini.ReadString(kSection, RowKey("voltage", i), ""), row.Voltage) ||
        !ParseDecimal(ini.ReadString(kSection, RowKey("current", i), ""), row.Current))
      return Format("Broken record file: row %d holds no number.", {i});
  }
  std::string stats[3][3];
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      stats[row][col] = ini.ReadString(kSection, kStatKeys[row][col], "");

  StringGrid1->SetRowCount(count);
  for (int i = 1; i < count; ++i) {
    const TRecordRow& row = rows[static_cast<size_t>(i)];
    StringGrid1->SetCells(0, i, UTF8ToUTF16(IntToStr(i)));
    StringGrid1->SetCells(1, i, UTF8ToUTF16(IntToStr(row.Speed)));
    StringGrid1->SetCells(2, i, LogDecimalText(row.Voltage));
    StringGrid1->SetCells(3, i, LogDecimalText(row.Current));
  }
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      StringGrid2->SetCells(col + 1, row + 1, UTF8ToUTF16(stats[row][col]));
  return "";
}

void TfrmInterface::btnSaveClick(TObject*) {
  if (!SaveDialog1->Execute()) return;
  const std::string failure = SaveLogRecordFile(SaveDialog1->GetFileName());
  if (!failure.empty()) ShowMessageText(failure, 1);
}

void TfrmInterface::btnLoadClick(TObject*) {
  if (!OpenDialog1->Execute()) return;
  const std::string failure = LoadLogRecordFile(OpenDialog1->GetFileName());
  if (!failure.empty()) ShowMessageText(failure, 1);
}
