// Icons and the picture that holds a graphic of any kind.

#include <algorithm>
#include <cstring>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/GraphicsCodec.h"

using namespace gdi;

// ---------------- icon ----------------

const TClassInfo* TIcon::Class() {
  static const TClassInfo* info = TClassDecl<TIcon>("TIcon", TGraphic::Class());
  return info;
}

TIcon::TIcon() : FImage(std::make_unique<TBitmap>()) {
  FImage->SetPixelFormat(pf32bit);
  FTransparent = true;
}

TIcon::~TIcon() = default;

int TIcon::GetWidth() const { return FImage->GetWidth(); }
int TIcon::GetHeight() const { return FImage->GetHeight(); }
void TIcon::SetWidth(int Value) { SetSize(Value, GetHeight()); }
void TIcon::SetHeight(int Value) { SetSize(GetWidth(), Value); }

void TIcon::SetSize(int AWidth, int AHeight) {
  if (AWidth == GetWidth() && AHeight == GetHeight()) return;
  FImage->SetSize(AWidth, AHeight);
  Changed();
}

void TIcon::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TIcon*>(Source);
  if (!source) return TGraphic::Assign(Source);
  FImage->Assign(source->FImage.get());
  Changed();
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& R) {
  if (GetEmpty() || !ACanvas) return;
  BLENDFUNCTION bf{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  gdi::AlphaBlend(ACanvas->GetHandle(), R.Left, R.Top, R.Width(), R.Height(),
                  FImage->GetCanvas()->GetHandle(), 0, 0, GetWidth(), GetHeight(), bf);
}

void TIcon::LoadFromStream(TStream& Stream) {
  DecodedPixels image = DecodeGraphic(Stream);
  FImage->SetSize(0, 0);
  FImage->SetSize(image.Width, image.Height);
  for (int y = 0; y < image.Height; ++y)
    std::memcpy(FImage->GetScanLine(y), &image.Bgra[size_t(y) * size_t(image.Width) * 4],
                size_t(image.Width) * 4);
  Changed();
}

namespace {

void Put16(std::vector<uint8_t>& out, unsigned v) {
  out.push_back(uint8_t(v)), out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, unsigned v) { Put16(out, v & 0xFFFF), Put16(out, v >> 16); }

}  // namespace

// An icon file of one 32-bit image: straight B, G, R, A rows bottom to top,
// then the one-bit mask of transparent pixels.
void TIcon::SaveToStream(TStream& Stream) {
  int w = GetWidth(), h = GetHeight();
  if (w <= 0 || h <= 0 || w > 256 || h > 256)
    throw EInvalidGraphicOperation("Icon image is not valid");
  int maskStride = ((w + 31) / 32) * 4;
  unsigned imageSize = 40 + unsigned(w * h * 4 + maskStride * h);
  std::vector<uint8_t> out;
  Put16(out, 0), Put16(out, 1), Put16(out, 1);  // reserved, icon, one image
  out.push_back(uint8_t(w == 256 ? 0 : w)), out.push_back(uint8_t(h == 256 ? 0 : h));
  out.push_back(0), out.push_back(0);
  Put16(out, 1), Put16(out, 32), Put32(out, imageSize), Put32(out, 22);
  Put32(out, 40), Put32(out, unsigned(w)), Put32(out, unsigned(h * 2));
  Put16(out, 1), Put16(out, 32), Put32(out, 0), Put32(out, unsigned(w * h * 4));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  std::vector<uint8_t> mask(size_t(maskStride) * size_t(h), 0);
  for (int y = h - 1; y >= 0; --y) {
    const uint8_t* row = FImage->GetScanLine(y);
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = row + x * 4;
      unsigned a = p[3];
      for (int c = 0; c < 3; ++c) out.push_back(uint8_t(a ? std::min(255u, p[c] * 255u / a) : 0));
      out.push_back(uint8_t(a));
      if (!a)
        mask[size_t(h - 1 - y) * size_t(maskStride) + size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    }
  }
  out.insert(out.end(), mask.begin(), mask.end());
  Stream.WriteBuffer(out.data(), int32_t(out.size()));
}

// ---------------- picture ----------------

const TClassInfo* TPicture::Class() {
  static const TClassInfo* info = TClassDecl<TPicture>("TPicture", TPersistent::Class());
  return info;
}

TPicture::~TPicture() = default;

void TPicture::Changed(TObject* Sender) {
  (void)Sender;
  if (OnChange) OnChange(this);
}

void TPicture::TakeGraphic(std::unique_ptr<TGraphic> Value) {
  FGraphic = std::move(Value);
  if (FGraphic) FGraphic->OnChange = [this](TObject* Sender) { Changed(Sender); };
  Changed(this);
}

namespace {

std::unique_ptr<TGraphic> CopyOf(TGraphic* Graphic) {
  if (!Graphic) return nullptr;
  std::unique_ptr<TGraphic> copy;
  if (dynamic_cast<TIcon*>(Graphic))
    copy = std::make_unique<TIcon>();
  else
    copy = std::make_unique<TBitmap>();
  copy->Assign(Graphic);
  return copy;
}

}  // namespace

void TPicture::SetGraphic(TGraphic* Value) { TakeGraphic(CopyOf(Value)); }

void TPicture::Assign(TPersistent* Source) {
  if (!Source) return TakeGraphic(nullptr);
  if (auto* picture = dynamic_cast<TPicture*>(Source)) {
    if (picture != this) SetGraphic(picture->GetGraphic());
    return;
  }
  if (auto* graphic = dynamic_cast<TGraphic*>(Source)) return SetGraphic(graphic);
  TPersistent::Assign(Source);
}

TBitmap* TPicture::GetBitmap() {
  if (!dynamic_cast<TBitmap*>(FGraphic.get())) TakeGraphic(std::make_unique<TBitmap>());
  return static_cast<TBitmap*>(FGraphic.get());
}

TIcon* TPicture::GetIcon() {
  if (!dynamic_cast<TIcon*>(FGraphic.get())) TakeGraphic(std::make_unique<TIcon>());
  return static_cast<TIcon*>(FGraphic.get());
}

void TPicture::LoadFromFile(const std::string& FileName) {
  const std::string ext = LowerCase(ExtractFileExt(FileName));
  std::unique_ptr<TGraphic> graphic;
  if (ext == ".ico")
    graphic = std::make_unique<TIcon>();
  else
    graphic = std::make_unique<TBitmap>();
  graphic->LoadFromFile(FileName);  // a failure leaves the picture as it was
  TakeGraphic(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& FileName) {
  if (FGraphic) FGraphic->SaveToFile(FileName);
}
