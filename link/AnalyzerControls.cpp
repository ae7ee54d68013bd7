// The analyzer page's controls: the start, save, load and print buttons, the
// tab control with the sample and statistics tables on one tab and the plot
// grid on the other, and the record file dialogs.

#include <initializer_list>

#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_grid.h"
#include "controls/zr_layouts.h"
#include "controls/zr_plot_grid.h"
#include "controls/zr_tab_control.h"
#include "link/NamedControl.h"
#include "platform/vcl/Dialogs.h"

namespace {

struct TColumnShape {
  float Width;
  const char16_t* Header;
};

// String columns of the given widths and captions, left to right.
void AddColumns(TzrStringGrid* grid, std::initializer_list<TColumnShape> columns) {
  for (const TColumnShape& shape : columns) {
    auto* column = new TzrStringColumn(grid);
    column->SetWidth(shape.Width);
    column->SetHeader(shape.Header);
    column->SetParent(grid);
  }
}

// A tab of the page whose page is a new layout of the tab control.
TzrTabItem* AddTab(TzrTabControl* tabs, const std::string& name, const char16_t* caption) {
  auto* tab = MakeNamed<TzrTabItem>(tabs->GetOwner(), name);
  tab->SetWidth(90);
  tab->SetText(caption);
  auto* page = new TzrLayout(tabs->GetOwner());
  page->SetParent(tabs);
  tab->SetLayout(page);
  tab->SetParent(tabs);
  return tab;
}

}  // namespace

void TfrmInterface::CreateAnalyzerControls() {
  btnStart = MakeNamed<TzrButton>(this, "btnStart");
  btnSave = MakeNamed<TzrButton>(this, "btnSave");
  btnLoad = MakeNamed<TzrButton>(this, "btnLoad");
  btnPrint = MakeNamed<TzrButton>(this, "btnPrint");
  // Only loading a record can be reached from the window.
  btnStart->SetEnabled(false);
  btnSave->SetEnabled(false);
  btnPrint->SetEnabled(false);
  btnStart->OnClick = [this](TObject* s) { btnStartClick(s); };
  btnSave->OnClick = [this](TObject* s) { btnSaveClick(s); };
  btnLoad->OnClick = [this](TObject* s) { btnLoadClick(s); };
  btnPrint->OnClick = [this](TObject* s) { btnPrintClick(s); };

  tabAnalyzer = MakeNamed<TzrTabControl>(this, "tabAnalyzer");
  tabAnalyzer->SetBounds(0, 0, 524, 380);
  tabAnalyzerTable = AddTab(tabAnalyzer, "tabAnalyzerTable", u"Table");
  tabAnalyzerChart = AddTab(tabAnalyzer, "tabAnalyzerChart", u"Chart");
  tabAnalyzer->SetItemIndex(0);

  // The sample log: row number, speed, voltage and current; row 0 stays empty.
  StringGrid1 = MakeNamed<TzrStringGrid>(this, "StringGrid1");
  StringGrid1->SetUseSmallScrollBars(true);
  StringGrid1->SetRowHeight(21);
  StringGrid1->SetRowCount(100);
  StringGrid1->SetBounds(2, 2, 520, 220);
  AddColumns(StringGrid1,
             {{62, u""}, {148, u"Speed (RPM)"}, {148, u"Voltage (V)"}, {148, u"Current (A)"}});
  StringGrid1->SetParent(tabAnalyzerTable->GetLayout());
  // The statistics: rows 1 to 3 hold speed, voltage and current; column 0
  // stays hidden.
  StringGrid2 = MakeNamed<TzrStringGrid>(this, "StringGrid2");
  StringGrid2->SetRowHeight(21);
  StringGrid2->SetRowCount(4);
  StringGrid2->SetBounds(2, 228, 262, 130);
  AddColumns(StringGrid2, {{80, u""}, {80, u"Average"}, {80, u"Maximum"}, {80, u"Minimum"}});
  StringGrid2->GetColumn(0)->SetVisible(false);
  StringGrid2->SetParent(tabAnalyzerTable->GetLayout());
  // The plot: a grid with major lines every 25 steps of 10 units, the
  // samples drawn over it by its paint event.
  PlotGrid1 = MakeNamed<TzrPlotGrid>(this, "PlotGrid1");
  PlotGrid1->SetBounds(0, 0, 520, 330);
  PlotGrid1->SetMarks(25);
  PlotGrid1->SetFrequency(10);
  PlotGrid1->OnPaint = [this](TObject* s, TzrCanvas* c, const TzrRect& r) {
    PlotGrid1Paint(s, c, r);
  };
  PlotGrid1->SetParent(tabAnalyzerChart->GetLayout());

  OpenDialog1 = MakeNamed<TOpenDialog>(this, "OpenDialog1");
  OpenDialog1->SetFilter("INI File (*.txt)|*.txt");
  SaveDialog1 = MakeNamed<TSaveDialog>(this, "SaveDialog1");
  SaveDialog1->SetFilter(
      "All Format Config File|*.pdf;*.txt|PDF Config File|*.pdf|TXT Config File|*.txt");

  OnLogRecords = [this](const uint8_t* ring, int count) { ProcessLogRecords(ring, count); };
}

// The print button has no action.
void TfrmInterface::btnPrintClick(TObject*) {}
