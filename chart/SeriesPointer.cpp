// The series pointer: its formatting, one marker drawn through the chart
// canvas in 2D or 3D, the hit test of each style, margins and depths, and
// the marker as a legend symbol.

#include "chart/SeriesPointer.h"

#include <cmath>

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/ChartSeries.h"
#include "chart/PlotBlend.h"
#include "chart/PlotGradient.h"
#include "chart/PlotHover.h"
#include "chart/PlotRoutines.h"
#include "chart/PlotUnitRoutines.h"
#include "platform/rtl/RttiDecl.h"

namespace {

int RoundEven(double Value) { return int(std::nearbyint(Value)); }

TCustomPlotPanel* PanelOf(TChartSeries* Series) {
  return Series ? dynamic_cast<TCustomPlotPanel*>(Series->GetParentChart()) : nullptr;
}

// The six corners of the hexagon in R centred at (X, Y).
std::vector<TPoint> HexagonPoints(const TRect& R, int X, int Y, int V) {
  return {{X, R.Top},    {R.Right, Y - V / 2}, {R.Right, Y + V / 2},
          {X, R.Bottom}, {R.Left, Y + V / 2},  {R.Left, Y - V / 2}};
}

const TEnumInfo& SizeUnitsInfo() {
  static const TEnumInfo info("TPointerSizeUnits", {"suPixels", "suAxis"});
  return info;
}

}  // namespace

const TEnumInfo& SeriesPointerStyleInfo() {
  static const TEnumInfo info(
      "TSeriesPointerStyle",
      {"psRectangle", "psCircle", "psTriangle", "psDownTriangle", "psCross", "psDiagCross",
       "psStar", "psDiamond", "psSmallDot", "psNothing", "psLeftTriangle", "psRightTriangle",
       "psHexagon", "psVisual", "psDonut", "psArrow"});
  return info;
}

const TClassInfo* TSeriesPointer::Class() {
  using S = TSeriesPointer;
  static const TClassInfo* info =
      TClassDecl<S>("TSeriesPointer", TPlotCustomShapeBrushPen::Class())
          .Prop("Brush", &S::GetBrush, &S::SetBrush)
          .Prop("Dark3D", &S::GetDark3D, &S::SetDark3D)
          .Default(1)
          .Prop("DarkPen", &S::GetDarkPen, &S::SetDarkPen)
          .Default(0)
          .Prop("Depth", &S::GetDepth, &S::SetDepth)
          .Default(0)
          .Prop("Draw3D", &S::GetDraw3D, &S::SetDraw3D)
          .Default(1)
          .Prop("Emboss", &S::EmbossProp, &S::SetEmboss)
          .Stored(&S::HasEmboss)
          .Prop("FullGradient", &S::GetFullGradient, &S::SetFullGradient)
          .Stored(&S::IsFullGradientStored)
          .Prop("Gradient", &S::GetGradient, &S::SetGradient)
          .Prop("HorizSize", &S::GetHorizSize, &S::SetHorizSize)
          .Default(4)
          .Prop("InflateMargins", &S::GetInflateMargins, &S::SetInflateMargins)
          .Stored(&S::AlwaysStored)
          .Prop("Pen", &S::GetPen, &S::SetPen)
          .Prop("Picture", &S::PictureProp, &S::SetPicture)
          .Stored(&S::HasPicture)
          .Prop("Shadow", &S::ShadowProp, &S::SetShadow)
          .Stored(&S::HasShadow)
          .Enum("SizeUnits", &S::GetSizeUnits, &S::SetSizeUnits, SizeUnitsInfo())
          .Default(suPixels)
          .Enum("Style", &S::GetStyle, &S::SetStyle, SeriesPointerStyleInfo())
          .Stored(&S::AlwaysStored)
          .Prop("Transparency", &S::GetTransparency, &S::SetTransparency)
          .Default(0)
          .Prop("VertSize", &S::GetVertSize, &S::SetVertSize)
          .Default(4)
          .Prop("Visible", &S::GetVisible, &S::SetVisible)
          .Stored(&S::IsVisibleStored)
          .Prop("Selected", &S::SelectedProp, &S::SetSelected)
          .Stored(&S::HasSelected);
  return info;
}

TSeriesPointer::TSeriesPointer(TChartSeries* AOwner) : FSeries(AOwner) {
  if (AOwner) SetParent(PanelOf(AOwner));
}

TSeriesPointer::~TSeriesPointer() = default;

void TSeriesPointer::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TSeriesPointer*>(Source);
  if (s) {
    FDark3D = s->FDark3D;
    FDepth = s->FDepth;
    FDraw3D = s->FDraw3D;
    FDarkPen = s->FDarkPen;
    FFullGradient = s->FFullGradient;
    FHorizSize = s->FHorizSize;
    FInflate = s->FInflate;
    SetEmboss(s->FEmboss.get());
    SetPicture(s->FPicture.get());
    SetShadow(s->FShadow.get());
    FSizeFloat = s->FSizeFloat;
    FSizeUnits = s->FSizeUnits;
    FStyle = s->FStyle;
    FTransparency = s->FTransparency;
    FVertSize = s->FVertSize;
  }
  TPlotCustomShapeBrushPen::Assign(Source);
}

// ---------------- optional parts ----------------

TPlotEmboss* TSeriesPointer::GetEmboss() const {
  if (!FEmboss) {
    auto* self = const_cast<TSeriesPointer*>(this);
    FEmboss = std::make_unique<TPlotEmboss>(self->Changed());
    FEmboss->InitValues(false, FEmboss->GetColor(), 3);
  }
  return FEmboss.get();
}

void TSeriesPointer::SetEmboss(TPlotEmboss* Value) {
  if (Value == nullptr)
    FEmboss.reset();
  else
    GetEmboss()->Assign(Value);
}

TPlotShadow* TSeriesPointer::GetShadow() const {
  if (!FShadow) {
    auto* self = const_cast<TSeriesPointer*>(this);
    FShadow = std::make_unique<TPlotShadow>(self->Changed());
    FShadow->InitValues(false, FShadow->GetColor(), 3);
  }
  return FShadow.get();
}

void TSeriesPointer::SetShadow(TPlotShadow* Value) {
  if (Value == nullptr)
    FShadow.reset();
  else
    GetShadow()->Assign(Value);
}

TPlotPicture* TSeriesPointer::GetPicture() const {
  if (!FPicture) {
    auto* self = const_cast<TSeriesPointer*>(this);
    FPicture = std::make_unique<TPlotPicture>();
    FPicture->OnChange = [self](TObject*) { self->Repaint(); };
  }
  return FPicture.get();
}

void TSeriesPointer::SetPicture(TPlotPicture* Value) {
  if (Value == nullptr)
    FPicture.reset();
  else
    GetPicture()->Assign(Value);
}

TPlotSelected* TSeriesPointer::GetSelected() const {
  if (!FSelected) FSelected = std::make_unique<TPlotSelected>(const_cast<TSeriesPointer*>(this));
  return FSelected.get();
}

void TSeriesPointer::SetSelected(TPlotSelected* Value) {
  if (Value == nullptr)
    FSelected.reset();
  else
    GetSelected()->Assign(Value);
}

// ---------------- sizes and depths ----------------

void TSeriesPointer::CalcSize(int& H, int& V) const {
  if (FSizeFloat == 0) {
    H = FHorizSize;
    V = FVertSize;
    return;
  }
  if (FSizeUnits == suAxis && FSeries && FSeries->GetVertAxisInUse())
    H = FSeries->GetVertAxisInUse()->CalcSizeValue(FSizeFloat);
  else
    H = RoundEven(FSizeFloat);
  V = H;
}

int TSeriesPointer::GetStartZ() const {
  if (!FSeries) return Z;
  return FDepth != 0 ? FSeries->MiddleZ - FDepth : FSeries->StartZ;
}

int TSeriesPointer::GetMiddleZ() const { return FSeries ? FSeries->MiddleZ : Z; }

int TSeriesPointer::GetEndZ() const {
  if (!FSeries) return Z;
  return FDepth != 0 ? FSeries->MiddleZ + FDepth : FSeries->EndZ;
}

void TSeriesPointer::CalcHorizMargins(int& LeftMargin, int& RightMargin) const {
  if (!GetVisible() || !FInflate) return;
  const int extra = FPen->GetVisible() ? FPen->GetWidth() / 2 + 1 : 1;
  LeftMargin = std::max(LeftMargin, FHorizSize + extra);
  RightMargin = std::max(RightMargin, FHorizSize + extra);
}

void TSeriesPointer::CalcVerticalMargins(int& TopMargin, int& BottomMargin) const {
  if (!GetVisible() || !FInflate) return;
  const int extra = FPen->GetVisible() ? FPen->GetWidth() / 2 : 1;
  TopMargin = std::max(TopMargin, FVertSize + extra);
  BottomMargin = std::max(BottomMargin, FVertSize + extra);
}

// ---------------- canvas ----------------

void TSeriesPointer::PrepareCanvas(TCanvas3D* ACanvas, TColor ColorValue) {
  if (FPen->GetVisible()) {
    TColor c;
    if (FDarkPen > 0)
      c = ApplyDark(ColorValue, uint8_t(FDarkPen));
    else if (FDarkPen < 0)
      c = ApplyBright(ColorValue, uint8_t(-FDarkPen));
    else
      c = FPen->GetColor() == clDefault ? ColorValue : FPen->GetColor();
    if (FDarkPen != 0) c = TPlotCanvas::ColorFrom(c, TPlotCanvas::ColorAlpha(FPen->GetColor()));
    ACanvas->AssignVisiblePenColor(FPen.get(), c);
  } else if (ACanvas->GetPen()->GetVisible()) {
    ACanvas->GetPen()->SetStyle(psClear);
  }
  TColor brush = FBrush->GetColor();
  if (brush == clDefault)
    brush = FBrush->GetStyle() != bsSolid ? FBrush->GetBackColor() : ColorValue;
  ACanvas->AssignBrush(FBrush.get(), brush, ColorValue);
}

void TSeriesPointer::Prepare() {
  if (FParent) PrepareCanvas(FParent->GetCanvas(), GetColor());
}

void TSeriesPointer::Draw(int X, int Y) { Draw(X, Y, GetColor(), FStyle); }

void TSeriesPointer::Draw(int X, int Y, TColor AColor, TSeriesPointerStyle AStyle) {
  if (!FParent) return;
  TChartAxis* axis = FSeries ? FSeries->GetVertAxisInUse() : nullptr;
  auto convert = [&](double Value) {
    return FSizeUnits == suAxis && axis ? axis->CalcSizeValue(Value) : RoundEven(Value);
  };
  int h, v;
  if (FSizeFloat != 0) {
    h = v = convert(FSizeFloat);
  } else if (FSizeUnits == suAxis && axis) {
    h = axis->CalcSizeValue(FHorizSize);
    v = axis->CalcSizeValue(FVertSize);
  } else {
    h = FHorizSize;
    v = FVertSize;
  }
  DrawPointer(FParent->GetCanvas(), FParent->GetView3D(), X, Y, h, v, AColor, AStyle);
}

void TSeriesPointer::DrawEffect(TCanvas3D* ACanvas, TPlotShadow* Effect, TSeriesPointerStyle AStyle,
                                const TRect& R, int ZPos, int px, int py, int tmpHoriz,
                                int tmpVert) {
  if (!Effect->ShouldDraw()) return;
  if (AStyle != psRectangle && AStyle != psCircle && AStyle != psDonut && AStyle != psHexagon &&
      AStyle != psArrow)
    return;
  Effect->ZPosition = ZPos;
  TPlotBrush* b = ACanvas->GetBrush();
  const TColor color = b->GetColor();
  const TBrushStyle style = b->GetStyle();
  const TPenStyle penStyle = ACanvas->GetPen()->GetStyle();
  switch (AStyle) {
    case psRectangle:
      Effect->Draw(ACanvas, R, 0, 0);
      break;
    case psCircle:
      Effect->DrawEllipse(ACanvas, R, 0, 0, 360);
      break;
    case psDonut:
      Effect->DrawEllipse(ACanvas, R, 50, 0, 360);
      break;
    case psHexagon:
      Effect->Draw(ACanvas, HexagonPoints(R, px, py, tmpVert));
      break;
    default: {
      TPointArray p = ACanvas->GetArrowPoints(50, TPoint{px, R.Top}, TPoint{px, R.Bottom}, tmpHoriz,
                                              tmpVert, ZPos);
      Effect->Draw(ACanvas, std::span<const TPoint>(p.data(), p.size()));
    }
  }
  b->SetColor(color);
  b->SetStyle(style);
  ACanvas->GetPen()->SetStyle(penStyle);
}

void TSeriesPointer::DrawPointer(TCanvas3D* ACanvas, bool Is3D, int px, int py, int tmpHoriz,
                                 int tmpVert, TColor ColorValue, TSeriesPointerStyle AStyle) {
  const TRect R{FCenterPixel ? px - tmpHoriz : px + 1 - tmpHoriz,
                FCenterPixel ? py - tmpVert : py + 1 - tmpVert, px + tmpHoriz, py + tmpVert};
  const int z = GetStartZ();
  DrawEffect(ACanvas, GetShadow(), AStyle, R, z, px, py, tmpHoriz, tmpVert);
  DrawEffect(ACanvas, GetEmboss(), AStyle, R, z, px, py, tmpHoriz, tmpVert);

  TPlotBlend* blend = nullptr;
  if (FTransparency != 0) {
    TRect b = PlotZeroRect;
    if (!ACanvas->GetSupportsAlpha()) {
      b = TRect{R.Left, R.Top, R.Right + 1, R.Bottom + 1};
      if (Is3D && AStyle == psRectangle && FDraw3D && ACanvas->GetIsOrthogonal()) {
        b.Right += GetEndZ() - z;
        b.Top -= GetEndZ() - z;
      }
      b = ACanvas->RectFromRectZ(b, z);
    }
    blend = ACanvas->BeginBlending(b, FTransparency);
  }
  if (FBrush->HasGradient() && !FFullGradient) {
    const bool saved = FParent ? FParent->AutoRepaint : false;
    if (FParent) FParent->AutoRepaint = false;
    FBrush->GetGradient()->SetEndColor(ColorValue);
    if (ACanvas->IsGradientVisible()) ACanvas->GetGradient()->SetEndColor(ColorValue);
    if (FParent) FParent->AutoRepaint = saved;
  }
  DrawShape(ACanvas, Is3D, R, z, px, py, tmpHoriz, tmpVert, AStyle);
  DrawPicture(ACanvas, Is3D, R, z, AStyle);
  if (FTransparency != 0) ACanvas->EndBlending(blend);
}

void TSeriesPointer::DrawShape(TCanvas3D* C, bool Is3D, const TRect& R, int ZPos, int X, int Y,
                               int H, int V, TSeriesPointerStyle AStyle) {
  auto polygon = [&](std::vector<TPoint> P) {
    if (Is3D)
      for (TPoint& p : P) p = C->Calculate3DPosition(p, ZPos);
    C->Polygon(P);
  };
  auto cross = [&] {
    if (Is3D) {
      C->VertLine3D(X, R.Top, R.Bottom + 1, ZPos);
      C->HorizLine3D(R.Left, R.Right + 1, Y, ZPos);
    } else {
      C->DoVertLine(X, R.Top, R.Bottom + 1);
      C->DoHorizLine(R.Left, R.Right + 1, Y);
    }
  };
  auto diagCross = [&] {
    if (Is3D) {
      C->LineWithZ(R.Left, R.Top, R.Right + 1, R.Bottom + 1, ZPos);
      C->LineWithZ(R.Right, R.Top, R.Left - 1, R.Bottom + 1, ZPos);
    } else {
      C->Line(R.Left, R.Top, R.Right + 1, R.Bottom + 1);
      C->Line(R.Right, R.Top, R.Left - 1, R.Bottom + 1);
    }
  };
  switch (AStyle) {
    case psRectangle:
      if (!Is3D)
        C->Rectangle(R.Left, R.Top, R.Right + 1, R.Bottom + 1);
      else if (FDraw3D)
        C->Cube(R.Left, R.Right, R.Top, R.Bottom, ZPos, GetEndZ(), FDark3D, 0);
      else
        C->RectangleWithZ(TRect{R.Left, R.Top, R.Right + 1, R.Bottom + 1}, ZPos);
      break;
    case psCircle:
      if (!Is3D)
        C->Ellipse(R.Left, R.Top, R.Right, R.Bottom);
      else if (FDraw3D && C->GetSupportsFullRotation())
        C->Sphere(X, Y, GetMiddleZ(), FSizeFloat != 0 ? FSizeFloat : H);
      else
        C->EllipseWithZ(R.Left, R.Top, R.Right, R.Bottom, ZPos);
      break;
    case psTriangle:
    case psDownTriangle: {
      const int v = AStyle == psTriangle ? V : -V;
      if (Is3D && FDraw3D)
        C->Pyramid(true, R.Left, Y - v, R.Right, Y + v, ZPos, GetEndZ(), FDark3D);
      else
        polygon({{R.Left, Y + v}, {R.Right, Y + v}, {X, Y - v}});
      break;
    }
    case psCross:
      cross();
      break;
    case psDiagCross:
      diagCross();
      break;
    case psStar:
      cross();
      diagCross();
      break;
    case psDiamond:
      polygon({{R.Left, Y}, {X, R.Top}, {R.Right, Y}, {X, R.Bottom}});
      break;
    case psSmallDot:
      if (Is3D)
        C->SetPixel3D(X, Y, GetMiddleZ(), C->GetBrush()->GetColor());
      else
        C->SetPixel(X, Y, C->GetBrush()->GetColor());
      break;
    case psLeftTriangle:
      polygon({{R.Left, Y}, {R.Right, R.Bottom}, {R.Right, R.Top}});
      break;
    case psRightTriangle:
      polygon({{R.Right, Y}, {R.Left, R.Bottom}, {R.Left, R.Top}});
      break;
    case psHexagon:
      polygon(HexagonPoints(R, X, Y, V));
      break;
    case psDonut:
      if (!Is3D) {
        C->Donut(X, Y, H, V, 0, 360, 50);
      } else if (C->GetIsOrthogonal()) {
        const TPoint p = C->Calculate3DPosition(X, Y, ZPos);
        C->Donut(p.X, p.Y, H, V, 0, 360, 50);
      } else {
        C->EllipseWithZ(R.Left, R.Top, R.Right, R.Bottom, ZPos);
      }
      break;
    case psArrow:
      C->Arrow(C->GetBrush()->GetStyle() != bsClear, TPoint{X, R.Top}, TPoint{X, R.Bottom}, H, V,
               ZPos);
      break;
    case psNothing:
    case psVisual:
      break;
  }
}

void TSeriesPointer::DrawPicture(TCanvas3D* C, bool Is3D, const TRect& R, int ZPos,
                                 TSeriesPointerStyle AStyle) {
  if (!FPicture || !FPicture->Valid()) return;
  TGraphic* g = FPicture->Filtered();
  if (g == nullptr) return;
  if (Is3D && !C->GetIsOrthogonal()) {
    C->StretchDraw(R, g, ZPos, cpZ);
    return;
  }
  const TRect r = Is3D ? C->CalcRect3D(R, ZPos) : R;
  if (AStyle == psCircle) C->ClipEllipse(r, false);
  C->StretchDraw(r, g);
  if (AStyle == psCircle) C->UnClipRectangle();
}

// ---------------- hit test ----------------

bool TSeriesPointer::Clicked(TSeriesPointerStyle AStyle, TPoint P, int X, int Y) const {
  const TRect R = RectFromCenter(X, Y, FHorizSize, FVertSize);
  const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
  switch (AStyle) {
    case psNothing:
      return false;
    case psCircle:
    case psHexagon:
    case psDonut:
      return PointInEllipse(P, R);
    case psTriangle:
      return PointInTriangle(P, R.Left, R.Right, R.Bottom, R.Top);
    case psDownTriangle:
      return PointInTriangle(P, R.Left, R.Right, R.Top, R.Bottom);
    case psLeftTriangle:
      return PointInHorizTriangle(P, R.Top, R.Bottom, R.Right, R.Left);
    case psRightTriangle:
      return PointInHorizTriangle(P, R.Top, R.Bottom, R.Left, R.Right);
    case psDiamond: {
      const TPoint d[4] = {{cx, R.Top}, {R.Right, cy}, {cx, R.Bottom}, {R.Left, cy}};
      return PointInPolygon(P, d, 4);
    }
    case psArrow: {
      TPointArray a = TPlotCanvas::GetArrowPoints(50, TPoint{cx, R.Top}, TPoint{cx, R.Bottom},
                                                  FHorizSize, FVertSize);
      return PointInPolygon(P, a.data(), int(a.size()));
    }
    default:
      return std::abs(X - P.X) < FHorizSize && std::abs(Y - P.Y) < FVertSize;
  }
}

// ---------------- legend ----------------

void PlotPointerDrawLegend(TSeriesPointer* Pointer, TColor AColor, const TRect& Rect, bool DrawPen,
                           TSeriesPointerStyle AStyle) {
  TCustomPlotPanel* panel = Pointer->GetParentChart();
  if (panel == nullptr) return;
  TCanvas3D* c = panel->GetCanvas();
  Pointer->PrepareCanvas(c, AColor);
  int w = Pointer->GetPen()->GetVisible() ? Pointer->GetPen()->GetWidth() : 0;
  // A chart legend pen stands for a symbol that does not use the default pen.
  auto* chart = dynamic_cast<TCustomAxisPanel*>(panel);
  if (chart && chart->LegendPen) {
    c->AssignVisiblePenColor(chart->LegendPen, chart->LegendPen->GetColor());
    DrawPen = chart->LegendPen->GetVisible();
    w = chart->LegendPen->GetWidth();
  }
  const int W = Rect.Width(), Hh = Rect.Height();
  int h, v;
  if (DrawPen) {
    if (W < 2 * w || Hh < 2 * w) c->GetPen()->SetWidth(std::min(W, Hh) / 2);
    h = W / 2;
    v = Hh / 2;
  } else {
    h = W / 2 + 1;
    v = Hh / 2 + 1;
  }
  int x = (Rect.Left + Rect.Right) / 2;
  const int y = (Rect.Top + Rect.Bottom) / 2;
  if (Pointer->HasShadow() && Pointer->GetShadow()->GetVisible()) {
    h -= Pointer->GetShadow()->GetHorizSize() / 2;
    x -= Pointer->GetShadow()->GetHorizSize() / 2;
  }
  const double r =
      Pointer->GetHorizSize() == 0 ? 1.0 : double(Pointer->GetVertSize()) / Pointer->GetHorizSize();
  if (h >= v * r)
    h = std::min(h, RoundEven(v / r));
  else
    v = std::min(v, RoundEven(h * r));
  h = std::min(h, Pointer->GetHorizSize());
  v = std::min(v, Pointer->GetVertSize());
  const TPointerSizeUnits units = Pointer->GetSizeUnits();
  Pointer->SetSizeUnits(suPixels);
  Pointer->DrawPointer(c, false, x, y, h, v, AColor, AStyle);
  Pointer->SetSizeUnits(units);
}
