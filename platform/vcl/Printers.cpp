// The printer: pages recorded through vector device contexts, printed by
// GTK or written to a PDF file.

#include "platform/vcl/Printers.h"

#include <cairo-pdf.h>
#include <gtk/gtk.h>

#include <cmath>

#include "platform/gdi/Gdi.h"

namespace {

// A4 in millimetres.
constexpr double kPaperWidthMm = 210;
constexpr double kPaperHeightMm = 297;

int MmToPixels(double mm) { return int(std::lround(mm / 25.4 * TPrinter::PrinterDpi)); }

bool RunDialogModal(GtkPrintOperation* operation) {
  GError* error = nullptr;
  GtkPrintOperationResult result =
      gtk_print_operation_run(operation, GTK_PRINT_OPERATION_ACTION_PRINT_DIALOG, nullptr, &error);
  if (result == GTK_PRINT_OPERATION_RESULT_ERROR) {
    std::string text = error ? error->message : "Printing failed";
    if (error) g_error_free(error);
    throw EPrinter(text);
  }
  return result != GTK_PRINT_OPERATION_RESULT_CANCEL;
}

struct PrintJob {
  const std::vector<cairo_surface_t*>* Pages;
  int Width, Height;
};

void DrawPage(GtkPrintOperation*, GtkPrintContext* context, gint page, gpointer data) {
  auto* job = static_cast<PrintJob*>(data);
  cairo_t* cr = gtk_print_context_get_cairo_context(context);
  double sx = gtk_print_context_get_width(context) / job->Width;
  double sy = gtk_print_context_get_height(context) / job->Height;
  double s = std::min(sx, sy);
  cairo_scale(cr, s, s);
  cairo_set_source_surface(cr, (*job->Pages)[size_t(page)], 0, 0);
  cairo_paint(cr);
}

}  // namespace

TPrinter::TPrintRunner TPrinter::RunPrintOperation = RunDialogModal;

TPrinter::TPrinter() = default;

TPrinter::~TPrinter() { Finish(); }

void TPrinter::CheckPrinting(bool Value) const {
  if (FPrinting == Value) return;
  throw EPrinter(Value ? "Printing not in progress" : "Printing in progress");
}

void TPrinter::SetOrientation(TPrinterOrientation Value) {
  CheckPrinting(false);
  FOrientation = Value;
}

int TPrinter::GetPageWidth() const {
  return MmToPixels(FOrientation == poPortrait ? kPaperWidthMm : kPaperHeightMm);
}

int TPrinter::GetPageHeight() const {
  return MmToPixels(FOrientation == poPortrait ? kPaperHeightMm : kPaperWidthMm);
}

TCanvas* TPrinter::GetCanvas() {
  CheckPrinting(true);
  return FCanvas.get();
}

void TPrinter::StartPage() {
  const int w = GetPageWidth(), h = GetPageHeight();
  cairo_rectangle_t extents{0, 0, double(w), double(h)};
  FPages.push_back(cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents));
  if (!FCanvas) FCanvas = std::make_unique<TCanvas>();
  gdi::HDC old = FCanvas->HandleAllocated() ? FCanvas->GetHandle() : nullptr;
  FCanvas->SetHandle(gdi::CreateVectorDC(FPages.back(), w, h, PrinterDpi, 1.0));
  if (old) gdi::DeleteDC(old);
}

void TPrinter::BeginDoc() {
  CheckPrinting(false);
  FAborted = false;
  FPrinting = true;
  StartPage();
}

void TPrinter::NewPage() {
  CheckPrinting(true);
  StartPage();
}

void TPrinter::Finish() {
  if (FCanvas && FCanvas->HandleAllocated()) {
    gdi::HDC dc = FCanvas->GetHandle();
    FCanvas->SetHandle(nullptr);
    gdi::DeleteDC(dc);
  }
  for (cairo_surface_t* page : FPages) cairo_surface_destroy(page);
  FPages.clear();
  FPrinting = false;
}

void TPrinter::WritePdf() const {
  // Points on paper: 72 a inch.
  const double scale = 72.0 / PrinterDpi;
  cairo_surface_t* pdf = cairo_pdf_surface_create(OutputFileName.c_str(), GetPageWidth() * scale,
                                                  GetPageHeight() * scale);
  if (!Title.empty()) cairo_pdf_surface_set_metadata(pdf, CAIRO_PDF_METADATA_TITLE, Title.c_str());
  cairo_t* cr = cairo_create(pdf);
  cairo_scale(cr, scale, scale);
  for (cairo_surface_t* page : FPages) {
    cairo_set_source_surface(cr, page, 0, 0);
    cairo_paint(cr);
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  cairo_surface_finish(pdf);
  cairo_status_t status = cairo_surface_status(pdf);
  cairo_surface_destroy(pdf);
  if (status != CAIRO_STATUS_SUCCESS)
    throw EPrinter("Cannot write " + OutputFileName + ": " + cairo_status_to_string(status));
}

void TPrinter::RunDialog() const {
  PrintJob job{&FPages, GetPageWidth(), GetPageHeight()};
  GtkPrintOperation* operation = gtk_print_operation_new();
  gtk_print_operation_set_n_pages(operation, int(FPages.size()));
  if (!Title.empty()) gtk_print_operation_set_job_name(operation, Title.c_str());
  GtkPageSetup* setup = gtk_page_setup_new();
  gtk_page_setup_set_orientation(setup, FOrientation == poPortrait
                                            ? GTK_PAGE_ORIENTATION_PORTRAIT
                                            : GTK_PAGE_ORIENTATION_LANDSCAPE);
  gtk_print_operation_set_default_page_setup(operation, setup);
  g_signal_connect(operation, "draw-page", G_CALLBACK(DrawPage), &job);
  try {
    RunPrintOperation(operation);
  } catch (...) {
    g_object_unref(setup);
    g_object_unref(operation);
    throw;
  }
  g_object_unref(setup);
  g_object_unref(operation);
}

void TPrinter::EndDoc() {
  CheckPrinting(true);
  // The pages go away whatever happens to them.
  struct Cleanup {
    TPrinter* P;
    ~Cleanup() { P->Finish(); }
  } cleanup{this};
  if (FCanvas->HandleAllocated()) {
    gdi::HDC dc = FCanvas->GetHandle();
    FCanvas->SetHandle(nullptr);
    gdi::DeleteDC(dc);  // the last page's context lets go of its surface
  }
  if (!OutputFileName.empty())
    WritePdf();
  else
    RunDialog();
}

void TPrinter::Abort() {
  CheckPrinting(true);
  FAborted = true;
  Finish();
}

TPrinter* Printer() {
  static TPrinter printer;
  return &printer;
}
