#pragma once
// The keys of the language file's section "common" that the main window frame
// reads, with their built-in defaults. Every read passes its default, so a
// missing key (or a missing file) still gives a caption or an option.
//
// Texts come in two forms: language pairs, stored under "chs" + base name
// (Chinese) and "eng" + base name (English), read with the default of the
// language in force; and texts read through LangKey with one default that
// serves both languages.

#include <cstddef>

// The section that holds texts, options and settings.
inline constexpr const char* LangCommonSection = "common";
// The language file in the program's folder.
inline constexpr const char* LangFileName = "lang.ini";

// A caption stored as a language pair.
struct TLangPair {
  const char* Base;
  const char* English;
  const char* Chinese;
};

// A text read through LangKey, or a plain text key, with one default.
struct TLangText {
  const char* Key;
  const char* Default;
};

// A boolean option (an integer in the file: 0 false, any other number true).
struct TLangOption {
  const char* Key;
  bool Default;
};

// An integer value.
struct TLangInteger {
  const char* Key;
  int Default;
};

// A fixed-size table and its length.
template <class T>
struct TLangTable {
  const T* Rows;
  size_t Count;
  const T* begin() const { return Rows; }
  const T* end() const { return Rows + Count; }
};

// Options that show or hide menu entries and controls, the starting language,
// the update check and the navigation style.
TLangTable<TLangOption> LangOptions();
// Picture positions and sizes.
TLangTable<TLangInteger> LangIntegers();
// Plain text keys: picture file names, the program version and the
// gear-calculator fields "cacl1" .. "cacl19".
TLangTable<TLangText> LangPlainTexts();
// Captions of the main window stored as language pairs, in the order they are applied.
TLangTable<TLangPair> LangCaptionPairs();
// Captions and frame texts read through LangKey, each with its one default.
TLangTable<TLangText> LangKeyTexts();
// The about box's texts (language pairs).
TLangTable<TLangPair> LangAboutPairs();

// Look-ups by key or base name (without regard to letter case); nullptr when unknown.
const TLangPair* FindLangPair(const char* Base);
const TLangText* FindLangKeyText(const char* Base);
const TLangOption* FindLangOption(const char* Key);
const TLangInteger* FindLangInteger(const char* Key);
const TLangText* FindLangPlainText(const char* Key);
