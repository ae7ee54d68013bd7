#pragma once
// Texts with a small set of HTML tags on the chart canvas: line breaks,
// bold, italic, underline, strike-out, sizes, headings, sub- and
// superscript, fonts and colours, centring, a rule, images and four
// entities. Tags left open carry over to the next text, as the canvas font
// and the two stacks below live from one text to the next.

#include <string>
#include <vector>

#include "platform/vcl/Graphics.h"

class TPlotCanvas;

// The style tags opened so far, upper-cased, oldest first.
extern std::vector<std::string> HtmlTagStack;
// Saved font descriptions, each a FONT tag.
extern std::vector<std::string> HtmlFontStack;
// Hooks for images: a new empty graphic for an upper-case extension (with
// its dot), and a download into a stream answering 0 on success. Neither is
// set, so images show as placeholders.
extern TGraphic* (*GraphicFileExtension)(const std::string& Extension);
extern int (*GraphicDownload)(const std::string& Address, TStream* Stream);

// Draws Text at (X, Y); a centred or right alignment places the whole text.
void HtmlTextOut(TPlotCanvas* ACanvas, int X, int Y, const std::string& Text);
// The size Text takes, painting nothing.
TSize HtmlTextExtent(TPlotCanvas* ACanvas, const std::string& Text);
// The height of the pieces between carriage returns, and their number.
int HtmlMultiLineTextHeight(TPlotCanvas* ACanvas, const std::string& Text, int& NumLines);
// A colour name, "#RRGGBB", a colour identifier or a decimal number;
// black otherwise. A "#" value shorter than seven characters raises
// EConvertError.
TColor HtmlColorFromText(const std::string& Value);
