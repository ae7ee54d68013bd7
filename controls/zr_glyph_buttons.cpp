#include "controls/zr_glyph_buttons.h"

#include "controls/zr_objects.h"
#include "controls/zr_objects_path.h"
#include "controls/zr_objects_text.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/ActnList.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_image_list.h"
#include "scene/zr_path.h"
#include "scene/zr_position.h"

const TEnumInfo& zrButtonLayoutInfo() {
  static const TEnumInfo info("TzrButtonLayout", {"zrGlyphLeft", "zrGlyphRight", "zrGlyphTop",
                                                  "zrGlyphBottom", "zrGlyphCenter"});
  return info;
}

void zrPlaceGlyph(TzrVisualObject* Part, TzrButtonLayout Layout, float Size, float Spacing) {
  TzrBounds* padding = Part->GetPadding();
  switch (Layout) {
    case zrGlyphLeft:
      Part->SetAlign(vaLeft);
      Part->SetWidth(Size);
      padding->SetRight(Spacing);
      break;
    case zrGlyphRight:
      Part->SetAlign(vaRight);
      Part->SetWidth(Size);
      padding->SetLeft(Spacing);
      break;
    case zrGlyphTop:
      Part->SetAlign(vaTop);
      Part->SetHeight(Size);
      padding->SetBottom(Spacing);
      break;
    case zrGlyphBottom:
      Part->SetAlign(vaBottom);
      Part->SetHeight(Size);
      padding->SetTop(Spacing);
      break;
    case zrGlyphCenter:
      Part->SetAlign(vaCenter);
      Part->SetWidth(Size);
      Part->SetHeight(Size);
      padding->SetRect({Spacing, Spacing, Spacing, Spacing});
      break;
  }
}

namespace {

void SetAllSides(TzrVisualObject* Part, float Value) {
  Part->GetPadding()->SetRect({Value, Value, Value, Value});
}

// A 1-pixel bitmap without a resource name stands for "no picture".
bool EmptyBitmap(TzrBitmap* Bitmap) {
  return (Bitmap->GetWidth() <= 1 || Bitmap->GetHeight() <= 1) && Bitmap->GetResourceName().empty();
}

}  // namespace

// ---------------------------------------------------------------- bitmap button

const TClassInfo* TzrBitmapButton::Class() {
  using T = TzrBitmapButton;
  static const TClassInfo* info =
      TClassDecl<T>("TzrBitmapButton", TzrCustomButton::Class())
          .Prop("Bitmap", &T::GetBitmap, &T::SetBitmap)
          .Enum("BitmapLayout", &T::GetBitmapLayout, &T::SetBitmapLayout, zrButtonLayoutInfo())
          .Default(zrGlyphLeft)
          .Prop("BitmapSpacing", &T::GetBitmapSpacing, &T::SetBitmapSpacing)
          .Prop("BitmapSize", &T::GetBitmapSize, &T::SetBitmapSize)
          .Prop("BitmapPadding", &T::GetBitmapPadding, &T::SetBitmapPadding);
  return info;
}

TzrBitmapButton::TzrBitmapButton(TComponent* AOwner)
    : TzrCustomButton(AOwner), FBitmap(std::make_unique<TzrBitmap>(1, 1)) {
  FBitmap->OnChange = [this](TObject* Sender) { DoBitmapChanged(Sender); };
  SetWidth(50);
  SetHeight(60);
}

TzrBitmapButton::~TzrBitmapButton() { FBitmap->OnChange = nullptr; }

void TzrBitmapButton::Changed() {
  if (!IsLoading()) ApplyStyle();
}

void TzrBitmapButton::SetBitmap(TzrBitmap* Value) { FBitmap->Assign(Value); }

void TzrBitmapButton::SetBitmapLayout(TzrButtonLayout Value) {
  if (FBitmapLayout == Value) return;
  FBitmapLayout = Value;
  ApplyStyle();
}

void TzrBitmapButton::SetBitmapSpacing(float Value) {
  if (FBitmapSpacing == Value) return;
  FBitmapSpacing = Value;
  Changed();
}

void TzrBitmapButton::SetBitmapSize(float Value) {
  if (FBitmapSize == Value) return;
  FBitmapSize = Value;
  Changed();
}

void TzrBitmapButton::SetBitmapPadding(float Value) {
  if (FBitmapPadding == Value) return;
  FBitmapPadding = Value;
  Changed();
}

void TzrBitmapButton::DoBitmapChanged(TObject*) {
  auto* image = dynamic_cast<TzrImage*>(FindResource("image"));
  if (!image) return;
  image->SetBitmap(FBitmap.get());
  SetAllSides(image, FBitmapPadding);
  if (EmptyBitmap(image->GetBitmap())) {
    image->SetAlign(vaNone);
    return;
  }
  zrPlaceGlyph(image, FBitmapLayout, FBitmapSize, FBitmapSpacing);
}

void TzrBitmapButton::ApplyStyle() {
  TzrCustomButton::ApplyStyle();
  DoBitmapChanged(this);
  if (auto* text = dynamic_cast<TzrVisualObject*>(FindResource("text")))
    SetAllSides(text, FBitmapPadding);
}

void TzrBitmapButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  TzrCustomButton::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action || FBitmap->GetWidth() > 1 || !action->GetActionList()) return;
  auto* images = dynamic_cast<TzrImageList*>(action->GetActionList()->GetImages());
  const int index = action->GetImageIndex();
  if (!images || index < 0 || index >= images->GetCount()) return;
  SetBitmapSize(float(images->GetWidth()));
  FBitmap->Assign(images->GetBitmap(index));
}

const TClassInfo* TzrToolButton::Class() {
  using T = TzrToolButton;
  static const TClassInfo* info =
      TClassDecl<T>("TzrToolButton", TzrBitmapButton::Class())
          .Prop("TabOrder", &T::GetTabOrderValue, &T::SetTabOrderValue)
          .Default(-1)
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(false)
          .Enum("BitmapLayout", &T::GetBitmapLayout, &T::SetBitmapLayout, zrButtonLayoutInfo())
          .Default(zrGlyphTop);
  return info;
}

TzrToolButton::TzrToolButton(TComponent* AOwner) : TzrBitmapButton(AOwner) {
  SetCanFocused(false);
  SetBitmapLayout(zrGlyphTop);
}

// ---------------------------------------------------------------- path button

const TClassInfo* TzrPathButton::Class() {
  using T = TzrPathButton;
  static const TClassInfo* info =
      TClassDecl<T>("TzrPathButton", TzrCustomButton::Class())
          .Prop("Path", &T::GetPath, &T::SetPath)
          .Enum("PathLayout", &T::GetPathLayout, &T::SetPathLayout, zrButtonLayoutInfo())
          .Default(zrGlyphLeft)
          .Prop("PathSpacing", &T::GetPathSpacing, &T::SetPathSpacing)
          .Prop("PathSize", &T::GetPathSize, &T::SetPathSize)
          .Prop("PathPadding", &T::GetPathPadding, &T::SetPathPadding)
          .Prop("PathFill", &T::GetPathFill, &T::SetPathFill)
          .Prop("PathStroke", &T::GetPathStroke, &T::SetPathStroke)
          .Prop("PathStrokeThickness", &T::GetStrokeThickness, &T::SetStrokeThickness)
          .Stored(&T::StrokeThicknessStored)
          .Enum("PathStrokeCap", &T::GetStrokeCap, &T::SetStrokeCap, zrStrokeCapInfo())
          .Default(zrCapFlat)
          .Enum("PathStrokeDash", &T::GetStrokeDash, &T::SetStrokeDash, zrStrokeDashInfo())
          .Default(zrDashSolid)
          .Enum("PathStrokeJoin", &T::GetStrokeJoin, &T::SetStrokeJoin, zrStrokeJoinInfo())
          .Default(zrJoinMiter);
  return info;
}

TzrPathButton::TzrPathButton(TComponent* AOwner)
    : TzrCustomButton(AOwner),
      FPath(std::make_unique<TzrPathData>()),
      FFill(std::make_unique<TzrBrush>(zrBrushSolid, 0xFFFFFFFF)),
      FStroke(std::make_unique<TzrBrush>(zrBrushSolid, 0xFF000000)) {
  FPath->OnChanged = [this](TObject* Sender) { DoPathChanged(Sender); };
  FFill->OnChanged = [this](TObject* Sender) { DoPathChanged(Sender); };
  FStroke->OnChanged = [this](TObject* Sender) { DoPathChanged(Sender); };
  SetWidth(50);
  SetHeight(60);
}

TzrPathButton::~TzrPathButton() {
  FPath->OnChanged = nullptr;
  FFill->OnChanged = nullptr;
  FStroke->OnChanged = nullptr;
}

void TzrPathButton::Changed() {
  if (!IsLoading()) ApplyStyle();
}

void TzrPathButton::SetPath(TzrPathData* Value) { FPath->Assign(Value); }
void TzrPathButton::SetPathFill(TzrBrush* Value) { FFill->Assign(Value); }
void TzrPathButton::SetPathStroke(TzrBrush* Value) { FStroke->Assign(Value); }

void TzrPathButton::SetPathLayout(TzrButtonLayout Value) {
  if (FPathLayout == Value) return;
  FPathLayout = Value;
  ApplyStyle();
}

void TzrPathButton::SetPathSize(float Value) {
  if (FPathSize == Value) return;
  FPathSize = Value;
  Changed();
}

void TzrPathButton::SetPathSpacing(float Value) {
  if (FPathSpacing == Value) return;
  FPathSpacing = Value;
  Changed();
}

void TzrPathButton::SetPathPadding(float Value) {
  if (FPathPadding == Value) return;
  FPathPadding = Value;
  Changed();
}

void TzrPathButton::SetStrokeThickness(float Value) {
  if (FStrokeThickness == Value) return;
  FStrokeThickness = Value;
  Changed();
}

void TzrPathButton::SetStrokeCap(TzrStrokeCap Value) {
  if (FStrokeCap == Value) return;
  FStrokeCap = Value;
  Changed();
}

void TzrPathButton::SetStrokeDash(TzrStrokeDash Value) {
  if (FStrokeDash == Value) return;
  FStrokeDash = Value;
  Changed();
}

void TzrPathButton::SetStrokeJoin(TzrStrokeJoin Value) {
  if (FStrokeJoin == Value) return;
  FStrokeJoin = Value;
  Changed();
}

void TzrPathButton::DoPathChanged(TObject*) {
  Repaint();
  ApplyStyle();
}

void TzrPathButton::ApplyStyle() {
  TzrCustomButton::ApplyStyle();
  if (auto* path = dynamic_cast<TzrPath*>(FindResource("path"))) {
    path->SetPathData(FPath.get());
    path->SetFill(FFill.get());
    path->SetStroke(FStroke.get());
    path->SetStrokeThickness(FStrokeThickness);
    path->SetStrokeCap(FStrokeCap);
    path->SetStrokeJoin(FStrokeJoin);
    path->SetStrokeDash(FStrokeDash);
  }
  if (auto* owner = dynamic_cast<TzrVisualObject*>(FindResource("pathowner"))) {
    SetAllSides(owner, FPathPadding);
    if (FPath->IsEmpty())
      owner->SetAlign(vaNone);
    else
      zrPlaceGlyph(owner, FPathLayout, FPathSize, FPathSpacing);
  }
  if (auto* text = dynamic_cast<TzrVisualObject*>(FindResource("text")))
    SetAllSides(text, FPathPadding);
}

const TClassInfo* TzrToolPathButton::Class() {
  using T = TzrToolPathButton;
  static const TClassInfo* info =
      TClassDecl<T>("TzrToolPathButton", TzrPathButton::Class())
          .Prop("TabOrder", &T::GetTabOrderValue, &T::SetTabOrderValue)
          .Default(-1)
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(false)
          .Enum("PathLayout", &T::GetPathLayout, &T::SetPathLayout, zrButtonLayoutInfo())
          .Default(zrGlyphTop);
  return info;
}

TzrToolPathButton::TzrToolPathButton(TComponent* AOwner) : TzrPathButton(AOwner) {
  SetCanFocused(false);
  SetPathLayout(zrGlyphTop);
}
