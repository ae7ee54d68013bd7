#include "canvas/zr_filter_gdiplus.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "canvas/zr_stream_adapter.h"
#include "platform/gdiplus/GdiPlus.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_text_forms.h"

using namespace Gdiplus;

const TClassInfo* TzrFilterGdiPlus::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrFilterGdiPlus>("TzrFilterGdiPlus", TzrFilter::Class());
  return info;
}

namespace {

// The last installed encoder of the MIME type.
bool FindEncoder(const std::string& Mime, CLSID& Clsid) {
  UINT count = 0, size = 0;
  if (GetImageEncodersSize(&count, &size) != Ok || count == 0) return false;
  std::vector<ImageCodecInfo> encoders(count);
  if (GetImageEncoders(count, size, encoders.data()) != Ok) return false;
  bool found = false;
  for (const ImageCodecInfo& e : encoders) {
    if (!e.MimeType || UTF16ToUTF8(e.MimeType) != Mime) continue;
    Clsid = e.Clsid;
    found = true;
  }
  return found;
}

// One quality parameter per "quality=N" token; other tokens are ignored.
// Values holds the numbers the parameters point at.
void BuildParams(const std::string& Params, std::vector<int32_t>& Values, EncoderParameters& Out) {
  std::vector<std::string> qualities;
  std::string rest = Params;
  while (!rest.empty()) {
    const std::string token = zrGetToken(rest, " ", "");
    const size_t eq = token.find('=');
    if (eq == std::string::npos) continue;
    if (LowerCase(token.substr(0, eq)) == "quality") qualities.push_back(token.substr(eq + 1));
  }
  Values.clear();
  for (const std::string& q : qualities) Values.push_back(StrToInt(q));
  Out.Parameter.clear();
  for (int32_t& v : Values)
    Out.Parameter.push_back({EncoderQuality, 1, EncoderParameterValueTypeLong, &v});
}

// A layer bitmap laid over the bitmap's own pixels.
std::unique_ptr<Bitmap> Overlay(TzrBitmap& B) {
  if (B.IsEmpty() || !B.GetStartLine()) return nullptr;
  auto image =
      std::make_unique<Bitmap>(B.GetWidth(), B.GetHeight(), 4 * B.GetWidth(), PixelFormat32bppPARGB,
                               reinterpret_cast<uint8_t*>(B.GetStartLine()));
  if (!image->Surface()) return nullptr;
  return image;
}

// Draws with exact pixel placement over the bitmap's pixels.
std::unique_ptr<Graphics> OverlayGraphics(Bitmap& Image) {
  auto g = std::make_unique<Graphics>(&Image);
  g->SetPixelOffsetMode(PixelOffsetModeHalf);
  return g;
}

// The image of a file; the file is closed again before this returns.
std::unique_ptr<Image> DecodeFile(const std::string& AFileName, bool AsBitmap = false) {
  TFileStream file(AFileName, fmOpenRead | fmShareDenyNone);
  TStreamAdapterRef adapter(TMyStreamAdapter::Create(&file, soReference));
  if (AsBitmap) return std::unique_ptr<Image>(Bitmap::FromStream(adapter.Get(), true));
  return std::unique_ptr<Image>(Image::FromStream(adapter.Get(), true));
}

bool HasPixels(const Image* I) { return I && I->GetWidth() * I->GetHeight() != 0; }

// A decoded image keeps the encoded bytes beside its pixels, which the
// layer's drawing refuses; a copy of the pixels alone is drawn instead.
std::unique_ptr<Image> PixelsOf(const Image& I) { return std::unique_ptr<Image>(I.Clone()); }

TzrMatrix Translation(float Dx, float Dy) {
  TzrMatrix m = IdentityMatrix;
  m.m31 = Dx;
  m.m32 = Dy;
  return m;
}

bool Encode(TzrBitmap& Bitmap, const std::string& Mime, const std::string& Params,
            const std::function<Status(const Gdiplus::Bitmap&, const CLSID*,
                                       const EncoderParameters*)>& Save) {
  CLSID clsid;
  if (!FindEncoder(Mime, clsid)) return false;
  std::unique_ptr<Gdiplus::Bitmap> image = Overlay(Bitmap);
  if (!image) return false;
  std::vector<int32_t> values;
  EncoderParameters params;
  if (!Params.empty()) BuildParams(Params, values, params);
  return Save(*image, &clsid, Params.empty() ? nullptr : &params) == Ok;
}

}  // namespace

std::string zrMimeTypeOfFormat(const std::string& Format) {
  const std::string f = LowerCase(Format);
  if (f == "jpeg" || f == "jpg") return "image/jpeg";
  if (f == "bmp") return "image/bmp";
  if (f == "tif" || f == "tiff") return "image/tiff";
  if (f == "gif") return "image/gif";
  return "image/png";
}

std::string zrMimeTypeOfExtension(const std::string& Extension) {
  const std::string e = LowerCase(Extension);
  if (e == ".jpg" || e == ".jpeg") return "image/jpeg";
  if (e == ".bmp") return "image/bmp";
  if (e == ".png") return "image/png";
  if (e == ".tif" || e == ".tiff") return "image/tiff";
  if (e == ".gif") return "image/gif";
  return "";
}

std::string TzrFilterGdiPlus::GetFileTypes() {
  return "*.bmp;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.gif;*.ico";
}

TzrPoint TzrFilterGdiPlus::GetImageSize(const std::string& AFileName) {
  std::unique_ptr<Image> image = DecodeFile(AFileName);
  return {float(image->GetWidth()), float(image->GetHeight())};
}

bool TzrFilterGdiPlus::LoadFromFile(const std::string& AFileName, float Rotate, TzrBitmap& Bitmap) {
  std::unique_ptr<Image> image = DecodeFile(AFileName);
  if (!HasPixels(image.get())) return false;
  const int w = int(image->GetWidth()), h = int(image->GetHeight());
  const int turn = int(std::trunc(Rotate));
  if (Rotate == std::trunc(Rotate) && turn % 90 == 0) {
    const int quarter = turn % 360;  // a negative remainder stays unturned
    if (quarter == 90 || quarter == 270)
      Bitmap.SetSize(h, w);
    else
      Bitmap.SetSize(w, h);
    std::unique_ptr<Image> turned = DecodeFile(AFileName, true);
    auto* bits = static_cast<Gdiplus::Bitmap*>(turned.get());
    if (quarter == 90) bits->RotateFlip(Rotate90FlipNone);
    if (quarter == 180) bits->RotateFlip(Rotate180FlipNone);
    if (quarter == 270) bits->RotateFlip(Rotate270FlipNone);
    const Rect area(0, 0, Bitmap.GetWidth(), Bitmap.GetHeight());
    BitmapData data;
    if (bits->LockBits(&area, ImageLockModeRead, PixelFormat32bppPARGB, &data) == Ok) {
      for (int y = 0; y < Bitmap.GetHeight(); ++y) {
        const auto* row = static_cast<const uint8_t*>(data.Scan0) + size_t(y) * data.Stride;
        std::memcpy(Bitmap.GetScanline(y), row, size_t(Bitmap.GetWidth()) * 4);
      }
      bits->UnlockBits(&data);
    }
    Bitmap.SetNeedUpdate(true);
    return true;
  }
  TzrMatrix m = zrMatrixMultiply(Translation(-w / 2.0f, -h / 2.0f),
                                 zrCreateRotationMatrix(zrDegToRad(Rotate)));
  TzrPoint corners[4] = {{0, 0}, {float(w), 0}, {float(w), float(h)}, {0, float(h)}};
  for (TzrPoint& p : corners) p = zrPointFromVector(zrVectorTransform(zrVector(p), m));
  const TzrRect r = zrNormalizeRect(std::span<const TzrPoint>(corners));
  m = zrMatrixMultiply(m, Translation(zrRectWidth(r) / 2, zrRectHeight(r) / 2));
  // a thin image turned far from a quarter turn has bounds far larger than itself
  const float bw = std::trunc(zrRectWidth(r)), bh = std::trunc(zrRectHeight(r));
  if (!ImageSizeWithinCap(bw, bh)) return false;
  Bitmap.SetSize(int(bw), int(bh));
  if (std::unique_ptr<Gdiplus::Bitmap> target = Overlay(Bitmap)) {
    std::unique_ptr<Graphics> g = OverlayGraphics(*target);
    Matrix world(m.m11, m.m12, m.m21, m.m22, m.m31, m.m32);
    g->SetTransform(&world);
    g->DrawImage(PixelsOf(*image).get(), RectF(0, 0, float(w), float(h)));
  }
  Bitmap.SetNeedUpdate(true);
  return true;
}

bool TzrFilterGdiPlus::LoadThumbnailFromFile(const std::string& AFileName, float AFitWidth,
                                             float AFitHeight, bool UseEmbedded,
                                             TzrBitmap& Bitmap) {
  std::unique_ptr<Image> image = DecodeFile(AFileName);
  if (!HasPixels(image.get())) return false;
  const float w = float(image->GetWidth()), h = float(image->GetHeight());
  TzrRect r = zrRect(0, 0, w, h);
  float ratio = zrFitRect(r, zrRect(0, 0, AFitWidth, AFitHeight));
  if (ratio == 0) ratio = 0.001f;
  if (ratio < 1) ratio = 1;
  if (UseEmbedded) {
    std::unique_ptr<Image> thumb(
        image->GetThumbnailImage(UINT(std::trunc(w / ratio)), UINT(std::trunc(h / ratio))));
    if (!HasPixels(thumb.get())) return true;
    Bitmap.SetSize(int(thumb->GetWidth()), int(thumb->GetHeight()));
    if (std::unique_ptr<Gdiplus::Bitmap> target = Overlay(Bitmap)) {
      std::unique_ptr<Graphics> g = OverlayGraphics(*target);
      g->DrawImage(thumb.get(), RectF(0, 0, float(Bitmap.GetWidth()), float(Bitmap.GetHeight())));
    }
    Bitmap.SetNeedUpdate(true);
    return true;
  }
  Bitmap.SetSize(int(std::trunc(zrRectWidth(r))), int(std::trunc(zrRectHeight(r))));
  if (std::unique_ptr<Gdiplus::Bitmap> target = Overlay(Bitmap)) {
    // the lowered resolution turns the natural size into the reduced one
    target->SetResolution(image->GetHorizontalResolution() / ratio,
                          image->GetVerticalResolution() / ratio);
    std::unique_ptr<Graphics> g = OverlayGraphics(*target);
    g->SetInterpolationMode(InterpolationModeHighQuality);
    g->DrawImage(PixelsOf(*image).get(), 0.0f, 0.0f);
  }
  Bitmap.SetNeedUpdate(true);
  return true;
}

bool TzrFilterGdiPlus::LoadFromStream(TStream* AStream, TzrBitmap& Bitmap) {
  if (!AStream) return false;
  std::unique_ptr<Image> image;
  {
    TStreamAdapterRef adapter(TMyStreamAdapter::Create(AStream, soReference));
    image.reset(Image::FromStream(adapter.Get(), true));
  }
  if (!HasPixels(image.get())) return false;
  Bitmap.SetSize(int(image->GetWidth()), int(image->GetHeight()));
  if (std::unique_ptr<Gdiplus::Bitmap> target = Overlay(Bitmap)) {
    std::unique_ptr<Graphics> g = OverlayGraphics(*target);
    g->DrawImage(PixelsOf(*image).get(),
                 RectF(0, 0, float(image->GetWidth()), float(image->GetHeight())));
  }
  Bitmap.SetNeedUpdate(true);
  return true;
}

bool TzrFilterGdiPlus::SaveToStream(TStream* AStream, TzrBitmap& Bitmap, const std::string& Format,
                                    const std::string& Params) {
  if (!AStream) return false;
  return Encode(
      Bitmap, zrMimeTypeOfFormat(Format), Params,
      [AStream](const Gdiplus::Bitmap& Image, const CLSID* Clsid, const EncoderParameters* P) {
        TStreamAdapterRef adapter(TMyStreamAdapter::Create(AStream, soReference));
        return Image.Save(adapter.Get(), Clsid, P);
      });
}

bool TzrFilterGdiPlus::SaveToFile(const std::string& AFileName, TzrBitmap& Bitmap,
                                  const std::string& Params) {
  const std::string mime = zrMimeTypeOfExtension(ExtractFileExt(AFileName));
  if (mime.empty()) return false;
  return Encode(
      Bitmap, mime, Params,
      [&AFileName](const Gdiplus::Bitmap& Image, const CLSID* Clsid, const EncoderParameters* P) {
        return Image.Save(AFileName, Clsid, P);
      });
}
