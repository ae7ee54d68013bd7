#include "scene/zr_canvas.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/Rtti.h"
#include "scene/zr_bitmap.h"

TzrCanvasClass DefaultCanvasClass = nullptr;
TzrCanvasClass DefaultPrinterCanvasClass = nullptr;
TzrPaintVisualProc zrPaintVisualTo = nullptr;

const TEnumInfo& zrStrokeCapInfo() {
  static const TEnumInfo info("TzrStrokeCap", {"zrCapFlat", "zrCapRound"});
  return info;
}

const TEnumInfo& zrStrokeJoinInfo() {
  static const TEnumInfo info("TzrStrokeJoin", {"zrJoinMiter", "zrJoinRound", "zrJoinBevel"});
  return info;
}

const TEnumInfo& zrStrokeDashInfo() {
  static const TEnumInfo info("TzrStrokeDash",
                              {"zrDashSolid", "zrDashDash", "zrDashDot", "zrDashDashDot",
                               "zrDashDashDotDot", "zrDashCustom"});
  return info;
}

const TEnumInfo& zrTextAlignInfo() {
  static const TEnumInfo info("TzrTextAlign",
                              {"zrTextAlignCenter", "zrTextAlignNear", "zrTextAlignFar"});
  return info;
}

// ---------------------------------------------------------------- life

TzrCanvas::TzrCanvas() { MakeBrushesAndFont(); }

TzrCanvas::TzrCanvas(TzrBitmap* ABitmap) {
  if (ABitmap) {
    FWidth = ABitmap->GetWidth();
    FHeight = ABitmap->GetHeight();
  }
  MakeBrushesAndFont();
}

void TzrCanvas::MakeBrushesAndFont() {
  FStroke = std::make_unique<TzrBrush>(zrBrushSolid, 0xFF000000);
  FFill = std::make_unique<TzrBrush>(zrBrushSolid, 0xFFFFFFFF);
  FFont = std::make_unique<TzrFont>();
  FFont->OnChanged = [this](TObject* Sender) { FontChanged(Sender); };
}

TzrCanvas::~TzrCanvas() {
  FreeSaveData();
  if (FFont) FFont->OnChanged = nullptr;
}

void TzrCanvas::FreeSaveData() { FSaveData.clear(); }

// ---------------------------------------------------------------- copies

void TzrCanvas::AssignTo(TPersistent* Dest) {
  auto* bitmap = dynamic_cast<TzrBitmap*>(Dest);
  if (!bitmap) return TPersistent::AssignTo(Dest);
  bitmap->SetSize(FWidth, FHeight);
  if (!FBuffered || !FBufferBits) return;
  for (int y = 0; y < FHeight; ++y) {
    TzrColor* row = bitmap->GetScanline(y);
    if (row) std::memcpy(row, FBufferBits + size_t(y) * size_t(FWidth), size_t(FWidth) * 4);
  }
  bitmap->SetNeedUpdate(true);
}

void TzrCanvas::SaveToStream(TStream* S) {
  if (!FBuffered || !FBufferBits || !S) return;
  TzrBitmap bitmap(FWidth, FHeight);
  SaveToBits(bitmap.GetStartLine());
  bitmap.SetNeedUpdate(true);
  bitmap.SaveToStream(S);
}

void TzrCanvas::SaveToBits(void* Bits) {
  if (!FBuffered || !FBufferBits || !Bits) return;
  std::memcpy(Bits, FBufferBits, size_t(FWidth) * size_t(FHeight) * 4);
}

// ---------------------------------------------------------------- dashes

void TzrCanvas::SetStrokeDash(TzrStrokeDash Value) {
  if (Value == FStrokeDash) return;
  FStrokeDash = Value;
  switch (Value) {
    case zrDashSolid:
      FDash.clear();
      break;
    case zrDashDash:
      FDash = {3, 1};
      break;
    case zrDashDot:
      FDash = {1, 1};
      break;
    case zrDashDashDot:
      FDash = {3, 1, 1, 1};
      break;
    case zrDashDashDotDot:
      FDash = {3, 1, 1, 1, 1, 1};
      break;
    case zrDashCustom:
      return;  // the pattern and offset stay
  }
  FDashOffset = 0;
}

void TzrCanvas::SetCustomDash(const std::vector<float>& Dash, float Offset) {
  FStrokeDash = zrDashCustom;
  FDash = Dash;
  FDashOffset = Offset;
}

// ---------------------------------------------------------------- polygons and arcs

namespace {

bool IsClosePolygon(const TzrPoint& P) { return P.X == ClosePolygon.X && P.Y == ClosePolygon.Y; }

// One entry per point: move-to at a figure's start, close for the marker,
// line-to otherwise; CloseLast makes the last point's entry a close entry too.
void PolygonToPath(const TzrPolygon& Points, bool CloseLast, TzrPathData& Path) {
  bool figureStart = true;
  for (size_t i = 0; i < Points.size(); ++i) {
    TzrPathPoint entry;
    if (IsClosePolygon(Points[i])) {
      entry.Kind = zrPathPointClose;
    } else {
      entry.Kind = figureStart ? zrPathPointMoveTo : zrPathPointLineTo;
      entry.Point = Points[i];
      if (CloseLast && i + 1 == Points.size()) entry.Kind = zrPathPointClose;
    }
    figureStart = entry.Kind == zrPathPointClose;
    Path.PathData.push_back(entry);
  }
}

}  // namespace

void TzrCanvas::FillPolygon(const TzrPolygon& Points, float AOpacity) {
  TzrPathData path;
  PolygonToPath(Points, true, path);
  FillPath(path, path.GetBounds(), AOpacity);
}

void TzrCanvas::DrawPolygon(const TzrPolygon& Points, float AOpacity) {
  TzrPathData path;
  PolygonToPath(Points, false, path);
  DrawPath(path, path.GetBounds(), AOpacity);
}

void TzrCanvas::FillArc(const TzrPoint& Center, const TzrPoint& Radius, float StartAngle,
                        float SweepAngle, float AOpacity) {
  TzrPathData path;
  path.AddArc(Center, Radius, StartAngle, SweepAngle);
  FillPath(path, path.GetBounds(), AOpacity);
}

void TzrCanvas::DrawArc(const TzrPoint& Center, const TzrPoint& Radius, float StartAngle,
                        float SweepAngle, float AOpacity) {
  TzrPathData path;
  path.AddArc(Center, Radius, StartAngle, SweepAngle);
  DrawPath(path, path.GetBounds(), AOpacity);
}

// ---------------------------------------------------------------- rectangle sides

namespace {

bool Has(uint8_t Set, int Bit) { return (Set >> Bit) & 1; }

// A segment that is drawn with line-to or skipped with move-to.
void SideTo(TzrPathData& Path, const TzrPoint& P, bool Drawn) {
  if (Drawn)
    Path.LineTo(P);
  else
    Path.MoveTo(P);
}

}  // namespace

void TzrCanvas::DrawRectSides(const TzrRect& ARect, float XRadius, float YRadius,
                              TzrCorners ACorners, float AOpacity, TzrSides ASides,
                              TzrCornerType ACornerType) {
  static constexpr TzrCorner kClockwise[] = {zrCornerTopLeft, zrCornerTopRight, zrCornerBottomRight,
                                             zrCornerBottomLeft};
  // the sides that lead into and out of each corner
  static constexpr TzrSide kSideIn[] = {zrSideLeft, zrSideTop, zrSideRight, zrSideBottom};
  static constexpr TzrSide kSideOut[] = {zrSideTop, zrSideRight, zrSideBottom, zrSideLeft};

  TzrPathData path;
  for (int i = 0; i < 4; ++i) {
    const TzrCornerShape corner = zrRectCornerShape(ARect, XRadius, YRadius, kClockwise[i]);
    const bool in = Has(ASides, kSideIn[i]), out = Has(ASides, kSideOut[i]);
    if (i == 0)
      path.MoveTo(corner.Start);
    else
      SideTo(path, corner.Start, in);
    if (Has(ACorners, kClockwise[i])) {
      path.AddCorner(corner, ACornerType);
    } else {
      SideTo(path, corner.Sharp, in);
      SideTo(path, corner.End, out);
    }
  }
  if (Has(ASides, zrSideLeft))
    path.LineTo(zrRectCornerShape(ARect, XRadius, YRadius, zrCornerTopLeft).Start);
  DrawPath(path, ARect, AOpacity);
}

// ---------------------------------------------------------------- text size

float TzrCanvas::TextWidth(const std::u16string& AText) {
  TzrRect r = zrRect(0, 0, 10000, 20);
  MeasureText(r, r, AText, false, zrTextAlignNear, zrTextAlignCenter);
  return zrRectWidth(r);
}

float TzrCanvas::TextHeight(const std::u16string& AText) {
  TzrRect r = zrRect(0, 0, 10000, 10000);
  MeasureText(r, r, AText, false, zrTextAlignNear, zrTextAlignCenter);
  return zrRectHeight(r);
}

void TzrCanvas::StoreDrawingState(TzrSaveData& D) const {
  D.Matrix = FMatrix;
  D.Fill = std::make_unique<TzrBrush>();
  D.Fill->Assign(FFill.get());
  D.Stroke = std::make_unique<TzrBrush>();
  D.Stroke->Assign(FStroke.get());
  D.StrokeThickness = FStrokeThickness;
  D.StrokeCap = FStrokeCap;
  D.StrokeJoin = FStrokeJoin;
  D.StrokeDash = FStrokeDash;
  if (FStrokeDash != zrDashSolid) D.Dash = FDash;
  D.DashOffset = FDashOffset;
  D.Font = std::make_unique<TzrFont>();
  D.Font->Assign(FFont.get());
}

void TzrCanvas::TakeBackDrawingState(TzrSaveData& D) {
  FMatrix = D.Matrix;
  if (D.Stroke) FStroke->Assign(D.Stroke.get());
  if (D.Fill) FFill->Assign(D.Fill.get());
  D.Stroke.reset();
  D.Fill.reset();
  SetMatrix(FMatrix);
  FStrokeThickness = D.StrokeThickness;
  FStrokeCap = D.StrokeCap;
  FStrokeJoin = D.StrokeJoin;
  FStrokeDash = D.StrokeDash;
  if (D.StrokeDash != zrDashSolid) FDash = D.Dash;
  D.Dash.clear();
  FDashOffset = D.DashOffset;
  if (D.Font) FFont->Assign(D.Font.get());
  D.Font.reset();
}
