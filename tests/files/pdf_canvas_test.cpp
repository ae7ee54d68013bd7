// The page canvas: operator lines, text placement, measuring, page state.

#include <gtest/gtest.h>

#include <functional>

#include "files/PdfCanvas.h"
#include "tests/files/pdf_test_util.h"

namespace {

// A document with one page; the canvas has selected Arial 10.
class PdfCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FDoc.NewDoc();
    FDoc.AddPage();
  }
  TPdfCanvas& Canvas() { return *FDoc.Canvas(); }
  // What the calls appended after the page's Arial selection.
  std::string Appended() { return PageContents(FDoc).substr(std::string("/F0 10 Tf\n").size()); }
  TPdfDoc FDoc;
};

struct OperatorCase {
  const char* Label;
  std::function<void(TPdfCanvas&)> Draw;
  std::string Expected;
};

const TPdfRect kBox = {100, 700, 200, 680};

const OperatorCase kOperators[] = {
    {"TextOut", [](TPdfCanvas& c) { c.TextOut(138, 54, u"ABC"); }, "BT\n138 54 Td\n(ABC) Tj\nET\n"},
    {"escapes", [](TPdfCanvas& c) { c.ShowText(u"a(b)\\c"); }, "(a\\(b\\)\\\\c) Tj\n"},
    {"hexadecimal form", [](TPdfCanvas& c) { c.ShowTextNextLine(u"A\U0001F600"); },
     "<41D83DDE00> '\n"},
    {"same font and size", [](TPdfCanvas& c) { c.SetFont("Arial", 10); }, ""},
    {"new size", [](TPdfCanvas& c) { c.SetFont("Arial", 12.5f); }, "/F0 12.5 Tf\n"},
    {"Chinese in GBK",
     [](TPdfCanvas& c) {
       c.SetFont("Chinese", 10);
       c.ShowText(u"\u4E2D\u4E57");
     },
     "/F1 10 Tf\n(\xD6\xD0\x81\\\\) Tj\n"},
    {"Japanese in Shift-JIS",
     [](TPdfCanvas& c) {
       c.SetFont("Mincyo", 10);
       c.ShowText(u"\u30BD");
     },
     "/F1 10 Tf\n(\x83\\\\) Tj\n"},
    {"red fill", [](TPdfCanvas& c) { c.SetRGBFillColor(0x0000FF); }, "1 0 0 rg\n"},
    {"blue stroke", [](TPdfCanvas& c) { c.SetRGBStrokeColor(0x800000); }, "0 0 0.5 RG\n"},
    {"negative colour is black", [](TPdfCanvas& c) { c.SetRGBFillColor(-5); }, "0 0 0 rg\n"},
    {"dash empty", [](TPdfCanvas& c) { c.SetDash({}, 0); }, "[] 0 d\n"},
    {"dash 3 2",
     [](TPdfCanvas& c) {
       c.SetDash({3, 2}, 0);
     },
     "[3 2 ] 0 d\n"},
    {"dash starting with 0",
     [](TPdfCanvas& c) {
       c.SetDash({0, 2}, 1);
     },
     "[] 1 d\n"},
    {"graphics state",
     [](TPdfCanvas& c) {
       c.GSave();
       c.Concat(1, 0, 0, 1, 12.345f, -1.234f);
       c.SetFlat(5);
       c.SetLineCap(lcRound_End);
       c.SetLineJoin(ljBevelJoin);
       c.SetMiterLimit(10);
       c.SetLineWidth(0.5f);
       c.GRestore();
     },
     "q\n1 0 0 1 12.35 -1.23 cm\n5 i\n1 J\n2 j\n10 M\n0.5 w\nQ\n"},
    {"paths",
     [](TPdfCanvas& c) {
       c.MoveTo(1, 2);
       c.LineTo(3, 4);
       c.CurveToC(1, 2, 3, 4, 5, 6);
       c.CurveToV(1, 2, 3, 4);
       c.CurveToY(5, 6, 7, 8);
       c.Rectangle(0, 0, 10.5f, 20);
       c.Closepath();
       c.NewPath();
     },
     "1 2 m\n3 4 l\n1 2 3 4 5 6 c\n1 2 3 4 v\n5 6 7 8 y\n0 0 10.5 20 re\nh\nn\n"},
    {"painting",
     [](TPdfCanvas& c) {
       c.Stroke();
       c.ClosePathStroke();
       c.Fill();
       c.Eofill();
       c.FillStroke();
       c.ClosepathFillStroke();
       c.EofillStroke();
       c.ClosepathEofillStroke();
       c.Clip();
       c.Eoclip();
     },
     "S\ns\nf\nf*\nB\nb\nB*\nb*\nW\nW*\n"},
    {"ellipse", [](TPdfCanvas& c) { c.Ellipse(0, 0, 40, 20); },
     "0 10 m\n0 4.5 9 0 20 0 c\n31 0 40 4.5 40 10 c\n40 15.5 31 20 20 20 c\n9 20 0 15.5 0 10 c\n"},
    {"text state",
     [](TPdfCanvas& c) {
       c.BeginText();
       c.MoveTextPoint(1.5f, 2);
       c.SetTextMatrix(1, 0, 0, 1, 72, 720);
       c.MoveToNextLine();
       c.SetCharSpace(1);
       c.SetWordSpace(2);
       c.SetHorizontalScaling(90);
       c.SetLeading(12);
       c.SetTextRenderingMode(trStroke);
       c.SetTextRise(3);
       c.ExecuteXObject(u"Im 1");
       c.EndText();
     },
     "BT\n1.5 2 Td\n1 0 0 1 72 720 Tm\nT*\n1 Tc\n2 Tw\n90 Tz\n12 TL\n1 Tr\n3 Ts\n/Im#201 Do\nET\n"},
    {"unchanged spacing writes nothing",
     [](TPdfCanvas& c) {
       c.SetCharSpace(0);
       c.SetWordSpace(0);
       c.SetHorizontalScaling(100);
       c.SetLeading(0);
     },
     ""},
    {"char space -30", [](TPdfCanvas& c) { c.SetCharSpace(-30); }, "-30 Tc\n"},
    {"TextRect centred", [](TPdfCanvas& c) { c.TextRect(kBox, u"AB", paCenter, false); },
     "BT\n143 691.5 Td\n(AB) Tj\nET\n"},
    {"TextRect right", [](TPdfCanvas& c) { c.TextRect(kBox, u"AB", paRightJustify, false); },
     "BT\n187 691.5 Td\n(AB) Tj\nET\n"},
    {"TextRect clipped", [](TPdfCanvas& c) { c.TextRect(kBox, u"AB", paLeftJustify, true); },
     "q\n100 700 m\n100 680 l\n200 680 l\n200 700 l\nh\nW\nn\nBT\n100 691.5 Td\n(AB) Tj\nET\nQ\n"},
};

TEST_F(PdfCanvasTest, OperatorLines) {
  for (const OperatorCase& c : kOperators) {
    FDoc.NewDoc();
    FDoc.AddPage();
    c.Draw(Canvas());
    EXPECT_EQ(c.Expected, Appended()) << c.Label;
  }
}

struct MultilineCase {
  const char* Label;
  TPdfRect Rect;
  std::u16string Text;
  bool WordWrap;
  std::string Expected;
};

const MultilineCase kMultiline[] = {
    {"wraps words",
     {0, 100, 60, 60},
     u"aaa bbb ccc ddd eee fff",
     true,
     "BT\n0 91.5 Td\n(aaa bbb ccc ) Tj\nT*\n(ddd eee fff) Tj\nET\n"},
    {"stops near the bottom",
     {0, 100, 60, 80},
     u"aaa bbb ccc ddd eee fff",
     true,
     "BT\n0 91.5 Td\n(aaa bbb ccc ) Tj\nT*\nET\n"},
    {"cuts a long word", {0, 100, 20, 0}, u"abcdefghij", true, "BT\n0 91.5 Td\n(abc) Tj\nET\n"},
    {"breaks at CR LF",
     {0, 100, 600, 0},
     u"ab\r\ncd",
     false,
     "BT\n0 91.5 Td\n(ab) Tj\nT*\n(cd) Tj\nET\n"},
    {"no wrapping",
     {0, 100, 60, 0},
     u"aaa bbb ccc ddd",
     false,
     "BT\n0 91.5 Td\n(aaa bbb ccc ) Tj\nET\n"},
};

TEST_F(PdfCanvasTest, MultilineTextRect) {
  for (const MultilineCase& c : kMultiline) {
    FDoc.NewDoc();
    FDoc.AddPage();
    Canvas().Attribute().SetLeading(12);
    Canvas().MultilineTextRect(c.Rect, c.Text, c.WordWrap);
    EXPECT_EQ(c.Expected, Appended()) << c.Label;
  }
}

TEST_F(PdfCanvasTest, RangeChecksLeaveTheStateUnchanged) {
  EXPECT_EQ("SetCharSpace --invalid char space",
            MessageOf<EPdfInvalidValue>([&] { Canvas().SetCharSpace(-31); }));
  EXPECT_EQ("SetCharSpace --invalid char space",
            MessageOf<EPdfInvalidValue>([&] { Canvas().SetCharSpace(300.5f); }));
  EXPECT_EQ("SetWordSpace --invalid word space",
            MessageOf<EPdfInvalidValue>([&] { Canvas().SetWordSpace(-1); }));
  EXPECT_NE("", MessageOf<EPdfInvalidValue>([&] { Canvas().SetHorizontalScaling(9); }));
  EXPECT_NE("", MessageOf<EPdfInvalidValue>([&] { Canvas().SetLeading(301); }));
  EXPECT_NE("", MessageOf<EPdfInvalidValue>([&] { Canvas().SetFont("Arial", 301); }));
  EXPECT_EQ("", Appended());
  EXPECT_EQ(0, Canvas().Attribute().CharSpace());
  EXPECT_EQ(100, Canvas().Attribute().HorizontalScaling());
  EXPECT_EQ(10, Canvas().Attribute().FontSize());
}

TEST_F(PdfCanvasTest, MeasuringFollowsTheTextState) {
  EXPECT_FLOAT_EQ(16.12f, Canvas().TextWidth(u"A B"));
  Canvas().SetCharSpace(1);
  EXPECT_FLOAT_EQ(18.12f, Canvas().TextWidth(u"A B"));
  Canvas().SetWordSpace(2);
  EXPECT_FLOAT_EQ(20.12f, Canvas().TextWidth(u"A B"));
  EXPECT_FLOAT_EQ(18.12f, Canvas().TextWidth(u"AB ")) << "a closing blank takes no word space";
  Canvas().SetHorizontalScaling(50);
  EXPECT_FLOAT_EQ(12.06f, Canvas().TextWidth(u"A B"));
  EXPECT_EQ(1, Canvas().MeasureText(u"A B", 5));
  EXPECT_EQ(3, Canvas().MeasureText(u"A B", 100));
  EXPECT_EQ(0, Canvas().MeasureText(u"A B", 1));
  Canvas().SetHorizontalScaling(100);
  Canvas().SetCharSpace(0);
  Canvas().SetWordSpace(0);
  Canvas().SetFont("Chinese", 10);
  EXPECT_FLOAT_EQ(10.0f, Canvas().TextWidth(u"\u4E2DA"));
}

TEST_F(PdfCanvasTest, GetNextWord) {
  const std::u16string text = u"ab cd\r\nef";
  int index = 1;
  EXPECT_EQ(u"ab ", TPdfCanvas::GetNextWord(text, index));
  EXPECT_EQ(4, index);
  EXPECT_EQ(u"cd\r\n", TPdfCanvas::GetNextWord(text, index));
  EXPECT_EQ(u"ef", TPdfCanvas::GetNextWord(text, index));
  EXPECT_EQ(10, index);
  EXPECT_EQ(u"", TPdfCanvas::GetNextWord(text, index));
  index = 1;
  EXPECT_EQ(u"a\nb", TPdfCanvas::GetNextWord(u"a\nb", index)) << "a bare LF does not end a word";
}

TEST_F(PdfCanvasTest, EachPageKeepsItsTextState) {
  Canvas().SetFont("Chinese", 12);
  Canvas().SetCharSpace(2);
  TPdfDictionary* first = Canvas().Page();
  FDoc.AddPage();
  EXPECT_EQ("/F0 10 Tf\n", PageContents(FDoc)) << "a new page starts with Arial 10";
  EXPECT_EQ(0, Canvas().Attribute().CharSpace());
  Canvas().SetPage(first);
  EXPECT_EQ("/F0 10 Tf\n/F1 12 Tf\n2 Tc\n", PageContents(FDoc)) << "restoring writes nothing";
  EXPECT_EQ("Chinese", Canvas().Attribute().Font()->Name());
  EXPECT_EQ(12, Canvas().Attribute().FontSize());
  EXPECT_EQ(2, Canvas().Attribute().CharSpace());
  EXPECT_EQ(std::string::npos, SavedDocument(FDoc).find("_Font"))
      << "the stored state is never written";
}

TEST_F(PdfCanvasTest, PageSizeAndVirtualMode) {
  EXPECT_EQ(596, Canvas().PageWidth());
  Canvas().SetPageHeight(600);
  EXPECT_EQ(600, Canvas().PageHeight());
  Canvas().Page()->RemoveItem(u"MediaBox");
  EXPECT_EQ(842, Canvas().PageHeight());
  EXPECT_EQ("Can not chenge width of this page..",
            MessageOf<EPdfInvalidOperation>([&] { Canvas().SetPageWidth(100); }));

  FDoc.SetVirtualMode();
  Canvas().TextOut(1, 2, u"ABC");
  EXPECT_EQ("/F0 10 Tf\n", PageContents(FDoc)) << "only the page's own selection";
  EXPECT_FLOAT_EQ(20.56f, Canvas().TextWidth(u"ABC"));
  FDoc.NewDoc();
  FDoc.AddPage();
  EXPECT_EQ("/F0 10 Tf\n", PageContents(FDoc)) << "a new document draws again";
}

}  // namespace
