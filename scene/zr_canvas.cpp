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

// The points of a shaped corner that ends at End: the two control points of
// the round shape, and the two inner points the inner shapes pass through.
struct TCornerShape {
  TzrPoint RoundC1, RoundC2;  // zrCornerRound
  TzrPoint InnerA, InnerB;    // zrCornerInnerRound and zrCornerInnerLine
  TzrPoint End;
};

void ShapedCorner(TzrPathData& Path, const TCornerShape& C, TzrCornerType Type) {
  switch (Type) {
    case zrCornerRound:
      Path.CurveTo(C.RoundC1, C.RoundC2, C.End);
      break;
    case zrCornerBevel:
      Path.LineTo(C.End);
      break;
    case zrCornerInnerRound:
      Path.CurveTo(C.InnerA, C.InnerB, C.End);
      break;
    case zrCornerInnerLine:
      Path.LineTo(C.InnerA);
      Path.LineTo(C.InnerB);
      Path.LineTo(C.End);
      break;
  }
}

}  // namespace

void TzrCanvas::DrawRectSides(const TzrRect& ARect, float XRadius, float YRadius,
                              TzrCorners ACorners, float AOpacity, TzrSides ASides,
                              TzrCornerType ACornerType) {
  const float L = ARect.Left, T = ARect.Top, R = ARect.Right, B = ARect.Bottom;
  const float W = R - L, H = B - T;
  const float rx = W - 2 * XRadius < 0 ? W / 2 : XRadius;
  const float ry = H - 2 * YRadius < 0 ? H / 2 : YRadius;
  const float hx = rx / 2, hy = ry / 2;
  const bool top = Has(ASides, zrSideTop), left = Has(ASides, zrSideLeft);
  const bool bottom = Has(ASides, zrSideBottom), right = Has(ASides, zrSideRight);

  TzrPathData path;
  path.MoveTo({L, T + ry});
  if (Has(ACorners, zrCornerTopLeft)) {
    ShapedCorner(path, {{L, T + hy}, {L + hx, T}, {L + hx, T + ry}, {L + rx, T + hy}, {L + rx, T}},
                 ACornerType);
  } else {
    SideTo(path, {L, T}, left);
    SideTo(path, {L + rx, T}, top);
  }
  SideTo(path, {R - rx, T}, top);
  if (Has(ACorners, zrCornerTopRight)) {
    ShapedCorner(path, {{R - hx, T}, {R, T + hy}, {R - rx, T + hy}, {R - hx, T + ry}, {R, T + ry}},
                 ACornerType);
  } else {
    SideTo(path, {R, T}, top);
    SideTo(path, {R, T + ry}, right);
  }
  SideTo(path, {R, B - ry}, right);
  if (Has(ACorners, zrCornerBottomRight)) {
    ShapedCorner(path, {{R, B - hy}, {R - hx, B}, {R - hx, B - ry}, {R - rx, B - hy}, {R - rx, B}},
                 ACornerType);
  } else {
    SideTo(path, {R, B}, right);
    SideTo(path, {R - rx, B}, bottom);
  }
  SideTo(path, {L + rx, B}, bottom);
  if (Has(ACorners, zrCornerBottomLeft)) {
    ShapedCorner(path, {{L + hx, B}, {L, B - hy}, {L + rx, B - hy}, {L + hx, B - ry}, {L, B - ry}},
                 ACornerType);
  } else {
    SideTo(path, {L, B}, bottom);
    SideTo(path, {L, B - ry}, left);
  }
  if (left) path.LineTo({L, T + ry});
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
