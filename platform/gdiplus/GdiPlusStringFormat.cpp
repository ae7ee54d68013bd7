#include "platform/gdiplus/GdiPlusStringFormat.h"

namespace Gdiplus {

namespace {

std::unique_ptr<StringFormat>& Slot(int which) {
  static std::unique_ptr<StringFormat> slots[2];
  return slots[which];
}

}  // namespace

StringFormat::StringFormat(INT formatFlags, uint16_t language)
    : FFlags(formatFlags), FLanguage(language) {}

const StringFormat* StringFormat::GenericDefault() {
  auto& slot = Slot(0);
  if (!slot) slot.reset(new StringFormat(0));
  return slot.get();
}

const StringFormat* StringFormat::GenericTypographic() {
  auto& slot = Slot(1);
  if (!slot) {
    slot.reset(new StringFormat(StringFormatFlagsNoClip | StringFormatFlagsNoFitBlackBox |
                                StringFormatFlagsLineLimit));
    slot->SetTrimming(StringTrimmingNone);
  }
  return slot.get();
}

void FreeGenericStringFormats() {
  Slot(1).reset();
  Slot(0).reset();
}

Status StringFormat::SetFormatFlags(INT flags) {
  FFlags = flags;
  return Ok;
}

Status StringFormat::SetAlignment(StringAlignment align) {
  if (align < StringAlignmentNear || align > StringAlignmentFar)
    return FLastStatus = InvalidParameter;
  FAlignment = align;
  return Ok;
}

Status StringFormat::SetLineAlignment(StringAlignment align) {
  if (align < StringAlignmentNear || align > StringAlignmentFar)
    return FLastStatus = InvalidParameter;
  FLineAlignment = align;
  return Ok;
}

Status StringFormat::SetTrimming(StringTrimming trimming) {
  if (trimming < StringTrimmingNone || trimming > StringTrimmingEllipsisPath)
    return FLastStatus = InvalidParameter;
  FTrimming = trimming;
  return Ok;
}

Status StringFormat::SetMeasurableCharacterRanges(INT rangeCount, const CharacterRange* ranges) {
  if (rangeCount < 0 || (rangeCount > 0 && !ranges)) return FLastStatus = InvalidParameter;
  if (rangeCount > 32) return FLastStatus = ValueOverflow;
  FRanges.assign(ranges, ranges + rangeCount);
  return Ok;
}

}  // namespace Gdiplus
