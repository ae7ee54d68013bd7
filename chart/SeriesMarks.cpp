#include "chart/SeriesMarks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "chart/AxisPanel.h"
#include "chart/ChartSeries.h"
#include "chart/PlotCanvas.h"
#include "chart/PlotHover.h"
#include "chart/PlotPicture.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "scene/zr_stream.h"

namespace {

// A point box's text lines, which stream as the list entry "Strings" under the
// box's "Text" property; a plain string list writes no lines of its own.
class TMarksItemText : public TStringList {
 public:
  void DefineProperties(TFiler* Filer) override {
    Filer->DefineProperty(
        "Strings", [this](TReader* R) { ReadLines(R); }, [this](TWriter* W) { WriteLines(W); },
        Count() > 0);
  }

 private:
  void ReadLines(TReader* Reader) {
    BeginUpdate();
    Clear();
    Reader->ReadListBegin();
    while (!Reader->EndOfList()) Add(Reader->ReadString());
    Reader->ReadListEnd();
    EndUpdate();
  }
  void WriteLines(TWriter* Writer) {
    Writer->WriteListBegin();
    for (int i = 0; i < Count(); ++i) Writer->WriteString(Get(i));
    Writer->WriteListEnd();
  }
};

bool Intersects(const TRect& A, const TRect& B) {
  return std::max(A.Left, B.Left) < std::min(A.Right, B.Right) &&
         std::max(A.Top, B.Top) < std::min(A.Bottom, B.Bottom);
}

TRect Moved(const TRect& R, int DX, int DY) {
  return TRect{R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY};
}

const TEnumInfo& StyleInfo() {
  static const TEnumInfo info(
      "TSeriesMarksStyle",
      {"smsValue", "smsPercent", "smsLabel", "smsLabelPercent", "smsLabelValue", "smsLegend",
       "smsPercentTotal", "smsLabelPercentTotal", "smsXValue", "smsXY", "smsSeriesTitle",
       "smsPointIndex", "smsPercentRelative", "smsLabelPercentValue", "smsLabelOrValue"});
  return info;
}

const TEnumInfo& ImagesInfo() {
  static const TEnumInfo info("TSeriesMarksImages", {"miSymbol", "miOnly", "miNone"});
  return info;
}

const TEnumInfo& TailAlignInfo() {
  static const TEnumInfo info("TTailAlign", {"ttaNear", "ttaCenter", "ttaFar"});
  return info;
}

}  // namespace

// ---------------- TSeriesMarkShape ----------------

TSeriesMarkShape::TSeriesMarkShape(TCustomPlotPanel* AOwner) : TCustomTextShape(AOwner) {}

const TClassInfo* TSeriesMarkShape::Class() {
  using S = TSeriesMarkShape;
  static const TClassInfo* info = TClassDecl<S>("TSeriesMarkShape", TCustomTextShape::Class())
                                      .Enum("Style", &S::GetStyle, &S::SetStyle, StyleInfo())
                                      .Default(smsLabelOrValue);
  return info;
}

void TSeriesMarkShape::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TSeriesMarkShape*>(Source)) FMarkerStyle = s->FMarkerStyle;
  TCustomTextShape::Assign(Source);
}

void TSeriesMarkShape::SetStyle(TSeriesMarksStyle Value) {
  if (FMarkerStyle == Value) return;
  FMarkerStyle = Value;
  if (FParent)
    FParent->Invalidate();
  else if (IParent && IParent->GetSeries())
    IParent->GetSeries()->Repaint();
}

// ---------------- TSeriesMarksPositions ----------------

TSeriesMarkPosition* TSeriesMarksPositions::Get(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return FItems[Index].get();
}

TSeriesMarkPosition* TSeriesMarksPositions::Ensure(int Index) {
  if (Index >= Count()) FItems.resize(Index + 1);
  if (!FItems[Index]) FItems[Index] = std::make_unique<TSeriesMarkPosition>();
  return FItems[Index].get();
}

void TSeriesMarksPositions::Put(int Index, const TSeriesMarkPosition& P) {
  TSeriesMarkPosition* p = Ensure(Index);
  *p = P;
  p->Custom = true;
}

void TSeriesMarksPositions::Automatic(int Index) {
  if (TSeriesMarkPosition* p = Get(Index)) p->Custom = false;
}

bool TSeriesMarksPositions::ExistCustom() const {
  return std::any_of(FItems.begin(), FItems.end(), [](const auto& p) { return p && p->Custom; });
}

void TSeriesMarksPositions::DeleteMany(int Index, int Quantity) {
  if (Index < 0 || Index >= Count() || Quantity <= 0) return;
  const int last = std::min(Count(), Index + Quantity);
  FItems.erase(FItems.begin() + Index, FItems.begin() + last);
}

void TSeriesMarksPositions::MoveTo(TSeriesMarkPosition& P, int X, int Y) {
  P.ArrowTo = TPoint{X, Y};
  P.ArrowFrom = P.ArrowTo;
  P.LeftTop = TPoint{X - P.Width / 2, Y - P.Height + 1};
  if (IMarks == nullptr || IMarks->SymbolIfAny() == nullptr) return;
  TRect& b = IMarks->SymbolIfAny()->ShapeBounds;
  const int w = b.Width(), h = b.Height();
  b = TRect{P.LeftTop.X + 2, P.LeftTop.Y + 2, P.LeftTop.X + 2 + w, P.LeftTop.Y + 2 + h};
}

// ---------------- TMarksItem ----------------

TMarksItem::TMarksItem(TCustomPlotPanel* AOwner) : TCustomTextShape(AOwner) {}

TMarksItem::~TMarksItem() = default;

const TClassInfo* TMarksItem::Class() {
  using I = TMarksItem;
  // An item starts as a copy of the marks, so its plain values carry no class
  // default: each is written, and one equal to a class default is not lost.
  static const TClassInfo* info =
      TClassDecl<I>("TMarksItem", TCustomTextShape::Class())
          .Prop("Brush", &I::GetBrush, &I::SetBrush)
          .Prop("Color", &I::GetColor, &I::SetColor)
          .Prop("Font", &I::GetFont, &I::SetFont)
          .Prop("Frame", &I::GetFrame, &I::SetFrame)
          .Prop("RoundSize", &I::GetRoundSize, &I::SetRoundSize)
          .Prop("Shadow", &I::GetShadow, &I::SetShadow)
          .Prop("Text", &I::GetTextLines, &I::SetTextLines)
          .Enum("TextAlignment", &I::GetTextAlignment, &I::SetTextAlignment, TextAlignmentInfo())
          .Prop("Transparency", &I::GetTransparency, &I::SetTransparency)
          .Prop("Transparent", &I::GetTransparent, &I::SetTransparent)
          .Prop("Visible", &I::GetVisible, &I::SetVisible);
  return info;
}

void TMarksItem::ChangedText() {
  if (!ILoading) ICustomText = true;
  TCustomTextShape::ChangedText();
}

TStrings* TMarksItem::GetTextLines() {
  if (!IText) {
    IText = std::make_unique<TMarksItemText>();
    IText->OnChange = [this](TObject*) {
      if (ILoading) return;
      std::string text = IText->GetText();
      if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.resize(text.size() - 2);
      else if (!text.empty() && text.back() == '\n')
        text.pop_back();
      FText = text;
      ICustomText = true;
      if (FParent) FParent->CanvasChanged(this);
    };
  }
  ILoading = true;
  IText->SetText(FText);
  ILoading = false;
  return IText.get();
}

void TMarksItem::SetTextLines(TStrings* Value) {
  if (Value == nullptr) {
    IText.reset();
    FText.clear();
    ICustomText = false;
    Repaint();
    return;
  }
  GetTextLines()->Assign(Value);
}

// ---------------- TMarksItems ----------------

TMarksItem* TMarksItems::Find(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return FItems[Index].get();
}

TMarksItem* TMarksItems::Get(int Index) {
  if (Index >= Count()) FItems.resize(Index + 1);
  if (!FItems[Index]) {
    auto item = std::make_unique<TMarksItem>(IMarks->GetParentChart());
    item->Assign(IMarks);
    item->ICustomText = false;
    FItems[Index] = std::move(item);
  }
  return FItems[Index].get();
}

void TMarksItems::Delete(int Index) {
  if (Index < 0 || Index >= Count()) return;
  FItems.erase(FItems.begin() + Index);
}

// ---------------- TMarksTail ----------------

const TClassInfo* TMarksTail::Class() {
  using T = TMarksTail;
  static const TClassInfo* info = TClassDecl<T>("TMarksTail", TPersistent::Class())
                                      .Prop("AutoAlign", &T::GetAutoAlign, &T::SetAutoAlign)
                                      .Default(1)
                                      .Prop("Height", &T::GetHeight, &T::SetHeight)
                                      .Default(8)
                                      .Enum("Align", &T::GetAlign, &T::SetAlign, TailAlignInfo())
                                      .Default(ttaCenter)
                                      .Prop("Margin", &T::GetMargin, &T::SetMargin)
                                      .Default(0)
                                      .Prop("Visible", &T::GetVisible, &T::SetVisible)
                                      .Default(0)
                                      .Prop("Width", &T::GetWidth, &T::SetWidth)
                                      .Default(8);
  return info;
}

void TMarksTail::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TMarksTail*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  FAutoAlign = s->FAutoAlign;
  FCustomPointPos = s->FCustomPointPos;
  FHeight = s->FHeight;
  FMargin = s->FMargin;
  FAlign = s->FAlign;
  FVisible = s->FVisible;
  FWidth = s->FWidth;
}

void TMarksTail::SetCustomPointPos(TPoint Value) {
  FCustomPointPos = Value;
  Repaint();
}

void TMarksTail::Repaint() {
  if (ISeries) ISeries->Repaint();
}

std::vector<TPoint> TMarksTail::GetPoints(const TRect& Box, TPoint From, TPoint To) {
  TTailEdge edge = FEdge;
  TTailAlign align = FAlign;
  if (FAutoAlign && !FCustomPoint) {
    align = ttaCenter;
    if (ISeries == nullptr || ISeries->YMandatory)
      edge = From.Y < To.Y ? tteTop : tteBottom;
    else
      edge = From.X > To.X ? tteRight : tteLeft;
    SetEdge(edge);
  }
  const int L = Box.Left, T = Box.Top, R = Box.Right, B = Box.Bottom, h = FWidth / 2;
  const bool horizontal = edge == tteTop || edge == tteBottom;
  int c;
  if (horizontal)
    c = align == ttaNear ? L + h : align == ttaCenter ? L + (R - L) / 2 : R - h;
  else
    c = align == ttaNear ? T + h : align == ttaCenter ? T + (B - T) / 2 : B - h;
  TPoint apex;
  switch (edge) {
    case tteBottom:
      apex = TPoint{c, B + FHeight};
      break;
    case tteTop:
      apex = TPoint{c, T - FHeight};
      break;
    case tteLeft:
      apex = TPoint{L - FHeight, c};
      break;
    case tteRight:
      apex = TPoint{R + FHeight, c};
      break;
  }
  if (FCustomPoint) apex = FCustomPointPos;
  switch (edge) {
    case tteBottom:
      return {{L, T}, {L, B}, {c - h, B}, apex, {c + h, B}, {R, B}, {R, T}};
    case tteTop:
      return {{L, T}, {L, B}, {R, B}, {R, T}, {c + h, T}, apex, {c - h, T}};
    case tteLeft:
      return {{L, T}, {L, c - h}, apex, {L, c + h}, {L, B}, {R, B}, {R, T}};
    case tteRight:
      return {{L, T}, {L, B}, {R, B}, {R, c + h}, apex, {R, c - h}, {R, T}};
  }
  return {};
}

// ---------------- TSeriesMarks ----------------

TSeriesMarks::TSeriesMarks(TChartSeries* ASeries)
    : TSeriesMarkShape(nullptr),
      FAutomatic(std::make_unique<TAutomaticText>([this](TObject* S) { CanvasChanged(S); })),
      FItems(std::make_unique<TMarksItems>(this)),
      FPositions(std::make_unique<TSeriesMarksPositions>()),
      FSeries(ASeries) {
  IParent = this;
  FPositions->IMarks = this;
  InitTextAlignment(taCenter);
  FMargins->SetDefaultHoriz(20);
  TPlotGradient* g = GetGradient();
  g->InitDirection(gdRightLeft);
  g->InitColors(0xC0C0C0, 0xFFFFFF);
  FRoundSize = 4;
  FShapeStyle = fosRoundRectangle;
  FColor = 0xE1FFFF;
  FVisible = DefaultVisible = false;
  FShadow->InitValues(FShadow->GetVisible(), 0x808080, 3);
  GetEmboss()->InitValues(GetEmboss()->GetVisible(), 0x808080, 3);
}

TSeriesMarks::~TSeriesMarks() {
  FItems->IMarks = nullptr;
  FItems.reset();
}

const TClassInfo* TSeriesMarks::Class() {
  using M = TSeriesMarks;
  static const TClassInfo* info =
      TClassDecl<M>("TSeriesMarks", TSeriesMarkShape::Class())
          .Prop("Angle", &M::GetAngle, &M::SetAngle)
          .Default(0)
          // The arrow pen and length belong to the callout, which stores them.
          .Prop("Arrow", &M::GetArrow, &M::SetArrow)
          .Stored(false)
          .Prop("ArrowLength", &M::GetArrowLength, &M::SetArrowLength)
          .Stored(false)
          .Prop("AutoPosition", &M::GetAutoPosition, &M::SetAutoPosition)
          .Default(1)
          .Prop("BackColor", &M::GetBackColor, &M::SetBackColor)
          .Default(int64_t(0xE1FFFF))
          .Prop("Callout", &M::GetCallout, &M::SetCallout)
          .Stored(&M::HasCallout)
          .Prop("Clip", &M::GetClip, &M::SetClip)
          .Default(0)
          .Prop("DrawEvery", &M::GetDrawEvery, &M::SetDrawEvery)
          .Default(1)
          .Prop("MultiLine", &M::GetMultiLine, &M::SetMultiLine)
          .Default(0)
          .Prop("SoftClip", &M::GetSoftClip, &M::SetSoftClip)
          .Default(0)
          .Prop("Symbol", &M::GetSymbol, &M::SetSymbol)
          .Stored(&M::HasSymbol)
          .Prop("Tail", &M::GetTail, &M::SetTail)
          .Stored(&M::HasTail)
          .Enum("TextAlign", &M::GetTextAlign, &M::SetTextAlign, TextAlignmentInfo())
          .Default(taCenter)
          .Enum("UseImages", &M::GetUseImages, &M::SetUseImages, ImagesInfo())
          .Default(miSymbol)
          .Prop("UseSeriesTransparency", &M::GetUseSeriesTransparency, &M::SetUseSeriesTransparency)
          .Default(1)
          .Prop("Visible", &M::GetVisible, &M::SetVisible)
          .Stored(&M::IsVisibleStored)
          .Prop("Color", &M::GetColor, &M::SetColor)
          .Default(int64_t(0xE1FFFF))
          .Prop("RoundSize", &M::GetRoundSize, &M::SetRoundSize)
          .Default(4);
  return info;
}

TPlotCustomShapeClass TSeriesMarks::GetChildClass() const { return &PlotShapeOf<TSeriesMarkShape>; }

void TSeriesMarks::SetParent(TCustomPlotPanel* Value) {
  TSeriesMarkShape::SetParent(Value);
  if (FCallout) FCallout->SetParentChart(Value);
  if (FSymbol) FSymbol->SetParent(Value);
}

void TSeriesMarks::RepaintSeries() {
  if (FSeries) FSeries->Repaint();
}

TCanvas3D* TSeriesMarks::Canvas() const { return FParent ? FParent->GetCanvas() : nullptr; }

void TSeriesMarks::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TSeriesMarks*>(Source);
  if (s) {
    FAngle = s->FAngle;
    FAutomatic->Assign(s->FAutomatic.get());
    SetCallout(s->FCallout.get());
    FClip = s->FClip;
    FDrawEvery = s->FDrawEvery;
    FMarkerStyle = s->FMarkerStyle;
    FMultiLine = s->FMultiLine;
    FOnTop = s->FOnTop;
    FSoftClip = s->FSoftClip;
    SetSymbol(s->FSymbol.get());
    SetTail(s->FTail.get());
    FUseImages = s->FUseImages;
    FUseSeriesTransparency = s->FUseSeriesTransparency;
    FItems->Clear();
    for (int i = 0; i < s->FItems->Count(); ++i) {
      TMarksItem* mine = FItems->Get(i);
      mine->Assign(s->FItems->Get(i));
      mine->ICustomText = s->FItems->Get(i)->ICustomText;
    }
  }
  TCustomTextShape::Assign(Source);
}

TMarksCallout* TSeriesMarks::GetCallout() {
  if (!FCallout) {
    const bool repaint = FParent ? FParent->AutoRepaint : false;
    if (FParent) FParent->AutoRepaint = false;
    FCallout = std::make_unique<TMarksCallout>(FSeries);
    FCallout->SetParentChart(FParent);
    if (FParent) FParent->AutoRepaint = repaint;
  }
  return FCallout.get();
}

void TSeriesMarks::SetCallout(TMarksCallout* Value) {
  if (Value == nullptr)
    FCallout.reset();
  else
    GetCallout()->Assign(Value);
}

TSeriesMarksSymbol* TSeriesMarks::GetSymbol() {
  if (!FSymbol) FSymbol = std::make_unique<TSeriesMarksSymbol>(FParent);
  return FSymbol.get();
}

void TSeriesMarks::SetSymbol(TSeriesMarksSymbol* Value) {
  if (Value == nullptr)
    FSymbol.reset();
  else
    GetSymbol()->Assign(Value);
}

TMarksTail* TSeriesMarks::GetTail() {
  if (!FTail) FTail = std::make_unique<TMarksTail>(FSeries);
  return FTail.get();
}

void TSeriesMarks::SetTail(TMarksTail* Value) {
  if (Value == nullptr)
    FTail.reset();
  else
    GetTail()->Assign(Value);
}

// ---- life of the per-point stores

void TSeriesMarks::Clear() {
  FPositions->Clear();
  if (!FItems->ILoadingCustom && FItems->Count() > 0) FItems->Clear();
}

void TSeriesMarks::Delete(int ValueIndex) {
  FPositions->Delete(ValueIndex);
  FItems->Delete(ValueIndex);
}

void TSeriesMarks::ResetPositions() {
  for (int i = 0; i < FPositions->Count(); ++i) FPositions->Automatic(i);
  RepaintSeries();
}

// ---- placing

int TSeriesMarks::CalcEvery() const {
  if (FSeries == nullptr || !FSeries->CalcVisiblePoints) return FDrawEvery;
  const int n = FSeries->FLastVisibleIndex - FSeries->FFirstVisibleIndex + 1;
  int a = 0;
  if (FParent) {
    TChartAxis* axis = FSeries->MandatoryAxis();
    const bool horizontal = axis && axis->GetHorizontal();
    a = (horizontal ? FParent->ChartHeight : FParent->ChartWidth) / 2;
  }
  if (a <= 0 || a >= n) return FDrawEvery;
  return std::max(FDrawEvery, static_cast<int>(std::lround(static_cast<double>(n) / a)));
}

void TSeriesMarks::UsePosition(int Index, TSeriesMarkPosition& Position) {
  TSeriesMarkPosition* stored = FPositions->Ensure(Index);
  if (!stored->Custom) {
    *stored = Position;
    stored->Custom = false;
    return;
  }
  const TPoint from = Position.ArrowFrom;
  const bool keepFrom = stored->ArrowFix || Position.ArrowFix;
  Position = *stored;
  if (keepFrom) Position.ArrowFrom = from;
  Position.Custom = false;
}

TPoint TSeriesMarks::ConvertTo2D(TPoint ArrowTo, TPoint LeftTop) const {
  TCanvas3D* c = Canvas();
  if (c == nullptr || !FParent->GetView3D() || c->GetSupports3DText()) return LeftTop;
  TPoint p = c->Calculate3DPosition(ArrowTo.X, ArrowTo.Y, FZPosition);
  return TPoint{p.X + LeftTop.X - ArrowTo.X, p.Y + LeftTop.Y - ArrowTo.Y};
}

TRect TSeriesMarks::TotalBounds(int ValueIndex, const TSeriesMarkPosition& Position) {
  TRect r = Position.Bounds();
  TCustomTextShape* shape = MarkItem(ValueIndex);
  if (!shape->GetTransparent()) {
    if (shape->GetPen()->GetVisible()) {
      r.Right += shape->GetPen()->GetWidth();
      r.Bottom += shape->GetPen()->GetWidth();
    }
    TPlotShadow* shadow = shape->GetShadow();
    if (shadow->GetVisible()) {
      r.Right += std::max(0, shadow->GetHorizSize());
      r.Bottom += std::max(0, shadow->GetVertSize());
    }
  }
  TPoint lt = ConvertTo2D(Position.ArrowTo, TPoint{r.Left, r.Top});
  return Moved(r, lt.X - r.Left, lt.Y - r.Top);
}

bool TSeriesMarks::AntiOverlap(int First, int ValueIndex, TSeriesMarkPosition& Position) {
  if (First >= ValueIndex) return true;
  TRect r = TotalBounds(ValueIndex, Position);
  for (int j = ValueIndex - 1; j >= First; --j) {
    TSeriesMarkPosition* other = FPositions->Get(j);
    if (other == nullptr) continue;
    const TRect o = TotalBounds(j, *other);
    if (!Intersects(r, o)) continue;
    const TPoint p = FSeries->MarkOverlap(ValueIndex, r, o);
    Position.Offset(p);
    r = Moved(r, p.X, p.Y);
    if (Intersects(r, o)) return false;
  }
  return true;
}

TCustomTextShape* TSeriesMarks::MarkItem(int ValueIndex) const {
  if (TMarksItem* item = FItems->Find(ValueIndex)) return item;
  return const_cast<TSeriesMarks*>(this);
}

int TSeriesMarks::TextWidth(int ValueIndex) {
  if (FParent == nullptr || FSeries == nullptr) return 0;
  int lines = 0;
  FParent->TryAssignFont(GetFont());
  return FParent->MultiLineTextWidth(FSeries->GetMarkText(ValueIndex), lines, GetTextFormat());
}

void TSeriesMarks::ApplyArrowLength(TSeriesMarkPosition* Position) {
  if (FCallout) FCallout->ApplyArrowLength(Position);
}

// ---- drawing

void TSeriesMarks::InternalDraw(int Index, TColor AColor, TSeriesMarkPosition& Position,
                                const std::string& Text) {
  UsePosition(Index, Position);
  TCustomTextShape* shape = MarkItem(Index);
  TPlotFont saved;
  const bool hover = FSeries && FSeries->ShouldHoverMark(Index);
  if (hover) {
    saved.Assign(shape->GetFont());
    TPlotFont* h = FSeries->GetSelected()->GetHover()->GetFont();
    shape->GetFont()->SetColor(h->GetColor());
    shape->GetFont()->SetStyle(h->GetStyle());
  }
  TPlotPicture* picture = nullptr;
  if (FUseImages != miNone && FSeries && FSeries->HasPictures())
    picture = FSeries->Pictures()->Get(Index);
  if (picture && picture->Valid() && FUseImages == miOnly) {
    Canvas()->StretchDraw(Position.Bounds(), picture->Filtered());
  } else if (picture && picture->Valid() && FSymbol && FSymbol->GetVisible()) {
    const bool penVisible = FSymbol->GetPen()->GetVisible();
    const TBrushStyle style = FSymbol->GetBrush()->GetStyle();
    FSymbol->GetPen()->SetVisible(false);
    FSymbol->GetBrush()->SetStyle(bsClear);
    FSymbol->GetPicture()->Assign(picture);
    DrawItem(shape, AColor, Position, Text);
    FSymbol->GetPicture()->SetGraphic(nullptr);
    FSymbol->GetPen()->SetVisible(penVisible);
    FSymbol->GetBrush()->SetStyle(style);
  } else {
    DrawItem(shape, AColor, Position, Text);
  }
  if (hover) shape->GetFont()->Assign(&saved);
}

void TSeriesMarks::DrawItem(TCustomTextShape* Shape, TColor AColor, TSeriesMarkPosition& Position,
                            const std::string& Text) {
  (void)Text;
  TCanvas3D* c = Canvas();
  if (FCallout && (FCallout->GetVisible() || FCallout->GetArrow()->GetVisible())) {
    TPlotBlend* blend = nullptr;
    if (FCallout->GetTransparency() > 0) {
      TRect r = c->GetSupportsAlpha() ? PlotZeroRect
                                      : TRect{Position.ArrowFrom.X, Position.ArrowFrom.Y,
                                              Position.ArrowTo.X, Position.ArrowTo.Y};
      blend = c->BeginBlending(r, FCallout->GetTransparency());
    }
    FCallout->Draw(AColor, Position.ArrowFrom, Position.MidPoint, Position.ArrowTo, FZPosition,
                   Position.HasMid);
    if (FCallout->GetTransparency() > 0) c->EndBlending(blend);
  }
  Position.LeftTop = ConvertTo2D(Position.ArrowTo, Position.LeftTop);
  const TRect r = Position.Bounds();
  Shape->GetShadow()->SetClip(FClip);
  Shape->GetEmboss()->SetClip(FClip);
  const TColor fontColor = Shape->GetFont()->GetColor();
  if (FFontSeriesColor) Shape->GetFont()->SetColor(AColor);
  Shape->ShapeBounds = r;
  const int angle = FAngle % 360;
  if (FTail && FTail->GetVisible()) {
    const std::vector<TPoint> points = FTail->GetPoints(r, Position.ArrowFrom, Position.ArrowTo);
    Shape->Draw(FParent, r, points, angle, FZPosition);
  } else {
    Shape->Draw(FParent, r, angle, FZPosition);
  }
  if (FSymbol && FSymbol->ShouldDraw()) DrawSymbol(AColor, r);
  if (FFontSeriesColor) Shape->GetFont()->SetColor(fontColor);
}

void TSeriesMarks::DrawSymbol(TColor AColor, const TRect& R) {
  TCanvas3D* c = Canvas();
  FParent->TryAssignFont(GetFont());
  const int h = c->TextHeight(std::string("W"));
  const int p = FPen->HalfWidth();
  const int s = FSymbol->GetPen()->HalfWidth();
  const TRect box{R.Left + p + s + 4, R.Top + p + s + 3, R.Left + 2 * (p + s) + h - 1,
                  R.Top + 2 * (p + s) + h - 2};
  FSymbol->SetColor(AColor);
  FSymbol->SetTransparent(false);
  FSymbol->Draw(FParent, box, FAngle % 360, FZPosition);
}

// ---- clicking

int TSeriesMarks::Clicked(int X, int Y) {
  const int every = std::max(1, CalcEvery());
  for (int i = FPositions->Count() - 1; i >= 0; --i) {
    if (i % every != 0) continue;
    TSeriesMarkPosition* p = FPositions->Get(i);
    if (p == nullptr) continue;
    const TPoint lt = ConvertTo2D(p->ArrowTo, p->LeftTop);
    const TRect r{lt.X, lt.Y, lt.X + p->Width, lt.Y + p->Height};
    if (!MarkItem(i)->ClickedShape(TPoint{X, Y}, r)) continue;
    if (FSeries) FSeries->IClickedPart = scpMark;
    return i;
  }
  return -1;
}

// ---- streaming of the per-point boxes

void TSeriesMarks::DefineProperties(TFiler* Filer) {
  TSeriesMarkShape::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Items", [this](TStream* S) { ReadItems(S); }, [this](TStream* S) { WriteItems(S); },
      FItems->Count() > 0);
}

void TSeriesMarks::WriteItems(TStream* Stream) {
  const int32_t count = FItems->Count();
  Stream->WriteBuffer(&count, 4);
  TWriter writer(Stream);
  for (int i = 0; i < count; ++i) {
    writer.WriteListBegin();
    writer.WriteObjectProperties(FItems->Get(i));
    writer.WriteListEnd();
  }
}

void TSeriesMarks::ReadItems(TStream* Stream) {
  int32_t count = 0;
  Stream->ReadBuffer(&count, 4);
  if (count > 0) FItems->ILoadingCustom = true;
  TReader reader(Stream);
  for (int i = 0; i < count; ++i) {
    TMarksItem* item = FItems->Get(i);
    reader.ReadListBegin();
    reader.ReadObjectProperties(item);
  }
}
