// The image list: fitting on Add, the "Images" block and its checks.

#include <gtest/gtest.h>

#include "canvas/zr_filter_gdiplus.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_filter.h"
#include "scene/zr_image_list.h"
#include "scene/zr_stream.h"
#include "visual_scene.h"

namespace {

class ImageListTest : public VisualTest {
 protected:
  ImageListTest() : FSaved(DefaultFilterClass) { DefaultFilterClass = TzrFilterGdiPlus::Class(); }
  ~ImageListTest() override { DefaultFilterClass = FSaved; }
  static std::unique_ptr<TzrBitmap> Solid(int W, int H, TzrColor C) {
    auto b = std::make_unique<TzrBitmap>(W, H);
    b->Clear(C);
    return b;
  }
  static bool StartsWith(const TMemoryStream& S, int64_t At, std::initializer_list<uint8_t> Bytes) {
    const auto* p = static_cast<const uint8_t*>(const_cast<TMemoryStream&>(S).Memory()) + At;
    for (uint8_t b : Bytes)
      if (*p++ != b) return false;
    return true;
  }
  const TClassInfo* FSaved;
};

TEST_F(ImageListTest, AddFitsKeepingTheAspectRatio) {
  TzrImageList list(nullptr);
  auto wide = Solid(64, 32, 0xFFFF0000);
  EXPECT_EQ(list.Add(wide.get()), 0);
  TzrBitmap* b = list.GetBitmap(0);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->GetWidth(), 32);
  EXPECT_EQ(b->GetHeight(), 32);
  // Scaled to 32 x 16, centred: rows 8..23 painted, the rest empty.
  EXPECT_EQ(b->GetPixels(16, 4) >> 24, 0u);
  EXPECT_EQ(b->GetPixels(16, 16), 0xFFFF0000u);
  EXPECT_EQ(b->GetPixels(16, 28) >> 24, 0u);
  EXPECT_EQ(list.GetBitmap(-1), nullptr);
  EXPECT_EQ(list.GetBitmap(list.GetCount()), nullptr);
}

TEST_F(ImageListTest, BlockRoundTripPngAndJpeg) {
  TzrImageList list(nullptr);
  list.Add(Solid(32, 32, 0xFF2080C0).get());  // opaque: JPEG
  list.Add(Solid(16, 16, 0xFF00FF00).get());  // fitted, transparent margins: PNG
  list.Add(Solid(32, 32, 0x80000000).get());  // translucent: PNG
  TMemoryStream block;
  list.WriteImage(&block);
  EXPECT_TRUE(StartsWith(block, 8, {0xFF, 0xD8}));  // first image after count and length
  block.SetPosition(0);
  TzrImageList copy(nullptr);
  copy.ReadImage(&block);
  ASSERT_EQ(copy.GetCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(copy.GetBitmap(i)->GetWidth(), 32) << i;
    EXPECT_EQ(copy.GetBitmap(i)->GetHeight(), 32) << i;
  }
  EXPECT_EQ(copy.GetBitmap(1)->GetPixels(0, 0) >> 24, 0u);  // PNG kept the transparency

  // Design state shows the images to the framework's list.
  TzrImageList design(nullptr);
  design.SetDesigning(true);
  block.SetPosition(0);
  design.ReadImage(&block);
  EXPECT_EQ(design.GetImageCount(), 3);
}

TEST_F(ImageListTest, CorruptBlocksRaiseAndKeepTheList) {
  TzrImageList list(nullptr);
  list.Add(Solid(32, 32, 0xFF2080C0).get());
  TMemoryStream good;
  list.WriteImage(&good);
  const auto* p = static_cast<const uint8_t*>(good.Memory());
  std::vector<uint8_t> all(p, p + good.GetSize());
  std::vector<uint8_t> negativeCount = all, lengthPastEnd = all, truncated(all.begin(), all.end() - 5);
  negativeCount[3] = 0x80;
  lengthPastEnd[7] = 0x01;
  for (const auto& data : {negativeCount, lengthPastEnd, truncated}) {
    TzrImageList target(nullptr);
    target.Add(Solid(8, 8, 0xFF000000).get());
    TResourceStream s(data.data(), data.size());
    EXPECT_THROW(target.ReadImage(&s), EObjectStreamError);
    EXPECT_EQ(target.GetCount(), 1);
  }
}

}  // namespace
