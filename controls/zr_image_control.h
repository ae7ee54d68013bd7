#pragma once
// TzrImageControl: holds a bitmap and shows a copy scaled to fit in its
// style's "image" part. A click opens a file dialog for a picture; picture
// files and images of the scene can be dropped on it.

#include <memory>

#include "scene/zr_control.h"

class TzrBitmap;
class TzrImage;

class TzrImageControl : public TzrControl {
 public:
  explicit TzrImageControl(TComponent* AOwner);
  ~TzrImageControl() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrBitmap* GetBitmap() const { return FBitmap.get(); }
  // Copies the bitmap; the copy shows through DoBitmapChanged.
  void SetBitmap(TzrBitmap* Value);
  bool GetEnableOpenDialog() const { return FEnableOpenDialog; }
  void SetEnableOpenDialog(bool Value) { FEnableOpenDialog = Value; }
  TzrImage* GetImagePart() const { return FImage; }

  // The image part receives a copy fitted into its size; OnChange fires.
  virtual void DoBitmapChanged(TObject* Sender);
  // A file the codec reads, by the extension (with its dot, same case) in
  // the codec's file types.
  static bool IsPictureFile(const std::u16string& FileName);

  Variant GetData() override;
  void SetData(const Variant& Value) override;
  void Click() override;
  void DragOver(const TzrDragObject& Data, const TzrPoint& Point, bool& Accept) override;
  void DragDrop(const TzrDragObject& Data, const TzrPoint& Point) override;
  void ApplyStyle() override;
  void FreeStyle() override;

  TNotifyEvent OnChange;

 private:
  TzrImage* FImage = nullptr;
  std::unique_ptr<TzrBitmap> FBitmap;
  bool FEnableOpenDialog = true;
};
