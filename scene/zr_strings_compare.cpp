#include "scene/zr_strings_compare.h"

#include <cstdint>

namespace {

// Base letters of U+0100..U+017F (Latin Extended-A), one per code unit.
constexpr char kLatinExtendedABase[] =
    "aaaaaa"
    "cccccccc"
    "dddd"
    "eeeeeeeeee"
    "gggggggg"
    "hhhh"
    "iiiiiiiiii"
    "ii"
    "jj"
    "kkk"
    "llllllllll"
    "nnnnnnn"
    "nn"
    "oooooo"
    "oo"
    "rrrrrr"
    "ssssssss"
    "tttttt"
    "uuuuuuuuuuuu"
    "ww"
    "yyy"
    "zzzzzz"
    "s";
static_assert(sizeof(kLatinExtendedABase) == 0x80 + 1);

// Base letters of U+00C0..U+00FF (Latin-1 letters); "*" marks the two symbols.
constexpr char kLatin1Base[] =
    "aaaaaaaceeeeiiiidnooooo*ouuuuyts"
    "aaaaaaaceeeeiiiidnooooo*ouuuuyty";
static_assert(sizeof(kLatin1Base) == 0x40 + 1);

enum TCharClass { ccIgnorable, ccSymbol, ccDigit, ccLetter };

struct TCharKey {
  TCharClass Class;
  uint32_t Primary;  // order within the class
  uint32_t Accent;   // 0 for an unaccented character
};

bool IsIgnorable(char16_t c) {
  return c == u'-' || c == u'\'' || c == 0x00AD || c == 0x2010 || c == 0x2011;
}

bool IsSymbol(char16_t c) {
  if (c < 0x80) {
    return !((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'));
  }
  if (c < 0xC0 || c == 0xD7 || c == 0xF7) return true;
  if (c >= 0x2000 && c <= 0x2BFF) return true;
  if (c >= 0x3000 && c <= 0x303F) return true;
  return (c >= 0xFF00 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20) ||
         (c >= 0xFF3B && c <= 0xFF40) || (c >= 0xFF5B && c <= 0xFF65);
}

// The unaccented base letter of a folded character, or 0 when it has none.
char BaseLetter(char16_t folded) {
  if (folded >= 0xC0 && folded <= 0xFF) return kLatin1Base[folded - 0xC0];
  if (folded >= 0x100 && folded <= 0x17F) return kLatinExtendedABase[folded - 0x100];
  if (folded >= 0xFF41 && folded <= 0xFF5A) return static_cast<char>(u'a' + (folded - 0xFF41));
  return 0;
}

TCharKey KeyOf(char16_t c) {
  if (IsIgnorable(c)) return {ccIgnorable, 0, 0};
  if (IsSymbol(c)) return {ccSymbol, c, 0};
  if (c >= u'0' && c <= u'9') return {ccDigit, static_cast<uint32_t>(c - u'0'), 0};
  if (c >= 0xFF10 && c <= 0xFF19) return {ccDigit, static_cast<uint32_t>(c - 0xFF10), c};
  const char16_t folded = zrFoldCase(c);
  if (folded >= u'a' && folded <= u'z') return {ccLetter, folded, 0};
  const char base = BaseLetter(folded);
  if (base != 0) return {ccLetter, static_cast<uint32_t>(base), folded};
  return {ccLetter, folded, 0};
}

int Sign(int64_t v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

// Walks both strings over their non-ignorable characters and compares the
// level that Field picks; the shorter sequence sorts first.
template <typename Field>
int CompareLevel(const std::u16string& a, const std::u16string& b, Field field) {
  size_t i = 0, j = 0;
  for (;;) {
    while (i < a.size() && IsIgnorable(a[i])) ++i;
    while (j < b.size() && IsIgnorable(b[j])) ++j;
    if (i == a.size() || j == b.size()) {
      return (i == a.size() ? 0 : 1) - (j == b.size() ? 0 : 1);
    }
    const int r = field(a[i], b[j]);
    if (r != 0) return r;
    ++i;
    ++j;
  }
}

int ComparePrimary(char16_t x, char16_t y) {
  const TCharKey kx = KeyOf(x), ky = KeyOf(y);
  if (kx.Class != ky.Class) return kx.Class < ky.Class ? -1 : 1;
  return Sign(int64_t(kx.Primary) - int64_t(ky.Primary));
}

int CompareAccent(char16_t x, char16_t y) {
  return Sign(int64_t(KeyOf(x).Accent) - int64_t(KeyOf(y).Accent));
}

int CompareUnits(const std::u16string& a, const std::u16string& b, bool fold) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const char16_t x = fold ? zrFoldCase(a[i]) : a[i];
    const char16_t y = fold ? zrFoldCase(b[i]) : b[i];
    if (x != y) return x < y ? -1 : 1;
  }
  return Sign(int64_t(a.size()) - int64_t(b.size()));
}

// Lower case (and caseless) before upper case, character by character.
int CompareCase(const std::u16string& a, const std::u16string& b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const bool ux = zrFoldCase(a[i]) != a[i], uy = zrFoldCase(b[i]) != b[i];
    if (ux != uy) return ux ? 1 : -1;
  }
  return 0;
}

}  // namespace

char16_t zrFoldCase(char16_t c) {
  if (c < 0x80) return (c >= u'A' && c <= u'Z') ? c + 0x20 : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  if (c >= 0x100 && c <= 0x137) {
    if (c == 0x130) return u'i';
    if (c == 0x131) return c;
    return (c % 2 == 0) ? c + 1 : c;
  }
  if (c >= 0x139 && c <= 0x148) return (c % 2 == 1) ? c + 1 : c;
  if (c >= 0x14A && c <= 0x177) return (c % 2 == 0) ? c + 1 : c;
  if (c == 0x178) return 0xFF;
  if (c >= 0x179 && c <= 0x17E) return (c % 2 == 1) ? c + 1 : c;
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  if (c >= 0xFF21 && c <= 0xFF3A) return c + 0x20;
  return c;
}

int zrCompareText(const std::u16string& S1, const std::u16string& S2, bool CaseSensitive) {
  int r = CompareLevel(S1, S2, ComparePrimary);
  if (r == 0) r = CompareLevel(S1, S2, CompareAccent);
  if (r == 0) r = CompareUnits(S1, S2, true);
  if (r != 0 || !CaseSensitive) return r;
  r = CompareCase(S1, S2);
  return r != 0 ? r : CompareUnits(S1, S2, false);
}
