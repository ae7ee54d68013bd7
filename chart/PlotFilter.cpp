#include "chart/PlotFilter.h"

#include <algorithm>
#include <cmath>

#include "chart/PlotConst.h"
#include "platform/rtl/RttiDecl.h"

// ---------------- row tables ----------------

namespace {

template <class Row>
void CalcLines(std::vector<Row*>& Lines, TBitmap* Bitmap, TPixelFormat Format) {
  Lines.clear();
  if (!Bitmap) return;
  Bitmap->SetPixelFormat(Format);
  int h = Bitmap->GetEmpty() ? 0 : Bitmap->GetHeight();
  if (h == 0) return;
  Lines.resize(size_t(h));
  uint8_t* first = Bitmap->GetScanLine(0);
  Lines[0] = reinterpret_cast<Row*>(first);
  if (h == 1) return;  // no second row to take the distance from
  std::ptrdiff_t step = Bitmap->GetScanLine(1) - first;
  for (int y = 1; y < h; ++y) Lines[size_t(y)] = reinterpret_cast<Row*>(first + step * y);
}

}  // namespace

void PlotCalcLines(TRGBArray& Lines, TBitmap* Bitmap) { CalcLines(Lines, Bitmap, pf24bit); }
void PlotCalcLines(TRGBAArray& Lines, TBitmap* Bitmap) { CalcLines(Lines, Bitmap, pf32bit); }

int PlotGetDeviceCaps(gdi::HDC DC, int Index) { return gdi::GetDeviceCaps(DC, Index); }

int PlotBitsperPixel(gdi::HDC DC) {
  return PlotGetDeviceCaps(DC, gdi::BITSPIXEL) * PlotGetDeviceCaps(DC, gdi::PLANES);
}

// ---------------- region ----------------

const TClassInfo* TFilterRegion::Class() {
  static const TClassInfo* info =
      TClassDecl<TFilterRegion>("TFilterRegion", TPersistent::Class())
          .Prop("Height", &TFilterRegion::GetHeight, &TFilterRegion::SetHeight)
          .Default(0)
          .Prop("Left", &TFilterRegion::GetLeft, &TFilterRegion::SetLeft)
          .Default(0)
          .Prop("Top", &TFilterRegion::GetTop, &TFilterRegion::SetTop)
          .Default(0)
          .Prop("Width", &TFilterRegion::GetWidth, &TFilterRegion::SetWidth)
          .Default(0);
  return info;
}

void TFilterRegion::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TFilterRegion*>(Source);
  if (!source) return TPersistent::Assign(Source);
  FHeight = source->FHeight;
  FLeft = source->FLeft;
  FTop = source->FTop;
  FWidth = source->FWidth;
}

TRect TFilterRegion::GetRectangle() const {
  return TRect{FLeft, FTop, FLeft + FWidth, FTop + FHeight};
}

void TFilterRegion::SetRectangle(const TRect& Value) {
  FLeft = Value.Left;
  FTop = Value.Top;
  FWidth = Value.Width();
  FHeight = Value.Height();
}

// ---------------- filter ----------------

const TClassInfo* TPlotFilter::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotFilter>("TPlotFilter", TCollectionItem::Class())
          .Prop("Enabled", &TPlotFilter::GetEnabled, &TPlotFilter::SetEnabled)
          .Default(1)
          .Prop("Region", &TPlotFilter::GetRegion, &TPlotFilter::SetRegion)
          .Method<std::function<void()>>("PrepareForGallery", &TPlotFilter::PrepareForGallery);
  return info;
}

TPlotFilter::TPlotFilter(TCollection* ACollection) : TCollectionItem(ACollection) {}

TPlotFilter::~TPlotFilter() = default;

void TPlotFilter::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TPlotFilter*>(Source);
  if (!source) return TCollectionItem::Assign(Source);
  SetEnabled(source->FEnabled);
  SetRegion(source->FRegion.get());
}

void TPlotFilter::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  if (FChanged) FChanged(this);
}

TFilterRegion* TPlotFilter::GetRegion() {
  if (!FRegion) FRegion = std::make_unique<TFilterRegion>();
  return FRegion.get();
}

void TPlotFilter::SetRegion(TFilterRegion* Value) {
  if (!Value) {
    FRegion.reset();
    return;
  }
  GetRegion()->Assign(Value);
}

void TPlotFilter::Apply(TBitmap* Bitmap) {
  if (!Bitmap) return;
  int w = Bitmap->GetWidth(), h = Bitmap->GetHeight();
  TRect r{0, 0, w - 1, h - 1};
  if (FRegion) {
    const TFilterRegion& g = *FRegion;
    r.Left = g.GetLeft();
    r.Top = g.GetTop();
    r.Right = g.GetWidth() == 0 ? std::max(g.GetLeft(), w - 1)
                                : std::min(w - 1, g.GetLeft() + g.GetWidth());
    r.Bottom = g.GetHeight() == 0 ? std::max(g.GetTop(), h - 1)
                                  : std::min(h - 1, g.GetTop() + g.GetHeight());
  }
  Apply(Bitmap, r);
}

void TPlotFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  (void)R;
  if (!ReuseLines) CalcLines(Bitmap);
}

void TPlotFilter::CalcLines(TBitmap* Bitmap) {
  if (RGBA)
    PlotCalcLines(LinesRGBA, Bitmap);
  else
    PlotCalcLines(Lines, Bitmap);
}

void TPlotFilter::CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) {
  (void)Creator;
  FChanged = AChanged;
}

std::string TPlotFilter::Description() { return ClassType()->Name(); }

void TPlotFilter::ApplyTo(const TClassInfo* FilterClass, TBitmap* Bitmap) {
  std::unique_ptr<TObject> made(FilterClass ? FilterClass->Create(nullptr) : nullptr);
  if (auto* filter = dynamic_cast<TPlotFilter*>(made.get())) filter->Apply(Bitmap);
}

// ---------------- filter list ----------------

const TClassInfo* TFilterItems::Class() {
  static const TClassInfo* info = TClassDecl<TFilterItems>("TFilterItems", TCollection::Class());
  return info;
}

TFilterItems::TFilterItems(TPersistent* AOwner)
    : TCollection(TPlotFilter::Class()), FOwner(AOwner) {}

TPlotFilter* TFilterItems::Add(const TClassInfo* FilterClass) {
  if (!FilterClass || !FilterClass->InheritsFrom(TPlotFilter::Class()))
    throw EInvalidOperation("Not a filter class");
  TObject* made = FilterClass->Create(this);
  auto* filter = dynamic_cast<TPlotFilter*>(made);
  if (!filter) {
    delete made;
    throw EInvalidOperation("Not a filter class");
  }
  Update(filter);
  return filter;
}

void TFilterItems::ApplyTo(TBitmap* Bitmap) {
  for (int i = 0; i < Count(); ++i)
    if (Get(i)->GetEnabled()) Get(i)->Apply(Bitmap);
}

void TFilterItems::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TFilterItems*>(Source);
  if (!source) return TCollection::Assign(Source);
  if (source == this) return;
  BeginUpdate();
  try {
    Clear();
    for (int i = 0; i < source->Count(); ++i)
      Add(source->Get(i)->ClassType())->Assign(source->Get(i));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TFilterItems::Update(TCollectionItem* Item) {
  TCollection::Update(Item);
  Changed = true;
  if (OnChange) OnChange(this);
}

// ---------------- convolution ----------------

const TClassInfo* TConvolveFilter::Class() {
  static const TClassInfo* info =
      TClassDecl<TConvolveFilter>("TConvolveFilter", TPlotFilter::Class());
  return info;
}

TConvolveFilter::TConvolveFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

TConvolveFilter::~TConvolveFilter() = default;

void TConvolveFilter::CreateBuffer(int AWidth, int AHeight) {
  BufferFilter = std::make_unique<TPlotFilter>();
  BufferFilter->RGBA = RGBA;
  BufferBitmap = std::make_unique<TBitmap>();
  BufferBitmap->SetPixelFormat(RGBA ? pf32bit : pf24bit);
  BufferBitmap->SetSize(std::max(0, AWidth), std::max(0, AHeight));
  BufferFilter->Apply(BufferBitmap.get());
}

void TConvolveFilter::FreeBuffer() {
  BufferFilter.reset();
  BufferBitmap.reset();
}

namespace {

struct Kernel {
  std::array<float, 9> W;
  bool Box;  // all nine weights exactly 1
  float Sum;

  explicit Kernel(const std::array<float, 9>& Weights) : W(Weights) {
    Box = std::all_of(W.begin(), W.end(), [](float v) { return v == 1.0f; });
    Sum = 0;
    for (float v : W) Sum += v;
  }

  uint8_t Mix(const float (&values)[9]) const {
    if (Box) {
      int s = 0;
      for (float v : values) s += int(v);
      return uint8_t(s / 9);
    }
    float v = 0;
    for (int k = 0; k < 9; ++k) v += W[size_t(k)] * values[k];
    double r = Sum == 0 ? double(v) : std::nearbyint(double(v) / double(Sum));
    return uint8_t(std::clamp(r, 0.0, 255.0));
  }
};

// One pass over rows and columns 1 .. n - 2 of the rectangle; Channel picks
// a byte of a pixel.
template <class Pixel, class Get>
void Convolve(const std::vector<Pixel*>& Src, const std::vector<Pixel*>& Buf, const TRect& R,
              const Kernel& K, int Channels, Get Channel) {
  for (int i = R.Top + 1; i <= R.Bottom - 1; ++i)
    for (int j = R.Left + 1; j <= R.Right - 1; ++j) {
      Pixel& out = Buf[size_t(i - R.Top)][j - R.Left];
      out = Src[size_t(i)][j];
      for (int c = 0; c < Channels; ++c) {
        float values[9];
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx)
            values[(dy + 1) * 3 + dx + 1] = Channel(Src[size_t(i + dy)][j + dx], c);
        Channel(out, c) = K.Mix(values);
      }
    }
  for (int i = R.Top + 1; i <= R.Bottom - 1; ++i)
    for (int j = R.Left + 1; j <= R.Right - 1; ++j)
      Src[size_t(i)][j] = Buf[size_t(i - R.Top)][j - R.Left];
}

}  // namespace

void TConvolveFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  TPlotFilter::Apply(Bitmap, R);
  if (Empty()) return;
  Rect = TRect{std::max(0, R.Left), std::max(0, R.Top), std::min(Bitmap->GetWidth() - 1, R.Right),
               std::min(Bitmap->GetHeight() - 1, R.Bottom)};
  if (!KeepBuffer) CreateBuffer(Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
  Kernel k(Weights);
  bool fits = BufferBitmap && BufferBitmap->GetWidth() >= Rect.Right - Rect.Left &&
              BufferBitmap->GetHeight() >= Rect.Bottom - Rect.Top;
  if (fits && Rect.Right - Rect.Left >= 2 && Rect.Bottom - Rect.Top >= 2) {
    if (RGBA)
      Convolve(LinesRGBA, BufferFilter->LinesRGBA, Rect, k, 3, [](auto& p, int c) -> uint8_t& {
        return c == 0 ? p.Red : c == 1 ? p.Green : p.Blue;
      });
    else
      Convolve(Lines, BufferFilter->Lines, Rect, k, 3, [](auto& p, int c) -> uint8_t& {
        return c == 0 ? p.Blue : c == 1 ? p.Green : p.Red;
      });
  }
  if (!KeepBuffer) FreeBuffer();
}

// ---------------- blur ----------------

const TClassInfo* TBlurFilter::Class() {
  static const TClassInfo* info =
      TClassDecl<TBlurFilter>("TBlurFilter", TConvolveFilter::Class())
          .Prop("Amount", &TBlurFilter::GetAmount, &TBlurFilter::SetAmount)
          .Default(1)
          .Prop("Steps", &TBlurFilter::GetSteps, &TBlurFilter::SetSteps)
          .Default(1);
  return info;
}

TBlurFilter::TBlurFilter(TCollection* ACollection) : TConvolveFilter(ACollection) {}

void TBlurFilter::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TBlurFilter*>(Source)) {
    FAmount = source->FAmount;
    FSteps = source->FSteps;
  }
  TConvolveFilter::Assign(Source);
}

void TBlurFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  if (!Bitmap) return;
  Weights.fill(1);
  Weights[4] = float(FAmount);
  RGBA = PlotBitsperPixel(Bitmap->GetCanvas()->GetHandle()) == 32;
  CalcLines(Bitmap);
  ReuseLines = true;
  KeepBuffer = true;
  try {
    CreateBuffer(std::abs(R.Width()), std::abs(R.Height()));
    for (int step = 0; step < FSteps; ++step) TConvolveFilter::Apply(Bitmap, R);
  } catch (...) {
    FreeBuffer();
    ReuseLines = KeepBuffer = false;
    throw;
  }
  FreeBuffer();
  ReuseLines = KeepBuffer = false;
}

void TBlurFilter::CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) {
  TConvolveFilter::CreateEditor(Creator, AChanged);
  if (!Creator) return;
  Creator->AddScroll("Steps", 1, 20);
  Creator->AddScroll("Amount", 0, 50);
}

std::string TBlurFilter::Description() { return PlotMsg_Blur; }

void RegisterPlotFilters() {
  RegisterClass(TPlotFilter::Class());
  RegisterClass(TConvolveFilter::Class());
  RegisterClass(TBlurFilter::Class());
}
