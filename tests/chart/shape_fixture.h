#pragma once
// A chart panel drawing on a recording canvas, for shape tests; and a
// canvas whose paths log their operations as text.

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "../support/RecordingCanvas.h"
#include "chart/PlotPanelExtended.h"

// The panel's canvas is a recording canvas on its own bitmap (the panel
// frees it).
struct TShapeFixture {
  explicit TShapeFixture(int Width = 200, int Height = 150) {
    Canvas = new TRecordingCanvas(Width, Height);
    Panel.SetInternalCanvas(Canvas);
    Canvas->InitWindow(Canvas->Bitmap.GetCanvas(), nullptr, clWhite, false,
                       TRect{0, 0, Width, Height});
  }
  TCustomPlotPanelExtended Panel{nullptr};
  TRecordingCanvas* Canvas = nullptr;
};

// A path that logs "MoveTo(x,y)", "LineTo(x,y)", "ArcTo(x,y,w,h,start,sweep)"
// and "Close", and draws nothing.
class TLogPath : public TPlotBasePath {
 public:
  explicit TLogPath(std::vector<std::string>& ALog) : Log(ALog) {}
  void ArcTo(float X, float Y, float W, float H, float S, float Sweep) override {
    Add("ArcTo", {X, Y, W, H, S, Sweep});
  }
  void Close() override { Log.push_back("Close"); }
  void Curve(std::span<const TPoint>, float, bool) override { Log.push_back("Curve"); }
  void Draw(TPlotCanvas*) override {}
  void GetPoints(TPathPointTypes&, TPointFloatArray&, TRectF&) override {}
  void LineTo(float X, float Y) override { Add("LineTo", {X, Y}); }
  void MoveTo(float X, float Y) override { Add("MoveTo", {X, Y}); }
  void TextOut(float, float, const std::string&) override {}
  using TPlotBasePath::LineTo;
  using TPlotBasePath::MoveTo;

 private:
  void Add(const char* Name, std::vector<float> Args) {
    std::ostringstream s;
    s << Name << "(";
    for (size_t i = 0; i < Args.size(); ++i) s << (i ? "," : "") << Args[i];
    s << ")";
    Log.push_back(s.str());
  }
  std::vector<std::string>& Log;
};

class TPathCanvas : public TRecordingCanvas {
 public:
  using TRecordingCanvas::TRecordingCanvas;
  TPlotBasePath* CreatePath(const TPointFloatArray*, const TPathPointTypes*) override {
    return new TLogPath(Paths);
  }
  // The path operations joined by spaces.
  std::string PathText() const {
    std::string s;
    for (const std::string& p : Paths) s += (s.empty() ? "" : " ") + p;
    return s;
  }
  std::vector<std::string> Paths;
};
