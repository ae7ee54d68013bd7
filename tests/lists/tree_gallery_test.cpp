// Pictures of the tree views, image lists and HUD lists for looking at, in
// build/gallery/: trees.png (trees expanded and collapsed, with check boxes
// and a selection, English and Chinese items), image_lists.png (vertical and
// horizontal image lists with and without file names, pictures loaded from
// files by the loaders) and hud_lists.png (the HUD list, horizontal list,
// string list, combo boxes and image list). Each also checks that the
// controls drew over the backdrop.

#include <unistd.h>

#include <filesystem>

#include "controls/zr_checks.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_hud_lists.h"
#include "controls/zr_image_list_box.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_tree_view.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_canvas.h"
#include "scene/zr_strings.h"
#include "tests/controls/controls_fixture.h"
#include "tests/scene/png_filter.h"

namespace {

namespace fs = std::filesystem;

constexpr TzrColor Backdrop = 0xFF2B2B2B;

class TreesGallery : public ControlsTest {
 protected:
  void Canvas(int W, int H) { GalleryCanvas(W, H, Backdrop); }
  bool Drawn(TzrVisualObject* C) { return DrawnOver(C, Backdrop); }
  template <class T>
  T* Box(float X, float Y, float W, float H) {
    T* box = Make<T>(X, Y);
    box->SetBounds(X, Y, W, H);
    return box;
  }
  TzrTreeViewItem* Node(TzrObject* Parent, const std::u16string& Text) {
    auto* item = new TzrTreeViewItem(&Owner);
    item->SetText(Text);
    item->SetParent(Parent);
    return item;
  }
  // Two groups of settings with nested entries, in English and Chinese.
  TzrTreeView* Settings(float X, float Y) {
    auto* tree = Box<TzrTreeView>(X, Y, 200, 230);
    TzrTreeViewItem* motor = Node(tree, u"Motor 电机");
    Node(motor, u"Timing 进角");
    TzrTreeViewItem* start = Node(motor, u"Start-up 启动");
    Node(start, u"Power 功率");
    Node(start, u"Ramp 斜率");
    Node(motor, u"Direction 方向");
    TzrTreeViewItem* battery = Node(tree, u"Battery 电池");
    Node(battery, u"Cut-off voltage 低压保护");
    Node(battery, u"Cells 节数");
    Node(tree, u"Governor 定速");
    return tree;
  }
  // A picture of stripes in two colours, written as PNG into the folder.
  static void Picture(const fs::path& Path, int W, int H, TzrColor A, TzrColor B) {
    TzrBitmap bitmap(W, H);
    bitmap.Clear(A);
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x)
        if ((x / 16 + y / 16) % 2) bitmap.GetScanline(y)[x] = B;
    bitmap.SaveToFile(Path.string());
  }
};

TEST_F(TreesGallery, Trees) {
  Canvas(650, 250);
  TzrTreeView* collapsed = Settings(10, 10);
  collapsed->SetSelected(collapsed->ItemByIndex(1));
  TzrTreeView* expanded = Settings(220, 10);
  expanded->SetHideSelectionUnfocused(false);
  expanded->ExpandAll();
  expanded->ItemByIndex(0)->ItemByIndex(1)->SetIsExpanded(true);
  expanded->SetSelected(expanded->ItemByIndex(0)->ItemByIndex(1)->ItemByIndex(0));
  TzrTreeView* checks = Settings(430, 10);
  checks->SetShowCheckboxes(true);
  checks->SetMultiSelect(true);
  checks->SetHideSelectionUnfocused(false);
  checks->ExpandAll();
  checks->ItemByIndex(0)->ItemByIndex(0)->SetIsChecked(true);
  checks->ItemByIndex(1)->SetIsChecked(true);
  Show();
  checks->SelectRange(checks->ItemByGlobalIndex(1), checks->ItemByGlobalIndex(2));
  Scene.SetFocused(collapsed);
  SaveGalleryPicture("trees");
  for (TzrVisualObject* c : std::initializer_list<TzrVisualObject*>{collapsed, expanded, checks})
    EXPECT_TRUE(Drawn(c));
  EXPECT_EQ(expanded->GetGlobalCount(), 10);
  EXPECT_EQ(collapsed->GetGlobalCount(), 3);
}

TEST_F(TreesGallery, ImageLists) {
  TScopedPngFilter png;
  const fs::path folder = fs::temp_directory_path() / ("image_gallery_" + std::to_string(getpid()));
  fs::create_directories(folder);
  const TzrColor colours[][2] = {{0xFFD04040, 0xFFF0C0C0},
                                 {0xFF40A040, 0xFFC0F0C0},
                                 {0xFF4060D0, 0xFFC0D0F0},
                                 {0xFFD0A030, 0xFF402000}};
  const char* names[] = {"red.png", "green.png", "blue.png", "0 图片.png"};
  for (int i = 0; i < 4; ++i)
    Picture(folder / names[i], 160 + 40 * i, 120, colours[i][0], colours[i][1]);
  Canvas(640, 330);
  auto* plain = Box<TzrImageListBox>(10, 10, 130, 310);
  plain->AddFolder(folder.string());
  auto* named = Box<TzrImageListBox>(150, 10, 130, 310);
  named->SetShowFileName(true);
  named->AddFolder(folder.string());
  named->SetItemIndex(1);
  auto* horz = Box<TzrHorzImageListBox>(290, 10, 340, 140);
  horz->SetShowFileName(true);
  horz->AddFolder(folder.string());
  auto* hud = Box<TzrHudHorzImageListBox>(290, 170, 340, 150);
  hud->SetShowFileName(true);
  for (int i = 0; i < 4; ++i) {
    TzrBitmap bitmap(90, 60);
    bitmap.Clear(colours[i][1]);
    hud->AddBitmap(std::string("memory ") + std::to_string(i + 1), &bitmap);
  }
  Show();
  for (TzrImageListBox* list : std::initializer_list<TzrImageListBox*>{plain, named, horz})
    list->WaitForLoaders();
  Scene.SetFocused(named);
  SaveGalleryPicture("image_lists");
  for (TzrVisualObject* c : std::initializer_list<TzrVisualObject*>{plain, named, horz, hud})
    EXPECT_TRUE(Drawn(c));
  EXPECT_FALSE(named->GetImage(0)->GetBitmap()->IsEmpty());
  fs::remove_all(folder);
}

TEST_F(TreesGallery, HudLists) {
  Canvas(660, 240);
  auto* list = Box<TzrHudListBox>(10, 10, 150, 220);
  for (const char16_t* t : {u"Throttle range", u"刹车力度", u"Timing", u"电池类型", u"Governor"}) {
    auto* item = new TzrListBoxItem(&Owner);
    item->SetText(t);
    item->SetHeight(22);
    item->SetParent(list);
  }
  list->SetItemIndex(1);
  auto* strings = Box<TzrHudStringListBox>(170, 10, 150, 220);
  strings->SetShowCheckboxes(true);
  for (const char16_t* t : {u"Soft", u"柔和", u"Normal", u"标准", u"Hard"})
    strings->GetItems()->Add(t);
  strings->SetHideSelectionUnfocused(false);
  strings->SetItemIndex(2);
  auto* horz = Box<TzrHudHorzListBox>(330, 10, 320, 100);
  for (const char16_t* t : {u"Low", u"低", u"Medium", u"中", u"High", u"高"}) {
    auto* item = new TzrListBoxItem(&Owner);
    item->SetText(t);
    item->SetWidth(60);
    item->SetParent(horz);
  }
  horz->SetHideSelectionUnfocused(false);
  horz->SetItemIndex(3);
  auto* combo = Box<TzrHudComboBox>(330, 130, 150, 24);
  zrComboAddText(combo, u"Auto 自动");
  zrComboAddText(combo, u"Manual");
  combo->SetItemIndex(0);
  auto* stringCombo = Box<TzrHudStringComboBox>(500, 130, 150, 24);
  for (const char16_t* t : {u"2S", u"3S 锂电", u"4S"}) stringCombo->GetItems()->Add(t);
  stringCombo->SetItemIndex(1);
  Show();
  Scene.SetFocused(list);
  SaveGalleryPicture("hud_lists");
  for (int i = 0; i < strings->Count(); ++i)
    EXPECT_TRUE(strings->ItemByIndex(i)->GetCheck()->GetVisible()) << "entry " << i;
  for (TzrVisualObject* c :
       std::initializer_list<TzrVisualObject*>{list, strings, horz, combo, stringCombo})
    EXPECT_TRUE(Drawn(c));
}

}  // namespace
