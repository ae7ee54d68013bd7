#pragma once
// TCustomImageList: the framework's image list as menus and actions see it:
// images of one nominal size, each with a transparency mask. Only what the
// toolkit's image list fills at design time is kept here.

#include <cstdint>
#include <vector>

#include "platform/rtl/Classes.h"

class TCustomImageList : public TComponent {
 public:
  explicit TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

  // One image: straight ARGB pixels, row by row, and its mask (true where
  // the pixel shows).
  struct TImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;
    std::vector<bool> Mask;
  };

  void Clear() { FImages.clear(); }
  // Adds the image; pixels of MaskColor become transparent. Answers its index.
  int AddMasked(int AWidth, int AHeight, const std::vector<uint32_t>& APixels, uint32_t MaskColor);
  int GetImageCount() const { return int(FImages.size()); }
  const TImage& GetImage(int Index) const { return FImages.at(size_t(Index)); }

 private:
  std::vector<TImage> FImages;
};
