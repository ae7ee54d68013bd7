// The bitmap editor with a picture, its crop selection and the open resize
// panel, and the path designer with its preview, written to the build
// folder's gallery and checked where they draw.

#include <gtest/gtest.h>

#include <cmath>

#include "controls/zr_bitmap_editor.h"
#include "controls/zr_buttons.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects_path.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_path_data_designer.h"
#include "controls/zr_selection.h"
#include "editors_fixture.h"
#include "scene/zr_position.h"
#include "scene/zr_resources.h"
#include "tests/support/SceneShot.h"

namespace {

class EditorsGallery : public EditorTest {};

// A sky-and-ground landscape with a sun, so that crop and scale show.
std::unique_ptr<TzrBitmap> Landscape(int Width, int Height) {
  auto bitmap = std::make_unique<TzrBitmap>(Width, Height);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      const bool ground = y > Height * 2 / 3;
      const float dx = x - Width * 0.7f, dy = y - Height * 0.3f;
      const bool sun = dx * dx + dy * dy < Height * Height / 64.0f;
      bitmap->GetScanline(y)[x] = sun      ? 0xFFFFD040u
                                  : ground ? 0xFF308030u + uint32_t(y % 16)
                                           : 0xFF6090E0u + (uint32_t(y * 40 / Height) << 8);
    }
  bitmap->BitmapChanged();
  return bitmap;
}

TEST_F(EditorsGallery, BitmapEditorWithCropAndResizePanel) {
  TzrBitmapEditor form(nullptr);
  auto picture = Landscape(240, 160);
  form.AssignFromBitmap(picture.get());
  form.Show();
  form.cropButton->Click();
  form.btnResize->Click();
  Advance(400);
  pagetest::Settle(form.zoRurev1);
  pagetest::SaveWindow(form, "bitmap_editor_en");
  TzoRurev* scene = form.zoRurev1;
  // The preview shows the picture fitted: the ground's green near its
  // bottom-left corner, the editor's background below the picture.
  const TzrPoint origin = form.Preview->LocalToAbsolute({0, 0});
  const float scale = form.GetScale();
  const TzrColor ground =
      pagetest::Pixel(scene, int(origin.X + 20 * scale), int(origin.Y + 150 * scale));
  EXPECT_GT(pagetest::Green(ground), 100);
  EXPECT_LT(pagetest::Red(ground), 80);
  const TzrColor below =
      pagetest::Pixel(scene, int(origin.X + 20 * scale), int(origin.Y + 170 * scale));
  EXPECT_LT(pagetest::Green(below), 90);
  EXPECT_FLOAT_EQ(form.resizeLayout->GetPosition()->GetY(), 0);
  form.Hide();
}

TEST_F(EditorsGallery, PathDesignerWithPreview) {
  TzrPathDataDesigner form(nullptr);
  form.Show();
  form.PathData->SetText(
      u"M 50 0 L 61 35 L 98 35 L 68 57 L 79 91 L 50 70 L 21 91 L 32 57 L 2 35 "
      u"L 39 35 Z");
  pagetest::Settle(form.zoRurev1);
  pagetest::SaveWindow(form, "path_designer_en");
  // The star's fill is drawn in the middle of the preview.
  const TzrPoint centre = form.previewPath->LocalToAbsolute(
      {form.previewPath->GetWidth() / 2, form.previewPath->GetHeight() / 2});
  const TzrColor fill = pagetest::Pixel(form.zoRurev1, int(centre.X), int(centre.Y));
  EXPECT_GT(pagetest::Blue(fill), 150);
  EXPECT_LT(pagetest::Red(fill), 100);
  form.Hide();
}

}  // namespace
