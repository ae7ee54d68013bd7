#pragma once
// A chart canvas for tests: every drawing call is logged as text (name and
// arguments, for example "Rectangle(0,0,10,10)") and then drawn by the GDI
// chart canvas onto a bitmap of its own, unbuffered, so tests can check
// both the sequence of calls and the pixels. A 2D pass is set up at
// creation; Begin3D starts a 3D one with given view options.
//
// Header only: the chart library is linked by the chart tests alone.

#include <sstream>
#include <string>
#include <vector>

#include "chart/PlotCanvas3D.h"

class TRecordingCanvas : public TPlotCanvas3D {
 public:
  explicit TRecordingCanvas(int Width = 200, int Height = 150) {
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(Width, Height);
    SetUseBuffer(false);
    InitWindow(Bitmap.GetCanvas(), nullptr, clWhite, false, TRect{0, 0, Width, Height});
  }

  // A 3D pass over the whole bitmap with Options (depth MaxDepth).
  void Begin3D(TView3DOptions* Options, int MaxDepth) {
    TRect r{0, 0, Bitmap.GetWidth(), Bitmap.GetHeight()};
    InitWindow(Bitmap.GetCanvas(), Options, clWhite, true, r);
    Projection(MaxDepth, r, r);
  }

  // The calls logged so far whose text starts with Prefix.
  std::vector<std::string> Calls(const std::string& Prefix = "") const {
    std::vector<std::string> out;
    for (const std::string& c : Log)
      if (c.compare(0, Prefix.size(), Prefix) == 0) out.push_back(c);
    return out;
  }
  size_t Count(const std::string& Prefix) const { return Calls(Prefix).size(); }
  void ClearLog() { Log.clear(); }
  // The pixel as $00BBGGRR, read from the bitmap whatever the clip.
  TColor Pixel(int X, int Y) {
    const uint8_t* p = Bitmap.GetScanLine(Y) + 3 * X;
    return TColor(p[2] | (p[1] << 8) | (p[0] << 16));
  }
  void Fill(TColor Color) {
    Bitmap.GetCanvas()->GetBrush()->SetColor(Color);
    Bitmap.GetCanvas()->GetBrush()->SetStyle(bsSolid);
    Bitmap.GetCanvas()->FillRect(TRect{0, 0, Bitmap.GetWidth(), Bitmap.GetHeight()});
  }

  using TPlotCanvas3D::Arc;
  using TPlotCanvas3D::GradientFill;
  using TPlotCanvas3D::Ellipse;
  using TPlotCanvas3D::LineTo;
  using TPlotCanvas3D::MoveTo;
  using TPlotCanvas3D::Pie;
  using TPlotCanvas3D::Polyline;
  using TPlotCanvas3D::Rectangle;
  using TPlotCanvas3D::RoundRect;
  using TPlotCanvas3D::TextOut;

  void MoveTo(int X, int Y) override {
    Record("MoveTo", {X, Y});
    TPlotCanvas3D::MoveTo(X, Y);
  }
  void LineTo(int X, int Y) override {
    Record("LineTo", {X, Y});
    TPlotCanvas3D::LineTo(X, Y);
  }
  void Rectangle(int X0, int Y0, int X1, int Y1) override {
    Record("Rectangle", {X0, Y0, X1, Y1});
    TPlotCanvas3D::Rectangle(X0, Y0, X1, Y1);
  }
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) override {
    Record("RoundRect", {X1, Y1, X2, Y2, X3, Y3});
    TPlotCanvas3D::RoundRect(X1, Y1, X2, Y2, X3, Y3);
  }
  void Ellipse(int X1, int Y1, int X2, int Y2) override {
    Record("Ellipse", {X1, Y1, X2, Y2});
    TPlotCanvas3D::Ellipse(X1, Y1, X2, Y2);
  }
  void Arc(int L, int T, int R, int B, int X3, int Y3, int X4, int Y4) override {
    Record("Arc", {L, T, R, B, X3, Y3, X4, Y4});
    TPlotCanvas3D::Arc(L, T, R, B, X3, Y3, X4, Y4);
  }
  void Pie(int L, int T, int R, int B, int X3, int Y3, int X4, int Y4) override {
    Record("Pie", {L, T, R, B, X3, Y3, X4, Y4});
    TPlotCanvas3D::Pie(L, T, R, B, X3, Y3, X4, Y4);
  }
  void Pie(const TRect& R, double StartAngle, double EndAngle) override {
    Log.push_back("PieAngles(" + std::to_string(R.Left) + "," + std::to_string(R.Top) + "," +
                  std::to_string(R.Right) + "," + std::to_string(R.Bottom) + ")");
    TPlotCanvas3D::Pie(R, StartAngle, EndAngle);
  }
  void FillRect(const TRect& R) override {
    Record("FillRect", {R.Left, R.Top, R.Right, R.Bottom});
    TPlotCanvas3D::FillRect(R);
  }
  void Polyline(std::span<const TPoint> Points) override {
    Record("Polyline", Flat(Points));
    TPlotCanvas3D::Polyline(Points);
  }
  void Polygon(std::span<const TPoint> Points) override {
    Record("Polygon", Flat(Points));
    TPlotCanvas3D::Polygon(Points);
  }
  void TextOut(int X, int Y, const std::string& Text) override {
    Log.push_back("TextOut(" + std::to_string(X) + "," + std::to_string(Y) + "," + Text + ")");
    TPlotCanvas3D::TextOut(X, Y, Text);
  }
  void ClipRectangle(const TRect& R) override {
    Record("ClipRectangle", {R.Left, R.Top, R.Right, R.Bottom});
    TPlotCanvas3D::ClipRectangle(R);
  }
  void UnClipRectangle() override {
    Record("UnClipRectangle", {});
    TPlotCanvas3D::UnClipRectangle();
  }
  void GradientFill(const TRect& R, TColor S, TColor E, TGradientDirection D, int Balance,
                    int RX, int RY) override {
    Record("GradientFill", {R.Left, R.Top, R.Right, R.Bottom, int(D), Balance});
    TPlotCanvas3D::GradientFill(R, S, E, D, Balance, RX, RY);
  }
  void DisableRotation() override {
    Record("DisableRotation", {});
    TPlotCanvas3D::DisableRotation();
  }
  void EnableRotation() override {
    Record("EnableRotation", {});
    TPlotCanvas3D::EnableRotation();
  }
  void SetBackMode(TCanvasBackMode Mode) override {
    Record("SetBackMode", {int(Mode)});
    TPlotCanvas3D::SetBackMode(Mode);
  }
  void SetBackColor(TColor Color) override {
    Record("SetBackColor", {int(Color)});
    TPlotCanvas3D::SetBackColor(Color);
  }
  void SmoothShadow(TPlotShadow* Shadow, const TRect& R, bool IsEllipse, int CornerSize,
                    std::span<const TPoint> Points, int Percent, double StartAngle,
                    double EndAngle) override {
    std::vector<int> args{R.Left, R.Top, R.Right, R.Bottom, int(IsEllipse), CornerSize,
                          int(Points.size())};
    Record("SmoothShadow", args);
    TPlotCanvas3D::SmoothShadow(Shadow, R, IsEllipse, CornerSize, Points, Percent, StartAngle,
                                EndAngle);
  }

  TBitmap Bitmap;
  std::vector<std::string> Log;

 private:
  static std::vector<int> Flat(std::span<const TPoint> Points) {
    std::vector<int> v;
    for (const TPoint& p : Points) {
      v.push_back(p.X);
      v.push_back(p.Y);
    }
    return v;
  }
  void Record(const std::string& Name, const std::vector<int>& Args) {
    std::ostringstream s;
    s << Name << "(";
    for (size_t i = 0; i < Args.size(); i++) s << (i ? "," : "") << Args[i];
    s << ")";
    Log.push_back(s.str());
  }
};
