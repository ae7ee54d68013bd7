// The chart panel on a display (run under xvfb-run): GTK's draw signal runs
// Paint, which copies the kept picture until Invalidate; button presses
// reach the listeners; the rubber band drawn twice in XOR mode leaves the
// window as it was. Also writes build/gallery/chart_panel.png.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <typeinfo>

#include "chart/PlotCPU.h"
#include "chart/PlotCanvas3D.h"
#include "chart/PlotPanelExtended.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/GraphicsCodec.h"
#include "tests/support/MainLoop.h"

namespace {

class TCountingPanel : public TCustomPlotPanelExtended {
 public:
  using TCustomPlotPanelExtended::TCustomPlotPanelExtended;
  int Draws = 0, Paints = 0, Invalidations = 0;
  void Invalidate() override {
    Invalidations++;
    TCustomPlotPanelExtended::Invalidate();
  }
  void InternalDraw(const TRect& R) override {
    Draws++;
    PanelPaint(R);
  }

 protected:
  void Paint() override {
    Paints++;
    TCustomPlotPanelExtended::Paint();
  }
};

struct PanelOnScreen : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "needs a display"; }
  void Show(TCustomPanel& panel) {
    Window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_container_add(GTK_CONTAINER(Window), panel.Handle());
    gtk_widget_show_all(Window);
  }
  void TearDown() override {
    if (Window) gtk_widget_destroy(Window);
    Pump([] { return false; }, 20);
  }
  // Runs GTK events until done() or the time is up; answers done().
  static bool Pump(const std::function<bool()>& done, int ms = 3000) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done() && std::chrono::steady_clock::now() < end) {
      while (gtk_events_pending()) gtk_main_iteration();
      g_usleep(1000);
    }
    return done();
  }
  GtkWidget* Window = nullptr;
};

TEST_F(PanelOnScreen, SecondPaintCopiesThePictureUntilInvalidate) {
  TCountingPanel panel(nullptr);
  Show(panel);
  ASSERT_TRUE(Pump([&] { return panel.Paints >= 1; }));
  EXPECT_EQ(panel.Draws, 1);
  // The window is exposed again: the kept picture is copied, not drawn.
  int paints = panel.Paints;
  gtk_widget_queue_draw(panel.Handle());
  ASSERT_TRUE(Pump([&] { return panel.Paints > paints; }));
  EXPECT_EQ(panel.Draws, 1);
  panel.Invalidate();
  ASSERT_TRUE(Pump([&] { return panel.Draws == 2; }));
  // The unit's default canvas name is not a registered class.
  EXPECT_EQ(panel.GetDefaultCanvasName(), PlotDefaultCanvas);
  EXPECT_EQ(typeid(*panel.GetCanvas()), typeid(TPlotCanvas3D));
}

TEST_F(PanelOnScreen, ButtonPressReachesListenersUnlessCancelled) {
  struct TListener : IPlotEventListener {
    std::vector<TPoint> Downs;
    void HandlePlotEvent(TPlotEvent* E) override {
      auto* m = dynamic_cast<TPlotMouseEvent*>(E);
      if (m && m->Event == meDown) Downs.push_back(TPoint{m->X, m->Y});
    }
  };
  TCountingPanel panel(nullptr);
  auto listener = std::make_shared<TListener>();
  panel.AddListener(listener);
  Show(panel);
  ASSERT_TRUE(Pump([&] { return panel.Paints >= 1; }));
  auto press = [&](int x, int y) {
    GdkEvent* e = gdk_event_new(GDK_BUTTON_PRESS);
    e->button.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(panel.Handle())));
    e->button.button = 3;
    e->button.x = x;
    e->button.y = y;
    e->button.state = GDK_SHIFT_MASK;
    gdk_event_set_device(
        e, gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default())));
    gtk_widget_event(panel.Handle(), e);
    gdk_event_free(e);
  };
  TMouseButton button = mbLeft;
  TShiftState shift = 0;
  panel.OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int, int) {
    button = b, shift = s;
  };
  press(12, 34);
  ASSERT_EQ(listener->Downs.size(), 1u);
  EXPECT_EQ(listener->Downs[0], (TPoint{12, 34}));
  EXPECT_EQ(button, mbRight);
  EXPECT_EQ(shift, ssShift);
  panel.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
    panel.CancelMouse = true;
  };
  press(5, 6);
  EXPECT_EQ(listener->Downs.size(), 1u);
}

TEST_F(PanelOnScreen, XorRubberBandDrawnTwiceLeavesThePixels) {
  TCountingPanel panel(nullptr);
  panel.GetGradient()->SetVisible(true);
  panel.GetGradient()->SetStartColor(clNavy);
  panel.GetGradient()->SetEndColor(clYellow);
  Show(panel);
  ASSERT_TRUE(Pump([&] { return panel.Paints >= 1; }));
  // Let the window settle (late exposes repaint it) before its picture is kept.
  ASSERT_TRUE(Settle());
  TBitmap before;
  before.Assign(panel.GetSurface());
  TPlotZoom* zoom = panel.GetZoom();
  zoom->X0 = 40, zoom->Y0 = 30, zoom->X1 = 200, zoom->Y1 = 150;
  const int paints = panel.Paints, invalidations = panel.Invalidations;
  panel.DrawZoomRectangle();
  TCanvas* c = panel.GetSurface()->GetCanvas();
  EXPECT_NE(c->GetPixels(41, 90), before.GetCanvas()->GetPixels(41, 90));
  EXPECT_EQ(c->GetPixels(120, 90), before.GetCanvas()->GetPixels(120, 90));
  // Shown without painting: the band asks for no repaint (nothing is
  // pumped meanwhile, where a window manager's late expose may repaint).
  EXPECT_EQ(panel.Paints, paints);
  EXPECT_EQ(panel.Invalidations, invalidations) << "the band asked for a repaint";
  panel.TryDrawZoom();
  for (int y = 0; y < panel.GetHeight(); y += 3)
    for (int x = 0; x < panel.GetWidth(); x += 3)
      ASSERT_EQ(c->GetPixels(x, y), before.GetCanvas()->GetPixels(x, y)) << x << "," << y;
}

// ---------------- gallery ----------------

std::unique_ptr<TBitmap> Checker() {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf32bit);
  b->SetSize(24, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x)
      b->GetCanvas()->SetPixels(x, y, ((x / 8 + y / 8) % 2) ? clTeal : clYellow);
  return b;
}

void Place(TBitmap& sheet, TCountingPanel& panel, int x, int y) {
  panel.SetBounds(0, 0, 180, 120);
  panel.Draw();
  sheet.GetCanvas()->CopyRect(TRect{x, y, x + 180, y + 120}, panel.GetPlatformCanvas(),
                              TRect{0, 0, 180, 120});
}

TEST(PanelGallery, WritesPanels) {
  TBitmap sheet;
  sheet.SetPixelFormat(pf32bit);
  sheet.SetSize(4 * 190 + 10, 2 * 130 + 10);
  auto picture = Checker();
  std::vector<std::function<void(TCountingPanel&)>> setups = {
      [](TCountingPanel& p) {
        p.SetBevelInner(bvLowered);
        p.SetBevelWidth(3);
      },
      [](TCountingPanel& p) {
        p.SetBevelOuter(bvNone);
        p.GetBorder()->SetVisible(true);
        p.GetBorder()->SetWidth(3);
        p.GetBorder()->SetColor(clNavy);
        p.SetBorderRound(20);
      },
      [](TCountingPanel& p) {
        p.SetBevelOuter(bvNone);
        p.GetShadow()->SetSize(6);
        p.GetShadow()->SetColor(clGray);
        p.SetColor(clWhite);
      },
      [](TCountingPanel& p) {
        p.GetGradient()->SetVisible(true);
        p.GetGradient()->SetStartColor(clNavy);
        p.GetGradient()->SetEndColor(clAqua);
        p.GetGradient()->SetDirection(gdLeftRight);
        p.GetZoom()->X0 = 30, p.GetZoom()->Y0 = 25, p.GetZoom()->X1 = 140, p.GetZoom()->Y1 = 90;
      },
  };
  const TPlotBackImageMode modes[] = {pbmStretch, pbmTile, pbmCenter, pbmCustom};
  for (int i = 0; i < 4; ++i) {
    TCountingPanel panel(nullptr);
    setups[size_t(i)](panel);
    Place(sheet, panel, 10 + i * 190, 10);
    if (i == 3) {
      panel.DrawZoomRectangle();
      sheet.GetCanvas()->CopyRect(TRect{10 + i * 190, 10, 10 + i * 190 + 180, 130},
                                  panel.GetPlatformCanvas(), TRect{0, 0, 180, 120});
    }
    TCountingPanel back(nullptr);
    back.SetColor(clWhite);
    back.GetBackImage()->SetGraphic(picture.get());
    back.SetBackImageMode(modes[i]);
    if (modes[i] == pbmCustom) back.GetBackImage()->SetBounds(TRect{20, 15, 60, 50});
    Place(sheet, back, 10 + i * 190, 140);
  }
  std::filesystem::path dir = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(dir);
  std::vector<uint8_t> bgra;
  for (int y = 0; y < sheet.GetHeight(); ++y)
    bgra.insert(bgra.end(), sheet.GetScanLine(y), sheet.GetScanLine(y) + sheet.GetWidth() * 4);
  std::vector<uint8_t> png = EncodeGraphic(bgra, sheet.GetWidth(), sheet.GetHeight(), u"image/png");
  TFileStream out((dir / "chart_panel.png").string(), fmCreate);
  out.WriteBuffer(png.data(), int32_t(png.size()));
  // The tiled image repeats its yellow corner one picture width along.
  EXPECT_EQ(sheet.GetCanvas()->GetPixels(200 + 2, 142),
            sheet.GetCanvas()->GetPixels(200 + 26, 142));
}

}  // namespace
