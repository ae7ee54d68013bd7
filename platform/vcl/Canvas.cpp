// The framework's canvas over a device context.

#include "platform/vcl/Graphics.h"

using namespace gdi;

TCanvas::TCanvas() {
  auto changed = [this](TObject*) { Changed(); };
  FPen.OnChange = changed;
  FBrush.OnChange = changed;
  FFont.OnChange = changed;
}

TCanvas::~TCanvas() = default;

void TCanvas::SetHandle(HDC Value) { FHandle = Value; }

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

HDC TCanvas::RequiredHandle() {
  if (!FHandle) CreateHandle();
  if (!FHandle) throw EInvalidOperation("Canvas does not allow drawing");
  return FHandle;
}

void TCanvas::SelectTools() {
  HDC dc = RequiredHandle();
  SelectObject(dc, FPen.GetHandle());
  SelectObject(dc, FBrush.GetHandle());
  SelectObject(dc, FFont.GetHandle());
  SetROP2(dc, PenModeToRop2(FPen.GetMode()));
  SetBkColor(dc, ColorToRGB(FBrush.GetColor()));
  SetBkMode(dc, FBrush.GetStyle() == bsClear ? TRANSPARENT : OPAQUE);
  SetTextColor(dc, ColorToRGB(FFont.GetColor()));
}

TPoint TCanvas::GetPenPos() {
  POINT p;
  GetCurrentPositionEx(RequiredHandle(), &p);
  return TPoint{p.x, p.y};
}

void TCanvas::MoveTo(int X, int Y) { MoveToEx(RequiredHandle(), X, Y, nullptr); }

void TCanvas::LineTo(int X, int Y) {
  SelectTools();
  gdi::LineTo(FHandle, X, Y);
  Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  SelectTools();
  gdi::Rectangle(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  SelectTools();
  gdi::RoundRect(FHandle, X1, Y1, X2, Y2, X3, Y3);
  Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  SelectTools();
  gdi::Ellipse(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  SelectTools();
  gdi::Arc(FHandle, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
  Changed();
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  SelectTools();
  gdi::Pie(FHandle, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
  Changed();
}

static std::vector<POINT> ToPoints(const std::vector<TPoint>& Points) {
  std::vector<POINT> p;
  for (const TPoint& t : Points) p.push_back(POINT{t.X, t.Y});
  return p;
}

void TCanvas::Polygon(const std::vector<TPoint>& Points) {
  SelectTools();
  std::vector<POINT> p = ToPoints(Points);
  gdi::Polygon(FHandle, p.data(), int(p.size()));
  Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& Points) {
  SelectTools();
  std::vector<POINT> p = ToPoints(Points);
  gdi::Polyline(FHandle, p.data(), int(p.size()));
  Changed();
}

void TCanvas::FillRect(const TRect& R) {
  SelectTools();
  RECT r{R.Left, R.Top, R.Right, R.Bottom};
  gdi::FillRect(FHandle, &r, FBrush.GetHandle());
  Changed();
}

void TCanvas::FrameRect(const TRect& R) {
  SelectTools();
  // A one-pixel frame in the brush colour, inside the rectangle.
  HBRUSH b = FBrush.GetHandle();
  RECT edges[4] = {{R.Left, R.Top, R.Right, R.Top + 1},
                   {R.Left, R.Bottom - 1, R.Right, R.Bottom},
                   {R.Left, R.Top, R.Left + 1, R.Bottom},
                   {R.Right - 1, R.Top, R.Right, R.Bottom}};
  for (const RECT& e : edges) gdi::FillRect(FHandle, &e, b);
  Changed();
}

void TCanvas::TextOut(int X, int Y, const std::u16string& Text) {
  SelectTools();
  TextOutW(FHandle, X, Y, Text.c_str(), int(Text.size()));
  Changed();
}

TSize TCanvas::TextExtent(const std::u16string& Text) {
  SelectTools();
  SIZE s;
  GetTextExtentPoint32W(FHandle, Text.c_str(), int(Text.size()), &s);
  return TSize{s.cx, s.cy};
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->GetEmpty()) return;
  StretchDraw(TRect{X, Y, X + Graphic->GetWidth(), Y + Graphic->GetHeight()}, Graphic);
}

void TCanvas::StretchDraw(const TRect& R, TGraphic* Graphic) {
  if (!Graphic || Graphic->GetEmpty()) return;
  RequiredHandle();
  Graphic->Draw(this, R);
  Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect) {
  if (!Source) return;
  SelectTools();
  StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Source->RequiredHandle(),
             SourceRect.Left, SourceRect.Top, SourceRect.Width(), SourceRect.Height(), FCopyMode);
  Changed();
}

TColor TCanvas::GetPixels(int X, int Y) {
  COLORREF c = GetPixel(RequiredHandle(), X, Y);
  return c == CLR_INVALID ? TColor(-1) : TColor(c);
}

void TCanvas::SetPixels(int X, int Y, TColor Value) {
  SetPixel(RequiredHandle(), X, Y, ColorToRGB(Value));
  Changed();
}
