#include "platform/vcl/ImgList.h"

int TCustomImageList::AddMasked(int AWidth, int AHeight, const std::vector<uint32_t>& APixels,
                                uint32_t MaskColor) {
  TImage image;
  image.Width = AWidth;
  image.Height = AHeight;
  image.Pixels = APixels;
  image.Mask.reserve(APixels.size());
  for (uint32_t p : APixels) image.Mask.push_back(p != MaskColor);
  FImages.push_back(std::move(image));
  return int(FImages.size()) - 1;
}
