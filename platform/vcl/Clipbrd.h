#pragma once
// The framework clipboard: one object over the GTK clipboard (the desktop's
// CLIPBOARD selection). Text is UTF-16 on this side and UTF-8 on GTK's; the
// conversion is done here, so callers hand over and receive wide text.
// Text read back has GTK's line breaks: "\r\n" arrives as "\n".
//
// A hand-over that fails (no display, text that is no valid UTF-16, GTK
// refusing the ownership) raises EClipboardException and leaves the
// clipboard's previous content in place. Reading never raises: an empty or
// unreadable clipboard gives an empty text.

#include <string>

#include "platform/rtl/SysUtils.h"

class TBitmap;

class EClipboardException : public Exception {
 public:
  using Exception::Exception;
};

class TClipboard {
 public:
  // Whether the clipboard offers text in any of the text formats.
  bool HasText();
  // The clipboard's text; empty when it holds none.
  std::u16string GetAsText();
  // Puts Text on the clipboard in every text format; the program owns the
  // clipboard until another program or a later call takes it.
  void SetAsText(const std::u16string& Text);
  // Puts the bitmap on the clipboard as an image (GTK offers it in every
  // image format it can write); raises EClipboardException without a display.
  void SetAsBitmap(TBitmap* Bitmap);
  // Whether the clipboard offers a picture in any image format.
  bool HasPicture();
  // Bitmap becomes the clipboard's picture as a 32-bit device-independent
  // bitmap (premultiplied alpha); false, leaving Bitmap as it was, when the
  // clipboard holds no picture.
  bool GetAsBitmap(TBitmap* Bitmap);
  // Puts an SVG document on the clipboard as "image/svg+xml"; raises
  // EClipboardException without a display or for empty data.
  void SetAsSvg(const std::string& Data);
  // The clipboard's SVG document; empty when it holds none.
  std::string GetAsSvg();
  // Empties the clipboard when this program owns it.
  void Clear();
};

// The program's one clipboard object.
TClipboard* Clipboard();
