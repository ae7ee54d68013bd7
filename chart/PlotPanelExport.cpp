// The chart panel drawn onto other canvases: unbuffered drawing and bitmaps.

#include <memory>

#include "chart/PlotCanvas3D.h"
#include "chart/PlotGeometry.h"
#include "chart/PlotPanel.h"
#include "platform/vcl/Clipbrd.h"

void TCustomPlotPanel::NonBufferDraw(TCanvas* C, const TRect& R) {
  TCanvas* reference = InternalCanvas->GetReferenceCanvas();
  bool noOptions = InternalCanvas->GetView3DOptions() == nullptr;
  bool buffered = GetBufferedDisplay();
  auto* gdiCanvas = dynamic_cast<TPlotCanvas3D*>(InternalCanvas);
  if (gdiCanvas) gdiCanvas->IKeepBitmap = true;
  SetBufferedDisplay(false);
  bool autoRepaint = AutoRepaint;
  AutoRepaint = false;
  auto restore = [&] {
    AutoRepaint = autoRepaint;
    if (noOptions) InternalCanvas->SetView3DOptions(nullptr);
    SetBufferedDisplay(buffered);
    InternalCanvas->SetCanvas(reference);
    if (!gdiCanvas) return;
    gdiCanvas->IKeepBitmap = false;
    if (!buffered) gdiCanvas->Invalidate();
  };
  try {
    Draw(C, R);
  } catch (...) {
    restore();
    throw;
  }
  restore();
}

void TCustomPlotPanel::DrawToMetaCanvas(TCanvas* C, const TRect& R) {
  InternalCanvas->SetMetafiling(true);
  try {
    NonBufferDraw(C, R);
  } catch (...) {
    InternalCanvas->SetMetafiling(false);
    throw;
  }
  InternalCanvas->SetMetafiling(false);
}

TBitmap* TCustomPlotPanel::PlotCreateBitmap() {
  return PlotCreateBitmap(GetColor(), GetRectangle(), pfDevice, 0);
}

TBitmap* TCustomPlotPanel::PlotCreateBitmap(TColor K, const TRect& R, TPixelFormat F, int DPI) {
  auto bitmap = std::make_unique<TBitmap>();
  TBitmap* rendered = bitmap.get();
  if (InternalCanvas && K == GetColor() && InternalCanvas->RenderToBitmap(rendered, R)) {
    bitmap->SetPixelFormat(F);
  } else {
    if (InternalCanvas->GetSupportsFullRotation() && F == pfDevice) F = pf24bit;
    bitmap->SetPixelFormat(F);
    PlotSetBitmapSize(bitmap.get(), R.Width(), R.Height());
    if (K != TColor(0xFFFFFF)) {
      bitmap->GetCanvas()->GetBrush()->SetColor(K == clDefault ? GetColor() : K);
      bitmap->GetCanvas()->FillRect(R);
    }
    NonBufferDraw(bitmap->GetCanvas(), R);
  }
  if (K == clNone || K == TColor(0xFF000000)) {
    bitmap->SetTransparent(true);
    bitmap->SetTransparentMode(tmFixed);
    bitmap->SetTransparentColor(K);
  }
  if (DPI > 0) PlotSetBitmapDPI(bitmap.get(), DPI);
  return bitmap.release();
}

void TCustomPlotPanel::SaveToBitmapFile(const std::string& FileName) {
  SaveToBitmapFile(FileName, GetRectangle());
}

void TCustomPlotPanel::SaveToBitmapFile(const std::string& FileName, const TRect& R) {
  std::unique_ptr<TBitmap> bitmap(PlotCreateBitmap(TColor(0xFFFFFF), R, pfDevice, 0));
  bitmap->SaveToFile(FileName);
}

void TCustomPlotPanel::CopyToClipboardBitmap() { CopyToClipboardBitmap(GetRectangle()); }

void TCustomPlotPanel::CopyToClipboardBitmap(const TRect& R) {
  std::unique_ptr<TBitmap> bitmap(PlotCreateBitmap(GetColor(), R, pfDevice, 0));
  Clipboard()->SetAsBitmap(bitmap.get());
}

void TCustomPlotPanel::AssignTo(TPersistent* Dest) {
  if (dynamic_cast<TGraphic*>(Dest) || dynamic_cast<TPicture*>(Dest)) {
    std::unique_ptr<TBitmap> bitmap(PlotCreateBitmap());
    Dest->Assign(bitmap.get());
    return;
  }
  TCustomPanelNoCaption::AssignTo(Dest);
}
