#include "chart/Callout.h"

#include "chart/ChartSeries.h"
#include "chart/ChartSeriesTypes.h"
#include "chart/PlotCanvas.h"
#include "chart/PlotPanel.h"
#include "chart/PlotWidgets.h"
#include "platform/rtl/RttiDecl.h"

bool PlotCheckMarkArrowColor = false;

namespace {

const TEnumInfo& ArrowHeadInfo() {
  static const TEnumInfo info("TArrowHeadStyle", {"ahNone", "ahLine", "ahSolid"});
  return info;
}

}  // namespace

// ---------------- TCallout ----------------

TCallout::TCallout(TChartSeries* AOwner)
    : TSeriesPointer(AOwner), FArrow(std::make_unique<TWhitePen>(Changed())) {
  FInflate = true;
  FFullGradient = DefaultFullGradient = true;
  FStyle = psRectangle;
  FVisible = true;
  FDraw3D = false;
  FBrush->InitColor(0);
}

TCallout::~TCallout() = default;

const TClassInfo* TCallout::Class() {
  using C = TCallout;
  static const TClassInfo* info =
      TClassDecl<C>("TCallout", TSeriesPointer::Class())
          .Prop("Arrow", &C::GetArrow, &C::SetArrow)
          .Enum("ArrowHead", &C::GetArrowHead, &C::SetArrowHead, ArrowHeadInfo())
          .Default(ahNone)
          .Prop("ArrowHeadSize", &C::GetArrowHeadSize, &C::SetArrowHeadSize)
          .Default(8)
          .Prop("Distance", &C::GetDistance, &C::SetDistance)
          .Default(0)
          .Prop("Draw3D", &C::GetDraw3D, &C::SetDraw3D)
          .Default(0)
          .Prop("InflateMargins", &C::GetInflateMargins, &C::SetInflateMargins)
          .Default(1)
          .Enum("Style", &C::GetStyle, &C::SetStyle, SeriesPointerStyleInfo())
          .Default(psRectangle)
          .Prop("Visible", &C::GetVisible, &C::SetVisible)
          .Stored(&C::IsVisibleStored);
  return info;
}

void TCallout::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TCallout*>(Source)) {
    FDistance = s->FDistance;
    FArrow->Assign(s->FArrow.get());
    FArrowHead = s->FArrowHead;
    FArrowHeadSize = s->FArrowHeadSize;
  }
  TSeriesPointer::Assign(Source);
}

void TCallout::Draw(TColor AColor, TPoint ArrowFrom, TPoint MidPoint, TPoint ArrowTo, int Z,
                    bool DrawMiddle) {
  if (FParent) Draw(FParent, AColor, ArrowFrom, MidPoint, ArrowTo, Z, DrawMiddle);
}

void TCallout::Draw(TCustomPlotPanel* APanel, TColor AColor, TPoint ArrowFrom, TPoint MidPoint,
                    TPoint ArrowTo, int Z, bool DrawMiddle) {
  TCanvas3D* c = APanel->GetCanvas();
  const bool is3D = APanel->GetView3D();
  if (FArrow->GetVisible()) {
    PrepareCanvas(c, AColor);
    if (FArrowHead != ahSolid) c->GetBrush()->SetStyle(bsClear);
    TColor penColor = FArrow->GetColor();
    if (PlotCheckMarkArrowColor && (penColor == AColor || penColor == APanel->GetColor()))
      penColor = APanel->GetColor() == 0 ? clWhite : clBlack;
    c->AssignVisiblePenColor(FArrow.get(), penColor);
    if (FArrowHead != ahNone) {
      c->Arrow(FArrowHead == ahSolid, ArrowTo, ArrowFrom, FArrowHeadSize, FArrowHeadSize, Z);
    } else if (is3D) {
      if (DrawMiddle) {
        c->LineWithZ(ArrowFrom.X, ArrowFrom.Y, MidPoint.X, MidPoint.Y, Z);
        c->LineWithZ(MidPoint.X, MidPoint.Y, ArrowTo.X, ArrowTo.Y, Z);
      } else {
        c->LineWithZ(ArrowFrom.X, ArrowFrom.Y, ArrowTo.X, ArrowTo.Y, Z);
      }
    } else if (DrawMiddle) {
      c->Line(ArrowFrom, MidPoint);
      c->Line(MidPoint, ArrowTo);
    } else {
      c->Line(ArrowFrom, ArrowTo);
    }
  }
  if (FArrowHead != ahNone || !FVisible) return;
  TPoint p = is3D ? c->Calculate3DPosition(ArrowFrom.X, ArrowFrom.Y, Z) : ArrowFrom;
  PrepareCanvas(c, AColor);
  DrawPointer(c, false, p.X, p.Y, FHorizSize, FVertSize, AColor, FStyle);
}

// ---------------- TMarksCallout ----------------

TMarksCallout::TMarksCallout(TChartSeries* AOwner) : TCallout(AOwner) {
  FVisible = DefaultVisible = false;
}

const TClassInfo* TMarksCallout::Class() {
  using M = TMarksCallout;
  static const TClassInfo* info = TClassDecl<M>("TMarksCallout", TCallout::Class())
                                      .Prop("Length", &M::GetLength, &M::SetLength)
                                      .Stored(&M::IsLengthStored);
  return info;
}

void TMarksCallout::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TMarksCallout*>(Source)) FLength = s->FLength;
  TCallout::Assign(Source);
}

void TMarksCallout::SetLength(int Value) { Store(FLength, Value); }

void TMarksCallout::ApplyArrowLength(TSeriesMarkPosition* APosition) const {
  const int l = FLength + FDistance;
  APosition->LeftTop.Y -= l;
  APosition->ArrowTo.Y -= l;
  APosition->ArrowFrom.Y -= FDistance;
}
