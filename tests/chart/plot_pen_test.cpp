// Chart pens, stock pens, brushes and 3D view options: defaults, change
// notification, what streams, and the device pens they turn into.

#include <gtest/gtest.h>

#include <cmath>

#include "chart/PlotGradient.h"
#include "chart/PlotPen.h"
#include "chart/PlotView3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"

namespace {

// A component holding one persistent of each kind, to stream them.
class TAttrHolder : public TComponent {
 public:
  explicit TAttrHolder(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  static const TClassInfo* Class() {
    static const TClassInfo* info =
        TClassDecl<TAttrHolder>("TAttrHolder", TComponent::Class())
            .Prop("Pen", &TAttrHolder::GetPen, &TAttrHolder::SetPen)
            .Prop("Hidden", &TAttrHolder::GetHidden, &TAttrHolder::SetHidden)
            .Prop("Dotted", &TAttrHolder::GetDotted, &TAttrHolder::SetDotted)
            .Prop("Brush", &TAttrHolder::GetBrush, &TAttrHolder::SetBrush)
            .Prop("View", &TAttrHolder::GetView, &TAttrHolder::SetView);
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
  TPlotPen* GetPen() const { return const_cast<TPlotPen*>(&Pen); }
  void SetPen(TPlotPen* V) { Pen.Assign(V); }
  TPlotHiddenPen* GetHidden() const { return const_cast<TPlotHiddenPen*>(&Hidden); }
  void SetHidden(TPlotHiddenPen* V) { Hidden.Assign(V); }
  TDottedGrayPen* GetDotted() const { return const_cast<TDottedGrayPen*>(&Dotted); }
  void SetDotted(TDottedGrayPen* V) { Dotted.Assign(V); }
  TPlotBrush* GetBrush() const { return const_cast<TPlotBrush*>(&Brush); }
  void SetBrush(TPlotBrush* V) { Brush.Assign(V); }
  TView3DOptions* GetView() const { return const_cast<TView3DOptions*>(&View); }
  void SetView(TView3DOptions* V) { View.Assign(V); }

  TPlotPen Pen;
  TPlotHiddenPen Hidden;
  TDottedGrayPen Dotted;
  TPlotBrush Brush;
  TView3DOptions View;
};

std::string AsText(TAttrHolder& h) {
  TMemoryStream binary, text;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&h);
  }
  binary.SetPosition(0);
  ObjectBinaryToText(&binary, &text);
  return std::string(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
}

bool Has(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

TEST(PlotPen, NewPenDefaultsAndNothingStreamed) {
  TPlotPen p;
  EXPECT_TRUE(p.GetVisible());
  EXPECT_EQ(p.GetColor(), clBlack);
  EXPECT_EQ(p.GetStyle(), psSolid);
  EXPECT_EQ(p.GetWidth(), 1);
  EXPECT_EQ(p.GetEndStyle(), esRound);
  EXPECT_EQ(p.GetJoinStyle(), jsRound);
  EXPECT_FALSE(p.HasFill());

  TAttrHolder h;
  std::string s = AsText(h);
  for (const char* name : {"Pen.Width", "Pen.EndStyle", "Pen.JoinStyle", "Pen.Visible",
                           "Hidden.Visible", "Dotted.Color", "Dotted.Style", "Brush.Color",
                           "Brush.BackColor", "Brush.Image", "Brush.Gradient", "View."})
    EXPECT_FALSE(Has(s, name)) << name << "\n" << s;
}

TEST(PlotPen, ChangedValuesStreamAndReadBack) {
  TAttrHolder h;
  h.SetName("Holder");
  h.Pen.SetWidth(3);
  h.Pen.SetEndStyle(esFlat);
  h.Pen.SetJoinStyle(jsMitter);
  h.Pen.Hide();
  h.Hidden.Show();
  h.Dotted.SetStyle(psSolid);
  h.Brush.SetColor(clRed);
  h.Brush.SetHatchStyle(hsWeave);
  h.Brush.GetGradient()->SetVisible(true);
  h.Brush.GetGradient()->SetEndColor(clBlue);
  h.View.SetPerspective(40);
  h.View.SetOrthogonal(false);
  std::string s = AsText(h);
  for (const char* line : {"Pen.Width = 3", "Pen.EndStyle = esFlat", "Pen.JoinStyle = jsMitter",
                           "Pen.Visible = False", "Hidden.Visible = True",
                           "Dotted.Style = psSolid", "Brush.HatchStyle = hsWeave",
                           "View.Perspective = 40", "View.Orthogonal = False"})
    EXPECT_TRUE(Has(s, line)) << line << "\n" << s;
  EXPECT_TRUE(Has(s, "Brush.Color")) << s;

  TMemoryStream binary;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&h);
  }
  binary.SetPosition(0);
  TAttrHolder back;
  {
    TReader r(&binary);
    r.ReadRootComponent(&back);
  }
  EXPECT_EQ(back.Pen.GetWidth(), 3);
  EXPECT_EQ(back.Pen.GetEndStyle(), esFlat);
  EXPECT_FALSE(back.Pen.GetVisible());
  EXPECT_TRUE(back.Hidden.GetVisible());
  EXPECT_EQ(back.Brush.GetColor(), clRed);
  EXPECT_EQ(back.Brush.GetHatchStyle(), hsWeave);
  EXPECT_TRUE(back.Brush.HasGradient());
  EXPECT_EQ(back.Brush.GetGradient()->GetEndColor(), clBlue);
  EXPECT_EQ(back.View.GetPerspective(), 40);
  EXPECT_FALSE(back.View.GetOrthogonal());
}

TEST(PlotPen, StockPensAndTheirDefaults) {
  TPlotHiddenPen hidden;
  EXPECT_FALSE(hidden.GetVisible());
  int calls = 0;
  TDottedGrayPen dotted([&](TObject*) { ++calls; });
  EXPECT_EQ(dotted.GetColor(), TColor(0x808080));
  EXPECT_EQ(dotted.GetStyle(), psDot);
  EXPECT_EQ(calls, 2);  // the owner hears the colour and the style
  TDarkGrayPen dark;
  EXPECT_EQ(dark.GetColor(), TColor(0x808080));
  EXPECT_EQ(dark.GetStyle(), psSolid);
}

TEST(PlotPen, SettersNotifyOnlyOnChangeAndFillReachesOwner) {
  int calls = 0;
  TPlotPen p([&](TObject*) { ++calls; });
  p.SetEndStyle(esRound);
  p.SetVisible(true);
  EXPECT_EQ(calls, 0);
  p.SetSmallDots(true);
  p.SetSmallSpace(2);
  p.SetJoinStyle(jsBevel);
  EXPECT_EQ(calls, 3);
  p.GetFill()->SetBackColor(clBlue);
  EXPECT_EQ(calls, 4);
  p.InitEndStyle(esSquare);  // no notification, and not stored
  EXPECT_EQ(calls, 4);
  EXPECT_EQ(p.GetEndStyle(), esSquare);
  p.SetFill(nullptr);
  EXPECT_FALSE(p.HasFill());
}

TEST(PlotPen, HalfWidth) {
  struct Case {
    int width;
    bool visible;
    int half;
  } cases[] = {{0, true, 0}, {1, true, 0}, {3, true, 1}, {4, true, 2}, {4, false, 0}};
  for (const Case& c : cases) {
    TPlotPen p;
    p.SetWidth(c.width);
    p.SetVisible(c.visible);
    EXPECT_EQ(p.HalfWidth(), c.half) << c.width << " " << c.visible;
  }
}

TEST(PlotPen, AssignCopiesFieldsAndFill) {
  TPlotPen a, b;
  a.SetWidth(5);
  a.SetSmallDots(true);
  a.SetSmallSpace(4);
  a.SetEndStyle(esFlat);
  a.Hide();
  int calls = 0;
  b.OnChange = [&](TObject*) { ++calls; };
  b.Assign(&a);
  EXPECT_EQ(calls, 1);  // the fields are copied silently, the platform pen's copy tells once
  a.GetFill()->SetColor(clGreen);
  b.Assign(&a);
  EXPECT_EQ(b.GetWidth(), 5);
  EXPECT_TRUE(b.GetSmallDots());
  EXPECT_EQ(b.GetSmallSpace(), 4);
  EXPECT_EQ(b.GetEndStyle(), esFlat);
  EXPECT_FALSE(b.GetVisible());
  ASSERT_TRUE(b.HasFill());
  EXPECT_EQ(b.GetFill()->GetColor(), clGreen);
  TPlotPen none;
  b.Assign(&none);
  EXPECT_FALSE(b.HasFill());
}

TEST(PlotBrush, DefaultsHatchesAndImage) {
  int calls = 0;
  TPlotBrush b([&](TObject*) { ++calls; });
  EXPECT_EQ(b.GetColor(), TColor(0x20000000));
  EXPECT_EQ(b.GetBackColor(), clNone);
  EXPECT_FALSE(b.HasImage());
  EXPECT_FALSE(b.IsColorStored());
  EXPECT_EQ(calls, 0);

  b.SetHatchStyle(hsCross);
  EXPECT_EQ(b.GetStyle(), bsCross);
  EXPECT_EQ(calls, 1);
  b.SetHatchStyle(hsWeave);
  EXPECT_EQ(b.GetStyle(), bsCross);  // an extended hatch leaves the platform style
  EXPECT_EQ(calls, 2);

  b.SetImage(nullptr);  // nothing to free: no notification
  EXPECT_EQ(calls, 2);
  b.GetImage();
  EXPECT_TRUE(b.HasImage());
  EXPECT_FALSE(b.HasGraphic());
  b.Clear();
  EXPECT_EQ(b.GetStyle(), bsClear);
  EXPECT_FALSE(b.HasImage());
}

TEST(PlotBrush, AssignCopiesBackColorHatchAndPicture) {
  TPlotBrush a, b;
  a.SetBackColor(clYellow);
  a.SetHatchStyle(hsDiagonalCross);
  a.GetImage();
  b.Assign(&a);
  EXPECT_EQ(b.GetBackColor(), clYellow);
  EXPECT_EQ(b.GetHatchStyle(), hsDiagonalCross);
  EXPECT_EQ(b.GetStyle(), bsDiagCross);
  EXPECT_TRUE(b.HasImage());
  TPlotBrush plain;
  b.Assign(&plain);
  EXPECT_FALSE(b.HasImage());
}

TEST(PlotBrush, AssignCopiesOrFreesTheGradient) {
  TPlotBrush a, b;
  a.GetGradient()->SetVisible(true);
  a.GetGradient()->SetEndColor(clRed);
  EXPECT_TRUE(a.HasGradient());
  b.Assign(&a);
  ASSERT_TRUE(b.HasGradient());
  EXPECT_EQ(b.GetGradient()->GetEndColor(), clRed);
  int calls = 0;
  b.OnChange = [&](TObject*) { ++calls; };
  TPlotBrush plain;
  b.Assign(&plain);
  EXPECT_FALSE(b.HasGradient());
  EXPECT_EQ(calls, 1);  // only the platform brush's copy tells
  TPlotPen pen;
  EXPECT_FALSE(pen.IsGradientVisible());
  pen.GetFill()->GetGradient()->SetVisible(true);
  EXPECT_TRUE(pen.IsGradientVisible());
}

TEST(View3DOptions, DefaultsPerspectiveAndZoomText) {
  int repaints = 0;
  TView3DOptions v([&] { ++repaints; });
  EXPECT_TRUE(v.GetOrthogonal());
  EXPECT_EQ(v.GetOrthoAngle(), 45);
  EXPECT_EQ(v.GetRotation(), 345);
  EXPECT_EQ(v.GetElevation(), 345);
  EXPECT_EQ(v.GetPerspective(), 15);
  EXPECT_EQ(v.GetZoom(), 100);
  v.SetPerspective(150);
  EXPECT_EQ(v.GetPerspective(), 100);
  v.SetPerspective(-5);
  EXPECT_EQ(v.GetPerspective(), -5);
  EXPECT_EQ(repaints, 2);
  v.SetZoomText(TCanvasZoomText(255));
  EXPECT_EQ(v.GetZoomText(), ztManual);
  EXPECT_EQ(repaints, 2);
  v.SetRotation(12.6);
  EXPECT_EQ(v.GetRotation(), 13);
}

TEST(View3DOptions, BackFacedAndOrthoRatio) {
  struct Case {
    bool ortho;
    int rotation;
    bool back;
  } faces[] = {{false, 100, true}, {false, 90, false}, {false, 270, false},
               {false, 269, true}, {true, 180, false}};
  for (const Case& c : faces) {
    TView3DOptions v;
    v.SetOrthogonal(c.ortho);
    v.SetRotationInteger(c.rotation);
    EXPECT_EQ(v.BackFaced(), c.back) << c.ortho << " " << c.rotation;
  }
  struct Ratio {
    bool ortho;
    int angle;
    double ratio;
  } ratios[] = {{true, 45, 1}, {true, 135, 1}, {true, 0, 0}, {true, 60, std::sqrt(3.0)},
                {false, 60, 1}};
  for (const Ratio& r : ratios) {
    TView3DOptions v;
    v.SetOrthogonal(r.ortho);
    v.SetOrthoAngle(r.angle);
    EXPECT_NEAR(v.CalcOrthoRatio(), r.ratio, 1e-9) << r.angle;
  }
}

TEST(View3DOptions, ZoomIsAnnouncedBeforeItChangesAndOffsetsTellScrolled) {
  std::vector<std::string> log;
  TView3DOptions v([&] { log.push_back("repaint"); });
  v.OnChangedZoom = [&](int z) { log.push_back("zoom " + std::to_string(z) + " was " +
                                               std::to_string(v.GetZoom())); };
  v.OnScrolled = [&](bool h) { log.push_back(h ? "horiz" : "vert"); };
  v.SetZoomInteger(120);
  v.SetHorizInteger(5);
  v.SetVertInteger(6);
  v.SetZOffset(2);
  v.SetZOffset(2);
  EXPECT_EQ(log, (std::vector<std::string>{"zoom 120 was 100", "repaint", "repaint", "horiz",
                                           "repaint", "vert", "repaint", "vert"}));
}

TEST(View3DOptions, AssignCopiesPublishedValuesOnly) {
  TView3DOptions a;
  a.SetRotationInteger(20);
  a.SetZoomInteger(150);
  a.SetZOffset(7);
  a.SetFontZoom(150);
  int repaints = 0;
  TView3DOptions b([&] { ++repaints; });
  b.Assign(&a);
  EXPECT_EQ(b.GetRotation(), 20);
  EXPECT_EQ(b.GetZoom(), 150);
  EXPECT_EQ(b.GetFontZoom(), 150);
  EXPECT_EQ(b.GetZOffset(), 0);
  EXPECT_EQ(repaints, 0);
  TPlotPen pen;
  b.Assign(&pen);  // ignored
  EXPECT_EQ(b.GetRotation(), 20);
}

// A pen's device form, drawn as a horizontal line on a white 32-bit
// bitmap: the columns that turned dark.
std::vector<int> DarkColumns(TPlotPen& plot, int x0, int x1) {
  TBitmap bmp;
  bmp.SetPixelFormat(pf32bit);
  bmp.SetSize(24, 9);
  TPen pen;
  PlotSetPlotPen(&pen, &plot, clBlack);
  gdi::HDC dc = bmp.GetCanvas()->GetHandle();
  gdi::HGDIOBJ old = gdi::SelectObject(dc, pen.GetHandle());
  gdi::MoveToEx(dc, x0, 4, nullptr);
  gdi::LineTo(dc, x1, 4);
  gdi::SelectObject(dc, old);
  std::vector<int> dark;
  for (int x = 0; x < 24; ++x)
    if (bmp.GetScanLine(4)[x * 4] < 128) dark.push_back(x);
  return dark;
}

TEST(PlotSetPlotPen, SmallDotsEveryOtherOrEveryThirdPixel) {
  TPlotPen p;
  p.SetSmallDots(true);
  EXPECT_EQ(DarkColumns(p, 0, 10), (std::vector<int>{0, 2, 4, 6, 8}));
  p.SetSmallSpace(2);
  std::vector<int> dots = DarkColumns(p, 0, 10);
  ASSERT_GE(dots.size(), 3u);
  for (size_t i = 1; i < dots.size(); ++i) EXPECT_EQ(dots[i] - dots[i - 1], 3) << i;
}

TEST(PlotSetPlotPen, WidePenIsGeometricWithCapsAndJoins) {
  TPlotPen p;
  p.SetWidth(4);
  p.SetEndStyle(esSquare);
  p.SetJoinStyle(jsBevel);
  p.SetStyle(psDash);
  TPen pen;
  PlotSetPlotPen(&pen, &p, clRed);
  EXPECT_EQ(pen.GetColor(), clRed);
  EXPECT_EQ(pen.GetWidth(), 4);
  gdi::LOGPEN info;
  ASSERT_GT(gdi::GetObjectW(pen.GetHandle(), sizeof(info), &info), 0);
  EXPECT_EQ(info.lopnStyle, unsigned(gdi::PS_GEOMETRIC | gdi::PS_ENDCAP_SQUARE |
                                     gdi::PS_JOIN_BEVEL | gdi::PS_DASH));
  EXPECT_EQ(info.lopnWidth.x, 4);
  EXPECT_EQ(info.lopnColor, gdi::COLORREF(0x0000FF));

  TPlotPen thin;
  thin.SetColor(clBlue);
  PlotSetPlotPen(&pen, &thin, clLime);
  EXPECT_EQ(pen.GetColor(), clLime);
  EXPECT_EQ(pen.GetWidth(), 1);
  // Flat ends stop at the line's end; square ones reach past it.
  TPlotPen flat;
  flat.SetWidth(4);
  flat.SetEndStyle(esFlat);
  EXPECT_EQ(DarkColumns(flat, 5, 15).front(), 5);
  flat.SetEndStyle(esSquare);
  EXPECT_EQ(DarkColumns(flat, 5, 15).front(), 3);
}

}  // namespace
