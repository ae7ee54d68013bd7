#include "chart/PlotCanvas.h"

#include <cmath>

#include "chart/PlotBlend.h"
#include "chart/PlotCorners.h"
#include "chart/PlotHtml.h"
#include "chart/PlotPath.h"
#include "chart/PlotUnitRoutines.h"
#include "chart/PlotWidgets.h"

bool IsWindowsNT = true;
bool PlotCheckPenWidth = false;

TPlotCanvas::TPlotCanvas() {
  FPen = std::make_unique<TPlotPen>([this](TObject* S) { ChangedPen(S); });
  FBrush = std::make_unique<TPlotBrush>([this](TObject* S) { ChangedBrush(S); });
  FFont = std::make_unique<TPlotFont>([this](TObject* S) { ChangedFont(S); });
}

TPlotCanvas::~TPlotCanvas() {
  FPen.reset();
  FBrush.reset();
  FFont.reset();
}

// ---------------- pen, brush and font hand-over ----------------

void TPlotCanvas::SetCanvas(TCanvas* ACanvas) { FCanvas = ACanvas; }

void TPlotCanvas::ChangedPen(TObject*) { DoChangedPen(); }
void TPlotCanvas::ChangedBrush(TObject*) { DoChangedBrush(FBrush.get()); }
void TPlotCanvas::ChangedFont(TObject*) {
  if (!IChangingFont) DoChangedFont();
}

void TPlotCanvas::DoChangedBrush(TPlotBrush* ABrush) {
  if (FCanvas) FCanvas->GetBrush()->Assign(ABrush);
  if (ABrush->GetBackColor() == clNone || ABrush->GetStyle() == bsClear) {
    SetBackMode(cbmTransparent);
    return;
  }
  if (ABrush->GetStyle() != bsSolid) {
    SetBackMode(cbmOpaque);
    SetBackColor(ABrush->GetBackColor());
  }
}

void TPlotCanvas::DoChangedFont() {
  if (!FFont) return;
  SetInterCharSize(FFont->GetInterCharSize());
  if (FCanvas) FCanvas->GetFont()->Assign(FFont.get());
}

void TPlotCanvas::DoChangedPen() {
  if (!FPen->GetVisible()) {
    if (FCanvas && FCanvas->GetPen()->GetStyle() != psClear)
      FCanvas->GetPen()->SetStyle(psClear);
    return;
  }
  if (IsWindowsNT && !GetSupportsFullRotation()) {
    if (!FCanvas) return;
    PlotSetPlotPen(FCanvas->GetPen(), FPen.get(), FPen->GetColor());
    SetPenMode(FPen.get());
  } else if (PlotCheckPenWidth && FPen->GetStyle() != psSolid && FPen->GetWidth() == 1) {
    FPen->SetWidth(0);
  }
}

void TPlotCanvas::SetPenMode(TPlotPen* P) {
  if (P->GetWidth() > 1 && P->GetEndStyle() != esRound)
    gdi::SetROP2(GetHandle(), PenModeToRop2(P->GetMode()));
}

void TPlotCanvas::SetInterCharSize(int Value) {
  gdi::HDC dc = GetHandle();
  if (gdi::GetTextCharacterExtra(dc) != Value) gdi::SetTextCharacterExtra(dc, Value);
}

void TPlotCanvas::AssignBrush(TPlotBrush* ABrush) {
  AssignBrush(ABrush, ABrush->GetBackColor(), ABrush->GetColor());
}

void TPlotCanvas::AssignBrush(TPlotBrush* ABrush, TColor ABackColor) {
  AssignBrush(ABrush, ABackColor, ABrush->GetColor());
}

void TPlotCanvas::AssignBrushColor(TPlotBrush* ABrush, TColor AColor, TColor ABackColor) {
  AssignBrush(ABrush, AColor, ABackColor);
}

void TPlotCanvas::AssignBrush(TPlotBrush* ABrush, TColor AColor, TColor ABackColor) {
  TNotifyEvent saved = FBrush->OnChange;
  FBrush->OnChange = nullptr;
  if (GetMonochrome()) AColor = clWhite;
  FBrush->Assign(ABrush);
  if (ABrush->GetStyle() != bsClear) FBrush->SetColor(AColor);
  FBrush->SetBackColor(ABackColor);
  FBrush->OnChange = saved;
  DoChangedBrush(FBrush.get());
}

void TPlotCanvas::AssignVisiblePen(TPlotPen* APen) { AssignVisiblePenColor(APen, APen->GetColor()); }

void TPlotCanvas::AssignVisiblePenColor(TPlotPen* APen, TColor AColor) {
  TNotifyEvent saved = FPen->OnChange;
  FPen->OnChange = nullptr;
  if (APen->GetVisible()) {
    FPen->Assign(APen);
    FPen->SetColor(GetMonochrome() ? clBlack : AColor);
  } else if (FPen->GetStyle() != psClear) {
    FPen->SetStyle(psClear);
  }
  FPen->OnChange = saved;
  DoChangedPen();
}

void TPlotCanvas::AssignFont(TPlotFont* AFont) { AssignFontSize(AFont, AFont->GetSizeFloat()); }

void TPlotCanvas::AssignFontSize(TPlotFont* AFont, float ASize) {
  if (IZoomText && FFontZoom != 100) ASize = float(ASize * FFontZoom * 0.01);
  IChangingFont = true;
  FFont->Assign(AFont);
  FFont->SetSizeFloat(ASize);
  if (GetMonochrome()) FFont->SetColor(clBlack);
  IChangingFont = false;
  DoChangedFont();
}

void TPlotCanvas::ResetState() {
  FPen->SetColor(clBlack);
  FPen->SetWidth(1);
  FPen->SetStyle(psSolid);
  FBrush->SetColor(clWhite);
  FBrush->SetStyle(bsSolid);
  if (FBrush->HasImage()) FBrush->GetImage()->SetGraphic(nullptr);
  FFont->SetColor(clBlack);
  FFont->SetStyle(0);
  FFont->SetCharset(1);
  FFont->SetName(GetDefaultFontName);
  FFont->SetSize(GetDefaultFontSize);
  GetGradient()->InitDefaults();
  SetBackColor(clWhite);
  SetBackMode(cbmTransparent);
  SetTextAlign(0);
}

int TPlotCanvas::GetFontHeight() { return TextHeight(std::string("W")); }

TPlotGradient* TPlotCanvas::GetGradient() { return FBrush->GetGradient(); }

bool TPlotCanvas::IsGradientVisible() {
  return FBrush->GetStyle() != bsClear && FBrush->HasGradient();
}

TColor TPlotCanvas::SystemColor(TColor AColor) {
  if (AColor == clNone) return clBlack;
  uint32_t c = uint32_t(AColor);
  if (c >= 0xFF000000u && c <= 0xFF00001Eu) return TColor(ColorToRGB(AColor));
  return AColor;
}

uint8_t TPlotCanvas::ColorAlpha(TColor AColor) { return uint8_t(uint32_t(AColor) >> 24); }

TColor TPlotCanvas::ColorFrom(TColor AColor, uint8_t Alpha) {
  return TColor((uint32_t(AColor) & 0xFFFFFFu) | (uint32_t(Alpha) << 24));
}

void TPlotCanvas::InternalDark(TColor Value, uint8_t Quantity) {
  TColor c = ApplyDark(Value, Quantity);
  if (FBrush->GetStyle() == bsSolid) {
    FBrush->SetColor(c);
    if (FCanvas) FCanvas->GetBrush()->SetColor(c);
  } else {
    SetBackColor(c);
  }
}

// ---------------- text ----------------

void TPlotCanvas::TextOut(int X, int Y, const std::string& Text, bool AllowHtml) {
  if (AllowHtml)
    HtmlTextOut(this, X, Y, Text);
  else
    TextOut(X, Y, Text);
}

TSize TPlotCanvas::TextExtent(const std::u16string& St) {
  gdi::SIZE size{};
  if (FCanvas) gdi::SelectObject(GetHandle(), FCanvas->GetFont()->GetHandle());
  gdi::GetTextExtentPoint32W(GetHandle(), reinterpret_cast<const gdi::WCHAR*>(St.c_str()),
                             int(St.size()), &size);
  return TSize{size.cx, size.cy};
}

namespace {

// The text's size widened by the visible shadow and emboss; measuring
// never makes either.
TPointF WidenByEffects(TPlotFont* Font, TSize Size) {
  TPointF result{float(Size.cx), float(Size.cy)};
  auto widen = [&](TPlotShadow* Effect) {
    if (!Effect->GetVisible()) return;
    result.x += float(std::abs(Effect->GetHorizSize()));
    result.y += float(std::abs(Effect->GetVertSize()));
  };
  if (Font->HasShadow()) widen(Font->GetShadow());
  if (Font->HasEmboss()) widen(Font->GetEmboss());
  return result;
}

}  // namespace

TPointF TPlotCanvas::TextSize(const std::string& St) {
  // Measured on the device, as the framework canvas's own measuring would
  // also select its brush and reset the background mode.
  TSize size = FCanvas ? TextExtent(UTF8ToUTF16(St)) : TSize{};
  return WidenByEffects(FFont.get(), size);
}

TPointF TPlotCanvas::TextSize(const std::u16string& St) {
  return WidenByEffects(FFont.get(), TextExtent(St));
}

int TPlotCanvas::TextWidth(const std::string& St) { return int(TextSize(St).x); }
int TPlotCanvas::TextHeight(const std::string& St) { return int(TextSize(St).y); }
int TPlotCanvas::TextWidth(const std::u16string& St) { return int(TextSize(St).x); }
int TPlotCanvas::TextHeight(const std::u16string& St) { return int(TextSize(St).y); }

// ---------------- lines, arcs and frames ----------------

void TPlotCanvas::LineTo(TPointF P) { LineTo(int(std::nearbyint(P.x)), int(std::nearbyint(P.y))); }
void TPlotCanvas::MoveTo(TPointF P) { MoveTo(int(std::nearbyint(P.x)), int(std::nearbyint(P.y))); }

void TPlotCanvas::Line(int X0, int Y0, int X1, int Y1) {
  MoveTo(X0, Y0);
  LineTo(X1, Y1);
}

void TPlotCanvas::DoHorizLine(int X0, int X1, int Y) {
  MoveTo(X0, Y);
  LineTo(X1, Y);
}

void TPlotCanvas::DoVertLine(int X, int Y0, int Y1) {
  MoveTo(X, Y0);
  LineTo(X, Y1);
}

void TPlotCanvas::Curve(std::span<const TPoint> Points, float, bool Closed, float) {
  if (Closed)
    Polygon(Points);
  else
    Polyline(Points);
}

void TPlotCanvas::Arc(int Left, int Top, int Right, int Bottom, float StartAngle,
                      float EndAngle) {
  int a = (Right - Left) / 2, b = (Bottom - Top) / 2;
  int cx = Left + a, cy = Top + b;
  auto at = [&](double Angle) {
    double r = Angle * PlotPiStep;
    return TPoint{int(std::nearbyint(a * std::cos(r))) + cx,
                  cy - int(std::nearbyint(b * std::sin(r)))};
  };
  TPoint p1 = at(std::min(StartAngle, EndAngle));
  TPoint p2 = at(std::max(StartAngle, EndAngle));
  Arc(Left, Top, Right, Bottom, p1.X, p1.Y, p2.X, p2.Y);
}

void TPlotCanvas::CalcArcAngles(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4,
                                float& StartAngle, float& EndAngle) {
  float cx = (X1 + X2) * 0.5f, cy = (Y1 + Y2) * 0.5f;
  auto angle = [&](int X, int Y) {
    double a = std::atan2(cy - Y, X - cx);
    if (a < 0) a += 2 * M_PI;
    return float(a * 57.29577951308232);
  };
  StartAngle = angle(X3, Y3);
  EndAngle = angle(X4, Y4);
}

void TPlotCanvas::Frame3D(TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  TNotifyEvent saved = FPen->OnChange;
  FPen->OnChange = nullptr;
  FPen->SetWidth(1);
  FPen->SetStyle(psSolid);
  FPen->GetFill()->GetGradient()->SetVisible(false);
  FPen->OnChange = saved;
  DoChangedPen();
  Rect.Bottom--;
  Rect.Right--;
  for (int i = 0; i < Width; i++) {
    int L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
    FPen->SetColor(TopColor);
    TPoint top[] = {{L, B}, {L, T}, {R, T}};
    Polyline(top);
    FPen->SetColor(BottomColor);
    TPoint bottom[] = {{R, T}, {R, B}, {L - 1, B}};
    Polyline(bottom);
    Rect = TRect{L + 1, T + 1, R - 1, B - 1};
  }
  Rect.Bottom++;
  Rect.Right++;
}

void TPlotCanvas::RoundRect(const TRect& R, int X, int Y, TPlotCorners* ACorners) {
  if (!ACorners) {
    RoundRect(R.Left, R.Top, R.Right, R.Bottom, X, Y);
    return;
  }
  std::unique_ptr<TPlotBasePath> path(ACorners->GetPath(this, R, X, Y));
  path->Draw(this);
}

// ---------------- arrows and polygons ----------------

TPointArray TPlotCanvas::GetArrowPoints(float ArrowPercent, TPoint FromPoint, TPoint ToPoint,
                                        int ArrowWidth, int ArrowHeight) {
  double dx = ToPoint.X - FromPoint.X, dy = FromPoint.Y - ToPoint.Y;
  double L = PlotDistance(dx, dy);
  if (L <= 0) return {};
  double H = std::min<double>(ArrowHeight, std::nearbyint(L));
  double cs = dx / L, sn = dy / L;
  auto forwardX = [&](TPoint P) { return P.X * cs - P.Y * sn; };
  auto forwardY = [&](TPoint P) { return P.X * sn + P.Y * cs; };
  auto back = [&](double X, double Y) {
    return TPoint{int(std::nearbyint(X * cs + Y * sn)), int(std::nearbyint(-X * sn + Y * cs))};
  };
  double tx = forwardX(ToPoint), ty = forwardY(ToPoint), fx = forwardX(FromPoint);
  double w = ArrowWidth * 0.5, h = ArrowWidth * ArrowPercent * 0.005;
  return {back(fx, ty + h),     back(fx, ty - h),     back(tx - H, ty - h), back(tx - H, ty - w),
          ToPoint,              back(tx - H, ty + w), back(tx - H, ty + h)};
}

void TPlotCanvas::Arrow(bool Filled, double ArrowPercent, TPoint FromPoint, TPoint ToPoint,
                        int ArrowWidth, int ArrowHeight) {
  TPointArray p =
      GetArrowPoints(float(ArrowPercent), FromPoint, ToPoint, ArrowWidth, ArrowHeight);
  if (p.empty()) return;
  if (Filled) {
    Polygon(p);
    return;
  }
  Line(FromPoint, ToPoint);
  LineTo(p[5]);
  Line(ToPoint, p[3]);
}

namespace {

template <class P>
bool ConvexWalk(const std::vector<P>& Points) {
  size_t n = Points.size();
  if (n < 3) return false;
  int flags = 0;
  for (size_t i = 0; i < n; i++) {
    const P& a = Points[i];
    const P& b = Points[(i + 1) % n];
    const P& c = Points[(i + 2) % n];
    auto cross = (c.y - b.y) * (b.x - a.x) - (c.x - b.x) * (b.y - a.y);
    if (cross < 0) flags |= 1;
    if (cross > 0) flags |= 2;
    if (flags == 3) return false;
  }
  return flags != 0;
}

struct IntPoint {
  int x, y;
};

}  // namespace

bool TPlotCanvas::IsConvexPolygon(const TPointArray& P) {
  std::vector<IntPoint> points;
  points.reserve(P.size());
  for (const TPoint& p : P) points.push_back({p.X, p.Y});
  return ConvexWalk(points);
}

bool TPlotCanvas::IsConvexPolygon(const TPointFloatArray& P) { return ConvexWalk(P); }

// ---------------- blending ----------------

void TPlotCanvas::PushTransp() { ITranspStack.push_back(Transparency); }

void TPlotCanvas::PopTransp() {
  if (ITranspStack.empty()) return;
  Transparency = ITranspStack.back();
  ITranspStack.pop_back();
}

TPlotBlend* TPlotCanvas::BeginBlending(const TRect& R, TPlotTransparency T) {
  PushTransp();
  Transparency =
      TPlotTransparency(100 - std::nearbyint((100 - Transparency) * (100 - T) * 0.01));
  return new TPlotBlend(this, R);
}

void TPlotCanvas::EndBlending(TPlotBlend* Blend) {
  if (Blend) {
    Blend->DoBlend(Transparency);
    delete Blend;
  }
  PopTransp();
}

// ---------------- paths and check boxes ----------------

TPlotBasePath* TPlotCanvas::CreatePath(const TPointFloatArray*, const TPathPointTypes*) {
  return new TPlotPath(this);
}

void TPlotCanvas::DrawCheckBox(int x, int y, bool Checked, TColor ABackColor, bool CheckBox) {
  PlotDrawCheckBox(x, y, FCanvas, Checked, ABackColor, CheckBox);
}

void TPlotCanvas::InternalDrawCheck(int x, int y, bool Checked, TColor ABackColor,
                                    bool CheckBox) {
  FPen->SetStyle(psSolid);
  FPen->SetWidth(1);
  FPen->SetColor(clGray);
  FPen->SetVisible(true);
  FBrush->SetStyle(bsSolid);
  FBrush->SetColor(clWhite);
  GetGradient()->SetVisible(false);
  auto strokes = [&](TColor Color, std::initializer_list<TPoint> Points) {
    FPen->SetColor(Color);
    Polyline(std::vector<TPoint>(Points));
  };
  if (CheckBox) {
    strokes(clGray, {{x + 11, y}, {x, y}, {x, y + 12}});
    strokes(ABackColor == clWhite ? clSilver : clWhite,
            {{x, y + 12}, {x + 12, y + 12}, {x + 12, y - 1}});
    strokes(clBlack, {{x + 10, y + 1}, {x + 1, y + 1}, {x + 1, y + 11}});
    FPen->SetStyle(psClear);
    Rectangle(x + 2, y + 2, x + 12, y + 12);
  } else {
    Ellipse(x, y, x + 12, y + 12);
  }
  if (!Checked) return;
  FPen->SetStyle(psSolid);
  FPen->SetColor(clBlack);
  if (!CheckBox) {
    FBrush->SetColor(clBlack);
    Ellipse(x + 3, y + 3, x + 9, y + 9);
    return;
  }
  for (int i = 1; i <= 3; i++) Line(x + 2 + i, y + 4 + i, x + 2 + i, y + 7 + i);
  for (int i = 1; i <= 4; i++) Line(x + 5 + i, y + 7 - i, x + 5 + i, y + 10 - i);
}
