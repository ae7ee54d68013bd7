#include "tests/link/analyzer_fixture.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "app/LangCommon.h"
#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_controls.h"
#include "controls/zr_grid.h"
#include "controls/zr_plot_grid.h"
#include "platform/rtl/SysUtils.h"
#include "tests/scene/visual_scene.h"

AnalyzerFixture::AnalyzerFixture() {
  Folder = std::filesystem::temp_directory_path() /
           ("analyzer_test_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::create_directories(Folder);
  Form->FLangIni = std::make_unique<TMemIniFile>(Path("lang.ini"));
  Form->FLangIni->WriteString(LangCommonSection, "eStart1", "Start");
  Form->FLangIni->WriteString(LangCommonSection, "eStart2", "Stop");
  Form->FLangIni->WriteString(LangCommonSection, "cStart1", "开始");
  Form->FLangIni->WriteString(LangCommonSection, "cStart2", "停止");
  Form->btnStart->SetText(u"Start");
  InitializeCanvasGdiPlus();
  Scene = std::make_unique<TTestRurev>(520, 330);
  // The plot grid leaves the analyzer page for this scene of its own size.
  Form->PlotGrid1->SetParent(nullptr);
  Scene->AddObject(Form->PlotGrid1);
  Form->PlotGrid1->SetBounds(0, 0, 520, 330);
  Scene->Rects.clear();  // only the repaints of what the test does count
}

AnalyzerFixture::~AnalyzerFixture() {
  Scene.reset();
  FinalizeCanvasGdiPlus();
  std::error_code ignored;
  std::filesystem::remove_all(Folder, ignored);
}

TSimAnalyzer& AnalyzerFixture::PlugAnalyzer(const std::vector<TSimLogSample>& samples) {
  auto analyzer = std::make_unique<TSimAnalyzer>();
  analyzer->SetSamples(samples);
  Analyzer = analyzer.get();
  Controller = Analyzer;
  Device = &Adapter.Plug(std::move(analyzer));
  Arrive();
  return *Analyzer;
}

std::string AnalyzerFixture::Cell(TzrStringGrid* grid, int col, int row) {
  return UTF16ToUTF8(grid->GetCells(col, row));
}

std::string AnalyzerFixture::Row(TzrStringGrid* grid, int row) {
  return Cell(grid, 1, row) + " " + Cell(grid, 2, row) + " " + Cell(grid, 3, row);
}

std::string AnalyzerFixture::Stats() const {
  return Row(Form->StringGrid2, 1) + " | " + Row(Form->StringGrid2, 2) + " | " +
         Row(Form->StringGrid2, 3);
}

int AnalyzerFixture::PlotRepaints() const { return int(Scene->Rects.size()); }

std::string AnalyzerFixture::Path(const std::string& name) const {
  return (Folder / name).string();
}

std::string AnalyzerFixture::ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void AnalyzerFixture::WriteFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
}
