#pragma once
// Navigation aids of a document: destinations (a page and a view), the outline
// tree (bookmarks) and annotations.

#include <cstdint>
#include <memory>
#include <string>

#include "files/PdfDoc.h"

enum TPdfDestinationType { dtXYZ, dtFit, dtFitH, dtFitV, dtFitR, dtFitB, dtFitBH, dtFitBV };

class TPdfDestination : public TObject {
 public:
  // On the canvas's current page of ADoc.
  explicit TPdfDestination(TPdfDoc* ADoc);
  // The destination as a new array: page, view kind, its values.
  TPdfArray* GetValue() const;

  TPdfDestinationType DestinationType() const { return FType; }
  void SetDestinationType(TPdfDestinationType AValue) { FType = AValue; }
  TPdfDoc* Doc() const { return FDoc; }
  TPdfDictionary* Page() const { return FPage; }
  // A negative coordinate is stored as -1.
  int32_t Left() const { return FValues[0]; }
  void SetLeft(int32_t AValue) { SetValue(0, AValue); }
  int32_t Top() const { return FValues[1]; }
  void SetTop(int32_t AValue) { SetValue(1, AValue); }
  int32_t Right() const { return FValues[2]; }
  void SetRight(int32_t AValue) { SetValue(2, AValue); }
  int32_t Bottom() const { return FValues[3]; }
  void SetBottom(int32_t AValue) { SetValue(3, AValue); }
  float Zoom() const { return FZoom; }
  // 0 to 10; anything else raises EPdfInvalidValue.
  void SetZoom(float AValue);
  TObject* Reference() const { return FReference.get(); }
  void SetReference(std::unique_ptr<TObject> AValue) { FReference = std::move(AValue); }
  int32_t PageWidth() const;
  int32_t PageHeight() const;

 private:
  void SetValue(int AIndex, int32_t AValue) { FValues[AIndex] = AValue < 0 ? -1 : AValue; }
  TPdfDoc* FDoc;
  TPdfDictionary* FPage;
  TPdfDestinationType FType = dtXYZ;
  int32_t FValues[4] = {0, 0, 0, 0};
  float FZoom = 1.0f;
  std::unique_ptr<TObject> FReference;
};

class TPdfOutlineEntry : public TPdfDictionaryWrapper {
 public:
  // A new entry under AParent; the document owns it.
  explicit TPdfOutlineEntry(TPdfOutlineEntry* AParent);
  // A new last child.
  TPdfOutlineEntry* AddChild();
  // Stores the entry's keys (and its children's) in its dictionary.
  virtual void Save();

  TPdfOutlineEntry* Parent() const { return FParent; }
  TPdfOutlineEntry* Next() const { return FNext; }
  TPdfOutlineEntry* Prev() const { return FPrev; }
  TPdfOutlineEntry* First() const { return FFirst; }
  TPdfOutlineEntry* Last() const { return FLast; }
  TPdfDestination* Dest() const { return FDest; }
  void SetDest(TPdfDestination* AValue) { FDest = AValue; }
  const std::u16string& Title() const { return FTitle; }
  void SetTitle(const std::u16string& AValue) { FTitle = AValue; }
  bool Opened() const { return FOpened; }
  void SetOpened(bool AValue) { FOpened = AValue; }
  int32_t Count() const { return FCount; }
  TObject* Reference() const { return FReference.get(); }
  void SetReference(std::unique_ptr<TObject> AValue) { FReference = std::move(AValue); }

 protected:
  explicit TPdfOutlineEntry(TPdfDoc* ADoc);
  void SaveCount();
  void SaveChildren();

  TPdfOutlineEntry* FParent = nullptr;
  TPdfOutlineEntry* FNext = nullptr;
  TPdfOutlineEntry* FPrev = nullptr;
  TPdfOutlineEntry* FFirst = nullptr;
  TPdfOutlineEntry* FLast = nullptr;
  TPdfDestination* FDest = nullptr;
  TPdfDoc* FDoc = nullptr;
  std::u16string FTitle;
  bool FOpened = false;
  int32_t FCount = 0;
  std::unique_ptr<TObject> FReference;
};

class TPdfOutlineRoot : public TPdfOutlineEntry {
 public:
  explicit TPdfOutlineRoot(TPdfDoc* ADoc);
  void Save() override;
};
