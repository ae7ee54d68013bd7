// Image list boxes: files the codec does not list add nothing, a folder
// gives one entry per picture and nothing is read until an entry is styled,
// loaders hand their pictures over once they finish (the tests wait for
// them), Clear and freeing the list while loads run receive no late
// hand-over, ShowFileName affects later entries only, bitmaps are reduced to
// thumbnails, and the horizontal and HUD variants take their styles.

#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "controls/zr_combo_box.h"
#include "controls/zr_hud_lists.h"
#include "controls/zr_image_list_box.h"
#include "controls/zr_image_thread.h"
#include "controls/zr_objects_text.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Thread.h"
#include "scene/zr_bitmap.h"
#include "tests/controls/controls_fixture.h"
#include "tests/scene/png_filter.h"

namespace {

namespace fs = std::filesystem;

std::string Lower(std::string S) {
  for (char& c : S) c = char(std::tolower(static_cast<unsigned char>(c)));
  return S;
}

class ImageListBoxTest : public ControlsTest {
 protected:
  ImageListBoxTest() {
    Folder = fs::temp_directory_path() / ("image_list_" + std::to_string(getpid()));
    fs::remove_all(Folder);
    fs::create_directories(Folder);
  }
  ~ImageListBoxTest() override { fs::remove_all(Folder); }

  // A W x H picture of one colour, written as PNG.
  std::string Picture(const std::string& Name, int W, int H, TzrColor Color) {
    TzrBitmap bitmap(W, H);
    bitmap.Clear(Color);
    const std::string path = (Folder / Name).string();
    bitmap.SaveToFile(path);
    return path;
  }
  // Three pictures and a text file.
  void FillFolder() {
    Picture("b.png", 300, 150, 0xFF00FF00);
    Picture("a.png", 120, 240, 0xFFFF0000);
    Picture("c.png", 64, 64, 0xFF0000FF);
    std::ofstream(Folder / "notes.txt") << "not a picture";
  }
  TzrImageListBox* MakeList() {
    List = Make<TzrImageListBox>(0, 0);
    List->SetBounds(0, 0, 120, 300);
    return List;
  }
  static TzrColor Middle(TzrImage* Image) {
    TzrBitmap* b = Image->GetBitmap();
    return b->GetScanline(b->GetHeight() / 2)[b->GetWidth() / 2];
  }

  TScopedPngFilter Png;
  fs::path Folder;
  TzrImageListBox* List = nullptr;
};

TEST_F(ImageListBoxTest, OnlyExtensionsTheCodecListsAreAdded) {
  MakeList();
  const std::string png = Picture("x.png", 10, 10, 0xFFFFFFFF);
  List->AddFile((Folder / "notes.txt").string());
  List->AddFile((Folder / "photo.jpg").string());
  List->AddFile((Folder / "noextension").string());
  EXPECT_EQ(List->Count(), 0);
  EXPECT_EQ(List->GetItemIndex(), -1);
  List->AddFile(png);
  EXPECT_EQ(List->Count(), 1);
  EXPECT_EQ(List->GetItemIndex(), 0) << "the first entry becomes current";
  List->AddFile((Folder / "UPPER.PNG").string());
  EXPECT_EQ(List->Count(), 2) << "the case of the extension does not matter";
  EXPECT_EQ(List->GetSelectedFileName(), png);
  EXPECT_EQ(List->GetSelectedImage(), List->GetImage(0));
  EXPECT_EQ(List->GetImage(2), nullptr);
}

TEST_F(ImageListBoxTest, AFolderFillsAtOnceAndPicturesArriveOnceStyled) {
  FillFolder();
  MakeList();
  List->AddFolder(Folder.string());
  ASSERT_EQ(List->Count(), 3) << "the text file adds nothing";
  EXPECT_EQ(List->GetItemIndex(), 0);
  EXPECT_EQ(List->GetSelectedFileName(), (Folder / "a.png").string());
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(List->GetImage(i)->GetBitmap()->IsEmpty()) << "nothing read before styling";
    EXPECT_EQ(List->ItemByIndex(i)->GetTag(), 1);
  }
  EXPECT_EQ(List->GetLoaderCount(), 0);
  Show();
  EXPECT_EQ(List->GetLoaderCount(), 3) << "one loader per styled entry";
  for (int i = 0; i < 3; ++i) EXPECT_EQ(List->ItemByIndex(i)->GetTag(), 0);
  List->WaitForLoaders();
  const TzrColor colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
  for (int i = 0; i < 3; ++i) {
    TzrImage* image = List->GetImage(i);
    ASSERT_FALSE(image->GetBitmap()->IsEmpty()) << i;
    EXPECT_EQ(Middle(image), colours[i]) << i;
    // Thumbnails are no larger than the shown image.
    EXPECT_LE(image->GetBitmap()->GetWidth(), image->GetWidth() + 1) << i;
    EXPECT_LE(image->GetBitmap()->GetHeight(), image->GetHeight() + 1) << i;
  }
  Show();
  EXPECT_EQ(List->GetLoaderCount(), 0) << "each file is loaded once";
}

TEST_F(ImageListBoxTest, ClearWhileLoadsRunReceivesNoLateHandOver) {
  FillFolder();
  MakeList();
  List->AddFolder(Folder.string());
  Show();
  List->Clear();
  EXPECT_EQ(List->Count(), 0);
  List->WaitForLoaders();
  // A new round fills the new entries only.
  List->AddFile((Folder / "c.png").string());
  Show();
  List->WaitForLoaders();
  ASSERT_EQ(List->Count(), 1);
  EXPECT_EQ(Middle(List->GetImage(0)), 0xFF0000FFu);
  // Entries cleared before they were styled never start a load.
  List->AddFolder(Folder.string());
  List->Clear();
  Show();
  EXPECT_EQ(List->GetLoaderCount(), 0);
}

TEST_F(ImageListBoxTest, AListFreedWhileLoadsRunWaitsForItsLoaders) {
  FillFolder();
  MakeList();
  List->AddFolder(Folder.string());
  Show();
  EXPECT_GT(List->GetLoaderCount(), 0);
  delete List;
  List = nullptr;
  // Hand-overs still queued for the freed entries must not run.
  CheckSynchronize();
  EXPECT_FALSE(SynchronizePending());
}

TEST_F(ImageListBoxTest, ALoaderHandsOverOnlyToALiveImage) {
  const std::string file = Picture("p.png", 40, 20, 0xFF102030);
  struct {
    const char* Name;
    std::string File;
    bool FreeFirst, Stop, Arrives;
  } cases[] = {{"live", file, false, false, true},
               {"image freed before the load", file, true, false, false},
               {"told to stop", file, false, true, false},
               {"missing file", file + ".gone.png", false, false, false}};
  for (const auto& c : cases) {
    auto* image = new TzrImage(&Owner);
    image->SetBounds(0, 0, 20, 20);
    TzrImageThread loader(image, c.File, true);
    if (c.FreeFirst) delete image;
    loader.Start();
    if (c.Stop) loader.Terminate();
    loader.WaitFor();
    EXPECT_EQ(loader.GetHandedOver(), c.Arrives) << c.Name;
    if (c.FreeFirst) continue;
    EXPECT_EQ(image->GetBitmap()->IsEmpty(), !c.Arrives) << c.Name;
    if (c.Arrives) EXPECT_EQ(image->GetBitmap()->GetWidth(), 20) << "fitted into the image";
  }
}

TEST_F(ImageListBoxTest, ShowFileNameAffectsEntriesAddedAfterwardsOnly) {
  const std::string a = Picture("first.png", 20, 20, 0xFFFFFFFF);
  const std::string b = Picture("second.png", 20, 20, 0xFFFFFFFF);
  MakeList();
  List->AddFile(a);
  List->SetShowFileName(true);
  List->AddFile(b);
  Show();
  List->WaitForLoaders();
  struct {
    int Index;
    float Bottom;
    bool Border;
  } cases[] = {{0, 4, false}, {1, 20, true}};
  for (auto c : cases) {
    TzrListBoxItem* entry = List->ItemByIndex(c.Index);
    EXPECT_FLOAT_EQ(List->GetImage(c.Index)->GetPadding()->GetBottom(), c.Bottom) << c.Index;
    TzrObject* border = entry->FindResource("textborder");
    ASSERT_NE(border, nullptr);
    EXPECT_EQ(border->GetVisual()->GetVisible(), c.Border) << c.Index;
  }
  auto* text = dynamic_cast<TzrText*>(List->ItemByIndex(1)->FindResource("text"));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->GetText(), u"second.png") << "the name without its folder";
}

TEST_F(ImageListBoxTest, BitmapsAreReducedToTheListHeight) {
  MakeList();
  List->SetBounds(0, 0, 120, 100);
  TzrBitmap wide(400, 200);
  wide.Clear(0xFF336699);
  List->AddBitmap("wide", &wide);
  TzrBitmap* thumb = List->GetImage(0)->GetBitmap();
  EXPECT_EQ(thumb->GetWidth(), 100);
  EXPECT_EQ(thumb->GetHeight(), 50);
  EXPECT_EQ(thumb->GetScanline(25)[50], 0xFF336699u);
  EXPECT_EQ(List->GetItemIndex(), 0);
  EXPECT_EQ(List->ItemByIndex(0)->GetTag(), 0) << "nothing to load";
  List->SetUseThumbnails(false);
  List->AddBitmap("full", &wide);
  EXPECT_EQ(List->GetImage(1)->GetBitmap()->GetWidth(), 400);
  EXPECT_EQ(List->GetSelectedFileName(), "wide");
  List->SetImageItemHeight(60);
  EXPECT_FLOAT_EQ(List->ItemByIndex(1)->GetHeight(), 60);
}

TEST_F(ImageListBoxTest, VariantsTakeTheirLayoutAndStyles) {
  auto* horz = Make<TzrHorzImageListBox>(0, 0);
  EXPECT_EQ(horz->GetListStyle(), zrListHorizontal);
  EXPECT_FLOAT_EQ(horz->GetItemWidth(), 110);
  EXPECT_FLOAT_EQ(horz->GetImageItemHeight(), 0);
  auto* plain = Make<TzrImageListBox>(0, 0);
  EXPECT_FLOAT_EQ(plain->GetImageItemHeight(), 100);
  auto* hudImages = Make<TzrHudImageListBox>(0, 0);
  auto* hudHorzImages = Make<TzrHudHorzImageListBox>(0, 0);
  auto* hudList = Make<TzrHudListBox>(0, 0);
  auto* hudHorz = Make<TzrHudHorzListBox>(0, 0);
  auto* hudCombo = Make<TzrHudComboBox>(0, 0);
  Show();
  struct {
    TzrControl* Control;
    const char* Style;
  } cases[] = {{horz, "listboxstyle"},         {plain, "listboxstyle"},
               {hudImages, "hudlistboxstyle"}, {hudHorzImages, "hudlistboxstyle"},
               {hudList, "hudlistboxstyle"},   {hudHorz, "hudlistboxstyle"},
               {hudCombo, "hudcomboboxstyle"}};
  for (auto c : cases)
    EXPECT_EQ(Lower(c.Control->GetStyleName()), c.Style)
        << c.Control->ClassName() << " " << c.Control->GetStyleName();
  EXPECT_EQ(hudHorz->GetListStyle(), zrListHorizontal);
  EXPECT_EQ(hudCombo->GetListBox()->GetResource(), "hudcombolistboxstyle");
}

}  // namespace
