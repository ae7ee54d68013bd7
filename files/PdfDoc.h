#pragma once
// A PDF document held in memory and written as a complete PDF 1.2 file:
// header, every registered object, the cross-reference table and the trailer.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "files/PdfFonts.h"
#include "files/PdfTypes.h"

class TPdfCanvas;
class TPdfDestination;
class TPdfOutlineRoot;

// One line of the cross-reference table; an "n" entry owns its object.
class TPdfXrefEntry {
 public:
  explicit TPdfXrefEntry(TPdfObject* AValue);
  const std::string& EntryType() const { return FEntryType; }
  int32_t ByteOffset() const { return FByteOffset; }
  void SetByteOffset(int32_t AValue) { FByteOffset = AValue; }
  int32_t GenerationNumber() const { return FGenerationNumber; }
  TPdfObject* Value() const { return FValue.get(); }
  // "0000000011 00000 n" (20 bytes with the CR LF the table adds).
  std::string AsString() const;

 private:
  std::string FEntryType;
  int32_t FByteOffset = -1;
  int32_t FGenerationNumber = 0;
  std::unique_ptr<TPdfObject> FValue;
};

// The object table: the index of an entry is its object's number.
class TPdfXref : public TPdfObjectMgr {
 public:
  TPdfXref();
  void AddObject(TPdfObject* AObject) override;
  TPdfObject* GetObject(int32_t ObjectID) override;
  TPdfXrefEntry* Items(int32_t ObjectID) const { return FXrefEntries.at(ObjectID).get(); }
  int ItemCount() const { return static_cast<int>(FXrefEntries.size()); }

 private:
  std::vector<std::unique_ptr<TPdfXrefEntry>> FXrefEntries;
};

class TPdfHeader {
 public:
  void WriteToStream(TStream& AStream) const;
};

class TPdfTrailer {
 public:
  explicit TPdfTrailer(TPdfObjectMgr* AObjectMgr);
  TPdfDictionary* Attributes() const { return FAttributes.get(); }
  int32_t XrefAddress() const { return FXrefAddress; }
  void SetXrefAddress(int32_t AValue) { FXrefAddress = AValue; }
  void WriteToStream(TStream& AStream) const;

 private:
  std::unique_ptr<TPdfDictionary> FAttributes;
  int32_t FXrefAddress = 0;
};

class TPdfInfo : public TPdfDictionaryWrapper {
 public:
  std::u16string Author() const { return GetText(u"Author"); }
  void SetAuthor(const std::u16string& AValue) { SetText(u"Author", AValue); }
  std::u16string Creator() const { return GetText(u"Creator"); }
  void SetCreator(const std::u16string& AValue) { SetText(u"Creator", AValue); }
  std::u16string Keywords() const { return GetText(u"Keywords"); }
  void SetKeywords(const std::u16string& AValue) { SetText(u"Keywords", AValue); }
  std::u16string Subject() const { return GetText(u"Subject"); }
  void SetSubject(const std::u16string& AValue) { SetText(u"Subject", AValue); }
  std::u16string Title() const { return GetText(u"Title"); }
  void SetTitle(const std::u16string& AValue) { SetText(u"Title", AValue); }
  // 0 when the date is missing or does not parse.
  TDateTime CreationDate() const { return GetDate(u"CreationDate"); }
  void SetCreationDate(TDateTime AValue) { SetDate(u"CreationDate", AValue); }
  TDateTime ModDate() const { return GetDate(u"ModDate"); }
  void SetModDate(TDateTime AValue) { SetDate(u"ModDate", AValue); }

 private:
  std::u16string GetText(const std::u16string& AKey) const;
  void SetText(const std::u16string& AKey, const std::u16string& AValue);
  TDateTime GetDate(const std::u16string& AKey) const;
  void SetDate(const std::u16string& AKey, TDateTime AValue);
};

enum TPdfPageLayout { plSinglePage, plOneColumn, plTwoColumnLeft, plTwoColumnRight };
enum TPdfPageMode { pmUseNone, pmUseOutlines, pmUseThumbs, pmFullScreen };
enum TPdfViewerPreference {
  vpHideToolbar,
  vpHideMenubar,
  vpHideWindowUI,
  vpFitWindow,
  vpCenterWindow
};
// A set of viewer preferences: bit (1 << preference).
using TPdfViewerPreferences = uint8_t;

class TPdfCatalog : public TPdfDictionaryWrapper {
 public:
  TPdfDestination* OpenAction() const { return FOpenAction; }
  void SetOpenAction(TPdfDestination* AValue) { FOpenAction = AValue; }
  TPdfPageLayout PageLayout() const;
  void SetPageLayout(TPdfPageLayout AValue);
  TPdfPageMode PageMode() const;
  void SetPageMode(TPdfPageMode AValue);
  TPdfPageMode NonFullScreenPageMode() const;
  void SetNonFullScreenPageMode(TPdfPageMode AValue);
  TPdfViewerPreferences ViewerPreference() const;
  void SetViewerPreference(TPdfViewerPreferences AValue);
  // Raises EPdfInvalidOperation when the catalog has no page tree.
  TPdfDictionary* Pages() const;
  // Stored only when its "Type" is "Pages".
  void SetPages(TPdfDictionary* AValue);
  // Stores the open action's value as "OpenAction", or removes the key.
  void SaveOpenAction();

 private:
  TPdfDictionary* ViewerPreferences(bool ACreate);
  TPdfDestination* FOpenAction = nullptr;
};

enum TPdfAnnotationSubType { asTextNotes, asLink };

class TPdfDoc {
 public:
  TPdfDoc();
  ~TPdfDoc();
  TPdfDoc(const TPdfDoc&) = delete;
  TPdfDoc& operator=(const TPdfDoc&) = delete;

  void NewDoc();
  void FreeDoc();
  // Appends a page and makes it the canvas's page.
  void AddPage();
  // The document's font of that registered name, made on first use.
  TPdfFont* GetFont(const std::string& FontName);
  // Registers an image under a name; the document owns it from then on.
  void AddXObject(const std::u16string& AName, TPdfXObject* AXObject);
  void RegisterXObject(TPdfXObject* AObject, const std::u16string& AName);
  TPdfXObject* GetXObject(const std::u16string& AName) const;
  void SaveToStream(TStream& AStream);
  // A document with one page whose canvas only measures.
  void SetVirtualMode();
  // An annotation on the current page, for the caller to complete.
  TPdfDictionary* CreateAnnotation(TPdfAnnotationSubType AType, const TPdfRect& ARect);
  // A destination on the current page, owned by the document.
  TPdfDestination* CreateDestination();

  bool HasDoc() const { return FHasDoc; }
  TPdfCanvas* Canvas() const;
  TPdfInfo* Info() const;
  TPdfCatalog* Root() const;
  TPdfOutlineRoot* OutlineRoot() const;
  TPdfXref* Xref() const { return FXref.get(); }
  int32_t DefaultPageWidth() const { return FDefaultPageWidth; }
  void SetDefaultPageWidth(int32_t AValue) { FDefaultPageWidth = AValue; }
  int32_t DefaultPageHeight() const { return FDefaultPageHeight; }
  void SetDefaultPageHeight(int32_t AValue) { FDefaultPageHeight = AValue; }
  bool UseOutlines() const { return FUseOutlines; }
  void SetUseOutlines(bool AValue) { FUseOutlines = AValue; }
  // Wrappers, destinations and outline entries live as long as the document.
  void AddOwned(std::unique_ptr<TObject> AObject) { FObjectList.push_back(std::move(AObject)); }

 private:
  TPdfDictionary* NewRegisteredDictionary();
  void BuildCatalog();
  void BuildInfo();
  void BuildPageTree();
  void WriteXref(TStream& AStream);

  TPdfCatalog* FRoot = nullptr;
  TPdfDictionary* FCurrentPages = nullptr;
  std::unique_ptr<TPdfCanvas> FCanvas;
  std::unique_ptr<TPdfHeader> FHeader;
  std::unique_ptr<TPdfTrailer> FTrailer;
  std::unique_ptr<TPdfXref> FXref;
  TPdfInfo* FInfo = nullptr;
  bool FHasDoc = false;
  std::vector<std::unique_ptr<TPdfFont>> FFontList;
  std::vector<std::unique_ptr<TObject>> FObjectList;
  TPdfOutlineRoot* FOutlineRoot = nullptr;
  std::unique_ptr<TPdfArray> FXObjectList;
  int32_t FDefaultPageWidth = 596;
  int32_t FDefaultPageHeight = 842;
  bool FUseOutlines = false;
};
