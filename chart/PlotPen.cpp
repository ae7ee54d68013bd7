#include "chart/PlotPen.h"

#include "chart/PlotGradient.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/RttiDecl.h"

using namespace gdi;

namespace {

const TEnumInfo& EndStyleInfo() {
  static const TEnumInfo info("TPenEndStyle", {"esRound", "esSquare", "esFlat"});
  return info;
}
const TEnumInfo& JoinStyleInfo() {
  static const TEnumInfo info("TPenJoinStyle", {"jsRound", "jsBevel", "jsMitter"});
  return info;
}
const TEnumInfo& HatchStyleInfo() {
  static const TEnumInfo info(
      "THatchStyle",
      {"hsHorizontal", "hsVertical", "hsForwardDiagonal", "hsBackwardDiagonal", "hsCross",
       "hsDiagonalCross", "hs05Percent", "hs10Percent", "hs20Percent", "hs25Percent",
       "hs30Percent", "hs40Percent", "hs50Percent", "hs60Percent", "hs70Percent",
       "hs75Percent", "hs80Percent", "hs90Percent", "hsLightDownwardDiagonal",
       "hsLightUpwardDiagonal", "hsDarkDownwardDiagonal", "hsDarkUpwardDiagonal",
       "hsWideDownwardDiagonal", "hsWideUpwardDiagonal", "hsLightVertical",
       "hsLightHorizontal", "hsNarrowVertical", "hsNarrowHorizontal", "hsDarkVertical",
       "hsDarkHorizontal", "hsDashedDownwardDiagonal", "hsDashedUpwardDiagonal",
       "hsDashedHorizontal", "hsDashedVertical", "hsSmallConfetti", "hsLargeConfetti",
       "hsZigZag", "hsWave", "hsDiagonalBrick", "hsHorizontalBrick", "hsWeave", "hsPlaid",
       "hsDivot", "hsDottedGrid", "hsDottedDiamond", "hsShingle", "hsTrellis", "hsSphere",
       "hsSmallGrid", "hsSmallCheckerBoard", "hsLargeCheckerBoard", "hsOutlinedDiamond",
       "hsSolidDiamond"});
  return info;
}

}  // namespace

// ---------------- brush ----------------

const TClassInfo* TPlotBrush::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotBrush>("TPlotBrush", TBrush::Class())
          .Prop("Color", &TPlotBrush::GetColor, &TPlotBrush::SetColor)
          .Default(clWhite)
          .Stored(&TPlotBrush::IsColorStored)
          .Prop("BackColor", &TPlotBrush::GetBackColor, &TPlotBrush::SetBackColor)
          .Default(clNone)
          .Prop("Gradient", &TPlotBrush::GetGradient, &TPlotBrush::SetGradient)
          .Enum("HatchStyle", &TPlotBrush::GetHatchStyle, &TPlotBrush::SetHatchStyle,
                HatchStyleInfo())
          .Default(hsHorizontal)
          .Prop("Image", &TPlotBrush::ImageProp, &TPlotBrush::SetImage)
          .Stored(&TPlotBrush::IsImageStored);
  return info;
}

TPlotBrush::TPlotBrush(TNotifyEvent OnChangeEvent) {
  InitColor(0x20000000);
  FBackColor = clNone;
  OnChange = std::move(OnChangeEvent);
}

TPlotBrush::~TPlotBrush() = default;

void TPlotBrush::InitColor(TColor Value) {
  TNotifyEvent saved = std::move(OnChange);
  OnChange = nullptr;
  SetColor(Value);
  DefaultColor = Value;
  OnChange = std::move(saved);
}

void TPlotBrush::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TPlotBrush*>(Source)) {
    SetImage(source->FImage.get());
    FBackColor = source->FBackColor;
    FHatchStyle = source->FHatchStyle;
    if (source->FGradient)
      SetGradient(source->FGradient.get());
    else
      FGradient.reset();
  }
  TBrush::Assign(Source);
}

void TPlotBrush::Clear() {
  SetStyle(bsClear);
  SetImage(nullptr);
  FGradient.reset();
}

TPlotGradient* TPlotBrush::GetGradient() {
  if (!FGradient) FGradient = std::make_unique<TPlotGradient>(OnChange);
  return FGradient.get();
}

void TPlotBrush::SetGradient(TPlotGradient* Value) {
  if (!Value)
    FGradient.reset();
  else if (Value != FGradient.get())
    GetGradient()->Assign(Value);
  Changed();
}

bool TPlotBrush::HasGradient() const { return FGradient && FGradient->GetVisible(); }

void TPlotBrush::SetBackColor(TColor Value) {
  if (Value == FBackColor) return;
  FBackColor = Value;
  Changed();
}

void TPlotBrush::SetHatchStyle(THatchStyle Value) {
  if (Value == FHatchStyle) return;
  FHatchStyle = Value;
  TNotifyEvent saved = std::move(OnChange);
  OnChange = nullptr;
  if (Value <= hsDiagonalCross) SetStyle(TBrushStyle(Value + 2));
  OnChange = std::move(saved);
  Changed();
}

TPlotPicture* TPlotBrush::GetImage() {
  if (!FImage) {
    FImage = std::make_unique<TPlotPicture>();
    FImage->OnChange = OnChange;
  }
  return FImage.get();
}

void TPlotBrush::SetImage(TPlotPicture* Value) {
  if (!Value) {
    if (!FImage) return;
    FImage.reset();
    Changed();
    return;
  }
  if (Value != FImage.get()) GetImage()->Assign(Value);
  Changed();
}

bool TPlotBrush::HasGraphic() const {
  if (!FImage) return false;
  TGraphic* g = FImage->GetGraphic();
  return g && !g->GetEmpty();
}

// ---------------- pen ----------------

const TClassInfo* TPlotPen::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotPen>("TPlotPen", TPen::Class())
          .Prop("Width", &TPlotPen::GetWidth, &TPlotPen::SetWidth)
          .Stored(&TPlotPen::IsWidthStored)
          .Enum("EndStyle", &TPlotPen::GetEndStyle, &TPlotPen::SetEndStyle, EndStyleInfo())
          .Stored(&TPlotPen::IsEndStored)
          .Prop("Fill", &TPlotPen::GetFill, &TPlotPen::SetFill)
          .Enum("JoinStyle", &TPlotPen::GetJoinStyle, &TPlotPen::SetJoinStyle, JoinStyleInfo())
          .Stored(&TPlotPen::IsJoinStored)
          .Prop("SmallDots", &TPlotPen::GetSmallDots, &TPlotPen::SetSmallDots)
          .Default(0)
          .Prop("SmallSpace", &TPlotPen::GetSmallSpace, &TPlotPen::SetSmallSpace)
          .Default(0)
          .Prop("Visible", &TPlotPen::GetVisible, &TPlotPen::SetVisible)
          .Stored(&TPlotPen::IsVisibleStored);
  return info;
}

TPlotPen::TPlotPen(TNotifyEvent OnChangeEvent) { OnChange = std::move(OnChangeEvent); }

TPlotPen::~TPlotPen() = default;

void TPlotPen::Notify() { Changed(); }

void TPlotPen::InitEndStyle(TPenEndStyle Value) {
  DefaultEnd = Value;
  FEndStyle = Value;
}

int TPlotPen::HalfWidth() const {
  if (!FVisible || GetWidth() < 2) return 0;
  return GetWidth() / 2;
}

void TPlotPen::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TPlotPen*>(Source)) {
    FVisible = source->FVisible;
    FSmallDots = source->FSmallDots;
    FSmallSpace = source->FSmallSpace;
    FEndStyle = source->FEndStyle;
    FJoinStyle = source->FJoinStyle;
    if (!source->FFill)
      FFill.reset();
    else
      GetFill()->Assign(source->FFill.get());
  }
  TPen::Assign(Source);
}

void TPlotPen::SetEndStyle(TPenEndStyle Value) {
  if (Value == FEndStyle) return;
  FEndStyle = Value;
  Notify();
}

void TPlotPen::SetJoinStyle(TPenJoinStyle Value) {
  if (Value == FJoinStyle) return;
  FJoinStyle = Value;
  Notify();
}

void TPlotPen::SetSmallDots(bool Value) {
  if (Value == FSmallDots) return;
  FSmallDots = Value;
  Notify();
}

void TPlotPen::SetSmallSpace(int Value) {
  if (Value == FSmallSpace) return;
  FSmallSpace = Value;
  Notify();
}

void TPlotPen::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  Notify();
}

TPlotBrush* TPlotPen::GetFill() {
  if (!FFill) FFill = std::make_unique<TPlotBrush>(OnChange);
  return FFill.get();
}

void TPlotPen::SetFill(TPlotBrush* Value) {
  if (!Value) {
    FFill.reset();
    return;
  }
  if (Value != FFill.get()) GetFill()->Assign(Value);
}

// ---------------- stock pens ----------------

const TClassInfo* TPlotHiddenPen::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotHiddenPen>("TPlotHiddenPen", TPlotPen::Class())
          .Prop("Visible", &TPlotHiddenPen::GetVisible, &TPlotHiddenPen::SetVisible)
          .Default(0);
  return info;
}

TPlotHiddenPen::TPlotHiddenPen(TNotifyEvent OnChangeEvent) : TPlotPen(std::move(OnChangeEvent)) {
  FVisible = false;
  DefaultVisible = false;
}

const TClassInfo* TDottedGrayPen::Class() {
  static const TClassInfo* info =
      TClassDecl<TDottedGrayPen>("TDottedGrayPen", TPlotPen::Class())
          .Prop("Color", &TDottedGrayPen::GetColor, &TDottedGrayPen::SetColor)
          .Default(0x808080)
          .Enum("Style", &TDottedGrayPen::GetStyle, &TDottedGrayPen::SetStyle,
                *TPen::Class()->FindProperty("Style")->EnumType)
          .Default(psDot);
  return info;
}

TDottedGrayPen::TDottedGrayPen(TNotifyEvent OnChangeEvent) : TPlotPen(std::move(OnChangeEvent)) {
  InitColor(0x808080);
  SetStyle(psDot);
}

const TClassInfo* TDarkGrayPen::Class() {
  static const TClassInfo* info =
      TClassDecl<TDarkGrayPen>("TDarkGrayPen", TPlotPen::Class())
          .Prop("Color", &TDarkGrayPen::GetColor, &TDarkGrayPen::SetColor)
          .Default(0x808080);
  return info;
}

TDarkGrayPen::TDarkGrayPen(TNotifyEvent OnChangeEvent) : TPlotPen(std::move(OnChangeEvent)) {
  InitColor(0x808080);
}

// ---------------- device pens ----------------

HPEN PlotCreatePenSmallDots(TColor AColor, int ASpace) {
  LOGBRUSH brush;
  brush.lbStyle = BS_SOLID;
  brush.lbColor = ColorToRGB(AColor);
  if (ASpace <= 0) return ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
  DWORD style[2] = {0, DWORD(ASpace + 1)};
  return ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, &brush, 2, style);
}

void PlotSetPlotPen(TPen* APen, TPlotPen* APlotPen, TColor AColor) {
  if (APlotPen->GetSmallDots() && APlotPen->GetStyle() != psClear) {
    APen->SetHandle(PlotCreatePenSmallDots(AColor, APlotPen->GetSmallSpace()));
    APen->SetMode(APlotPen->GetMode());
    return;
  }
  if (APlotPen->GetWidth() > 1) {
    static const DWORD kEnds[] = {PS_ENDCAP_ROUND, PS_ENDCAP_SQUARE, PS_ENDCAP_FLAT};
    static const DWORD kJoins[] = {PS_JOIN_ROUND, PS_JOIN_BEVEL, PS_JOIN_MITER};
    APen->Assign(APlotPen);
    APen->SetColor(AColor);
    LOGBRUSH brush;
    brush.lbStyle = BS_SOLID;
    brush.lbColor = ColorToRGB(AColor);
    DWORD style = DWORD(APlotPen->GetStyle()) | PS_GEOMETRIC | kEnds[APlotPen->GetEndStyle()] |
                  kJoins[APlotPen->GetJoinStyle()];
    APen->SetHandle(ExtCreatePen(style, DWORD(APlotPen->GetWidth()), &brush, 0, nullptr));
    return;
  }
  APen->Assign(APlotPen);
  if (APen->GetColor() != AColor) APen->SetColor(AColor);
}
