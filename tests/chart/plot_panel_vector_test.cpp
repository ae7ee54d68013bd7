// The chart panel as a vector picture and on paper: SVG metafiles, the
// clipboard's SVG data, printed PDF pages and failed print jobs.

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <pugixml.hpp>
#include <sstream>
#include <stdexcept>

#include "chart/PlotPanelExtended.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/Clipbrd.h"
#include "platform/vcl/Metafile.h"
#include "platform/vcl/Printers.h"
#include "tests/support/RunCommand.h"
#include "tests/support/DisplayLocks.h"

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

// A white panel with a blue zigzag of lines, a red rectangle and a green
// ellipse, drawn with the pen mode Mode.
class TShapesPanel : public TCustomPlotPanelExtended {
 public:
  using TCustomPlotPanelExtended::TCustomPlotPanelExtended;
  TPenMode Mode = pmCopy;
  void InternalDraw(const TRect& R) override {
    PanelPaint(R);
    TCanvas* c = GetCanvas()->GetReferenceCanvas();
    c->GetPen()->SetStyle(psSolid);
    c->GetPen()->SetMode(Mode);
    c->GetPen()->SetColor(clBlue);
    c->GetPen()->SetWidth(3);
    c->MoveTo(R.Left + 10, R.Top + 80);
    c->LineTo(R.Left + 40, R.Top + 10);
    c->LineTo(R.Left + 70, R.Top + 80);
    c->GetPen()->SetWidth(1);
    c->GetPen()->SetColor(clBlack);
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(clRed);
    c->Rectangle(R.Left + 60, R.Top + 20, R.Left + 100, R.Top + 60);
    c->GetBrush()->SetColor(clLime);
    c->Ellipse(R.Left + 100, R.Top + 30, R.Left + 150, R.Top + 85);
    c->GetPen()->SetMode(pmCopy);
  }
};

std::unique_ptr<TShapesPanel> ShapesPanel() {
  auto panel = std::make_unique<TShapesPanel>(nullptr);
  panel->SetBevelOuter(bvNone);
  panel->SetBevelInner(bvNone);
  panel->SetBounds(0, 0, 160, 90);
  panel->SetColor(clWhite);
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

// Lines, a filled rectangle and an ellipse are SVG paths, not pictures; the
// SVG, rendered, shows their colours where the bitmap has them.
TEST(PanelMetafile, ShapesAreSvgPaths) {
  auto panel = ShapesPanel();
  const std::string file = TempFile("shapes.svg");
  panel->SaveToMetafile(file);
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_file(file.c_str()));
  EXPECT_EQ(doc.select_nodes("//*[local-name()='image']").size(), 0u);
  int red = 0, lime = 0, blue = 0;
  for (const pugi::xpath_node& n : doc.select_nodes("//*[local-name()='path']")) {
    const std::string style = n.node().attribute("style").value();
    red += style.find("fill:rgb(100%,0%,0%)") != std::string::npos;
    lime += style.find("fill:rgb(0%,100%,0%)") != std::string::npos;
    blue += style.find("stroke:rgb(0%,0%,100%)") != std::string::npos;
  }
  EXPECT_EQ(red, 1);
  EXPECT_EQ(lime, 1);
  EXPECT_EQ(blue, 2);

  std::unique_ptr<TBitmap> bitmap(panel->PlotCreateBitmap());
  GdkPixbuf* rendered = gdk_pixbuf_new_from_file(file.c_str(), nullptr);
  ASSERT_NE(rendered, nullptr);
  ASSERT_EQ(gdk_pixbuf_get_width(rendered), 160);
  const struct {
    int X, Y;
  } samples[] = {{80, 40}, {125, 57}, {25, 45}, {5, 5}, {150, 10}, {105, 50}};
  const guchar* px = gdk_pixbuf_get_pixels(rendered);
  const int stride = gdk_pixbuf_get_rowstride(rendered),
            channels = gdk_pixbuf_get_n_channels(rendered);
  for (const auto& p : samples) {
    const guchar* q = px + p.Y * stride + p.X * channels;
    const TColor want = bitmap->GetCanvas()->GetPixels(p.X, p.Y);
    EXPECT_NEAR(q[0], want & 0xFF, 24) << p.X << "," << p.Y;
    EXPECT_NEAR(q[1], (want >> 8) & 0xFF, 24) << p.X << "," << p.Y;
    EXPECT_NEAR(q[2], (want >> 16) & 0xFF, 24) << p.X << "," << p.Y;
  }
  const std::filesystem::path gallery = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(gallery);
  gdk_pixbuf_save(rendered, (gallery / "chart_shapes_svg.png").c_str(), "png", nullptr, nullptr);
  g_object_unref(rendered);
  std::remove(file.c_str());
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
  TClipboardLock clipboardLock;
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

// The shapes printed at twice their size: pdftoppm at the printer's
// resolution shows the bitmap's colours at the same places, and the outlines
// make a far smaller file than the same drawing as pieces of pixels (a mask
// pen mixes on the page, so it cannot go out as outlines).
TEST_F(PanelPrintJob, PrintedShapesAreOutlines) {
  auto panel = ShapesPanel();
  const TRect onPage{100, 100, 420, 280};
  panel->PrintRect(onPage);
  const auto vectorSize = std::filesystem::file_size(File);
  const std::string png = TempFile("printed_shapes");
  ASSERT_EQ(RunCommand("pdftoppm -r " + std::to_string(TPrinter::PrinterDpi) +
                       " -png -singlefile '" + File + "' '" + png + "'")
                .Status,
            0);
  std::filesystem::copy_file(
      png + ".png",
      std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery" / "chart_printed_shapes.png",
      std::filesystem::copy_options::overwrite_existing);
  GdkPixbuf* page = gdk_pixbuf_new_from_file((png + ".png").c_str(), nullptr);
  ASSERT_NE(page, nullptr);
  std::unique_ptr<TBitmap> bitmap(panel->PlotCreateBitmap());
  const struct {
    int X, Y;
  } samples[] = {{80, 40}, {125, 57}, {25, 45}, {5, 5}, {150, 10}, {105, 50}, {90, 30}};
  const guchar* px = gdk_pixbuf_get_pixels(page);
  const int stride = gdk_pixbuf_get_rowstride(page), channels = gdk_pixbuf_get_n_channels(page);
  for (const auto& p : samples) {
    const int x = onPage.Left + 2 * p.X + 1, y = onPage.Top + 2 * p.Y + 1;
    const guchar* q = px + y * stride + x * channels;
    const TColor want = bitmap->GetCanvas()->GetPixels(p.X, p.Y);
    EXPECT_NEAR(q[0], want & 0xFF, 24) << p.X << "," << p.Y;
    EXPECT_NEAR(q[1], (want >> 8) & 0xFF, 24) << p.X << "," << p.Y;
    EXPECT_NEAR(q[2], (want >> 16) & 0xFF, 24) << p.X << "," << p.Y;
  }
  g_object_unref(page);
  std::remove((png + ".png").c_str());

  panel->Mode = pmMask;
  panel->PrintRect(onPage);
  const auto pixelSize = std::filesystem::file_size(File);
  EXPECT_LT(vectorSize * 3, pixelSize) << vectorSize << " " << pixelSize;
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
