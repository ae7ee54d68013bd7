// Metafiles on Cairo recording surfaces, saved as SVG.

#include "platform/vcl/Metafile.h"

#include <cairo-svg.h>

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"

const TClassInfo* TMetafile::Class() {
  static const TClassInfo* info = TClassDecl<TMetafile>("TMetafile", TGraphic::Class());
  return info;
}

TMetafile::TMetafile() = default;

TMetafile::~TMetafile() {
  if (FRecording) cairo_surface_destroy(FRecording);
}

void TMetafile::Reset() {
  if (FRecording) cairo_surface_destroy(FRecording);
  FRecording = nullptr;
  if (FWidth > 0 && FHeight > 0) {
    cairo_rectangle_t extents{0, 0, double(FWidth), double(FHeight)};
    FRecording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
  }
  Changed();
}

void TMetafile::SetWidth(int Value) {
  if (Value == FWidth) return;
  FWidth = std::max(0, Value);
  Reset();
}

void TMetafile::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = std::max(0, Value);
  Reset();
}

void TMetafile::Draw(TCanvas* ACanvas, const TRect& R) {
  if (!FRecording || !ACanvas || R.Width() == 0 || R.Height() == 0) return;
  // Replayed into pixels of the target size, then copied like a bitmap.
  int w = std::abs(R.Width()), h = std::abs(R.Height());
  gdi::BITMAPINFO info;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  void* bits = nullptr;
  gdi::HBITMAP bm = gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bm) return;
  gdi::HDC src = gdi::CreateCompatibleDC(nullptr);
  gdi::HGDIOBJ old = gdi::SelectObject(src, bm);
  gdi::HDC dst = ACanvas->GetHandle();
  // The canvas's pixels first, so what the recording leaves clear stays.
  gdi::StretchBlt(src, 0, 0, w, h, dst, std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), w, h,
                  gdi::SRCCOPY);
  cairo_surface_t* img = cairo_image_surface_create_for_data(static_cast<unsigned char*>(bits),
                                                             CAIRO_FORMAT_RGB24, w, h, w * 4);
  cairo_t* cr = cairo_create(img);
  cairo_scale(cr, double(w) / FWidth, double(h) / FHeight);
  cairo_set_source_surface(cr, FRecording, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(img);
  cairo_surface_destroy(img);
  gdi::StretchBlt(dst, R.Left, R.Top, R.Width(), R.Height(), src, 0, 0, w, h, gdi::SRCCOPY);
  gdi::SelectObject(src, old);
  gdi::DeleteDC(src);
  gdi::DeleteObject(bm);
}

void TMetafile::LoadFromStream(TStream&) {
  throw EInvalidGraphicOperation("Metafiles cannot be read");
}

namespace {
cairo_status_t AppendTo(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}
}  // namespace

std::string TMetafile::SvgData() const {
  std::string out;
  cairo_surface_t* svg = cairo_svg_surface_create_for_stream(AppendTo, &out, std::max(1, FWidth),
                                                             std::max(1, FHeight));
  cairo_svg_surface_set_document_unit(svg, CAIRO_SVG_UNIT_PX);
  if (FRecording) {
    cairo_t* cr = cairo_create(svg);
    cairo_set_source_surface(cr, FRecording, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
  }
  cairo_surface_finish(svg);
  cairo_surface_destroy(svg);
  return out;
}

void TMetafile::SaveToStream(TStream& Stream) {
  std::string data = SvgData();
  Stream.WriteBuffer(data.data(), int32_t(data.size()));
}

TMetafileCanvas::TMetafileCanvas(TMetafile* Metafile) {
  if (!Metafile || !Metafile->Recording())
    throw EInvalidGraphicOperation("Metafile has no size to draw on");
  SetHandle(gdi::CreateVectorDC(Metafile->Recording(), Metafile->GetWidth(), Metafile->GetHeight(),
                                96, 1.0));
}

TMetafileCanvas::~TMetafileCanvas() {
  gdi::HDC dc = HandleAllocated() ? GetHandle() : nullptr;
  SetHandle(nullptr);
  if (dc) gdi::DeleteDC(dc);
}
