// The group header's pixels: bevel lines beside the caption for each
// alignment and layout, the embossed disabled caption, transparency, the
// shapes of bsShape, and a gallery with English and Chinese captions.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <vector>

#include "controls/XwGroupHeader.h"
#include "tests/controls/xw_gtk_fixture.h"

using namespace xwtest;

namespace {

constexpr TColor Shadow = 0xA0A0A0, Highlight = 0xFFFFFF, Face = 0xF0F0F0;

// A plain parent whose background is a solid colour.
class TPanel : public TWinControl {
 public:
  explicit TPanel(TColor color) : TWinControl(nullptr) { SetColor(color); }
};

// A header on a panel, painted into a bitmap of the panel's size.
struct THeaderRig {
  explicit THeaderRig(const std::string& caption, TColor panelColor = Face) : Panel(panelColor) {
    Panel.SetBounds(0, 0, 220, 40);
    Header.SetBounds(10, 10, 200, 17);
    Header.SetCaption(caption);
    Header.SetColor(Face);
    Header.SetParent(&Panel);
  }
  ~THeaderRig() { Header.SetParent(nullptr); }
  // Paints and answers the header's pixel at (x, y) of the header.
  TColor At(int x, int y) { return Pixel(x + 10, y + 10); }
  TColor Pixel(int x, int y) {
    if (!Painted) {
      Canvas.SetSize(220, 40);
      Panel.PaintTo(Canvas.GetCanvas());
      Painted = true;
    }
    return Canvas.GetCanvas()->GetPixels(x, y) & 0xFFFFFF;
  }
  int CaptionWidth() {
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.GetCanvas()->SetFont(Header.GetFont());
    return measure.GetCanvas()->TextWidth(UTF8ToUTF16(Header.GetCaption()));
  }
  int CaptionHeight() {
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.GetCanvas()->SetFont(Header.GetFont());
    return measure.GetCanvas()->TextHeight(UTF8ToUTF16(Header.GetCaption()));
  }

  TPanel Panel;
  TXwGroupHeader Header{nullptr};
  TBitmap Canvas;
  bool Painted = false;
};

TEST(XwGroupHeader, LeftJustifiedLineStartsBevelSpaceAfterTheCaption) {
  THeaderRig rig("Motor settings");
  const int tw = rig.CaptionWidth(), y = rig.CaptionHeight() / 2;
  const int start = tw + 12;
  EXPECT_EQ(rig.At(start - 1, y), Face);
  EXPECT_EQ(rig.At(start, y), Shadow);  // lowered: shadow above, highlight below
  EXPECT_EQ(rig.At(start, y + 1), Highlight);
  EXPECT_EQ(rig.At(199, y), Shadow);
  EXPECT_EQ(rig.At(199, y + 1), Highlight);
  EXPECT_EQ(rig.At(start, y + 2), Face);
  EXPECT_EQ(rig.At(start, y - 1), Face);
  // No line left of a left-justified caption.
  EXPECT_EQ(rig.At(0, y), Face);
}

TEST(XwGroupHeader, CentredLinesStopBevelSpaceFromTheCaption) {
  THeaderRig rig("Gear");
  rig.Header.SetAlignment(taCenter);
  rig.Header.GetBevelOptions()->SetStyle(bsRaised);
  const int tw = rig.CaptionWidth(), y = rig.CaptionHeight() / 2;
  const int left = (200 - tw) / 2 - 12, right = left + tw + 24;
  EXPECT_EQ(rig.At(0, y), Highlight);  // raised: highlight above, shadow below
  EXPECT_EQ(rig.At(0, y + 1), Shadow);
  EXPECT_EQ(rig.At(left - 1, y), Highlight);
  EXPECT_EQ(rig.At(left, y), Face);
  EXPECT_EQ(rig.At(right - 1, y + 1), Face);
  EXPECT_EQ(rig.At(right, y), Highlight);
  EXPECT_EQ(rig.At(199, y + 1), Shadow);
}

TEST(XwGroupHeader, LayoutAndOffsetMoveTheLine) {
  struct Case {
    TAlignment Alignment;
    TXwLayout Layout;
    int Offset;
  };
  const Case cases[] = {
      {taLeftJustify, lCenter, 0},
      {taLeftJustify, lBottom, 0},
      {taLeftJustify, lTop, 20},
      {taRightJustify, lTop, 0},
  };
  for (const Case& c : cases) {
    THeaderRig rig("Poles");
    rig.Header.SetBounds(10, 10, 200, 30);
    rig.Header.SetAlignment(c.Alignment);
    rig.Header.SetLayout(c.Layout);
    rig.Header.SetPositionOffset(c.Offset);
    const int tw = rig.CaptionWidth(), th = rig.CaptionHeight();
    const int y = c.Layout == lTop ? th / 2 : c.Layout == lCenter ? 30 / 2 : 30 - th / 2;
    if (c.Alignment == taRightJustify) {
      const int end = 200 - tw - 12;  // the line runs from 0 to here
      EXPECT_EQ(rig.At(end - 1, y), Shadow) << c.Layout;
      EXPECT_EQ(rig.At(end, y), Face) << c.Layout;
    } else {
      const int start = c.Offset + tw + 12;
      EXPECT_EQ(rig.At(start - 1, y), Face) << c.Layout << " " << c.Offset;
      EXPECT_EQ(rig.At(start, y), Shadow) << c.Layout << " " << c.Offset;
      EXPECT_EQ(rig.At(start, y + 1), Highlight) << c.Layout << " " << c.Offset;
      // An offset beyond the bevel space leaves a line left of the caption.
      EXPECT_EQ(rig.At(0, y), c.Offset > 12 ? Shadow : Face) << c.Offset;
    }
  }
}

TEST(XwGroupHeader, DisabledCaptionIsEmbossed) {
  THeaderRig rig("Throttle");
  rig.Header.SetEnabled(false);
  // Somewhere in the caption the shadow lies on top with the highlight one
  // pixel right and down; no pixel has the enabled text colour.
  int embossed = 0, black = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < rig.CaptionWidth(); ++x) {
      if (rig.At(x, y) == Shadow && rig.At(x + 1, y + 1) == Highlight) ++embossed;
      if (rig.At(x, y) == 0) ++black;
    }
  EXPECT_GT(embossed, 5);
  EXPECT_EQ(black, 0);
}

TEST(XwGroupHeader, TransparentShowsTheParentAroundTheText) {
  THeaderRig opaque("Rpm", clAqua);
  EXPECT_EQ(opaque.At(150, 14), Face);
  THeaderRig clear("Rpm", clAqua);
  clear.Header.SetTransparent(true);
  EXPECT_EQ(clear.At(150, 14), TColor(0xFFFF00) & 0xFFFFFF);  // the panel's aqua
  EXPECT_EQ(clear.At(150, 2), TColor(0xFFFF00));
}

TEST(XwGroupHeader, ShapesSitLeftOfTheCaptionAndMirrorWhenCentred) {
  const TShapeType shapes[] = {stRectangle,   stSquare,  stRoundRect,
                               stRoundSquare, stEllipse, stCircle};
  for (TShapeType shape : shapes) {
    THeaderRig rig("Shape");
    rig.Header.SetAlignment(taCenter);
    rig.Header.SetPositionOffset(0);
    TXwGroupHeaderOptions* o = rig.Header.GetBevelOptions();
    o->SetStyle(bsShape);
    o->SetShape(shape);
    o->SetHeight(9);
    o->GetBrush()->SetColor(clRed);
    o->GetPen()->SetColor(clNavy);
    const int tw = rig.CaptionWidth(), y = rig.CaptionHeight() / 2;
    const int left = (200 - tw) / 2 - 12;
    // The centre of the shape's box on each side is filled red.
    int cx = left / 2;
    if (shape == stSquare || shape == stRoundSquare || shape == stCircle) cx = (left + 1) / 2;
    EXPECT_EQ(rig.At(cx, y), TColor(0x0000FF)) << shape;
    EXPECT_EQ(rig.At(199 - cx, y), TColor(0x0000FF)) << shape;
    EXPECT_NE(rig.At(100, y - 6), TColor(0x0000FF)) << shape;  // not over the caption
  }
}

TEST(XwGroupHeader, OptionsAssignNotifiesOnce) {
  TXwGroupHeaderOptions source, target;
  source.SetStyle(bsShape);
  source.SetShape(stCircle);
  source.SetHeight(7);
  source.GetPen()->SetColor(clRed);
  int notices = 0;
  target.FOnChange = [&](TObject*) { ++notices; };
  target.Assign(&source);
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(target.GetShape(), stCircle);
  EXPECT_EQ(target.GetHeight(), 7);
  EXPECT_EQ(target.GetPen()->GetColor(), clRed);
  target.GetBrush()->SetColor(clBlue);  // the brush's own change reaches the options
  EXPECT_EQ(notices, 2);
}

struct XwGroupHeaderGallery : TGtkTest {};

TEST_F(XwGroupHeaderGallery, Headers) {
  RegisterXwGroupHeaderClasses();
  TPanel panel(Face);
  panel.SetBounds(0, 0, 460, 330);
  struct Row {
    const char* Caption;
    TAlignment Alignment;
    TXwBevelStyle Style;
    TShapeType Shape;
    bool Enabled;
  };
  const Row rows[] = {
      {"Motor settings", taLeftJustify, bsLowered, stRectangle, true},
      {"电机设置", taLeftJustify, bsLowered, stRectangle, true},
      {"Gear ratio", taCenter, bsLowered, stRectangle, true},
      {"齿轮比", taCenter, bsRaised, stRectangle, true},
      {"Throttle range", taRightJustify, bsLowered, stRectangle, true},
      {"油门行程", taRightJustify, bsRaised, stRectangle, true},
      {"Disabled", taLeftJustify, bsLowered, stRectangle, false},
      {"已禁用", taCenter, bsLowered, stRectangle, false},
      {"Rectangle", taCenter, bsShape, stRectangle, true},
      {"Round square", taCenter, bsShape, stRoundSquare, true},
      {"椭圆", taCenter, bsShape, stEllipse, true},
      {"Circle", taLeftJustify, bsShape, stCircle, true},
  };
  std::vector<std::unique_ptr<TXwGroupHeader>> headers;
  int i = 0;
  for (const Row& r : rows) {
    auto h = std::make_unique<TXwGroupHeader>(nullptr);
    h->SetBounds(10 + (i % 2) * 225, 10 + (i / 2) * 50, 210, 20);
    h->SetCaption(r.Caption);
    h->SetAlignment(r.Alignment);
    h->GetBevelOptions()->SetStyle(r.Style);
    h->GetBevelOptions()->SetShape(r.Shape);
    h->GetBevelOptions()->SetHeight(11);
    h->GetBevelOptions()->GetBrush()->SetColor(TColor(0xD77800));
    h->SetEnabled(r.Enabled);
    h->SetParent(&panel);
    headers.push_back(std::move(h));
    ++i;
  }
  THost host(&panel);
  cairo_surface_t* picture = Render(panel.Handle());
  SavePng(picture, "xw_group_headers");
  cairo_surface_destroy(picture);
  for (auto& h : headers) h->SetParent(nullptr);
}

}  // namespace
