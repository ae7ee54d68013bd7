#pragma once
// String formats: layout flags, horizontal and vertical alignment, trimming
// and the character ranges that measuring reports on.

#include <memory>
#include <vector>

#include "platform/gdiplus/GdiPlusStatus.h"
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

struct CharacterRange {
  INT First = 0;
  INT Length = 0;
  CharacterRange() = default;
  CharacterRange(INT first, INT length) : First(first), Length(length) {}
};

class StringFormat : public LastStatus {
 public:
  explicit StringFormat(INT formatFlags = 0, uint16_t language = 0);
  StringFormat* Clone() const { return new StringFormat(*this); }

  // Flags 0, character trimming.
  static const StringFormat* GenericDefault();
  // No clipping, black box fitting and line limit; no trimming.
  static const StringFormat* GenericTypographic();

  Status SetFormatFlags(INT flags);
  INT GetFormatFlags() const { return FFlags; }
  Status SetAlignment(StringAlignment align);
  StringAlignment GetAlignment() const { return FAlignment; }
  Status SetLineAlignment(StringAlignment align);
  StringAlignment GetLineAlignment() const { return FLineAlignment; }
  Status SetTrimming(StringTrimming trimming);
  StringTrimming GetTrimming() const { return FTrimming; }
  uint16_t GetLanguage() const { return FLanguage; }
  // Ranges in UTF-16 units of the text.
  Status SetMeasurableCharacterRanges(INT rangeCount, const CharacterRange* ranges);
  INT GetMeasurableCharacterRangeCount() const { return INT(FRanges.size()); }
  const std::vector<CharacterRange>& Ranges() const { return FRanges; }

 private:
  INT FFlags;
  uint16_t FLanguage;
  StringAlignment FAlignment = StringAlignmentNear;
  StringAlignment FLineAlignment = StringAlignmentNear;
  StringTrimming FTrimming = StringTrimmingCharacter;
  std::vector<CharacterRange> FRanges;
};

// Frees the shared generic formats.
void FreeGenericStringFormats();

}  // namespace Gdiplus
