#pragma once
// Buttons that show a picture beside or instead of their caption; they press,
// repeat and click as every TzrCustomButton does.
// - TzrBitmapButton places a bitmap in its style's "image" part left, right,
//   above, below or in the middle of the caption; TzrToolButton is the same,
//   not focusable, the bitmap above the caption.
// - TzrPathButton hands a vector path with its own fill and stroke to its
//   style's "path" part and places the "pathowner" part that holds it the
//   same way; TzrToolPathButton is the same, not focusable, path on top.
// An empty picture (a 1-pixel bitmap without resource name, a path without
// points) is not aligned at all, so only the caption shows.

#include <memory>

#include "controls/zr_buttons.h"
#include "scene/zr_canvas.h"

class TzrBitmap;
class TzrBrush;
class TzrPathData;

enum TzrButtonLayout { zrGlyphLeft, zrGlyphRight, zrGlyphTop, zrGlyphBottom, zrGlyphCenter };
const TEnumInfo& zrButtonLayoutInfo();

// Aligns Part by Layout: Size across the caption's side and Spacing between
// the glyph and the caption (around it when centred).
void zrPlaceGlyph(TzrVisualObject* Part, TzrButtonLayout Layout, float Size, float Spacing);

class TzrBitmapButton : public TzrCustomButton {
 public:
  explicit TzrBitmapButton(TComponent* AOwner);
  ~TzrBitmapButton() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrBitmap* GetBitmap() const { return FBitmap.get(); }
  // Copies the bitmap; its change notification places it.
  void SetBitmap(TzrBitmap* Value);
  TzrButtonLayout GetBitmapLayout() const { return FBitmapLayout; }
  void SetBitmapLayout(TzrButtonLayout Value);
  float GetBitmapSpacing() const { return FBitmapSpacing; }
  void SetBitmapSpacing(float Value);
  float GetBitmapSize() const { return FBitmapSize; }
  void SetBitmapSize(float Value);
  float GetBitmapPadding() const { return FBitmapPadding; }
  void SetBitmapPadding(float Value);

  // The style's "image" part receives a copy of the bitmap and is placed.
  virtual void DoBitmapChanged(TObject* Sender);
  // An empty button takes its picture from the action's toolkit image list.
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void ApplyStyle() override;

 private:
  // Re-applies the style after a setting changed, unless loading.
  void Changed();

  std::unique_ptr<TzrBitmap> FBitmap;
  TzrButtonLayout FBitmapLayout = zrGlyphLeft;
  float FBitmapSpacing = 0;
  float FBitmapSize = 32;
  float FBitmapPadding = 2;
};

class TzrToolButton : public TzrBitmapButton {
 public:
  explicit TzrToolButton(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrPathButton : public TzrCustomButton {
 public:
  explicit TzrPathButton(TComponent* AOwner);
  ~TzrPathButton() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrPathData* GetPath() const { return FPath.get(); }
  void SetPath(TzrPathData* Value);
  TzrBrush* GetPathFill() const { return FFill.get(); }
  void SetPathFill(TzrBrush* Value);
  TzrBrush* GetPathStroke() const { return FStroke.get(); }
  void SetPathStroke(TzrBrush* Value);
  TzrButtonLayout GetPathLayout() const { return FPathLayout; }
  void SetPathLayout(TzrButtonLayout Value);
  float GetPathSize() const { return FPathSize; }
  void SetPathSize(float Value);
  float GetPathSpacing() const { return FPathSpacing; }
  void SetPathSpacing(float Value);
  float GetPathPadding() const { return FPathPadding; }
  void SetPathPadding(float Value);
  float GetStrokeThickness() const { return FStrokeThickness; }
  void SetStrokeThickness(float Value);
  TzrStrokeCap GetStrokeCap() const { return FStrokeCap; }
  void SetStrokeCap(TzrStrokeCap Value);
  TzrStrokeDash GetStrokeDash() const { return FStrokeDash; }
  void SetStrokeDash(TzrStrokeDash Value);
  TzrStrokeJoin GetStrokeJoin() const { return FStrokeJoin; }
  void SetStrokeJoin(TzrStrokeJoin Value);

  // Repaints and re-applies the style.
  void DoPathChanged(TObject* Sender);
  // Hands path, fill and stroke to "path" and places "pathowner".
  void ApplyStyle() override;

 private:
  void Changed();
  bool StrokeThicknessStored() const { return FStrokeThickness != 1; }

  std::unique_ptr<TzrPathData> FPath;
  TzrButtonLayout FPathLayout = zrGlyphLeft;
  float FPathSize = 32;
  float FPathSpacing = 0;
  float FPathPadding = 2;
  float FStrokeThickness = 1;
  std::unique_ptr<TzrBrush> FFill;
  std::unique_ptr<TzrBrush> FStroke;
  TzrStrokeCap FStrokeCap = zrCapFlat;
  TzrStrokeDash FStrokeDash = zrDashSolid;
  TzrStrokeJoin FStrokeJoin = zrJoinMiter;
};

class TzrToolPathButton : public TzrPathButton {
 public:
  explicit TzrToolPathButton(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
