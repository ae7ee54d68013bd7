// Editor widgets: the symbol button's rectangle, the colour button with and
// without a linked property, the colour dialog's answers and custom
// colours, the themed check box.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include "chart/PlotEditors.h"
#include "chart/PlotWidgets.h"
#include "platform/rtl/Rtti.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/StringList.h"
#include "tests/support/RecordingCanvas.h"

namespace {

class TColored : public TPersistent {
 public:
  static const TClassInfo* Class() {
    static const TClassInfo* info = TClassDecl<TColored>("TColored", TPersistent::Class())
                                        .Prop("Color", &TColored::GetColor, &TColored::SetColor);
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TColor FColor = clRed;
};

struct HookGuard {
  ~HookGuard() { EditColorHook = nullptr; }
};

TEST(PlotEditors, SymbolRectangleOfACaptionedButton) {
  TPlotButton b(nullptr);
  b.SetBounds(0, 0, 80, 24);
  b.SetText("Colour");
  EXPECT_EQ(b.SymbolRectangle(), (TRect{61, 6, 74, 18}));
  b.SetText("");
  EXPECT_EQ(b.SymbolRectangle(), (TRect{10, 6, 70, 18}));
}

TEST(PlotEditors, ColourButtonEditsItsLinkedPropertyOrItsOwnColour) {
  HookGuard guard;
  int clicks = 0;
  EditColorHook = [](TColor& C, std::vector<TColor>&, TColorDialogOptions) {
    C = clBlue;
    return true;
  };
  TColored target;
  TButtonColor linked(nullptr);
  linked.OnClick = [&](TObject*) { clicks++; };
  linked.LinkProperty(&target, "Color");
  EXPECT_EQ(linked.GetSymbolColor(), clRed);
  linked.Click();
  EXPECT_EQ(target.GetColor(), clBlue);
  EXPECT_EQ(clicks, 1);

  TButtonColor own(nullptr);
  own.SetSymbolColor(clLime);
  EXPECT_EQ(own.GetSymbolColor(), clLime);
  own.Click();
  EXPECT_EQ(own.GetSymbolColor(), clBlue);

  EditColorHook = [](TColor&, std::vector<TColor>&, TColorDialogOptions) { return false; };
  own.Click();  // cancelled: nothing changes and no click event
  EXPECT_EQ(own.GetSymbolColor(), clBlue);
  EXPECT_EQ(clicks, 1);
}

TEST(PlotEditors, DialogKeepsCustomColoursBetweenUses) {
  HookGuard guard;
  PlotCustomEditColors()->Clear();
  EditColorHook = [](TColor& C, std::vector<TColor>& Custom, TColorDialogOptions Options) {
    EXPECT_EQ(Options, TColorDialogOptions(cdFullOpen));
    Custom.push_back(TColor(0x123456));
    C = TColor(0x123456);
    return true;
  };
  TColor c = clWhite;
  EXPECT_TRUE(EditColorDialog(nullptr, c));
  EXPECT_EQ(c, TColor(0x123456));
  EXPECT_EQ(PlotCustomEditColors()->Get(0), "ColorA=563412");
  std::vector<TColor> seen;
  EditColorHook = [&](TColor&, std::vector<TColor>& Custom, TColorDialogOptions) {
    seen = Custom;
    return true;  // confirmed with the colour unchanged
  };
  EXPECT_FALSE(EditColorDialog(nullptr, c));
  EXPECT_EQ(seen, std::vector<TColor>{TColor(0x123456)});
}

TEST(PlotEditors, ColourButtonDrawsItsSymbolThroughAChartCanvas) {
  TButtonColor b(nullptr);
  b.SetBounds(0, 0, 80, 24);
  b.SetText("Colour");
  b.SetSymbolColor(clRed);
  TBitmap face;
  face.SetSize(80, 24);
  b.PaintSymbol(face.GetCanvas());
  EXPECT_EQ(face.GetCanvas()->GetPixels(67, 12), clRed);
  EXPECT_EQ(face.GetCanvas()->GetPixels(61, 12), clBlack);  // the pen's frame
  EXPECT_EQ(face.GetCanvas()->GetPixels(30, 12), clWhite);
}

TEST(PlotWidgetsCheckBox, ThemedBoxesDifferWhenChecked) {
  if (!gtk_init_check(nullptr, nullptr)) GTEST_SKIP() << "no display";
  TRecordingCanvas c(40, 20);
  c.Fill(clWhite);
  c.DrawCheckBox(2, 2, false, clWhite, true);
  c.DrawCheckBox(20, 2, true, clWhite, true);
  int differ = 0, drawn = 0;
  for (int y = 2; y < 15; y++)
    for (int x = 0; x < 13; x++) {
      differ += c.Pixel(2 + x, y) != c.Pixel(20 + x, y);
      drawn += c.Pixel(20 + x, y) != clWhite;
    }
  EXPECT_GT(drawn, 10);
  EXPECT_GT(differ, 3);
  EXPECT_EQ(c.Pixel(16, 8), clWhite);  // nothing outside the squares
}

}  // namespace

namespace {

TEST(PlotEditors, FlatComboItemsSelectionAndDropDownWidth) {
  TComboFlat box(nullptr);
  EXPECT_EQ(box.GetHeight(), 21);
  EXPECT_EQ(box.GetItemHeight(), 13);
  EXPECT_EQ(box.GetStyle(), csDropDownList);
  TObject tag;
  box.Add("one");
  box.Add("two", &tag);
  EXPECT_EQ(box.CurrentItem(), "");
  EXPECT_EQ(box.SelectedObject(), nullptr);
  box.SetItemIndex(1);
  EXPECT_EQ(box.CurrentItem(), "two");
  EXPECT_EQ(box.SelectedObject(), &tag);
  box.SetItemIndex(5);
  EXPECT_EQ(box.CurrentItem(), "");
  EXPECT_EQ(box.GetDropDownWidth(), box.GetWidth());
  const TPropInfo* info = TComboFlat::Class()->FindProperty("DropDownWidth");
  ASSERT_NE(info, nullptr);
  EXPECT_FALSE(info->IsStored(&box));
}

TEST(PlotEditors, FlatComboFrameOverTheBorder) {
  TComboFlat box(nullptr);
  box.SetBounds(0, 0, 100, 21);
  TBitmap face;
  face.SetSize(100, 21);
  box.PaintFlatFrame(face.GetCanvas());
  TColor face_ = TColor(ColorToRGB(clBtnFace));
  EXPECT_EQ(face.GetCanvas()->GetPixels(40, 0), face_);
  EXPECT_EQ(face.GetCanvas()->GetPixels(40, 1), face_);
  EXPECT_EQ(face.GetCanvas()->GetPixels(40, 10), clWhite);  // inside untouched
}

}  // namespace
