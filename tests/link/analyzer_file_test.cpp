// Record files: saving and loading the tables in ini form, refusing broken files.

#include <gtest/gtest.h>

#include "app/frmInterface.h"
#include "controls/zr_grid.h"
#include "platform/vcl/Dialogs.h"
#include "tests/link/analyzer_fixture.h"

namespace {

class RecordFile : public AnalyzerFixture {
 protected:
  RecordFile() {
    FileDialogHook = [this](TFileDialog& dialog) {
      Dialogs.push_back(dialog.Kind());
      if (Answer.empty()) return false;
      dialog.SetFileName(Answer);
      return true;
    };
  }
  ~RecordFile() override { FileDialogHook = nullptr; }

  // Fills the tables as a log read of these samples would.
  void Fill(const std::vector<TSimLogSample>& samples) {
    Form->ResetLogStats();
    Form->StringGrid1->SetRowCount(2);
    Form->StringGrid1->SetCells(0, 1, u"");
    std::vector<uint8_t> bytes;
    for (const TSimLogSample& sample : samples) {
      const std::vector<uint8_t> one = TSimAnalyzer::EncodeSample(sample);
      bytes.insert(bytes.end(), one.begin(), one.end());
    }
    Form->ProcessLogRecords(bytes.data(), static_cast<int>(bytes.size()));
  }
  // Every cell text of both tables.
  std::string Tables() const {
    std::string text = std::to_string(Form->StringGrid1->GetRowCount()) + ":";
    for (int row = 0; row < Form->StringGrid1->GetRowCount(); ++row)
      text += " [" + Cell(Form->StringGrid1, 0, row) + " " + Row(Form->StringGrid1, row) + "]";
    return text + " / " + Stats();
  }
  void Save(const std::string& path) {
    Answer = path;
    Form->btnSaveClick(Form->btnSave);
  }
  void Load(const std::string& path) {
    Answer = path;
    Form->btnLoadClick(Form->btnLoad);
  }

  std::string Answer;
  std::vector<TFileDialogKind> Dialogs;
};

const std::vector<TSimLogSample> kSamples = {
    {5000, 12.0f, 1.0f}, {5230, 11.75f, 8.5f}, {4980, 11.5f, 12.25f}};

TEST_F(RecordFile, SaveThenLoadGivesBackTheSameTables) {
  Fill(kSamples);
  const std::string before = Tables();
  Save(Path("record.txt"));
  EXPECT_TRUE(InfoTexts.empty());
  Fill({{1, 1.0f, 1.0f}});
  Load(Path("record.txt"));
  EXPECT_TRUE(InfoTexts.empty());
  EXPECT_EQ(Tables(), before);
  EXPECT_EQ(Dialogs, (std::vector<TFileDialogKind>{fdSave, fdOpen}));
}

TEST_F(RecordFile, SavedFileIsSetupSectionWithDotsAndNoByteOrderMark) {
  Fill(kSamples);
  // An earlier, longer record in the same file: its byte-order mark and rows
  // beyond the new count must go.
  WriteFile(Path("record.txt"),
            "\xEF\xBB\xBF[setup]\ncount=6\nrpm5=9999\nvoltage5=1.00\ncurrent5=1.00\n");
  Save(Path("record.txt"));
  const std::string text = ReadFile(Path("record.txt"));
  EXPECT_EQ(text.rfind("[setup]", 0), 0u) << text;
  EXPECT_NE(text.find("count=4\n"), std::string::npos);
  EXPECT_NE(text.find("rpm2=5230\n"), std::string::npos);
  EXPECT_NE(text.find("voltage2=11.75\n"), std::string::npos);
  EXPECT_NE(text.find("current3=12.25\n"), std::string::npos);
  EXPECT_NE(text.find("voltageavg=11.75\n"), std::string::npos);
  EXPECT_NE(text.find("currentmin=1.00\n"), std::string::npos);
  EXPECT_EQ(text.find("rpm5"), std::string::npos);
}

TEST_F(RecordFile, CommaDecimalsAndEmptyValuesLoad) {
  WriteFile(Path("comma.txt"),
            "[setup]\ncount=3\nrpm1=5000\nvoltage1=12,5\ncurrent1=1,25\n"
            "rpm2=\nvoltage2=\ncurrent2=3.5\n"
            "rpmavg=5000\nrpmmax=5000\nrpmmin=5000\nvoltageavg=12,50\nvoltagemax=12,50\n"
            "voltagemin=12,50\ncurrentavg=1\ncurrentmax=1\ncurrentmin=1\n");
  Load(Path("comma.txt"));
  EXPECT_TRUE(InfoTexts.empty());
  EXPECT_EQ(Form->StringGrid1->GetRowCount(), 3);
  EXPECT_EQ(Row(Form->StringGrid1, 1), "5000 12.50 1.25");
  EXPECT_EQ(Row(Form->StringGrid1, 2), "0 0.00 3.50");
  // Statistics texts are shown as the file holds them.
  EXPECT_EQ(Row(Form->StringGrid2, 2), "12,50 12,50 12,50");
}

TEST_F(RecordFile, FileWithoutKeysIsAnEmptyRecord) {
  Fill(kSamples);
  WriteFile(Path("other.txt"), "[other]\nkey=value\n");
  Load(Path("other.txt"));
  EXPECT_TRUE(InfoTexts.empty());
  EXPECT_EQ(Form->StringGrid1->GetRowCount(), 1);
  for (int row = 1; row <= 3; ++row)
    for (int col = 1; col <= 3; ++col) EXPECT_EQ(Cell(Form->StringGrid2, col, row), "");
}

TEST_F(RecordFile, MissingSamplesReadAsZeroAndMissingStatisticsAsEmpty) {
  // Older files may lack keys: a row or value that is not there is 0, a
  // statistic that is not there shows empty.
  Fill(kSamples);
  WriteFile(Path("old.txt"),
            "[setup]\ncount=4\nrpm1=5000\nvoltage1=12.5\ncurrent1=1.25\n"
            "voltage2=11\nrpm3=4000\nrpmavg=4500\nvoltagemin=11.00\n");
  Load(Path("old.txt"));
  EXPECT_TRUE(InfoTexts.empty());
  ASSERT_EQ(Form->StringGrid1->GetRowCount(), 4);
  EXPECT_EQ(Cell(Form->StringGrid1, 0, 3), "3");
  EXPECT_EQ(Row(Form->StringGrid1, 1), "5000 12.50 1.25");
  EXPECT_EQ(Row(Form->StringGrid1, 2), "0 11.00 0.00");
  EXPECT_EQ(Row(Form->StringGrid1, 3), "4000 0.00 0.00");
  EXPECT_EQ(Row(Form->StringGrid2, 1), "4500  ");
  EXPECT_EQ(Row(Form->StringGrid2, 2), "  11.00");
  EXPECT_EQ(Row(Form->StringGrid2, 3), "  ");
}

TEST_F(RecordFile, LoadLeavesTheLogStatisticsAlone) {
  Fill(kSamples);
  const TfrmInterface::TLogStats stats = Form->FLogStats;
  Save(Path("record.txt"));
  Fill({{7, 7.0f, 7.0f}});
  const int32_t speedMax = Form->FLogStats.SpeedMax;
  Load(Path("record.txt"));
  EXPECT_EQ(Form->FLogStats.SpeedMax, speedMax);
  EXPECT_NE(Form->FLogStats.SpeedMax, stats.SpeedMax);
}

TEST_F(RecordFile, BrokenFilesAreRefusedAndTheTablesStay) {
  Fill(kSamples);
  Save(Path("good.txt"));
  const std::string good = ReadFile(Path("good.txt"));
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  struct Case {
    const char* name;
    std::string text;
  } cases[] = {
      {"speed no number", replaced("rpm2=5230", "rpm2=fast")},
      {"voltage no number", replaced("voltage1=12.00", "voltage1=12.0.0")},
      {"count no number", replaced("count=4", "count=four")},
      {"count oversized", replaced("count=4", "count=2147483647")},
      {"count zero", replaced("count=4", "count=0")},
      {"count negative", replaced("count=4", "count=-3")},
  };
  Fill({{1, 2.0f, 3.0f}, {4, 5.0f, 6.0f}});
  const std::string before = Tables();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InfoTexts.clear();
    WriteFile(Path("broken.txt"), c.text);
    Load(Path("broken.txt"));
    ASSERT_EQ(InfoTexts.size(), 1u);
    EXPECT_NE(InfoTexts[0].find("record file"), std::string::npos) << InfoTexts[0];
    EXPECT_EQ(Tables(), before);
  }
}

TEST_F(RecordFile, MissingFileAndCancelledDialogsChangeNothing) {
  Fill(kSamples);
  const std::string before = Tables();
  Load(Path("missing.txt"));
  EXPECT_EQ(InfoTexts.size(), 1u);
  Load("");
  Save("");
  EXPECT_EQ(Tables(), before);
  EXPECT_EQ(InfoTexts.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(Path("missing.txt")));
}

TEST_F(RecordFile, UnwritableTargetIsReported) {
  Fill(kSamples);
  Save(Path("no-such-folder/record.txt"));
  ASSERT_EQ(InfoTexts.size(), 1u);
  EXPECT_NE(InfoTexts[0].find("Can't save the record file"), std::string::npos);
}

}  // namespace
