#include <functional>
#include <memory>

#include "platform/rtl/Classes.h"
#include "scene/zr_classes.h"
#include "controls/zr_objects_blur.h"
#include "shapes_fixture.h"

namespace {

std::string Bytes(TStream& S) {
  std::string bytes(size_t(S.GetSize()), '\0');
  S.SetPosition(0);
  if (!bytes.empty()) S.ReadBuffer(bytes.data(), int32_t(bytes.size()));
  return bytes;
}

std::string TextOf(TzrObject* Node) {
  TMemoryStream text;
  Node->SaveToStream(&text);
  return Bytes(text);
}

std::string BinaryOf(TzrObject* Node) {
  TMemoryStream bin;
  Node->SaveToBinStream(&bin);
  return Bytes(bin);
}

void LoadText(TzrObject* Node, const std::string& Text) {
  TMemoryStream in;
  in.WriteBuffer(Text.data(), int32_t(Text.size()));
  in.SetPosition(0);
  Node->LoadFromStream(&in);
}

void LoadBinary(TzrObject* Node, const std::string& Bytes) {
  TMemoryStream in;
  in.WriteBuffer(Bytes.data(), int32_t(Bytes.size()));
  in.SetPosition(0);
  Node->LoadFromBinStream(&in);
}

bool Contains(const std::string& Text, const std::string& Part) {
  return Text.find(Part) != std::string::npos;
}

std::unique_ptr<TzrObject> Fresh(const char* ClassName) {
  const TClassInfo* info = GetClass(ClassName);
  return std::unique_ptr<TzrObject>(info ? dynamic_cast<TzrObject*>(info->Create(nullptr))
                                         : nullptr);
}

// Every class, with values other than its defaults, reads back what it wrote
// in both stream forms.
TEST_F(ShapesTest, EveryShapeClassRoundTripsThroughBothStreamForms) {
  struct Case {
    const char* Class;
    std::function<void(TzrObject*)> Set;
    std::vector<std::string> Written;
  };
  const std::vector<Case> cases = {
      {"TzrLine",
       [](TzrObject* o) { static_cast<TzrLine*>(o)->SetLineType(zrLineVertical); },
       {"LineType = zrLineVertical"}},
      {"TzrRectangle",
       [](TzrObject* o) {
         auto* r = static_cast<TzrRectangle*>(o);
         r->SetxRadius(3.5f);
         r->SetCorners(1 << zrCornerTopLeft | 1 << zrCornerBottomRight);
         r->SetCornerType(zrCornerInnerLine);
         r->SetStrokeThickness(2);
         r->GetFill()->SetColor("#FF102030");
       },
       {"xRadius = 3.5", "Corners = [zrCornerTopLeft, zrCornerBottomRight]",
        "CornerType = zrCornerInnerLine", "StrokeThickness = 2", "#FF102030"}},
      {"TzrSidesRectangle",
       [](TzrObject* o) { static_cast<TzrRectangle*>(o)->SetSides(0); },
       {"Sides = []"}},
      {"TzrRoundRect",
       [](TzrObject* o) { static_cast<TzrRoundRect*>(o)->SetCorners(0); },
       {"Corners = []"}},
      {"TzrBlurRectangle",
       [](TzrObject* o) {
         auto* r = static_cast<TzrBlurRectangle*>(o);
         r->SetSoftness(0.75f);
         r->SetxRadius(6);
         r->SetCorners(1 << zrCornerTopRight);
       },
       {"Softness = 0.75", "xRadius = 6", "Corners = [zrCornerTopRight]"}},
      {"TzrBlurRoundRect",
       [](TzrObject* o) {
         auto* r = static_cast<TzrBlurRoundRect*>(o);
         r->SetSoftness(1.5f);
         r->SetCorners(1 << zrCornerBottomLeft);
         r->GetStroke()->SetStyle(zrBrushSolid);
       },
       {"Softness = 1.5", "Corners = [zrCornerBottomLeft]", "Stroke.Style = zrBrushSolid"}},
      {"TzrEllipse",
       [](TzrObject* o) { static_cast<TzrShape*>(o)->SetStrokeDash(zrDashDot); },
       {"StrokeDash = zrDashDot"}},
      {"TzrCircle",
       [](TzrObject* o) { static_cast<TzrShape*>(o)->SetStrokeCap(zrCapRound); },
       {"StrokeCap = zrCapRound"}},
      {"TzrArc",
       [](TzrObject* o) { static_cast<TzrArc*>(o)->SetStartAngle(30); },
       {"StartAngle = 30", "EndAngle = -90"}},
      {"TzrPie", [](TzrObject* o) { static_cast<TzrPie*>(o)->SetEndAngle(45); }, {"EndAngle = 45"}},
      {"TzrText",
       [](TzrObject* o) {
         auto* t = static_cast<TzrText*>(o);
         t->SetText(u"电调 ESC");
         t->SetWordWrap(false);
         t->SetHorzTextAlign(zrTextAlignFar);
         t->GetFont()->SetSize(14);
       },
       {"WordWrap = False", "HorzTextAlign = zrTextAlignFar", "Font.Size = 14"}},
      {"TzrPath",
       [](TzrObject* o) {
         auto* p = static_cast<TzrPath*>(o);
         p->GetPathData()->SetPathString("M 0,0 L 10,0 L 5,8 Z");
         p->SetWrapMode(zrPathTile);
       },
       {"WrapMode = zrPathTile", "Path"}},
      {"TzrImage",
       [](TzrObject* o) {
         auto* i = static_cast<TzrImage*>(o);
         i->SetWrapMode(zrImageTile);
         i->GetBitmapMargins()->SetRect(zrRect(1, 2, 3, 4));
         i->SetDisableInterpolation(true);
       },
       {"WrapMode = zrImageTile", "DisableInterpolation = True", "BitmapMargins"}},
      {"TzrPaintBox",
       [](TzrObject* o) { static_cast<TzrVisualObject*>(o)->SetWidth(12); },
       {"Width = 12"}},
      {"TzrScrollArrowLeft",
       [](TzrObject* o) { static_cast<TzrVisualObject*>(o)->SetWidth(12); },
       {"Width = 12"}},
      {"TzrScrollArrowRight",
       [](TzrObject* o) { static_cast<TzrVisualObject*>(o)->SetWidth(12); },
       {"Width = 12"}},
      {"TzrCalloutRectangle",
       [](TzrObject* o) {
         auto* c = static_cast<TzrCalloutRectangle*>(o);
         c->SetCalloutPosition(zrCalloutRight);
         c->SetCalloutOffset(-5);
         c->SetSides(AllSides & ~(1 << zrSideBottom));
       },
       {"CalloutPosition = zrCalloutRight", "CalloutOffset = -5", "CalloutWidth = 23",
        "Sides = [zrSideTop, zrSideLeft, zrSideRight]"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Class);
    std::unique_ptr<TzrObject> original = Fresh(c.Class);
    ASSERT_NE(original, nullptr);
    c.Set(original.get());
    const std::string text = TextOf(original.get());
    for (const std::string& part : c.Written) EXPECT_TRUE(Contains(text, part)) << text;
    EXPECT_FALSE(Contains(text, "StrokeThickness = 1\r")) << "1 is not written";

    std::unique_ptr<TzrObject> fromText = Fresh(c.Class);
    LoadText(fromText.get(), text);
    EXPECT_EQ(TextOf(fromText.get()), text);
    std::unique_ptr<TzrObject> fromBinary = Fresh(c.Class);
    LoadBinary(fromBinary.get(), BinaryOf(original.get()));
    EXPECT_EQ(TextOf(fromBinary.get()), text);
  }
}

TEST_F(ShapesTest, FullSetsAndDefaultThicknessAreNotWritten) {
  TzrSidesRectangle r(nullptr);
  const std::string text = TextOf(&r);
  EXPECT_FALSE(Contains(text, "Sides =")) << text;
  EXPECT_FALSE(Contains(text, "Corners =")) << text;
  EXPECT_FALSE(Contains(text, "StrokeThickness")) << text;
  TzrSidesRectangle back(nullptr);
  back.SetSides(0);
  LoadText(&back, text);
  EXPECT_EQ(back.GetSides(), 0) << "absent means unchanged";
  LoadText(&back, "object TzrSidesRectangle\r\n  Sides = []\r\nend");
  EXPECT_EQ(back.GetSides(), 0);
}

TEST_F(ShapesTest, AStyleFragmentWithABadValueLosesOnlyThatValue) {
  TzrRectangle r(nullptr);
  LoadText(&r,
           "object TzrRectangle\r\n"
           "  xRadius = 4\r\n"
           "  CornerType = zrCornerNowhere\r\n"
           "  yRadius = 'wide'\r\n"
           "  Sides = [zrSideTop, zrSideMiddle]\r\n"
           "  Fill.Color = '#FF00AA00'\r\n"
           "  StrokeThickness = 3\r\n"
           "end");
  EXPECT_EQ(r.GetxRadius(), 4);
  EXPECT_EQ(r.GetCornerType(), zrCornerRound);
  EXPECT_EQ(r.GetyRadius(), 0);
  EXPECT_EQ(r.GetFill()->GetColor(), "#FF00AA00");
  EXPECT_EQ(r.GetStrokeThickness(), 3);
}

TEST_F(ShapesTest, ShapesAreRegisteredUnderShapes) {
  for (const char* name :
       {"TzrLine", "TzrRectangle", "TzrSidesRectangle", "TzrBlurRectangle", "TzrRoundRect",
        "TzrBlurRoundRect", "TzrEllipse", "TzrCircle",
        "TzrArc", "TzrPie", "TzrText", "TzrPath", "TzrImage", "TzrPaintBox", "TzrScrollArrowLeft",
        "TzrScrollArrowRight", "TzrCalloutRectangle"}) {
    std::unique_ptr<TzrObject> made = Fresh(name);
    ASSERT_NE(made, nullptr) << name;
    EXPECT_EQ(made->ClassName(), name);
  }
}

}  // namespace
