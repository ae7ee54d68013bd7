#pragma once
// The order of wide strings in the toolkit's string lists.
//
// Strings are compared in levels, as a user expects to see words ordered:
//   1. letters and digits, ignoring case, accents, hyphens and apostrophes;
//      symbols and punctuation come before digits, digits before letters, and
//      Latin letters before other scripts;
//   2. accents: an unaccented letter comes before its accented forms;
//   3. the whole case-folded text unit by unit (hyphens and apostrophes count
//      here, so "coop" and "co-op" stay distinct);
//   4. when case matters: lower case before upper case, then the exact text.
// Two strings compare equal only when their texts are equal (ignoring case when
// case does not matter), so sorted lists and binary search agree.

#include <string>

// Negative, zero or positive as S1 sorts before, with or after S2.
int zrCompareText(const std::u16string& S1, const std::u16string& S2, bool CaseSensitive);

// The lower-case form of one UTF-16 unit for the scripts the order knows
// (Latin, Greek, Cyrillic, full-width Latin); other units are returned as they are.
char16_t zrFoldCase(char16_t C);
