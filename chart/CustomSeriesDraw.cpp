// How line, point and area series draw: the shadow, emboss, outline and
// main passes, the all-at-once polyline or curve, and the point-by-point
// drawing that joins each point to the previous one (straight or in steps),
// fills down to the origin, builds 3D planes, bands and caps, and puts the
// pointers behind or in front of the lines. Coordinates handed to the
// canvas never exceed +-32767.

#include <algorithm>
#include <cmath>

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/CustomSeries.h"
#include "chart/PlotCanvas3D.h"
#include "chart/PlotView3D.h"
#include "chart/PlotVisualBlock.h"

namespace {

constexpr int kPixelLimit = 32767;

TCustomAxisPanel* ChartOf(const TChartSeries* Series) {
  return dynamic_cast<TCustomAxisPanel*>(Series->GetParentChart());
}

int Clamp(long long Value) { return int(std::clamp<long long>(Value, -kPixelLimit, kPixelLimit)); }

bool Outside(int Value, int Size) { return Value < 0 || Value > Size; }

}  // namespace

// ---------------- passes ----------------

void TCustomSeries::DrawAllValues() {
  TCustomAxisPanel* chart = ChartOf(this);
  if (!chart) return;
  TCanvas3D* c = chart->GetCanvas();
  IClientRect = chart->ChartBounds;
  TVisualBlock* block = HasVisuals() ? Visuals()->GetTemplate() : nullptr;
  HasTemplate = block != nullptr;
  OldColor = clNone;
  if (HasTemplate && (FDrawArea || FDrawLine)) {
    c->BeginEntity("Template", block, nullptr);
    const TRect r{
        CalcXPos(std::max(0, FFirstVisibleIndex)), CalcPosValue(MandatoryValueList->MaxValue()),
        CalcXPos(std::max(0, FLastVisibleIndex)), CalcPosValue(MandatoryValueList->MinValue())};
    block->SetBounds(r, float(StartZ), float(EndZ));
    block->SetFormatting(FPen.get(), FBrush.get(), false, GetSeriesColor(), GetTransparency());
    block->ClearPath();
    c->EndEntity();
  } else {
    if (FShadow->ShouldDraw()) DrawEffectPass(FShadow.get(), 1);
    if (FEmboss->ShouldDraw()) DrawEffectPass(FEmboss.get(), -1);
    if (FOutLine && FOutLine->GetVisible()) DrawOutlinePass();
  }
  if (!chart->GetView3D() && FDrawLine && !FPen->GetVisible() && !FPointer->GetVisible() &&
      !FDrawArea)
    FPen->Show();
  OldColor = clNone;
  IPreviousIndex = -1;
  if (DoDrawAll(FPen.get(), GetSeriesColor(), true)) return;
  c->AssignBrush(FBrush.get());
  TChartSeries::DrawAllValues();
}

// The whole series once more in the effect's colour, moved by its sizes
// (down and right for a shadow, up and left for an emboss).
void TCustomSeries::DrawEffectPass(TPlotShadow* Effect, int Sign) {
  TChartAxis* h = GetHorizAxisInUse();
  TChartAxis* v = GetVertAxisInUse();
  const TColor color = FColor;
  const bool eachLine = FColorEachLine;
  const bool pointer = FPointer->GetVisible();
  const bool pen = FPen->GetVisible();
  const int dx = Sign * Effect->GetHorizSize(), dy = Sign * Effect->GetVertSize();
  const TColor penColor = FPen->GetColor();
  FColor = Effect->GetColor();
  QuietPenColor(FColor);
  FColorEachLine = false;
  FPointer->ChangeVisible(false);
  FPen->OnChange = nullptr;
  FPen->SetVisible(false);
  h->IStartPos += dx;
  h->IEndPos += dx;
  v->IStartPos += dy;
  v->IEndPos += dy;
  OldColor = clNone;
  IPreviousIndex = -1;
  if (!DoDrawAll(FPen.get(), FColor, false)) {
    ChartOf(this)->GetCanvas()->AssignBrush(FBrush.get());
    TChartSeries::DrawAllValues();
  }
  h->IStartPos -= dx;
  h->IEndPos -= dx;
  v->IStartPos -= dy;
  v->IEndPos -= dy;
  FPen->SetVisible(pen);
  FPen->OnChange = ChangedCallback();
  FPointer->ChangeVisible(pointer);
  FColorEachLine = eachLine;
  FColor = color;
  QuietPenColor(penColor);
}

void TCustomSeries::DrawOutlinePass() {
  OldColor = clNone;
  IPreviousIndex = -1;
  if (DoDrawAll(FOutLine.get(), FOutLine->GetColor(), false)) return;
  TPlotPen saved;
  saved.Assign(FPen.get());
  const TColor color = FColor;
  const bool pointer = FPointer->GetVisible();
  FPen->OnChange = nullptr;
  const int width = FPen->GetVisible() ? FPen->GetWidth() : 1;
  FPen->Assign(FOutLine.get());
  FPen->SetVisible(true);
  FPen->SetWidth(2 * FOutLine->GetWidth() + width);
  FColor = FOutLine->GetColor();
  FPointer->ChangeVisible(false);
  const bool eachLine = FColorEachLine;
  FColorEachLine = false;
  ChartOf(this)->GetCanvas()->AssignBrush(FBrush.get());
  TChartSeries::DrawAllValues();
  FColorEachLine = eachLine;
  FPointer->ChangeVisible(pointer);
  FPen->Assign(&saved);
  FPen->OnChange = ChangedCallback();
  // The series keeps its own colour: its line pen does not follow it.
  FColor = color;
  OldColor = clNone;
}

// ---------------- all at once ----------------

bool TCustomSeries::DoDrawAll(TPlotPen* APen, TColor AColor, bool DrawPointers) {
  TCustomAxisPanel* chart = ChartOf(this);
  if (!chart || chart->GetView3D()) return false;
  if (FDrawStyle != dsAll && FDrawStyle != dsCurve) return false;
  if (!FDrawLine && !FDrawArea) return false;
  if (GetColorEachPoint() && FColorEachLine) return false;
  if (FFirstVisibleIndex == -1) return true;
  TCanvas3D* c = chart->GetCanvas();
  TPlotBlend* blend =
      GetTransparency() ? c->BeginBlending(PlotZeroRect, GetTransparency()) : nullptr;
  const int count = Count();
  int first = std::max(0, FFirstVisibleIndex - 1);
  int last = FLastVisibleIndex;
  double fraction = 0;
  if (DisplayLast != 1.0f) {
    const double n = count * double(DisplayLast);
    const int t = int(n);
    last = std::max(first, std::min(t, count - 1));
    if (last < count - 1) fraction = n - t;
  }
  auto pos = [&](int i) { return TPoint{CalcXPos(i), CalcYPos(i)}; };
  std::vector<TPoint> points;
  for (int i = first; i <= last; ++i) {
    const TPoint p = pos(i);
    if (FStairs && !points.empty()) {
      const TPoint q = points.back();
      points.push_back(FInvertedStairs == YMandatory ? TPoint{q.X, p.Y} : TPoint{p.X, q.Y});
    }
    points.push_back(p);
  }
  const int partial = fraction > 0 ? last + 1 : -1;
  if (partial != -1) {
    const double along = NotMandatoryValueList->GetValue(last) + fraction;
    const int value = CalcPosLeftRight(along, partial, last);
    points.push_back(YMandatory ? TPoint{CalcXPosValue(along), value}
                                : TPoint{value, CalcYPosValue(along)});
  }
  if (DrawPointers && FPointerBehind) DrawPointersOf(FFirstVisibleIndex, last, partial, fraction);
  if (FDrawArea) {
    const int o = GetOriginPos(last);
    c->AssignVisiblePenColor(APen, APen->GetColor());
    c->AssignBrush(FAreaBrush.get(), AColor, FAreaBrush->GetColor());
    const TPoint a = points.front(), b = points.back();
    if (FDrawStyle == dsAll) {
      std::vector<TPoint> poly = points;
      poly.push_back(YMandatory ? TPoint{b.X, o} : TPoint{o, b.Y});
      poly.push_back(YMandatory ? TPoint{a.X, o} : TPoint{o, a.Y});
      c->PolygonWithZ(poly, StartZ);
    } else {
      TPlotBasePath* path = c->CreatePath();
      path->MoveTo(points.front());
      path->Curve(points, 0.5f, false);
      path->LineTo(YMandatory ? TPoint{b.X, o} : TPoint{o, b.Y});
      path->LineTo(YMandatory ? TPoint{a.X, o} : TPoint{o, a.Y});
      path->Close();
      path->Draw(c);
      delete path;
    }
    if (FAreaLinesPen->GetVisible()) {
      c->AssignVisiblePen(FAreaLinesPen.get());
      for (size_t i = 1; i < points.size(); ++i) {
        const TPoint p = points[i];
        c->LineWithZ(YMandatory ? TPoint{p.X, o} : TPoint{o, p.Y}, p, StartZ);
      }
    }
  } else {
    c->AssignVisiblePenColor(APen, AColor);
    if (FDrawStyle == dsAll) {
      c->Polyline(points);
    } else {
      c->GetBrush()->SetStyle(bsClear);
      c->Curve(points, 0.5f, false, 0);
    }
  }
  if (DrawPointers && !FPointerBehind) DrawPointersOf(FFirstVisibleIndex, last, partial, fraction);
  if (blend) c->EndBlending(blend);
  return true;
}

// The pointers of the painted points First..Last, and the partial end
// point's pointer see-through by the part of the step not yet drawn.
void TCustomSeries::DrawPointersOf(int First, int Last, int Partial, double Fraction) {
  for (int i = First; i <= Last; ++i)
    if (IsPainted(i)) DrawPointer(CalcXPos(i), CalcYPos(i), GetValueColor(i), i);
  if (Partial == -1 || Partial >= Count()) return;
  TSeriesPointer* p = FPointer->InternalGet(Partial);
  const int alpha = 255 - int(std::nearbyint(Fraction * 255));
  const TPlotTransparency saved = TPlotTransparency(p->GetTransparency());
  p->ChangeTransparency(TPlotTransparency(100 - int(std::nearbyint(alpha * 100.0 / 255))));
  DrawPointer(CalcXPos(Partial), CalcYPos(Partial), GetValueColor(Partial), Partial);
  p->ChangeTransparency(saved);
}

// ---------------- point by point ----------------

bool TCustomSeries::DrawsBackwards() const { return FDrawArea && !DrawSeriesForward(0); }

void TCustomSeries::InitDrawValue(int ValueIndex) {
  if (ValueIndex <= 0) return;
  const int p = ValueIndex - 1;
  OldX = CalcXPos(p);
  OldY = CalcYPos(p);
  OldBottomPos = GetOriginPos(p);
  OldColor = GetValueColor(p);
  IPreviousIndex = p;
}

void TCustomSeries::DrawValue(int ValueIndex) {
  TCustomAxisPanel* chart = ChartOf(this);
  TCanvas3D* c = chart->GetCanvas();
  const bool backwards = DrawsBackwards();
  const int colorIndex = backwards && ValueIndex + 1 < Count() ? ValueIndex + 1 : ValueIndex;
  TColor color = GetValueColor(colorIndex);
  int X = CalcXPos(ValueIndex), Y = CalcYPos(ValueIndex);
  const int first = FirstDisplayedIndex(), last = LastDisplayedIndex();
  if (FTreatNulls == tnSkip && IsNull(ValueIndex)) {
    if (ValueIndex == first) {
      const int step = first <= last ? 1 : -1;
      for (int j = ValueIndex; j != last + step; j += step)
        if (!IsNull(j)) {
          X = CalcXPos(j);
          Y = CalcYPos(j);
          break;
        }
    } else {
      X = OldX;
      Y = OldY;
    }
  } else if (FTreatNulls == tnDontPaint && OldColor == clNone) {
    OldX = X;
    OldY = Y;
  }
  BottomPos = GetOriginPos(ValueIndex);
  c->GetBrush()->SetColor(color);
  if (HasTemplate && (FDrawArea || FDrawLine)) {
    // The template block draws the line; the points go to its path.
    AddTemplatePoint(ValueIndex, X, Y);
    if (color != clNone) DrawPointer(X, Y, color, ValueIndex);
    OldX = X;
    OldY = Y;
    OldBottomPos = BottomPos;
    OldColor = color;
    IPreviousIndex = ValueIndex;
    return;
  }
  const bool fullRotation = c->GetSupportsFullRotation();
  if (ValueIndex == first) {
    tmpDark3DRatio = 0;
    if (!HasTemplate && FDark3D) {
      tmpDark3DRatio = chart->FSeriesWidth3D == 0
                           ? 1
                           : std::fabs(double(chart->FSeriesHeight3D) / chart->FSeriesWidth3D);
    }
    if (ValueIndex > 0 && ValueIndex == FFirstVisibleIndex)
      DrawEnteringSegment(ValueIndex, X, Y, color);
    if ((ValueIndex == last || fullRotation) && color != clNone)
      DrawPointer(X, Y, color, ValueIndex);
    if (fullRotation && chart->GetView3D() && FDrawArea)
      c->RectangleZ(X, Y, BottomPos, StartZ, EndZ);
  } else if (ValueIndex == last) {
    DrawSegment(ValueIndex, X, Y, color, true, !fullRotation);
    if (fullRotation && color != clNone) DrawPointer(X, Y, color, ValueIndex);
    if (backwards && ValueIndex > 0 && ValueIndex == FFirstVisibleIndex) {
      OldX = X;
      OldY = Y;
      DrawEnteringSegment(ValueIndex, X, Y, color);
    }
  } else {
    DrawSegment(ValueIndex, X, Y, color, false, !fullRotation);
    if (fullRotation && color != clNone) DrawPointer(X, Y, color, ValueIndex);
  }
  OldX = X;
  OldY = Y;
  OldBottomPos = BottomPos;
  OldColor = color;
  IPreviousIndex = ValueIndex;
}

// A point of the template block's path: its colour and its position with y
// measured from the panel's bottom.
void TCustomSeries::AddTemplatePoint(int ValueIndex, int X, int Y) {
  TVisualBlock* block = Visuals()->GetTemplate();
  const TColor color = GetColorEachPoint() ? GetValueColor(ValueIndex) : GetSeriesColor();
  block->AddPathPoint(float(X), float(ChartOf(this)->GetHeight() - Y), color);
}

// The segment from the point before the first visible one, cut at the
// plot's edge unless the series fills an area.
void TCustomSeries::DrawEnteringSegment(int ValueIndex, int X, int Y, TColor Color) {
  const int p = ValueIndex - 1;
  if (IsNull(p)) return;
  const TRect& r = ChartOf(this)->ChartRect;
  int px = CalcXPos(p), py = CalcYPos(p);
  if (!FDrawArea) {
    if (YMandatory) {
      const int edge = GetHorizAxisInUse()->GetInverted() ? r.Right : r.Left;
      py = FStairs ? py : CalcPosLeftRight(XScreenToValue(edge), ValueIndex, p);
      px = edge;
    } else {
      const int edge = GetVertAxisInUse()->GetInverted() ? r.Bottom : r.Top;
      px = FStairs ? px : CalcPosLeftRight(YScreenToValue(edge), ValueIndex, p);
      py = edge;
    }
  }
  OldX = px;
  OldY = py;
  OldBottomPos = GetOriginPos(p);
  OldColor = GetValueColor(p);
  IPreviousIndex = p;
  DrawSegment(ValueIndex, X, Y, Color, false, false);
}

void TCustomSeries::DrawSegment(int ValueIndex, int X, int Y, TColor Color, bool IsLast,
                                bool DrawOldPointer) {
  TCustomAxisPanel* chart = ChartOf(this);
  auto pointers = [&](bool Behind) {
    if (!FPointer->GetVisible() || !DrawOldPointer || FPointerBehind != Behind) return;
    const TColor old = OldColor == clNone && FTreatNulls != tnDontPaint ? Color : OldColor;
    if (old != clNone && IPreviousIndex != -1) DrawPointer(OldX, OldY, old, IPreviousIndex);
    if (IsLast && Color != clNone) DrawPointer(X, Y, Color, ValueIndex);
  };
  pointers(true);
  const bool moved = X != OldX || Y != OldY;
  const bool drawable = Color != clNone || FTreatNulls == tnIgnore;
  if (moved && drawable) {
    const TColor c = Color == clNone ? GetSeriesColor() : Color;
    if (chart->GetView3D() && (FDrawLine || FDrawArea)) DrawSegment3D(ValueIndex, X, Y, c, IsLast);
    if (FDrawArea)
      DrawAreaSegment(ValueIndex, X, Y, c, IsLast);
    else if (FDrawLine && !chart->GetView3D())
      DrawLine2D(ValueIndex, X, Y, c);
  }
  pointers(false);
}

void TCustomSeries::DrawSegment3D(int ValueIndex, int X, int Y, TColor Color, bool IsLast) {
  TCustomAxisPanel* chart = ChartOf(this);
  TCanvas3D* c = chart->GetCanvas();
  TColor brush = GetSeriesColor();
  if (FColorEachLine || FDrawArea)
    brush = GetAreaBrushColor(FBrush->GetColor() != clDefault ? FBrush->GetColor() : Color);
  if (FBrush->HasGraphic()) {
    chart->SetBrushCanvas(brush, FBrush.get(), clWhite);
  } else {
    c->GetBrush()->SetColor(brush);
    c->GetBrush()->SetStyle(FBrush->GetStyle());
  }
  if (!PrepareHoverPen(IPreviousIndex)) c->AssignVisiblePen(FPen.get());
  if (FStairs) {
    const bool dark = FDark3D;
    if (FInvertedStairs) {
      c->RectangleZ(OldX, OldY, Y, StartZ, EndZ);
      if (dark) c->InternalDark(brush, DarkColorQuantity);
      c->RectangleY(std::min(OldX, X), Y, std::max(OldX, X), StartZ, EndZ);
    } else {
      if (dark) c->InternalDark(brush, DarkColorQuantity);
      c->RectangleY(std::min(OldX, X), OldY, std::max(OldX, X), StartZ, EndZ);
      if (dark) c->GetBrush()->SetColor(brush);
      c->RectangleZ(X, OldY, Y, StartZ, EndZ);
    }
    c->GetBrush()->SetColor(brush);
    return;
  }
  if (FLineHeight > 0 && !FDrawArea) {
    c->PlaneWithZ(TPoint{OldX, OldY}, TPoint{X, Y}, TPoint{X, Y + FLineHeight},
                  TPoint{OldX, OldY + FLineHeight}, StartZ);
    if (IsLast) c->RectangleZ(X, Y, Y + FLineHeight, StartZ, EndZ);
    return;
  }
  if (FDark3D && !c->GetSupportsFullRotation() && X != OldX && tmpDark3DRatio != 0 &&
      double(OldY - Y) / (X - OldX) > tmpDark3DRatio)
    c->InternalDark(brush, DarkColorQuantity);
  if (c->GetMonochrome()) c->GetBrush()->SetColor(clWhite);
  TPlotBlend* blend = nullptr;
  if (GetTransparency()) {
    TRect r{std::min(OldX, X), std::min(OldY, Y), std::max(OldX, X), std::max(OldY, Y)};
    blend = c->BeginBlending(c->RectFromRectZ(r, StartZ), GetTransparency());
  }
  c->Plane3D(TPoint{OldX, OldY}, TPoint{X, Y}, StartZ, EndZ);
  if (blend) c->EndBlending(blend);
}

void TCustomSeries::DrawAreaSegment(int ValueIndex, int X, int Y, TColor Color, bool IsLast) {
  TCustomAxisPanel* chart = ChartOf(this);
  TCanvas3D* c = chart->GetCanvas();
  const bool is3D = chart->GetView3D();
  const TColor back = FAreaBrush->GetBackColor();
  const TColor areaColor = GetAreaBrushColor(back == clDefault ? Color : back);
  if (!PrepareHoverPen(IPreviousIndex)) {
    const TColor pc = FAreaLinesPen->GetColor();
    c->AssignVisiblePenColor(FAreaLinesPen.get(), pc == clDefault ? Color : pc);
  }
  int ox = OldX, oy = OldY, x = X, y = Y;
  LimitSegment(ox, oy, x, y, IPreviousIndex, ValueIndex);
  TColor brushBack =
      FAreaBrush->GetColor() == clDefault ? GetSeriesColor() : FAreaBrush->GetColor();
  if (FAreaBrush->HasGraphic() && areaColor == Color) brushBack = clWhite;
  chart->SetBrushCanvas(areaColor, FAreaBrush.get(), brushBack);
  auto side = [&](int SX, int SY, int SBottom) {
    TPlotBlend* blend = nullptr;
    if (GetTransparency())
      blend = c->BeginBlending(c->RectFromRectZ(TRect{SX, SY, SX + 1, SBottom}, StartZ),
                               GetTransparency());
    if (FDark3D) c->InternalDark(areaColor, DarkColorQuantity);
    if (YMandatory)
      c->RectangleZ(SX, SY, SBottom, StartZ, EndZ);
    else
      c->RectangleY(std::min(SX, SBottom), SY, std::max(SX, SBottom), StartZ, EndZ);
    c->GetBrush()->SetColor(areaColor);
    if (blend) c->EndBlending(blend);
  };
  const bool nextNull = ValueIndex + 1 < Count() && IsNull(ValueIndex + 1);
  if (is3D && (IsLast || (FTreatNulls == tnDontPaint && nextNull))) side(x, y, BottomPos);
  const bool fullRotation = c->GetSupportsFullRotation();
  const bool lineVisible = FPen->GetVisible();
  if (!FStairs) {
    std::vector<TPoint> q =
        YMandatory ? std::vector<TPoint>{{ox, OldBottomPos}, {ox, oy}, {x, y}, {x, BottomPos}}
                   : std::vector<TPoint>{{OldBottomPos, oy}, {ox, oy}, {x, y}, {BottomPos, y}};
    TPlotBlend* blend = nullptr;
    if (GetTransparency()) {
      TRect r{q[0].X, q[0].Y, q[0].X, q[0].Y};
      for (const TPoint& p : q)
        r = TRect{std::min(r.Left, p.X), std::min(r.Top, p.Y), std::max(r.Right, p.X),
                  std::max(r.Bottom, p.Y)};
      blend = c->BeginBlending(is3D ? c->RectFromRectZ(r, StartZ) : r, GetTransparency());
    }
    if (is3D) {
      const int rotation = chart->GetView3DOptions()->GetRotation();
      const int z = rotation < 91 || rotation > 269 ? StartZ : EndZ;
      c->PlaneWithZ(q[0], q[1], q[2], q[3], z);
      if (fullRotation) c->PlaneWithZ(q[0], q[1], q[2], q[3], EndZ);
    } else {
      c->Polygon(q);
    }
    if (PrepareHoverPen(IPreviousIndex) || lineVisible) {
      if (lineVisible) c->AssignVisiblePen(FPen.get());
      c->LineWithZ(ox, oy, x, y, StartZ);
    }
    if (blend) c->EndBlending(blend);
    return;
  }
  const bool backwards = DrawsBackwards();
  const bool upper = FInvertedStairs != backwards;
  TRect r;
  if (YMandatory) {
    const int top = upper ? y : oy, bottom = upper ? BottomPos : OldBottomPos;
    r = TRect{std::min(ox, x), top, std::max(ox, x) + 1, bottom};
  } else {
    const int left = upper ? x : ox, right = upper ? BottomPos : OldBottomPos;
    r = TRect{std::min(left, right), std::min(oy, y), std::max(left, right), std::max(oy, y) + 1};
  }
  if (is3D) {
    c->RectangleWithZ(r, StartZ);
    if (fullRotation) c->RectangleWithZ(r, EndZ);
  } else {
    c->Rectangle(r);
  }
  if (lineVisible) {
    c->AssignVisiblePen(FPen.get());
    if (FInvertedStairs) {
      c->LineWithZ(ox, oy, ox, y, StartZ);
      c->LineWithZ(ox, y, x, y, StartZ);
    } else {
      c->LineWithZ(ox, oy, x, oy, StartZ);
      c->LineWithZ(x, oy, x, y, StartZ);
    }
  }
}

void TCustomSeries::DrawLine2D(int ValueIndex, int X, int Y, TColor Color) {
  TCustomAxisPanel* chart = ChartOf(this);
  TCanvas3D* c = chart->GetCanvas();
  TColor color = GetSeriesColor();
  if ((GetColorEachPoint() && !FPointer->GetVisible()) || FColorEachLine)
    color = Color;
  else if (FPen->GetColor() != GetSeriesColor() && FPen->GetColor() != clDefault)
    color = FPen->GetColor();
  TRect box{std::min(OldX, X), std::min(OldY, Y), std::max(OldX, X), std::max(OldY, Y)};
  if (box.Top == box.Bottom) box = TRect{box.Left, box.Top - 1, box.Right, box.Bottom + 1};
  if (box.Left == box.Right) box = TRect{box.Left - 1, box.Top, box.Right + 1, box.Bottom};
  const TRect& k = IClientRect;
  if (box.Right < k.Left || box.Left > k.Right || box.Bottom < k.Top || box.Top > k.Bottom) return;
  int ox = OldX, oy = OldY, x = X, y = Y;
  LimitSegment(ox, oy, x, y, IPreviousIndex, ValueIndex);
  if (!PrepareHoverPen(IPreviousIndex)) LinePrepareCanvas(c, color);
  TPlotBlend* blend = nullptr;
  if (GetTransparency()) {
    const int w = c->GetPen()->GetWidth();
    blend = c->BeginBlending(
        TRect{std::min(ox, x) - w, std::min(oy, y) - w, std::max(ox, x) + w, std::max(oy, y) + w},
        GetTransparency());
  }
  if (FStairs) {
    c->MoveTo(ox, oy);
    if (FInvertedStairs == YMandatory)
      c->DoVertLine(ox, oy, y);
    else
      c->DoHorizLine(ox, x, oy);
    c->LineTo(x, y);
  } else {
    c->Line(ox, oy, x, y);
  }
  if (blend) c->EndBlending(blend);
}

// ---------------- coordinate limits ----------------

void TCustomSeries::LimitSegment(int& X0, int& Y0, int& X1, int& Y1, int IndexA, int IndexB) const {
  TCustomAxisPanel* chart = ChartOf(this);
  const int w = chart->GetWidth(), h = chart->GetHeight();
  if (FStairs) {
    X0 = Clamp(X0);
    Y0 = Clamp(Y0);
    X1 = Clamp(X1);
    Y1 = Clamp(Y1);
    return;
  }
  const bool prevOutside = YMandatory ? Outside(Y0, h) : Outside(X0, w);
  (void)IndexA;
  (void)IndexB;
  const int ax = X0, ay = Y0, bx = X1, by = Y1;
  if (prevOutside) LimitPoint(X0, Y0, ax, ay, bx, by);
  LimitPoint(X1, Y1, ax, ay, bx, by);
}

// Brings one end of the segment (AX, AY)-(BX, BY) inside +-32767: the
// coordinate on the value axis is clamped and the other one follows the
// line; while that lies beyond the limit too, the value coordinate is
// divided by 3, at most four times.
void TCustomSeries::LimitPoint(int& X, int& Y, int AX, int AY, int BX, int BY) const {
  int& value = YMandatory ? Y : X;
  int& along = YMandatory ? X : Y;
  const double a0 = YMandatory ? AX : AY, v0 = YMandatory ? AY : AX;
  const double a1 = YMandatory ? BX : BY, v1 = YMandatory ? BY : BX;
  if (std::abs(value) <= kPixelLimit) {
    along = Clamp(along);
    return;
  }
  auto follow = [&](double V) {
    if (v1 == v0) return double(along);
    return a0 + (V - v0) * (a1 - a0) / (v1 - v0);
  };
  double v = value > 0 ? kPixelLimit : -kPixelLimit;
  double a = follow(v);
  for (int i = 0; i < 4 && std::fabs(a) > kPixelLimit; ++i) {
    v /= 3;
    a = follow(v);
  }
  value = int(v);
  along = Clamp((long long)std::llround(std::clamp(a, -1e12, 1e12)));
}

// ---------------- positions between points ----------------

int TCustomSeries::CalcPosLeftRight(double XValue, int AIndex, int BIndex) const {
  const double xa = NotMandatoryValueList->GetValue(AIndex);
  const double xb = NotMandatoryValueList->GetValue(BIndex);
  const double ya = MandatoryValueList->GetValue(AIndex);
  const double yb = MandatoryValueList->GetValue(BIndex);
  if (xa == xb) return YMandatory ? CalcYPos(BIndex) : CalcXPos(BIndex);
  TChartAxis* axis = MandatoryAxis();
  double value;
  if (axis->GetLogarithmic()) {
    const double la = ya > 0 ? std::log(ya) : 0, lb = yb > 0 ? std::log(yb) : 0;
    value = std::exp(lb + (XValue - xb) * (la - lb) / (xa - xb));
  } else {
    value = yb + (XValue - xb) * (ya - yb) / (xa - xb);
  }
  return axis->CalcPosValue(value);
}

// ---------------- pointers and visuals ----------------

void TCustomSeries::DrawPointer(int AX, int AY, TColor AColor, int ValueIndex) {
  TSeriesPointer* p = FPointer->InternalGet(ValueIndex);
  if (!p->GetVisible()) return;
  TCanvas3D* c = ChartOf(this)->GetCanvas();
  if (p->GetColor() != clDefault && p->GetBrush()->GetStyle() != bsClear) AColor = p->GetColor();
  p->PrepareCanvas(c, AColor);
  PreparePointerHoverPen(ValueIndex);
  const TSeriesPointerStyle style = DoGetPointerStyle(ValueIndex);
  if (OnGetPointerStyle) p->PrepareCanvas(c, AColor);
  c->BeginEntity("SeriesPointer", nullptr, p->Transform.get());
  TVisualBlock* block =
      style == psVisual && HasVisuals() ? Visuals()->GetVisual(ValueIndex) : nullptr;
  if (block)
    DrawVisual(RectFromCenter(AX, AY, p->GetHorizSize(), p->GetVertSize()), p, AColor, block);
  else
    p->Draw(AX, AY, AColor, style);
  c->EndEntity();
}

void TCustomSeries::DrawVisual(const TRect& Rect, TSeriesPointer* APointer, TColor AColor,
                               TVisualBlock* Block) {
  Block->SetBounds(Rect, float(APointer->GetStartZ()), float(APointer->GetEndZ()));
  Block->SetFormatting(FPen.get(), FBrush.get(), false, AColor, GetTransparency());
}

void TCustomSeries::DrawHiddenValue(int ValueIndex, double A, double B, int Size,
                                    TChartAxis* Axis) {
  TCanvas3D* c = ChartOf(this)->GetCanvas();
  int x = CalcXPos(ValueIndex), y = CalcYPos(ValueIndex);
  const int half = Size / 2;
  const bool horizontal = Axis->GetHorizontal();
  double previous;
  if (horizontal) {
    x = Axis->CalcPosValue(A) + (Axis->GetInverted() ? -half : half);
    previous = IPreviousIndex >= 0 ? GetxValue(IPreviousIndex) : A;
  } else {
    y = Axis->CalcPosValue(A) + (Axis->GetInverted() ? half : -half);
    previous = IPreviousIndex >= 0 ? GetyValue(IPreviousIndex) : A;
  }
  const bool inside = horizontal ? B <= previous && previous <= A : A <= previous && previous <= B;
  if (inside)
    c->GetPen()->SetStyle(psClear);
  else
    c->AssignVisiblePen(FPen.get());
  c->Line(OldX, OldY, x, y);
  if (FPointer->GetVisible()) {
    const TColor old =
        OldColor == clNone && FTreatNulls != tnDontPaint ? c->GetBrush()->GetColor() : OldColor;
    if (IPreviousIndex >= 0) DrawPointer(OldX, OldY, old, IPreviousIndex);
  }
  OldX = x;
  OldY = y;
  IPreviousIndex = ValueIndex;
}
