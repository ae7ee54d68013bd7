// The axis panel's pages on paper, one printed page each.

#include "chart/AxisPanel.h"
#include "platform/vcl/Printers.h"

void TCustomAxisPanel::PrintPages(int FromPage, int ToPage) {
  TPrinter* printer = Printer();
  if (!GetName().empty()) printer->Title = GetName();
  printer->BeginDoc();
  try {
    if (ToPage == 0) ToPage = FPage->Count();
    if (FromPage == 0) FromPage = 1;
    const int current = FPage->GetCurrent();
    try {
      const TRect r = ChartPrintRect();
      for (int page = FromPage; page <= ToPage; ++page) {
        FPage->SetCurrent(page);
        PrintPartial(r);
        if (page < ToPage) printer->NewPage();
      }
    } catch (...) {
      FPage->SetCurrent(current);
      throw;
    }
    FPage->SetCurrent(current);
    printer->EndDoc();
  } catch (...) {
    if (printer->GetPrinting()) printer->Abort();
    if (printer->GetPrinting()) printer->EndDoc();
    throw;
  }
}
