#pragma once
// Named shared resources: a brush, a path or a bitmap defined once as a node
// of the tree and used by name from anywhere. Values that name one
// (ResourceName of a brush resource, a path, a bitmap) find the newest live
// stored node of that name on first use, link it and follow it; when the
// node is freed the link drops and the next use looks the name up again.
//
// Each node takes its component name as ResourceName when it has none, so a
// resource placed in a designer is found under its name.

#include <memory>
#include <string>

#include "scene/zr_object.h"
#include "scene/zr_path.h"

class TzrBrush;
class TzrBitmap;

// Published Brush: solid opaque white at first.
class TzrBrushObject : public TzrObject {
 public:
  explicit TzrBrushObject(TComponent* AOwner);
  ~TzrBrushObject() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void SetName(const std::string& Value) override;

  TzrBrush* GetBrush() const { return FBrush.get(); }
  // Copies the given brush.
  void SetBrush(TzrBrush* Value);

 private:
  std::unique_ptr<TzrBrush> FBrush;
};

// Published Path: empty at first.
class TzrPathObject : public TzrObject {
 public:
  explicit TzrPathObject(TComponent* AOwner);
  ~TzrPathObject() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void SetName(const std::string& Value) override;

  TzrPathData* GetPath() const { return FPath.get(); }
  // Copies the given path.
  void SetPath(TzrPathData* Value);

 private:
  std::unique_ptr<TzrPathData> FPath;
};

// Published Bitmap: 1 x 1 transparent at first.
class TzrBitmapObject : public TzrObject {
 public:
  explicit TzrBitmapObject(TComponent* AOwner);
  ~TzrBitmapObject() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void SetName(const std::string& Value) override;

  TzrBitmap* GetBitmap() const { return FBitmap.get(); }
  // Copies the given bitmap.
  void SetBitmap(TzrBitmap* Value);

 private:
  std::unique_ptr<TzrBitmap> FBitmap;
};
