#pragma once
// TzrBrush: how shapes and text are filled or stroked: nothing, a solid
// colour, a gradient, a bitmap, a named shared brush or a visual object. The
// brush owns one part for each style and streams only the part its style uses.

#include <memory>
#include <string>

#include "scene/zr_bitmap.h"
#include "scene/zr_gradient.h"
#include "scene/zr_object.h"

class TEnumInfo;
class TzrBrush;
class TzrBrushObject;
class TzrVisualObject;

// A reference (not owned) to the visual object a visual brush paints with.
// Published VisualObject.
class TzrVisual : public TPersistent, public IzrFreeNotify {
 public:
  TzrVisual() = default;
  ~TzrVisual() override;
  TzrVisual(const TzrVisual&) = delete;
  TzrVisual& operator=(const TzrVisual&) = delete;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Assign(TPersistent* Source) override;

  // The node referred to (a visual node), and the same seen as a visual object.
  TzrObject* GetVisualNode() const { return FVisualObject; }
  TzrVisualObject* GetVisualObject() const;
  // Takes a visual node (anything else counts as nil); fires OnChanged when
  // the reference changes.
  void SetVisualObject(TzrObject* Value);
  void FreeNotify(TzrObject* AObject) override;

  TNotifyEvent OnChanged;

 private:
  TzrObject* FVisualObject = nullptr;
};

// The named-brush part of a brush: a link to a TzrBrushObject and its name.
// Published Resource (never stored) and ResourceName. Fires no event itself.
class TzrBrushResource : public TPersistent, public IzrFreeNotify {
 public:
  TzrBrushResource() = default;
  ~TzrBrushResource() override;
  TzrBrushResource(const TzrBrushResource&) = delete;
  TzrBrushResource& operator=(const TzrBrushResource&) = delete;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Assign(TPersistent* Source) override;

  TzrBrushObject* GetResource() const { return FResource; }
  // Takes the resource's name; nil keeps the name.
  void SetResource(TzrBrushObject* Value);
  const std::string& GetResourceName() const { return FResourceName; }
  // Leaves the link as it is.
  void SetResourceName(const std::string& Value);
  // The shared brush: the linked one, or the one found by name (then
  // linked); nil when there is none.
  TzrBrush* GetBrush();
  void FreeNotify(TzrObject* AObject) override;

  TNotifyEvent OnChanged;

 private:
  TzrBrushObject* FResource = nullptr;
  std::string FResourceName;
};

enum TzrWrapMode { zrWrapTile, zrWrapTileOriginal, zrWrapTileStretch };
const TEnumInfo& zrWrapModeInfo();

// The bitmap part of a brush: an owned bitmap and how it covers the area.
// Published Bitmap and WrapMode. Changes inside the bitmap do not reach the
// brush.
class TzrBrushBitmap : public TPersistent {
 public:
  TzrBrushBitmap();
  ~TzrBrushBitmap() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Assign(TPersistent* Source) override;

  TzrBitmap* GetBitmap() const { return FBitmap.get(); }
  // Copies the given bitmap; nil does nothing. No event.
  void SetBitmap(TzrBitmap* Value);
  TzrWrapMode GetWrapMode() const { return FWrapMode; }
  void SetWrapMode(TzrWrapMode Value);

  TNotifyEvent OnChanged;

 private:
  std::unique_ptr<TzrBitmap> FBitmap;
  TzrWrapMode FWrapMode = zrWrapTile;
};

enum TzrBrushStyle {
  zrBrushNone,
  zrBrushSolid,
  zrBrushGradient,
  zrBrushBitmap,
  zrBrushResource,
  zrBrushVisual
};
const TEnumInfo& zrBrushStyleInfo();

// Published Color (solid style, when not the default colour), Bitmap,
// Style (when not the default style), Gradient, Resource and Visual (each
// when the style uses it).
class TzrBrush : public TPersistent {
 public:
  TzrBrush(TzrBrushStyle ADefaultStyle = zrBrushSolid, TzrColor ADefaultColor = 0xFFFFFFFF);
  ~TzrBrush() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Copies the defaults, the resolved colour, the style and the part the
  // style uses; fires OnChanged once.
  void Assign(TPersistent* Source) override;

  // The colour as text; setting it also recolours the first gradient stop of
  // a gradient brush.
  std::string GetColor() const;
  void SetColor(const std::string& Value);
  // The named brush's colour for a resource brush, else the own colour.
  TzrColor GetSolidColor() const;
  void SetSolidColor(TzrColor Value);
  TzrBrushStyle GetStyle() const { return FStyle; }
  void SetStyle(TzrBrushStyle Value);
  TzrGradient* GetGradient() const { return FGradient.get(); }
  void SetGradient(TzrGradient* Value);
  TzrBrushBitmap* GetBitmap() const { return FBitmap.get(); }
  void SetBitmap(TzrBrushBitmap* Value);
  TzrBrushResource* GetResource() const { return FResource.get(); }
  void SetResource(TzrBrushResource* Value);
  TzrVisual* GetVisual() const { return FVisual.get(); }
  void SetVisual(TzrVisual* Value);
  TzrBrushStyle GetDefaultStyle() const { return FDefaultStyle; }
  void SetDefaultStyle(TzrBrushStyle Value) { FDefaultStyle = Value; }
  TzrColor GetDefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TzrColor Value) { FDefaultColor = Value; }

  TNotifyEvent OnChanged;

 private:
  void Changed();
  bool IsColorStored() const;
  bool IsStyleStored() const { return FStyle != FDefaultStyle; }
  bool IsGradientStored() const { return FStyle == zrBrushGradient; }
  bool IsBitmapStored() const { return FStyle == zrBrushBitmap; }
  bool IsResourceStored() const { return FStyle == zrBrushResource; }
  bool IsVisualStored() const { return FStyle == zrBrushVisual; }

  TzrColor FColor;
  TzrBrushStyle FStyle;
  std::unique_ptr<TzrGradient> FGradient;
  std::unique_ptr<TzrVisual> FVisual;
  TzrBrushStyle FDefaultStyle;
  TzrColor FDefaultColor;
  std::unique_ptr<TzrBrushResource> FResource;
  std::unique_ptr<TzrBrushBitmap> FBitmap;
  // Set while the colour of a named brush is being resolved: a chain of
  // names that leads back here ends with the own colour.
  mutable bool FResolving = false;
};
