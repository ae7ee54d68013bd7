// The chart panel on paper: margins, proportional margins, the mapping of a
// printer rectangle, printing onto a canvas and its failures.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <memory>
#include <stdexcept>

#include "chart/PlotPanelExtended.h"
#include "platform/gdi/Gdi.h"

namespace {

// A panel whose chart is its background alone; counts its drawings.
class TPrintPanel : public TCustomPlotPanelExtended {
 public:
  using TCustomPlotPanelExtended::TCustomPlotPanelExtended;
  int Draws = 0;
  void InternalDraw(const TRect& R) override {
    Draws++;
    PanelPaint(R);
  }
};

std::unique_ptr<TPrintPanel> YellowPanel() {
  auto panel = std::make_unique<TPrintPanel>(nullptr);
  panel->SetBevelOuter(bvNone);
  panel->SetBevelInner(bvNone);
  panel->SetBounds(0, 0, 90, 50);
  panel->SetColor(clYellow);
  return panel;
}

TEST(PanelPrint, MarginsTable) {
  TPrintPanel panel(nullptr);
  EXPECT_EQ(panel.PrintMarginsRect(2000, 3000), (TRect{300, 450, 1700, 2550}));
  panel.PrintMargins = TRect{10, 0, 5, 50};
  EXPECT_EQ(panel.PrintMarginsRect(1000, 1000), (TRect{100, 0, 950, 500}));

  const struct {
    int CW, CH, PW, PH;
    double Ratio;
    TRect Margins;
  } cases[] = {
      // A wide chart spans 70 % of the width: (1000 - 700 x 0.625) / 10 = 56.25 -> 56 / 2.
      {400, 250, 1000, 1000, 1, {15, 28, 15, 28}},
      // A tall chart spans 70 % of the height.
      {250, 400, 1000, 1000, 1, {28, 15, 28, 15}},
      {400, 250, 1000, 1000, 2, {15, 6, 15, 6}},
      {400, 250, 1000, 0, 1, {15, 0, 15, 0}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TCustomPlotPanel::InternalCalcProportionalMargins(c.CW, c.CH, c.PW, c.PH, c.Ratio),
              c.Margins)
        << c.CW << "x" << c.CH << " on " << c.PW << "x" << c.PH;

  // No page: the screen stands in, and the margins stay within the page.
  panel.SetBounds(0, 0, 400, 250);
  const TRect screen = panel.CalcProportionalMargins(0, 0, 1);
  EXPECT_EQ(screen.Left, 15);
  EXPECT_GE(screen.Top, 0);
}

TEST(PanelPrint, MetaBoundsScaleThePrinterRectangleIntoWindowUnits) {
  TPrintPanel panel(nullptr);
  TRect r{100, 100, 1100, 700};
  int ww = 0, wh = 0, vw = 0, vh = 0;
  ASSERT_TRUE(panel.CalcMetaBounds(r, TRect{0, 0, 500, 300}, ww, wh, vw, vh));
  EXPECT_EQ((std::vector<int>{ww, wh, vw, vh}), (std::vector<int>{500, 300, 1000, 600}));
  EXPECT_EQ(r, (TRect{50, 50, 550, 350}));

  panel.PrintResolution = 20;  // thicker lines: fewer logical units
  r = TRect{0, 0, 1000, 600};
  ASSERT_TRUE(panel.CalcMetaBounds(r, TRect{0, 0, 500, 300}, ww, wh, vw, vh));
  EXPECT_EQ(ww, 400);
  EXPECT_EQ(wh, 240);
  EXPECT_EQ(r, (TRect{0, 0, 400, 240}));

  // An empty printer rectangle leaves everything as it was.
  r = TRect{10, 10, 10, 300};
  ww = -1;
  EXPECT_FALSE(panel.CalcMetaBounds(r, TRect{0, 0, 500, 300}, ww, wh, vw, vh));
  EXPECT_EQ(ww, -1);
  EXPECT_EQ(r, (TRect{10, 10, 10, 300}));
}

TEST(PanelPrint, PartialCanvasDrawsIntoThePrinterRectangle) {
  auto panel = YellowPanel();
  TBitmap page;
  page.SetPixelFormat(pf24bit);
  page.SetSize(400, 200);
  page.GetCanvas()->GetBrush()->SetColor(clWhite);
  page.GetCanvas()->FillRect(TRect{0, 0, 400, 200});
  bool printingSeen = false;
  panel->OnBeforePrint = [&](TCustomPlotPanel* Sender, TCanvas*, TRect&) {
    printingSeen = Sender->Printing && Sender->IsPrinterCanvas;
  };
  // Twice the chart's size: drawn at screen scale, stretched by the mapping.
  panel->PrintPartialCanvas(page.GetCanvas(), TRect{380, 200, 200, 100});
  EXPECT_TRUE(printingSeen);
  EXPECT_EQ(panel->ICustomPrinterRect, (TRect{380, 200, 200, 100}));
  EXPECT_EQ(page.GetCanvas()->GetPixels(290, 150), clYellow);
  EXPECT_EQ(page.GetCanvas()->GetPixels(370, 190), clYellow);
  EXPECT_EQ(page.GetCanvas()->GetPixels(100, 50), clWhite);
  EXPECT_EQ(page.GetCanvas()->GetPixels(195, 150), clWhite);
  EXPECT_FALSE(panel->Printing);
  EXPECT_FALSE(panel->IsPrinterCanvas);
  EXPECT_EQ(gdi::GetMapMode(page.GetCanvas()->GetHandle()), gdi::MM_TEXT);

  // An empty printer rectangle prints nothing.
  const int draws = panel->Draws;
  panel->PrintPartialCanvas(page.GetCanvas(), TRect{50, 50, 50, 150});
  EXPECT_EQ(panel->Draws, draws);
}

TEST(PanelPrint, FailureBeforePrintingRestoresTheCanvasAndTheFlags) {
  auto panel = YellowPanel();
  TBitmap page;
  page.SetSize(200, 100);
  panel->OnBeforePrint = [](TCustomPlotPanel*, TCanvas*, TRect&) {
    throw std::runtime_error("paper jam");
  };
  EXPECT_THROW(panel->PrintPartialCanvas(page.GetCanvas(), TRect{0, 0, 200, 100}),
               std::runtime_error);
  EXPECT_FALSE(panel->Printing);
  EXPECT_FALSE(panel->IsPrinterCanvas);
  EXPECT_EQ(gdi::GetMapMode(page.GetCanvas()->GetHandle()), gdi::MM_TEXT);
  EXPECT_EQ(panel->Draws, 0);
}

TEST(PanelPrint, AntiAliasGivesA24BitPictureOfThePanel) {
  auto panel = YellowPanel();
  std::unique_ptr<TBitmap> bitmap(PlotAntiAlias(panel.get(), true));
  EXPECT_EQ(bitmap->GetPixelFormat(), pf24bit);
  EXPECT_EQ(bitmap->GetWidth(), 90);
  EXPECT_EQ(bitmap->GetHeight(), 50);
  EXPECT_EQ(bitmap->GetCanvas()->GetPixels(45, 25), clYellow);
}

TEST(PanelExport, BitmapOnTheClipboard) {
  ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "needs a display";
  auto panel = YellowPanel();
  panel->CopyToClipboardBitmap();
  GdkPixbuf* image = gtk_clipboard_wait_for_image(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(gdk_pixbuf_get_width(image), 90);
  EXPECT_EQ(gdk_pixbuf_get_height(image), 50);
  const guchar* p = gdk_pixbuf_get_pixels(image) + 25 * gdk_pixbuf_get_rowstride(image) +
                    45 * gdk_pixbuf_get_n_channels(image);
  EXPECT_EQ((std::vector<int>{p[0], p[1], p[2]}), (std::vector<int>{255, 255, 0}));
  g_object_unref(image);
}

}  // namespace
