// The log read behind the start button: command 14, acknowledged first, rings
// of 16 records, a short ring at the end, and the failure paths.

#include <gtest/gtest.h>

#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_grid.h"
#include "platform/rtl/Clock.h"
#include "platform/vcl/Menus.h"
#include "tests/link/analyzer_fixture.h"

namespace {

// Sample i: speed 1000 + 37 i, voltage 11 + i / 4, current 1/2 + i / 8.
std::vector<TSimLogSample> Samples(int count) {
  std::vector<TSimLogSample> samples;
  for (int i = 0; i < count; ++i)
    samples.push_back({1000 + 37 * i, 11.0f + 0.25f * i, 0.5f + 0.125f * i});
  return samples;
}

class LogRead : public AnalyzerFixture {
 protected:
  void Start() { Form->btnStartClick(Form->btnStart); }
  std::string Caption() const { return UTF16ToUTF8(Form->btnStart->GetText()); }
};

TEST_F(LogRead, TwentySamplesComeAsOneRingAndAShortOne) {
  PlugAnalyzer(Samples(20));
  Start();
  EXPECT_EQ(Analyzer->LogRequests, 1);
  ASSERT_FALSE(Device->Written.empty());
  EXPECT_EQ(Device->Written[0].size(), 8u);
  EXPECT_EQ(Device->Written[0][1], 14);
  ASSERT_EQ(Form->StringGrid1->GetRowCount(), 21);
  for (int row = 1; row <= 20; ++row)
    EXPECT_EQ(Cell(Form->StringGrid1, 0, row), std::to_string(row));
  EXPECT_EQ(Row(Form->StringGrid1, 1), "1000 11.00 0.50");
  EXPECT_EQ(Row(Form->StringGrid1, 16), "1555 14.75 2.38");
  EXPECT_EQ(Row(Form->StringGrid1, 20), "1703 15.75 2.88");
  // Means of all 20 samples: 1351.5 (shown truncated), 13.375, 1.6875.
  EXPECT_EQ(Stats(), "1351 1703 1000 | 13.38 15.75 11.00 | 1.69 2.88 0.50");
  EXPECT_EQ(PlotRepaints(), 20);
  EXPECT_EQ(Caption(), "Start");
  EXPECT_FALSE(Form->FBusy);
}

TEST_F(LogRead, ExactlyOneRingEndsWithAnEmptyChunk) {
  PlugAnalyzer(Samples(16));
  Start();
  EXPECT_EQ(Form->StringGrid1->GetRowCount(), 17);
  EXPECT_EQ(Row(Form->StringGrid1, 16), "1555 14.75 2.38");
  EXPECT_EQ(Stats(), "1277 1555 1000 | 12.88 14.75 11.00 | 1.44 2.38 0.50");
}

TEST_F(LogRead, EmptyLogLeavesAnEmptyTableAndNoStatistics) {
  PlugAnalyzer({});
  Form->StringGrid1->SetRowCount(5);
  Form->StringGrid1->SetCells(0, 1, u"1");
  Start();
  EXPECT_EQ(Analyzer->LogRequests, 1);
  EXPECT_EQ(Form->StringGrid1->GetRowCount(), 2);
  EXPECT_EQ(Cell(Form->StringGrid1, 0, 1), "");
  for (int row = 1; row <= 3; ++row)
    for (int col = 1; col <= 3; ++col) EXPECT_EQ(Cell(Form->StringGrid2, col, row), "");
  EXPECT_EQ(Caption(), "Start");
}

TEST_F(LogRead, CutOffLogKeepsTheRingsAlreadyProcessed) {
  PlugAnalyzer(Samples(20)).CutAfterChunks = 13;
  Start();
  EXPECT_EQ(Form->StringGrid1->GetRowCount(), 17);
  EXPECT_EQ(Row(Form->StringGrid1, 16), "1555 14.75 2.38");
  EXPECT_EQ(Stats(), "1277 1555 1000 | 12.88 14.75 11.00 | 1.44 2.38 0.50");
  EXPECT_EQ(Caption(), "Start");
  EXPECT_FALSE(Form->FBusy);
}

TEST_F(LogRead, ClickWhileTheCaptionSaysStopOnlyTurnsItBack) {
  PlugAnalyzer(Samples(3));
  Form->btnStart->SetText(u"Stop");
  const int rows = Form->StringGrid1->GetRowCount();
  Start();
  EXPECT_EQ(Caption(), "Start");
  EXPECT_EQ(Analyzer->LogRequests, 0);
  EXPECT_EQ(Form->StringGrid1->GetRowCount(), rows);
}

TEST_F(LogRead, LinkOwnedByAnotherOperationStartsNoRead) {
  PlugAnalyzer(Samples(3));
  Form->FBusy = true;
  Device->Written.clear();
  Start();
  EXPECT_TRUE(Device->Written.empty());
  EXPECT_TRUE(Form->FBusy);
  EXPECT_EQ(Caption(), "Start");
}

TEST_F(LogRead, ClicksDuringTheReadNeitherStopNorNestIt) {
  PlugAnalyzer(Samples(20));
  int clicks = 0;
  SetMessagePump([&] {
    // Two clicks while the first ring arrives: the first turns the caption
    // back, the second finds the link busy.
    if (Form->StringGrid1->GetRowCount() >= 5 && clicks < 2) {
      ++clicks;
      Start();
    }
  });
  Start();
  SetMessagePump(nullptr);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(Analyzer->LogRequests, 1);
  EXPECT_EQ(Form->StringGrid1->GetRowCount(), 21);
  EXPECT_EQ(Caption(), "Start");
  EXPECT_FALSE(Form->FBusy);
}

TEST_F(LogRead, ChineseMenuUsesTheChineseCaptions) {
  PlugAnalyzer(Samples(2));
  Form->Chinese1->SetChecked(true);
  Form->btnStart->SetText(u"开始");
  Start();
  EXPECT_EQ(Analyzer->LogRequests, 1);
  EXPECT_EQ(Form->StringGrid1->GetRowCount(), 3);
  EXPECT_EQ(Caption(), "开始");
}

}  // namespace
