#pragma once
// Locale-free text forms of numbers, points "(x,y)" and rectangles
// "(l,t,r,b)", and the two tokenizers of the toolkit's small text grammars.
// Decimal separators are always ".", whatever the process locale.

#include <string>

#include "scene/zr_geometry.h"

// Whole numbers without a point ("2", "-7", "10000000000"); others in fixed
// notation with three decimals ("1.500", "-0.250", "0.000" for 0.0004).
std::u16string zrFloatToStr(float F);
// Optional sign, digits with an optional fraction, optional exponent; the
// value rounded to float. Any other text raises EConvertError.
float zrStrToFloat(const std::u16string& S);

std::string zrPointToString(const TzrPoint& P);
std::string zrRectToString(const TzrRect& R);
// Unreadable numbers give (0, 0) / (0, 0, 0, 0) as a whole.
TzrPoint zrStringToPoint(const std::string& S);
TzrRect zrStringToRect(const std::string& S);

// Takes the next token from the front of S: a character of Stop ends it and
// stays in S, a character of Separators ends it and is dropped. The token
// and the rest of S are trimmed of control characters and spaces.
std::string zrGetToken(std::string& S, const std::string& Separators, const std::string& Stop);
// The next token of S from Pos (counting from 1): separators before and
// after it are skipped, a stop character is left where it is.
std::u16string zrWideGetToken(int& Pos, const std::u16string& S, const std::u16string& Separators,
                              const std::u16string& Stop);
