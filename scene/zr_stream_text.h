#pragma once
// The text form of object streams, both directions:
//
//   object Button1: TzrButton
//     Position.Point = '(8,16)'
//     Width = 80.000000000000000000
//     Text = 'OK'
//     object TzrRectangle
//       Fill.Color = '#FF2B2B2B'
//     end
//   end
//
// Lines end with CR LF and nest by two spaces. Strings are quoted, with
// control characters, quotes and characters beyond ASCII as "#" and the
// decimal UTF-16 code; long strings are cut into pieces of 64 characters
// joined by "+". Floats use "." and may carry a suffix (s single, c currency,
// d date); lists are in parentheses, sets in brackets, binary data in braces
// as hexadecimal, collections in angle brackets of "item" ... "end".

#include <cstddef>
#include <vector>

#include "platform/rtl/SysUtils.h"

class TStream;

class EParserError : public Exception {
 public:
  using Exception::Exception;
};

// Binary stream (from Input's position, "TPF0" first) to text. A corrupt
// binary stream raises EReadError.
void ObjectBinaryToText(TStream* Input, TStream* Output);
// Text (from Input's position) to a binary stream with "TPF0". Malformed text
// raises EParserError naming the line.
void ObjectTextToBinary(TStream* Input, TStream* Output);

// Where a component record or property entry of the binary form begins
// (bytes from "TPF0") and the text line it came from.
struct TStreamLine {
  size_t Offset;
  int Line;
};
// The same, also listing every record and entry with its line, in binary
// order, so that errors found in the binary form can name the text line.
void ObjectTextToBinary(TStream* Input, TStream* Output, std::vector<TStreamLine>* Lines);
// The line of the record or entry that begins at or last before Offset.
int StreamLineAt(const std::vector<TStreamLine>& Lines, size_t Offset);

// Float text as the text form writes it: 16 significant digits, fixed with
// 18 decimals (exponent form for values of 10^16 and more).
std::string StreamFloatText(long double Value);
