#pragma once
// TzrImageList: bitmaps of one nominal size, stored in a form as PNG or JPEG
// data (the binary property "Images"), and shown to the framework's image
// list at design time.
//
// "Images": a 32-bit little-endian count, then per image its byte length and
// the bytes TzrBitmap::SaveToStream writes. Counts and lengths are checked
// against the data that remains: a bad block raises EObjectStreamError and
// leaves the list as it was.

#include <memory>
#include <vector>

#include "platform/vcl/ImgList.h"

class TzrBitmap;
class TStream;
class TFiler;

class TzrImageList : public TCustomImageList {
 public:
  explicit TzrImageList(TComponent* AOwner);
  ~TzrImageList() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void DefineProperties(TFiler* Filer) override;
  int GetWidth() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }
  int GetHeight() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  int GetCount() const { return int(FImages.size()); }

  // A Width x Height copy of Bitmap, fitted in with its aspect ratio kept,
  // appended; answers its index.
  int Add(TzrBitmap* Bitmap);
  void Clear();
  // Nil outside 0 .. Count - 1.
  TzrBitmap* GetBitmap(int Index) const;
  // At design time: the framework list gets the images of the nominal size.
  void UpdateList();
  void ReadImage(TStream* AStream);
  void WriteImage(TStream* AStream);

 private:
  std::vector<std::unique_ptr<TzrBitmap>> FImages;
  int FWidth = 32;
  int FHeight = 32;
};
