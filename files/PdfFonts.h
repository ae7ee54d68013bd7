#pragma once
// PDF fonts: a font class is registered in the class registry under the name
// pages ask for ("Arial", "Chinese", "Gothic,Bold"); the document makes one
// instance per name. A font registers the dictionaries that describe it, says
// which code page its texts are shown in and measures characters.
//
// The twelve standard fonts are Type 1 fonts without embedded programs; their
// widths come from the metric-compatible URW fonts (PdfFontData.h).

#include <cstdint>
#include <string>

#include "files/PdfTypes.h"
#include "platform/rtl/Rtti.h"

class TPdfFont : public TPdfDictionaryWrapper {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Builds and registers the font's dictionaries; called once after creation.
  virtual void Create(TPdfObjectMgr* AXref, const std::string& AName) {
    (void)AXref;
    FName = AName;
  }
  // Width of the character at APos (from 1) in thousandths of the font size.
  virtual int GetCharWidth(const std::u16string& AText, int APos) {
    (void)AText;
    (void)APos;
    return 0;
  }
  // The code page shown texts are written in.
  virtual TPdfEncoding Encoding() const { return TPdfEncoding::Win1252; }
  const std::string& Name() const { return FName; }

 protected:
  std::string FName;
};

// A standard font; the base font ("Helvetica") chooses its widths.
class TPdfType1Font : public TPdfFont {
 public:
  explicit TPdfType1Font(const char* ABaseFont) : FBaseFont(ABaseFont) {}
  void Create(TPdfObjectMgr* AXref, const std::string& AName) override;
  void SetData(TPdfDictionary* AData) override;
  int GetCharWidth(const std::u16string& AText, int APos) override;

 private:
  const char* FBaseFont;
  uint8_t FFirstChar = 0;
  uint8_t FLastChar = 0;
  uint16_t FArray[256] = {};
};

// Registers the standard fonts in the class registry (done at start by the
// unit itself; callable again without harm) and removes them.
void RegisterPdfStandardFonts();
void UnRegisterPdfStandardFonts();
