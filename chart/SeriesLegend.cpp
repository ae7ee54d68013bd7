#include "chart/SeriesLegend.h"

#include "platform/rtl/RttiDecl.h"

const TClassInfo* TSeriesLegend::Class() {
  using L = TSeriesLegend;
  static const TClassInfo* info = TClassDecl<L>("TSeriesLegend", TCustomTextShape::Class())
                                      .Prop("Picture", &L::PictureProp, &L::SetPicture)
                                      .Stored(&L::IsPictureStored)
                                      .Prop("Text", &L::GetText, &L::SetText)
                                      .Stored(&L::IsTextStored)
                                      .Prop("Visible", &L::GetVisible, &L::SetVisible)
                                      .Stored(&L::IsVisibleStored);
  return info;
}
