#include "scene/zr_image_list.h"

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_canvas.h"
#include "scene/zr_colors.h"
#include "scene/zr_stream.h"

namespace {

int32_t ReadInt(TStream* AStream) {
  if (AStream->GetSize() - AStream->GetPosition() < 4)
    throw EObjectStreamError("Image block ends early");
  uint8_t b[4];
  AStream->ReadBuffer(b, 4);
  return int32_t(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                 uint32_t(b[3]) << 24);
}

void WriteInt(TStream* AStream, int32_t N) {
  const uint32_t u = uint32_t(N);
  const uint8_t b[4] = {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
  AStream->WriteBuffer(b, 4);
}

}  // namespace

const TClassInfo* TzrImageList::Class() {
  using L = TzrImageList;
  static const TClassInfo* info = TClassDecl<L>("TzrImageList", TComponent::Class())
                                      .Prop("Width", &L::GetWidth, &L::SetWidth)
                                      .Default(32)
                                      .Prop("Height", &L::GetHeight, &L::SetHeight)
                                      .Default(32);
  return info;
}

TzrImageList::TzrImageList(TComponent* AOwner) : TCustomImageList(AOwner) {}

TzrImageList::~TzrImageList() { Clear(); }

void TzrImageList::DefineProperties(TFiler* Filer) {
  TComponent::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Images", [this](TStream* Stream) { ReadImage(Stream); },
      [this](TStream* Stream) { WriteImage(Stream); }, !FImages.empty());
}

int TzrImageList::Add(TzrBitmap* Bitmap) {
  auto image = std::make_unique<TzrBitmap>(FWidth, FHeight);
  if (Bitmap && !Bitmap->IsEmpty()) {
    TzrCanvas* canvas = image->GetCanvas();
    if (canvas && canvas->BeginScene()) {
      TzrRect r = zrRect(0, 0, float(Bitmap->GetWidth()), float(Bitmap->GetHeight()));
      const TzrRect source = r;
      zrFitRect(r, zrRect(0, 0, float(FWidth), float(FHeight)));
      canvas->DrawBitmap(*Bitmap, source, r, 1);
      canvas->EndScene();
    }
  }
  FImages.push_back(std::move(image));
  UpdateList();
  return int(FImages.size()) - 1;
}

void TzrImageList::Clear() {
  TCustomImageList::Clear();
  FImages.clear();
}

TzrBitmap* TzrImageList::GetBitmap(int Index) const {
  if (Index < 0 || Index >= int(FImages.size())) return nullptr;
  return FImages[size_t(Index)].get();
}

void TzrImageList::UpdateList() {
  if (!IsDesigning()) return;
  TCustomImageList::Clear();
  for (const auto& image : FImages) {
    if (image->GetWidth() != FWidth || image->GetHeight() != FHeight) continue;
    std::vector<uint32_t> pixels;
    pixels.reserve(size_t(FWidth) * size_t(FHeight));
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x) pixels.push_back(zrUnpremultyAlpha(image->GetPixels(x, y)));
    // Fully transparent pixels are masked out.
    for (uint32_t& p : pixels)
      if ((p >> 24) == 0) p = 0;
    AddMasked(FWidth, FHeight, pixels, 0);
  }
}

void TzrImageList::ReadImage(TStream* AStream) {
  const int32_t count = ReadInt(AStream);
  if (count < 0 || int64_t(count) * 4 > AStream->GetSize() - AStream->GetPosition())
    throw EObjectStreamError("Image count out of range");
  std::vector<std::unique_ptr<TzrBitmap>> images;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t n = ReadInt(AStream);
    if (n < 0 || n > AStream->GetSize() - AStream->GetPosition())
      throw EObjectStreamError("Image length out of range");
    std::vector<uint8_t> bytes(static_cast<size_t>(n));
    if (n > 0) AStream->ReadBuffer(bytes.data(), n);
    TResourceStream data(bytes.data(), bytes.size());
    images.push_back(std::make_unique<TzrBitmap>(&data));
  }
  Clear();
  FImages = std::move(images);
  UpdateList();
}

void TzrImageList::WriteImage(TStream* AStream) {
  WriteInt(AStream, int32_t(FImages.size()));
  for (const auto& image : FImages) {
    TMemoryStream data;
    image->SaveToStream(&data);
    WriteInt(AStream, int32_t(data.GetSize()));
    if (data.GetSize() > 0) AStream->WriteBuffer(data.Memory(), int32_t(data.GetSize()));
  }
}
