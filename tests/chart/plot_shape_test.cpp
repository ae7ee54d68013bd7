// Shapes: turned corners, hit testing, the callout outline, child layout,
// what a transparent or turned shape draws, the clip left after a picture
// fill, and the shape's stream entries.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "../support/RecordingCanvas.h"
#include "chart/PlotClip.h"
#include "chart/PlotPanelExtended.h"
#include "chart/PlotShape.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"
#include "shape_fixture.h"

namespace {

std::string Text(const TPoint& P) {
  return "(" + std::to_string(P.X) + "," + std::to_string(P.Y) + ")";
}

TEST(PlotShape, RectToFourPointsTurnsAboutTheCentre) {
  struct TCase {
    double Angle;
    const char* Expected;
  };
  const TCase cases[] = {{90, "(25,75)(25,-25)(75,-25)(75,75)"},
                         {0, "(0,0)(100,0)(100,50)(0,50)"}};
  for (const TCase& k : cases) {
    TFourPoints p;
    RectToFourPoints(TRect{0, 0, 100, 50}, k.Angle, p);
    std::string got;
    for (const TPoint& q : p) got += Text(q);
    EXPECT_EQ(got, k.Expected) << k.Angle;
  }
}

TEST(PlotShape, ClickedShapeIncludesTheEdgesAndFollowsTheTurn) {
  TPlotShape s;
  const TRect r{10, 10, 110, 60};
  EXPECT_TRUE(s.ClickedShape(TPoint{110, 30}, r));
  EXPECT_FALSE(s.ClickedShape(TPoint{111, 30}, r));
  EXPECT_TRUE(s.ClickedShape(TPoint{10, 10}, r));
  // Turned by 90 degrees the box stands upright about (60, 35).
  s.SetAngle(90);
  EXPECT_FALSE(s.ClickedShape(TPoint{100, 35}, r));
  EXPECT_TRUE(s.ClickedShape(TPoint{60, 0}, r));
  s.SetAngle(450);
  EXPECT_TRUE(s.ClickedShape(TPoint{60, 0}, r));
}

TEST(PlotShape, RoundSizeMakesARoundedRectangleOnlyAboveZero) {
  TPlotShape s;
  s.SetRoundSize(0);
  EXPECT_EQ(s.GetShapeStyle(), fosRectangle);
  s.SetRoundSize(10);
  EXPECT_EQ(s.GetShapeStyle(), fosRoundRectangle);
  EXPECT_EQ(s.GetRoundSize(), 10);
  s.SetShapeStyle(fosEllipse);
  s.SetRoundSize(0);
  EXPECT_EQ(s.GetShapeStyle(), fosEllipse);
}

TEST(PlotShape, OptionalPartsAreMadeOnFirstUseAndFreedByNil) {
  TPlotShape s;
  EXPECT_FALSE(s.HasCorners());
  EXPECT_FALSE(s.HasPicture());
  EXPECT_FALSE(s.HasEmboss());
  EXPECT_EQ(s.GetEmboss()->GetColor(), clBlack);
  EXPECT_EQ(s.GetEmboss()->GetSize(), 3);
  EXPECT_FALSE(s.GetEmboss()->GetVisible());
  EXPECT_EQ(s.GetShadow()->GetSize(), 3);
  EXPECT_EQ(s.GetShadow()->GetColor(), clBlack);
  s.GetCorners();
  EXPECT_TRUE(s.HasCorners());
  s.SetCorners(nullptr);
  EXPECT_FALSE(s.HasCorners());
}

TEST(PlotShape, AssignCopiesTheShapeAndRefusesForeignObjects) {
  TPlotShape a;
  a.SetAngle(30);
  a.SetColor(clRed);
  a.SetRoundSize(7);
  a.GetCallout()->SetSide(csLeft);
  a.GetChildren()->Add()->GetShape()->SetColor(clBlue);
  a.GetPen()->SetColor(clGreen);
  a.SetVisible(false);
  TPlotShape b;
  b.Assign(&a);
  EXPECT_EQ(b.GetAngle(), 30);
  EXPECT_EQ(b.GetColor(), clRed);
  EXPECT_EQ(b.GetShapeStyle(), fosRoundRectangle);
  EXPECT_EQ(b.GetCallout()->GetSide(), csLeft);
  ASSERT_EQ(b.GetChildren()->Count(), 1);
  EXPECT_EQ(b.GetChildren()->Get(0)->GetShape()->GetColor(), clBlue);
  EXPECT_EQ(b.GetPen()->GetColor(), clGreen);
  EXPECT_FALSE(b.GetVisible());
  EXPECT_FALSE(a.HasCorners());
  EXPECT_FALSE(b.HasCorners());

  TPlotPen pen;
  EXPECT_THROW(b.Assign(&pen), EConvertError);
  TShapeCallout callout;
  EXPECT_THROW(callout.Assign(&pen), EConvertError);
}

// ---------------- callout outlines ----------------

struct TCalloutCase {
  const char* Name;
  TShapeCalloutSide Side;
  int Position;
  int Corner;
  const char* Expected;
};

TEST(ShapeCallout, OutlinesAsPathOperations) {
  // A 200 x 100 box at L = 10, T = 20.
  const TCalloutCase cases[] = {
      {"top", csTop, 50, 0,
       "MoveTo(10,20) LineTo(90,20) LineTo(110,-5) LineTo(130,20) LineTo(210,20) "
       "LineTo(210,120) LineTo(10,120) Close"},
      {"bottom at 0 pushed in", csBottom, 0, 0,
       "MoveTo(10,20) LineTo(210,20) LineTo(210,120) LineTo(50,120) LineTo(30,145) "
       "LineTo(10,120) LineTo(10,120) Close"},
      {"bottom at 0 with corners", csBottom, 0, 10,
       "ArcTo(10,20,10,10,180,90) ArcTo(200,20,10,10,270,90) ArcTo(200,110,10,10,0,90) "
       "MoveTo(200,120) LineTo(60,120) LineTo(40,145) LineTo(20,120) LineTo(20,120) "
       "ArcTo(10,110,10,10,90,90) Close"},
      {"right", csRight, 50, 0,
       "MoveTo(10,20) LineTo(210,20) LineTo(210,60) LineTo(260,70) LineTo(210,80) "
       "LineTo(210,120) LineTo(10,120) Close"},
      {"left at 100 pushed in", csLeft, 100, 0,
       "MoveTo(10,20) LineTo(210,20) LineTo(210,120) LineTo(10,120) LineTo(10,120) "
       "LineTo(-40,110) LineTo(10,100) LineTo(10,20)"},
      {"none", csNone, 50, 0, "MoveTo(10,20) LineTo(210,20) LineTo(210,120) LineTo(10,120) Close"},
  };
  for (const TCalloutCase& k : cases) {
    TPathCanvas c;
    TShapeCallout callout;
    callout.SetSide(k.Side);
    callout.SetPosition(k.Position);
    std::unique_ptr<TPlotBasePath> path(callout.GetPath(&c, TRect{10, 20, 210, 120}, k.Corner));
    EXPECT_EQ(c.PathText(), k.Expected) << k.Name;
  }
}

// ---------------- drawing ----------------

// A rounded outline (callout path, corners path) is one figure: it fills
// inside, its straight sides are stroked, and no line runs in from where
// the canvas drew before.
TEST(PlotShape, RoundedOutlinesFillAsOneFigure) {
  for (bool callout : {true, false}) {
    TShapeFixture f;
    f.Canvas->MoveTo(0, 149);
    TPlotShape s(&f.Panel);
    s.GetShadow()->SetVisible(false);
    s.SetColor(clYellow);
    s.SetRoundSize(20);
    if (callout)
      s.GetCallout()->SetSide(csRight);
    else
      s.GetCorners()->GetLeftBottom()->SetStyle(cosBevel);
    s.ShapeBounds = TRect{60, 40, 160, 100};
    s.Draw();
    for (TPoint p : {TPoint{110, 70}, TPoint{64, 70}, TPoint{110, 44}, TPoint{155, 96}})
      EXPECT_EQ(f.Canvas->Pixel(p.X, p.Y), clYellow) << callout << Text(p);
    EXPECT_EQ(f.Canvas->Pixel(110, 40), clBlack) << callout;
    EXPECT_EQ(f.Canvas->Pixel(30, 97), clWhite) << callout;  // towards (0, 149)
    EXPECT_EQ(f.Canvas->Pixel(60, 40), clWhite) << callout;  // outside the round corner
  }
}

TEST(PlotShape, ChildrenStackFromTheFirstChildPosition) {
  TShapeFixture f;
  TPlotShape s(&f.Panel);
  s.ShapeBounds = TRect{10, 100, 110, 160};
  s.SetTransparent(true);
  const int heights[] = {20, 30, 25};
  const TAlignment aligns[] = {taLeftJustify, taCenter, taRightJustify};
  for (int i = 0; i < 3; ++i) {
    TPlotCustomShape* k = s.GetChildren()->Add()->GetShape();
    EXPECT_TRUE(k->GetTransparent());
    EXPECT_EQ(k->GetParentChart(), &f.Panel);
    k->ShapeBounds = TRect{0, 0, 40, heights[i]};
    k->SetAlignment(aligns[i]);
  }
  s.Draw();
  auto bounds = [&](int i) { return s.GetChildren()->Get(i)->GetShape()->ShapeBounds; };
  EXPECT_EQ(bounds(0), (TRect{10, 100, 50, 120}));
  EXPECT_EQ(bounds(1), (TRect{40, 120, 80, 150}));
  EXPECT_EQ(bounds(2), (TRect{70, 150, 110, 175}));

  s.SetLayout(slLeftRight);
  s.GetChildren()->Get(1)->GetShape()->SetVisible(false);
  s.Draw();
  EXPECT_EQ(bounds(0), (TRect{10, 100, 50, 120}));
  EXPECT_EQ(bounds(2), (TRect{50, 100, 90, 125}));
}

TEST(PlotShape, CalcBoundsGrowsByTheVisibleChildren) {
  struct TCase {
    TPlotShapeLayout Layout;
    bool AutoSize;
    TRect Expected;
  };
  const TCase cases[] = {{slTopBottom, true, {5, 5, 45, 55}},
                         {slLeftRight, true, {5, 5, 75, 35}},
                         {slTopBottom, false, {5, 5, 105, 105}}};
  for (const TCase& k : cases) {
    TPlotShape s;
    s.ShapeBounds = TRect{5, 5, 105, 55};
    s.SetLayout(k.Layout);
    s.SetAutoSize(k.AutoSize);
    const TSize sizes[] = {{30, 20}, {40, 30}, {99, 99}};
    for (const TSize& z : sizes) {
      TPlotCustomShape* c = s.GetChildren()->Add()->GetShape();
      c->SetAutoSize(false);
      c->ShapeBounds = TRect{0, 0, z.cx, z.cy};
    }
    s.GetChildren()->Get(2)->GetShape()->SetVisible(false);
    s.CalcBounds(nullptr);
    EXPECT_EQ(s.ShapeBounds, k.Expected) << int(k.Layout) << k.AutoSize;
  }
}

TEST(PlotShape, TransparentShapeDrawsOnlyItsChildrenAndStillBlends) {
  TShapeFixture f;
  TPlotShape s(&f.Panel);
  s.ShapeBounds = TRect{20, 20, 120, 100};
  s.SetTransparent(true);
  s.SetColor(clBlue);
  s.SetBevel(bvRaised);
  TPlotCustomShape* k = s.GetChildren()->Add()->GetShape();
  k->SetTransparent(false);
  k->GetShadow()->SetVisible(false);
  k->SetColor(clRed);
  k->GetPen()->SetVisible(false);
  k->ShapeBounds = TRect{0, 0, 40, 30};
  s.Draw();
  EXPECT_EQ(f.Canvas->Pixel(100, 90), clWhite);  // no fill, outline or shadow
  EXPECT_EQ(f.Canvas->Pixel(121, 101), clWhite);
  EXPECT_EQ(f.Canvas->Pixel(30, 30), clRed);  // the child
  EXPECT_EQ(f.Canvas->Count("Rectangle"), 1u);

  TShapeFixture g;
  TPlotShape t(&g.Panel);
  t.Assign(&s);
  t.ShapeBounds = s.ShapeBounds;
  t.SetTransparency(50);
  t.GetChildren()->Get(0)->GetShape()->ShapeBounds = TRect{0, 0, 40, 30};
  t.Draw();
  TColor mixed = g.Canvas->Pixel(30, 30);
  EXPECT_NE(mixed, clRed);
  EXPECT_NEAR(gdi::GetBValue(mixed), 128, 3);
  EXPECT_EQ(gdi::GetRValue(mixed), 255);
}

TEST(PlotShape, ShadowFallsOnlyUnderAFilledBrush) {
  for (TBrushStyle style : {bsSolid, bsClear}) {
    TShapeFixture f;
    TPlotShape s(&f.Panel);
    s.GetShadow()->SetSmooth(false);
    s.GetShadow()->SetTransparency(0);
    s.GetShadow()->SetSize(6);
    s.GetBrush()->SetStyle(style);
    s.ShapeBounds = TRect{20, 20, 80, 60};
    s.Draw();
    EXPECT_EQ(f.Canvas->Pixel(83, 63), style == bsSolid ? clBlack : clWhite) << int(style);
  }
}

TEST(PlotShape, TurnedShapeIgnoresStyleAndBevel) {
  auto drawLog = [](int Angle, TBevelCut Bevel) {
    TShapeFixture f;
    TPlotShape s(&f.Panel);
    s.GetShadow()->SetVisible(false);
    s.SetShapeStyle(fosEllipse);
    s.SetBevel(Bevel);
    s.SetBevelWidth(3);
    s.ShapeBounds = TRect{40, 40, 140, 100};
    s.SetAngle(Angle);
    s.Draw();
    return f.Canvas->Log;
  };
  std::vector<std::string> turned = drawLog(30, bvRaised);
  EXPECT_EQ(turned, drawLog(30, bvNone));
  ASSERT_FALSE(turned.empty());
  EXPECT_EQ(turned.back().rfind("Polygon(", 0), 0u) << turned.back();
  for (const std::string& call : turned) EXPECT_EQ(call.find("Ellipse"), std::string::npos);

  std::vector<std::string> flat = drawLog(0, bvRaised);
  EXPECT_NE(flat, drawLog(0, bvNone));
  EXPECT_NE(std::find(flat.begin(), flat.end(), "Ellipse(40,40,140,100)"), flat.end());
}

TEST(PlotShape, PictureFillFromPointsLeavesTheClipAsItWas) {
  for (TChartObjectShapeStyle style : {fosRectangle, fosRoundRectangle, fosEllipse}) {
    TShapeFixture f;
    TPlotShape s(&f.Panel);
    s.SetShapeStyle(style);
    s.GetShadow()->SetVisible(false);
    TBitmap picture;
    picture.SetPixelFormat(pf24bit);
    picture.SetSize(8, 8);
    picture.GetCanvas()->GetBrush()->SetColor(clLime);
    picture.GetCanvas()->FillRect(TRect{0, 0, 8, 8});
    s.GetPicture()->SetGraphic(&picture);
    const TPoint triangle[] = {{10, 10}, {60, 10}, {10, 60}};
    size_t saved = ClipRegionHistory.size();
    s.Draw(TRect{10, 10, 60, 60}, triangle, 0, 0);
    EXPECT_EQ(ClipRegionHistory.size(), saved) << int(style);
    EXPECT_EQ(f.Canvas->Pixel(20, 20), clLime) << int(style);
    EXPECT_EQ(f.Canvas->Pixel(55, 55), clWhite) << int(style);  // outside the triangle

    TPlotShape next(&f.Panel);
    next.GetShadow()->SetVisible(false);
    next.SetColor(clRed);
    next.ShapeBounds = TRect{100, 80, 150, 120};
    next.Draw();
    EXPECT_EQ(f.Canvas->Pixel(125, 100), clRed) << int(style);
  }
}

// ---------------- streams ----------------

class TShapeHolder : public TComponent {
 public:
  explicit TShapeHolder(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  static const TClassInfo* Class() {
    static const TClassInfo* info = TClassDecl<TShapeHolder>("TShapeHolder", TComponent::Class())
                                        .Prop("Shape", &TShapeHolder::GetShape,
                                              &TShapeHolder::SetShape);
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
  TPlotShape* GetShape() const { return FShape.get(); }
  void SetShape(TPlotShape* Value) { FShape->Assign(Value); }

 private:
  std::unique_ptr<TPlotShape> FShape = std::make_unique<TPlotShape>();
};

std::string WriteText(TComponent* Root) {
  TMemoryStream binary, text;
  {
    TWriter w(&binary);
    w.WriteRootComponent(Root);
  }
  binary.SetPosition(0);
  ObjectBinaryToText(&binary, &text);
  return std::string(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
}

void ReadText(TComponent* Root, const std::string& Form) {
  TMemoryStream text, binary;
  text.WriteBuffer(Form.data(), int32_t(Form.size()));
  text.SetPosition(0);
  ObjectTextToBinary(&text, &binary);
  binary.SetPosition(0);
  TReader r(&binary);
  r.ReadRootComponent(Root);
}

TEST(PlotShapeStream, StoredRulesAndReadOnlyShadowEntries) {
  RegisterClass(TShapeHolder::Class());
  TShapeHolder fresh;
  std::string out = WriteText(&fresh);
  for (const char* name : {"Color", "RoundSize", "BevelWidth", "Angle", "Children", "Corners",
                           "Picture", "Transparent", "Visible", "Gradient", "ShadowColor"})
    EXPECT_EQ(out.find(std::string("Shape.") + name + " "), std::string::npos) << name << out;

  TShapeHolder changed;
  changed.GetShape()->SetColor(clRed);
  changed.GetShape()->SetRoundSize(4);
  changed.GetShape()->GetChildren()->Add();
  changed.GetShape()->GetCorners()->GetLeftTop()->SetStyle(cosBevel);
  changed.GetShape()->SetVisible(false);
  changed.GetShape()->GetGradient()->SetVisible(true);
  out = WriteText(&changed);
  for (const char* name : {"Color", "RoundSize", "Children", "Corners", "Visible", "ShapeStyle"})
    EXPECT_NE(out.find(std::string("Shape.") + name), std::string::npos) << name << out;
  EXPECT_EQ(out.find("Shape.Gradient"), std::string::npos) << out;

  TShapeHolder read;
  ReadText(&read,
           "object H: TShapeHolder\n"
           "  Shape.ShadowColor = clRed\n"
           "  Shape.ShadowSize = 6\n"
           "  Shape.Children = <\n"
           "    item\n"
           "      Shape.Color = 16711680\n"
           "    end>\n"
           "end\n");
  EXPECT_EQ(read.GetShape()->GetShadow()->GetColor(), clRed);
  EXPECT_EQ(read.GetShape()->GetShadow()->GetSize(), 6);
  ASSERT_EQ(read.GetShape()->GetChildren()->Count(), 1);
  EXPECT_EQ(read.GetShape()->GetChildren()->Get(0)->GetShape()->GetColor(), clBlue);
  EXPECT_EQ(WriteText(&read).find("ShadowSize"), std::string::npos);

  TShapeHolder numeric;
  ReadText(&numeric, "object H: TShapeHolder\n  Shape.ShadowColor = 255\nend\n");
  EXPECT_EQ(numeric.GetShape()->GetShadow()->GetColor(), TColor(255));
}

}  // namespace
