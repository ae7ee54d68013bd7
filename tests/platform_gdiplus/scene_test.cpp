#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "tests/platform_gdiplus/pixels.h"

using namespace Gdiplus;
using gdiplus_test::Near;
using gdiplus_test::Surface;

namespace {

GraphicsPath RoundedRect(const RectF& r, REAL radius) {
  GraphicsPath p;
  REAL d = radius * 2;
  p.AddArc(RectF(r.X, r.Y, d, d), 180, 90);
  p.AddArc(RectF(r.GetRight() - d, r.Y, d, d), 270, 90);
  p.AddArc(RectF(r.GetRight() - d, r.GetBottom() - d, d, d), 0, 90);
  p.AddArc(RectF(r.X, r.GetBottom() - d, d, d), 90, 90);
  p.CloseFigure();
  return p;
}

const ImageCodecInfo* PngEncoder(std::vector<ImageCodecInfo>& list) {
  UINT num = 0, size = 0;
  GetImageEncodersSize(&num, &size);
  list.resize(num);
  GetImageEncoders(num, size, list.data());
  for (const ImageCodecInfo& info : list)
    if (std::u16string(info.MimeType) == u"image/png") return &info;
  return nullptr;
}

}  // namespace

TEST(GdiPlusStartup, StartsOnceAndShutsDownWithTheLastToken) {
  GdiplusStartupInput input;
  uintptr_t a = 0, b = 0;
  ASSERT_EQ(GdiplusStartup(&a, &input, nullptr), Ok);
  ASSERT_EQ(GdiplusStartup(&b, &input, nullptr), Ok);
  EXPECT_NE(a, b);
  const FontFamily* sans = FontFamily::GenericSansSerif();
  EXPECT_TRUE(sans->IsAvailable());
  GdiplusShutdown(a);
  EXPECT_TRUE(GdiplusIsRunning());
  GdiplusShutdown(a);  // a token counts once
  EXPECT_TRUE(GdiplusIsRunning());
  GdiplusShutdown(b);
  EXPECT_FALSE(GdiplusIsRunning());
  input.GdiplusVersion = 2;
  EXPECT_EQ(GdiplusStartup(&a, &input, nullptr), UnsupportedGdiplusVersion);
}

TEST(GdiPlusFont, PrivateCollectionTakesAFontFromMemory) {
  std::ifstream in("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf", std::ios::binary);
  ASSERT_TRUE(in.good());
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  PrivateFontCollection fonts;
  ASSERT_EQ(fonts.AddMemoryFont(bytes.data(), INT(bytes.size())), Ok);
  EXPECT_EQ(fonts.GetFamilyCount(), 1);
  FontFamily found;
  INT n = 0;
  fonts.GetFamilies(1, &found, &n);
  ASSERT_EQ(n, 1);
  EXPECT_EQ(found.InstalledName(), "DejaVu Sans Mono");
  char notAFont[64] = "plain text, not a font file";
  EXPECT_NE(fonts.AddMemoryFont(notAFont, sizeof notAFont), Ok);
  EXPECT_EQ(fonts.GetFamilyCount(), 1);
}

// Draws a small scene and writes it beside the tests as gdiplus_scene.png,
// to be looked at.
TEST(GdiPlusScene, RendersAndSavesASceneToLookAt) {
  Surface s(320, 200);
  s.G.SetInterpolationMode(InterpolationModeHighQuality);
  s.G.SetTextRenderingHint(TextRenderingHintAntiAlias);
  LinearGradientBrush back(PointF(0, 0), PointF(0, 200), Color(0xFFF4F7FB), Color(0xFFC9D6E8));
  s.G.FillRectangle(&back, RectF(0, 0, 320, 200));

  GraphicsPath card = RoundedRect(RectF(10, 10, 140, 80), 12);
  SolidBrush white(Color(0xFFFFFFFF));
  s.G.FillPath(&white, &card);
  Pen border(Color(0xFF1072C5), 2);
  border.SetDashStyle(DashStyleDash);
  s.G.DrawPath(&border, &card);

  GraphicsPath ellipse;
  ellipse.AddEllipse(RectF(170, 10, 140, 80));
  PathGradientBrush glow(&ellipse);
  Color colors[] = {Color(0xFF203060), Color(0xFF6FA8FF), Color(0xFFFFFFFF)};
  REAL positions[] = {0, 0.6f, 1};
  glow.SetInterpolationColors(colors, positions, 3);
  s.G.FillEllipse(&glow, RectF(170, 10, 140, 80));

  Bitmap checker(8, 8, PixelFormat32bppARGB);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      checker.SetPixel(x, y, Color(((x + y) & 1) ? 0xFFE03030 : 0xFF3030E0));
  ColorMatrix cm = {};
  for (int i = 0; i < 5; ++i) cm.m[i][i] = 1;
  cm.m[3][3] = 0.6f;
  ImageAttributes attrs;
  attrs.SetColorMatrix(&cm);
  s.G.SetInterpolationMode(InterpolationModeNearestNeighbor);
  s.G.DrawImage(&checker, RectF(10, 100, 64, 64), 0, 0, 8, 8, UnitPixel, &attrs);
  s.G.SetInterpolationMode(InterpolationModeHighQuality);

  Font latin(std::string("Tahoma"), 16, FontStyleBold, UnitPixel);
  Font chinese(std::string("Microsoft YaHei"), 20, FontStyleRegular, UnitPixel);
  SolidBrush ink(Color(0xFF202020));
  StringFormat centred(StringFormatFlagsNoWrap);
  centred.SetAlignment(StringAlignmentCenter);
  centred.SetLineAlignment(StringAlignmentCenter);
  s.G.DrawString(u"ESC settings", -1, &latin, RectF(10, 10, 140, 80), &centred, &ink);
  s.G.DrawString(u"\u7535\u8C03\u53C2\u6570\u8BBE\u7F6E", -1, &chinese, RectF(90, 100, 220, 40),
                 &centred, &ink);
  LinearGradientBrush textFill(PointF(90, 0), PointF(310, 0), Color(0xFFD02020), Color(0xFF2020D0));
  s.G.DrawString(u"Gradient text", -1, &latin, RectF(90, 150, 220, 40), &centred, &textFill);

  EXPECT_TRUE(Near(s.At(80, 20), 0xFFFFFFFF));      // inside the card
  EXPECT_TRUE(Near(s.At(240, 50), 0xFFFFFFFF, 8));  // centre of the glow

  std::vector<ImageCodecInfo> list;
  std::string file = std::string(ESCTOOL_BINARY_DIR) + "/gdiplus_scene.png";
  ASSERT_EQ(s.Bmp.Save(file, &PngEncoder(list)->Clsid), Ok);
  std::unique_ptr<Image> back_in(Image::FromFile(file));
  EXPECT_EQ(back_in->GetWidth(), 320u);
  EXPECT_EQ(back_in->GetHeight(), 200u);
}
