// The bitmap editor through its form: which tools a picture enables, the
// crop selection and what it cuts, zoom and fit, resizing with a fixed
// aspect ratio and its sliding panel, load, paste and save.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "controls/zr_bitmap_editor.h"
#include "controls/zr_buttons.h"
#include "controls/zr_labels.h"
#include "controls/zr_number_box.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_scroll_box.h"
#include "controls/zr_selection.h"
#include "controls/zr_tracks.h"
#include "editors_fixture.h"
#include "platform/vcl/Clipbrd.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Graphics.h"
#include "scene/zr_position.h"
#include "scene/zr_resources.h"
#include "tests/support/DisplayLocks.h"

namespace {

constexpr uint16_t kEnter = 13;

class BitmapEditorTest : public EditorTest {
 protected:
  TClipboardLock ClipboardLock;
  ~BitmapEditorTest() override { FileDialogHook = nullptr; }

  void Open(int Width, int Height) {
    Source = Picture(Width, Height);
    Form.AssignFromBitmap(Source.get());
  }
  bool Editable() const { return Form.editControl->GetEnabled(); }
  std::string ScaleText() const { return UTF16ToUTF8(Form.labelScale->GetText()); }
  // The preview's scroll box at a fixed size, so that Fit gives known scales.
  void BoxSize(float Width, float Height) {
    Form.ScrollBox1->SetAlign(vaNone);
    Form.ScrollBox1->SetWidth(Width);
    Form.ScrollBox1->SetHeight(Height);
  }
  // The user types Text into a number box and presses Enter.
  void TypeInto(TzrNumberBox* Box, const std::u16string& Text) {
    Box->SetFocus();
    Box->SelectAll();
    TzrVisualObject* focused = Form.zoRurev1->GetFocused();
    ASSERT_EQ(focused, Box);
    for (char16_t c : Text) {
      uint16_t key = 0;
      focused->KeyDown(key, c, 0);
    }
    uint16_t enter = kEnter;
    char16_t none = 0;
    focused->KeyDown(enter, none, 0);
  }
  std::filesystem::path TempFile(const std::string& Name) {
    const auto folder = std::filesystem::temp_directory_path() / "esctool_bitmap_editor";
    std::filesystem::create_directories(folder);
    return folder / Name;
  }

  TzrBitmapEditor Form{nullptr};
  std::unique_ptr<TzrBitmap> Source;
};

TEST_F(BitmapEditorTest, EditingToolsWaitForAPictureWiderThanOnePixel) {
  EXPECT_FALSE(Form.resizeLayout->GetVisible());
  Open(1, 1);
  EXPECT_FALSE(Editable());
  Form.AssignFromBitmap(nullptr);
  EXPECT_FALSE(Editable());
  EXPECT_TRUE(Form.btnOk->GetEnabled());

  // A pasted picture enables the tools and is shown whole.
  TBitmap clip;
  clip.SetPixelFormat(pf32bit);
  clip.SetSize(30, 20);
  Clipboard()->SetAsBitmap(&clip);
  Form.btnPasteClick(Form.btnPaste);
  EXPECT_TRUE(Editable());
  EXPECT_EQ(Form.GetBitmap()->GetWidth(), 30);
  EXPECT_EQ(Form.GetBitmap()->GetHeight(), 20);
  EXPECT_FLOAT_EQ(Form.Preview->GetWidth(), 30);

  // Clear takes the tools away again.
  Form.Button3Click(Form.Button3);
  EXPECT_FALSE(Editable());
  EXPECT_EQ(Form.GetBitmap()->GetWidth(), 1);
  EXPECT_TRUE(Form.btnOk->GetEnabled());

  // So does a loaded picture, through the open dialog with the codec's types.
  const auto file = TempFile("load.png");
  Picture(40, 10)->SaveToFile(file.string());
  std::string filter;
  FileDialogHook = [&](TFileDialog& dialog) {
    filter = dialog.GetFilter();
    dialog.SetFileName(file.string());
    return true;
  };
  Form.Button1->Click();
  EXPECT_EQ(filter, "Images|*.png");
  EXPECT_TRUE(Editable());
  EXPECT_EQ(Form.GetBitmap()->GetWidth(), 40);
  EXPECT_EQ(Form.GetFileName(), file.string());
}

TEST_F(BitmapEditorTest, AFileThatIsNoPictureIsToldAndLosesNothing) {
  Open(50, 40);
  const auto file = TempFile("not_a_picture.png");
  {
    std::FILE* f = std::fopen(file.c_str(), "w");
    std::fputs("no picture here", f);
    std::fclose(f);
  }
  FileDialogHook = [&](TFileDialog& dialog) {
    dialog.SetFileName(file.string());
    return true;
  };
  EXPECT_THROW(Form.Button1->Click(), Exception);
  EXPECT_TRUE(SamePixels(*Form.GetBitmap(), *Source));
  EXPECT_EQ(Form.GetFileName(), "");
}

TEST_F(BitmapEditorTest, PasteWithoutAPictureKeepsTheOneShown) {
  Open(50, 40);
  Clipboard()->SetAsText(u"no picture");
  Form.btnPasteClick(Form.btnPaste);
  EXPECT_EQ(Form.GetBitmap()->GetWidth(), 50);
  EXPECT_TRUE(Editable());
}

TEST_F(BitmapEditorTest, CropKeepsTheMiddleEightyPercent) {
  // Scales where the selection's position and height fall on whole and on
  // broken preview units.
  for (const float box : {400.0f, 333.0f}) {
    SCOPED_TRACE(box);
    BoxSize(box, box);
    Open(200, 100);
    Form.cropButton->Click();
    ASSERT_NE(Form.GetCropRect(), nullptr);
    EXPECT_EQ(Form.cropButton->GetText(), u"Full");
    const float scale = Form.GetScale();
    EXPECT_NEAR(scale, box / 200, 0.001) << "crop fits the picture first";
    TzrBitmap out(1, 1);
    Form.AssignToBitmap(&out);
    EXPECT_NEAR(out.GetWidth(), 160, 1);
    EXPECT_NEAR(out.GetHeight(), 80, 1);
    const int left = int(std::trunc(std::trunc(20 * scale) / scale));
    const int top = int(std::trunc(std::trunc(10 * scale) / scale));
    EXPECT_EQ(out.GetScanline(0)[0], Source->GetScanline(top)[left]);
    EXPECT_EQ(out.GetScanline(out.GetHeight() - 1)[out.GetWidth() - 1],
              Source->GetScanline(top + out.GetHeight() - 1)[left + out.GetWidth() - 1]);
    Form.cropButton->Click();  // back to the whole picture for the next round
  }
}

TEST_F(BitmapEditorTest, CropTwiceReturnsTheWholePicture) {
  Open(200, 100);
  Form.cropButton->Click();
  Form.cropButton->Click();
  EXPECT_EQ(Form.GetCropRect(), nullptr);
  EXPECT_EQ(Form.cropButton->GetText(), u"Crop");
  TzrBitmap out(1, 1);
  Form.AssignToBitmap(&out);
  EXPECT_TRUE(SamePixels(out, *Source));
}

TEST_F(BitmapEditorTest, SelectionFollowsTheScaleAndIsLimitedToThePicture) {
  BoxSize(400, 400);
  Open(200, 100);
  Form.cropButton->Click();  // scale 2: selection (40, 20) 320 x 160
  Form.trackScale->SetValue(1);
  TzrSelection* sel = Form.GetCropRect();
  EXPECT_FLOAT_EQ(sel->GetPosition()->GetX(), 20);
  EXPECT_FLOAT_EQ(sel->GetWidth(), 160);
  // Dragged past the picture's right and bottom edges: only its pixels.
  sel->GetPosition()->SetX(150);
  sel->GetPosition()->SetY(90);
  TzrBitmap out(1, 1);
  Form.AssignToBitmap(&out);
  EXPECT_EQ(out.GetWidth(), 50);
  EXPECT_EQ(out.GetHeight(), 10);
  EXPECT_EQ(out.GetScanline(9)[49], Source->GetScanline(99)[199]);
  Form.AssignToBitmap(nullptr);  // nothing happens
}

TEST_F(BitmapEditorTest, ScaleLabelFitAndOneToOne) {
  BoxSize(500, 400);
  Open(200, 100);
  EXPECT_EQ(ScaleText(), "Scale: 100%");
  Form.btnFit->Click();  // 200 x 100 in 500 x 400: 2.5 times
  EXPECT_EQ(ScaleText(), "Scale: 250%");
  EXPECT_FLOAT_EQ(Form.Preview->GetWidth(), 500);
  EXPECT_FLOAT_EQ(Form.Preview->GetHeight(), 250);
  Form.btnOriginal->Click();
  EXPECT_EQ(ScaleText(), "Scale: 100%");
  // A picture larger than the box shrinks, down to the track's minimum.
  Open(5000, 100);
  Form.btnFit->Click();
  EXPECT_EQ(ScaleText(), "Scale: 10%");
  Form.trackScale->SetValue(2);
  Form.trackScaleMouseDown(Form.trackScale, mbLeft, ssLeft | ssDouble, 0, 0);
  EXPECT_EQ(ScaleText(), "Scale: 100%") << "a double click on the track";
}

TEST_F(BitmapEditorTest, ResizeKeepsTheAspectRatioAndThePanelSlides) {
  Open(200, 100);
  Form.Show();
  Form.btnResize->Click();
  EXPECT_TRUE(Form.resizeLayout->GetVisible());
  const float height = Form.resizeLayout->GetHeight();
  EXPECT_FLOAT_EQ(Form.resizeLayout->GetPosition()->GetY(), -height);
  Advance(400);
  EXPECT_FLOAT_EQ(Form.resizeLayout->GetPosition()->GetY(), 0);
  EXPECT_EQ(Form.newWidth->GetValue(), 200);
  EXPECT_EQ(Form.newHeight->GetValue(), 100);

  TypeInto(Form.newWidth, u"400");
  EXPECT_EQ(Form.newHeight->GetValue(), 200);
  TypeInto(Form.newHeight, u"51");
  EXPECT_EQ(Form.newWidth->GetValue(), 102);

  Form.Button4->Click();
  EXPECT_FALSE(Form.resizeLayout->GetVisible());
  EXPECT_FLOAT_EQ(Form.resizeLayout->GetPosition()->GetY(), -height);
  EXPECT_EQ(Form.GetBitmap()->GetWidth(), 102);
  EXPECT_EQ(Form.GetBitmap()->GetHeight(), 51);
  EXPECT_NE(Form.GetBitmap()->GetScanline(50)[101], 0u) << "the picture is drawn stretched";

  // Cancel only slides the panel away.
  Form.btnResize->Click();
  Advance(400);
  Form.Button5->Click();
  EXPECT_FALSE(Form.resizeLayout->GetVisible());
  EXPECT_EQ(Form.GetBitmap()->GetWidth(), 102);
  Form.Hide();
}

TEST_F(BitmapEditorTest, CancelLeavesTheCallersBitmapAlone) {
  Open(200, 100);
  auto original = Picture(200, 100);
  Form.cropButton->Click();
  Form.Button3Click(Form.Button3);
  Form.Button2->Click();
  EXPECT_EQ(Form.GetModalResult(), mrCancel);
  EXPECT_TRUE(SamePixels(*Source, *original));
  Form.btnOk->Click();
  EXPECT_EQ(Form.GetModalResult(), mrOk);
}

TEST_F(BitmapEditorTest, SaveWritesAFileThatLoadsBackEqual) {
  Open(64, 48);
  const auto file = TempFile("saved.png");
  std::filesystem::remove(file);
  std::string offered = "unset";
  FileDialogHook = [&](TFileDialog& dialog) {
    offered = dialog.GetFileName();
    dialog.SetFileName(file.string());
    return true;
  };
  Form.btnSave->Click();
  EXPECT_EQ(offered, "") << "the dialog starts with the picture's file name";
  TzrBitmap back(1, 1);
  back.LoadFromFile(file.string());
  EXPECT_TRUE(SamePixels(back, *Source));

  // A file the codec cannot write is an error (the test codec writes PNG only).
  FileDialogHook = [&](TFileDialog& dialog) {
    dialog.SetFileName(TempFile("saved.bmp").string());
    return true;
  };
  EXPECT_THROW(Form.btnSave->Click(), Exception);

  // A cancelled dialog writes nothing.
  std::filesystem::remove(file);
  FileDialogHook = [](TFileDialog&) { return false; };
  Form.btnSave->Click();
  EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
