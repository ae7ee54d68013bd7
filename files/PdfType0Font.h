#pragma once
// Composite (Type 0) fonts: a main dictionary, one CID font descended from it
// and its descriptor. The viewer supplies the glyphs; the font measures
// characters through its CID width list ("W").

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "files/PdfFonts.h"

struct TPdfCIDWidthItem {
  int32_t FStrCID;
  int32_t FEndCID;
  uint16_t FWidth;
};

// The CID of the character at APos (from 1) of AText, or -1 for none.
using TCharToCMap = int (*)(const std::u16string& AText, int APos);

// What tells one composite face from another in its descriptor.
struct TPdfCompositeFace {
  const char16_t* BaseFont;
  int32_t Flags;
  int32_t ItalicAngle;
  int32_t StemV;
};

class TPdfType0Font : public TPdfFont {
 public:
  void SetData(TPdfDictionary* AData) override;
  int GetCharWidth(const std::u16string& AText, int APos) override;
  void SetCharToCMap(TCharToCMap AFunc) { FCharToCMap = AFunc; }
  const std::vector<TPdfCIDWidthItem>& WidthItems() const { return FArray; }

 protected:
  explicit TPdfType0Font(const TPdfCompositeFace& AFace) : FFace(AFace) {}
  // The main, descendant and descriptor dictionaries, registered in turn;
  // then the main dictionary's Type 0 entries.
  void CreateComposite(TPdfObjectMgr* AXref, const std::u16string& AOrdering,
                       const std::u16string& AEncoding);
  virtual void AddDescriptorEntries(TPdfDictionary* ADescriptor);
  // The fixed-pitch width list: the half-width CIDs 231 to 631 at 500.
  virtual void AddWidthEntries(TPdfDictionary* ADescendant);
  std::u16string BaseFontName() const { return FFace.BaseFont; }

 private:
  void ReadWidths(TPdfArray* AWidths);
  TPdfCompositeFace FFace;
  TCharToCMap FCharToCMap = nullptr;
  std::vector<TPdfCIDWidthItem> FArray;
  uint16_t FDW = 0;
  uint16_t FMissingWidth = 0;
};
