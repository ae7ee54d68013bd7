#include "controls/zr_objects.h"

#include <cmath>

#include "controls/zr_objects_decl.h"
#include "scene/zr_intf.h"

const TEnumInfo& zrCornerInfo() {
  static const TEnumInfo info("TzrCorner", {"zrCornerTopLeft", "zrCornerTopRight",
                                            "zrCornerBottomLeft", "zrCornerBottomRight"});
  return info;
}

const TEnumInfo& zrSideInfo() {
  static const TEnumInfo info("TzrSide",
                              {"zrSideTop", "zrSideLeft", "zrSideBottom", "zrSideRight"});
  return info;
}

const TEnumInfo& zrCornerTypeInfo() {
  static const TEnumInfo info("TzrCornerType", {"zrCornerRound", "zrCornerBevel",
                                                "zrCornerInnerRound", "zrCornerInnerLine"});
  return info;
}

const TEnumInfo& zrLineTypeInfo() {
  static const TEnumInfo info("TzrLineType",
                              {"zrLineNormal", "zrLineHorizontal", "zrLineVertical"});
  return info;
}

void zrDrawDesignOutline(TzrVisualObject* AObject) {
  IzoRurev* scene = AObject->GetScene();
  if (!scene || !scene->GetDesignTime() || AObject->GetLocked() || AObject->GetInPaintTo()) return;
  TzrCanvas* canvas = AObject->GetCanvas();
  if (!canvas) return;
  TCanvasState state(canvas);
  TzrRect r = AObject->GetLocalRect();
  zrInflateRect(r, -0.5f, -0.5f);
  canvas->GetStroke()->SetStyle(zrBrushSolid);
  canvas->GetStroke()->SetSolidColor(0xA0909090);
  canvas->SetStrokeThickness(1);
  canvas->SetStrokeDash(zrDashDash);
  canvas->DrawRect(r, 0, 0, AllCorners, AObject->GetAbsoluteOpacity());
  canvas->SetStrokeDash(zrDashSolid);
}

// ---------------------------------------------------------------- TzrShape

TzrShape::TzrShape(TComponent* AOwner)
    : TzrVisualObject(AOwner),
      FFill(std::make_unique<TzrBrush>(zrBrushSolid, 0xFFE0E0E0)),
      FStroke(std::make_unique<TzrBrush>(zrBrushSolid, 0xFF000000)) {
  FFill->OnChanged = [this](TObject* Sender) { FillChanged(Sender); };
  FStroke->OnChanged = [this](TObject* Sender) { StrokeChanged(Sender); };
}

TzrShape::~TzrShape() {
  FFill->OnChanged = nullptr;
  FStroke->OnChanged = nullptr;
}

const TClassInfo* TzrShape::Class() {
  static const TClassInfo* info = TClassDecl<TzrShape>("TzrShape", TzrVisualObject::Class());
  return info;
}

void TzrShape::ChangedWithEffects() {
  UpdateEffects();
  Repaint();
}

void TzrShape::SetStrokeThickness(float Value) {
  if (FStrokeThickness == Value) return;
  FStrokeThickness = Value;
  ChangedWithEffects();
}

void TzrShape::SetStrokeCap(TzrStrokeCap Value) {
  if (FStrokeCap == Value) return;
  FStrokeCap = Value;
  ChangedWithEffects();
}

void TzrShape::SetStrokeJoin(TzrStrokeJoin Value) {
  if (FStrokeJoin == Value) return;
  FStrokeJoin = Value;
  ChangedWithEffects();
}

void TzrShape::SetStrokeDash(TzrStrokeDash Value) {
  if (FStrokeDash == Value) return;
  FStrokeDash = Value;
  ChangedWithEffects();
}

TzrRect TzrShape::GetShapeRect() {
  TzrRect r = GetLocalRect();
  if (FStroke->GetStyle() != zrBrushNone)
    zrInflateRect(r, -FStrokeThickness / 2, -FStrokeThickness / 2);
  return r;
}

void TzrShape::BeforePaint() {
  TzrVisualObject::BeforePaint();
  TzrCanvas* canvas = GetCanvas();
  if (!canvas) return;
  canvas->GetFill()->Assign(FFill.get());
  canvas->GetStroke()->Assign(FStroke.get());
  canvas->SetStrokeThickness(FStrokeThickness);
  canvas->SetStrokeCap(FStrokeCap);
  canvas->SetStrokeJoin(FStrokeJoin);
  canvas->SetStrokeDash(FStrokeDash);
}

void TzrShape::AfterPaint() {
  TzrVisualObject::AfterPaint();
  TzrCanvas* canvas = GetCanvas();
  if (!canvas) return;
  canvas->SetStrokeDash(zrDashSolid);
  canvas->SetStrokeThickness(1);
}

void TzrShape::FillChanged(TObject*) {
  if (FUpdating == 0) Repaint();
  UpdateEffects();
}

void TzrShape::StrokeChanged(TObject*) {
  if (FUpdating == 0) Repaint();
  UpdateEffects();
}

// ---------------------------------------------------------------- TzrLine

const TClassInfo* TzrLine::Class() {
  using T = TzrLine;
  static const TClassInfo* info =
      PublishShape(TClassDecl<T>("TzrLine", TzrShape::Class()))
          .Enum("LineType", &T::GetLineType, &T::SetLineType, zrLineTypeInfo());
  return info;
}

void TzrLine::SetLineType(TzrLineType Value) {
  if (FLineType == Value) return;
  FLineType = Value;
  Repaint();
}

void TzrLine::Paint() {
  const TzrRect s = GetShapeRect();
  TzrPoint p2{s.Right, s.Bottom};
  if (FLineType == zrLineHorizontal) p2 = {s.Right, s.Top};
  if (FLineType == zrLineVertical) p2 = {s.Left, s.Bottom};
  GetCanvas()->DrawLine({s.Left, s.Top}, p2, GetAbsoluteOpacity());
}

// ---------------------------------------------------------------- TzrRectangle

const TClassInfo* TzrRectangle::Class() {
  static const TClassInfo* info =
      PublishRectangle(TClassDecl<TzrRectangle>("TzrRectangle", TzrShape::Class()));
  return info;
}

void TzrRectangle::SetxRadius(float Value) {
  if (FxRadius == Value) return;
  FxRadius = Value;
  ChangedWithEffects();
}

void TzrRectangle::SetyRadius(float Value) {
  if (FyRadius == Value) return;
  FyRadius = Value;
  ChangedWithEffects();
}

void TzrRectangle::SetCorners(TzrCorners Value) {
  if (FCorners == Value) return;
  FCorners = Value;
  Repaint();
}

void TzrRectangle::SetCornerType(TzrCornerType Value) {
  if (FCornerType == Value) return;
  FCornerType = Value;
  ChangedWithEffects();
}

void TzrRectangle::SetSides(TzrSides Value) {
  if (FSides == Value) return;
  FSides = Value;
  ChangedWithEffects();
}

void TzrRectangle::Paint() {
  TzrCanvas* canvas = GetCanvas();
  const TzrRect s = GetShapeRect();
  const float opacity = GetAbsoluteOpacity();
  if (FSides == AllSides) {
    canvas->FillRect(s, FxRadius, FyRadius, FCorners, opacity, FCornerType);
    canvas->DrawRect(s, FxRadius, FyRadius, FCorners, opacity, FCornerType);
    return;
  }
  // The fill reaches the object's edge where no outline is drawn.
  canvas->FillRect(zrGrowMissingSides(s, FSides, s.Left), FxRadius, FyRadius, FCorners, opacity,
                   FCornerType);
  canvas->DrawRectSides(s, FxRadius, FyRadius, FCorners, opacity, FSides, FCornerType);
}

TzrRect zrGrowMissingSides(const TzrRect& S, TzrSides ASides, float d) {
  TzrRect f = S;
  if (!(ASides & (1u << zrSideTop))) f.Top -= d;
  if (!(ASides & (1u << zrSideLeft))) f.Left -= d;
  if (!(ASides & (1u << zrSideBottom))) f.Bottom += d;
  if (!(ASides & (1u << zrSideRight))) f.Right += d;
  return f;
}

const TClassInfo* TzrSidesRectangle::Class() {
  static const TClassInfo* info =
      PublishRectangle(TClassDecl<TzrSidesRectangle>("TzrSidesRectangle", TzrRectangle::Class()));
  return info;
}

// ---------------------------------------------------------------- TzrRoundRect

const TClassInfo* TzrRoundRect::Class() {
  using T = TzrRoundRect;
  static const TClassInfo* info =
      PublishShape(TClassDecl<T>("TzrRoundRect", TzrShape::Class()))
          .Set("Corners", &T::GetCorners, &T::SetCorners, zrCornerInfo())
          .Default(AllCorners);
  return info;
}

void TzrRoundRect::SetCorners(TzrCorners Value) {
  if (FCorners == Value) return;
  FCorners = Value;
  Repaint();
}

void TzrRoundRect::Paint() {
  TzrCanvas* canvas = GetCanvas();
  const TzrRect s = GetShapeRect();
  const float r = GetHeight() >= GetWidth() ? zrRectWidth(s) / 2 : zrRectHeight(s) / 2;
  canvas->FillRect(s, r, r, FCorners, GetAbsoluteOpacity(), zrCornerRound);
  canvas->DrawRect(s, r, r, FCorners, GetAbsoluteOpacity(), zrCornerRound);
}

// ---------------------------------------------------------------- ellipses

const TClassInfo* TzrEllipse::Class() {
  static const TClassInfo* info =
      PublishShape(TClassDecl<TzrEllipse>("TzrEllipse", TzrShape::Class()));
  return info;
}

void TzrEllipse::Paint() {
  const TzrRect s = GetShapeRect();
  GetCanvas()->FillEllipse(s, GetAbsoluteOpacity());
  GetCanvas()->DrawEllipse(s, GetAbsoluteOpacity());
}

bool TzrEllipse::PointInObject(float X, float Y) {
  const TzrPoint p = AbsoluteToLocal({X, Y});
  const float w = GetWidth(), h = GetHeight();
  if (w * h == 0) return false;
  const float u = (2 * p.X - w) / w, v = (2 * p.Y - h) / h;
  return u * u + v * v <= 1;
}

const TClassInfo* TzrCircle::Class() {
  static const TClassInfo* info =
      PublishShape(TClassDecl<TzrCircle>("TzrCircle", TzrEllipse::Class()));
  return info;
}

void TzrCircle::Paint() {
  const float m = std::max(GetWidth(), GetHeight());
  TzrRect q = zrRect(0, 0, m, m);
  zrFitRect(q, GetShapeRect());
  GetCanvas()->FillEllipse(q, GetAbsoluteOpacity());
  GetCanvas()->DrawEllipse(q, GetAbsoluteOpacity());
}

// ---------------------------------------------------------------- TzrPie

const TClassInfo* TzrPie::Class() {
  using T = TzrPie;
  static const TClassInfo* info = PublishShape(TClassDecl<T>("TzrPie", TzrEllipse::Class()))
                                      .Prop("StartAngle", &T::GetStartAngle, &T::SetStartAngle)
                                      .Default(0)
                                      .Prop("EndAngle", &T::GetEndAngle, &T::SetEndAngle);
  return info;
}

void TzrPie::SetStartAngle(float Value) {
  if (FStartAngle == Value) return;
  FStartAngle = Value;
  Repaint();
}

void TzrPie::SetEndAngle(float Value) {
  if (FEndAngle == Value) return;
  FEndAngle = Value;
  Repaint();
}

void TzrPie::BuildPath(TzrPathData& Path) const {
  const TzrPoint z{GetWidth() / 2, GetHeight() / 2};
  const TzrPoint r{(GetWidth() - FStrokeThickness) / 2, (GetHeight() - FStrokeThickness) / 2};
  Path.MoveTo(z);
  Path.AddArc(z, r, FStartAngle, FEndAngle - FStartAngle);
  Path.LineTo(z);
  Path.ClosePath();
}

void TzrPie::Paint() {
  TzrPathData path;
  BuildPath(path);
  const TzrRect b = path.GetBounds();
  GetCanvas()->FillPath(path, b, GetAbsoluteOpacity());
  GetCanvas()->DrawPath(path, b, GetAbsoluteOpacity());
}

bool TzrPie::PointInObject(float X, float Y) {
  TzrCanvas* canvas = GetCanvas();
  if (!canvas) return TzrEllipse::PointInObject(X, Y);
  TzrPathData path;
  BuildPath(path);
  return canvas->PtInPath(AbsoluteToLocal({X, Y}), path.GetBounds(), path);
}

// ---------------------------------------------------------------- TzrArc

TzrArc::TzrArc(TComponent* AOwner) : TzrEllipse(AOwner) {
  FFill->SetDefaultStyle(zrBrushNone);
  FFill->SetStyle(zrBrushNone);
}

const TClassInfo* TzrArc::Class() {
  using T = TzrArc;
  static const TClassInfo* info = PublishShape(TClassDecl<T>("TzrArc", TzrEllipse::Class()))
                                      .Prop("StartAngle", &T::GetStartAngle, &T::SetStartAngle)
                                      .Default(0)
                                      .Prop("EndAngle", &T::GetEndAngle, &T::SetEndAngle);
  return info;
}

void TzrArc::SetStartAngle(float Value) {
  if (FStartAngle == Value) return;
  FStartAngle = Value;
  Repaint();
}

void TzrArc::SetEndAngle(float Value) {
  if (FEndAngle == Value) return;
  FEndAngle = Value;
  Repaint();
}

void TzrArc::Paint() {
  const TzrPoint z{GetWidth() / 2, GetHeight() / 2};
  const TzrPoint r{(GetWidth() - FStrokeThickness) / 2, (GetHeight() - FStrokeThickness) / 2};
  GetCanvas()->FillArc(z, r, FStartAngle, FEndAngle, GetAbsoluteOpacity());
  GetCanvas()->DrawArc(z, r, FStartAngle, FEndAngle, GetAbsoluteOpacity());
}
