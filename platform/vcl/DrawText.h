#pragma once
// Formatted text drawing into a rectangle of a device context: alignments,
// lines broken at line ends (or one line), "&" prefixes, measuring.

#include <string>

#include "platform/gdi/Gdi.h"

enum : unsigned {
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_SINGLELINE = 0x20,
  DT_NOCLIP = 0x100,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800,
  DT_MODIFYSTRING = 0x10000
};

// Draws count characters of text (-1: up to the terminating zero) with the
// context's font, text colour and background mode; answers the height of
// the text. DT_CALCRECT only measures: rect's right and bottom are set to
// hold the text. Vertical alignment applies to single lines only. Without
// DT_NOPREFIX, "&" is dropped and "&&" draws one "&". The text is never
// changed (DT_MODIFYSTRING has no effect).
int DrawTextW(gdi::HDC dc, const char16_t* text, int count, gdi::RECT* rect, unsigned flags);
