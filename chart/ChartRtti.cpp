// The chart control's type information (what forms stream) and its
// stream-only entries: the legacy back colour and the palette.

#include <cstring>

#include "chart/Chart.h"
#include "chart/ColorPalettes.h"
#include "chart/Legend.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_stream.h"

namespace {

const TEnumInfo& PanningModeInfo() {
  static const TEnumInfo info("TPanningMode", {"pmNone", "pmHorizontal", "pmVertical", "pmBoth"});
  return info;
}

const TEnumInfo& ChartMouseButtonInfo() {
  static const TEnumInfo info("TMouseButton", {"mbLeft", "mbRight", "mbMiddle"});
  return info;
}

const TEnumInfo& WheelStyleInfo() {
  static const TEnumInfo info("TMouseWheelStyle", {"pmwNormal", "pmwInverted", "pmwNone"});
  return info;
}

const TEnumInfo& UnitsInfo() {
  static const TEnumInfo info("TPlotUnits", {"muPercent", "muPixels"});
  return info;
}

const TEnumInfo& BackImageModeInfo() {
  static const TEnumInfo info("TPlotBackImageMode",
                              {"pbmStretch", "pbmTile", "pbmCenter", "pbmCustom"});
  return info;
}

const TEnumInfo& BevelInfo() {
  static const TEnumInfo info("TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
  return info;
}

// The colour names a stream may give the back colour by.
const std::pair<const char*, TColor> BackColorIdents[] = {{"clBlack", clBlack},
                                                          {"clMaroon", clMaroon},
                                                          {"clGreen", clGreen},
                                                          {"clOlive", clOlive},
                                                          {"clNavy", clNavy},
                                                          {"clPurple", clPurple},
                                                          {"clTeal", clTeal},
                                                          {"clGray", clGray},
                                                          {"clSilver", clSilver},
                                                          {"clRed", clRed},
                                                          {"clLime", clLime},
                                                          {"clYellow", clYellow},
                                                          {"clBlue", clBlue},
                                                          {"clFuchsia", clFuchsia},
                                                          {"clAqua", clAqua},
                                                          {"clWhite", clWhite},
                                                          {"clNone", clNone},
                                                          {"clDefault", clDefault},
                                                          {"clBtnFace", clBtnFace},
                                                          {"clWindow", clWindow},
                                                          {"clWindowText", clWindowText},
                                                          {"clBtnShadow", clBtnShadow},
                                                          {"cl3DLight", cl3DLight},
                                                          {"clInfoBk", clInfoBk},
                                                          {"clHighlight", clHighlight},
                                                          {"clGrayText", clGrayText},
                                                          {"clBtnHighlight", clBtnHighlight}};

// The same names for the chart's colour in streams.
const TIdentMap& ChartColorIdents() {
  static const TIdentMap map = [] {
    TIdentMap m;
    for (const auto& [ident, value] : BackColorIdents) m.push_back({int64_t(value), ident});
    return m;
  }();
  return map;
}

}  // namespace

const TClassInfo* TCustomChart::Class() {
  static const TClassInfo* info =
      TClassDecl<TCustomChart>("TCustomChart", TCustomAxisPanel::Class());
  return info;
}

const TClassInfo* TChart::Class() {
  using C = TChart;
  static const TClassInfo* info =
      TClassDecl<C>("TChart", TCustomChart::Class())
          .Prop("Color", &C::GetColor, &C::SetColor)
          .Stored(&C::IsColorStored)
          .Idents(ChartColorIdents())
          .Prop("BackWall", &C::GetBackWall, &C::SetBackWall)
          .Prop("BottomWall", &C::GetBottomWall, &C::SetBottomWall)
          .Prop("LeftWall", &C::GetLeftWall, &C::SetLeftWall)
          .Prop("RightWall", &C::GetRightWall, &C::SetRightWall)
          .Prop("Foot", &C::GetFoot, &C::SetFoot)
          .Prop("SubFoot", &C::GetSubFoot, &C::SetSubFoot)
          .Prop("SubTitle", &C::GetSubTitle, &C::SetSubTitle)
          .Prop("Title", &C::GetTitle, &C::SetTitle)
          .Prop("Frame", &C::GetFrame, &C::SetFrame)
          .Prop("Legend", &C::GetLegend, &C::SetLegend)
          .Event("OnAllowScroll", &C::OnAllowScroll)
          .Event("OnClickAxis", &C::OnClickAxis)
          .Event("OnClickBackground", &C::OnClickBackGround)
          .Event("OnClickLegend", &C::OnClickLegend)
          .Event("OnClickSeries", &C::OnClickSeries)
          .Event("OnClickTitle", &C::OnClickTitle)
          .Event("OnGetLegendPos", &C::OnGetLegendPos)
          .Event("OnGetLegendRect", &C::OnGetLegendRect)
          .Event("OnGetLegendText", &C::OnGetLegendText)
          .Enum("AllowPanning", &C::GetAllowPanning, &C::SetAllowPanning, PanningModeInfo())
          .Default(pmBoth)
          .Prop("BackImage", &C::GetBackImage, &C::SetBackImage)
          .Stored(&C::HasBackImage)
          .Prop("BackImageInside", &C::GetBackImageInside, &C::SetBackImageInside)
          .Default(0)
          .Enum("BackImageMode", &C::GetBackImageMode, &C::SetBackImageMode, BackImageModeInfo())
          .Default(0)
          .Prop("BackImageTransp", &C::GetBackImageTransp, &C::SetBackImageTransp)
          .Default(0)
          .Prop("Border", &C::GetBorder, &C::SetBorder)
          .Prop("BorderRound", &C::GetBorderRound, &C::SetBorderRound)
          .Default(0)
          .Prop("Gradient", &C::GetGradient, &C::SetGradient)
          .Stored(&C::HasGradient)
          .Prop("MarginBottom", &C::GetMarginBottom, &C::SetMarginBottom)
          .Default(4)
          .Prop("MarginLeft", &C::GetMarginLeft, &C::SetMarginLeft)
          .Default(3)
          .Prop("MarginRight", &C::GetMarginRight, &C::SetMarginRight)
          .Default(3)
          .Prop("MarginTop", &C::GetMarginTop, &C::SetMarginTop)
          .Default(4)
          .Enum("MarginUnits", &C::GetMarginUnits, &C::SetMarginUnits, UnitsInfo())
          .Default(muPercent)
          .Prop("PrintProportional", &C::GetPrintProportional, &C::SetPrintProportional)
          .Default(1)
          .Enum("ScrollMouseButton", &C::GetScrollMouseButton, &C::SetScrollMouseButton,
                ChartMouseButtonInfo())
          .Default(mbRight)
          .Event("OnScroll", &C::OnScroll)
          .Event("OnUndoZoom", &C::OnUndoZoom)
          .Event("OnZoom", &C::OnZoom)
          .Prop("Emboss", &C::GetEmboss, &C::SetEmboss)
          .Prop("Monochrome", &C::GetMonochrome, &C::SetMonochrome)
          .Default(0)
          .Prop("Panning", &C::GetPanning, &C::SetPanning)
          .Prop("Shadow", &C::GetShadow, &C::SetShadow)
          .Prop("View3D", &C::GetView3D, &C::SetView3D)
          .Default(1)
          .Prop("View3DOptions", &C::GetView3DOptions, &C::SetView3DOptions)
          .Prop("Zoom", &C::GetZoom, &C::SetZoom)
          .Enum("ZoomWheel", &C::GetZoomWheel, &C::SetZoomWheel, WheelStyleInfo())
          .Default(pmwNone)
          .Event("OnAfterDraw", &C::OnAfterDraw)
          .Enum("BevelInner", &C::GetBevelInner, &C::SetBevelInner, BevelInfo())
          .Default(bvNone)
          .Enum("BevelOuter", &C::GetBevelOuter, &C::SetBevelOuter, BevelInfo())
          .Default(bvRaised)
          .Prop("BevelWidth", &C::GetBevelWidth, &C::SetBevelWidth)
          .Default(1)
          .Prop("BorderWidth", &C::GetBorderWidth, &C::SetBorderWidth)
          .Default(0)
          .Event("OnMouseDown", &C::OnMouseDown)
          .Event("OnMouseMove", &C::OnMouseMove)
          .Event("OnMouseUp", &C::OnMouseUp);
  return info;
}

// ---------------- stream-only entries ----------------

void TCustomChart::ReadBackColor(TReader* Reader) {
  TColor color = clSilver;
  if (Reader->NextValue() == TValueType::Ident) {
    const std::string name = Reader->ReadIdent();
    bool found = false;
    for (const auto& [ident, value] : BackColorIdents) {
      if (strcasecmp(ident, name.c_str()) != 0) continue;
      color = value;
      found = true;
    }
    if (!found) return;
  } else {
    color = TColor(Reader->ReadInteger());
  }
  TChartBackWall* back = FWalls->GetBack();
  back->SetColor(color);
  if (GetParent() && !IsLoading()) back->GetBrush()->SetStyle(bsSolid);
}

void TCustomChart::ReadColorPalette(TReader* Reader) {
  std::vector<TColor> colors;
  Reader->ReadListBegin();
  while (!Reader->EndOfList()) colors.push_back(TColor(Reader->ReadInteger()));
  Reader->ReadListEnd();
  if (colors.empty()) {
    FColorPaletteIndex = -1;
    return;
  }
  TColorPalettes::ApplyPalette(this, colors.data(), int(colors.size()) - 1);
}

void TCustomChart::WriteColorPalette(TWriter* Writer) {
  Writer->WriteListBegin();
  for (TColor c : ColorPalette) Writer->WriteInteger(int32_t(c));
  Writer->WriteListEnd();
}

bool TCustomChart::ColorPaletteIndexStored(TFiler* Filer) const {
  (void)Filer;
  return FColorPaletteIndex >= 0 || FColorPaletteIndex == -2;
}

void TCustomChart::DefineProperties(TFiler* Filer) {
  TCustomAxisPanel::DefineProperties(Filer);
  Filer->DefineProperty(
      "BackColor", [this](TReader* R) { ReadBackColor(R); }, nullptr, false);
  Filer->DefineProperty(
      "ColorPaletteIndex", [this](TReader* R) { SetColorPaletteIndex(R->ReadInteger()); },
      [this](TWriter* W) { W->WriteInteger(FColorPaletteIndex); }, ColorPaletteIndexStored(Filer));
  Filer->DefineProperty(
      "ColorPalette", [this](TReader* R) { ReadColorPalette(R); },
      [this](TWriter* W) { WriteColorPalette(W); }, FColorPaletteIndex == -2);
}
