#include "chart/PlotHover.h"

#include "chart/ChartElement.h"
#include "platform/rtl/RttiDecl.h"

// ---------------- TPlotHover ----------------

const TClassInfo* TPlotHover::Class() {
  using H = TPlotHover;
  static const TClassInfo* info = TClassDecl<H>("TPlotHover", TCustomTextShape::Class())
                                      .Prop("Visible", &H::GetVisible, &H::SetVisible)
                                      .Stored(&H::IsVisibleStored);
  return info;
}

TPlotHover::TPlotHover(TCustomPlotPanel* AOwner) : TCustomTextShape(AOwner) {
  FFont->InitColor(clRed);
  FPen->SetColor(TPlotCanvas::ColorFrom(clRed, 128));
  FPen->InitWidth(3);
}

// ---------------- TPlotSelected ----------------

const TClassInfo* TPlotSelected::Class() {
  using S = TPlotSelected;
  static const TClassInfo* info = TClassDecl<S>("TPlotSelected", TCustomTextShape::Class())
                                      .Prop("Hover", &S::GetHover, &S::SetHover);
  return info;
}

TPlotSelected::TPlotSelected(TObject* Element)
    : TCustomTextShape(nullptr), FHover(std::make_unique<TPlotHover>()), IElement(Element) {
  FVisible = false;
  FPen->SetColor(clRed);
  FPen->SetWidth(2);
}

TPlotSelected::~TPlotSelected() = default;

void TPlotSelected::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TPlotSelected*>(Source)) FHover->Assign(s->FHover.get());
  TCustomTextShape::Assign(Source);
}

void TPlotSelected::SetHoverIndex(int Value) {
  if (FHoverIndex == Value) return;
  FHoverIndex = Value;
  if (FHover->GetVisible()) DoRepaint();
}

void TPlotSelected::SetItemIndex(int Value) {
  if (FItemIndex == Value) return;
  FItemIndex = Value;
  if (GetVisible()) DoRepaint();
}

void TPlotSelected::DoRepaint() {
  if (auto* element = dynamic_cast<TCustomChartElement*>(IElement))
    element->Repaint();
  else if (auto* shape = dynamic_cast<TPlotCustomShape*>(IElement))
    shape->Repaint();
  else if (auto* chart = dynamic_cast<TCustomPlotPanel*>(IElement))
    chart->Invalidate();
}
