// Writes build/gallery/chart_shapes.png (styles, corners, callouts on each
// side, shadow, emboss, gradient, picture, children, transparency, turn,
// bevel) and build/gallery/chart_text_shapes.png (alignments, margins,
// lines, turned and HTML texts).

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "chart/PlotShape.h"
#include "chart/TextShape.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/GraphicsCodec.h"
#include "shape_fixture.h"
#include "tests/support/GalleryPng.h"

namespace {

// A shape in a cell of the sheet, set up by Setup and drawn at its bounds.
void Cell(TShapeFixture& F, int Col, int Row, const std::function<void(TPlotShape&)>& Setup) {
  TPlotShape s(&F.Panel);
  s.SetColor(0xE0F0FF);
  s.GetShadow()->SetSize(4);
  s.GetShadow()->SetColor(clGray);
  s.ShapeBounds = TRect{30 + Col * 150, 30 + Row * 130, 130 + Col * 150, 100 + Row * 130};
  Setup(s);
  s.Draw(s.ShapeBounds, s.GetAngle(), 0);
}

TEST(ShapeGallery, WritesShapes) {
  TShapeFixture f(780, 420);
  f.Canvas->Fill(clWhite);
  Cell(f, 0, 0, [](TPlotShape&) {});
  Cell(f, 1, 0, [](TPlotShape& s) { s.SetRoundSize(20); });
  Cell(f, 2, 0, [](TPlotShape& s) { s.SetShapeStyle(fosEllipse); });
  Cell(f, 3, 0, [](TPlotShape& s) {
    s.SetRoundSize(24);
    s.GetCorners()->GetLeftTop()->SetStyle(cosBevel);
    s.GetCorners()->GetRightBottom()->SetStyle(cosNone);
  });
  Cell(f, 4, 0, [](TPlotShape& s) {
    s.GetShadow()->SetVisible(false);
    s.GetEmboss()->SetVisible(true);
    s.GetEmboss()->SetSize(4);
  });
  const TShapeCalloutSide sides[] = {csTop, csRight, csBottom, csLeft};
  for (int i = 0; i < 4; ++i)
    Cell(f, i, 1, [&](TPlotShape& s) {
      s.GetShadow()->SetVisible(false);
      s.GetCallout()->SetSide(sides[i]);
      s.GetCallout()->SetPosition(30);
      if (i % 2 == 1) s.SetRoundSize(12);
      s.SetShapeStyle(i % 2 == 1 ? fosRoundRectangle : fosRectangle);
    });
  Cell(f, 4, 1, [](TPlotShape& s) {
    s.GetGradient()->SetVisible(true);
    s.GetGradient()->SetStartColor(clNavy);
    s.GetGradient()->SetEndColor(clAqua);
  });
  Cell(f, 0, 2, [](TPlotShape& s) {
    TBitmap picture;
    picture.SetPixelFormat(pf24bit);
    picture.SetSize(16, 16);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        picture.GetCanvas()->SetPixels(x, y, ((x / 4 + y / 4) % 2) ? clLime : clGreen);
    s.GetPicture()->SetGraphic(&picture);
    s.GetPicture()->SetMode(pbmTile);
    s.SetShapeStyle(fosEllipse);
  });
  Cell(f, 1, 2, [](TPlotShape& s) {
    s.GetShadow()->SetVisible(false);
    const TColor colours[] = {clRed, clYellow, clBlue};
    for (TColor c : colours) {
      TPlotCustomShape* k = s.GetChildren()->Add()->GetShape();
      k->SetTransparent(false);
      k->GetShadow()->SetVisible(false);
      k->SetColor(c);
      k->ShapeBounds = TRect{0, 0, 60, 20};
      k->SetAlignment(c == clYellow ? taCenter : c == clBlue ? taRightJustify : taLeftJustify);
    }
  });
  Cell(f, 2, 2, [&](TPlotShape& s) {
    f.Canvas->GetPen()->SetColor(clBlack);
    f.Canvas->GetPen()->SetWidth(3);
    f.Canvas->Line(s.ShapeBounds.Left - 10, s.ShapeBounds.Top + 10, s.ShapeBounds.Right + 10,
                   s.ShapeBounds.Bottom - 10);
    s.SetColor(clRed);
    s.SetTransparency(50);
  });
  Cell(f, 3, 2, [](TPlotShape& s) {
    s.SetAngle(30);
    s.SetBevel(bvRaised);
  });
  Cell(f, 4, 2, [](TPlotShape& s) {
    s.SetBevel(bvRaised);
    s.SetBevelWidth(4);
    s.SetColor(clSilver);
  });
  WriteGalleryPng(f.Canvas->Bitmap, "chart_shapes.png");
  EXPECT_EQ(f.Canvas->Pixel(80, 65), TColor(0xE0F0FF));
}

void TextCell(TShapeFixture& F, int Col, int Row,
              const std::function<void(TCustomTextShape&)>& Setup) {
  TCustomTextShape s(&F.Panel);
  s.SetColor(0xF0FFF0);
  s.GetShadow()->SetSize(3);
  s.GetShadow()->SetColor(clSilver);
  s.GetFont()->SetSize(11);
  s.SetText("Motor RPM\rline two");
  s.ShapeBounds = TRect{20 + Col * 190, 20 + Row * 110, 20 + Col * 190, 20 + Row * 110};
  Setup(s);
  s.CalcBounds(&F.Panel);
  s.Draw(s.ShapeBounds, s.GetAngle(), 0);
}

TEST(ShapeGallery, WritesTextShapes) {
  TShapeFixture f(780, 340);
  f.Canvas->Fill(clWhite);
  TextCell(f, 0, 0, [](TCustomTextShape&) {});
  TextCell(f, 1, 0, [](TCustomTextShape& s) {
    s.SetText("Centred\rtext lines\rthree");
    s.SetTextAlignment(taCenter);
  });
  TextCell(f, 2, 0, [](TCustomTextShape& s) {
    s.SetText("Right\raligned text");
    s.SetTextAlignment(taRightJustify);
    s.SetRoundSize(10);
  });
  TextCell(f, 3, 0, [](TCustomTextShape& s) {
    s.GetMargins()->SetUnits(maPixels);
    s.GetMargins()->SetLeft(20);
    s.GetMargins()->SetTop(15);
    s.GetMargins()->SetBottom(15);
    s.SetText("Wide margins");
  });
  TextCell(f, 0, 1, [](TCustomTextShape& s) {
    s.SetTextFormat(ttfHtml);
    s.SetText("<b>Bold</b> and <i>italic</i>\r<font color=clRed>red</font> text");
  });
  TextCell(f, 1, 1, [](TCustomTextShape& s) {
    s.SetText("Transparent");
    s.SetTransparent(true);
    s.GetFont()->SetColor(clBlue);
  });
  TextCell(f, 2, 1, [](TCustomTextShape& s) {
    s.SetAutoSize(false);
    s.ShapeBounds = TRect{400, 130, 460, 170};
    s.SetText("Clipped long text");
  });
  TextCell(f, 3, 1, [](TCustomTextShape& s) {
    s.GetCallout()->SetSide(csBottom);
    s.SetText("Callout");
  });
  TextCell(f, 0, 2, [](TCustomTextShape& s) {
    s.SetAutoSize(false);
    s.ShapeBounds = TRect{60, 240, 180, 290};
    s.SetAngle(20);
    s.SetTextAlignment(taCenter);
    s.SetText("Turned 20");
  });
  TextCell(f, 1, 2, [](TCustomTextShape& s) {
    s.SetAutoSize(false);
    s.ShapeBounds = TRect{250, 240, 370, 290};
    s.SetAngle(90);
    s.SetTextAlignment(taCenter);
    s.SetText("Turned 90");
  });
  WriteGalleryPng(f.Canvas->Bitmap, "chart_text_shapes.png");
  EXPECT_EQ(f.Canvas->Pixel(0, 0), clWhite);
}

}  // namespace
