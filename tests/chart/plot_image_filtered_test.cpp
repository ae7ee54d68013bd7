// The filtered picture control: unchanged without filters, the filtered
// picture kept until the picture or the list changes, placement and the
// "FilterItems" stream entry.

#include <gtest/gtest.h>

#include "chart/PlotFilters.h"
#include "chart/PlotImageFiltered.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"

namespace {

void Fill(TBitmap& b, int w, int h, TColor color) {
  b.SetPixelFormat(pf24bit);
  b.SetSize(w, h);
  b.GetCanvas()->GetBrush()->SetColor(color);
  b.GetCanvas()->FillRect(TRect{0, 0, w, h});
}

// What the control paints onto a white w x h surface.
std::unique_ptr<TBitmap> Painted(TImageFiltered& image, int w, int h) {
  auto surface = std::make_unique<TBitmap>();
  Fill(*surface, w, h, clWhite);
  image.PaintOn(surface->GetCanvas());
  return surface;
}

TEST(ImageFiltered, ShowsThePictureUnchangedWithoutFilters) {
  TImageFiltered image(nullptr);
  image.SetBounds(0, 0, 10, 10);
  TBitmap picture;
  Fill(picture, 4, 3, clRed);
  picture.GetCanvas()->SetPixels(1, 1, clBlue);
  image.GetPicture()->Assign(&picture);
  auto out = Painted(image, 10, 10);
  EXPECT_EQ(out->GetCanvas()->GetPixels(0, 0), clRed);
  EXPECT_EQ(out->GetCanvas()->GetPixels(1, 1), clBlue);
  EXPECT_EQ(out->GetCanvas()->GetPixels(4, 0), clWhite);  // unscaled at the top left
  TBitmap* first = image.Filtered();
  EXPECT_EQ(image.Filtered(), first);  // kept between paints

  TImageFiltered empty(nullptr);
  EXPECT_EQ(empty.Filtered(), nullptr);
}

TEST(ImageFiltered, RebuildsAfterAPictureOrListChange) {
  TImageFiltered image(nullptr);
  image.SetBounds(0, 0, 4, 4);
  TBitmap picture;
  Fill(picture, 4, 4, clBlack);
  image.GetPicture()->Assign(&picture);
  image.GetFilters()->Add(TInvertFilter::Class());
  EXPECT_EQ(Painted(image, 4, 4)->GetCanvas()->GetPixels(2, 2), clWhite);

  Fill(picture, 4, 4, clWhite);
  image.GetPicture()->Assign(&picture);  // the kept picture is stale now
  EXPECT_EQ(Painted(image, 4, 4)->GetCanvas()->GetPixels(2, 2), clBlack);

  image.GetFilters()->Add(TInvertFilter::Class());  // inverted twice
  EXPECT_EQ(Painted(image, 4, 4)->GetCanvas()->GetPixels(2, 2), clWhite);

  TImageFiltered copy(nullptr);
  copy.Assign(&image);
  EXPECT_EQ(copy.GetFilters()->Count(), 2);
  EXPECT_EQ(copy.GetPicture()->GetWidth(), 4);
}

TEST(ImageFiltered, StretchedAndCentredPlacement) {
  TImageFiltered image(nullptr);
  image.SetBounds(0, 0, 20, 10);
  TBitmap picture;
  Fill(picture, 4, 4, clGreen);
  image.GetPicture()->Assign(&picture);
  image.SetCenter(true);
  EXPECT_EQ(image.DestRect(), (TRect{8, 3, 12, 7}));
  image.SetStretch(true);
  EXPECT_EQ(image.DestRect(), (TRect{0, 0, 20, 10}));
  image.SetProportional(true);
  EXPECT_EQ(image.DestRect(), (TRect{5, 0, 15, 10}));
  auto out = Painted(image, 20, 10);
  EXPECT_EQ(out->GetCanvas()->GetPixels(14, 9), clGreen);
  EXPECT_EQ(out->GetCanvas()->GetPixels(2, 5), clWhite);
}

TEST(ImageFiltered, FilterItemsStreamEntry) {
  TImageFiltered image(nullptr);
  image.SetName("Image1");
  TMemoryStream plain;
  {
    TWriter w(&plain);
    w.WriteRootComponent(&image);
  }
  plain.SetPosition(0);
  TMemoryStream plainText;
  ObjectBinaryToText(&plain, &plainText);
  const std::string none(static_cast<const char*>(plainText.Memory()), size_t(plainText.GetSize()));
  EXPECT_EQ(none.find("FilterItems"), std::string::npos) << none;

  static_cast<TMosaicFilter*>(image.GetFilters()->Add(TMosaicFilter::Class()))->SetAmount(3);
  TMemoryStream binary;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&image);
  }
  binary.SetPosition(0);
  TImageFiltered back(nullptr);
  {
    TReader r(&binary);
    r.ReadRootComponent(&back);
  }
  ASSERT_EQ(back.GetFilters()->Count(), 1);
  auto* mosaic = dynamic_cast<TMosaicFilter*>(back.GetFilters()->Get(0));
  ASSERT_NE(mosaic, nullptr);
  EXPECT_EQ(mosaic->GetAmount(), 3);
}

}  // namespace
