#pragma once
// The setup sheet's page and its text output (the report itself is the main
// window's Print1Click).

#include <string>

class TPdfDoc;

// The sheet's page size in points.
inline constexpr int kSheetWidth = 2479;
inline constexpr int kSheetHeight = 4508;

// Writes Text (UTF-8) with its base line starting at (X, Y) of the document's
// current page, in the canvas's current font.
void PdfTextOut(TPdfDoc& Doc, int X, int Y, const std::string& Text);
