// The chart panel without a display: the chart rectangle from margins,
// border, bevels, shadow and emboss; text measuring; the change setters;
// bevels; zoom and panning settings; back image modes; the panel background.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "chart/PlotCanvas3D.h"
#include "chart/PlotPanelExtended.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"

namespace {

// A panel whose chart is its background alone; counts its drawings.
class TTestPanel : public TCustomPlotPanelExtended {
 public:
  using TCustomPlotPanelExtended::TCustomPlotPanelExtended;
  int Draws = 0;
  std::vector<TRect> Fills;
  void InternalDraw(const TRect& R) override {
    Draws++;
    PanelPaint(R);
  }
  void FillPanelRect(const TRect& R) override {
    Fills.push_back(R);
    TCustomPlotPanelExtended::FillPanelRect(R);
  }
};

void Plain(TCustomPlotPanel& p) {
  p.SetBevelOuter(bvNone);
  p.SetBevelInner(bvNone);
}

TEST(PlotPanel, ChartRectFromMarginsBorderAndEffects) {
  struct TCase {
    const char* Name;
    std::function<void(TCustomPlotPanel&)> Setup;
    TRect Expected;
  };
  const TCase cases[] = {
      {"percent", [](TCustomPlotPanel&) {}, {12, 10, 388, 240}},
      {"pixels", [](TCustomPlotPanel& p) { p.SetMarginUnits(muPixels); }, {3, 4, 397, 246}},
      {"shadow", [](TCustomPlotPanel& p) { p.GetShadow()->SetSize(3); }, {12, 10, 385, 237}},
      {"shadow up-left",
       [](TCustomPlotPanel& p) { p.GetShadow()->SetSize(-3); },
       {15, 13, 388, 240}},
      {"emboss",
       [](TCustomPlotPanel& p) {
         p.GetEmboss()->SetVisible(true);
         p.GetEmboss()->SetSize(2);
       },
       {14, 12, 388, 240}},
      {"hidden emboss", [](TCustomPlotPanel& p) { p.GetEmboss()->SetSize(2); }, {12, 10, 388, 240}},
      {"border and bevels",
       [](TCustomPlotPanel& p) {
         p.GetBorder()->SetVisible(true);
         p.GetBorder()->SetWidth(2);
         p.SetBevelOuter(bvRaised);
         p.SetBevelInner(bvLowered);
         p.SetBevelWidth(3);
         p.SetBorderWidth(1);
       },
       {21, 19, 379, 231}},
  };
  for (const TCase& c : cases) {
    TCustomPlotPanel panel(nullptr);
    Plain(panel);
    c.Setup(panel);
    panel.ChartBounds = TRect{0, 0, 400, 250};
    panel.ApplyMargins();
    EXPECT_EQ(panel.ChartRect, c.Expected) << c.Name;
  }
}

TEST(PlotPanel, ReversedChartRectIsRepaired) {
  TCustomPlotPanel panel(nullptr);
  panel.ChartBounds = TRect{5, 5, 100, 100};
  panel.ChartRect = TRect{50, 2, 40, 20};
  panel.ReCalcWidthHeight();
  EXPECT_EQ(panel.ChartRect, (TRect{50, 5, 51, 20}));
  EXPECT_EQ(panel.ChartWidth, 1);
  EXPECT_EQ(panel.ChartYCenter, 12);
  panel.ChartRect = TRect{30, 30, 30, 30};
  panel.ReCalcWidthHeight();
  EXPECT_EQ(panel.ChartWidth, 0);
  EXPECT_EQ(panel.ChartHeight, 0);
}

TEST(PlotPanel, LinesOfTextAndMultiLineSize) {
  const std::pair<const char*, int> cases[] = {{"", 1},      {"one", 1},     {"a\r\nb", 2},
                                               {"a\r\n", 1}, {"a\rb\rc", 3}, {"\r\r", 2}};
  for (auto [text, lines] : cases) EXPECT_EQ(TCustomPlotPanel::LinesOfText(text), lines) << text;

  TCustomPlotPanel panel(nullptr);
  int n = -1;
  EXPECT_EQ(panel.MultiLineTextSize("", ttfNormal, n), (TPoint{0, 0}));
  EXPECT_EQ(n, 0);
  TPoint one = panel.MultiLineTextSize("WWWW", ttfNormal, n);
  EXPECT_EQ(n, 1);
  TPoint two = panel.MultiLineTextSize("W\r\nWWWW\r\n", ttfNormal, n);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(two.X, one.X);
  EXPECT_EQ(two.Y, 2 * one.Y);
}

TEST(PlotPanel, SettersRepaintOnlyOnRealChange) {
  TTestPanel panel(nullptr);
  panel.Draw();
  auto* canvas = dynamic_cast<TPlotCanvas3D*>(panel.GetCanvas());
  ASSERT_NE(canvas, nullptr);
  ASSERT_FALSE(canvas->GetDirty());
  int field = 7;
  panel.SetIntegerProperty(field, 7);
  EXPECT_FALSE(canvas->GetDirty());
  double d = 1.5;
  panel.SetDoubleProperty(d, std::nan(""));
  EXPECT_EQ(d, 1.5);
  EXPECT_FALSE(canvas->GetDirty());
  double nan = std::nan("");
  panel.SetDoubleProperty(nan, 2.0);
  EXPECT_TRUE(std::isnan(nan));
  EXPECT_FALSE(canvas->GetDirty());
  panel.SetIntegerProperty(field, 8);
  EXPECT_EQ(field, 8);
  EXPECT_TRUE(canvas->GetDirty());

  panel.Draw();
  panel.AutoRepaint = false;
  panel.SetMarginLeft(9);
  EXPECT_FALSE(canvas->GetDirty());
  EXPECT_EQ(panel.GetMarginLeft(), 9);
}

TEST(PlotPanel, BevelWidthIsLimitedByTheRectangle) {
  TPlotCanvas3D canvas;
  TBitmap bitmap;
  bitmap.SetSize(40, 8);
  canvas.SetCanvas(bitmap.GetCanvas());
  TRect r{0, 0, 40, 8};
  DrawBevel(&canvas, bvRaised, r, 10, 0);
  EXPECT_EQ(r, (TRect{4, 4, 36, 4}));
  EXPECT_EQ(bitmap.GetCanvas()->GetPixels(0, 0), clWhite);
  EXPECT_EQ(bitmap.GetCanvas()->GetPixels(39, 7), TColor(0xA0A0A0));
  TRect none{0, 0, 40, 8};
  DrawBevel(&canvas, bvNone, none, 10, 0);
  EXPECT_EQ(none, (TRect{0, 0, 40, 8}));
}

TEST(PlotPanel, ListenersAndCancelMouse) {
  struct TListener : IPlotEventListener {
    std::vector<std::string>* Log;
    std::string Name;
    bool Cancel = false;
    TListener(std::vector<std::string>* L, std::string N, bool C) : Log(L), Name(N), Cancel(C) {}
    void HandlePlotEvent(TPlotEvent* E) override {
      auto* m = dynamic_cast<TPlotMouseEvent*>(E);
      Log->push_back(Name + (m ? std::to_string(m->X) : std::string("-")));
      if (Cancel) E->Sender->CancelMouse = true;
    }
  };
  std::vector<std::string> log;
  TCustomPlotPanel panel(nullptr);
  auto first = std::make_shared<TListener>(&log, "a", true);
  auto second = std::make_shared<TListener>(&log, "b", false);
  panel.AddListener(first);
  panel.AddListener(first);
  panel.AddListener(second);
  EXPECT_EQ(panel.ListenerCount(), 2);
  panel.MouseUp(mbLeft, 0, 5, 6);  // the first listener cancels the rest
  panel.SetView3D(false);          // not a mouse event: everyone hears it
  EXPECT_EQ(log, (std::vector<std::string>{"a5", "a-", "b-"}));
  panel.RemoveListener(first);
  log.clear();
  panel.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
    panel.CancelMouse = true;
  };
  panel.MouseDown(mbLeft, 0, 1, 1);  // a handler's cancel keeps it from the listeners
  EXPECT_TRUE(log.empty());
}

TEST(PlotZoom, DragCornersAndAspectRatio) {
  TZoomPanning drag;
  drag.X0 = 100, drag.Y0 = 80, drag.X1 = 20, drag.Y1 = 30;
  drag.Check();
  EXPECT_EQ((std::array{drag.X0, drag.Y0, drag.X1, drag.Y1}), (std::array{20, 30, 100, 80}));

  const std::array<int, 4> cases[] = {{100, 10, 100, 50},
                                      {10, 40, 80, 40},
                                      {50, 50, 100, 50},
                                      {-30, -10, -30, -15},
                                      {-30, 0, 0, 0}};
  for (auto [x, y, x1, y1] : cases) {
    TPlotZoom zoom;
    zoom.Activate(0, 0);
    zoom.CorrectAspectRatio(TRect{0, 0, 200, 100}, x, y);
    EXPECT_EQ(zoom.X1, x1) << x << "," << y;
    EXPECT_EQ(zoom.Y1, y1) << x << "," << y;
  }
}

TEST(PlotZoom, AssignCopiesSettingsButNotPixelsOrWheel) {
  TPlotZoom source;
  source.SetMinimumPixels(5);
  source.SetMouseWheel(pmwInverted);
  source.SetAnimatedSteps(3);
  source.SetDirection(tzdVertical);
  source.GetPen()->SetColor(clRed);
  TPlotZoom zoom;
  zoom.GetBrush();
  zoom.Assign(&source);
  EXPECT_EQ(zoom.GetMinimumPixels(), 16);
  EXPECT_EQ(zoom.GetMouseWheel(), pmwNone);
  EXPECT_EQ(zoom.GetAnimatedSteps(), 3);
  EXPECT_EQ(zoom.GetDirection(), tzdVertical);
  EXPECT_EQ(zoom.GetPen()->GetColor(), clRed);
  EXPECT_FALSE(zoom.HasBrush());  // the source had none

  TPlotPanning panning;
  zoom.Assign(&panning);  // another class: nothing, no error
  EXPECT_EQ(zoom.GetAnimatedSteps(), 3);
  EXPECT_ANY_THROW(panning.Assign(&zoom));

  TPlotZoom fresh;
  EXPECT_EQ(fresh.GetPen()->GetWidth(), 3);
  EXPECT_EQ(fresh.GetPen()->GetColor(), clSilver);
  EXPECT_EQ(fresh.GetBrush()->GetStyle(), bsClear);
  fresh.SetHistory(true);
  fresh.GetAxesHistory().push_back(std::make_unique<TZoomSnapshot>());
  fresh.SetHistory(false);
  EXPECT_TRUE(fresh.GetAxesHistory().empty());
}

// A 20 x 10 red picture.
std::unique_ptr<TBitmap> RedPicture() {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf32bit);
  b->SetSize(20, 10);
  b->GetCanvas()->GetBrush()->SetColor(clRed);
  b->GetCanvas()->FillRect(TRect{0, 0, 20, 10});
  return b;
}

// The bounding box of the red pixels of the panel's surface.
TRect RedBox(TCustomPlotPanel& p) {
  TRect box{1 << 20, 1 << 20, -1, -1};
  TCanvas* c = p.GetPlatformCanvas();
  for (int y = 0; y < p.GetHeight(); ++y)
    for (int x = 0; x < p.GetWidth(); ++x)
      if (c->GetPixels(x, y) == clRed) {
        box.Left = std::min(box.Left, x), box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1), box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box;
}

TEST(BackImage, ModesPlaceThePicture) {
  struct TCase {
    TPlotBackImageMode Mode;
    int Left, Top, Right, Bottom;
    TRect Expected;
  };
  const TCase cases[] = {
      {pbmCustom, 10, 5, 0, 0, {10, 5, 30, 15}}, {pbmCustom, 10, 5, 50, 40, {10, 5, 60, 45}},
      {pbmCenter, 0, 0, 0, 0, {40, 25, 60, 35}}, {pbmStretch, 0, 0, 0, 0, {0, 0, 100, 60}},
      {pbmTile, 0, 0, 0, 0, {0, 0, 100, 60}},
  };
  auto picture = RedPicture();
  for (const TCase& c : cases) {
    TTestPanel panel(nullptr);
    Plain(panel);
    panel.SetBounds(0, 0, 100, 60);
    panel.SetColor(clWhite);
    panel.GetBackImage()->SetGraphic(picture.get());
    panel.SetBackImageMode(c.Mode);
    panel.GetBackImage()->SetBounds(TRect{c.Left, c.Top, c.Right, c.Bottom});
    panel.Draw();
    EXPECT_EQ(RedBox(panel), c.Expected) << c.Mode << " " << c.Right;
  }
}

TEST(BackImage, BoundsAndTransparencyWithoutImage) {
  TBackImage image;
  auto picture = RedPicture();
  image.SetGraphic(picture.get());
  image.SetLeft(3);
  image.SetTop(4);
  EXPECT_EQ(image.GetBounds(), (TRect{3, 4, 23, 14}));
  int changes = 0;
  image.OnChange = [&](TObject*) { changes++; };
  image.SetLeft(3);
  image.SetBounds(image.GetBounds());
  EXPECT_EQ(changes, 1);

  TCustomPlotPanelExtended panel(nullptr);
  EXPECT_FALSE(panel.GetBackImageTransp());
  panel.SetBackImageTransp(true);
  EXPECT_FALSE(panel.HasBackImage());
  EXPECT_FALSE(panel.GetBackImageInside());
}

TEST(PanelPaint, ShadowTakesItsSizePlusOneAndNoColourErasesNothing) {
  TTestPanel panel(nullptr);
  Plain(panel);
  panel.SetBounds(0, 0, 100, 60);
  panel.GetShadow()->SetSize(3);
  panel.Draw();
  ASSERT_FALSE(panel.Fills.empty());
  EXPECT_EQ(panel.Fills[0], (TRect{0, 0, 96, 56}));
  const TColor face = TCustomPlotPanel::PanelColor(clBtnFace);
  EXPECT_EQ(panel.GetPlatformCanvas()->GetPixels(50, 30), face);
  EXPECT_NE(panel.GetPlatformCanvas()->GetPixels(98, 58), face);  // the shadow

  TTestPanel clear(nullptr);
  Plain(clear);
  clear.SetBounds(0, 0, 100, 60);
  clear.SetColor(clNone);
  clear.GetShadow()->SetSize(3);
  clear.SetBufferedDisplay(false);
  clear.GetPlatformCanvas()->GetBrush()->SetColor(clLime);
  clear.GetPlatformCanvas()->FillRect(TRect{0, 0, 100, 60});
  clear.Draw();
  ASSERT_FALSE(clear.Fills.empty());
  EXPECT_EQ(clear.Fills[0], (TRect{0, 0, 100, 60}));
  EXPECT_EQ(clear.GetPlatformCanvas()->GetPixels(50, 30), clLime);
  EXPECT_EQ(clear.GetPlatformCanvas()->GetPixels(98, 58), clLime);
}

TEST(PanelExport, BitmapsAndBmpFiles) {
  TTestPanel panel(nullptr);
  Plain(panel);
  panel.SetBounds(0, 0, 90, 50);
  panel.SetColor(clYellow);
  panel.SetBevelOuter(bvLowered);

  std::unique_ptr<TBitmap> plain(panel.PlotCreateBitmap());
  EXPECT_EQ(plain->GetWidth(), 90);
  EXPECT_EQ(plain->GetHeight(), 50);
  EXPECT_EQ(plain->GetCanvas()->GetPixels(45, 25), clYellow);
  EXPECT_EQ(plain->GetCanvas()->GetPixels(0, 0), TColor(0xA0A0A0));  // the bevel
  EXPECT_EQ(panel.Draws, 1);
  EXPECT_TRUE(panel.GetBufferedDisplay());  // restored after the unbuffered drawing

  std::unique_ptr<TBitmap> clear(panel.PlotCreateBitmap(clNone, TRect{0, 0, 30, 20}, pf32bit, 0));
  EXPECT_TRUE(clear->GetTransparent());
  EXPECT_EQ(clear->GetTransparentMode(), tmFixed);
  EXPECT_EQ(clear->GetWidth(), 30);

  std::unique_ptr<TBitmap> white(panel.PlotCreateBitmap(clWhite, TRect{0, 0, 90, 50}, pfDevice, 0));
  EXPECT_EQ(white->GetCanvas()->GetPixels(45, 25), clYellow);
  std::filesystem::path file = std::filesystem::temp_directory_path() / "esctool_panel.bmp";
  panel.SaveToBitmapFile(file.string());
  TBitmap loaded;
  loaded.LoadFromFile(file.string());
  std::filesystem::remove(file);
  EXPECT_EQ(loaded.GetWidth(), 90);
  EXPECT_EQ(loaded.GetHeight(), 50);
  EXPECT_EQ(loaded.GetCanvas()->GetPixels(45, 25), clYellow);

  TBitmap assigned;
  panel.AssignTo(&assigned);
  EXPECT_EQ(assigned.GetWidth(), 90);
  EXPECT_EQ(assigned.GetCanvas()->GetPixels(10, 10), clYellow);
}

TEST(PanelStream, LegacyEntriesAndAnUnknownCanvas) {
  const std::string form =
      "object Chart: TCustomPlotPanelExtended\n"
      "  DefaultCanvas = 'TNoSuchCanvas'\n"
      "  PrintMargins = (\n    15\n    16\n    15\n    16)\n"
      "  AllowZoom = False\n"
      "  AnimatedZoomSteps = 3\n"
      "  BorderStyle = bsSingle\n"
      "end\n";
  TMemoryStream text, binary;
  text.WriteBuffer(form.data(), int32_t(form.size()));
  text.SetPosition(0);
  ObjectTextToBinary(&text, &binary);
  binary.SetPosition(0);
  TTestPanel panel(nullptr);
  {
    TReader r(&binary);
    r.ReadRootComponent(&panel);
  }
  EXPECT_EQ(panel.PrintMargins, (TRect{15, 16, 15, 16}));
  EXPECT_FALSE(panel.GetAllowZoom());
  EXPECT_EQ(panel.GetAnimatedZoomSteps(), 3);
  EXPECT_TRUE(panel.GetBorder()->GetVisible());
  EXPECT_EQ(typeid(*panel.GetCanvas()), typeid(TPlotCanvas3D));
  panel.Draw();
  EXPECT_EQ(panel.Draws, 1);

  TMemoryStream written, shown;
  {
    TWriter w(&written);
    w.WriteRootComponent(&panel);
  }
  written.SetPosition(0);
  ObjectBinaryToText(&written, &shown);
  std::string out(static_cast<const char*>(shown.Memory()), size_t(shown.GetSize()));
  EXPECT_NE(out.find("DefaultCanvas = 'TNoSuchCanvas'"), std::string::npos) << out;
  EXPECT_NE(out.find("PrintMargins"), std::string::npos) << out;
  EXPECT_EQ(out.find("AllowZoom"), std::string::npos) << out;
  EXPECT_EQ(out.find("BorderStyle"), std::string::npos) << out;
}

}  // namespace
