#pragma once
// The printer. Pages are drawn through the printer's canvas, a vector device
// context at PrinterDpi on a Cairo recording surface per page; EndDoc hands
// the pages to the GTK print dialog, or writes them to a PDF file when
// OutputFileName is set. Pages are A4, turned for landscape.

#include <cairo.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Graphics.h"

typedef struct _GtkPrintOperation GtkPrintOperation;

enum TPrinterOrientation { poPortrait, poLandscape };

class EPrinter : public Exception {
 public:
  using Exception::Exception;
};

class TPrinter {
 public:
  static constexpr int PrinterDpi = 150;
  // Runs the print operation of EndDoc; by default the GTK print dialog.
  // Tests put a runner here that prints without showing the dialog; it
  // answers False when the user cancelled.
  using TPrintRunner = std::function<bool(GtkPrintOperation* Operation)>;
  static TPrintRunner RunPrintOperation;

  TPrinter();
  ~TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  std::string Title;
  // Where EndDoc writes a PDF file instead of opening the print dialog.
  std::string OutputFileName;

  TPrinterOrientation GetOrientation() const { return FOrientation; }
  // Raises EPrinter while a document is printing.
  void SetOrientation(TPrinterOrientation Value);
  // The page in device pixels.
  int GetPageWidth() const;
  int GetPageHeight() const;
  // The canvas of the current page; raises EPrinter when not printing.
  TCanvas* GetCanvas();
  bool GetPrinting() const { return FPrinting; }
  bool GetAborted() const { return FAborted; }
  int GetPageNumber() const { return int(FPages.size()); }

  // Starts a document with its first page; raises EPrinter when printing.
  void BeginDoc();
  void NewPage();
  // Sends the pages on and ends the document; raises EPrinter when not
  // printing, or when the PDF file or the print operation fails.
  void EndDoc();
  // Throws the pages away and ends the document.
  void Abort();

 private:
  void CheckPrinting(bool Value) const;
  void StartPage();
  void Finish();
  void WritePdf() const;
  void RunDialog() const;
  TPrinterOrientation FOrientation = poPortrait;
  bool FPrinting = false;
  bool FAborted = false;
  std::vector<cairo_surface_t*> FPages;
  std::unique_ptr<TCanvas> FCanvas;
};

// The program's one printer.
TPrinter* Printer();
