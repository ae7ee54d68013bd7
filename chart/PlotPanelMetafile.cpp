// The chart panel as a vector picture: metafiles, SVG files and the
// clipboard's SVG data.

#include <algorithm>
#include <memory>

#include "chart/PlotPanel.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/Clipbrd.h"
#include "platform/vcl/Metafile.h"

TMetafile* TCustomPlotPanel::PlotCreateMetafile(bool Enhanced, const TRect& R) {
  auto metafile = std::make_unique<TMetafile>();
  metafile->SetWidth(std::max(1, R.Width()));
  metafile->SetHeight(std::max(1, R.Height()));
  metafile->SetEnhanced(Enhanced);
  {
    TMetafileCanvas canvas(metafile.get());
    DrawToMetaCanvas(&canvas, R);
  }
  return metafile.release();
}

void TCustomPlotPanel::SaveToMetafile(const std::string& FileName) {
  SaveToMetafileRect(false, FileName, GetRectangle());
}

void TCustomPlotPanel::SaveToMetafileEnh(const std::string& FileName) {
  SaveToMetafileRect(true, FileName, GetRectangle());
}

void TCustomPlotPanel::SaveToMetafileRect(bool Enhanced, const std::string& FileName,
                                          const TRect& R) {
  std::unique_ptr<TMetafile> metafile(PlotCreateMetafile(Enhanced, R));
  TFileStream stream(FileName, fmCreate);
  metafile->SaveToStream(stream);
}

void TCustomPlotPanel::CopyToClipboardMetafile(bool Enhanced) {
  CopyToClipboardMetafile(Enhanced, GetRectangle());
}

void TCustomPlotPanel::CopyToClipboardMetafile(bool Enhanced, const TRect& R) {
  std::unique_ptr<TMetafile> metafile(PlotCreateMetafile(Enhanced, R));
  Clipboard()->SetAsSvg(metafile->SvgData());
}
