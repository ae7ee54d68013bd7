#include "chart/ChartAxisTitle.h"

#include "platform/rtl/RttiDecl.h"

namespace {

const TEnumInfo& TitlePositionInfo() {
  static const TEnumInfo info("TAxisTitlePosition", {"tpStart", "tpCenter", "tpEnd"});
  return info;
}

}  // namespace

// ---------------- title ----------------

const TClassInfo* TChartAxisTitle::Class() {
  using T = TChartAxisTitle;
  static const TClassInfo* info =
      TClassDecl<T>("TChartAxisTitle", TCustomTextShape::Class())
          .Prop("Angle", &T::GetAngle, &T::SetAngle)
          .Stored(&T::IsAngleStored)
          .Prop("Caption", &T::GetCaption, &T::SetCaption)
          .Prop("Color", &T::GetColor, &T::SetColor)
          .Default(int64_t(clWhite))
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Enum("Position", &T::GetPosition, &T::SetPosition, TitlePositionInfo())
          .Default(tpCenter)
          .Prop("RoundSize", &T::GetRoundSize, &T::SetRoundSize)
          .Default(16)
          .Prop("Shadow", &T::GetShadow, &T::SetShadow)
          .Enum("TextAlignment", &T::GetTextAlignment, &T::SetTextAlignment, TextAlignmentInfo())
          .Stored(&T::IsTextAlignStored)
          .Enum("TextFormat", &T::GetTextFormat, &T::SetTextFormat, TextFormatInfo())
          .Default(ttfNormal)
          .Prop("Transparent", &T::GetTransparent, &T::SetTransparent)
          .Stored(&T::IsTransparentStored)
          .Prop("Visible", &T::GetVisible, &T::SetVisible)
          .Stored(&T::IsVisibleStored);
  return info;
}

TChartAxisTitle::TChartAxisTitle(TCustomPlotPanel* AOwner) : TCustomTextShape(AOwner) {
  InitTextAlignment(taCenter);
  InitTransparent(true);
}

void TChartAxisTitle::Assign(TPersistent* Source) {
  if (auto* t = dynamic_cast<TChartAxisTitle*>(Source)) FPosition = t->FPosition;
  TCustomTextShape::Assign(Source);
}

std::string TChartAxisTitle::GetCaption() const {
  const std::string& text = GetText();
  return text.substr(0, text.find(PlotLineSeparator));
}

bool TChartAxisTitle::Clicked(TPoint P) const {
  if (!GetVisible() || GetCaption().empty()) return false;
  return ClickedShape(P, ShapeBounds);
}

// ---------------- labels format ----------------

const TClassInfo* TAxisLabelsFormat::Class() {
  using F = TAxisLabelsFormat;
  static const TClassInfo* info =
      TClassDecl<F>("TAxisLabelsFormat", TCustomTextShape::Class())
          .Prop("ClipText", &F::GetClipText, &F::SetClipText)
          .Default(1)
          .Prop("Color", &F::GetColor, &F::SetColor)
          .Default(int64_t(clWhite))
          .Prop("Font", &F::GetFont, &F::SetFont)
          .Prop("Frame", &F::GetFrame, &F::SetFrame)
          .Prop("RoundSize", &F::GetRoundSize, &F::SetRoundSize)
          .Default(16)
          .Prop("Shadow", &F::GetShadow, &F::SetShadow)
          .Enum("TextAlignment", &F::GetTextAlignment, &F::SetTextAlignment, TextAlignmentInfo())
          .Stored(&F::IsTextAlignStored)
          .Enum("TextFormat", &F::GetTextFormat, &F::SetTextFormat, TextFormatInfo())
          .Default(ttfNormal)
          .Prop("Transparency", &F::GetTransparency, &F::SetTransparency)
          .Default(0)
          .Prop("Transparent", &F::GetTransparent, &F::SetTransparent)
          .Stored(&F::IsTransparentStored)
          .Enum("VertTextAlign", &F::GetVertTextAlign, &F::SetVertTextAlign, VertTextAlignInfo())
          .Default(vtaCenter)
          .Prop("Visible", &F::GetVisible, &F::SetVisible)
          .Stored(&F::IsVisibleStored);
  return info;
}

TAxisLabelsFormat::TAxisLabelsFormat(TCustomPlotPanel* AOwner) : TCustomTextShape(AOwner) {
  InitTextAlignment(taCenter);
  InitTransparent(true);
}

// ---------------- back shape ----------------

const TClassInfo* TAxisBackShape::Class() {
  static const TClassInfo* info = TClassDecl<TAxisBackShape>("TAxisBackShape", TPlotShape::Class());
  return info;
}

TAxisBackShape::TAxisBackShape(TCustomPlotPanel* AOwner) : TPlotShape(AOwner) {
  FVisible = DefaultVisible = false;
  FShadow->InitValues(false, FShadow->GetColor(), FShadow->GetSize());
  FDraw3D = true;
}
