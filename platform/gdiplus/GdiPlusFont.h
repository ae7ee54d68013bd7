#pragma once
// Font families, fonts and font collections over Pango and fontconfig.
//
// A family name resolves to an installed family (compared ignoring case), then
// through a table of stand-ins for the families of the Windows desktop (the UI
// sans family and the Chinese families) to the installed family that takes
// their place. Chinese glyphs missing from a family come from the CJK family.

#include <pango/pango.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gdiplus/GdiPlusStatus.h"
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

// The installed families that stand for the generic sans-serif (and UI)
// family and for Chinese text.
extern const char* const kSansFamilyName;
extern const char* const kCjkFamilyName;

class FontCollection {
 public:
  virtual ~FontCollection() = default;
  INT GetFamilyCount() const { return INT(FFamilies.size()); }
  Status GetFamilies(INT numSought, class FontFamily* gpfamilies, INT* numFound) const;
  // The name of the family as this collection holds it, or empty.
  std::string Find(const std::string& name) const;

 protected:
  std::vector<std::string> FFamilies;
};

// The families installed on the system.
class InstalledFontCollection : public FontCollection {
 public:
  InstalledFontCollection();
};

// Font files added at run time; they are registered with fontconfig for the
// whole program and found by family name through this collection.
class PrivateFontCollection : public FontCollection {
 public:
  PrivateFontCollection() = default;
  ~PrivateFontCollection() override;
  PrivateFontCollection(const PrivateFontCollection&) = delete;
  PrivateFontCollection& operator=(const PrivateFontCollection&) = delete;
  Status AddFontFile(const std::string& filename);
  // Copies the font file held in memory; the block may be freed afterwards.
  Status AddMemoryFont(const void* memory, INT length);

 private:
  std::vector<std::string> FTempFiles;
};

class FontFamily : public LastStatus {
 public:
  FontFamily() = default;
  explicit FontFamily(const std::string& name, const FontCollection* fontCollection = nullptr);
  FontFamily(const char16_t* name, const FontCollection* fontCollection = nullptr);

  static const FontFamily* GenericSansSerif();
  static const FontFamily* GenericSerif();
  static const FontFamily* GenericMonospace();

  FontFamily* Clone() const { return new FontFamily(*this); }
  bool IsAvailable() const { return !FInstalled.empty(); }
  // Whether the family has a face of the style's weight and slant (underline
  // and strikeout are drawn for any face).
  bool IsStyleAvailable(INT style) const;
  Status GetFamilyName(std::u16string* name) const;
  // The installed family used to lay out text.
  const std::string& InstalledName() const { return FInstalled; }

 private:
  void Resolve(const std::string& name, const FontCollection* collection);
  std::string FInstalled;
  unsigned FStyles = 0;  // bit n set: style n (0 to 3) has a face
};

class Font : public LastStatus {
 public:
  Font(const FontFamily* family, REAL emSize, INT style = FontStyleRegular, Unit unit = UnitPoint);
  Font(const std::string& familyName, REAL emSize, INT style = FontStyleRegular,
       Unit unit = UnitPoint, const FontCollection* fontCollection = nullptr);
  Font* Clone() const { return new Font(*this); }

  Status GetFamily(FontFamily* family) const;
  INT GetStyle() const { return FStyle; }
  REAL GetSize() const { return FEmSize; }
  Unit GetUnit() const { return FUnit; }
  bool IsAvailable() const { return FFamily.IsAvailable(); }
  // Line spacing in pixels on a device of the resolution.
  REAL GetHeight(REAL dpi) const;
  // The em size in pixels on a device of the resolution.
  REAL PixelSize(REAL dpi) const;

 private:
  FontFamily FFamily;
  REAL FEmSize;
  INT FStyle;
  Unit FUnit;
};

// A style bit beside the font styles: the slanted face is asked for as
// oblique rather than italic (the Direct2D layer's text formats).
inline constexpr INT FontStyleObliqueFace = 0x10;
// A Pango description of the family at the pixel size with the style's
// weight and slant, the CJK family added as fallback; free with
// pango_font_description_free.
PangoFontDescription* CreateFontDescription(const FontFamily& family, INT style, double pixelSize);

// Frees the shared generic families.
void FreeGenericFontFamilies();

}  // namespace Gdiplus
