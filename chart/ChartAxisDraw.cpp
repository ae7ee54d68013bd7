// Drawing one axis: its background shape, title, line, ticks, grid, minor
// marks and labels in a fixed order; the same drawing for an axis placed by
// hand; and the rectangle its drawing covers, for hit tests.

#include <algorithm>
#include <cmath>
#include <set>

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/ChartAxisTitle.h"
#include "chart/PlotGeometry.h"
#include "chart/PlotHover.h"
#include "chart/PlotPicture.h"

namespace {

constexpr TColor GridDefaultGrey = 0x808080;

bool SameValue(double A, double B) {
  const double eps = std::max(std::fabs(A), std::fabs(B)) * 1e-12;
  return std::fabs(A - B) <= std::max(eps, 1e-300);
}

// Canvas text-alignment codes of the labels.
constexpr unsigned AlignLeft = 0, AlignRight = 2, AlignCenter = 6, AlignBottom = 8;

}  // namespace

int PlotAxisClickGap = 3;

TCanvas3D* TChartAxis::Canvas() const { return FParentChart->GetCanvas(); }

bool TChartAxis::Is3D() const { return FParentChart->GetView3D(); }

int TChartAxis::DepthAxisAlign() const { return FOtherSide ? 0 : 2; }

int TChartAxis::DepthAxisPos() const {
  const TRect& r = FParentChart->ChartRect;
  return FOtherSide ? r.Bottom - CalcZPos() : r.Top + CalcZPos();
}

void TChartAxis::Draw(bool CalcPosAxis) {
  if (!FParentChart || !Canvas()) return;
  TCanvas3D* c = Canvas();
  c->BeginEntity(IAxisID, nullptr, Transform.get());
  TChartAxis* parent = GetParentAxis();
  IAxisDateTime = parent ? parent->IsDateTime() : IsDateTime();
  const TRect& r = FParentChart->ChartRect;
  if (CalcPosAxis) FPosAxis = ApplyPosition(GetRectangleEdge(r), r);
  if (FShape && FShape->GetVisible()) DrawBackShape();
  DrawAxisTitle();
  CalcLabels();
  DrawLineTicksGrid();
  if (GetLabelsVisible() && !FLabels->GetBehind()) DrawLabels();
  c->EndEntity();
  DrawSubAxes();
}

void TChartAxis::DrawSubAxes() {
  if (!HasSubAxes()) return;
  for (int i = 0; i < FSubAxes->Count(); ++i) {
    auto* sub = static_cast<TChartAxis*>(FSubAxes->GetItem(i));
    if (!sub->GetVisible()) continue;
    AssignToSub(sub);
    sub->IStartPos = IStartPos;
    sub->IEndPos = IEndPos;
    sub->RecalcSizeCenter();
    sub->Draw(false);
  }
}

void TChartAxis::DrawBackShape() {
  TAxisLabelsFormat* f = FLabels->GetFormat();
  TMargins* m = f->GetMargins();
  int s = SizeLabels() + (FHorizontal ? m->VertSize() : m->HorizSize()) + 3;
  if (FLabels->GetPosition() != lpAtTick)
    s = std::max(SizeTickAxis(true) - 2, s);
  else
    s += SizeTickAxis(true);
  if (FOtherSide) s = -s;
  FShape->ShapeBounds = FHorizontal ? TRect{IStartPos, FPosAxis, IEndPos, FPosAxis + s}
                                    : TRect{FPosAxis - s, IStartPos, FPosAxis, IEndPos};
  FShape->Draw(FParentChart, FShape->ShapeBounds, FShape->GetAngle(), IZPos);
}

void TChartAxis::DrawAxisTitle() {
  if (!FAxisTitle || !FAxisTitle->GetVisible() || FAxisTitle->GetCaption().empty()) return;
  int along = ICenterPos;
  if (FAxisTitle->GetPosition() != tpCenter) {
    FParentChart->PrepareFont3D(FAxisTitle->GetFont());
    const int half = Canvas()->TextWidth(FAxisTitle->GetCaption()) / 2;
    // The start is the end where the minimum lies.
    bool atLowPixel = FHorizontal != FInverted;
    if (FAxisTitle->GetPosition() == tpEnd) atLowPixel = !atLowPixel;
    along = atLowPixel ? IStartPos + half : IEndPos - half;
  }
  if (IDepthAxis)
    DrawTitle(FPosTitle, DepthAxisPos());
  else if (FHorizontal)
    DrawTitle(along, FPosTitle);
  else
    DrawTitle(FPosTitle, along);
}

void TChartAxis::DrawTitle(int X, int Y) {
  TChartAxisTitle* t = GetAxisTitle();
  TCanvas3D* c = Canvas();
  c->BeginEntity("Title", nullptr, t->Transform.get());
  FParentChart->PrepareFont3D(t->GetFont());
  c->SetBackMode(cbmTransparent);
  if (IDepthAxis) {
    c->SetTextAlign(unsigned(DepthAxisAlign()));
    c->RotateLabel3D(X, Y, FParentChart->Width3D / 2, t->GetCaption(), t->GetAngle(),
                     t->GetTextFormat() == ttfHtml);
  } else if (!Is3D() || FParentChart->GetView3DOptions()->GetOrthogonal()) {
    t->CalcBounds(FParentChart);
    const int w = t->GetWidth(), h = t->GetHeight();
    TPlotShadow* shadow = t->GetShadow();
    const int shadowY = shadow->GetVisible() ? shadow->GetVertSize() : 0;
    TPoint p;
    if (FHorizontal) {
      p = TPoint{X - w / 2, Y};
      if (t->GetAngle() == 90) p.Y += FOtherSide ? -h : h;
      if (FOtherSide) p.Y -= h + shadowY;
    } else {
      const int k = h / 2;
      const int o = (FOtherSide ? k : -k) - shadowY;
      const double a = t->GetAngle() * M_PI / 180;
      const double s = FOtherSide ? std::fabs(std::sin(a)) : 2 - std::fabs(std::sin(a));
      p = TPoint{X + o - PlotRound(w * s * 0.5), Y - k};
    }
    p = c->Calculate3DPosition(p, IZPos);
    t->MoveTo(p);
    t->Draw();
  } else {
    // A title is no number: the labels' exponent form is off for it. The
    // label drawing sets the format's text, so the title's lines come back.
    const std::string text = t->GetText();
    FLabels->IExponentOff = true;
    auto restore = [&] {
      FLabels->IExponentOff = false;
      t->SetText(text);
    };
    try {
      DrawAxisLabel(X, Y, -1, t->GetCaption(), t, IZPos, nullptr, t->GetAngle());
    } catch (...) {
      restore();
      throw;
    }
    restore();
  }
  c->EndEntity();
}

void TChartAxis::DrawLineTicksGrid() {
  TCanvas3D* c = Canvas();
  c->GetBrush()->SetStyle(bsClear);
  c->SetBackMode(cbmTransparent);
  IWallSize = FParentChart->CalcWallSize(this);
  if (FAxis->GetVisible()) {
    c->AssignVisiblePenColor(FAxis.get(), FAxis->GetColor());
    if (FAxis->GetLineMode() != lmLine) {
      c->GetPen()->SetStyle(psClear);
      c->GetBrush()->SetStyle(bsSolid);
      c->GetBrush()->SetColor(FAxis->GetColor());
    }
    if (OnDrawAxis)
      OnDrawAxis(this);
    else
      DrawLineSegment(IStartPos, IEndPos);
  }
  if (FTickLength != 0) DrawTicks(FTicks.get(), "Ticks", 1, FTickLength);
  DrawGrids(int(Tick.size()));
  if (FTickInnerLength != 0) DrawTicks(FTicksInner.get(), "InnerTicks", -1, -FTickInnerLength);
  if (FMinorTickLength != 0) {
    c->BeginEntity("MinorTicks", nullptr, nullptr);
    DrawMinorMarks(FMinorTicks.get(), false);
    c->EndEntity();
  }
  DrawMinorMarks(FMinorGrid.get(), true);
  c->SetBackMode(cbmOpaque);
}

void TChartAxis::DrawLineSegment(int StartPos, int EndPos) {
  TCanvas3D* c = Canvas();
  const TRect& r = FParentChart->ChartRect;
  const int w = FAxis->GetWidth();
  if (IDepthAxis) {
    if (!Is3D()) return;
    const int y = FOtherSide
                      ? r.Bottom + FParentChart->CalcWallSize(FParentChart->GetBottomAxis()) - IZPos
                      : r.Top - IZPos;
    c->MoveTo3D(FPosAxis, y, StartPos);
    c->LineTo3D(FPosAxis, y, EndPos);
    return;
  }
  int d = w / 2 + IWallSize;
  const TPenLineMode mode = FAxis->GetLineMode();
  if (FHorizontal) {
    int s = StartPos, e = EndPos, y = FPosAxis;
    if (!FOtherSide) {
      s -= FParentChart->CalcWallSize(FParentChart->GetLeftAxis());
      e += FParentChart->CalcWallSize(FParentChart->GetRightAxis());
      y += d;
    }
    if (!Is3D())
      c->DoHorizLine(s, e, y);
    else if (mode == lmLine)
      c->HorizLine3D(s, e, y, IZPos);
    else if (mode == lmCylinder)
      c->Cylinder(false, s, y - w, e, y + w, IZPos - w, IZPos + w, true);
    else
      c->Cube(s, e, y - w, y + w, IZPos - w, IZPos + w, true, 0);
    return;
  }
  if (!FOtherSide) d = -d;
  const int x = FPosAxis + d;
  const int e = EndPos + FParentChart->CalcWallSize(FParentChart->GetBottomAxis());
  if (!Is3D())
    c->DoVertLine(x, StartPos, e);
  else if (mode == lmLine)
    c->VertLine3D(x, StartPos, e, IZPos);
  else if (mode == lmCylinder)
    c->Cylinder(true, x - w, StartPos, x + w, e, IZPos - w, IZPos + w, true);
  else
    c->Cube(x - w, x + w, StartPos, e, IZPos - w, IZPos + w, true, 0);
}

void TChartAxis::DrawLine(int X0, int Y0, int X1, int Y1) {
  TCanvas3D* c = Canvas();
  if (Y0 == Y1) {
    if (Is3D())
      c->HorizLine3D(X0, X1, Y0, IZPos);
    else
      c->DoHorizLine(X0, X1, Y0);
  } else if (Is3D()) {
    c->VertLine3D(X0, Y0, Y1, IZPos);
  } else {
    c->DoVertLine(X0, Y0, Y1);
  }
}

void TChartAxis::DrawTick(int T, int Offset, int Length) {
  TCanvas3D* c = Canvas();
  const int w = FAxis->GetWidth();
  if (IDepthAxis) {
    const int y = DepthAxisPos();
    const int x0 = FOtherSide ? FPosAxis + Offset : FPosAxis - Offset;
    const int x1 = FOtherSide ? x0 + Length : x0 - Length;
    c->HorizLine3D(x0, x1, y, T);
    return;
  }
  if (FOtherSide) {
    if (FHorizontal) {
      DrawLine(T, FPosAxis - Offset, T, FPosAxis - Offset - Length);
    } else {
      const int x0 = FPosAxis + Offset + IWallSize;
      DrawLine(x0, T, x0 + Length, T);
    }
    return;
  }
  Offset += IWallSize;
  if (FHorizontal) {
    const int y0 = FPosAxis + Offset + w - 1;
    DrawLine(T, y0, T, y0 + Length);
  } else {
    const int x0 = FPosAxis - Offset - w + 1;
    DrawLine(x0, T, x0 - Length, T);
  }
}

void TChartAxis::DrawTicks(TPlotPen* Pen, const char* Entity, int Offset, int Length) {
  if (!Pen->GetVisible()) return;
  TCanvas3D* c = Canvas();
  c->BeginEntity(Entity, nullptr, nullptr);
  c->AssignVisiblePenColor(Pen, Pen->GetColor());
  for (int t : Tick) DrawTick(t, Offset, Length);
  c->EndEntity();
}

void TChartAxis::DrawMinorMark(int P, bool AsGrid) {
  if (P <= IStartPos || P >= IEndPos) return;
  if (AsGrid)
    DrawGridLine(P);
  else
    DrawTick(P, 1, FMinorTickLength);
}

void TChartAxis::DrawMinorMarks(TPlotPen* Pen, bool AsGrid) {
  if (Tick.empty() || !Pen->GetVisible()) return;
  TCanvas3D* c = Canvas();
  c->SetBackMode(cbmTransparent);
  c->GetBrush()->SetStyle(bsClear);
  c->AssignVisiblePenColor(Pen, Pen->GetColor());
  const int n = FMinorTickCount + 1;
  if (FLogarithmic) {
    DrawLogMinorMarks(AsGrid);
    return;
  }
  if (Tick.size() < 2) return;
  double d = double(Tick[1] - Tick[0]) / n;
  for (int j = 1; j <= FMinorTickCount; ++j) {
    DrawMinorMark(Tick.front() - PlotRound(j * d), AsGrid);
    DrawMinorMark(Tick.back() + PlotRound(j * d), AsGrid);
  }
  for (size_t i = 1; i < Tick.size(); ++i) {
    d = double(Tick[i] - Tick[i - 1]) / n;
    for (int j = 1; j <= FMinorTickCount; ++j) DrawMinorMark(Tick[i] - PlotRound(d * j), AsGrid);
  }
}

void TChartAxis::DrawLogMinorMarks(bool AsGrid) {
  const double b = FLogarithmicBase;
  const int n = FMinorTickCount + 1;
  const int count = int(Tick.size());
  std::vector<double> starts{CalcPosPoint(Tick.back()) / b};
  for (int i = 0; i <= count - 3; ++i) starts.push_back(CalcPosPoint(Tick[size_t(i)]));
  starts.push_back(CalcPosPoint(Tick.back()));
  std::set<double> used;
  for (double x : starts) {
    if (!used.insert(x).second) continue;
    for (int j = 1; j <= FMinorTickCount; ++j) {
      const double v = x + j * (x * b - x) / n;
      if (v >= IMinimum && v <= IMaximum) DrawMinorMark(CalcPosValue(v), AsGrid);
    }
  }
}

void TChartAxis::DrawGrids(int NumTicks) {
  if (OnDrawGrids) OnDrawGrids(this);
  if (!FGrid->GetVisible()) return;
  TCanvas3D* c = Canvas();
  c->BeginEntity("Grid", nullptr, nullptr);
  c->SetBackMode(cbmTransparent);
  c->GetBrush()->SetStyle(bsClear);
  const TColor color = FGrid->GetColor() == clDefault ? GridDefaultGrey : FGrid->GetColor();
  c->AssignVisiblePenColor(FGrid.get(), color);
  const int every = std::max(1, FGrid->GetDrawEvery());
  NumTicks = std::min(NumTicks, int(Tick.size()));
  if (FGrid->GetCentered()) {
    for (int i = 1; i < NumTicks; ++i)
      if (i % every == 0) DrawGridLine(PlotRound((Tick[size_t(i)] + Tick[size_t(i - 1)]) * 0.5));
  } else {
    for (int i = 0; i < NumTicks; ++i)
      if (i % every == 0) DrawGridLine(Tick[size_t(i)]);
  }
  c->EndEntity();
}

void TChartAxis::DrawGridLine(int Pos) {
  if (Pos <= IStartPos || Pos >= IEndPos) return;
  TCanvas3D* c = Canvas();
  const TRect& r = FParentChart->ChartRect;
  int a = FHorizontal ? r.Top : r.Left;
  int b = FHorizontal ? r.Bottom : r.Right;
  if (FUsePartnerAxis && FPartnerAxis) {
    a = FPartnerAxis->CalcPosValue(FPartnerAxis->GetMinimum());
    b = FPartnerAxis->CalcPosValue(FPartnerAxis->GetMaximum());
    if (FPartnerAxis->GetInverted()) std::swap(a, b);
  }
  if (IDepthAxis) {
    c->VertLine3D(r.Left, r.Top, r.Bottom, Pos);
    c->HorizLine3D(r.Left, r.Right, r.Bottom, Pos);
    return;
  }
  auto line = [&](int Z) {
    if (FHorizontal)
      c->VertLine3D(Pos, a, b, Z);
    else
      c->HorizLine3D(a, b, Pos, Z);
  };
  if (!Is3D()) {
    if (FHorizontal)
      c->DoVertLine(Pos, a, b);
    else
      c->DoHorizLine(a, b, Pos);
    return;
  }
  if (!FParentChart->GetAxisBehind()) {
    line(0);
    return;
  }
  const int depth = FParentChart->Width3D;
  if (!IHideBackGrid) line(depth);
  if (IHideSideGrid) return;
  const int z = PlotRound(depth * FGrid->GetZPosition() * 0.01);
  if (z == depth) return;
  if (FHorizontal)
    c->ZLine3D(Pos, FPosAxis, z, depth);
  else
    c->ZLine3D(FPosAxis, Pos, z, depth);
}

void TChartAxis::DrawLabels() {
  TCanvas3D* c = Canvas();
  c->BeginEntity("Labels", nullptr, nullptr);
  IAlternateFlag = FHorizontal;
  for (int i = 0; i < FAxisItems->Count(); ++i) {
    TAxisItem* item = FAxisItems->Get(i);
    const double v = item->GetValue();
    const bool inside = (v >= IMinimum && v <= IMaximum) || SameValue(v, IMinimum);
    if (!inside && !FAxisItems->IDrawAll) continue;
    TAxisLabelsFormat* f = item->ActiveFormat();
    if (!f->GetVisible()) continue;
    DrawOneLabel(i, item->FLabelPos, item->GetText(), LabelFormat(i, f), item->GetPicture());
  }
  c->EndEntity();
}

// The hovered label draws in the hover look at the labels' font size.
TCustomTextShape* TChartAxis::LabelFormat(int Index, TAxisLabelsFormat* Format) {
  if (!FAxisItems->HoverShown() || FAxisItems->GetSelected()->GetHoverIndex() != Index)
    return Format;
  TPlotHover* hover = FAxisItems->GetSelected()->GetHover();
  if (hover->GetFont()->GetSize() != GetLabelsFont()->GetSize())
    hover->GetFont()->SetSize(GetLabelsFont()->GetSize());
  return hover;
}

void TChartAxis::DrawOneLabel(int Index, int Pos, const std::string& Text, TCustomTextShape* Format,
                              TPlotPicture* Picture) {
  TCanvas3D* c = Canvas();
  FParentChart->PrepareFont3D(Format ? Format->GetFont() : GetLabelsFont());
  c->GetBrush()->SetStyle(bsClear);
  c->SetBackMode(cbmTransparent);
  if (IDepthAxis) {
    c->SetTextAlign(unsigned(DepthAxisAlign()));
    TView3DOptions* o = FParentChart->GetView3DOptions();
    if (o->GetRotation() == 360 || o->GetOrthogonal()) Pos += c->TextHeight(std::string("W")) / 2;
    const int x = FOtherSide ? FPosLabels : FPosLabels - c->TextWidth(std::string("W")) / 2 - 2;
    DrawAxisLabel(x, DepthAxisPos(), Index, Text, Format, Pos, Picture, GetLabelsAngle());
    return;
  }
  int line = FPosLabels;
  if (FLabels->GetAlternate()) {
    if (!IAlternateFlag) {
      const int step = FHorizontal ? c->TextHeight(std::string("W")) : MaxLabelsWidth();
      // Outwards is up for a top axis and left for a left axis.
      const bool towardsLess = FHorizontal ? FOtherSide : !FOtherSide;
      line += towardsLess ? -step : step;
    }
    IAlternateFlag = !IAlternateFlag;
  }
  if (FHorizontal)
    DrawAxisLabel(Pos, line, Index, Text, Format, 0, Picture, GetLabelsAngle());
  else
    DrawAxisLabel(line, Pos, Index, Text, Format, 0, Picture, GetLabelsAngle());
}

void TChartAxis::DrawAxisLabel(int X, int Y, int ItemIndex, const std::string& St,
                               TCustomTextShape* Format, int Z, TPlotPicture* Picture, int Angle) {
  TCanvas3D* c = Canvas();
  const int hW = PlotRound(c->TextHeight(std::string("W")));
  Angle = ((Angle % 360) + 360) % 360;
  unsigned align;
  const TAxisLabelAlign labelsAlign = FLabels->GetAlign();
  if (labelsAlign == alCenter) {
    X -= SizeLabels() / 2;
    align = AlignCenter;
  } else if (labelsAlign == alDefault || FHorizontal) {
    if (FHorizontal)
      align = FOtherSide ? AlignCenter + AlignBottom : AlignCenter;
    else
      align = FOtherSide ? AlignLeft : AlignRight;
  } else {
    X += FOtherSide ? SizeLabels() : -SizeLabels();
    align = FOtherSide ? AlignRight : AlignLeft;
  }
  if (!FHorizontal && !IDepthAxis) Y -= hW / 2;
  const int depth = IDepthAxis ? Z : IZPos;
  const int parts = 1 + int(std::count(St.begin(), St.end(), '\r'));
  if (!Format) Format = FAxisItems->GetFormat();
  Format->SetText(St);
  Format->CalcBounds(FParentChart);
  const int w = Format->GetWidth(), h = Format->GetHeight();
  int lines = parts;
  if (Format->GetTextFormat() == ttfHtml) FParentChart->MultiLineTextWidth(St, lines, ttfHtml);
  const int blockHeight = hW * lines;
  const bool exponent = FLabels->GetExponent() && !FLabels->IExponentOff;
  double dx = 0, dy = 0;
  if (exponent) {
    dx = FHorizontal ? w * 0.1 : 0;
    dy = FHorizontal ? h * 0.5 : h * 0.125;
  }
  Y -= FHorizontal ? hW : PlotRound(hW * 0.5 * (parts + 1));
  TRect box;
  box.Left = X - PlotRound(dx);
  box.Top = PlotRound(dy) + hW + Y;
  if (align & AlignBottom) {
    box.Top -= blockHeight;
    align &= ~AlignBottom;
  } else if (FHorizontal && FOtherSide) {
    box.Top -= blockHeight;
  }
  box.Right = box.Left + w;
  box.Bottom = box.Top + h;
  if (align == AlignRight) {
    box.Left = X - w;
    box.Right = X;
  } else if (align == AlignCenter) {
    if (!FHorizontal && FOtherSide) {
      box.Left += SizeLabels() - w / 2;
      box.Right = box.Left + w;
    } else {
      box.Left -= w / 2;
      box.Right -= w / 2;
    }
  }
  if (Angle % 180 != 0) AdjustRotatedBox(box, X, Y, w, h, lines, Angle);
  if (Is3D()) {
    const TPoint p = c->Calculate3DPosition(TPoint{box.Left, box.Top}, depth);
    box = TRect{p.X, p.Y, p.X + box.Width(), p.Y + box.Height()};
  }
  if (ItemIndex >= 0) StoreRotatedBounds(Format, box, Angle);
  std::string text = St;
  if (OnDrawLabel) {
    bool draw = true;
    int x = X, y = Y, z = depth;
    OnDrawLabel(this, x, y, z, text, draw);
    if (!draw) return;
    Format->SetText(text);
  }
  if (FShape && FShape->GetVisible() && !FShape->GetTransparent() && !Is3D()) {
    const TRect& b = FShape->ShapeBounds;
    const bool meets =
        box.Left < b.Right && b.Left < box.Right && box.Top < b.Bottom && b.Top < box.Bottom;
    if (!meets) return;
  }
  std::string upper = text;
  std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
  if (exponent && upper.find('E') != std::string::npos)
    DrawExponent(Format, box, text, depth, hW);
  else
    Format->Draw(FParentChart, box, Angle, depth);
  if (FLabels->GetUseImages() && Picture && Picture->GetGraphic()) DrawLabelPicture(box, Picture);
}

void TChartAxis::AdjustRotatedBox(TRect& Box, int X, int Y, int W, int H, int Lines, int Angle) {
  const double a = Angle * M_PI / 180;
  double half = W * 0.5;
  if (FOtherSide) half -= H * 0.25;
  double dy = std::fabs(std::sin(a)) * half;
  if (FOtherSide) dy = -dy;
  if (FHorizontal && !FOtherSide && Lines == 1) dy += H;
  if (FHorizontal) {
    Box.Top = PlotRound(dy) + Y;
    Box.Bottom = Box.Top + H;
    double dx =
        FLabels->GetAlign() == alCenter ? std::fabs(std::sin(a)) * (H + half) : std::cos(a) * half;
    if ((FOtherSide && Angle > 180) || (!FOtherSide && Angle < 180)) dx = -dx;
    Box.Left += PlotRound(dx);
    Box.Right = Box.Left + W;
    return;
  }
  Box.Left = X - PlotRound(W * 0.5) + (FOtherSide ? H : -H);
  Box.Right = Box.Left + W;
}

void TChartAxis::StoreRotatedBounds(TCustomTextShape* Format, const TRect& Box, int Angle) {
  auto* f = dynamic_cast<TAxisLabelsFormat*>(Format);
  if (!f) return;
  const double a = Angle * M_PI / 180, cs = std::cos(a), sn = std::sin(a);
  const double cx = (Box.Left + Box.Right) * 0.5, cy = (Box.Top + Box.Bottom) * 0.5;
  const TPoint corners[4] = {
      {Box.Left, Box.Top}, {Box.Right, Box.Top}, {Box.Right, Box.Bottom}, {Box.Left, Box.Bottom}};
  for (int i = 0; i < 4; ++i) {
    const double x = corners[i].X - cx, y = corners[i].Y - cy;
    // Screen y runs down, so a counter-clockwise turn subtracts the sine.
    f->RotatedBounds[i] = TPoint{PlotRound(cx + x * cs + y * sn), PlotRound(cy - x * sn + y * cs)};
  }
}

void TChartAxis::DrawExponent(TCustomTextShape* Format, const TRect& Box, const std::string& Text,
                              int Z, int HW) {
  TCanvas3D* c = Canvas();
  int x = Box.Left;
  Format->CalcTextAlign(FParentChart, x, Text, Box);
  int y = Box.Top;
  if (!Format->GetTransparent()) {
    x += Format->GetMargins()->Last().Left;
    y += Format->GetMargins()->Last().Top;
  }
  const size_t e = [&] {
    for (size_t i = 0; i < Text.size(); ++i)
      if (Text[i] == 'e' || Text[i] == 'E') return i;
    return Text.size();
  }();
  const std::string mantissa = Text.substr(0, e);
  const std::string power = e < Text.size() ? Text.substr(e + 1) : std::string();
  FParentChart->PrepareFont3D(Format->GetFont());
  c->SetTextAlign(AlignLeft);
  c->TextOut3D(x, y, Z, mantissa);
  const int mantissaWidth = c->TextWidth(mantissa);
  TPlotFont* font = c->GetFont();
  const float size = font->GetSizeFloat();
  font->SetSizeFloat(size * 0.75f);
  const int powerWidth = c->TextWidth(power);
  int px;
  if (Format->GetTextAlignment() == taLeftJustify) {
    px = x + mantissaWidth + 1;
  } else {
    px = x + (mantissaWidth + 1) / 2;
    if (Format->GetTextAlignment() == taCenter) px += powerWidth / 2;
  }
  c->TextOut3D(px, y - HW / 2 + 2, Z, power);
  font->SetSizeFloat(size);
}

void TChartAxis::DrawLabelPicture(const TRect& Box, TPlotPicture* Picture) {
  TGraphic* g = Picture->GetGraphic();
  const int pw = g->GetWidth(), ph = g->GetHeight();
  TRect r;
  if (FHorizontal) {
    const int cx = (Box.Left + Box.Right) / 2;
    r.Left = cx - pw / 2;
    r.Top = FOtherSide ? Box.Top - ph : Box.Bottom;
  } else {
    const int cy = (Box.Top + Box.Bottom) / 2;
    r.Top = cy - ph / 2;
    r.Left = FOtherSide ? Box.Right : Box.Left - pw;
  }
  r.Right = r.Left + pw;
  r.Bottom = r.Top + ph;
  Canvas()->StretchDraw(r, g);
}

// ---- manual drawing

void TChartAxis::CustomDrawStartEnd(int PosLabels, int PosTitle, int PosAxis, bool GridVisible,
                                    int StartPos, int EndPos) {
  FPosLabels = PosLabels;
  FPosTitle = PosTitle;
  FPosAxis = PosAxis;
  IStartPos = StartPos;
  IEndPos = EndPos;
  RecalcSizeCenter();
  const bool wasVisible = FGrid->GetVisible();
  TNotifyEvent changed = FGrid->OnChange;
  FGrid->OnChange = nullptr;
  FGrid->SetVisible(GridVisible);
  auto restore = [&] {
    FGrid->SetVisible(wasVisible);
    FGrid->OnChange = changed;
    InternalCalcPositions();
  };
  try {
    Draw(false);
  } catch (...) {
    restore();
    throw;
  }
  restore();
}

void TChartAxis::CustomDraw(int PosLabels, int PosTitle, int PosAxis, bool GridVisible) {
  InternalCalcPositions();
  CustomDrawStartEnd(PosLabels, PosTitle, PosAxis, GridVisible, IStartPos, IEndPos);
}

void TChartAxis::CustomDrawMinMaxStartEnd(int PosLabels, int PosTitle, int PosAxis,
                                          bool GridVisible, double Minimum, double Maximum,
                                          double Increment, int StartPos, int EndPos) {
  const double oldMin = FMinimumValue, oldMax = FMaximumValue, oldInc = FDesiredIncrement;
  const bool oldAuto = FAutomatic;
  const double oldIMin = IMinimum, oldIMax = IMaximum;
  auto restore = [&] {
    FAutomatic = oldAuto;
    FMinimumValue = oldMin;
    FMaximumValue = oldMax;
    FDesiredIncrement = oldInc;
    IMinimum = oldIMin;
    IMaximum = oldIMax;
    InternalCalcRange();
  };
  FAutomatic = false;
  FMinimumValue = IMinimum = Minimum;
  FMaximumValue = IMaximum = Maximum;
  FDesiredIncrement = Increment;
  InternalCalcRange();
  try {
    CustomDrawStartEnd(PosLabels, PosTitle, PosAxis, GridVisible, StartPos, EndPos);
  } catch (...) {
    restore();
    throw;
  }
  restore();
}

void TChartAxis::CustomDrawMinMax(int PosLabels, int PosTitle, int PosAxis, bool GridVisible,
                                  double Minimum, double Maximum, double Increment) {
  CustomDrawMinMaxStartEnd(PosLabels, PosTitle, PosAxis, GridVisible, Minimum, Maximum, Increment,
                           IStartPos, IEndPos);
}

// ---- hit test

TRect TChartAxis::AxisRect() const {
  const int a = std::min(IStartPos, IEndPos), b = std::max(IStartPos, IEndPos);
  int from = FPosAxis, to = FPosAxis;
  if (GetLabelsVisible()) {
    // The labels lie on one side of the line; the gap reaches past the line.
    const int gap = FPosLabels >= FPosAxis ? -PlotAxisClickGap : PlotAxisClickGap;
    from = std::min(FPosAxis + gap, FPosLabels);
    to = std::max(FPosAxis + gap, FPosLabels);
  }
  return FHorizontal ? TRect{a, from, b, to} : TRect{from, a, to, b};
}

bool TChartAxis::Clicked(int X, int Y) {
  if (!FParentChart || !FParentChart->IsAxisVisible(this)) return false;
  TRect r = AxisRect();
  if (Is3D() && Canvas()) r = Canvas()->CalcRect3D(r, FOtherSide ? FParentChart->Width3D : 0);
  return X >= r.Left && X <= r.Right && Y >= r.Top && Y <= r.Bottom;
}
