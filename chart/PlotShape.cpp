#include "chart/PlotShape.h"

#include <algorithm>

#include "chart/Canvas3D.h"
#include "chart/PlotHtml.h"
#include "chart/PlotPanel.h"
#include "chart/PlotRoutines.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_stream.h"

namespace {

const TEnumInfo& ShapeStyleInfo() {
  static const TEnumInfo info("TChartObjectShapeStyle",
                              {"fosRectangle", "fosRoundRectangle", "fosEllipse"});
  return info;
}

const TEnumInfo& CalloutSideInfo() {
  static const TEnumInfo info("TShapeCalloutSide",
                              {"csNone", "csLeft", "csTop", "csRight", "csBottom"});
  return info;
}

const TEnumInfo& LayoutInfo() {
  static const TEnumInfo info("TPlotShapeLayout", {"slTopBottom", "slLeftRight"});
  return info;
}

const TEnumInfo& BevelCutInfo() {
  static const TEnumInfo info("TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
  return info;
}

// Copies Source into the object Field holds (made when missing); nil frees it.
template <class T, class Make>
void AssignOptional(std::unique_ptr<T>& Field, T* Source, Make MakeNew) {
  if (Source == nullptr) {
    Field.reset();
    return;
  }
  if (!Field) Field = MakeNew();
  Field->Assign(Source);
}

}  // namespace

void RectToFourPoints(const TRect& R, double Angle, TFourPoints& P) {
  TPlotShadow::RectToFourPoints(R, Angle, P);
}

// ---------------- TPlotCustomShapeBrushPen ----------------

const TClassInfo* TPlotCustomShapeBrushPen::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotCustomShapeBrushPen>("TPlotCustomShapeBrushPen", TPersistent::Class());
  return info;
}

TPlotCustomShapeBrushPen::TPlotCustomShapeBrushPen()
    : FBrush(std::make_unique<TPlotBrush>(Changed())),
      FPen(std::make_unique<TPlotPen>(Changed())) {}

TPlotCustomShapeBrushPen::~TPlotCustomShapeBrushPen() = default;

const TClassInfo* TPlotCustomShapeBrushPen::GetBrushClass() const { return TPlotBrush::Class(); }

void TPlotCustomShapeBrushPen::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TPlotCustomShapeBrushPen*>(Source);
  if (!s) return TPersistent::Assign(Source);
  FBrush->Assign(s->FBrush.get());
  FPen->Assign(s->FPen.get());
  FVisible = s->FVisible;
}

void TPlotCustomShapeBrushPen::Repaint() {
  if (FParent) FParent->Invalidate();
}

void TPlotCustomShapeBrushPen::CanvasChanged(TObject*) { Repaint(); }

void TPlotCustomShapeBrushPen::SetVisible(bool Value) {
  if (FParent)
    FParent->SetBooleanProperty(FVisible, Value);
  else
    FVisible = Value;
}

// ---------------- TShapeCallout ----------------

const TClassInfo* TShapeCallout::Class() {
  using C = TShapeCallout;
  static const TClassInfo* info =
      TClassDecl<C>("TShapeCallout", TPersistent::Class())
          .Prop("PointPosition", &C::GetPointPosition, &C::SetPointPosition)
          .Default(50)
          .Prop("Position", &C::GetPosition, &C::SetPosition)
          .Default(50)
          .Enum("Side", &C::GetSide, &C::SetSide, CalloutSideInfo())
          .Default(csNone)
          .Prop("Size", &C::GetSize, &C::SetSize)
          .Default(25)
          .Prop("Width", &C::GetWidth, &C::SetWidth)
          .Default(20);
  return info;
}

void TShapeCallout::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TShapeCallout*>(Source);
  if (!s) return TPersistent::Assign(Source);
  FPointPosition = s->FPointPosition;
  FPosition = s->FPosition;
  FSide = s->FSide;
  FSize = s->FSize;
  FWidth = s->FWidth;
}

void TShapeCallout::Changed() {
  if (IOwner) IOwner->Repaint();
}

void TShapeCallout::Store(int& Field, int Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TShapeCallout::SetSide(TShapeCalloutSide Value) {
  if (FSide == Value) return;
  FSide = Value;
  Changed();
}

// ---------------- TPlotShapeItem, TPlotShapes ----------------

const TClassInfo* TPlotShapeItem::Class() {
  using I = TPlotShapeItem;
  static const TClassInfo* info = TClassDecl<I>("TPlotShapeItem", TCollectionItem::Class())
                                      .Prop("Shape", &I::GetShape, &I::SetShape);
  return info;
}

TPlotShapeItem::TPlotShapeItem(TCollection* ACollection) : TCollectionItem(ACollection) {
  TPlotCustomShape* owner = OwnerShape();
  TCustomPlotPanel* panel = owner ? owner->GetParentChart() : nullptr;
  auto* shapes = dynamic_cast<TPlotShapes*>(ACollection);
  TPlotCustomShapeClass make = owner ? owner->GetChildClass() : nullptr;
  if (!make && shapes) make = shapes->IShapeClass;
  if (!make) make = &PlotShapeOf<TPlotShape>;
  FShape.reset(make(panel));
  FShape->InitTransparent(true);
}

TPlotShapeItem::~TPlotShapeItem() {
  if (TPlotCustomShape* owner = OwnerShape()) owner->Repaint();
}

TPlotCustomShape* TPlotShapeItem::OwnerShape() const {
  auto* shapes = dynamic_cast<TPlotShapes*>(GetCollection());
  return shapes ? shapes->GetOwner() : nullptr;
}

void TPlotShapeItem::SetShape(TPlotCustomShape* Value) { FShape->Assign(Value); }

void TPlotShapeItem::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TPlotShapeItem*>(Source);
  if (!s) return TPersistent::Assign(Source);
  SetShape(s->FShape.get());
}

const TClassInfo* TPlotShapes::Class() {
  static const TClassInfo* info = TClassDecl<TPlotShapes>("TPlotShapes", TCollection::Class());
  return info;
}

TPlotShapes::TPlotShapes(TPlotCustomShape* AOwner)
    : TCollection(TPlotShapeItem::Class()), FOwner(AOwner) {}

// ---------------- TPlotCustomShape ----------------

const TClassInfo* TPlotCustomShape::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotCustomShape>("TPlotCustomShape", TPlotCustomShapeBrushPen::Class());
  return info;
}

TPlotCustomShape::TPlotCustomShape(TCustomPlotPanel* AOwner) {
  TPlotCustomShapeBrushPen::SetParent(AOwner);
  FShadow = std::make_unique<TPlotShadow>(Changed());
  InitShadow(FShadow.get());
  FFont = std::make_unique<TPlotFont>(Changed());
  FChildren = std::make_unique<TPlotShapes>(this);
  FChildren->IShapeClass = &PlotShapeOf<TPlotShape>;
}

// The children go first, with the panel forgotten: a child leaving asks its
// owner to repaint, which must not reach a panel that is itself going.
TPlotCustomShape::~TPlotCustomShape() {
  FParent = nullptr;
  FChildren.reset();
}

TPlotCustomShapeClass TPlotCustomShape::GetChildClass() const { return &PlotShapeOf<TPlotShape>; }

void TPlotCustomShape::InitEmboss(TPlotEmboss* Emboss) {
  Emboss->InitValues(Emboss->GetVisible(), clBlack, 3);
}

void TPlotCustomShape::InitShadow(TPlotShadow* Shadow) {
  Shadow->InitValues(Shadow->GetVisible(), clBlack, 3);
}

void TPlotCustomShape::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TPlotCustomShape*>(Source)) {
    FAlignment = s->FAlignment;
    FAngle = s->FAngle;
    FAutoSize = s->FAutoSize;
    FBevel = s->FBevel;
    FBevelWidth = s->FBevelWidth;
    FChildren->Assign(s->FChildren.get());
    FChildLayout = s->FChildLayout;
    SetColor(s->FColor);
    SetCorners(s->FCorners.get());
    SetFont(s->FFont.get());
    FShapeStyle = s->FShapeStyle;
    SetPicture(s->FPicture.get());
    FRoundSize = s->FRoundSize;
    SetEmboss(s->FEmboss.get());
    SetShadow(s->FShadow.get());
    SetCallout(s->FCallout.get());
    FTransparent = s->FTransparent;
    FTransparency = s->FTransparency;
  }
  TPlotCustomShapeBrushPen::Assign(Source);
}

void TPlotCustomShape::DefineProperties(TFiler* Filer) {
  TPlotCustomShapeBrushPen::DefineProperties(Filer);
  auto none = [](TWriter*) {};
  Filer->DefineProperty(
      "ShadowColor",
      [this](TReader* r) {
        if (r->NextValue() == TValueType::Ident)
          SetShadowColor(HtmlColorFromText(r->ReadIdent()));
        else
          SetShadowColor(TColor(r->ReadInteger()));
      },
      none, false);
  Filer->DefineProperty(
      "ShadowSize", [this](TReader* r) { SetShadowSize(r->ReadInteger()); }, none, false);
}

void TPlotCustomShape::SetParent(TCustomPlotPanel* Value) {
  TPlotCustomShapeBrushPen::SetParent(Value);
  for (int i = 0; i < FChildren->Count(); ++i) FChildren->Get(i)->GetShape()->SetParent(Value);
}

void TPlotCustomShape::SetColor(TColor Value) {
  if (FParent)
    FParent->SetColorProperty(FColor, Value);
  else
    FColor = Value;
}

void TPlotCustomShape::SetRoundSize(int Value) {
  if (FRoundSize == Value) return;
  FRoundSize = Value;
  if (Value > 0) FShapeStyle = fosRoundRectangle;
  Repaint();
}

void TPlotCustomShape::SetShadow(TPlotShadow* Value) {
  AssignOptional(FShadow, Value, [this] { return std::make_unique<TPlotShadow>(Changed()); });
}

TShapeCallout* TPlotCustomShape::GetCallout() {
  if (!FCallout) FCallout = std::make_unique<TShapeCallout>(this);
  return FCallout.get();
}

void TPlotCustomShape::SetCallout(TShapeCallout* Value) {
  AssignOptional(FCallout, Value, [this] { return std::make_unique<TShapeCallout>(this); });
}

TPlotCorners* TPlotCustomShape::GetCorners() {
  if (!FCorners) FCorners = std::make_unique<TPlotCorners>(Changed());
  return FCorners.get();
}

void TPlotCustomShape::SetCorners(TPlotCorners* Value) {
  AssignOptional(FCorners, Value, [this] { return std::make_unique<TPlotCorners>(Changed()); });
}

TPlotEmboss* TPlotCustomShape::GetEmboss() {
  if (!FEmboss) {
    FEmboss = std::make_unique<TPlotEmboss>(Changed());
    InitEmboss(FEmboss.get());
  }
  return FEmboss.get();
}

void TPlotCustomShape::SetEmboss(TPlotEmboss* Value) {
  if (Value == nullptr) {
    FEmboss.reset();
    return;
  }
  GetEmboss()->Assign(Value);
}

TBackImage* TPlotCustomShape::GetPicture() {
  if (!FPicture) {
    FPicture = std::make_unique<TBackImage>();
    FPicture->OnChange = [this](TObject*) { Repaint(); };
  }
  return FPicture.get();
}

void TPlotCustomShape::SetPicture(TBackImage* Value) {
  if (Value == nullptr)
    FPicture.reset();
  else
    GetPicture()->Assign(Value);
  Repaint();
}

void TPlotCustomShape::MoveTo(int X, int Y) {
  int w = ShapeBounds.Width(), h = ShapeBounds.Height();
  ShapeBounds = TRect{X, Y, X + w, Y + h};
  Repaint();
}

bool TPlotCustomShape::ClickedShape(TPoint P, const TRect& R) const {
  if (FAngle == 0)
    return P.X >= R.Left && P.X <= R.Right && P.Y >= R.Top && P.Y <= R.Bottom;
  TFourPoints corners;
  RectToFourPoints(R, FAngle % 360, corners);
  return PointInPolygon(P, corners, 4);
}

int TPlotCustomShape::FirstChildPos() {
  return FChildLayout == slTopBottom ? ShapeBounds.Top : ShapeBounds.Left;
}

void TPlotCustomShape::CalcBounds(TCustomPlotPanel* Panel) {
  if (FAutoSize) {
    ShapeBounds.Right = ShapeBounds.Left;
    ShapeBounds.Bottom = ShapeBounds.Top;
  }
  for (int i = 0; i < FChildren->Count(); ++i) {
    TPlotCustomShape* k = FChildren->Get(i)->GetShape();
    if (!k->GetVisible()) continue;
    k->CalcBounds(Panel);
    if (FChildLayout == slLeftRight) {
      SetWidth(GetWidth() + k->GetWidth());
      SetHeight(std::max(GetHeight(), k->GetHeight()));
    } else {
      SetWidth(std::max(GetWidth(), k->GetWidth()));
      SetHeight(GetHeight() + k->GetHeight());
    }
  }
}

// ---------------- TPlotShape ----------------

const TClassInfo* TPlotShape::Class() {
  using S = TPlotShape;
  static const TClassInfo* info =
      TClassDecl<S>("TPlotShape", TPlotCustomShape::Class())
          .Prop("Angle", &S::GetAngle, &S::SetAngle)
          .Default(0)
          .Enum("Bevel", &S::GetBevel, &S::SetBevel, BevelCutInfo())
          .Default(bvNone)
          .Prop("BevelWidth", &S::GetBevelWidth, &S::SetBevelWidth)
          .Default(2)
          .Prop("Children", &S::GetChildren, &S::SetChildren)
          .Stored(&S::IsChildrenStored)
          .Enum("ChildLayout", &S::GetChildLayout, &S::SetLayout, LayoutInfo())
          .Default(slTopBottom)
          .Prop("Color", &S::GetColor, &S::SetColor)
          .Default(int64_t(clWhite))
          .Prop("Corners", &S::CornersProp, &S::SetCorners)
          .Stored(&S::IsCornersStored)
          .Prop("Emboss", &S::EmbossProp, &S::SetEmboss)
          .Prop("Font", &S::GetFont, &S::SetFont)
          .Prop("Gradient", &S::GetGradient, &S::SetGradient)
          .Stored(false)
          .Prop("Picture", &S::PictureProp, &S::SetPicture)
          .Stored(&S::IsPictureStored)
          .Prop("RoundSize", &S::GetRoundSize, &S::SetRoundSize)
          .Default(16)
          .Prop("Shadow", &S::GetShadow, &S::SetShadow)
          .Prop("ShapeCallout", &S::CalloutProp, &S::SetCallout)
          .Enum("ShapeStyle", &S::GetShapeStyle, &S::SetShapeStyle, ShapeStyleInfo())
          .Default(fosRectangle)
          .Prop("Transparent", &S::GetTransparent, &S::SetTransparent)
          .Stored(&S::IsTransparentStored)
          .Prop("Visible", &S::GetVisible, &S::SetVisible)
          .Stored(&S::IsVisibleStored);
  return info;
}
