// Writes build/gallery/chart_canvas.png: the ten gradient directions and a
// rotated one, text effects, rotated and HTML labels, pies and donuts,
// shadows and blends, and 3D figures in a flat, an orthogonal and a
// rotated view, each panel drawn through a buffered GDI chart canvas.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <numbers>

#include "chart/PlotBlend.h"
#include "chart/PlotCanvas3D.h"
#include "chart/PlotHtml.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/GraphicsCodec.h"

namespace {

// Draws one panel of the sheet through its own buffered canvas.
void Panel(TBitmap& Sheet, const TRect& R, TView3DOptions* Options, bool Is3D,
           const std::function<void(TPlotCanvas3D&)>& Draw) {
  TPlotCanvas3D c;
  TRect inner = c.InitWindow(Sheet.GetCanvas(), Options, clWhite, Is3D, R);
  c.Projection(60, inner, inner);
  c.GetPen()->SetStyle(psClear);
  c.GetBrush()->SetColor(TColor(0xF4F4F4));
  c.FillRect(inner);
  c.GetPen()->SetStyle(psSolid);
  c.GetPen()->SetColor(clBlack);
  c.SetBackMode(cbmTransparent);
  Draw(c);
  c.ShowImage(Sheet.GetCanvas(), Sheet.GetCanvas(), R);
}

void Gradients(TPlotCanvas3D& c) {
  for (int d = 0; d < 10; d++) {
    TRect r{10 + (d % 5) * 85, 10 + (d / 5) * 75, 85 + (d % 5) * 85, 70 + (d / 5) * 75};
    c.GradientFill(r, clNavy, clYellow, TGradientDirection(d), 50, 0, 0);
  }
  TPlotGradient g;
  g.SetVisible(true);
  g.SetStartColor(clRed);
  g.SetMidColor(clWhite);
  g.SetEndColor(clBlue);
  g.SetAngle(30);
  c.GradientFill(&g, TRect{10, 165, 180, 225});
  TPlotGradient sub;
  sub.SetVisible(true);
  sub.SetStartColor(clGreen);
  sub.SetEndColor(clAqua);
  sub.GetSub()->SetVisible(true);
  sub.GetSub()->SetDirection(gdRadial);
  sub.GetSub()->SetStartColor(clWhite);
  sub.GetSub()->SetEndColor(clPurple);
  sub.Draw(&c, TRect{200, 165, 420, 225}, 12);
}

void Texts(TPlotCanvas3D& c) {
  TPlotFont font;
  font.SetSize(18);
  font.SetStyle(FontStyleBit(fsBold));
  font.SetColor(clNavy);
  font.GetShadow()->SetSize(3);
  font.GetShadow()->SetColor(clGray);
  font.GetShadow()->SetSmooth(false);
  c.AssignFont(&font);
  c.TextOut(10, 10, std::string("Shadow"));
  font.GetShadow()->SetSmooth(true);
  font.GetShadow()->SetSmoothBlur(3);
  c.AssignFont(&font);
  c.TextOut(150, 10, std::string("Smooth"));
  font.SetShadow(nullptr);
  font.GetEmboss()->SetSize(1);
  font.GetEmboss()->SetColor(clWhite);
  font.SetColor(clGray);
  c.AssignFont(&font);
  c.TextOut(290, 10, std::string("Emboss"));
  font.SetEmboss(nullptr);
  font.SetColor(clYellow);
  font.GetOutLine()->SetVisible(true);
  font.GetOutLine()->SetColor(clRed);
  font.GetOutLine()->SetWidth(2);
  c.AssignFont(&font);
  c.TextOut(10, 50, std::string("Outline"));
  font.SetOutLine(nullptr);
  font.GetGradient()->SetVisible(true);
  font.GetGradient()->SetStartColor(clRed);
  font.GetGradient()->SetEndColor(clBlue);
  font.SetSize(26);
  c.AssignFont(&font);
  c.TextOut(150, 45, std::string("Gradient"));
  TPlotFont plain;
  plain.SetSize(11);
  c.AssignFont(&plain);
  for (int a : {0, 45, 90, 270, 450}) c.RotateLabel(40 + a / 2, 160, "rotated " + std::to_string(a), a, false);
  HtmlTagStack.clear();
  HtmlFontStack.clear();
  c.TextOut(260, 100, "<B>Bold</B> <I>italic</I> <U>under</U><BR><FONT COLOR=RED SIZE=+4>big red</FONT> x<SUP>2</SUP> &amp; <IMG SRC=a.png WIDTH=20 HEIGHT=20>", true);
}

void PiesAndShadows(TPlotCanvas3D& c) {
  c.GetBrush()->SetColor(clYellow);
  c.Pie(TRect{10, 10, 90, 90}, 0, 360);
  c.GetBrush()->SetColor(clAqua);
  c.Pie(TRect{100, 10, 180, 90}, 30, 300);
  c.GetBrush()->SetColor(clLime);
  c.Donut(230, 50, 40, 40, 0, 360, 50);
  c.GetBrush()->SetColor(clFuchsia);
  c.Donut(320, 50, 40, 40, 45, 200, 40);
  c.GetGradient()->SetVisible(true);
  c.GetGradient()->SetDirection(gdRadial);
  c.GetGradient()->SetStartColor(clWhite);
  c.GetGradient()->SetEndColor(clNavy);
  c.Donut(410, 50, 40, 40, 0, 270, 30);
  c.GetGradient()->SetVisible(false);
  TPlotShadow flat;
  flat.SetSize(6);
  flat.SetSmooth(false);
  flat.SetColor(clGray);
  flat.SetTransparency(0);
  flat.Draw(&c, TRect{20, 110, 110, 170});
  c.GetBrush()->SetColor(TColor(0xF0CAA6));
  c.Rectangle(20, 110, 110, 170);
  TPlotShadow smooth;
  smooth.SetSize(8);
  smooth.SetColor(clBlack);
  smooth.SetTransparency(0);
  smooth.Draw(&c, TRect{140, 110, 230, 170}, 10);
  c.GetBrush()->SetColor(clWhite);
  c.RoundRect(140, 110, 230, 170, 20, 20);
  smooth.DrawEllipse(&c, TRect{260, 110, 330, 170});
  c.Ellipse(260, 110, 330, 170);
  c.GetBrush()->SetColor(clRed);
  c.Rectangle(360, 110, 420, 170);
  TPlotBlend* blend = c.BeginBlending(TRect{390, 130, 450, 190}, 50);
  c.GetBrush()->SetColor(clBlue);
  c.Ellipse(390, 130, 450, 190);
  c.EndBlending(blend);
}

void Solids(TPlotCanvas3D& c) {
  c.GetBrush()->SetColor(clRed);
  c.Cube(20, 70, 60, 150, 10, 40, true, 0);
  c.GetBrush()->SetColor(clLime);
  c.Cylinder(true, 90, 60, 140, 150, 10, 40, true);
  c.GetGradient()->SetVisible(false);  // the cylinder leaves its gradient on
  c.GetBrush()->SetColor(clAqua);
  c.Pyramid(true, 160, 60, 210, 150, 10, 40, true);
  c.GetGradient()->SetVisible(false);
  c.GetBrush()->SetColor(clYellow);
  c.Pie3D(90, 195, 50, 25, 0, 15, 0.3, 5.0, true, true, 0, nullptr, 0, edNone, 0, 0, false,
          false);
  c.GetBrush()->SetColor(clSilver);
  c.Sphere(190, 195, 20, 18);
}

std::unique_ptr<TView3DOptions> Ortho() {
  auto o = std::make_unique<TView3DOptions>();
  o->SetOrthoAngle(45);
  return o;
}

std::unique_ptr<TView3DOptions> Rotated() {
  auto o = std::make_unique<TView3DOptions>();
  o->SetOrthogonal(false);
  o->SetRotation(330);
  o->SetElevation(340);
  o->SetPerspective(20);
  return o;
}

void WritePng(TBitmap& Sheet, const std::string& Name) {
  std::filesystem::path dir = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(dir);
  std::vector<uint8_t> bgra;
  for (int y = 0; y < Sheet.GetHeight(); ++y)
    bgra.insert(bgra.end(), Sheet.GetScanLine(y), Sheet.GetScanLine(y) + Sheet.GetWidth() * 4);
  std::vector<uint8_t> png = EncodeGraphic(bgra, Sheet.GetWidth(), Sheet.GetHeight(), u"image/png");
  TFileStream out((dir / Name).string(), fmCreate);
  out.WriteBuffer(png.data(), int32_t(png.size()));
}

// Slices of a 3D pie: plain, bevelled, a donut, and with smooth arcs.
void Pies3D(TPlotCanvas3D& c) {
  const double d = std::numbers::pi / 180;
  const TColor colours[] = {clRed, clLime, clBlue, clYellow};
  const int cuts[] = {20, 130, 220, 300, 380};
  for (int row = 0; row < 2; row++) {
    for (int i = 0; i < 4; i++) {
      c.GetBrush()->SetColor(colours[i]);
      c.GetPen()->SetStyle(psSolid);
      c.Pie3DUsingArcs = row == 1;
      c.Pie3D(70, 70 + row * 130, 55, 35, 0, 18, cuts[i] * d, cuts[i + 1] * d, true, true, 0,
              nullptr, 0, edNone, 0, 0, false, false);
      c.Pie3D(200, 70 + row * 130, 55, 35, 0, 18, cuts[i] * d, cuts[i + 1] * d, true, true, 0,
              nullptr, 40, edNone, 0, 50, false, false);
      c.Pie3D(330, 70 + row * 130, 55, 35, 0, 18, cuts[i] * d, cuts[i + 1] * d, true, true, 40,
              nullptr, 0, edNone, 0, 0, false, false);
    }
  }
  c.Pie3DUsingArcs = false;
}

TEST(ChartCanvasGallery, WritesThreeDPies) {
  TBitmap sheet;
  sheet.SetPixelFormat(pf32bit);
  sheet.SetSize(820, 270);
  auto ortho = Ortho();
  Panel(sheet, TRect{0, 0, 400, 270}, nullptr, false, Pies3D);
  Panel(sheet, TRect{410, 0, 810, 270}, ortho.get(), true, Pies3D);
  WritePng(sheet, "chart_pie3d.png");
}

TEST(ChartCanvasGallery, WritesThePanels) {
  TBitmap sheet;
  sheet.SetPixelFormat(pf32bit);
  sheet.SetSize(930, 770);
  Panel(sheet, TRect{0, 0, 450, 240}, nullptr, false, Gradients);
  Panel(sheet, TRect{460, 0, 930, 240}, nullptr, false, Texts);
  Panel(sheet, TRect{0, 250, 470, 450}, nullptr, false, PiesAndShadows);
  auto ortho = Ortho();
  auto rotated = Rotated();
  Panel(sheet, TRect{0, 460, 300, 760}, nullptr, false, Solids);
  Panel(sheet, TRect{310, 460, 610, 760}, ortho.get(), true, Solids);
  Panel(sheet, TRect{620, 460, 920, 760}, rotated.get(), true, Solids);

  WritePng(sheet, "chart_canvas.png");
  // Above the cube's front face: background in the flat view, the top face
  // in the orthogonal one.
  EXPECT_NE(sheet.GetCanvas()->GetPixels(50, 460 + 55),
            sheet.GetCanvas()->GetPixels(310 + 50, 460 + 55));
}

}  // namespace
