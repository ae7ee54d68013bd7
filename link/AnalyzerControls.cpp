// The analyzer page's controls: the start, save, load and print buttons, the
// sample and statistics tables, the plot grid and the record file dialogs.

#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_grid.h"
#include "controls/zr_plot_grid.h"
#include "link/NamedControl.h"
#include "platform/vcl/Dialogs.h"

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

  StringGrid1 = MakeNamed<TzrStringGrid>(this, "StringGrid1");
  StringGrid1->SetColCount(4);
  StringGrid1->SetRowCount(2);
  // Rows 1 to 3 hold speed, voltage and current; column 0 stays hidden.
  StringGrid2 = MakeNamed<TzrStringGrid>(this, "StringGrid2");
  StringGrid2->SetColCount(4);
  StringGrid2->SetRowCount(4);
  // The plot: a grid with major lines every 25 steps of 10 units, the
  // samples drawn over it by its paint event.
  PlotGrid1 = MakeNamed<TzrPlotGrid>(this, "PlotGrid1");
  PlotGrid1->SetBounds(0, 0, 520, 330);
  PlotGrid1->SetMarks(25);
  PlotGrid1->SetFrequency(10);
  PlotGrid1->OnPaint = [this](TObject* s, TzrCanvas* c, const TzrRect& r) {
    PlotGrid1Paint(s, c, r);
  };

  OpenDialog1 = MakeNamed<TOpenDialog>(this, "OpenDialog1");
  OpenDialog1->SetFilter("INI File (*.txt)|*.txt");
  SaveDialog1 = MakeNamed<TSaveDialog>(this, "SaveDialog1");
  SaveDialog1->SetFilter(
      "All Format Config File|*.pdf;*.txt|PDF Config File|*.pdf|TXT Config File|*.txt");

  OnLogRecords = [this](const uint8_t* ring, int count) { ProcessLogRecords(ring, count); };
}

// The print button has no action.
void TfrmInterface::btnPrintClick(TObject*) {}
