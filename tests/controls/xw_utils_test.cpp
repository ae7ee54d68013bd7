// Routines of the add-on widgets: string tables, the number-text clean-up,
// component links, text drawing and the embossed glyphs (also written to
// build/gallery/ for looking at).

#include "controls/XwUtils.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "controls/XwComponentBase.h"
#include "platform/rtl/Rtti.h"
#include "platform/vcl/Cursors.h"
#include "platform/vcl/DrawText.h"
#include "platform/vcl/GraphicsCodec.h"
#include "platform/rtl/Streams.h"

namespace {

TEST(XwStrings, Routines) {
  EXPECT_EQ(RepeatChar('x', 3), "xxx");
  EXPECT_EQ(RepeatChar('x', 0), "");
  EXPECT_EQ(RepeatChar('x', -2), "");
  EXPECT_EQ(StripChar("a,b,,c", ','), "abc");
  EXPECT_EQ(TrimLeadingBlanks("  a b  "), "a b  ");
  EXPECT_EQ(TrimTrailingBlanks("  a b  "), "  a b");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimBlanks("\t a \t "), "\t a \t");  // spaces only: tabs stay
  EXPECT_EQ(ReplaceAllText("1.234.5", ".", ","), "1,234,5");
  EXPECT_EQ(ReplaceAllText("aaa", "a", "aa"), "aaaaaa");  // inserted text not rescanned
  EXPECT_EQ(ReplaceAllText("abab", "ab", ""), "");
  EXPECT_EQ(ReplaceAllText("abc", "", "x"), "abc");
}

TEST(XwStrings, NormalizeNumberText) {
  struct Case {
    const char* In;
    char Decimal;
    char Thousand;
    const char* Out;
  };
  const Case cases[] = {
      {"  1,234.5  ", '.', ',', "1234.5"},
      {"", '.', ',', "0"},
      {"   ", '.', ',', "0"},
      {"-", '.', ',', "-0"},
      {" - ", '.', ',', "-0"},
      {"12 kg", '.', ',', "12"},
      {"+3e5", '.', ',', "+35"},
      {"1.234,5", ',', '.', "1234,5"},
      {"1.5", ',', ' ', "1,5"},   // "." is no separator: becomes the decimal one
      {"1,5", ';', ' ', "1;5"},   // nor is ","
      {"1,5", ',', ',', "1,5"},   // equal separators: nothing dropped
  };
  for (const Case& c : cases)
    EXPECT_EQ(NormalizeNumberText(c.In, c.Decimal, c.Thousand), c.Out) << '"' << c.In << '"';
}

TEST(XwRoutines, RectSizesAndOSResult) {
  EXPECT_EQ(RectWidth(TRect{10, 5, 4, 9}), 6);
  EXPECT_EQ(RectHeight(TRect{10, 9, 4, 5}), 4);
  EXPECT_NO_THROW(CheckOSResult(true));
  errno = ENOENT;
  try {
    CheckOSResult(false);
    FAIL() << "no error";
  } catch (const EOSError& e) {
    EXPECT_EQ(e.ErrorCode, ENOENT);
    EXPECT_NE(std::string(e.what()).find("Code: 2."), std::string::npos) << e.what();
  }
}

TEST(XwRoutines, DragCursorsAreRegisteredAtStart) {
  EXPECT_EQ(Screen().GetCursors(crXwDrag), Screen().GetCursors(crDrag));
  for (int id : {crXwMultiDrag1, crXwMultiDrag2, crXwMultiDrag3})
    EXPECT_EQ(Screen().GetCursors(id), Screen().GetCursors(crMultiDrag)) << id;
  EXPECT_NE(Screen().GetCursors(crDrag), Screen().GetCursors(crMultiDrag));
}

// Clears its reference when the linked component goes, as widgets do.
class TLinkHolder : public TComponent {
 public:
  using TComponent::TComponent;
  TComponent* Link = nullptr;
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Link) Link = nullptr;
  }
};

TEST(XwRoutines, SwapComponentLink) {
  TLinkHolder holder(nullptr);
  auto* first = new TComponent(nullptr);
  auto* second = new TComponent(nullptr);
  EXPECT_TRUE(SwapComponentLink(&holder, first, holder.Link));
  EXPECT_EQ(holder.Link, first);
  EXPECT_FALSE(SwapComponentLink(&holder, first, holder.Link));
  EXPECT_FALSE(SwapComponentLink<TComponent>(nullptr, second, holder.Link));
  EXPECT_EQ(holder.Link, first);

  EXPECT_TRUE(SwapComponentLink(&holder, second, holder.Link));
  delete first;  // no longer linked: the reference stays
  EXPECT_EQ(holder.Link, second);
  delete second;
  EXPECT_EQ(holder.Link, nullptr);
}

TEST(XwRoutines, AboutEntryIsNeverStored) {
  TXwComponent component(nullptr);
  const TPropInfo* about = component.ClassType()->FindProperty("AboutXW");
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(about->IsStored(&component));
}

void SavePng(TBitmap* bitmap, const std::string& name) {
  std::vector<uint8_t> bgra;
  for (int y = 0; y < bitmap->GetHeight(); ++y) {
    const uint8_t* row = bitmap->GetScanLine(y);
    for (int x = 0; x < bitmap->GetWidth(); ++x) {
      bgra.insert(bgra.end(), row + 4 * x, row + 4 * x + 3);
      bgra.push_back(255);
    }
  }
  std::vector<uint8_t> png = EncodeGraphic(bgra, bitmap->GetWidth(), bitmap->GetHeight(), u"image/png");
  auto folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  TFileStream((folder / (name + ".png")).string(), fmCreate).WriteBuffer(png.data(), png.size());
}

// A 16 x 16 glyph on fuchsia: a red bar from (4, 4) to (11, 7) and a blue
// dot at (8, 11).
std::unique_ptr<TBitmap> MakeGlyph() {
  auto glyph = std::make_unique<TBitmap>();
  glyph->SetPixelFormat(pf32bit);
  glyph->SetSize(16, 16);
  TCanvas* c = glyph->GetCanvas();
  c->GetBrush()->SetColor(clFuchsia);
  c->FillRect(TRect{0, 0, 16, 16});
  c->GetBrush()->SetColor(clRed);
  c->FillRect(TRect{4, 4, 12, 8});
  c->SetPixels(8, 11, clBlue);
  return glyph;
}

TEST(XwBitmaps, EmbossedGlyphHasShadowOverHighlight) {
  auto glyph = MakeGlyph();
  std::unique_ptr<TBitmap> emb(
      MakeEmbossedBitmap(glyph.get(), clFuchsia, clSilver, true, clNavy, clYellow));
  ASSERT_EQ(emb->GetWidth(), 16);
  TCanvas* c = emb->GetCanvas();
  EXPECT_EQ(c->GetPixels(0, 0), clSilver);     // face
  EXPECT_EQ(c->GetPixels(4, 4), clNavy);       // shape
  EXPECT_EQ(c->GetPixels(11, 7), clNavy);      // shape covers the highlight
  EXPECT_EQ(c->GetPixels(12, 8), clYellow);    // highlight, one right and down
  EXPECT_EQ(c->GetPixels(12, 5), clYellow);
  EXPECT_EQ(c->GetPixels(4, 8), clSilver);     // left of the shifted bar
  EXPECT_EQ(c->GetPixels(8, 11), clNavy);
  EXPECT_EQ(c->GetPixels(9, 12), clYellow);

  std::unique_ptr<TBitmap> flat(
      MakeEmbossedBitmap(glyph.get(), clFuchsia, clSilver, false, clNavy, clYellow));
  EXPECT_EQ(flat->GetCanvas()->GetPixels(12, 8), clSilver);
  EXPECT_EQ(flat->GetCanvas()->GetPixels(11, 7), clNavy);

  std::unique_ptr<TBitmap> disabled(MakeDisabledBitmap(glyph.get(), clFuchsia));
  EXPECT_EQ(disabled->GetCanvas()->GetPixels(0, 0), TColor(ColorToRGB(clBtnFace)));
  EXPECT_EQ(disabled->GetCanvas()->GetPixels(4, 4), TColor(ColorToRGB(clBtnShadow)));
  EXPECT_EQ(disabled->GetCanvas()->GetPixels(12, 8), TColor(ColorToRGB(clBtnHighlight)));

  // Gallery: the glyph, embossed, and disabled, four times enlarged.
  TBitmap sheet;
  sheet.SetPixelFormat(pf32bit);
  sheet.SetSize(3 * 72, 72);
  TBitmap* parts[] = {glyph.get(), emb.get(), disabled.get()};
  for (int i = 0; i < 3; ++i) sheet.GetCanvas()->StretchDraw(TRect{i * 72 + 4, 4, i * 72 + 68, 68}, parts[i]);
  SavePng(&sheet, "xw_embossed_glyphs");
}

TEST(XwText, DrawTextNoModifyDrawsAndMeasures) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(120, 30);
  TCanvas* c = bitmap.GetCanvas();
  c->GetBrush()->SetStyle(bsClear);
  c->GetFont()->SetColor(clBlack);

  TRect measure{0, 0, 0, 0};
  int h = DrawTextNoModify(c, u"A&&B", -1, DT_CALCRECT | DT_SINGLELINE | DT_MODIFYSTRING, measure);
  EXPECT_GT(h, 0);
  EXPECT_EQ(measure.Bottom, h);
  TRect literal{0, 0, 0, 0};
  DrawTextNoModify(c, u"A&B", -1, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX, literal);
  EXPECT_EQ(measure.Right, literal.Right);  // "&&" shows one "&"
  TRect prefixed{0, 0, 0, 0};
  DrawTextNoModify(c, u"A&B", -1, DT_CALCRECT | DT_SINGLELINE, prefixed);
  EXPECT_LT(prefixed.Right, literal.Right);  // a lone "&" is not drawn

  TRect box{0, 0, 120, 30};
  DrawTextNoModify(c, u"Hint", -1, DT_SINGLELINE | DT_VCENTER | DT_RIGHT, box);
  int dark = 0, darkLeft = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 120; ++x)
      if (c->GetPixels(x, y) != clWhite) {
        ++dark;
        if (x < 60) ++darkLeft;
      }
  EXPECT_GT(dark, 10);
  EXPECT_EQ(darkLeft, 0);  // right-aligned
}

}  // namespace
