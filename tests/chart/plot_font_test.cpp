// The chart font: default font, fractional size, sub-objects, copying and
// what streams.

#include <gtest/gtest.h>

#include "chart/PlotFont.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"

namespace {

class TFontHolder : public TComponent {
 public:
  explicit TFontHolder(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  static const TClassInfo* Class() {
    static const TClassInfo* info = TClassDecl<TFontHolder>("TFontHolder", TComponent::Class())
                                        .Prop("Font", &TFontHolder::GetFont, &TFontHolder::SetFont);
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
  TPlotFont* GetFont() const { return const_cast<TPlotFont*>(&Font); }
  void SetFont(TPlotFont* V) { Font.Assign(V); }
  TPlotFont Font;
};

std::string AsText(TFontHolder& h, TMemoryStream& binary) {
  TMemoryStream text;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&h);
  }
  binary.SetPosition(0);
  ObjectBinaryToText(&binary, &text);
  binary.SetPosition(0);
  return std::string(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
}

TEST(PlotFont, DefaultsAndNothingStreamed) {
  TFontHolder h;
  EXPECT_EQ(h.Font.GetName(), "Arial");
  EXPECT_EQ(h.Font.GetSize(), 8);
  EXPECT_EQ(h.Font.GetColor(), clBlack);
  EXPECT_EQ(h.Font.GetPlotQuality(), TPlotFontQuality::fqDefault);
  TMemoryStream binary;
  std::string s = AsText(h, binary);
  for (const char* name : {"Font.Height", "Font.Name", "Font.Color", "Font.SizeFloat",
                           "Font.Shadow", "Font.Emboss", "Font.OutLine", "Font.Style"})
    EXPECT_EQ(s.find(name), std::string::npos) << name << "\n" << s;
}

TEST(PlotFont, FractionalSizeStreamsAndReadsBack) {
  TFontHolder h;
  h.Font.SetSizeFloat(8.5f);
  EXPECT_EQ(h.Font.GetSize(), 8);
  EXPECT_FLOAT_EQ(h.Font.GetSizeFloat(), 8.5f);
  h.Font.SetInterCharSize(2);
  h.Font.GetShadow()->SetSize(3);
  h.Font.InitStyle(FontStyleBit(fsBold));
  TMemoryStream binary;
  std::string s = AsText(h, binary);
  EXPECT_NE(s.find("Font.SizeFloat = 8.5"), std::string::npos) << s;
  EXPECT_NE(s.find("Font.Shadow.HorizSize = 3"), std::string::npos) << s;
  EXPECT_EQ(s.find("Font.Style"), std::string::npos) << s;  // the owner's default style
  TFontHolder back;
  {
    TReader r(&binary);
    r.ReadRootComponent(&back);
  }
  EXPECT_FLOAT_EQ(back.Font.GetSizeFloat(), 8.5f);
  EXPECT_EQ(back.Font.GetInterCharSize(), 2);
  EXPECT_EQ(back.Font.GetShadow()->GetVertSize(), 3);
}

TEST(PlotFont, AssignFollowsTheSourcesSubObjects) {
  TPlotFont a, b;
  b.GetShadow()->SetSize(4);
  b.GetOutLine()->Show();
  b.SetDepth(2);
  a.Assign(&b);
  ASSERT_TRUE(a.HasShadow());
  EXPECT_EQ(a.GetShadow()->GetHorizSize(), 4);
  EXPECT_TRUE(a.GetOutLine()->GetVisible());
  EXPECT_EQ(a.GetDepth(), 2);
  TPlotFont plain;
  a.Assign(&plain);
  EXPECT_FALSE(a.HasShadow());
  EXPECT_FALSE(a.HasOutLine());
}

TEST(PlotFont, ChangesReachTheOwnerThroughBrushAndShadow) {
  int calls = 0;
  TPlotFont f([&](TObject*) { ++calls; });
  EXPECT_EQ(calls, 0);
  f.GetBrush()->SetBackColor(clRed);
  f.GetShadow()->SetColor(clBlue);
  f.SetDepth(1);
  EXPECT_EQ(calls, 3);
  f.InitColor(clGreen);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(f.GetColor(), clGreen);
  EXPECT_EQ(f.GetBrush()->GetColor(), clGreen);
}

}  // namespace
