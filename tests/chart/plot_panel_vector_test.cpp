// The chart panel as a vector picture and on paper: SVG metafiles, the
// clipboard's SVG data, printed PDF pages and failed print jobs.

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "chart/PlotPanelExtended.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/Clipbrd.h"
#include "platform/vcl/Metafile.h"
#include "platform/vcl/Printers.h"
#include "tests/support/RunCommand.h"

namespace {

// A yellow panel with its title written in black.
class TTitledPanel : public TCustomPlotPanelExtended {
 public:
  using TCustomPlotPanelExtended::TCustomPlotPanelExtended;
  std::string Title = "Motor RPM";
  void InternalDraw(const TRect& R) override {
    PanelPaint(R);
    TCanvas* c = GetCanvas()->GetReferenceCanvas();
    c->GetBrush()->SetStyle(bsClear);
    c->GetFont()->SetColor(clBlack);
    c->TextOut(R.Left + 10, R.Top + 10, Title);
  }
};

std::unique_ptr<TTitledPanel> TitledPanel() {
  auto panel = std::make_unique<TTitledPanel>(nullptr);
  panel->SetBevelOuter(bvNone);
  panel->SetBevelInner(bvNone);
  panel->SetBounds(0, 0, 160, 90);
  panel->SetColor(clYellow);
  return panel;
}

// Each test runs in a process of its own beside others: files carry the process id.
std::string TempFile(const std::string& Name) {
  return ::testing::TempDir() + std::to_string(getpid()) + "_" + Name;
}

std::string ReadFile(const std::string& Name) {
  std::ifstream in(Name, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The root element's width and height of an SVG document, or an error text
// when the document is no well-formed XML.
struct TSvgRoot {
  std::string Error, Width, Height;
};

TSvgRoot ParseSvg(const std::string& Data) {
  TSvgRoot root;
  GMarkupParser parser{};
  parser.start_element = [](GMarkupParseContext*, const gchar* element, const gchar** names,
                            const gchar** values, gpointer data, GError**) {
    auto* r = static_cast<TSvgRoot*>(data);
    if (std::string(element) != "svg" || !r->Width.empty()) return;
    for (int i = 0; names[i]; ++i) {
      if (std::string(names[i]) == "width") r->Width = values[i];
      if (std::string(names[i]) == "height") r->Height = values[i];
    }
  };
  GMarkupParseContext* context =
      g_markup_parse_context_new(&parser, GMarkupParseFlags(0), &root, nullptr);
  GError* error = nullptr;
  // GMarkup reads no XML declaration; the document starts after it.
  std::string body = Data;
  if (body.rfind("<?xml", 0) == 0) body = body.substr(body.find("?>") + 2);
  if (!g_markup_parse_context_parse(context, body.data(), gssize(body.size()), &error) ||
      !g_markup_parse_context_end_parse(context, &error)) {
    root.Error = error ? error->message : "parse error";
    if (error) g_error_free(error);
  }
  g_markup_parse_context_free(context);
  return root;
}

TEST(PanelMetafile, SizesAndSvgFiles) {
  auto panel = TitledPanel();
  std::unique_ptr<TMetafile> empty(panel->PlotCreateMetafile(true, TRect{20, 20, 20, 20}));
  EXPECT_EQ(empty->GetWidth(), 1);
  EXPECT_EQ(empty->GetHeight(), 1);
  EXPECT_TRUE(empty->GetEnhanced());

  const std::string file = TempFile("panel.svg");
  panel->SaveToMetafile(file);
  const TSvgRoot root = ParseSvg(ReadFile(file));
  EXPECT_EQ(root.Error, "");
  EXPECT_EQ(root.Width, "160px");
  EXPECT_EQ(root.Height, "90px");
  std::remove(file.c_str());

  panel->SaveToMetafileRect(true, file, TRect{0, 0, 40, 30});
  EXPECT_EQ(ParseSvg(ReadFile(file)).Width, "40px");
  std::remove(file.c_str());

  EXPECT_THROW(panel->SaveToMetafileEnh("/nonexistent-dir/panel.svg"), EFCreateError);
}

TEST(PanelMetafile, ReplaysOntoABitmap) {
  auto panel = TitledPanel();
  panel->Title = "电机转速";
  std::unique_ptr<TMetafile> metafile(panel->PlotCreateMetafile(false, panel->GetRectangle()));
  EXPECT_FALSE(metafile->GetEnhanced());
  TBitmap page;
  page.SetPixelFormat(pf24bit);
  page.SetSize(320, 180);
  page.GetCanvas()->StretchDraw(TRect{0, 0, 320, 180}, metafile.get());
  EXPECT_EQ(page.GetCanvas()->GetPixels(300, 170), clYellow);
  // The title's ink is somewhere in its line, scaled twice.
  int dark = 0;
  for (int y = 20; y < 60; ++y)
    for (int x = 20; x < 200; ++x) dark += page.GetCanvas()->GetPixels(x, y) != clYellow;
  EXPECT_GT(dark, 50);
  const std::filesystem::path gallery = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(gallery);
  const std::string bmp = TempFile("metafile_replay.bmp");
  page.SaveToFile(bmp);
  if (GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(bmp.c_str(), nullptr)) {
    gdk_pixbuf_save(pixbuf, (gallery / "chart_metafile_replay.png").c_str(), "png", nullptr,
                    nullptr);
    g_object_unref(pixbuf);
  }
  std::remove(bmp.c_str());

  TMemoryStream none;
  EXPECT_THROW(metafile->LoadFromStream(none), EInvalidGraphicOperation);
  TMetafile blank;
  EXPECT_THROW(TMetafileCanvas canvas(&blank), EInvalidGraphicOperation);
}

TEST(PanelMetafile, SvgOnTheClipboard) {
  ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "needs a display";
  auto panel = TitledPanel();
  panel->CopyToClipboardMetafile(true, TRect{0, 0, 50, 40});
  const TSvgRoot root = ParseSvg(Clipboard()->GetAsSvg());
  EXPECT_EQ(root.Error, "");
  EXPECT_EQ(root.Width, "50px");
  EXPECT_EQ(root.Height, "40px");
  EXPECT_THROW(Clipboard()->SetAsSvg(""), EClipboardException);
}

// Prints to a PDF file in the temporary folder; the printer is left as found.
class PanelPrintJob : public ::testing::Test {
 protected:
  void SetUp() override {
    File = TempFile("panel_print.pdf");
    std::remove(File.c_str());
    Printer()->OutputFileName = File;
  }
  void TearDown() override {
    Printer()->OutputFileName.clear();
    Printer()->Title.clear();
    std::remove(File.c_str());
  }
  std::string Info() { return RunCommand("pdfinfo '" + File + "'").Output; }
  std::string Text() { return RunCommand("pdftotext '" + File + "' -").Output; }
  std::string File;
};

TEST_F(PanelPrintJob, PrintedPdfHoldsTheTitle) {
  auto panel = TitledPanel();
  panel->SetName("RpmChart");
  panel->Print();
  const std::string info = Info();
  EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Title:           RpmChart"), std::string::npos) << info;
  EXPECT_NE(info.find("595.2 x 841.92 pts (A4)"), std::string::npos) << info;
  EXPECT_NE(Text().find("Motor RPM"), std::string::npos);
  // The page, rendered, for the gallery.
  const std::filesystem::path gallery = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(gallery);
  RunCommand("pdftoppm -r 50 -png -singlefile '" + File + "' '" +
             (gallery / "chart_printed_page").string() + "'");
  EXPECT_FALSE(Printer()->GetPrinting());
  EXPECT_TRUE(panel->AutoRepaint);
  // Proportional margins for a wide chart on portrait paper.
  EXPECT_EQ(panel->PrintMargins.Left, 15);
  EXPECT_EQ(panel->PrintMargins.Right, 15);
  EXPECT_GT(panel->PrintMargins.Top, 15);
}

TEST_F(PanelPrintJob, LandscapeTurnsThePageAndTurnsBack) {
  auto panel = TitledPanel();
  panel->PrintLandscape();
  EXPECT_NE(Info().find("841.92 x 595.2 pts (A4)"), std::string::npos) << Info();
  EXPECT_EQ(Printer()->GetOrientation(), poPortrait);
  std::remove(File.c_str());
  panel->PrintOrientation(poPortrait);
  EXPECT_NE(Info().find("595.2 x 841.92 pts (A4)"), std::string::npos) << Info();
}

TEST_F(PanelPrintJob, FailureBeforePrintAbortsTheJob) {
  auto panel = TitledPanel();
  bool repaintingMeanwhile = true;
  panel->OnBeforePrint = [&](TCustomPlotPanel* Sender, TCanvas*, TRect&) {
    repaintingMeanwhile = Sender->AutoRepaint;
    throw std::runtime_error("paper jam");
  };
  EXPECT_THROW(panel->Print(), std::runtime_error);
  EXPECT_FALSE(repaintingMeanwhile);
  EXPECT_TRUE(Printer()->GetAborted());
  EXPECT_FALSE(Printer()->GetPrinting());
  EXPECT_TRUE(panel->AutoRepaint);
  EXPECT_FALSE(panel->Printing);
  EXPECT_EQ(ReadFile(File), "");  // nothing was written

  // A printer already busy refuses the job without aborting the other one.
  panel->OnBeforePrint = nullptr;
  Printer()->BeginDoc();
  EXPECT_THROW(panel->Print(), EPrinter);
  EXPECT_TRUE(Printer()->GetPrinting());
  EXPECT_THROW(Printer()->SetOrientation(poLandscape), EPrinter);
  Printer()->Abort();
  EXPECT_TRUE(panel->AutoRepaint);
}

TEST_F(PanelPrintJob, UnwritableFileIsAPrinterError) {
  auto panel = TitledPanel();
  Printer()->OutputFileName = "/nonexistent-dir/out.pdf";
  EXPECT_THROW(panel->Print(), EPrinter);
  EXPECT_FALSE(Printer()->GetPrinting());
  EXPECT_THROW(Printer()->EndDoc(), EPrinter);
  EXPECT_THROW(Printer()->GetCanvas(), EPrinter);
}

TEST_F(PanelPrintJob, PrintDialogReceivesEveryPage) {
  ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "needs a display";
  Printer()->OutputFileName.clear();
  const TPrinter::TPrintRunner dialog = TPrinter::RunPrintOperation;
  int pages = 0;
  // In place of the dialog: GTK's own export of the operation to PDF.
  TPrinter::RunPrintOperation = [&](GtkPrintOperation* operation) {
    g_object_get(operation, "n-pages", &pages, nullptr);
    gtk_print_operation_set_export_filename(operation, File.c_str());
    return gtk_print_operation_run(operation, GTK_PRINT_OPERATION_ACTION_EXPORT, nullptr,
                                   nullptr) == GTK_PRINT_OPERATION_RESULT_APPLY;
  };
  auto panel = TitledPanel();
  Printer()->BeginDoc();
  panel->PrintPartial(TRect{100, 100, 500, 400});
  Printer()->NewPage();
  panel->Title = "Second page";
  panel->PrintPartial(TRect{100, 100, 500, 400});
  EXPECT_EQ(Printer()->GetPageNumber(), 2);
  Printer()->EndDoc();
  TPrinter::RunPrintOperation = dialog;
  EXPECT_EQ(pages, 2);
  const std::string text = Text();
  EXPECT_NE(text.find("Motor RPM"), std::string::npos) << text;
  EXPECT_NE(text.find("Second page"), std::string::npos) << text;
}

}  // namespace
