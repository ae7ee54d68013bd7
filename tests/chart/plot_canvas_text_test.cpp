// Gradient fills in bands, text with effects and rotation, HTML text.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "chart/PlotHtml.h"
#include "tests/support/CommaLocale.h"
#include "tests/support/RecordingCanvas.h"

namespace {

int Red(TColor C) { return C & 0xFF; }
int Blue(TColor C) { return (C >> 16) & 0xFF; }

TEST(PlotGradientFill, TopBottomBandsFromTheBottomEdge) {
  TRecordingCanvas c(20, 300);
  c.GradientFill(TRect{0, 0, 20, 300}, clRed, clBlue, gdTopBottom, 50, 0, 0);
  EXPECT_EQ(c.Pixel(5, 299), clRed);  // band 0 at the bottom
  EXPECT_EQ(c.Pixel(5, 0), clBlue);   // band 255 at the top
  // Band i covers 300(i+1) div 256 - 300 i div 256 rows from the bottom.
  for (int i : {0, 1, 100, 200, 255}) {
    int y0 = 300 - (i + 1) * 300 / 256, y1 = 300 - i * 300 / 256;
    TColor expected = TColor((255 - i * 255 / 255) | ((i * 255 / 255) << 16));
    EXPECT_EQ(c.Pixel(5, y0), expected) << "band " << i;
    EXPECT_EQ(c.Pixel(5, y1 - 1), expected) << "band " << i;
  }
}

TEST(PlotGradientFill, BalanceZeroBendsTheColourCurve) {
  TRecordingCanvas c(10, 256);
  c.GradientFill(TRect{0, 0, 10, 256}, clRed, clBlue, gdTopBottom, 0, 0, 0);
  for (int i : {0, 63, 200}) {
    double share = std::pow((i + 1) / 256.0, 0.5);
    TColor p = c.Pixel(2, 255 - i);
    EXPECT_NEAR(Blue(p), 255 * share, 1) << "band " << i;
    EXPECT_NEAR(Red(p), 255 - 255 * share, 1) << "band " << i;
  }
}

TEST(PlotGradientFill, ThinFillsAndMiddleColour) {
  TRecordingCanvas one(10, 10);
  one.Fill(clWhite);
  one.GradientFill(TRect{0, 0, 10, 1}, clRed, clBlue, gdTopBottom, 50, 0, 0);
  EXPECT_EQ(one.Pixel(3, 0), clWhite);  // nothing drawn
  TRecordingCanvas two(10, 10);
  two.GradientFill(TRect{0, 0, 10, 2}, clRed, clBlue, gdTopBottom, 50, 0, 0);
  EXPECT_EQ(two.Pixel(3, 1), clRed);
  EXPECT_EQ(two.Pixel(3, 0), clBlue);

  TRecordingCanvas mid(10, 100);
  TPlotGradient g;
  g.SetStartColor(clRed);
  g.SetMidColor(clLime);
  g.SetEndColor(clBlue);
  g.SetDirection(gdTopBottom);
  mid.GradientFill(&g, TRect{0, 0, 10, 100});
  EXPECT_EQ(mid.Pixel(3, 0), clBlue);   // end colour at the top
  EXPECT_EQ(mid.Pixel(3, 49), clLime);  // middle in the middle
  EXPECT_EQ(mid.Pixel(3, 99), clRed);   // start colour at the bottom
}

TEST(PlotGradientFill, MonochromeTurnsColoursGrey) {
  TRecordingCanvas c(10, 50);
  c.SetMonochrome(true);
  TPlotGradient g;
  g.SetStartColor(clRed);
  g.SetEndColor(clRed);
  c.GradientFill(&g, TRect{0, 0, 10, 50});
  EXPECT_EQ(c.Pixel(4, 20), TColor(0x555555));
}

TEST(PlotGradientFill, EveryDirectionPutsTheStartColourWhereItBelongs) {
  struct Case {
    TGradientDirection Direction;
    TPoint StartAt, EndAt;
  } cases[] = {
      {gdTopBottom, {20, 39}, {20, 0}},     {gdBottomTop, {20, 0}, {20, 39}},
      {gdLeftRight, {39, 20}, {0, 20}},     {gdRightLeft, {0, 20}, {39, 20}},
      {gdFromCenter, {20, 20}, {0, 0}},     {gdFromTopLeft, {39, 39}, {0, 0}},
      {gdFromBottomLeft, {39, 0}, {0, 39}}, {gdDiagonalUp, {0, 39}, {39, 0}},
      {gdDiagonalDown, {0, 0}, {39, 39}},   {gdRadial, {21, 21}, {0, 0}},
  };
  for (const Case& k : cases) {
    TRecordingCanvas c(40, 40);
    c.GradientFill(TRect{0, 0, 40, 40}, clRed, clBlue, k.Direction, 50, 0, 0);
    EXPECT_GT(Red(c.Pixel(k.StartAt.X, k.StartAt.Y)), 200) << "direction " << k.Direction;
    EXPECT_GT(Blue(c.Pixel(k.EndAt.X, k.EndAt.Y)), 200) << "direction " << k.Direction;
  }
}

// A gradient object (as panels and walls hand it over) with and without a
// middle colour: the exact colours at the two edges across the fill and at
// the seam of the two halves. gdLeftRight and gdTopBottom keep the start
// colour at the right and bottom edges; the reversed directions swap it.
TEST(PlotGradientFill, GradientObjectEdgeColoursPerDirection) {
  struct Case {
    TGradientDirection Direction;
    TColor Mid, AtLeftOrTop, AtRightOrBottom;
  } cases[] = {
      {gdLeftRight, clNone, clBlue, clRed}, {gdRightLeft, clNone, clRed, clBlue},
      {gdTopBottom, clNone, clBlue, clRed}, {gdBottomTop, clNone, clRed, clBlue},
      {gdLeftRight, clLime, clBlue, clRed}, {gdRightLeft, clLime, clRed, clBlue},
      {gdTopBottom, clLime, clBlue, clRed}, {gdBottomTop, clLime, clRed, clBlue},
  };
  for (const Case& k : cases) {
    TPlotGradient g;
    g.SetStartColor(clRed);
    g.SetEndColor(clBlue);
    g.SetMidColor(k.Mid);
    g.SetDirection(k.Direction);
    TRecordingCanvas c(40, 40);
    c.GradientFill(&g, TRect{0, 0, 40, 40});
    bool across = k.Direction == gdLeftRight || k.Direction == gdRightLeft;
    auto at = [&](int along) { return across ? c.Pixel(along, 20) : c.Pixel(20, along); };
    SCOPED_TRACE(testing::Message() << "direction " << k.Direction << " mid " << k.Mid);
    EXPECT_EQ(at(0), k.AtLeftOrTop);
    EXPECT_EQ(at(39), k.AtRightOrBottom);
    if (k.Mid == clNone) continue;
    EXPECT_EQ(at(19), k.Mid);
    EXPECT_EQ(at(20), k.Mid);
  }
}

// ---------------- text ----------------

TEST(PlotCanvasTextOut, RotationPast360WrapsAndOutlineDrawsTwice) {
  TRecordingCanvas c(120, 120);
  c.Fill(clWhite);
  c.GetFont()->SetSize(14);
  c.GetFont()->SetColor(clBlack);
  c.RotateLabel(60, 60, "TEXT", 450, false);
  TRecordingCanvas d(120, 120);
  d.Fill(clWhite);
  d.GetFont()->SetSize(14);
  d.GetFont()->SetColor(clBlack);
  d.RotateLabel(60, 60, "TEXT", 90, false);
  int same = 0, inked = 0;
  for (int y = 0; y < 120; y++)
    for (int x = 0; x < 120; x++) {
      bool a = c.Pixel(x, y) != clWhite, b = d.Pixel(x, y) != clWhite;
      inked += a;
      same += a && b;
    }
  EXPECT_GT(inked, 20);
  EXPECT_EQ(same, inked);
  // Turned by 90 degrees the text runs upwards from its origin.
  int above = 0;
  for (int y = 0; y < 58; y++)
    for (int x = 55; x < 85; x++) above += c.Pixel(x, y) != clWhite;
  EXPECT_GT(above, 10);

  TRecordingCanvas o(120, 60);
  o.Fill(clWhite);
  o.GetFont()->SetSize(20);
  o.GetFont()->SetColor(clBlue);
  o.GetFont()->GetOutLine()->SetVisible(true);
  o.GetFont()->GetOutLine()->SetColor(clRed);
  o.GetFont()->GetOutLine()->SetWidth(4);
  o.SetBackMode(cbmTransparent);
  o.TextOut(10, 10, std::string("H"));
  // The stroke in the pen's colour, the fill and the second output in the
  // font's colour, the latter moved by half the pen's width.
  int red = 0, blue = 0, lowestBlue = 0;
  for (int y = 0; y < 60; y++)
    for (int x = 0; x < 120; x++) {
      red += o.Pixel(x, y) == clRed;
      if (o.Pixel(x, y) == clBlue) {
        blue++;
        lowestBlue = std::max(lowestBlue, y);
      }
    }
  EXPECT_GT(red, 30);
  EXPECT_GT(blue, 10);
  TRecordingCanvas p(120, 60);
  p.Fill(clWhite);
  p.GetFont()->SetSize(20);
  p.GetFont()->SetColor(clBlue);
  p.SetBackMode(cbmTransparent);
  p.TextOut(10, 10, std::string("H"));
  int plainLowest = 0;
  for (int y = 0; y < 60; y++)
    for (int x = 0; x < 120; x++)
      if (p.Pixel(x, y) == clBlue) plainLowest = std::max(plainLowest, y);
  EXPECT_EQ(lowestBlue, plainLowest + 2);
}

TEST(PlotCanvasTextOut, ShadowWithNegativeSizeMovesTheText) {
  TRecordingCanvas plain(100, 40);
  plain.Fill(clWhite);
  plain.GetFont()->SetSize(16);
  plain.TextOut(10, 5, std::string("I"));
  int plainLeft = 100;
  for (int x = 0; x < 100; x++)
    for (int y = 0; y < 40; y++)
      if (plain.Pixel(x, y) == clBlack) plainLeft = std::min(plainLeft, x);

  TRecordingCanvas shadowed(100, 40);
  shadowed.Fill(clWhite);
  shadowed.GetFont()->SetSize(16);
  TPlotShadow* s = shadowed.GetFont()->GetShadow();
  s->SetHorizSize(-2);
  s->SetVertSize(0);
  s->SetSmooth(false);
  s->SetTransparency(0);
  s->SetColor(clRed);
  shadowed.SetBackMode(cbmTransparent);  // an opaque text cell would cover the shadow
  shadowed.TextOut(10, 5, std::string("I"));
  int blackLeft = 100, redLeft = 100;
  for (int x = 0; x < 100; x++)
    for (int y = 0; y < 40; y++) {
      if (shadowed.Pixel(x, y) == clBlack) blackLeft = std::min(blackLeft, x);
      if (shadowed.Pixel(x, y) == clRed) redLeft = std::min(redLeft, x);
    }
  EXPECT_EQ(blackLeft, plainLeft + 2);  // the text moved right
  EXPECT_EQ(redLeft, plainLeft);        // the shadow at the given origin
}

// ---------------- HTML ----------------

class HtmlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HtmlTagStack.clear();
    HtmlFontStack.clear();
  }
  std::vector<std::string> Texts(const std::string& Html) {
    Canvas.ClearLog();
    HtmlTextOut(&Canvas, 5, 5, Html);
    std::vector<std::string> out;
    for (const std::string& c : Canvas.Calls("TextOut(")) {
      size_t second = c.find(',', c.find(',') + 1);
      out.push_back(c.substr(second + 1, c.size() - second - 2));
    }
    return out;
  }
  TRecordingCanvas Canvas{300, 200};
};

TEST_F(HtmlTest, TokensEntitiesAndUnknownTags) {
  struct Case {
    std::string Html;
    std::vector<std::string> Drawn;
  } cases[] = {
      {"a &lt;b&gt;", {"a <b>"}},
      {"&amp;lt;", {"&lt;"}},
      {"<XYZ>", {"<XYZ>"}},
      {"x</>", {"x", "</"}},
      {"a<B", {"a", "B"}},
      {"one<BR>two", {"one", "two"}},
      {"&quot;q&quot; &nbsp;", {"\"q\" &nbsp;"}},
  };
  for (const Case& k : cases) EXPECT_EQ(Texts(k.Html), k.Drawn) << k.Html;
}

TEST_F(HtmlTest, BoldCarriesOverUntilClosed) {
  TFontStyles before = Canvas.GetFont()->GetStyle();
  Texts("<B>bold</B>");
  EXPECT_EQ(Canvas.GetFont()->GetStyle(), before);
  Texts("<B>open");
  EXPECT_TRUE(Canvas.GetFont()->GetStyle() & FontStyleBit(fsBold));
}

TEST_F(HtmlTest, BigRestoresTheSavedFont) {
  Canvas.GetFont()->SetStyle(FontStyleBit(fsBold) | FontStyleBit(fsItalic));
  int size = Canvas.GetFont()->GetSize();
  Texts("<BIG>x</BIG>");
  EXPECT_EQ(Canvas.GetFont()->GetSize(), size);
  EXPECT_EQ(Canvas.GetFont()->GetStyle(), FontStyleBit(fsBold) | FontStyleBit(fsItalic));
  Texts("<PRE>code");
  EXPECT_EQ(Canvas.GetFont()->GetName(), "COURIER NEW");
}

TEST_F(HtmlTest, ExtentOfLinesAndMeasuringPaintsNothing) {
  int h = Canvas.GetFontHeight();
  TSize one = HtmlTextExtent(&Canvas, "word");
  EXPECT_EQ(one.cx, int(std::nearbyint(Canvas.TextSize(std::string("word")).x)));
  EXPECT_EQ(one.cy, h);
  TSize two = HtmlTextExtent(&Canvas, "word<BR>");
  EXPECT_EQ(two.cy, h + h + 2);
  Canvas.Fill(clWhite);
  Canvas.ClearLog();
  HtmlTextExtent(&Canvas, "text<HR><IMG SRC=x.png>");
  EXPECT_TRUE(Canvas.Log.empty());
  for (int y = 0; y < 200; y += 3)
    for (int x = 0; x < 300; x += 3) ASSERT_EQ(Canvas.Pixel(x, y), clWhite);
  int lines = 0;
  EXPECT_EQ(HtmlMultiLineTextHeight(&Canvas, "a\rb\r", lines), 2 * h);
  EXPECT_EQ(lines, 2);
}

TEST_F(HtmlTest, FontTagErrors) {
  EXPECT_THROW(
      {
        try {
          Texts("<FONT FACE=Arial>x");
        } catch (const Exception& e) {
          EXPECT_EQ(std::string(e.what()), "Unknown field in FONT: FACE");
          throw;
        }
      },
      Exception);
  EXPECT_THROW(Texts("<FONT WEIGHT=HEAVY>x"), Exception);
  Texts("<FONT SIZE=+2 COLOR=RED>x");
  EXPECT_EQ(Canvas.GetFont()->GetColor(), clRed);
}

TEST_F(HtmlTest, FontSizesStayDrawable) {
  struct {
    const char* Html;
    float Size;
  } cases[] = {
      {"<FONT SIZE=12.5>x", 12.5f},
      {"<FONT SIZE=1e300>x", float(PlotMaxFontSize)},
      {"<FONT SIZE=2147483647>x", float(PlotMaxFontSize)},
      {"<FONT SIZE=-1e300>x", -float(PlotMaxFontSize)},
      {"<FONT SIZE=+1e300>x", float(PlotMaxFontSize)},
      {"<FONT SIZE=inf>x", float(PlotMaxFontSize)},
      {"<FONT SIZE=-INF>x", -float(PlotMaxFontSize)},
  };
  for (auto c : cases) {
    Canvas.GetFont()->SetSizeFloat(8);
    EXPECT_EQ(Texts(c.Html), std::vector<std::string>{"x"}) << c.Html;
    EXPECT_EQ(Canvas.GetFont()->GetSizeFloat(), c.Size) << c.Html;
  }
  // A decimal-comma locale leaves the point in force.
  {
    TCommaLocale comma;
    ASSERT_TRUE(comma.Active());
    Canvas.GetFont()->SetSizeFloat(8);
    Texts("<FONT SIZE=9.5>x");
    EXPECT_EQ(Canvas.GetFont()->GetSizeFloat(), 9.5f);
  }
  // Words are no sizes.
  for (const char* word : {"<FONT SIZE=nan>x", "<FONT SIZE=0x10>x", "<FONT SIZE=1,5>x"})
    EXPECT_THROW(Texts(word), EConvertError) << word;
}

TEST_F(HtmlTest, ColoursFromText) {
  EXPECT_EQ(HtmlColorFromText("#FF8000"), TColor(0x0080FF));
  EXPECT_EQ(HtmlColorFromText("\"lime\""), clLime);
  EXPECT_EQ(HtmlColorFromText("clBtnFace"), clBtnFace);
  EXPECT_EQ(HtmlColorFromText("255"), 255);
  EXPECT_EQ(HtmlColorFromText("nonsense"), clBlack);
  // A short "#" value has no three pairs: refused instead of read past its end.
  EXPECT_THROW(HtmlColorFromText("#FF"), EConvertError);
  EXPECT_THROW(HtmlColorFromText("#GG0000"), EConvertError);
}

TEST_F(HtmlTest, ImagePlaceholderWithoutLoaders) {
  Canvas.Fill(clWhite);
  Canvas.ClearLog();
  HtmlTextOut(&Canvas, 10, 10, "<IMG SRC=pic.png>after");
  EXPECT_THAT(Canvas.Calls("Rectangle"), ::testing::ElementsAre("Rectangle(10,10,50,50)"));
  EXPECT_EQ(Canvas.Pixel(10, 30), clRed);
  EXPECT_EQ(Canvas.Calls("TextOut(").at(0).substr(0, 14), "TextOut(10,10,");  // X did not move
  Canvas.ClearLog();
  HtmlTextOut(&Canvas, 10, 10, "<IMG WIDTH=32>");
  EXPECT_TRUE(Canvas.Calls("Rectangle").empty());
}

}  // namespace

namespace {

TEST(PlotCanvasTextOut, RotatedTextTurnsAboutTheTextCentre) {
  auto draw = [](bool UseCentre, int X, int Y) {
    auto c = std::make_unique<TRecordingCanvas>(120, 120);
    c->Fill(clWhite);
    c->SetBackMode(cbmTransparent);
    c->GetFont()->SetSize(12);
    c->IUseTextCenter = UseCentre;
    c->ITextCenter = TPoint{50, 50};
    c->RotateLabel(X, Y, "Turn", 90, false);
    return c;
  };
  auto turned = draw(true, 70, 50);  // (20, 0) from the centre turns to (0, -20)
  auto placed = draw(false, 50, 30);
  int inked = 0;
  for (int y = 0; y < 120; y++)
    for (int x = 0; x < 120; x++) {
      ASSERT_EQ(turned->Pixel(x, y), placed->Pixel(x, y)) << x << "," << y;
      inked += turned->Pixel(x, y) != clWhite;
    }
  EXPECT_GT(inked, 20);
}

}  // namespace
