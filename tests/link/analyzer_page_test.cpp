// The analyzer page as the window builds it: a tab control whose first tab
// holds the sample log and the statistics as string grids and whose second
// holds the plot grid; a simulated log fills both grids and their shown
// cells follow. Pictures in English and Chinese go to build/gallery/.

#include <gtest/gtest.h>

#include "app/frmInterface.h"
#include "controls/zr_controls_register.h"
#include "controls/zr_effects.h"
#include "controls/zr_grid.h"
#include "controls/zr_header.h"
#include "controls/zr_objects.h"
#include "controls/zr_plot_grid.h"
#include "controls/zr_tab_control.h"
#include "scene/zr_ani.h"
#include "scene/zr_control.h"
#include "scene/zr_scene_unit.h"
#include "tests/link/analyzer_fixture.h"
#include "tests/scene/visual_scene.h"

namespace {

class AnalyzerPage : public AnalyzerFixture {
 protected:
  static void SetUpTestSuite() {
    InitializeScene();
    RegisterShapes();
    RegisterEffectClasses();
    RegisterStandardControls();
    // A sheet read before every class was known lacks their parts.
    FreeDefaultStyles();
  }
  AnalyzerPage() {
    Page = std::make_unique<TTestRurev>(443, 484);
    Root = new TzrVisualObject(Form.get());
    Page->AddObject(Root);
    Root->SetBounds(0, 0, 443, 484);
    // The fixture took the plot grid into its own scene; it goes back.
    Form->PlotGrid1->SetParent(Form->tabAnalyzerChart->GetLayout());
    Form->tabAnalyzer->SetParent(Root);
    // The page's buttons stay behind: the tab control moves to the corner.
    TzrTabControl* tabs = Form->tabAnalyzer;
    tabs->SetBounds(2, 2, tabs->GetWidth(), tabs->GetHeight());
    Page->DrawAll();
  }
  ~AnalyzerPage() override {
    Form->tabAnalyzer->SetParent(nullptr);
    delete Root;
    Page.reset();
    zrFreeAniThread();
  }
  void Start() { Form->btnStartClick(Form->btnStart); }
  static std::u16string Shown(TzrStringGrid* Grid, int Col, int Row) {
    TzrControl* cell = Grid->ColumnByIndex(Col)->CellControlByRow(Row);
    return cell ? cell->GetData().ToWideString() : u"<none>";
  }

  std::unique_ptr<TTestRurev> Page;
  TzrVisualObject* Root = nullptr;
};

std::vector<TSimLogSample> Samples(int count) {
  std::vector<TSimLogSample> samples;
  for (int i = 0; i < count; ++i)
    samples.push_back({4000 + 25 * i, 22.2f - 0.05f * i, 8.0f + 0.5f * (i % 6)});
  return samples;
}

TEST_F(AnalyzerPage, TablesOnTheFirstTabAndThePlotOnTheSecond) {
  TzrTabControl* tabs = Form->tabAnalyzer;
  EXPECT_EQ(tabs->TabCount(), 2);
  EXPECT_EQ(tabs->GetItemIndex(), 0);
  EXPECT_TRUE(Form->tabAnalyzerTable->GetLayout()->GetVisible());
  EXPECT_FALSE(Form->tabAnalyzerChart->GetLayout()->GetVisible());
  TzrStringGrid* log = Form->StringGrid1;
  EXPECT_EQ(log->GetRowCount(), 100);
  ASSERT_EQ(log->GetColumnCount(), 4);
  const float widths[] = {62, 148, 148, 148};
  for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(log->ColumnByIndex(i)->GetWidth(), widths[i]);
  ASSERT_NE(log->GetHeader(), nullptr);
  EXPECT_EQ(log->GetHeader()->GetItem(1)->GetText(), u"Speed (RPM)");
  TzrStringGrid* stats = Form->StringGrid2;
  EXPECT_EQ(stats->GetRowCount(), 4) << "rows 1 to 3 hold the statistics";
  EXPECT_FALSE(stats->ColumnByIndex(0)->GetVisible());
  EXPECT_FLOAT_EQ(stats->ColumnByIndex(1)->GetPosition()->GetX(), 0)
      << "the hidden column takes no room";
  tabs->SetItemIndex(1);
  EXPECT_TRUE(Form->PlotGrid1->GetVisible());
  EXPECT_TRUE(Form->tabAnalyzerChart->GetLayout()->GetVisible());
  EXPECT_FALSE(Form->tabAnalyzerTable->GetLayout()->GetVisible());
}

TEST_F(AnalyzerPage, ASimulatedLogFillsTheShownCells) {
  PlugAnalyzer(Samples(20));
  Start();
  TzrStringGrid* log = Form->StringGrid1;
  ASSERT_EQ(log->GetRowCount(), 21);
  EXPECT_EQ(Shown(log, 0, 1), u"1");
  EXPECT_EQ(Shown(log, 1, 1), u"4000");
  EXPECT_EQ(Shown(log, 2, 3), u"22.10");
  EXPECT_EQ(Shown(log, 3, 8), u"8.50");
  EXPECT_EQ(Shown(log, 1, 21), u"<none>") << "no cell past the last row";
  TzrStringGrid* stats = Form->StringGrid2;
  EXPECT_EQ(Shown(stats, 1, 1), stats->GetCells(1, 1));
  EXPECT_EQ(Shown(stats, 2, 1), u"4475");
  EXPECT_EQ(Shown(stats, 3, 3), u"8.00");
  Page->DrawAll();
  Page->SaveGallery("analyzer_page");
  // The same page with Chinese headings.
  Form->tabAnalyzerTable->SetText(u"数据表");
  Form->tabAnalyzerChart->SetText(u"曲线图");
  const char16_t* logHeads[] = {u"", u"转速 (RPM)", u"电压 (V)", u"电流 (A)"};
  for (int i = 0; i < 4; ++i) log->ColumnByIndex(i)->SetHeader(logHeads[i]);
  const char16_t* statHeads[] = {u"", u"平均", u"最大", u"最小"};
  for (int i = 0; i < 4; ++i) stats->ColumnByIndex(i)->SetHeader(statHeads[i]);
  log->SetSelected(5);
  log->SetColumnIndex(2);
  Page->DrawAll();
  Page->SaveGallery("analyzer_page_zh");
}

}  // namespace
