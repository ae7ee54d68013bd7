// Filters that change the picture's geometry: resize, crop, tile, zoom,
// mirror and rotate. They work on the whole bitmap through the framework
// canvas (StretchBlt never reads outside its source) and may change its size.

#include <numbers>

#include "chart/PlotConst.h"
#include "chart/PlotFilters.h"
#include "chart/PlotFiltersCommon.h"
#include "chart/PlotPicture.h"
#include "platform/rtl/RttiDecl.h"

using plot_filters::N;

namespace {

const TEnumInfo& MirrorDirectionInfo() {
  static const TEnumInfo info("TMirrorDirection", {"mdDown", "mdUp", "mdRight", "mdLeft"});
  return info;
}

}  // namespace

// ---------------- resize ----------------

const TClassInfo* TResizeFilter::Class() {
  using F = TResizeFilter;
  static const TClassInfo* info = TClassDecl<F>("TResizeFilter", TPlotFilter::Class())
                                      .Prop("Height", &F::GetHeight, &F::SetHeight)
                                      .Default(0)
                                      .Prop("Width", &F::GetWidth, &F::SetWidth)
                                      .Default(0);
  return info;
}

TResizeFilter::TResizeFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TResizeFilter::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TResizeFilter*>(Source)) {
    FWidth = source->FWidth;
    FHeight = source->FHeight;
  }
  TPlotFilter::Assign(Source);
}

void TResizeFilter::Apply(TBitmap* Bitmap, const TRect& /*R*/) {
  if (!Bitmap || FWidth < 1 || FHeight < 1) return;
  TBitmap copy;
  copy.SetPixelFormat(pf24bit);
  copy.SetSize(FWidth, FHeight);
  SmoothStretch(Bitmap, &copy);
  Bitmap->SetSize(FWidth, FHeight);
  Bitmap->GetCanvas()->Draw(0, 0, &copy);
}

void TResizeFilter::CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) {
  TPlotFilter::CreateEditor(Creator, AChanged);
  if (!Creator) return;
  Creator->AddInteger("Width", PlotMsg_Width, 0, 10000);
  Creator->AddInteger("Height", PlotMsg_Height, 0, 10000);
}

std::string TResizeFilter::Description() { return PlotMsg_Resize; }

void TResizeFilter::PrepareForGallery() { FWidth = FHeight = 50; }

// ---------------- crop ----------------

const TClassInfo* TCropFilter::Class() {
  using F = TCropFilter;
  static const TClassInfo* info = TClassDecl<F>("TCropFilter", TResizeFilter::Class())
                                      .Prop("Left", &F::GetLeft, &F::SetLeft)
                                      .Default(0)
                                      .Prop("Smooth", &F::GetSmooth, &F::SetSmooth)
                                      .Default(0)
                                      .Prop("Top", &F::GetTop, &F::SetTop)
                                      .Default(0);
  return info;
}

TCropFilter::TCropFilter(TCollection* ACollection) : TResizeFilter(ACollection) {}

void TCropFilter::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TCropFilter*>(Source)) {
    FLeft = source->FLeft;
    FSmooth = source->FSmooth;
    FTop = source->FTop;
  }
  TResizeFilter::Assign(Source);
}

void TCropFilter::Apply(TBitmap* Bitmap, const TRect& /*R*/) {
  if (!Bitmap || FWidth <= 0 || FHeight <= 0) return;
  TBitmap part;
  part.SetPixelFormat(Bitmap->GetPixelFormat());
  part.SetSize(FWidth, FHeight);
  part.GetCanvas()->CopyRect(TRect{0, 0, FWidth, FHeight}, Bitmap->GetCanvas(),
                             TRect{FLeft, FTop, FLeft + FWidth - 1, FTop + FHeight - 1});
  if (FSmooth)
    SmoothStretch(&part, Bitmap);
  else
    Bitmap->GetCanvas()->StretchDraw(TRect{0, 0, Bitmap->GetWidth() - 1, Bitmap->GetHeight() - 1},
                                     &part);
}

void TCropFilter::CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) {
  TResizeFilter::CreateEditor(Creator, AChanged);
  if (!Creator) return;
  Creator->AddInteger("Left", PlotMsg_Left, 0, 10000);
  Creator->AddInteger("Top", PlotMsg_Top, 0, 10000);
  Creator->AddCheckBox("Smooth", PlotMsg_Smooth, nullptr);
}

std::string TCropFilter::Description() { return PlotMsg_Crop; }

// ---------------- tile ----------------

const TClassInfo* TTileFilter::Class() {
  using F = TTileFilter;
  static const TClassInfo* info = TClassDecl<F>("TTileFilter", TPlotFilter::Class())
                                      .Prop("NumCols", &F::GetNumCols, &F::SetNumCols)
                                      .Default(3)
                                      .Prop("NumRows", &F::GetNumRows, &F::SetNumRows)
                                      .Default(3);
  return info;
}

TTileFilter::TTileFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TTileFilter::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TTileFilter*>(Source)) {
    FNumCols = source->FNumCols;
    FNumRows = source->FNumRows;
  }
  TPlotFilter::Assign(Source);
}

void TTileFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  if (!Bitmap) return;
  FNumCols = std::max(1, FNumCols);
  FNumRows = std::max(1, FNumRows);
  const int w = (R.Right - R.Left) / FNumCols, h = (R.Bottom - R.Top) / FNumRows;
  if (w < 1 || h < 1) return;
  TBitmap tile;
  tile.SetPixelFormat(pf24bit);
  tile.SetSize(w, h);
  SmoothStretch(Bitmap, &tile);
  for (int col = 0; col < FNumCols; ++col)
    for (int row = 0; row < FNumRows; ++row) Bitmap->GetCanvas()->Draw(col * w, row * h, &tile);
}

void TTileFilter::CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) {
  TPlotFilter::CreateEditor(Creator, AChanged);
  if (!Creator) return;
  Creator->AddInteger("NumCols", PlotMsg_Columns, 1, 1000);
  Creator->AddInteger("NumRows", PlotMsg_Rows, 1, 1000);
}

std::string TTileFilter::Description() { return PlotMsg_Tile; }

// ---------------- zoom ----------------

const TClassInfo* TZoomFilter::Class() {
  using F = TZoomFilter;
  static const TClassInfo* info = TClassDecl<F>("TZoomFilter", TPlotFilter::Class())
                                      .Prop("Percent", &F::GetPercent, &F::SetPercent)
                                      .Default(10)
                                      .Prop("Smooth", &F::GetSmooth, &F::SetSmooth)
                                      .Default(0);
  return info;
}

TZoomFilter::TZoomFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TZoomFilter::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TZoomFilter*>(Source)) {
    FPercent = source->FPercent;
    FSmooth = source->FSmooth;
  }
  TPlotFilter::Assign(Source);
}

void TZoomFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  if (!Bitmap) return;
  const int w = R.Right - R.Left + 1, h = R.Bottom - R.Top + 1;
  if (w < 1 || h < 1) return;
  const int dx = N(w * FPercent * 0.005), dy = N(h * FPercent * 0.005);
  TCropFilter crop;
  crop.SetLeft(dx);
  crop.SetTop(dy);
  crop.SetWidth(std::max(1, w - 2 * dx));
  crop.SetHeight(std::max(1, h - 2 * dy));
  crop.SetSmooth(FSmooth);
  const bool whole = R.Left == 0 && R.Top == 0 && R.Right == Bitmap->GetWidth() - 1 &&
                     R.Bottom == Bitmap->GetHeight() - 1;
  if (whole) {
    crop.Apply(Bitmap);
    return;
  }
  TBitmap part;
  part.SetPixelFormat(Bitmap->GetPixelFormat());
  part.SetSize(w, h);
  part.GetCanvas()->CopyRect(TRect{0, 0, w, h}, Bitmap->GetCanvas(), R);
  crop.Apply(&part);
  Bitmap->GetCanvas()->Draw(R.Left, R.Top, &part);
}

void TZoomFilter::CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) {
  TPlotFilter::CreateEditor(Creator, AChanged);
  if (!Creator) return;
  Creator->AddScroll("Percent", 0, 100);
  Creator->AddCheckBox("Smooth", PlotMsg_Smooth, nullptr);
}

std::string TZoomFilter::Description() { return PlotMsg_Zoom; }

void TZoomFilter::PrepareForGallery() { FPercent = 60; }

// ---------------- mirror ----------------

const TClassInfo* TMirrorFilter::Class() {
  using F = TMirrorFilter;
  static const TClassInfo* info =
      TClassDecl<F>("TMirrorFilter", TPlotFilter::Class())
          .Enum("Direction", &F::GetDirection, &F::SetDirection, MirrorDirectionInfo())
          .Default(mdDown);
  return info;
}

TMirrorFilter::TMirrorFilter(TCollection* ACollection) : TPlotFilter(ACollection) {
  AllowRegion = false;
}

void TMirrorFilter::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TMirrorFilter*>(Source)) FDirection = source->FDirection;
  TPlotFilter::Assign(Source);
}

void TMirrorFilter::Apply(TBitmap* Bitmap, const TRect& /*R*/) {
  if (!Bitmap || Bitmap->GetEmpty()) return;
  const int w = Bitmap->GetWidth(), h = Bitmap->GetHeight();
  const bool vertical = FDirection == mdDown || FDirection == mdUp;
  TPoint plain{0, 0}, mirrored{0, 0};
  switch (FDirection) {
    case mdDown:
      mirrored = {0, h};
      break;
    case mdUp:
      plain = {0, h};
      break;
    case mdRight:
      mirrored = {w, 0};
      break;
    case mdLeft:
      plain = {w, 0};
      break;
  }
  TBitmap both;
  both.SetPixelFormat(pf24bit);
  both.SetSize(vertical ? w : 2 * w, vertical ? 2 * h : h);
  both.GetCanvas()->Draw(plain.X, plain.Y, Bitmap);
  if (vertical)
    TFlipFilter().Apply(Bitmap);
  else
    TReverseFilter().Apply(Bitmap);
  both.GetCanvas()->Draw(mirrored.X, mirrored.Y, Bitmap);
  Bitmap->SetSize(both.GetWidth(), both.GetHeight());
  Bitmap->GetCanvas()->Draw(0, 0, &both);
}

void TMirrorFilter::CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) {
  TPlotFilter::CreateEditor(Creator, AChanged);
  if (Creator) Creator->AddChoice("Direction");
}

std::string TMirrorFilter::Description() { return PlotMsg_Mirror; }

// ---------------- rotate ----------------

const TClassInfo* TRotateFilter::Class() {
  using F = TRotateFilter;
  static const TClassInfo* info = TClassDecl<F>("TRotateFilter", TPlotFilter::Class())
                                      .Prop("Angle", &F::GetAngle, &F::SetAngle)
                                      .Default(0)
                                      .Prop("AutoSize", &F::GetAutoSize, &F::SetAutoSize)
                                      .Default(1)
                                      .Prop("BackColor", &F::GetBackColor, &F::SetBackColor)
                                      .Default(clWhite);
  return info;
}

TRotateFilter::TRotateFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TRotateFilter::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TRotateFilter*>(Source)) {
    FAngle = source->FAngle;
    FAutoSize = source->FAutoSize;
    FBackColor = source->FBackColor;
  }
  TPlotFilter::Assign(Source);
}

void TRotateFilter::SetAngle(double Value) {
  if (Value != FAngle) FAngle = Value;
}

namespace {

// Copies every pixel of Source into Target by Map(x, y) -> target point.
template <class Map>
void MovePixels(const TRGBArray& Source, int W, int H, const TRGBArray& Target, Map map) {
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const TPoint to = map(x, y);
      Target[size_t(to.Y)][to.X] = Source[size_t(y)][x];
    }
}

}  // namespace

void TRotateFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  if (!Bitmap) return;
  while (FAngle > 360) FAngle -= 360;
  if (FAngle == 180) {
    TFlipFilter().Apply(Bitmap);
    TReverseFilter().Apply(Bitmap);
    return;
  }
  if (FAngle == 0) return;
  const int W = Bitmap->GetWidth(), H = Bitmap->GetHeight();
  const bool quarter = FAngle == 90 || FAngle == 270;
  const float theta = float((360 - FAngle) * std::numbers::pi / 180);
  const float sn = std::sin(theta), cs = std::cos(theta);
  int nw = W, nh = H;
  if (quarter) {
    nw = H;
    nh = W;
  } else if (FAutoSize) {
    const float s = sn * cs > 0 ? 1.0f : -1.0f;
    nw = std::abs(N(float(W) * cs + s * float(H) * sn));
    nh = std::abs(N(float(W) * sn + s * float(H) * cs));
  }
  if (W <= 1 || H <= 1) return;
  TPlotFilter::Apply(Bitmap, R);
  if (Empty()) return;
  TBitmap turned;
  turned.SetPixelFormat(pf24bit);
  turned.SetSize(nw, nh);
  if (FBackColor == clNone) {
    turned.SetTransparent(true);
  } else if (FBackColor != clWhite) {
    turned.GetCanvas()->GetBrush()->SetColor(FBackColor);
    turned.GetCanvas()->FillRect(TRect{0, 0, nw, nh});
  }
  TRGBArray target;
  PlotCalcLines(target, &turned);
  if (FAngle == 90) {
    MovePixels(Lines, W, H, target, [H](int x, int y) { return TPoint{H - 1 - y, x}; });
  } else if (FAngle == 270) {
    MovePixels(Lines, W, H, target, [W](int x, int y) { return TPoint{y, W - 1 - x}; });
  } else {
    for (int j = 0; j < nh; ++j)
      for (int i = 0; i < nw; ++i) {
        const float dx = float(i - nw / 2), dy = float(j - nh / 2);
        const int sx = N(cs * dx - sn * dy + float(W / 2));
        const int sy = N(sn * dx + cs * dy + float(H / 2));
        if (sx >= 0 && sx < W && sy >= 0 && sy < H) target[size_t(j)][i] = Lines[size_t(sy)][sx];
      }
  }
  Lines.clear();
  Bitmap->Assign(&turned);
}

void TRotateFilter::CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) {
  TPlotFilter::CreateEditor(Creator, AChanged);
  if (!Creator) return;
  Creator->AddScroll("Angle", 0, 360);
  Creator->AddColor("BackColor", PlotMsg_Back);
  Creator->AddCheckBox("AutoSize", PlotMsg_Autosize, nullptr);
}

std::string TRotateFilter::Description() { return PlotMsg_Rotate; }

void TRotateFilter::PrepareForGallery() { FAngle = 45; }
