// The GDI chart canvas's gradient fill (bands of solid colour painted with
// the device's pattern copy) and its text output with the chart font's
// shadow, emboss, outline and glyph fill, rotation and depth.

#include <cmath>

#include "chart/PlotBlend.h"
#include "chart/PlotCanvas3D.h"
#include "chart/PlotClip.h"
#include "chart/PlotHtml.h"
#include "chart/PlotPicture.h"

namespace {

int Rounded(double V) { return int(std::nearbyint(V)); }

struct TChannels {
  int R, G, B;
};

TChannels Split(TColor C) {
  uint32_t c = uint32_t(ColorToRGB(C));
  return TChannels{int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)};
}

TColor Grey(TColor C) {
  if (C == clNone) return C;
  TChannels c = Split(C);
  int g = (c.R + c.G + c.B) / 3;
  return TColor(g | (g << 8) | (g << 16));
}

// Selects one solid colour after another into the device for the bands of
// a fill: through the stock device brush when the layer offers it, else
// through created brushes; the brush selected before comes back at the end.
class TBandBrush {
 public:
  explicit TBandBrush(gdi::HDC DC) : FDC(DC) {
    FFast = PlotSetDCBrushColor != nullptr;
    FOld = gdi::SelectObject(DC, FFast ? gdi::GetStockObject(gdi::DC_BRUSH)
                                       : gdi::CreateSolidBrush(0));
    FCurrent = FFast ? nullptr : gdi::GetCurrentObject(DC, gdi::OBJ_BRUSH);
    if (FFast) PlotSetDCBrushColor(DC, 0);
  }
  ~TBandBrush() {
    gdi::SelectObject(FDC, FOld);
    if (FCurrent) gdi::DeleteObject(FCurrent);
  }
  void SetColor(TColor Color) {
    if (FHasColor && Color == FColor) return;
    FHasColor = true;
    FColor = Color;
    if (FFast) {
      PlotSetDCBrushColor(FDC, gdi::COLORREF(Color));
      return;
    }
    gdi::HGDIOBJ brush = gdi::CreateSolidBrush(gdi::COLORREF(Color));
    gdi::SelectObject(FDC, brush);
    gdi::DeleteObject(FCurrent);
    FCurrent = brush;
  }
  void Band(int X, int Y, int W, int H) { gdi::PatBlt(FDC, X, Y, W, H, gdi::PATCOPY); }

 private:
  gdi::HDC FDC;
  bool FFast;
  gdi::HGDIOBJ FOld;
  gdi::HGDIOBJ FCurrent = nullptr;
  bool FHasColor = false;
  TColor FColor = 0;
};

// The colour of band i out of N between the start and the delta.
TColor BandColor(TChannels S, TChannels D, int i, int N, int Balance) {
  if (Balance == 50)
    return TColor((S.R + i * D.R / N) | ((S.G + i * D.G / N) << 8) |
                  ((S.B + i * D.B / N) << 16));
  double f = GradientBalanceFactor(i, Balance, N);
  return TColor(((S.R + Rounded(D.R * f)) & 0xFF) | (((S.G + Rounded(D.G * f)) & 0xFF) << 8) |
                (((S.B + Rounded(D.B * f)) & 0xFF) << 16));
}

void CornerFill(TPlotCanvas3D* C, const TRect& r, TChannels S, TChannels D, bool TopLeft,
                               int Balance) {
  const int L = r.Left, T = r.Top, B = r.Bottom, W = r.Right - r.Left, H = r.Bottom - r.Top;
  int N = std::max(1, W + H);
  int y0 = TopLeft ? T : B, y = y0, x = 0, j = 0;
  bool columnsDone = false;
  TBandBrush brush(C->GetHandle());
  do {
    brush.SetColor(BandColor(S, D, x + j, N, Balance));
    if (!columnsDone) {
      int top = std::min(y, y0), height = std::abs(y0 - y);
      brush.Band(L + x - 1, top, 1, height);
    }
    if (j < H) {
      j++;
      if (TopLeft) {
        brush.Band(L, y, x, 1);
        if (y < B) y++;
      } else {
        brush.Band(L, y - 1, x, 1);
        if (y > T) y--;
      }
    }
    if (x < W)
      x++;
    else
      columnsDone = true;
  } while (!(j >= H && x >= W));
}

void DiagonalFill(TPlotCanvas3D* C, TRect r, TChannels S, TChannels D, bool Up, int Balance) {
  const int W = r.Right - r.Left, H = r.Bottom - r.Top;
  if (double(W) * H > 67108864.0) return;
  if (!Up) {
    r.Top--;
    r.Bottom--;
  }
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  const int N = std::max(1, std::min(255, W + H - 1));
  TPlotPen saved;
  TPlotPen* pen = C->GetPen();
  saved.Assign(pen);
  struct Restore {
    TPlotPen* P;
    TPlotPen* S;
    ~Restore() { P->Assign(S); }
  } restore{pen, &saved};
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  pen->SetVisible(true);
  // The first point runs along the near edge and then along the right edge;
  // the second along the left edge and then along the far edge.
  TPoint a{L, Up ? B : T}, b = a;
  const int step = Up ? -1 : 1;
  for (int i = 0; i < W + H; i++) {
    pen->SetColor(BandColor(S, D, N * i / (W + H), N, Balance));
    C->Line(a.X, a.Y, b.X, b.Y);
    if (a.X < R)
      a.X++;
    else
      a.Y += step;
    if (Up ? b.Y > T : b.Y < B)
      b.Y += step;
    else
      b.X++;
  }
}

}  // namespace

// ---------------- gradient fills ----------------

void TPlotCanvas3D::GradientFill(TCustomPlotGradient* Gradient, const TRect& Rect) {
  if (Gradient->GetAngle() != 0) {
    Gradient->DrawRotated(this, Rect);
    return;
  }
  TColor start = Gradient->GetStartColor(), end = Gradient->GetEndColor();
  TColor mid = Gradient->GetMidColor();
  if (FMonochrome) {
    start = Grey(start);
    end = Grey(end);
    mid = Grey(mid);
  }
  TGradientDirection d = Gradient->GetDirection();
  if (d == gdRadial) {
    GradientFill(Rect, start, end, gdRadial, Gradient->GetBalance(), Gradient->GetRadialX(),
                 Gradient->GetRadialY());
    return;
  }
  if (mid == clNone || d == gdDiagonalUp || d == gdDiagonalDown) {
    GradientFill(Rect, start, end, d, Gradient->GetBalance(), 0, 0);
    return;
  }
  const int my = (Rect.Top + Rect.Bottom) / 2, mx = (Rect.Left + Rect.Right) / 2;
  const TRect top{Rect.Left, Rect.Top, Rect.Right, my}, bottom{Rect.Left, my, Rect.Right,
                                                                 Rect.Bottom};
  const TRect left{Rect.Left, Rect.Top, mx, Rect.Bottom}, right{mx, Rect.Top, Rect.Right,
                                                                Rect.Bottom};
  switch (d) {
    case gdTopBottom:
      GradientFill(top, mid, end, d, 50, 0, 0);
      GradientFill(bottom, start, mid, d, 50, 0, 0);
      break;
    case gdBottomTop:
      GradientFill(top, start, mid, d, 50, 0, 0);
      GradientFill(bottom, mid, end, d, 50, 0, 0);
      break;
    case gdLeftRight:
      GradientFill(left, mid, end, d, 50, 0, 0);
      GradientFill(right, start, mid, d, 50, 0, 0);
      break;
    case gdRightLeft:
      GradientFill(left, start, mid, d, 50, 0, 0);
      GradientFill(right, mid, end, d, 50, 0, 0);
      break;
    default:
      GradientFill(Rect, start, end, d, 50, 0, 0);
      break;
  }
}

void TPlotCanvas3D::GradientFill(const TRect& Rect, TColor StartColor, TColor EndColor,
                                 TGradientDirection Direction, int Balance, int RadialX,
                                 int RadialY) {
  TRect r = OrientRectangle(Rect);
  if (Direction == gdRadial) {
    TCustomPlotGradient g;
    g.SetDirection(gdRadial);
    g.SetStartColor(StartColor);
    g.SetEndColor(EndColor);
    g.SetBalance(Balance);
    g.SetRadialX(RadialX);
    g.SetRadialY(RadialY);
    g.DrawRadial(this, r);
    return;
  }
  if (Direction != gdTopBottom && Direction != gdLeftRight && Direction != gdDiagonalUp &&
      Direction != gdDiagonalDown)
    std::swap(StartColor, EndColor);
  const TChannels S = Split(StartColor), E = Split(EndColor);
  const TChannels D{E.R - S.R, E.G - S.G, E.B - S.B};
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom, W = R - L, H = B - T;
  if (Direction == gdDiagonalUp || Direction == gdDiagonalDown) {
    DiagonalFill(this, r, S, D, Direction == gdDiagonalUp, Balance);
    return;
  }
  gdi::HDC dc = GetHandle();
  switch (Direction) {
    case gdTopBottom:
    case gdBottomTop: {
      int n = std::min(H, 256), N = n - 1;
      if (N <= 0) return;
      TBandBrush brush(dc);
      for (int i = 0; i < n; i++) {
        brush.SetColor(BandColor(S, D, i, N, Balance));
        int y0 = B - (i + 1) * H / n, y1 = B - i * H / n;
        brush.Band(L, y0, W, y1 - y0);
      }
      return;
    }
    case gdLeftRight:
    case gdRightLeft: {
      int n = std::min(W, 256), N = n - 1;
      if (N <= 0) return;
      TBandBrush brush(dc);
      for (int i = 0; i < n; i++) {
        brush.SetColor(BandColor(S, D, i, N, Balance));
        int x0 = R - (i + 1) * W / n, x1 = R - i * W / n;
        brush.Band(x0, T, x1 - x0, H);
      }
      return;
    }
    case gdFromCenter: {
      int N = std::max(1, W / 2 + H / 2), a = 0, b = 0;
      TBandBrush brush(dc);
      do {
        brush.SetColor(BandColor(S, D, a + b, N, Balance));
        brush.Band(L + b, T + a, 1, H - 2 * a);
        brush.Band(R - b - 1, T + a, 1, H - 2 * a);
        brush.Band(L + b, T + a, W - 2 * b, 1);
        brush.Band(L + b, B - a - 1, W - 2 * b, 1);
        if (a < H / 2) a++;
        if (b < W / 2) b++;
      } while (!(a >= H / 2 && b >= W / 2));
      return;
    }
    default:
      CornerFill(this, r, S, D, Direction == gdFromTopLeft, Balance);
      return;
  }
}

// ---------------- fonts ----------------

void TPlotCanvas3D::SetFontQuality(gdi::LOGFONTW& LogFont) {
  switch (FFont->GetPlotQuality()) {
    case TPlotFontQuality::fqNormal:
      LogFont.lfQuality = 3;
      return;
    case TPlotFontQuality::fqDefault:
      switch (FontQuality) {
        case TPlotFontQuality::fqBest: LogFont.lfQuality = 4; return;
        case TPlotFontQuality::fqNormal: LogFont.lfQuality = 3; return;
        case TPlotFontQuality::fqDefault: LogFont.lfQuality = 0; return;
        case TPlotFontQuality::fqClearType: LogFont.lfQuality = 5; return;
      }
      return;
    default:
      LogFont.lfQuality = PlotFontAntiAlias;
      return;
  }
}

gdi::HFONT TPlotCanvas3D::GetNewFont(gdi::HDC DC, int Size) {
  gdi::LOGFONTW font;
  gdi::GetObjectW(FFont->GetHandle(), sizeof(font), &font);
  font.lfHeight = -((Size * FFont->GetPixelsPerInch() + 36) / 72);
  SetFontQuality(font);
  return gdi::SelectObject(DC, gdi::CreateFontIndirectW(&font));
}

void TPlotCanvas3D::TextOut(int X, int Y, const std::string& Text) {
  gdi::HDC dc = GetHandle();
  gdi::HFONT old = GetNewFont(dc, FFont->GetSize());
  DirectTextOut(dc, X, Y, Text);
  if (old) gdi::DeleteObject(gdi::SelectObject(dc, old));
}

// ---------------- text with effects ----------------

TRect TPlotCanvas3D::TextRectangle(gdi::HDC DC, int X, int Y, const std::string& Text) {
  TPointF size = TextSize(Text);
  int w = Rounded(size.x), h = Rounded(size.y);
  unsigned a = gdi::GetTextAlign(DC);
  if (a > 7) a -= 8;
  if (a == gdi::TA_RIGHT) return TRect{X - w, Y, X, Y + h};
  if (a == gdi::TA_CENTER) return TRect{X - w / 2, Y, X + w / 2, Y + h};
  return TRect{X, Y, X + w, Y + h};
}

namespace {

void DeviceText(gdi::HDC DC, int X, int Y, const std::string& Text) {
  std::u16string w = UTF8ToUTF16(Text);
  gdi::TextOutW(DC, X, Y, reinterpret_cast<const gdi::WCHAR*>(w.c_str()), int(w.size()));
}

}  // namespace

void TPlotCanvas3D::DrawTextEffect(gdi::HDC DC, TPlotShadow* Effect, int Sign, int& X, int& Y,
                                   const std::string& Text) {
  if (!Effect->GetVisible()) return;
  const int hs = Effect->GetHorizSize(), vs = Effect->GetVertSize();
  if (hs == 0 && vs == 0) return;
  int ex = X, ey = Y;
  if (hs < 0)
    X -= hs * Sign;
  else
    ex = X + hs * Sign;
  if (vs < 0)
    Y -= vs * Sign;
  else
    ey = Y + vs * Sign;
  TPlotBlend* blend = nullptr;
  bool blending = Effect->GetTransparency() > 0;
  if (blending)
    blend = BeginBlending(FSupportsAlpha ? PlotZeroRect : TextRectangle(DC, ex, ey, Text),
                          TPlotTransparency(Effect->GetTransparency()));
  gdi::SetTextColor(DC, ColorToRGB(Effect->GetColor()));
  DeviceText(DC, ex, ey, Text);
  if (Effect->GetSmooth() && FBitmap) {
    TSize size = FCanvas->TextExtent(Text);
    unsigned align = gdi::GetTextAlign(DC);
    if (align > 7) align -= 8;
    int x = ex;
    if (align == gdi::TA_RIGHT) x -= size.cx;
    if (align == gdi::TA_CENTER) x -= size.cx / 2;
    TBlurFilter blur;
    blur.SetSteps(std::max(1, Effect->GetSmoothBlur()));
    blur.Apply(FBitmap, TRect{std::max(0, x - 1), std::max(0, ey),
                              std::min(FBitmap->GetWidth() - 1, x + size.cx),
                              std::min(FBitmap->GetHeight() - 1, ey + size.cy - 1)});
    DC = GetHandle();
    gdi::SetTextAlign(DC, align);
    gdi::SetBkMode(DC, gdi::TRANSPARENT);
  }
  if (blending) EndBlending(blend);
}

void TPlotCanvas3D::DirectTextOut(gdi::HDC DC, int X, int Y, const std::string& Text) {
  if (FFont->HasShadow()) DrawTextEffect(DC, FFont->GetShadow(), 1, X, Y, Text);
  if (FFont->HasEmboss()) DrawTextEffect(DC, FFont->GetEmboss(), -1, X, Y, Text);
  gdi::SetTextColor(DC, ColorToRGB(FFont->GetColor()));
  TPlotBrush* fontBrush = FFont->GetBrush();
  TPlotHiddenPen* outline = FFont->HasOutLine() ? FFont->GetOutLine() : nullptr;
  const bool hasOutline = outline && outline->GetVisible();
  const bool gradient = fontBrush->HasGradient();
  const bool picture = fontBrush->HasGraphic();
  if (!hasOutline && !gradient && !picture) {
    DeviceText(DC, X, Y, Text);
    return;
  }
  if (hasOutline)
    AssignVisiblePenColor(outline, outline->GetColor());
  else
    FPen->SetStyle(psClear);
  FBrush->SetStyle(bsSolid);
  FBrush->SetColor(FFont->GetColor());
  SetBackMode(cbmTransparent);
  auto recordText = [&] {
    gdi::BeginPath(DC);
    DeviceText(DC, X, Y, Text);
    gdi::EndPath(DC);
  };
  recordText();
  bool strokeOutline = hasOutline;
  if (gradient || picture) {
    bool widened = gradient && hasOutline && outline->HasFill() && outline->GetFill()->HasGradient();
    if (widened) gdi::WidenPath(DC);
    PushClipRegion(DC, gdi::PathToRegion(DC), gdi::RGN_AND);
    TRect r = TextRectangle(DC, X, Y, Text);
    if (gradient)
      fontBrush->GetGradient()->Draw(this, r, 0);
    else
      FCanvas->StretchDraw(r, fontBrush->GetImage()->Filtered());
    UnClipRectangle();
    if (widened) strokeOutline = false;
    if (strokeOutline) {
      recordText();
      FBrush->SetStyle(bsClear);
    }
  }
  if (!strokeOutline) return;
  gdi::SelectObject(DC, FCanvas->GetPen()->GetHandle());
  gdi::SelectObject(DC, FCanvas->GetBrush()->GetHandle());
  if (FFont->GetColor() == clNone) {
    gdi::StrokePath(DC);
    return;
  }
  gdi::StrokeAndFillPath(DC);
  int w = outline->GetWidth() / 2;
  DeviceText(DC, X + w, Y + w, Text);
}

// ---------------- rotated and 3D text ----------------

void TPlotCanvas3D::RotateLabel(int x, int y, const std::string& St, double RotDegree, bool) {
  while (RotDegree > 360) RotDegree -= 360;
  if (RotDegree == 0 && CharacterAngle == 0) {
    TextOut(x, y, St);
    return;
  }
  gdi::HDC dc = GetHandle();
  gdi::LOGFONTW font;
  gdi::GetObjectW(FFont->GetHandle(), sizeof(font), &font);
  font.lfEscapement = Rounded(RotDegree * 10);
  if (CharacterAngle != 0) font.lfOrientation = Rounded(CharacterAngle * 10);
  font.lfOutPrecision = 7;
  SetFontQuality(font);
  if (CharacterAngle != 0) gdi::SetGraphicsMode(dc, gdi::GM_ADVANCED);
  gdi::HGDIOBJ old = gdi::SelectObject(dc, gdi::CreateFontIndirectW(&font));
  if (IUseTextCenter) {
    double s = std::sin(RotDegree * PlotPiStep), c = std::cos(RotDegree * PlotPiStep);
    float dx = gdi::GetTextAlign(dc) == gdi::TA_CENTER ? 0.0f : float(x - ITextCenter.X);
    float dy = float(y - ITextCenter.Y);
    x = Rounded(c * dx + s * dy + ITextCenter.X);
    y = Rounded(-s * dx + c * dy + ITextCenter.Y);
  }
  DirectTextOut(dc, x, y, St);
  gdi::DeleteObject(gdi::SelectObject(dc, old));
  if (CharacterAngle != 0) gdi::SetGraphicsMode(dc, gdi::GM_COMPATIBLE);
}

void TPlotCanvas3D::TextOut3D(int x, int y, int z, const std::string& Text, bool AllowHTML) {
  Calc3DPos(x, y, z);
  if (AllowHTML) {
    HtmlTextOut(this, x, y, Text);
    return;
  }
  gdi::HDC dc = GetHandle();
  gdi::SelectObject(dc, FCanvas->GetFont()->GetHandle());
  DirectTextOut(dc, x, y, Text);
}

void TPlotCanvas3D::RotateLabel3D(int x, int y, int z, const std::string& St, double RotDegree,
                                  bool AllowHTML) {
  Calc3DPos(x, y, z);
  RotateLabel(x, y, St, RotDegree, AllowHTML);
}
