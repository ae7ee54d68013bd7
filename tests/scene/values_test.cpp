// Owned value objects: points, edges, transforms and fonts. Their change
// events fire only on a real change, Assign copies, and their stream entries
// ("Point", "Rect", the font's defaults) are written only when needed.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "checks.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_font.h"
#include "scene/zr_position.h"
#include "scene/zr_transform.h"
#include "value_holder.h"

namespace {

TzrPoint Apply(const TzrMatrix& M, TzrPoint P) {
  return zrPointFromVector(zrVectorTransform(zrVector(P), M));
}

TEST(ZrPosition, FiresOnlyOnRealChangeButSetPointAlways) {
  TzrPosition position({0, 0});
  TEventCount events;
  position.OnChange = events.Handler();
  position.SetX(0);
  position.SetY(0);
  EXPECT_EQ(events.Count, 0);
  position.SetX(2);
  position.SetX(2);
  position.SetY(-1);
  EXPECT_EQ(events.Count, 2);
  position.SetPoint({2, -1});
  EXPECT_EQ(events.Count, 3) << "SetPoint fires even without a change";
  position.SetVector(zrVector(4, 5, 7));
  EXPECT_EQ(position.GetPoint(), (TzrPoint{4, 5}));
  EXPECT_EQ(events.Count, 4);
  EXPECT_FALSE(position.Empty());
}

TEST(ZrPosition, CreateTakesTheDefaultWithoutEvent) {
  TzrPosition position({0.5f, 0.25f});
  EXPECT_EQ(position.GetPoint(), (TzrPoint{0.5f, 0.25f}));
  EXPECT_EQ(position.GetDefaultValue(), (TzrPoint{0.5f, 0.25f}));
}

TEST(ZrBounds, SetRectFiresOnceAndOnlyOnChange) {
  TzrBounds bounds({1, 2, 3, 4});
  TEventCount events;
  bounds.OnChange = events.Handler();
  bounds.SetRect({1, 2, 3, 4});
  bounds.SetLeft(1);
  EXPECT_EQ(events.Count, 0);
  bounds.SetBottom(10);
  EXPECT_EQ(events.Count, 1);
  bounds.SetRect({5, 6, 7, 8});
  EXPECT_EQ(events.Count, 2);
  EXPECT_EQ(bounds.GetRect(), (TzrRect{5, 6, 7, 8}));
}

TEST(ZrBounds, MarginAndPaddingRects) {
  TzrBounds bounds({1, 2, 3, 4});
  const TzrRect r{10, 20, 110, 220};
  EXPECT_EQ(bounds.MarginRect(r), (TzrRect{11, 22, 107, 216}));
  EXPECT_EQ(bounds.PaddinRect(r), (TzrRect{9, 18, 113, 224}));
  EXPECT_FLOAT_EQ(bounds.Width(), 2);
  EXPECT_FLOAT_EQ(bounds.Height(), 2);
  EXPECT_FALSE(bounds.MarginEmpty());
  EXPECT_TRUE(TzrBounds().MarginEmpty());
}

TEST(ZrValueAssign, CopiesFromItsOwnClassAndRefusesOthers) {
  TzrPosition a({0, 0}), b({0, 0});
  b.SetPoint({3, 4});
  TEventCount events;
  a.OnChange = events.Handler();
  a.Assign(&b);
  EXPECT_EQ(a.GetPoint(), (TzrPoint{3, 4}));
  EXPECT_EQ(events.Count, 1);

  TzrBounds c, d({1, 2, 3, 4});
  c.Assign(&d);
  EXPECT_EQ(c.GetRect(), (TzrRect{1, 2, 3, 4}));

  TzrFont f, g;
  g.SetFamily("Arial");
  g.SetSize(14);
  g.SetStyle(zrFontBoldItalic);
  g.SetClearType(false);
  TEventCount fontEvents;
  f.OnChanged = fontEvents.Handler();
  f.Assign(&g);
  EXPECT_EQ(f.GetFamily(), "Arial");
  EXPECT_EQ(f.GetSize(), 14);
  EXPECT_EQ(f.GetStyle(), zrFontBoldItalic);
  EXPECT_FALSE(f.GetClearType());
  EXPECT_EQ(fontEvents.Count, 1);

  EXPECT_THROW(a.Assign(&c), EConvertError);
  EXPECT_EQ(a.GetPoint(), (TzrPoint{3, 4}));
  EXPECT_THROW(f.Assign(&a), EConvertError);
  EXPECT_EQ(f.GetFamily(), "Arial");
}

TEST(ZrTransform, RotationFiresOnceAndBuildsTheMatrix) {
  TzrTransform transform;
  EXPECT_EQ(transform.GetMatrix(), IdentityMatrix);
  TEventCount events;
  transform.OnChanged = events.Handler();
  transform.SetRotateAngle(90);
  EXPECT_EQ(events.Count, 1);
  const TzrMatrix& m = transform.GetMatrix();
  EXPECT_NEAR(m.m11, 0, 1e-6);
  EXPECT_FLOAT_EQ(m.m12, 1);
  EXPECT_FLOAT_EQ(m.m21, -1);
  EXPECT_NEAR(m.m22, 0, 1e-6);
  transform.SetRotateAngle(90);
  EXPECT_EQ(events.Count, 1);
}

TEST(ZrTransform, RotatesThenScalesThenMoves) {
  TzrTransform transform;
  TEventCount events;
  transform.OnChanged = events.Handler();
  transform.GetScale()->SetPoint({2, 3});
  transform.GetPosition()->SetPoint({10, 20});
  transform.SetRotateAngle(90);
  EXPECT_EQ(events.Count, 3);
  const TzrPoint p = Apply(transform.GetMatrix(), {1, 0});
  EXPECT_NEAR(p.X, 10, 1e-5);
  EXPECT_NEAR(p.Y, 23, 1e-5);
  transform.GetRotateCenter()->SetPoint({0, 0});
  EXPECT_EQ(events.Count, 4);
  EXPECT_EQ(Apply(transform.GetMatrix(), {1, 0}).Y, p.Y)
      << "the rotation centre is not in the matrix";
}

TEST(ZrTransform, AssignCopiesEverythingAndFiresOnce) {
  TzrTransform source, copy;
  source.GetPosition()->SetPoint({5, 6});
  source.GetScale()->SetPoint({0.5f, 2});
  source.GetRotateCenter()->SetPoint({0.1f, 0.9f});
  source.SetRotateAngle(30);
  TEventCount events;
  copy.OnChanged = events.Handler();
  copy.Assign(&source);
  EXPECT_EQ(events.Count, 1);
  EXPECT_EQ(copy.GetMatrix(), source.GetMatrix());
  EXPECT_EQ(copy.GetRotateAngle(), 30);
  EXPECT_EQ(copy.GetRotateCenter()->GetPoint(), (TzrPoint{0.1f, 0.9f}));
}

TEST(ZrFont, SettersFireOnlyOnRealChange) {
  TzrFont font;
  TEventCount events;
  font.OnChanged = events.Handler();
  font.SetFamily("Tahoma");
  font.SetSize(11);
  font.SetStyle(zrFontRegular);
  font.SetClearType(true);
  EXPECT_EQ(events.Count, 0);
  font.SetFamily("Verdana");
  font.SetSize(12);
  font.SetStyle(zrFontUnderline);
  font.SetClearType(false);
  EXPECT_EQ(events.Count, 4);
}

// ---------------------------------------------------------------- stream entries

TEST(ZrValueStreams, DefaultsAreNotWritten) {
  TTestValueHolder holder;
  const std::string text = HolderText(holder);
  EXPECT_FALSE(Contains(text, "Position")) << text;
  EXPECT_FALSE(Contains(text, "Padding")) << text;
  EXPECT_FALSE(Contains(text, "Font")) << text;
  EXPECT_FALSE(Contains(text, "Fill")) << text;
}

TEST(ZrValueStreams, PointAndRectTextsAreWrittenAndReadBack) {
  TTestValueHolder holder;
  holder.Position->SetPoint({0.5f, 0});
  holder.Padding->SetBottom(20.5f);
  const std::string text = HolderText(holder);
  EXPECT_TRUE(Contains(text, "Position.Point = '(0.500,0)'")) << text;
  EXPECT_TRUE(Contains(text, "Padding.Rect = '(1,2,3,20.500)'")) << text;
  EXPECT_FALSE(Contains(text, "Position.X")) << text;

  TTestValueHolder copy;
  TEventCount events;
  copy.Position->OnChange = events.Handler();
  LoadHolderText(copy, text);
  EXPECT_EQ(copy.Position->GetPoint(), (TzrPoint{0.5f, 0}));
  EXPECT_EQ(copy.Padding->GetRect(), (TzrRect{1, 2, 3, 20.5f}));
  EXPECT_EQ(events.Count, 1);
}

TEST(ZrValueStreams, MalformedPointAndRectTextsLoadAsZero) {
  TTestValueHolder holder;
  LoadHolderText(holder,
                 "object TTestValueHolder\r\n  Position.Point = 'left'\r\n"
                 "  Padding.Rect = '(1,2,x,4)'\r\nend\r\n");
  EXPECT_EQ(holder.Position->GetPoint(), (TzrPoint{0, 0}));
  EXPECT_EQ(holder.Padding->GetRect(), (TzrRect{0, 0, 0, 0}));
}

TEST(ZrValueStreams, FontWritesOnlyWhatDiffersFromItsDefaults) {
  TTestValueHolder holder;
  holder.Font->SetSize(11.000001f);
  std::string text = HolderText(holder);
  EXPECT_TRUE(Contains(text, "Font.Size = ")) << text;
  EXPECT_FALSE(Contains(text, "Font.Family")) << text;
  EXPECT_FALSE(Contains(text, "Font.Style")) << text;
  EXPECT_FALSE(Contains(text, "Font.ClearType")) << text;

  holder.Font->SetFamily("Courier New");
  holder.Font->SetStyle(zrFontBold);
  holder.Font->SetClearType(false);
  text = HolderText(holder);
  TTestValueHolder copy;
  LoadHolderText(copy, text);
  EXPECT_EQ(copy.Font->GetSize(), 11.000001f);
  EXPECT_EQ(copy.Font->GetFamily(), "Courier New");
  EXPECT_EQ(copy.Font->GetStyle(), zrFontBold);
  EXPECT_FALSE(copy.Font->GetClearType());
}

}  // namespace
