#pragma once
// Image list boxes: lists of pictures.
//
// Each entry (TzrImageListBoxItem) holds a TzrImage, optionally with the
// file name under it. Pictures come from bitmaps in memory (AddBitmap) or
// from files (AddFile, AddFolder); only files whose extension the codec
// lists are taken. A file is read lazily: its entry is created at once and
// the picture is loaded on a worker thread (TzrImageThread) started when the
// entry first applies its style, so a folder of large pictures fills the
// list at once and the pictures appear as they arrive. With UseThumbnails
// the kept bitmaps are only as large as the shown image.
//
// An entry keeps its data in the scene object's general fields: Tag 1 while
// its picture still has to be loaded, TagString the file name, TagObject
// its image. The list owns its loader threads: Clear prevents loads that
// have not started and stops the running ones' hand-overs, and a list being
// freed stops its loaders and waits for them first.
//
// TzrHorzImageListBox lays the same entries out left to right.

#include <memory>
#include <string>
#include <vector>

#include "controls/zr_listbox.h"

class TzrBitmap;
class TzrImage;
class TzrImageThread;

class TzrImageListBoxItem : public TzrListBoxItem {
 public:
  explicit TzrImageListBoxItem(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Whether the entry leaves room for, and shows, its file name (fixed when
  // the entry is added).
  bool GetShowFileName() const { return FShowFileName; }
  void SetShowFileName(bool Value) { FShowFileName = Value; }
  void ApplyStyle() override;

 private:
  bool FShowFileName = false;
};

class TzrImageListBox : public TzrListBox {
 public:
  explicit TzrImageListBox(TComponent* AOwner);
  ~TzrImageListBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // An entry for a picture file; nothing for an extension the codec does
  // not list. Nothing is read yet. The first entry becomes current.
  void AddFile(const std::string& AFile);
  // An entry for every picture file directly inside the folder, in name
  // order; entry 0 becomes current.
  void AddFolder(const std::string& Folder);
  // An entry showing a copy of the bitmap (reduced to fit the list's height
  // with UseThumbnails).
  void AddBitmap(const std::string& AFile, TzrBitmap* ABitmap);
  // Marks every entry as having nothing to load, stops the hand-overs of
  // running loads, then frees the entries.
  void Clear() override;
  // Waits until every started load has ended (its hand-over run).
  void WaitForLoaders();
  // Loads started and not yet reaped.
  int GetLoaderCount() const { return int(FLoaders.size()); }

  TzrImage* GetImage(int Index) const;
  TzrImage* GetSelectedImage() const { return GetImage(FItemIndex); }
  std::string GetSelectedFileName() const;
  // Starts a drag of the current picture with its bitmap as drag image.
  void BeginAutoDrag() override;

  // ---- published
  bool GetShowFileName() const { return FShowFileName; }
  void SetShowFileName(bool Value) { FShowFileName = Value; }
  bool GetUseThumbnails() const { return FUseThumbnails; }
  void SetUseThumbnails(bool Value) { FUseThumbnails = Value; }
  // The height of every entry (the list box's own ItemHeight stays as it is).
  float GetImageItemHeight() const { return FImageItemHeight; }
  void SetImageItemHeight(float Value);

  // Whether the codec in use reads files of this name's extension (case
  // ignored).
  static bool IsImageFile(const std::string& AFile);

 protected:
  // Lazy loading: an entry applying its style starts its load once.
  void EntryApplyStyle(TObject* Sender);
  // A new entry holding an image, added to the list.
  TzrImageListBoxItem* NewEntry(const std::string& AFile);
  // Frees the loaders that have ended.
  void ReapLoaders();

  std::string FFolder;
  bool FShowFileName = false;
  float FImageItemHeight = 0;
  bool FUseThumbnails = true;
  std::vector<std::unique_ptr<TzrImageThread>> FLoaders;
};

class TzrHorzImageListBox : public TzrImageListBox {
 public:
  explicit TzrHorzImageListBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
