#include "scene/zr_resource_objects.h"

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"

// ---------------------------------------------------------------- brush

const TClassInfo* TzrBrushObject::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrBrushObject>("TzrBrushObject", TzrObject::Class())
          .Prop("Brush", &TzrBrushObject::GetBrush, &TzrBrushObject::SetBrush);
  return info;
}

TzrBrushObject::TzrBrushObject(TComponent* AOwner)
    : TzrObject(AOwner), FBrush(std::make_unique<TzrBrush>(zrBrushSolid, 0xFFFFFFFF)) {}

TzrBrushObject::~TzrBrushObject() = default;

void TzrBrushObject::SetName(const std::string& Value) {
  TzrObject::SetName(Value);
  if (FResourceName.empty()) SetResourceName(Value);
}

void TzrBrushObject::SetBrush(TzrBrush* Value) { FBrush->Assign(Value); }

// ---------------------------------------------------------------- path

const TClassInfo* TzrPathObject::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrPathObject>("TzrPathObject", TzrObject::Class())
          .Prop("Path", &TzrPathObject::GetPath, &TzrPathObject::SetPath);
  return info;
}

TzrPathObject::TzrPathObject(TComponent* AOwner)
    : TzrObject(AOwner), FPath(std::make_unique<TzrPathData>()) {}

TzrPathObject::~TzrPathObject() = default;

void TzrPathObject::SetName(const std::string& Value) {
  TzrObject::SetName(Value);
  if (FResourceName.empty()) SetResourceName(Value);
}

void TzrPathObject::SetPath(TzrPathData* Value) { FPath->Assign(Value); }

// ---------------------------------------------------------------- bitmap

const TClassInfo* TzrBitmapObject::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrBitmapObject>("TzrBitmapObject", TzrObject::Class())
          .Prop("Bitmap", &TzrBitmapObject::GetBitmap, &TzrBitmapObject::SetBitmap);
  return info;
}

TzrBitmapObject::TzrBitmapObject(TComponent* AOwner)
    : TzrObject(AOwner), FBitmap(std::make_unique<TzrBitmap>(1, 1)) {}

TzrBitmapObject::~TzrBitmapObject() = default;

void TzrBitmapObject::SetName(const std::string& Value) {
  TzrObject::SetName(Value);
  if (FResourceName.empty()) SetResourceName(Value);
}

void TzrBitmapObject::SetBitmap(TzrBitmap* Value) { FBitmap->Assign(Value); }
