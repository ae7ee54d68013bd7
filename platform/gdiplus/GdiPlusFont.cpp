#include "platform/gdiplus/GdiPlusFont.h"

#include <fontconfig/fontconfig.h>
#include <glib.h>
#include <glib/gstdio.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "platform/rtl/SysUtils.h"

namespace Gdiplus {

const char* const kSansFamilyName = "DejaVu Sans";
const char* const kCjkFamilyName = "Noto Sans CJK SC";

namespace {

// Families of the Windows desktop and what stands for them here.
struct Substitute {
  const char* Name;
  const char* Installed;
};
const Substitute kSubstitutes[] = {
    {"Tahoma", "DejaVu Sans"},
    {"Segoe UI", "DejaVu Sans"},
    {"Microsoft Sans Serif", "DejaVu Sans"},
    {"MS Shell Dlg", "DejaVu Sans"},
    {"MS Shell Dlg 2", "DejaVu Sans"},
    {"Arial", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},
    {"Times New Roman", "DejaVu Serif"},
    {"Courier New", "DejaVu Sans Mono"},
    {"Microsoft YaHei", "Noto Sans CJK SC"},
    {"\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91", "Noto Sans CJK SC"},  // Microsoft YaHei
    {"SimSun", "Noto Serif CJK SC"},
    {"NSimSun", "Noto Serif CJK SC"},
    {"\xE5\xAE\x8B\xE4\xBD\x93", "Noto Serif CJK SC"},  // SimSun
    {"SimHei", "Noto Sans CJK SC"},
    {"\xE9\xBB\x91\xE4\xBD\x93", "Noto Sans CJK SC"},  // SimHei
};

bool SameName(const std::string& a, const std::string& b) {
  return g_ascii_strcasecmp(a.c_str(), b.c_str()) == 0;
}

PangoFontMap* FontMap() { return pango_cairo_font_map_get_default(); }

PangoFontFamily* ListPangoFamily(const std::string& name) {
  PangoFontFamily** families = nullptr;
  int n = 0;
  pango_font_map_list_families(FontMap(), &families, &n);
  PangoFontFamily* found = nullptr;
  for (int i = 0; i < n && !found; ++i)
    if (SameName(pango_font_family_get_name(families[i]), name)) found = families[i];
  g_free(families);
  return found;
}

// Bit n set when the family has a real face of style n (bold 1, italic 2).
unsigned StylesOf(PangoFontFamily* family) {
  PangoFontFace** faces = nullptr;
  int n = 0;
  pango_font_family_list_faces(family, &faces, &n);
  unsigned styles = 0;
  for (int i = 0; i < n; ++i) {
    if (pango_font_face_is_synthesized(faces[i])) continue;
    PangoFontDescription* d = pango_font_face_describe(faces[i]);
    bool bold = pango_font_description_get_weight(d) >= PANGO_WEIGHT_SEMIBOLD;
    bool italic = pango_font_description_get_style(d) != PANGO_STYLE_NORMAL;
    styles |= 1u << ((bold ? 1 : 0) | (italic ? 2 : 0));
    pango_font_description_free(d);
  }
  g_free(faces);
  return styles;
}

// What a family name resolves to among the installed fonts: looking it up
// walks Pango's family and face lists, so every name is looked up once and
// kept until a font is added (fonts are not otherwise changed at run time).
struct ResolvedFamily {
  bool Found = false;
  std::string Installed;
  unsigned Styles = 0;
};

std::mutex& FamilyCacheLock() {
  static std::mutex lock;
  return lock;
}

std::unordered_map<std::string, ResolvedFamily>& FamilyCache() {
  static std::unordered_map<std::string, ResolvedFamily> cache;
  return cache;
}

void ForgetResolvedFamilies() {
  std::lock_guard<std::mutex> guard(FamilyCacheLock());
  FamilyCache().clear();
}

ResolvedFamily FindFamily(const std::string& name) {
  gchar* folded = g_ascii_strdown(name.c_str(), -1);
  const std::string key(folded);
  g_free(folded);
  std::lock_guard<std::mutex> guard(FamilyCacheLock());
  auto [it, added] = FamilyCache().try_emplace(key);
  if (!added) return it->second;
  if (PangoFontFamily* family = ListPangoFamily(name)) {
    it->second.Found = true;
    it->second.Installed = pango_font_family_get_name(family);
    it->second.Styles = StylesOf(family);
  }
  return it->second;
}

std::unique_ptr<FontFamily>& GenericSlot(int which) {
  static std::unique_ptr<FontFamily> slots[3];
  return slots[which];
}

const FontFamily* Generic(int which, const char* name) {
  auto& slot = GenericSlot(which);
  if (!slot) slot.reset(new FontFamily(std::string(name)));
  return slot.get();
}

}  // namespace

// ---------------- collections ----------------

Status FontCollection::GetFamilies(INT numSought, FontFamily* gpfamilies, INT* numFound) const {
  if (!gpfamilies || !numFound || numSought < 0) return InvalidParameter;
  INT n = std::min<INT>(numSought, GetFamilyCount());
  for (INT i = 0; i < n; ++i) gpfamilies[i] = FontFamily(FFamilies[size_t(i)], this);
  *numFound = n;
  return Ok;
}

std::string FontCollection::Find(const std::string& name) const {
  for (const std::string& f : FFamilies)
    if (SameName(f, name)) return f;
  return std::string();
}

InstalledFontCollection::InstalledFontCollection() {
  PangoFontFamily** families = nullptr;
  int n = 0;
  pango_font_map_list_families(FontMap(), &families, &n);
  for (int i = 0; i < n; ++i) FFamilies.push_back(pango_font_family_get_name(families[i]));
  g_free(families);
  std::sort(FFamilies.begin(), FFamilies.end());
}

PrivateFontCollection::~PrivateFontCollection() {
  for (const std::string& f : FTempFiles) g_unlink(f.c_str());
}

Status PrivateFontCollection::AddFontFile(const std::string& filename) {
  int count = 0;
  FcPattern* pattern =
      FcFreeTypeQuery(reinterpret_cast<const FcChar8*>(filename.c_str()), 0, nullptr, &count);
  if (!pattern) return FileNotFound;
  FcChar8* family = nullptr;
  std::string name;
  if (FcPatternGetString(pattern, FC_FAMILY, 0, &family) == FcResultMatch)
    name = reinterpret_cast<const char*>(family);
  FcPatternDestroy(pattern);
  if (name.empty()) return NotTrueTypeFont;
  if (!FcConfigAppFontAddFile(FcConfigGetCurrent(),
                              reinterpret_cast<const FcChar8*>(filename.c_str())))
    return NotTrueTypeFont;
  // let Pango see the new font
  if (PANGO_IS_FC_FONT_MAP(FontMap()))
    pango_fc_font_map_config_changed(PANGO_FC_FONT_MAP(FontMap()));
  ForgetResolvedFamilies();
  if (Find(name).empty()) FFamilies.push_back(name);
  return Ok;
}

Status PrivateFontCollection::AddMemoryFont(const void* memory, INT length) {
  if (!memory || length <= 0) return InvalidParameter;
  gchar* path = nullptr;
  int fd = g_file_open_tmp("esctool-font-XXXXXX.ttf", &path, nullptr);
  if (fd < 0) return Win32Error;
  bool written = write(fd, memory, size_t(length)) == length;
  close(fd);
  std::string file(path);
  g_free(path);
  FTempFiles.push_back(file);
  if (!written) return Win32Error;
  return AddFontFile(file);
}

// ---------------- FontFamily ----------------

FontFamily::FontFamily(const std::string& name, const FontCollection* fontCollection) {
  Resolve(name, fontCollection);
}

FontFamily::FontFamily(const char16_t* name, const FontCollection* fontCollection) {
  Resolve(name ? UTF16ToUTF8(name) : std::string(), fontCollection);
}

void FontFamily::Resolve(const std::string& name, const FontCollection* collection) {
  std::string wanted = name;
  if (collection) {
    wanted = collection->Find(name);
    if (wanted.empty()) {
      FLastStatus = FontFamilyNotFound;
      return;
    }
  }
  ResolvedFamily family = wanted.empty() ? ResolvedFamily() : FindFamily(wanted);
  if (!family.Found && !collection) {
    for (const Substitute& s : kSubstitutes)
      if (SameName(s.Name, name)) family = FindFamily(s.Installed);
  }
  if (!family.Found) {
    FLastStatus = FontFamilyNotFound;
    return;
  }
  FInstalled = family.Installed;
  FStyles = family.Styles;
}

const FontFamily* FontFamily::GenericSansSerif() { return Generic(0, kSansFamilyName); }
const FontFamily* FontFamily::GenericSerif() { return Generic(1, "DejaVu Serif"); }
const FontFamily* FontFamily::GenericMonospace() { return Generic(2, "DejaVu Sans Mono"); }

void FreeGenericFontFamilies() {
  for (int i = 0; i < 3; ++i) GenericSlot(i).reset();
}

bool FontFamily::IsStyleAvailable(INT style) const {
  if (FInstalled.empty()) return false;
  return (FStyles >> (style & FontStyleBoldItalic)) & 1u;
}

Status FontFamily::GetFamilyName(std::u16string* name) const {
  if (!name) return InvalidParameter;
  *name = UTF8ToUTF16(FInstalled);
  return Ok;
}

PangoFontDescription* CreateFontDescription(const FontFamily& family, INT style, double pixelSize) {
  PangoFontDescription* d = pango_font_description_new();
  std::string families = family.IsAvailable() ? family.InstalledName() : kSansFamilyName;
  if (!SameName(families, kCjkFamilyName)) families += std::string(",") + kCjkFamilyName;
  pango_font_description_set_family(d, families.c_str());
  pango_font_description_set_absolute_size(d, std::max(1.0, pixelSize * PANGO_SCALE));
  pango_font_description_set_weight(
      d, (style & FontStyleBold) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  const PangoStyle slant =
      (style & FontStyleObliqueFace) ? PANGO_STYLE_OBLIQUE : PANGO_STYLE_ITALIC;
  pango_font_description_set_style(d, (style & FontStyleItalic) ? slant : PANGO_STYLE_NORMAL);
  return d;
}

// ---------------- Font ----------------

Font::Font(const FontFamily* family, REAL emSize, INT style, Unit unit)
    : FFamily(family ? *family : FontFamily()), FEmSize(emSize), FStyle(style), FUnit(unit) {
  if (!family || !family->IsAvailable()) FLastStatus = FontFamilyNotFound;
  if (!(emSize > 0)) FLastStatus = InvalidParameter;
}

Font::Font(const std::string& familyName, REAL emSize, INT style, Unit unit,
           const FontCollection* fontCollection)
    : FFamily(familyName, fontCollection), FEmSize(emSize), FStyle(style), FUnit(unit) {
  if (!FFamily.IsAvailable()) FFamily = *FontFamily::GenericSansSerif();
  if (!(emSize > 0)) FLastStatus = InvalidParameter;
}

Status Font::GetFamily(FontFamily* family) const {
  if (!family) return InvalidParameter;
  *family = FFamily;
  return Ok;
}

REAL Font::PixelSize(REAL dpi) const {
  switch (FUnit) {
    case UnitPoint:
      return FEmSize * dpi / 72.0f;
    case UnitInch:
      return FEmSize * dpi;
    case UnitDocument:
      return FEmSize * dpi / 300.0f;
    case UnitMillimeter:
      return FEmSize * dpi / 25.4f;
    default:
      return FEmSize;
  }
}

REAL Font::GetHeight(REAL dpi) const {
  PangoFontDescription* d = CreateFontDescription(FFamily, FStyle, PixelSize(dpi));
  PangoContext* ctx = pango_font_map_create_context(FontMap());
  PangoFontMetrics* m = pango_context_get_metrics(ctx, d, nullptr);
  REAL height = REAL(pango_font_metrics_get_height(m)) / PANGO_SCALE;
  if (height <= 0)
    height =
        REAL(pango_font_metrics_get_ascent(m) + pango_font_metrics_get_descent(m)) / PANGO_SCALE;
  pango_font_metrics_unref(m);
  g_object_unref(ctx);
  pango_font_description_free(d);
  return height;
}

}  // namespace Gdiplus
